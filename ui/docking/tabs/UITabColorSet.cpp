#include "ui/docking/tabs/UITabColorSet.h"

#include <utility>

#include "ui/commandbars/UIGradientHelper.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/commandbars/UIThemeApi.h"
#include "ui/docking/tabs/UITabTheme.h"

namespace {
COLORREF Palette(int index) { return GetUISystemPalette().GetColor(index); }

void SetOutline(COLORREF* outline, COLORREF a, COLORREF b, COLORREF c, COLORREF d, COLORREF e, COLORREF f) {
    const COLORREF values[6] = {a, b, c, d, e, f};
    for (int i = 0; i < 6; ++i) outline[i] = values[i];
}

// The colours the scheme set takes from each recognised visual-style colour scheme.
struct SchemeColors {
    COLORREF frameBorder, slantBorder, slantLight, buttonBorder;
    COLORREF headerFirst, headerSecond, autoHideFirst, autoHideSecond;
    COLORREF normalFace, hotFace;
};
const SchemeColors Schemes[3] = {
    {0x9C613B, 0x9A3500, 0xF1A675, 0x800000, 0xFADAC4, 0xFEFDFC, 0xF5BE9E, 0xFADAC4, 0xF6C0A2, 0xC9F0FF},
    {0x588060, 0x6B7760, 0x8CC2B0, 0x385D3F, 0xE4F1F2, 0xFEFEFC, 0xA7D9D9, 0xE4F1F2, 0xAADED0, 0xC7F0FF},
    {0x947C7C, 0x927476, 0xCEB9BA, 0x6F4B4B, 0xF7F3F3, 0xFEFEFC, 0xE5D7D7, 0xF7F3F3, 0xE6D9D9, 0xC2EEFF},
};
const COLORREF SchemeButtonFace = 0x6FC0FF;
const COLORREF SchemeSelectedFace = 0x73C2FF;
}  // namespace

// --- shared behaviour ---

int CUITabColorSet::AppearanceIndex() const { return m_owner ? m_owner->GetAppearanceIndex() : 0; }

void CUITabColorSet::SetBaseColors() {
    GetUISystemPalette().RefreshColors(FALSE);
    int appearance = AppearanceIndex();
    headerFaceColour.Set(Palette(COLOR_BTNFACE), Palette(COLOR_BTNFACE));
    frameBorderColour = Palette(COLOR_BTNSHADOW);
    controlFaceColour = Palette(COLOR_BTNFACE);
    borderHighlightColour = Palette(COLOR_BTNHIGHLIGHT);
    selectedFaceColour = appearance == 7 ? Palette(COLOR_WINDOW) : Palette(COLOR_BTNFACE);
    normalFaceColour = Palette(COLOR_BTNFACE);
    normalTextColour = inactiveTextColour = selectedTextColour = Palette(COLOR_BTNTEXT);
    hotTextColour = 0x800000;
    disabledTextColour = Palette(COLOR_GRAYTEXT);
    buttonFaceColour.Set(Palette(COLOR_WINDOW), Palette(COLOR_WINDOW));
    buttonBorderColour.Set(Palette(COLOR_HIGHLIGHT), Palette(COLOR_HIGHLIGHT));
    edgeLightColour = Palette(COLOR_BTNHIGHLIGHT);
    edgeShadowColour = Palette(COLOR_BTNSHADOW);
    edgeDarkShadowColour = Palette(COLOR_3DDKSHADOW);
    slantBorderColour = slantBorderSelectedColour = ::GetSysColor(COLOR_BTNSHADOW);
    slantLightColour = slantLight2Colour = ::GetSysColor(COLOR_BTNFACE);
    COLORREF text = Palette(COLOR_BTNTEXT), shadow = Palette(COLOR_BTNSHADOW);
    SetOutline(outlineSelectedColour, text, shadow, text, TabNoColor, TabNoColor, TabNoColor);
    SetOutline(outlineColour, text, shadow, text, Palette(COLOR_WINDOW), shadow, TabNoColor);
}

void CUITabColorSet::RefreshMetrics() {
    SetBaseColors();
    autoHideFaceColour = headerFaceColour;
}

void CUITabColorSet::SetTextColor(CDC* dc, CUITabStripItem* item) {
    CUITabStripBase* strip = item->owner;
    COLORREF color = normalTextColour;
    if (!item->enabled)
        color = disabledTextColour;
    else if (strip && !strip->IsActive())
        color = inactiveTextColour;
    else if (strip && item == strip->GetHotItem())
        color = hotTextColour;
    else if (strip && item == strip->GetSelectedItem())
        color = selectedTextColour;
    dc->SetTextColor(color);
}

COLORREF CUITabColorSet::GetItemColor(CUITabStripItem* item) {
    CUITabStripBase* strip = item->owner;
    if (m_owner->itemColorFill && strip) return strip->GetItemColor(item);
    return strip && item == strip->GetSelectedItem() ? selectedFaceColour : normalFaceColour;
}

