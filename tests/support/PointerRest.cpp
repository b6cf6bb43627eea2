#include "tests/support/PointerRest.h"

#include "platform/CToolTipCtrl.h"
#include "tests/support/TestApplication.h"

bool RestPointerAt(TestApplication& app, CWnd* window, CToolTipCtrl& tip, CPoint point) {
    CPoint screen = point;
    window->ClientToScreen(&screen);
    ::SetCursorPos(screen.x, screen.y);
    MSG msg = {};
    msg.hwnd = window->m_hWnd;
    msg.message = WM_MOUSEMOVE;
    msg.lParam = MAKELPARAM(point.x, point.y);
    msg.pt = screen;
    msg.time = ::GetTickCount();
    app.PreTranslateMessage(&msg);
    for (int i = 0; i < 50 && !tip.IsWindowVisible(); ++i) {
        ::Sleep(10);
        window->PostMessage(WM_NULL);
        app.PumpUntilIdle();
    }
    return tip.IsWindowVisible();
}
