#include "tests/ui/commandbars/ToolBarFrame.h"

#include "ui/commandbars/UIBarDragTracker.h"
#include "ui/commandbars/UIPopupBar.h"

namespace {

CPoint ClientToScreenOf(CWnd* window, CPoint point) {
    window->ClientToScreen(&point);
    return point;
}

BOOL Holds(const CRect& rect, CPoint point) {
    return rect.left <= point.x && point.x <= rect.right && rect.top <= point.y && point.y <= rect.bottom;
}

class ToolBarDrags : public ToolBars {
protected:
    void SetUp() override {
        ToolBars::SetUp();
        m_standard = AddToolBar(IDR_TOOLBAR_STANDARD, "标准");
        ASSERT_NE(nullptr, m_standard);
        Layout(900);
    }
    // A press on the gripper, with the moves and the release already posted.
    void DragByGripper(const std::vector<CPoint>& moves, BOOL release = TRUE) {
        for (CPoint point : moves)
            PostMoveTo(point);
        if (release)
            PostRelease();
        PressAt(m_standard, m_standard->GetPosition() == uiBarFloating ? CPoint(1, 1) : CPoint(2, 8));
        DrainInput();
    }
    CPoint NearDockBar(int position, CPoint offset) {
        const CRect rect = ScreenRect(m_bars->GetDockBar(position));
        return CPoint(rect.left + offset.x, (position == uiBarTop ? rect.bottom : rect.CenterPoint().y) + offset.y);
    }
    // The floating bar at a screen corner, at its floating size.
    void FloatAt(CPoint corner) {
        ASSERT_TRUE(m_bars->FloatCommandBar(m_standard));
        m_standard->DelayLayout();
        m_standard->SetWindowPos(nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    CUIToolBar* m_standard = nullptr;
};

}  // namespace

TEST_F(ToolBarDrags, DraggedAwayItFloatsUnderTheCursorAndBackNearADockBarItDocks) {
    CUIBarDragTracker* tracker = m_standard->GetDragTracker();
    ASSERT_NE(nullptr, tracker);
    const CRect lastDocked = tracker->m_mruDockRect;
    const CPoint away(450, 250);
    DragByGripper({CPoint(300, 200), away});
    EXPECT_EQ(uiBarFloating, m_standard->GetPosition());
    EXPECT_EQ(nullptr, m_standard->m_dockBar);
    const CRect floating = ScreenRect(m_standard);
    EXPECT_TRUE(Holds(floating, away)) << floating.left << "," << floating.top;
    EXPECT_EQ(floating.TopLeft(), tracker->m_mruFloatPosition);
    // The last docked place is still the one it was dragged from.
    EXPECT_EQ(uiBarTop, tracker->m_mruDockPosition);
    EXPECT_EQ(lastDocked, tracker->m_mruDockRect);

    DragByGripper({NearDockBar(uiBarTop, CPoint(60, 15))});
    EXPECT_EQ(uiBarTop, m_standard->GetPosition());
    EXPECT_EQ(m_bars->GetDockBar(uiBarTop), m_standard->m_dockBar);
    EXPECT_TRUE(m_standard->GetStyle() & WS_CHILD);
}

TEST_F(ToolBarDrags, EscapeOrLosingTheCaptureEndsTheDragWhereTheBarIs) {
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
    } enders[] = {{"Escape", WM_KEYDOWN, VK_ESCAPE}, {"capture lost", WM_CANCELMODE, 0}};
    for (const auto& ender : enders) {
        ASSERT_TRUE(m_bars->DockCommandBarTo(m_standard, uiBarTop));
        m_frame->RecalcLayout();
        const CPoint first(400, 250), second(500, 300);
        PostMoveTo(first);
        if (ender.message == WM_CANCELMODE)
            m_standard->PostMessage(ender.message, ender.wParam, 0);
        else
            m_frame->PostMessage(ender.message, ender.wParam, 0);
        DragByGripper({second}, FALSE);
        EXPECT_EQ(uiBarFloating, m_standard->GetPosition()) << ender.name;
        EXPECT_TRUE(Holds(ScreenRect(m_standard), first)) << ender.name;
        EXPECT_FALSE(Holds(ScreenRect(m_standard), second)) << ender.name;
        EXPECT_EQ(nullptr, ::GetCapture()) << ender.name;
        EXPECT_EQ(0, CUIMouseTrackHook::Get().m_suspendCount) << ender.name;
    }
}

TEST_F(ToolBarDrags, TheBarFlagsDecideWhereItMayGo) {
    const struct {
        const char* name;
        DWORD flags;
        BOOL nearLeft;
        int expected;
    } cases[] = {
        {"no floating: stays in its row", 0x0F, FALSE, uiBarTop},
        {"no left docking: floats at the left edge", 0x1B, TRUE, uiBarFloating},
        {"all: docks at the left edge", 0x1F, TRUE, uiBarLeft},
    };
    for (const auto& test : cases) {
        ASSERT_TRUE(m_bars->DockCommandBarTo(m_standard, uiBarTop));
        m_frame->RecalcLayout();
        m_standard->EnableDocking(test.flags);
        DragByGripper({test.nearLeft ? NearDockBar(uiBarLeft, CPoint(5, 0)) : CPoint(450, 250)});
        EXPECT_EQ(test.expected, m_standard->GetPosition()) << test.name;
    }
}

TEST_F(ToolBarDrags, ResizingAFloatingBarKeepsTheOppositeEdge) {
    FloatAt(CPoint(200, 150));
    const CRect before = ScreenRect(m_standard);
    // Dragging the left border 150 pixels right re-wraps the buttons into more rows.
    PostMoveTo(CPoint(before.left + 151, before.top + 10));
    PostRelease();
    {
        CaptureWatchdog watchdog;
        m_standard->SendMessage(WM_NCLBUTTONDOWN, HTLEFT, MAKELPARAM(before.left + 1, before.top + 10));
    }
    DrainInput();
    const CRect after = ScreenRect(m_standard);
    EXPECT_EQ(before.right, after.right);
    EXPECT_EQ(before.top, after.top);
    EXPECT_LT(after.Width(), before.Width());
    EXPECT_GT(after.Height(), before.Height());
    EXPECT_EQ(after.Width(), m_standard->m_widthLimit);
    EXPECT_EQ(after.TopLeft(), m_standard->GetDragTracker()->m_mruFloatPosition);
}

TEST_F(ToolBarDrags, AFloatingBarsBordersAreSizingBorders) {
    FloatAt(CPoint(200, 150));
    const CRect rect = ScreenRect(m_standard);
    const struct {
        CPoint point;
        LRESULT hit;
    } cases[] = {
        {CPoint(rect.left + 20, rect.top + 1), HTTOP},     {CPoint(rect.left + 20, rect.bottom - 2), HTBOTTOM},
        {CPoint(rect.left + 1, rect.top + 10), HTLEFT},    {CPoint(rect.right - 2, rect.top + 10), HTRIGHT},
        {CPoint(rect.left + 20, rect.top + 10), HTCLIENT},
    };
    for (const auto& test : cases)
        EXPECT_EQ(test.hit, m_standard->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(test.point.x, test.point.y)))
            << test.point.x << "," << test.point.y;
    // Docked, the borders are the bar's.
    ASSERT_TRUE(m_bars->DockCommandBarTo(m_standard, uiBarTop));
    const CPoint edge = ClientToScreenOf(m_standard, CPoint(1, 1));
    EXPECT_EQ(HTCLIENT, m_standard->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(edge.x, edge.y)));
}

