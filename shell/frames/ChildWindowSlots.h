#pragma once
#include "shell/frames/ChildFrameHost.h"

// The main frame's record of the windows it opens once each: the frame and an open
// flag per window. Opening a window that is open activates it maximised instead.
class CChildWindowSlots {
public:
    // The window's frame, activated maximised when it was open, else newly opened; null
    // when it could not be made.
    CMDIChildWnd* Open(ChildWindow window);

    void Opened(ChildWindow window, CMDIChildWnd* frame);
    void Closed(ChildWindow window);
    BOOL IsOpen(ChildWindow window) const { return Slot(window).open; }
    CMDIChildWnd* GetFrame(ChildWindow window) const { return Slot(window).frame; }

private:
    struct Entry {
        CMDIChildWnd* frame = nullptr;
        BOOL open = FALSE;
    };
    const Entry& Slot(ChildWindow window) const { return m_slots[static_cast<int>(window)]; }
    Entry& Slot(ChildWindow window) { return m_slots[static_cast<int>(window)]; }

    Entry m_slots[static_cast<int>(ChildWindow::Count)];
};
