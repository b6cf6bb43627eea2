#pragma once
#include "platform/Afx.h"
#include "platform/CCPGridCore.h"

class CQLXInitData;
class CQLXProject;

// Why an initial-data cell is invalid, as the compile step reports it.
enum InitDataReason : DWORD {
    InitBadAddress = 1,     // missing or not an address
    InitWrongArea = 2,      // not a V byte, word or double word
    InitNotConstant = 4,
    InitWrongType = 8,      // the constant's type does not fit the address
    InitUntypedValue = 16,  // the address is invalid, so the value has no type
    InitPastArea = 32,      // the value lies beyond the end of the area
};

// The rules of the initial-data table: per row a start address in V and up to four
// values for consecutive elements. Every committed cell is validated; the row keeps the
// address code, the parsed values, the address's type bits, the capacity (in rowWord)
// and a reason per invalid column (valueMap: column -> reason).
class CInitDataTable {
public:
    static const int ValueCount = 4;

    CInitDataTable(CQLXProject& project, CCPGridCore& grid) : m_project(project), m_grid(grid) {}

    void SetRowCount(int rows);
    int GetRowCount() const;
    CQLXInitData* RowAt(int row) const;

    void GetCellText(int col, int row, CString& text, int& mark) const;
    // Commits a cell; FALSE when the rules refuse the text (the old one stays).
    BOOL Commit(int col, int row, const CString& text);

    BOOL ClearSelection();
    BOOL DeleteRows(int first, int count);
    BOOL InsertRows(int at, int count);
    void Sort(CPSortOrder order);

private:
    void ValidateAddress(CQLXInitData* row);
    void ValidateValue(CQLXInitData* row, int k);
    BOOL CommitValue(CQLXInitData* row, int k, const CString& text);

    CQLXProject& m_project;
    CCPGridCore& m_grid;
};
