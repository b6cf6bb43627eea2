#include "ui/commandbars/UIMouseCaptureLoop.h"

#include <windowsx.h>

void CUIMouseCaptureLoop::DispatchPendingPaints() {
    MSG paint;
    while (::PeekMessageA(&paint, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessageA(&paint);
}

CPoint CUIMouseCaptureLoop::ScreenPointOf(const MSG& msg) {
    POINT point = {GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    ::ClientToScreen(msg.hwnd, &point);
    return CPoint(point);
}

BOOL CUIMouseCaptureLoop::Run(HWND window, CPoint start, const MoveStep& onMove, const AfterEach& afterEach) {
    if (::GetCapture() != nullptr)
        return FALSE;
    ::SetCapture(window);
    CPoint last = start;
    MSG msg;
    while (::GetCapture() == window) {
        DispatchPendingPaints();
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (!got || got == -1) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_LBUTTONUP)
            break;
        if (msg.message == WM_KEYDOWN) {
            if (msg.wParam == VK_ESCAPE)
                break;
            continue;
        }
        const CPoint point = msg.message == WM_MOUSEMOVE ? ScreenPointOf(msg) : last;
        if (msg.message == WM_MOUSEMOVE && point != last) {
            onMove(point);
            last = point;
        } else {
            ::DispatchMessageA(&msg);
        }
        if (afterEach)
            afterEach();
    }
    if (::GetCapture() == window)
        ::ReleaseCapture();
    return TRUE;
}
