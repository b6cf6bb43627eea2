#include "shell/frame/CMainFrame.h"

#include "platform/CWinApp.h"
#include "project/CProjTreeDOC.h"
#include "res/resource.h"
#include "shell/app/CSplashWnd.h"
#include "shell/frame/MainFrameShells.h"
#include "shell/online/MonitorCommand.h"
#include "shell/placement/CUIFramePlacement.h"
#include "shell/project/ProjectFileCommands.h"
#include "ui/commandbars/UIStandardBarFactory.h"
#include "ui/commandbars/UIToolBar.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"
#include "ui/docking/UIDockingPaneItem.h"

// The main window's creation, its layout and its end.

namespace {

const char kCommandBarsProfile[] = "QLXCommandBars";
const char kPaneLayoutProfile[] = "QLXNormalLayout";
const char kTabSection[] = "TabDocking";
const char kTabPositionValue[] = "Position";

struct ToolBarSpec {
    const char* caption;
    UINT resourceId;
};
const ToolBarSpec kToolBars[] = {
    {"标准工具栏", IDR_TOOLBAR_STANDARD},
    {"工程工具栏", IDR_TOOLBAR_PROJECT},
    {"梯形图工具栏", IDR_TOOLBAR_LADDER},
    {"PLC工具栏", IDR_TOOLBAR_PLC},
};

struct PaneSpec {
    UINT id;
    CRect rect;
    DockingDirection direction;
};
const PaneSpec kPanes[] = {
    {ID_VIEW_PROJECT_MANAGER, CRect(0, 0, 205, 140), DockLeft},
    {ID_VIEW_OUTPUT, CRect(0, 0, 80, 120), DockBottom},
    {ID_PANE_LD_INSTRUCTIONS, CRect(0, 0, 140, 100), DockRight},
    {ID_PANE_IL_INSTRUCTIONS, CRect(0, 0, 140, 100), DockRight},
    {ID_PANE_MODULE_LIST, CRect(0, 0, 160, 200), DockRight},
};

}  // namespace

int CMainFrame::OnCreate(LPCREATESTRUCT cs) {
    if (CMDIFrameWnd::OnCreate(cs) == -1)
        return -1;
    static const UINT indicators[] = {ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR, ID_INDICATOR_NUM};
    if (!m_statusBar.Create(this) || !m_statusBar.SetIndicators(indicators, 4))
        return -1;
    if (GetGlobalTheme() == nullptr)
        SelectTheme(1);
    if (!CreateCommandBars())
        return -1;
    m_pProjectDocument = new CProjTreeDOC;
    m_pCommandBars->RestoreOptions(kCommandBarsProfile);
    m_pCommandBars->RestoreBarsState(kCommandBarsProfile);
    CreateDockingPanes();
    AttachTabClient();
    m_shells->Install();
    CSplashWnd::ShowSplashScreen(this);
    return 0;
}

BOOL CMainFrame::CreateCommandBars() {
    InstallStandardBarFactory();
    CObject* created = RUNTIME_CLASS(CUICommandBars)->CreateObject();
    m_pCommandBars = dynamic_cast<CUICommandBars*>(created);
    if (m_pCommandBars == nullptr) {
        delete created;
        return FALSE;
    }
    m_pCommandBars->SetFrameSite(this);
    m_statusBar.SetCommandBars(m_pCommandBars);
    m_pCommandBars->EnableDockingBars();
    CUICommandBarsOptions* options = m_pCommandBars->GetCommandBarsOptions();
    options->m_alwaysShowOptionsButton = FALSE;
    options->m_toolBarScreenTips = TRUE;
    m_pMenuBar = m_pCommandBars->CreateMenuBar("标准菜单栏", IDR_PROJECT_TYPE);
    return m_pMenuBar != nullptr && CreateToolBars();
}

BOOL CMainFrame::CreateToolBars() {
    for (int i = 0; i < 4; ++i) {
        m_toolBars[i] = dynamic_cast<CUIToolBar*>(
            m_pCommandBars->AddToolBar(kToolBars[i].caption, uiBarTop, RUNTIME_CLASS(CUIToolBar)));
        if (m_toolBars[i] == nullptr || !m_toolBars[i]->LoadToolBar(kToolBars[i].resourceId, TRUE))
            return FALSE;
    }
    DockToolBarsOnOneRow();
    return TRUE;
}

// Each toolbar goes right beside the one before it, in that one's dock bar.
void CMainFrame::DockToolBarsOnOneRow() {
    for (int i = 0; i + 1 < 4; ++i) {
        m_pCommandBars->RecalcFrameLayout(FALSE);
        CRect rect;
        m_toolBars[i]->GetWindowRect(&rect);
        rect.OffsetRect(rect.Width(), 0);
        m_pCommandBars->DockCommandBar(m_toolBars[i + 1], &rect, m_toolBars[i]->m_dockBar);
    }
    m_pCommandBars->RecalcFrameLayout(FALSE);
}

// The five panes; the IL instruction set shares the LD set's tabbed container and the
// module list starts closed.
void CMainFrame::CreateDockingPanes() {
    m_paneManager.InstallDockingPanes(this);
    for (const PaneSpec& spec : kPanes)
        m_paneManager.CreatePane(spec.id, spec.rect, spec.direction);
    m_paneManager.AttachPane(GetPane(ID_PANE_IL_INSTRUCTIONS), GetPane(ID_PANE_LD_INSTRUCTIONS));
    m_paneManager.ClosePane(GetPane(ID_PANE_MODULE_LIST));
}

void CMainFrame::OnClose() {
    if (m_lpfnCloseProc && !m_lpfnCloseProc(this))
        return;
    if (m_monitorCommand->IsRunning())
        m_monitorCommand->OnClose();
    if (m_projectCommands && !m_projectCommands->CloseProject())
        return;
    delete m_pProjectDocument;
    m_pProjectDocument = nullptr;
    SaveLayout();
    CMDIFrameWnd::OnClose();
}

// The pane layout, the window placement, the tab strip's position and the command bars.
void CMainFrame::SaveLayout() {
    CUIDockingPaneLayoutState layout(&m_paneManager);
    m_paneManager.GetLayout(&layout);
    layout.SaveToRegistry(kPaneLayoutProfile);
    CUIFramePlacement().Save(this);
    if (CWinApp* app = AfxGetApp())
        app->WriteProfileInt(kTabSection, kTabPositionValue, GetTabPosition());
    m_pCommandBars->StoreOptions(kCommandBarsProfile);
    m_pCommandBars->StoreBarsState(kCommandBarsProfile);
}

void CMainFrame::OnDestroy() {
    m_shells->Uninstall();
    CMDIFrameWnd::OnDestroy();
    DetachTabClient();
}
