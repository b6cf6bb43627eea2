#pragma once

#include <windows.h>

// An extent in logical units; layout-compatible with SIZE.
class CSize : public tagSIZE {
public:
    CSize() { cx = cy = 0; }
    CSize(int width, int height) { cx = width, cy = height; }
    CSize(SIZE size) { cx = size.cx, cy = size.cy; }
    explicit CSize(POINT point) { cx = point.x, cy = point.y; }
    // Width in the low word, height in the high word (as GetTextExtent-style results).
    explicit CSize(DWORD packed) {
        cx = static_cast<short>(LOWORD(packed));
        cy = static_cast<short>(HIWORD(packed));
    }

    bool operator==(SIZE other) const { return cx == other.cx && cy == other.cy; }
    bool operator!=(SIZE other) const { return !(*this == other); }
    CSize& operator+=(SIZE other) { cx += other.cx, cy += other.cy; return *this; }
    CSize& operator-=(SIZE other) { cx -= other.cx, cy -= other.cy; return *this; }
    CSize operator+(SIZE other) const { return CSize(cx + other.cx, cy + other.cy); }
    CSize operator-(SIZE other) const { return CSize(cx - other.cx, cy - other.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
};
