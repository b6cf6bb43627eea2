#pragma once
#include "comm/ForcingService.h"
#include "project/CStatusInput.h"

#include <memory>
#include <vector>

// The status table's five force commands on its rows, built from the forcing service's
// steps: each starts from the PLC's force table, changes the local copy, writes the
// whole table back and, when that fails, leaves the local copy as it was read.
class CStatusForceCommands {
public:
    CStatusForceCommands(CForcingService& forcing, ForceProject& project);

    // The row exists, its address is valid and forceable, and (to force) its forced
    // value is valid.
    static bool CanForce(const CStatusInput* row);
    static bool CanUnforce(const CStatusInput* row);

    // True when the PLC took the change; the row's forced value is then emptied.
    bool ForceRow(CStatusInput& row);
    bool UnforceRow(CStatusInput& row);
    // Every row that can be forced, in one table; success empties every row's forced value.
    bool ForceAll(const std::vector<CStatusInput*>& rows);
    // One new row for each address of the PLC's force table, in table order.
    bool ReadAllForces(std::vector<std::unique_ptr<CStatusInput>>& appended);
    bool CancelAllForces();

private:
    bool WriteTable();

    CForcingService& m_forcing;
    ForceProject& m_project;
};
