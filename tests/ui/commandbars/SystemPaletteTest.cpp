#include "ui/commandbars/UISystemPalette.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kGrey = RGB(0xC0, 0xC0, 0xC0);
const COLORREF kDarkGrey = RGB(0x80, 0x80, 0x80);
const COLORREF kNavy = RGB(0, 0, 0x80);

// System colours, display depth and scheme as a test sets them.
class FakePaletteSource : public IPaletteSource {
public:
    FakePaletteSource() {
        // The classic grey scheme.
        for (COLORREF& color : colors) color = kBlack;
        colors[COLOR_WINDOW] = kWhite;
        colors[COLOR_BTNFACE] = kGrey;
        colors[COLOR_BTNSHADOW] = kDarkGrey;
        colors[COLOR_GRAYTEXT] = kDarkGrey;
        colors[COLOR_HIGHLIGHT] = kNavy;
        colors[COLOR_HIGHLIGHTTEXT] = kWhite;
        colors[COLOR_BTNHIGHLIGHT] = kWhite;
        colors[COLOR_3DLIGHT] = RGB(0xE0, 0xE0, 0xE0);
    }
    COLORREF GetSysColor(int index) const override { return colors[index]; }
    BOOL IsLowColor() const override { return lowColor; }
    int GetLunaColorScheme() const override { return scheme; }

    COLORREF colors[28];
    BOOL lowColor = FALSE;
    int scheme = 0;
};

class SystemPaletteTest : public testing::Test {
protected:
    void SetUp() override { palette.SetSource(&source); }
    COLORREF Refreshed() {
        palette.RefreshColors(FALSE);
        return palette.GetColor(BARCOLOR_TOOLBAR_FACE);
    }

    FakePaletteSource source;
    CUISystemPalette palette;
};

TEST(ColorHelpers, BlendRoundsHalfUpInHundredthsOrPerMille) {
    EXPECT_EQ(BlendColors(kWhite, kBlack, 50), RGB(128, 128, 128));  // 127.5 becomes 128
    EXPECT_EQ(BlendColors(kWhite, kBlack, 500), RGB(128, 128, 128));
    EXPECT_EQ(BlendColors(kWhite, kGrey, 165), RGB(0xCA, 0xCA, 0xCA));  // 16.5 %
    EXPECT_EQ(BlendColors(RGB(10, 20, 30), RGB(110, 120, 130), 0), RGB(110, 120, 130));
    EXPECT_EQ(BlendColors(RGB(10, 20, 30), RGB(110, 120, 130), 1000), RGB(10, 20, 30));
}

TEST(ColorHelpers, ChannelsAreClampedAndCapped) {
    EXPECT_EQ(ClampRGB(-5, 300, 7), RGB(0, 255, 7));
    EXPECT_EQ(COLORREF(CUIColorRef(RGB(250, 10, 0)).AddGray(15)), RGB(255, 25, 15));
    EXPECT_EQ(COLORREF(CUIColorRef(RGB(1, 2, 3)).AddGray(-20)), RGB(1, 2, 3));
    EXPECT_EQ(COLORREF(CUIColorRef(RGB(1, 2, 3)).AddGray(999)), kWhite);
    EXPECT_EQ(COLORREF(CUIColorRef(RGB(200, 10, 0)).Add(RGB(100, 10, 1))), RGB(255, 20, 1));
}

TEST_F(SystemPaletteTest, IndicesUpTo55AreEntriesLargerValuesAreColours) {
    palette.RefreshColors(FALSE);
    EXPECT_EQ(palette.GetColor(56), 56u);
    EXPECT_EQ(palette.GetColor(RGB(0, 255, 0)), RGB(0, 255, 0));
    EXPECT_EQ(palette.GetColor(COLOR_BTNFACE), kGrey);
    EXPECT_EQ(palette.GetColor(0), kBlack);
    EXPECT_EQ(palette.GetColor(28), kBlack);
    EXPECT_EQ(palette.GetColor(29), kBlack);
    EXPECT_EQ(palette.GetColor(55), palette.GetColor(COLOR_BTNFACE));
}

