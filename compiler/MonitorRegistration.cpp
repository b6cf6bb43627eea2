#include "compiler/MonitorRegistration.h"

#include <utility>

namespace {
MonitorCellRegistrar& CurrentRegistrar() {
    static MonitorCellRegistrar registrar;
    return registrar;
}
}  // namespace

void SetMonitorCellRegistrar(MonitorCellRegistrar registrar) {
    CurrentRegistrar() = std::move(registrar);
}

void RegisterMonitorCells(const CString& operand) {
    if (CurrentRegistrar()) CurrentRegistrar()(operand);
}
