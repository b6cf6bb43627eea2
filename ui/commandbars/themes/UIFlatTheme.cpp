#include "ui/commandbars/themes/UIFlatTheme.h"

#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIImageIconSet.h"
#include "ui/commandbars/UIPopupBar.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/commandbars/themes/UIThemeFonts.h"
#include "ui/commandbars/themes/UIThemeQueries.h"

#include <algorithm>

CUIFlatTheme::CUIFlatTheme() {
    m_fadedIcons = TRUE;
    m_iconShadow = TRUE;
}

void CUIFlatTheme::FillBarArea(CDC* dc, int x, int y, int width, int height, BOOL alternative) {
    FillIndexed(dc, CRect(x, y, x + width, y + height), alternative ? BARCOLOR_TOOLBAR_FACE_SHADED : BARCOLOR_TOOLBAR_FACE);
}

void CUIFlatTheme::DrawButtonRectangle(CDC* dc, CRect rect, int selected, int pressed, BOOL enabled, int checked,
                                       BOOL popupOpen, BOOL toolBarButton, int) {
    if (!enabled) {
        if (checked && !toolBarButton)
            FillAndFrameRect(dc, rect, BARCOLOR_DISABLED, BARCOLOR_TOOLBAR_FACE);
        if (selected == 2)
            FillAndFrameRect(dc, rect, BARCOLOR_HIGHLIGHT_BORDER, toolBarButton ? BARCOLOR_HIGHLIGHT : BARCOLOR_MENU_FACE);
        return;
    }
    if (popupOpen)
        FillAndFrameRect(dc, rect, BARCOLOR_MENU_BORDER, BARCOLOR_TOOLBAR_FACE);
    else if (checked && !selected && !pressed)
        FillAndFrameRect(dc, rect, BARCOLOR_PUSHED_BORDER, BARCOLOR_CHECKED);
    else if (checked && selected && !pressed)
        FillAndFrameRect(dc, rect, BARCOLOR_CHECKED_HOT_BORDER, BARCOLOR_HIGHLIGHT_PUSHED);
    else if (pressed == 2 || (selected && pressed))
        FillAndFrameRect(dc, rect, BARCOLOR_PUSHED_BORDER, BARCOLOR_HIGHLIGHT_PUSHED);
    else if (selected || pressed == 1)
        FillAndFrameRect(dc, rect, BARCOLOR_HIGHLIGHT_BORDER, BARCOLOR_HIGHLIGHT);
}

void CUIFlatTheme::DrawButtonBackground(CDC* dc, CRect rect, BOOL enabled, int selected, int pressed, int checked,
                                        BOOL popupOpen, int position) {
    DrawButtonRectangle(dc, rect, selected, pressed, enabled, checked, popupOpen, TRUE, position);
    int text = BARCOLOR_TOOLBAR_TEXT;
    if (!enabled)
        text = BARCOLOR_DISABLED;
    else if (popupOpen)
        text = BARCOLOR_TOOLBAR_TEXT;
    else if (checked && !selected && !pressed)
        text = BARCOLOR_HIGHLIGHT_TEXT;
    else if (pressed == 2 || (selected && (pressed || checked)))
        text = BARCOLOR_PUSHED_TEXT;
    else if (selected || pressed == 1)
        text = BARCOLOR_HIGHLIGHT_TEXT;
    dc->SetTextColor(GetColor(text));
    dc->SetBkMode(TRANSPARENT);
}

void CUIFlatTheme::DrawControlImage(CDC* dc, CPoint position, CSize size, void* image, int selected, int pressed,
                                    BOOL enabled, int checked, BOOL popupOpen, BOOL) {
    CUIImageIconSet* icons = static_cast<CUIImageIconSet*>(image);
    if (!icons)
        return;
    if (!enabled) {
        if (!m_disabledIconVariant && !icons->IsAlpha())
            StampIcon(dc, image, position, size, GetColor(BARCOLOR_DISABLED));
        else
            DrawIconForm(dc, image, uiIconDisabled, position, size);
    } else if (popupOpen || checked) {
        DrawIconForm(dc, image, checked && (selected || pressed) ? uiIconHot : uiIconNormal, position, size);
    } else if (!selected && !pressed) {
        DrawIconForm(dc, image, m_fadedIcons ? uiIconFaded : uiIconNormal, position, size);
    } else if (pressed == 2 || (selected && pressed)) {
        DrawIconForm(dc, image, uiIconHot, position, size);
    } else if (m_iconShadow) {
        DrawIconForm(dc, image, uiIconShadow, position + CPoint(1, 1), size);
        DrawIconForm(dc, image, uiIconHot, CPoint(position.x - 1, position.y - 1), size);
    } else {
        DrawIconForm(dc, image, uiIconHot, position, size);
    }
}

