#include "shell/frame/CMainFrame.h"

#include "platform/CCmdUI.h"
#include "platform/CMDIChildWnd.h"
#include "platform/CWinApp.h"
#include "project/CPlcWorkspace.h"
#include "project/CProjTreeDOC.h"
#include "res/resource.h"
#include "shell/frame/MainFrameShells.h"
#include "shell/frames/CChildFrameHW.h"
#include "shell/frames/CChildFrmEditor.h"
#include "shell/online/MonitorCommand.h"
#include "shell/project/ProjectFileCommands.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/docking/UIDockingPaneItem.h"
#include "ui/docking/UIDockingPaneNotify.h"

IMPLEMENT_DYNCREATE(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_MESSAGE(DockingPaneNotify, OnDockingPaneNotify)
    ON_MESSAGE(WM_USER + 132, OnTabWorkspaceMouseNotify)
    ON_MESSAGE(WM_MONITOR_NOTIFY, OnMonitorNotify)
    ON_COMMAND(ID_VIEW_PROJECT_MANAGER, OnViewProjectManager)
    ON_COMMAND(ID_VIEW_OUTPUT, OnViewOutput)
    ON_COMMAND(ID_VIEW_INSTRUCTIONS, OnViewInstructions)
    ON_COMMAND(ID_VIEW_MODULE_LIST, OnViewModuleList)
    ON_COMMAND(ID_GLOBAL_VARIABLES, OnGlobalVariables)
    ON_COMMAND(ID_STATUS_TABLE, OnStatusTable)
    ON_COMMAND(ID_CROSS_REFERENCE, OnCrossReference)
    ON_COMMAND(ID_SHOW_GLOBAL_NAMES, OnShowGlobalNames)
    ON_COMMAND(ID_SETTINGS, OnSettings)
    ON_COMMAND(ID_SWITCH_TAB_POSITION, OnSwitchTabPosition)
    ON_COMMAND(ID_CLOSE_ALL_WINDOWS, OnCloseAllWindows)
    ON_COMMAND(ID_WINDOW_CLOSE_ALL, OnCloseAllWindows)
    ON_COMMAND(ID_CLOSE_WINDOW, OnCloseWindow)
    ON_COMMAND(ID_WINDOW_CLOSE_ACTIVE, OnCloseWindow)
    ON_COMMAND(ID_HOMEPAGE, OnHomepage)
    ON_COMMAND(ID_COMPILE, OnCompile)
    ON_COMMAND(ID_PLC_INFO, OnPlcInfo)
    ON_COMMAND(ID_PLC_CLEAR, OnPlcClear)
    ON_COMMAND(ID_PLC_STOP, OnPlcStop)
    ON_COMMAND(ID_PLC_RUN, OnPlcRun)
    ON_COMMAND(ID_PLC_CLOCK, OnPlcClock)
    ON_COMMAND(ID_PLC_COMPARE, OnPlcCompare)
    ON_COMMAND(ID_PLC_DOWNLOAD, OnPlcDownload)
    ON_COMMAND(ID_PLC_UPLOAD, OnPlcUpload)
    ON_COMMAND(ID_PLC_PASSWORD, OnPlcPassword)
    ON_COMMAND(ID_COMM_SETTINGS, OnCommSettings)
    ON_COMMAND(ID_MONITOR, OnMonitor)
    ON_COMMAND_RANGE(ID_STYLE_1, ID_STYLE_3, OnStyle)
    ON_COMMAND(ID_PROJECT_NEW, OnNewProject)
    ON_COMMAND(ID_PROJECT_OPEN, OnOpenProject)
    ON_COMMAND(ID_PROJECT_CLOSE, OnCloseProject)
    ON_COMMAND(ID_PROJECT_SAVE_AS, OnSaveProjectAs)
    ON_COMMAND(ID_PROJECT_EXPORT, OnExportProject)
    ON_COMMAND(ID_PROJECT_IMPORT, OnImportProject)
    ON_COMMAND(ID_NEW_SUBROUTINE, OnNewSubroutine)
    ON_COMMAND(ID_NEW_INTERRUPT, OnNewInterrupt)
END_MESSAGE_MAP()

CMainFrame::CMainFrame() : m_shells(std::make_unique<CMainFrameShells>(*this)) {
    m_monitorCommand = std::make_unique<CMonitorCommand>(*theWorkspace, *m_shells);
}

CMainFrame::~CMainFrame() { delete m_pCommandBars; }

CMainFrame* GetMainFrame() {
    CWinApp* app = AfxGetApp();
    return app ? dynamic_cast<CMainFrame*>(app->m_pMainWnd) : nullptr;
}

// A Tab key never reaches a control of the main window; Ctrl+Tab goes to the next
// document window.
BOOL CMainFrame::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_TAB) {
        if (::GetKeyState(VK_CONTROL) < 0)
            MDINext();
        return TRUE;
    }
    // A shortcut on Alt and a letter (Alt+R cross reference, Alt+T tab position) wins over
    // the menu title of that mnemonic, as on a system menu bar; the menus stay reachable
    // through Alt alone or F10, and while a menu is open its keys stay its own. The
    // default handling still hears of the key, so that releasing Alt afterwards does not
    // enter menu mode as after Alt alone (not of F4: its default handling closes).
    if (msg->message == WM_SYSKEYDOWN && !CUIMouseTrackHook::Get().IsTracking() && m_hAccelTable &&
        ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, msg)) {
        if (msg->wParam != VK_F4)
            ::DefWindowProcA(msg->hwnd, WM_SYSKEYDOWN, msg->wParam, msg->lParam);
        return TRUE;
    }
    return CUIFrameTemplate<CMDIFrameWnd>::PreTranslateMessage(msg);
}

