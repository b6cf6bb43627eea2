#include "ui/commandbars/themes/UIGradientTheme.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIDockBar.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIGradientHelper.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/commandbars/UIThemeApi.h"
#include "ui/commandbars/themes/UIThemeFonts.h"
#include "ui/commandbars/themes/UIThemeQueries.h"

#include "platform/CControlBar.h"

#include <vssym32.h>

#include <algorithm>

namespace {

const DWORD kRightDockStyle = CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT;

// The fixed button gradients under a colour scheme.
const COLORREF kCheckedFrom = RGB(255, 213, 140), kCheckedTo = RGB(255, 173, 85);
const COLORREF kPressedFrom = RGB(254, 142, 75), kPressedTo = RGB(255, 207, 139);
const COLORREF kHotFrom = RGB(255, 242, 200), kHotTo = RGB(255, 212, 151);

BOOL IsVerticalDock(int position) { return position == uiBarLeft || position == uiBarRight; }

// The CBRS_ bits of a dock bar as made, of another window its style.
DWORD DockStyleOf(CWnd* window) {
    const CUIDockBar* dockBar = dynamic_cast<const CUIDockBar*>(window);
    return dockBar ? dockBar->GetDockStyle() : (window ? window->GetStyle() : 0);
}

void Gradient(CDC* dc, const CRect& rect, COLORREF from, COLORREF to, BOOL horizontal) {
    GetUIGradientHelper().FillGradient(dc, rect, from, to, horizontal);
}

// The first visible control of a bar, or null.
CUIControl* FirstVisibleControl(CUICommandBar* bar) {
    for (int i = 0; i < bar->GetControlCount(); ++i) {
        if (bar->GetControl(i)->IsVisible())
            return bar->GetControl(i);
    }
    return nullptr;
}

CRect RowOf(const CUIControl* control) {
    return control->m_rowRect.IsRectEmpty() ? control->GetRect() : control->m_rowRect;
}

}  // namespace

CUIGradientTheme::CUIGradientTheme() : m_status(new CUIThemeApi) {
    m_fadedIcons = FALSE;
    m_iconShadow = FALSE;
    RefreshMetrics();
}

CUIGradientTheme::~CUIGradientTheme() = default;

void CUIGradientTheme::SetStatusThemeApi(CUIThemeApi* api) {
    m_status.reset(api);
    RefreshMetrics();
}

void CUIGradientTheme::FillBarArea(CDC* dc, int x, int y, int width, int height, BOOL alternative) {
    const CRect rect(x, y, x + width, y + height);
    if (alternative)
        Gradient(dc, rect, m_gradient.alternativeStart, m_gradient.alternativeEnd, TRUE);
    else
        Gradient(dc, rect, m_gradient.faceStart, m_gradient.faceEnd, TRUE);
}

void CUIGradientTheme::FillDockGradient(CDC* dc, CRect rect, int minimumWidth) {
    rect.right = std::max<LONG>(rect.right, rect.left + minimumWidth);
    Gradient(dc, rect, m_gradient.dockLeft, m_gradient.dockRight, TRUE);
}

void CUIGradientTheme::FillDockBarBackground(CDC* dc, CWnd* window) {
    const CRect client = GetClientRectOf(window);
    if (DockStyleOf(window) & kRightDockStyle)
        dc->FillSolidRect(client, m_gradient.dockRight);
    else
        FillDockGradient(dc, client, ::GetSystemMetrics(SM_CXFULLSCREEN) / 2);
}

