#pragma once
// Every message box of the program goes through AfxShowMessageBox, so that tests can
// replace the real dialog with scripted answers.

#include <windows.h>
#include <functional>

// Shows one message box: owner window (may be null), text, caption, MB_ flags;
// gives the button pressed (IDOK, IDYES, ...).
using MessageBoxHandler = std::function<int(HWND owner, LPCSTR text, LPCSTR caption, UINT type)>;

int AfxShowMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// Installs the handler that shows every later message box and gives back the one it
// replaces; an empty handler restores the real MessageBoxA.
MessageBoxHandler AfxSetMessageBoxHandler(MessageBoxHandler handler);

// The caption of AfxMessageBox boxes; until set, the executable's file name without
// its extension.
void AfxSetAppTitle(LPCSTR title);
LPCSTR AfxGetAppTitle();

// Owned by the thread's active window, captioned with the application's title. A type
// without an icon gets the exclamation icon for OK and OK/Cancel boxes and the question
// icon for Yes/No and Yes/No/Cancel boxes.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);
// The text is the string resource stringId of the executable.
int AfxMessageBox(UINT stringId, UINT type = MB_OK, UINT helpId = static_cast<UINT>(-1));
