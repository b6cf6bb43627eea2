#include "res/resource.h"
#include "ui/commandbars/UIFontRules.h"
#include "ui/commandbars/UIUISettings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

LOGFONTA MenuFont(const char* face, LONG height, BYTE charSet) {
    LOGFONTA font = {};
    ::lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    font.lfHeight = height;
    font.lfCharSet = charSet;
    font.lfWeight = FW_NORMAL;
    font.lfItalic = TRUE;
    font.lfQuality = PROOF_QUALITY;  // not copied
    return font;
}

TEST(UIFontRules, SmallNegativeHeightsAreRaisedToEleven) {
    const struct {
        LONG menu, settings;
    } cases[] = {{-8, -11}, {-1, -11}, {-10, -11}, {-11, -11}, {-13, -13}, {0, 0}, {16, 16}};
    for (const auto& c : cases) {
        BOOL tahoma = FALSE;
        const UIFontPlan plan = PlanUIFonts({MenuFont("Segoe", c.menu, 0), 0, TRUE, TRUE}, tahoma);
        for (const LOGFONTA* font : {&plan.regular, &plan.bold, &plan.up, &plan.downBold})
            EXPECT_EQ(font->lfHeight, c.settings) << c.menu;
    }
}

TEST(UIFontRules, EachFontHasItsWeightUnderlineAndRotation) {
    BOOL tahoma = FALSE;
    const UIFontPlan plan = PlanUIFonts({MenuFont("Segoe", -12, 134), 134, TRUE, TRUE}, tahoma);
    const struct {
        const LOGFONTA* font;
        LONG weight;
        BYTE underline;
        LONG rotation;
    } cases[] = {
        {&plan.regular, 400, 0, 0}, {&plan.bold, 700, 0, 0},    {&plan.underline, 400, 1, 0},
        {&plan.alternate, 400, 0, 0}, {&plan.up, 400, 0, 900},  {&plan.upBold, 700, 0, 900},
        {&plan.down, 400, 0, 2700},   {&plan.downBold, 700, 0, 2700},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.font->lfWeight, c.weight);
        EXPECT_EQ(c.font->lfUnderline, c.underline);
        EXPECT_EQ(c.font->lfEscapement, c.rotation);
        EXPECT_EQ(c.font->lfOrientation, c.rotation);
        EXPECT_EQ(c.font->lfItalic, TRUE);
        EXPECT_EQ(c.font->lfQuality, 0);
        EXPECT_EQ(c.font->lfCharSet, 134);  // the screen's
    }
}

TEST(UIFontRules, WesternMenuFontsGetTheSubstituteFaces) {
    const struct {
        const char* menuFace;
        BYTE charSet;
        BOOL tahomaInstalled, arialInstalled, tahomaFlagBefore;
        const char *horizontal, *rotated;
        BOOL tahomaFlagAfter;
    } cases[] = {
        {"MS Sans Serif", 0, TRUE, TRUE, FALSE, "MS Sans Serif", "Arial", FALSE},
        {"MS Sans Serif", 0, TRUE, FALSE, FALSE, "MS Sans Serif", "MS Sans Serif", FALSE},
        {"MS Sans Serif", 0, TRUE, TRUE, TRUE, "Tahoma", "Tahoma", TRUE},
        {"MS Sans Serif", 0, FALSE, TRUE, TRUE, "MS Sans Serif", "MS Sans Serif", TRUE},
        {"tahoma", 0, TRUE, TRUE, FALSE, "tahoma", "tahoma", TRUE},
        {"宋体", 134, TRUE, TRUE, FALSE, "宋体", "宋体", FALSE},
        {"宋体", 134, TRUE, TRUE, TRUE, "宋体", "宋体", TRUE},
        {"Symbolic", 2, TRUE, TRUE, FALSE, "Symbolic", "Arial", FALSE},
    };
    for (const auto& c : cases) {
        BOOL tahoma = c.tahomaFlagBefore;
        const UIFontPlan plan =
            PlanUIFonts({MenuFont(c.menuFace, -12, c.charSet), c.charSet, c.tahomaInstalled, c.arialInstalled}, tahoma);
        SCOPED_TRACE(c.menuFace);
        EXPECT_STREQ(plan.regular.lfFaceName, c.horizontal);
        EXPECT_STREQ(plan.underline.lfFaceName, c.horizontal);
        EXPECT_STREQ(plan.up.lfFaceName, c.rotated);
        EXPECT_STREQ(plan.downBold.lfFaceName, c.rotated);
        EXPECT_EQ(tahoma, c.tahomaFlagAfter);
    }
}

TEST(UISettings, OneObjectReadFromThePlatform) {
    CUIUISettings* settings = GetUISettings();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(GetUISettings(), settings);

    CUISystemPalette& palette = GetUISystemPalette();
    EXPECT_EQ(settings->clrBtnFace, palette.GetColor(COLOR_BTNFACE));
    EXPECT_EQ(settings->clrBtnLight, COLORREF(CUIColorRef(palette.GetColor(COLOR_BTNFACE)).AddGray(15)));
    EXPECT_EQ(settings->clrGradientInactiveCaption, 0u);  // palette index 28 is never filled
    EXPECT_EQ(settings->clrInactiveCaptionText, palette.GetColor(COLOR_INACTIVECAPTIONTEXT));
    EXPECT_EQ(settings->GetBarColor(BARCOLOR_TOOLBAR_FACE), palette.GetColor(BARCOLOR_TOOLBAR_FACE));
    EXPECT_EQ(settings->GetBarColor(BARCOLOR_SHADOW_DEEP), palette.GetColor(BARCOLOR_SHADOW_DEEP));

    for (HCURSOR cursor : {settings->hcurDragCopy, settings->hcurDragMove, settings->hcurDragDelete, settings->hcurHand,
                           settings->hcurHandNoEntry, settings->hcurSplitLeftRight, settings->hcurSplitUpDown,
                           settings->hcurSizeAll})
        EXPECT_NE(cursor, nullptr);
    EXPECT_EQ(settings->hcurSplitLeftRight, ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(9970)));

    EXPECT_EQ(settings->cxToolbarButton, 18);
    EXPECT_EQ(settings->cyMenuItem, ::GetSystemMetrics(SM_CYMENU));
    EXPECT_GE(settings->GetComCtlVersion() >> 16, 5u);
    EXPECT_FALSE(settings->isWinXP);
    EXPECT_TRUE(settings->profileFileName.IsEmpty());
}

TEST(UISettings, FontsFollowTheSystemMenuFont) {
    CUIUISettings* settings = GetUISettings();
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    LOGFONTA regular = {}, up = {};
    ASSERT_NE(settings->regularFont.m_hObject, nullptr);
    ASSERT_NE(settings->downBoldFont.m_hObject, nullptr);
    settings->regularFont.GetLogFont(&regular);
    settings->upFont.GetLogFont(&up);
    EXPECT_LE(regular.lfHeight, -11);
    EXPECT_EQ(up.lfEscapement, 900);
    EXPECT_EQ(settings->menuFontIsTahoma, ::lstrcmpiA(metrics.lfMenuFont.lfFaceName, "Tahoma") == 0);
    EXPECT_TRUE(CUIUISettings::FontExists("文泉驿微米黑"));  // the face the platform installs
    EXPECT_FALSE(CUIUISettings::FontExists("No Such Face At All"));
}

}  // namespace
