#include "tests/ui/commandbars/RecordingTheme.h"

#include "ui/commandbars/UIFrameStatusBar.h"
#include "ui/commandbars/themes/UIThemeFonts.h"

#include "platform/CFrameWnd.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kIndicators[] = {ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR, ID_INDICATOR_NUM};

// A frame with the status bar the main frame makes: four panes, the status font and
// a minimum drawing height.
class StatusBars : public ::testing::Test {
protected:
    void SetUp() override {
        SelectTheme(uiThemeClassic);
        m_theme = static_cast<RecordingTheme*>(GetGlobalTheme());
        m_frame = new CFrameWnd;
        ASSERT_TRUE(m_frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 640, 300)));
        m_app.m_pMainWnd = m_frame;
        ASSERT_TRUE(m_status.Create(m_frame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR));
        ASSERT_TRUE(m_status.SetIndicators(kIndicators, 4));
        m_frame->ShowWindow(SW_SHOW);
        m_frame->RecalcLayout();
    }
    void TearDown() override {
        m_app.m_pMainWnd = nullptr;
        m_frame->DestroyWindow();
    }
    void Paint() {
        m_theme->m_calls.clear();
        m_theme->m_panes.clear();
        TestImage image(800, 40);
        m_status.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.DC().GetSafeHdc()), PRF_CLIENT);
    }
    CRect Client() {
        CRect client;
        m_status.GetClientRect(&client);
        return client;
    }
    CRect Item(int index) {
        CRect rect;
        m_status.GetItemRect(index, &rect);
        return rect;
    }

    TestApplication m_app;
    RecordingThemeFactory m_themes;
    RecordingTheme* m_theme = nullptr;
    CFrameWnd* m_frame = nullptr;
    CUIFrameStatusBar m_status;
};

}  // namespace

TEST_F(StatusBars, TakeTheStatusFontAndAMinimumHeight) {
    EXPECT_EQ(AFX_IDW_STATUS_BAR, static_cast<UINT>(m_status.GetDlgCtrlID()));
    EXPECT_EQ(4, m_status.GetCount());
    EXPECT_EQ(CUIThemeFonts::Get().status.GetSafeHandle(), reinterpret_cast<HGDIOBJ>(m_status.SendMessage(WM_GETFONT)));
    EXPECT_TRUE(m_status.GetStyle() & SBARS_SIZEGRIP);
    // The frame's layout puts it at the bottom, its drawing area at least 20 high.
    CRect window, frameClient;
    m_status.GetWindowRect(&window);
    m_frame->ScreenToClient(&window);
    m_frame->GetClientRect(&frameClient);
    EXPECT_EQ(frameClient.bottom, window.bottom);
    EXPECT_EQ(CUIFrameStatusBar::MinHeight + 4, window.Height());
}

TEST_F(StatusBars, IndicatorsWithoutTextFailAndLeaveTheHeightToTheFont) {
    CUIFrameStatusBar other;
    ASSERT_TRUE(other.Create(m_frame, WS_CHILD | CBRS_BOTTOM, AFX_IDW_STATUS_BAR + 1));
    const UINT missing[] = {ID_SEPARATOR, 0x7FF0};
    EXPECT_FALSE(other.SetIndicators(missing, 2));
    EXPECT_EQ(0, other.GetCount());
    EXPECT_LT(other.CalcFixedLayout(TRUE, TRUE).cy, CUIFrameStatusBar::MinHeight + 4);
    other.DestroyWindow();
}

