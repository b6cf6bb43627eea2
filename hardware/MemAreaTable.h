#pragma once
#include <cstdint>

// The sixteen PLC memory areas, in the row order of every CPU class's block.
enum MemArea {
    AreaI, AreaQ, AreaM, AreaBR, AreaTB, AreaCB, AreaRS, AreaSR,
    AreaSM, AreaV, AreaL, AreaAI, AreaAQ, AreaT, AreaC, AreaHC,
    MemAreaCount
};

// One memory area of one CPU class.
struct MemAreaSpec {
    const char* prefix;   // address prefix with "%"
    uint32_t descriptor;  // OperandDescriptor: area bits above bit 16, types and flags below
    uint16_t base;        // first address code of the area
    uint16_t size;        // address codes the area spans for this CPU class
    int32_t low;          // lowest valid index
    int32_t high;         // highest valid index (byte, element or bit number, by area)
};

// The static per-CPU-class memory-area layout: three blocks of MemAreaCount rows.
class MemAreaTable {
public:
    static constexpr int ClassCount = 3;
    static constexpr int RowCount = ClassCount * MemAreaCount;

    // Record cpuClass * MemAreaCount + area.
    static const MemAreaSpec& Get(int cpuClass, int area);
    // Record by flat row (0 <= row < RowCount).
    static const MemAreaSpec& Row(int row);
};
