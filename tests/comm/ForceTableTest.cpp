#include "comm/ForceTable.h"

#include <gtest/gtest.h>

namespace {
using Bytes = std::vector<uint8_t>;
}

TEST(ForceTable, EmptyTable) {
    Bytes table;
    ASSERT_TRUE(BuildForceTable({}, table));
    EXPECT_EQ((Bytes{11, 0, 9, 6, 9, 0, 0, 0, 0, 0, 0}), table);
    std::vector<ForcedValue> entries = {{1, kForceByte, 1}};
    ASSERT_TRUE(ParseForceTable(table, entries));
    EXPECT_TRUE(entries.empty());
}

TEST(ForceTable, GroupsInTableOrderWithPackedBits) {
    std::vector<ForcedValue> entries;
    entries.push_back({0x0300, kForceReal, 0x3F800000});
    entries.push_back({0x0200, kForceDoubleWord, 0x12345678});
    entries.push_back({0x0100, kForceWord, 0xBEEF});
    entries.push_back({0x0050, kForceByte, 0x7A});
    for (uint16_t i = 0; i < 10; ++i)
        entries.push_back({static_cast<uint16_t>(0x10 + i), kForceBit, i >= 8 ? 1u : i % 2});
    Bytes table;
    ASSERT_TRUE(BuildForceTable(entries, table));
    const Bytes expected = {
        52, 0, 9, 6, 9, 0, 10, 1, 1, 1, 1,
        0x10, 0, 0x11, 0, 0x12, 0, 0x13, 0, 0x14, 0, 0x15, 0, 0x16, 0, 0x17, 0, 0x18, 0, 0x19, 0,
        0xAA, 0x03,                      // bits 8 and 9 sit in bits 0 and 1 of the second byte
        0x50, 0, 0x7A,
        0x00, 0x01, 0xEF, 0xBE,
        0x00, 0x02, 0x78, 0x56, 0x34, 0x12,
        0x00, 0x03, 0x00, 0x00, 0x80, 0x3F,
    };
    EXPECT_EQ(expected, table);

    std::vector<ForcedValue> parsed;
    ASSERT_TRUE(ParseForceTable(table, parsed));
    ASSERT_EQ(14u, parsed.size());
    EXPECT_EQ(0x19, parsed[9].code);
    EXPECT_EQ(kForceBit, parsed[9].typeFlags);
    EXPECT_EQ(1u, parsed[9].value);
    EXPECT_EQ(0u, parsed[2].value);
    EXPECT_EQ(0xBEEFu, parsed[11].value);
    EXPECT_EQ(kForceReal, parsed[13].typeFlags);
    EXPECT_EQ(0x3F800000u, parsed[13].value);
}

TEST(ForceTable, UnsoundTablesAreRefused) {
    const Bytes sound = {14, 0, 9, 6, 9, 0, 0, 1, 0, 0, 0, 0x50, 0, 0x7A};
    std::vector<ForcedValue> entries;
    ASSERT_TRUE(ParseForceTable(sound, entries));
    struct Case {
        const char* name;
        Bytes table;
    };
    const Case cases[] = {
        {"length field 20 with 19 bytes", [] { Bytes t(19, 0); t[0] = 20; t[2] = t[4] = 9; t[3] = 6; return t; }()},
        {"count says two bytes", {14, 0, 9, 6, 9, 0, 0, 2, 0, 0, 0, 0x50, 0, 0x7A}},
        {"count says a word", {14, 0, 9, 6, 9, 0, 0, 0, 1, 0, 0, 0x50, 0, 0x7A}},
        {"counts add up to less", {14, 0, 9, 6, 9, 0, 0, 0, 0, 0, 0, 0x50, 0, 0x7A}},
        {"wrong section type", {14, 0, 8, 6, 8, 0, 0, 1, 0, 0, 0, 0x50, 0, 0x7A}},
        {"shorter than the counts", {5, 0, 9, 6, 9}},
    };
    for (const Case& c : cases) {
        std::vector<ForcedValue> kept = {{7, kForceByte, 7}};
        EXPECT_FALSE(ParseForceTable(c.table, kept)) << c.name;
        EXPECT_EQ(1u, kept.size()) << c.name;
    }
}

TEST(ForceTable, AGroupHoldsAtMost255Entries) {
    std::vector<ForcedValue> entries;
    for (uint16_t i = 0; i < 255; ++i)
        entries.push_back({i, kForceWord, i});
    Bytes table;
    ASSERT_TRUE(BuildForceTable(entries, table));
    EXPECT_EQ(255, table[8]);
    const Bytes before = table;
    entries.push_back({255, kForceWord, 1});
    EXPECT_FALSE(BuildForceTable(entries, table));
    EXPECT_EQ(before, table);
}
