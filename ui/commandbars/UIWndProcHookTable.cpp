#include "ui/commandbars/UIWndProcHookTable.h"

#include "platform/CWnd.h"

#include <algorithm>

namespace {

bool Contains(const std::vector<CUIHookClient*>& clients, CUIHookClient* client) {
    return std::find(clients.begin(), clients.end(), client) != clients.end();
}

void Erase(std::vector<CUIHookClient*>& clients, CUIHookClient* client) {
    clients.erase(std::remove(clients.begin(), clients.end(), client), clients.end());
}

}  // namespace

CUIWndProcHookTable& CUIWndProcHookTable::Instance() {
    static CUIWndProcHookTable table;
    return table;
}

CUIWndProcHookTable::~CUIWndProcHookTable() { RemoveAll(); }

void CUIWndProcHookTable::AddKeyboardHook(CUIHookClient* client) {
    if (!Contains(m_keyboardHooks, client))
        m_keyboardHooks.push_back(client);
}

void CUIWndProcHookTable::RemoveKeyboardHook(CUIHookClient* client) { Erase(m_keyboardHooks, client); }

BOOL CUIWndProcHookTable::NotifyKeyboardHooks(UINT message, WPARAM wParam, LPARAM lParam) {
    // A client may leave the list while it is asked (a bar that stops tracking).
    const std::vector<CUIHookClient*> snapshot = m_keyboardHooks;
    for (auto client = snapshot.rbegin(); client != snapshot.rend(); ++client) {
        if (!Contains(m_keyboardHooks, *client))
            continue;
        LRESULT result = 0;
        int answer = (*client)->OnHookMessage(nullptr, message, wParam, lParam, result);
        if (answer != CUIHookClient::NotHandled)
            return answer != CUIHookClient::StopAsking;
    }
    return TRUE;
}

void CUIWndProcHookTable::SetHook(HWND hwnd, CUIHookClient* client) {
    CUIHookedWindow* window = nullptr;
    if (!m_windows.Lookup(hwnd, window)) {
        window = new CUIHookedWindow;
        window->hwnd = hwnd;
        window->previousProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookedWindowProc)));
        m_windows.SetAt(hwnd, window);
    }
    if (!Contains(window->clients, client))
        window->clients.push_back(client);
}

void CUIWndProcHookTable::RemoveHook(HWND hwnd, CUIHookClient* client) {
    CUIHookedWindow* window = nullptr;
    if (!m_windows.Lookup(hwnd, window))
        return;
    Erase(window->clients, client);
    if (window->clients.empty())
        RemoveWindow(hwnd);
}

void CUIWndProcHookTable::RemoveHookClient(CUIHookClient* client) {
    std::vector<HWND> windows;
    POSITION position = m_windows.GetStartPosition();
    while (position) {
        HWND hwnd;
        CUIHookedWindow* window;
        m_windows.GetNextAssoc(position, hwnd, window);
        windows.push_back(hwnd);
    }
    for (HWND hwnd : windows)
        RemoveHook(hwnd, client);
}

void CUIWndProcHookTable::RemoveWindow(HWND hwnd) {
    CUIHookedWindow* window = nullptr;
    if (!m_windows.Lookup(hwnd, window))
        return;
    m_windows.RemoveKey(hwnd);
    Unsubclass(window);
    delete window;
}

void CUIWndProcHookTable::RemoveAll() {
    while (!m_windows.IsEmpty()) {
        POSITION position = m_windows.GetStartPosition();
        HWND hwnd;
        CUIHookedWindow* window;
        m_windows.GetNextAssoc(position, hwnd, window);
        RemoveWindow(hwnd);
    }
}

const CUIHookedWindow* CUIWndProcHookTable::Lookup(HWND hwnd) const {
    CUIHookedWindow* window = nullptr;
    return m_windows.Lookup(hwnd, window) ? window : nullptr;
}

void CUIWndProcHookTable::Unsubclass(CUIHookedWindow* window) {
    if (::IsWindow(window->hwnd))
        ::SetWindowLongPtrA(window->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(window->previousProc));
}

LRESULT CALLBACK CUIWndProcHookTable::HookedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CCurrentMessageScope scope(hwnd, message, wParam, lParam);
    return Instance().Dispatch(hwnd, message, wParam, lParam);
}

LRESULT CUIWndProcHookTable::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CUIHookedWindow* window = nullptr;
    if (!m_windows.Lookup(hwnd, window))
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    // Clients may remove themselves, others or the whole record while they are asked:
    // the procedure and the clients are taken before anyone is asked.
    const WNDPROC previousProc = window->previousProc;
    if (message == WM_NCDESTROY) {
        RemoveWindow(hwnd);
        return ::CallWindowProcA(previousProc, hwnd, message, wParam, lParam);
    }
    const std::vector<CUIHookClient*> snapshot = window->clients;
    for (auto client = snapshot.rbegin(); client != snapshot.rend(); ++client) {
        const CUIHookedWindow* live = Lookup(hwnd);
        if (live == nullptr || !Contains(live->clients, *client))
            continue;
        LRESULT result = 0;
        int answer = (*client)->OnHookMessage(hwnd, message, wParam, lParam, result);
        if (answer == CUIHookClient::Handled)
            return result;
        if (answer == CUIHookClient::StopAsking)
            break;
    }
    return ::CallWindowProcA(previousProc, hwnd, message, wParam, lParam);
}
