#pragma once

#include "platform/Afx.h"

// One row of the initial-data table.
class CQLXInitData : public CObject {
    DECLARE_SERIAL(CQLXInitData)
public:
    CQLXInitData();
    void Serialize(CArchive& ar) override;

    CStringArray texts;     // entry 0 the address text, then one text per initial value
    CDWordArray values;     // entry 0 the address code (low 16 bits), then the values
    DWORD typeFlags = 0;    // data-type bits of the row's address (OperandDescriptor)
    DWORD rowWord = 0;
    CMap<DWORD, DWORD, DWORD, DWORD> valueMap;
};
