#include "shell/tables/POUVarTable.h"

#include "language/OperandDescriptor.h"
#include "platform/StringCopies.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXProject.h"
#include "project/CSymbolAddrIndex.h"
#include "project/NameChecks.h"
#include "project/OwnedObjects.h"
#include "shell/tables/TableRows.h"

#include <cstdlib>

namespace {

const int BitEntryCount = 32;
const int ByteEntryCount = 12;
const int FirstAllocatedByte = 4;  // byte entry j is L byte j + 4

struct KindName { const char* text; DWORD word; };
const KindName Kinds[] = {
    {"VAR_INPUT", VarKindInput}, {"VAR_IN_OUT", VarKindInOut}, {"VAR_OUTPUT", VarKindOutput}, {"VAR", VarKindLocal}};

const char* const TypeNames[] = {"BOOL", "BYTE", "WORD", "INT", "DWORD", "DINT", "REAL"};

CByteArray* Sized(CByteArray& entries, int count) {
    if (entries.GetSize() < count)
        entries.SetSize(count);  // a project made before carries none yet
    return &entries;
}

// The first run of width free entries starting at a multiple of step.
int FindFree(const CByteArray& entries, int count, int width, int step) {
    for (int first = 0; first + width <= count; first += step) {
        bool free = true;
        for (int i = first; i < first + width && free; ++i)
            free = entries[i] == 0;
        if (free)
            return first;
    }
    return -1;
}

}  // namespace

DWORD VarKindWord(const CString& kind) {
    for (const KindName& k : Kinds) {
        if (kind == k.text)
            return k.word;
    }
    return 0;
}

CPOUVarTable::~CPOUVarTable() { DeleteMapValues(m_groups); }

// ---- Rows ------------------------------------------------------------------------------

const PouVarRow* CPOUVarTable::RowAt(int row) const { return Row(row); }

std::unique_ptr<PouVarRow> CPOUVarTable::NewRow(const PouVarRow* model) const {
    auto row = std::make_unique<PouVarRow>();
    if (model != nullptr) {
        row->kind = model->kind;
        row->kindWord = model->kindWord;
        row->dataType = model->dataType;
        row->typeWord = model->typeWord & ~VarInLocalArea;
    }
    return row;
}

void CPOUVarTable::SetRowCount(int rows) {
    rows = std::min(rows, MaxRows);
    // A subroutine's new rows continue its last kind; an empty one starts with one row
    // of each parameter kind.
    bool wasEmpty = m_rows.empty();
    CString lastKind = wasEmpty ? CString() : m_rows.back()->kind;
    while (GetRowCount() < rows) {
        int position = GetRowCount();
        auto row = NewRow(nullptr);
        row->dataType = "BOOL";
        row->typeWord = OD_BOOL;
        if (!m_subroutine)
            row->kind = "VAR";
        else if (wasEmpty)
            row->kind = position < 3 ? Kinds[position].text : "VAR";
        else
            row->kind = lastKind;
        row->kindWord = VarKindWord(row->kind);
        row->index = position;
        m_rows.push_back(std::move(row));
    }
    m_grid.SetGridRowCount(GetRowCount());
}

BOOL CPOUVarTable::DeleteRows(int first, int count) {
    int size = GetRowCount();
    if (size < 2 || !IsRowRangeInside(first, count, size))
        return FALSE;
    if (count == size)
        --count;  // the table keeps one row
    for (int i = first; i < first + count; ++i)
        EmptyName(Row(i));
    m_rows.erase(m_rows.begin() + first, m_rows.begin() + first + count);
    Renumber();
    m_grid.RemoveRows(first, count);
    return TRUE;
}

