#include "tests/support/TestApplication.h"

#include "platform/CWnd.h"

TestApplication::TestApplication(LPCSTR name) : CWinApp(name) { SetRegistryKey("TessaronTests"); }

TestApplication::~TestApplication() {
    if (m_pMainWnd && m_pMainWnd->m_hWnd)
        m_pMainWnd->DestroyWindow();
    m_pMainWnd = nullptr;
    // The main window's end posted WM_QUIT; it must not reach the next test.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

void TestApplication::RunIdle() {
    for (LONG count = 0; OnIdle(count); ++count) {
    }
}

void TestApplication::PumpUntilIdle() {
    for (int round = 0; round < 100; ++round) {
        bool any = false;
        while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_REMOVE)) {
            any = true;
            if (m_msgCur.message == WM_QUIT)
                continue;
            if (!PreTranslateMessage(&m_msgCur)) {
                ::TranslateMessage(&m_msgCur);
                ::DispatchMessageA(&m_msgCur);
            }
        }
        RunIdle();
        if (!any)
            return;
    }
}

void TestApplication::DeleteProfile() {
    HKEY company = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\TessaronTests", 0, KEY_ALL_ACCESS, &company) != ERROR_SUCCESS)
        return;
    ::RegDeleteTreeA(company, m_strProfileName);
    ::RegCloseKey(company);
}
