#include "compiler/VarSymbol.h"

#include "compiler/MonitorRegistration.h"

#include <string>
#include <unordered_map>

namespace {

CSymbolList<CVarSymbol>& DeclaredList() {
    static CSymbolList<CVarSymbol> list;
    return list;
}

// The declared list is searched for every operand of every statement; with a project's
// thousands of globals a walk of the list per search made the compile quadratic. The
// first record of each name, and of each global address, as a walk would find them.
struct DeclaredIndex {
    std::unordered_map<std::string, CVarSymbol*> byName;
    std::unordered_map<std::string, CVarSymbol*> globalByAddress;

    void Add(CVarSymbol* var) {
        byName.emplace(var->name.GetString(), var);
        if (var->isGlobal)
            globalByAddress.emplace(var->address.GetString(), var);
    }
    void Clear() {
        byName.clear();
        globalByAddress.clear();
    }
};

DeclaredIndex& Index() {
    static DeclaredIndex index;
    return index;
}

void AppendDeclared(CVarSymbol* var) {
    DeclaredList().Append(var);
    Index().Add(var);
}

CVarSymbol* Found(const std::unordered_map<std::string, CVarSymbol*>& map, const CString& key) {
    const auto found = map.find(key.GetString());
    return found == map.end() ? nullptr : found->second;
}

CSymbolList<CVarSymbol>& SecondaryList() {
    static CSymbolList<CVarSymbol> list;
    return list;
}

CVarSymbol* FindByName(const CSymbolList<CVarSymbol>& list, const CString& name) {
    return list.FindFirst([&](const CVarSymbol& r) { return r.name == name; });
}

bool IsParamOf(const CVarSymbol& var, const CString& pou, int paramClass) {
    return var.paramClass == paramClass && IsSubroutineMember(var.name) &&
           GetScopeName(var.name) == pou;
}

CVarSymbol* FindParamFrom(CVarSymbol* from, const CString& pou, int paramClass) {
    for (CVarSymbol* var = from; var; var = var->next)
        if (IsParamOf(*var, pou, paramClass)) return var;
    return nullptr;
}

CVarSymbol* FindFirstParam(const CString& pou, int paramClass) {
    if (!IsPouName(pou)) return nullptr;
    if (CVarSymbol* var = FindParamFrom(SecondaryList().First(), pou, paramClass)) return var;
    return FindParamFrom(DeclaredList().First(), pou, paramClass);
}

void CountParams(const CVarSymbol* first, const CString& pou, int& inputs, int& outputs,
                 int& inOuts) {
    for (const CVarSymbol* var = first; var; var = var->next) {
        if (!IsSubroutineMember(var->name) || GetScopeName(var->name) != pou) continue;
        if (var->paramClass == CVarSymbol::kInputParam) ++inputs;
        if (var->paramClass == CVarSymbol::kOutputParam) ++outputs;
        if (var->paramClass == CVarSymbol::kInOutParam) ++inOuts;
    }
}

CVarSymbol* NewVariable(const CString& name, OperandDescriptor descriptor,
                        const CString& address, const AreaPrefixSpec& areaRecord,
                        uint16_t addressCode, const LiteralValue& initialValue, bool isGlobal,
                        int paramClass) {
    CVarSymbol* var = new CVarSymbol;
    var->SetVariable(name, descriptor, address, areaRecord, addressCode, initialValue, isGlobal,
                     paramClass);
    return var;
}

}  // namespace

void CVarSymbol::SetVariable(const CString& name, OperandDescriptor descriptor,
                             const CString& address, const AreaPrefixSpec& areaRecord,
                             uint16_t addressCode, const LiteralValue& initialValue,
                             bool isGlobal, int paramClass) {
    entryKind = kVariable;
    this->name = name;
    this->descriptor = descriptor;
    this->address = address;
    this->areaRecord = areaRecord;
    this->addressCode = addressCode;
    this->initialValue = initialValue;
    this->isGlobal = isGlobal;
    this->paramClass = paramClass;
}

void CVarSymbol::SetFbInstance(const CString& name, const CString& fbType) {
    entryKind = kFbInstance;
    this->name = name;
    this->fbType = fbType;
}

void AddDeclaredVar(const CString& name, OperandDescriptor descriptor, const CString& address,
                    const AreaPrefixSpec& areaRecord, uint16_t addressCode,
                    const LiteralValue& initialValue, bool isGlobal, int paramClass) {
    AppendDeclared(NewVariable(name, descriptor, address, areaRecord, addressCode, initialValue, isGlobal,
                               paramClass));
}

void AddSecondaryVar(const CString& name, OperandDescriptor descriptor, const CString& address,
                     const AreaPrefixSpec& areaRecord, uint16_t addressCode,
                     const LiteralValue& initialValue, bool isGlobal, int paramClass) {
    SecondaryList().Append(NewVariable(name, descriptor, address, areaRecord, addressCode,
                                       initialValue, isGlobal, paramClass));
}

void AddFbInstanceVar(const CString& name, const CString& fbType) {
    RegisterMonitorCells(name);
    CVarSymbol* var = new CVarSymbol;
    var->SetFbInstance(name, fbType);
    AppendDeclared(var);
}

bool IsDeclaredVar(const CString& name) { return FindDeclaredVar(name) != nullptr; }

CVarSymbol* FindDeclaredVar(const CString& name) { return Found(Index().byName, name); }

const CVarSymbol* FindDeclaredGlobalAt(const CString& address) { return Found(Index().globalByAddress, address); }

CVarSymbol* FindSecondaryVar(const CString& name) { return FindByName(SecondaryList(), name); }

CVarSymbol* GetFirstDeclaredVar() { return DeclaredList().First(); }

void ClearVariableLists() {
    DeclaredList().Clear();
    Index().Clear();
    SecondaryList().Clear();
}

bool CountSubroutineParams(const CString& pou, int& inputs, int& outputs, int& inOuts) {
    inputs = outputs = inOuts = 0;
    if (!IsPouName(pou)) return false;
    CountParams(SecondaryList().First(), pou, inputs, outputs, inOuts);
    if (inputs == 0 && outputs == 0 && inOuts == 0)
        CountParams(DeclaredList().First(), pou, inputs, outputs, inOuts);
    return true;
}

CVarSymbol* FindFirstInputParam(const CString& pou) {
    return FindFirstParam(pou, CVarSymbol::kInputParam);
}

CVarSymbol* FindFirstOutputParam(const CString& pou) {
    return FindFirstParam(pou, CVarSymbol::kOutputParam);
}

CVarSymbol* FindFirstInOutParam(const CString& pou) {
    return FindFirstParam(pou, CVarSymbol::kInOutParam);
}

CVarSymbol* FindNextInputParam(const CString& pou, CVarSymbol* from) {
    return FindParamFrom(from, pou, CVarSymbol::kInputParam);
}

CVarSymbol* FindNextOutputParam(const CString& pou, CVarSymbol* from) {
    return FindParamFrom(from, pou, CVarSymbol::kOutputParam);
}

CVarSymbol* FindNextInOutParam(const CString& pou, CVarSymbol* from) {
    return FindParamFrom(from, pou, CVarSymbol::kInOutParam);
}
