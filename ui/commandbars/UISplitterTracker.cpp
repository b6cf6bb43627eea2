#include "ui/commandbars/UISplitterTracker.h"

#include "platform/CDC.h"
#include "platform/CWnd.h"

#include <algorithm>

namespace {

// Clamps to the bounds; the lower bound wins when they are inverted.
LONG Clamp(LONG value, LONG low, LONG high) { return std::max(std::min(value, high), low); }

}  // namespace

void CUISplitterTracker::DrawTracker(const CRect& tracker) {
    HGDIOBJ previous = ::SelectObject(m_dc, CDC::GetHalftoneBrush()->m_hObject);
    ::PatBlt(m_dc, tracker.left, tracker.top, tracker.Width(), tracker.Height(), PATINVERT);
    ::SelectObject(m_dc, previous);
}

void CUISplitterTracker::MoveTracker(HWND wnd, const MSG& msg, const CRect& bounds, CRect& tracker, BOOL horizontal) {
    POINT point = {static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
    ::ClientToScreen(wnd, &point);
    point.x = Clamp(point.x, bounds.left, bounds.right);
    point.y = Clamp(point.y, bounds.top, bounds.bottom);
    const LONG delta = horizontal ? point.x - tracker.left : point.y - tracker.top;
    if (delta == 0) return;
    DrawTracker(tracker);
    if (horizontal)
        tracker.OffsetRect(delta, 0);
    else
        tracker.OffsetRect(0, delta);
    DrawTracker(tracker);
}

BOOL CUISplitterTracker::Track(CWnd* wnd, const CRect& bounds, CRect& tracker, CPoint, BOOL horizontal) {
    HWND hwnd = wnd->GetSafeHwnd();
    ::SetCapture(hwnd);
    HWND desktop = ::GetDesktopWindow();
    const BOOL locked = ::LockWindowUpdate(desktop);
    m_dc = ::GetDCEx(desktop, nullptr, DCX_WINDOW | DCX_CACHE | (locked ? DCX_LOCKWINDOWUPDATE : 0));
    DrawTracker(tracker);

    BOOL released = FALSE;
    MSG msg;
    while (::GetCapture() == hwnd) {
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_MOUSEMOVE) {
            MoveTracker(hwnd, msg, bounds, tracker, horizontal);
        } else if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            break;
        } else if (msg.message == WM_LBUTTONUP) {
            released = TRUE;
            break;
        } else {
            ::DispatchMessageA(&msg);
        }
    }

    DrawTracker(tracker);
    if (::GetCapture() == hwnd) ::ReleaseCapture();
    if (locked) ::LockWindowUpdate(nullptr);
    ::ReleaseDC(desktop, m_dc);
    m_dc = nullptr;
    return released;
}
