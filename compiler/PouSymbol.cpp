#include "compiler/PouSymbol.h"

#include "platform/StringCopies.h"

namespace {

CSymbolList<CPouSymbol>& PouList() {
    static CSymbolList<CPouSymbol> list;
    return list;
}

CSymbolList<CPouSymbol>& LabelList() {
    static CSymbolList<CPouSymbol> list;
    return list;
}

CPouSymbol* FindByName(const CSymbolList<CPouSymbol>& list, const CString& name) {
    return list.FindFirst([&](const CPouSymbol& r) { return r.name == name; });
}

bool IsUnitOfKind(const CString& name, int kind) {
    const CPouSymbol* pou = FindPou(name);
    return pou && pou->kind == kind;
}

bool IsMemberOfKind(const CString& text, int kind) {
    const int dot = text.Find('.');
    return dot >= 0 && IsUnitOfKind(text.Left(dot), kind);
}

}  // namespace

CPouSymbol::CPouSymbol(const CString& name, const CString& displayName, int number, int kind)
    : kind(kind),
      subroutineNumber(kind == kSubroutine ? number : -1),
      interruptNumber(kind == kInterrupt ? number : -1),
      displayName(displayName),
      name(UpperCased(name)) {}

CPouSymbol::CPouSymbol(const CString& labelName)
    : kind(kLabel), subroutineNumber(-1), interruptNumber(-1), displayName(labelName),
      name(labelName) {}

bool CPouSymbol::AddCall(const CString& callee) {
    if (callee.IsEmpty()) return true;
    if (static_cast<int>(calls.size()) >= kMaxCalls) return false;
    for (const CString& held : calls)
        if (held == callee) return true;
    calls.push_back(callee);
    return true;
}

void AddPou(const CString& name, const CString& displayName, int number, int kind) {
    PouList().Append(new CPouSymbol(name, displayName, number, kind));
}

bool IsPouName(const CString& name) { return FindPou(name) != nullptr; }

CPouSymbol* GetFirstPou() { return PouList().First(); }

CPouSymbol* FindPou(const CString& name) { return FindByName(PouList(), name); }

bool IsSubroutineName(const CString& name) { return IsUnitOfKind(name, CPouSymbol::kSubroutine); }

bool IsInterruptName(const CString& name) { return IsUnitOfKind(name, CPouSymbol::kInterrupt); }

bool IsSubroutineMember(const CString& text) { return IsMemberOfKind(text, CPouSymbol::kSubroutine); }

bool IsInterruptMember(const CString& text) { return IsMemberOfKind(text, CPouSymbol::kInterrupt); }

CString GetPouDisplayName(const CString& text) {
    const CString key = UpperCased(text);
    const CPouSymbol* pou = PouList().FindFirst(
        [&](const CPouSymbol& r) { return UpperCased(r.displayName) == key; });
    return pou ? pou->displayName : text;
}

void AddLabel(const CString& name) { LabelList().Append(new CPouSymbol(name)); }

bool IsLabelName(const CString& name) { return FindLabel(name) != nullptr; }

CPouSymbol* FindLabel(const CString& name) { return FindByName(LabelList(), name); }

void ClearPouAndLabelLists() {
    PouList().Clear();
    LabelList().Clear();
}

bool JoinScopedName(const CString& owner, CString& member) {
    if (owner.IsEmpty() || member.IsEmpty()) return false;
    member = owner + "." + member;
    return true;
}

CString GetScopeName(const CString& text) {
    const int dot = text.Find('.');
    return dot < 0 ? CString() : text.Left(dot);
}

CString SplitFilePrefix(const CString& fileName, CString& prefix) {
    const int underscore = fileName.Find('_');
    prefix = underscore < 0 ? CString() : fileName.Left(underscore);
    return prefix;
}
