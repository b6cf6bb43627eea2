#pragma once
#include <cstdint>

// What follows from the hardware code of the CPU module in the first slot.
struct CpuSettings {
    const char* family;       // "CPU241", "CPU241Ex", ...
    int cpuClass;             // selects the MemAreaTable block
    int slotRows;             // rows of the slot grid, the CPU's slot included
    int replyTimeoutMs;       // reply time-out of the PLC transactions
    int linkTestTimeoutMs;    // time-out of the link test
    int forceCells;           // 32-bit cells of each force image buffer
    int diLimit, doLimit, aiLimit, aoLimit;  // point limits of the whole configuration
};

class CpuSettingsTable {
public:
    // The settings of a known CPU hardware code; null for any other code.
    static const CpuSettings* Find(uint8_t cpuTypeCode);
    // CpuClass of a CPU hardware code: 0 for the CPU241 codes, 2 for the CPU245
    // codes, 1 for every other code (known or not).
    static int CpuClassOf(uint8_t cpuTypeCode);
};
