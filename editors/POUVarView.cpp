#include "editors/POUVarView.h"

#include "editors/POUEditorDoc.h"
#include "platform/CCmdUI.h"
#include "platform/CComboBox.h"
#include "platform/CEdit.h"
#include "platform/FrameworkIds.h"
#include "platform/MessageBox.h"
#include "project/CPlcWorkspace.h"
#include "shell/tables/PouVarFile.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CPOUVarView, CTableGridView)

BEGIN_MESSAGE_MAP(CPOUVarView, CTableGridView)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateEditClear)
END_MESSAGE_MAP()

namespace {

const UINT CellFormat = 0x8804;
const UINT HeaderFormat = 0x8024;
const int SubroutineTableKind = 4;
const int PouTableKind = 5;
const int NameLimit = 8;
const int MinRows = 4;

}  // namespace

CPOUVarView::CPOUVarView() : CPOUVarView(theWorkspace != nullptr ? &theWorkspace->project : nullptr) {}

CPOUVarView::CPOUVarView(CQLXProject* project) : m_table(*this, project) { DefineColumns(); }

void CPOUVarView::DefineColumns() {
    const DWORD edit = WS_CHILD | ES_AUTOHSCROLL;
    const DWORD list = WS_CHILD | CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT;
    struct Column { int width; const char* header; int kind; DWORD style; };
    const Column columns[] = {
        {60, "变量地址", CPCtrlNone, 0},
        {100, "变量名称", CPCtrlEdit, edit},
        {100, "变量类型", CPCtrlList, list},
        {100, "数据类型", CPCtrlList, list},
        {260, "注 释", CPCtrlEdit, edit},
    };
    for (const Column& column : columns) {
        int col = AddCol(column.width, column.header, CellFormat, HeaderFormat);
        DefineColCtrl(col, column.kind, column.style, static_cast<UINT>(col));
    }
    SetFixedColCount(1);
    SetFixedColWidth(15);
    SetGridStyle(PouTableKind);
}

void CPOUVarView::SetVarFile(const CString& path, BOOL subroutine) {
    m_varFilePath = path;
    m_subroutine = subroutine;
}

CString CPOUVarView::VarFilePath() const {
    auto* document = dynamic_cast<CPOUEditorDoc*>(GetDocument());
    return document != nullptr ? document->GetVarFilePath() : m_varFilePath;
}

bool CPOUVarView::IsSubroutinePou() const {
    auto* document = dynamic_cast<CPOUEditorDoc*>(GetDocument());
    return document != nullptr ? document->IsSubroutine != FALSE : m_subroutine != FALSE;
}

void CPOUVarView::OnInitialUpdate() {
    m_table.SetSubroutine(IsSubroutinePou());
    ReadVarFile();
    SetRowCount(std::min(CPOUVarTable::MaxRows, std::max(MinRows, m_table.GetRowCount() + 1)));
    SetFocusCell(CPOUVarTable::ColName + 1, GetFocusRow());
    SetGridStyle(m_table.IsSubroutine() ? SubroutineTableKind : PouTableKind);
    RedrawGrid();
}

// ---- The document's operations -----------------------------------------------------------

void CPOUVarView::ReadVarFile() {
    CStringArray lines;
    ReadPouVarFile(VarFilePath(), lines);
    m_table.ReadDeclarations(lines);
}

// A variable without an address cannot be written: it gets another try first, and one
// that still finds no room is named, so that it is not left out unnoticed.
BOOL CPOUVarView::WriteVarFile() {
    if (m_table.PlaceUnplacedRows())
        RedrawGrid();
    CStringArray unplaced;
    m_table.GetUnplacedNames(unplaced);
    if (unplaced.GetSize() > 0)
        ReportUnplaced(unplaced, true);
    CStringArray lines;
    m_table.GetDeclarations(lines, true);
    return WritePouVarFile(VarFilePath(), lines);
}

void CPOUVarView::VarDeclToIL(CStringArray& lines) const {
    if (!m_table.HasCompleteRow())
        return;
    lines.RemoveAll();
    lines.Add("");
    lines.Add("(* 局部变量定义 *)");
    lines.Add("");
    m_table.GetDeclarations(lines, false);
}

// The POU's name is the variable file's name after its first "_", before its last ".".
void CPOUVarView::BuildParamList() {
    CString path = VarFilePath();
    CString file = path.Mid(path.ReverseFind('\\') + 1);
    int underscore = file.Find('_');
    int dot = file.ReverseFind('.');
    if (underscore < 0 || dot <= underscore)
        return;
    m_table.BuildParamList(file.Mid(underscore + 1, dot - underscore - 1));
}

BOOL CPOUVarView::LookupVariable(const CString& upperName, OperandDescriptor& flags) const {
    return m_table.LookupVariable(upperName, flags);
}

void CPOUVarView::GetDeclaredVariables(CStringArray& names, CStringArray& addresses) const {
    m_table.GetDeclaredVariables(names, addresses);
}

// ---- Grid callbacks ----------------------------------------------------------------------

