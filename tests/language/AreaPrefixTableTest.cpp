#include "language/AreaPrefixTable.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(AreaPrefixTable, RowsAsListed) {
    const AreaPrefixSpec expected[AREA_PREFIX_COUNT] = {
        {"%IB", 3, 0x02, 0x28200},       {"%QB", 3, 0x02, 0x58200},    {"%MB", 3, 0x02, 0x98200},
        {"%SMB", 4, 0x02, 0x118000},     {"%VB", 3, 0x02, 0x818200},   {"%LB", 3, 0x02, 0x1018000},
        {"%IW", 3, 0x14, 0x28200},       {"%QW", 3, 0x14, 0x58200},    {"%MW", 3, 0x14, 0x98200},
        {"%SMW", 4, 0x14, 0x118000},     {"%VW", 3, 0x14, 0x818200},   {"%AIW", 4, 0x14, 0x8008200},
        {"%AQW", 4, 0x14, 0x10018200},   {"%LW", 3, 0x14, 0x1018000},  {"%ID", 3, 0x28, 0x28200},
        {"%QD", 3, 0x28, 0x58200},       {"%MD", 3, 0x28, 0x98200},    {"%SMD", 4, 0x28, 0x118000},
        {"%VD", 3, 0x28, 0x818200},      {"%VR", 3, 0x40, 0x818200},   {"%HC", 3, 0x20, 0x4008000},
        {"%LD", 3, 0x68, 0x1018000},     {"%I", 2, 0x01, 0x28200},     {"%Q", 2, 0x01, 0x58200},
        {"%M", 2, 0x01, 0x98200},        {"%SM", 3, 0x01, 0x118000},   {"%V", 2, 0x01, 0x818200},
        {"%T", 2, 0x15, 0x218000},       {"%C", 2, 0x15, 0x418000},    {"%L", 2, 0x01, 0x1018000},
        {"%SR", 3, 0x01, 0x40018000},    {"%RS", 3, 0x01, 0x20018000}, {"%BR", 3, 0x01, 0x80018000},
    };
    for (int row = 0; row < AREA_PREFIX_COUNT; ++row) {
        const AreaPrefixSpec& actual = AreaPrefixTable[row];
        EXPECT_STREQ(expected[row].prefix, actual.prefix) << row;
        EXPECT_EQ(expected[row].length, actual.length) << row;
        EXPECT_EQ(static_cast<int>(std::strlen(actual.prefix)), actual.length) << row;
        EXPECT_EQ(expected[row].types, actual.types) << row;
        EXPECT_EQ(expected[row].areaWord, actual.areaWord) << row;
    }
}

TEST(AreaPrefixTable, NoPrefixStandsBeforeALongerOneItBegins) {
    for (int earlier = 0; earlier < AREA_PREFIX_COUNT; ++earlier) {
        const AreaPrefixSpec& shorter = AreaPrefixTable[earlier];
        for (int later = earlier + 1; later < AREA_PREFIX_COUNT; ++later)
            EXPECT_NE(0, std::strncmp(AreaPrefixTable[later].prefix, shorter.prefix, shorter.length))
                << shorter.prefix << " hides " << AreaPrefixTable[later].prefix;
    }
}

TEST(AreaPrefixTable, FindAreaPrefixTakesTheLongestListedPrefix) {
    struct Case {
        const char* address;
        short row;
    } cases[] = {
        {"%SMB10", 3}, {"%SM0.1", 25}, {"%LD4", 21}, {"%L0.0", 29}, {"%VR8", 19}, {"%AIW0", 11},
        {"%I0.0", 22}, {"%T5", 27},    {"%SR3", 30}, {"%BR0.1", 32}, {"%HC0", 20},
    };
    for (const Case& c : cases) {
        short row = -1;
        EXPECT_TRUE(FindAreaPrefix(c.address, row)) << c.address;
        EXPECT_EQ(c.row, row) << c.address;
    }
    for (const char* address : {"%X1", "VB0", "%vb0", "", "%"}) {
        short row = 99;
        EXPECT_FALSE(FindAreaPrefix(address, row)) << address;
        EXPECT_EQ(99, row) << address;
    }
}

TEST(AreaPrefixTable, GetAreaPrefixRecordRefusesRowsOutsideTheTable) {
    AreaPrefixSpec record{"none", 0, 0, 0};
    EXPECT_TRUE(GetAreaPrefixRecord(32, record));
    EXPECT_STREQ("%BR", record.prefix);
    EXPECT_TRUE(GetAreaPrefixRecord(0, record));
    EXPECT_STREQ("%IB", record.prefix);
    for (int row : {33, -1, -33}) {
        AreaPrefixSpec untouched{"none", 0, 0, 0};
        EXPECT_FALSE(GetAreaPrefixRecord(row, untouched)) << row;
        EXPECT_STREQ("none", untouched.prefix);
    }
}
