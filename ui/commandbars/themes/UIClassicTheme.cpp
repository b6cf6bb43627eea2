#include "ui/commandbars/themes/UIClassicTheme.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIImageIconSet.h"
#include "ui/commandbars/themes/UIThemeFonts.h"
#include "ui/commandbars/themes/UIThemeQueries.h"

void CUIClassicTheme::FillDither(CDC* dc, CRect rect) {
    const WORD rows[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    CBitmap pattern;
    pattern.Attach(::CreateBitmap(8, 8, 1, 1, rows));
    CBrush brush;
    brush.Attach(::CreatePatternBrush(pattern));
    CUIGdiSelector selected(dc->GetSafeHdc(), brush.GetSafeHandle());
    const COLORREF background = dc->SetBkColor(::GetSysColor(COLOR_BTNFACE));
    const COLORREF text = dc->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
    dc->PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATCOPY);
    dc->SetBkColor(background);
    dc->SetTextColor(text);
}

void CUIClassicTheme::DrawButtonRectangle(CDC* dc, CRect rect, int selected, int pressed, BOOL enabled, int checked,
                                          BOOL popupOpen, BOOL toolBarButton, int) {
    if (!enabled) {
        if ((checked && !toolBarButton) || selected == 2)
            DrawSunken(dc, rect);
        return;
    }
    if (checked) {
        if (!selected && !pressed)
            FillDither(dc, rect);
        DrawSunken(dc, rect);
    } else if (popupOpen || pressed == 2 || (selected && pressed)) {
        DrawSunken(dc, rect);
    } else if (selected || pressed == 1) {
        DrawRaised(dc, rect);
    }
}

