// The grid view's cell controls and its clipboard operations.
#include "platform/CCPCellCtrl.h"
#include "platform/CCPGridClipboard.h"
#include "platform/CCPGridView.h"

namespace {

const int ListDropRows = 8;

}  // namespace

// ---- Cell controls -------------------------------------------------------------------

CWnd* CCPGridView::GetCellCtrl(int col) const {
    return col >= 0 && col < static_cast<int>(m_ctrls.size()) ? m_ctrls[col] : nullptr;
}

CWnd* CCPGridView::CreateCellCtrl(int col, int row, DWORD style, UINT id) {
    if (col < 0 || col >= GetGridColCount() || GetCol(col).ctrlKind == CPCtrlNone)
        return nullptr;
    if (static_cast<int>(m_ctrls.size()) < GetGridColCount())
        m_ctrls.resize(GetGridColCount(), nullptr);
    if (m_ctrls[col] != nullptr)
        return m_ctrls[col];
    CRect cell = GetCellRect(col + 1, row + 1);
    style = (style | WS_CHILD) & ~WS_VISIBLE;
    CWnd* ctrl = nullptr;
    if (GetCol(col).ctrlKind == CPCtrlList) {
        auto* list = new CCPCellList(this);
        cell.bottom += ListDropRows * GetRowHeight();
        if (list->Create(style | WS_VSCROLL, cell, this, id))
            ctrl = list;
        else
            delete list;
    } else {
        auto* edit = new CCPCellEdit(this);
        DWORD readOnly = GetCol(col).ctrlKind == CPCtrlDisplay ? ES_READONLY : 0;
        if (edit->Create(style | readOnly, cell, this, id))
            ctrl = edit;
        else
            delete edit;
    }
    if (ctrl != nullptr)
        ctrl->SetFont(&m_font, FALSE);
    m_ctrls[col] = ctrl;
    return ctrl;
}

BOOL CCPGridView::ActivateCtrl(int col, int row, int show) {
    if (col < 0 || col >= GetGridColCount() || row < 0 || row >= GetGridRowCount())
        return FALSE;
    const CPGridColumn& column = GetCol(col);
    CWnd* ctrl = GetCellCtrl(col);
    if (ctrl == nullptr)
        ctrl = CreateCellCtrl(col, row, column.ctrlStyle, column.ctrlId);
    if (ctrl == nullptr)
        return FALSE;
    CString text;
    int mark = CPMarkPlain;
    GetCellText(col, row, text, mark);
    if (column.ctrlKind == CPCtrlList) {
        auto* list = static_cast<CComboBox*>(ctrl);
        list->SetCurSel(list->FindStringExact(-1, text));
    } else {
        ctrl->SetWindowText(text);
        static_cast<CEdit*>(ctrl)->SetSel(0, -1);
    }
    m_editCol = col;
    m_editRow = row;
    PlaceEditor();
    if (show != 0)
        ctrl->SetFocus();
    return TRUE;
}

void CCPGridView::OpenEditor(int col, int row) {
    if (!IsEditableCol(col) || row < 0 || row >= GetGridRowCount())
        return;
    EnsureVisible(col + 1, row + 1);
    OnSetActiveCell(col, row);
    ActivateCtrl(col, row, 1);
    UpdateScrollBars();
    RedrawGrid();
}

// Keeps the open control over its cell; a cell scrolled out of view hides it.
void CCPGridView::PlaceEditor() {
    CWnd* ctrl = IsEditing() ? GetCellCtrl(m_editCol) : nullptr;
    if (ctrl == nullptr)
        return;
    CRect cell = GetCellRect(m_editCol + 1, m_editRow + 1);
    cell.right -= 1;
    cell.bottom -= 1;
    bool inView = m_editRow >= GetTopRow() && cell.top >= GetRowHeight() && cell.left >= GetFixedColWidth();
    if (GetCol(m_editCol).ctrlKind == CPCtrlList)
        cell.bottom += ListDropRows * GetRowHeight();
    CRect placed;
    ctrl->GetWindowRect(&placed);
    ScreenToClient(&placed);
    if (placed != cell)
        ctrl->MoveWindow(&cell);
    bool visible = ctrl->IsWindowVisible() != FALSE;
    if (visible && !inView && ::GetFocus() != ctrl->GetSafeHwnd())
        ctrl->ShowWindow(SW_HIDE);
    else if (!visible && inView)
        ctrl->ShowWindow(SW_SHOW);
}

// Ends the edit state before the control is hidden, so the focus loss that hiding
// causes does not commit a second time.
CWnd* CCPGridView::CloseEditor() {
    CWnd* ctrl = GetCellCtrl(m_editCol);
    m_editCol = m_editRow = -1;
    if (ctrl == nullptr)
        return nullptr;
    if (::GetFocus() == ctrl->GetSafeHwnd())
        SetFocus();
    ctrl->ShowWindow(SW_HIDE);
    return ctrl;
}

BOOL CCPGridView::SaveModifyed(BOOL) {
    if (!IsEditing())
        return FALSE;
    int col = m_editCol;
    int row = m_editRow;
    CWnd* ctrl = CloseEditor();
    if (ctrl != nullptr && GetCol(col).ctrlKind != CPCtrlDisplay) {
        CString text;
        ctrl->GetWindowText(text);
        CommitText(col, row, text);
    }
    RedrawGrid();
    return TRUE;
}

