#include "project/CQLXFBPara.h"

IMPLEMENT_SERIAL(CQLXFBPara, CObject, 1)

namespace {
thread_local unsigned long long g_constructed = 0;
}

CQLXFBPara::CQLXFBPara() {
    ++g_constructed;
}

unsigned long long CQLXFBPara::ConstructedOnThread() {
    return g_constructed;
}

CQLXFBPara& CQLXFBPara::operator=(const CQLXFBPara& other) {
    name = other.name;
    textA = other.textA;
    textB = other.textB;
    flags = other.flags;
    return *this;
}

void CQLXFBPara::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        ar << name << textA << flags << textB;
    else
        ar >> name >> textA >> flags >> textB;
}

BOOL CQLXFBPara::SetNameAndFlags(const CString& newName, DWORD newFlags) {
    CString trimmed = newName;
    trimmed.Trim();
    if (trimmed.IsEmpty())
        return FALSE;
    name = trimmed;
    flags = newFlags;
    return TRUE;
}
