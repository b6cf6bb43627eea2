#pragma once
// Replaces the program's message boxes while it lives: each box takes the next queued
// answer (or, when none is left, the answer of its default button, as if the user
// pressed Enter) and is recorded with its owner, text, caption and flags.

#include "platform/MessageBox.h"

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

struct MessageBoxCall {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

class ScriptedMessageBoxes {
public:
    explicit ScriptedMessageBoxes(std::initializer_list<int> answers = {});
    ~ScriptedMessageBoxes();
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    void QueueAnswer(int answer) { m_answers.push_back(answer); }
    const std::vector<MessageBoxCall>& Calls() const { return m_calls; }
    size_t PendingAnswers() const { return m_answers.size(); }

private:
    int Show(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

    std::deque<int> m_answers;
    std::vector<MessageBoxCall> m_calls;
    MessageBoxHandler m_previous;
};

// The button a box of these flags takes when the user just presses Enter.
int DefaultButtonAnswer(UINT type);

// Installed by the test main: a message box that no test scripted fails the running
// test (instead of blocking on a dialog nobody can see) and takes its default button.
void InstallUnscriptedMessageBoxGuard();
