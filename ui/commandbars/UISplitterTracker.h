#pragma once

#include "platform/CRect.h"

class CWnd;

// The modal drag of a splitter bar: an inverted bar drawn on the desktop follows the
// mouse inside bounds while the window holds the capture.
class CUISplitterTracker {
public:
    // Tracker and bounds are screen rectangles; the tracker moves horizontally (its
    // left follows x) or vertically and holds the last drawn position on return. TRUE
    // when the drag ended with the left button released; FALSE on Escape, on losing
    // the capture or on WM_QUIT (which is posted again for the outer loop).
    BOOL Track(CWnd* wnd, const CRect& bounds, CRect& tracker, CPoint start, BOOL horizontal);

private:
    void DrawTracker(const CRect& tracker);
    void MoveTracker(HWND wnd, const MSG& msg, const CRect& bounds, CRect& tracker, BOOL horizontal);

    HDC m_dc = nullptr;  // the desktop's, while tracking
};
