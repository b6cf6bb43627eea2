#pragma once

#include <functional>

#include "platform/CRect.h"

class CWnd;

// The live drag of a bar (a splitter, the edge of the sliding window): the window
// holds the capture; each mouse move puts the bar's left (horizontal) or top at the
// pointer, clamped into bounds, and applies it at once. Pending paints go first so
// the applied sizes show while the drag runs. Escape or the release end the drag,
// keeping the last size; losing the capture or the quit message end it too (the quit
// message is posted again for the outer loop). Bounds and bar in screen coordinates.
void TrackLiveResize(CWnd* wnd, const CRect& bounds, CRect& bar, BOOL horizontal,
                     const std::function<void(const CRect& bar)>& apply);
