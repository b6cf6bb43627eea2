#include "shell/tables/CTableGridView.h"

#include "platform/CCmdUI.h"
#include "platform/CMDIChildWnd.h"
#include "platform/MessageBox.h"
#include "res/resource.h"
#include "shell/tables/TableViewShell.h"

IMPLEMENT_DYNAMIC(CTableGridView, CCPGridView)

BEGIN_MESSAGE_MAP(CTableGridView, CCPGridView)
    ON_WM_RBUTTONDOWN()
    ON_COMMAND(ID_GRID_INSERT_ROW_ABOVE, OnInsertRowAbove)
    ON_COMMAND(ID_GRID_INSERT_ROW_BELOW, OnInsertRowBelow)
    ON_COMMAND(ID_GRID_DELETE_ROW, OnDeleteRow)
    ON_UPDATE_COMMAND_UI(ID_GRID_INSERT_ROW_ABOVE, OnUpdateInsertRow)
    ON_UPDATE_COMMAND_UI(ID_GRID_INSERT_ROW_BELOW, OnUpdateInsertRow)
    ON_UPDATE_COMMAND_UI(ID_GRID_DELETE_ROW, OnUpdateDeleteRow)
END_MESSAGE_MAP()

LPCSTR CTableGridView::PasteRefusalText(int result) {
    static const char* const texts[] = {
        "",
        "复制区域与粘贴区域的形状不同，禁止粘贴！",
        "读取剪贴板内信息失败，禁止粘贴！",
        "剪贴板内信息的格式不符合要求，禁止粘贴！",
        "复制区域与粘贴区域的起始列不同，禁止粘贴！",
        "复制与粘贴的表格类型不同，禁止粘贴！",
    };
    return result > 0 && result <= PasteTableKind ? texts[result] : "";
}

void CTableGridView::MarkModified() {
    if (TableViewShell* shell = GetTableViewShell())
        shell->SetProjectModified(TRUE);
}

UINT CTableGridView::GetContextMenuId() const { return IDR_MENU_GRID_EDIT; }

void CTableGridView::OnDraw(CDC* dc) {
    OnGridDraw(dc);
    if (ShowsFocusInStatusBar() && IsInActiveMDIChild(this))
        ShowGridFocusInStatusBar(*this);
}

void CTableGridView::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (key == VK_RETURN)
        MoveToNextCell();
    else if (key == VK_DELETE)
        OnEditGridClear();
    else
        CCPGridView::OnKeyDown(key, repeat, flags);
}

// Enter runs along the row, then to the next row's first edited column; past the last
// cell of the table it first adds a row, unless the table is full.
void CTableGridView::MoveToNextCell() {
    int col = GetFocusCol();
    int row = GetFocusRow();
    if (col < GetGridColCount()) {
        MoveFocusTo(col + 1, row, false);
    } else {
        if (row == GetGridRowCount()) {
            if (row >= GetMaxRows() || IsInsertLocked() || !InsertTableRows(row, 1))
                return;
        }
        MoveFocusTo(GetFirstEditCol() + 1, row + 1, false);
    }
    RedrawGrid();
}

void CTableGridView::OnInsertRowAbove() {
    SaveModifyed(0);
    if (!IsInsertLocked() && GetGridRowCount() < GetMaxRows())
        InsertTableRows(GetFocusRow() - 1, 1);
    RedrawGrid();
}

void CTableGridView::OnInsertRowBelow() {
    SaveModifyed(0);
    if (!IsInsertLocked() && GetGridRowCount() < GetMaxRows())
        InsertTableRows(GetFocusRow(), 1);
    RedrawGrid();
}

void CTableGridView::OnDeleteRow() {
    SaveModifyed(0);
    if (!IsEditLocked() && DeleteTableRows(GetFocusRow() - 1, 1))
        MarkModified();
    RedrawGrid();
}

void CTableGridView::OnUpdateInsertRow(CCmdUI* cmdUI) {
    cmdUI->Enable(IsSingleColumnSelection() && GetGridRowCount() < GetMaxRows());
}

void CTableGridView::OnUpdateDeleteRow(CCmdUI* cmdUI) {
    cmdUI->Enable(GetGridRowCount() > 1 && IsSingleColumnSelection());
}

void CTableGridView::OnRButtonDown(UINT flags, CPoint point) {
    int col = XToCol(point.x);
    int row = YToRow(point.y);
    if (col < 1 || row < 1)
        return;
    SaveModifyed(0);
    SetFocus();
    MoveFocusTo(col, row, false);
    RedrawGrid();
    if (TableViewShell* shell = GetTableViewShell()) {
        CPoint screen = point;
        ClientToScreen(&screen);
        shell->TrackContextMenu(GetContextMenuId(), screen, this);
    }
}

void CTableGridView::OnEditGridPaste() {
    if (IsEditLocked())
        return;
    int result = PasteTextToSelectedCells();
    if (result == PasteDone)
        MarkModified();
    else
        AfxShowMessageBox(GetSafeHwnd(), PasteRefusalText(result), "提示", MB_OK | MB_ICONINFORMATION);
    SetFocus();
    RedrawGrid();
}

CPSortOrder CTableGridView::BeginHeaderSort() {
    SaveModifyed(0);
    return GetSortOrder() == CPSortAscending ? CPSortDescending : CPSortAscending;
}