TEST_F(SystemPaletteTest, ClassicGreySchemeDerivesTheBarColours) {
    EXPECT_EQ(Refreshed(), RGB(0xCA, 0xCA, 0xCA));  // near enough to the face to stay
    EXPECT_EQ(palette.GetColor(BARCOLOR_TOOLBAR_FACE_ALT), RGB(0xCA, 0xCA, 0xCA));
    EXPECT_EQ(palette.GetColor(BARCOLOR_MENU_FACE), BlendColors(kGrey, kWhite, 143));
    EXPECT_EQ(palette.GetColor(BARCOLOR_TOOLBAR_FACE_SHADED), BlendColors(kGrey, kDarkGrey, 90));
    EXPECT_EQ(palette.GetColor(COLOR_3DLIGHT), RGB(0xCF, 0xCF, 0xCF));  // face raised by 15
    EXPECT_EQ(palette.GetColor(BARCOLOR_FACE_BRIGHT), RGB(0xE3, 0xE3, 0xE3));
    EXPECT_EQ(palette.GetColor(BARCOLOR_SHADOW_DEEP), RGB(0x55, 0x55, 0x55));
    const COLORREF highlight = palette.GetColor(BARCOLOR_HIGHLIGHT);
    EXPECT_EQ(palette.GetColor(BARCOLOR_HIGHLIGHT_SHADED),
              RGB(GetRValue(highlight) * 3 / 4, GetGValue(highlight) * 3 / 4, GetBValue(highlight) * 3 / 4));
    // Defaults that no rule replaces.
    EXPECT_EQ(palette.GetColor(BARCOLOR_PUSHED_BORDER), kNavy);
    EXPECT_EQ(palette.GetColor(BARCOLOR_FACE_ALT), kGrey);
    EXPECT_EQ(palette.GetColor(BARCOLOR_SHADOW_ALT), kDarkGrey);
    EXPECT_EQ(palette.GetColor(BARCOLOR_FRAME), kDarkGrey);
    // No scheme: the gradients come from the system colours.
    EXPECT_EQ(palette.darkGradient.first, kDarkGrey);
    EXPECT_EQ(palette.darkGradient.second, kDarkGrey);
    EXPECT_EQ(palette.lightGradient.second, BlendColors(kGrey, kWhite, 205));
    EXPECT_EQ(palette.shadowGradient.first, kGrey);
}

TEST_F(SystemPaletteTest, AToolbarFaceFarFromTheButtonFaceIsPulledBack) {
    source.colors[COLOR_BTNFACE] = RGB(0x40, 0x40, 0x40);
    const COLORREF face = Refreshed();
    const COLORREF blend = BlendColors(kWhite, RGB(0x40, 0x40, 0x40), 165);
    EXPECT_NE(face, blend);
    EXPECT_FALSE(CUISystemPalette::IsColorDistanceGreater(RGB(0x40, 0x40, 0x40), face, TRUE, 36));
    EXPECT_TRUE(CUISystemPalette::IsColorDistanceGreater(RGB(0x40, 0x40, 0x40), face, TRUE, 33));
}

TEST_F(SystemPaletteTest, BlackButtonFaceGivesFixedBrightAndDeepColours) {
    source.colors[COLOR_BTNFACE] = kBlack;
    Refreshed();
    EXPECT_EQ(palette.GetColor(BARCOLOR_FACE_BRIGHT), RGB(0x23, 0x23, 0x23));
    EXPECT_EQ(palette.GetColor(BARCOLOR_SHADOW_DEEP), RGB(0x7F, 0x7F, 0x7F));
}

TEST_F(SystemPaletteTest, BrightFaceAndDeepShadowKeepTheHue) {
    const struct {
        COLORREF face, shadow, bright, deep;
    } cases[] = {
        {RGB(0, 0, 200), RGB(128, 64, 0), RGB(0, 0, 235), RGB(85, 42, 0)},
        {RGB(250, 100, 0), RGB(40, 20, 0), RGB(255, 102, 0), RGB(0, 0, 0)},
        {RGB(10, 20, 0), kBlack, RGB(27, 55, 0), kBlack},
    };
    for (const auto& c : cases) {
        source.colors[COLOR_BTNFACE] = c.face;
        source.colors[COLOR_BTNSHADOW] = c.shadow;
        Refreshed();
        EXPECT_EQ(palette.GetColor(BARCOLOR_FACE_BRIGHT), c.bright) << std::hex << c.face;
        EXPECT_EQ(palette.GetColor(BARCOLOR_SHADOW_DEEP), c.deep) << std::hex << c.face;
    }
}

