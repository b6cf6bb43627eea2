#include "shell/tables/GlobalVarTable.h"

#include "language/DirectAddress.h"
#include "platform/StringCopies.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXProject.h"
#include "project/CQLXSymbol.h"
#include "project/CSymbolAddrIndex.h"
#include "project/NameChecks.h"
#include "shell/tables/TableRows.h"

#include <functional>

// A kind of duplicate group: the project's groups, the map of carried texts, the
// symbol's text, the group's member map and the mark a member carries.
struct CGlobalVarTable::GroupKind {
    CMapStringToOb CQLXProject::*groups;
    CMapStringToOb CQLXProject::*carriers;
    CString CQLXSymbol::*text;
    CMapWordToOb CSymbolAddrIndex::*members;
    DWORD mark;
};

const CGlobalVarTable::GroupKind CGlobalVarTable::NameGroups = {
    &CQLXProject::duplicateNames, &CQLXProject::symbolsByName, &CQLXSymbol::name, &CSymbolAddrIndex::nameMembers,
    SymbolDuplicateName};
const CGlobalVarTable::GroupKind CGlobalVarTable::AddressGroups = {
    &CQLXProject::duplicateAddresses, &CQLXProject::symbolsByAddress, &CQLXSymbol::address,
    &CSymbolAddrIndex::addressMembers, SymbolDuplicateAddress};

namespace {

CSymbolAddrIndex* FindGroup(CMapStringToOb& groups, const CString& text) {
    CObject* group = nullptr;
    return groups.Lookup(text, group) ? static_cast<CSymbolAddrIndex*>(group) : nullptr;
}

// The data-type choices an address's type bits allow, the first being the default.
void TypeChoicesOf(DWORD typeBits, CStringArray& choices) {
    static const char* const all[] = {"BOOL", "BYTE", "INT", "WORD", "DINT", "DWORD", "REAL"};
    int first = 0, count = 7;
    if (typeBits & OD_BOOL)
        first = 0, count = 1;
    else if (typeBits & OD_BYTE)
        first = 1, count = 1;
    else if (typeBits & (OD_WORD | OD_INT))
        first = 2, count = 2;
    else if (typeBits & (OD_DWORD | OD_DINT))
        first = 4, count = 2;
    else if (typeBits & OD_REAL)
        first = 6, count = 1;
    choices.RemoveAll();
    for (int i = first; i < first + count; ++i)
        choices.Add(all[i]);
}

}  // namespace

bool IsSoundSymbol(const CQLXSymbol& symbol) {
    return !symbol.name.IsEmpty() && !symbol.address.IsEmpty() && symbol.conflictMarks == 0;
}

// ---- Rows ------------------------------------------------------------------------------

int CGlobalVarTable::GetSymbolCount() const { return static_cast<int>(m_project.symbolList.GetSize()); }

CQLXSymbol* CGlobalVarTable::SymbolAt(int row) const {
    return row >= 0 && row < GetSymbolCount() ? static_cast<CQLXSymbol*>(m_project.symbolList[row]) : nullptr;
}

void CGlobalVarTable::SetRowCount(int rows) {
    m_grid.SetGridRowCount(rows);
    while (GetSymbolCount() < rows) {
        auto* symbol = new CQLXSymbol;
        symbol->index = GetSymbolCount();
        m_project.symbolList.Add(symbol);
    }
}

BOOL CGlobalVarTable::DeleteRows(int first, int count) {
    int size = GetSymbolCount();
    if (size < 2 || !IsRowRangeInside(first, count, size))
        return FALSE;
    if (count == size)
        --count;  // the table keeps one row
    for (int row = first; row < first + count; ++row) {
        CQLXSymbol* symbol = SymbolAt(row);
        LeaveMaps(symbol);
        LeaveGroup(NameGroups, symbol, symbol->name);
        LeaveGroup(AddressGroups, symbol, symbol->address);
    }
    for (int row = first; row < first + count; ++row)
        delete SymbolAt(row);
    m_project.symbolList.RemoveAt(first, count);
    Renumber();
    m_grid.RemoveRows(first, count);
    return TRUE;
}

