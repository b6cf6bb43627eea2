#include "platform/CCPGridCore.h"

#include <algorithm>

namespace {

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

}  // namespace

int CCPGridCore::AddCol(int width, LPCSTR header, UINT format, UINT headerFormat, int value1, int value2,
                        int value3) {
    CPGridColumn col;
    col.width = width;
    col.header = header;
    col.format = format;
    col.headerFormat = headerFormat;
    col.values[0] = value1;
    col.values[1] = value2;
    col.values[2] = value3;
    m_cols.push_back(col);
    return GetGridColCount() - 1;
}

int CCPGridCore::DefineColCtrl(int col, int kind, DWORD style, UINT id) {
    if (col < 0 || col >= GetGridColCount())
        return -1;
    m_cols[col].ctrlKind = kind;
    m_cols[col].ctrlStyle = style;
    m_cols[col].ctrlId = id;
    return col;
}

bool CCPGridCore::IsEditableCol(int col) const {
    if (col < 0 || col >= GetGridColCount())
        return false;
    return m_cols[col].ctrlKind == CPCtrlEdit || m_cols[col].ctrlKind == CPCtrlList;
}

// ---- Rows ------------------------------------------------------------------------

void CCPGridCore::SetGridRowCount(int rows) {
    m_rows = std::max(0, rows);
    KeepFocusInside();
    ClampSelection();
    SetTopRow(m_topRow);
}

void CCPGridCore::InsertRows(int first, int count) {
    if (count <= 0 || first < 0 || first > m_rows)
        return;
    m_rows += count;
    // Rows at or below the insertion move down with their data.
    if (m_focusRow - 1 >= first)
        m_focusRow += count;
    if (m_sel.top >= first) {
        m_sel.top += count;
        m_sel.bottom += count;
    } else if (m_sel.bottom >= first) {
        m_sel.bottom += count;
    }
    if (m_anchor.y >= first)
        m_anchor.y += count;
    KeepFocusInside();
}

void CCPGridCore::RemoveRows(int first, int count) {
    if (count <= 0 || first < 0 || first >= m_rows)
        return;
    count = std::min(count, m_rows - first);
    m_rows -= count;
    auto shift = [&](int row) { return row >= first + count ? row - count : std::min(row, first); };
    m_focusRow = shift(m_focusRow - 1) + 1;
    m_sel.top = shift(static_cast<int>(m_sel.top));
    m_sel.bottom = shift(static_cast<int>(m_sel.bottom));
    m_anchor.y = shift(m_anchor.y);
    KeepFocusInside();
    ClampSelection();
    SetTopRow(m_topRow);
}

void CCPGridCore::KeepFocusInside() {
    m_focusCol = Clamp(m_focusCol, 1, std::max(1, GetGridColCount()));
    m_focusRow = Clamp(m_focusRow, 1, std::max(1, m_rows));
}

void CCPGridCore::ClampSelection() {
    int lastCol = std::max(0, GetGridColCount() - 1);
    int lastRow = std::max(0, m_rows - 1);
    m_sel.left = Clamp(m_sel.left, 0, lastCol);
    m_sel.right = Clamp(m_sel.right, 0, lastCol);
    m_sel.top = Clamp(m_sel.top, 0, lastRow);
    m_sel.bottom = Clamp(m_sel.bottom, 0, lastRow);
    m_anchor.x = Clamp(m_anchor.x, 0, lastCol);
    m_anchor.y = Clamp(m_anchor.y, 0, lastRow);
}

// ---- Focus and selection ----------------------------------------------------------

void CCPGridCore::SetFocusCell(int col, int row) {
    m_focusCol = col;
    m_focusRow = row;
    KeepFocusInside();
    EnsureVisible(m_focusCol, m_focusRow);
}

void CCPGridCore::SetSelectRange(int firstCol, int lastCol, int firstRow, int lastRow) {
    m_sel = CRect(std::min(firstCol, lastCol), std::min(firstRow, lastRow), std::max(firstCol, lastCol),
                  std::max(firstRow, lastRow));
    m_anchor = CPoint(firstCol, firstRow);
    ClampSelection();
}

void CCPGridCore::GetSelectRange(int& firstCol, int& lastCol, int& firstRow, int& lastRow) const {
    firstCol = m_sel.left;
    lastCol = m_sel.right;
    firstRow = m_sel.top;
    lastRow = m_sel.bottom;
}

void CCPGridCore::SetSelectCell(int col, int row) { MoveFocusTo(col, row, false); }

