#include "comm/ForceEntry.h"

std::string ForceMap::Key(const CString& addressText) {
    CString key = addressText;
    key.Trim();
    key.MakeUpper();
    if (key.Left(1) != "%")
        key = "%" + key;
    return static_cast<const char*>(key);
}

ForceEntry* ForceMap::Find(const CString& addressText) const {
    const auto found = m_entries.find(Key(addressText));
    return found == m_entries.end() ? nullptr : found->second.get();
}

void ForceMap::Add(std::unique_ptr<ForceEntry> entry) {
    const std::string key = Key(entry->addressText);
    m_entries[key] = std::move(entry);
}

std::unique_ptr<ForceEntry> ForceMap::Take(const CString& addressText) {
    const auto found = m_entries.find(Key(addressText));
    if (found == m_entries.end())
        return nullptr;
    std::unique_ptr<ForceEntry> entry = std::move(found->second);
    m_entries.erase(found);
    return entry;
}

std::vector<const ForceEntry*> ForceMap::Entries() const {
    std::vector<const ForceEntry*> entries;
    for (const auto& item : m_entries)
        entries.push_back(item.second.get());
    return entries;
}
