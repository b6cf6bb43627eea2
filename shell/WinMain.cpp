#include "platform/CMDIFrameWnd.h"
#include "platform/CStatusBar.h"
#include "platform/CWinApp.h"
#include "res/resource.h"

// Start-up of the program: for now a skeleton of the application, an MDI main frame
// with the program's menu and a status bar, until the application shell takes over.
namespace {

class SkeletonFrame : public CMDIFrameWnd {
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
        return 0;
    }

    CStatusBar m_statusBar;
    CMenu m_menuBar;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SkeletonFrame, CMDIFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

class SkeletonApp : public CWinApp {
public:
    BOOL InitInstance() override {
        ::InitCommonControls();
        SetRegistryKey("QLX Tessaron");
        LoadStdProfileSettings(4);
        SkeletonFrame* frame = new SkeletonFrame;
        if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE))
            return FALSE;
        m_pMainWnd = frame;
        frame->ShowWindow(m_nCmdShow | SW_SHOWMAXIMIZED);
        frame->UpdateWindow();
        return TRUE;
    }
};

SkeletonApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand) {
    return AfxWinMain(instance, previous, commandLine, showCommand);
}
