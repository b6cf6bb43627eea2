#pragma once

#include "project/CQLXFBPara.h"

// The input and output parameters of a function block or function descriptor. Both
// arrays own their CQLXFBPara objects.
class FBParamLists {
public:
    FBParamLists() = default;
    FBParamLists(const FBParamLists&) = delete;
    FBParamLists& operator=(const FBParamLists&) = delete;
    ~FBParamLists() { DeleteParams(); }

    void AddInput(CQLXFBPara* param) { inputs.Add(param); }
    void AddOutput(CQLXFBPara* param) { outputs.Add(param); }
    // The parameter at the index; null when the index is outside the array.
    CQLXFBPara* GetInput(int index) const { return ParamAt(inputs, index); }
    CQLXFBPara* GetOutput(int index) const { return ParamAt(outputs, index); }
    int GetOutputCount() const { return static_cast<int>(outputs.GetSize()); }
    // The first parameter of this exact (trimmed) name, inputs before outputs; null
    // for a blank name or none found.
    CQLXFBPara* FindParam(const CString& name) const;
    // Deletes every parameter of both arrays and empties them.
    void DeleteParams();

    CObArray inputs;    // input and in-out parameters in pin order
    CObArray outputs;   // output parameters in pin order

protected:
    // Replaces this object's parameters with copies of the other's.
    void CopyParamsFrom(const FBParamLists& other);
    // Serializes both arrays, inputs first.
    void SerializeParams(CArchive& ar);

private:
    static void LoadParams(CArchive& ar, CObArray& params);
    static CQLXFBPara* ParamAt(const CObArray& params, int index);
};
