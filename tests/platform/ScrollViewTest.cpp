#include "platform/CScrollView.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

namespace {

// Draws a black band across logical row 1000, so scrolling can be seen in pixels.
class BandView : public CScrollView {
public:
    BandView() = default;
    void OnDraw(CDC* dc) override {
        dc->FillSolidRect(0, 0, 1000, 2000, RGB(255, 255, 255));
        dc->FillSolidRect(0, 1000, 1000, 10, RGB(0, 0, 0));
    }
};

class ScrollViews : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300),
                                      nullptr, 0));
        m_view = new BandView;
        ASSERT_TRUE(m_view->Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 300, 200), &m_parent, 1));
        m_view->SetScrollSizes(MM_TEXT, CSize(1000, 2000), CSize(200, 100), CSize(20, 10));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    CPoint Scroll(UINT message, UINT code) {
        m_view->SendMessage(message, MAKEWPARAM(code, 0));
        return m_view->GetScrollPosition();
    }

    TestApplication m_app;
    CWnd m_parent;
    BandView* m_view = nullptr;
};

TEST_F(ScrollViews, ScrollsByLinesAndPagesWithinTheTotal) {
    CRect client;
    m_view->GetClientRect(&client);
    int bottom = 2000 - client.Height();
    int right = 1000 - client.Width();
    struct Step {
        UINT message;
        UINT code;
        CPoint expected;
    };
    const Step steps[] = {
        {WM_VSCROLL, SB_LINEUP, CPoint(0, 0)},  // already at the top
        {WM_VSCROLL, SB_LINEDOWN, CPoint(0, 10)},
        {WM_VSCROLL, SB_PAGEDOWN, CPoint(0, 110)},
        {WM_HSCROLL, SB_PAGEDOWN, CPoint(200, 110)},
        {WM_HSCROLL, SB_LINEUP, CPoint(180, 110)},
        {WM_VSCROLL, SB_BOTTOM, CPoint(180, bottom)},
        {WM_VSCROLL, SB_PAGEDOWN, CPoint(180, bottom)},  // no further than the end
        {WM_HSCROLL, SB_BOTTOM, CPoint(right, bottom)},
        {WM_VSCROLL, SB_TOP, CPoint(right, 0)},
    };
    for (const Step& step : steps)
        EXPECT_EQ(Scroll(step.message, step.code), step.expected) << step.code;
}

TEST_F(ScrollViews, DrawingOriginFollowsTheScrollPosition) {
    m_view->ScrollToPosition(CPoint(0, 950));
    EXPECT_EQ(m_view->GetScrollPosition(), CPoint(0, 950));
    TestImage image(300, 200);
    m_view->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.DC().m_hDC), PRF_CLIENT);
    EXPECT_EQ(image.Pixel(10, 49), RGB(255, 255, 255));
    EXPECT_EQ(image.Pixel(10, 50), RGB(0, 0, 0));  // logical row 1000 is 50 pixels down
    EXPECT_EQ(image.Pixel(10, 59), RGB(0, 0, 0));
    EXPECT_EQ(image.Pixel(10, 60), RGB(255, 255, 255));
}

TEST_F(ScrollViews, AViewThatFitsHasNoScrollRoom) {
    m_view->SetScrollSizes(MM_TEXT, CSize(100, 50));
    EXPECT_EQ(Scroll(WM_VSCROLL, SB_PAGEDOWN), CPoint(0, 0));
    EXPECT_FALSE(m_view->GetStyle() & WS_VSCROLL);
}

}  // namespace
