#include "platform/CWnd.h"
#include "tests/support/TestApplication.h"
#include "ui/commandbars/UISplitterTracker.h"

#include <gtest/gtest.h>

namespace {

const UINT kTakeCapture = WM_APP + 1;

// A window that takes the mouse capture when asked, as another drag would.
class CaptureThief : public CWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kTakeCapture) SetCapture();
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A window at (100, 100) of 200 x 100 with a vertical bar at x 150 that may move
// between x 110 and 290.
class SplitterTracker : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_wnd.CreateEx(0, nullptr, "split", WS_POPUP | WS_VISIBLE, CRect(100, 100, 300, 200), nullptr, 0));
        ASSERT_TRUE(m_thief.CreateEx(0, nullptr, "thief", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    }
    void TearDown() override {
        m_thief.DestroyWindow();
        m_wnd.DestroyWindow();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { m_wnd.PostMessage(message, wParam, lParam); }
    void MoveTo(int clientX, int clientY) { Post(WM_MOUSEMOVE, 0, MAKELPARAM(clientX, clientY)); }
    BOOL Track(BOOL horizontal = TRUE) {
        return m_tracker.Track(&m_wnd, m_bounds, m_bar, CPoint(150, 150), horizontal);
    }

    TestApplication m_app;
    CWnd m_wnd;
    CaptureThief m_thief;
    CUISplitterTracker m_tracker;
    CRect m_bounds{110, 100, 290, 200};
    CRect m_bar{150, 100, 154, 200};
};

TEST_F(SplitterTracker, ButtonReleaseEndsWithTheBarWhereTheMouseWas) {
    MoveTo(80, 50);
    Post(WM_LBUTTONUP);
    EXPECT_TRUE(Track());
    EXPECT_EQ(m_bar, CRect(180, 100, 184, 200));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(SplitterTracker, TheBarStaysInsideTheBounds) {
    MoveTo(400, 50);
    Post(WM_LBUTTONUP);
    EXPECT_TRUE(Track());
    EXPECT_EQ(m_bar.left, 290);
    MoveTo(-50, 50);
    Post(WM_LBUTTONUP);
    EXPECT_TRUE(Track());
    EXPECT_EQ(m_bar.left, 110);
}

TEST_F(SplitterTracker, AVerticalBarFollowsY) {
    m_bar = CRect(100, 150, 300, 154);
    MoveTo(0, 20);
    Post(WM_LBUTTONUP);
    EXPECT_TRUE(Track(FALSE));
    EXPECT_EQ(m_bar, CRect(100, 120, 300, 124));
}

TEST_F(SplitterTracker, EscapeEndsWithFalseAndTheLastDrawnPosition) {
    MoveTo(20, 50);
    Post(WM_KEYDOWN, VK_ESCAPE);
    MoveTo(90, 50);  // after the end: not tracked
    EXPECT_FALSE(Track());
    EXPECT_EQ(m_bar.left, 120);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(SplitterTracker, LosingTheCaptureEndsWithFalse) {
    MoveTo(30, 50);
    m_thief.PostMessage(kTakeCapture);  // dispatched by the tracking loop
    MoveTo(90, 50);
    EXPECT_FALSE(Track());
    EXPECT_EQ(m_bar.left, 130);
    EXPECT_EQ(::GetCapture(), m_thief.m_hWnd);  // the thief keeps what it took
    ::ReleaseCapture();
}

TEST_F(SplitterTracker, QuitEndsTheDragAndReachesTheOuterLoop) {
    ::PostQuitMessage(7);
    EXPECT_FALSE(Track());
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
