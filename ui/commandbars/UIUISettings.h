#pragma once

#include "platform/CGdiObject.h"
#include "platform/CString.h"
#include "ui/commandbars/UISystemPalette.h"

// What the toolkit's windows share and that follows from the system's appearance:
// colours copied from the palette, cursors, metrics, eight fonts made from the menu
// font, the OS flags and the common-controls version. Computed once, on first use; the
// values of the first use hold for the life of the process.
class CUIUISettings {
public:
    CUIUISettings();
    virtual ~CUIUISettings();
    CUIUISettings(const CUIUISettings&) = delete;
    CUIUISettings& operator=(const CUIUISettings&) = delete;

    // Remembers the module of the program's cursors (the program's own when null) and
    // reads colours, metrics, fonts, cursors and the common-controls version.
    void Refresh(HMODULE module);
    // Major version in the high word, minor in the low; 0 when it cannot be read (a
    // failed read is tried again on the next call).
    DWORD GetComCtlVersion();
    // TRUE when a font family of that face is installed (case ignored).
    static BOOL FontExists(LPCSTR face);
    COLORREF GetBarColor(UIBarColor index) const { return barColors[index - BARCOLOR_TOOLBAR_FACE]; }

    // System colours (palette indices 15, 16, 21, 20, the face raised by 15, 18, 17,
    // 13, 14, 4, 7, 5, 6, 8, 2, 3, 27, 28, 9, 19).
    COLORREF clrBtnFace = 0, clrBtnShadow = 0, clr3DDkShadow = 0, clrBtnHilite = 0, clrBtnLight = 0;
    COLORREF clrBtnText = 0, clrGrayText = 0, clrHighlight = 0, clrHighlightText = 0, clrMenu = 0;
    COLORREF clrMenuText = 0, clrWindow = 0, clrWindowFrame = 0, clrWindowText = 0, clrActiveCaption = 0;
    COLORREF clrInactiveCaption = 0, clrGradientActiveCaption = 0, clrGradientInactiveCaption = 0;
    COLORREF clrActiveCaptionText = 0, clrInactiveCaptionText = 0;
    // Palette indices 30 to 49 in order; see GetBarColor.
    COLORREF barColors[20] = {};

    HCURSOR hcurDragCopy = nullptr, hcurDragMove = nullptr, hcurDragDelete = nullptr, hcurHand = nullptr;
    HCURSOR hcurHandNoEntry = nullptr, hcurSplitLeftRight = nullptr, hcurSplitUpDown = nullptr;
    HCURSOR hcurSizeAll = nullptr;

    int cxSmIcon = 0, cySmIcon = 0;
    int cxToolbarButton = 18, cyToolbarButton = 18;
    int cxHThumb = 0, cyVThumb = 0, cyMenuItem = 0;

    CFont regularFont, boldFont, underlineFont, alternateFont;
    CFont upFont, upBoldFont, downFont, downBoldFont;

    DWORD comCtlVersion = static_cast<DWORD>(-1);  // -1: not read yet
    BOOL isWin95 = FALSE, isWin98 = FALSE, isWinNT4 = FALSE, isWin2000 = FALSE, isWinXP = FALSE;
    BOOL menuFontIsTahoma = FALSE;
    CString profileFileName;

private:
    void RefreshColors();
    void RefreshMetrics();
    void RefreshFonts();
    void DeleteFonts();
    void LoadCursors();
    void DestroyCursors();

    HMODULE m_module = nullptr;
};

// The one settings object, built on the first call.
CUIUISettings* GetUISettings();
