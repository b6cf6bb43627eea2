#pragma once

// Where a compile spends its time, for the compile benchmark. The clock is off unless
// the benchmark turns it on; then every scope charges the time since the last change to
// the phase that was running until then, so nested phases are counted once each.
enum class CompilePhase { Other, Reading, Checking, Emitting, FileWrites, MessageLog, Count };

class CompilePhaseScope {
public:
    explicit CompilePhaseScope(CompilePhase phase);
    ~CompilePhaseScope();
    CompilePhaseScope(const CompilePhaseScope&) = delete;
    CompilePhaseScope& operator=(const CompilePhaseScope&) = delete;

private:
    CompilePhase m_outer;
};

// Turns the clock on (with every phase at zero) or off.
void EnableCompilePhaseClock(bool on);
// The time charged to the phase since the clock was turned on.
double CompilePhaseSeconds(CompilePhase phase);
