#include "ui/docking/UIDockingFrames.h"

#include "platform/CMiniFrameWnd.h"

DockingFrameKind DockingFrameKindOf(const CFrameWnd* frame) {
    if (!frame || !frame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)))
        return DockingFrameMain;
    return DockingFrameFloating;
}
