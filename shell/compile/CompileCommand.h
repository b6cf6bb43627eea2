#pragma once
#include "platform/Afx.h"

class CPlcWorkspace;

// What the compile command needs of the main window. The main frame implements it;
// tests give a recording one.
class ICompileCommandHost {
public:
    virtual ~ICompileCommandHost() = default;
    // Commits the pending edit of the active POU editor, if the active window is one.
    virtual void FlushActiveEditor() = 0;
    // Shows the output pane when it is hidden and refreshes the document tabs.
    virtual void ShowOutputPane() = 0;
    // Saves every open document and the project; false when the save was refused.
    virtual BOOL SaveProject() = 0;
    // Makes the output window's compile tab current with the standard font, empties
    // its list and repaints the main window.
    virtual void StartCompileList() = 0;
    // Selects the compile list's last line so that it is visible.
    virtual void SelectLastCompileLine() = 0;
    // Rebuilds the cross-reference list when its window is open, keeping its row.
    virtual void RefreshCrossReference() = 0;
    virtual void SetWaitCursor(BOOL on) = 0;
};

// The compile command (F7, and the first step of compare, download and monitoring):
// saves the project, writes the compiler's copies of the POU files, compiles, and
// after a clean compile builds, checksums and writes the target image. The project's
// compiled and image flags tell the callers the outcome; a run that stops before
// compiling leaves the compiled flag cleared, so that no earlier image passes for the
// current project.
class CCompileCommand {
public:
    CCompileCommand(CPlcWorkspace& workspace, ICompileCommandHost& host) : m_workspace(workspace), m_host(host) {}

    void Run();

    // The compile file list of the project's POUs in language IL or LD, with the "~"
    // twins written into the project folder.
    void PrepareCompileFiles(CStringArray& files) const;

private:
    // The checks before the compile; false after writing the reason to the compile list.
    BOOL ProjectIsCompilable();
    void Compile();
    void BuildTargetFile();
    void AddCompileLine(const CString& text);

    CPlcWorkspace& m_workspace;
    ICompileCommandHost& m_host;
};
