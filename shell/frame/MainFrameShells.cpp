#include "shell/frame/MainFrameShells.h"

#include "comm/CommSettingsDlg.h"
#include "editors/InsTreeView.h"
#include "editors/POUEditEngine.h"
#include "editors/POUEditorView.h"
#include "platform/CDocTemplate.h"
#include "platform/CMenu.h"
#include "platform/CWinApp.h"
#include "project/CPlcWorkspace.h"
#include "project/CProjTreeDOC.h"
#include "project/InitDataCheck.h"
#include "project/ShellServices.h"
#include "shell/frame/CMainFrame.h"
#include "shell/frame/FrameApplication.h"
#include "shell/frame/HardwareWindowPanes.h"
#include "shell/frames/CChFrmCrossRef.h"
#include "shell/frames/CChildFrmEditor.h"
#include "shell/project/CProjTreeView.h"
#include "shell/project/CUsedVarRefView.h"

namespace {

// The project tree's item kinds that open a table window.
ChildWindow WindowOfTreeKind(int kind) {
    switch (kind) {
    case 5: return ChildWindow::InitData;
    case 6: return ChildWindow::GlobalVariables;
    case 7: return ChildWindow::StatusTable;
    case 9: return ChildWindow::Hardware;
    default: return ChildWindow::Count;
    }
}

template <class Visit>
void ForEachDocument(Visit visit) {
    CWinApp* app = AfxGetApp();
    for (POSITION templates = app ? app->GetFirstDocTemplatePosition() : nullptr; templates;) {
        CDocTemplate* docTemplate = app->GetNextDocTemplate(templates);
        for (POSITION documents = docTemplate->GetFirstDocPosition(); documents;)
            visit(docTemplate->GetNextDoc(documents));
    }
}

CPOUEditorView* ActiveEditorView(CMainFrame& frame) {
    auto* editor = dynamic_cast<CChildFrmEditor*>(frame.MDIGetActive());
    return editor ? editor->GetEditorView() : nullptr;
}

}  // namespace

void CMainFrameShells::Install() {
    SetProjectShell(this);
    SetCompileShell(this);
    SetEditorShell(this);
    SetTableViewShell(this);
    SetChildFrameHost(this);
    SetOutputViewShell(this);
    InstallHardwareWindowPanes(*this);
    SetProjectZipExporter([this](const CString& projectFile, const CString& archivePath, BOOL showMessages) {
        return m_frame.ExportProjectToZip(projectFile, archivePath, showMessages);
    });
    SetSubroutineTreeRemover([this](const CString& name) { m_frame.RemoveSubroutineFromInsTrees(name); });
    SetPlcResultReporter([this](int code) { m_frame.ReportPlcResult(code); });
}

void CMainFrameShells::Uninstall() {
    if (&GetProjectShell() == this)
        SetProjectShell(nullptr);
    if (GetCompileShell() == this)
        SetCompileShell(nullptr);
    if (GetEditorShell() == this)
        SetEditorShell(nullptr);
    if (GetTableViewShell() == this)
        SetTableViewShell(nullptr);
    if (GetChildFrameHost() == this)
        SetChildFrameHost(nullptr);
    if (&GetOutputViewShell() == this)
        SetOutputViewShell(nullptr);
    UninstallHardwareWindowPanes();
    SetProjectZipExporter(nullptr);
    SetSubroutineTreeRemover(nullptr);
    SetPlcResultReporter(nullptr);
}

void CMainFrameShells::SetProjectModified(BOOL modified) {
    if (CProjTreeDOC* document = m_frame.GetProjectDocument())
        document->SetModifiedFlag(modified);
}

void CMainFrameShells::TrackContextMenu(UINT menuId, CPoint screenPoint, CWnd* owner) {
    CMenu menu;
    CUICommandBars* bars = m_frame.GetCommandBars();
    if (bars == nullptr || !menu.LoadMenu(menuId))
        return;
    if (CMenu* popup = menu.GetSubMenu(0))
        bars->TrackContextMenu(popup, 0, screenPoint.x, screenPoint.y, owner, nullptr, owner);
}

