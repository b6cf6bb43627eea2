// A main frame with four document windows and the tab strip above them, shown until
// it is closed: what the program's document area looks like once documents are open.
#include "platform/CMDIChildWnd.h"
#include "platform/CMDIFrameWnd.h"
#include "platform/CWinApp.h"
#include "ui/docking/tabs/UITabClientWnd.h"
#include "ui/docking/tabs/UITabTheme.h"

namespace {

class ShowFrame : public CMDIFrameWnd {
public:
    CUITabClientWnd tabs;

protected:
    void PostNcDestroy() override {
        tabs.DetachFromMDIFrame();
        CMDIFrameWnd::PostNcDestroy();
    }
};

class ShowApp : public CWinApp {
public:
    ShowApp() : CWinApp("tabshow") {}
    BOOL InitInstance() override {
        auto* frame = new ShowFrame;
        if (!frame->Create(nullptr, "Tessaron - 文档标签", WS_OVERLAPPEDWINDOW, CRect(40, 30, 940, 650)))
            return FALSE;
        m_pMainWnd = frame;
        frame->tabs.GetPaintManager()->tabIcons = FALSE;
        frame->tabs.AttachToMDIFrame(frame, FALSE);
        frame->tabs.SetFlags(2);
        frame->ShowWindow(SW_SHOW);
        for (const char* title : {"主程序", "子程序 SBR_0", "中断程序 INT_0", "数据块"}) {
            auto* child = new CMDIChildWnd;
            child->Create(nullptr, title, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CRect(0, 0, 420, 260), frame);
        }
        frame->MDICascade();
        frame->UpdateWindow();
        return TRUE;
    }
};

ShowApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand) {
    return AfxWinMain(instance, previous, commandLine, showCommand);
}