TEST_F(ToolBarDrags, DoubleClickDocksAFloatingBarAtItsLastPlaceAndFloatsOnlyWhenTheOptionSaysSo) {
    DragByGripper({CPoint(450, 250)});
    ASSERT_EQ(uiBarFloating, m_standard->GetPosition());
    const CPoint floatedAt = m_standard->GetDragTracker()->m_mruFloatPosition;
    m_standard->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(uiBarTop, m_standard->GetPosition());
    EXPECT_EQ(m_bars->GetDockBar(uiBarTop), m_standard->m_dockBar);

    m_standard->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(2, 8));
    EXPECT_EQ(uiBarTop, m_standard->GetPosition());  // the option is off by default
    m_bars->GetCommandBarsOptions()->m_doubleClickFloats = TRUE;
    m_standard->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(2, 8));
    EXPECT_EQ(uiBarFloating, m_standard->GetPosition());
    EXPECT_EQ(floatedAt, ScreenRect(m_standard).TopLeft());
}

namespace {

// A collection whose toolbars menu holds one entry and records where it opened.
class MenuRecordingBars : public CUICommandBars {
public:
    CUIPopupBar* CreateToolbarsMenu() override {
        ++m_menus;
        CUIPopupBar* menu = CUIPopupBar::CreatePopupBarFor(this);
        menu->GetControls()->Add(uiControlButton, ID_CUSTOMIZE);
        return menu;
    }
    int m_menus = 0;
};

CPoint g_openedAt(-1, -1);

class ToolBarMenus : public ToolBarDrags {
protected:
    CUICommandBars* MakeCommandBars() override { return new MenuRecordingBars; }
};

}  // namespace

TEST_F(ToolBarMenus, RightClickOnABarOrADockBarShowsTheToolbarsMenuAtThePoint) {
    CWnd* clicked[] = {m_standard, m_bars->GetDockBar(uiBarBottom)};
    for (CWnd* window : clicked) {
        g_openedAt = CPoint(-1, -1);
        ::SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
            ::KillTimer(nullptr, id);
            for (CUICommandBar* bar : CUIMouseTrackHook::Get().GetTrackingBars()) {
                CRect rect;
                bar->GetWindowRect(&rect);
                g_openedAt = rect.TopLeft();
            }
            CUIMouseTrackHook::Get().EndTracking();
        });
        window->SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(2, 8));
        EXPECT_EQ(ClientToScreenOf(window, CPoint(2, 8)), g_openedAt);
        EXPECT_FALSE(CUIMouseTrackHook::Get().IsTracking());
    }
    EXPECT_EQ(2, static_cast<MenuRecordingBars*>(m_bars)->m_menus);
}
