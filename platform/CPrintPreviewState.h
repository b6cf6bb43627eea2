#pragma once

#include <windows.h>

#include <vector>

class CFrameWnd;
class CView;

// What a frame changes while it shows print preview, kept to be put back when the
// preview ends: its menu and accelerators, the bars it hid, the pane the preview stands
// in for (the view, or an MDI frame's client) and its active view. The close hook is
// what the frame asks before it closes during preview.
struct CPrintPreviewState {
    HMENU hMenu = nullptr;
    HACCEL hAccelTable = nullptr;
    std::vector<HWND> hiddenBars;
    HWND hMainPane = nullptr;
    CView* pViewActiveOld = nullptr;
    BOOL (*lpfnCloseProc)(CFrameWnd* frame) = nullptr;
};
