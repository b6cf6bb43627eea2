#include "compiler/AddressUsageMap.h"

#include "compiler/CompileVariables.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const OperandDescriptor kAllAreas = OD_AREA_AI | OD_AREA_AQ | OD_AREA_I | OD_AREA_M |
                                    OD_AREA_Q | OD_AREA_SM | OD_AREA_V | OD_AREA_HC |
                                    OD_AREA_T | OD_AREA_C | OD_AREA_RS | OD_AREA_SR;

class AddressUsageMapTest : public testing::Test {
protected:
    void SetUp() override {
        ClearAddressUsage();
        NumberingMode = kNumberByLine;
        CurrentLineNumber = 7;
        CurrentProgramName = "MAIN";
    }
    void TearDown() override { ClearAddressUsage(); }

    static std::vector<AddressUseRecord> Collect(OperandDescriptor filter) {
        std::vector<AddressUseRecord> rows(100);
        int count = static_cast<int>(rows.size());
        EXPECT_TRUE(CollectAddressUsage(filter, count, rows.data()));
        rows.resize(count);
        return rows;
    }
};

TEST_F(AddressUsageMapTest, BitUseOfLadderProgramNamesItsNetwork) {
    NumberingMode = kNumberByNetwork;
    CurrentNetworkNumber = 4;
    CurrentProgramName = "SBR00";
    EXPECT_TRUE(MarkAddressUse(kAccessRead, "%M2.7"));
    const auto rows = Collect(OD_AREA_M | 0x01);
    ASSERT_EQ(1u, rows.size());
    EXPECT_STREQ("%M2.7", rows[0].operand);
    EXPECT_EQ(kUseBit, rows[0].useKind);
    EXPECT_EQ(kNumberByNetwork, rows[0].numberingMode);
    EXPECT_EQ(4, rows[0].position);
    EXPECT_STREQ("SBR00", rows[0].programName);
    EXPECT_EQ(kAccessRead, rows[0].access);
    EXPECT_TRUE(Collect(OD_AREA_M | 0x0E).empty());
    EXPECT_TRUE(Collect(OD_AREA_I | 0x01).empty());
}

TEST_F(AddressUsageMapTest, WidthsShareTheSlotAndFilterByWidth) {
    MarkAddressUse(kAccessWrite, "%VD100");
    MarkAddressUse(kAccessRead, "%VW100");
    MarkAddressUse(kAccessRead, "%VR20");
    auto rows = Collect(OD_AREA_V | 0x04);
    ASSERT_EQ(2u, rows.size());
    EXPECT_STREQ("%VR20", rows[0].operand);  // slot 20 before slot 100
    EXPECT_EQ(kUseReal, rows[0].useKind);
    EXPECT_STREQ("%VW100", rows[1].operand);
    EXPECT_EQ(7, rows[1].position);
    rows = Collect(OD_AREA_V | 0x0C);
    ASSERT_EQ(3u, rows.size());
    EXPECT_STREQ("%VD100", rows[1].operand);  // list order is the order of marking
    EXPECT_EQ(kUseDoubleWord, rows[1].useKind);
    EXPECT_EQ(1u, Collect(OD_AREA_V | 0x01).size());  // the REAL use only
}

TEST_F(AddressUsageMapTest, InstancesAnalogAndCountersAndSkippedOperands) {
    MarkFbInstanceUse(kAccessReadWrite, "T37");
    MarkFbInstanceUse(kAccessRead, "SR0");
    MarkFbInstanceUse(kAccessRead, "X1");
    MarkAddressUse(kAccessRead, "%AIW2");
    MarkAddressUse(kAccessRead, "%HC2");
    MarkAddressUse(kAccessRead, "%T5");   // timers given as addresses are not kept
    MarkAddressUse(kAccessRead, "%LW0");  // nor local memory
    MarkAddressUse(kAccessRead, "%X1");   // nor unknown prefixes
    MarkAddressUse(kAccessRead, "%VB4096");  // outside the V slots
    EXPECT_FALSE(MarkAddressUse(kAccessRead, "%I.1"));
    const auto rows = Collect(kAllAreas | 0x0F);
    ASSERT_EQ(4u, rows.size());
    EXPECT_STREQ("%AIW2", rows[0].operand);
    EXPECT_STREQ("%HC2", rows[1].operand);
    EXPECT_EQ(kUseDoubleWord, rows[1].useKind);
    EXPECT_STREQ("T37", rows[2].operand);
    EXPECT_EQ(kUseWord, rows[2].useKind);
    EXPECT_EQ(kAccessReadWrite, rows[2].access);
    EXPECT_STREQ("SR0", rows[3].operand);
}

TEST_F(AddressUsageMapTest, RunningOutOfRowsKeepsTheCount) {
    MarkAddressUse(kAccessRead, "%I0.0");
    MarkAddressUse(kAccessRead, "%I0.1");
    MarkAddressUse(kAccessRead, "%I0.2");
    AddressUseRecord rows[2];
    int count = 2;
    EXPECT_FALSE(CollectAddressUsage(kAllAreas | 0x0F, count, rows));
    EXPECT_EQ(2, count);
    EXPECT_STREQ("%I0.0", rows[0].operand);
    EXPECT_STREQ("%I0.1", rows[1].operand);
}

TEST_F(AddressUsageMapTest, AccessFromSlotDirection) {
    EXPECT_EQ(kAccessReadWrite, AccessFromDirection(0x119C6810));
    EXPECT_EQ(kAccessRead, AccessFromDirection(0x19FE2810));
    EXPECT_EQ(kAccessWrite, AccessFromDirection(0x819C4801));
    EXPECT_EQ(kAccessNone, AccessFromDirection(0x800));
}

}  // namespace
