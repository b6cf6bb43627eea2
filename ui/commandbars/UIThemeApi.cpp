#include "ui/commandbars/UIThemeApi.h"

#include "ui/commandbars/ProcAddress.h"

#include <cwchar>
#include <cwctype>
#include <string>

namespace {

using CloseThemeDataFunction = HRESULT(WINAPI*)(HTHEME);
using DrawThemeBackgroundFunction = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
using GetCurrentThemeNameFunction = HRESULT(WINAPI*)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
using IsAppThemedFunction = BOOL(WINAPI*)();
using OpenThemeDataFunction = HTHEME(WINAPI*)(HWND, LPCWSTR);

const char* const kEntryNames[] = {"CloseThemeData", "DrawThemeBackground", "GetCurrentThemeName", "IsAppThemed",
                                   "OpenThemeData"};

const int kThemeNameLength = 260;

std::wstring Lower(LPCWSTR text) {
    std::wstring lower = text ? text : L"";
    for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
    return lower;
}

}  // namespace

CUIThemeApi::CUIThemeApi(LPCSTR library) {
    m_uxTheme = ::LoadLibraryA(library);
    m_comCtl = ::LoadLibraryA("comctl32.dll");
}

CUIThemeApi::~CUIThemeApi() {
    CloseThemeData();
    if (m_uxTheme) ::FreeLibrary(m_uxTheme);
    if (m_comCtl) ::FreeLibrary(m_comCtl);
}

void* CUIThemeApi::GetEntry(Entry entry) {
    if (!m_looked[entry]) {
        m_entries[entry] = ProcAddress<void*>(m_uxTheme, kEntryNames[entry]);
        m_looked[entry] = true;
    }
    return m_entries[entry];
}

void CUIThemeApi::OpenThemeData(HWND wnd, LPCWSTR classList) {
    if (!m_uxTheme) return;
    CloseThemeData();
    auto open = EntryAs<OpenThemeDataFunction>(OpenEntry);
    if (open) m_theme = open(wnd, classList);
}

void CUIThemeApi::CloseThemeData() {
    if (m_uxTheme && m_theme) {
        auto close = EntryAs<CloseThemeDataFunction>(CloseEntry);
        if (close) close(m_theme);
    }
    m_theme = nullptr;
}

HRESULT CUIThemeApi::DrawThemeBackground(HDC dc, int partId, int stateId, const RECT* rect, const RECT* clip) {
    auto draw = EntryAs<DrawThemeBackgroundFunction>(DrawBackgroundEntry);
    return draw ? draw(m_theme, dc, partId, stateId, rect, clip) : E_FAIL;
}

HRESULT CUIThemeApi::GetCurrentThemeName(LPWSTR fileName, int fileNameLength, LPWSTR colorName, int colorNameLength,
                                         LPWSTR sizeName, int sizeNameLength) {
    auto name = EntryAs<GetCurrentThemeNameFunction>(CurrentNameEntry);
    return name ? name(fileName, fileNameLength, colorName, colorNameLength, sizeName, sizeNameLength) : E_FAIL;
}

BOOL CUIThemeApi::IsAppThemed() {
    auto themed = EntryAs<IsAppThemedFunction>(IsAppThemedEntry);
    return themed ? themed() : FALSE;
}

int CUIThemeApi::GetLunaColorScheme() {
    wchar_t fileName[kThemeNameLength] = {};
    wchar_t colorName[kThemeNameLength] = {};
    if (GetCurrentThemeName(fileName, kThemeNameLength, colorName, kThemeNameLength, nullptr, 0) != S_OK) return 0;
    return LunaSchemeFromNames(fileName, colorName);
}

int LunaSchemeFromNames(LPCWSTR fileName, LPCWSTR colorName) {
    if (Lower(fileName).find(L"luna.msstyles") == std::wstring::npos) return 0;
    const std::wstring color = Lower(colorName);
    if (color == L"normalcolor") return 1;
    if (color == L"homestead") return 2;
    if (color == L"metallic") return 3;
    return 0;
}

int GetLunaColorScheme() {
    CUIThemeApi api;
    return api.GetLunaColorScheme();
}