// After a refresh every corrected colour stands off its reference by about its
// threshold, whatever the user's colours (the menu-border pair is checked before its
// reference is corrected, and disabled menu text is limited afterwards).
TEST_F(SystemPaletteTest, CorrectedColoursKeepTheirContrast) {
    const struct {
        int reference, color, threshold;
    } pairs[] = {
        {BARCOLOR_TOOLBAR_FACE, BARCOLOR_HIGHLIGHT, 50},   {BARCOLOR_TOOLBAR_FACE, BARCOLOR_HIGHLIGHT_BORDER, 100},
        {BARCOLOR_TOOLBAR_FACE, BARCOLOR_HIGHLIGHT_PUSHED, 30}, {BARCOLOR_HIGHLIGHT_PUSHED, BARCOLOR_CHECKED_HOT_BORDER, 100},
        {BARCOLOR_TOOLBAR_FACE, BARCOLOR_GRIPPER, 85},     {BARCOLOR_TOOLBAR_FACE, BARCOLOR_SEPARATOR, 50},
        {BARCOLOR_TOOLBAR_FACE, BARCOLOR_DISABLED, 80},    {BARCOLOR_MENU_FACE, BARCOLOR_MENU_TEXT, 180},
        {BARCOLOR_HIGHLIGHT, BARCOLOR_HIGHLIGHT_TEXT, 180}, {BARCOLOR_TOOLBAR_FACE, BARCOLOR_TOOLBAR_TEXT, 180},
        {BARCOLOR_HIGHLIGHT_PUSHED, BARCOLOR_PUSHED_TEXT, 180},
    };
    const struct {
        const char* name;
        COLORREF face, shadow, window, highlight, text;
    } schemes[] = {
        {"classic", kGrey, kDarkGrey, kWhite, kNavy, kBlack},
        {"dark", RGB(0x30, 0x30, 0x38), RGB(0x20, 0x20, 0x20), RGB(0x10, 0x10, 0x10), RGB(0x30, 0x60, 0xC0), kWhite},
        {"wheat", RGB(0xD8, 0xD0, 0xA8), RGB(0xA0, 0x90, 0x60), RGB(0xFF, 0xFF, 0xE8), RGB(0x80, 0x80, 0), kBlack},
        {"pale", kWhite, RGB(0xE0, 0xE0, 0xE0), kWhite, RGB(0xF0, 0xF0, 0xFF), RGB(0xC0, 0xC0, 0xC0)},
    };
    for (const auto& scheme : schemes) {
        source.colors[COLOR_BTNFACE] = scheme.face;
        source.colors[COLOR_BTNSHADOW] = scheme.shadow;
        source.colors[COLOR_GRAYTEXT] = scheme.shadow;
        source.colors[COLOR_WINDOW] = scheme.window;
        source.colors[COLOR_HIGHLIGHT] = scheme.highlight;
        for (int index : {COLOR_BTNTEXT, COLOR_WINDOWTEXT, COLOR_MENUTEXT}) source.colors[index] = scheme.text;
        Refreshed();
        for (const auto& pair : pairs) {
            // Channel steps move a point by up to about 1.5, so allow 3 below the threshold.
            EXPECT_TRUE(CUISystemPalette::IsColorDistanceGreater(palette.GetColor(pair.reference),
                                                                 palette.GetColor(pair.color), TRUE, pair.threshold - 3))
                << scheme.name << " " << pair.reference << " " << pair.color << " " << std::hex
                << palette.GetColor(pair.reference) << " " << palette.GetColor(pair.color);
        }
        EXPECT_FALSE(CUISystemPalette::IsColorDistanceGreater(palette.GetColor(BARCOLOR_MENU_FACE),
                                                              palette.GetColor(BARCOLOR_MENU_TEXT_DISABLED), TRUE, 146))
            << scheme.name;
    }
}

TEST_F(SystemPaletteTest, LowColourDisplaysKeepTheSystemColours) {
    source.lowColor = TRUE;
    Refreshed();
    const int defaults[] = {15, 5, 13, 13, 16, 17, 5, 13, 16, 16, 16, 5, 16, 16, 8, 7, 18, 14, 15, 18, 13, 15, 16, 15, 16, 15};
    for (int i = BARCOLOR_TOOLBAR_FACE; i < UI_PALETTE_SIZE; ++i)
        EXPECT_EQ(palette.GetColor(i), palette.GetColor(defaults[i - BARCOLOR_TOOLBAR_FACE])) << i;
    EXPECT_EQ(palette.GetColor(COLOR_3DLIGHT), RGB(0xE0, 0xE0, 0xE0));  // the system's own

    // A recognised scheme still sets its frame colour and gradients.
    source.scheme = 2;
    Refreshed();
    EXPECT_EQ(palette.GetColor(BARCOLOR_FRAME), 0x588060u);
    EXPECT_EQ(palette.GetColor(BARCOLOR_TOOLBAR_FACE), kGrey);
    EXPECT_EQ(palette.darkGradient.first, 0x82C0AFu);
    EXPECT_EQ(palette.darkGradient.second, 0x447A63u);
    EXPECT_EQ(palette.lightGradient.first, 0xA7D9D9u);
    EXPECT_EQ(palette.shadowGradient.second, 0x435B49u);
}

