#include "shell/app/CSplashWnd.h"

#include "platform/CDC.h"
#include "platform/CWinThread.h"

namespace {

const UINT_PTR kHideTimer = 1;
const UINT kShowMilliseconds = 1000;

BOOL g_splashAllowed = FALSE;
CSplashWnd* g_splash = nullptr;

bool IsPress(UINT message) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CSplashWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_TIMER()
END_MESSAGE_MAP()

void CSplashWnd::EnableSplashScreen(BOOL enable) { g_splashAllowed = enable; }

CSplashWnd* CSplashWnd::Current() { return g_splash; }

void CSplashWnd::ShowSplashScreen(CWnd* parent, UINT bitmapId) {
    if (!g_splashAllowed || g_splash)
        return;
    g_splash = new CSplashWnd;
    if (!g_splash->Create(parent, bitmapId)) {
        delete g_splash;  // null when the end of its window has deleted it already
        return;
    }
    g_splash->UpdateWindow();
}

CSplashWnd::~CSplashWnd() {
    if (g_splash == this)
        g_splash = nullptr;
}

BOOL CSplashWnd::Create(CWnd* parent, UINT bitmapId) {
    if (!m_bitmap.LoadBitmap(bitmapId))
        return FALSE;
    BITMAP info = {};
    m_bitmap.GetBitmap(&info);
    LPCSTR windowClass = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW));
    return CreateEx(0, windowClass, nullptr, WS_POPUP | WS_VISIBLE, 0, 0, info.bmWidth, info.bmHeight,
                    parent ? parent->m_hWnd : nullptr, nullptr);
}

int CSplashWnd::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    CenterWindow();
    SetTimer(kHideTimer, kShowMilliseconds);
    return 0;
}

void CSplashWnd::Draw(CDC& dc) {
    CDC memory;
    if (!memory.CreateCompatibleDC(&dc))
        return;
    BITMAP info = {};
    m_bitmap.GetBitmap(&info);
    CGdiObject* old = memory.SelectObject(&m_bitmap);
    dc.BitBlt(0, 0, info.bmWidth, info.bmHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

void CSplashWnd::OnPaint() {
    CPaintDC dc(this);
    Draw(dc);
}

LRESULT CSplashWnd::OnPrintClient(WPARAM wParam, LPARAM) {
    Draw(*CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

void CSplashWnd::OnTimer(UINT_PTR) { HideSplashScreen(); }

BOOL CSplashWnd::PreTranslateAppMessage(MSG* msg) {
    if (!g_splash || !IsPress(msg->message))
        return FALSE;
    HideSplashScreen();
    return TRUE;
}

void CSplashWnd::HideSplashScreen() {
    if (!g_splash)
        return;
    g_splash->DestroyWindow();
    if (CWnd* main = AfxGetMainWnd())
        main->UpdateWindow();
}
