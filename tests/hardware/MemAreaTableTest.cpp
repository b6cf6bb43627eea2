#include "hardware/MemAreaTable.h"

#include <gtest/gtest.h>

TEST(MemAreaTable, LayoutIsTheSameInEveryClass) {
    const char* prefixes[MemAreaCount] = {"%I", "%Q", "%M", "%BR", "%TB", "%CB", "%RS", "%SR",
                                          "%SM", "%V", "%L", "%AI", "%AQ", "%T", "%C", "%HC"};
    const uint16_t bases[MemAreaCount] = {0x0000, 0x0008, 0x0010, 0x0030, 0x0032, 0x0042,
                                          0x0062, 0x0066, 0x006E, 0x019A, 0x119A, 0x11AA,
                                          0x11EA, 0x122A, 0x142A, 0x162A};
    for (int cls = 0; cls < MemAreaTable::ClassCount; ++cls)
        for (int area = 0; area < MemAreaCount; ++area) {
            SCOPED_TRACE(testing::Message() << "class " << cls << " area " << area);
            const MemAreaSpec& spec = MemAreaTable::Get(cls, area);
            EXPECT_STREQ(prefixes[area], spec.prefix);
            EXPECT_EQ(bases[area], spec.base);
            EXPECT_EQ(0, spec.low);
            EXPECT_EQ(MemAreaTable::Get(0, area).descriptor, spec.descriptor);
            EXPECT_EQ(&spec, &MemAreaTable::Row(cls * MemAreaCount + area));
        }
    EXPECT_EQ(48, MemAreaTable::RowCount);
}

TEST(MemAreaTable, SizeAndHighPerClass) {
    struct Limits { uint16_t size; int32_t high; };
    const Limits expected[MemAreaTable::ClassCount][MemAreaCount] = {
        {{1, 0}, {1, 0}, {32, 31}, {2, 1}, {8, 63}, {16, 63}, {4, 31}, {4, 31},
         {300, 299}, {2048, 2047}, {16, 15}, {0, 0}, {0, 0}, {128, 63}, {128, 63}, {8, 1}},
        {{8, 7}, {8, 7}, {32, 31}, {2, 1}, {16, 127}, {32, 127}, {4, 31}, {4, 31},
         {300, 299}, {4096, 4095}, {16, 15}, {32, 31}, {32, 31}, {256, 127}, {256, 127}, {24, 5}},
        {{8, 7}, {8, 7}, {32, 31}, {2, 1}, {128, 127}, {128, 127}, {16, 15}, {16, 15},
         {300, 299}, {4096, 4095}, {16, 15}, {32, 31}, {32, 31}, {512, 127}, {512, 127}, {6, 5}},
    };
    for (int cls = 0; cls < MemAreaTable::ClassCount; ++cls)
        for (int area = 0; area < MemAreaCount; ++area) {
            SCOPED_TRACE(testing::Message() << "class " << cls << " area " << area);
            EXPECT_EQ(expected[cls][area].size, MemAreaTable::Get(cls, area).size);
            EXPECT_EQ(expected[cls][area].high, MemAreaTable::Get(cls, area).high);
        }
}

TEST(MemAreaTable, Descriptors) {
    const uint32_t expected[MemAreaCount] = {
        0x0002823F, 0x0005823F, 0x0009823F, 0x80018001, 0x00208015, 0x00408015,
        0x20000000, 0x40000000, 0x0011803F, 0x0081827F, 0x0101803F, 0x08008210,
        0x10018210, 0x00208015, 0x00408015, 0x04008020};
    for (int area = 0; area < MemAreaCount; ++area)
        EXPECT_EQ(expected[area], MemAreaTable::Get(1, area).descriptor) << area;
    // Only V allows REAL; I, Q, M, V, AI and AQ are the forceable areas.
    for (int area = 0; area < MemAreaCount; ++area) {
        const uint32_t d = MemAreaTable::Get(2, area).descriptor;
        EXPECT_EQ(area == AreaV, (d & 0x40) != 0) << area;
        const bool forceable = area == AreaI || area == AreaQ || area == AreaM || area == AreaV ||
                               area == AreaAI || area == AreaAQ;
        EXPECT_EQ(forceable, (d & 0x200) != 0) << area;
    }
}
