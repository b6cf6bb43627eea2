#include <gtest/gtest.h>

#include "tests/support/TestImage.h"
#include "tests/ui/docking/DockingTestFrame.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"
#include "ui/docking/themes/UIDockingPaneTheme.h"

namespace {

// Ends a modal loop that waits longer than it should by taking its capture away.
void CALLBACK StealCapture(HWND, UINT, UINT_PTR, DWORD) { ::ReleaseCapture(); }

class DockingThemeTest : public DockingFrameTest {
protected:
    CUIDockingPaneTabbedContainer* Project() { return HolderOf(frame->Pane(ProjectPane)); }
    CUIDockingPaneTheme* Theme() { return frame->manager.GetTheme(); }
    // Draws the container as its paint handler does and returns the image.
    void Draw(CUIDockingPaneTabbedContainer* container, TestImage& image) {
        container->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.DC().m_hDC), PRF_CLIENT);
    }
    // Presses a caption button with the input already posted; what Track answers.
    BOOL PressButton(CUIDockingPaneCaptionButton& button, CPoint press, const std::vector<MSG>& input) {
        for (const MSG& msg : input)
            ::PostMessageA(Project()->m_hWnd, msg.message, msg.wParam, msg.lParam);
        UINT_PTR watchdog = ::SetTimer(nullptr, 0, 3000, StealCapture);
        BOOL clicked = button.Track(Project(), press);
        ::KillTimer(nullptr, watchdog);
        return clicked;
    }
};

TEST_F(DockingThemeTest, ClassicCaptionPlacesTheButtonsFromTheRight) {
    CUIDockingPaneTabbedContainer* project = Project();
    TestImage image(205, 576);
    Draw(project, image);
    const int h = Theme()->m_captionTextHeight;
    const int cy = (2 + h + 1) / 2;
    EXPECT_EQ(CRect(191, cy - 6, 203, cy + 6), project->GetCloseButton().GetRect());
    EXPECT_EQ(CRect(177, cy - 6, 189, cy + 6), project->GetAutoHideButton().GetRect());
    // The band: button face above and below an inactive caption.
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), image.Pixel(50, 0));
    EXPECT_EQ(::GetSysColor(COLOR_INACTIVECAPTION), image.Pixel(100, 3));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), image.Pixel(50, h + 2));
    EXPECT_EQ(h + 3, project->GetPaneArea().top);
    image.SaveBmp(TestOutputPath("docking_caption_classic.bmp"));

    // Without close and auto-hide the buttons vanish and cannot be hit.
    frame->Pane(ProjectPane)->SetOptions(PaneOptionNoClose | PaneOptionNoAutoHide);
    Draw(project, image);
    EXPECT_TRUE(project->GetCloseButton().GetRect().IsRectEmpty());
    EXPECT_TRUE(project->GetAutoHideButton().GetRect().IsRectEmpty());

    // Floating: only the close button, at the right end of the caption.
    frame->Pane(ProjectPane)->SetOptions(0);
    frame->manager.FloatPane(frame->Pane(OutputPane), CRect(300, 300, 600, 450));
    frame->manager.DockPane(frame->Pane(LdPane), DockRight, frame->Pane(OutputPane));
    app.PumpUntilIdle();
    CUIDockingPaneTabbedContainer* floating = HolderOf(frame->Pane(OutputPane));
    ASSERT_EQ(0, floating->GetPlacement());
    ASSERT_TRUE(floating->IsShowCaption());
    CRect client;
    floating->GetClientRect(&client);
    TestImage small(client.Width(), client.Height());
    Draw(floating, small);
    EXPECT_EQ(CRect(client.right - 14, cy - 6, client.right - 2, cy + 6), floating->GetCloseButton().GetRect());
    EXPECT_TRUE(floating->GetAutoHideButton().GetRect().IsRectEmpty());
}

TEST_F(DockingThemeTest, TheActiveContainerDrawsTheActiveCaption) {
    ::SetFocus(frame->Pane(ProjectPane)->GetHwnd());
    frame->manager.UpdatePanesFocus();
    ASSERT_TRUE(Project()->IsActive());
    TestImage image(205, 576);
    Draw(Project(), image);
    EXPECT_EQ(::GetSysColor(COLOR_ACTIVECAPTION), image.Pixel(100, 3));
}

