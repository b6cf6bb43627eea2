#include "comm/StatusTable.h"

#include "comm/ForcingService.h"
#include "comm/StatusValues.h"
#include "language/AddressCode.h"
#include "language/DirectAddress.h"
#include "language/OperandDescriptor.h"
#include "platform/StringCopies.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXProject.h"
#include "project/CQLXSymbol.h"
#include "project/CStatusInput.h"
#include "shell/tables/TableRows.h"

namespace {

const OperandDescriptor TimerOrCounter = OD_AREA_T | OD_AREA_C;
const OperandDescriptor IntegerBits = OD_BYTE | OD_WORD | OD_DWORD | OD_INT | OD_DINT;

bool IsIntegerAddress(DWORD descriptor) { return (descriptor & (IntegerBits | TimerOrCounter)) != 0; }

bool IsIntegerFormat(DWORD format) {
    return format == DisplayUnsigned || format == DisplaySigned || format == DisplayBinary || format == DisplayHex;
}

void SetFormat(CStatusInput& row, DWORD format) {
    row.displayFormat = format;
    row.rowTextA = StatusFormatName(format);
}

// The format an address gets when its own does not fit it.
DWORD DefaultFormat(const CStatusInput& row) {
    if (IsIntegerAddress(row.descriptor))
        return IsIntegerFormat(row.displayFormat) ? row.displayFormat : DWORD(DisplayUnsigned);
    if (row.descriptor & OD_REAL)
        return DisplayReal;
    return DisplayBool;
}

void MakeInvalid(CStatusInput& row) {
    row.addressCode = 0;
    row.descriptor = 0;
    row.rowState = 0;
    SetFormat(row, 0);
}

bool IsListedFormat(const CStatusInput& row, const CString& name) {
    CStringArray choices;
    CStatusTable::GetFormatChoices(&row, choices);
    for (INT_PTR i = 0; i < choices.GetSize(); ++i)
        if (choices[i] == name)
            return true;
    return false;
}

CString GlobalNameAt(const CQLXProject& project, const CString& address) {
    CObject* symbol = nullptr;
    if (address.IsEmpty() || !project.symbolsByAddress.Lookup(address, symbol))
        return CString();
    return static_cast<CQLXSymbol*>(symbol)->name;
}

bool IsMonitoring() { return theWorkspace != nullptr && theWorkspace->onlineMonitoring != 0; }

}  // namespace

void ReparseStatusRow(CStatusInput& row) {
    OperandDescriptor descriptor = 0;
    if (row.address.IsEmpty()) {
        MakeInvalid(row);
        ClearForcedValue(row);
        return;
    }
    if (!ParseDirectAddress(row.address, descriptor)) {
        MakeInvalid(row);
        return;
    }
    row.address = UpperCased(row.address);
    if (!(descriptor & TimerOrCounter) && row.address[0] != '%')
        row.address = "%" + row.address;
    row.descriptor = descriptor;
    row.addressCode = EncodeAddressCode(CForcingService::ForceKey(row.address), FALSE);
    row.rowState = 1;
    SetFormat(row, DefaultFormat(row));
    ConvertForcedValue(row);
}

int CStatusTable::GetRowCount() const { return static_cast<int>(m_project.statusRows.GetSize()); }

CStatusInput* CStatusTable::RowAt(int row) const {
    return row >= 0 && row < GetRowCount() ? static_cast<CStatusInput*>(m_project.statusRows[row]) : nullptr;
}

void CStatusTable::SetRowCount(int rows) {
    m_grid.SetGridRowCount(rows);
    FillRows(rows);
}

void CStatusTable::FillRows(int rows) {
    while (GetRowCount() < rows)
        m_project.statusRows.Add(new CStatusInput);
}

std::vector<CStatusInput*> CStatusTable::Rows() const {
    std::vector<CStatusInput*> rows;
    for (int row = 0; row < GetRowCount(); ++row)
        if (CStatusInput* input = RowAt(row))
            rows.push_back(input);
    return rows;
}

