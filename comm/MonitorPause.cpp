#include "comm/MonitorPause.h"

CMonitorPause::CMonitorPause() : m_cycleDone(FALSE, FALSE), m_resumed(TRUE, TRUE) {}

bool CMonitorPause::BeginCycle() {
    CSingleLock lock(&m_lock, TRUE);
    if (m_paused)
        return false;
    m_inCycle = true;
    m_cycleDone.ResetEvent();
    return true;
}

void CMonitorPause::EndCycle() {
    CSingleLock lock(&m_lock, TRUE);
    m_inCycle = false;
    m_cycleDone.SetEvent();
}

void CMonitorPause::WaitWhilePaused(DWORD timeoutMs) {
    WaitForSingleObject(m_resumed, timeoutMs);
}

bool CMonitorPause::Pause(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs || WaitForSingleObject(m_cycleDone, timeoutMs - elapsed) != WAIT_OBJECT_0)
            return false;
        CSingleLock lock(&m_lock, TRUE);
        if (!m_inCycle) {  // a cycle that began after the event was set keeps the line
            m_paused = true;
            m_resumed.ResetEvent();
            return true;
        }
    }
}

void CMonitorPause::Resume() {
    CSingleLock lock(&m_lock, TRUE);
    m_paused = false;
    m_resumed.SetEvent();
}

void CMonitorPause::Reset() {
    CSingleLock lock(&m_lock, TRUE);
    m_paused = false;
    m_inCycle = false;
    m_cycleDone.ResetEvent();
    m_resumed.SetEvent();
}
