// A POU variable table's declarations: read from and written as variable-file lines,
// looked up by the editors, and turned into a subroutine's parameter list.
#include "shell/tables/POUVarTable.h"

#include "platform/StringCopies.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXFBPara.h"
#include "project/CQLXFunc.h"
#include "project/CQLXProject.h"

#include <cctype>

namespace {

struct KindGroup { const char* header; DWORD bits; };
// The file's groups in their order, by the kind word's input and output bits.
const KindGroup Groups[] = {{"VAR_INPUT", 0x2000}, {"VAR_IN_OUT", 0x6000}, {"VAR_OUTPUT", 0x4000}, {"VAR", 0}};
const DWORD DirectionBits = 0x6000;

// The operand areas a parameter of the type accepts, as input and as output or in-out.
struct ParamAreas { DWORD type; DWORD input; DWORD output; };
const ParamAreas Areas[] = {
    {OD_BOOL, 0x61FE1000, 0x18C0000},
    {OD_BYTE | OD_WORD | OD_DWORD, 0x19E1000, 0x18C0000},
    {OD_INT, 0x19FE1000, 0x118C0000},
    {OD_DINT, 0x59E1000, 0x18C0000},
    {OD_REAL, 0x1800000, 0x1800000},
};

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

// The first "AT" with white space on both sides; -1 when there is none.
int FindSeparator(const CString& line) {
    for (int at = line.Find("AT"); at >= 0; at = line.Find("AT", at + 1)) {
        if (at > 0 && IsBlank(line[at - 1]) && at + 2 < line.GetLength() && IsBlank(line[at + 2]))
            return at;
    }
    return -1;
}

CString Between(const CString& line, int from, int to) { return Trimmed(line.Mid(from, to - from)); }

}  // namespace

void CPOUVarTable::ReadDeclarations(const CStringArray& lines) {
    RemoveAllRows();
    CString kind;
    for (INT_PTR i = 0; i < lines.GetSize() && GetRowCount() < MaxRows; ++i) {
        CString line = Trimmed(lines[i]);
        if (line.IsEmpty())
            continue;
        if (VarKindWord(line) != 0) {
            kind = line;
            continue;
        }
        if (line == "END_VAR") {
            kind.Empty();
            continue;
        }
        int at = FindSeparator(line);
        int colon = at >= 0 ? line.Find(':', at + 2) : -1;
        int semicolon = colon >= 0 ? line.Find(';', colon + 1) : -1;
        if (semicolon < 0)
            continue;  // not a declaration
        auto row = NewRow(nullptr);
        row->index = GetRowCount();
        row->name = Between(line, 0, at);
        row->address = Between(line, at + 2, colon);
        row->dataType = Between(line, colon + 1, semicolon);
        int open = line.Find("(*");
        int close = open >= 0 ? line.Find("*)", open + 2) : -1;
        if (close >= 0)
            row->comment = Between(line, open + 2, close);
        row->kind = kind;
        row->kindWord = VarKindWord(kind);
        DWORD bit = 0;
        bool knownType = CPlcWorkspace::ParseDataTypeName(row->dataType, bit) && bit != 0;
        row->typeWord = bit;  // a type outside the seven leaves the row incomplete
        row->nameValid = knownType;
        m_rows.push_back(std::move(row));
    }
    // Every address the file names is given back before any is taken afresh: released
    // one by one, a later row's old address could free bytes an earlier row just took.
    for (auto& row : m_rows) {
        if (row->nameValid)
            ReleaseAddress(row->address);
    }
    for (auto& row : m_rows) {
        if (row->nameValid) {
            row->address.Empty();
            Finish(row.get());
        }
    }
    m_grid.SetGridRowCount(GetRowCount());
}

bool CPOUVarTable::HasCompleteRow() const {
    for (const auto& row : m_rows) {
        if (row->complete)
            return true;
    }
    return false;
}

bool CPOUVarTable::IsUnplaced(int index) const {
    const PouVarRow* row = Row(index);
    return row != nullptr && row->nameValid && !row->complete && !row->addressRoom && !row->kind.IsEmpty() &&
           (row->typeWord & OD_TYPE_MASK) != 0;
}

void CPOUVarTable::GetUnplacedNames(CStringArray& names) const {
    names.RemoveAll();
    for (int i = 0; i < GetRowCount(); ++i) {
        if (IsUnplaced(i))
            names.Add(m_rows[i]->name);
    }
}

BOOL CPOUVarTable::PlaceUnplacedRows() {
    BOOL placed = FALSE;
    for (int i = 0; i < GetRowCount(); ++i) {
        if (IsUnplaced(i)) {
            Finish(m_rows[i].get());
            placed |= m_rows[i]->complete ? TRUE : FALSE;
        }
    }
    return placed;
}

void CPOUVarTable::GetDeclarations(CStringArray& lines, bool trailingBlank) const {
    const char* format = trailingBlank ? "    %s  AT  %s : %s ; (* %s *) " : "    %s  AT  %s : %s ; (* %s *)";
    for (const KindGroup& group : Groups) {
        bool started = false;
        for (const auto& row : m_rows) {
            if (!row->complete || (row->kindWord & DirectionBits) != group.bits)
                continue;
            if (!started)
                lines.Add(group.header);
            started = true;
            CString line;
            line.Format(format, (LPCSTR)row->name, (LPCSTR)row->address, (LPCSTR)row->dataType,
                        (LPCSTR)row->comment);
            lines.Add(line);
        }
        if (started)
            lines.Add("END_VAR");
    }
}

BOOL CPOUVarTable::LookupVariable(const CString& upperName, OperandDescriptor& flags) const {
    CObject* found = nullptr;
    if (!m_byUpperName.Lookup(upperName, found))
        return FALSE;
    const auto* row = static_cast<const PouVarRow*>(found);
    flags = row->typeWord | row->kindWord;
    return TRUE;
}

void CPOUVarTable::GetDeclaredVariables(CStringArray& names, CStringArray& addresses) const {
    names.RemoveAll();
    addresses.RemoveAll();
    for (const auto& row : m_rows) {
        if (row->complete) {
            names.Add(row->name);
            addresses.Add(row->address);
        }
    }
}

BOOL CPOUVarTable::BuildParamList(const CString& pouName) const {
    CObject* found = nullptr;
    if (m_project == nullptr || pouName.IsEmpty() ||
        !(m_project->sbrFuncByName.Lookup(pouName, found) ||
          m_project->sbrFuncByUpperName.Lookup(UpperCased(pouName), found)))
        return FALSE;
    auto* descriptor = static_cast<CQLXFunc*>(found);
    descriptor->DeleteParams();
    auto add = [&](const CString& name, DWORD flags, bool input) {
        auto* param = new CQLXFBPara;
        param->SetNameAndFlags(name, flags);
        if (input)
            descriptor->AddInput(param);
        else
            descriptor->AddOutput(param);
    };
    auto addRows = [&](DWORD direction, bool input) {
        for (const auto& row : m_rows) {
            if (!row->complete || (row->kindWord & DirectionBits) != direction)
                continue;
            DWORD areas = 0;
            for (const ParamAreas& a : Areas) {
                if (row->typeWord & a.type)
                    areas = direction == 0x2000 ? a.input : a.output;
            }
            add(row->name, row->typeWord | row->kindWord | areas, input);
        }
    };
    add("EN", 0x2001, true);
    addRows(0x2000, true);
    addRows(0x6000, true);
    add("ENO", 0x4001, false);
    addRows(0x4000, false);
    return TRUE;
}
