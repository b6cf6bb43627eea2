#include "shell/tables/TableViewShell.h"

namespace {

TableViewShell* installedShell = nullptr;

}  // namespace

TableViewShell* SetTableViewShell(TableViewShell* shell) {
    TableViewShell* previous = installedShell;
    installedShell = shell;
    return previous;
}

TableViewShell* GetTableViewShell() { return installedShell; }
