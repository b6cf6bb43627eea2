#pragma once
#include "platform/CCPGridHost.h"

class CDC;
class CFont;

// Draws a grid's visible part: header row, row numbers, the cells from the host's
// GetCellText with their marks, the selection, the focus frame and the sort mark.
// Colours and pens live here, so the grid's look is one place.
class CCPGridPainter {
public:
    // The colours a test may probe.
    static const COLORREF HeaderFace;
    static const COLORREF GridLine;
    static const COLORREF SelectedFace;
    static const COLORREF ErrorText;
    static const COLORREF CommentText;
    static const COLORREF ForcedFace;
    static const COLORREF FocusFrame;
    static const COLORREF SortMark;

    CCPGridPainter(CCPGridHost& grid, CDC& dc, CFont* font) : m_grid(grid), m_dc(dc), m_font(font) {}
    void Paint(const CRect& client);

private:
    void PaintHeaderRow(const CRect& client);
    void PaintNumberColumn(int firstRow, int lastRow, const CRect& client);
    void PaintCells(int firstRow, int lastRow, const CRect& client);
    void PaintCell(int col, int row);
    void PaintFocus();
    void PaintSortMark(const CRect& cell, CPSortOrder order);
    void PaintFixedCell(const CRect& cell, const CString& text, UINT format, bool highlighted);
    // The client y below the last painted row.
    int TableBottom(int lastRow) const { return (lastRow - m_grid.GetTopRow() + 1) * m_grid.GetRowHeight(); }

    CCPGridHost& m_grid;
    CDC& m_dc;
    CFont* m_font;
};
