// The glyph controls every theme draws the same way unless it says otherwise: the
// toolbar's expand button, the popup's expand entry and the caption buttons of a
// floating bar.
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/themes/UIThemeQueries.h"

namespace {

// Polylines of three points with the current pen, each given as x, y pairs.
void DrawPolylines(CDC* dc, const int (*lines)[6], int count) {
    for (int i = 0; i < count; ++i) {
        dc->MoveTo(lines[i][0], lines[i][1]);
        dc->LineTo(lines[i][2], lines[i][3]);
        dc->LineTo(lines[i][4], lines[i][5]);
    }
}

BOOL IsVerticalPosition(int position) {
    return position == uiBarLeft || position == uiBarRight || position == uiBarPopup;
}

}  // namespace

CSize CUICommandBarsTheme::DrawSpecialControl(CDC* dc, int kind, CUIControl* control, CUICommandBar* bar, BOOL draw,
                                              void* parameter) {
    const int position = bar ? bar->GetPosition() : uiBarNone;
    switch (kind) {
    case 0: {
        if (!draw) {
            const CSize size = parameter ? *static_cast<const CSize*>(parameter) : CSize(0, 0);
            control->SetRect(IsVerticalPosition(position) ? CRect(2, size.cy - 13, size.cx - 2, size.cy - 2)
                                                          : CRect(size.cx - 13, 2, size.cx - 2, size.cy - 2));
            return CSize(0, 0);
        }
        DrawControlBackground(dc, control);
        const BOOL hidden = parameter && *static_cast<const BOOL*>(parameter);
        const CRect r = control->GetRect();
        const int l = r.left, t = r.top;
        if (!IsVerticalPosition(position)) {
            const int x = l + r.Width() / 2;
            DrawTriangle(dc, CPoint(x - 2, r.bottom - 7), CPoint(x + 2, r.bottom - 7), CPoint(x, r.bottom - 5),
                         dc->GetTextColor());
            const int marks[4][6] = {{l + 2, t + 4, l + 4, t + 6, l + 1, t + 9},
                                     {l + 3, t + 4, l + 5, t + 6, l + 2, t + 9},
                                     {l + 6, t + 4, l + 8, t + 6, l + 5, t + 9},
                                     {l + 7, t + 4, l + 9, t + 6, l + 6, t + 9}};
            if (hidden)
                DrawPolylines(dc, marks, 4);
        } else {
            DrawTriangle(dc, CPoint(l + 6, t + 3), CPoint(l + 6, t + 7), CPoint(l + 4, t + 5), dc->GetTextColor());
            const int rr = r.right;
            const int marks[4][6] = {{rr - 8, t + 2, rr - 6, t + 4, rr - 3, t + 1},
                                     {rr - 8, t + 3, rr - 6, t + 5, rr - 3, t + 2},
                                     {rr - 8, t + 6, rr - 6, t + 8, rr - 3, t + 5},
                                     {rr - 8, t + 7, rr - 6, t + 9, rr - 3, t + 6}};
            if (hidden)
                DrawPolylines(dc, marks, 4);
        }
        return CSize(0, 0);
    }
    case 1: {
        if (draw) {
            DrawControlBackground(dc, control);
            const CRect r = control->GetRect();
            const int x = (r.left + r.right) / 2, t = r.top;
            const int chevrons[4][6] = {{x - 2, t + 2, x, t + 4, x + 3, t + 1},
                                        {x - 2, t + 3, x, t + 5, x + 3, t + 2},
                                        {x - 2, t + 6, x, t + 8, x + 3, t + 5},
                                        {x - 2, t + 7, x, t + 9, x + 3, t + 6}};
            DrawPolylines(dc, chevrons, 4);
        }
        return CSize(0, 12);
    }
    case 2: {
        if (!dc)
            return CSize(0, 0);
        CFont marlett;
        marlett.CreatePointFont(::MulDiv(80, 96, dc->GetDeviceCaps(LOGPIXELSX)), "Marlett", dc);
        CUIGdiSelector font(dc->GetSafeHdc(), marlett.GetSafeHandle());
        DrawControlBackground(dc, control);
        if (!control->GetPressed() && !control->GetSelected())
            dc->SetTextColor(GetColor(COLOR_HIGHLIGHTTEXT));
        CRect r = control->GetRect();
        dc->DrawText("r", 1, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        return CSize(0, 0);
    }
    case 3: {
        if (!dc)
            return CSize(0, 0);
        DrawControlBackground(dc, control);
        const COLORREF color = !control->GetSelected() && !IsControlPopupOpen(control) ? GetColor(COLOR_HIGHLIGHTTEXT)
                                                                                         : dc->GetTextColor();
        const CRect r = control->GetRect();
        const int x = r.left + r.Width() / 2, y = r.top + r.Height() / 2;
        DrawTriangle(dc, CPoint(x - 3, y - 2), CPoint(x + 3, y - 2), CPoint(x, y + 1), color);
        return CSize(0, 0);
    }
    default:
        return CSize(0, 0);
    }
}
