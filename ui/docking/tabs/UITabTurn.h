#pragma once

#include "platform/CRect.h"
#include "ui/docking/tabs/UITabStrip.h"

// Turns a tab shape built for a top strip to the strip's side. In local coordinates x
// runs along the strip and y from the outer edge (local top) towards the client area;
// the mapping keeps the start of the strip at local left, so a bottom strip is the top
// picture mirrored top to bottom, a left strip the top picture transposed, and a right
// strip the transposed picture mirrored left to right.
class CUITabTurn {
public:
    CUITabTurn(const CRect& real, int position) : m_real(real), m_position(position) {}

    CRect Local() const {
        return IsHorizontalPosition(m_position) ? m_real : CRect(m_real.top, m_real.left, m_real.bottom, m_real.right);
    }
    CPoint Map(int x, int y) const {
        switch (m_position) {
        case TabPositionBottom:
            return CPoint(x, m_real.top + m_real.bottom - 1 - y);
        case TabPositionLeft:
            return CPoint(y, x);
        case TabPositionRight:
            return CPoint(m_real.left + m_real.right - 1 - y, x);
        default:
            return CPoint(x, y);
        }
    }
    // A relative step of the local picture as a step on the real side.
    CPoint MapOffset(int dx, int dy) const {
        CPoint origin = Map(0, 0), moved = Map(dx, dy);
        return CPoint(moved.x - origin.x, moved.y - origin.y);
    }
    // A half-open local rectangle as a real one.
    CRect MapRect(const CRect& local) const {
        CPoint a = Map(local.left, local.top), b = Map(local.right - 1, local.bottom - 1);
        CRect rect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1);
        return rect;
    }
    // A local line from (x1, y1) up to, not including, (x2, y2).
    void Line(CDC* dc, COLORREF color, int x1, int y1, int x2, int y2) const;
    void Pixel(CDC* dc, COLORREF color, int x, int y) const;

private:
    CRect m_real;
    int m_position;
};
