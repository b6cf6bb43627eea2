#pragma once

#include "platform/CWnd.h"

// One modal run of a window (a dialog, a property sheet) over its owner: the owner
// takes no input while the window's modal loop runs and gets input and activation
// back at the end, after the window is hidden.
class ModalRun {
public:
    // The owner is the top-level window of parent, or of the main window.
    explicit ModalRun(CWnd* parent);
    ModalRun(const ModalRun&) = delete;
    ModalRun& operator=(const ModalRun&) = delete;

    CWnd* Owner() const { return CWnd::FromHandle(m_owner); }
    // Runs the window's modal loop, unless the window ended it while it was made.
    void Loop(CWnd& wnd);
    void End(CWnd& wnd);

private:
    HWND m_owner;
    bool m_enableOwner;
};