void CUITabColorSet::GradientFill(CDC* dc, CRect rect, COLORREF a, COLORREF b, int position) {
    if (a == TabDitherPattern) {
        COLORREF oldBack = dc->SetBkColor(::GetSysColor(COLOR_BTNFACE));
        COLORREF oldText = dc->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        dc->FillRect(&rect, CDC::GetHalftoneBrush());
        dc->SetBkColor(oldBack);
        dc->SetTextColor(oldText);
        return;
    }
    BOOL reversed = position == TabPositionBottom || position == TabPositionRight;
    if (m_owner && m_owner->reverseGradients) reversed = !reversed;
    if (reversed) std::swap(a, b);
    GetUIGradientHelper().FillGradient(dc, &rect, a, b, !IsHorizontalPosition(position));
}

void CUITabColorSet::FillHeader(CDC* dc, CRect rect, CUITabStripBase* strip) {
    GradientFill(dc, rect, headerFaceColour, strip->GetPosition());
}

COLORREF CUITabColorSet::FillClient(CDC* dc, CRect rect, CUITabStripBase* strip) {
    CUITabStripItem* selected = strip->GetSelectedItem();
    COLORREF color = selected ? GetItemColor(selected) : selectedFaceColour;
    dc->FillSolidRect(&rect, color);
    return color;
}

COLORREF CUITabColorSet::FillItem(CDC* dc, CRect rect, CUITabStripItem* item) {
    COLORREF color = GetItemColor(item);
    dc->FillSolidRect(&rect, color);
    return color;
}

void CUITabColorSet::DrawItemBackground(CDC* dc, CRect r, CUITabStripItem* item) {
    CUITabStripBase* strip = item->owner;
    if (strip && item == strip->GetSelectedItem()) {
        if (m_owner->itemColorFill)
            dc->FillSolidRect(&r, GetItemColor(item));
        else
            GradientFill(dc, r, buttonFaceColour, strip->GetPosition());
        dc->Draw3dRect(&r, buttonBorderColour.first, buttonBorderColour.second);
        return;
    }
    COLORREF shadow = Palette(COLOR_BTNSHADOW), light = Palette(COLOR_BTNHIGHLIGHT);
    if (!strip || strip->IsHorizontal())
        dc->Draw3dRect(r.right, r.top + 2, 2, r.Height() - 4, shadow, light);
    else
        dc->Draw3dRect(r.left + 2, r.bottom, r.Width() - 4, 2, shadow, light);
}

void CUITabColorSet::DrawButtonFrame(CDC* dc, CUITabNavigateButton* button, CRect& rect, COLORREF dark, COLORREF light) {
    if (!button->IsEnabled()) return;
    if (button->IsPressed()) {
        dc->Draw3dRect(&rect, dark, light);
        rect.OffsetRect(1, 1);
    } else if (button->IsHot()) {
        dc->Draw3dRect(&rect, light, dark);
    }
}

void CUITabColorSet::DrawNavigateButton(CDC* dc, CUITabNavigateButton* button, CRect& rect) {
    DrawButtonFrame(dc, button, rect, Palette(COLOR_BTNSHADOW), Palette(COLOR_BTNHIGHLIGHT));
    dc->SetTextColor(Palette(COLOR_BTNTEXT));
}

// --- classic ---

void CUITabColorSetClassic::RefreshMetrics() {
    SetBaseColors();
    if (AppearanceIndex() == 7) {
        frameBorderColour = Palette(COLOR_BTNTEXT);
        selectedFaceColour = Palette(COLOR_BTNFACE);
        normalFaceColour = Palette(COLOR_WINDOW);
    }
    buttonFaceColour.Set(TabDitherPattern, TabDitherPattern);
    buttonBorderColour.Set(Palette(COLOR_BTNSHADOW), Palette(COLOR_BTNHIGHLIGHT));
    COLORREF text = Palette(COLOR_BTNTEXT), shadow = Palette(COLOR_BTNSHADOW);
    SetOutline(outlineSelectedColour, text, text, text, Palette(COLOR_WINDOW), shadow, shadow);
    SetOutline(outlineColour, text, text, text, TabNoColor, TabNoColor, TabNoColor);
    autoHideFaceColour = headerFaceColour;
}

// --- flat ---

void CUITabColorSetFlat::RefreshMetrics() {
    SetBaseColors();
    int appearance = AppearanceIndex();
    if (appearance != 4 && appearance != 7) headerFaceColour.SetSolid(Palette(BARCOLOR_FACE_BRIGHT));
    if (appearance == 5) normalTextColour = inactiveTextColour = Palette(BARCOLOR_SHADOW_DEEP);
    autoHideFaceColour = headerFaceColour;
}

