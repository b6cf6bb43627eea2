#include "ui/commandbars/UIToolbarLayout.h"

#include <algorithm>

CSize CUIToolbarLayout::Calculate(int length, DWORD mode, CRect borders, int minimumThickness) {
    const int horizontalBorders = borders.left + borders.right;
    const int verticalBorders = borders.top + borders.bottom;
    const BOOL anyVisible = std::any_of(m_records.begin(), m_records.end(), [](const UILayoutRecord& r) { return r.visible; });
    if (!anyVisible) {
        CSize size(horizontalBorders + EmptyWidth, verticalBorders + EmptyHeight);
        if (mode & uiLayoutHorizontalDock)
            size.cy = std::max<LONG>(size.cy, minimumThickness);
        else
            size.cx = std::max<LONG>(size.cx, minimumThickness);
        return size;
    }
    if (mode & uiLayoutLengthIsLimit)
        length = m_widthLimit;
    const BOOL vertical = (mode & uiLayoutVerticalDock) != 0;
    if (mode & uiLayoutWrapAtLimit) {
        WrapRows(m_widthLimit, mode);
        WrapRows(CalcRowSize(vertical).cx, mode);
    } else if (mode & uiLayoutHorizontalDock) {
        WrapRows(length - horizontalBorders, mode);
    } else if (vertical) {
        WrapRows(length - verticalBorders, mode);
    } else {
        FindWrapLength(length - ((mode & uiLayoutLengthIsHeight) ? verticalBorders : horizontalBorders), mode);
    }
    CSize size = CalcRowSize(vertical);
    if (minimumThickness > 0) {
        if (mode & uiLayoutHorizontalDock)
            size.cy = std::max<LONG>(size.cy, minimumThickness - verticalBorders);
        else
            size.cx = std::max<LONG>(size.cx, minimumThickness - horizontalBorders);
    }
    if (mode & uiLayoutStretch) {
        if (vertical)
            size.cy = std::max<LONG>(size.cy, length - verticalBorders);
        else
            size.cx = std::max<LONG>(size.cx, length - horizontalBorders);
    }
    if (mode & uiLayoutCommit) {
        AdjustRows(size, borders, vertical);
        AlignRightItems(size, borders, vertical);
    } else {
        size.cx += horizontalBorders;
        size.cy += verticalBorders;
    }
    return size;
}

int CUIToolbarLayout::RowLength(const UILayoutRecord& record, BOOL vertical) const {
    return vertical ? record.size.cy : record.size.cx;
}

int CUIToolbarLayout::WrapRows(int width, DWORD& mode) {
    const BOOL vertical = (mode & uiLayoutVerticalDock) != 0;
    for (UILayoutRecord& record : m_records) {
        record.startsRow = FALSE;
        record.overflow = FALSE;
    }
    int rows = 1;
    int running = 0;
    size_t rowStart = 0;
    bool firstInRow = true;
    for (size_t i = 0; i < m_records.size(); ++i) {
        UILayoutRecord& record = m_records[i];
        if (!record.visible)
            continue;
        if (firstInRow) {
            rowStart = i;
            running = RowLength(record, vertical);
            firstInRow = false;
            continue;
        }
        running += RowLength(record, vertical) + (record.beginGroup ? GroupGap : 0);
        if (running <= width)
            continue;
        if (mode & uiLayoutOneRow) {
            for (size_t rest = i; rest < m_records.size(); ++rest)
                m_records[rest].overflow = TRUE;
            mode |= uiLayoutStretch;
            break;
        }
        // The row breaks at the nearest earlier group start, or at this record.
        size_t breakAt = i;
        for (size_t back = i; back > rowStart; --back) {
            if (m_records[back].visible && m_records[back].beginGroup) {
                breakAt = back;
                break;
            }
        }
        m_records[breakAt].startsRow = TRUE;
        mode |= uiLayoutStretch;
        ++rows;
        rowStart = breakAt;
        running = RowLength(m_records[breakAt], vertical);
        i = breakAt;
    }
    return rows;
}

CSize CUIToolbarLayout::CalcRowSize(BOOL vertical) {
    // Along is the row direction (x for rows, y for columns); across the other.
    int along = 0;
    int across = 0;         // where the current row starts across
    int thickness = 0;      // the current row's thickness
    int farAlong = 0;
    int farAcross = 0;
    bool first = true;
    for (UILayoutRecord& record : m_records) {
        if (!record.visible || record.overflow)
            continue;
        const int length = vertical ? record.size.cy : record.size.cx;
        const int width = vertical ? record.size.cx : record.size.cy;
        if (!first && record.startsRow) {
            across += thickness + (record.beginGroup ? GroupGap : 0);
            along = 0;
            thickness = 0;
        } else if (!first && record.beginGroup) {
            along += GroupGap;
        }
        if (vertical)
            record.rect = CRect(-across - width, along, -across, along + length);
        else
            record.rect = CRect(along, across, along + length, across + width);
        along += length;
        thickness = std::max(thickness, width);
        farAlong = std::max(farAlong, along);
        farAcross = std::max(farAcross, across + width);
        first = false;
    }
    return vertical ? CSize(farAcross, farAlong) : CSize(farAlong, farAcross);
}