// A docked toolbar: what shows around it continues its dock bar's shading; its face
// is a gradient with rounded corners and an edge line along the far side.
void CUIGradientTheme::FillDockedToolBar(CDC* dc, CUICommandBar* bar, BOOL vertical) {
    const CRect r = GetClientRectOf(bar);
    FillIndexed(dc, r, COLOR_BTNFACE);
    CWnd* dock = bar->GetParent();
    if (vertical && (DockStyleOf(dock) & kRightDockStyle)) {
        dc->FillSolidRect(r, m_gradient.dockRight);
    } else if (dock) {
        CRect around = GetWindowRectOf(dock);
        bar->ScreenToClient(&around);
        around.right = around.left + ::GetSystemMetrics(SM_CXFULLSCREEN);
        Gradient(dc, around, m_gradient.dockLeft, m_gradient.dockRight, TRUE);
    }
    CUIControl* first = FirstVisibleControl(bar);
    if (!vertical) {
        dc->ExcludeClipRect(r.left, r.top, r.left + 3, r.bottom);
        ExcludeCorners(dc, CRect(r.left + 3, r.top + 1, r.right, r.bottom - 1));
        CRect face(r.left, r.top + 1, r.right, r.bottom);
        if (first)
            face.bottom = std::min<LONG>(RowOf(first).bottom + 1, r.bottom);
        Gradient(dc, face, m_gradient.faceStart, m_gradient.faceEnd, FALSE);
        dc->FillSolidRect(CRect(r.left, face.bottom, r.right, r.bottom - 1), m_gradient.faceEnd);
        dc->FillSolidRect(CRect(r.left + 5, r.bottom - 1, r.left + 5 + r.Width() - 7, r.bottom), m_gradient.edge);
    } else {
        dc->ExcludeClipRect(r.left, r.top, r.right, r.top + 3);
        ExcludeCorners(dc, CRect(r.left + 1, r.top + 3, r.right - 1, r.bottom));
        CRect face(r.left + 1, r.top, r.right, r.bottom);
        if (first)
            face.right = std::min<LONG>(RowOf(first).right + 1, r.right);
        Gradient(dc, face, m_gradient.faceStart, m_gradient.faceEnd, TRUE);
        dc->FillSolidRect(CRect(r.right - 1, r.top + 5, r.right, r.top + 5 + r.Height() - 7), m_gradient.edge);
    }
    dc->SelectClipRgn(nullptr);
}

void CUIGradientTheme::FillCommandBarBackground(CDC* dc, CUICommandBar* bar) {
    const CRect r = GetClientRectOf(bar);
    const int position = bar->GetPosition();
    if (bar->GetType() == uiBarTypeMenuBar) {
        FillDockGradient(dc, r, ::GetSystemMetrics(SM_CXFULLSCREEN) / 2);
        if (position == uiBarFloating) {
            CRect inner = r;
            Draw3dRectIndexed(dc, inner, BARCOLOR_MENU_BORDER, BARCOLOR_MENU_BORDER);
            inner.DeflateRect(1, 1);
            Draw3dRectIndexed(dc, inner, BARCOLOR_MENU_BORDER, BARCOLOR_MENU_BORDER);
            const COLORREF corner = GetColor(BARCOLOR_MENU_BORDER);
            dc->SetPixel(2, 2, corner);
            dc->SetPixel(r.Width() - 3, 2, corner);
            dc->SetPixel(2, r.Height() - 3, corner);
            dc->SetPixel(r.Width() - 3, r.Height() - 3, corner);
        }
        return;
    }
    switch (position) {
    case uiBarTop:
    case uiBarBottom:
        FillDockedToolBar(dc, bar, FALSE);
        return;
    case uiBarLeft:
    case uiBarRight:
        FillDockedToolBar(dc, bar, TRUE);
        return;
    case uiBarPopup:
        FillAndFrameRect(dc, r, BARCOLOR_MENU_BORDER, BARCOLOR_MENU_FACE);
        if (bar->GetType() == uiBarTypePopup)
            FillBarArea(dc, 1, 2, CUIThemeFonts::Get().popupEntryHeight + 5, r.bottom - 4, FALSE);
        DrawOpenerConnection(dc, bar, BARCOLOR_MENU_FACE);
        return;
    default:
        CUIFlatTheme::FillCommandBarBackground(dc, bar);
        return;
    }
}

