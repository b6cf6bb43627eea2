#include "shell/app/CSplashWnd.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

namespace {

class SplashWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_main.CreateEx(0, nullptr, "Tessaron", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 1000, 800),
                                    nullptr, 0));
        m_app.m_pMainWnd = &m_main;
        CSplashWnd::EnableSplashScreen(TRUE);
    }
    void TearDown() override {
        CSplashWnd::HideSplashScreen();
        CSplashWnd::EnableSplashScreen(FALSE);
        m_app.m_pMainWnd = nullptr;
        m_main.DestroyWindow();
    }
    CSplashWnd* Show() {
        CSplashWnd::ShowSplashScreen(&m_main);
        return CSplashWnd::Current();
    }

    TestApplication m_app;
    CWnd m_main;
};

TEST_F(SplashWindow, ShowsThePictureCentredOverTheMainWindow) {
    CSplashWnd* splash = Show();
    ASSERT_NE(splash, nullptr);
    HWND window = splash->m_hWnd;
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_EQ(::GetWindow(window, GW_OWNER), m_main.m_hWnd);
    EXPECT_FALSE(splash->GetStyle() & WS_CAPTION);
    CRect rect, mainRect;
    splash->GetWindowRect(&rect);
    m_main.GetWindowRect(&mainRect);
    EXPECT_EQ(rect.Size(), CSize(600, 450));
    EXPECT_EQ(rect.CenterPoint(), mainRect.CenterPoint());

    // A second request while it is up makes no second picture.
    CSplashWnd::ShowSplashScreen(&m_main);
    EXPECT_EQ(CSplashWnd::Current(), splash);

    TestImage shown(600, 450);
    RenderWindow(splash, shown);
    shown.SaveBmp(TestOutputPath("shell-splash.bmp"));
    TestImage picture(600, 450);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_SPLASH));
    CDC memory;
    memory.CreateCompatibleDC(&picture.DC());
    CGdiObject* old = memory.SelectObject(&bitmap);
    picture.DC().BitBlt(0, 0, 600, 450, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
    int differing = 0;
    for (int y = 0; y < 450; y += 7)
        for (int x = 0; x < 600; x += 7)
            differing += shown.Pixel(x, y) != picture.Pixel(x, y);
    EXPECT_EQ(differing, 0);
}

TEST_F(SplashWindow, AKeyOrButtonPressOnlyHidesIt) {
    const UINT presses[] = {WM_KEYDOWN,      WM_SYSKEYDOWN,    WM_LBUTTONDOWN,   WM_RBUTTONDOWN,
                            WM_MBUTTONDOWN,  WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN};
    for (UINT press : presses) {
        SCOPED_TRACE(press);
        CSplashWnd* splash = Show();
        ASSERT_NE(splash, nullptr);
        HWND window = splash->m_hWnd;
        MSG other = {m_main.m_hWnd, WM_MOUSEMOVE, 0, 0, 0, {0, 0}};
        EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(&other));
        EXPECT_EQ(CSplashWnd::Current(), splash);

        MSG msg = {m_main.m_hWnd, press, 0, 0, 0, {0, 0}};
        EXPECT_TRUE(CSplashWnd::PreTranslateAppMessage(&msg));
        EXPECT_EQ(CSplashWnd::Current(), nullptr);
        EXPECT_FALSE(::IsWindow(window));
        EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(&msg));  // the next press goes on
    }
}

TEST_F(SplashWindow, GoesAwayAfterOneSecond) {
    ASSERT_NE(Show(), nullptr);
    DWORD start = ::GetTickCount();
    while (CSplashWnd::Current() && ::GetTickCount() - start < 5000) {
        m_app.PumpUntilIdle();
        ::Sleep(20);
    }
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    EXPECT_GE(::GetTickCount() - start, 900u);
}

TEST_F(SplashWindow, NothingIsShownWhenNotAllowedOrWithoutItsPicture) {
    CSplashWnd::EnableSplashScreen(FALSE);
    EXPECT_EQ(Show(), nullptr);
    CSplashWnd::EnableSplashScreen(TRUE);
    CSplashWnd::ShowSplashScreen(&m_main, 4711);  // no such bitmap
    EXPECT_EQ(CSplashWnd::Current(), nullptr);
    EXPECT_NE(Show(), nullptr);  // and a later start still works
}

}  // namespace
