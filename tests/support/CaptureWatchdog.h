#pragma once

#include <windows.h>

// Ends a modal mouse loop that waits longer than it should by taking its capture away.
class CaptureWatchdog {
public:
    CaptureWatchdog() : m_id(::SetTimer(nullptr, 0, 3000, Fire)) {}
    ~CaptureWatchdog() { ::KillTimer(nullptr, m_id); }
    CaptureWatchdog(const CaptureWatchdog&) = delete;
    CaptureWatchdog& operator=(const CaptureWatchdog&) = delete;

private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) { ::ReleaseCapture(); }
    UINT_PTR m_id;
};
