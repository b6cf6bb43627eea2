#include "shell/tables/InitDataTable.h"

#include "language/AddressCode.h"
#include "language/AreaLimits.h"
#include "language/DirectAddress.h"
#include "language/LiteralParser.h"
#include "platform/StringCopies.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXInitData.h"
#include "project/CQLXProject.h"
#include "project/OwnedObjects.h"
#include "shell/tables/TableRows.h"

#include <cstdlib>

namespace {

const DWORD NoAddress = 0xFFFFFFFF;
const DWORD ValueTypeBits = 0x7E;  // BYTE to REAL

int ValueWidth(DWORD typeBits) {
    if (typeBits & OD_BYTE)
        return 1;
    if (typeBits & (OD_WORD | OD_INT))
        return 2;
    return 4;
}

void SetReason(CQLXInitData* row, int col, DWORD reason) { row->valueMap.SetAt(static_cast<DWORD>(col), reason); }
void ClearReason(CQLXInitData* row, int col) { row->valueMap.RemoveKey(static_cast<DWORD>(col)); }
bool HasReason(const CQLXInitData* row, int col) {
    DWORD reason = 0;
    return row->valueMap.Lookup(static_cast<DWORD>(col), reason) != FALSE;
}
int LastText(const CQLXInitData* row) { return static_cast<int>(row->texts.GetSize()) - 1; }

}  // namespace

int CInitDataTable::GetRowCount() const { return static_cast<int>(m_project.initDataRows.GetSize()); }

CQLXInitData* CInitDataTable::RowAt(int row) const {
    return row >= 0 && row < GetRowCount() ? static_cast<CQLXInitData*>(m_project.initDataRows[row]) : nullptr;
}

void CInitDataTable::SetRowCount(int rows) {
    m_grid.SetGridRowCount(rows);
    while (GetRowCount() < rows)
        m_project.initDataRows.Add(new CQLXInitData);
}

void CInitDataTable::GetCellText(int col, int row, CString& text, int& mark) const {
    text.Empty();
    mark = CPMarkPlain;
    const CQLXInitData* data = RowAt(row);
    if (data == nullptr)
        return;
    if (col <= LastText(data))
        text = data->texts[col];
    mark = HasReason(data, col) ? CPMarkError : CPMarkPlain;
}

BOOL CInitDataTable::Commit(int col, int row, const CString& typed) {
    CQLXInitData* data = RowAt(row);
    if (data == nullptr || col < 0 || col > ValueCount)
        return FALSE;
    CString text = Trimmed(typed);
    if (col > 0)
        return CommitValue(data, col, text);
    if (data->texts.GetSize() == 0)
        data->texts.Add(text);
    else
        data->texts[0] = text;
    data->values.SetSize(data->texts.GetSize());
    ValidateAddress(data);
    return TRUE;
}

void CInitDataTable::ValidateAddress(CQLXInitData* row) {
    CString& address = row->texts[0];
    row->values[0] = NoAddress;
    row->typeFlags = 0;
    row->rowWord = 0;
    if (address.IsEmpty()) {
        if (LastText(row) > 0)
            SetReason(row, 0, InitBadAddress);
        else
            ClearReason(row, 0);
        return;
    }
    OperandDescriptor parsed = 0;
    if (!ParseDirectAddress(address, parsed)) {
        SetReason(row, 0, InitBadAddress);
        return;
    }
    if (!(parsed & OD_AREA_V) || !(parsed & ValueTypeBits)) {
        SetReason(row, 0, InitWrongArea);
        return;
    }
    address = UpperCased(address);
    if (address[0] != '%')
        address = "%" + address;
    CString prefix = address.Left(3);
    int offset = atoi(address.Mid(3));
    row->values[0] = static_cast<DWORD>(static_cast<WORD>(GetAreaCodeBase(prefix, FALSE) + offset));
    row->typeFlags = parsed;
    int capacity = (GetAreaLastIndex(prefix) + 1 - offset) / ValueWidth(parsed);
    row->rowWord = static_cast<DWORD>(capacity > 0 ? capacity : 0);
    ClearReason(row, 0);
    for (int k = 1; k <= LastText(row); ++k)
        ValidateValue(row, k);
}

