#pragma once

#include "platform/CSize.h"

// A position in logical units; layout-compatible with POINT.
class CPoint : public tagPOINT {
public:
    CPoint() { x = y = 0; }
    CPoint(int px, int py) { x = px, y = py; }
    CPoint(POINT point) { x = point.x, y = point.y; }
    explicit CPoint(SIZE size) { x = size.cx, y = size.cy; }
    // x in the low word, y in the high word, both signed (as in mouse messages).
    explicit CPoint(LPARAM packed) {
        x = static_cast<short>(LOWORD(packed));
        y = static_cast<short>(HIWORD(packed));
    }

    void Offset(int dx, int dy) { x += dx, y += dy; }
    void Offset(POINT point) { Offset(point.x, point.y); }
    void Offset(SIZE size) { Offset(size.cx, size.cy); }
    void SetPoint(int px, int py) { x = px, y = py; }

    bool operator==(POINT other) const { return x == other.x && y == other.y; }
    bool operator!=(POINT other) const { return !(*this == other); }
    CPoint& operator+=(SIZE size) { Offset(size); return *this; }
    CPoint& operator-=(SIZE size) { Offset(-size.cx, -size.cy); return *this; }
    CPoint& operator+=(POINT point) { Offset(point); return *this; }
    CPoint& operator-=(POINT point) { Offset(-point.x, -point.y); return *this; }
    CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
    CPoint operator+(POINT point) const { return CPoint(x + point.x, y + point.y); }
    // The distance between two points.
    CSize operator-(POINT point) const { return CSize(x - point.x, y - point.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
};
