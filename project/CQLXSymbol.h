#pragma once

#include "platform/Afx.h"

// One global variable of the project.
class CQLXSymbol : public CObject {
    DECLARE_SERIAL(CQLXSymbol)
public:
    CQLXSymbol() = default;
    // Stores the address with its leading "%", adding it to the object first.
    void Serialize(CArchive& ar) override;

    CString name;
    CString address;
    CString comment;
    CString dataType;          // "BOOL", "BYTE", "WORD", "INT", "DWORD", "DINT" or "REAL"
    DWORD descriptor = 0;      // OperandDescriptor: area bits of the address with the type bit
    DWORD conflictMarks = 0;   // set by the global-variable table; not saved
    int index = -1;            // position in the project's symbol list; not saved
};
