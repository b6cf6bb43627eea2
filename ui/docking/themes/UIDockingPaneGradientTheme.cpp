#include "ui/docking/themes/UIDockingPaneGradientTheme.h"

#include <algorithm>

#include "ui/commandbars/UIColors.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIGradientHelper.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/commandbars/UIThemeApi.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"

namespace {
CUIDockingPaneGradientTheme::SchemeQuery schemeQuery = ::GetLunaColorScheme;

// Per scheme 1-3: caption gradient top and bottom, and palette entries 51, 38 and 32.
struct SchemeColors {
    COLORREF top, bottom, face, gripper, border;
};
const SchemeColors Schemes[3] = {
    {0xFEECDD, 0xE2A981, 0xFCE7D8, 0x764127, 0x800000},
    {0xDEF7F4, 0x91C6B7, 0xBFE7E2, 0x335E51, 0x385D3F},
    {0xFAF4F3, 0xB59799, 0xEADFDF, 0x755454, 0x6F4B4B},
};
}  // namespace

void CUIDockingPaneGradientTheme::SetSchemeQuery(SchemeQuery query) {
    schemeQuery = query ? query : ::GetLunaColorScheme;
}

CUIDockingPaneGradientTheme::CUIDockingPaneGradientTheme() {
    for (CUITabTheme* tabs : {&m_paneTabs, &m_panelTabs}) {
        tabs->SetAppearance(2);
        tabs->SetColorSet(4);
        tabs->hotTabs = TRUE;
    }
    CUIDockingPaneGradientTheme::RefreshMetrics();
}

void CUIDockingPaneGradientTheme::RefreshMetrics() {
    CUIDockingPaneFlatTheme::RefreshMetrics();
    m_captionTextHeight = std::max(20, SpaceHeight(m_captionFont) + 2);
    m_captionGradientTop = BlendColors(GetColor(COLOR_BTNFACE), GetColor(COLOR_WINDOW), 205);
    m_captionGradientBottom = GetColor(COLOR_BTNFACE);
    m_schemeApplied = FALSE;
    if (GetUISystemPalette().IsLunaColorsDisabled())
        return;
    int scheme = schemeQuery();
    if (scheme < 1 || scheme > 3)
        return;
    const SchemeColors& colors = Schemes[scheme - 1];
    m_captionGradientTop = colors.top;
    m_captionGradientBottom = colors.bottom;
    const int indices[] = {51, 38, 32};
    const COLORREF values[] = {colors.face, colors.gripper, colors.border};
    SetColors(3, indices, values);
    m_schemeApplied = TRUE;
}

int CUIDockingPaneGradientTheme::DrawButtonBackground(CDC* dc, const CRect& rect,
                                                      const CUIDockingPaneCaptionButton& button) {
    BOOL pressed = button.IsPressed();
    if (!pressed && !button.IsHot())
        return 18;
    if (m_schemeApplied) {
        GetUIGradientHelper().FillGradient(dc, rect, pressed ? 0x4B8EFE : 0xC8F2FF, pressed ? 0x8BCFFF : 0x97D4FF,
                                           FALSE);
        COLORREF frame = GetColor(32);
        dc->Draw3dRect(rect, frame, frame);
        return 0;
    }
    FillAndFrameRect(dc, rect, pressed ? 33 : 31, 32);
    return pressed ? 47 : 45;
}

void CUIDockingPaneGradientTheme::DrawCaption(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) {
    CRect band(rect.left, rect.top, rect.right, rect.top + m_captionTextHeight + 3);
    dc->FillSolidRect(band, GetColor(51));
    CRect gradient(band.left, band.top + 1, band.right, band.bottom);
    int saved = dc->SaveDC();
    for (CPoint corner : {CPoint(gradient.left, gradient.top), CPoint(gradient.right - 1, gradient.top),
                          CPoint(gradient.left, gradient.bottom - 1), CPoint(gradient.right - 1, gradient.bottom - 1)})
        dc->ExcludeClipRect(corner.x, corner.y, corner.x + 1, corner.y + 1);
    GetUIGradientHelper().FillGradient(dc, gradient, m_captionGradientTop, m_captionGradientBottom, FALSE);
    dc->RestoreDC(saved);

    for (int y = 8; y < band.Height(); y += 4) {
        dc->FillSolidRect(CRect(6, y - 2, 8, y), GetColor(20));
        dc->FillSolidRect(CRect(5, y - 3, 7, y - 1), GetColor(38));
    }

    int cy = band.top + band.Height() / 2;
    CRect button(band.right - 20, cy - 8, band.right - 4, cy + 8);
    CUIDockingPaneCaptionButton& close = container->GetCloseButton();
    close.SetRect(ShowsCloseButton(container) ? button : CRect());
    if (ShowsCloseButton(container)) {
        DrawCrossGlyph(dc, button, DrawButtonBackground(dc, button, close));
        button.OffsetRect(-button.Width(), 0);
    }
    CUIDockingPaneCaptionButton& pin = container->GetAutoHideButton();
    pin.SetRect(ShowsAutoHideButton(container) ? button : CRect());
    if (ShowsAutoHideButton(container)) {
        CUIPenSelector pen(dc->m_hDC, GetColor(DrawButtonBackground(dc, button, pin)));
        CPoint centre = button.CenterPoint();
        DrawPinGlyph(dc, centre.x, centre.y, container->GetPlacement() == 3);
        button.OffsetRect(-button.Width(), 0);
    }
    if (container->GetSelected())
        DrawTitle(dc, container, CRect(band.left + 14, band.top + 1, button.right - 2, band.bottom),
                  ::GetSysColor(COLOR_BTNTEXT));
}