BOOL CPOUVarView::IsEditLocked() const { return theWorkspace != nullptr && theWorkspace->onlineMonitoring != 0; }

void CPOUVarView::MarkModified() {
    if (CDocument* document = GetDocument())
        document->SetModifiedFlag(TRUE);
}

CWnd* CPOUVarView::CreateCellCtrl(int col, int row, DWORD style, UINT id) {
    CWnd* ctrl = CTableGridView::CreateCellCtrl(col, row, style, id);
    if (ctrl == nullptr)
        return nullptr;
    if (col == CPOUVarTable::ColName)
        static_cast<CEdit*>(ctrl)->SetLimitText(NameLimit);
    else if (col == CPOUVarTable::ColKind || col == CPOUVarTable::ColType)
        FillList(col);
    return ctrl;
}

void CPOUVarView::FillList(int col) {
    CStringArray choices;
    if (col == CPOUVarTable::ColKind)
        m_table.GetKindChoices(choices);
    else
        CPOUVarTable::GetTypeChoices(choices);
    auto* list = static_cast<CComboBox*>(GetCellCtrl(col));
    for (INT_PTR i = 0; i < choices.GetSize(); ++i)
        list->AddString(choices[i]);
}

void CPOUVarView::GetCellText(int col, int row, CString& text, int& mark) { m_table.GetCellText(col, row, text, mark); }

void CPOUVarView::OnSaveCellData(int col, int row) {
    if (IsEditLocked() || row >= m_table.GetRowCount())
        return;
    bool wasUnplaced = m_table.IsUnplaced(row);
    m_table.Commit(col, row, GetCellCtrlText());
    MarkModified();
    if (wasUnplaced || !m_table.IsUnplaced(row))
        return;
    m_newlyUnplaced.Add(m_table.RowAt(row)->name);
    if (!m_collectUnplaced) {
        ReportUnplaced(m_newlyUnplaced, false);
        m_newlyUnplaced.RemoveAll();
    }
}

void CPOUVarView::ReportUnplaced(const CStringArray& names, bool saving) {
    CString list;
    for (INT_PTR i = 0; i < names.GetSize(); ++i)
        list += (i > 0 ? "、" : "") + names[i];
    CString text = "局部变量区已满，变量 " + list;
    text += saving ? " 没有地址，未存入变量文件。\n请删除不用的局部变量或选用较小的数据类型后再保存。"
                   : " 没有分配到地址。\n没有地址的变量不能存入变量文件，请删除不用的局部变量或选用较小的数据类型。";
    AfxShowMessageBox(GetSafeHwnd(), text, "提示", MB_OK | MB_ICONEXCLAMATION);
}

// This table is not sorted: a header click gets the grid's own handling only.
void CPOUVarView::OnFixedRowDown(int col) { CTableGridView::OnFixedRowDown(col); }

BOOL CPOUVarView::InsertTableRows(int at, int count) { return m_table.InsertRows(at, count, GetFocusRow() - 1); }

BOOL CPOUVarView::DeleteTableRows(int first, int count) { return m_table.DeleteRows(first, count); }

// ---- Edit commands -----------------------------------------------------------------------

void CPOUVarView::OnUpdateEditClear(CCmdUI* cmdUI) {
    int firstCol, lastCol, firstRow, lastRow;
    GetSelectRange(firstCol, lastCol, firstRow, lastRow);
    cmdUI->Enable(firstCol != CPOUVarTable::ColKind && firstCol != CPOUVarTable::ColType);
}

void CPOUVarView::OnEditGridClear() {
    SaveModifyed(0);
    if (!IsEditLocked() && m_table.ClearSelection())
        MarkModified();
    RedrawGrid();
}

// The address column is never copied: it is allocated, not typed.
void CPOUVarView::OnEditGridCopy() {
    SaveModifyed(0);
    int firstCol, lastCol, firstRow, lastRow;
    GetSelectRange(firstCol, lastCol, firstRow, lastRow);
    CopyTextFromGrid(std::max(firstCol, int(CPOUVarTable::ColName)), std::max(lastCol, int(CPOUVarTable::ColName)),
                     firstRow, lastRow);
}

void CPOUVarView::OnEditGridCut() {
    if (IsEditLocked())
        return;
    OnEditGridCopy();
    OnEditGridClear();
}

void CPOUVarView::OnEditGridPaste() {
    int firstCol, lastCol, firstRow, lastRow;
    GetSelectRange(firstCol, lastCol, firstRow, lastRow);
    if (firstCol == CPOUVarTable::ColAddress)
        SetSelectRange(CPOUVarTable::ColName, std::max(lastCol, int(CPOUVarTable::ColName)), firstRow, lastRow);
    m_collectUnplaced = true;
    CTableGridView::OnEditGridPaste();
    m_collectUnplaced = false;
    if (m_newlyUnplaced.GetSize() > 0)
        ReportUnplaced(m_newlyUnplaced, false);
    m_newlyUnplaced.RemoveAll();
}
