#pragma once
#include "platform/CDocument.h"
#include "project/CQLXFunc.h"
#include "shell/project/ProjectShell.h"

#include <fstream>
#include <functional>
#include <string>
#include <vector>

// Records what the project tree and the project commands ask of the main frame while it
// is installed. A created POU document is written as an empty file, as the real one
// saves itself at once; the open documents' titles are what the test says.
class RecordingProjectShell : public ProjectShell {
public:
    RecordingProjectShell() : m_previous(SetProjectShell(this)) {}
    ~RecordingProjectShell() override { SetProjectShell(m_previous); }

    void SetProjectModified(BOOL modified) override {
        Log(modified ? "modified" : "unmodified");
        if (projectDocument != nullptr)
            projectDocument->SetModifiedFlag(modified);
    }
    void AddSubroutineToInsTrees(const CQLXFunc& descriptor) override {
        Log("instree add " + std::string(descriptor.name));
    }
    void RenameSubroutineInInsTrees(const CString& oldName, const CString& newName) override {
        Log("instree rename " + std::string(oldName) + " " + std::string(newName));
    }
    void FillSubroutinesInInsTrees() override { Log("instree fill"); }
    void RemoveSubroutinesFromInsTrees() override { Log("instree clear"); }
    void OpenTableWindow(int kind) override { Log("window " + std::to_string(kind)); }
    void RunCommSettingsDialog() override { Log("comm settings"); }
    void UpdateTabs() override { Log("tabs"); }
    void TrackContextMenu(UINT menuId, CPoint, CWnd* owner) override {
        menus.push_back(menuId);
        menuOwners.push_back(owner);
    }
    CWnd* GetMainWindow() override { return mainWindow; }
    CDocument* OpenDocumentFile(const CString& path) override {
        Log("open " + std::string(path));
        return openedDocument;
    }
    BOOL CreateDocumentFile(const CString& path) override {
        Log("create " + std::string(path));
        std::ofstream(std::string(path)) << "(*" << createdLanguage << "*)\r\n";
        return TRUE;
    }
    void GetDocumentTitles(CStringArray& list) override {
        list.RemoveAll();
        for (const std::string& title : titles)
            list.Add(title.c_str());
    }
    BOOL IsAnyDocumentModified() override { return documentModified; }
    void CloseAllDocuments() override {
        Log("close documents");
        titles.clear();
        documentModified = FALSE;
    }
    void DestroyTableWindows() override { Log("destroy tables"); }
    void ResetOutputWindow() override { Log("reset output"); }
    BOOL SaveProject() override {
        Log("save project");
        return saveProject ? saveProject() : TRUE;
    }
    void AddToRecentFileList(const CString& path) override { Log("recent " + std::string(path)); }

    // Every call but the context menus, in order.
    std::vector<std::string> calls;
    std::vector<UINT> menus;
    std::vector<CWnd*> menuOwners;
    std::vector<std::string> titles;
    BOOL documentModified = FALSE;
    CWnd* mainWindow = nullptr;
    CDocument* projectDocument = nullptr;
    CDocument* openedDocument = nullptr;  // what opening a file gives  // marked by SetProjectModified when given
    int createdLanguage = 1;
    std::function<BOOL()> saveProject;

    bool Called(const std::string& call) const {
        for (const std::string& c : calls)
            if (c == call)
                return true;
        return false;
    }

private:
    void Log(const std::string& call) { calls.push_back(call); }
    ProjectShell* m_previous;
};
