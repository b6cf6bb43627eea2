#include <gtest/gtest.h>

#include <string>

#include "tests/support/TestImage.h"
#include "tests/ui/docking/DockingTestFrame.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"
#include "ui/docking/themes/UIDockingPaneGradientTheme.h"
#include "ui/docking/themes/UIDockingPaneVisualStyleTheme.h"

namespace {

int testScheme = 0;
int TestScheme() { return testScheme; }

// Visual styles that record the parts drawn and fill each with a colour of its own.
class RecordingVisualStyle : public IDockingVisualStyle {
public:
    struct Part {
        int part, state;
        CRect rect;
    };
    explicit RecordingVisualStyle(std::vector<Part>* parts) : m_parts(parts) {}
    void Open() override {}
    BOOL IsAppThemed() override { return TRUE; }
    void DrawPart(HDC dc, int part, int state, const RECT& rect) override {
        m_parts->push_back({part, state, rect});
        HBRUSH brush = ::CreateSolidBrush(RGB(part, state, 200));
        ::FillRect(dc, &rect, brush);
        ::DeleteObject(brush);
    }

private:
    std::vector<Part>* m_parts;
};

class DockingThemesTest : public DockingFrameTest {
protected:
    void SetUp() override {
        testScheme = 0;
        CUIDockingPaneGradientTheme::SetSchemeQuery(TestScheme);
        DockingFrameTest::SetUp();
    }
    void TearDown() override {
        CUIDockingPaneGradientTheme::SetSchemeQuery(nullptr);
        DockingFrameTest::TearDown();
    }
    CUIDockingPaneTabbedContainer* Project() { return HolderOf(frame->Pane(ProjectPane)); }
    CUIDockingPaneTheme* Theme() { return frame->manager.GetTheme(); }
    // Selects the theme with a caption text height and lays the frame out again.
    void Select(int index, int captionHeight = 0) {
        frame->manager.SetTheme(index);
        if (captionHeight)
            Theme()->m_captionTextHeight = captionHeight;
        frame->RecalcLayout();
    }
    void Draw(CUIDockingPaneTabbedContainer* container, TestImage& image) {
        container->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.DC().m_hDC), PRF_CLIENT);
    }
    void Activate(CUIDockingPaneItem* pane) {
        ::SetFocus(pane->GetHwnd());
        frame->manager.UpdatePanesFocus();
    }
};

TEST_F(DockingThemesTest, FlatCaptionOutlinedWhenInactiveFilledWhenActive) {
    Select(1);
    const int h = Theme()->m_captionTextHeight;
    TestImage image(205, 100);
    Draw(Project(), image);
    EXPECT_EQ(Theme()->GetColor(52), image.Pixel(100, 2));   // outline
    EXPECT_EQ(Theme()->GetColor(51), image.Pixel(0, 2));     // no corner pixel
    EXPECT_EQ(Theme()->GetColor(51), image.Pixel(100, 5));   // band inside
    EXPECT_EQ(CRect(189, (2 + h + 1) / 2 - 7, 203, (2 + h + 1) / 2 + 7), Project()->GetCloseButton().GetRect());

    Activate(frame->Pane(ProjectPane));
    Draw(Project(), image);
    EXPECT_EQ(Theme()->GetColor(2), image.Pixel(100, 5));
    EXPECT_EQ(Theme()->GetColor(2), image.Pixel(0, 2));
    CRect close = Project()->GetCloseButton().GetRect();
    EXPECT_GT(image.CountPixels(close, Theme()->GetColor(14)), 10);  // the cross in palette 14
}

TEST_F(DockingThemesTest, FramedCaptionButtonsAndFrame) {
    Select(3, 15);
    TestImage image(205, 576);
    Draw(Project(), image);
    EXPECT_EQ(CRect(205 - 17, 2, 205 - 1, 18), Project()->GetCloseButton().GetRect());
    EXPECT_EQ(CRect(205 - 33, 2, 205 - 17, 18), Project()->GetAutoHideButton().GetRect());
    // No tabs: the pane lies inside a one-pixel frame 3 pixels in from the sides and bottom.
    CRect area = Project()->GetPaneArea();
    EXPECT_EQ(CRect(4, 19, 201, 572), area);
    EXPECT_EQ(RectInParent(frame->Pane(ProjectPane)->GetHwnd()), area);
    EXPECT_EQ(Theme()->GetColor(51), image.Pixel(0, 0));      // cut corners
    EXPECT_EQ(Theme()->GetColor(51), image.Pixel(204, 575));
    EXPECT_EQ(Theme()->GetColor(30), image.Pixel(1, 300));    // the margin in the bar colour
}

