// Times the command bars: "idle update:" is one idle pass (the update of every control
// through the frame's command routing) over bars holding menu 123 and the commands of
// the four toolbars, in milliseconds (the median of many passes).
#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"

#include "platform/CFrameWnd.h"
#include "platform/CMenu.h"
#include "platform/CWinApp.h"
#include "res/resource.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

const int kPasses = 200;
const UINT kToolBarType = 241;

// A visible bar along the top of the frame; nothing else of a real bar is needed to
// update its controls.
class BenchBar : public CUICommandBar {
public:
    BOOL Make(CWnd* frame, int index) {
        return CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 26 * index, 600, 26 * index + 26), frame,
                        0xE800 + index);
    }
};

// The command ids of a toolbar resource: version, width, height, count, then the ids.
std::vector<UINT> ToolBarIds(UINT resourceId) {
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(kToolBarType));
    if (found == nullptr)
        return {};
    const WORD* words = static_cast<const WORD*>(::LockResource(::LoadResource(module, found)));
    return std::vector<UINT>(words + 4, words + 4 + words[3]);
}

class BenchApp : public CWinApp {
public:
    BenchApp() : CWinApp("cbbench") {}
};

}  // namespace

int main() {
    BenchApp app;
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
    const UINT toolBars[] = {IDR_TOOLBAR_STANDARD, IDR_TOOLBAR_PROJECT, IDR_TOOLBAR_LADDER, IDR_TOOLBAR_PLC};
    for (UINT toolBar : toolBars) {
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

    std::vector<double> times;
    for (int pass = 0; pass < kPasses; ++pass) {
        const auto start = std::chrono::steady_clock::now();
        for (BenchBar* bar : bars)
            bar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("bars: %d, controls: %d\n", static_cast<int>(bars.size()), controls);
    std::printf("idle update: %.3f ms\n", times[times.size() / 2]);

    for (BenchBar* bar : bars)
        bar->InternalRelease();
    app.m_pMainWnd = nullptr;
    frame->DestroyWindow();
    return 0;
}
