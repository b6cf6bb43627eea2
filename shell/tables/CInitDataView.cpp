#include "shell/tables/CInitDataView.h"

#include "project/CPlcWorkspace.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CInitDataView, CTableGridView)

BEGIN_MESSAGE_MAP(CInitDataView, CTableGridView)
    ON_WM_CREATE()
END_MESSAGE_MAP()

namespace {

const int InitDataTableKind = 1;

}  // namespace

CInitDataView::CInitDataView() : CInitDataView(theWorkspace->project) {}

CInitDataView::CInitDataView(CQLXProject& project) : m_project(project), m_table(project, *this) {
    const DWORD edit = WS_CHILD | ES_AUTOHSCROLL;
    DefineColCtrl(AddCol(100, "起始地址", 0x8804, 0x8024), CPCtrlEdit, edit, 0);
    for (int value = 1; value <= CInitDataTable::ValueCount; ++value)
        DefineColCtrl(AddCol(120, "初始值", 0x8804, 0x8024), CPCtrlEdit, edit, static_cast<UINT>(value));
    SetFixedColCount(1);
    SetFixedColWidth(50);
    SetGridStyle(InitDataTableKind);
}

int CInitDataView::GetInitialRowCount() const {
    return std::max(6, static_cast<int>(m_project.initDataRows.GetSize()));
}

int CInitDataView::OnCreate(LPCREATESTRUCT cs) {
    if (CTableGridView::OnCreate(cs) == -1)
        return -1;
    SetRowCount(GetInitialRowCount());
    return 0;
}

BOOL CInitDataView::IsEditLocked() const { return theWorkspace != nullptr && theWorkspace->onlineMonitoring != 0; }

void CInitDataView::OnSaveCellData(int col, int row) {
    if (IsEditLocked())
        return;
    if (m_table.Commit(col, row, GetCellCtrlText()))
        MarkModified();
}

void CInitDataView::OnFixedRowDown(int col) {
    if (col == 0) {
        const CPSortOrder order = BeginHeaderSort();
        m_table.Sort(order);
        SetSortCol(col, order);
    }
    CTableGridView::OnFixedRowDown(col);
    RedrawGrid();
}

void CInitDataView::OnEditGridClear() {
    SaveModifyed(0);
    if (!IsEditLocked() && m_table.ClearSelection())
        MarkModified();
    RedrawGrid();
}

// The grid copies and empties the cells through commits; whole rows then go.
void CInitDataView::OnEditGridCut() {
    if (IsEditLocked())
        return;
    bool wholeRows = IsWholeRowSelection();
    int firstCol, lastCol, firstRow, lastRow;
    GetSelectRange(firstCol, lastCol, firstRow, lastRow);
    CutSelectedCellText();
    if (wholeRows)
        m_table.DeleteRows(firstRow, lastRow - firstRow + 1);
    MarkModified();
    RedrawGrid();
}
