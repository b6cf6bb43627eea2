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
    inputs.Serialize(ar);
    outputs.Serialize(ar);
}

CQLXFBPara* FBParamLists::ParamAt(const CObArray& params, int index) {
    if (index < 0 || index >= params.GetSize())
        return nullptr;
    return static_cast<CQLXFBPara*>(params[index]);
}