TEST_F(SystemPaletteTest, SchemeColoursByScheme) {
    const struct {
        int scheme;
        COLORREF frame, dark, light, shadow;
    } cases[] = {
        {1, 0x962D00, 0xD68759, 0xFADAC4, 0x962D00},
        {3, 0x947C7C, 0xBFA7A8, 0xF7F3F3, 0x977677},
        {4, kDarkGrey, kDarkGrey, BlendColors(kGrey, kWhite, 205), kDarkGrey},  // unknown: none
    };
    for (const auto& c : cases) {
        source.scheme = c.scheme;
        Refreshed();
        EXPECT_EQ(palette.GetColor(BARCOLOR_FRAME), c.frame) << c.scheme;
        EXPECT_EQ(palette.darkGradient.first, c.dark) << c.scheme;
        EXPECT_EQ(palette.lightGradient.second, c.light) << c.scheme;
        EXPECT_EQ(palette.shadowGradient.second, c.shadow) << c.scheme;
    }
}

TEST_F(SystemPaletteTest, OnlyOnceKeepsTheFirstComputation) {
    palette.RefreshColors(TRUE);
    EXPECT_EQ(palette.GetColor(COLOR_BTNFACE), kGrey);
    source.colors[COLOR_BTNFACE] = RGB(1, 2, 3);
    palette.RefreshColors(TRUE);
    EXPECT_EQ(palette.GetColor(COLOR_BTNFACE), kGrey);
    palette.RefreshColors(FALSE);
    EXPECT_EQ(palette.GetColor(COLOR_BTNFACE), RGB(1, 2, 3));
}

TEST(SystemPalette, TheGlobalPaletteReadsThePlatform) {
    CUISystemPalette& palette = GetUISystemPalette();
    EXPECT_EQ(&GetUISystemPalette(), &palette);
    palette.RefreshColors(FALSE);
    for (int i = 1; i <= COLOR_GRADIENTACTIVECAPTION; ++i) {
        if (i != COLOR_3DLIGHT) {
            EXPECT_EQ(palette.GetColor(i), ::GetSysColor(i)) << i;
        }
    }
    EXPECT_FALSE(palette.IsLunaColorsDisabled());
    EXPECT_EQ(palette.GetColor(BARCOLOR_FRAME), ::GetSysColor(COLOR_BTNSHADOW));  // no visual styles
}

TEST(ColorContrast, EnsureContrastMovesToTheThresholdDistance) {
    const struct {
        COLORREF reference, color;
        int threshold;
    } cases[] = {
        {RGB(0xCA, 0xCA, 0xCA), RGB(179, 179, 217), 50},
        {kWhite, RGB(0xF0, 0xF0, 0xF0), 100},
        {kBlack, RGB(0x10, 0x10, 0x10), 80},
        {RGB(0x30, 0x60, 0xC0), RGB(0x40, 0x60, 0xC0), 180},
    };
    for (const auto& c : cases) {
        const COLORREF moved = CUISystemPalette::EnsureContrast(c.reference, c.color, c.threshold);
        EXPECT_TRUE(CUISystemPalette::IsColorDistanceGreater(c.reference, moved, TRUE, c.threshold - 3)) << std::hex << moved;
        EXPECT_FALSE(CUISystemPalette::IsColorDistanceGreater(c.reference, moved, TRUE, c.threshold + 3)) << std::hex << moved;
    }
}

// A reference farther from the colour's ray than the threshold: the nearest point of
// the ray, not a broken colour from the root of a negative number.
TEST(ColorContrast, EnsureContrastBeyondTheRayGivesItsNearestPoint) {
    EXPECT_EQ(CUISystemPalette::EnsureContrast(RGB(0, 255, 0), RGB(255, 255, 0), 10), RGB(255, 255, 0));
    EXPECT_EQ(CUISystemPalette::EnsureContrast(RGB(0, 255, 0), RGB(255, 0, 0), 10), kBlack);
}

TEST(ColorContrast, LimitDistanceStopsAtTheThreshold) {
    const COLORREF limited = CUISystemPalette::LimitDistance(kGrey, kBlack, 35);
    EXPECT_TRUE(CUISystemPalette::IsColorDistanceGreater(kGrey, limited, TRUE, 33));
    EXPECT_FALSE(CUISystemPalette::IsColorDistanceGreater(kGrey, limited, TRUE, 37));
    EXPECT_EQ(GetRValue(limited), GetGValue(limited));  // on the grey line
    EXPECT_EQ(CUISystemPalette::LimitDistance(kGrey, kGrey, 35), kGrey);
}

TEST(ColorContrast, ThresholdsCountDoubleAgainstBlack) {
    // Black to 0x404040 is about 110.6 apart: greater than 100 unadjusted, not twice that.
    EXPECT_TRUE(CUISystemPalette::IsColorDistanceGreater(kBlack, RGB(0x40, 0x40, 0x40), FALSE, 100));
    EXPECT_FALSE(CUISystemPalette::IsColorDistanceGreater(kBlack, RGB(0x40, 0x40, 0x40), TRUE, 100));
    EXPECT_TRUE(CUISystemPalette::IsColorDistanceGreater(kBlack, RGB(0x40, 0x40, 0x40), TRUE, 55));
}

}  // namespace
