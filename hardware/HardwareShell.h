#pragma once
#include "platform/CPoint.h"

#include <windows.h>

class CWnd;

// What the hardware configuration needs of the main window; the shell gives the real
// one, tests a recording fake.
class HardwareShell {
public:
    virtual ~HardwareShell() = default;
    // The CPU changed: both instruction trees regroup (the LD tree, then the IL tree).
    virtual void UpdateCpuGroups() = 0;
    virtual void SetProjectModified(bool modified) = 0;
    // The command bars' context menu: the first popup of the menu resource at a screen
    // point, its commands to owner.
    virtual void TrackContextMenu(UINT menuId, CPoint screenPoint, CWnd* owner) = 0;
};
