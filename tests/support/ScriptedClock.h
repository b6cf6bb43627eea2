#pragma once
// Replaces the clock behind CTime::GetCurrentTime while it lives: it stands at the time
// it was given until a test sets or advances it.

#include "platform/CTime.h"

class ScriptedClock {
public:
    explicit ScriptedClock(CTime now);
    ~ScriptedClock();
    ScriptedClock(const ScriptedClock&) = delete;
    ScriptedClock& operator=(const ScriptedClock&) = delete;

    void Set(CTime now) { m_now = now.GetTime(); }
    void Advance(__time64_t seconds) { m_now += seconds; }

private:
    __time64_t m_now;
    CurrentTimeHandler m_previous;
};