void CUITabColorSetFlat::DrawNavigateButton(CDC* dc, CUITabNavigateButton* button, CRect& rect) {
    int appearance = AppearanceIndex();
    if (appearance == 4 || appearance == 7) {
        CUITabColorSet::DrawNavigateButton(dc, button, rect);
        return;
    }
    DrawButtonFrame(dc, button, rect, Palette(COLOR_BTNTEXT), Palette(COLOR_BTNFACE));
    dc->SetTextColor(Palette(BARCOLOR_SHADOW_DEEP));
}

// --- scheme ---

void CUITabColorSetScheme::RefreshMetrics() {
    SetBaseColors();
    int appearance = AppearanceIndex();
    COLORREF face = Palette(COLOR_BTNFACE);
    if (appearance == 4)
        headerFaceColour.SetSolid(face);
    else
        headerFaceColour.Set(face, BlendColors(face, Palette(COLOR_WINDOW), 205));
    hotTextColour = Palette(COLOR_BTNTEXT);
    buttonFaceColour.SetSolid(Palette(BARCOLOR_CHECKED));
    buttonBorderColour.SetSolid(Palette(BARCOLOR_CHECKED_HOT_BORDER));
    hotFaceColour = Palette(BARCOLOR_CHECKED);
    buttonFrameColour = buttonBorderColour.first;
    SetOutline(outlineSelectedColour, frameBorderColour, frameBorderColour, frameBorderColour, TabNoColor, TabNoColor,
               TabNoColor);
    for (int i = 0; i < 6; ++i) outlineColour[i] = outlineSelectedColour[i];
    autoHideFaceColour = headerFaceColour;

    schemeApplied = FALSE;
    if (m_owner && m_owner->IsLunaColorsDisabled()) return;
    int scheme = ::GetLunaColorScheme();
    if (scheme >= 1 && scheme <= 3)
        ApplyScheme(scheme);
    else
        selectedFaceColour = Palette(BARCOLOR_CHECKED);
}

void CUITabColorSetScheme::ApplyScheme(int scheme) {
    const SchemeColors& s = Schemes[scheme - 1];
    schemeApplied = TRUE;
    frameBorderColour = slantBorderSelectedColour = s.frameBorder;
    slantBorderColour = edgeDarkShadowColour = s.slantBorder;
    slantLightColour = edgeShadowColour = s.slantLight;
    slantLight2Colour = 0xFFFFFF;
    buttonFaceColour.SetSolid(SchemeButtonFace);
    buttonBorderColour.SetSolid(s.buttonBorder);
    buttonFrameColour = s.buttonBorder;
    headerFaceColour.Set(s.headerFirst, s.headerSecond);
    autoHideFaceColour.Set(s.autoHideFirst, s.autoHideSecond);
    normalFaceColour = s.normalFace;
    selectedFaceColour = SchemeSelectedFace;
    hotFaceColour = s.hotFace;
    SetOutline(outlineSelectedColour, frameBorderColour, frameBorderColour, frameBorderColour, TabNoColor, TabNoColor,
               TabNoColor);
    for (int i = 0; i < 6; ++i) outlineColour[i] = outlineSelectedColour[i];
    if (AppearanceIndex() == 4) {
        headerFaceColour.SetSolid(Palette(COLOR_BTNFACE));
        autoHideFaceColour = headerFaceColour;
    }
}

COLORREF CUITabColorSetScheme::FillItem(CDC* dc, CRect rect, CUITabStripItem* item) {
    CUITabStripBase* strip = item->owner;
    COLORREF color = strip && item == strip->GetHotItem() ? hotFaceColour : GetItemColor(item);
    GradientFill(dc, rect, BlendColors(color, 0xFFFFFF, 300), color, strip ? strip->GetPosition() : TabPositionTop);
    return color;
}

void CUITabColorSetScheme::DrawNavigateButton(CDC* dc, CUITabNavigateButton* button, CRect& rect) {
    BOOL hot = button->IsHot(), pressed = button->IsPressed();
    if (!button->IsEnabled() || (!hot && !pressed)) {
        dc->SetTextColor(Palette(COLOR_BTNTEXT));
        return;
    }
    BOOL both = hot && pressed;
    if (schemeApplied) {
        GetUIGradientHelper().FillGradient(dc, &rect, both ? 0x4B8EFE : 0xC8F2FF, both ? 0x8BCFFF : 0x97D4FF, FALSE);
        dc->Draw3dRect(&rect, buttonFrameColour, buttonFrameColour);
        dc->SetTextColor(Palette(COLOR_BTNTEXT));
        return;
    }
    dc->FillSolidRect(&rect, Palette(both ? BARCOLOR_HIGHLIGHT_PUSHED : BARCOLOR_HIGHLIGHT));
    COLORREF frame = Palette(both ? BARCOLOR_PUSHED_BORDER : BARCOLOR_HIGHLIGHT_BORDER);
    dc->Draw3dRect(&rect, frame, frame);
    dc->SetTextColor(Palette(both ? BARCOLOR_PUSHED_TEXT : BARCOLOR_HIGHLIGHT_TEXT));
}
