#pragma once
#include "platform/CString.h"

#include <windows.h>

class CProjTreeDOC;
class CProjTreeView;
class CQLXProject;

// The main window's commands that create, open, close and relocate the project file,
// and the two steps every other command uses to change the open project: CloseProject
// (ask to save, close every window, empty the model) and OpenProjectFile (close, then
// load). A project is its ".qpr" file and the folder of the same name beside it.
class ProjectFileCommands {
public:
    ProjectFileCommands(CProjTreeDOC& document, CProjTreeView& tree) : m_document(document), m_tree(tree) {}

    // TRUE when no project is open any more; FALSE when the user cancelled or the save
    // failed.
    BOOL CloseProject();
    // Closes the open project and loads the file; the workspace's project-open flag
    // tells the outcome. The open project's own path does nothing.
    void OpenProjectFile(const CString& path);
    // Saves the open project as a new file with a copy of its folder; FALSE, with the
    // project where it was, when refused or when the copy fails.
    BOOL SaveProjectAs(const CString& path);

    void OnNewProject();
    void OnOpenProject();
    void OnCloseProject() { CloseProject(); }
    void OnSaveProjectAs();

    // Whether the command (new, open, close, save as, new subroutine or interrupt
    // routine) may run now.
    static BOOL IsCommandEnabled(UINT id);

private:
    CQLXProject& Project() const;
    // Builds the CPU, the local memory arrays and the force images of a new project.
    void SetUpNewProject();
    void ForgetProject();

    CProjTreeDOC& m_document;
    CProjTreeView& m_tree;
};

// The CpuClass of a new project whose CPU is built from this catalogue row.
int CpuClassOfCatalogRow(int row);
// The catalogue row a new project's CPU is built from: "DefaultCPU" when it names a CPU
// row, else the first CPU row.
int NewProjectCpuRow(int defaultCpu);
