#pragma once
#include "shell/tables/TableViewShell.h"

#include <string>
#include <vector>

// Records what the table views ask of the main window while it is installed.
class RecordingTableShell : public TableViewShell {
public:
    RecordingTableShell() : m_previous(SetTableViewShell(this)) {}
    ~RecordingTableShell() override { SetTableViewShell(m_previous); }

    void SetProjectModified(BOOL modified) override { modifiedCalls.push_back(modified); }
    void SetStatusPaneText(int pane, LPCSTR text) override {
        if (pane >= 0 && pane < 3)
            panes[pane] = text;
    }
    void TrackContextMenu(UINT menuId, CPoint screenPoint, CWnd* owner) override {
        menus.push_back(menuId);
        menuOwners.push_back(owner);
    }

    std::vector<BOOL> modifiedCalls;
    std::string panes[3];
    std::vector<UINT> menus;
    std::vector<CWnd*> menuOwners;

private:
    TableViewShell* m_previous;
};
