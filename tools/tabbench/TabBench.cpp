// Times the tabbed document area with 30 document windows open, in milliseconds (the
// median of many passes), the strip at the top with the program's flags:
// "idle update:" is one UpdateTabs with nothing changed, as every idle pass runs it;
// "strip repaint:" repaints the strip window with all its tabs.
#include "platform/CMDIChildWnd.h"
#include "platform/CMDIFrameWnd.h"
#include "platform/CWinApp.h"
#include "tools/BenchTiming.h"
#include "ui/docking/tabs/UITabClientWnd.h"
#include "ui/docking/tabs/UITabTheme.h"

#include <cstdio>

namespace {

const int kPasses = 200;
const int kDocuments = 30;

class BenchFrame : public CMDIFrameWnd {
public:
    CUITabClientWnd tabs;
};

}  // namespace

int main() {
    CWinApp app("tabbench");
    BenchFrame* frame = new BenchFrame;
    frame->Create(nullptr, "tabbench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1280, 900));
    app.m_pMainWnd = frame;
    frame->tabs.AttachToMDIFrame(frame, FALSE);
    frame->tabs.SetFlags(2);
    frame->tabs.GetPaintManager()->tabIcons = FALSE;
    for (int i = 0; i < kDocuments; ++i) {
        char title[32];
        std::snprintf(title, sizeof title, "程序块 %d", i + 1);
        auto* child = new CMDIChildWnd;
        child->Create(nullptr, title, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), frame);
    }
    frame->tabs.UpdateTabs();
    CWnd* strip = frame->tabs.GetWorkspace(0)->GetCarrier();

    const double update = MedianMilliseconds(kPasses, [&] { frame->tabs.UpdateTabs(); });
    const double repaint = MedianMilliseconds(kPasses, [&] {
        strip->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    });
    std::printf("tabs: %d\n", frame->tabs.GetWorkspace(0)->GetItemCount());
    std::printf("idle update: %.3f ms\n", update);
    std::printf("strip repaint: %.3f ms\n", repaint);

    app.m_pMainWnd = nullptr;
    frame->DestroyWindow();
    return 0;
}
