#pragma once

#include "platform/Afx.h"

// Display formats of a status-table row.
enum StatusDisplayFormat {
    DisplayBool = 0x01,       // "BOOL"
    DisplayReal = 0x02,       // "REAL"
    DisplayUnsigned = 0x04,   // "无符号整数"
    DisplaySigned = 0x08,     // "有符号整数"
    DisplayBinary = 0x10,     // "二进制"
    DisplayHex = 0x20,        // "十六进制"
};

// One row of the status table. The status table gives the fields their values;
// this record stores them.
class CStatusInput : public CObject {
    DECLARE_SERIAL(CStatusInput)
public:
    CStatusInput() = default;
    void Serialize(CArchive& ar) override;
    // Frees the texts.
    void DestroyMembers();

    CString address;
    WORD addressCode = 0;
    DWORD descriptor = 0;      // OperandDescriptor of the address
    DWORD rowState = 0;
    CString rowTextA;
    DWORD displayFormat = 0;   // StatusDisplayFormat
    CString rowTextB;
    DWORD rowValue = 0;        // the value that forcing writes
    DWORD rowWordB = 0;
    DWORD rowWordC = 0;
};
