#pragma once
#include "language/OperandDescriptor.h"
#include "platform/CString.h"

class CPOUVarView;

// The document of one POU editor, as the editor models and the ladder elements use it.
class CPOUEditorDoc {
public:
    virtual ~CPOUEditorDoc() = default;
    // The document's variable view; null when it has none.
    virtual CPOUVarView* GetVarView() const = 0;
    // The POU name: the file name without folder and extension, after its first "_".
    virtual CString GetPOUName() const = 0;
    // A variable of the POU by name: its type word (data-type, area and direction bits).
    virtual BOOL LookupLocalVar(const CString& name, OperandDescriptor& flags) const = 0;
    virtual void SetModifiedFlag(BOOL modified) = 0;
};
