#include "tests/ui/commandbars/RecordingTheme.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/themes/UIThemeFonts.h"

#include "platform/CArchive.h"
#include "platform/CMemFile.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<BYTE> ProfileBinary(CWinApp& app, LPCSTR section, LPCSTR entry) {
    BYTE* data = nullptr;
    UINT size = 0;
    if (!app.GetProfileBinary(section, entry, &data, &size))
        return {};
    std::vector<BYTE> bytes(data, data + size);
    delete[] data;
    return bytes;
}

class OptionsStore : public ::testing::Test {
protected:
    void SetUp() override { m_app.DeleteProfile(); }
    void TearDown() override { m_app.DeleteProfile(); }

    TestApplication m_app{"CommandBarsOptions"};
};

}  // namespace

TEST_F(OptionsStore, UsedCommandsAreStoredInHashOrderAndReadBack) {
    CUICommandBars bars;
    CUICommandBarsOptions* options = bars.GetCommandBarsOptions();
    options->m_toolBarAccelTips = TRUE;
    options->m_animation = 3;
    options->m_largeIcons = TRUE;
    for (UINT id : {32779u, 100u, 35u})
        options->m_usedCommands.Add(id);
    bars.StoreOptions("QLXCommandBars");

    // Count, then id and 1 per entry, bucket by bucket ((id >> 4) % 17: 35 -> 2,
    // 100 -> 6, 32779 -> 8).
    const std::vector<BYTE> golden = {0x03, 0x00, 0x23, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
                                      0x64, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x0B, 0x80,
                                      0x00, 0x00, 0x01, 0x00, 0x00, 0x00};
    EXPECT_EQ(golden, ProfileBinary(m_app, "QLXCommandBars-Options", "UsedCommands"));
    EXPECT_EQ(1u, m_app.GetProfileInt("QLXCommandBars-Options", "ToolBarAccelTips", -1));
    EXPECT_EQ(3u, m_app.GetProfileInt("QLXCommandBars-Options", "Animation", -1));
    EXPECT_EQ(1u, m_app.GetProfileInt("QLXCommandBars-Options", "AlwaysShowFullMenus", -1));

    CUICommandBars restored;
    CUICommandBarsOptions* read = restored.GetCommandBarsOptions();
    read->m_usedCommands.Add(7);  // entries read are added to the current ones
    restored.RestoreOptions("QLXCommandBars");
    EXPECT_TRUE(read->m_toolBarAccelTips);
    EXPECT_TRUE(read->m_largeIcons);
    EXPECT_EQ(3, read->m_animation);
    EXPECT_EQ(4, read->m_usedCommands.GetCount());
    for (UINT id : {32779u, 100u, 35u, 7u})
        EXPECT_TRUE(read->m_usedCommands.Contains(id)) << id;
}

TEST_F(OptionsStore, AnEmptySetLeavesNoValueAndOldValuesGo) {
    m_app.WriteProfileInt("QLXCommandBars-Options", "Stale", 5);
    BYTE old[] = {1, 0, 5, 0, 0, 0, 1, 0, 0, 0};
    m_app.WriteProfileBinary("QLXCommandBars-Options", "UsedCommands", old, sizeof(old));
    CUICommandBars bars;
    bars.StoreOptions("QLXCommandBars");
    EXPECT_TRUE(ProfileBinary(m_app, "QLXCommandBars-Options", "UsedCommands").empty());
    EXPECT_EQ(77u, m_app.GetProfileInt("QLXCommandBars-Options", "Stale", 77));
}

TEST_F(OptionsStore, MissingAndDamagedValuesKeepTheCurrentOptions) {
    BYTE damaged[] = {9, 0, 5, 0};  // nine entries announced, half of one present
    m_app.WriteProfileBinary("QLXCommandBars-Options", "UsedCommands", damaged, sizeof(damaged));
    CUICommandBars bars;
    CUICommandBarsOptions* options = bars.GetCommandBarsOptions();
    options->m_showFullAfterDelay = FALSE;
    bars.RestoreOptions("QLXCommandBars");
    EXPECT_FALSE(options->m_showFullAfterDelay);
    EXPECT_TRUE(options->m_toolBarScreenTips);
    EXPECT_EQ(0, options->m_usedCommands.GetCount());
}

TEST_F(OptionsStore, HiddenCommandsShowOnceUsed) {
    CUICommandBars bars;
    CUICommandBarsOptions* options = bars.GetCommandBarsOptions();
    EXPECT_FALSE(bars.IsCommandHidden(500));
    bars.SetCommandUsed(500);
    EXPECT_EQ(0, options->m_usedCommands.GetCount());  // only hidden commands are recorded
    options->m_hiddenCommands.Add(500);
    EXPECT_TRUE(bars.IsCommandHidden(500));
    bars.SetCommandUsed(500);
    EXPECT_FALSE(bars.IsCommandHidden(500));
}

