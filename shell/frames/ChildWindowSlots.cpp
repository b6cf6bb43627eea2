#include "shell/frames/ChildWindowSlots.h"

#include "shell/frames/CChFrmCrossRef.h"
#include "shell/frames/CChFrmInitData.h"
#include "shell/frames/CChildFrameHW.h"
#include "shell/frames/CChildFrameVar.h"

namespace {
CMDIChildWnd* OpenNew(ChildWindow window) {
    switch (window) {
    case ChildWindow::Hardware: return CChildFrameHW::Open();
    case ChildWindow::StatusTable: return CChildFrmStatus::Open();
    case ChildWindow::InitData: return CChFrmInitData::Open();
    case ChildWindow::CrossReference: return CChFrmCrossRef::Open();
    case ChildWindow::GlobalVariables: return CChildFrameVar::Open();
    case ChildWindow::Count: break;
    }
    return nullptr;
}
}  // namespace

CMDIChildWnd* CChildWindowSlots::Open(ChildWindow window) {
    const Entry& entry = Slot(window);
    if (entry.open && entry.frame) {
        entry.frame->ActivateFrame(SW_SHOWMAXIMIZED);
        return entry.frame;
    }
    return OpenNew(window);
}

void CChildWindowSlots::Opened(ChildWindow window, CMDIChildWnd* frame) {
    Slot(window).frame = frame;
    Slot(window).open = TRUE;
}

void CChildWindowSlots::Closed(ChildWindow window) { Slot(window) = Entry(); }
