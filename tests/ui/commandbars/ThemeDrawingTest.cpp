#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/commandbars/UIThemeApi.h"
#include "ui/commandbars/UIToolBar.h"
#include "ui/commandbars/themes/UIClassicTheme.h"
#include "ui/commandbars/themes/UIFlatTheme.h"
#include "ui/commandbars/themes/UIGradientTheme.h"
#include "ui/commandbars/themes/UIThemeFonts.h"
#include "ui/commandbars/themes/UIVisualStyleTheme.h"

#include "platform/CFrameWnd.h"
#include "platform/CStatusBar.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <vssym32.h>

#include <cstdlib>
#include <vector>

namespace {

// A toolbar object (no window) of a bar type at a position, holding controls.
class BarObject : public CUIToolBar {
public:
    BarObject(int type, int position) {
        m_barType = type;
        m_position = position;
    }
    CUIControl* Add(int type, LPCSTR caption, int style = 0) {
        CUIControl* control = GetControls()->Add(type, 30000 + GetControlCount());
        control->SetCaption(caption);
        control->m_buttonStyle = style;
        return control;
    }
};

// The extent of a text in the bar font of horizontal bars.
CSize TextExtent(LPCSTR text) {
    TestImage image(10, 10);
    CUIGdiSelector font(image.DC().GetSafeHdc(), CUIThemeFonts::Get().regular.GetSafeHandle());
    return image.DC().GetTextExtent(text, lstrlenA(text));
}

bool Near(COLORREF a, COLORREF b, int tolerance = 3) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

// A theme whose frame waits are recorded, with a picture of the destination taken at each.
template <class Theme>
class RecordingWaits : public Theme {
public:
    void SleepFrame(int milliseconds) override {
        m_waits.push_back(milliseconds);
        if (m_watch)
            m_seen.push_back(m_watch->Pixel(0, 0));
    }
    std::vector<int> m_waits;
    std::vector<COLORREF> m_seen;
    TestImage* m_watch = nullptr;
};

// A gradient theme under a colour scheme of the test's choice.
class SchemeGradientTheme : public CUIGradientTheme {
public:
    explicit SchemeGradientTheme(int scheme) : m_scheme(scheme) { RefreshMetrics(); }

protected:
    int QueryColorScheme() override { return m_scheme; }

private:
    int m_scheme;
};

// Visual-style access that records what is drawn and answers "themed" as told.
class RecordingThemeApi : public CUIThemeApi {
public:
    struct Drawn {
        int part, state;
        CRect rect;
    };
    explicit RecordingThemeApi(std::vector<Drawn>* drawn, BOOL themed) : m_drawn(drawn), m_themed(themed) {}
    void OpenThemeData(HWND, LPCWSTR) override {}
    HRESULT DrawThemeBackground(HDC, int part, int state, const RECT* rect, const RECT*) override {
        m_drawn->push_back({part, state, *rect});
        return S_OK;
    }
    BOOL IsAppThemed() override { return m_themed; }

private:
    std::vector<Drawn>* m_drawn;
    BOOL m_themed;
};

}  // namespace

