#pragma once

#include "platform/Afx.h"

// One monitor cell: a byte of PLC memory, or a timer, counter or other single cell,
// watched online. The monitor worker writes statusBit and value; the file keeps only
// the cell's text and address code.
class CQLXStatus : public CObject {
    DECLARE_SERIAL(CQLXStatus)
public:
    CQLXStatus() = default;
    void Serialize(CArchive& ar) override;

    CString cellText;       // key in the project's monitor operand map
    WORD addressCode = 0;
    DWORD statusBit = 0;    // not saved
    DWORD value = 0;        // not saved
};
