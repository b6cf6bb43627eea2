#include "tests/support/ModalScript.h"

#include "platform/CWnd.h"

#include <algorithm>

namespace {

ModalScript*& CurrentScript() {
    static thread_local ModalScript* script = nullptr;
    return script;
}

// The dialog a modal loop runs now: the enabled, visible dialog window of this thread
// highest in the z-order.
HWND RunningDialog() {
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND hwnd, LPARAM result) -> BOOL {
        char className[16] = {};
        ::GetClassNameA(hwnd, className, sizeof(className));
        if (lstrcmpA(className, "#32770") == 0 && ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd)) {
            *reinterpret_cast<HWND*>(result) = hwnd;
            return FALSE;
        }
        return TRUE;
    }, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

ModalScript::ModalScript(std::initializer_list<Action> actions) : m_actions(actions) {
    m_previous = CurrentScript();
    CurrentScript() = this;
    m_timer = ::SetTimer(nullptr, 0, 10, &Tick);
}

ModalScript::~ModalScript() {
    ::KillTimer(nullptr, m_timer);
    CurrentScript() = m_previous;
}

void CALLBACK ModalScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
    ModalScript* script = CurrentScript();
    HWND dialog = RunningDialog();
    if (script && dialog)
        script->Answer(dialog);
}

void ModalScript::Answer(HWND dialog) {
    if (std::find(m_answered.begin(), m_answered.end(), dialog) != m_answered.end() && ::IsWindow(dialog))
        return;  // still closing after its action
    m_answered.push_back(dialog);
    CWnd* wnd = CWnd::FromHandle(dialog);
    if (m_actions.empty()) {
        ++m_unscripted;
        wnd->SendMessage(WM_COMMAND, IDCANCEL);
        return;
    }
    Action action = std::move(m_actions.front());
    m_actions.pop_front();
    action(wnd);
}

void PressButton(CWnd* dialog, int id) {
    HWND button = ::GetDlgItem(dialog->m_hWnd, id);
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}
