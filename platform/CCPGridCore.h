#pragma once
#include "platform/CRect.h"
#include "platform/CString.h"

#include <vector>

// Sort order of a grid's sort column; a header click sorts by the logical not of the
// current order, so the first click sorts ascending.
enum CPSortOrder { CPSortDescending = 0, CPSortAscending = 1 };

// Kinds of cell control a column may have.
enum CPCellCtrlKind { CPCtrlNone = 0, CPCtrlEdit = 1, CPCtrlDisplay = 2, CPCtrlList = 3 };

// How GetCellText marks a cell.
enum CPCellMark { CPMarkPlain = 0, CPMarkForced = 1, CPMarkComment = 254, CPMarkError = 255 };

// One data column: its width, header, DrawText formats of cells and header, three
// values kept for the view, and its cell control (kind, window style, control id).
struct CPGridColumn {
    int width = 0;
    CString header;
    UINT format = 0;
    UINT headerFormat = 0;
    int values[3] = {0, 0, 0};
    int ctrlKind = CPCtrlNone;
    DWORD ctrlStyle = 0;
    UINT ctrlId = 0;
};

// The grid without its window: columns, row count, focus, selection, sort column and
// scroll position, and the geometry that maps them to pixels. It keeps no cell data.
//
// Two ways of counting cells: the focus cell, hit tests and the other single-cell
// calls count the header row as row 0 and the row-number column as column 0, so the
// first data cell is (1, 1); ranges, row operations and the host callbacks count data
// cells from 0.
//
// A table's rules drive a grid through this class, so a grid without a window serves
// them in tests; the window (CCPGridView) overrides the row operations to keep its open
// editor in place and redraw.
class CCPGridCore {
public:
    CCPGridCore() = default;
    virtual ~CCPGridCore() = default;

    // Columns. AddCol returns the new column's index (data columns from 0).
    int AddCol(int width, LPCSTR header, UINT format, UINT headerFormat, int value1 = 0, int value2 = 0,
               int value3 = 0);
    // Gives column col its control; returns col, or -1 for no such column.
    int DefineColCtrl(int col, int kind, DWORD style, UINT id);
    int GetGridColCount() const { return static_cast<int>(m_cols.size()); }  // data columns
    const CPGridColumn& GetCol(int col) const { return m_cols[col]; }
    bool IsEditableCol(int col) const;  // an edit or list control

    // The row-number column (always one) and the row height.
    void SetFixedColCount(int count) { m_fixedCols = count < 1 ? 1 : count; }
    int GetFixedColCount() const { return m_fixedCols; }
    void SetFixedColWidth(int width) { m_fixedWidth = width; }
    int GetFixedColWidth() const { return m_fixedWidth; }
    void SetRowHeight(int height) { m_rowHeight = height; }
    int GetRowHeight() const { return m_rowHeight; }

    // The table kind, which copies and pastes must share: 1 initial data, 2 global
    // variables, 3 FB instances, 4 subroutine, 5 other POU variables, 6 status, 7 hardware.
    void SetGridStyle(int style) { m_style = style; }
    int GetGridStyle() const { return m_style; }

    // Rows. Focus and selection stay inside the table as rows come and go.
    virtual void SetGridRowCount(int rows);
    int GetGridRowCount() const { return m_rows; }
    virtual void InsertRows(int first, int count);
    virtual void RemoveRows(int first, int count);
    // Asks the window (if any) to draw the grid again.
    virtual void RedrawGrid() {}

    // Focus cell (header-counted). SetFocusCell keeps it inside the data cells and in view.
    void SetFocusCell(int col, int row);
    int GetFocusCol() const { return m_focusCol; }
    int GetFocusRow() const { return m_focusRow; }

    // Selection, as a range of data cells; the anchor (for Shift) is its first corner.
    void SetSelectRange(int firstCol, int lastCol, int firstRow, int lastRow);
    void GetSelectRange(int& firstCol, int& lastCol, int& firstRow, int& lastRow) const;
    // Focus and select one cell (header-counted).
    void SetSelectCell(int col, int row);
    // Moves the focus to (col, row) header-counted; extend stretches the selection from
    // its anchor instead of selecting the one cell.
    void MoveFocusTo(int col, int row, bool extend);
    // Whole rows first..last (data rows), focus on the first data cell of first.
    void SelectRows(int first, int last, bool extend);
    void SelectAll();
    bool IsCellSelected(int col, int row) const;  // data cell
    bool IsWholeRowSelection() const;
    bool IsSingleColumnSelection() const { return m_sel.left == m_sel.right; }

    // The column whose header shows the sort mark (-1 none) and its order.
    void SetSortCol(int col, CPSortOrder order);
    int GetSortCol() const { return m_sortCol; }
    CPSortOrder GetSortOrder() const { return m_sortOrder; }

    // Geometry, in client pixels of a window of the given size.
    void SetViewSize(int width, int height);
    CSize GetViewSize() const { return CSize(m_viewWidth, m_viewHeight); }
    // The whole grid's size, header and number column included.
    CSize GetScrollSize() const;
    int GetTopRow() const { return m_topRow; }  // first data row shown
    void SetTopRow(int row);
    int GetScrollX() const { return m_scrollX; }  // pixels of the data columns scrolled off
    void SetScrollX(int x);
    int GetMaxTopRow() const;
    int GetMaxScrollX() const;
    int GetVisibleRowCount() const;  // data rows that fit whole (at least 1)
    // Scrolls so that the header-counted cell is in view.
    void EnsureVisible(int col, int row);
    // The header-counted column or row under a point; -1 beyond the last one.
    int XToCol(int x) const;
    int YToRow(int y) const;
    // The rectangle of a header-counted cell (it may lie outside the window).
    CRect GetCellRect(int col, int row) const;
    int GetColLeft(int col) const;  // header-counted

private:
    void KeepFocusInside();
    void ClampSelection();
    int LastDataRow() const { return m_rows; }  // header-counted

    std::vector<CPGridColumn> m_cols;
    int m_fixedCols = 1;
    int m_fixedWidth = 50;
    int m_rowHeight = 20;
    int m_style = 0;
    int m_rows = 0;
    int m_focusCol = 1;
    int m_focusRow = 1;
    CRect m_sel{0, 0, 0, 0};  // left/right columns, top/bottom rows, data-counted
    CPoint m_anchor{0, 0};
    int m_sortCol = -1;
    CPSortOrder m_sortOrder = CPSortDescending;
    int m_viewWidth = 0;
    int m_viewHeight = 0;
    int m_topRow = 0;
    int m_scrollX = 0;
};
