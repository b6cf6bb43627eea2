#pragma once
// Every "open" the program asks of the system shell (a web address in the browser)
// goes through AfxShellOpen, so that tests can record it instead of starting a program.

#include <windows.h>
#include <functional>

// Opens the target: owner window (may be null), target, SW_ show command; gives the
// shell's answer (a value above 32 means it was opened).
using ShellOpenHandler = std::function<HINSTANCE(HWND owner, LPCSTR target, int showCommand)>;

HINSTANCE AfxShellOpen(HWND owner, LPCSTR target, int showCommand = SW_SHOWNORMAL);

// Installs the handler of every later open and gives back the one it replaces; an
// empty handler restores the shell's own ShellExecuteA.
ShellOpenHandler AfxSetShellOpenHandler(ShellOpenHandler handler);
