#pragma once

#include "ui/commandbars/UIHookClient.h"

#include "platform/CMap.h"

#include <vector>

// One subclassed window: the procedure it had and its clients, in the order added.
struct CUIHookedWindow {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    std::vector<CUIHookClient*> clients;
};

// The process's table of windows whose messages hook clients see before the window
// does, and the list of clients that get the keys while a bar tracks. Clients are
// asked from the last added to the first. Used from the user-interface thread only.
class CUIWndProcHookTable {
public:
    static CUIWndProcHookTable& Instance();
    ~CUIWndProcHookTable();

    void AddKeyboardHook(CUIHookClient* client);
    void RemoveKeyboardHook(CUIHookClient* client);
    BOOL HasKeyboardHooks() const { return !m_keyboardHooks.empty(); }
    // TRUE when the message counts as consumed: a client answered Handled, or none
    // answered at all; StopAsking leaves it to the window.
    BOOL NotifyKeyboardHooks(UINT message, WPARAM wParam, LPARAM lParam);

    // The first client of a window subclasses it; the last one removed restores it.
    void SetHook(HWND hwnd, CUIHookClient* client);
    void RemoveHook(HWND hwnd, CUIHookClient* client);
    void RemoveHookClient(CUIHookClient* client);
    void RemoveWindow(HWND hwnd);
    void RemoveAll();
    // The record of a hooked window, or null.
    const CUIHookedWindow* Lookup(HWND hwnd) const;

private:
    CUIWndProcHookTable() = default;
    static LRESULT CALLBACK HookedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Unsubclass(CUIHookedWindow* window);

    std::vector<CUIHookClient*> m_keyboardHooks;
    CMap<HWND, HWND, CUIHookedWindow*, CUIHookedWindow*> m_windows;
};