void CInitDataTable::ValidateValue(CQLXInitData* row, int k) {
    row->values[k] = 0;
    OperandDescriptor constant = 0;
    DWORD value = 0;
    float real = 0;
    if (HasReason(row, 0) || row->values[0] == NoAddress) {
        SetReason(row, k, InitUntypedValue);
    } else if (static_cast<DWORD>(k) > row->rowWord) {
        SetReason(row, k, InitPastArea);
    } else if (!ParseConstantValue(row->texts[k], constant, value, real)) {
        SetReason(row, k, InitNotConstant);
    } else if (!(constant & row->typeFlags & OD_TYPE_MASK)) {
        SetReason(row, k, InitWrongType);
    } else {
        row->texts[k] = UpperCased(row->texts[k]);
        row->values[k] = value;
        ClearReason(row, k);
    }
}

// Values are typed in order and emptied from the end; an address comes first.
BOOL CInitDataTable::CommitValue(CQLXInitData* row, int k, const CString& text) {
    int last = LastText(row);
    if (last < 0 || (row->texts[0].IsEmpty() && !text.IsEmpty()) || k > last + 1)
        return FALSE;
    if (text.IsEmpty()) {
        if (k != last)
            return k > last;  // an empty cell past the end stays empty
        do {
            ClearReason(row, last);
            row->texts.RemoveAt(last);
            --last;
        } while (last > 0 && row->texts[last].IsEmpty());
        row->values.SetSize(row->texts.GetSize());
        if (last == 0 && row->texts[0].IsEmpty())
            ClearReason(row, 0);  // nothing left to start
        return TRUE;
    }
    if (k > last)
        row->texts.Add(text);
    else
        row->texts[k] = text;
    row->values.SetSize(row->texts.GetSize());
    ValidateValue(row, k);
    return TRUE;
}

BOOL CInitDataTable::ClearSelection() {
    int firstCol, lastCol, firstRow, lastRow;
    m_grid.GetSelectRange(firstCol, lastCol, firstRow, lastRow);
    if (m_grid.IsWholeRowSelection())
        return DeleteRows(firstRow, lastRow - firstRow + 1);
    // From the last column back, so trailing values go before the ones ahead of them.
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int col = lastCol; col >= firstCol; --col)
            Commit(col, row, CString());
    }
    return TRUE;
}

BOOL CInitDataTable::DeleteRows(int first, int count) {
    int size = GetRowCount();
    if (size < 2 || !IsRowRangeInside(first, count, size))
        return FALSE;
    if (count == size)
        --count;
    for (int row = first; row < first + count; ++row)
        delete RowAt(row);
    m_project.initDataRows.RemoveAt(first, count);
    m_grid.RemoveRows(first, count);
    return TRUE;
}

BOOL CInitDataTable::InsertRows(int at, int count) {
    if (!IsInsertPositionInside(at, count, GetRowCount()))
        return FALSE;
    for (int i = 0; i < count; ++i)
        m_project.initDataRows.InsertAt(at, new CQLXInitData);
    m_grid.InsertRows(at, count);
    return TRUE;
}

void CInitDataTable::Sort(CPSortOrder order) {
    static const CString empty;
    std::vector<CObject*> rows(m_project.initDataRows.GetData(), m_project.initDataRows.GetData() + GetRowCount());
    SortRowsByKey(
        rows,
        [](CObject* row) -> const CString& {
            const auto* data = static_cast<CQLXInitData*>(row);
            return data->texts.GetSize() > 0 ? data->texts[0] : empty;
        },
        order == CPSortAscending);
    for (size_t i = 0; i < rows.size(); ++i)
        m_project.initDataRows[i] = rows[i];
}
