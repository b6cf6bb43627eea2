#pragma once
#include "platform/SyncObjects.h"

#include <windows.h>

// The handshake by which a forcing task borrows the serial line from the running
// monitor worker between two of its cycles. The worker asks to begin each cycle and
// reports its end; the forcer waits for a cycle end and pauses the worker. Both decide
// under one lock, so a forcer can never pause a worker that has just begun a cycle.
class CMonitorPause {
public:
    CMonitorPause();

    // Worker: false while paused (nothing may be sent); else the cycle has begun.
    bool BeginCycle();
    // Worker: every byte of the cycle has arrived; a waiting forcer may go on.
    void EndCycle();
    // Worker: while paused, waits (without spinning) until resumed or timeoutMs passed.
    void WaitWhilePaused(DWORD timeoutMs);

    // Forcer: waits up to timeoutMs for a cycle end and pauses the worker; false when no
    // cycle ended in time (the worker then keeps the line).
    bool Pause(DWORD timeoutMs);
    void Resume();

    bool IsPaused() const { return m_paused; }
    // Back to the state of a worker that has not begun (after monitoring ended).
    void Reset();

private:
    CCriticalSection m_lock;
    CEvent m_cycleDone;   // auto-reset: one cycle end lets one forcer in
    CEvent m_resumed;     // manual reset: set while not paused
    bool m_paused = false;
    bool m_inCycle = false;
};
