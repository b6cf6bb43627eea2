#pragma once
#include "compiler/CompileShell.h"
#include "editors/EditorShell.h"
#include "hardware/HardwareShell.h"
#include "shell/compile/CompileCommand.h"
#include "shell/frames/ChildFrameHost.h"
#include "shell/online/MonitorCommand.h"
#include "shell/online/PlcCommands.h"
#include "shell/output/OutputViewShell.h"
#include "shell/project/ProjectShell.h"
#include "shell/tables/TableViewShell.h"

class CMainFrame;

// The main frame as the other parts of the program see it: one object answers every
// seam they left for the main window, installed while the frame's window exists.
class CMainFrameShells : public ProjectShell,
                         public ICompileShell,
                         public IEditorShell,
                         public TableViewShell,
                         public HardwareShell,
                         public ICompileCommandHost,
                         public IChildFrameHost,
                         public MonitorFrameHost,
                         public PlcCommandHost,
                         public OutputViewShell {
public:
    explicit CMainFrameShells(CMainFrame& frame) : m_frame(frame) {}

    void Install();
    void Uninstall();

    // Shared by several seams.
    void SetProjectModified(BOOL modified) override;
    void TrackContextMenu(UINT menuId, CPoint screenPoint, CWnd* owner) override;
    BOOL SaveProject() override;

    // ProjectShell
    void AddSubroutineToInsTrees(const CQLXFunc& descriptor) override;
    void RenameSubroutineInInsTrees(const CString& oldName, const CString& newName) override;
    void FillSubroutinesInInsTrees() override;
    void RemoveSubroutinesFromInsTrees() override;
    void OpenTableWindow(int itemKind) override;
    void RunCommSettingsDialog() override;
    void UpdateTabs() override;
    CWnd* GetMainWindow() override;
    CDocument* OpenDocumentFile(const CString& path) override;
    BOOL CreateDocumentFile(const CString& path) override;
    void GetDocumentTitles(CStringArray& titles) override;
    BOOL IsAnyDocumentModified() override;
    void CloseAllDocuments() override;
    void DestroyTableWindows() override;
    void ResetOutputWindow() override;
    void AddToRecentFileList(const CString& path) override;

    // ICompileShell
    void AddOutputLine(int tab, const CString& text) override;
    int CheckInitDataTable() override;
    int GetProgramMemorySize() override;

    // IEditorShell
    CProjTreeNode* GetCurrentPouNode() override;
    void SelectPouNode(CProjTreeNode* node) override;
    void SetStatusText(int pane, const CString& text) override;
    void ShowContextMenu(unsigned menuId, CPoint screenPoint, CWnd* owner) override;

    // TableViewShell
    void SetStatusPaneText(int pane, LPCSTR text) override;

    // HardwareShell
    void UpdateCpuGroups() override;
    void SetProjectModified(bool modified) override { SetProjectModified(static_cast<BOOL>(modified)); }

    // ICompileCommandHost
    void FlushActiveEditor() override;
    void ShowOutputPane() override;
    void StartCompileList() override;
    void SelectLastCompileLine() override;
    void RefreshCrossReference() override;
    void SetWaitCursor(BOOL on) override;

    // IChildFrameHost
    void ChildWindowOpened(ChildWindow window, CMDIChildWnd* frame) override;
    void ChildWindowClosed(ChildWindow window) override;
    void ShowHardwarePanes(BOOL hardwareActive) override;

    // MonitorFrameHost (FrameWindow, Compile and ReportPlcResult serve the PLC commands too)
    HWND FrameWindow() override;
    void PostMonitorNotify() override;
    void Compile() override;
    void ReportPlcResult(int result) override;
    void RefreshActiveWindow(bool monitoring) override;

    // PlcCommandHost
    void SetWaitCursor(bool on) override { SetWaitCursor(static_cast<BOOL>(on)); }
    BOOL CloseProject() override;
    BOOL SaveProjectAs(const CString& path) override;
    void RebuildProjectTrees() override;
    void OpenUploadedPous() override;

    // OutputViewShell
    void HideOutputPane() override;
    CMDIChildWnd* OpenInitDataWindow() override;

private:
    CMainFrame& m_frame;
};
