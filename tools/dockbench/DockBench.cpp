// Times the docking panes of the program's main window, in milliseconds (the median of
// many passes), in the gradient theme the program uses:
// "layout:" is one layout pass of the frame with the five panes (the instruction panes
// as two tabs); "repaint:" repaints the whole frame with every pane container.
#include "platform/CMDIFrameWnd.h"
#include "platform/CWinApp.h"
#include "res/resource.h"
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

}  // namespace

int main() {
    CWinApp app("dockbench");
    BenchFrame* frame = new BenchFrame;
    frame->Create(nullptr, "dockbench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1280, 900));
    app.m_pMainWnd = frame;
    CUIDockingPaneHostWnd& panes = frame->panes;
    panes.InstallDockingPanes(frame);
    panes.CreatePane(ID_VIEW_PROJECT_MANAGER, CRect(0, 0, 205, 140), DockLeft);
    panes.CreatePane(ID_VIEW_OUTPUT, CRect(0, 0, 80, 120), DockBottom);
    CUIDockingPaneItem* ld = panes.CreatePane(ID_PANE_LD_INSTRUCTIONS, CRect(0, 0, 140, 100), DockRight);
    CUIDockingPaneItem* il = panes.CreatePane(ID_PANE_IL_INSTRUCTIONS, CRect(0, 0, 140, 100), DockRight);
    panes.ClosePane(panes.CreatePane(ID_PANE_MODULE_LIST, CRect(0, 0, 160, 200), DockRight));
    panes.AttachPane(il, ld);
    panes.SetTheme(5);
    frame->RecalcLayout();

    const double layout = MedianMilliseconds(kPasses, [&] { frame->RecalcLayout(); });
    const double repaint = MedianMilliseconds(kPasses, [&] {
        frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE | RDW_ALLCHILDREN);
    });
    std::printf("layout: %.3f ms\n", layout);
    std::printf("repaint: %.3f ms\n", repaint);

    app.m_pMainWnd = nullptr;
    frame->DestroyWindow();
    return 0;
}
