#include "project/CPlcWorkspace.h"

#include "project/CQLXStatus.h"
#include "project/MonitorCells.h"
#include "project/OwnedObjects.h"

void CPlcWorkspace::AddMonitorOperand(const char* cellText, CQLXStatus* cell) {
    CString key = cellText != nullptr ? cellText : "";
    if (key.Left(1) != "%")
        key.Insert(0, '%');
    CObject* present = nullptr;
    if (project.MonitorOperandMap.Lookup(key, present))
        delete cell;
    else
        project.MonitorOperandMap.SetAt(key, cell);
}

// The cells by code index the same cells, so they go too.
void CPlcWorkspace::ClearMonitorOperands() {
    project.monitorCellsByCode.RemoveAll();
    DeleteMapValues(project.MonitorOperandMap);
}

int CPlcWorkspace::ParseCellAddress(const char* cellText, WORD& code, WORD& number) const {
    return ::ParseCellAddress(cellText, code, number);
}
