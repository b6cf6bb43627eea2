#pragma once

#include "platform/Afx.h"

// Direction bits of a parameter's OperandDescriptor.
constexpr DWORD ParamInputBit = 0x2000;
constexpr DWORD ParamOutputBit = 0x4000;
constexpr DWORD ParamInOutBits = ParamInputBit | ParamOutputBit;

// One parameter (pin) of a function, function block or subroutine.
class CQLXFBPara : public CObject {
    DECLARE_SERIAL(CQLXFBPara)
public:
    CQLXFBPara();
    CQLXFBPara(const CQLXFBPara&) = delete;
    // Copies name, texts and flags; currentFlags stays as it is.
    CQLXFBPara& operator=(const CQLXFBPara& other);
    void Serialize(CArchive& ar) override;

    DWORD GetFlags() const { return flags; }
    // Trims the name; a blank name is refused (FALSE, nothing changed).
    BOOL SetNameAndFlags(const CString& newName, DWORD newFlags);
    void SetCurrentFlags(DWORD newFlags) { currentFlags = newFlags; }

    // Parameters constructed so far on this thread: tells a parameter list whether the
    // archive made a new one or handed back one it had read before.
    static unsigned long long ConstructedOnThread();

    CString name;
    DWORD flags = 0;          // OperandDescriptor: types, direction, allowed areas
    CString textA;            // operand text of the pin in a ladder box
    DWORD currentFlags = 0;   // descriptor in use in an editor box; not saved
    CString textB;
};