void CCPGridCore::MoveFocusTo(int col, int row, bool extend) {
    SetFocusCell(col, row);
    CPoint cell(m_focusCol - 1, m_focusRow - 1);
    if (!extend) {
        SetSelectRange(cell.x, cell.x, cell.y, cell.y);
        return;
    }
    CPoint anchor = m_anchor;
    m_sel = CRect(std::min<int>(anchor.x, cell.x), std::min<int>(anchor.y, cell.y), std::max<int>(anchor.x, cell.x),
                  std::max<int>(anchor.y, cell.y));
    ClampSelection();
}

void CCPGridCore::SelectRows(int first, int last, bool extend) {
    if (extend)
        first = m_anchor.y;
    int lastCol = std::max(0, GetGridColCount() - 1);
    SetFocusCell(1, last + 1);
    m_sel = CRect(0, std::min(first, last), lastCol, std::max(first, last));
    m_anchor = CPoint(0, first);
    ClampSelection();
}

void CCPGridCore::SelectAll() {
    SetSelectRange(0, GetGridColCount() - 1, 0, m_rows - 1);
    m_anchor = CPoint(0, 0);
}

bool CCPGridCore::IsCellSelected(int col, int row) const {
    return col >= m_sel.left && col <= m_sel.right && row >= m_sel.top && row <= m_sel.bottom;
}

bool CCPGridCore::IsWholeRowSelection() const { return m_sel.left == 0 && m_sel.right == GetGridColCount() - 1; }

void CCPGridCore::SetSortCol(int col, CPSortOrder order) {
    m_sortCol = col;
    m_sortOrder = order;
}

// ---- Geometry ---------------------------------------------------------------------

void CCPGridCore::SetViewSize(int width, int height) {
    m_viewWidth = std::max(0, width);
    m_viewHeight = std::max(0, height);
    SetTopRow(m_topRow);
    SetScrollX(m_scrollX);
}

CSize CCPGridCore::GetScrollSize() const {
    return CSize(GetColLeft(GetGridColCount() + 1) + m_scrollX, (m_rows + 1) * m_rowHeight);
}

int CCPGridCore::GetVisibleRowCount() const { return std::max(1, m_viewHeight / m_rowHeight - 1); }

int CCPGridCore::GetMaxTopRow() const { return std::max(0, m_rows - GetVisibleRowCount()); }

int CCPGridCore::GetMaxScrollX() const {
    int dataWidth = GetScrollSize().cx - m_fixedWidth;
    return std::max(0, dataWidth - (m_viewWidth - m_fixedWidth));
}

void CCPGridCore::SetTopRow(int row) { m_topRow = Clamp(row, 0, GetMaxTopRow()); }

void CCPGridCore::SetScrollX(int x) { m_scrollX = Clamp(x, 0, GetMaxScrollX()); }

void CCPGridCore::EnsureVisible(int col, int row) {
    if (row >= 1) {
        if (row - 1 < m_topRow)
            SetTopRow(row - 1);
        else if (row - 1 >= m_topRow + GetVisibleRowCount())
            SetTopRow(row - GetVisibleRowCount());
    }
    if (col >= 1 && col <= GetGridColCount() && m_viewWidth > m_fixedWidth) {
        CRect cell = GetCellRect(col, 1);
        if (cell.left < m_fixedWidth)
            SetScrollX(m_scrollX - (m_fixedWidth - cell.left));
        else if (cell.right > m_viewWidth)
            SetScrollX(m_scrollX + std::min<int>(cell.right - m_viewWidth, cell.left - m_fixedWidth));
    }
}

int CCPGridCore::GetColLeft(int col) const {
    if (col <= 0)
        return 0;
    int x = m_fixedWidth - m_scrollX;
    for (int c = 0; c < col - 1 && c < GetGridColCount(); ++c)
        x += m_cols[c].width;
    return x;
}

int CCPGridCore::XToCol(int x) const {
    if (x < 0)
        return -1;
    if (x < m_fixedWidth)
        return 0;
    for (int col = 1; col <= GetGridColCount(); ++col) {
        if (x < GetColLeft(col + 1))
            return col;
    }
    return -1;
}

int CCPGridCore::YToRow(int y) const {
    if (y < 0)
        return -1;
    if (y < m_rowHeight)
        return 0;
    int row = m_topRow + y / m_rowHeight;
    return row <= m_rows ? row : -1;
}

CRect CCPGridCore::GetCellRect(int col, int row) const {
    int left = GetColLeft(col);
    int right = col == 0 ? m_fixedWidth : left + (col <= GetGridColCount() ? m_cols[col - 1].width : 0);
    int top = row == 0 ? 0 : (row - m_topRow) * m_rowHeight;
    return CRect(left, top, right, top + m_rowHeight);
}
