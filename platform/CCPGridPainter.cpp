#include "platform/CCPGridPainter.h"

#include "platform/CDC.h"
#include "platform/CGdiObject.h"

#include <algorithm>

const COLORREF CCPGridPainter::HeaderFace = RGB(232, 236, 242);
const COLORREF CCPGridPainter::GridLine = RGB(200, 204, 212);
const COLORREF CCPGridPainter::SelectedFace = RGB(204, 224, 255);
const COLORREF CCPGridPainter::ErrorText = RGB(220, 0, 0);
const COLORREF CCPGridPainter::CommentText = RGB(0, 120, 60);
const COLORREF CCPGridPainter::ForcedFace = RGB(255, 240, 150);
const COLORREF CCPGridPainter::FocusFrame = RGB(30, 60, 160);
const COLORREF CCPGridPainter::SortMark = RGB(90, 90, 100);

namespace {

const COLORREF White = RGB(255, 255, 255);
const COLORREF PlainText = RGB(0, 0, 0);
const COLORREF HeaderHighlight = RGB(200, 212, 232);
const int TextInset = 3;

// Cell texts sit on one line whatever format the column asks for.
UINT CellFormat(UINT format) { return (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX; }

}  // namespace

void CCPGridPainter::Paint(const CRect& client) {
    CFont* oldFont = m_font != nullptr && m_font->GetSafeHandle() ? m_dc.SelectObject(m_font) : nullptr;
    m_dc.SetBkMode(TRANSPARENT);
    int firstRow = m_grid.GetTopRow() + 1;
    int lastRow = std::min(m_grid.GetGridRowCount(), firstRow + client.Height() / m_grid.GetRowHeight());
    PaintCells(firstRow, lastRow, client);
    PaintFocus();
    PaintHeaderRow(client);
    PaintNumberColumn(firstRow, lastRow, client);
    if (oldFont != nullptr)
        m_dc.SelectObject(oldFont);
}

void CCPGridPainter::PaintCells(int firstRow, int lastRow, const CRect& client) {
    int fixed = m_grid.GetFixedColWidth();
    int saved = m_dc.SaveDC();
    m_dc.IntersectClipRect(fixed, m_grid.GetRowHeight(), client.right, client.bottom);
    int tableBottom = TableBottom(lastRow);
    int tableRight = m_grid.GetColLeft(m_grid.GetGridColCount() + 1);
    m_dc.FillSolidRect(CRect(tableRight, 0, client.right, client.bottom), White);
    m_dc.FillSolidRect(CRect(0, tableBottom, client.right, client.bottom), White);
    for (int col = 1; col <= m_grid.GetGridColCount(); ++col) {
        CRect header = m_grid.GetCellRect(col, 0);
        if (header.right <= fixed || header.left >= client.right)
            continue;  // only the visible columns ask for their texts
        for (int row = firstRow; row <= lastRow; ++row)
            PaintCell(col, row);
    }
    m_dc.RestoreDC(saved);
}

void CCPGridPainter::PaintCell(int col, int row) {
    CRect cell = m_grid.GetCellRect(col, row);
    CString text;
    int mark = CPMarkPlain;
    m_grid.GetCellText(col - 1, row - 1, text, mark);
    bool selected = m_grid.IsCellSelected(col - 1, row - 1);
    COLORREF face = selected ? SelectedFace : (mark == CPMarkForced ? ForcedFace : White);
    m_dc.FillSolidRect(cell, face);
    CRect lines = cell;
    m_dc.FillSolidRect(CRect(lines.right - 1, lines.top, lines.right, lines.bottom), GridLine);
    m_dc.FillSolidRect(CRect(lines.left, lines.bottom - 1, lines.right, lines.bottom), GridLine);
    COLORREF color = mark == CPMarkError ? ErrorText : mark == CPMarkComment ? CommentText : PlainText;
    if (mark == CPMarkError) {
        // A small corner flag marks a faulty cell even when it is empty.
        POINT flag[3] = {{cell.left, cell.top}, {cell.left + 6, cell.top}, {cell.left, cell.top + 6}};
        CBrush brush(ErrorText);
        CPen pen(PS_SOLID, 1, ErrorText);
        CBrush* oldBrush = m_dc.SelectObject(&brush);
        CPen* oldPen = m_dc.SelectObject(&pen);
        m_dc.Polygon(flag, 3);
        m_dc.SelectObject(oldBrush);
        m_dc.SelectObject(oldPen);
    }
    m_dc.SetTextColor(color);
    CRect textRect(cell.left + TextInset, cell.top, cell.right - TextInset, cell.bottom - 1);
    m_dc.DrawText(text, &textRect, CellFormat(m_grid.GetCol(col - 1).format));
}

void CCPGridPainter::PaintFocus() {
    if (m_grid.GetGridRowCount() == 0 || m_grid.GetGridColCount() == 0)
        return;
    int row = m_grid.GetFocusRow();
    if (row - 1 < m_grid.GetTopRow())
        return;
    CRect cell = m_grid.GetCellRect(m_grid.GetFocusCol(), row);
    CRect frame(cell.left, cell.top, cell.right - 1, cell.bottom - 1);
    m_dc.Draw3dRect(&frame, FocusFrame, FocusFrame);
    frame.DeflateRect(1, 1);
    m_dc.Draw3dRect(&frame, FocusFrame, FocusFrame);
}

void CCPGridPainter::PaintHeaderRow(const CRect& client) {
    int saved = m_dc.SaveDC();
    m_dc.IntersectClipRect(m_grid.GetFixedColWidth(), 0, client.right, m_grid.GetRowHeight());
    m_dc.FillSolidRect(CRect(0, 0, client.right, m_grid.GetRowHeight()), HeaderFace);
    int focusCol = m_grid.GetFocusCol();
    for (int col = 1; col <= m_grid.GetGridColCount(); ++col) {
        CRect cell = m_grid.GetCellRect(col, 0);
        const CPGridColumn& column = m_grid.GetCol(col - 1);
        UINT format = column.headerFormat != 0 ? column.headerFormat : DT_CENTER;
        PaintFixedCell(cell, column.header, format, col == focusCol);
        if (m_grid.GetSortCol() == col - 1)
            PaintSortMark(cell, m_grid.GetSortOrder());
    }
    m_dc.RestoreDC(saved);
    PaintFixedCell(m_grid.GetCellRect(0, 0), CString(), DT_CENTER, false);
}

void CCPGridPainter::PaintNumberColumn(int firstRow, int lastRow, const CRect& client) {
    m_dc.FillSolidRect(CRect(0, TableBottom(lastRow), m_grid.GetFixedColWidth(), client.bottom), White);
    int focusRow = m_grid.GetFocusRow();
    for (int row = firstRow; row <= lastRow; ++row) {
        CString number;
        number.Format("%d", row);
        PaintFixedCell(m_grid.GetCellRect(0, row), number, DT_CENTER, row == focusRow);
    }
}

void CCPGridPainter::PaintFixedCell(const CRect& cell, const CString& text, UINT format, bool highlighted) {
    m_dc.FillSolidRect(cell, highlighted ? HeaderHighlight : HeaderFace);
    m_dc.Draw3dRect(&cell, White, GridLine);
    m_dc.SetTextColor(PlainText);
    CRect textRect = cell;
    textRect.DeflateRect(TextInset, 0);
    m_dc.DrawText(text, &textRect, CellFormat(format));
}

void CCPGridPainter::PaintSortMark(const CRect& cell, CPSortOrder order) {
    int x = cell.right - 12;
    int y = cell.top + cell.Height() / 2;
    POINT up[3] = {{x, y + 3}, {x + 8, y + 3}, {x + 4, y - 3}};
    POINT down[3] = {{x, y - 3}, {x + 8, y - 3}, {x + 4, y + 3}};
    CBrush brush(SortMark);
    CPen pen(PS_SOLID, 1, SortMark);
    CBrush* oldBrush = m_dc.SelectObject(&brush);
    CPen* oldPen = m_dc.SelectObject(&pen);
    m_dc.Polygon(order == CPSortAscending ? up : down, 3);
    m_dc.SelectObject(oldBrush);
    m_dc.SelectObject(oldPen);
}
