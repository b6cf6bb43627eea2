#pragma once
#include "platform/Arrays.h"
#include "platform/CPoint.h"
#include "platform/CString.h"

class CDocument;
class CQLXFunc;
class CWnd;

// What the project tree, its POU commands and the project file commands need of the
// main frame and the application. The main frame installs the real one; until then
// these calls do nothing (answers are FALSE and empty), and tests install a recording
// fake.
class ProjectShell {
public:
    virtual ~ProjectShell() = default;

    // The one way to mark the project changed.
    virtual void SetProjectModified(BOOL modified) = 0;

    // The subroutine entries of the LD and IL instruction trees.
    virtual void AddSubroutineToInsTrees(const CQLXFunc& descriptor) = 0;
    virtual void RenameSubroutineInInsTrees(const CString& oldName, const CString& newName) = 0;
    virtual void FillSubroutinesInInsTrees() = 0;
    virtual void RemoveSubroutinesFromInsTrees() = 0;

    // The windows the tree opens: by the tree item kind (5 initial data, 6 global
    // variables, 7 status table, 9 hardware), and the PC communication settings dialog.
    virtual void OpenTableWindow(int itemKind) = 0;
    virtual void RunCommSettingsDialog() = 0;
    // The tab client lays its tabs out again after windows came or went.
    virtual void UpdateTabs() = 0;
    // Shows the first popup of the menu resource at a screen point, commands to owner.
    virtual void TrackContextMenu(UINT menuId, CPoint screenPoint, CWnd* owner) = 0;
    virtual CWnd* GetMainWindow() = 0;

    // Documents: opens (or activates) the document of a file, null when it fails; creates
    // a new POU document in a new editor window and saves it at the path at once.
    virtual CDocument* OpenDocumentFile(const CString& path) = 0;
    virtual BOOL CreateDocumentFile(const CString& path) = 0;
    // The titles of every open document of every template, the project's too.
    virtual void GetDocumentTitles(CStringArray& titles) = 0;
    // Whether some open document other than the project's reports itself modified.
    virtual BOOL IsAnyDocumentModified() = 0;
    // Closes every open document without asking.
    virtual void CloseAllDocuments() = 0;
    // Destroys the open table windows: hardware, status table, initial data, cross
    // reference, global variables.
    virtual void DestroyTableWindows() = 0;
    // Empties both output lists and makes the compile tab current.
    virtual void ResetOutputWindow() = 0;
    // Saves every open document into the project folder, checks the hardware window,
    // writes the global variable file and the project file; FALSE when refused.
    virtual BOOL SaveProject() = 0;
    virtual void AddToRecentFileList(const CString& path) = 0;
};

// Installs the shell (null removes it) and gives back the one it replaces.
ProjectShell* SetProjectShell(ProjectShell* shell);
// The installed shell, or one that does nothing.
ProjectShell& GetProjectShell();
