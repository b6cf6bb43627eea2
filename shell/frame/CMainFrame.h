#pragma once
#include "platform/CMDIFrameWnd.h"
#include "shell/frame/FrameCommandRules.h"
#include "shell/frames/ChildWindowSlots.h"
#include "ui/commandbars/UIFrameStatusBar.h"
#include "ui/commandbars/UIFrameTemplate.h"
#include "ui/docking/UIDockingPaneHostWnd.h"
#include "ui/docking/tabs/UITabClientWnd.h"

#include <memory>

class CInsTreeView;
class CMainFrameShells;
class CMonitorCommand;
class COutputView;
class CProjTreeDOC;
class CProjTreeView;
class CQLXFunc;
class CUICommandBar;
class CUIDockingPaneItem;
class CUIToolBar;
class ProjectFileCommands;

// The program's main window: the menu bar and four toolbars, the status bar, the five
// docking panes with their views, the tabbed document area and the table windows. Every
// menu command arrives here; the other windows reach it as the application's main
// window to add output lines, report PLC results and keep the instruction trees in step.
class CMainFrame : public CUIFrameTemplate<CMDIFrameWnd> {
    DECLARE_DYNCREATE(CMainFrame)

public:
    // The output window's tabs.
    enum { GeneralTab = 0, CompileTab = 1 };
    // The results ReportPlcResult knows.
    enum { ResultDownloadNeedsCompile = 1, ResultDownloaded = 2, ResultProgramDiffers = 3, ResultCompileFailed = 4 };
    // The bits of the panes open when print preview started.
    enum { PreviewProjectPane = 1, PreviewInstructionPanes = 2, PreviewOutputPane = 8 };

    // The maker's web site, opened by the homepage command.
    static const char kHomepage[];

    CMainFrame();
    ~CMainFrame() override;

    // Output lines: tab 0 or 1, any other tab does nothing.
    void AddOutputLine(int tab, const CString& text);
    // A time-stamped result line of the table in tab 0; other codes add nothing.
    void ReportPlcResult(int code);
    // Shows the output pane when it is closed, slides it out when auto-hidden.
    void ShowOutputPane();
    // The output window's hide command: the pane goes into its auto-hide panel.
    void HideOutputPane();
    // Empties both output lists and makes the compile tab current.
    void ResetOutputWindow();
    // The compile command's list: current and emptied before, its last line shown after.
    void StartCompileList();
    void SelectLastCompileLine();

    // The subroutine items of the two instruction trees, the LD tree first.
    void AddSubroutineToInsTrees(CQLXFunc* subroutine);
    void RenameSubroutineInInsTrees(const CString& oldName);
    void RemoveSubroutineFromInsTrees(const CString& name);
    void ClearSubroutinesInInsTrees();
    void FillSubroutinesInInsTrees();

    // The table windows, each at most once.
    void OpenHardwareWindow() { OpenChildWindow(ChildWindow::Hardware); }
    void OpenInitDataWindow() { OpenChildWindow(ChildWindow::InitData); }
    void OpenGlobalVarWindow() { OpenChildWindow(ChildWindow::GlobalVariables); }
    void OpenStatusTableWindow() { OpenChildWindow(ChildWindow::StatusTable); }
    void OpenCrossRefWindow() { OpenChildWindow(ChildWindow::CrossReference); }
    CChildWindowSlots& ChildWindows() { return m_childWindows; }

    // The document tabs follow the open document windows.
    void UpdateTabs();
    void RefreshTabs();
    // 0 top, 2 bottom.
    int GetTabPosition() const;
    CUITabClientWnd& GetTabClient() { return m_tabClient; }

    CProjTreeDOC* GetProjectDocument() const { return m_pProjectDocument; }
    CProjTreeView* GetProjectTree() const { return m_pProjectTree; }
    CInsTreeView* GetInstructionTree(BOOL ladder) const { return ladder ? m_pLdTree : m_pIlTree; }
    CWnd* GetOutputView() const { return m_pOutputView; }
    COutputView* GetOutputWindow() const;
    CWnd* GetModuleList() const { return m_pModuleList; }
    CUIDockingPaneHostWnd& GetPaneManager() { return m_paneManager; }
    CUIDockingPaneItem* GetPane(UINT id) const;
    CUIFrameStatusBar& GetStatusBar() { return m_statusBar; }
    CUICommandBar* GetMenuBar() const { return m_pMenuBar; }
    CUIToolBar* GetToolBar(int index) const { return m_toolBars[index]; }
    // Present once the project manager pane has shown its tree.
    ProjectFileCommands* GetProjectFileCommands() const { return m_projectCommands.get(); }
    CMonitorCommand& GetMonitorCommand() { return *m_monitorCommand; }
    CWnd* GetTabMenuWindow() const { return m_pTabMenuWindow; }