void CUIToolbarLayout::FindWrapLength(int length, DWORD mode) {
    const BOOL vertical = (mode & uiLayoutVerticalDock) != 0;
    if (mode & uiLayoutLengthIsHeight) {
        // The narrowest layout whose height fits the length.
        int narrow = 0;
        int wide = 32767;
        WrapRows(wide, mode);
        int lastHeight = CalcRowSize(vertical).cy;
        while (wide - narrow > 1) {
            int middle = (narrow + wide) / 2;
            WrapRows(middle, mode);
            int height = CalcRowSize(vertical).cy;
            if (height <= length)
                wide = middle;
            else
                narrow = middle;
            if (height == lastHeight && height <= length)
                break;
            lastHeight = height;
        }
        WrapRows(wide, mode);
        return;
    }
    const int rows = WrapRows(length, mode);
    if (WrapRows(0, mode) != rows) {
        int low = 0;
        int high = length;
        while (high - low > 1) {
            int middle = (low + high) / 2;
            if (WrapRows(middle, mode) == rows)
                high = middle;
            else
                low = middle;
        }
        length = high;
    }
    WrapRows(length, mode);
    WrapRows(CalcRowSize(vertical).cx, mode);
}

void CUIToolbarLayout::AdjustRows(CSize& size, CRect borders, BOOL vertical) {
    const CPoint offset(borders.left + (vertical ? size.cx : 0), borders.top);
    std::vector<size_t> rowStarts;
    bool first = true;
    for (size_t i = 0; i < m_records.size(); ++i) {
        UILayoutRecord& record = m_records[i];
        if (!record.visible || record.overflow)
            continue;
        record.rect.OffsetRect(offset);
        if (first || record.startsRow)
            rowStarts.push_back(i);
        first = false;
    }
    rowStarts.push_back(m_records.size());
    for (size_t row = 0; row + 1 < rowStarts.size(); ++row) {
        int thickness = 0;
        int start = 32767;
        for (size_t i = rowStarts[row]; i < rowStarts[row + 1]; ++i) {
            const UILayoutRecord& record = m_records[i];
            if (!record.visible || record.overflow)
                continue;
            thickness = std::max<int>(thickness, vertical ? record.size.cx : record.size.cy);
            start = std::min<int>(start, vertical ? record.rect.left : record.rect.top);
        }
        if (rowStarts.size() == 2)
            thickness = vertical ? size.cx : size.cy;
        CRect rowRect = vertical ? CRect(start, borders.top, start + thickness, borders.top + size.cy)
                                 : CRect(borders.left, start, borders.left + size.cx, start + thickness);
        if (vertical && rowStarts.size() > 2) {
            // Columns were placed right-aligned; their own width decides where they start.
            int right = -32767;
            for (size_t i = rowStarts[row]; i < rowStarts[row + 1]; ++i)
                if (m_records[i].visible && !m_records[i].overflow)
                    right = std::max<int>(right, m_records[i].rect.right);
            rowRect.left = right - thickness;
            rowRect.right = right;
        }
        for (size_t i = rowStarts[row]; i < rowStarts[row + 1]; ++i) {
            UILayoutRecord& record = m_records[i];
            if (!record.visible || record.overflow)
                continue;
            record.rowRect = rowRect;
            if (vertical)
                record.rect.OffsetRect(rowRect.left + (thickness - record.size.cx) / 2 - record.rect.left, 0);
            else
                record.rect.OffsetRect(0, rowRect.top + (thickness - record.size.cy) / 2 - record.rect.top);
        }
    }
    size.cx += borders.left + borders.right;
    size.cy += borders.top + borders.bottom;
}

void CUIToolbarLayout::AlignRightItems(CSize size, CRect borders, BOOL vertical) {
    int farEdge = vertical ? size.cy - borders.bottom : size.cx - borders.right;
    const int nearEdge = vertical ? borders.top : borders.left;
    for (size_t i = m_records.size(); i-- > 0;) {
        UILayoutRecord& record = m_records[i];
        if (!record.visible || record.overflow)
            continue;
        if (!record.rightAlign)
            break;
        const int length = vertical ? record.size.cy : record.size.cx;
        if (farEdge - length < nearEdge)
            break;
        if (vertical)
            record.rect.OffsetRect(0, farEdge - record.rect.bottom);
        else
            record.rect.OffsetRect(farEdge - record.rect.right, 0);
        farEdge -= length;
        if (record.startsRow)
            break;
    }
}
