#include <gtest/gtest.h>

#include "tests/support/CaptureWatchdog.h"
#include "tests/support/TestImage.h"
#include "tests/ui/docking/DockingTestFrame.h"
#include "ui/docking/UIDockingPaneAutoHideStrip.h"
#include "ui/docking/UIDockingPaneAutoHideWnd.h"
#include "ui/docking/UIDockingPaneSplitContainer.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"
#include "ui/docking/tabs/UITabAppearance.h"
#include "ui/docking/tabs/UITabColorSet.h"
#include "ui/docking/themes/UIDockingPaneTheme.h"

namespace {

// Where the sliding windows believe the pointer is.
POINT pointer = {-1000, -1000};
BOOL WINAPI TestCursorPos(LPPOINT point) {
    *point = pointer;
    return TRUE;
}

using Slider = CUIDockingPaneAutoHideWnd;

class DockingAutoHideTest : public DockingFrameTest {
protected:
    void SetUp() override {
        pointer = {-1000, -1000};
        Slider::SetCursorPosQuery(TestCursorPos);
        DockingFrameTest::SetUp();
        frame->notes.clear();
    }
    void TearDown() override {
        Slider::SetCursorPosQuery(nullptr);
        DockingFrameTest::TearDown();
    }
    CUIDockingPaneAutoHideStrip* Panel(int side) { return frame->manager.GetLayoutState()->GetPanel(side); }
    Slider* Out(int side) { return Panel(side)->GetSlidingWindow(); }
    // Auto-hides the panes' containers and lays the frame out.
    void Hide(std::initializer_list<UINT> ids) {
        for (UINT id : ids)
            frame->manager.ToggleAutoHide(frame->Pane(id));
        frame->RecalcLayout();
        frame->SetFocus();
    }
    void Tick(Slider* window, UINT_PTR timer, int times = 1) {
        for (int i = 0; i < times; ++i)
            window->SendMessage(WM_TIMER, timer, 0);
    }
    // The widths (or heights) of the window after each of the ticks.
    std::vector<int> Sizes(Slider* window, UINT_PTR timer, int ticks) {
        std::vector<int> sizes;
        for (int i = 0; i < ticks; ++i) {
            Tick(window, timer);
            CRect rect = RectInParent(window->m_hWnd);
            BOOL vertical = window->GetSide() == DockTop || window->GetSide() == DockBottom;
            sizes.push_back(::IsWindowVisible(window->m_hWnd) ? (vertical ? rect.Height() : rect.Width()) : 0);
        }
        return sizes;
    }
    // Slides the pane out of its panel and runs the slide to its end.
    Slider* SlideOutFully(UINT id, BOOL activate = FALSE) {
        CUIDockingPaneItem* pane = frame->Pane(id);
        auto* panel = static_cast<CUIDockingPaneAutoHideStrip*>(pane->GetHolder()->GetHolder());
        panel->SlideOut(pane, activate);
        Slider* window = panel->GetSlidingWindow();
        Tick(window, Slider::TimerSlideOut, Slider::SlideSteps);
        return window;
    }
    CPoint TabCentre(CUIDockingPaneAutoHideStrip* panel, int strip, int item) {
        return panel->GetStrip(strip)->GetItem(item)->GetRect().CenterPoint();
    }
    // Every panel of a theme is as thick.
    int Thickness() {
        for (int side = DockLeft; side <= DockBottom; ++side)
            if (Panel(side))
                return Panel(side)->GetThickness();
        return -1;
    }
};

TEST_F(DockingAutoHideTest, AutoHiddenContainersLeaveTheirPlaceForBandsAlongTheEdges) {
    CUIDockingPaneTabbedContainer* docked = HolderOf(frame->Pane(ProjectPane));
    Hide({ProjectPane, OutputPane});

    CUIDockingPaneItem* project = frame->Pane(ProjectPane);
    EXPECT_TRUE(project->IsHidden());
    EXPECT_TRUE(docked->IsEmpty());  // stays in the tree for the pane to come back to
    EXPECT_EQ(docked, frame->manager.GetLayoutState()->FindPaneInfo(project)->dockingHolder);
    CUIDockingPaneTabbedContainer* hidden = HolderOf(project);
    ASSERT_EQ(Panel(DockLeft), hidden->GetHolder());
    EXPECT_FALSE(::IsWindowVisible(hidden->m_hWnd));
    EXPECT_EQ(DockBottom, Panel(DockBottom)->GetSide());
    EXPECT_EQ(nullptr, Panel(DockRight));

    // The side panel takes the full height, the bottom one the rest of the width.
    int s = Thickness();
    EXPECT_GT(s, 15);
    EXPECT_EQ(CRect(0, 0, s, 700), RectInParent(Panel(DockLeft)->m_hWnd));
    EXPECT_EQ(CRect(s, 700 - s, 1000, 700), RectInParent(Panel(DockBottom)->m_hWnd));
    EXPECT_EQ(CRect(s, 0, 856, 700 - s), frame->manager.GetClientPane()->m_rect);
    EXPECT_EQ(CRect(860, 0, 1000, 700 - s), RectInParent(HolderOf(frame->Pane(LdPane))->m_hWnd));

    // One strip per container, one tab per pane, pointing away from the documents.
    ASSERT_EQ(1, Panel(DockLeft)->GetStripCount());
    CUIDockingPaneAutoHideTabStrip* strip = Panel(DockLeft)->GetStrip(0);
    ASSERT_EQ(1, strip->GetItemCount());
    EXPECT_EQ(project, CUIDockingPaneTabbedContainer::PaneOfItem(strip->GetItem(0)));
    EXPECT_EQ(project->GetTabTitle(), strip->GetItem(0)->GetCaption());
    EXPECT_EQ(TabPositionRight, strip->GetPosition());
    EXPECT_EQ(TabPositionTop, Panel(DockBottom)->GetStrip(0)->GetPosition());
    EXPECT_EQ(project, Panel(DockLeft)->HitTestPane(TabCentre(Panel(DockLeft), 0, 0)));
    EXPECT_EQ(nullptr, Panel(DockLeft)->HitTestPane(CPoint(s / 2, 690)));
}

TEST_F(DockingAutoHideTest, NothingHappensWithoutADockedContainer) {
    frame->manager.ToggleAutoHide(nullptr);
    frame->manager.ToggleAutoHide(frame->Pane(ModulePane));  // closed: no holder
    for (int side = DockLeft; side <= DockBottom; ++side)
        EXPECT_EQ(nullptr, Panel(side)) << side;
}

TEST_F(DockingAutoHideTest, PanesThatMayNotHideStayDocked) {
    frame->Pane(LdPane)->SetOptions(PaneOptionNoAutoHide);
    CUIDockingPaneTabbedContainer* docked = HolderOf(frame->Pane(LdPane));
    Hide({IlPane});
    EXPECT_EQ(docked, HolderOf(frame->Pane(LdPane)));
    EXPECT_TRUE(frame->Pane(IlPane)->IsHidden());
    EXPECT_EQ(Panel(DockRight), HolderOf(frame->Pane(IlPane))->GetHolder());
}

TEST_F(DockingAutoHideTest, ThePinAsksTheFrameFirst) {
    CUIDockingPaneTabbedContainer* project = HolderOf(frame->Pane(ProjectPane));
    TestImage image(205, 576);
    project->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.DC().m_hDC), 0);
    CPoint pin = project->GetAutoHideButton().GetRect().CenterPoint();
    ASSERT_FALSE(project->GetAutoHideButton().GetRect().IsRectEmpty());
    frame->refused = {ActionAutoHiding};
    for (int i = 0; i < 2; ++i) {
        ::PostMessageA(project->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(pin.x, pin.y));
        CaptureWatchdog watchdog;
        project->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pin.x, pin.y));
        EXPECT_EQ(i == 1, frame->Pane(ProjectPane)->IsHidden()) << i;
        frame->refused.clear();
    }
    EXPECT_EQ(std::vector<int>({ActionAutoHiding, ActionAutoHiding, ActionAutoHidden}), frame->Actions());
}

