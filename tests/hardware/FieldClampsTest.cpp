#include "hardware/FieldClamps.h"

#include "hardware/ModuleCatalog.h"

#include <gtest/gtest.h>

#include <climits>

TEST(FieldClamps, FieldTextsParseWithSaturation) {
    struct Case { const char* text; int value; };
    const Case cases[] = {
        {"", 0}, {"  ", 0}, {"abc", 0}, {"12", 12}, {" 12 ", 12}, {"7x", 7}, {"+5", 5}, {"-1", -1},
        {"2147483647", INT_MAX}, {"2147483648", INT_MAX}, {"99999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN}, {"-99999999999999999999", INT_MIN}, {"0000000000000000000003", 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.value, ParseFieldNumber(c.text)) << '"' << c.text << '"';
    EXPECT_EQ(0, ParseFieldNumber(nullptr));
}

// Each row: a module's area of a CPU class, the spin the start field gets, and what a
// typed or pasted text becomes.
TEST(FieldClamps, StartFieldsPerCpuClassClampFromBothSides) {
    struct Case { const char* what; int cpuClass; ModuleArea area; int byteLength; int low, high, step; const char* text; int value; };
    const Case cases[] = {
        {"16-point DO, class 1: 9 shows 6", 1, ModuleAreaQ, 2, 0, 6, 1, "9", 6},
        {"emptied field", 1, ModuleAreaQ, 2, 0, 6, 1, "", 0},
        {"pasted -1 does not wrap to 255", 1, ModuleAreaQ, 2, 0, 6, 1, "-1", 0},
        {"over-long number does not wrap", 1, ModuleAreaQ, 2, 0, 6, 1, "4294967298", 6},
        {"300 is not 300 - 256", 1, ModuleAreaI, 1, 0, 7, 1, "300", 7},
        {"8-point DI, class 1", 1, ModuleAreaI, 1, 0, 7, 1, "5", 5},
        {"4-channel AI, class 1: 30 shows 24", 1, ModuleAreaAI, 8, 0, 24, 2, "30", 24},
        {"2-channel AO, class 1", 1, ModuleAreaAQ, 4, 0, 28, 2, "28", 28},
        {"16-point DI, class 2", 2, ModuleAreaI, 2, 0, 6, 1, "7", 6},
        {"4-channel AI, class 2", 2, ModuleAreaAI, 8, 0, 24, 2, "-8", 0},
        {"8-point DO, class 0: one byte", 0, ModuleAreaQ, 1, 0, 0, 1, "3", 0},
        {"AI in class 0 has no room: the bottom, never negative", 0, ModuleAreaAI, 8, 0, -7, 2, "5", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SpinRange spin = StartSpinRange(c.cpuClass, c.area, c.byteLength);
        EXPECT_EQ(c.low, spin.low);
        EXPECT_EQ(c.high, spin.high);
        EXPECT_EQ(c.step, spin.step);
        EXPECT_EQ(c.value, ClampStartField(c.text, spin));
    }
}

TEST(FieldClamps, RetentiveRangesFollowTheirArea) {
    // Class 1 V area: high 4095, size 4096; start 4000 offers lengths up to 96.
    const RetainAreaLimits v1 = RetainLimits(1, 0);
    EXPECT_EQ(0, RetainStartSpin(v1).low);
    EXPECT_EQ(4095, RetainStartSpin(v1).high);
    const SpinRange lengths = RetainLengthSpin(v1, 4000);
    EXPECT_EQ(0, lengths.low);
    EXPECT_EQ(96, lengths.high);
    EXPECT_EQ(96, ClampToRange(97, lengths));
    EXPECT_TRUE(RetainRangeFits(v1, 4000, 96));
    EXPECT_FALSE(RetainRangeFits(v1, 4000, 97));

    struct StartCase { int typed; int value; };
    for (const StartCase& c : {StartCase{5000, 4095}, {4095, 4095}, {4094, 4094}, {0, 0}, {-3, 0}, {INT_MIN, 0}})
        EXPECT_EQ(c.value, ClampRetainStart(c.typed, v1)) << c.typed;

    // Class 0 C area: high 63, size 128; start 10 with length 60 runs past it.
    const RetainAreaLimits c0 = RetainLimits(0, 1);
    EXPECT_EQ(63, c0.high);
    EXPECT_EQ(118, RetainLengthSpin(c0, 10).high);
    EXPECT_FALSE(RetainRangeFits(c0, 10, 60));
    EXPECT_TRUE(RetainRangeFits(c0, 10, 54));
    EXPECT_EQ("保持区域 3 的配置超过该内存区的高限!", std::string(RetainRangeMessage(3)));

    // A length of 0 never fails, wherever the start is.
    for (int cpuClass = 0; cpuClass < 3; ++cpuClass)
        for (int area = 0; area < 2; ++area) {
            const RetainAreaLimits limits = RetainLimits(cpuClass, area);
            EXPECT_TRUE(RetainRangeFits(limits, limits.high, 0));
        }
}

TEST(FieldClamps, StopValuesPerSignalForm) {
    struct Case { int form; int defaultValue; int typed; int value; };
    const Case cases[] = {
        {0, 4000, 100, 4000}, {0, 4000, 25000, 20000},
        {1, 0, -5, 0}, {1, 0, 12000, 12000},
        {2, 1000, 9000, 5000}, {2, 1000, 999, 1000},
        {3, -10000, 9000, 9000}, {3, -10000, -20000, -10000},
        {7, 4000, 0, 4000},   // a form outside the list reads as form 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        EXPECT_EQ(c.defaultValue, AoStopValueRange(c.form).defaultValue);
        EXPECT_EQ(c.value, ClampStopValue(c.typed, c.form));
    }
}

TEST(FieldClamps, AiTypeListsShowTheirSliceAndKeepAStoredCodeOutsideIt) {
    struct Case { DWORD kind; int stored; int position; int chosen; BYTE applied; const char* text; };
    const Case cases[] = {
        {KindAnalogInThermocouple, 9, 2, 1, 8, "K型（外补偿）"},
        {KindAnalogInCurrentVoltage, 3, 3, 0, 0, "[-10,10]V"},
        {KindAnalogInRtd, 6, 1, 0, 5, "Cu50"},
        {KindAnalogInThermistor, 4, 0, 0, 4, "mfd502-3470"},
        // A code of another kind's slice: no selection, and applying keeps it.
        {KindAnalogInCurrentVoltage, 7, -1, -1, 7, nullptr},
        {KindAnalogInThermistor, 5, -1, -1, 5, nullptr},
        {KindAnalogInThermocouple, 3, -1, -1, 3, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(c.position, AiTypeListPosition(c.kind, c.stored));
        EXPECT_EQ(c.applied, AiTypeFromList(c.kind, c.chosen, BYTE(c.stored)));
        if (c.text != nullptr) {
            EXPECT_STREQ(c.text, AiTypesOf(c.kind).texts[c.position]);
        }
    }
    EXPECT_EQ(0, AiTypesOf(KindAnalogOut).count);
}
