#pragma once
#include <windows.h>

// Every message box of the communication layer goes through here, so that a test can
// answer it instead of a user.
using CommMessageBoxHook = int (*)(HWND owner, const char* text, const char* caption, UINT type);

int CommMessageBox(HWND owner, const char* text, const char* caption, UINT type);
// nullptr restores the real message box.
void SetCommMessageBoxHook(CommMessageBoxHook hook);