BOOL CMainFrameShells::SaveProject() {
    FrameApplication* application = GetFrameApplication();
    return application && application->SaveProject();
}

// ---- ProjectShell ----------------------------------------------------------------------

void CMainFrameShells::AddSubroutineToInsTrees(const CQLXFunc& descriptor) {
    m_frame.AddSubroutineToInsTrees(const_cast<CQLXFunc*>(&descriptor));
}

void CMainFrameShells::RenameSubroutineInInsTrees(const CString& oldName, const CString&) {
    m_frame.RenameSubroutineInInsTrees(oldName);
}

void CMainFrameShells::FillSubroutinesInInsTrees() { m_frame.FillSubroutinesInInsTrees(); }

void CMainFrameShells::RemoveSubroutinesFromInsTrees() { m_frame.ClearSubroutinesInInsTrees(); }

void CMainFrameShells::OpenTableWindow(int itemKind) {
    const ChildWindow window = WindowOfTreeKind(itemKind);
    if (window == ChildWindow::Hardware)
        m_frame.OpenHardwareWindow();
    else if (window == ChildWindow::InitData)
        m_frame.OpenInitDataWindow();
    else if (window == ChildWindow::GlobalVariables)
        m_frame.OpenGlobalVarWindow();
    else if (window == ChildWindow::StatusTable)
        m_frame.OpenStatusTableWindow();
}

void CMainFrameShells::RunCommSettingsDialog() {
    CCommSettingsDlg dialog(&m_frame);
    dialog.DoModal();
}

void CMainFrameShells::UpdateTabs() { m_frame.UpdateTabs(); }

CWnd* CMainFrameShells::GetMainWindow() { return &m_frame; }

CDocument* CMainFrameShells::OpenDocumentFile(const CString& path) {
    CWinApp* app = AfxGetApp();
    return app ? app->OpenDocumentFile(path) : nullptr;
}

BOOL CMainFrameShells::CreateDocumentFile(const CString& path) {
    FrameApplication* application = GetFrameApplication();
    return application && application->CreateDocumentFile(path, TRUE);
}

void CMainFrameShells::GetDocumentTitles(CStringArray& titles) {
    if (CProjTreeDOC* project = m_frame.GetProjectDocument())
        titles.Add(project->GetTitle());
    ForEachDocument([&](CDocument* document) { titles.Add(document->GetTitle()); });
}

BOOL CMainFrameShells::IsAnyDocumentModified() {
    BOOL modified = FALSE;
    ForEachDocument([&](CDocument* document) { modified = modified || document->IsModified(); });
    return modified;
}

void CMainFrameShells::CloseAllDocuments() {
    if (CWinApp* app = AfxGetApp())
        app->CloseAllDocuments(FALSE);
}

void CMainFrameShells::DestroyTableWindows() {
    for (int i = 0; i < static_cast<int>(ChildWindow::Count); ++i) {
        if (CMDIChildWnd* frame = m_frame.ChildWindows().GetFrame(static_cast<ChildWindow>(i)))
            frame->DestroyWindow();
    }
}

void CMainFrameShells::ResetOutputWindow() { m_frame.ResetOutputWindow(); }

void CMainFrameShells::AddToRecentFileList(const CString& path) {
    if (CWinApp* app = AfxGetApp())
        app->AddToRecentFileList(path);
}

// ---- ICompileShell ---------------------------------------------------------------------

void CMainFrameShells::AddOutputLine(int tab, const CString& text) { m_frame.AddOutputLine(tab, text); }

int CMainFrameShells::CheckInitDataTable() {
    return CheckInitDataRows(theWorkspace->project.initDataRows,
                             [this](const CString& line) { m_frame.AddOutputLine(CMainFrame::CompileTab, line); });
}

int CMainFrameShells::GetProgramMemorySize() { return theWorkspace->project.GetProgramMemorySize(); }

// ---- IEditorShell ----------------------------------------------------------------------

CProjTreeNode* CMainFrameShells::GetCurrentPouNode() {
    CProjTreeView* tree = m_frame.GetProjectTree();
    return tree ? tree->GetItemRecord(tree->GetCurrentItem()) : nullptr;
}

