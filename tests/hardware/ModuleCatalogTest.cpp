#include "hardware/ModuleCatalog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

bool InGroup(uint32_t kind, uint32_t group) { return (kind & group) != 0; }

}  // namespace

TEST(ModuleCatalog, FirstAndLastRowsInFull) {
    const ModuleSpec& first = ModuleCatalog::Row(0);
    EXPECT_STREQ("R241-14AT", first.modelName);
    EXPECT_EQ(31, first.typeCode);
    EXPECT_EQ(KindCpu, first.kind);
    EXPECT_EQ(8, first.diCount);
    EXPECT_EQ(6, first.doCount);
    EXPECT_EQ(0, first.aiCount);
    EXPECT_EQ(0, first.aoCount);
    EXPECT_TRUE(first.listed);
    EXPECT_STREQ("CPU241, AC220V供电, DI 8*DC24V, DO 6*DC24V", first.description);

    const ModuleSpec& last = ModuleCatalog::Row(ModuleCatalog::RowCount - 1);
    EXPECT_STREQ("R263-05IV", last.modelName);
    EXPECT_EQ(24, last.typeCode);
    EXPECT_EQ(KindAnalogInOut, last.kind);
    EXPECT_EQ(0, last.diCount);
    EXPECT_EQ(0, last.doCount);
    EXPECT_EQ(4, last.aiCount);
    EXPECT_EQ(1, last.aoCount);
    EXPECT_FALSE(last.listed);
    EXPECT_STREQ("QM263, AI*4, AO*1, 4-20mA/0-20mA/1-5V/±10V", last.description);
}

TEST(ModuleCatalog, RowsInTableOrder) {
    // Hardware code, kind and point counts of every row.
    struct Expected { uint8_t code; uint32_t kind; int di, dout, ai, ao; const char* model; };
    const Expected rows[] = {
        {31, 0x0001, 8, 6, 0, 0, "R241-14AT"},    {1, 0x0001, 8, 6, 0, 0, "R241-14AR"},
        {32, 0x0001, 8, 6, 0, 0, "R241-14AX"},    {33, 0x0001, 8, 6, 0, 0, "R241Ex-14DT"},
        {34, 0x0001, 8, 6, 0, 0, "R241Ex-14AR"},  {2, 0x0001, 14, 10, 0, 0, "R243-24DT"},
        {35, 0x0001, 14, 10, 0, 0, "R243-24DR"},  {3, 0x0001, 14, 10, 0, 0, "R243-24AR"},
        {36, 0x0001, 14, 10, 0, 0, "R243Ex-24AT"}, {37, 0x0001, 14, 10, 0, 0, "R243Ex-24AR"},
        {4, 0x0001, 24, 16, 0, 0, "R245-40DT"},   {5, 0x0001, 24, 16, 0, 0, "R245-40AR"},
        {6, 0x0004, 8, 0, 0, 0, "R251-08DX"},     {7, 0x0002, 8, 0, 0, 0, "R251-08AX"},
        {8, 0x0004, 16, 0, 0, 0, "R251-16DX"},    {9, 0x0008, 0, 8, 0, 0, "R252-08DT"},
        {10, 0x0008, 0, 16, 0, 0, "R252-16DT"},   {11, 0x0010, 0, 8, 0, 0, "R252-08XR"},
        {12, 0x0010, 0, 16, 0, 0, "R252-16XR"},   {13, 0x0020, 8, 8, 0, 0, "R253-08DTX"},
        {14, 0x0020, 4, 4, 0, 0, "R253-08DT"},    {15, 0x0040, 4, 4, 0, 0, "R253-08DR"},
        {16, 0x0020, 8, 8, 0, 0, "R253-16DT"},    {17, 0x0040, 8, 8, 0, 0, "R253-16DR"},
        {18, 0x0080, 0, 0, 4, 0, "R261-04IV"},    {19, 0x0080, 0, 0, 2, 0, "R261-02IV"},
        {20, 0x0100, 0, 0, 4, 0, "R261-04TC"},    {21, 0x0200, 0, 0, 4, 0, "R261-04RD"},
        {22, 0x0400, 0, 0, 4, 0, "R261-04NT"},    {23, 0x0800, 0, 0, 0, 2, "R262-02IV"},
        {24, 0x1000, 0, 0, 4, 1, "R263-05IV"},
    };
    ASSERT_EQ(ModuleCatalog::RowCount, static_cast<int>(std::size(rows)));
    for (int row = 0; row < ModuleCatalog::RowCount; ++row) {
        SCOPED_TRACE(row);
        const ModuleSpec& spec = ModuleCatalog::Row(row);
        EXPECT_EQ(rows[row].code, spec.typeCode);
        EXPECT_EQ(rows[row].kind, spec.kind);
        EXPECT_EQ(rows[row].di, spec.diCount);
        EXPECT_EQ(rows[row].dout, spec.doCount);
        EXPECT_EQ(rows[row].ai, spec.aiCount);
        EXPECT_EQ(rows[row].ao, spec.aoCount);
        EXPECT_STREQ(rows[row].model, spec.modelName);
    }
}

