#pragma once
#include "platform/CString.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

// One forced address of the project's force map.
struct ForceEntry {
    CString addressText;
    uint16_t code = 0;
    uint32_t typeFlags = 0;  // kForceBit ... kForceReal
    uint32_t value = 0;      // as given by ForceVariable; 0 for entries read from the PLC
};

// The project's force map: entries by address text, compared trimmed and upper-cased
// with a leading "%" added when missing. The map owns its entries.
class ForceMap {
public:
    ForceEntry* Find(const CString& addressText) const;
    void Add(std::unique_ptr<ForceEntry> entry);  // replaces an entry of the same address
    std::unique_ptr<ForceEntry> Take(const CString& addressText);
    void Clear() { m_entries.clear(); }
    size_t Count() const { return m_entries.size(); }
    std::vector<const ForceEntry*> Entries() const;

private:
    static std::string Key(const CString& addressText);
    std::map<std::string, std::unique_ptr<ForceEntry>> m_entries;
};
