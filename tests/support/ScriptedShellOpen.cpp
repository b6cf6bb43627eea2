#include "tests/support/ScriptedShellOpen.h"

#include <gtest/gtest.h>
#include <shellapi.h>

ScriptedShellOpen::ScriptedShellOpen(INT_PTR answer) : m_answer(answer) {
    m_previous = AfxSetShellOpenHandler([this](HWND owner, LPCSTR target, int showCommand) {
        m_calls.push_back({owner, target ? target : "", showCommand});
        return reinterpret_cast<HINSTANCE>(m_answer);
    });
}

ScriptedShellOpen::~ScriptedShellOpen() { AfxSetShellOpenHandler(std::move(m_previous)); }

void InstallUnscriptedShellOpenGuard() {
    AfxSetShellOpenHandler([](HWND, LPCSTR target, int) {
        ADD_FAILURE() << "unscripted shell open of \"" << (target ? target : "") << "\"";
        return reinterpret_cast<HINSTANCE>(SE_ERR_ACCESSDENIED);
    });
}
