#pragma once

#include "compiler/PouSymbol.h"
#include "language/AreaPrefixTable.h"
#include "language/LiteralParser.h"
#include "platform/CString.h"

#include <cstdint>

// One record of the compiler's variable lists: a variable (global, POU variable,
// subroutine parameter or call variable) or a function-block instance.
class CVarSymbol {
public:
    enum EntryKind { kVariable = 0, kFbInstance = 2 };
    // Parameter classes by declaring section.
    enum ParamClass { kNoParam = 0, kInputParam = 1, kInOutParam = 2, kOutputParam = 3 };

    CVarSymbol() = default;
    virtual ~CVarSymbol() = default;

    void SetVariable(const CString& name, OperandDescriptor descriptor, const CString& address,
                     const AreaPrefixSpec& areaRecord, uint16_t addressCode,
                     const LiteralValue& initialValue, bool isGlobal, int paramClass);
    void SetFbInstance(const CString& name, const CString& fbType);

    int entryKind = kVariable;
    bool isGlobal = false;
    int paramClass = kNoParam;
    OperandDescriptor descriptor = 0;
    CString name;     // upper case; <program>.<name> when declared for a program
    CString address;  // the AT address without "AT", upper case; empty without one
    uint16_t addressCode = 0;
    AreaPrefixSpec areaRecord{};
    LiteralValue initialValue{};
    CString fbType;
    CVarSymbol* next = nullptr;
};

// The declared-variable list (variables, FB instances and the call variables of
// subroutines given as IL files) and the second list (call variables of subroutines
// given in the alternative source kind).
void AddDeclaredVar(const CString& name, OperandDescriptor descriptor, const CString& address,
                    const AreaPrefixSpec& areaRecord, uint16_t addressCode,
                    const LiteralValue& initialValue, bool isGlobal, int paramClass);
void AddSecondaryVar(const CString& name, OperandDescriptor descriptor, const CString& address,
                     const AreaPrefixSpec& areaRecord, uint16_t addressCode,
                     const LiteralValue& initialValue, bool isGlobal, int paramClass);
// Registers the instance's monitor cells, then appends it to the declared list.
void AddFbInstanceVar(const CString& name, const CString& fbType);
bool IsDeclaredVar(const CString& name);
CVarSymbol* FindDeclaredVar(const CString& name);
// The first global declared at the address (without "AT"); null when none is.
const CVarSymbol* FindDeclaredGlobalAt(const CString& address);
CVarSymbol* FindSecondaryVar(const CString& name);
CVarSymbol* GetFirstDeclaredVar();
void ClearVariableLists();

// Subroutine parameters (<unit>.<name> with a parameter class), in declaration order:
// the second list is searched first, then the declared list. Counting fails, with all
// counts 0, for a name that is not a registered unit.
bool CountSubroutineParams(const CString& pou, int& inputs, int& outputs, int& inOuts);
CVarSymbol* FindFirstInputParam(const CString& pou);
CVarSymbol* FindFirstOutputParam(const CString& pou);
CVarSymbol* FindFirstInOutParam(const CString& pou);
// The first such parameter at or after from, within from's list; null when from is null.
CVarSymbol* FindNextInputParam(const CString& pou, CVarSymbol* from);
CVarSymbol* FindNextOutputParam(const CString& pou, CVarSymbol* from);
CVarSymbol* FindNextInOutParam(const CString& pou, CVarSymbol* from);
