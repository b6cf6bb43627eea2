#include "editors/LadderGrid.h"

#include <algorithm>

namespace {
const int kSnapBelowRowTop = 25;
}

bool CLadderGrid::PointToCell(CPoint point, CPoint& cell) const {
    if (point.x < 0 || point.y < 0)
        return false;
    cell = CPoint(point.x / m_cellWidth, point.y / m_cellHeight);
    return true;
}

CPoint CLadderGrid::SnapToCell(CPoint point) const {
    int remainder = point.x % m_cellWidth;
    int x = point.x - remainder + (remainder > m_cellWidth / 2 ? m_cellWidth : 0);
    int y = point.y - point.y % m_cellHeight + kSnapBelowRowTop;
    return CPoint(x, y);
}

int CLadderGrid::Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

int CLadderGrid::VerticalScroll(int code, int position, int trackPosition, int maximum) const {
    maximum -= maximum % m_cellHeight;
    switch (code) {
    case SB_LINEUP:
    case SB_PAGEUP:
        position -= m_cellHeight;
        break;
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
        position += m_cellHeight;
        break;
    case SB_THUMBTRACK:
        position = trackPosition;
        break;
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = maximum;
        break;
    default:
        break;
    }
    position = Clamp(position, 0, std::max(0, maximum));
    return position - position % m_cellHeight;
}

int CLadderGrid::HorizontalScroll(int code, int position, int thumbPosition, int minimum, int maximum) const {
    maximum -= maximum % m_cellWidth;
    switch (code) {
    case SB_LINELEFT:
        position -= m_cellWidth;
        break;
    case SB_LINERIGHT:
        position += m_cellWidth;
        break;
    case SB_PAGELEFT:
        position -= 2 * m_cellWidth;
        break;
    case SB_PAGERIGHT:
        position += 2 * m_cellWidth;
        break;
    case SB_THUMBTRACK:
        position = thumbPosition - thumbPosition % m_cellWidth;
        break;
    case SB_LEFT:
        position = minimum;
        break;
    default:
        break;
    }
    position = Clamp(position, minimum, std::max(minimum, maximum));
    return position - position % m_cellWidth;
}

CSize CLadderGrid::OpeningExtent(CSize extentCells, int minimumRows) const {
    int rows = std::max<int>(extentCells.cy, minimumRows);
    return CSize(extentCells.cx * m_cellWidth, rows * m_cellHeight);
}

CSize CLadderGrid::LaidOutExtent(CSize extentCells, int rowAfterLastNetwork) const {
    int rows = std::max<int>(extentCells.cy, rowAfterLastNetwork + 10);
    return CSize(extentCells.cx * m_cellWidth, rows * m_cellHeight);
}
