#pragma once
#include "language/OperandDescriptor.h"
#include "platform/Arrays.h"

// The table of a POU's own variables, as the POU document and the editors use it. The
// POU variable view of the editor window implements it.
class CPOUVarView {
public:
    virtual ~CPOUVarView() = default;
    // The declared variables: names as declared and their address texts, pair by pair.
    virtual void GetDeclaredVariables(CStringArray& names, CStringArray& addresses) const = 0;
    // A complete declared variable by its upper-cased name: its type word with its kind
    // (access) bits. FALSE when no such variable is declared.
    virtual BOOL LookupVariable(const CString& upperName, OperandDescriptor& flags) const = 0;
    // Rebuilds the POU's parameter list in the project (a subroutine's descriptor only).
    virtual void BuildParamList() = 0;
    // Writes the POU's variable file (".ilv", the path the document keeps).
    virtual BOOL WriteVarFile() = 0;
    // Replaces the lines by the declaration text (a heading first) when a complete
    // variable exists; leaves them otherwise.
    virtual void VarDeclToIL(CStringArray& lines) const = 0;
};
