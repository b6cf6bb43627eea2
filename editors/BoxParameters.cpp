#include "editors/BoxParameters.h"

#include "editors/OperandEntry.h"
#include "ladder/Block.h"
#include "ladder/LadderEnvironment.h"
#include "language/InstrDesc.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"
#include "project/NameChecks.h"

namespace {
const char* const NewInstanceName = "????";

CQLXFBPara* Param(const CBlock& box, const CString& name, BOOL isInput) {
    const FBParamLists* params = box.GetParams();
    if (!params) return nullptr;
    const CObArray& pins = isInput ? params->inputs : params->outputs;
    for (INT_PTR i = 0; i < pins.GetSize(); ++i) {
        CQLXFBPara* param = static_cast<CQLXFBPara*>(pins[i]);
        if (param->name == name) return param;
    }
    return nullptr;
}

BOOL IsInterruptPin(const CBlock& box, const CString& paramName) {
    return box.m_pFunc && box.GetName() == "ATCH" && paramName == "INT";
}

// Timers and counters run without their optional inputs connected.
BOOL MayStayOpen(const CBlock& box) {
    int group = GetInstrGroupByName(box.GetName());
    return group == GROUP_COUNTER || group == GROUP_TIMER;
}

DWORD PlaceOf(const CBlock& box, const CString& paramName) {
    if (!theWorkspace) return 0;
    if (box.m_pFunc) return theWorkspace->GetFuncParamFlags(paramName, box.m_pFunc->name);
    return theWorkspace->GetFBParamFlags(paramName, box.m_pFB->typeName);
}
}  // namespace

BOOL ConnectBoxParameter(CBlock& box, const CString& paramName, BOOL isInput,
                         const CString& typed) {
    CQLXFBPara* param = Param(box, paramName, isInput);
    if (!param) return FALSE;
    if (IsInterruptPin(box, paramName)) {
        CString routine;
        if (!LadderEnvironment().TranslateInterruptName(typed, routine)) return FALSE;
        param->textA = typed;
        return TRUE;
    }
    if (box.m_pFB && isInput && typed.IsEmpty() && MayStayOpen(box)) {
        param->textA.Empty();
        return TRUE;
    }
    if (!LadderEnvironment().GetActivePOUDocument()) return FALSE;
    OperandEntry entry = CheckOperandEntry(PlaceOf(box, paramName), typed, typed);
    if (!entry.Accepted()) return FALSE;
    param->textA = entry.stored;
    return TRUE;
}

BoxInstanceResult NameBoxInstance(CBlock& box, const CString& typed, const CString& ownerPou) {
    if (!box.m_pFB) return BoxInstanceResult::Unchanged;
    CString name = typed;
    name.Trim();
    name.MakeUpper();
    if (name.IsEmpty() || name == NewInstanceName) return BoxInstanceResult::Unchanged;
    CLadderEnvironment& environment = LadderEnvironment();
    const CString& current = box.m_pFB->instanceName;
    BOOL hasInstance = !current.IsEmpty() && current != NewInstanceName;
    // Confirming the instance's own name is no rename (it would be refused as taken).
    if (hasInstance && current.CompareNoCase(name) == 0) return BoxInstanceResult::Unchanged;
    BOOL named = hasInstance ? environment.RenameFBInstance(current, name)
                             : environment.AddFBInstance(box.m_pFB->typeName, name, ownerPou);
    if (!named) return BoxInstanceResult::Refused;
    box.m_pFB->instanceName = name;
    return BoxInstanceResult::Named;
}
