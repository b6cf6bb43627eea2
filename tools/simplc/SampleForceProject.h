#pragma once
#include "comm/ForcingService.h"

#include <vector>

// A stand-in for the project's forcing side over one small memory area "M" of 96
// bytes: "%M3.5" bits, "%MB3" bytes, "%MW4" words, "%MD8" double words, "%MR12"
// REALs; address code 100 + byte, bit number in the top three bits.
class SampleForceProject : public ForceProject {
public:
    static constexpr uint16_t kBaseCode = 100;
    static constexpr int kBytes = 96;

    SampleForceProject() : m_current(kBytes, 0), m_backup(kBytes, 0) {}
    ~SampleForceProject() override;

    bool ParseForceAddress(const CString& text, uint16_t& code, uint32_t& typeFlags) override;
    CString AddressCodeToText(uint16_t code, uint32_t kind) override;
    bool SetForceImageValue(uint16_t code, uint32_t typeFlags, uint32_t value) override;
    bool GetForceImageValue(uint16_t code, uint32_t typeFlags, uint32_t& value) override;
    void ClearForceImage() override;
    void BackupForceImage() override { m_backup = m_current; }
    void RestoreForceImage() override { m_current = m_backup; }
    ForceEntryMap& ForceEntries() override { return m_map; }

    const std::vector<uint32_t>& Image() const { return m_current; }
    int ForcedCount() const { return static_cast<int>(m_map.GetCount()); }
    const ForceEntry* Forced(const char* addressText) const;

private:
    bool Cells(uint16_t code, uint32_t typeFlags, int& first, int& count, int& bit) const;

    std::vector<uint32_t> m_current;
    std::vector<uint32_t> m_backup;
    ForceEntryMap m_map;
};
