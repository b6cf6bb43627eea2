#pragma once

#include <windows.h>
#include <uxtheme.h>

// The visual-style library reached only when it is present: every call answers its
// failure result (E_FAIL, FALSE, or no change) when "UxTheme.dll" or the entry point
// is missing. It holds at most one open theme handle; opening another closes the first.
//
// The library is called directly: this compiler has no structured exception handling,
// and a fault inside a system library cannot be caught and survived safely otherwise.
class CUIThemeApi {
public:
    // The library's name is a seam for tests; the program always uses the platform's.
    explicit CUIThemeApi(LPCSTR library = "UxTheme.dll");
    virtual ~CUIThemeApi();
    CUIThemeApi(const CUIThemeApi&) = delete;
    CUIThemeApi& operator=(const CUIThemeApi&) = delete;

    // Replaces the open theme handle by the library's answer (null on failure).
    // Virtual, as the drawing calls below, so that tests can record what is drawn.
    virtual void OpenThemeData(HWND wnd, LPCWSTR classList);
    // Closes the open theme handle; afterwards there is none in every case.
    void CloseThemeData();
    HTHEME GetThemeHandle() const { return m_theme; }
    virtual HRESULT DrawThemeBackground(HDC dc, int partId, int stateId, const RECT* rect, const RECT* clip);
    HRESULT GetCurrentThemeName(LPWSTR fileName, int fileNameLength, LPWSTR colorName, int colorNameLength,
                                LPWSTR sizeName, int sizeNameLength);
    virtual BOOL IsAppThemed();
    // 0 none, 1 "normalcolor", 2 "homestead", 3 "metallic" of the "luna.msstyles" style.
    int GetLunaColorScheme();

private:
    enum Entry { CloseEntry, DrawBackgroundEntry, CurrentNameEntry, IsAppThemedEntry, OpenEntry, EntryCount };
    void* GetEntry(Entry entry);  // looked up on first use, then kept
    template <class Function>
    Function EntryAs(Entry entry) { return reinterpret_cast<Function>(GetEntry(entry)); }

    HMODULE m_uxTheme = nullptr;
    HMODULE m_comCtl = nullptr;  // only held loaded while the wrapper lives
    HTHEME m_theme = nullptr;
    void* m_entries[EntryCount] = {};
    bool m_looked[EntryCount] = {};
};

// The scheme a visual-style file and colour name stand for (case ignored): 1-3 for the
// three colour schemes of "luna.msstyles", 0 for any other file or colour.
int LunaSchemeFromNames(LPCWSTR fileName, LPCWSTR colorName);

// The active scheme, asked afresh of a temporary wrapper on every call.
int GetLunaColorScheme();
