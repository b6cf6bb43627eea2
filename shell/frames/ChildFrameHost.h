#pragma once
#include "platform/Afx.h"

class CMDIChildWnd;

// The windows the main frame keeps at most once each.
enum class ChildWindow { Hardware, StatusTable, InitData, CrossReference, GlobalVariables, Count };

// What the child frames tell the main frame. The main frame implements it (keeping a
// CChildWindowSlots) and installs itself; tests install a recording one.
class IChildFrameHost {
public:
    virtual ~IChildFrameHost() = default;
    // The window now exists, in this frame.
    virtual void ChildWindowOpened(ChildWindow window, CMDIChildWnd* frame) = 0;
    // The window is gone: the frame pointer and open flag are cleared and the document
    // tabs refreshed.
    virtual void ChildWindowClosed(ChildWindow window) = 0;
    // The hardware window became active (the module list shown, the instruction sets
    // closed) or stopped being active (the reverse).
    virtual void ShowHardwarePanes(BOOL hardwareActive) = 0;
};

void SetChildFrameHost(IChildFrameHost* host);
IChildFrameHost* GetChildFrameHost();
