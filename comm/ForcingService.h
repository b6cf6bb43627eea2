#pragma once
#include "project/ForceEntry.h"
#include "comm/MonitorPause.h"
#include "platform/CString.h"
#include "platform/SyncObjects.h"

#include <cstdint>
#include <memory>
#include <vector>

// What forcing needs of the open project: the address services, the force image
// (current and backup cells by address code) and the force map.
class ForceProject {
public:
    virtual ~ForceProject() = default;
    // A direct address, its address code and its descriptor; false for anything else.
    virtual bool ParseForceAddress(const CString& text, uint16_t& code, uint32_t& typeFlags) = 0;
    // kind 1 bit, 2 byte, 4 word, 8 double word, 64 REAL; empty outside every area.
    virtual CString AddressCodeToText(uint16_t code, uint32_t kind) = 0;
    virtual bool SetForceImageValue(uint16_t code, uint32_t typeFlags, uint32_t value) = 0;
    virtual bool GetForceImageValue(uint16_t code, uint32_t typeFlags, uint32_t& value) = 0;
    virtual void ClearForceImage() = 0;    // current and backup
    virtual void BackupForceImage() = 0;   // current into backup
    virtual void RestoreForceImage() = 0;  // backup into current
    virtual ForceEntryMap& ForceEntries() = 0;  // owns its entries
};

// How a forcing task reaches the line: under the communication lock with the port
// opened for the task, or, while monitoring runs, in a pause of the monitor worker.
struct ForcingLine {
    volatile LONG* monitoring;
    CMonitorPause* pause;
    CMutex* commLock;
};

// The PLC's force table edited through a local copy: every change reads the table
// afresh, changes the copy and writes the whole table back, and restores the copy when
// the write fails. User-interface thread only.
class CForcingService {
public:
    CForcingService(ForceProject& project, const ForcingLine& line, std::vector<uint8_t>& tableBuffer);

    // One communication task each: write the buffer ("J"), cancel all forces ("K"),
    // read into the buffer ("P"; a PLC without a table, answering the first request with
    // another letter, counts as success; any other failing block fails the read). True on
    // success; failures are shown unless monitoring runs.
    bool RunForceWriteTask();
    bool RunForceClearTask();
    bool RunForceReadTask();

    // Reads the PLC's table and rebuilds the force map and the current force image.
    bool LoadForceList();
    // Rebuilds the buffer from the force map and the current image; false, buffer
    // unchanged, when a group would exceed 255 entries.
    bool BuildForceRequest();

    // True when the PLC now holds the change.
    bool ForceVariable(const CString& addressText, uint32_t value);
    bool UnforceVariable(const CString& addressText);

    // The force map's key of an address text: trimmed, upper-cased, "%" in front.
    static CString ForceKey(const CString& addressText);
    static ForceEntry* FindForceEntry(const ForceEntryMap& map, const CString& addressText);
    // Takes an entry out of the map; the caller owns it then.
    static std::unique_ptr<ForceEntry> TakeForceEntry(ForceEntryMap& map, const CString& addressText);
    // Puts an entry into the map, which owns it from now on; an older entry of the same
    // address goes.
    static void AddForceEntry(ForceEntryMap& map, std::unique_ptr<ForceEntry> entry);

    // The force table as last read or built.
    const std::vector<uint8_t>& ForceTable() const { return m_table; }

private:
    enum class Transfer { Write, Clear, Read };
    bool RunTask(Transfer transfer);
    int RunTransfer(Transfer transfer);
    bool WriteChangedTable();

    ForceProject& m_project;
    ForcingLine m_line;
    std::vector<uint8_t>& m_table;
};
