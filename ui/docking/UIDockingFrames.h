#pragma once

class CFrameWnd;

// The three kinds of frame an element can live in.
enum DockingFrameKind {
    DockingFrameMain = 0,      // the manager's frame (or none)
    DockingFrameFloating = 1,  // a floating frame: any mini frame but the sliding window
    DockingFrameAutoHide = 2,  // the auto-hide sliding window
};

DockingFrameKind DockingFrameKindOf(const CFrameWnd* frame);