void CUIGradientTheme::DrawButtonRectangle(CDC* dc, CRect rect, int selected, int pressed, BOOL enabled,
                                           int checked, BOOL popupOpen, BOOL toolBarButton, int position) {
    if (popupOpen) {
        Gradient(dc, rect, m_gradient.openTop, m_gradient.openBottom, FALSE);
        Draw3dRectIndexed(dc, rect, BARCOLOR_MENU_BORDER, BARCOLOR_MENU_BORDER);
        return;
    }
    if (!m_schemeApplied || !toolBarButton || position < uiBarTop || position > uiBarRight) {
        CUIFlatTheme::DrawButtonRectangle(dc, rect, selected, pressed, enabled, checked, FALSE, toolBarButton,
                                          position);
        return;
    }
    const BOOL horizontal = IsVerticalDock(position);
    auto look = [&](COLORREF from, COLORREF to, int frame) {
        Gradient(dc, rect, from, to, horizontal);
        Draw3dRectIndexed(dc, rect, frame, frame);
    };
    if (!enabled) {
        if (selected == 2)
            look(kHotFrom, kHotTo, BARCOLOR_HIGHLIGHT_BORDER);
    } else if (checked && !selected && !pressed) {
        look(kCheckedFrom, kCheckedTo, BARCOLOR_PUSHED_BORDER);
    } else if (checked && selected && !pressed) {
        look(kPressedFrom, kPressedTo, BARCOLOR_PUSHED_BORDER);
    } else if (pressed == 2 || (selected && pressed)) {
        look(kPressedFrom, kPressedTo, BARCOLOR_PUSHED_BORDER);
    } else if (selected || pressed == 1) {
        look(kHotFrom, kHotTo, BARCOLOR_HIGHLIGHT_BORDER);
    }
}

// One dot of a gripper: a highlight square below-right of a dark one.
void CUIGradientTheme::DrawDots(CDC* dc, int x, int y) {
    FillIndexed(dc, CRect(x + 1, y + 1, x + 3, y + 3), COLOR_BTNHIGHLIGHT);
    FillIndexed(dc, CRect(x, y, x + 2, y + 2), BARCOLOR_GRIPPER);
}

CSize CUIGradientTheme::DrawBarGripper(CDC* dc, CUICommandBar* bar, BOOL draw) {
    const CRect client = GetClientRectOf(bar);
    const int w = client.Width(), h = client.Height();
    switch (bar->GetPosition()) {
    case uiBarTop:
    case uiBarBottom:
        for (int k = 8; draw && k - 3 < h - 8; k += 4)
            DrawDots(dc, 5, k - 3);
        return CSize(6, 0);
    case uiBarLeft:
    case uiBarRight:
        for (int k = 8; draw && k - 3 < w - 8; k += 4)
            DrawDots(dc, k - 3, 6);
        return CSize(0, 9);
    case uiBarFloating:
        return DrawFloatingCaption(dc, bar, draw, m_gradient.floatingCaption);
    default:
        return CSize(0, 0);
    }
}

CSize CUIGradientTheme::DrawControlSeparator(CDC* dc, CUICommandBar* bar, CUIControl* control, BOOL draw) {
    const int position = bar ? bar->GetPosition() : uiBarNone;
    if (!draw || bar->GetType() == uiBarTypePopup || position < uiBarTop || position > uiBarRight)
        return CUIFlatTheme::DrawControlSeparator(dc, bar, control, draw);
    const CRect row = control->m_rowRect;
    const CRect rect = control->GetRect();
    CPoint dark[2], light[2];
    if (!IsVerticalDock(position)) {
        if (control->m_startsRow) {
            dark[0] = CPoint(row.left + 4, row.top - 4), dark[1] = CPoint(row.right, row.top - 4);
            light[0] = CPoint(row.left + 5, row.top - 3), light[1] = CPoint(row.right, row.top - 3);
        } else {
            dark[0] = CPoint(rect.left - 4, row.top + 4), dark[1] = CPoint(rect.left - 4, row.bottom - 4);
            light[0] = CPoint(rect.left - 3, row.top + 5), light[1] = CPoint(rect.left - 3, row.bottom - 3);
        }
    } else if (control->m_startsRow) {
        dark[0] = CPoint(row.right + 2, row.top + 4), dark[1] = CPoint(row.right + 2, row.bottom);
        light[0] = CPoint(row.right + 3, row.top + 5), light[1] = CPoint(row.right + 3, row.bottom);
    } else {
        dark[0] = CPoint(row.left + 4, rect.top - 4), dark[1] = CPoint(row.right - 4, rect.top - 4);
        light[0] = CPoint(row.left + 5, rect.top - 3), light[1] = CPoint(row.right - 3, rect.top - 3);
    }
    DrawLineIndexed(dc, dark[0], dark[1], BARCOLOR_SEPARATOR);
    DrawLineIndexed(dc, light[0], light[1], COLOR_BTNHIGHLIGHT);
    return CSize(0, 0);
}

