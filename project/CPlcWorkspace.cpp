#include "project/CPlcWorkspace.h"

#include "compiler/MonitorRegistration.h"
#include "language/AddressCode.h"
#include "language/AreaLimits.h"
#include "language/CpuClassSource.h"
#include "language/DirectAddress.h"
#include "language/LanguageText.h"
#include "language/OperandDescriptor.h"
#include "project/CQLXSymbol.h"
#include "project/MonitorCells.h"

CPlcWorkspace* theWorkspace = nullptr;

namespace {

const UINT FuncCatalogBuckets = 173;
const UINT FBCatalogBuckets = 23;
const UINT InstrBuckets = 231;
const UINT ElementBuckets = 91;

void DeleteRoot(CObject* root) {
    delete root;
}

CPlcWorkspace::LadderTreeDeleter g_ladderTreeDeleter = DeleteRoot;

int ReadProjectCpuClass() {
    return theWorkspace != nullptr ? theWorkspace->project.cpuClass : -1;
}

std::unique_ptr<CEvent> NewStoppedEvent() {
    std::unique_ptr<CEvent> event(new CEvent(FALSE, FALSE));
    event->ResetEvent();
    return event;
}

struct DataTypeName {
    const char* name;
    DWORD bit;
};

const DataTypeName DataTypeNames[] = {
    {"BOOL", OD_BOOL}, {"BYTE", OD_BYTE}, {"WORD", OD_WORD}, {"INT", OD_INT},
    {"DWORD", OD_DWORD}, {"DINT", OD_DINT}, {"REAL", OD_REAL},
};

}  // namespace

CPlcWorkspace::CPlcWorkspace()
    : project(this),
      monitorStoppedEvent(NewStoppedEvent()),
      m_monitorWorker{&onlineMonitoring, &monitorPause, monitorStoppedEvent.get(), &monitorDataLock,
                      &m_monitorLists, &m_monitorCells, nullptr},
      forcingService(m_forceAccess, {&onlineMonitoring, &monitorPause, &commLock}, project.forceRequest) {
    funcCatalog.InitHashTable(FuncCatalogBuckets);
    fbCatalog.InitHashTable(FBCatalogBuckets);
    instrByName.InitHashTable(InstrBuckets);
    coilByName.InitHashTable(ElementBuckets);
    contactByName.InitHashTable(ElementBuckets);
    theWorkspace = this;
    SetCpuClassReader(ReadProjectCpuClass);
    // Every operand the compiler meets becomes monitor cells of the project.
    SetMonitorCellRegistrar([](const CString& operand) { AddMonitorCells(operand); });
}

CPlcWorkspace::~CPlcWorkspace() {
    EndOnlineState();
    ClearCatalogue();
    ClearLadderClipboard();
    if (theWorkspace == this) {
        SetMonitorCellRegistrar(nullptr);
        SetCpuClassReader(nullptr);
        theWorkspace = nullptr;
    }
}

void CPlcWorkspace::EndOnlineState() {
    InterlockedExchange(&onlineMonitoring, 0);
    monitorPause.Reset();
    monitorStoppedEvent->ResetEvent();
    commLock.Unlock();
    monitorDataLock.Unlock();
}

MonitorWorkerShared* CPlcWorkspace::PrepareMonitorWorker(HWND notifyWindow) {
    m_monitorLists = MonitorListsOf(project);
    m_monitorWorker.notifyWindow = notifyWindow;
    return &m_monitorWorker;
}

DWORD CPlcWorkspace::CpuKindMask() const {
    return CpuMaskOfClass(project.cpuClass);
}

int CPlcWorkspace::GetAreaLastIndex(const char* operand) const {
    return ::GetAreaLastIndex(operand);
}

short CPlcWorkspace::GetAreaCodeBase(const char* prefix, BOOL statusBit) const {
    return ::GetAreaCodeBase(prefix, statusBit);
}

BOOL CPlcWorkspace::FindGlobalSymbol(const char* operand, CQLXSymbol*& symbol) const {
    CString text = operand;
    text.Trim();
    if (text.IsEmpty())
        return FALSE;
    OperandDescriptor descriptor = 0;
    CObject* found = nullptr;
    BOOL known = FALSE;
    if (ParseDirectAddress(text, descriptor)) {
        if (text[0] != '%')
            text.Insert(0, '%');
        text.MakeUpper();
        known = project.symbolsByKey.Lookup(text, found);
    } else {
        text.MakeUpper();
        known = project.symbolsByUpperName.Lookup(text, found);
    }
    symbol = static_cast<CQLXSymbol*>(found);
    return known;
}

BOOL CPlcWorkspace::ParseDataTypeName(const char* typeName, DWORD& typeBit) {
    const CString name = LookupKey(typeName).c_str();
    for (const DataTypeName& type : DataTypeNames)
        if (name == type.name) {
            typeBit = type.bit;
            return TRUE;
        }
    typeBit = 0;
    return FALSE;
}

void CPlcWorkspace::SetLadderTreeDeleter(LadderTreeDeleter deleter) {
    g_ladderTreeDeleter = deleter != nullptr ? deleter : DeleteRoot;
}

void CPlcWorkspace::ClearLadderClipboard() {
    for (INT_PTR i = 0; i < ladderClipboard.GetSize(); ++i)
        g_ladderTreeDeleter(ladderClipboard[i]);
    ladderClipboard.RemoveAll();
}
