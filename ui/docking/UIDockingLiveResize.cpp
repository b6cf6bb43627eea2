#include "ui/docking/UIDockingLiveResize.h"

#include <algorithm>

#include "platform/CWnd.h"

namespace {
void DispatchPendingPaints() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

// TRUE when the bar moved to the pointer of a mouse move.
BOOL MoveBar(const MSG& msg, const CRect& bounds, CRect& bar, BOOL horizontal) {
    POINT point = {static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
    ::ClientToScreen(msg.hwnd, &point);
    // The lower bound wins when the bounds are inverted.
    point.x = std::max(std::min(point.x, bounds.right), bounds.left);
    point.y = std::max(std::min(point.y, bounds.bottom), bounds.top);
    LONG delta = horizontal ? point.x - bar.left : point.y - bar.top;
    if (delta == 0)
        return FALSE;
    if (horizontal)
        bar.OffsetRect(delta, 0);
    else
        bar.OffsetRect(0, delta);
    return TRUE;
}
}  // namespace

void TrackLiveResize(CWnd* wnd, const CRect& bounds, CRect& bar, BOOL horizontal,
                     const std::function<void(const CRect& bar)>& apply) {
    HWND hwnd = wnd->GetSafeHwnd();
    ::SetCapture(hwnd);
    MSG msg;
    while (::GetCapture() == hwnd) {
        DispatchPendingPaints();
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_MOUSEMOVE) {
            if (MoveBar(msg, bounds, bar, horizontal))
                apply(bar);
        } else if ((msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) || msg.message == WM_LBUTTONUP) {
            break;
        } else {
            ::DispatchMessageA(&msg);
        }
    }
    if (::GetCapture() == hwnd)
        ::ReleaseCapture();
}