void CMainFrameShells::SelectPouNode(CProjTreeNode* node) {
    CProjTreeView* tree = m_frame.GetProjectTree();
    if (HTREEITEM item = tree ? tree->FindPouItem(node) : nullptr)
        tree->GetTreeCtrl().SelectItem(item);
}

void CMainFrameShells::SetStatusText(int pane, const CString& text) { SetStatusPaneText(pane, text); }

void CMainFrameShells::ShowContextMenu(unsigned menuId, CPoint screenPoint, CWnd* owner) {
    TrackContextMenu(menuId, screenPoint, owner);
}

void CMainFrameShells::SetStatusPaneText(int pane, LPCSTR text) {
    CStatusBar& bar = m_frame.GetStatusBar();
    if (bar.GetSafeHwnd() && pane >= 0 && pane < bar.GetCount())
        bar.SetPaneText(pane, text);
}

// ---- HardwareShell ---------------------------------------------------------------------

void CMainFrameShells::UpdateCpuGroups() {
    for (BOOL ladder : {TRUE, FALSE}) {
        if (CInsTreeView* tree = m_frame.GetInstructionTree(ladder))
            tree->UpdateCpuGroups(ladder);
    }
}

// ---- ICompileCommandHost ---------------------------------------------------------------

void CMainFrameShells::FlushActiveEditor() {
    if (CPOUEditorView* view = ActiveEditorView(m_frame))
        view->FlushEdit();
}

void CMainFrameShells::ShowOutputPane() { m_frame.ShowOutputPane(); }

void CMainFrameShells::StartCompileList() { m_frame.StartCompileList(); }

void CMainFrameShells::SelectLastCompileLine() { m_frame.SelectLastCompileLine(); }

void CMainFrameShells::RefreshCrossReference() {
    auto* frame = dynamic_cast<CChFrmCrossRef*>(m_frame.ChildWindows().GetFrame(ChildWindow::CrossReference));
    if (auto* list = frame ? dynamic_cast<CUsedVarRefView*>(frame->GetList()) : nullptr)
        list->Refresh();
}

void CMainFrameShells::SetWaitCursor(BOOL on) { on ? m_frame.BeginWaitCursor() : m_frame.EndWaitCursor(); }

// ---- IChildFrameHost -------------------------------------------------------------------

void CMainFrameShells::ChildWindowOpened(ChildWindow window, CMDIChildWnd* frame) {
    m_frame.ChildWindows().Opened(window, frame);
}

void CMainFrameShells::ChildWindowClosed(ChildWindow window) {
    m_frame.ChildWindows().Closed(window);
    m_frame.RefreshTabs();
}

void CMainFrameShells::ShowHardwarePanes(BOOL hardwareActive) { m_frame.ShowHardwarePanes(hardwareActive); }

// ---- MonitorFrameHost ------------------------------------------------------------------

HWND CMainFrameShells::FrameWindow() { return m_frame.GetSafeHwnd(); }

void CMainFrameShells::PostMonitorNotify() { m_frame.PostMessage(WM_MONITOR_NOTIFY); }

void CMainFrameShells::Compile() { m_frame.OnCompile(); }

void CMainFrameShells::ReportPlcResult(int result) { m_frame.ReportPlcResult(result); }

// The active window shows live values or stops showing them.
void CMainFrameShells::RefreshActiveWindow(bool monitoring) {
    if (CPOUEditorView* view = ActiveEditorView(m_frame)) {
        if (CPOUEditEngine* engine = view->m_pEngine)
            monitoring ? engine->OnMonitorStart() : engine->OnMonitorStop();
        view->Invalidate(FALSE);
    } else if (CMDIChildWnd* status = m_frame.ChildWindows().GetFrame(ChildWindow::StatusTable)) {
        status->Invalidate(FALSE);
    }
}

// ---- OutputViewShell -------------------------------------------------------------------

void CMainFrameShells::HideOutputPane() { m_frame.HideOutputPane(); }

CMDIChildWnd* CMainFrameShells::OpenInitDataWindow() {
    m_frame.OpenInitDataWindow();
    return m_frame.ChildWindows().GetFrame(ChildWindow::InitData);
}