TEST(ControlLayout, ToolbarControlsMeasureFromTheirTextAndIcons) {
    CUIClassicTheme theme;
    BarObject toolBar(uiBarTypeToolBar, uiBarTop);
    BarObject menuBar(uiBarTypeMenuBar, uiBarTop);
    TestImage image(10, 10);
    const CSize file = TextExtent("File");
    struct Case {
        CUIControl* control;
        CSize size;
    } cases[] = {
        {toolBar.Add(uiControlButton, ""), CSize(23, 23)},
        {toolBar.Add(uiControlSplitButtonPopup, ""), CSize(34, 23)},
        // A caption without an image: a 4-pixel margin, the text and 3 more.
        {toolBar.Add(uiControlButton, "File", 1), CSize(4 + file.cx + 3, std::max<int>(file.cy + 6, 23))},
        // A menu-bar title: room for an arrow that is never drawn there.
        {menuBar.Add(uiControlPopup, "&File"), CSize(file.cx + 16, file.cy + 6)},
        {menuBar.Add(uiControlPopup, "&&File"), CSize(TextExtent("&File").cx + 16, file.cy + 6)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.size, theme.DrawToolBarControl(&image.DC(), c.control, FALSE)) << c.control->GetCaption();
    // An empty caption still has the height of a space (in the font the caller selected).
    CUIGdiSelector font(image.DC().GetSafeHdc(), CUIThemeFonts::Get().regular.GetSafeHandle());
    EXPECT_EQ(TextExtent(" ").cy, theme.DrawCaptionText(&image.DC(), "", CRect(), FALSE, FALSE, FALSE, FALSE, FALSE).cy);
    EXPECT_EQ("a&b", std::string(CUICommandBarsTheme::StripAmpersands("&a&&b")));
}

TEST(ControlLayout, TheExpandButtonTakesTheBarsEnd) {
    CUIClassicTheme theme;
    BarObject horizontal(uiBarTypeToolBar, uiBarTop);
    BarObject vertical(uiBarTypeToolBar, uiBarLeft);
    CUIControl* across = horizontal.Add(uiControlButtonPopup, "");
    CUIControl* down = vertical.Add(uiControlButtonPopup, "");
    CSize size(200, 26);
    theme.DrawSpecialControl(nullptr, 0, across, &horizontal, FALSE, &size);
    EXPECT_EQ(CRect(187, 2, 198, 24), across->GetRect());
    size = CSize(26, 200);
    theme.DrawSpecialControl(nullptr, 0, down, &vertical, FALSE, &size);
    EXPECT_EQ(CRect(2, 187, 24, 198), down->GetRect());
    // The popup expand entry is 12 high even when measured.
    EXPECT_EQ(CSize(0, 12), theme.DrawSpecialControl(nullptr, 1, across, &horizontal, FALSE, nullptr));
}

TEST(FlatTheme, ButtonStatesAreFramedRectangles) {
    CUIFlatTheme theme;
    struct Case {
        int selected, pressed, checked;
        BOOL popupOpen;
        int frame, fill;
    } cases[] = {
        {1, 0, 0, FALSE, BARCOLOR_HIGHLIGHT_BORDER, BARCOLOR_HIGHLIGHT},
        {1, 1, 0, FALSE, BARCOLOR_PUSHED_BORDER, BARCOLOR_HIGHLIGHT_PUSHED},
        {0, 2, 0, FALSE, BARCOLOR_PUSHED_BORDER, BARCOLOR_HIGHLIGHT_PUSHED},
        {0, 0, 1, FALSE, BARCOLOR_PUSHED_BORDER, BARCOLOR_CHECKED},
        {1, 0, 1, FALSE, BARCOLOR_CHECKED_HOT_BORDER, BARCOLOR_HIGHLIGHT_PUSHED},
        {0, 0, 0, TRUE, BARCOLOR_MENU_BORDER, BARCOLOR_TOOLBAR_FACE},
    };
    for (const Case& c : cases) {
        TestImage image(23, 23, RGB(1, 2, 3));
        theme.DrawButtonRectangle(&image.DC(), CRect(0, 0, 23, 23), c.selected, c.pressed, TRUE, c.checked,
                                  c.popupOpen, TRUE, uiBarTop);
        EXPECT_EQ(theme.GetColor(c.frame), image.Pixel(0, 11)) << c.selected << c.pressed << c.checked;
        EXPECT_EQ(theme.GetColor(c.fill), image.Pixel(11, 11)) << c.selected << c.pressed << c.checked;
    }
    // Idle: nothing drawn. Captions: hot 45, pressed 47, idle 46.
    TestImage image(23, 23, RGB(1, 2, 3));
    theme.DrawButtonBackground(&image.DC(), CRect(0, 0, 23, 23), TRUE, 0, 0, 0, FALSE, uiBarTop);
    EXPECT_EQ(RGB(1, 2, 3), image.Pixel(0, 0));
    EXPECT_EQ(theme.GetColor(BARCOLOR_TOOLBAR_TEXT), image.DC().GetTextColor());
    theme.DrawButtonBackground(&image.DC(), CRect(0, 0, 23, 23), TRUE, 1, 0, 0, FALSE, uiBarTop);
    EXPECT_EQ(theme.GetColor(BARCOLOR_HIGHLIGHT_TEXT), image.DC().GetTextColor());
    theme.DrawButtonBackground(&image.DC(), CRect(0, 0, 23, 23), TRUE, 1, 1, 0, FALSE, uiBarTop);
    EXPECT_EQ(theme.GetColor(BARCOLOR_PUSHED_TEXT), image.DC().GetTextColor());
}

TEST(FlatTheme, TearOffLinesFollowThePopupsWidth) {
    CUIFlatTheme theme;
    for (int width : {30, 200}) {
        TestImage image(width + 2, 12);
        EXPECT_EQ(CSize(0, 9), theme.DrawTearOffGripper(&image.DC(), CRect(0, 0, width, 9), FALSE, TRUE));
        EXPECT_EQ(width == 30 ? 10 : 32, image.CountPixels(CRect(0, 3, width + 2, 4), theme.GetColor(BARCOLOR_GRIPPER)));
    }
}

TEST(ClassicTheme, ACheckedIdleButtonIsDitheredInASunkenFrame) {
    CUIClassicTheme theme;
    TestImage image(23, 23, RGB(1, 2, 3));
    theme.DrawButtonRectangle(&image.DC(), CRect(0, 0, 23, 23), 0, 0, TRUE, 1, FALSE, TRUE, uiBarTop);
    EXPECT_EQ(theme.GetColor(COLOR_BTNSHADOW), image.Pixel(0, 5));
    EXPECT_EQ(theme.GetColor(COLOR_BTNHIGHLIGHT), image.Pixel(22, 5));
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF a = image.Pixel(5, 5), b = image.Pixel(6, 5);
    EXPECT_TRUE((a == face && b == light) || (a == light && b == face));
    EXPECT_EQ(a, image.Pixel(6, 6));
    // Hot, the same button shows the plain sunken frame.
    TestImage hot(23, 23, RGB(1, 2, 3));
    theme.DrawButtonRectangle(&hot.DC(), CRect(0, 0, 23, 23), 1, 0, TRUE, 1, FALSE, TRUE, uiBarTop);
    EXPECT_EQ(RGB(1, 2, 3), hot.Pixel(5, 5));
    EXPECT_EQ(theme.GetColor(COLOR_BTNSHADOW), hot.Pixel(0, 5));
}

TEST(Themes, StatusPanesAreFramedByTheTheme) {
    CUIClassicTheme classic;
    CUIFlatTheme flat;
    CUIGradientTheme gradient;
    struct Case {
        CUICommandBarsTheme* theme;
        COLORREF left, right;
    } cases[] = {
        {&classic, classic.GetColor(COLOR_BTNSHADOW), classic.GetColor(COLOR_BTNHIGHLIGHT)},
        {&flat, flat.GetColor(COLOR_BTNSHADOW), flat.GetColor(COLOR_BTNSHADOW)},
        {&gradient, gradient.GetGradientColors().statusFrame, gradient.GetGradientColors().statusFrame},
    };
    for (const Case& c : cases) {
        TestImage image(60, 20, RGB(1, 2, 3));
        CRect pane(0, 0, 50, 20);
        c.theme->DrawStatusBarPane(&image.DC(), pane, 0, "");
        EXPECT_EQ(c.left, image.Pixel(0, 5)) << c.theme->GetThemeKind();
        EXPECT_EQ(c.right, image.Pixel(49, 5)) << c.theme->GetThemeKind();
        EXPECT_EQ(CRect(2, 1, 48, 19), pane);
        TestImage plain(60, 20, RGB(1, 2, 3));
        CRect borderless(0, 0, 50, 20);
        c.theme->DrawStatusBarPane(&plain.DC(), borderless, SBPS_NOBORDERS, "");
        EXPECT_EQ(RGB(1, 2, 3), plain.Pixel(0, 5));
    }
}

TEST(GradientTheme, TheNormalColorSchemeGivesWarmButtonGradients) {
    SchemeGradientTheme scheme(1);
    ASSERT_TRUE(scheme.IsSchemeApplied());
    EXPECT_EQ(RGB(22, 30, 54), scheme.m_shadowColor);
    EXPECT_EQ(RGB(158, 190, 245), scheme.GetGradientColors().dockLeft);
    EXPECT_EQ(RGB(0, 0, 128), scheme.GetColor(BARCOLOR_HIGHLIGHT_BORDER));
    TestImage hot(23, 23);
    scheme.DrawButtonRectangle(&hot.DC(), CRect(0, 0, 23, 23), 1, 0, TRUE, 0, FALSE, TRUE, uiBarTop);
    EXPECT_EQ(RGB(0, 0, 128), hot.Pixel(0, 11));
    EXPECT_TRUE(Near(RGB(255, 242, 200), hot.Pixel(11, 1), 4)) << std::hex << hot.Pixel(11, 1);
    EXPECT_TRUE(Near(RGB(255, 212, 151), hot.Pixel(11, 21), 4)) << std::hex << hot.Pixel(11, 21);

    // Without a recognised scheme the same button looks as under the flat theme.
    SchemeGradientTheme plain(0);
    CUIFlatTheme flat;
    EXPECT_FALSE(plain.IsSchemeApplied());
    EXPECT_EQ(RGB(0, 0, 0), plain.m_shadowColor);
    TestImage unschemed(23, 23), flatImage(23, 23);
    plain.DrawButtonRectangle(&unschemed.DC(), CRect(0, 0, 23, 23), 1, 0, TRUE, 0, FALSE, TRUE, uiBarTop);
    flat.DrawButtonRectangle(&flatImage.DC(), CRect(0, 0, 23, 23), 1, 0, TRUE, 0, FALSE, TRUE, uiBarTop);
    EXPECT_EQ(flatImage.Pixel(0, 11), unschemed.Pixel(0, 11));
    EXPECT_EQ(flatImage.Pixel(11, 11), unschemed.Pixel(11, 11));

    // An open popup's button always gets the open-popup gradient in a palette-43 frame.
    for (SchemeGradientTheme* theme : {&scheme, &plain}) {
        TestImage open(23, 23);
        theme->DrawButtonRectangle(&open.DC(), CRect(0, 0, 23, 23), 0, 0, TRUE, 0, TRUE, TRUE, uiBarTop);
        EXPECT_EQ(theme->GetColor(BARCOLOR_MENU_BORDER), open.Pixel(0, 11));
        EXPECT_TRUE(Near(theme->GetGradientColors().openTop, open.Pixel(11, 1), 12));
    }
}

TEST(GradientTheme, BordersGrippersAndTheExpandImage) {
    CUIGradientTheme theme;
    BarObject top(uiBarTypeToolBar, uiBarTop), left(uiBarTypeToolBar, uiBarLeft);
    EXPECT_EQ(CRect(4, 2, 2, 2), theme.GetBarBorders(&top));
    EXPECT_EQ(CRect(2, 2, 2, 2), theme.GetBarBorders(&left));
    EXPECT_EQ(CSize(6, 0), theme.DrawBarGripper(nullptr, &top, FALSE));
    EXPECT_EQ(CSize(0, 9), theme.DrawBarGripper(nullptr, &left, FALSE));
    EXPECT_EQ(CSize(0, 18), theme.DrawSpecialControl(nullptr, 1, nullptr, &top, FALSE, nullptr));
    // The expand image's table: transparent corners, the darkest shades bottom right.
    EXPECT_EQ(255, CUIGradientTheme::ExpandShades[0]);
    EXPECT_EQ(0, CUIGradientTheme::ExpandShades[16 * 8 + 15]);
    EXPECT_EQ(252, CUIGradientTheme::ExpandShades[16 * 15 + 4]);
}

TEST(VisualStyleTheme, ThemedButtonsAndGrippersUseTheStyleParts) {
    std::vector<RecordingThemeApi::Drawn> drawn;
    CUIVisualStyleTheme theme;
    theme.SetThemeApis(new RecordingThemeApi(&drawn, TRUE), new RecordingThemeApi(&drawn, TRUE));
    EXPECT_TRUE(theme.m_fadedIcons);
    EXPECT_FALSE(theme.m_iconShadow);
    struct Case {
        int selected, pressed;
        BOOL enabled;
        int checked;
        BOOL popupOpen;
        int state;
    } cases[] = {
        {1, 0, TRUE, 1, FALSE, TS_HOTCHECKED}, {0, 1, TRUE, 1, FALSE, TS_NORMAL}, {0, 0, TRUE, 1, FALSE, TS_CHECKED},
        {1, 0, TRUE, 0, FALSE, TS_HOT},        {1, 1, TRUE, 0, FALSE, TS_PRESSED}, {0, 2, TRUE, 0, FALSE, TS_PRESSED},
        {0, 0, TRUE, 0, TRUE, TS_PRESSED},     {1, 0, FALSE, 0, FALSE, TS_DISABLED}, {0, 0, TRUE, 0, FALSE, TS_NORMAL},
    };
    TestImage image(40, 40);
    for (const Case& c : cases) {
        drawn.clear();
        theme.DrawButtonRectangle(&image.DC(), CRect(1, 2, 24, 25), c.selected, c.pressed, c.enabled, c.checked,
                                  c.popupOpen, TRUE, uiBarTop);
        ASSERT_EQ(1u, drawn.size());
        EXPECT_EQ(TP_BUTTON, drawn[0].part);
        EXPECT_EQ(c.state, drawn[0].state) << c.selected << c.pressed << c.enabled << c.checked << c.popupOpen;
        EXPECT_EQ(CRect(1, 2, 24, 25), drawn[0].rect);
    }
    BarObject top(uiBarTypeToolBar, uiBarTop);
    drawn.clear();
    EXPECT_EQ(CSize(8, 0), theme.DrawBarGripper(&image.DC(), &top, TRUE));
    ASSERT_EQ(1u, drawn.size());
    EXPECT_EQ(RP_GRIPPER, drawn[0].part);
}

TEST(VisualStyleTheme, BarsSideBySideShowOneBand) {
    TestApplication app;
    std::vector<RecordingThemeApi::Drawn> drawn;
    CUIVisualStyleTheme theme;
    theme.SetThemeApis(new RecordingThemeApi(&drawn, TRUE), new RecordingThemeApi(&drawn, TRUE));
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "band", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 200)));
    CWnd first, second;
    ASSERT_TRUE(first.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 26), frame, 1));
    ASSERT_TRUE(second.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(100, 0, 250, 26), frame, 2));
    TestImage image(10, 10);
    theme.DrawRebarBackground(&image.DC(), &first, frame);
    theme.DrawRebarBackground(&image.DC(), &second, frame);
    ASSERT_EQ(2u, drawn.size());
    // Each band rectangle, moved to where its window is, is the same frame-wide band.
    CRect one = drawn[0].rect, two = drawn[1].rect;
    one.OffsetRect(GetWindowRectOf(&first).TopLeft());
    two.OffsetRect(GetWindowRectOf(&second).TopLeft());
    EXPECT_EQ(one, two);
    EXPECT_EQ(GetWindowRectOf(frame).Width(), one.Width());
    frame->DestroyWindow();
}

