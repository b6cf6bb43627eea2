#pragma once
#include "platform/CPoint.h"
#include "platform/CSize.h"

// The ladder editor's cell grid: cell (c, r) covers c * width up to (c + 1) * width and
// r * height up to (r + 1) * height document pixels. Scrolling always stops on whole cells.
class CLadderGrid {
public:
    int m_cellWidth = 100;
    int m_cellHeight = 40;

    // False for a point left of or above the document.
    bool PointToCell(CPoint point, CPoint& cell) const;
    // x to the nearest column boundary (exactly half a cell goes to the lower one), y to
    // 25 pixels below the top of its row.
    CPoint SnapToCell(CPoint point) const;
    // The new vertical position for a scroll-bar code; line and page keys both move one
    // cell. trackPosition is the thumb's while it is dragged.
    int VerticalScroll(int code, int position, int trackPosition, int maximum) const;
    // The new horizontal position: lines move one cell, pages two.
    int HorizontalScroll(int code, int position, int thumbPosition, int minimum, int maximum) const;

    // The document when the editor opens: the model's extent, at least minimumRows tall.
    CSize OpeningExtent(CSize extentCells, int minimumRows) const;
    // The document after a layout: ten rows below the last network, at least the extent.
    CSize LaidOutExtent(CSize extentCells, int rowAfterLastNetwork) const;

private:
    static int Clamp(int value, int low, int high);
};
