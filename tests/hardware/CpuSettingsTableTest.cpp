#include "hardware/CpuSettingsTable.h"

#include "hardware/ModuleCatalog.h"

#include <gtest/gtest.h>

TEST(CpuSettingsTable, SettingsByHardwareCode) {
    struct Case { uint8_t code; const char* family; int cls, rows, reply, linkTest, force, di, dout, ai, ao; };
    const Case cases[] = {
        {0, "CPU241", 0, 1, 8000, 600, 5970, 8, 8, 0, 0},
        {1, "CPU241", 0, 1, 8000, 600, 5970, 8, 8, 0, 0},
        {31, "CPU241", 0, 1, 8000, 600, 5970, 8, 8, 0, 0},
        {32, "CPU241", 0, 1, 8000, 600, 5970, 8, 8, 0, 0},
        {33, "CPU241Ex", 1, 5, 2000, 300, 5970, 64, 64, 16, 16},
        {34, "CPU241Ex", 1, 5, 2000, 300, 5970, 64, 64, 16, 16},
        {2, "CPU243", 1, 5, 2000, 300, 5970, 64, 64, 16, 16},
        {3, "CPU243", 1, 5, 2000, 300, 5970, 64, 64, 16, 16},
        {35, "CPU243", 1, 5, 2000, 300, 5970, 64, 64, 16, 16},
        {36, "CPU243Ex", 1, 5, 2000, 300, 5970, 64, 64, 16, 16},
        {37, "CPU243Ex", 1, 5, 2000, 300, 5970, 64, 64, 16, 16},
        {4, "CPU245", 2, 16, 2000, 300, 9290, 256, 256, 32, 32},
        {5, "CPU245", 2, 16, 2000, 300, 9290, 256, 256, 32, 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.code));
        const CpuSettings* s = CpuSettingsTable::Find(c.code);
        ASSERT_NE(nullptr, s);
        EXPECT_STREQ(c.family, s->family);
        EXPECT_EQ(c.cls, s->cpuClass);
        EXPECT_EQ(c.cls, CpuSettingsTable::CpuClassOf(c.code));
        EXPECT_EQ(c.rows, s->slotRows);
        EXPECT_EQ(c.reply, s->replyTimeoutMs);
        EXPECT_EQ(c.linkTest, s->linkTestTimeoutMs);
        EXPECT_EQ(c.force, s->forceCells);
        EXPECT_EQ(c.di, s->diLimit);
        EXPECT_EQ(c.dout, s->doLimit);
        EXPECT_EQ(c.ai, s->aiLimit);
        EXPECT_EQ(c.ao, s->aoLimit);
    }
}

TEST(CpuSettingsTable, EveryCatalogueCpuIsKnownAndOtherCodesAreClassOne) {
    for (int row = ModuleCatalog::FirstCpuRow; row < ModuleCatalog::FirstDigitalRow; ++row)
        EXPECT_NE(nullptr, CpuSettingsTable::Find(ModuleCatalog::Row(row).typeCode)) << row;
    for (uint8_t code : {6, 24, 38, 255}) {
        EXPECT_EQ(nullptr, CpuSettingsTable::Find(code)) << int(code);
        EXPECT_EQ(1, CpuSettingsTable::CpuClassOf(code)) << int(code);
    }
}
