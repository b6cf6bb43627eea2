// Times the command bars, in milliseconds (the median of many passes):
// "idle update:" is one idle pass (the update of every control through the frame's
// command routing) over bars holding menu 123 and the commands of the four toolbars;
// "derived images:" makes the faded, shadow and disabled forms of every toolbar image;
// "bars repaint:" and "popup open:" (BarsRepaint.cpp) paint a frame's bars per theme and
// open a 40-entry menu.
#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIImageIconSet.h"
#include "ui/commandbars/UIImageStore.h"
#include "ui/commandbars/UIToolBarResource.h"

#include "platform/CFrameWnd.h"
#include "platform/CMenu.h"
#include "platform/CWinApp.h"
#include "res/resource.h"
#include "tools/BenchTiming.h"
#include "tools/cbbench/BarsRepaint.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

const int kPasses = 200;

// A visible bar along the top of the frame; nothing else of a real bar is needed to
// update its controls.
class BenchBar : public CUICommandBar {
public:
    BOOL Make(CWnd* frame, int index) {
        return CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 26 * index, 600, 26 * index + 26), frame,
                        0xE800 + index);
    }
};

const UINT kToolBars[] = {IDR_TOOLBAR_STANDARD, IDR_TOOLBAR_PROJECT, IDR_TOOLBAR_LADDER, IDR_TOOLBAR_PLC};

std::vector<UINT> ToolBarIds(UINT resourceId) {
    UIToolBarResource resource;
    LoadToolBarResource(resourceId, &resource);
    return resource.ids;
}

// The three derived forms of every image of the four toolbars, made afresh each pass
// as the first painting after a palette change makes them.
void TimeDerivedImages() {
    CUIImageStore* store = new CUIImageStore;
    std::vector<CUIImageIconSet*> sets;
    for (UINT toolBar : kToolBars) {
        std::vector<UINT> ids = ToolBarIds(toolBar);
        store->SetIconsFromResource(toolBar, ids.data(), static_cast<int>(ids.size()), 16, 16, 0);
        for (UINT id : ids) {
            if (id != 0) sets.push_back(store->GetImage(id, 16));
        }
    }
    const double median = MedianMilliseconds(kPasses, [&] {
        for (CUIImageIconSet* set : sets) {
            set->ClearDerived();
            set->GetFadedIcon();
            set->GetShadowIcon();
            set->GetDisabledIcon();
        }
    });
    std::printf("images: %d\n", static_cast<int>(sets.size()));
    std::printf("derived images: %.3f ms\n", median);
    store->InternalRelease();
}

}  // namespace

int main() {
    CWinApp app("cbbench");
    CFrameWnd* frame = new CFrameWnd;
    frame->Create(nullptr, "cbbench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 700, 400));
    app.m_pMainWnd = frame;
    CUICommandBars commandBars;
    commandBars.SetFrameSite(frame);

    std::vector<BenchBar*> bars;
    CMenu menu;
    menu.LoadMenu(IDR_PROJECT_TYPE);
    BenchBar* menuBar = new BenchBar;
    menuBar->SetCommandBars(&commandBars);
    menuBar->Make(frame, 0);
    menuBar->LoadMenu(&menu, TRUE);
    bars.push_back(menuBar);
    int controls = menuBar->GetControlCount();
    for (UINT toolBar : kToolBars) {
        BenchBar* bar = new BenchBar;
        bar->SetCommandBars(&commandBars);
        bar->Make(frame, static_cast<int>(bars.size()));
        for (UINT id : ToolBarIds(toolBar)) {
            if (id != 0)
                bar->GetControls()->Add(uiControlButton, id);
        }
        controls += bar->GetControlCount();
        bars.push_back(bar);
    }

    const double idle = MedianMilliseconds(kPasses, [&] {
        for (BenchBar* bar : bars)
            bar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    });
    std::printf("bars: %d, controls: %d\n", static_cast<int>(bars.size()), controls);
    std::printf("idle update: %.3f ms\n", idle);
    TimeDerivedImages();
    TimeBarsRepaintAndPopupOpen();

    for (BenchBar* bar : bars)
        bar->InternalRelease();
    app.m_pMainWnd = nullptr;
    frame->DestroyWindow();
    return 0;
}
