// Times the docking panes of the program's main window, in milliseconds (the median of
// many passes), in the gradient theme the program uses:
// "layout:" is one layout pass of the frame with the five panes (the instruction panes
// as two tabs); "repaint:" repaints the whole frame with every pane container (and the
// instruction panes' tab strip) as the message loop does, invalidating it all and then
// handling the paint messages; "panes repaint:" is the same for the docking windows
// alone, without the document area (the system's MDI client); "slide:" is one step of a sliding window (the project
// pane auto-hidden at the left): a tick of its slide-out timer and the repaint it causes.
#include "platform/CMDIFrameWnd.h"
#include "platform/CWinApp.h"
#include "res/resource.h"
#include "ui/docking/UIDockingPaneAutoHideStrip.h"
#include "ui/docking/UIDockingPaneAutoHideWnd.h"
#include "ui/docking/UIDockingPaneHostWnd.h"
#include "ui/docking/UIDockingPaneItem.h"
#include "tools/BenchTiming.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

const int kPasses = 200;

// The frame attaches a plain window to each pane shown, as the program attaches its views.
class BenchFrame : public CMDIFrameWnd {
public:
    CUIDockingPaneHostWnd panes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == DockingPaneNotify && wParam == DockingPaneNotifyShowWindow) {
            auto* pane = reinterpret_cast<CUIDockingPaneItem*>(lParam);
            if (!pane->HasWindow())
                pane->AttachView(this, RUNTIME_CLASS(CWnd));
            return 0;
        }
        return CMDIFrameWnd::WindowProc(message, wParam, lParam);
    }
};

void DispatchPaints() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

void DispatchPending() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

// One step of sliding out per run; a new window starts sliding when the last one is out.
double SlideStep(BenchFrame* frame, CUIDockingPaneItem* pane, int run) {
    auto* panel = static_cast<CUIDockingPaneAutoHideStrip*>(pane->GetHolder()->GetHolder());
    const int steps = CUIDockingPaneAutoHideWnd::SlideSteps - 1;
    if (run % steps == 0) {
        panel->CloseSlidingWindow(FALSE);
        DispatchPending();
        panel->SlideOut(pane, FALSE);
    }
    Stopwatch watch;
    panel->GetSlidingWindow()->SendMessage(WM_TIMER, CUIDockingPaneAutoHideWnd::TimerSlideOut, 0);
    DispatchPaints();
    return watch.Milliseconds();
}

}  // namespace

int main() {
    CWinApp app("dockbench");
    BenchFrame* frame = new BenchFrame;
    frame->Create(nullptr, "dockbench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1280, 900));
    app.m_pMainWnd = frame;
    CUIDockingPaneHostWnd& panes = frame->panes;
    panes.InstallDockingPanes(frame);
    CUIDockingPaneItem* project = panes.CreatePane(ID_VIEW_PROJECT_MANAGER, CRect(0, 0, 205, 140), DockLeft);
    panes.CreatePane(ID_VIEW_OUTPUT, CRect(0, 0, 80, 120), DockBottom);
    CUIDockingPaneItem* ld = panes.CreatePane(ID_PANE_LD_INSTRUCTIONS, CRect(0, 0, 140, 100), DockRight);
    CUIDockingPaneItem* il = panes.CreatePane(ID_PANE_IL_INSTRUCTIONS, CRect(0, 0, 140, 100), DockRight);
    panes.ClosePane(panes.CreatePane(ID_PANE_MODULE_LIST, CRect(0, 0, 160, 200), DockRight));
    panes.AttachPane(il, ld);
    panes.SetTheme(5);
    frame->RecalcLayout();

    const double layout = MedianMilliseconds(kPasses, [&] { frame->RecalcLayout(); });
    // As the message loop repaints: everything invalidated, then the paint messages.
    const double repaint = MedianMilliseconds(kPasses, [&] {
        frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        DispatchPaints();
    });
    const double panesRepaint = MedianMilliseconds(kPasses, [&] {
        for (CWnd* child = frame->GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
            if (child->m_hWnd != frame->m_hWndMDIClient)
                child->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
        DispatchPaints();
    });
    panes.ToggleAutoHide(project);
    frame->RecalcLayout();
    const double slide = MedianOfRuns(kPasses, [&](int run) { return SlideStep(frame, project, run); });
    std::printf("layout: %.3f ms\n", layout);
    std::printf("repaint: %.3f ms\n", repaint);
    std::printf("panes repaint: %.3f ms\n", panesRepaint);
    std::printf("slide: %.3f ms\n", slide);

    app.m_pMainWnd = nullptr;
    frame->DestroyWindow();
    return 0;
}