TEST_F(StatusBars, PaintBackgroundPanesAndGripperThroughThePaintManager) {
    m_status.SetPaneText(0, "就绪");
    Paint();
    const std::vector<std::string> expected = {"FillStatusBarBackground", "DrawStatusBarPane 就绪", "DrawStatusBarPane ",
                                               "DrawStatusBarPane ", "DrawStatusBarPane 数字", "DrawStatusBarGripper"};
    EXPECT_EQ(expected, m_theme->m_calls);
    ASSERT_EQ(4u, m_theme->m_panes.size());
    // Panes but the last keep their item rectangles; the last, not stretched, is
    // three edges wider than its width from its left edge.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Item(i), m_theme->m_panes[static_cast<size_t>(i)].rect) << i;
    UINT id = 0, style = 0;
    int width = 0;
    m_status.GetPaneInfo(3, id, style, width);
    const CRect last = m_theme->m_panes[3].rect;
    EXPECT_EQ(Item(3).left, last.left);
    EXPECT_EQ(last.left + width + 3 * ::GetSystemMetrics(SM_CXEDGE), last.right);
}

TEST_F(StatusBars, AStretchedLastPaneStopsShortOfTheSizeGrip) {
    UINT id = 0, style = 0;
    int width = 0;
    m_status.GetPaneInfo(3, id, style, width);
    m_status.SetPaneInfo(3, id, style | SBPS_STRETCH, width);
    Paint();
    ASSERT_EQ(4u, m_theme->m_panes.size());
    EXPECT_EQ(Client().right - ::GetSystemMetrics(SM_CXSMICON) - ::GetSystemMetrics(SM_CXEDGE),
              m_theme->m_panes[3].rect.right);
    // Maximised, the gripper goes but the pane still stops short of the grip.
    m_frame->ShowWindow(SW_MAXIMIZE);
    m_frame->RecalcLayout();
    Paint();
    ASSERT_EQ(4u, m_theme->m_panes.size());
    EXPECT_EQ(Client().right - ::GetSystemMetrics(SM_CXSMICON) - ::GetSystemMetrics(SM_CXEDGE),
              m_theme->m_panes[3].rect.right);
    EXPECT_EQ("DrawStatusBarPane 数字", m_theme->m_calls.back());
}

TEST_F(StatusBars, WithoutPanesOrSizingBorderOnlyWhatApplies) {
    // No panes: the background and the gripper.
    CFrameWnd* fixed = new CFrameWnd;
    ASSERT_TRUE(fixed->Create(nullptr, "fixed", WS_OVERLAPPED | WS_CAPTION, CRect(0, 0, 300, 200)));
    CUIFrameStatusBar empty;
    ASSERT_TRUE(empty.Create(m_frame, WS_CHILD | CBRS_BOTTOM, AFX_IDW_STATUS_BAR + 1));
    ASSERT_TRUE(empty.SetIndicators(nullptr, 0));
    m_theme->m_calls.clear();
    TestImage image(100, 30);
    empty.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.DC().GetSafeHdc()), PRF_CLIENT);
    EXPECT_EQ((std::vector<std::string>{"FillStatusBarBackground", "DrawStatusBarGripper"}), m_theme->m_calls);
    // A frame without a sizing border has no grip and no gripper.
    CUIFrameStatusBar plain;
    ASSERT_TRUE(plain.Create(fixed, WS_CHILD | CBRS_BOTTOM, AFX_IDW_STATUS_BAR));
    ASSERT_TRUE(plain.SetIndicators(kIndicators, 4));
    EXPECT_FALSE(plain.GetStyle() & SBARS_SIZEGRIP);
    m_theme->m_calls.clear();
    plain.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.DC().GetSafeHdc()), PRF_CLIENT);
    EXPECT_EQ(5u, m_theme->m_calls.size());
    EXPECT_EQ("DrawStatusBarPane 数字", m_theme->m_calls.back());
    empty.DestroyWindow();
    fixed->DestroyWindow();
}

TEST_F(StatusBars, ResizingRepaintsTheWholeBar) {
    m_status.UpdateWindow();
    m_status.ValidateRect(nullptr);
    m_frame->SetWindowPos(nullptr, 0, 0, 700, 300, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    m_frame->RecalcLayout();
    CRect update;
    ASSERT_TRUE(::GetUpdateRect(m_status.m_hWnd, &update, FALSE));
    EXPECT_EQ(Client(), update);
}
