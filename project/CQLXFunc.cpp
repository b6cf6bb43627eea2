#include "project/CQLXFunc.h"

IMPLEMENT_SERIAL(CQLXFunc, CObject, 1)

void CQLXFunc::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        ar << name << number;
    else
        ar >> name >> number;
    SerializeParams(ar);
}

void CQLXFunc::CopyFrom(const CQLXFunc& other) {
    if (&other == this)
        return;
    name = other.name;
    number = other.number;
    CopyParamsFrom(other);
}

void CQLXFunc::Reset() {
    name.Empty();
    number = 0;
    DeleteParams();
}

void CQLXFunc::SetName(const CString& text) {
    CString trimmed = text;
    trimmed.Trim();
    if (!trimmed.IsEmpty())
        name = trimmed;
}

BOOL CQLXFunc::SetNumber(WORD newNumber) {
    if (newNumber == 0)
        return FALSE;
    number = newNumber;
    return TRUE;
}

BOOL CQLXFunc::AddParamByFlags(CQLXFBPara* param, DWORD paramFlags) {
    if (paramFlags & ParamInputBit)
        AddInput(param);
    else if (paramFlags & ParamOutputBit)
        AddOutput(param);
    else
        return FALSE;
    return TRUE;
}