BOOL CGlobalVarTable::InsertRows(int at, int count) {
    if (!IsInsertPositionInside(at, count, GetSymbolCount()))
        return FALSE;
    for (int i = 0; i < count; ++i)
        m_project.symbolList.InsertAt(at, new CQLXSymbol);
    Renumber();
    m_grid.InsertRows(at, count);
    return TRUE;
}

// Row indices follow positions; every group's members are keyed again by them.
void CGlobalVarTable::Renumber() {
    for (int row = 0; row < GetSymbolCount(); ++row)
        SymbolAt(row)->index = row;
    for (const GroupKind* kind : {&NameGroups, &AddressGroups}) {
        CMapStringToOb& groups = m_project.*(kind->groups);
        for (POSITION at = groups.GetStartPosition(); at != nullptr;) {
            CString text;
            CObject* group = nullptr;
            groups.GetNextAssoc(at, text, group);
            CMapWordToOb& members = static_cast<CSymbolAddrIndex*>(group)->*(kind->members);
            std::vector<CQLXSymbol*> symbols;
            for (POSITION m = members.GetStartPosition(); m != nullptr;) {
                WORD row;
                CObject* symbol;
                members.GetNextAssoc(m, row, symbol);
                symbols.push_back(static_cast<CQLXSymbol*>(symbol));
            }
            members.RemoveAll();
            for (CQLXSymbol* symbol : symbols)
                members.SetAt(static_cast<WORD>(symbol->index), symbol);
        }
    }
}

void CGlobalVarTable::Sort(int col, CPSortOrder order) {
    CString CQLXSymbol::*key = col == ColName ? &CQLXSymbol::name
                               : col == ColAddress ? &CQLXSymbol::address
                                                   : &CQLXSymbol::dataType;
    std::vector<CObject*> rows(m_project.symbolList.GetData(), m_project.symbolList.GetData() + GetSymbolCount());
    SortRowsByKey(rows, [key](CObject* row) -> const CString& { return static_cast<CQLXSymbol*>(row)->*key; },
                  order == CPSortAscending);
    for (size_t i = 0; i < rows.size(); ++i)
        m_project.symbolList[i] = rows[i];
    Renumber();
}

// ---- Cells -----------------------------------------------------------------------------

void CGlobalVarTable::GetCellText(int col, int row, CString& text, int& mark) const {
    text.Empty();
    mark = CPMarkPlain;
    const CQLXSymbol* symbol = SymbolAt(row);
    if (symbol == nullptr)
        return;
    switch (col) {
    case ColName:
        text = symbol->name;
        mark = symbol->conflictMarks & (SymbolDuplicateName | SymbolInvalidName) ? CPMarkError : CPMarkPlain;
        break;
    case ColAddress:
        text = symbol->address;
        mark = symbol->conflictMarks & (SymbolDuplicateAddress | SymbolInvalidAddress) ? CPMarkError : CPMarkPlain;
        break;
    case ColType: text = symbol->dataType; break;
    default:
        text = symbol->comment;
        mark = CPMarkComment;
        break;
    }
}

void CGlobalVarTable::Commit(int col, int row, const CString& typed) {
    CQLXSymbol* symbol = SymbolAt(row);
    if (symbol == nullptr)
        return;
    CString text = Trimmed(typed);
    symbol->index = row;
    LeaveMaps(symbol);
    switch (col) {
    case ColName: CommitName(symbol, text); break;
    case ColAddress: CommitAddress(symbol, text); break;
    case ColType: CommitType(symbol, text); break;
    default: symbol->comment = text; break;
    }
    EnterMaps(symbol);
}

void CGlobalVarTable::CommitName(CQLXSymbol* symbol, const CString& text) {
    CString old = symbol->name;
    symbol->name = text;
    if (text == old)
        return;
    if (text.IsEmpty() || !CheckVariableName(text, TRUE))
        symbol->conflictMarks |= SymbolInvalidName;
    else
        symbol->conflictMarks &= ~SymbolInvalidName;
    UpdateGroup(NameGroups, symbol, old, text);
}

