#pragma once
#include "comm/CommResult.h"

#include <windows.h>

// The user's message for a failed communication task: caption and text of the result
// code. Not for 0, kCommOpenFailed or kCommCancelled, whose messages are already shown.
struct CommErrorText {
    const char* caption;
    const char* text;
};
CommErrorText CommErrorMessage(CommResult code);

// Shows the message box of `code` owned by `owner` and gives the keyboard focus back
// to the window that had it. The request letter is for the record only.
void ShowCommError(HWND owner, CommResult code, char letter = 0);
