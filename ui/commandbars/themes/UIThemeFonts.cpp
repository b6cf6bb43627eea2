#include "ui/commandbars/themes/UIThemeFonts.h"

#include <cstring>

namespace {

int CALLBACK CountFamily(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<BOOL*>(found) = TRUE;
    return 0;
}

void Recreate(CFont& font, const LOGFONTA& logFont) {
    font.DeleteObject();
    font.CreateFontIndirect(&logFont);
}

}  // namespace

CUIThemeFonts& CUIThemeFonts::Get() {
    static CUIThemeFonts fonts;
    return fonts;
}

BOOL IsFontInstalled(LPCSTR face) {
    HDC screen = ::GetDC(nullptr);
    LOGFONTA wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    ::lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    BOOL found = FALSE;
    ::EnumFontFamiliesExA(screen, &wanted, CountFamily, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(nullptr, screen);
    return found;
}

LONG CUIThemeFonts::FontHeight(LONG menuHeight) {
    return (menuHeight < 0 && menuHeight > -11) ? -11 : menuHeight;
}

CString CUIThemeFonts::HorizontalFace(const LOGFONT& menu, BOOL tahomaFlag, BOOL tahomaInstalled) {
    const bool westernCharset = menu.lfCharSet <= SYMBOL_CHARSET;
    if (westernCharset && tahomaFlag && tahomaInstalled)
        return "Tahoma";
    return menu.lfFaceName;
}

CString CUIThemeFonts::VerticalFace(const LOGFONT& menu, BOOL tahomaFlag, BOOL tahomaInstalled) {
    const bool arialMenu = ::lstrcmpiA(menu.lfFaceName, "Arial") == 0;
    return (tahomaInstalled && (tahomaFlag || !arialMenu)) ? "Tahoma" : "Arial";
}

void CUIThemeFonts::Rebuild() {
    HDC screen = ::GetDC(nullptr);
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    const LOGFONTA& menu = metrics.lfMenuFont;

    LOGFONTA logFont = {};
    logFont.lfCharSet = static_cast<BYTE>(::GetTextCharsetInfo(screen, nullptr, 0));
    logFont.lfHeight = FontHeight(menu.lfHeight);
    logFont.lfWeight = menu.lfWeight;
    logFont.lfItalic = menu.lfItalic;
    const BOOL tahomaInstalled = IsFontInstalled("Tahoma");
    if (::lstrcmpiA(menu.lfFaceName, "Tahoma") == 0)
        tahomaMenu = TRUE;
    ::lstrcpynA(logFont.lfFaceName, HorizontalFace(menu, tahomaMenu, tahomaInstalled), LF_FACESIZE);
    Recreate(regular, logFont);
    logFont.lfWeight = FW_BOLD;
    Recreate(bold, logFont);

    Recreate(status, metrics.lfStatusFont);
    Recreate(smallCaption, metrics.lfSmCaptionFont);

    logFont.lfEscapement = 2700;
    logFont.lfOrientation = 900;
    logFont.lfWeight = menu.lfWeight;
    ::lstrcpynA(logFont.lfFaceName, VerticalFace(menu, tahomaMenu, tahomaInstalled), LF_FACESIZE);
    Recreate(vertical, logFont);
    logFont.lfWeight = FW_BOLD;
    Recreate(verticalBold, logFont);

    LOGFONTA iconFont = {};
    ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(iconFont), &iconFont, 0);
    Recreate(iconTitle, iconFont);
    LOGFONTA symbolFont = {};
    symbolFont.lfHeight = iconFont.lfHeight;
    symbolFont.lfWidth = iconFont.lfWidth;
    symbolFont.lfCharSet = DEFAULT_CHARSET;
    ::lstrcpynA(symbolFont.lfFaceName, "Marlett", LF_FACESIZE);
    Recreate(symbol, symbolFont);

    HGDIOBJ old = ::SelectObject(screen, static_cast<HFONT>(regular));
    SIZE space = {};
    ::GetTextExtentPoint32A(screen, " ", 1, &space);
    ::SelectObject(screen, old);
    popupEntryHeight = space.cy + 6;
    ::ReleaseDC(nullptr, screen);
}

void RefreshThemeFonts() { CUIThemeFonts::Get().Rebuild(); }