TEST_F(DockingAutoHideTest, AWindowTwoHundredWideSlidesOutAndBackInEightSteps) {
    Hide({ProjectPane});
    frame->Pane(ProjectPane)->m_cx = 200;
    CUIDockingPaneItem* pane = frame->Pane(ProjectPane);
    Panel(DockLeft)->SlideOut(pane, FALSE);
    Slider* window = Out(DockLeft);
    ASSERT_NE(nullptr, window);
    EXPECT_FALSE(::IsWindowVisible(window->m_hWnd));  // creation shows nothing
    int s = Thickness();
    EXPECT_EQ(CRect(s, 0, s + 200, 700), window->GetTarget());

    EXPECT_EQ(std::vector<int>({50, 75, 100, 125, 150, 175, 200, 200}), Sizes(window, Slider::TimerSlideOut, 8));
    EXPECT_EQ(CRect(s, 0, s + 200, 700), RectInParent(window->m_hWnd));
    // The container keeps its size at the inner edge, leaving 4 pixels to resize with.
    CUIDockingPaneTabbedContainer* container = HolderOf(pane);
    EXPECT_TRUE(container->IsInAutoHideWindow());
    EXPECT_EQ(3, container->GetPlacement());
    EXPECT_FALSE(container->IsShowTabs());
    EXPECT_EQ(CRect(0, 0, 196, 700), RectInParent(container->m_hWnd));

    // Neither pointer nor focus: the first watch tick starts the slide back.
    Tick(window, Slider::TimerWatch);
    EXPECT_TRUE(window->IsClosing());
    std::vector<int> back = Sizes(window, Slider::TimerSlideBack, 8);
    EXPECT_EQ(std::vector<int>({175, 150, 125, 100, 75, 50, 25, 0}), back);
    EXPECT_EQ(nullptr, Out(DockLeft));
    EXPECT_EQ(frame->m_hWnd, ::GetParent(container->m_hWnd));  // handed back, hidden
    EXPECT_FALSE(::IsWindowVisible(container->m_hWnd));
    HWND closed = window->m_hWnd;
    app.PumpUntilIdle();
    EXPECT_FALSE(::IsWindow(closed));
}

