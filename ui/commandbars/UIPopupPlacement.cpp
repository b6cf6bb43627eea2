#include "ui/commandbars/UIPopupPlacement.h"

#include <algorithm>

namespace {

const int kBottomMargin = 5;

}  // namespace

UIPopupPlacement PlacePopup(CSize size, CPoint anchor, const CRect& exclude, DWORD flags, const CRect& workArea) {
    const int left = workArea.left, top = workArea.top, right = workArea.right;
    const int bottom = workArea.bottom - kBottomMargin;
    // Halves of the work area are measured from its top: a work area need not start at 0.
    const int middle = top + (bottom - top) / 2;
    const BOOL noWidth = exclude.Width() == 0;
    const BOOL noHeight = exclude.Height() == 0;
    const BOOL dropDown = (flags & uiPopupDropDown) != 0;
    int x = anchor.x, y = anchor.y, cx = size.cx, cy = size.cy;
    BOOL shrink = FALSE;

    if (flags == (uiPopupLeft | uiPopupDropDown) && !noWidth)
        x = exclude.right - cx;
    else if ((flags & uiPopupLeft) && !noWidth)
        x = exclude.left - cx;

    if (y + cy > bottom || (noHeight && y > bottom)) {
        if (noHeight && y > bottom) {
            y -= cy;
        } else if (noHeight) {
            y = y < middle ? bottom - cy : y - cy;
        } else if (!dropDown) {
            y = bottom - cy;
        } else {
            y = exclude.top - cy;
            if (y < top) {
                shrink = TRUE;
                if ((exclude.top + exclude.bottom) / 2 > middle) {
                    y = top;
                    cy = exclude.top - top;
                } else {
                    y = exclude.bottom;
                    cy = bottom - exclude.bottom;
                }
            }
        }
        // Whatever branch: never above the work area, and what does not fit scrolls.
        y = std::max(y, top);
        if (y + cy > bottom) {
            cy = bottom - y;
            shrink = TRUE;
        }
    }

    if (x + cx > right) {
        if (noWidth && x > right) {
            x -= cx;
        } else if (noWidth) {
            x = right - cx;
        } else {
            x = (dropDown ? right : exclude.left) - cx;
            flags |= uiPopupLeft;
        }
    } else if (x < left && !noWidth) {
        x = dropDown ? left : exclude.right;
        flags &= ~static_cast<DWORD>(uiPopupLeft);
    }

    UIPopupPlacement placement;
    placement.rect = CRect(x, y, x + cx, y + cy);
    placement.flags = flags;
    placement.shrink = shrink;
    return placement;
}

CRect GetPopupWorkArea(const CRect& exclude) {
    HMONITOR monitor = nullptr;
    if (exclude.IsRectEmpty()) {
        POINT cursor = {};
        ::GetCursorPos(&cursor);
        monitor = ::MonitorFromPoint(cursor, MONITOR_DEFAULTTONULL);
    } else {
        monitor = ::MonitorFromRect(&exclude, MONITOR_DEFAULTTONULL);
    }
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (monitor && ::GetMonitorInfoA(monitor, &info)) return CRect(info.rcWork);
    CRect work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}
