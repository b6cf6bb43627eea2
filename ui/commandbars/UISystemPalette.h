#pragma once

#include "ui/commandbars/UIColors.h"

// Palette indices of the toolkit's own colours; 1-27 are the system colours (COLOR_...).
enum UIBarColor {
    BARCOLOR_TOOLBAR_FACE = 30,
    BARCOLOR_HIGHLIGHT,
    BARCOLOR_HIGHLIGHT_BORDER,
    BARCOLOR_HIGHLIGHT_PUSHED,
    BARCOLOR_HIGHLIGHT_SHADED,
    BARCOLOR_MENU_TEXT_DISABLED,
    BARCOLOR_CHECKED,
    BARCOLOR_CHECKED_HOT_BORDER,
    BARCOLOR_GRIPPER,
    BARCOLOR_SEPARATOR,
    BARCOLOR_DISABLED,
    BARCOLOR_MENU_FACE,
    BARCOLOR_TOOLBAR_FACE_SHADED,
    BARCOLOR_MENU_BORDER,
    BARCOLOR_MENU_TEXT,
    BARCOLOR_HIGHLIGHT_TEXT,
    BARCOLOR_TOOLBAR_TEXT,
    BARCOLOR_PUSHED_TEXT,
    BARCOLOR_FACE_BRIGHT,
    BARCOLOR_SHADOW_DEEP,
    BARCOLOR_PUSHED_BORDER,
    BARCOLOR_FACE_ALT,
    BARCOLOR_SHADOW_ALT,
    BARCOLOR_TOOLBAR_FACE_ALT,
    BARCOLOR_FRAME,
    BARCOLOR_FACE_ALT2,
    UI_PALETTE_SIZE
};

// What the palette reads of the platform: the system colours, the display depth and
// the visual-style colour scheme. Tests give their own.
class IPaletteSource {
public:
    virtual ~IPaletteSource() = default;
    virtual COLORREF GetSysColor(int index) const = 0;
    // TRUE for a display of 1 to 8 bits per pixel.
    virtual BOOL IsLowColor() const = 0;
    // 0 none, 1-3 the visual-style colour schemes.
    virtual int GetLunaColorScheme() const = 0;
};

// The 56 colours every paint manager draws with: index 0 black, 1-27 the system
// colours, 28 and 29 black, 30-55 the toolkit's colours blended from the system colours
// and corrected so that text and borders stay distinguishable from their backgrounds
// (plain system colours on a display of 8 bits or less).
class CUISystemPalette {
public:
    // A palette index (55 or less) gives the stored colour; a larger value is an RGB
    // value and comes back unchanged.
    COLORREF GetColor(UINT index) const;
    // Recomputes every entry; with onlyOnce TRUE only when it was never computed.
    void RefreshColors(BOOL onlyOnce);
    BOOL IsLunaColorsDisabled() const { return m_lunaColorsDisabled; }
    // Whether the display had 256 colours or fewer at the last computation.
    BOOL IsLowColor() const { return m_lowColor; }
    // Where the colours are read from; null restores the platform.
    void SetSource(const IPaletteSource* source) { m_source = source; }

    // Contrast in a weighted colour space (red 195, green 390, blue 65 at full scale);
    // thresholds are scaled by the brightness of the reference when adjust is set.
    static BOOL IsColorDistanceGreater(COLORREF reference, COLORREF color, BOOL adjust, double threshold);
    // The colour moved along the line towards the reference until it is at the
    // (adjusted) threshold distance from it.
    static COLORREF LimitDistance(COLORREF reference, COLORREF color, double threshold);
    // The colour moved away from the reference, along its ray from the darkest (or
    // lightest) point, until it is at the (adjusted) threshold distance.
    static COLORREF EnsureContrast(COLORREF reference, COLORREF color, double threshold);

    CUIColorPair darkGradient;
    CUIColorPair lightGradient;
    CUIColorPair shadowGradient;

private:
    const IPaletteSource& Source() const;
    void LoadSystemColors();
    void SetDefaultColors();
    void BlendBarColors();
    void CorrectContrast();
    void DeriveFaceAndShadow();
    void RefreshSchemeColors();
    COLORREF& At(int index) { return m_colors[index]; }
    void EnsureContrastOf(int reference, int color, int target, double threshold);

    BOOL m_computed = FALSE;
    BOOL m_lowColor = FALSE;
    BOOL m_lunaColorsDisabled = FALSE;  // nothing in the system sets it
    COLORREF m_colors[UI_PALETTE_SIZE] = {};
    const IPaletteSource* m_source = nullptr;
};

// The one process-wide palette.
CUISystemPalette& GetUISystemPalette();
