#include "ui/commandbars/UISystemPalette.h"

#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIThemeApi.h"

#include <algorithm>
#include <iterator>

namespace {

class PlatformPaletteSource : public IPaletteSource {
public:
    COLORREF GetSysColor(int index) const override { return ::GetSysColor(index); }
    BOOL IsLowColor() const override { return IsLowColorDC(nullptr); }
    int GetLunaColorScheme() const override { return ::GetLunaColorScheme(); }
};

// Blends into the toolkit colours: (target, a, b, weight of a).
struct Blend {
    int target, a, b, weight;
};
const Blend kBlends[] = {
    {BARCOLOR_TOOLBAR_FACE, COLOR_WINDOW, COLOR_BTNFACE, 165},
    {BARCOLOR_HIGHLIGHT, COLOR_HIGHLIGHT, COLOR_WINDOW, 30},
    {BARCOLOR_HIGHLIGHT_PUSHED, COLOR_HIGHLIGHT, COLOR_WINDOW, 50},
    {BARCOLOR_MENU_FACE, COLOR_BTNFACE, COLOR_WINDOW, 143},
    {BARCOLOR_MENU_TEXT_DISABLED, COLOR_GRAYTEXT, COLOR_WINDOW, 70},
    {BARCOLOR_GRIPPER, COLOR_BTNSHADOW, COLOR_WINDOW, 75},
    {BARCOLOR_SEPARATOR, COLOR_BTNSHADOW, COLOR_WINDOW, 70},
    {BARCOLOR_MENU_BORDER, BARCOLOR_TOOLBAR_TEXT, COLOR_BTNSHADOW, 20},
    {BARCOLOR_DISABLED, COLOR_BTNSHADOW, COLOR_WINDOW, 90},
    {BARCOLOR_TOOLBAR_FACE_SHADED, COLOR_BTNFACE, COLOR_BTNSHADOW, 90},
};

// Contrast corrections, in order: (reference, colour, stored into, threshold).
struct Contrast {
    int reference, color, target, threshold;
};
const Contrast kContrasts[] = {
    {BARCOLOR_TOOLBAR_FACE, BARCOLOR_HIGHLIGHT, BARCOLOR_HIGHLIGHT, 50},
    {BARCOLOR_TOOLBAR_FACE, COLOR_HIGHLIGHT, BARCOLOR_HIGHLIGHT_BORDER, 100},
    {BARCOLOR_TOOLBAR_FACE, BARCOLOR_HIGHLIGHT_PUSHED, BARCOLOR_HIGHLIGHT_PUSHED, 30},
    {BARCOLOR_MENU_FACE, BARCOLOR_MENU_TEXT_DISABLED, BARCOLOR_MENU_TEXT_DISABLED, 80},
    {BARCOLOR_HIGHLIGHT_PUSHED, BARCOLOR_CHECKED_HOT_BORDER, BARCOLOR_CHECKED_HOT_BORDER, 100},
    {BARCOLOR_TOOLBAR_FACE, BARCOLOR_GRIPPER, BARCOLOR_GRIPPER, 85},
    {BARCOLOR_TOOLBAR_FACE, BARCOLOR_SEPARATOR, BARCOLOR_SEPARATOR, 50},
    {BARCOLOR_PUSHED_TEXT, BARCOLOR_MENU_BORDER, BARCOLOR_MENU_BORDER, 100},
    {BARCOLOR_TOOLBAR_FACE, BARCOLOR_DISABLED, BARCOLOR_DISABLED, 80},
    {BARCOLOR_MENU_FACE, BARCOLOR_MENU_TEXT, BARCOLOR_MENU_TEXT, 180},
    {BARCOLOR_HIGHLIGHT, BARCOLOR_HIGHLIGHT_TEXT, BARCOLOR_HIGHLIGHT_TEXT, 180},
    {BARCOLOR_TOOLBAR_FACE, BARCOLOR_TOOLBAR_TEXT, BARCOLOR_TOOLBAR_TEXT, 180},
    {BARCOLOR_HIGHLIGHT_PUSHED, BARCOLOR_PUSHED_TEXT, BARCOLOR_PUSHED_TEXT, 180},
};

// The system colour each toolkit colour starts from (and keeps on low-colour displays).
const int kDefaults[UI_PALETTE_SIZE - BARCOLOR_TOOLBAR_FACE] = {
    15, 5, 13, 13, 16, 17, 5, 13, 16, 16, 16, 5, 16, 16, 8, 7, 18, 14, 15, 18, 13, 15, 16, 15, 16, 15,
};

// The fixed colours of the three visual-style schemes (1-3).
struct SchemeColors {
    COLORREF frame, darkFirst, darkSecond, lightFirst, lightSecond, shadowFirst, shadowSecond;
};
const SchemeColors kSchemes[] = {
    {0x962D00, 0xD68759, 0x962D00, 0xF5BE9E, 0xFADAC4, 0xD68759, 0x962D00},
    {0x588060, 0x82C0AF, 0x447A63, 0xA7D9D9, 0xE4F1F2, 0x6F8E78, 0x435B49},
    {0x947C7C, 0xBFA7A8, 0x916F70, 0xE5D7D7, 0xF7F3F3, 0xBFA7A8, 0x977677},
};

int MaxChannel(COLORREF color) { return std::max({GetRValue(color), GetGValue(color), GetBValue(color)}); }

// Each channel times k/m, integer division.
COLORREF ScaleChannels(COLORREF color, int k, int m) {
    return RGB(GetRValue(color) * k / m, GetGValue(color) * k / m, GetBValue(color) * k / m);
}

// A face colour brighter by up to 35 in its largest channel, hue kept.
COLORREF BrightFace(COLORREF face) {
    const int m = MaxChannel(face);
    if (m == 0) return RGB(0x23, 0x23, 0x23);
    return ScaleChannels(face, m + std::min(35, 255 - m), m);
}

// A shadow darker by 43 in its largest channel, hue kept.
COLORREF DeepShadow(COLORREF face, COLORREF shadow) {
    if (face == 0) return RGB(0x7F, 0x7F, 0x7F);
    const int m = MaxChannel(shadow);
    if (m == 0) return 0;
    return ScaleChannels(shadow, std::max(m - 43, 0), m);
}

COLORREF CheckedFill(COLORREF face, COLORREF window, COLORREF highlight) {
    auto mix = [](int f, int w, int h) { return f * 50 / 100 + w * 40 / 100 + h * 10 / 100; };
    return RGB(mix(GetRValue(face), GetRValue(window), GetRValue(highlight)),
               mix(GetGValue(face), GetGValue(window), GetGValue(highlight)),
               mix(GetBValue(face), GetBValue(window), GetBValue(highlight)));
}

COLORREF ThreeQuarters(COLORREF color) {
    return RGB(GetRValue(color) * 3 / 4, GetGValue(color) * 3 / 4, GetBValue(color) * 3 / 4);
}

}  // namespace