TEST_F(DockingAutoHideTest, ThePointerKeepsTheWindowOutAndComingBackReversesTheSlide) {
    Hide({OutputPane});
    Slider* window = SlideOutFully(OutputPane);
    CRect rect;
    window->GetWindowRect(&rect);
    EXPECT_EQ(120, rect.Height());
    EXPECT_EQ(Thickness(), 700 - rect.bottom);

    pointer = rect.CenterPoint();
    Tick(window, Slider::TimerWatch);
    EXPECT_EQ(6, window->GetCountdown());
    pointer = {-1000, -1000};
    Tick(window, Slider::TimerWatch, 5);
    EXPECT_FALSE(window->IsClosing());
    Tick(window, Slider::TimerWatch);  // the sixth tick after leaving
    EXPECT_TRUE(window->IsClosing());
    EXPECT_EQ(std::vector<int>({105, 90}), Sizes(window, Slider::TimerSlideBack, 2));

    // Back over the window: it turns round at once and slides out from where it is.
    pointer = rect.CenterPoint();
    window->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(window->IsClosing());
    EXPECT_EQ(std::vector<int>({90}), Sizes(window, Slider::TimerSlideBack, 1));  // ignored now
    EXPECT_EQ(std::vector<int>({105, 120}), Sizes(window, Slider::TimerSlideOut, 2));

    // Over the panel it stays out as well.
    Panel(DockBottom)->GetWindowRect(&rect);
    pointer = rect.CenterPoint();
    Tick(window, Slider::TimerWatch, 10);
    EXPECT_FALSE(window->IsClosing());
}

TEST_F(DockingAutoHideTest, TheFocusInsideKeepsTheWindowOut) {
    Hide({ProjectPane});
    Slider* window = SlideOutFully(ProjectPane, TRUE);
    EXPECT_TRUE(frame->Pane(ProjectPane)->IsFocusInWindow());
    Tick(window, Slider::TimerWatch, 10);
    EXPECT_FALSE(window->IsClosing());
    frame->SetFocus();
    Tick(window, Slider::TimerWatch, 5);
    EXPECT_FALSE(window->IsClosing());
    Tick(window, Slider::TimerWatch);
    EXPECT_TRUE(window->IsClosing());
}

