#pragma once

#include <windows.h>

#include <deque>
#include <functional>

class CWnd;

// Answers the modal dialogs a test opens: each dialog that comes up (from DoModal,
// shown by the modal loop) gets the next action, which may fill in its controls and
// end it (PressButton). A dialog that comes up with no action left is cancelled and
// counted, so a test never blocks on a dialog nobody answers.
class ModalScript {
public:
    using Action = std::function<void(CWnd* dialog)>;

    explicit ModalScript(std::initializer_list<Action> actions);
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    void Queue(Action action) { m_actions.push_back(std::move(action)); }
    size_t PendingActions() const { return m_actions.size(); }
    int UnscriptedDialogs() const { return m_unscripted; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void Answer(HWND dialog);

    std::deque<Action> m_actions;
    std::deque<HWND> m_answered;
    int m_unscripted = 0;
    UINT_PTR m_timer = 0;
    ModalScript* m_previous = nullptr;
};

// Clicks a dialog's button as the user would (the button's BN_CLICKED notification).
void PressButton(CWnd* dialog, int id);