void CUIFlatTheme::DrawOpenerConnection(CDC* dc, CUICommandBar* bar, int fill) {
    CUIPopupBar* popup = dynamic_cast<CUIPopupBar*>(bar);
    CUIControlPopup* opener = popup ? popup->GetOpener() : nullptr;
    CUICommandBar* openerBar = opener ? opener->GetParent() : nullptr;
    if (!openerBar || !openerBar->GetSafeHwnd())
        return;
    CRect control = opener->GetRect();
    openerBar->ClientToScreen(&control);
    const CRect window = GetWindowRectOf(bar);
    CRect touch;
    if (!touch.IntersectRect(&control, &window))
        return;
    touch.OffsetRect(-window.left, -window.top);
    if (touch.Width() > 1)
        touch.DeflateRect(1, 0);
    if (touch.Height() > 1)
        touch.DeflateRect(0, 1);
    FillIndexed(dc, touch, fill);
}

void CUIFlatTheme::FillCommandBarBackground(CDC* dc, CUICommandBar* bar) {
    const CRect r = GetClientRectOf(bar);
    const int w = r.Width(), h = r.Height();
    if (bar->GetPosition() == uiBarFloating) {
        CUIPenSelector pen(dc->GetSafeHdc(), GetColor(BARCOLOR_MENU_BORDER));
        CUIBrushSelector brush(dc->GetSafeHdc(),
                               GetColor(bar->GetType() == uiBarTypeMenuBar ? COLOR_BTNFACE : BARCOLOR_TOOLBAR_FACE));
        dc->Rectangle(r);
        CRect inner = r;
        inner.DeflateRect(1, 1);
        dc->Rectangle(inner);
        const COLORREF corner = pen.GetColor();
        dc->SetPixel(2, 2, corner);
        dc->SetPixel(w - 3, 2, corner);
        dc->SetPixel(2, h - 3, corner);
        dc->SetPixel(w - 3, h - 3, corner);
    } else if (bar->GetType() == uiBarTypeMenuBar) {
        FillIndexed(dc, r, COLOR_BTNFACE);
    } else if (bar->GetPosition() == uiBarPopup) {
        FillAndFrameRect(dc, r, BARCOLOR_MENU_BORDER, BARCOLOR_MENU_FACE);
        if (bar->GetType() == uiBarTypePopup)
            FillBarArea(dc, 1, 2, CUIThemeFonts::Get().popupEntryHeight + 5, h - 4, FALSE);
        DrawOpenerConnection(dc, bar, BARCOLOR_TOOLBAR_FACE);
    } else {
        FillIndexed(dc, r, BARCOLOR_TOOLBAR_FACE);
        Draw3dRectIndexed(dc, r, COLOR_BTNFACE, COLOR_BTNFACE);
        const COLORREF face = GetColor(COLOR_BTNFACE);
        dc->SetPixel(1, 1, face);
        dc->SetPixel(w - 2, 1, face);
        dc->SetPixel(1, h - 2, face);
        dc->SetPixel(w - 2, h - 2, face);
    }
}

CSize CUIFlatTheme::DrawFloatingCaption(CDC* dc, CUICommandBar* bar, BOOL draw, COLORREF fill) {
    CUIGdiSelector font(dc->GetSafeHdc(), CUIThemeFonts::Get().smallCaption.GetSafeHandle());
    const CRect client = GetClientRectOf(bar);
    const int textHeight = dc->GetTextExtent(" ", 1).cy;
    const CRect caption(3, 3, client.right - 3, textHeight < 15 ? 18 : textHeight + 3);
    if (draw) {
        dc->FillSolidRect(caption, fill);
        dc->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
        dc->SetBkMode(TRANSPARENT);
        CRect title(5, 3, caption.right - 2 * caption.Height(), caption.bottom);
        dc->DrawText(bar->GetTitle(), &title, DT_SINGLELINE | DT_VCENTER);
    }
    return caption.Size();
}

CSize CUIFlatTheme::DrawBarGripper(CDC* dc, CUICommandBar* bar, BOOL draw) {
    const CRect client = GetClientRectOf(bar);
    const int w = client.Width(), h = client.Height();
    switch (bar->GetPosition()) {
    case uiBarTop:
    case uiBarBottom:
        if (draw && h - 5 > 5) {
            CUIPenSelector pen(dc->GetSafeHdc(), GetColor(BARCOLOR_GRIPPER));
            for (int y = 5; y < h - 5; y += 2)
                DrawLine(dc, CPoint(3, y), CPoint(6, y));
        }
        return CSize(6, 0);
    case uiBarLeft:
    case uiBarRight:
        if (draw && w - 5 > 5) {
            CUIPenSelector pen(dc->GetSafeHdc(), GetColor(BARCOLOR_GRIPPER));
            for (int x = 5; x < w - 5; x += 2)
                DrawLine(dc, CPoint(x, 3), CPoint(x, 6));
        }
        return CSize(0, 8);
    case uiBarFloating:
        return DrawFloatingCaption(dc, bar, draw, GetColor(COLOR_BTNSHADOW));
    default:
        return CSize(0, 0);
    }
}

