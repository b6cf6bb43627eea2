#include "shell/frame/CMainFrame.h"

#include "editors/POUEditorView.h"
#include "platform/CMDIChildWnd.h"
#include "platform/CWinApp.h"
#include "platform/ShellOpen.h"
#include "project/CPlcWorkspace.h"
#include "res/resource.h"
#include "shell/compile/CompileCommand.h"
#include "shell/frame/FrameApplication.h"
#include "shell/frame/MainFrameShells.h"
#include "shell/frames/CChildFrmEditor.h"
#include "shell/online/MonitorCommand.h"
#include "shell/project/CProjTreeView.h"
#include "shell/project/ProjectFileCommands.h"
#include "shell/settings/CSettingsDlg.h"

// The main frame's window commands: the table windows, closing document windows, the
// show-global-names switch, the visual style and the commands handed to their owners.

const char CMainFrame::kHomepage[] = "http://www.qlx-plc.com";

void CMainFrame::OpenChildWindow(ChildWindow window) {
    // A window that went without telling is made anew.
    if (m_childWindows.IsOpen(window) && m_childWindows.GetFrame(window) == nullptr)
        m_childWindows.Closed(window);
    m_childWindows.Open(window);
    UpdateTabs();
}

void CMainFrame::OnShowGlobalNames() {
    theWorkspace->showGlobalNames = !theWorkspace->showGlobalNames;
    if (auto* editor = dynamic_cast<CChildFrmEditor*>(MDIGetActive())) {
        if (CPOUEditorView* view = editor->GetEditorView())
            view->SetShowSymbols(theWorkspace->showGlobalNames);
    }
}

// Every document is asked first; one refusal keeps every window open.
void CMainFrame::OnCloseAllWindows() {
    CWinApp* app = AfxGetApp();
    if (app && !app->SaveAllModified())
        return;
    if (app)
        app->CloseAllDocuments(FALSE);
    // The hardware window runs its own check before it goes.
    if (CMDIChildWnd* hardware = m_childWindows.GetFrame(ChildWindow::Hardware))
        hardware->SendMessage(WM_CLOSE);
    for (ChildWindow window : {ChildWindow::StatusTable, ChildWindow::InitData, ChildWindow::CrossReference,
                               ChildWindow::GlobalVariables}) {
        if (CMDIChildWnd* frame = m_childWindows.GetFrame(window))
            frame->DestroyWindow();
    }
}

void CMainFrame::OnCloseWindow() {
    if (CMDIChildWnd* child = MDIGetActive())
        child->PostMessage(WM_CLOSE);
}

void CMainFrame::OnSettings() {
    HWND focus = ::GetFocus();
    RunSettingsDialog();
    if (focus && ::IsWindow(focus))
        ::SetFocus(focus);
}

void CMainFrame::OnHomepage() { AfxShellOpen(m_hWnd, kHomepage, SW_SHOWNORMAL); }

void CMainFrame::OnStyle(UINT id) {
    if (FrameApplication* application = GetFrameApplication())
        application->SetVisualStyle(static_cast<int>(id == ID_STYLE_1 ? 0 : id == ID_STYLE_2 ? 1 : 2));
}

void CMainFrame::OnCompile() { CCompileCommand(*theWorkspace, *m_shells).Run(); }

void CMainFrame::OnMonitor() { m_monitorCommand->OnMonitor(); }

LRESULT CMainFrame::OnMonitorNotify(WPARAM, LPARAM) { return m_monitorCommand->OnMonitorNotify(); }

// ---- Project commands ------------------------------------------------------------------

void CMainFrame::OnNewProject() {
    if (m_projectCommands)
        m_projectCommands->OnNewProject();
}

void CMainFrame::OnOpenProject() {
    if (m_projectCommands)
        m_projectCommands->OnOpenProject();
}

void CMainFrame::OnCloseProject() {
    if (m_projectCommands)
        m_projectCommands->OnCloseProject();
}

void CMainFrame::OnSaveProjectAs() {
    if (m_projectCommands)
        m_projectCommands->OnSaveProjectAs();
}

void CMainFrame::OnNewSubroutine() {
    if (m_pProjectTree)
        m_pProjectTree->NewPOU(1);
}

void CMainFrame::OnNewInterrupt() {
    if (m_pProjectTree)
        m_pProjectTree->NewPOU(2);
}

void CMainFrame::RunSettingsDialog() {
    CSettingsDlg dialog(this);
    dialog.DoModal();
}
