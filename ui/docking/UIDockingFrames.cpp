#include "ui/docking/UIDockingFrames.h"

#include "platform/CMiniFrameWnd.h"
#include "ui/docking/UIDockingPaneAutoHideWnd.h"

DockingFrameKind DockingFrameKindOf(const CFrameWnd* frame) {
    if (!frame || !frame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)))
        return DockingFrameMain;
    if (frame->IsKindOf(RUNTIME_CLASS(CUIDockingPaneAutoHideWnd)))
        return DockingFrameAutoHide;
    return DockingFrameFloating;
}
