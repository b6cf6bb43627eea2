#pragma once
#include "platform/CMDIChildWnd.h"
#include "shell/frames/ChildFrameHost.h"

// A show request with the framework's default value opens the window maximised.
int MaximisedByDefault(int showCommand);

// The frame of a window that the main frame's window commands open once: its own
// registered window class and fixed title, opened maximised in the main MDI frame, and
// forgotten by the main frame when its window is destroyed.
class CCommandChildFrame : public CMDIChildWnd {
    DECLARE_DYNAMIC(CCommandChildFrame)

public:
    ChildWindow GetChildWindow() const { return m_window; }

protected:
    explicit CCommandChildFrame(ChildWindow window) : m_window(window) {}

    // Registers the class (once), creates the window in the main frame and activates
    // it maximised; false when the window could not be made (the object is deleted).
    BOOL CreateCommandFrame(LPCSTR className, LPCSTR title);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    ChildWindow m_window;
};

// Registers a command frame's window class when it is not yet known: redrawn on size,
// double clicks, byte-aligned, the child-frame icon, no cursor, the button-face
// background. Throws CResourceException when the class cannot be registered.
void RegisterChildFrameClass(LPCSTR className);
