#include "shell/project/ProjectShell.h"

namespace {

class NoProjectShell : public ProjectShell {
public:
    void SetProjectModified(BOOL) override {}
    void AddSubroutineToInsTrees(const CQLXFunc&) override {}
    void RenameSubroutineInInsTrees(const CString&, const CString&) override {}
    void FillSubroutinesInInsTrees() override {}
    void RemoveSubroutinesFromInsTrees() override {}
    void OpenTableWindow(int) override {}
    void RunCommSettingsDialog() override {}
    void UpdateTabs() override {}
    void TrackContextMenu(UINT, CPoint, CWnd*) override {}
    CWnd* GetMainWindow() override { return nullptr; }
    CDocument* OpenDocumentFile(const CString&) override { return nullptr; }
    BOOL CreateDocumentFile(const CString&) override { return FALSE; }
    void GetDocumentTitles(CStringArray& titles) override { titles.RemoveAll(); }
    BOOL IsAnyDocumentModified() override { return FALSE; }
    void CloseAllDocuments() override {}
    void DestroyTableWindows() override {}
    void ResetOutputWindow() override {}
    BOOL SaveProject() override { return FALSE; }
    void AddToRecentFileList(const CString&) override {}
};

ProjectShell*& Installed() {
    static ProjectShell* shell = nullptr;
    return shell;
}

}  // namespace

ProjectShell* SetProjectShell(ProjectShell* shell) {
    ProjectShell* previous = Installed();
    Installed() = shell;
    return previous;
}

ProjectShell& GetProjectShell() {
    static NoProjectShell none;
    return Installed() != nullptr ? *Installed() : none;
}
