#pragma once
#include "platform/CPoint.h"

#include <windows.h>

class CCPGridCore;
class CWnd;

// What the table views need of the main window: the project's modified mark, the
// status bar's panes and the command bars' context menus. The main frame installs the
// real one; until then these calls do nothing, and tests install a recording fake.
class TableViewShell {
public:
    virtual ~TableViewShell() = default;
    virtual void SetProjectModified(BOOL modified) = 0;
    virtual void SetStatusPaneText(int pane, LPCSTR text) = 0;
    // Shows the first popup of the menu resource at a screen point, commands to owner.
    virtual void TrackContextMenu(UINT menuId, CPoint screenPoint, CWnd* owner) = 0;
};

// Installs the shell (null removes it) and gives back the one it replaces.
TableViewShell* SetTableViewShell(TableViewShell* shell);
TableViewShell* GetTableViewShell();

// Empties status-bar pane 1 and shows the grid's focus cell in pane 2 (header-counted).
void ShowGridFocusInStatusBar(const CCPGridCore& grid);