void CGlobalVarTable::CommitAddress(CQLXSymbol* symbol, const CString& text) {
    CString old = symbol->address;
    if (text == old)
        return;
    OperandDescriptor parsed = 0;
    if (text.IsEmpty() || !ParseDirectAddress(text, parsed)) {
        symbol->address = text;
        symbol->conflictMarks |= SymbolInvalidAddress;
    } else {
        symbol->address = UpperCased(text);
        if (symbol->address[0] != '%')
            symbol->address = "%" + symbol->address;
        symbol->conflictMarks &= ~SymbolInvalidAddress;
        CStringArray choices;
        TypeChoicesOf(parsed & OD_TYPE_MASK, choices);
        // A word or double word keeps the unsigned type the user chose before.
        bool keep = choices.GetSize() == 2 && symbol->dataType == choices[1];
        if (!keep)
            symbol->dataType = choices[0];
        DWORD typeBit = 0;
        CPlcWorkspace::ParseDataTypeName(symbol->dataType, typeBit);
        symbol->descriptor = (parsed & OD_AREA_MASK) | typeBit;
    }
    UpdateGroup(AddressGroups, symbol, old, symbol->address);
}

void CGlobalVarTable::CommitType(CQLXSymbol* symbol, const CString& text) {
    symbol->dataType = text;
    DWORD typeBit = 0;
    CPlcWorkspace::ParseDataTypeName(text, typeBit);
    OperandDescriptor parsed = 0;
    DWORD area = ParseDirectAddress(symbol->address, parsed) ? (parsed & OD_AREA_MASK) : 0;
    symbol->descriptor = area | typeBit;
}

void CGlobalVarTable::GetTypeChoices(int row, bool atCreation, CStringArray& choices) const {
    choices.RemoveAll();
    const CQLXSymbol* symbol = SymbolAt(row);
    if (symbol == nullptr)
        return;
    if (atCreation ? !IsSoundSymbol(*symbol)
                   : symbol->address.IsEmpty() || (symbol->conflictMarks & (SymbolDuplicateAddress | SymbolInvalidAddress)))
        return;
    OperandDescriptor parsed = 0;
    if (!ParseDirectAddress(symbol->address, parsed))
        return;
    TypeChoicesOf(parsed & OD_TYPE_MASK, choices);
}

BOOL CGlobalVarTable::ClearSelection() {
    int firstCol, lastCol, firstRow, lastRow;
    m_grid.GetSelectRange(firstCol, lastCol, firstRow, lastRow);
    if (m_grid.IsWholeRowSelection())
        return DeleteRows(firstRow, lastRow - firstRow + 1);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int col = firstCol; col <= lastCol; ++col)
            ClearCell(col, row);
    }
    return TRUE;
}

void CGlobalVarTable::ClearCell(int col, int row) {
    CQLXSymbol* symbol = SymbolAt(row);
    if (symbol == nullptr)
        return;
    if (col == ColName || col == ColAddress || col == ColComment) {
        Commit(col, row, CString());
    } else if (symbol->conflictMarks != 0) {
        // The type of a sound symbol stays: its address decided it.
        symbol->dataType.Empty();
        symbol->descriptor &= OD_AREA_MASK;
    }
}

// ---- Groups and lookups ------------------------------------------------------------------

void CGlobalVarTable::UpdateGroup(const GroupKind& kind, CQLXSymbol* symbol, const CString& oldText,
                                  const CString& newText) {
    LeaveGroup(kind, symbol, oldText);
    symbol->conflictMarks &= ~kind.mark;
    if (!newText.IsEmpty())
        JoinGroup(kind, symbol, newText);
}

