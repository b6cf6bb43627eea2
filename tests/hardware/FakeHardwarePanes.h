#pragma once
#include "hardware/HardwareShell.h"
#include "hardware/HardwareSlots.h"

#include <string>
#include <vector>

// Records the info pane's tab operations and keeps a tab count as the real pane would.
class FakeHardwarePanes : public HardwareSlotPanes {
public:
    int TabCount() override { return tabCount; }
    void ShowTab(int tab) override { calls.push_back("show " + std::to_string(tab)); }
    void ShowModulePage(int position, CQLX_R2_PLC* module) override {
        calls.push_back("page " + std::to_string(position));
        if (position >= tabCount)
            tabCount = position + 1;
    }
    void RemoveTab(int tab) override {
        calls.push_back("remove " + std::to_string(tab));
        --tabCount;
    }
    void PutHowToTab(int tab) override { calls.push_back("howto " + std::to_string(tab)); }
    void RefreshGrid() override { ++refreshes; }

    int tabCount = 1;   // the instructions page
    int refreshes = 0;
    std::vector<std::string> calls;
};

class FakeHardwareShell : public HardwareShell {
public:
    void UpdateCpuGroups() override { ++cpuGroupUpdates; }
    void SetProjectModified(bool modified) override { modifiedCalls.push_back(modified); }
    void TrackContextMenu(UINT menuId, CPoint screenPoint, CWnd* owner) override {
        menus.push_back(menuId);
        menuPoints.push_back(screenPoint);
    }

    int cpuGroupUpdates = 0;
    std::vector<bool> modifiedCalls;
    std::vector<UINT> menus;
    std::vector<CPoint> menuPoints;
};
