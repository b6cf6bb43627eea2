#pragma once
#include "platform/Afx.h"
#include "platform/CCPGridCore.h"

#include <memory>
#include <vector>

class CQLXProject;
class CStatusInput;

// The rules of the status table: one row per address to watch and force, kept in the
// project's status rows (a missing entry is a row never edited). Columns: the address,
// the global variable at it, the display format, the live value while monitoring, and
// the value to force. The grid keeps no data; it asks these rules for every cell.
class CStatusTable {
public:
    enum Column { ColAddress, ColName, ColFormat, ColValue, ColForced, ColumnCount };

    CStatusTable(CQLXProject& project, CCPGridCore& grid) : m_project(project), m_grid(grid) {}

    // The grid's row count, the project's rows filled up to it with empty ones.
    void SetRowCount(int rows);
    // The project's rows filled up to the count with empty ones.
    void FillRows(int rows);
    int GetRowCount() const;
    CStatusInput* RowAt(int row) const;

    // Text and mark: error for an address or forced value that did not convert, forced
    // for the live value of an address in the project's force map.
    void GetCellText(int col, int row, CString& text, int& mark) const;
    // Commits an edited, pasted or cleared cell; FALSE when nothing changed.
    BOOL Commit(int col, int row, const CString& text);
    // The entries of a row's format list: none for an invalid row, "BOOL" for a bit,
    // "REAL" for a REAL, the four integer formats for any other address.
    static void GetFormatChoices(const CStatusInput* row, CStringArray& choices);

    // Whole selected rows are deleted; otherwise every selected cell is emptied.
    BOOL ClearSelection();
    // At least one row always stays; a range outside the table deletes nothing.
    BOOL DeleteRows(int first, int count);
    BOOL InsertRows(int at, int count);
    // New rows after the last one (the forces read from the PLC).
    void AppendRows(std::vector<std::unique_ptr<CStatusInput>>& rows);
    // By address text; the empty rows at the end stay there.
    void Sort(CPSortOrder order);
    // The rows the force-all command takes, in table order.
    std::vector<CStatusInput*> Rows() const;

private:
    CQLXProject& m_project;
    CCPGridCore& m_grid;
};

// A row after its address text changed: upper-cased, "%" in front unless it is a timer
// or counter, address code and descriptor, a default display format for its type, and
// its forced value converted again under that format. An empty or unparsable address
// leaves the row invalid, its format and forced value emptied.
void ReparseStatusRow(CStatusInput& row);
