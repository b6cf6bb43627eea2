#include "comm/CStatusTblView.h"

#include "platform/CCmdUI.h"
#include "platform/CComboBox.h"
#include "project/CPlcWorkspace.h"
#include "res/resource.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CStatusTblView, CTableGridView)

BEGIN_MESSAGE_MAP(CStatusTblView, CTableGridView)
    ON_COMMAND(ID_FORCE, OnForce)
    ON_COMMAND(ID_UNFORCE, OnUnforce)
    ON_COMMAND(ID_FORCE_ALL, OnForceAll)
    ON_COMMAND(ID_READ_FORCES, OnReadAllForces)
    ON_COMMAND(ID_UNFORCE_ALL, OnCancelAllForces)
    ON_UPDATE_COMMAND_UI(ID_FORCE, OnUpdateForce)
    ON_UPDATE_COMMAND_UI(ID_UNFORCE, OnUpdateUnforce)
END_MESSAGE_MAP()

namespace {

const UINT CellFormat = 0x8804;
const UINT HeaderFormat = 0x8024;
const DWORD EditStyle = WS_CHILD | ES_AUTOHSCROLL;
const DWORD ListStyle = WS_CHILD | CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT;
const DWORD ValueStyle = WS_CHILD | 0x8003;
const int StatusTableKind = 6;
const int MinimumRows = 6;

}  // namespace

CStatusTblView::CStatusTblView()
    : CStatusTblView(theWorkspace->project, theWorkspace->forcingService, theWorkspace->ForceAccess()) {}

CStatusTblView::CStatusTblView(CQLXProject& project, CForcingService& forcing, ForceProject& forceProject)
    : m_project(project), m_table(project, *this), m_commands(forcing, forceProject) {
    DefineColumns();
}

void CStatusTblView::DefineColumns() {
    struct Column {
        int width;
        const char* header;
        int values[3];
        int kind;
        DWORD style;
    };
    static const Column columns[] = {
        {80, "地 址", {0, 0, 0}, CPCtrlEdit, EditStyle},
        {100, "全局变量名", {0, 0, 0}, CPCtrlNone, EditStyle},
        {110, "显示格式", {0, 0, 2}, CPCtrlList, ListStyle},
        {150, "当前值", {4, 0x4100, 3}, CPCtrlDisplay, ValueStyle},
        {150, "强制值", {0, 0, 0}, CPCtrlEdit, EditStyle},
    };
    for (const Column& c : columns) {
        const int col = AddCol(c.width, c.header, CellFormat, HeaderFormat, c.values[0], c.values[1], c.values[2]);
        DefineColCtrl(col, c.kind, c.style, static_cast<UINT>(col));
    }
    SetFixedColCount(1);
    SetFixedColWidth(50);
    SetGridStyle(StatusTableKind);
}

int CStatusTblView::GetInitialRowCount() const {
    return std::max(MinimumRows, static_cast<int>(m_project.statusRows.GetSize()));
}

void CStatusTblView::SetGridRowCount(int rows) {
    CTableGridView::SetGridRowCount(rows);
    m_table.FillRows(rows);
}

UINT CStatusTblView::GetContextMenuId() const { return IDR_MENU_STATUS_TABLE; }

CWnd* CStatusTblView::CreateCellCtrl(int col, int row, DWORD style, UINT id) {
    CWnd* ctrl = CTableGridView::CreateCellCtrl(col, row, style, id);
    if (ctrl != nullptr && col == CStatusTable::ColFormat)
        FillFormatList(row);
    return ctrl;
}

void CStatusTblView::OnSetActiveCell(int col, int row) {
    if (col == CStatusTable::ColFormat && GetCellCtrl(col) != nullptr)
        FillFormatList(row);
}

void CStatusTblView::FillFormatList(int row) {
    auto* list = static_cast<CComboBox*>(GetCellCtrl(CStatusTable::ColFormat));
    CStringArray choices;
    CStatusTable::GetFormatChoices(m_table.RowAt(row), choices);
    list->ResetContent();
    for (INT_PTR i = 0; i < choices.GetSize(); ++i)
        list->AddString(choices[i]);
}

// The live-value column only shows its control, without the keyboard focus.
BOOL CStatusTblView::ActivateCtrl(int col, int row, int) {
    return CTableGridView::ActivateCtrl(col, row, col == CStatusTable::ColValue ? 0 : 1);
}

void CStatusTblView::OnSaveCellData(int col, int row) {
    if (m_table.Commit(col, row, GetCellCtrlText()))
        MarkModified();
}

void CStatusTblView::OnFixedRowDown(int col) {
    if (col == CStatusTable::ColAddress) {
        const CPSortOrder order = BeginHeaderSort();
        m_table.Sort(order);
        SetSortCol(col, order);
    }
    CTableGridView::OnFixedRowDown(col);
    RedrawGrid();
}

void CStatusTblView::OnEditGridClear() {
    SaveModifyed(0);
    if (m_table.ClearSelection())
        MarkModified();
    RedrawGrid();
}

// Cut copies and empties the selected cells; only a selection of whole rows also
// deletes the rows, so cutting forced values never deletes their addresses.
void CStatusTblView::OnEditGridCut() {
    SaveModifyed(0);
    const bool wholeRows = IsWholeRowSelection();
    int firstCol, lastCol, firstRow, lastRow;
    GetSelectRange(firstCol, lastCol, firstRow, lastRow);
    if (!CutSelectedCellText())
        return;
    if (wholeRows)
        m_table.DeleteRows(firstRow, lastRow - firstRow + 1);
    MarkModified();
    RedrawGrid();
}

void CStatusTblView::OnForce() {
    SaveModifyed(0);
    if (CStatusInput* row = FocusRow())
        m_commands.ForceRow(*row);
    RedrawGrid();
}

void CStatusTblView::OnUnforce() {
    SaveModifyed(0);
    if (CStatusInput* row = FocusRow())
        m_commands.UnforceRow(*row);
    RedrawGrid();
}

void CStatusTblView::OnForceAll() {
    SaveModifyed(0);
    m_commands.ForceAll(m_table.Rows());
    RedrawGrid();
}

void CStatusTblView::OnReadAllForces() {
    SaveModifyed(0);
    std::vector<std::unique_ptr<CStatusInput>> appended;
    if (m_commands.ReadAllForces(appended) && !appended.empty()) {
        m_table.AppendRows(appended);
        MarkModified();
    }
    RedrawGrid();
}

void CStatusTblView::OnCancelAllForces() {
    m_commands.CancelAllForces();
    RedrawGrid();
}

void CStatusTblView::OnUpdateForce(CCmdUI* cmdUI) { cmdUI->Enable(CStatusForceCommands::CanForce(FocusRow())); }

void CStatusTblView::OnUpdateUnforce(CCmdUI* cmdUI) { cmdUI->Enable(CStatusForceCommands::CanUnforce(FocusRow())); }
