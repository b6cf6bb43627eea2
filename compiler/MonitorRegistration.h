#pragma once

#include "platform/CString.h"

#include <functional>

// The compiler registers every direct address and FB instance it meets for online
// monitoring. The project model, which keeps the monitor cells, installs the function
// that registers them; until one is installed nothing is registered.
using MonitorCellRegistrar = std::function<void(const CString& operand)>;

void SetMonitorCellRegistrar(MonitorCellRegistrar registrar);
void RegisterMonitorCells(const CString& operand);
