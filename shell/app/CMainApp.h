#pragma once
#include "platform/CWinApp.h"
#include "shell/frame/FrameApplication.h"

#include <memory>

class CPlcWorkspace;
class CProjTreeDOC;
class MainFrameShell;

// The application: starts the program (workspace, document kinds, main window, folders,
// settings, the project file association, a project named on the command line), owns
// the operations every window uses on the whole project, and writes the settings and
// ends the workspace when the program ends. While it lives it is the main frame's
// application.
class CMainApp : public CWinApp, public FrameApplication {
public:
    CMainApp();
    ~CMainApp() override;

    BOOL InitInstance() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    int ExitInstance() override;
    // Only project files go on the recent-file list.
    void AddToRecentFileList(LPCSTR path) override;

    // Saves every open document into the project folder, checks an open hardware
    // window, writes the global variable file and the project file; FALSE when the
    // hardware check refused (nothing else was written then).
    BOOL SaveProject() override;
    // Marks the project document of the main window changed or unchanged.
    void SetProjectModified(BOOL modified);
    // Stores the style (0, 1, 2; 3 from the registry only) as the "Interface" setting and
    // gives the command bars and the docking panes its themes.
    void SetVisualStyle(int style) override;
    // Makes an empty document file of the kind the path's extension names and saves it
    // at once; with show set it opens in a visible window. FALSE without an extension or
    // when the document cannot be made.
    BOOL CreateDocumentFile(const CString& path, BOOL show) override;

    // Settings: section "Configuration" into the workspace and out again, section "COM"
    // into the serial port.
    void LoadSettings();
    void SaveSettings();
    // Offers to make this program the handler of project files.
    void RegisterFileType();
    // Opens the project that the raw command line (the program's path included) names,
    // if any.
    void OpenCommandLineProject(LPCSTR commandLine = ::GetCommandLineA());

    // Folder of the running program, without a trailing "\".
    const CString& ProgramFolder() const { return m_programFolder; }
    int CommandBarTheme() const { return m_commandBarTheme; }
    int DockingTheme() const { return m_dockingTheme; }

    // Where start-up keeps the settings and registers the file type; tests point them
    // at keys of their own.
    CString m_settingsKey;
    HKEY m_fileTypeRoot = HKEY_CLASSES_ROOT;

protected:
    BOOL OnFileMru(UINT id);
    void OnSaveProject();

private:
    MainFrameShell* FrameShell() const;
    CProjTreeDOC* ProjectDocument() const;
    BOOL CreateMainFrame();
    void CreateProgramFolders();
    CString ProgramPath() const;
    void RemoveRecentEntry(const CString& path);

    std::unique_ptr<CPlcWorkspace> m_workspace;
    CString m_programFolder;
    int m_commandBarTheme = 3;
    int m_dockingTheme = 3;

    DECLARE_MESSAGE_MAP()
};

// The application object as CMainApp; null when another application runs (tests).
CMainApp* GetMainApp();