void CUIClassicTheme::DrawButtonBackground(CDC* dc, CRect rect, BOOL enabled, int selected, int pressed, int checked,
                                           BOOL popupOpen, int position) {
    DrawButtonRectangle(dc, rect, selected, pressed, enabled, checked, popupOpen, TRUE, position);
    dc->SetTextColor(GetColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    dc->SetBkMode(TRANSPARENT);
}

void CUIClassicTheme::DrawControlImage(CDC* dc, CPoint position, CSize size, void* image, int selected, int pressed,
                                       BOOL enabled, int checked, BOOL popupOpen, BOOL) {
    CUIImageIconSet* icons = static_cast<CUIImageIconSet*>(image);
    if (!icons)
        return;
    const CPoint at = position;
    if (!enabled) {
        if (!m_disabledIconVariant && !icons->IsAlpha()) {
            StampIcon(dc, image, at + CPoint(1, 1), size, GetColor(COLOR_BTNHIGHLIGHT));
            StampIcon(dc, image, at, size, GetColor(COLOR_BTNSHADOW));
        } else {
            DrawIconForm(dc, image, uiIconDisabled, at, size);
        }
    } else if (popupOpen || checked) {
        DrawIconForm(dc, image, checked && (selected || pressed) ? uiIconHot : uiIconNormal, at, size);
    } else if (!selected && !pressed) {
        DrawIconForm(dc, image, m_fadedIcons ? uiIconFaded : uiIconNormal, at, size);
    } else if (pressed == 2 || (selected && pressed)) {
        DrawIconForm(dc, image, uiIconHot, at + CPoint(1, 1), size);
    } else if (m_iconShadow) {
        DrawIconForm(dc, image, uiIconShadow, at + CPoint(1, 1), size);
        DrawIconForm(dc, image, uiIconHot, CPoint(at.x - 1, at.y - 1), size);
    } else {
        DrawIconForm(dc, image, uiIconHot, at, size);
    }
}

void CUIClassicTheme::FillCommandBarBackground(CDC* dc, CUICommandBar* bar) {
    CRect rect = GetClientRectOf(bar);
    FillIndexed(dc, rect, COLOR_BTNFACE);
    const int position = bar->GetPosition();
    if (position == uiBarFloating || position == uiBarPopup) {
        Draw3dRectIndexed(dc, rect, COLOR_BTNFACE, 0);
        rect.DeflateRect(1, 1);
    }
    DrawRaised(dc, rect);
}

CSize CUIClassicTheme::DrawFloatingCaption(CDC* dc, CUICommandBar* bar, BOOL draw, int fill) {
    CUIGdiSelector font(dc->GetSafeHdc(), CUIThemeFonts::Get().smallCaption.GetSafeHandle());
    const CRect client = GetClientRectOf(bar);
    const int textHeight = dc->GetTextExtent(" ", 1).cy;
    const CRect caption(3, 3, client.right - 3, textHeight < 15 ? 18 : textHeight + 3);
    if (draw) {
        FillIndexed(dc, caption, fill);
        dc->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
        dc->SetBkMode(TRANSPARENT);
        CRect title(5, 3, caption.right - 2 * caption.Height(), caption.bottom);
        dc->DrawText(bar->GetTitle(), &title, DT_SINGLELINE | DT_VCENTER);
    }
    return caption.Size();
}

CSize CUIClassicTheme::DrawBarGripper(CDC* dc, CUICommandBar* bar, BOOL draw) {
    const CRect client = GetClientRectOf(bar);
    switch (bar->GetPosition()) {
    case uiBarTop:
    case uiBarBottom:
        if (draw)
            DrawRaised(dc, CRect(3, 3, 6, client.bottom - 3));
        return CSize(6, 0);
    case uiBarLeft:
    case uiBarRight:
        if (draw)
            DrawRaised(dc, CRect(3, 3, client.right - 3, 6));
        return CSize(0, 8);
    case uiBarFloating:
        return DrawFloatingCaption(dc, bar, draw, COLOR_ACTIVECAPTION);
    default:
        return CSize(0, 0);
    }
}

CSize CUIClassicTheme::DrawControlSeparator(CDC* dc, CUICommandBar* bar, CUIControl* control, BOOL draw) {
    if (!draw)
        return CSize(0, 8);
    const CRect row = control->m_rowRect;
    const CRect rect = control->GetRect();
    CRect line;
    if (bar->GetType() == uiBarTypePopup) {
        line = CRect(14, rect.top - 5, GetClientRectOf(bar).right - 14, rect.top - 3);
    } else if (bar->GetPosition() == uiBarLeft || bar->GetPosition() == uiBarRight) {
        line = control->m_startsRow ? CRect(row.right + 2, row.top + 4, row.right + 4, row.bottom)
                                    : CRect(row.left, rect.top - 4, row.right, rect.top - 2);
    } else {
        line = control->m_startsRow ? CRect(row.left + 4, row.top - 4, row.right, row.top - 2)
                                    : CRect(rect.left - 4, row.top, rect.left - 2, row.bottom);
    }
    DrawSunken(dc, line);
    return CSize(0, 0);
}

void CUIClassicTheme::AdjustExcludeRect(CRect& rect, CUIControl* control) {
    if (control->GetType() == uiControlComboBox)
        return;
    const int position = ControlBarPosition(control);
    if (IsOnPopupBar(control))
        rect.DeflateRect(1, 0);
    else if (position == uiBarLeft || position == uiBarRight || position == uiBarPopup)
        rect.InflateRect(0, 1);
    else
        rect.InflateRect(1, 0);
}

void CUIClassicTheme::DrawStatusBarPane(CDC* dc, CRect& rect, UINT style, LPCSTR text) {
    if (!(style & SBT_NOBORDERS))
        DrawSunken(dc, rect);
    if (style & 0x04000000)  // disabled: no text
        return;
    rect.DeflateRect(2, 1);
    dc->SetBkMode(TRANSPARENT);
    dc->DrawText(text, -1, &rect, DT_SINGLELINE | DT_VCENTER);
}

CRect CUIClassicTheme::GetBarBorders(CUICommandBar* bar) {
    return bar && bar->GetType() == uiBarTypePopup ? CRect(3, 3, 3, 3) : CRect(2, 2, 2, 2);
}

CSize CUIClassicTheme::DrawTearOffGripper(CDC* dc, CRect rect, BOOL selected, BOOL draw) {
    if (draw)
        FillIndexed(dc, CRect(rect.left, rect.top, rect.right, rect.bottom - 1),
                    selected ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    return CSize(0, 8);
}

CSize CUIClassicTheme::DrawSpecialControl(CDC* dc, int kind, CUIControl* control, CUICommandBar* bar, BOOL draw,
                                          void* parameter) {
    if (kind == 4)
        return DrawButtonListEntry(dc, control, draw);
    if ((kind == 2 || kind == 3) && dc &&
        (control->GetPressed() || control->GetSelected() || (kind == 3 && IsControlPopupOpen(control))))
        FillIndexed(dc, control->GetRect(), COLOR_BTNFACE);
    return CUICommandBarsTheme::DrawSpecialControl(dc, kind, control, bar, draw, parameter);
}
