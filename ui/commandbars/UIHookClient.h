#pragma once

#include <windows.h>

// Something that wants to see messages not addressed to it: keys while a bar tracks,
// messages of windows it watches. The answer says how the message goes on.
class CUIHookClient {
public:
    enum Answer { NotHandled = 0, Handled = 1, StopAsking = 2 };

    virtual ~CUIHookClient() = default;
    // NotHandled asks the next client; Handled makes result the message's result and
    // ends it; StopAsking passes the message on to its window without asking further.
    // A client may change wParam and lParam before the message goes on.
    virtual int OnHookMessage(HWND hwnd, UINT message, WPARAM& wParam, LPARAM& lParam, LRESULT& result) = 0;
};
