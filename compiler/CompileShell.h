#pragma once

#include "platform/CString.h"

// What the compiler needs of the application shell and its open project: the output
// pane, the check of the initial-data table and the program capacity of the configured
// CPU. The main frame implements it and installs itself with SetCompileShell; tests
// install a recording stand-in. Without a shell the output lines go nowhere, the
// initial-data table counts no problem and the capacity is 0.
class ICompileShell {
public:
    enum OutputTab { kGeneralTab = 0, kCompileTab = 1 };

    virtual ~ICompileShell() = default;
    // Appends one line to output tab 0 (general) or 1 (compile information), shows the
    // pane and selects the line; a tab above 1 is ignored.
    virtual void AddOutputLine(int tab, const CString& text) = 0;
    // Writes the initial-data table's problem lines to the compile tab and returns
    // how many there are; CheckInitDataRows (project/InitDataCheck.h) does the work.
    virtual int CheckInitDataTable() = 0;
    // The number of instructions the configured CPU holds; 0 without a CPU module.
    virtual int GetProgramMemorySize() = 0;
};

void SetCompileShell(ICompileShell* shell);
ICompileShell* GetCompileShell();
