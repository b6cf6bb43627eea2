#include "language/AreaLimits.h"

#include "tests/support/CpuClassFixture.h"

#include <gtest/gtest.h>

TEST(AreaLimits, LastIndexPerFormAndCpuClass) {
    struct Case {
        const char* prefix;
        int last[3];
    } cases[] = {
        {"%I", {0, 7, 7}},         {"%IB", {0, 7, 7}},        {"%Q", {0, 7, 7}},       {"%QB", {0, 7, 7}},
        {"%M", {31, 31, 31}},      {"%MB", {31, 31, 31}},     {"%BR", {1, 1, 1}},      {"%RS", {31, 31, 15}},
        {"%SR", {31, 31, 15}},     {"%SM", {299, 299, 299}},  {"%SMB", {299, 299, 299}}, {"%V", {2047, 4095, 4095}},
        {"%VB", {2047, 4095, 4095}}, {"%L", {15, 15, 15}},    {"%LB", {15, 15, 15}},   {"%T", {63, 127, 127}},
        {"%C", {63, 127, 127}},    {"%HC", {1, 5, 5}},
        {"%VW", {2046, 4094, 4094}}, {"%SMW", {298, 298, 298}}, {"%AI", {-1, 30, 30}}, {"%AIW", {-1, 30, 30}},
        {"%AQ", {-1, 30, 30}},     {"%AQW", {-1, 30, 30}},    {"%IW", {-1, 6, 6}},     {"%QW", {-1, 6, 6}},
        {"%MW", {30, 30, 30}},     {"%LW", {14, 14, 14}},
        {"%VD", {2044, 4092, 4092}}, {"%VR", {2044, 4092, 4092}}, {"%SMD", {296, 296, 296}}, {"%MD", {28, 28, 28}},
        {"%LD", {12, 12, 12}},     {"%ID", {-3, 4, 4}},       {"%QD", {-3, 4, 4}},
        {"%TB", {-1, -1, -1}},     {"%CB", {-1, -1, -1}},     {"%X", {-1, -1, -1}},    {"", {-1, -1, -1}},
    };
    for (int cpuClass = 0; cpuClass <= 2; ++cpuClass) {
        ScopedCpuClass cpu(cpuClass);
        for (const Case& c : cases)
            EXPECT_EQ(c.last[cpuClass], GetAreaLastIndex(c.prefix)) << c.prefix << " on class " << cpuClass;
    }
}

TEST(AreaLimits, FormsAnswerOnlyForTheirOwnPrefixes) {
    EXPECT_EQ(2047, GetAreaLastBitByteIndex("%VB", 0));
    EXPECT_EQ(-1, GetAreaLastBitByteIndex("%VW", 0));
    EXPECT_EQ(4094, GetAreaLastWordIndex("%VW", 16));
    EXPECT_EQ(-1, GetAreaLastWordIndex("%VD", 16));
    EXPECT_EQ(4092, GetAreaLastDwordIndex("%VR", 32));
    EXPECT_EQ(-1, GetAreaLastDwordIndex("%vr", 32));  // exact comparison
}

TEST(AreaLimits, RowsThatStartNoCpuClassGiveNoLimit) {
    for (int firstRow : {-16, -1, 5, 48, 1000}) {
        EXPECT_EQ(-1, GetAreaLastBitByteIndex("%VB", firstRow)) << firstRow;
        EXPECT_EQ(-1, GetAreaLastWordIndex("%VW", firstRow)) << firstRow;
        EXPECT_EQ(-1, GetAreaLastDwordIndex("%VD", firstRow)) << firstRow;
    }
    for (int cpuClass : {-1, 3, 4}) {
        ScopedCpuClass cpu(cpuClass);
        EXPECT_EQ(-1, GetAreaLastIndex("%VB")) << cpuClass;
    }
}

TEST_F(CpuClass1Test, GetAreaLastIndexNormalisesThePrefix) {
    EXPECT_EQ(4094, GetAreaLastIndex(" vw "));
    EXPECT_EQ(127, GetAreaLastIndex("T"));
    EXPECT_EQ(-1, GetAreaLastIndex("  "));
}