void CCPGridView::CancelEdit() {
    if (!IsEditing())
        return;
    CloseEditor();
    RedrawGrid();
}

void CCPGridView::CommitText(int col, int row, const CString& text) {
    m_commitText = text;
    OnSaveCellData(col, row);
    m_commitText.Empty();
}

void CCPGridView::SetActiveCell(int col, int row) {
    SaveModifyed(0);
    SetSelectCell(col, row);
    OpenEditor(GetFocusCol() - 1, GetFocusRow() - 1);
    AfterFocusMove();
}

void CCPGridView::OnCellCtrlKey(UINT key) {
    if (key == VK_ESCAPE) {
        CancelEdit();
        return;
    }
    SaveModifyed(0);
    SetFocus();
    // Enter and Tab then move the focus as the view's own key handling says.
    SendMessage(WM_KEYDOWN, key, 0);
}

void CCPGridView::OnCellCtrlKillFocus(HWND newFocus) {
    if (!IsEditing())
        return;
    CWnd* ctrl = GetCellCtrl(m_editCol);
    if (ctrl != nullptr && (newFocus == ctrl->GetSafeHwnd() || ::IsChild(ctrl->GetSafeHwnd(), newFocus)))
        return;
    SaveModifyed(0);
}

// A choice in a cell's list commits it; the view still sees the notification.
BOOL CCPGridView::OnCommand(WPARAM wParam, LPARAM lParam) {
    BOOL handled = CView::OnCommand(wParam, lParam);
    if (HIWORD(wParam) == CBN_SELENDOK && IsEditing() && lParam != 0 &&
        reinterpret_cast<HWND>(lParam) == GetCellCtrl(m_editCol)->GetSafeHwnd()) {
        SaveModifyed(0);
        return TRUE;
    }
    return handled;
}

// ---- Clipboard -----------------------------------------------------------------------

BOOL CCPGridView::CopyTextFromGrid(int firstCol, int lastCol, int firstRow, int lastRow) {
    if (firstCol > lastCol || firstRow > lastRow || firstCol < 0 || lastCol >= GetGridColCount() || firstRow < 0 ||
        lastRow >= GetGridRowCount())
        return FALSE;
    CPGridCells cells;
    for (int row = firstRow; row <= lastRow; ++row) {
        cells.emplace_back();
        for (int col = firstCol; col <= lastCol; ++col) {
            CString text;
            int mark = CPMarkPlain;
            GetCellText(col, row, text, mark);
            cells.back().push_back(text);
        }
    }
    CPGridClipShape shape{GetGridStyle(), firstCol, lastCol - firstCol + 1, lastRow - firstRow + 1};
    return PutGridCells(cells, shape);
}

BOOL CCPGridView::CopySelectedCellText() {
    SaveModifyed(0);
    int firstCol, lastCol, firstRow, lastRow;
    GetSelectRange(firstCol, lastCol, firstRow, lastRow);
    return CopyTextFromGrid(firstCol, lastCol, firstRow, lastRow);
}

BOOL CCPGridView::CutSelectedCellText() {
    if (!CopySelectedCellText())
        return FALSE;
    ClearSelectedCells();
    return TRUE;
}

void CCPGridView::ClearSelectedCells() {
    SaveModifyed(0);
    if (GetGridRowCount() == 0)
        return;
    int firstCol, lastCol, firstRow, lastRow;
    GetSelectRange(firstCol, lastCol, firstRow, lastRow);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int col = firstCol; col <= lastCol; ++col) {
            if (IsEditableCol(col))
                CommitText(col, row, CString());
        }
    }
    RedrawGrid();
}

int CCPGridView::PasteTextToSelectedCells() {
    SaveModifyed(0);
    CPGridClipShape shape;
    CPGridCells cells;
    if (int refused = ReadGridCells(shape, cells))
        return refused;
    if (shape.tableKind != GetGridStyle())
        return PasteTableKind;
    int firstCol, lastCol, firstRow, lastRow;
    GetSelectRange(firstCol, lastCol, firstRow, lastRow);
    if (firstCol != shape.startCol)
        return PasteStartCol;
    // One selected cell takes the copied block from there; a larger selection must
    // have the block's shape.
    if (firstCol == lastCol && firstRow == lastRow) {
        lastCol = firstCol + shape.cols - 1;
        lastRow = firstRow + shape.rows - 1;
    }
    if (lastCol - firstCol + 1 != shape.cols || lastRow - firstRow + 1 != shape.rows ||
        lastCol >= GetGridColCount() || lastRow >= GetGridRowCount())
        return PasteShape;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int col = firstCol; col <= lastCol; ++col) {
            if (IsEditableCol(col))
                CommitText(col, row, cells[row - firstRow][col - firstCol]);
        }
    }
    SetSelectRange(firstCol, lastCol, firstRow, lastRow);
    RedrawGrid();
    return PasteDone;
}

void CCPGridView::OnEditGridClear() { ClearSelectedCells(); }
void CCPGridView::OnEditGridCopy() { CopySelectedCellText(); }
void CCPGridView::OnEditGridCut() { CutSelectedCellText(); }
void CCPGridView::OnEditGridPaste() { PasteTextToSelectedCells(); }
