#include "project/CPlcWorkspace.h"

#include "language/InstrDesc.h"
#include "language/LanguageText.h"
#include "project/CQLXFB.h"
#include "project/CQLXFBPara.h"
#include "project/CQLXFunc.h"
#include "project/OwnedObjects.h"

// The workspace's instruction catalogue: the shown records of the ladder catalogue by
// name, with a parameter list for every function and function block.

namespace {

CQLXFBPara* NewParam(const InstrPin& pin) {
    CQLXFBPara* param = new CQLXFBPara;
    param->name = pin.name;
    param->flags = pin.descriptor;
    return param;
}

// Read pins are inputs, every other pin an output, each list in pin order.
template <class Definition>
void AddPins(Definition& definition, const InstrDesc& record) {
    for (int i = 0; i < record.pinCount; ++i) {
        if (record.pins[i].descriptor & OD_READ)
            definition.AddInput(NewParam(record.pins[i]));
        else
            definition.AddOutput(NewParam(record.pins[i]));
    }
}

CQLXFunc* NewFunction(const InstrDesc& record) {
    CQLXFunc* function = new CQLXFunc;
    function->name = record.name;
    AddPins(*function, record);
    return function;
}

CQLXFB* NewFunctionBlock(const InstrDesc& record) {
    CQLXFB* block = new CQLXFB;
    block->typeName = record.name;
    AddPins(*block, record);
    return block;
}

// A later record of the same name replaces the earlier entry, which the map owned.
void EnterOwned(CMapStringToOb& map, const char* name, CObject* definition) {
    CObject* earlier = nullptr;
    if (map.Lookup(name, earlier))
        delete earlier;
    map.SetAt(name, definition);
}


template <class Definition>
DWORD ParamFlags(const Definition* definition, const char* paramName) {
    const CQLXFBPara* param = definition != nullptr ? definition->FindParam(paramName) : nullptr;
    return param != nullptr ? param->GetFlags() : 0;
}

}  // namespace

void CPlcWorkspace::LoadInstructionCatalogue() {
    ClearCatalogue();
    for (const InstrDesc& record : LadderInstrCatalogue) {
        if (!record.shown)
            continue;
        InstrDesc* copy = new InstrDesc(record);
        ForgetRecord(record.name);
        instrByName.SetAt(record.name, copy);
        if (record.kind == INSTR_CONTACT)
            contactByName.SetAt(record.name, copy);
        else if (record.kind == INSTR_COIL)
            coilByName.SetAt(record.name, copy);
        else if (record.kind == INSTR_FUNCTION)
            EnterOwned(funcCatalog, record.name, NewFunction(record));
        else if (record.kind == INSTR_FUNCTION_BLOCK)
            EnterOwned(fbCatalog, record.name, NewFunctionBlock(record));
    }
}

// The copy of an earlier record of the name goes, with its entries in the element maps.
void CPlcWorkspace::ForgetRecord(const char* name) {
    void* earlier = nullptr;
    if (!instrByName.Lookup(name, earlier))
        return;
    contactByName.RemoveKey(name);
    coilByName.RemoveKey(name);
    instrByName.RemoveKey(name);
    delete static_cast<InstrDesc*>(earlier);
}

void CPlcWorkspace::ClearCatalogue() {
    DeleteMapValues(fbCatalog);
    DeleteMapValues(funcCatalog);
    POSITION position = instrByName.GetStartPosition();
    while (position != nullptr) {
        CString key;
        void* record = nullptr;
        instrByName.GetNextAssoc(position, key, record);
        delete static_cast<InstrDesc*>(record);
    }
    instrByName.RemoveAll();
    contactByName.RemoveAll();
    coilByName.RemoveAll();
}

BOOL CPlcWorkspace::GetFuncDef(const char* name, CQLXFunc& definition) const {
    CObject* found = nullptr;
    if (!funcCatalog.Lookup(LookupKey(name).c_str(), found))
        return FALSE;
    definition.CopyFrom(*static_cast<CQLXFunc*>(found));
    return TRUE;
}

BOOL CPlcWorkspace::GetFBDef(const char* name, CQLXFB& definition) const {
    CObject* found = nullptr;
    if (!fbCatalog.Lookup(LookupKey(name).c_str(), found))
        return FALSE;
    definition.CopyFrom(*static_cast<CQLXFB*>(found));
    return TRUE;
}

DWORD CPlcWorkspace::GetFBParamFlags(const char* paramName, const char* blockName) const {
    CObject* found = nullptr;
    fbCatalog.Lookup(blockName, found);
    return ParamFlags(static_cast<const CQLXFB*>(found), paramName);
}

DWORD CPlcWorkspace::GetFuncParamFlags(const char* paramName, const char* funcName) const {
    CObject* found = nullptr;
    if (!funcCatalog.Lookup(funcName, found))
        project.sbrFuncByName.Lookup(funcName, found);
    return ParamFlags(static_cast<const CQLXFunc*>(found), paramName);
}
