#include "hardware/CpuSettingsTable.h"

namespace {

constexpr CpuSettings Cpu241 = {"CPU241", 0, 1, 8000, 600, 5970, 8, 8, 0, 0};
constexpr CpuSettings Cpu241Ex = {"CPU241Ex", 1, 5, 2000, 300, 5970, 64, 64, 16, 16};
constexpr CpuSettings Cpu243 = {"CPU243", 1, 5, 2000, 300, 5970, 64, 64, 16, 16};
constexpr CpuSettings Cpu243Ex = {"CPU243Ex", 1, 5, 2000, 300, 5970, 64, 64, 16, 16};
constexpr CpuSettings Cpu245 = {"CPU245", 2, 16, 2000, 300, 9290, 256, 256, 32, 32};

struct CodeEntry {
    uint8_t code;
    const CpuSettings* settings;
};

// Code 0 is not a catalogue CPU but counts as a CPU241.
constexpr CodeEntry ByCode[] = {
    {0, &Cpu241}, {1, &Cpu241}, {31, &Cpu241}, {32, &Cpu241},
    {33, &Cpu241Ex}, {34, &Cpu241Ex},
    {2, &Cpu243}, {3, &Cpu243}, {35, &Cpu243},
    {36, &Cpu243Ex}, {37, &Cpu243Ex},
    {4, &Cpu245}, {5, &Cpu245},
};

}  // namespace

const CpuSettings* CpuSettingsTable::Find(uint8_t cpuTypeCode) {
    for (const CodeEntry& entry : ByCode)
        if (entry.code == cpuTypeCode)
            return entry.settings;
    return nullptr;
}

int CpuSettingsTable::CpuClassOf(uint8_t cpuTypeCode) {
    const CpuSettings* settings = Find(cpuTypeCode);
    return settings ? settings->cpuClass : 1;
}