CRect CUIGradientTheme::GetBarBorders(CUICommandBar* bar) {
    const int position = bar ? bar->GetPosition() : uiBarNone;
    return position == uiBarTop || position == uiBarBottom ? CRect(4, 2, 2, 2) : CRect(2, 2, 2, 2);
}

CSize CUIGradientTheme::DrawTearOffGripper(CDC* dc, CRect rect, BOOL selected, BOOL draw) {
    if (!draw)
        return CSize(0, 9);
    CRect strip(1, 1, rect.right + 1, rect.Height() + 1);
    FillIndexed(dc, strip, BARCOLOR_MENU_FACE);
    strip.DeflateRect(1, 1);
    if (selected)
        FillAndFrameRect(dc, strip, BARCOLOR_HIGHLIGHT_BORDER, BARCOLOR_HIGHLIGHT);
    else
        FillIndexed(dc, strip, BARCOLOR_TOOLBAR_FACE);
    const int c = strip.CenterPoint().x;
    int d = rect.Width() / 2;
    d = d > 42 ? 32 : d - 10;
    for (int x = c - d + 3; x - 3 < c + d; x += 4) {
        FillIndexed(dc, CRect(x - 2, 5, x, 7), COLOR_BTNHIGHLIGHT);
        FillIndexed(dc, CRect(x - 3, 4, x - 1, 6), BARCOLOR_GRIPPER);
    }
    return CSize(0, 9);
}

void CUIGradientTheme::DrawStatusBarPane(CDC* dc, CRect& rect, UINT style, LPCSTR text) {
    if (!(style & SBT_NOBORDERS))
        dc->Draw3dRect(rect, m_gradient.statusFrame, m_gradient.statusFrame);
    if (style & 0x04000000)  // disabled: no text
        return;
    rect.DeflateRect(2, 1);
    dc->SetBkMode(TRANSPARENT);
    dc->DrawText(text, -1, &rect, DT_SINGLELINE | DT_VCENTER);
}

