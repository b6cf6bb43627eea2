#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "platform/CWnd.h"
#include "tests/support/TestApplication.h"
#include "tests/ui/docking/TestTabStrip.h"

namespace {
CUITabStripItem* Inserted(TestTabStrip& strip, int index) { return strip.InsertItem(index); }

TEST(TabStripItems, InsertingAppendsOutOfRangeAndHandsOutPresetColoursInTurn) {
    TestTabStrip strip;
    CUITabStripItem* first = Inserted(strip, 5);
    EXPECT_EQ(0, first->index);
    EXPECT_EQ(&strip, first->owner);
    Inserted(strip, -1);
    Inserted(strip, 0);
    EXPECT_EQ(first, strip.GetItem(1));
    EXPECT_EQ(1, first->index);
    for (int i = 3; i < 9; ++i) Inserted(strip, 0);
    strip.DeleteItem(0);
    strip.DeleteItem(0);
    // The counter counts insertions, not items: the tenth insertion gets preset 1.
    CUITabStripItem* tenth = Inserted(strip, 100);
    EXPECT_EQ(TabColorPresetFirst + 1, tenth->color);
    EXPECT_EQ(static_cast<COLORREF>(0x75DBFF), strip.GetItemColor(tenth));
}

TEST(TabStripItems, PresetColoursResolveAndOtherValuesPassThrough) {
    struct Case {
        COLORREF stored, resolved;
    } cases[] = {{0x1000000, 0xE4A88A}, {0x1000003, 0x9F9EF0}, {0x1000007, 0xC0ABD8}, {0x1000008, 0x1000008},
                 {0x123456, 0x123456}};
    TestTabStrip strip;
    CUITabStripItem* item = strip.InsertItem(0);
    for (const Case& c : cases) {
        item->color = c.stored;
        EXPECT_EQ(c.resolved, strip.GetItemColor(item)) << std::hex << c.stored;
    }
}

TEST(TabStripItems, DeletingMovesTheSelectionAndForgetsTheHotItem) {
    TestTabStrip strip;
    strip.Add({"a", "b", "c"});
    strip.SelectItemAt(2);
    strip.SetHotItem(strip.GetItem(2));
    EXPECT_FALSE(strip.DeleteItem(3));
    EXPECT_FALSE(strip.DeleteItem(-1));
    EXPECT_TRUE(strip.DeleteItem(2));
    EXPECT_EQ(strip.GetItem(1), strip.GetSelectedItem());
    EXPECT_EQ(nullptr, strip.GetHotItem());
    EXPECT_EQ(1, strip.GetItem(1)->index);

    strip.SelectItemAt(0);
    EXPECT_TRUE(strip.DeleteItem(0));
    EXPECT_EQ(strip.GetItem(0), strip.GetSelectedItem());
    EXPECT_EQ(0, strip.GetItem(0)->index);
    EXPECT_TRUE(strip.DeleteItem(0));
    EXPECT_EQ(nullptr, strip.GetSelectedItem());

    strip.Add({"x", "y"});
    strip.SelectItemAt(99);
    EXPECT_EQ(strip.GetItem(1), strip.GetSelectedItem());
    strip.SetHotItem(strip.GetItem(0));
    strip.DeleteAllItems();
    EXPECT_EQ(nullptr, strip.GetSelectedItem());
    EXPECT_EQ(nullptr, strip.GetHotItem());
}

TEST(TabStripItems, CaptionScrollAndColourChangesRepositionOnlyWhenNeeded) {
    TestTabStrip strip;
    strip.Add({"工程"});
    CUITabStripItem* item = strip.GetItem(0);
    int before = strip.repositions;
    item->SetCaption("工程");
    EXPECT_EQ(before, strip.repositions);
    item->SetCaption("工程1");
    EXPECT_EQ(before + 1, strip.repositions);
    EXPECT_STREQ("工程1", item->GetCaption());

    int redraws = strip.redraws;
    item->SetColor(0x1000004);
    EXPECT_EQ(before + 1, strip.repositions);
    EXPECT_EQ(redraws + 1, strip.redraws);

    strip.SetScrollOffset(15);
    EXPECT_EQ(0, strip.GetScrollOffset());
    EXPECT_EQ(before + 1, strip.repositions);
    strip.layOut = FALSE;
    strip.SetScrollOffset(-30);
    strip.SetScrollOffset(-30);
    EXPECT_EQ(before + 2, strip.repositions);
    strip.SetActive(TRUE);
    EXPECT_EQ(before + 2, strip.repositions);
    strip.SetActive(FALSE);
    EXPECT_EQ(before + 3, strip.repositions);
}

TEST(TabStripItems, HitTestSkipsHiddenAndDisabledItemsAndStaysInTheHeader) {
    TestTabStrip strip(CRect(0, 0, 400, 100));
    strip.Add({"one", "two", "three"});
    CRect second = strip.RectOf(1);
    CPoint centre = second.CenterPoint();
    EXPECT_EQ(strip.GetItem(1), strip.HitTest(centre.x, centre.y));
    strip.GetItem(1)->enabled = FALSE;
    EXPECT_EQ(nullptr, strip.HitTest(centre.x, centre.y));
    strip.GetItem(1)->enabled = TRUE;
    strip.GetItem(1)->visible = FALSE;
    EXPECT_EQ(nullptr, strip.HitTest(centre.x, centre.y));
    // Below the header but inside the control.
    ASSERT_FALSE(strip.headerRect.IsRectEmpty());
    EXPECT_EQ(nullptr, strip.HitTest(centre.x, strip.headerRect.bottom + 5));
    EXPECT_EQ(nullptr, strip.HitTest(500, centre.y));
}

TEST(TabStripItems, ToolHitTestHandsOverAMallocedCopyOfTheTip) {
    TestTabStrip strip;
    strip.Add({"a", "b"});
    CUITabStripItem* item = strip.GetItem(1);
    EXPECT_EQ(-1, strip.PerformToolHitTest(nullptr, nullptr, nullptr));
    EXPECT_EQ(-1, strip.PerformToolHitTest(nullptr, item, nullptr));
    item->tooltip = "提示";
    TOOLINFOA small = {};
    small.cbSize = 36;
    EXPECT_EQ(1, strip.PerformToolHitTest(nullptr, item, &small));
    EXPECT_EQ(nullptr, small.lpszText);
    TOOLINFOA info = {};
    info.cbSize = sizeof(info);
    EXPECT_EQ(1, strip.PerformToolHitTest(nullptr, item, &info));
    ASSERT_NE(nullptr, info.lpszText);
    EXPECT_STREQ("提示", info.lpszText);
    EXPECT_EQ(1u, info.uId);
    EXPECT_EQ(item->rect, CRect(info.rect));
    std::free(info.lpszText);
}

TEST(TabStripItems, HandleIsPointerSized) {
    TestTabStrip strip;
    CUITabStripItem* item = strip.InsertItem(0);
    DWORD_PTR value = static_cast<DWORD_PTR>(0x123456789ABCull);
    item->SetHandle(value);
    EXPECT_EQ(value, item->GetHandle());
}

// --- mouse tracking with a window ---

// A thread timer that posts one message to a window when it fires.
struct PostedLater {
    static HWND target;
    static UINT message;
    static LPARAM lParam;
    static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        ::PostMessageA(target, message, 0, lParam);
    }
};
HWND PostedLater::target = nullptr;
UINT PostedLater::message = 0;
LPARAM PostedLater::lParam = 0;

class TabStripTrackingTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(wnd.CreateEx(0, "Static", nullptr, WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 60), nullptr, 0));
        wnd.SetActiveWindow();
        // Ends any loop a fault leaves running.
        watchdog = ::SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR id, DWORD) {
            ::KillTimer(nullptr, id);
            ::ReleaseCapture();
        });
    }
    void TearDown() override {
        ::KillTimer(nullptr, watchdog);
        wnd.DestroyWindow();
    }
    void PostLater(UINT delay, UINT message, CPoint point) {
        PostedLater::target = wnd.m_hWnd;
        PostedLater::message = message;
        PostedLater::lParam = MAKELPARAM(point.x, point.y);
        ::SetTimer(nullptr, 0, delay, PostedLater::Fire);
    }
    void Post(UINT message, CPoint point, WPARAM wParam = 0) {
        wnd.PostMessage(message, wParam, MAKELPARAM(point.x, point.y));
    }

    TestApplication app;
    CWnd wnd;
    UINT_PTR watchdog = 0;
};

TEST_F(TabStripTrackingTest, HoldingTheLeftArrowScrollsUntilTheStartAndThenStops) {
    TestTabStrip strip;
    strip.Add({"第一个文档窗口", "第二个文档窗口", "第三个文档窗口", "第四个文档窗口", "第五个文档窗口"});
    strip.SetScrollOffset(-90);
    CUITabNavigateButton* left = strip.FindNavigateButton(NavigateButtonLeft);
    ASSERT_TRUE(left->IsEnabled());
    CPoint centre = left->GetRect().CenterPoint();
    PostLater(400, WM_LBUTTONUP, centre);
    EXPECT_TRUE(strip.PerformClick(&wnd, centre.x, centre.y));
    EXPECT_EQ(0, strip.GetScrollOffset());
    EXPECT_FALSE(left->IsEnabled());
    EXPECT_FALSE(left->IsPressed());
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(TabStripTrackingTest, CloseButtonExecutesOnlyWhenReleasedOverIt) {
    TestTabStrip strip;
    strip.Add({"a", "b"});
    strip.FindNavigateButton(NavigateButtonClose)->SetMode(NavigateButtonAlways);
    strip.Reposition();
    CPoint centre = strip.FindNavigateButton(NavigateButtonClose)->GetRect().CenterPoint();
    Post(WM_LBUTTONUP, centre);
    strip.PerformClick(&wnd, centre.x, centre.y);
    EXPECT_EQ(std::vector<int>{NavigateButtonClose}, strip.clicks);

    Post(WM_MOUSEMOVE, CPoint(5, 5));
    Post(WM_LBUTTONUP, CPoint(5, 5));
    strip.PerformClick(&wnd, centre.x, centre.y);
    EXPECT_EQ(1u, strip.clicks.size());
    // Buttons-only presses ignore tabs.
    CPoint tab = strip.RectOf(0).CenterPoint();
    EXPECT_FALSE(strip.PerformClick(&wnd, tab.x, tab.y, TRUE));
}

TEST_F(TabStripTrackingTest, DragSwapsWithTheTabUnderThePointerAndEscapeKeepsTheOrder) {
    TestTabStrip strip;
    strip.Add({"one", "two", "three"});
    strip.SelectItemAt(2);
    CUITabStripItem* first = strip.GetItem(0);
    CPoint start = strip.RectOf(0).CenterPoint(), over = strip.RectOf(1).CenterPoint();
    Post(WM_MOUSEMOVE, over);
    Post(WM_KEYDOWN, CPoint(0, 0), VK_ESCAPE);
    EXPECT_TRUE(strip.PerformClick(&wnd, start.x, start.y));
    EXPECT_EQ(first, strip.GetItem(1));
    EXPECT_EQ(1, first->index);
    EXPECT_EQ(first, strip.GetSelectedItem());
    EXPECT_EQ(std::vector<int>{1}, strip.itemClicks);

    strip.SetAllowReorder(FALSE);
    CPoint third = strip.RectOf(2).CenterPoint();
    EXPECT_TRUE(strip.PerformClick(&wnd, third.x, third.y));
    EXPECT_EQ(strip.GetItem(2), strip.GetSelectedItem());
}

TEST_F(TabStripTrackingTest, ADragSurvivesItsItemBeingDeletedMeanwhile) {
    TestTabStrip strip;
    strip.Add({"one", "two", "three"});
    strip.SelectItemAt(1);
    CPoint start = strip.RectOf(0).CenterPoint(), over = strip.RectOf(2).CenterPoint();
    // A timer deletes the dragged item while the loop runs.
    static TestTabStrip* target;
    target = &strip;
    ::SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        target->DeleteItem(0);
    });
    PostLater(200, WM_MOUSEMOVE, over);
    ::SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        ::PostMessageA(::GetCapture(), WM_LBUTTONUP, 0, 0);
    });
    strip.PerformClick(&wnd, start.x, start.y);
    ASSERT_EQ(2, strip.GetItemCount());
    EXPECT_STREQ("two", strip.GetItem(0)->caption);
    EXPECT_EQ(strip.GetItem(0), strip.GetSelectedItem());
    EXPECT_TRUE(strip.itemClicks.empty());
}

TEST_F(TabStripTrackingTest, HotTrackingFollowsTheMouseOnlyWhenOn) {
    TestTabStrip strip;
    strip.Add({"one", "two"});
    CPoint second = strip.RectOf(1).CenterPoint();
    strip.PerformMouseMove(&wnd, second.x, second.y);
    EXPECT_EQ(nullptr, strip.GetHotItem());
    strip.theme.hotTabs = TRUE;
    strip.PerformMouseMove(&wnd, second.x, second.y);
    if (!wnd.IsTopParentActive()) GTEST_SKIP() << "the test window is not active";
    EXPECT_EQ(strip.GetItem(1), strip.GetHotItem());
    strip.PerformMouseMove(&wnd, -1, -1);
    EXPECT_EQ(nullptr, strip.GetHotItem());
}
}  // namespace