TEST_F(DockingThemesTest, GradientCaptionDotsAndButtons) {
    Select(5, 20);
    TestImage image(205, 100);
    Draw(Project(), image);
    EXPECT_EQ(CRect(185, 3, 201, 19), Project()->GetCloseButton().GetRect());
    EXPECT_EQ(CRect(169, 3, 185, 19), Project()->GetAutoHideButton().GetRect());
    EXPECT_EQ(Theme()->GetColor(51), image.Pixel(100, 0));  // the band's top row
    for (int y : {8, 12, 16, 20}) {
        EXPECT_EQ(Theme()->GetColor(20), image.Pixel(7, y - 1)) << y;
        EXPECT_EQ(Theme()->GetColor(38), image.Pixel(5, y - 3)) << y;
    }
    EXPECT_NE(Theme()->GetColor(20), image.Pixel(7, 23));  // no dot below the band
    EXPECT_EQ(23, Project()->GetPaneArea().top);
}

TEST_F(DockingThemesTest, GradientHotButtonsFollowTheColourScheme) {
    struct Case {
        int scheme;
        BOOL applied;
        COLORREF frame;
    } cases[] = {{1, TRUE, 0x800000}, {2, TRUE, 0x385D3F}, {0, FALSE, 0}, {4, FALSE, 0}};
    for (const Case& c : cases) {
        testScheme = c.scheme;
        CUIDockingPaneGradientTheme theme;
        EXPECT_EQ(c.applied, theme.m_schemeApplied) << c.scheme;
        CUIDockingPaneCaptionButton button(Project(), CaptionButtonClose);
        TestImage image(40, 40);
        CRect rect(10, 10, 26, 26);
        button.SetRect(rect);
        EXPECT_EQ(18, theme.DrawButtonBackground(&image.DC(), rect, button));
        button.CheckHot(rect.CenterPoint());
        int glyph = theme.DrawButtonBackground(&image.DC(), rect, button);
        if (c.applied) {
            EXPECT_EQ(0, glyph);
            EXPECT_EQ(c.frame, image.Pixel(10, 10));
            EXPECT_EQ(c.frame, theme.GetColor(32));
            EXPECT_NE(image.Pixel(15, 12), image.Pixel(15, 24));  // a vertical gradient
        } else {
            EXPECT_EQ(45, glyph);
            EXPECT_EQ(theme.GetColor(32), image.Pixel(10, 10));
            EXPECT_EQ(theme.GetColor(31), image.Pixel(15, 15));
        }
    }
}

TEST_F(DockingThemesTest, VisualStyleCaptionDrawsThemedPartsAndInactiveCloseState) {
    std::vector<RecordingVisualStyle::Part> parts;
    CUIDockingPaneVisualStyleTheme theme(new RecordingVisualStyle(&parts));
    ASSERT_GE(theme.m_captionTextHeight, 20);
    TestImage image(205, 100);
    const int h = theme.m_captionTextHeight;
    theme.DrawPane(&image.DC(), Project(), CRect(0, 0, 205, 100));
    ASSERT_EQ(2u, parts.size());
    EXPECT_EQ(2, parts[0].part);
    EXPECT_EQ(2, parts[0].state);  // inactive caption
    EXPECT_EQ(CRect(0, 2, 205, h + 1), parts[0].rect);
    EXPECT_EQ(19, parts[1].part);
    EXPECT_EQ(5, parts[1].state);  // inactive close button, whatever the mouse does
    int t = (2 + h + 1) / 2 - 6;
    EXPECT_EQ(CRect(190, t, 203, t + 13), parts[1].rect);
    EXPECT_EQ(CRect(175, t, 188, t + 13), Project()->GetAutoHideButton().GetRect());

    Project()->GetCloseButton().CheckHot(parts[1].rect.CenterPoint());
    parts.clear();
    Activate(frame->Pane(ProjectPane));
    theme.DrawPane(&image.DC(), Project(), CRect(0, 0, 205, 100));
    EXPECT_EQ(1, parts[0].state);
    EXPECT_EQ(2, parts[1].state);  // hot
}

TEST_F(DockingThemesTest, WholeFrameRendersInEveryTheme) {
    struct Case {
        int index;
        int captionHeight;
    } cases[] = {{0, 0}, {1, 0}, {2, 0}, {3, 15}, {5, 20}, {6, 0}};
    for (const Case& c : cases) {
        Select(c.index, c.captionHeight);
        TestImage image(1000, 700);
        RenderWindow(frame, image);
        image.SaveBmp(TestOutputPath("docking_frame_theme" + std::to_string(c.index) + ".bmp"));
        int bandBottom = Theme()->m_captionTextHeight + 3;
        EXPECT_EQ(bandBottom, Project()->GetPaneArea().top - (c.index == 3 ? 1 : 0)) << c.index;
        EXPECT_EQ(Theme()->GetColor(51), image.Pixel(206, 300)) << c.index;  // the splitter
    }
}

}  // namespace