BOOL CPOUVarTable::InsertRows(int at, int count, int focusRow) {
    if (!IsInsertPositionInside(at, count, GetRowCount()) || GetRowCount() + count > MaxRows)
        return FALSE;
    const PouVarRow* model = Row(focusRow);
    std::vector<std::unique_ptr<PouVarRow>> added;
    for (int i = 0; i < count; ++i)
        added.push_back(NewRow(model));
    m_rows.insert(m_rows.begin() + at, std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    Renumber();
    m_grid.InsertRows(at, count);
    return TRUE;
}

void CPOUVarTable::Renumber() {
    for (int i = 0; i < GetRowCount(); ++i)
        m_rows[i]->index = i;
    for (POSITION at = m_groups.GetStartPosition(); at != nullptr;) {
        CString name;
        CObject* group;
        m_groups.GetNextAssoc(at, name, group);
        CMapWordToOb& members = static_cast<CSymbolAddrIndex*>(group)->nameMembers;
        std::vector<PouVarRow*> rows;
        for (POSITION m = members.GetStartPosition(); m != nullptr;) {
            WORD index;
            CObject* member;
            members.GetNextAssoc(m, index, member);
            rows.push_back(static_cast<PouVarRow*>(member));
        }
        members.RemoveAll();
        for (PouVarRow* row : rows)
            members.SetAt(static_cast<WORD>(row->index), row);
    }
}

void CPOUVarTable::RemoveAllRows() {
    for (auto& row : m_rows) {
        LeaveMaps(row.get());
        if (row->complete)
            Release(row.get());
    }
    m_rows.clear();
    DeleteMapValues(m_groups);
}

// ---- Cells -----------------------------------------------------------------------------

void CPOUVarTable::GetCellText(int col, int row, CString& text, int& mark) const {
    text.Empty();
    mark = CPMarkPlain;
    const PouVarRow* var = Row(row);
    if (var == nullptr)
        return;
    switch (col) {
    case ColAddress: text = var->address; break;
    case ColName:
        text = var->name;
        mark = var->nameValid && var->addressRoom ? CPMarkPlain : CPMarkError;
        break;
    case ColKind:
        text = var->kind;
        mark = var->addressRoom ? CPMarkPlain : CPMarkError;
        break;
    case ColType:
        text = var->dataType;
        mark = var->addressRoom ? CPMarkPlain : CPMarkError;
        break;
    default:
        text = var->comment;
        mark = CPMarkComment;
        break;
    }
}

void CPOUVarTable::GetKindChoices(CStringArray& choices) const {
    choices.RemoveAll();
    for (const KindName& k : Kinds) {
        if (m_subroutine || k.word == VarKindLocal)
            choices.Add(k.text);
    }
}

void CPOUVarTable::GetTypeChoices(CStringArray& choices) {
    choices.RemoveAll();
    for (const char* type : TypeNames)
        choices.Add(type);
}

void CPOUVarTable::Commit(int col, int row, const CString& typed) {
    PouVarRow* var = Row(row);
    if (var == nullptr)
        return;
    CString text = Trimmed(typed);
    switch (col) {
    case ColName: CommitName(var, text); break;
    case ColKind:
        var->kind = text;
        var->kindWord = VarKindWord(text);
        break;
    case ColType: {
        DWORD bit = 0;
        var->dataType = text;
        CPlcWorkspace::ParseDataTypeName(text, bit);
        var->typeWord = bit;
        break;
    }
    case ColComment:
        if (!var->name.IsEmpty() || !var->comment.IsEmpty())
            var->comment = text;
        break;
    default: return;
    }
    Finish(var);
}

void CPOUVarTable::CommitName(PouVarRow* row, const CString& text) {
    LeaveMaps(row);
    CString old = row->name;
    row->name = text;
    bool unique = UpdateDuplicates(row, old, text);
    row->nameValid = unique && !text.IsEmpty() && CheckVariableName(text, FALSE);
    if (!row->nameValid)
        Release(row);
}

// A row with a valid name, a kind and a type gets its address afresh; a complete row
// carries the L mark and is found by its name, address and upper-cased name.
void CPOUVarTable::Finish(PouVarRow* row) {
    LeaveMaps(row);
    if (row->nameValid && !row->kind.IsEmpty() && !row->dataType.IsEmpty())
        Allocate(row);
    row->complete = row->nameValid && !row->address.IsEmpty() && !row->kind.IsEmpty() && !row->dataType.IsEmpty();
    if (row->complete) {
        row->typeWord |= VarInLocalArea;
        EnterMaps(row);
    } else {
        row->typeWord &= ~VarInLocalArea;
    }
}

// A row left alone with its name after its group dissolves is checked again.
void CPOUVarTable::CheckName(PouVarRow* row) {
    row->nameValid = !row->name.IsEmpty() && CheckVariableName(row->name, FALSE);
    if (!row->nameValid)
        Release(row);
    Finish(row);
}

bool CPOUVarTable::UpdateDuplicates(PouVarRow* row, const CString& oldName, const CString& newName) {
    if (oldName != newName)
        LeaveGroup(row, oldName);
    if (newName.IsEmpty())
        return true;
    CObject* found = nullptr;
    if (m_groups.Lookup(newName, found)) {
        static_cast<CSymbolAddrIndex*>(found)->nameMembers.SetAt(static_cast<WORD>(row->index), row);
        return false;
    }
    CObject* carrier = nullptr;
    if (!m_byName.Lookup(newName, carrier) || carrier == row)
        return true;
    auto* other = static_cast<PouVarRow*>(carrier);
    auto* group = new CSymbolAddrIndex;
    group->nameMembers.SetAt(static_cast<WORD>(other->index), other);
    group->nameMembers.SetAt(static_cast<WORD>(row->index), row);
    m_groups.SetAt(newName, group);
    LeaveMaps(other);
    Release(other);
    other->nameValid = false;
    other->complete = false;
    other->typeWord &= ~VarInLocalArea;
    return false;
}

void CPOUVarTable::LeaveGroup(PouVarRow* row, const CString& name) {
    CObject* found = nullptr;
    if (name.IsEmpty() || !m_groups.Lookup(name, found))
        return;
    auto* group = static_cast<CSymbolAddrIndex*>(found);
    group->nameMembers.RemoveKey(static_cast<WORD>(row->index));
    if (group->nameMembers.GetCount() > 1)
        return;
    PouVarRow* last = nullptr;
    if (POSITION at = group->nameMembers.GetStartPosition()) {
        WORD index;
        CObject* member;
        group->nameMembers.GetNextAssoc(at, index, member);
        last = static_cast<PouVarRow*>(member);
    }
    m_groups.RemoveKey(name);
    delete group;
    if (last != nullptr)
        CheckName(last);
}

// Empties a row's name: it leaves its group and the maps, and gives its address back.
void CPOUVarTable::EmptyName(PouVarRow* row) {
    LeaveMaps(row);
    CString old = row->name;
    row->name.Empty();
    LeaveGroup(row, old);
    if (row->complete)
        Release(row);
    row->nameValid = false;
    row->complete = false;
    row->typeWord &= ~VarInLocalArea;
}

BOOL CPOUVarTable::ClearSelection() {
    int firstCol, lastCol, firstRow, lastRow;
    m_grid.GetSelectRange(firstCol, lastCol, firstRow, lastRow);
    if (m_grid.IsWholeRowSelection())
        return DeleteRows(firstRow, lastRow - firstRow + 1);
    for (int i = firstRow; i <= lastRow; ++i) {
        PouVarRow* row = Row(i);
        if (row == nullptr)
            continue;
        if (firstCol <= ColName && lastCol >= ColName)
            EmptyName(row);
        if (lastCol >= ColComment)
            row->comment.Empty();
    }
    return TRUE;
}

// ---- Maps ------------------------------------------------------------------------------

void CPOUVarTable::EnterMaps(PouVarRow* row) {
    m_byName.SetAt(row->name, row);
    m_byAddress.SetAt(row->address, row);
    m_byUpperName.SetAt(UpperCased(row->name), row);
}

// Names differing only in case share one upper-case key; it goes only with its own row.
void CPOUVarTable::LeaveMaps(PouVarRow* row) {
    RemoveKeyIfPointsTo(m_byName, row->name, row);
    RemoveKeyIfPointsTo(m_byAddress, row->address, row);
    CString upper = UpperCased(row->name);
    if (!RemoveKeyIfPointsTo(m_byUpperName, upper, row))
        return;
    for (auto& other : m_rows) {
        if (other.get() != row && other->complete && UpperCased(other->name) == upper) {
            m_byUpperName.SetAt(upper, other.get());
            return;
        }
    }
}

// ---- Local addresses -------------------------------------------------------------------

CByteArray* CPOUVarTable::BitEntries() const {
    return m_project != nullptr ? Sized(m_project->cpuBlockA, BitEntryCount) : nullptr;
}

CByteArray* CPOUVarTable::ByteEntries() const {
    return m_project != nullptr ? Sized(m_project->cpuBlockB, ByteEntryCount) : nullptr;
}

void CPOUVarTable::Allocate(PouVarRow* row) {
    Release(row);
    CByteArray* bits = BitEntries();
    CByteArray* bytes = ByteEntries();
    row->addressRoom = false;
    if (bits == nullptr || bytes == nullptr)
        return;
    DWORD type = row->typeWord & OD_TYPE_MASK;
    CString address;
    if (type & OD_BOOL) {
        int i = FindFree(*bits, BitEntryCount, 1, 1);
        if (i >= 0) {
            (*bits)[i] = 1;
            address.Format("%s%d.%d", "%L", i / 8, i % 8);
        }
    } else {
        int width = type & OD_BYTE ? 1 : type & (OD_WORD | OD_INT) ? 2 : type & (OD_DWORD | OD_DINT | OD_REAL) ? 4 : 0;
        const char* prefix = width == 1 ? "%LB" : width == 2 ? "%LW" : "%LD";
        int j = width > 0 ? FindFree(*bytes, ByteEntryCount, width, width == 1 ? 1 : 2) : -1;
        if (j >= 0) {
            for (int k = j; k < j + width; ++k)
                (*bytes)[k] = 1;
            address.Format("%s%d", prefix, j + FirstAllocatedByte);
        }
    }
    row->address = address;
    row->addressRoom = !address.IsEmpty();
}

void CPOUVarTable::ReleaseAddress(const CString& address) {
    CByteArray* bits = BitEntries();
    CByteArray* bytes = ByteEntries();
    if (address.GetLength() < 3 || bits == nullptr || bytes == nullptr)
        return;
    int dot = address.Find('.');
    if (dot >= 0) {
        int entry = atoi(address.Mid(2, dot - 2)) * 8 + atoi(address.Mid(dot + 1));
        if (entry >= 0 && entry < BitEntryCount)
            (*bits)[entry] = 0;
        return;
    }
    char size = address[2];
    int width = size == 'B' ? 1 : size == 'W' ? 2 : size == 'D' ? 4 : 0;
    int first = atoi(address.Mid(3)) - FirstAllocatedByte;
    for (int k = first; k < first + width; ++k) {
        if (k >= 0 && k < ByteEntryCount)
            (*bytes)[k] = 0;
    }
}
