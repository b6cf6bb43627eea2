#include "platform/CWnd.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/docking/tabs/UITabAppearance.h"
#include "ui/docking/tabs/UITabStrip.h"
#include "ui/docking/tabs/UITabTheme.h"

namespace {
const int ScrollStep = 20;
const DWORD RepeatInterval = 20;

// The point of a mouse message, as signed 16-bit coordinates.
CPoint MessagePoint(const MSG& msg) {
    return CPoint(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
}

void RequestMouseLeave(CWnd* wnd) {
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, wnd->GetSafeHwnd(), 0};
    ::TrackMouseEvent(&track);
}

// The three points of an arrow glyph, relative to the button's centre.
struct Triangle {
    POINT points[3];
};
const Triangle LeftHorizontal = {{{2, -5}, {-2, -1}, {2, 3}}};
const Triangle LeftVertical = {{{-5, 2}, {-1, -2}, {3, 2}}};
const Triangle RightHorizontal = {{{-2, -5}, {2, -1}, {-2, 3}}};
const Triangle RightVertical = {{{-5, -2}, {-1, 2}, {3, -2}}};
}  // namespace

CUITabNavigateButton::CUITabNavigateButton(CUITabStripBase* strip, int id, int mode)
    : m_id(id), m_mode(mode), m_strip(strip) {}

void CUITabNavigateButton::PlaceByMode(CRect& rect) {
    if (m_mode == NavigateButtonHidden) {
        m_rect.SetRectEmpty();
        return;
    }
    if (m_strip->IsHorizontal()) {
        int c = (rect.top + rect.bottom) / 2;
        m_rect.SetRect(rect.right - Width, c + 7 - Height, rect.right, c + 7);
        rect.right -= Width;
    } else {
        int c = (rect.left + rect.right) / 2;
        m_rect.SetRect(c - 7, rect.bottom - Height, c - 7 + Width, rect.bottom);
        rect.bottom -= Height;
    }
}

void CUITabNavigateButton::PlaceAuto(CRect& rect) {
    if (m_mode != NavigateButtonAuto) {
        PlaceByMode(rect);
        return;
    }
    if (m_strip->GetLayoutMode() == TabLayoutSizeToFit) {
        m_rect.SetRectEmpty();
        return;
    }
    RECT margin;
    m_strip->GetPaintManager()->GetAppearance()->GetHeaderMargin(&margin);
    int length = m_strip->IsHorizontal() ? rect.Width() : rect.Height();
    int offset = m_strip->GetScrollOffset();
    if (m_strip->GetItemsLength() + offset - margin.left - 1 > length || offset < 0)
        PlaceByMode(rect);
    else
        m_rect.SetRectEmpty();
}

void CUITabNavigateButton::Place(CRect& rect) {
    int length = m_strip->IsHorizontal() ? rect.Width() : rect.Height();
    switch (m_id) {
    case NavigateButtonLeft:
        m_enabled = m_strip->GetScrollOffset() < 0;
        PlaceAuto(rect);
        break;
    case NavigateButtonRight:
        m_enabled = m_strip->GetItemsLength() + m_strip->GetScrollOffset() > length - 28;
        PlaceAuto(rect);
        break;
    default:
        m_enabled = TRUE;
        PlaceByMode(rect);
        break;
    }
}

void CUITabNavigateButton::DrawGlyph(CDC* dc, const CRect& rect) {
    int cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
    if (m_id == NavigateButtonClose) {
        int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
        const int lines[4][4] = {{l + 3, t + 3, r - 4, b - 5},
                                 {l + 4, t + 3, r - 3, b - 5},
                                 {l + 3, b - 6, r - 4, t + 2},
                                 {l + 4, b - 6, r - 3, t + 2}};
        for (const auto& line : lines) {
            dc->MoveTo(line[0], line[1]);
            dc->LineTo(line[2], line[3]);
        }
        return;
    }
    BOOL horizontal = m_strip->IsHorizontal();
    const Triangle& shape = m_id == NavigateButtonLeft ? (horizontal ? LeftHorizontal : LeftVertical)
                                                       : (horizontal ? RightHorizontal : RightVertical);
    POINT points[3];
    for (int i = 0; i < 3; ++i) points[i] = {cx + shape.points[i].x, cy + shape.points[i].y};
    dc->Polygon(points, 3);
}

