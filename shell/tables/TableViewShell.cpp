#include "shell/tables/TableViewShell.h"

#include "platform/CCPGridCore.h"

namespace {

TableViewShell* installedShell = nullptr;

}  // namespace

TableViewShell* SetTableViewShell(TableViewShell* shell) {
    TableViewShell* previous = installedShell;
    installedShell = shell;
    return previous;
}

TableViewShell* GetTableViewShell() { return installedShell; }

void ShowGridFocusInStatusBar(const CCPGridCore& grid) {
    if (installedShell == nullptr)
        return;
    CString text;
    text.Format("  第 %d 行, 第 %d 列", grid.GetFocusRow(), grid.GetFocusCol());
    installedShell->SetStatusPaneText(1, "");
    installedShell->SetStatusPaneText(2, text);
}
