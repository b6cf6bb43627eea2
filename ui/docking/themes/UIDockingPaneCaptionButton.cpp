#include "ui/docking/themes/UIDockingPaneCaptionButton.h"

#include "platform/CWnd.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"

namespace {
void Line(CDC* dc, int x1, int y1, int x2, int y2) {
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
}

void Frame3D(CDC* dc, const CRect& rect, COLORREF topLeft, COLORREF bottomRight) {
    dc->Draw3dRect(rect, topLeft, bottomRight);
}
}  // namespace

void CUIDockingPaneCaptionButton::SetRect(const CRect& rect) {
    if (rect == m_rect)
        return;
    m_rect = rect;
    m_owner->SetButtonTooltip(this);
}

void CUIDockingPaneCaptionButton::Draw(CDC* dc, COLORREF color) {
    CRect rect = m_rect;
    if (IsPressed())
        Frame3D(dc, rect, ::GetSysColor(COLOR_BTNTEXT), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    else if (IsHot())
        Frame3D(dc, rect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNTEXT));
    if (IsPressed())
        rect.OffsetRect(1, 1);
    CUIPenSelector pen(dc->m_hDC, color);
    if (GetGlyph() == CaptionButtonClose) {
        Line(dc, rect.left + 3, rect.top + 4, rect.left + 10, rect.top + 11);
        Line(dc, rect.left + 3, rect.top + 10, rect.left + 10, rect.top + 3);
    } else {
        DrawPinGlyph(dc, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, m_owner->GetPlacement() == 3);
    }
}

void DrawPinGlyph(CDC* dc, int x, int y, BOOL lying) {
    if (lying) {
        Line(dc, x - 4, y, x - 1, y);
        Line(dc, x - 1, y - 3, x - 1, y + 4);
        POINT body[] = {{x - 1, y + 2}, {x + 3, y + 2}, {x + 3, y - 2}, {x - 1, y - 2}};
        dc->Polyline(body, 4);
        Line(dc, x - 1, y + 1, x + 3, y + 1);
    } else {
        Line(dc, x - 3, y + 1, x + 4, y + 1);
        Line(dc, x, y + 1, x, y + 5);
        POINT body[] = {{x - 2, y + 1}, {x - 2, y - 4}, {x + 2, y - 4}, {x + 2, y + 1}};
        dc->Polyline(body, 4);
        Line(dc, x + 1, y + 1, x + 1, y - 4);
    }
}

BOOL CUIDockingPaneCaptionButton::Track(CWnd* wnd, CPoint point) {
    if (::GetCapture())
        return FALSE;
    wnd->SetCapture();
    BOOL result = FALSE;
    for (;;) {
        BOOL inside = m_rect.PtInRect(point);
        if (inside != IsPressed()) {
            SetFlag(CaptionButtonPressed, inside);
            InvalidateButton();
        }
        MSG msg;
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (::GetCapture() != wnd->m_hWnd) {
            ::DispatchMessageA(&msg);
            break;
        }
        if (msg.message == WM_MOUSEMOVE) {
            point = CPoint(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
        } else if (msg.message == WM_LBUTTONUP) {
            result = IsPressed();
            break;
        } else if (msg.message == WM_CANCELMODE || msg.message == WM_RBUTTONDOWN ||
                   (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)) {
            break;
        } else if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) {
            ::DispatchMessageA(&msg);
        }
    }
    if (::GetCapture() == wnd->m_hWnd)
        ::ReleaseCapture();
    SetFlag(CaptionButtonPressed, FALSE);
    CheckHot(point);
    InvalidateButton();
    return result;
}

void CUIDockingPaneCaptionButton::CheckHot(CPoint point) {
    BOOL inside = m_rect.PtInRect(point);
    if (IsHot() && !inside) {
        SetFlag(CaptionButtonHot, FALSE);
        InvalidateButton();
    } else if (!IsHot() && inside) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_owner->m_hWnd, 0};
        ::TrackMouseEvent(&track);
        SetFlag(CaptionButtonHot, TRUE);
        InvalidateButton();
    }
}

void CUIDockingPaneCaptionButton::SetFlag(DWORD flag, BOOL on) {
    if (on)
        m_state |= flag;
    else
        m_state &= ~flag;
}

void CUIDockingPaneCaptionButton::InvalidateButton() const {
    if (m_owner->m_hWnd)
        ::InvalidateRect(m_owner->m_hWnd, &m_rect, FALSE);
}
