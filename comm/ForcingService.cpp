#include "comm/ForcingService.h"

#include "comm/ForceTable.h"
#include "comm/PlcRequests.h"
#include "comm/PlcTransfers.h"
#include "comm/SerialPort.h"
#include "comm/ShowCommError.h"
#include "project/OwnedObjects.h"
#include "platform/MessageBox.h"

#include <memory>

namespace {

constexpr DWORD kMonitorCycleWaitMs = 5000;
constexpr DWORD kCommLockWaitMs = 1500;

// The wait cursor for as long as a task runs.
class TaskCursor {
public:
    TaskCursor() : m_previous(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~TaskCursor() { End(); }
    void End() {
        if (m_active)
            SetCursor(m_previous ? m_previous : LoadCursor(nullptr, IDC_ARROW));
        m_active = false;
    }

private:
    HCURSOR m_previous;
    bool m_active = true;
};

}  // namespace

CString CForcingService::ForceKey(const CString& addressText) {
    CString key = addressText;
    key.Trim();
    key.MakeUpper();
    return key.Left(1) == "%" ? key : "%" + key;
}

ForceEntry* CForcingService::FindForceEntry(const ForceEntryMap& map, const CString& addressText) {
    ForceEntry* entry = nullptr;
    return map.Lookup(ForceKey(addressText), entry) ? entry : nullptr;
}

std::unique_ptr<ForceEntry> CForcingService::TakeForceEntry(ForceEntryMap& map, const CString& addressText) {
    const CString key = ForceKey(addressText);
    ForceEntry* entry = nullptr;
    if (!map.Lookup(key, entry))
        return nullptr;
    map.RemoveKey(key);
    return std::unique_ptr<ForceEntry>(entry);
}

void CForcingService::AddForceEntry(ForceEntryMap& map, std::unique_ptr<ForceEntry> entry) {
    const CString key = ForceKey(entry->addressText);
    TakeForceEntry(map, key);
    map.SetAt(key, entry.release());
}

CForcingService::CForcingService(ForceProject& project, const ForcingLine& line,
                                 std::vector<uint8_t>& tableBuffer)
    : m_project(project), m_line(line), m_table(tableBuffer) {}

bool CForcingService::RunForceWriteTask() { return RunTask(Transfer::Write); }

bool CForcingService::RunForceClearTask() { return RunTask(Transfer::Clear); }

bool CForcingService::RunForceReadTask() { return RunTask(Transfer::Read); }

int CForcingService::RunTransfer(Transfer transfer) {
    switch (transfer) {
    case Transfer::Write: return WriteForceTable(m_table);
    case Transfer::Clear: return CancelAllForces();
    case Transfer::Read: break;
    }
    // A foreign letter on the first block means the PLC holds no table; on a later block
    // it breaks off a table that does exist.
    bool noTable = false;
    const int result = ReadForceTable(m_table, &noTable);
    return noTable ? kCommOk : result;
}

bool CForcingService::RunTask(Transfer transfer) {
    TaskCursor cursor;
    if (*m_line.monitoring) {
        if (!m_line.pause->Pause(kMonitorCycleWaitMs))
            return false;
        const int result = RunTransfer(transfer);
        m_line.pause->Resume();
        return result == kCommOk;
    }
    CSingleLock lock(m_line.commLock);
    if (!lock.Lock(kCommLockWaitMs)) {
        cursor.End();
        AfxShowMessageBox(nullptr,
                          transfer == Transfer::Clear ? "正在进行其它通讯任务，不允许再启动通讯任务！"
                                                      : "正在进行其它通讯任务， 不允许再启动通讯任务！",
                          "提示", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    if (OpenCommPort(nullptr) != kCommOk) {
        cursor.End();
        theSerialPort.ClosePort();
        if (transfer == Transfer::Read)
            ShowCommError(nullptr, kCommOpenFailed);
        return false;
    }
    const int result = RunTransfer(transfer);
    theSerialPort.ClosePort();
    cursor.End();
    lock.Unlock();
    if (result != kCommOk)
        ShowCommError(nullptr, result);
    return result == kCommOk;
}

bool CForcingService::LoadForceList() {
    m_table = EmptyForceTable();
    if (!RunForceReadTask())
        return false;
    std::vector<ForcedValue> entries;
    if (!ParseForceTable(m_table, entries)) {
        AfxShowMessageBox(nullptr, "读取的强制变量数据有错误，请重新执行命令！", "错误", MB_OK | MB_ICONERROR);
        return false;
    }
    ForceEntryMap& map = m_project.ForceEntries();
    DeleteMapValues(map);
    m_project.ClearForceImage();
    for (const ForcedValue& forced : entries) {
        const CString text = m_project.AddressCodeToText(forced.code, ForceGroupAddressKind(ForceGroupOf(forced.typeFlags)));
        if (text.IsEmpty())
            continue;
        AddForceEntry(map, std::make_unique<ForceEntry>(ForceEntry{text, forced.code, forced.typeFlags, 0}));
        m_project.SetForceImageValue(forced.code, forced.typeFlags, forced.value);
    }
    return true;
}

bool CForcingService::BuildForceRequest() {
    std::vector<ForcedValue> entries;
    const ForceEntryMap& map = m_project.ForceEntries();
    POSITION position = map.GetStartPosition();
    while (position) {
        CString key;
        ForceEntry* entry = nullptr;
        map.GetNextAssoc(position, key, entry);
        uint32_t value = 0;
        if (entry && m_project.GetForceImageValue(entry->addressCode, entry->typeFlags, value))
            entries.push_back({entry->addressCode, entry->typeFlags, value});
    }
    return BuildForceTable(entries, m_table);
}

bool CForcingService::WriteChangedTable() { return BuildForceRequest() && RunForceWriteTask(); }

bool CForcingService::ForceVariable(const CString& addressText, uint32_t value) {
    uint16_t code = 0;
    uint32_t typeFlags = 0;
    if (!m_project.ParseForceAddress(addressText, code, typeFlags) || !LoadForceList())
        return false;
    m_project.BackupForceImage();
    m_project.SetForceImageValue(code, typeFlags, value);
    ForceEntryMap& map = m_project.ForceEntries();
    const bool created = FindForceEntry(map, addressText) == nullptr;
    if (created)
        AddForceEntry(map, std::make_unique<ForceEntry>(ForceEntry{addressText, code, typeFlags, value}));
    if (WriteChangedTable())
        return true;
    m_project.RestoreForceImage();
    if (created)
        TakeForceEntry(map, addressText);
    return false;
}

bool CForcingService::UnforceVariable(const CString& addressText) {
    if (!LoadForceList())
        return false;
    m_project.BackupForceImage();
    ForceEntryMap& map = m_project.ForceEntries();
    std::unique_ptr<ForceEntry> removed = TakeForceEntry(map, addressText);
    if (WriteChangedTable())
        return true;
    m_project.RestoreForceImage();
    if (removed)
        AddForceEntry(map, std::move(removed));
    return false;
}
