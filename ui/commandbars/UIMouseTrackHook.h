#pragma once

#include <windows.h>

#include <vector>

class CUICommandBar;

// The thread's view of its command bars: which bars track (menu mode), the mouse
// hook that ends tracking on clicks outside them, the watch for the mouse leaving a
// bar, and a few per-thread marks. One per user-interface thread, made on first use.
class CUIMouseTrackHook {
public:
    static const UINT_PTR LeaveTimerId = 113341;
    static const UINT LeaveTimerElapse = 50;

    // The thread's manager (made, with its mouse hook, on the first call).
    static CUIMouseTrackHook& Get();
    ~CUIMouseTrackHook();
    CUIMouseTrackHook(const CUIMouseTrackHook&) = delete;
    CUIMouseTrackHook& operator=(const CUIMouseTrackHook&) = delete;

    void AddTrackingBar(CUICommandBar* bar);
    void RemoveTrackingBar(CUICommandBar* bar);
    // The first tracking bar leaves tracking, which closes its whole popup chain.
    void EndTracking();
    BOOL IsTracking() const { return !m_trackingBars.empty(); }
    BOOL IsTracking(const CUICommandBar* bar) const;
    const std::vector<CUICommandBar*>& GetTrackingBars() const { return m_trackingBars; }

    // Watches the window for the mouse leaving it; a new window ends the old watch
    // with a sent WM_MOUSELEAVE.
    void TrackMouseLeave(HWND hwnd);
    HWND GetLeaveWindow() const { return m_leaveWindow; }
    // One check of the leave timer: posts WM_MOUSELEAVE and stops watching when the
    // cursor is outside the window or its top-level window is not active.
    void CheckMouseLeave(HWND hwnd);

    void SetHook(BOOL install);

    // What the mouse hook does with a mouse message at a screen point: 1 discards it,
    // 0 lets it go on. Clicks outside every tracking bar end tracking here.
    int Decide(UINT message, POINT screenPoint);

    // Forgets a bar that goes away (tracking list and last hot bar).
    void ForgetBar(CUICommandBar* bar);

    int m_suspendCount = 0;
    CUICommandBar* m_lastHotBar = nullptr;
    BOOL m_fullMenus = FALSE;

private:
    CUIMouseTrackHook();
    static LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK LeaveTimerProc(HWND hwnd, UINT, UINT_PTR, DWORD);
    BOOL IsInsideTrackingBar(POINT screenPoint) const;
    void TellTrackingBars(UINT message, POINT screenPoint);

    std::vector<CUICommandBar*> m_trackingBars;
    HHOOK m_mouseHook = nullptr;
    HWND m_leaveWindow = nullptr;
};
