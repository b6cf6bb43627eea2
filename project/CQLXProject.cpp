#include "project/CQLXProject.h"

#include "hardware/ModuleCatalog.h"
#include "language/OperandDescriptor.h"
#include "project/AddressCodeText.h"
#include "project/ForceImage.h"
#include "project/OwnedObjects.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLX_R2_PLC.h"
#include "project/CStatusInput.h"

IMPLEMENT_SERIAL(CQLXProject, CObject, 1)

namespace {

const UINT PouBuckets = 41;
const UINT SymbolBuckets = 231;
const UINT DuplicateBuckets = 131;
const UINT MonitorBuckets = 2401;
const UINT ForceBuckets = 2041;
const int ImageSectionSize = 6;

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void Empty(CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>& map, UINT buckets) {
    map.RemoveAll();
    map.InitHashTable(buckets);
}

}  // namespace

CQLXProject::CQLXProject(CPlcWorkspace* owner) : owner_(owner) {
    EmptyIndexes();
    for (CByteArray* section : {&imageSection3, &imageSection4, &imageSection5, &imageSection6,
                                &imageSection7, &imageSection8})
        section->SetSize(ImageSectionSize);
}

CQLXProject::~CQLXProject() {
    DeleteOwnedObjects();
}

// Every object is deleted through the one collection that owns it; the other indexes
// are only emptied.
void CQLXProject::DeleteOwnedObjects() {
    DeleteMapValues(sbrByName);
    DeleteMapValues(sbrFuncByName);
    DeleteMapValues(intByNumber);
    DeleteArrayElements(initDataRows);
    DeleteArrayElements(symbolList);
    DeleteMapValues(duplicateNames);
    DeleteMapValues(duplicateAddresses);
    DeleteMapValues(MonitorOperandMap);
    DeleteArrayElements(statusRows);
    DeleteArrayElements(fbInstances);
    DeleteArrayElements(modules);
    DeleteMapValues(forceEntries);
    forceImage.reset();
    forceImageBackup.reset();
    EmptyIndexes();
}

void CQLXProject::EmptyIndexes() {
    for (CMapStringToOb* map : {&sbrByName, &sbrFuncByName, &sbrFuncByUpperName, &intByName, &intByUpperName})
        Empty(*map, PouBuckets);
    Empty(sbrFuncByNumber, PouBuckets);
    Empty(intByNumber, PouBuckets);
    for (CMapStringToOb* map : {&symbolsByKey, &symbolsByUpperName, &symbolsByName, &symbolsByAddress})
        Empty(*map, SymbolBuckets);
    Empty(duplicateNames, DuplicateBuckets);
    Empty(duplicateAddresses, DuplicateBuckets);
    Empty(MonitorOperandMap, MonitorBuckets);
    Empty(monitorCellsByCode, MonitorBuckets);
    Empty(forceEntries, ForceBuckets);
}

void CQLXProject::ResetProject() {
    name.Empty();
    filePath.Empty();
    folder.Empty();
    hasMain = 0;
    targetReady = 0;
    imageBuilt = 0;
    projectCrc = 0;
    if (owner_ != nullptr) {
        owner_->showGlobalNames = 0;
        owner_->EndOnlineState();
    }
    mainPou.Clear();
    DeleteOwnedObjects();
    for (CWordArray* codes : {&monitorByteCodes, &monitorWordCodes, &monitorTimerCounterCodes, &monitorDwordCodes})
        codes->RemoveAll();
    forceCellCount = 0;
    cpuBlockA.RemoveAll();
    cpuBlockB.RemoveAll();
}

CString CQLXProject::DecodeAddressCode(int position, int& offset) const {
    return ::DecodeAddressCode(cpuClass, position, offset);
}

CString CQLXProject::AddressCodeToText(WORD code, DWORD typeBits) const {
    return ::AddressCodeToText(cpuClass, code, typeBits);
}

BOOL CQLXProject::SetForceImageValue(const CStatusInput* row) {
    if (row == nullptr || !forceImage || !forceImageBackup || !(row->descriptor & OD_FORCEABLE))
        return FALSE;
    return WriteForceValue(forceImage.get(), forceCellCount, row->addressCode, row->descriptor, row->rowValue);
}

BOOL CQLXProject::GetForceImageValue(WORD code, DWORD typeBits, DWORD& value) const {
    if (!forceImage)
        return FALSE;
    return ReadForceValue(forceImage.get(), forceCellCount, code, typeBits, value);
}

void CQLXProject::AllocateForceImages(int cellCount) {
    forceCellCount = cellCount > 0 ? cellCount : 0;
    forceImage.reset(new DWORD[forceCellCount]());
    forceImageBackup.reset(new DWORD[forceCellCount]());
}

int CQLXProject::GetProgramMemorySize() const {
    const CQLX_R2_PLC* cpu = modules.GetSize() > 0 ? static_cast<const CQLX_R2_PLC*>(modules[0]) : nullptr;
    if (cpu == nullptr || !(cpu->kindMask & KindCpu))
        return 0;
    static const int InstructionCapacity[] = {1024, 1280, 4096};
    return cpuClass >= 0 && cpuClass < 3 ? InstructionCapacity[cpuClass] : 0;
}
