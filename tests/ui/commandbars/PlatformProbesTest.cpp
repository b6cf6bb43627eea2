#include "ui/commandbars/UIOSVersion.h"
#include "ui/commandbars/UIThemeApi.h"

#include <gtest/gtest.h>

namespace {

struct VersionCase {
    DWORD platform, major, minor;
    BOOL win95, win98, nt4, win2000, xp;
};

TEST(OSVersion, EachProbeMatchesOnePlatformAndVersion) {
    const VersionCase cases[] = {
        {VER_PLATFORM_WIN32_WINDOWS, 4, 0, 1, 0, 0, 0, 0},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 10, 0, 1, 0, 0, 0},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 90, 0, 0, 0, 0, 0},  // Millennium: none
        {VER_PLATFORM_WIN32_NT, 4, 0, 0, 0, 1, 0, 0},
        {VER_PLATFORM_WIN32_NT, 5, 0, 0, 0, 0, 1, 0},
        {VER_PLATFORM_WIN32_NT, 5, 1, 0, 0, 0, 0, 1},
        {VER_PLATFORM_WIN32_NT, 5, 2, 0, 0, 0, 0, 0},
        {VER_PLATFORM_WIN32_NT, 6, 1, 0, 0, 0, 0, 0},
    };
    for (const VersionCase& c : cases) {
        OSVERSIONINFOA record = {};
        record.dwOSVersionInfoSize = sizeof(record);
        record.dwPlatformId = c.platform;
        record.dwMajorVersion = c.major;
        record.dwMinorVersion = c.minor;
        const CUIOSVersion version(record);
        SCOPED_TRACE(testing::Message() << c.platform << " " << c.major << "." << c.minor);
        EXPECT_EQ(version.IsWin95(), c.win95);
        EXPECT_EQ(version.IsWin98(), c.win98);
        EXPECT_EQ(version.IsWinNT4(), c.nt4);
        EXPECT_EQ(version.IsWin2000(), c.win2000);
        EXPECT_EQ(version.IsWinXP(), c.xp);
    }
}

TEST(OSVersion, TheRunningSystemIsReadOnce) {
    const CUIOSVersion& version = GetUIOSVersion();
    EXPECT_EQ(version.dwOSVersionInfoSize, 148u);
    EXPECT_EQ(version.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
    EXPECT_GE(version.dwMajorVersion, 5u);
    EXPECT_EQ(&GetUIOSVersion(), &version);
}

TEST(ThemeApi, SchemeFromFileAndColourNamesIgnoringCase) {
    const struct {
        LPCWSTR file, color;
        int scheme;
    } cases[] = {
        {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor", 1},
        {L"c:\\windows\\resources\\themes\\luna\\luna.msstyles", L"HomeStead", 2},
        {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\LUNA.MSSTYLES", L"metallic", 3},
        {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor2", 0},
        {L"C:\\WINDOWS\\Resources\\Themes\\Royale\\Royale.msstyles", L"NormalColor", 0},
        {L"", L"", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(LunaSchemeFromNames(c.file, c.color), c.scheme) << c.scheme;
}

// Without the visual-style library every call answers its failure result.
TEST(ThemeApi, WithoutTheLibraryEveryCallFailsQuietly) {
    CUIThemeApi api("NoSuchThemeLibrary.dll");
    EXPECT_FALSE(api.IsAppThemed());
    wchar_t file[260] = {}, color[260] = {};
    EXPECT_EQ(api.GetCurrentThemeName(file, 260, color, 260, nullptr, 0), E_FAIL);
    EXPECT_EQ(api.GetLunaColorScheme(), 0);
    api.OpenThemeData(nullptr, L"TOOLBAR");
    EXPECT_EQ(api.GetThemeHandle(), nullptr);
    RECT rect = {0, 0, 10, 10};
    EXPECT_EQ(api.DrawThemeBackground(nullptr, 1, 1, &rect, nullptr), E_FAIL);
    api.CloseThemeData();
    EXPECT_EQ(api.GetThemeHandle(), nullptr);
}

// The platform's library: a theme handle is opened, replaced and closed; Wine's own
// style is not one of the three schemes.
TEST(ThemeApi, ThePlatformLibraryOpensAndClosesOneHandle) {
    CUIThemeApi api;
    wchar_t file[260] = {}, color[260] = {};
    const HRESULT named = api.GetCurrentThemeName(file, 260, color, 260, nullptr, 0);
    EXPECT_EQ(api.GetLunaColorScheme(), named == S_OK ? LunaSchemeFromNames(file, color) : 0);
    EXPECT_EQ(GetLunaColorScheme(), 0);
    if (!api.IsAppThemed()) return;
    api.OpenThemeData(nullptr, L"TOOLBAR");
    ASSERT_NE(api.GetThemeHandle(), nullptr);
    api.OpenThemeData(nullptr, L"NoSuchClass");
    EXPECT_EQ(api.GetThemeHandle(), nullptr);
    api.OpenThemeData(nullptr, L"TOOLBAR");
    api.CloseThemeData();
    EXPECT_EQ(api.GetThemeHandle(), nullptr);
}

}  // namespace
