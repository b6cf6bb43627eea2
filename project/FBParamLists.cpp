#include "project/FBParamLists.h"

namespace {

void DeleteAll(CObArray& params) {
    for (INT_PTR i = 0; i < params.GetSize(); ++i)
        delete params[i];
    params.RemoveAll();
}

void AppendCopies(CObArray& target, const CObArray& source) {
    for (INT_PTR i = 0; i < source.GetSize(); ++i) {
        CQLXFBPara* copy = new CQLXFBPara;
        *copy = *static_cast<const CQLXFBPara*>(source[i]);
        target.Add(copy);
    }
}

CQLXFBPara* FindIn(const CObArray& params, const CString& name) {
    for (INT_PTR i = 0; i < params.GetSize(); ++i) {
        CQLXFBPara* param = static_cast<CQLXFBPara*>(params[i]);
        if (param->name == name)
            return param;
    }
    return nullptr;
}

}  // namespace

CQLXFBPara* FBParamLists::FindParam(const CString& name) const {
    CString trimmed = name;
    trimmed.Trim();
    if (trimmed.IsEmpty())
        return nullptr;
    CQLXFBPara* found = FindIn(inputs, trimmed);
    return found ? found : FindIn(outputs, trimmed);
}

void FBParamLists::DeleteParams() {
    DeleteAll(inputs);
    DeleteAll(outputs);
}

void FBParamLists::CopyParamsFrom(const FBParamLists& other) {
    DeleteParams();
    AppendCopies(inputs, other.inputs);
    AppendCopies(outputs, other.outputs);
}

void FBParamLists::SerializeParams(CArchive& ar) {
    if (ar.IsStoring()) {
        inputs.Serialize(ar);
        outputs.Serialize(ar);
        return;
    }
    DeleteParams();
    LoadParams(ar, inputs);
    LoadParams(ar, outputs);
}

// Each element must be a new parameter: a damaged file could name none, an object of
// another class, or one read before, which two lists would then own.
void FBParamLists::LoadParams(CArchive& ar, CObArray& params) {
    for (DWORD left = ar.ReadCount(); left > 0; --left) {
        const unsigned long long constructed = CQLXFBPara::ConstructedOnThread();
        CObject* param = ar.ReadObject(RUNTIME_CLASS(CQLXFBPara));
        if (param == nullptr || CQLXFBPara::ConstructedOnThread() == constructed)
            AfxThrowArchiveException(CArchiveException::badIndex);
        params.Add(param);
    }
}

CQLXFBPara* FBParamLists::ParamAt(const CObArray& params, int index) {
    if (index < 0 || index >= params.GetSize())
        return nullptr;
    return static_cast<CQLXFBPara*>(params[index]);
}
