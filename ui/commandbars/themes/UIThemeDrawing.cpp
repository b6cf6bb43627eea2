// The small drawing routines every theme uses, and the base fills of dock and status
// bars with the status bar's size gripper.
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIImageIconSet.h"
#include "ui/commandbars/themes/UIThemeFonts.h"

#include "platform/CWnd.h"

#include <cstring>

CString CUICommandBarsTheme::StripAmpersands(const CString& caption) {
    CString text;
    const int length = caption.GetLength();
    for (int i = 0; i < length; ++i) {
        const char c = caption[i];
        if (c != '&') {
            text += c;
        } else if (i + 1 < length && caption[i + 1] == '&') {
            text += '&';
            ++i;
        }
    }
    return text;
}

void CUICommandBarsTheme::DrawTriangle(CDC* dc, CPoint a, CPoint b, CPoint c, COLORREF color) {
    CUIPenSelector pen(dc->GetSafeHdc(), color);
    CUIBrushSelector brush(dc->GetSafeHdc(), color);
    const POINT points[3] = {a, b, c};
    dc->Polygon(points, 3);
}

void CUICommandBarsTheme::FillIndexed(CDC* dc, CRect rect, int index) { dc->FillSolidRect(rect, GetColor(index)); }

void CUICommandBarsTheme::DrawComboArrowGlyph(CDC* dc, CRect button, int colorIndex) {
    CUIGdiSelector symbol(dc->GetSafeHdc(), CUIThemeFonts::Get().symbol.GetSafeHandle());
    dc->SetTextColor(GetColor(colorIndex));
    button.OffsetRect(1, 1);
    dc->DrawText("u", 1, &button, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void CUICommandBarsTheme::FillAndFrameRect(CDC* dc, CRect rect, int frame, int fill) {
    dc->FillSolidRect(rect, GetColor(fill));
    Draw3dRectIndexed(dc, rect, frame, frame);
}

void CUICommandBarsTheme::Draw3dRectIndexed(CDC* dc, CRect rect, int topLeft, int bottomRight) {
    dc->Draw3dRect(rect, GetColor(topLeft), GetColor(bottomRight));
}

void CUICommandBarsTheme::DrawCheckMarkLines(CDC* dc, CRect rect, COLORREF color) {
    CUIPenSelector pen(dc->GetSafeHdc(), color);
    const int l = rect.left, t = rect.top;
    for (int offset = 0; offset < 2; ++offset) {
        dc->MoveTo(l + 6, t + 9 + offset);
        dc->LineTo(l + 8, t + 11 + offset);
        dc->LineTo(l + 13, t + 6 + offset);
    }
}

void CUICommandBarsTheme::DrawLine(CDC* dc, CPoint from, CPoint to) {
    dc->MoveTo(from.x, from.y);
    dc->LineTo(to.x, to.y);
}

void CUICommandBarsTheme::DrawLineIndexed(CDC* dc, CPoint from, CPoint to, int index) {
    CUIPenSelector pen(dc->GetSafeHdc(), GetColor(index));
    DrawLine(dc, from, to);
}

void CUICommandBarsTheme::ExcludeCorners(CDC* dc, CRect rect) {
    dc->ExcludeClipRect(rect.left, rect.top, rect.left + 1, rect.top + 1);
    dc->ExcludeClipRect(rect.right - 1, rect.top, rect.right, rect.top + 1);
    dc->ExcludeClipRect(rect.left, rect.bottom - 1, rect.left + 1, rect.bottom);
    dc->ExcludeClipRect(rect.right - 1, rect.bottom - 1, rect.right, rect.bottom);
}

void CUICommandBarsTheme::FillDockBarBackground(CDC* dc, CWnd* window) {
    dc->FillSolidRect(GetClientRectOf(window), ::GetSysColor(COLOR_BTNFACE));
}

void CUICommandBarsTheme::FillStatusBarBackground(CDC* dc, CWnd* window) {
    dc->FillSolidRect(GetClientRectOf(window), ::GetSysColor(COLOR_BTNFACE));
}

// Three diagonal ridges in the bottom-right corner: two dark lines and a light one.
void CUICommandBarsTheme::DrawStatusBarGripper(CDC* dc, CRect clientRect) {
    const int w = clientRect.Width(), h = clientRect.Height();
    for (int n = 0; n <= 8; n += 4) {
        {
            CUIPenSelector shadow(dc->GetSafeHdc(), ::GetSysColor(COLOR_BTNSHADOW));
            DrawLine(dc, CPoint(w - 3 - n, h - 2), CPoint(w - 1, h - 4 - n));
            DrawLine(dc, CPoint(w - 4 - n, h - 2), CPoint(w - 1, h - 5 - n));
        }
        CUIPenSelector highlight(dc->GetSafeHdc(), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawLine(dc, CPoint(w - 5 - n, h - 2), CPoint(w - 1, h - 6 - n));
    }
}

CSize CUICommandBarsTheme::ImageDrawSize(void* image, CSize size) {
    const CUIImageIconSet* icons = static_cast<const CUIImageIconSet*>(image);
    const int width = size.cx > 0 ? size.cx : icons->GetWidth();
    if (size.cy > 0)
        return CSize(width, size.cy);
    return CSize(width, icons->GetWidth() > 0 ? icons->GetHeight() * width / icons->GetWidth() : width);
}

void CUICommandBarsTheme::StampIcon(CDC* dc, void* image, CPoint point, CSize size, COLORREF color) {
    CUIImageIconSet* icons = static_cast<CUIImageIconSet*>(image);
    CBrush brush(color);
    dc->DrawState(point, ImageDrawSize(image, size), icons->GetIcon().GetIcon(), DSS_MONO, &brush);
}

void CUICommandBarsTheme::DrawIconForm(CDC* dc, void* image, int form, CPoint point, CSize size) {
    CUIImageIconSet* icons = static_cast<CUIImageIconSet*>(image);
    CUIImageIconHandle* handle = &icons->GetIcon();
    switch (form) {
    case uiIconHot:
        handle = &icons->GetHotIcon();
        break;
    case uiIconDisabled:
        handle = &icons->GetDisabledIcon();
        break;
    case uiIconFaded:
        handle = &icons->GetFadedIcon();
        break;
    case uiIconShadow:
        handle = &icons->GetShadowIcon();
        break;
    default:
        break;
    }
    if (handle->IsEmpty())
        handle = &icons->GetIcon();
    icons->Draw(dc, point, *handle, size);
}
