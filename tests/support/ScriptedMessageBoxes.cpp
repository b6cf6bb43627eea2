#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

ScriptedMessageBoxes::ScriptedMessageBoxes(std::initializer_list<int> answers)
    : m_answers(answers) {
    m_previous = AfxSetMessageBoxHandler(
        [this](HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
            return Show(owner, text, caption, type);
        });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() {
    AfxSetMessageBoxHandler(std::move(m_previous));
}

int ScriptedMessageBoxes::Show(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    m_calls.push_back({owner, text ? text : "", caption ? caption : "", type});
    if (m_answers.empty())
        return DefaultButtonAnswer(type);
    int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

int DefaultButtonAnswer(UINT type) {
    // Per button set, the answer for MB_DEFBUTTON1..3; a default button the box does
    // not have falls back to the first one.
    static const int buttonsByType[][3] = {
        {IDOK, IDOK, IDOK},                 // MB_OK
        {IDOK, IDCANCEL, IDOK},             // MB_OKCANCEL
        {IDABORT, IDRETRY, IDIGNORE},       // MB_ABORTRETRYIGNORE
        {IDYES, IDNO, IDCANCEL},            // MB_YESNOCANCEL
        {IDYES, IDNO, IDYES},               // MB_YESNO
        {IDRETRY, IDCANCEL, IDRETRY},       // MB_RETRYCANCEL
        {IDCANCEL, IDTRYAGAIN, IDCONTINUE}, // MB_CANCELTRYCONTINUE
    };
    UINT buttons = type & MB_TYPEMASK;
    UINT defaultIndex = (type & MB_DEFMASK) >> 8;
    if (buttons >= sizeof buttonsByType / sizeof buttonsByType[0] || defaultIndex > 2)
        return IDOK;
    return buttonsByType[buttons][defaultIndex];
}

void InstallUnscriptedMessageBoxGuard() {
    AfxSetMessageBoxHandler([](HWND, LPCSTR text, LPCSTR caption, UINT type) {
        ADD_FAILURE() << "unscripted message box: caption \"" << (caption ? caption : "")
                      << "\", text \"" << (text ? text : "") << "\"";
        return DefaultButtonAnswer(type);
    });
}
