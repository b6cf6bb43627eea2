#include "project/CQLXProject.h"

#include "hardware/CpuSettingsTable.h"
#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"
#include "project/CQLXInitData.h"
#include "project/CQLXSymbol.h"
#include "project/CQLX_R2_PLC.h"
#include "project/CStatusInput.h"
#include "platform/StringCopies.h"

#include <memory>

// The body of the project file: the POUs, the hardware, the tables and the CPU blocks,
// each list as a plain 32-bit count and its records. Every record read is handed to its
// owning collection before the next read, so a damaged file that makes the archive
// throw leaves nothing that a reset of the project does not free.

namespace {

template <class Record>
Record* LoadRecord(CArchive& ar) {
    std::unique_ptr<Record> record(new Record);
    record->Serialize(ar);
    return record.release();
}

DWORD LoadCount(CArchive& ar) {
    DWORD count = 0;
    ar >> count;
    return count;
}

template <class KEY, class ARG_KEY>
void StoreMapValues(CArchive& ar, CMap<KEY, ARG_KEY, CObject*, CObject*>& map) {
    ar << static_cast<DWORD>(map.GetCount());
    POSITION position = map.GetStartPosition();
    while (position != nullptr) {
        KEY key;
        CObject* record = nullptr;
        map.GetNextAssoc(position, key, record);
        record->Serialize(ar);
    }
}

bool IsPresent(const CObject* record) {
    return record != nullptr;
}

// An initial-data row is worth keeping once any of its cells holds text.
bool HasText(const CObject* record) {
    if (record == nullptr)
        return false;
    const CStringArray& texts = static_cast<const CQLXInitData*>(record)->texts;
    for (INT_PTR i = 0; i < texts.GetSize(); ++i)
        if (!texts[i].IsEmpty())
            return true;
    return false;
}

// The records of the array that pass the test, after their count; empty slots never do.
void StoreRecords(CArchive& ar, CObArray& records, bool (*keep)(const CObject*) = IsPresent) {
    DWORD count = 0;
    for (INT_PTR i = 0; i < records.GetSize(); ++i)
        count += keep(records[i]) ? 1 : 0;
    ar << count;
    for (INT_PTR i = 0; i < records.GetSize(); ++i)
        if (keep(records[i]))
            records[i]->Serialize(ar);
}

template <class Record>
void LoadRecords(CArchive& ar, CObArray& records) {
    for (DWORD left = LoadCount(ar); left > 0; --left)
        records.Add(LoadRecord<Record>(ar));
}

void StoreBytes(CArchive& ar, const CByteArray& bytes) {
    ar << static_cast<DWORD>(bytes.GetSize());
    if (bytes.GetSize() > 0)
        ar.Write(bytes.GetData(), static_cast<UINT>(bytes.GetSize()));
}

// Byte by byte, so that a damaged length claims no more memory than the file holds.
void LoadBytes(CArchive& ar, CByteArray& bytes) {
    for (DWORD left = LoadCount(ar); left > 0; --left) {
        BYTE byte = 0;
        ar >> byte;
        bytes.Add(byte);
    }
}

// Takes the entry under the key out of the map when it is that object.
template <class KEY, class ARG_KEY>
void Unlink(CMap<KEY, ARG_KEY, CObject*, CObject*>& map, ARG_KEY key, const CObject* object) {
    CObject* found = nullptr;
    if (map.Lookup(key, found) && found == object)
        map.RemoveKey(key);
}

}  // namespace

void CQLXProject::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        StoreBody(ar);
    else
        LoadBody(ar);
}

void CQLXProject::StoreBody(CArchive& ar) {
    ar << static_cast<DWORD>(hasMain);
    mainPou.Serialize(ar);
    StoreMapValues(ar, sbrFuncByName);
    StoreMapValues(ar, sbrByName);
    StoreMapValues(ar, intByName);
    StoreRecords(ar, modules);
    StoreRecords(ar, statusRows);
    StoreRecords(ar, symbolList);
    StoreRecords(ar, fbInstances);
    StoreRecords(ar, initDataRows, HasText);
    StoreBytes(ar, cpuBlockA);
    StoreBytes(ar, cpuBlockB);
}

void CQLXProject::LoadBody(CArchive& ar) {
    hasMain = static_cast<int>(LoadCount(ar));
    mainPou.Serialize(ar);
    for (DWORD left = LoadCount(ar); left > 0; --left)
        AddSubroutineDesc(LoadRecord<CQLXFunc>(ar));
    for (DWORD left = LoadCount(ar); left > 0; --left)
        AddLoadedSubroutine(LoadRecord<CProjTreeNode>(ar));
    for (DWORD left = LoadCount(ar); left > 0; --left)
        AddInterruptNode(LoadRecord<CProjTreeNode>(ar));
    LoadRecords<CQLX_R2_PLC>(ar, modules);
    const CQLX_R2_PLC* cpu = modules.GetSize() > 0 ? static_cast<const CQLX_R2_PLC*>(modules[0]) : nullptr;
    cpuClass = cpu != nullptr ? CpuSettingsTable::CpuClassOf(cpu->typeCode) : 1;
    LoadRecords<CStatusInput>(ar, statusRows);
    LoadRecords<CQLXSymbol>(ar, symbolList);
    IndexSymbols();
    LoadRecords<CQLXFB>(ar, fbInstances);
    LoadRecords<CQLXInitData>(ar, initDataRows);
    LoadBytes(ar, cpuBlockA);
    LoadBytes(ar, cpuBlockB);
}

// A later node of the same name replaces the earlier one, which is deleted.
void CQLXProject::AddLoadedSubroutine(CProjTreeNode* node) {
    CObject* earlier = nullptr;
    if (sbrByName.Lookup(node->name, earlier))
        delete earlier;
    sbrByName.SetAt(node->name, node);
}

// An interrupt node is indexed by name, upper-cased name and number at once; a node it
// displaces by name or number leaves all three maps and is deleted, so that the number
// map, which owns the nodes, holds every node once.
void CQLXProject::AddInterruptNode(CProjTreeNode* node) {
    CObject* displaced[2] = {nullptr, nullptr};
    intByName.Lookup(node->name, displaced[0]);
    intByNumber.Lookup(node->number, displaced[1]);
    if (displaced[1] == displaced[0])
        displaced[1] = nullptr;
    for (CObject* earlier : displaced) {
        if (earlier == nullptr)
            continue;
        const CProjTreeNode* old = static_cast<const CProjTreeNode*>(earlier);
        Unlink<CString, LPCSTR>(intByName, old->name, old);
        Unlink<CString, LPCSTR>(intByUpperName, UpperCased(old->name), old);
        Unlink<WORD, WORD>(intByNumber, old->number, old);
        delete earlier;
    }
    intByName.SetAt(node->name, node);
    intByUpperName.SetAt(UpperCased(node->name), node);
    intByNumber.SetAt(node->number, node);
}

// Every symbol of the file stays in the list, in file order, even when another one has
// the same name in another case or the same address; the lookup maps keep the later one.
void CQLXProject::IndexSymbols() {
    for (INT_PTR i = 0; i < symbolList.GetSize(); ++i) {
        CQLXSymbol* symbol = static_cast<CQLXSymbol*>(symbolList[i]);
        symbol->index = static_cast<int>(i);
        symbolsByKey.SetAt(symbol->name, symbol);
        symbolsByKey.SetAt(symbol->address, symbol);
        symbolsByName.SetAt(symbol->name, symbol);
        symbolsByAddress.SetAt(symbol->address, symbol);
        symbolsByUpperName.SetAt(UpperCased(symbol->name), symbol);
    }
}
