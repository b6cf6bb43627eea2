// A click made by the system's input (not a posted message, which never passes the
// thread's mouse hook) outside every tracking bar: the menus close and the window under
// the mouse still gets the click. Runs where the desktop takes real input (under a
// display); skipped where the input cannot reach the window.
#include "tests/ui/commandbars/RecordingTheme.h"
#include "tests/ui/commandbars/TestBars.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIMouseTrackHook.h"

#include "platform/CFrameWnd.h"
#include "res/resource.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

namespace {

// A child window that counts the left clicks it receives.
class ClickTarget : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_LBUTTONDOWN) ++m_clicks;
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int m_clicks = 0;
};

void SendMouse(DWORD flags, CPoint screen) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = ::MulDiv(screen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = ::MulDiv(screen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof(input));
}

// Handles messages until the condition holds or a second has passed.
template <typename Condition>
bool PumpUntil(Condition condition) {
    const DWORD start = ::GetTickCount();
    while (!condition() && ::GetTickCount() - start < 1000) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(5);
    }
    return condition();
}

}  // namespace

TEST(RealInput, AClickOutsideTheMenusEndsTrackingAndReachesItsWindow) {
    TestApplication app;
    TestBarFactory factory;
    RecordingThemeFactory themes;
    SelectTheme(uiThemeClassic);
    CFrameWnd* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 700, 400)));
    app.m_pMainWnd = frame;
    frame->ShowWindow(SW_SHOW);
    ClickTarget target;
    ASSERT_TRUE(target.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(400, 200, 600, 300), frame, 1));
    CUICommandBars* bars = new CUICommandBars;
    bars->SetFrameSite(frame);
    CUICommandBar* menuBar = bars->CreateMenuBar("菜单栏", IDR_PROJECT_TYPE);
    ASSERT_NE(nullptr, menuBar);

    frame->SetForegroundWindow();
    if (::GetForegroundWindow() != frame->m_hWnd) {
        GTEST_SKIP() << "another program kept the foreground";
    } else {
        MSG alt = {};
        alt.hwnd = frame->m_hWnd;
        alt.message = WM_SYSKEYDOWN;
        alt.wParam = 'F';
        alt.lParam = 1 << 29;
        ASSERT_TRUE(bars->PreTranslateFrameMessage(&alt));
        ASSERT_TRUE(CUIMouseTrackHook::Get().IsTracking());
        CPoint point = CRect(400, 200, 600, 300).CenterPoint();
        frame->ClientToScreen(&point);
        SendMouse(MOUSEEVENTF_MOVE, point);
        SendMouse(MOUSEEVENTF_LEFTDOWN, point);
        SendMouse(MOUSEEVENTF_LEFTUP, point);
        if (!PumpUntil([&] { return target.m_clicks > 0 || !CUIMouseTrackHook::Get().IsTracking(); })) {
            CUIMouseTrackHook::Get().EndTracking();
            GTEST_SKIP() << "the desktop takes no input here";
        }
        PumpUntil([&] { return target.m_clicks > 0; });
        EXPECT_FALSE(CUIMouseTrackHook::Get().IsTracking());
        EXPECT_EQ(-1, menuBar->GetOpenPopupIndex());
        EXPECT_EQ(1, target.m_clicks);
    }
    CUIMouseTrackHook::Get().EndTracking();
    delete bars;
    app.m_pMainWnd = nullptr;
    frame->DestroyWindow();
}