void CUIGradientTheme::DrawStatusBarGripper(CDC* dc, CRect clientRect) {
    if (m_status->IsAppThemed()) {
        const CRect gripper(clientRect.right - 18, clientRect.top, clientRect.right, clientRect.bottom);
        m_status->DrawThemeBackground(dc->GetSafeHdc(), SP_GRIPPER, 0, &gripper, nullptr);
        return;
    }
    const int w = clientRect.Width(), h = clientRect.Height();
    for (int k = 0; k <= 10; k += 5) {
        {
            CUIPenSelector shadow(dc->GetSafeHdc(), ::GetSysColor(COLOR_BTNSHADOW));
            DrawLine(dc, CPoint(w - k, h - 1), CPoint(w, h - 1 - k));
            DrawLine(dc, CPoint(w - 1 - k, h - 1), CPoint(w, h - 2 - k));
            DrawLine(dc, CPoint(w - 2 - k, h - 1), CPoint(w, h - 3 - k));
        }
        CUIPenSelector highlight(dc->GetSafeHdc(), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawLine(dc, CPoint(w - 3 - k, h - 1), CPoint(w, h - 4 - k));
    }
}

// The expand button: a shaded tab at the bar's end with a chevron and, when buttons
// are hidden, two small arrows.
void CUIGradientTheme::DrawExpandButton(CDC* dc, CUIControl* control, CUICommandBar* bar, BOOL hidden) {
    const CRect r = control->GetRect();
    const BOOL vertical = bar && (IsVerticalDock(bar->GetPosition()) || bar->GetPosition() == uiBarPopup);
    if (!vertical) {
        dc->ExcludeClipRect(r.right - 1, r.top, r.right, r.top + 1);
        dc->ExcludeClipRect(r.right - 1, r.bottom - 1, r.right, r.bottom);
        dc->ExcludeClipRect(r.left, r.top + 1, r.left + 1, r.bottom - 1);
    } else {
        dc->ExcludeClipRect(r.left, r.bottom - 1, r.left + 1, r.bottom);
        dc->ExcludeClipRect(r.right - 1, r.bottom - 1, r.right, r.bottom);
        dc->ExcludeClipRect(r.left + 1, r.top, r.right - 1, r.top + 1);
    }
    const BOOL open = IsControlPopupOpen(control);
    const BOOL hot = control->GetSelected() != 0;
    if (open) {
        if (m_schemeApplied)
            Gradient(dc, r, kPressedFrom, kPressedTo, vertical);
        else
            FillIndexed(dc, r, BARCOLOR_CHECKED);
    } else if (!hot) {
        Gradient(dc, r, m_gradient.expandStart, m_gradient.expandEnd, vertical);
    } else if (m_schemeApplied) {
        Gradient(dc, r, kHotFrom, kHotTo, vertical);
    } else {
        FillIndexed(dc, r, BARCOLOR_HIGHLIGHT);
    }
    const COLORREF glyph = GetColor(open || !hot ? BARCOLOR_TOOLBAR_TEXT : BARCOLOR_HIGHLIGHT_TEXT);
    for (int pass = 0; pass < 2; ++pass) {
        const COLORREF color = pass == 0 ? GetColor(COLOR_BTNHIGHLIGHT) : glyph;
        const int o = pass == 0 ? 1 : 0;
        CUIPenSelector pen(dc->GetSafeHdc(), color);
        if (!vertical) {
            const int c = r.left + r.Width() / 2 + o, b = r.bottom + o, l = r.left + o, t = r.top + o;
            DrawLine(dc, CPoint(c - 2, b - 10), CPoint(c + 3, b - 10));
            DrawTriangle(dc, CPoint(c - 2, b - 7), CPoint(c + 2, b - 7), CPoint(c, b - 5), color);
            if (hidden) {
                DrawTriangle(dc, CPoint(l + 3, t + 5), CPoint(l + 4, t + 6), CPoint(l + 3, t + 7), color);
                DrawTriangle(dc, CPoint(l + 7, t + 5), CPoint(l + 8, t + 6), CPoint(l + 7, t + 7), color);
            }
        } else {
            const int m = (r.top + r.bottom) / 2 + o, rr = r.right + o, l = r.left + o, t = r.top + o;
            DrawLine(dc, CPoint(rr - 10, m - 2), CPoint(rr - 10, m + 3));
            DrawTriangle(dc, CPoint(rr - 5, m), CPoint(rr - 7, m - 2), CPoint(rr - 7, m + 2), color);
            if (hidden) {
                DrawTriangle(dc, CPoint(l + 5, t + 3), CPoint(l + 6, t + 4), CPoint(l + 7, t + 3), color);
                DrawTriangle(dc, CPoint(l + 5, t + 7), CPoint(l + 6, t + 8), CPoint(l + 7, t + 7), color);
            }
        }
    }
    dc->SelectClipRgn(nullptr);
}

CSize CUIGradientTheme::DrawSpecialControl(CDC* dc, int kind, CUIControl* control, CUICommandBar* bar, BOOL draw,
                                           void* parameter) {
    if (kind == 0) {
        if (!draw) {
            const CSize size = parameter ? *static_cast<const CSize*>(parameter) : CSize(0, 0);
            const int position = bar ? bar->GetPosition() : uiBarNone;
            const BOOL vertical = IsVerticalDock(position) || position == uiBarPopup;
            control->SetRect(vertical ? CRect(0, size.cy - 12, size.cx, size.cy) : CRect(size.cx - 12, 1, size.cx, size.cy));
            return CSize(0, 0);
        }
        DrawExpandButton(dc, control, bar, parameter && *static_cast<const BOOL*>(parameter));
        return CSize(0, 0);
    }
    if (kind == 1) {
        if (draw) {
            DrawControlBackground(dc, control);
            const CRect r = control->GetRect();
            const int x = (r.left + r.right) / 2, t = r.top;
            if (m_expandImage.GetSafeHandle())
                m_expandImage.Draw(dc, 0, CPoint(x - 7, t + 1), ILD_NORMAL);
            const int chevrons[4][6] = {{x - 2, t + 5, x, t + 7, x + 3, t + 4},
                                        {x - 2, t + 6, x, t + 8, x + 3, t + 5},
                                        {x - 2, t + 9, x, t + 11, x + 3, t + 8},
                                        {x - 2, t + 10, x, t + 12, x + 3, t + 9}};
            for (const auto& line : chevrons) {
                dc->MoveTo(line[0], line[1]);
                dc->LineTo(line[2], line[3]);
                dc->LineTo(line[4], line[5]);
            }
        }
        return CSize(0, 18);
    }
    return CUIFlatTheme::DrawSpecialControl(dc, kind, control, bar, draw, parameter);
}
