#include "ladder/LadderEnvironment.h"

#include "language/InstrDesc.h"
#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"

namespace {
// The catalogue's pins as parameters: a pin that reads goes to the inputs, every other
// pin to the outputs.
void FillParams(const InstrDesc& record, FBParamLists& params) {
    for (int i = 0; i < record.pinCount; ++i) {
        CQLXFBPara* param = new CQLXFBPara;
        param->SetNameAndFlags(record.pins[i].name, record.pins[i].descriptor);
        param->SetCurrentFlags(record.pins[i].descriptor);
        if (record.pins[i].descriptor & ParamInputBit)
            params.AddInput(param);
        else
            params.AddOutput(param);
    }
}
}  // namespace

BOOL CLadderEnvironment::FindGlobalSymbol(const CString&, CString&, CString&) const {
    return FALSE;
}

BOOL CLadderEnvironment::ShowGlobalNames() const { return FALSE; }

BOOL CLadderEnvironment::IsOnlineMonitoring() const { return FALSE; }

const InstrDesc* CLadderEnvironment::FindInstruction(const CString& name) const {
    for (const InstrDesc& record : LadderInstrCatalogue) {
        if (name == record.name) return &record;
    }
    return nullptr;
}

CQLXFunc* CLadderEnvironment::NewFunctionDef(const CString& name) const {
    const InstrDesc* record = FindInstruction(name);
    if (!record || record->kind != INSTR_FUNCTION) return nullptr;
    CQLXFunc* function = new CQLXFunc;
    function->SetName(record->name);
    FillParams(*record, *function);
    return function;
}

CQLXFB* CLadderEnvironment::NewFunctionBlockDef(const CString& name) const {
    const InstrDesc* record = FindInstruction(name);
    if (!record || record->kind != INSTR_FUNCTION_BLOCK) return nullptr;
    CQLXFB* block = new CQLXFB;
    block->typeName = record->name;
    FillParams(*record, *block);
    return block;
}

CQLXFunc* CLadderEnvironment::NewSubroutineDesc(const CString&) const { return nullptr; }

CPOUEditorDoc* CLadderEnvironment::GetActivePOUDocument() const { return nullptr; }

BOOL CLadderEnvironment::AddFBInstance(const CString&, const CString&, const CString&) {
    return FALSE;
}

void CLadderEnvironment::DeleteFBInstance(const CString&) {}

void CLadderEnvironment::GetFBInstancesOf(const CString&, CStringArray&, CStringArray&) const {}

void CLadderEnvironment::DeleteFBInstancesOf(const CString&) {}

BOOL CLadderEnvironment::ResolveCallTarget(const CString&, CString&) const { return FALSE; }

BOOL CLadderEnvironment::ToggleInterruptName(const CString&, CString&) const { return FALSE; }

BOOL CLadderEnvironment::TranslateInterruptName(const CString&, CString&) const { return FALSE; }

namespace {
CLadderEnvironment standIn;
CLadderEnvironment* installed = nullptr;
}  // namespace

CLadderEnvironment& LadderEnvironment() { return installed ? *installed : standIn; }

CLadderEnvironment* SetLadderEnvironment(CLadderEnvironment* environment) {
    CLadderEnvironment* previous = installed;
    installed = environment;
    return previous;
}