TEST(VisualStyleTheme, WithoutVisualStylesItDrawsAsTheClassicTheme) {
    std::vector<RecordingThemeApi::Drawn> drawn;
    CUIVisualStyleTheme theme;
    theme.SetThemeApis(new RecordingThemeApi(&drawn, FALSE), new RecordingThemeApi(&drawn, FALSE));
    CUIClassicTheme classic;
    for (int selected : {0, 1}) {
        TestImage styled(23, 23, RGB(1, 2, 3)), plain(23, 23, RGB(1, 2, 3));
        theme.DrawButtonRectangle(&styled.DC(), CRect(0, 0, 23, 23), selected, 0, TRUE, 1, FALSE, TRUE, uiBarTop);
        classic.DrawButtonRectangle(&plain.DC(), CRect(0, 0, 23, 23), selected, 0, TRUE, 1, FALSE, TRUE, uiBarTop);
        for (int x = 0; x < 23; x += 3)
            EXPECT_EQ(plain.Pixel(x, x), styled.Pixel(x, x)) << x;
    }
    EXPECT_TRUE(drawn.empty());
}

TEST(Animations, UnfoldAndSlideGrowFromTheTopLeftAndTheTop) {
    // The source: red top half, blue bottom half.
    TestImage source(40, 20, RGB(255, 0, 0));
    source.DC().FillSolidRect(CRect(0, 10, 40, 20), RGB(0, 0, 255));
    for (int kind : {2, 3}) {
        TestImage screen(40, 20, RGB(0, 0, 0));
        RecordingWaits<CUIClassicTheme> theme;
        theme.m_animationSteps = 2;
        theme.m_animationDuration = 40;
        theme.m_watch = &screen;
        theme.AnimatePopup(&screen.DC(), &source.DC(), CRect(0, 0, 40, 20), kind);
        EXPECT_EQ((std::vector<int>{20, 20}), theme.m_waits) << kind;
        // Half way the destination's corner shows the source's lower part; at the end
        // the whole popup.
        EXPECT_EQ((std::vector<COLORREF>{RGB(0, 0, 255), RGB(255, 0, 0)}), theme.m_seen) << kind;
        EXPECT_EQ(RGB(0, 0, 255), screen.Pixel(39, 19));
    }
    // Other kinds draw nothing.
    TestImage screen(40, 20, RGB(0, 0, 0));
    RecordingWaits<CUIClassicTheme> theme;
    theme.AnimatePopup(&screen.DC(), &source.DC(), CRect(0, 0, 40, 20), 1);
    EXPECT_TRUE(theme.m_waits.empty());
    EXPECT_EQ(RGB(0, 0, 0), screen.Pixel(0, 0));
}

