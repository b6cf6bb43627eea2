#include "language/IlOperandChecks.h"

#include "compiler/CompileVariables.h"
#include "compiler/PouSymbol.h"
#include "compiler/VarSymbol.h"
#include "language/DirectAddress.h"
#include "language/TokenChecker.h"

bool ValidateIdentifierToken(const CString& name) {
    CTokenChecker checker(name);
    return checker.CheckVariableName(name);
}

bool CheckRtcBufferOperand(const CTokenChecker* token) {
    if (!token) return false;
    if (token->GetTokenClass() == CTokenChecker::kDirectAddress)
        return IsRtcBufferAddress(token->GetUpperText());
    if (token->GetTokenClass() != CTokenChecker::kVariable) return false;
    CString scoped = token->GetUpperText();
    const CVarSymbol* var = nullptr;
    if (JoinScopedName(CurrentProgramName, scoped)) var = FindDeclaredVar(scoped);
    if (!var) var = FindDeclaredVar(token->GetUpperText());
    return var && var->entryKind == CVarSymbol::kVariable && IsRtcBufferAddress(var->address);
}