COLORREF CUISystemPalette::GetColor(UINT index) const {
    return index < UI_PALETTE_SIZE ? m_colors[index] : static_cast<COLORREF>(index);
}

const IPaletteSource& CUISystemPalette::Source() const {
    static const PlatformPaletteSource platform;
    return m_source ? *m_source : platform;
}

void CUISystemPalette::RefreshColors(BOOL onlyOnce) {
    if (onlyOnce && m_computed) return;
    m_computed = TRUE;
    m_lowColor = Source().IsLowColor();
    LoadSystemColors();
    SetDefaultColors();
    if (!m_lowColor) {
        BlendBarColors();
        CorrectContrast();
        DeriveFaceAndShadow();
    }
    RefreshSchemeColors();
}

void CUISystemPalette::LoadSystemColors() {
    std::fill(std::begin(m_colors), std::end(m_colors), 0);
    for (int i = COLOR_SCROLLBAR + 1; i <= COLOR_GRADIENTACTIVECAPTION; ++i) m_colors[i] = Source().GetSysColor(i);
}

void CUISystemPalette::SetDefaultColors() {
    for (int i = BARCOLOR_TOOLBAR_FACE; i < UI_PALETTE_SIZE; ++i) m_colors[i] = m_colors[kDefaults[i - BARCOLOR_TOOLBAR_FACE]];
}

