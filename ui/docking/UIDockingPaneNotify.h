#pragma once

#include <windows.h>

class CUIDockingPaneBase;
class CUIDockingPaneItem;

// The message the docking pane manager sends (synchronously) to its frame; wParam is a
// DockingPaneNotifyCode, lParam the pane, the container or a DockingPaneActionRecord.
const UINT DockingPaneNotify = 0x89E6;

enum DockingPaneNotifyCode {
    DockingPaneNotifyShowWindow = 1,  // the pane's window is about to be shown; attach a view when it has none
    DockingPaneNotifyRightClick = 2,  // lParam is the tabbed container
    DockingPaneNotifyClosePane = 3,   // answer -1 to keep the pane
    DockingPaneNotifyAction = 4,      // lParam is a DockingPaneActionRecord
};

// What the user does to a pane: each even code is a query the frame may refuse by
// setting the record's cancel field, the odd code after it reports the deed.
enum DockingPaneAction {
    ActionFloating = 0,
    ActionFloated = 1,
    ActionClosing = 2,
    ActionClosed = 3,
    ActionDocking = 4,
    ActionDocked = 5,
    ActionAttaching = 6,
    ActionAttached = 7,
    ActionAutoHiding = 8,
    ActionAutoHidden = 9,
};

// The side at which an element docks next to its neighbour; also the side of an
// auto-hide panel.
enum DockingDirection {
    DockLeft = 0,
    DockRight = 1,
    DockTop = 2,
    DockBottom = 3,
};

// One pane's part in an action, sent with DockingPaneNotifyAction.
struct DockingPaneActionRecord {
    int action;                  // DockingPaneAction
    int cancel;                  // 0 when sent; nonzero refuses a query
    CUIDockingPaneItem* pane;
    CUIDockingPaneBase* target;  // dock or attach target, the holder of a toggle, or null
    int direction;               // DockingDirection of a dock query from a drag, else 0
};

// Options of a pane.
enum DockingPaneOption {
    PaneOptionNoClose = 1,
    PaneOptionNoAutoHide = 2,
    PaneOptionNoFloat = 4,
};