void CUITabNavigateButton::Execute(BOOL repeat) {
    switch (m_id) {
    case NavigateButtonLeft:
        if (repeat) m_strip->SetScrollOffset(m_strip->GetScrollOffset() + ScrollStep);
        break;
    case NavigateButtonRight:
        if (repeat) m_strip->SetScrollOffset(m_strip->GetScrollOffset() - ScrollStep);
        break;
    default:
        if (!repeat) m_strip->OnNavigateButtonClick(m_id);
        break;
    }
}

void CUITabNavigateButton::ReserveSpace(int& length) const {
    if (m_mode == NavigateButtonAlways) length -= m_strip->IsHorizontal() ? Width : Height;
}

void CUITabNavigateButton::Track(CWnd* wnd, int x, int y) {
    if (::GetCapture() || !m_enabled) return;
    wnd->SetCapture();
    BOOL result = FALSE;
    DWORD tick = ::GetTickCount();
    CPoint point(x, y);
    for (;;) {
        if (m_enabled && ::GetTickCount() - tick > RepeatInterval) {
            tick = ::GetTickCount();
            Execute(TRUE);
        }
        BOOL pressed = m_rect.PtInRect(point);
        if (pressed != m_pressed) {
            m_pressed = pressed;
            m_strip->RedrawControl();
        }
        MSG msg;
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            // Nothing waiting: sleep until input or the next repeat is due.
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, RepeatInterval / 4, QS_ALLINPUT);
            continue;
        }
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (::GetCapture() != wnd->GetSafeHwnd()) {
            ::DispatchMessageA(&msg);
            break;
        }
        if (msg.message == WM_MOUSEMOVE) {
            point = MessagePoint(msg);
        } else if (msg.message == WM_LBUTTONUP) {
            result = m_pressed;
            break;
        } else if (msg.message == WM_CANCELMODE || msg.message == WM_RBUTTONDOWN ||
                   (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)) {
            break;
        } else if (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP && msg.message != WM_CHAR) {
            ::DispatchMessageA(&msg);
        }
    }
    if (::GetCapture() == wnd->GetSafeHwnd()) ::ReleaseCapture();
    m_pressed = FALSE;
    UpdateHot(wnd, point.x, point.y);
    m_strip->RedrawControl();
    if (result) Execute(FALSE);
}

void CUITabNavigateButton::UpdateHot(CWnd* wnd, int x, int y) {
    BOOL inside = m_rect.PtInRect(CPoint(x, y));
    if (!inside && m_hot) {
        m_hot = FALSE;
        m_strip->RedrawControl();
    } else if (inside && m_enabled && !m_hot) {
        m_hot = TRUE;
        m_strip->RedrawControl();
        RequestMouseLeave(wnd);
    }
}

void CUITabNavigateButton::Draw(CDC* dc) {
    if (m_rect.IsRectEmpty()) return;
    CRect rect = m_rect;
    m_strip->GetPaintManager()->DrawNavigateButtonFrame(dc, this, rect);
    CUIPenSelector pen(dc->GetSafeHdc(), dc->GetTextColor());
    if (m_enabled) {
        CUIBrushSelector brush(dc->GetSafeHdc(), dc->GetTextColor());
        DrawGlyph(dc, rect);
    } else {
        CUIGdiSelector brush(dc->GetSafeHdc(), ::GetStockObject(HOLLOW_BRUSH));
        DrawGlyph(dc, rect);
    }
}
