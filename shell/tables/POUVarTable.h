#pragma once
#include "language/OperandDescriptor.h"
#include "platform/Afx.h"
#include "platform/CCPGridCore.h"

#include <memory>
#include <vector>

class CQLXProject;

// Kind words of a POU variable; their 0x6000 bits say input, output or both.
constexpr DWORD VarKindInput = 0xA000;
constexpr DWORD VarKindInOut = 0x1E000;
constexpr DWORD VarKindOutput = 0x1C000;
constexpr DWORD VarKindLocal = 0x18000;
// The type word's mark of a variable that has its place in the L area.
constexpr DWORD VarInLocalArea = 0x1000000;

// One declared variable of a POU.
class PouVarRow : public CObject {
public:
    CString name;
    CString kind;      // "VAR_INPUT", "VAR_IN_OUT", "VAR_OUTPUT", "VAR" or empty
    CString dataType;  // one of the seven types or empty
    CString comment;
    CString address;   // the allocated local address, empty when none
    DWORD kindWord = 0;
    DWORD typeWord = 0;
    int index = 0;
    bool nameValid = false;
    bool complete = false;
    bool addressRoom = true;  // false when the last allocation found no room
};

// The rules of a POU's own variable table (at most 16 rows): names checked against
// the globals and each other, an address in the local area L allocated for every
// complete variable from the project's two allocation arrays (bits: cpuBlockA, 32
// entries; bytes 4 to 15: cpuBlockB, 12 entries), and lookups of the complete rows by
// name, address and upper-cased name. A name shared with another row keys neither.
class CPOUVarTable {
public:
    enum Column { ColAddress = 0, ColName = 1, ColKind = 2, ColType = 3, ColComment = 4 };
    static const int MaxRows = 16;

    CPOUVarTable(CCPGridCore& grid, CQLXProject* project) : m_grid(grid), m_project(project) {}
    ~CPOUVarTable();

    void SetSubroutine(bool subroutine) { m_subroutine = subroutine; }
    bool IsSubroutine() const { return m_subroutine; }

    // Rows up to n (at most 16), new ones BOOL with the kind the table's end suggests.
    void SetRowCount(int rows);
    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    const PouVarRow* RowAt(int row) const;

    void GetCellText(int col, int row, CString& text, int& mark) const;
    void Commit(int col, int row, const CString& text);
    void GetKindChoices(CStringArray& choices) const;
    static void GetTypeChoices(CStringArray& choices);

    BOOL ClearSelection();
    BOOL DeleteRows(int first, int count);
    // New rows copy the kind and type of the focused data row (-1: none).
    BOOL InsertRows(int at, int count, int focusRow);

    // Replaces every row by the variables of a variable file's lines.
    void ReadDeclarations(const CStringArray& lines);
    // The complete variables as declaration lines, grouped by kind; trailingBlank
    // gives each variable line the blank the file form ends with.
    void GetDeclarations(CStringArray& lines, bool trailingBlank) const;
    bool HasCompleteRow() const;

    // A row with a valid name, a kind and a type whose address found no room in the
    // local area: kept and marked in the table, but it has no address to be written with.
    bool IsUnplaced(int row) const;
    void GetUnplacedNames(CStringArray& names) const;
    // Gives every unplaced row another try at an address (room may have been freed
    // since); TRUE when one of them got one.
    BOOL PlaceUnplacedRows();

    BOOL LookupVariable(const CString& upperName, OperandDescriptor& flags) const;
    void GetDeclaredVariables(CStringArray& names, CStringArray& addresses) const;
    // The subroutine descriptor's parameters from the complete rows; FALSE when the
    // project has no subroutine of that name.
    BOOL BuildParamList(const CString& pouName) const;

private:
    PouVarRow* Row(int row) const { return row >= 0 && row < GetRowCount() ? m_rows[row].get() : nullptr; }
    void CommitName(PouVarRow* row, const CString& text);
    void Finish(PouVarRow* row);
    void CheckName(PouVarRow* row);
    bool UpdateDuplicates(PouVarRow* row, const CString& oldName, const CString& newName);
    void LeaveGroup(PouVarRow* row, const CString& name);
    void EnterMaps(PouVarRow* row);
    void LeaveMaps(PouVarRow* row);
    void EmptyName(PouVarRow* row);
    void Allocate(PouVarRow* row);
    void Release(PouVarRow* row) { ReleaseAddress(row->address); row->address.Empty(); }
    void ReleaseAddress(const CString& address);
    CByteArray* BitEntries() const;
    CByteArray* ByteEntries() const;
    void Renumber();
    void RemoveAllRows();
    std::unique_ptr<PouVarRow> NewRow(const PouVarRow* model) const;

    CCPGridCore& m_grid;
    CQLXProject* m_project;
    bool m_subroutine = false;
    std::vector<std::unique_ptr<PouVarRow>> m_rows;
    CMapStringToOb m_byName;
    CMapStringToOb m_byAddress;
    CMapStringToOb m_byUpperName;
    CMapStringToOb m_groups;  // name -> CSymbolAddrIndex of the rows sharing it (owned)
};

// The kind word of a kind text; 0 for another text.
DWORD VarKindWord(const CString& kind);