TEST(Animations, TheFadeNeverShowsTheFullImageItself) {
    TestImage source(16, 8, RGB(255, 255, 255));
    for (int steps : {2, 10}) {
        TestImage screen(16, 8, RGB(0, 0, 0));
        RecordingWaits<CUIFlatTheme> theme;
        theme.m_animationSteps = steps;
        theme.m_animationDuration = 0;
        theme.AnimatePopup(&screen.DC(), &source.DC(), CRect(0, 0, 16, 8), 4);
        const int last = 255 * (255 * (steps - 1) / steps) >> 8;
        EXPECT_EQ(RGB(last, last, last), screen.Pixel(7, 3)) << steps;
    }
    // Blending per byte: weight 255 is nearly the foreground, 0 the background (the
    // fourth byte untouched).
    const BYTE foreground[4] = {200, 100, 0, 7}, background[4] = {0, 100, 200, 9};
    BYTE out[4] = {1, 1, 1, 42};
    CUICommandBarsTheme::BlendBits(out, background, 1, 1, foreground, 255);
    EXPECT_EQ((std::vector<BYTE>{199, 99, 0, 42}), std::vector<BYTE>(out, out + 4));
    CUICommandBarsTheme::BlendBits(out, background, 1, 1, foreground, 0);
    EXPECT_EQ((std::vector<BYTE>{0, 99, 199, 42}), std::vector<BYTE>(out, out + 4));
}
