#pragma once

#include "platform/CRect.h"

#include <windows.h>

#include <functional>

// The modal mouse loop of a drag started in a button-down handler: the window holds the
// mouse capture while the loop runs. Pending paints go first; a quit request ends the
// loop and stays queued for the outer loop; the button release, Esc or the loss of the
// capture end it; other keys are swallowed; a mouse move to a new point goes to the
// move step (in screen coordinates); anything else is dispatched.
class CUIMouseCaptureLoop {
public:
    using MoveStep = std::function<void(CPoint screenPoint)>;
    using AfterEach = std::function<void()>;

    // FALSE (and nothing runs) while another window holds the capture.
    static BOOL Run(HWND window, CPoint start, const MoveStep& onMove, const AfterEach& afterEach = nullptr);

    // Steps shared with the other modal mouse loops.
    static void DispatchPendingPaints();
    // The message's point on the screen (its window's client coordinates otherwise).
    static CPoint ScreenPointOf(const MSG& msg);
};
