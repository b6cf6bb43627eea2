#include "ui/commandbars/UIMouseTrackHook.h"

#include "ui/commandbars/UICommandBar.h"

#include <algorithm>
#include <memory>

namespace {

// The point of the previous mouse message the hook saw (one for the process).
POINT g_lastMousePoint = {-32768, -32768};

bool IsButtonDown(UINT message) {
    switch (message) {
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

CUIMouseTrackHook& CUIMouseTrackHook::Get() {
    static thread_local std::unique_ptr<CUIMouseTrackHook> hook(new CUIMouseTrackHook);
    return *hook;
}

CUIMouseTrackHook::CUIMouseTrackHook() { SetHook(TRUE); }

CUIMouseTrackHook::~CUIMouseTrackHook() { SetHook(FALSE); }

void CUIMouseTrackHook::SetHook(BOOL install) {
    if (install && m_mouseHook == nullptr)
        m_mouseHook = ::SetWindowsHookExA(WH_MOUSE, &MouseProc, nullptr, ::GetCurrentThreadId());
    else if (!install && m_mouseHook != nullptr) {
        ::UnhookWindowsHookEx(m_mouseHook);
        m_mouseHook = nullptr;
    }
}

BOOL CUIMouseTrackHook::IsTracking(const CUICommandBar* bar) const {
    return std::find(m_trackingBars.begin(), m_trackingBars.end(), bar) != m_trackingBars.end();
}

void CUIMouseTrackHook::AddTrackingBar(CUICommandBar* bar) {
    if (m_trackingBars.empty() && m_lastHotBar && m_lastHotBar != bar)
        m_lastHotBar->ClearSelection();
    if (!IsTracking(bar))
        m_trackingBars.push_back(bar);
}

void CUIMouseTrackHook::RemoveTrackingBar(CUICommandBar* bar) {
    if (!IsTracking(bar))
        return;
    m_trackingBars.erase(std::remove(m_trackingBars.begin(), m_trackingBars.end(), bar), m_trackingBars.end());
    if (m_trackingBars.empty()) {
        // The window under the cursor sees a move and refreshes its hot state.
        POINT cursor;
        if (::GetCursorPos(&cursor))
            ::SetCursorPos(cursor.x, cursor.y);
    }
}

void CUIMouseTrackHook::EndTracking() {
    if (!m_trackingBars.empty())
        m_trackingBars.front()->EndTrackingMode();
}

void CUIMouseTrackHook::ForgetBar(CUICommandBar* bar) {
    m_trackingBars.erase(std::remove(m_trackingBars.begin(), m_trackingBars.end(), bar), m_trackingBars.end());
    if (m_lastHotBar == bar)
        m_lastHotBar = nullptr;
}

void CUIMouseTrackHook::TrackMouseLeave(HWND hwnd) {
    if (hwnd == m_leaveWindow)
        return;
    if (m_leaveWindow && ::IsWindow(m_leaveWindow)) {
        ::KillTimer(m_leaveWindow, LeaveTimerId);
        ::SendMessageA(m_leaveWindow, WM_MOUSELEAVE, 0, 0);
    }
    m_leaveWindow = hwnd;
    ::SetTimer(hwnd, LeaveTimerId, LeaveTimerElapse, &LeaveTimerProc);
}

void CALLBACK CUIMouseTrackHook::LeaveTimerProc(HWND hwnd, UINT, UINT_PTR, DWORD) { Get().CheckMouseLeave(hwnd); }

void CUIMouseTrackHook::CheckMouseLeave(HWND hwnd) {
    const BOOL exists = ::IsWindow(hwnd);
    if (exists) {
        RECT rect;
        POINT cursor;
        ::GetWindowRect(hwnd, &rect);
        ::GetCursorPos(&cursor);
        const BOOL topActive = ::GetParent(hwnd) == nullptr || CWnd::FromHandle(hwnd)->IsTopParentActive();
        if (::PtInRect(&rect, cursor) && topActive)
            return;
        ::KillTimer(hwnd, LeaveTimerId);
    }
    if (m_leaveWindow == hwnd)
        m_leaveWindow = nullptr;
    if (exists)
        ::PostMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
}

BOOL CUIMouseTrackHook::IsInsideTrackingBar(POINT screenPoint) const {
    HWND under = ::WindowFromPoint(screenPoint);
    for (CUICommandBar* bar : m_trackingBars) {
        HWND barWindow = bar->GetSafeHwnd();
        if (barWindow == nullptr)
            continue;
        RECT rect;
        ::GetWindowRect(barWindow, &rect);
        if (::PtInRect(&rect, screenPoint) || (under && ::IsChild(barWindow, under)))
            return TRUE;
    }
    return FALSE;
}

int CUIMouseTrackHook::Decide(UINT message, POINT screenPoint) {
    if (m_trackingBars.empty())
        return 0;
    const bool move = message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE;
    const bool samePoint = screenPoint.x == g_lastMousePoint.x && screenPoint.y == g_lastMousePoint.y;
    g_lastMousePoint = screenPoint;
    if (move && samePoint)
        return 1;
    if (IsInsideTrackingBar(screenPoint))
        return 0;
    TellTrackingBars(message, screenPoint);
    return 0;
}

void CUIMouseTrackHook::TellTrackingBars(UINT message, POINT screenPoint) {
    const bool move = message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE;
    const bool buttonUp = message == WM_LBUTTONUP || message == WM_NCLBUTTONUP;
    if (buttonUp && m_suspendCount > 0)
        return;
    if (!move && !buttonUp && !IsButtonDown(message))
        return;
    // The live list: a bar that leaves tracking leaves it at once, and the bars that
    // closed with it are not told again.
    for (size_t i = 0; i < m_trackingBars.size();) {
        CUICommandBar* bar = m_trackingBars[i];
        if (move) {
            CPoint client = screenPoint;
            bar->ScreenToClient(&client);
            bar->HandleMouseMove(client);
        } else {
            bar->EndTrackingMode();
        }
        if (i < m_trackingBars.size() && m_trackingBars[i] == bar)
            ++i;
    }
}

LRESULT CALLBACK CUIMouseTrackHook::MouseProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const MOUSEHOOKSTRUCT* info = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        if (Get().Decide(static_cast<UINT>(wParam), info->pt) == 1)
            return 1;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
