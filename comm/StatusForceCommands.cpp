#include "comm/StatusForceCommands.h"

#include "comm/ForceTable.h"
#include "comm/StatusValues.h"
#include "language/OperandDescriptor.h"
#include "project/OwnedObjects.h"

#include <map>
#include <string>

namespace {

bool ValidForceable(const CStatusInput* row) { return row && row->rowState && (row->descriptor & OD_FORCEABLE); }

DWORD ReadFormatOfGroup(int group) { return group == 0 ? DisplayBool : group == 4 ? DisplayReal : DisplayUnsigned; }

}  // namespace

CStatusForceCommands::CStatusForceCommands(CForcingService& forcing, ForceProject& project)
    : m_forcing(forcing), m_project(project) {}

bool CStatusForceCommands::CanForce(const CStatusInput* row) { return ValidForceable(row) && row->rowWordC; }

bool CStatusForceCommands::CanUnforce(const CStatusInput* row) { return ValidForceable(row); }

bool CStatusForceCommands::WriteTable() { return m_forcing.BuildForceRequest() && m_forcing.RunForceWriteTask(); }

bool CStatusForceCommands::ForceRow(CStatusInput& row) {
    if (!CanForce(&row) || !m_forcing.LoadForceList())
        return false;
    m_project.BackupForceImage();
    m_project.SetForceImageValue(row.addressCode, row.descriptor, row.rowValue);
    ForceEntryMap& map = m_project.ForceEntries();
    const bool created = CForcingService::FindForceEntry(map, row.address) == nullptr;
    if (created)
        CForcingService::AddForceEntry(
            map, std::make_unique<ForceEntry>(ForceEntry{row.address, row.addressCode, row.descriptor, row.rowValue}));
    if (WriteTable()) {
        ClearForcedValue(row);
        return true;
    }
    m_project.RestoreForceImage();
    if (created)
        CForcingService::TakeForceEntry(map, row.address);
    return false;
}

bool CStatusForceCommands::UnforceRow(CStatusInput& row) {
    if (!CanUnforce(&row) || !m_forcing.LoadForceList())
        return false;
    m_project.BackupForceImage();
    ForceEntryMap& map = m_project.ForceEntries();
    std::unique_ptr<ForceEntry> removed = CForcingService::TakeForceEntry(map, row.address);
    if (WriteTable()) {
        ClearForcedValue(row);
        return true;
    }
    m_project.RestoreForceImage();
    if (removed)
        CForcingService::AddForceEntry(map, std::move(removed));
    return false;
}

bool CStatusForceCommands::ForceAll(const std::vector<CStatusInput*>& rows) {
    if (!m_forcing.LoadForceList())
        return false;
    m_project.BackupForceImage();
    ForceEntryMap& map = m_project.ForceEntries();
    // The map as read, values included, for the way back.
    std::map<std::string, DWORD> asRead;
    for (POSITION position = map.GetStartPosition(); position;) {
        CString key;
        ForceEntry* entry = nullptr;
        map.GetNextAssoc(position, key, entry);
        asRead[static_cast<LPCSTR>(key)] = entry->forcedValue;
    }
    for (CStatusInput* row : rows)
        if (CanForce(row))
            m_project.SetForceImageValue(row->addressCode, row->descriptor, row->rowValue);
    for (CStatusInput* row : rows) {
        if (!CanForce(row))
            continue;
        if (ForceEntry* entry = CForcingService::FindForceEntry(map, row->address))
            entry->forcedValue = row->rowValue;
        else
            CForcingService::AddForceEntry(
                map, std::make_unique<ForceEntry>(ForceEntry{row->address, row->addressCode, row->descriptor, row->rowValue}));
    }
    if (WriteTable()) {
        for (CStatusInput* row : rows)
            if (row)
                ClearForcedValue(*row);
        return true;
    }
    m_project.RestoreForceImage();
    std::vector<CString> added;
    for (POSITION position = map.GetStartPosition(); position;) {
        CString key;
        ForceEntry* entry = nullptr;
        map.GetNextAssoc(position, key, entry);
        const auto old = asRead.find(static_cast<LPCSTR>(key));
        if (old == asRead.end())
            added.push_back(key);
        else
            entry->forcedValue = old->second;
    }
    for (const CString& key : added)
        CForcingService::TakeForceEntry(map, key);
    return false;
}

bool CStatusForceCommands::ReadAllForces(std::vector<std::unique_ptr<CStatusInput>>& appended) {
    if (!m_forcing.LoadForceList())
        return false;
    std::vector<ForcedValue> forced;
    if (!ParseForceTable(m_forcing.ForceTable(), forced))
        return false;
    for (const ForcedValue& value : forced) {
        const int group = ForceGroupOf(value.typeFlags);
        const CString text = m_project.AddressCodeToText(value.code, ForceGroupAddressKind(group));
        if (text.IsEmpty())
            continue;
        auto row = std::make_unique<CStatusInput>();
        row->address = text;
        row->addressCode = value.code;
        row->descriptor = ForceGroupFlags(group);
        row->rowState = 1;
        row->displayFormat = ReadFormatOfGroup(group);
        row->rowTextA = StatusFormatName(row->displayFormat);
        appended.push_back(std::move(row));
    }
    return true;
}

bool CStatusForceCommands::CancelAllForces() {
    if (!m_forcing.RunForceClearTask())
        return false;
    ForceEntryMap& map = m_project.ForceEntries();
    if (!map.IsEmpty()) {
        m_project.ClearForceImage();
        DeleteMapValues(map);
        map.RemoveAll();
    }
    return true;
}
