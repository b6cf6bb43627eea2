#include "comm/ProjectMonitorCells.h"

#include "project/CQLXProject.h"
#include "project/CQLXStatus.h"

namespace {

CQLXStatus* CellOf(CQLXProject& project, uint16_t code) {
    CObject* cell = nullptr;
    return project.monitorCellsByCode.Lookup(code, cell) ? static_cast<CQLXStatus*>(cell) : nullptr;
}

std::vector<uint16_t> Codes(const CWordArray& list) {
    std::vector<uint16_t> codes;
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        codes.push_back(list[i]);
    return codes;
}

}  // namespace

void CProjectMonitorCells::StoreValue(uint16_t code, uint32_t value) {
    if (CQLXStatus* cell = CellOf(m_project, code))
        cell->value = value;
}

void CProjectMonitorCells::StoreTimerCounter(uint16_t code, uint32_t status, uint32_t value) {
    if (CQLXStatus* cell = CellOf(m_project, code)) {
        cell->statusBit = status;
        cell->value = value;
    }
}

MonitorLists MonitorListsOf(const CQLXProject& project) {
    MonitorLists lists;
    lists.bytes = Codes(project.monitorByteCodes);
    lists.words = Codes(project.monitorWordCodes);
    lists.timersCounters = Codes(project.monitorTimerCounterCodes);
    lists.doubleWords = Codes(project.monitorDwordCodes);
    return lists;
}
