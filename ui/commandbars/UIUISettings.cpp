#include "ui/commandbars/UIUISettings.h"

#include "res/resource.h"
#include "ui/commandbars/ProcAddress.h"
#include "ui/commandbars/UIFontRules.h"
#include "ui/commandbars/UIOSVersion.h"

#include <shlwapi.h>

namespace {

int CALLBACK StopAtFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM face) {
    return ::lstrcmpiA(font->lfFaceName, reinterpret_cast<LPCSTR>(face)) == 0 ? 0 : 1;
}

void CreateFont(CFont& font, const LOGFONTA& logFont) { font.CreateFontIndirect(&logFont); }

}  // namespace

CUIUISettings::CUIUISettings() {
    const CUIOSVersion& version = GetUIOSVersion();
    isWin95 = version.IsWin95();
    isWin98 = version.IsWin98();
    isWinNT4 = version.IsWinNT4();
    isWin2000 = version.IsWin2000();
    isWinXP = version.IsWinXP();
    Refresh(nullptr);
}

CUIUISettings::~CUIUISettings() {
    DeleteFonts();
    DestroyCursors();
}

void CUIUISettings::Refresh(HMODULE module) {
    m_module = module ? module : ::GetModuleHandleA(nullptr);
    RefreshColors();
    RefreshMetrics();
    RefreshFonts();
    LoadCursors();
    GetComCtlVersion();
}

void CUIUISettings::RefreshColors() {
    CUISystemPalette& palette = GetUISystemPalette();
    palette.RefreshColors(TRUE);
    const int system[] = {15, 16, 21, 20, -1, 18, 17, 13, 14, 4, 7, 5, 6, 8, 2, 3, 27, 28, 9, 19};
    COLORREF* const targets[] = {
        &clrBtnFace,       &clrBtnShadow,       &clr3DDkShadow,          &clrBtnHilite,
        &clrBtnLight,      &clrBtnText,         &clrGrayText,            &clrHighlight,
        &clrHighlightText, &clrMenu,            &clrMenuText,            &clrWindow,
        &clrWindowFrame,   &clrWindowText,      &clrActiveCaption,       &clrInactiveCaption,
        &clrGradientActiveCaption, &clrGradientInactiveCaption, &clrActiveCaptionText, &clrInactiveCaptionText,
    };
    for (int i = 0; i < 20; ++i)
        *targets[i] = system[i] < 0 ? COLORREF(CUIColorRef(palette.GetColor(COLOR_BTNFACE)).AddGray(15))
                                    : palette.GetColor(system[i]);
    for (int i = 0; i < 20; ++i) barColors[i] = palette.GetColor(BARCOLOR_TOOLBAR_FACE + i);
}

void CUIUISettings::RefreshMetrics() {
    cxSmIcon = ::GetSystemMetrics(SM_CXSMICON);
    cySmIcon = ::GetSystemMetrics(SM_CYSMICON);
    cxToolbarButton = cyToolbarButton = 18;
    cxHThumb = ::GetSystemMetrics(SM_CXHTHUMB);
    cyVThumb = ::GetSystemMetrics(SM_CYVTHUMB);
    cyMenuItem = ::GetSystemMetrics(SM_CYMENU);
}

void CUIUISettings::DeleteFonts() {
    for (CFont* font : {&regularFont, &boldFont, &underlineFont, &alternateFont, &upFont, &upBoldFont, &downFont,
                        &downBoldFont})
        font->DeleteObject();
}

void CUIUISettings::RefreshFonts() {
    DeleteFonts();
    UIFontFacts facts = {};
    HDC screen = ::GetDC(nullptr);
    facts.screenCharSet = static_cast<BYTE>(::GetTextCharsetInfo(screen, nullptr, 0));
    ::ReleaseDC(nullptr, screen);
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    facts.menuFont = metrics.lfMenuFont;
    facts.tahomaInstalled = FontExists("Tahoma");
    facts.arialInstalled = FontExists("Arial");

    const UIFontPlan plan = PlanUIFonts(facts, menuFontIsTahoma);
    CreateFont(boldFont, plan.bold);
    CreateFont(regularFont, plan.regular);
    CreateFont(underlineFont, plan.underline);
    CreateFont(alternateFont, plan.alternate);
    CreateFont(upFont, plan.up);
    CreateFont(upBoldFont, plan.upBold);
    CreateFont(downFont, plan.down);
    CreateFont(downBoldFont, plan.downBold);
}

BOOL CUIUISettings::FontExists(LPCSTR face) {
    HDC screen = ::GetDC(nullptr);
    LOGFONTA font = {};
    font.lfCharSet = DEFAULT_CHARSET;
    const int finished =
        ::EnumFontFamiliesExA(screen, &font, StopAtFace, reinterpret_cast<LPARAM>(face), 0);
    ::ReleaseDC(nullptr, screen);
    return finished == 0;
}

void CUIUISettings::DestroyCursors() {
    for (HCURSOR* cursor : {&hcurDragCopy, &hcurDragMove, &hcurDragDelete, &hcurHand, &hcurHandNoEntry,
                            &hcurSplitLeftRight, &hcurSplitUpDown}) {
        if (*cursor) ::DestroyCursor(*cursor);
        *cursor = nullptr;
    }
}

void CUIUISettings::LoadCursors() {
    DestroyCursors();
    auto program = [this](int id) { return ::LoadCursorA(m_module, MAKEINTRESOURCEA(id)); };
    hcurDragCopy = program(IDC_CURSOR_DRAG_COPY);
    hcurDragMove = program(IDC_CURSOR_DRAG_MOVE);
    hcurDragDelete = program(IDC_CURSOR_DRAG_DELETE);
    hcurHand = ::LoadCursorA(nullptr, IDC_HAND);
    if (!hcurHand) hcurHand = program(IDC_CURSOR_HAND);
    hcurHandNoEntry = program(IDC_CURSOR_HAND_NO_ENTRY);
    hcurSplitLeftRight = program(IDC_CURSOR_SPLIT_HORIZONTAL);
    hcurSplitUpDown = program(IDC_CURSOR_SPLIT_VERTICAL);
    hcurSizeAll = ::LoadCursorA(nullptr, IDC_SIZEALL);
}

DWORD CUIUISettings::GetComCtlVersion() {
    if (comCtlVersion == static_cast<DWORD>(-1)) {
        HMODULE library = ::LoadLibraryA("COMCTL32.DLL");
        auto getVersion = ProcAddress<DLLGETVERSIONPROC>(library, "DllGetVersion");
        DLLVERSIONINFO info = {};
        info.cbSize = 20;
        if (getVersion && SUCCEEDED(getVersion(&info)))
            comCtlVersion = (info.dwMajorVersion << 16) | (info.dwMinorVersion & 0xFFFF);
        if (library) ::FreeLibrary(library);
    }
    return comCtlVersion == static_cast<DWORD>(-1) ? 0 : comCtlVersion;
}

CUIUISettings* GetUISettings() {
    static CUIUISettings settings;
    return &settings;
}