TEST(ModuleCatalog, KindsAgreeWithRowRangesAndPointCounts) {
    for (int row = 0; row < ModuleCatalog::RowCount; ++row) {
        SCOPED_TRACE(row);
        const ModuleSpec& spec = ModuleCatalog::Row(row);
        EXPECT_EQ(row < ModuleCatalog::FirstDigitalRow, spec.kind == KindCpu);
        EXPECT_EQ(row >= ModuleCatalog::FirstAnalogRow, InGroup(spec.kind, KindGroupAnalogInArea | KindGroupAnalogOutArea));
        EXPECT_EQ(spec.diCount > 0, InGroup(spec.kind, KindGroupInputArea));
        EXPECT_EQ(spec.doCount > 0, InGroup(spec.kind, KindGroupOutputArea));
        EXPECT_EQ(spec.aiCount > 0, InGroup(spec.kind, KindGroupAnalogInArea));
        EXPECT_EQ(spec.aoCount > 0, InGroup(spec.kind, KindGroupAnalogOutArea));
        // Exactly one kind bit; names and descriptions fit their fixed fields.
        EXPECT_EQ(0u, spec.kind & (spec.kind - 1));
        EXPECT_LT(std::strlen(spec.modelName), 15u);
        EXPECT_LT(std::strlen(spec.description), 80u);
    }
}

TEST(ModuleCatalog, DescriptionsAreGbk) {
    // "＋" and "继电器" of row 2, "热电偶，" of row 26.
    const std::string cpu = ModuleCatalog::Row(2).description;
    EXPECT_NE(std::string::npos, cpu.find("\xA3\xAB" "DO 3*\xBC\xCC\xB5\xE7\xC6\xF7"));
    const std::string thermocouple = ModuleCatalog::Row(26).description;
    EXPECT_NE(std::string::npos, thermocouple.find("\xC8\xC8\xB5\xE7\xC5\xBC\xA3\xAC"));
}

TEST(ModuleCatalog, EveryCodeIsFoundAtItsRowAndOthersAreNot) {
    std::set<int> codes;
    for (int row = 0; row < ModuleCatalog::RowCount; ++row) {
        const ModuleSpec& spec = ModuleCatalog::Row(row);
        EXPECT_TRUE(codes.insert(spec.typeCode).second) << "duplicate code " << int(spec.typeCode);
        EXPECT_EQ(&spec, ModuleCatalog::FindByCode(spec.typeCode));
    }
    for (int code = 0; code < 256; ++code) {
        if (!codes.count(code)) {
            EXPECT_EQ(nullptr, ModuleCatalog::FindByCode(static_cast<uint8_t>(code))) << code;
        }
    }
}

TEST(ModuleCatalog, TwentyFourListedModelsAndSevenKnownOnly) {
    std::set<int> unlisted;
    int listed = 0;
    for (int row = 0; row < ModuleCatalog::RowCount; ++row) {
        const ModuleSpec& spec = ModuleCatalog::Row(row);
        if (spec.listed)
            ++listed;
        else
            unlisted.insert(spec.typeCode);
    }
    EXPECT_EQ(24, listed);
    EXPECT_EQ((std::set<int>{36, 37, 4, 5, 7, 19, 24}), unlisted);
}