TEST_F(DockingThemeTest, CaptionButtonsClickOnlyWhenReleasedOverThem) {
    TestImage image(205, 576);
    Draw(Project(), image);
    CUIDockingPaneCaptionButton& close = Project()->GetCloseButton();
    CPoint inside = close.GetRect().CenterPoint();
    auto move = [](int x, int y) { return MSG{nullptr, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y), 0, {}}; };
    MSG up = {nullptr, WM_LBUTTONUP, 0, 0, 0, {}};
    MSG right = {nullptr, WM_RBUTTONDOWN, MK_RBUTTON, 0, 0, {}};
    EXPECT_TRUE(PressButton(close, inside, {up}));
    EXPECT_FALSE(PressButton(close, inside, {move(10, 100), up}));
    EXPECT_TRUE(PressButton(close, inside, {move(10, 100), move(inside.x, inside.y), up}));
    EXPECT_FALSE(PressButton(close, inside, {right, up}));
    EXPECT_FALSE(close.IsPressed());
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(DockingThemeTest, ClickingTheCloseButtonAsksAndCloses) {
    TestImage image(205, 576);
    Draw(Project(), image);
    CPoint inside = Project()->GetCloseButton().GetRect().CenterPoint();
    CUIDockingPaneTabbedContainer* project = Project();
    ::PostMessageA(project->m_hWnd, WM_LBUTTONUP, 0, 0);
    frame->notes.clear();
    frame->refused = {ActionClosing};
    project->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
    EXPECT_FALSE(frame->Pane(ProjectPane)->IsClosed());
    frame->refused.clear();
    ::PostMessageA(project->m_hWnd, WM_LBUTTONUP, 0, 0);
    project->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
    EXPECT_TRUE(frame->Pane(ProjectPane)->IsClosed());
    EXPECT_EQ(std::vector<int>({ActionClosing, ActionClosing, ActionClosed}), frame->Actions());
}

TEST(DockingThemeFontTest, TabAndVerticalFontsFollowTheSystem) {
    LOGFONTA base = {};
    ::lstrcpyA(base.lfFaceName, "SimSun");
    struct Case {
        LONG height;
        const char* face;
        BYTE menuCharSet;
        BOOL useFace;
        BOOL installed;
        const char* tabFace;
        LONG verticalHeight;
        const char* verticalFace;
    } cases[] = {
        {-8, "SimSun", ANSI_CHARSET, TRUE, TRUE, "Tahoma", -11, "Tahoma"},
        {-12, "SimSun", ANSI_CHARSET, FALSE, TRUE, "SimSun", -12, "Tahoma"},
        {12, "SimSun", GB2312_CHARSET, TRUE, TRUE, "SimSun", 12, "Tahoma"},
        {-9, "Arial", ANSI_CHARSET, FALSE, TRUE, "Arial", -11, "Arial"},
        {-9, "SimSun", ANSI_CHARSET, TRUE, FALSE, "SimSun", -11, "Arial"},
    };
    for (const Case& c : cases) {
        LOGFONTA iconTitle = base;
        iconTitle.lfHeight = c.height;
        ::lstrcpyA(iconTitle.lfFaceName, c.face);
        LOGFONTA tab = CUIDockingPaneTheme::TabFontFor(iconTitle, c.menuCharSet, c.useFace, "Tahoma", c.installed);
        LOGFONTA vertical = CUIDockingPaneTheme::VerticalFontFor(tab, "Tahoma", c.installed);
        EXPECT_STREQ(c.tabFace, tab.lfFaceName) << c.height << c.face;
        EXPECT_EQ(c.height, tab.lfHeight);
        EXPECT_EQ(c.verticalHeight, vertical.lfHeight) << c.height;
        EXPECT_STREQ(c.verticalFace, vertical.lfFaceName) << c.height << c.face;
        EXPECT_EQ(2700, vertical.lfEscapement);
        EXPECT_EQ(900, vertical.lfOrientation);
    }
}

TEST_F(DockingThemeTest, WholeFrameRendersInTheClassicTheme) {
    TestImage image(1000, 700);
    RenderWindow(frame, image);
    image.SaveBmp(TestOutputPath("docking_frame_theme0.bmp"));
    // Splitters in palette 51, the output caption below the document area.
    EXPECT_EQ(Theme()->GetColor(51), image.Pixel(206, 300));
    EXPECT_EQ(Theme()->GetColor(51), image.Pixel(500, 577));
    EXPECT_EQ(::GetSysColor(COLOR_INACTIVECAPTION), image.Pixel(400, 583));
}

}  // namespace