void CUISystemPalette::BlendBarColors() {
    for (const Blend& blend : kBlends) At(blend.target) = BlendColors(At(blend.a), At(blend.b), blend.weight);
    // The toolbar face stays near the button face.
    if (IsColorDistanceGreater(At(COLOR_BTNFACE), At(BARCOLOR_TOOLBAR_FACE), TRUE, 35))
        At(BARCOLOR_TOOLBAR_FACE) = LimitDistance(At(COLOR_BTNFACE), At(BARCOLOR_TOOLBAR_FACE), 35);
}

void CUISystemPalette::EnsureContrastOf(int reference, int color, int target, double threshold) {
    if (!IsColorDistanceGreater(At(reference), At(color), TRUE, threshold))
        At(target) = EnsureContrast(At(reference), At(color), threshold);
}

void CUISystemPalette::CorrectContrast() {
    for (const Contrast& step : kContrasts) EnsureContrastOf(step.reference, step.color, step.target, step.threshold);
    // Disabled menu text does not stand out more than this.
    if (IsColorDistanceGreater(At(BARCOLOR_MENU_FACE), At(BARCOLOR_MENU_TEXT_DISABLED), TRUE, 145))
        At(BARCOLOR_MENU_TEXT_DISABLED) = LimitDistance(At(BARCOLOR_MENU_FACE), At(BARCOLOR_MENU_TEXT_DISABLED), 145);
}

void CUISystemPalette::DeriveFaceAndShadow() {
    At(BARCOLOR_CHECKED) = CheckedFill(At(BARCOLOR_TOOLBAR_FACE), At(COLOR_WINDOW), At(COLOR_HIGHLIGHT));
    At(BARCOLOR_FACE_BRIGHT) = BrightFace(At(COLOR_BTNFACE));
    At(BARCOLOR_SHADOW_DEEP) = DeepShadow(At(COLOR_BTNFACE), At(COLOR_BTNSHADOW));
    At(BARCOLOR_HIGHLIGHT_SHADED) = ThreeQuarters(At(BARCOLOR_HIGHLIGHT));
    At(BARCOLOR_TOOLBAR_FACE_ALT) = At(BARCOLOR_TOOLBAR_FACE);
    At(COLOR_3DLIGHT) = CUIColorRef(At(COLOR_BTNFACE)).AddGray(15);
}

void CUISystemPalette::RefreshSchemeColors() {
    darkGradient.SetSolid(At(COLOR_BTNSHADOW));
    lightGradient.Set(At(COLOR_BTNFACE), BlendColors(At(COLOR_BTNFACE), At(COLOR_WINDOW), 205));
    shadowGradient.Set(At(COLOR_BTNFACE), At(COLOR_BTNSHADOW));
    if (m_lunaColorsDisabled) return;
    const int scheme = Source().GetLunaColorScheme();
    if (scheme < 1 || scheme > 3) return;
    const SchemeColors& colors = kSchemes[scheme - 1];
    At(BARCOLOR_FRAME) = colors.frame;
    darkGradient.Set(colors.darkFirst, colors.darkSecond);
    lightGradient.Set(colors.lightFirst, colors.lightSecond);
    shadowGradient.Set(colors.shadowFirst, colors.shadowSecond);
}

CUISystemPalette& GetUISystemPalette() {
    static CUISystemPalette palette;
    return palette;
}
