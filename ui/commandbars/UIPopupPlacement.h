#pragma once

#include "platform/CRect.h"

// Direction flags of a popup bar.
enum UIPopupDirection {
    uiPopupLeft = 0x01,      // opens leftwards / right-aligned
    uiPopupDropDown = 0x02,  // drops down below its opener
};

// Where a popup of a size goes: the anchor point, the screen rectangle it must not
// cover (empty when it opens at a point), its direction flags and the work area of
// the monitor. It is kept 5 pixels above the work area's bottom; shrink tells that
// it got shorter than its content and must scroll.
struct UIPopupPlacement {
    CRect rect;
    DWORD flags = 0;
    BOOL shrink = FALSE;
};
UIPopupPlacement PlacePopup(CSize size, CPoint anchor, const CRect& exclude, DWORD flags, const CRect& workArea);

// The work area of the monitor holding the rectangle, or of the monitor under the
// cursor when the rectangle is empty; the primary work area when none holds it.
CRect GetPopupWorkArea(const CRect& exclude);