void CStatusTable::GetCellText(int col, int row, CString& text, int& mark) const {
    text.Empty();
    mark = CPMarkPlain;
    const CStatusInput* input = RowAt(row);
    if (input == nullptr)
        return;
    switch (col) {
    case ColAddress:
        text = input->address;
        mark = !input->rowState && !text.IsEmpty() ? CPMarkError : CPMarkPlain;
        break;
    case ColName: text = GlobalNameAt(m_project, input->address); break;
    case ColFormat: text = input->rowTextA; break;
    case ColValue:
        text = " ";
        if (input->rowState && IsMonitoring()) {
            text = StatusCurrentValueText(*input);
            if (CForcingService::FindForceEntry(m_project.forceEntries, input->address) != nullptr)
                mark = CPMarkForced;
        }
        break;
    case ColForced:
        text = input->rowTextB;
        mark = !input->rowWordC && !text.IsEmpty() ? CPMarkError : CPMarkPlain;
        break;
    default: break;
    }
}

void CStatusTable::GetFormatChoices(const CStatusInput* row, CStringArray& choices) {
    choices.RemoveAll();
    if (row == nullptr || !row->rowState)
        return;
    if (IsIntegerAddress(row->descriptor)) {
        for (DWORD format : {DisplaySigned, DisplayUnsigned, DisplayHex, DisplayBinary})
            choices.Add(StatusFormatName(format));
    } else {
        choices.Add(StatusFormatName(row->descriptor & OD_REAL ? DisplayReal : DisplayBool));
    }
}

// The format list offers only what fits the address: any other text (an empty clear,
// a pasted word) leaves the format as it is.
BOOL CStatusTable::Commit(int col, int row, const CString& typed) {
    const CString text = Trimmed(typed);
    if (col == ColAddress) {
        if (row < 0)
            return FALSE;
        while (row >= GetRowCount())
            m_project.statusRows.Add(new CStatusInput);
        CStatusInput* input = RowAt(row);
        if (input == nullptr) {   // a missing entry of a stored table
            input = new CStatusInput;
            m_project.statusRows[row] = input;
        }
        input->address = text;
        ReparseStatusRow(*input);
        return TRUE;
    }
    CStatusInput* input = RowAt(row);
    if (input == nullptr || !input->rowState)
        return FALSE;
    if (col == ColFormat) {
        if (!IsListedFormat(*input, text))
            return FALSE;
        SetFormat(*input, StatusFormatOf(text));
        ConvertForcedValue(*input);
        return TRUE;
    }
    if (col == ColForced) {
        input->rowTextB = text;
        ConvertForcedValue(*input);
        return TRUE;
    }
    return FALSE;
}

BOOL CStatusTable::ClearSelection() {
    int firstCol, lastCol, firstRow, lastRow;
    m_grid.GetSelectRange(firstCol, lastCol, firstRow, lastRow);
    if (m_grid.IsWholeRowSelection())
        return DeleteRows(firstRow, lastRow - firstRow + 1);
    BOOL changed = FALSE;
    for (int row = firstRow; row <= lastRow; ++row)
        for (int col = firstCol; col <= lastCol; ++col)
            if (m_grid.IsEditableCol(col))
                changed |= Commit(col, row, CString());
    return changed;
}

BOOL CStatusTable::DeleteRows(int first, int count) {
    const int size = GetRowCount();
    if (size < 2 || count >= size || !IsRowRangeInside(first, count, size))
        return FALSE;
    for (int row = first; row < first + count; ++row)
        delete RowAt(row);
    m_project.statusRows.RemoveAt(first, count);
    m_grid.RemoveRows(first, count);
    return TRUE;
}

BOOL CStatusTable::InsertRows(int at, int count) {
    if (!IsInsertPositionInside(at, count, GetRowCount()))
        return FALSE;
    for (int i = 0; i < count; ++i)
        m_project.statusRows.InsertAt(at, new CStatusInput);
    m_grid.InsertRows(at, count);
    return TRUE;
}

void CStatusTable::AppendRows(std::vector<std::unique_ptr<CStatusInput>>& rows) {
    if (rows.empty())
        return;
    const int at = GetRowCount();
    for (std::unique_ptr<CStatusInput>& row : rows)
        m_project.statusRows.Add(row.release());
    rows.clear();
    m_grid.InsertRows(at, GetRowCount() - at);
}

void CStatusTable::Sort(CPSortOrder order) {
    static const CString empty;
    std::vector<CObject*> rows(m_project.statusRows.GetData(), m_project.statusRows.GetData() + GetRowCount());
    SortRowsByKey(
        rows,
        [](CObject* row) -> const CString& { return row ? static_cast<CStatusInput*>(row)->address : empty; },
        order == CPSortAscending);
    for (size_t i = 0; i < rows.size(); ++i)
        m_project.statusRows[i] = rows[i];
}