TEST_F(DockingAutoHideTest, AnyLayoutOfTheFrameClosesTheWindowAtOnce) {
    Hide({ProjectPane});
    SlideOutFully(ProjectPane);
    frame->RecalcLayout();
    EXPECT_EQ(nullptr, Out(DockLeft));

    Slider* window = SlideOutFully(ProjectPane);
    HWND handle = window->m_hWnd;
    frame->MoveWindow(0, 0, 900, 650);
    EXPECT_EQ(nullptr, Out(DockLeft));
    EXPECT_FALSE(::IsWindowVisible(handle));
    app.PumpUntilIdle();
    EXPECT_FALSE(::IsWindow(handle));
}

TEST_F(DockingAutoHideTest, ClickingTabsSlidesOutWithFocusOrFocusesThePaneAlreadyOut) {
    Hide({IlPane});
    CUIDockingPaneAutoHideStrip* panel = Panel(DockRight);
    ASSERT_EQ(1, panel->GetStripCount());
    ASSERT_EQ(2, panel->GetStrip(0)->GetItemCount());
    auto click = [&](CPoint point) { panel->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y)); };

    CUIDockingPaneItem* il = frame->Pane(IlPane);
    int ilTab = CUIDockingPaneTabbedContainer::PaneOfItem(panel->GetStrip(0)->GetItem(0)) == il ? 0 : 1;
    click(TabCentre(panel, 0, ilTab));
    Slider* first = panel->GetSlidingWindow();
    ASSERT_NE(nullptr, first);
    EXPECT_TRUE(il->IsFocusInWindow());
    EXPECT_EQ(il, first->GetContainer()->GetSelected());

    frame->SetFocus();
    click(TabCentre(panel, 0, ilTab));
    EXPECT_EQ(first, panel->GetSlidingWindow());  // nothing slides
    EXPECT_TRUE(il->IsFocusInWindow());

    // Another pane's tab: the window closes at once and a new one comes out.
    click(TabCentre(panel, 0, 1 - ilTab));
    Slider* second = panel->GetSlidingWindow();
    ASSERT_NE(nullptr, second);
    EXPECT_NE(first, second);
    EXPECT_EQ(frame->Pane(LdPane), second->GetContainer()->GetSelected());
    EXPECT_EQ(nullptr, first->GetContainer());

    // A place without a tab does nothing.
    click(CPoint(2, 690));
    EXPECT_EQ(second, panel->GetSlidingWindow());
}

TEST_F(DockingAutoHideTest, RestingOnATabSlidesItOutWithoutFocus) {
    Hide({ProjectPane});
    CPoint tab = TabCentre(Panel(DockLeft), 0, 0);
    Panel(DockLeft)->SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(tab.x, tab.y));
    Slider* window = Out(DockLeft);
    ASSERT_NE(nullptr, window);
    EXPECT_FALSE(frame->Pane(ProjectPane)->IsFocusInWindow());
    // Resting again on the pane already out changes nothing.
    Panel(DockLeft)->SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(tab.x, tab.y));
    EXPECT_EQ(window, Out(DockLeft));
}

TEST_F(DockingAutoHideTest, APaneFirstShownInTheSlidingWindowStaysOut) {
    Hide({IlPane});
    CUIDockingPaneItem* ld = frame->Pane(LdPane);
    ASSERT_FALSE(ld->HasWindow());  // never selected yet: the frame attaches its view now
    Panel(DockRight)->SlideOut(ld, FALSE);
    app.PumpUntilIdle();
    EXPECT_TRUE(ld->HasWindow());
    ASSERT_NE(nullptr, Out(DockRight));
    EXPECT_EQ(ld, Out(DockRight)->GetContainer()->GetSelected());
}

