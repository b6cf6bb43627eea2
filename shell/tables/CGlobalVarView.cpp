#include "shell/tables/CGlobalVarView.h"

#include "platform/CComboBox.h"
#include "project/CPlcWorkspace.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CGlobalVarView, CTableGridView)

BEGIN_MESSAGE_MAP(CGlobalVarView, CTableGridView)
    ON_WM_CREATE()
END_MESSAGE_MAP()

namespace {

const UINT CellFormat = 0x8804;
const UINT HeaderFormat = 0x8024;
const DWORD EditStyle = WS_CHILD | ES_AUTOHSCROLL;
const DWORD ListStyle = WS_CHILD | CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT;
const int GlobalTableKind = 2;

}  // namespace

CGlobalVarView::CGlobalVarView() : CGlobalVarView(theWorkspace->project) {}

CGlobalVarView::CGlobalVarView(CQLXProject& project) : m_project(project), m_table(project, *this) {
    DefineColumns();
}

void CGlobalVarView::DefineColumns() {
    struct Column { int width; const char* header; int kind; DWORD style; };
    static const Column columns[] = {
        {90, "全局变量名", CPCtrlEdit, EditStyle},
        {90, "地 址", CPCtrlEdit, EditStyle},
        {90, "数据类型", CPCtrlList, ListStyle},
        {320, "注 释", CPCtrlEdit, EditStyle},
    };
    for (const Column& column : columns) {
        int col = AddCol(column.width, column.header, CellFormat, HeaderFormat);
        DefineColCtrl(col, column.kind, column.style, static_cast<UINT>(col));
    }
    SetFixedColCount(1);
    SetFixedColWidth(50);
    SetGridStyle(GlobalTableKind);
}

int CGlobalVarView::GetInitialRowCount() const {
    return std::max(6, static_cast<int>(m_project.symbolList.GetSize()));
}

int CGlobalVarView::OnCreate(LPCREATESTRUCT cs) {
    if (CTableGridView::OnCreate(cs) == -1)
        return -1;
    SetRowCount(GetInitialRowCount());
    return 0;
}

CWnd* CGlobalVarView::CreateCellCtrl(int col, int row, DWORD style, UINT id) {
    CWnd* ctrl = CTableGridView::CreateCellCtrl(col, row, style, id);
    if (ctrl != nullptr && col == CGlobalVarTable::ColType)
        FillTypeList(row, true);
    return ctrl;
}

void CGlobalVarView::OnSetActiveCell(int col, int row) {
    if (col == CGlobalVarTable::ColType && GetCellCtrl(col) != nullptr)
        FillTypeList(row, false);
}

void CGlobalVarView::FillTypeList(int row, bool atCreation) {
    auto* list = static_cast<CComboBox*>(GetCellCtrl(CGlobalVarTable::ColType));
    CStringArray choices;
    m_table.GetTypeChoices(row, atCreation, choices);
    list->ResetContent();
    for (INT_PTR i = 0; i < choices.GetSize(); ++i)
        list->AddString(choices[i]);
}

void CGlobalVarView::GetCellText(int col, int row, CString& text, int& mark) {
    m_table.GetCellText(col, row, text, mark);
}

void CGlobalVarView::OnSaveCellData(int col, int row) {
    if (row >= m_table.GetSymbolCount())
        return;
    m_table.Commit(col, row, GetCellCtrlText());
    MarkModified();
}

void CGlobalVarView::OnFixedRowDown(int col) {
    if (col <= CGlobalVarTable::ColType) {
        const CPSortOrder order = BeginHeaderSort();
        m_table.Sort(col, order);
        SetSortCol(col, order);
    }
    CTableGridView::OnFixedRowDown(col);
    RedrawGrid();
}

void CGlobalVarView::OnEditGridClear() {
    SaveModifyed(0);
    if (m_table.ClearSelection())
        MarkModified();
    RedrawGrid();
}

void CGlobalVarView::OnEditGridCut() {
    if (!CopySelectedCellText())
        return;
    OnEditGridClear();
}