void CGlobalVarTable::LeaveGroup(const GroupKind& kind, CQLXSymbol* symbol, const CString& text) {
    CSymbolAddrIndex* group = FindGroup(m_project.*(kind.groups), text);
    if (group == nullptr)
        return;
    CMapWordToOb& members = group->*(kind.members);
    members.RemoveKey(static_cast<WORD>(symbol->index));
    if (members.GetCount() > 1)
        return;
    // A group of one is no group: its last member is unique again.
    CQLXSymbol* last = nullptr;
    if (POSITION at = members.GetStartPosition()) {
        WORD row;
        CObject* member;
        members.GetNextAssoc(at, row, member);
        last = static_cast<CQLXSymbol*>(member);
    }
    (m_project.*(kind.groups)).RemoveKey(text);
    delete group;
    if (last != nullptr) {
        last->conflictMarks &= ~kind.mark;
        EnterMaps(last);
    }
}

void CGlobalVarTable::JoinGroup(const GroupKind& kind, CQLXSymbol* symbol, const CString& text) {
    CMapStringToOb& groups = m_project.*(kind.groups);
    CSymbolAddrIndex* group = FindGroup(groups, text);
    if (group == nullptr) {
        CObject* carrier = nullptr;
        if (!(m_project.*(kind.carriers)).Lookup(text, carrier) || carrier == symbol)
            return;  // unique
        auto* other = static_cast<CQLXSymbol*>(carrier);
        group = new CSymbolAddrIndex;
        groups.SetAt(text, group);
        (group->*(kind.members)).SetAt(static_cast<WORD>(other->index), other);
        other->conflictMarks |= kind.mark;
        LeaveSoundMaps(other);
    }
    (group->*(kind.members)).SetAt(static_cast<WORD>(symbol->index), symbol);
    symbol->conflictMarks |= kind.mark;
}

void CGlobalVarTable::EnterMaps(CQLXSymbol* symbol) {
    if (!symbol->name.IsEmpty())
        m_project.symbolsByName.SetAt(symbol->name, symbol);
    if (!symbol->address.IsEmpty())
        m_project.symbolsByAddress.SetAt(symbol->address, symbol);
    if (IsSoundSymbol(*symbol)) {
        m_project.symbolsByKey.SetAt(symbol->name, symbol);
        m_project.symbolsByKey.SetAt(symbol->address, symbol);
        m_project.symbolsByUpperName.SetAt(UpperCased(symbol->name), symbol);
    } else {
        LeaveSoundMaps(symbol);
    }
}

void CGlobalVarTable::LeaveMaps(CQLXSymbol* symbol) {
    LeaveSoundMaps(symbol);
    LeaveCarrierMap(NameGroups, symbol);
    LeaveCarrierMap(AddressGroups, symbol);
}

// Names differing only in case share one upper-case key: the key goes only with the
// symbol it names, and passes to another sound symbol of that name if there is one.
void CGlobalVarTable::LeaveSoundMaps(CQLXSymbol* symbol) {
    RemoveKeyIfPointsTo(m_project.symbolsByKey, symbol->name, symbol);
    RemoveKeyIfPointsTo(m_project.symbolsByKey, symbol->address, symbol);
    CString upper = UpperCased(symbol->name);
    if (!RemoveKeyIfPointsTo(m_project.symbolsByUpperName, upper, symbol))
        return;
    for (int row = 0; row < GetSymbolCount(); ++row) {
        CQLXSymbol* other = SymbolAt(row);
        if (other != symbol && IsSoundSymbol(*other) && UpperCased(other->name) == upper) {
            m_project.symbolsByUpperName.SetAt(upper, other);
            return;
        }
    }
}

// The carried-text map keeps the text while another member of its group carries it.
void CGlobalVarTable::LeaveCarrierMap(const GroupKind& kind, CQLXSymbol* symbol) {
    const CString& text = symbol->*(kind.text);
    CMapStringToOb& carriers = m_project.*(kind.carriers);
    if (!RemoveKeyIfPointsTo(carriers, text, symbol))
        return;
    if (CSymbolAddrIndex* group = FindGroup(m_project.*(kind.groups), text)) {
        CMapWordToOb& members = group->*(kind.members);
        for (POSITION at = members.GetStartPosition(); at != nullptr;) {
            WORD row;
            CObject* member;
            members.GetNextAssoc(at, row, member);
            if (member != symbol) {
                carriers.SetAt(text, member);
                return;
            }
        }
    }
}