TEST_F(DockingAutoHideTest, ShowingAHiddenPaneSlidesItOut) {
    Hide({OutputPane});
    frame->manager.ShowPane(frame->Pane(OutputPane));
    ASSERT_NE(nullptr, Out(DockBottom));
    EXPECT_TRUE(frame->Pane(OutputPane)->IsFocusInWindow());
    // Shown again while out: one window, never two.
    Slider* first = Out(DockBottom);
    frame->manager.ShowPane(frame->Pane(OutputPane));
    EXPECT_NE(first, Out(DockBottom));
    EXPECT_EQ(nullptr, first->GetContainer());
    EXPECT_FALSE(::IsWindowVisible(first->m_hWnd));
    // The pane's own toggle slides it back.
    frame->Pane(OutputPane)->ToggleAutoHide();
    EXPECT_EQ(nullptr, Out(DockBottom));
}

TEST_F(DockingAutoHideTest, ThePinInTheSlidingWindowDocksThePanesAgainWithoutAsking) {
    CUIDockingPaneTabbedContainer* docked = HolderOf(frame->Pane(IlPane));
    Hide({IlPane});
    Slider* window = SlideOutFully(IlPane);
    CUIDockingPaneTabbedContainer* container = window->GetContainer();
    TestImage image(140, 700);
    container->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.DC().m_hDC), 0);
    CPoint pin = container->GetAutoHideButton().GetRect().CenterPoint();
    ASSERT_FALSE(container->GetAutoHideButton().GetRect().IsRectEmpty());
    frame->notes.clear();
    ::PostMessageA(container->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(pin.x, pin.y));
    {
        CaptureWatchdog watchdog;
        container->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pin.x, pin.y));
    }
    EXPECT_EQ(docked, HolderOf(frame->Pane(IlPane)));
    EXPECT_EQ(docked, HolderOf(frame->Pane(LdPane)));
    EXPECT_EQ(frame->Pane(IlPane), docked->GetSelected());
    std::vector<int> actions = frame->Actions();
    EXPECT_EQ(0, std::count(actions.begin(), actions.end(), ActionAutoHiding));
    EXPECT_EQ(2, std::count(actions.begin(), actions.end(), ActionDocked));
    // The window let go of the container at once and closes a moment later.
    EXPECT_EQ(nullptr, window->GetContainer());
    HWND handle = window->m_hWnd;
    Tick(window, Slider::TimerDelayedClose);
    app.PumpUntilIdle();
    EXPECT_FALSE(::IsWindow(handle));
    frame->RecalcLayout();
    EXPECT_EQ(nullptr, Panel(DockRight)->m_hWnd);  // nothing left to show
    EXPECT_EQ(CRect(860, 0, 1000, 700), RectInParent(docked->m_hWnd));
}

// The edge band of a right-panel window, dragged from (x) to the left by posted moves.
struct EdgeDrag {
    BOOL ghost;
    std::vector<int> moves;  // screen x of the pointer
    UINT end;                // WM_LBUTTONUP or Escape
    int width;               // the window's and the pane's width afterwards (0: unchanged)
};

TEST_F(DockingAutoHideTest, DraggingTheInnerEdgeSetsThePanesWidth) {
    Hide({IlPane});
    int s = Thickness();
    int right = 1000 - s;
    const EdgeDrag drags[] = {
        {FALSE, {700, 650}, WM_KEYDOWN, right - 650},  // live: Escape keeps the last size
        {FALSE, {800}, WM_LBUTTONUP, right - 800},
        {TRUE, {700}, WM_LBUTTONUP, right - 700},
        {TRUE, {600}, WM_KEYDOWN, 0},  // ghost: Escape changes nothing
        {TRUE, {-300}, WM_LBUTTONUP, right - 4},  // never beyond the top container
    };
    for (const EdgeDrag& drag : drags) {
        frame->manager.m_ghostSplitters = drag.ghost;
        Slider* window = SlideOutFully(IlPane);
        int before = frame->Pane(IlPane)->m_cx;
        // Client coordinates of the window where it is when each move arrives: a live
        // drag moves it along.
        CRect start;
        window->GetWindowRect(&start);
        int left = start.left;
        for (int x : drag.moves) {
            ::PostMessageA(window->m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x - left, 300 - start.top));
            if (!drag.ghost)
                left = x;
        }
        ::PostMessageA(window->m_hWnd, drag.end, drag.end == WM_KEYDOWN ? VK_ESCAPE : 0, 0);
        {
            CaptureWatchdog watchdog;
            window->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 300));
        }
        int width = drag.width ? drag.width : before;
        EXPECT_EQ(width, frame->Pane(IlPane)->m_cx) << drag.moves[0];
        EXPECT_EQ(CRect(right - width, 0, right, 700), RectInParent(window->m_hWnd)) << drag.moves[0];
        EXPECT_EQ(CRect(4, 0, width, 700), RectInParent(window->GetContainer()->m_hWnd)) << drag.moves[0];
        Panel(DockRight)->CloseSlidingWindow(FALSE);
    }
}

