#pragma once
#include "platform/Arrays.h"
#include "platform/CCPGridCore.h"

class CQLXProject;
class CQLXSymbol;
class CMapStringToOb;

// Conflict marks of a global variable.
constexpr DWORD SymbolDuplicateName = 1;
constexpr DWORD SymbolInvalidName = 2;
constexpr DWORD SymbolDuplicateAddress = 4;
constexpr DWORD SymbolInvalidAddress = 8;

// The rules of the global variable table: one row per symbol of the project's symbol
// list, in list order. Every committed cell is checked and marked, duplicates are
// grouped, and the project's lookups are kept so that after every step a symbol stands
// in a map only under a text it carries, and in the lookup maps only while it is sound
// (a name, an address and no mark). It drives the grid it is given for row changes.
class CGlobalVarTable {
public:
    enum Column { ColName = 0, ColAddress = 1, ColType = 2, ColComment = 3 };

    CGlobalVarTable(CQLXProject& project, CCPGridCore& grid) : m_project(project), m_grid(grid) {}

    // The grid shows n rows; empty symbols are appended until the list holds n.
    void SetRowCount(int rows);
    int GetSymbolCount() const;
    CQLXSymbol* SymbolAt(int row) const;  // null beyond the list

    void GetCellText(int col, int row, CString& text, int& mark) const;
    // Commits a cell's text; rows beyond the list are ignored.
    void Commit(int col, int row, const CString& text);
    // The data types the row's address allows; atCreation: when the list is made
    // (empty unless the row is sound), otherwise when the cell becomes active (empty
    // when the address is empty or marked).
    void GetTypeChoices(int row, bool atCreation, CStringArray& choices) const;

    // Whole selected rows are deleted, otherwise each selected cell cleared. TRUE when
    // something was done.
    BOOL ClearSelection();
    // FALSE, nothing changed, for a range the rules refuse; deleting every row keeps one.
    BOOL DeleteRows(int first, int count);
    BOOL InsertRows(int at, int count);
    // Sorts by column col (name, address or type) in the given order.
    void Sort(int col, CPSortOrder order);

private:
    struct GroupKind;
    static const GroupKind NameGroups;
    static const GroupKind AddressGroups;

    void ClearCell(int col, int row);
    void CommitName(CQLXSymbol* symbol, const CString& text);
    void CommitAddress(CQLXSymbol* symbol, const CString& text);
    void CommitType(CQLXSymbol* symbol, const CString& text);
    void UpdateGroup(const GroupKind& kind, CQLXSymbol* symbol, const CString& oldText, const CString& newText);
    void LeaveGroup(const GroupKind& kind, CQLXSymbol* symbol, const CString& text);
    void JoinGroup(const GroupKind& kind, CQLXSymbol* symbol, const CString& text);
    void EnterMaps(CQLXSymbol* symbol);
    void LeaveMaps(CQLXSymbol* symbol);
    void LeaveSoundMaps(CQLXSymbol* symbol);
    void LeaveCarrierMap(const GroupKind& kind, CQLXSymbol* symbol);
    void Renumber();

    CQLXProject& m_project;
    CCPGridCore& m_grid;
};

// Whether the symbol may be found by name and address.
bool IsSoundSymbol(const CQLXSymbol& symbol);