CSize CUIFlatTheme::DrawControlSeparator(CDC* dc, CUICommandBar* bar, CUIControl* control, BOOL draw) {
    if (!draw)
        return CSize(0, 3);
    const CRect row = control->m_rowRect;
    const CRect rect = control->GetRect();
    CUIPenSelector pen(dc->GetSafeHdc(), GetColor(BARCOLOR_SEPARATOR));
    if (bar->GetType() == uiBarTypePopup) {
        const int entry = CUIThemeFonts::Get().popupEntryHeight;
        const int left = control->m_temporary ? 2 * entry + 18 : entry + 14;
        DrawLine(dc, CPoint(left, rect.top - 2), CPoint(GetClientRectOf(bar).right - 1, rect.top - 2));
    } else if (bar->GetPosition() == uiBarLeft || bar->GetPosition() == uiBarRight) {
        if (control->m_startsRow)
            DrawLine(dc, CPoint(row.right + 2, row.top + 4), CPoint(row.right + 2, row.bottom));
        else
            DrawLine(dc, CPoint(row.left, rect.top - 4), CPoint(row.right, rect.top - 4));
    } else if (control->m_startsRow) {
        DrawLine(dc, CPoint(row.left + 4, row.top - 4), CPoint(row.right, row.top - 4));
    } else {
        DrawLine(dc, CPoint(rect.left - 4, row.top), CPoint(rect.left - 4, row.bottom));
    }
    return CSize(0, 0);
}

void CUIFlatTheme::AdjustExcludeRect(CRect& rect, CUIControl* control) {
    const int position = ControlBarPosition(control);
    if (IsOnPopupBar(control))
        rect.InflateRect(1, 0);
    else if (control->GetType() == uiControlComboBox)
        return;
    else if (position == uiBarLeft || position == uiBarRight || position == uiBarPopup)
        rect.DeflateRect(1, 0);
    else
        rect.DeflateRect(0, 1);
}

void CUIFlatTheme::DrawStatusBarPane(CDC* dc, CRect& rect, UINT style, LPCSTR text) {
    if (!(style & SBT_NOBORDERS))
        Draw3dRectIndexed(dc, rect, COLOR_BTNSHADOW, COLOR_BTNSHADOW);
    if (style & 0x04000000)  // disabled: no text
        return;
    rect.DeflateRect(2, 1);
    dc->SetBkMode(TRANSPARENT);
    dc->DrawText(text, -1, &rect, DT_SINGLELINE | DT_VCENTER);
}

CSize CUIFlatTheme::DrawTearOffGripper(CDC* dc, CRect rect, BOOL selected, BOOL draw) {
    if (!draw)
        return CSize(0, 9);
    CRect strip(1, 1, rect.right + 1, rect.Height() + 1);
    FillIndexed(dc, strip, BARCOLOR_MENU_FACE);
    strip.DeflateRect(1, 1);
    const int c = strip.CenterPoint().x;
    int d = rect.Width() / 2;
    d = d > 26 ? 16 : d - 10;
    if (selected)
        FillAndFrameRect(dc, strip, BARCOLOR_HIGHLIGHT_BORDER, BARCOLOR_HIGHLIGHT);
    else
        FillIndexed(dc, strip, BARCOLOR_TOOLBAR_FACE);
    if (d <= 0)
        return CSize(0, 9);
    CUIPenSelector pen(dc->GetSafeHdc(), GetColor(selected ? BARCOLOR_HIGHLIGHT_TEXT : BARCOLOR_GRIPPER));
    const int linesSelected[] = {4, 6};
    const int linesIdle[] = {3, 5, 7};
    const int* lines = selected ? linesSelected : linesIdle;
    const int count = selected ? 2 : 3;
    for (int i = 0; i < count; ++i)
        DrawLine(dc, CPoint(c - d, lines[i]), CPoint(c + d, lines[i]));
    return CSize(0, 9);
}

CSize CUIFlatTheme::DrawSpecialControl(CDC* dc, int kind, CUIControl* control, CUICommandBar* bar, BOOL draw,
                                       void* parameter) {
    if (kind == 4)
        return DrawButtonListEntry(dc, control, draw);
    return CUICommandBarsTheme::DrawSpecialControl(dc, kind, control, bar, draw, parameter);
}