TEST_F(DockingAutoHideTest, TwoContainersOnOnePanelGiveTwoStripsOneAfterTheOther) {
    // The instruction container docked at the bottom of the documents, beside the output.
    frame->manager.DockPane(HolderOf(frame->Pane(IlPane)), DockRight, frame->Pane(OutputPane));
    frame->RecalcLayout();
    Hide({OutputPane, IlPane});
    CUIDockingPaneAutoHideStrip* panel = Panel(DockBottom);
    ASSERT_EQ(2u, panel->GetContainers().size());
    ASSERT_EQ(2, panel->GetStripCount());
    RECT margin;
    panel->GetPanelTabs()->GetAppearance()->GetHeaderMargin(&margin);
    CUIDockingPaneAutoHideTabStrip* first = panel->GetStrip(0);
    EXPECT_EQ(first->m_rect.left + first->GetItemsLength() + margin.left + margin.right + 8,
              panel->GetStrip(1)->m_rect.left);
    EXPECT_EQ(frame->Pane(OutputPane), CUIDockingPaneTabbedContainer::PaneOfItem(first->GetItem(0)));
}

TEST_F(DockingAutoHideTest, SidePanelTabsStartBelowTheTopPanel) {
    // The project pane docked above the documents, the output pane at the left edge.
    frame->manager.DockPane(frame->Pane(ProjectPane), DockTop, frame->manager.GetClientPane());
    frame->manager.DockPane(frame->Pane(OutputPane), DockLeft, nullptr);
    frame->RecalcLayout();
    Hide({ProjectPane});
    ASSERT_NE(nullptr, Panel(DockTop));
    Hide({OutputPane});
    ASSERT_NE(nullptr, Panel(DockLeft));
    int s = Thickness();
    EXPECT_EQ(s, Panel(DockLeft)->GetStrip(0)->m_rect.top);
    EXPECT_EQ(CRect(s, 0, 1000, s), RectInParent(Panel(DockTop)->m_hWnd));
}

TEST_F(DockingAutoHideTest, AFrameWithPanesHiddenOnTwoEdgesRenders) {
    frame->manager.SetTheme(5);
    Hide({ProjectPane, OutputPane});
    frame->Pane(ProjectPane)->m_cx = 200;
    Slider* window = SlideOutFully(ProjectPane);
    frame->UpdateWindow();
    TestImage image(1000, 700);
    RenderWindow(frame, image);
    image.SaveBmp(TestOutputPath("docking_auto_hide.bmp"));

    int s = Thickness();
    CRect out = RectInParent(window->m_hWnd);
    EXPECT_EQ(CRect(s, 0, s + 200, 700 - s), out);  // over the documents, not over the bottom panel
    // The inner edge: a dark line and a shadow line; the 4-pixel band in palette 51.
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), image.Pixel(out.right - 1, 350));
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), image.Pixel(out.right - 2, 350));
    EXPECT_EQ(frame->manager.GetTheme()->GetColor(51), image.Pixel(out.right - 3, 350));
    // The panels' bands: the right end of the panel tabs' face pair at the right.
    const CUIColorPair& face = Panel(DockBottom)->GetPanelTabs()->GetColorSet()->autoHideFaceColour;
    EXPECT_EQ(face.first, image.Pixel(s, 699));
    EXPECT_NE(RGB(255, 255, 255), image.Pixel(2, 690));
}

}  // namespace
