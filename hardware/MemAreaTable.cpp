#include "hardware/MemAreaTable.h"

#include <cassert>

namespace {

constexpr uint32_t Descriptor(uint32_t upper, uint32_t lower) { return upper << 16 | lower; }

// The columns that are the same in every class.
struct AreaLayout {
    const char* prefix;
    uint32_t descriptor;
    uint16_t base;
};

constexpr AreaLayout Layout[MemAreaCount] = {
    {"%I", Descriptor(0x0002, 0x823F), 0},
    {"%Q", Descriptor(0x0005, 0x823F), 8},
    {"%M", Descriptor(0x0009, 0x823F), 16},
    {"%BR", Descriptor(0x8001, 0x8001), 48},
    {"%TB", Descriptor(0x0020, 0x8015), 50},
    {"%CB", Descriptor(0x0040, 0x8015), 66},
    {"%RS", Descriptor(0x2000, 0x0000), 98},
    {"%SR", Descriptor(0x4000, 0x0000), 102},
    {"%SM", Descriptor(0x0011, 0x803F), 110},
    {"%V", Descriptor(0x0081, 0x827F), 410},
    {"%L", Descriptor(0x0101, 0x803F), 4506},
    {"%AI", Descriptor(0x0800, 0x8210), 4522},
    {"%AQ", Descriptor(0x1001, 0x8210), 4586},
    {"%T", Descriptor(0x0020, 0x8015), 4650},
    {"%C", Descriptor(0x0040, 0x8015), 5162},
    {"%HC", Descriptor(0x0400, 0x8020), 5674},
};

// Size and high index per class; the size is not always elements times width.
struct AreaLimits {
    uint16_t size;
    int32_t high;
};

constexpr AreaLimits Limits[MemAreaTable::ClassCount][MemAreaCount] = {
    {   // class 0: one byte each of I and Q, no analog areas
        {1, 0}, {1, 0}, {32, 31}, {2, 1}, {8, 63}, {16, 63}, {4, 31}, {4, 31},
        {300, 299}, {2048, 2047}, {16, 15}, {0, 0}, {0, 0}, {128, 63}, {128, 63}, {8, 1},
    },
    {   // class 1
        {8, 7}, {8, 7}, {32, 31}, {2, 1}, {16, 127}, {32, 127}, {4, 31}, {4, 31},
        {300, 299}, {4096, 4095}, {16, 15}, {32, 31}, {32, 31}, {256, 127}, {256, 127}, {24, 5},
    },
    {   // class 2
        {8, 7}, {8, 7}, {32, 31}, {2, 1}, {128, 127}, {128, 127}, {16, 15}, {16, 15},
        {300, 299}, {4096, 4095}, {16, 15}, {32, 31}, {32, 31}, {512, 127}, {512, 127}, {6, 5},
    },
};

struct Table {
    MemAreaSpec rows[MemAreaTable::RowCount];

    constexpr Table() : rows() {
        for (int cls = 0; cls < MemAreaTable::ClassCount; ++cls)
            for (int area = 0; area < MemAreaCount; ++area)
                rows[cls * MemAreaCount + area] = {Layout[area].prefix, Layout[area].descriptor,
                                                   Layout[area].base, Limits[cls][area].size, 0,
                                                   Limits[cls][area].high};
    }
};

constexpr Table Areas;

}  // namespace

const MemAreaSpec& MemAreaTable::Get(int cpuClass, int area) {
    assert(cpuClass >= 0 && cpuClass < ClassCount && area >= 0 && area < MemAreaCount);
    return Areas.rows[cpuClass * MemAreaCount + area];
}

const MemAreaSpec& MemAreaTable::Row(int row) {
    assert(row >= 0 && row < RowCount);
    return Areas.rows[row];
}
