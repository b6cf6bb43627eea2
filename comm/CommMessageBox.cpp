#include "comm/CommMessageBox.h"

namespace {
CommMessageBoxHook g_hook = nullptr;
}

int CommMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    if (g_hook)
        return g_hook(owner, text, caption, type);
    return MessageBoxA(owner, text, caption, type);
}

void SetCommMessageBoxHook(CommMessageBoxHook hook) { g_hook = hook; }
