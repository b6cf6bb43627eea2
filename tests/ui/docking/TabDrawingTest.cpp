#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"
#include "tests/ui/docking/TestTabStrip.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/docking/tabs/UITabAppearance.h"
#include "ui/docking/tabs/UITabColorSet.h"

namespace {
const COLORREF Magenta = RGB(255, 0, 255);
COLORREF Palette(int index) { return GetUISystemPalette().GetColor(index); }

// A strip whose one or two items are placed by hand, for drawing single tabs.
struct PlacedTab {
    explicit PlacedTab(int appearance, CRect rect, BOOL selected) {
        strip.layOut = FALSE;
        strip.theme.SetAppearance(appearance);
        strip.theme.tabIcons = FALSE;
        item = strip.InsertItem(0);
        if (selected) strip.SelectItemAt(0);
        item->rect = rect;
    }
    void Draw(TestImage& image) { strip.theme.GetAppearance()->DrawSingleTab(&image.DC(), item); }
    TestTabStrip strip;
    CUITabStripItem* item;
};

TEST(TabDrawing, ClassicTabEdgesExactlyPlaced) {
    TestImage image(100, 60, Magenta);
    PlacedTab tab(0, CRect(10, 20, 60, 40), FALSE);
    tab.Draw(image);
    COLORREF light = Palette(COLOR_BTNHIGHLIGHT), dark = Palette(COLOR_3DDKSHADOW), shadow = Palette(COLOR_BTNSHADOW);
    EXPECT_EQ(18, image.CountPixels(CRect(10, 22, 11, 40), light));
    EXPECT_EQ(light, image.Pixel(11, 21));
    EXPECT_EQ(46, image.CountPixels(CRect(12, 20, 58, 21), light));
    EXPECT_EQ(Magenta, image.Pixel(11, 20));
    EXPECT_EQ(Magenta, image.Pixel(58, 20));
    EXPECT_EQ(dark, image.Pixel(58, 21));
    EXPECT_EQ(17, image.CountPixels(CRect(59, 22, 60, 39), dark));
    EXPECT_EQ(17, image.CountPixels(CRect(58, 22, 59, 39), shadow));
    EXPECT_EQ(Palette(COLOR_BTNFACE), image.Pixel(30, 30));
}

TEST(TabDrawing, SelectedClassicTabGrowsAndJoinsTheClient) {
    TestImage image(100, 60, Magenta);
    PlacedTab tab(0, CRect(10, 20, 60, 40), TRUE);
    tab.Draw(image);
    COLORREF light = Palette(COLOR_BTNHIGHLIGHT), face = tab.strip.theme.GetColorSet()->selectedFaceColour;
    EXPECT_EQ(light, image.Pixel(8, 25));
    EXPECT_EQ(light, image.Pixel(20, 18));
    EXPECT_EQ(Palette(COLOR_3DDKSHADOW), image.Pixel(61, 25));
    // The bottom row is the fill colour from just inside the left edge to the shadow.
    EXPECT_EQ(51, image.CountPixels(CRect(9, 39, 60, 40), face));
}

TEST(TabDrawing, SlantedTabReachesBeyondItsLeftEdge) {
    TestImage image(200, 60, Magenta);
    PlacedTab tab(3, CRect(100, 20, 160, 40), FALSE);
    tab.Draw(image);
    // The fill starts 4 pixels in at the top and reaches 12 pixels left at the bottom.
    EXPECT_NE(Magenta, image.Pixel(105, 26));
    EXPECT_EQ(Magenta, image.Pixel(98, 24));
    EXPECT_NE(Magenta, image.Pixel(90, 36));
    EXPECT_EQ(Magenta, image.Pixel(85, 30));
    EXPECT_EQ(tab.strip.theme.GetColorSet()->slantBorderColour, image.Pixel(160, 30));
}

TEST(TabDrawing, TrapezoidIsMovedLeftAndWidensTowardsItsBase) {
    TestImage image(200, 60, Magenta);
    PlacedTab tab(7, CRect(100, 20, 160, 41), FALSE);
    tab.Draw(image);
    COLORREF outline = tab.strip.theme.GetColorSet()->outlineColour[0];
    // 20 high: moved left by 5, the top runs from 105 to 155, the base from 95 to 165.
    EXPECT_EQ(outline, image.Pixel(105, 20));
    EXPECT_EQ(outline, image.Pixel(154, 20));
    EXPECT_EQ(Magenta, image.Pixel(156, 20));
    EXPECT_NE(Magenta, image.Pixel(97, 39));
    EXPECT_NE(Magenta, image.Pixel(163, 39));
    EXPECT_EQ(Magenta, image.Pixel(93, 39));
}

TEST(TabDrawing, RoundBoxLeavesTheCornersOpen) {
    TestImage image(100, 60, Magenta);
    PlacedTab tab(2, CRect(10, 20, 60, 40), FALSE);
    tab.Draw(image);
    COLORREF frame = tab.strip.theme.GetColorSet()->frameBorderColour;
    EXPECT_EQ(Magenta, image.Pixel(10, 20));
    EXPECT_EQ(Magenta, image.Pixel(60, 20));
    EXPECT_EQ(frame, image.Pixel(30, 20));
    EXPECT_EQ(frame, image.Pixel(10, 30));
    // Smoothed: the pixel beside the corner is half way to the corner's colour.
    EXPECT_NE(frame, image.Pixel(10, 21));
    EXPECT_NE(Magenta, image.Pixel(10, 21));
}

TEST(TabDrawing, NavigateButtonGlyphs) {
    TestTabStrip strip(CRect(0, 0, 120, 30));
    strip.Add({"第一个窗口", "第二个窗口", "第三个窗口"});
    strip.SetScrollOffset(-20);
    CUITabNavigateButton* left = strip.FindNavigateButton(NavigateButtonLeft);
    ASSERT_TRUE(left->IsEnabled());
    // A triangle pointing left: its tip at (cx - 2, cy - 1), its base at cx + 2.
    TestImage glyph(20, 20, RGB(255, 255, 255));
    glyph.DC().SelectStockObject(BLACK_BRUSH);
    glyph.DC().SelectStockObject(BLACK_PEN);
    left->DrawGlyph(&glyph.DC(), CRect(3, 3, 17, 18));  // centre (10, 10)
    EXPECT_EQ(RGB(0, 0, 0), glyph.Pixel(8, 9));
    EXPECT_EQ(RGB(0, 0, 0), glyph.Pixel(12, 5));
    EXPECT_EQ(RGB(0, 0, 0), glyph.Pixel(12, 13));
    EXPECT_EQ(RGB(255, 255, 255), glyph.Pixel(7, 9));
    EXPECT_EQ(RGB(255, 255, 255), glyph.Pixel(13, 9));

    TestImage cross(20, 20, RGB(255, 255, 255));
    cross.DC().SelectStockObject(BLACK_PEN);
    strip.FindNavigateButton(NavigateButtonClose)->DrawGlyph(&cross.DC(), CRect(0, 0, 14, 15));
    EXPECT_EQ(RGB(0, 0, 0), cross.Pixel(3, 3));
    EXPECT_EQ(RGB(0, 0, 0), cross.Pixel(4, 3));
    EXPECT_EQ(RGB(255, 255, 255), cross.Pixel(10, 10));
    EXPECT_EQ(RGB(0, 0, 0), cross.Pixel(3, 9));
}

// A visual style whose tab picture shows which edge is the outer one: blue along the
// top row (the edge away from the client), green down the left column, red elsewhere.
class RecordingStyle : public CUITabVisualStyle {
public:
    void Open(LPCWSTR classList) override { opened.push_back(classList); }
    BOOL IsActive() override { return TRUE; }
    void DrawBackground(HDC dc, int part, int state, const RECT* rect) override {
        calls.push_back(part * 100 + state);
        CDC* target = CDC::FromHandle(dc);
        target->FillSolidRect(rect, RGB(255, 0, 0));
        target->FillSolidRect(rect->left, rect->top, rect->right - rect->left, 1, RGB(0, 0, 255));
        target->FillSolidRect(rect->left, rect->top + 1, 1, rect->bottom - rect->top - 1, RGB(0, 255, 0));
    }
    static std::vector<std::wstring> opened;
    static std::vector<int> calls;
};
std::vector<std::wstring> RecordingStyle::opened;
std::vector<int> RecordingStyle::calls;

class ThemedTabTest : public testing::Test {
protected:
    void SetUp() override {
        RecordingStyle::opened.clear();
        RecordingStyle::calls.clear();
        SetTabVisualStyleFactory([]() -> CUITabVisualStyle* { return new RecordingStyle; });
    }
    void TearDown() override { SetTabVisualStyleFactory(nullptr); }
};

TEST_F(ThemedTabTest, TabPictureIsTurnedSoItsOpenEdgeFacesTheClient) {
    struct Case {
        int position;
        CPoint outer, inner;  // where the picture's top row and a far pixel land
    } cases[] = {{TabPositionTop, CPoint(30, 19), CPoint(30, 39)},
                 {TabPositionBottom, CPoint(30, 41), CPoint(30, 21)},
                 {TabPositionLeft, CPoint(9, 30), CPoint(58, 30)},
                 {TabPositionRight, CPoint(61, 30), CPoint(11, 30)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        TestImage image(100, 60, Magenta);
        PlacedTab tab(0, CRect(10, 20, 60, 40), FALSE);
        tab.strip.theme.SetPosition(c.position);
        tab.strip.theme.SetColorSet(8);
        CUITabColorSet* colors = tab.strip.theme.GetColorSet();
        EXPECT_TRUE(colors->IsAppThemed());
        EXPECT_EQ(TabNoColor, colors->edgeLightColour);
        COLORREF used = colors->FillItem(&image.DC(), tab.item->rect, tab.item);
        EXPECT_EQ(TabNoColor, used);
        EXPECT_EQ(RGB(0, 0, 255), image.Pixel(c.outer.x, c.outer.y));
        EXPECT_EQ(RGB(255, 0, 0), image.Pixel(c.inner.x, c.inner.y));
    }
    EXPECT_EQ(L"TAB", RecordingStyle::opened.at(0));
    EXPECT_EQ(L"TOOLBAR", RecordingStyle::opened.at(1));
    EXPECT_EQ(101, RecordingStyle::calls.at(0));  // tab item part, normal state
}

TEST(TabColors, SetsDifferByKindAndAppearance) {
    CUITabTheme theme;
    theme.SetAppearance(5);
    CUITabColorSet* flat = theme.GetColorSet();
    EXPECT_EQ(Palette(BARCOLOR_SHADOW_DEEP), flat->normalTextColour);
    EXPECT_EQ(Palette(BARCOLOR_FACE_BRIGHT), flat->headerFaceColour.first);
    theme.SetAppearance(4);
    EXPECT_EQ(Palette(COLOR_BTNFACE), theme.GetColorSet()->headerFaceColour.first);
    theme.SetAppearance(0);
    EXPECT_EQ(TabDitherPattern, theme.GetColorSet()->buttonFaceColour.first);
    theme.SetAppearance(3);
    auto* scheme = dynamic_cast<CUITabColorSetScheme*>(theme.GetColorSet());
    ASSERT_NE(nullptr, scheme);
    if (!scheme->schemeApplied) {
        EXPECT_EQ(Palette(BARCOLOR_CHECKED), scheme->selectedFaceColour);
    }
    theme.plainSchemeColors = TRUE;
    theme.SetColorSet(4);
    EXPECT_EQ(Palette(COLOR_BTNFACE), theme.GetColorSet()->selectedFaceColour);
}

TEST(TabColors, GradientRunsFromTheOuterEdgeToTheClient) {
    CUITabTheme theme;
    for (int position : {TabPositionTop, TabPositionBottom}) {
        TestImage image(20, 20, Magenta);
        theme.GetColorSet()->GradientFill(&image.DC(), CRect(0, 0, 20, 20), RGB(0, 0, 0), RGB(255, 255, 255), position);
        BOOL top = position == TabPositionTop;
        EXPECT_LT(GetRValue(image.Pixel(10, top ? 0 : 19)), 20) << position;
        EXPECT_GT(GetRValue(image.Pixel(10, top ? 19 : 0)), 235) << position;
    }
    TestImage dither(8, 8, Magenta);
    theme.GetColorSet()->GradientFill(&dither.DC(), CRect(0, 0, 8, 8), TabDitherPattern, 0, TabPositionTop);
    EXPECT_NE(dither.Pixel(0, 0), dither.Pixel(1, 0));
    EXPECT_EQ(dither.Pixel(0, 0), dither.Pixel(1, 1));
}

// Every appearance in the four positions: the pictures people look at, and the
// invariants of turned strips: nothing drawn outside the control, the selected tab
// drawn over the client side of the header.
TEST(TabDrawing, EveryAppearanceInTheFourPositions) {
    const CRect areas[4] = {CRect(10, 10, 290, 130), CRect(300, 10, 420, 290), CRect(10, 150, 290, 270),
                            CRect(430, 10, 550, 290)};
    for (int appearance = 0; appearance <= 8; ++appearance) {
        SCOPED_TRACE(appearance);
        TestImage image(560, 300, Magenta);
        for (int position = 0; position < 4; ++position) {
            TestTabStrip strip(areas[position]);
            strip.theme.SetAppearance(appearance);
            strip.theme.SetPosition(position);
            strip.theme.hotTabs = TRUE;
            strip.Add({"工程", "梯形图", "指令表", "注释"});
            strip.SelectItemAt(1);
            strip.SetHotItem(strip.GetItem(2));
            strip.Draw(&image.DC());
            CRect outside = areas[position];
            outside.InflateRect(3, 3);
            for (int x = outside.left; x < outside.right; ++x) {
                EXPECT_EQ(Magenta, image.Pixel(x, outside.top)) << position;
                EXPECT_EQ(Magenta, image.Pixel(x, outside.bottom - 1)) << position;
            }
            EXPECT_EQ(0, image.CountPixels(areas[position], Magenta)) << position;
        }
        image.SaveBmp(TestOutputPath("tab-appearance-" + std::to_string(appearance) + ".bmp"));
    }
}
}  // namespace