TEST(OptionsArchive, RoundTripKeepsFlagsSizesHiddenCommandsAndImageOptions) {
    RecordingThemeFactory themes;
    SelectTheme(uiThemeClassic);
    GetGlobalTheme()->m_fadedIcons = TRUE;
    GetGlobalTheme()->m_iconShadow = FALSE;
    CUICommandBars bars;
    CUICommandBarsOptions* options = bars.GetCommandBarsOptions();
    options->m_largeIcons = TRUE;
    options->m_alwaysShowOptionsButton = FALSE;
    options->m_buttonSize = CSize(24, 22);
    options->m_hiddenCommands.Add(32779);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        options->Serialize(ar);
    }
    // Schema 6, seven flags, two sizes, a one-entry set, three image options.
    EXPECT_EQ(4u + 7 * 4 + 16 + 2 + 8 + 3 * 4, file.GetLength());

    GetGlobalTheme()->m_fadedIcons = FALSE;
    CUICommandBars loaded;
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        loaded.GetCommandBarsOptions()->Serialize(ar);
    }
    CUICommandBarsOptions* read = loaded.GetCommandBarsOptions();
    EXPECT_TRUE(read->m_largeIcons);
    EXPECT_FALSE(read->m_alwaysShowOptionsButton);
    EXPECT_EQ(CSize(24, 22), read->m_buttonSize);
    EXPECT_TRUE(read->m_hiddenCommands.Contains(32779));
    EXPECT_TRUE(GetGlobalTheme()->m_fadedIcons);
}

TEST(GlobalTheme, SelectingTheSameIndexKeepsTheThemeAndOthersBuildANewOne) {
    RecordingThemeFactory themes;
    EXPECT_EQ(nullptr, GetGlobalTheme());
    SelectTheme(1);
    CUICommandBarsTheme* first = GetGlobalTheme();
    ASSERT_NE(nullptr, first);
    first->m_animationSteps = 3;  // survives a repeated selection
    SelectTheme(1);
    EXPECT_EQ(first, GetGlobalTheme());
    EXPECT_EQ(3, GetGlobalTheme()->m_animationSteps);
    EXPECT_EQ(1, themes.m_created);

    struct Case {
        int index;
        int kind;
    } cases[] = {{7, uiThemeClassic}, {1, uiThemeClassic}, {0, uiThemeFlat}, {2, uiThemeGradient},
                 {3, uiThemeVisualStyle}, {-4, uiThemeClassic}};
    int created = 1;
    for (const Case& c : cases) {
        SelectTheme(c.index);
        ++created;
        EXPECT_EQ(created, themes.m_created) << c.index;
        EXPECT_EQ(c.index, GetGlobalTheme()->m_themeIndex);
        EXPECT_EQ(c.kind, GetGlobalTheme()->GetThemeKind());
        EXPECT_EQ(10, GetGlobalTheme()->m_animationSteps);
    }
}

TEST(GlobalTheme, ColorsBeyondThePaletteAreColorValues) {
    RecordingTheme theme;
    theme.m_colors[12] = RGB(1, 2, 3);
    EXPECT_EQ(RGB(1, 2, 3), theme.GetColor(12));
    EXPECT_EQ(static_cast<COLORREF>(56), theme.GetColor(56));
    EXPECT_EQ(RGB(10, 20, 30), theme.GetColor(RGB(10, 20, 30)));
    const int indices[] = {3, 60};
    const COLORREF colors[] = {RGB(9, 9, 9), RGB(8, 8, 8)};
    theme.SetColors(2, indices, colors);
    EXPECT_EQ(RGB(9, 9, 9), theme.GetColor(3));
}

TEST(GlobalTheme, SmallMenuFontsAreRaisedAndFacesFollowTahoma) {
    struct HeightCase {
        LONG menu;
        LONG shared;
    } heights[] = {{-8, -11}, {-1, -11}, {-10, -11}, {-11, -11}, {-12, -12}, {9, 9}, {0, 0}};
    for (const HeightCase& c : heights)
        EXPECT_EQ(c.shared, CUIThemeFonts::FontHeight(c.menu)) << c.menu;

    struct FaceCase {
        LPCSTR menuFace;
        BYTE charset;
        BOOL tahomaFlag;
        BOOL tahomaInstalled;
        LPCSTR horizontal;
        LPCSTR vertical;
    } faces[] = {
        {"Arial", ANSI_CHARSET, FALSE, TRUE, "Arial", "Arial"},
        {"宋体", GB2312_CHARSET, FALSE, TRUE, "宋体", "Tahoma"},
        {"Tahoma", ANSI_CHARSET, TRUE, TRUE, "Tahoma", "Tahoma"},
        {"Segoe UI", ANSI_CHARSET, TRUE, TRUE, "Tahoma", "Tahoma"},
        {"Segoe UI", GB2312_CHARSET, TRUE, TRUE, "Segoe UI", "Tahoma"},
        {"Segoe UI", ANSI_CHARSET, FALSE, FALSE, "Segoe UI", "Arial"},
    };
    for (const FaceCase& c : faces) {
        LOGFONTA menu = {};
        ::lstrcpynA(menu.lfFaceName, c.menuFace, LF_FACESIZE);
        menu.lfCharSet = c.charset;
        EXPECT_STREQ(c.horizontal, CUIThemeFonts::HorizontalFace(menu, c.tahomaFlag, c.tahomaInstalled)) << c.menuFace;
        EXPECT_STREQ(c.vertical, CUIThemeFonts::VerticalFace(menu, c.tahomaFlag, c.tahomaInstalled)) << c.menuFace;
    }
}
