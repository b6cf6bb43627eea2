#include "tests/support/ScriptedClock.h"

ScriptedClock::ScriptedClock(CTime now) : m_now(now.GetTime()) {
    m_previous = AfxSetCurrentTimeHandler([this] { return m_now; });
}

ScriptedClock::~ScriptedClock() { AfxSetCurrentTimeHandler(std::move(m_previous)); }
