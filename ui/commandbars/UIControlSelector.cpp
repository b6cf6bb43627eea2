#include "ui/commandbars/UIControlSelector.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UICommandBarsMessages.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CArchive.h"
#include "platform/CDC.h"

#include <algorithm>

IMPLEMENT_SERIAL(CUIControlSelector, CUIControl, uiArchiveSchema)

namespace {

// Palette and paint-manager colours of the cells.
const int kSelectedFill = 13;
const int kSelectedText = 14;
const int kCellFill = 5;
const int kCellText = 46;
const int kCellFrame = 43;

// How many of the count edges, start + i * step, lie before the coordinate.
int EdgesBefore(int coordinate, int start, int step, int count) {
    int edges = 0;
    while (edges < count && start + edges * step < coordinate)
        ++edges;
    return edges;
}

void SerializeSize(CArchive& ar, CSize& size) {
    if (ar.IsStoring()) {
        ar << static_cast<int>(size.cx) << static_cast<int>(size.cy);
        return;
    }
    int cx = 0, cy = 0;
    ar >> cx >> cy;
    size = CSize(cx, cy);
}

}  // namespace

void CUIControlSelector::OnCalcDynamicSize(DWORD) {
    if (!m_resizing) {
        m_selected = CSize(0, 0);
        m_visible = m_defaultSize;
    }
    SetSelection(m_selected.cx, m_selected.cy, TRUE);
}

CSize CUIControlSelector::GetSize(CDC*) { return CSize(m_visible.cx * m_cellSize.cx, m_visible.cy * m_cellSize.cy); }

CRect CUIControlSelector::CellRect(int column, int row) const {
    CRect cell(m_rect.left + column * m_cellSize.cx, m_rect.top + row * m_cellSize.cy,
               m_rect.left + (column + 1) * m_cellSize.cx, m_rect.top + (row + 1) * m_cellSize.cy);
    cell.DeflateRect(1, 1);
    return cell;
}

void CUIControlSelector::Draw(CDC* dc) {
    CUICommandBarsTheme* paintManager = GetPaintManager();
    if (paintManager == nullptr)
        return;
    const CUISystemPalette& palette = GetUISystemPalette();
    const COLORREF frame = paintManager->GetColor(kCellFrame);
    for (int column = 0; column < m_visible.cx; ++column) {
        for (int row = 0; row < m_visible.cy; ++row) {
            const CRect cell = CellRect(column, row);
            const BOOL selected = column < m_selected.cx && row < m_selected.cy;
            dc->FillSolidRect(&cell, palette.GetColor(selected ? kSelectedFill : kCellFill));
            const COLORREF text = selected ? palette.GetColor(kSelectedText) : paintManager->GetColor(kCellText);
            dc->Draw3dRect(&cell, frame, frame);
            DrawItem(dc, cell, text);
        }
    }
}

void CUIControlSelector::SetSelection(int columns, int rows, BOOL force) {
    if (!force && columns == m_selected.cx && rows == m_selected.cy)
        return;
    m_selected = CSize(columns, rows);
    RedrawParent();
    CWnd* site = m_parent ? m_parent->GetSite() : nullptr;
    if (site && site->GetSafeHwnd()) {
        UIExecuteRecord record = {0, static_cast<INT_PTR>(m_id), SelectionChangeCode, this};
        site->SendMessage(CommandBarsExecuteNotify, m_id, reinterpret_cast<LPARAM>(&record));
    }
}

void CUIControlSelector::OnMouseMove(CPoint point) {
    SetSelection(EdgesBefore(point.x, m_rect.left, m_cellSize.cx, m_visible.cx),
                 EdgesBefore(point.y, m_rect.top, m_cellSize.cy, m_visible.cy), FALSE);
}

BOOL CUIControlSelector::GrowTowards(CPoint cursor) {
    CSize grown = m_visible;
    if (::GetKeyState(VK_LBUTTON) < 0) {
        if (cursor.x >= m_rect.right)
            grown.cx = std::min<int>(m_maximumSize.cx, (cursor.x - m_rect.left) / m_cellSize.cx + 1);
        if (cursor.y >= m_rect.bottom)
            grown.cy = std::min<int>(m_maximumSize.cy, (cursor.y - m_rect.top) / m_cellSize.cy + 1);
    }
    if (grown == m_visible)
        return FALSE;
    m_visible = grown;
    SetSelection(m_selected.cx, m_selected.cy, TRUE);
    m_resizing = TRUE;
    if (m_parent)
        m_parent->DelayLayout();
    m_resizing = FALSE;
    OnMouseMove(cursor);
    return TRUE;
}

// Leaving the grid with the button held past its edge grows it; otherwise the
// selection goes.
BOOL CUIControlSelector::OnSetSelected(int state) {
    if (state == 0 && m_parent && m_parent->GetSafeHwnd()) {
        CPoint cursor;
        ::GetCursorPos(&cursor);
        m_parent->ScreenToClient(&cursor);
        if (!GrowTowards(cursor))
            SetSelection(0, 0, FALSE);
    }
    return CUIControl::OnSetSelected(state);
}

void CUIControlSelector::OnLButtonUp(CPoint) {
    if (m_selected.cx == 0 && m_selected.cy == 0)
        return;
    m_chosen = m_selected;
    OnExecute();
}

void CUIControlSelector::Copy(CUIControl* source, BOOL recursive) {
    CUIControl::Copy(source, recursive);
    if (CUIControlSelector* selector = dynamic_cast<CUIControlSelector*>(source)) {
        m_defaultSize = selector->m_defaultSize;
        m_maximumSize = selector->m_maximumSize;
        m_cellSize = selector->m_cellSize;
    }
}

CUIControl* CUIControlSelector::Clone(BOOL recursive) {
    CUIControlSelector* control = new CUIControlSelector;
    control->Copy(this, recursive);
    return control;
}

void CUIControlSelector::Serialize(CArchive& ar) {
    CUIControl::Serialize(ar);
    SerializeSize(ar, m_defaultSize);
    SerializeSize(ar, m_maximumSize);
    SerializeSize(ar, m_cellSize);
}
