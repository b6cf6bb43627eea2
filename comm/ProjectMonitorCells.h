#pragma once
#include "comm/MonitorData.h"

class CQLXProject;

// The monitor worker's view of the open project: its four monitor lists and its monitor
// cells by address code. The lists are not rebuilt while monitoring runs.
class CProjectMonitorCells : public MonitorCells {
public:
    explicit CProjectMonitorCells(CQLXProject& project) : m_project(project) {}

    void StoreValue(uint16_t code, uint32_t value) override;
    void StoreTimerCounter(uint16_t code, uint32_t status, uint32_t value) override;

private:
    CQLXProject& m_project;
};

MonitorLists MonitorListsOf(const CQLXProject& project);
