#pragma once
// Replaces the shell's "open" while it lives: every open is recorded and answered with
// the given result instead of starting a program.

#include "platform/ShellOpen.h"

#include <string>
#include <vector>

struct ShellOpenCall {
    HWND owner;
    std::string target;
    int showCommand;
};

class ScriptedShellOpen {
public:
    // 33: what the shell answers for a target it opened.
    explicit ScriptedShellOpen(INT_PTR answer = 33);
    ~ScriptedShellOpen();
    ScriptedShellOpen(const ScriptedShellOpen&) = delete;
    ScriptedShellOpen& operator=(const ScriptedShellOpen&) = delete;

    const std::vector<ShellOpenCall>& Calls() const { return m_calls; }

private:
    INT_PTR m_answer;
    std::vector<ShellOpenCall> m_calls;
    ShellOpenHandler m_previous;
};

// Installed by the test main: an open that no test scripted fails the running test and
// starts nothing.
void InstallUnscriptedShellOpenGuard();