// The enabling rules of the main frame's commands apply where no window on the way
// has an update handler of its own.
BOOL CMainFrame::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) {
    if (CUIFrameTemplate<CMDIFrameWnd>::OnCmdMsg(id, code, extra, handlerInfo))
        return TRUE;
    FrameCommandLook look;
    if (code != static_cast<int>(CN_UPDATE_COMMAND_UI) || handlerInfo || !LookOfFrameCommand(id, CommandState(), look))
        return FALSE;
    CCmdUI* ui = static_cast<CCmdUI*>(extra);
    ui->Enable(look.enabled);
    if (look.mark == FrameCommandLook::CheckMark)
        ui->SetCheck(look.marked ? 1 : 0);
    else if (look.mark == FrameCommandLook::RadioMark)
        ui->SetRadio(look.marked);
    return TRUE;
}

// Minimising or restoring a maximised frame remembers the focus; maximising gives it
// back once the window is maximised, since maximising moves the focus itself.
LRESULT CMainFrame::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const UINT command = message == WM_SYSCOMMAND ? static_cast<UINT>(wParam & 0xFFF0) : 0;
    if ((command == SC_MINIMIZE || command == SC_RESTORE) && IsZoomed())
        m_savedFocus = ::GetFocus();
    const LRESULT result = CUIFrameTemplate<CMDIFrameWnd>::DefWindowProc(message, wParam, lParam);
    if (command == SC_MAXIMIZE && m_savedFocus && ::IsWindow(m_savedFocus))
        ::SetFocus(m_savedFocus);
    return result;
}

// The caret panes (network and line) are written by the active document window's views
// as they paint: when another window becomes active, or none is left, they are emptied
// and the active window is painted afresh, so that they never tell of another window.
void CMainFrame::OnUpdateFrameTitle(BOOL addToTitle) {
    CUIFrameTemplate<CMDIFrameWnd>::OnUpdateFrameTitle(addToTitle);
    CMDIChildWnd* child = MDIGetActive();
    HWND active = child != nullptr ? child->GetSafeHwnd() : nullptr;
    if (active == m_caretPanesWindow)
        return;
    m_caretPanesWindow = active;
    ResetCaretPanes();
    if (active != nullptr)
        ::RedrawWindow(active, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CMainFrame::ResetCaretPanes() {
    if (m_statusBar.GetSafeHwnd() == nullptr)
        return;
    for (int pane = 1; pane <= 2 && pane < m_statusBar.GetCount(); ++pane)
        m_statusBar.SetPaneText(pane, "");
}

ActiveWindowKind CMainFrame::ActiveKind() {
    CMDIChildWnd* child = MDIGetActive();
    if (child == nullptr)
        return ActiveWindowKind::None;
    if (dynamic_cast<CChildFrmEditor*>(child))
        return ActiveWindowKind::PouEditor;
    if (dynamic_cast<CChildFrameHW*>(child))
        return ActiveWindowKind::Hardware;
    return ActiveWindowKind::Other;
}

FrameCommandState CMainFrame::CommandState() {
    FrameCommandState state;
    state.projectOpen = theWorkspace->projectOpen != 0;
    state.monitoring = theWorkspace->onlineMonitoring != 0;
    state.monitoringPaused = theWorkspace->monitorPause.IsPaused();
    state.cpuClass = theWorkspace->project.cpuClass;
    state.active = ActiveKind();
    state.showGlobalNames = theWorkspace->showGlobalNames != 0;
    state.interfaceStyle = theWorkspace->interfaceStyle;
    state.projectPaneShown = m_bProjectPaneShown;
    state.outputPaneShown = m_bOutputPaneShown;
    state.instructionPanesShown = m_bInstructionPanesShown;
    state.moduleListShown = m_bModuleListShown;
    return state;
}
