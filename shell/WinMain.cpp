#include "platform/CMDIFrameWnd.h"
#include "platform/CStatusBar.h"
#include "platform/CView.h"
#include "res/resource.h"
#include "shell/app/CMainApp.h"
#include "shell/app/MainFrameShell.h"
#include "ui/docking/UIDockingPaneHostWnd.h"
#include "ui/docking/UIDockingPaneItem.h"

// Start-up of the program: the application with, for now, a skeleton main frame (the
// program's menu, a status bar and the docking panes) until the real one takes over.
namespace {

// What a docking pane shows until the shell's own views exist.
class EmptyPaneView : public CView {
    DECLARE_DYNCREATE(EmptyPaneView)

protected:
    void OnDraw(CDC*) override {}
};

IMPLEMENT_DYNCREATE(EmptyPaneView, CView)

class SkeletonFrame : public CMDIFrameWnd, public MainFrameShell {
public:
    CFrameWnd* Frame() override { return this; }
    CProjTreeDOC* ProjectDocument() override { return nullptr; }
    BOOL CloseProject() override { return TRUE; }
    void OpenProjectFile(const CString&) override {}
    BOOL CheckOpenHardwareConfig() override { return TRUE; }
    void ApplyVisualTheme(int dockingTheme) override { m_panes.SetTheme(dockingTheme); }

protected:
    int OnCreate(LPCREATESTRUCT cs) {
        if (CMDIFrameWnd::OnCreate(cs) == -1)
            return -1;
        static const UINT indicators[] = {ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR, ID_INDICATOR_NUM};
        if (!m_statusBar.Create(this) || !m_statusBar.SetIndicators(indicators, 4))
            return -1;
        // The menu bar shows the program's full menu.
        m_menuBar.LoadMenu(IDR_PROJECT_TYPE);
        m_hMenuDefault = m_menuBar.m_hMenu;
        OnUpdateFrameMenu(nullptr);
        CreateDockingPanes();
        return 0;
    }

    // The program's panes: project left, output below, the two instruction sets as
    // tabs at the right, the module list closed.
    void CreateDockingPanes() {
        m_panes.InstallDockingPanes(this);
        m_panes.CreatePane(ID_VIEW_PROJECT_MANAGER, CRect(0, 0, 205, 140), DockLeft);
        m_panes.CreatePane(ID_VIEW_OUTPUT, CRect(0, 0, 80, 120), DockBottom);
        CUIDockingPaneItem* ld = m_panes.CreatePane(ID_PANE_LD_INSTRUCTIONS, CRect(0, 0, 140, 100), DockRight);
        CUIDockingPaneItem* il = m_panes.CreatePane(ID_PANE_IL_INSTRUCTIONS, CRect(0, 0, 140, 100), DockRight);
        CUIDockingPaneItem* modules = m_panes.CreatePane(ID_PANE_MODULE_LIST, CRect(0, 0, 160, 200), DockRight);
        m_panes.AttachPane(il, ld);
        m_panes.ClosePane(modules);
        m_panes.SetTheme(5);
    }

    LRESULT OnDockingPaneNotify(WPARAM code, LPARAM lParam) {
        if (code == DockingPaneNotifyShowWindow) {
            auto* pane = reinterpret_cast<CUIDockingPaneItem*>(lParam);
            if (!pane->HasWindow())
                pane->AttachView(this, RUNTIME_CLASS(EmptyPaneView), nullptr, nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_BORDER, nullptr, AFX_IDW_PANE_FIRST);
        }
        return 0;
    }

    void OnDestroy() {
        CUIDockingPaneLayoutState layout(&m_panes);
        m_panes.GetLayout(&layout);
        layout.SaveToRegistry("QLXNormalLayout");
        CMDIFrameWnd::OnDestroy();
    }

    CStatusBar m_statusBar;
    CMenu m_menuBar;
    CUIDockingPaneHostWnd m_panes;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SkeletonFrame, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_MESSAGE(DockingPaneNotify, OnDockingPaneNotify)
END_MESSAGE_MAP()

CMainApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand) {
    SetMainFrameFactory([]() -> MainFrameShell* { return new SkeletonFrame; });
    return AfxWinMain(instance, previous, commandLine, showCommand);
}
