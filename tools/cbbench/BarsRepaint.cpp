// "bars repaint:" (per theme) and "popup open:" of the command bars benchmark.
#include "tools/cbbench/BarsRepaint.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIFrameStatusBar.h"
#include "ui/commandbars/UIPopupBar.h"
#include "ui/commandbars/UIStandardBarFactory.h"
#include "ui/commandbars/UIToolBar.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CFrameWnd.h"
#include "res/resource.h"
#include "tools/BenchTiming.h"

#include <cstdio>

namespace {

const int kPasses = 50;
const int kPopupEntries = 40;
const UINT kToolBars[] = {IDR_TOOLBAR_STANDARD, IDR_TOOLBAR_PROJECT, IDR_TOOLBAR_LADDER, IDR_TOOLBAR_PLC};
const char* const kThemeNames[] = {"flat", "classic", "gradient", "visual style"};

// A 1024-wide frame with the program's status bar, menu bar and four toolbars on one row.
struct BenchFrame {
    BenchFrame() {
        frame = new CFrameWnd;
        frame->Create(nullptr, "cbbench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1024, 700));
        const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
        statusBar.Create(frame);
        statusBar.SetIndicators(indicators, 3);
        commandBars = new CUICommandBars;
        statusBar.SetCommandBars(commandBars);
        commandBars->SetFrameSite(frame);
        commandBars->EnableDockingBars();
        commandBars->GetCommandBarsOptions()->m_alwaysShowOptionsButton = FALSE;
        commandBars->GetCommandBarsOptions()->m_animation = 5;  // "None"
        commandBars->CreateMenuBar("标准菜单栏", IDR_PROJECT_TYPE);
        CUIToolBar* previous = nullptr;
        for (UINT id : kToolBars) {
            CUIToolBar* bar =
                static_cast<CUIToolBar*>(commandBars->AddToolBar("工具栏", uiBarTop, RUNTIME_CLASS(CUIToolBar)));
            bar->LoadToolBar(id, TRUE);
            frame->RecalcLayout();
            if (previous) {
                CRect rect;
                previous->GetWindowRect(&rect);
                rect.OffsetRect(1, 0);
                commandBars->DockCommandBar(bar, rect, previous->m_dockBar);
            }
            previous = bar;
        }
        frame->RecalcLayout();
    }
    ~BenchFrame() {
        delete commandBars;
        frame->DestroyWindow();
    }

    CFrameWnd* frame = nullptr;
    CUIFrameStatusBar statusBar;
    CUICommandBars* commandBars = nullptr;
};

void TimeBarsRepaint(BenchFrame& bench) {
    for (int theme = 0; theme < 4; ++theme) {
        SelectTheme(theme);
        bench.commandBars->RedrawCommandBars();
        const double median = MedianMilliseconds(kPasses, [&] {
            ::RedrawWindow(bench.frame->m_hWnd, nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        });
        std::printf("bars repaint: %.3f ms (%s)\n", median, kThemeNames[theme]);
    }
}

void TimePopupOpen(BenchFrame& bench) {
    SelectTheme(1);
    CUIPopupBar* popup = CUIPopupBar::CreatePopupBarFor(bench.commandBars);
    for (int i = 0; i < kPopupEntries; ++i)
        popup->GetControls()->Add(uiControlButton, ID_PROJECT_NEW + static_cast<UINT>(i % 8))->SetCaption("菜单项");
    const double median = MedianMilliseconds(kPasses, [&] {
        popup->PopupAt(300, 200, nullptr);
        popup->UpdateWindow();
        popup->EndTrackingMode();
    });
    std::printf("popup open: %.3f ms (%d entries)\n", median, kPopupEntries);
    popup->InternalRelease();
}

}  // namespace

void TimeBarsRepaintAndPopupOpen() {
    InstallStandardBarFactory();
    BenchFrame bench;
    TimeBarsRepaint(bench);
    TimePopupOpen(bench);
}
