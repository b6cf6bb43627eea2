#pragma once

#include "project/FBParamLists.h"

// A function of the instruction catalogue, or a subroutine's call descriptor.
class CQLXFunc : public CObject, public FBParamLists {
    DECLARE_SERIAL(CQLXFunc)
public:
    CQLXFunc() = default;
    void Serialize(CArchive& ar) override;

    // Becomes a copy of the other descriptor with its own parameter objects; copying
    // onto itself changes nothing.
    void CopyFrom(const CQLXFunc& other);
    // Empties the name, zeroes the number and deletes every parameter.
    void Reset();
    // Trims the text; a blank text leaves the name as it is.
    void SetName(const CString& text);
    // Refuses 0 (FALSE, number unchanged).
    BOOL SetNumber(WORD newNumber);
    // Adds the parameter to the inputs when the flags have the input bit (in-out
    // included), to the outputs when they have only the output bit; otherwise adds
    // nothing and gives FALSE, the parameter staying the caller's.
    BOOL AddParamByFlags(CQLXFBPara* param, DWORD paramFlags);

    CString name;
    WORD number = 0;   // subroutine number; 0 for catalogue functions
};