    // The state the enabling rules read.
    FrameCommandState CommandState();
    ActiveWindowKind ActiveKind();

    // The pane flags.
    BOOL m_bProjectPaneShown = TRUE;
    BOOL m_bOutputPaneShown = TRUE;
    BOOL m_bInstructionPanesShown = TRUE;
    BOOL m_bModuleListShown = FALSE;
    int m_previewPanes = 0;

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnUpdateFrameTitle(BOOL addToTitle) override;
    void OnSetPreviewMode(BOOL preview, CPrintPreviewState* state) override;

    // Pane commands.
    void OnViewProjectManager();
    void OnViewOutput();
    void OnViewInstructions();
    void OnViewModuleList();
    // While the hardware window is active the module list replaces the instruction sets.
    void ShowHardwarePanes(BOOL hardwareActive);

    // Window commands.
    void OnShowGlobalNames();
    void OnSettings();
    void OnSwitchTabPosition();
    void OnCloseAllWindows();
    void OnCloseWindow();
    void OnHomepage();
    void OnCompile();
    // The PLC menu's commands, each through a CPlcCommands of the moment.
    void OnPlcInfo();
    void OnPlcClear();
    void OnPlcStop();
    void OnPlcRun();
    void OnPlcClock();
    void OnPlcCompare();
    void OnPlcDownload();
    void OnPlcUpload();
    void OnPlcPassword();
    void OnCommSettings();
    void OnMonitor();
    void OnStyle(UINT id);
    // Project archives (zip) through the external zip program.
    void OnExportProject();
    void OnImportProject();
    BOOL ExportProjectToZip(const CString& projectFile, const CString& archivePath, BOOL showMessages);

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnClose();
    void OnDestroy();
    LRESULT OnDockingPaneNotify(WPARAM code, LPARAM lParam);
    LRESULT OnTabWorkspaceMouseNotify(WPARAM message, LPARAM lParam);
    LRESULT OnMonitorNotify(WPARAM, LPARAM);
    void OnGlobalVariables() { OpenGlobalVarWindow(); }
    void OnStatusTable() { OpenStatusTableWindow(); }
    void OnCrossReference() { OpenCrossRefWindow(); }
    void OnNewProject();
    void OnOpenProject();
    void OnCloseProject();
    void OnSaveProjectAs();
    void OnNewSubroutine();
    void OnNewInterrupt();

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateCommandBars();
    BOOL CreateToolBars();
    void DockToolBarsOnOneRow();
    void CreateDockingPanes();
    void AttachTabClient();
    void DetachTabClient();
    BOOL AttachPaneView(CUIDockingPaneItem* pane);
    void ClosePaneById(UINT id);
    void ShowPaneById(UINT id);
    void ShowInstructionPanes();
    void CloseInstructionPanes();
    void SaveLayout();
    CRuntimeClass* OutputViewClass() const;
    void AutoHidePane(CUIDockingPaneItem* pane);
    void ShowDocumentTabs(BOOL show);
    void ShowTabMenu(CPoint clientPoint);
    void SlideOutPane(CUIDockingPaneItem* pane);
    void AppendOutputLine(int tab, const CString& text);
    void RunSettingsDialog();
    void OpenChildWindow(ChildWindow window);
    CWnd* ActiveDocumentWindow();
    void ResetCaretPanes();

    CUITabClientWnd m_tabClient;
    CUIDockingPaneHostWnd m_paneManager;
    CUIFrameStatusBar m_statusBar;
    CUICommandBar* m_pMenuBar = nullptr;
    CUIToolBar* m_toolBars[4] = {};
    CWnd* m_pTabMenuWindow = nullptr;
    CChildWindowSlots m_childWindows;
    CProjTreeDOC* m_pProjectDocument = nullptr;
    CProjTreeView* m_pProjectTree = nullptr;
    CInsTreeView* m_pLdTree = nullptr;
    CInsTreeView* m_pIlTree = nullptr;
    CWnd* m_pOutputView = nullptr;
    CWnd* m_pModuleList = nullptr;
    HWND m_savedFocus = nullptr;
    HWND m_caretPanesWindow = nullptr;  // the document window the caret panes were last emptied for
    std::unique_ptr<ProjectFileCommands> m_projectCommands;
    std::unique_ptr<CMonitorCommand> m_monitorCommand;
    std::unique_ptr<CMainFrameShells> m_shells;
};

// The main frame of the running program, or null.
CMainFrame* GetMainFrame();
