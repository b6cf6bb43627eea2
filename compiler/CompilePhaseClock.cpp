#include "compiler/CompilePhaseClock.h"

#include <windows.h>

namespace {

struct PhaseClock {
    bool on = false;
    CompilePhase current = CompilePhase::Other;
    LONGLONG since = 0;
    LONGLONG ticks[static_cast<int>(CompilePhase::Count)] = {};
};

PhaseClock& Clock() {
    static PhaseClock clock;
    return clock;
}

LONGLONG Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

// Charges the time since the last change to the running phase and starts the next one.
void SwitchTo(CompilePhase phase) {
    PhaseClock& clock = Clock();
    const LONGLONG now = Now();
    clock.ticks[static_cast<int>(clock.current)] += now - clock.since;
    clock.since = now;
    clock.current = phase;
}

}  // namespace

CompilePhaseScope::CompilePhaseScope(CompilePhase phase) : m_outer(Clock().current) {
    if (Clock().on)
        SwitchTo(phase);
    else
        Clock().current = phase;
}

CompilePhaseScope::~CompilePhaseScope() {
    if (Clock().on)
        SwitchTo(m_outer);
    else
        Clock().current = m_outer;
}

void EnableCompilePhaseClock(bool on) {
    Clock() = PhaseClock();
    Clock().on = on;
    Clock().since = Now();
}

double CompilePhaseSeconds(CompilePhase phase) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(Clock().ticks[static_cast<int>(phase)]) / frequency.QuadPart;
}
