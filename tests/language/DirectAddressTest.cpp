#include "language/AddressCode.h"
#include "language/DirectAddress.h"
#include "language/NumberText.h"

#include "tests/support/CpuClassFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

enum Form { BIT, PLAIN, ALIGNED };

bool Parses(const std::string& text) {
    OperandDescriptor descriptor = 0;
    const bool ok = ParseDirectAddress(text.c_str(), descriptor);
    EXPECT_EQ(ok, descriptor != OperandDescriptor(-1)) << text;
    return ok;
}

}  // namespace

// For every prefix and CPU class: the first and the last valid number pass, the next
// one (the next even one for word and double-word forms) fails.
TEST(DirectAddress, FirstAndLastValidIndexPerCpuClass) {
    struct Case {
        const char* prefix;
        Form form;
        int last[3];
    } cases[] = {
        {"%I", BIT, {0, 7, 7}},          {"%Q", BIT, {0, 7, 7}},          {"%M", BIT, {31, 31, 31}},
        {"%SM", BIT, {299, 299, 299}},   {"%V", BIT, {2047, 4095, 4095}}, {"%L", BIT, {15, 15, 15}},
        {"%BR", BIT, {1, 1, 1}},         {"%T", PLAIN, {63, 127, 127}},   {"%C", PLAIN, {63, 127, 127}},
        {"%SR", PLAIN, {31, 31, 15}},    {"%RS", PLAIN, {31, 31, 15}},    {"%HC", PLAIN, {1, 5, 5}},
        {"%IB", PLAIN, {0, 7, 7}},       {"%QB", PLAIN, {0, 7, 7}},       {"%MB", PLAIN, {31, 31, 31}},
        {"%SMB", PLAIN, {299, 299, 299}}, {"%VB", PLAIN, {2047, 4095, 4095}}, {"%LB", PLAIN, {15, 15, 15}},
        {"%IW", ALIGNED, {-1, 6, 6}},    {"%QW", ALIGNED, {-1, 6, 6}},    {"%MW", ALIGNED, {30, 30, 30}},
        {"%SMW", ALIGNED, {298, 298, 298}}, {"%VW", ALIGNED, {2046, 4094, 4094}}, {"%AIW", ALIGNED, {-1, 30, 30}},
        {"%AQW", ALIGNED, {-1, 30, 30}}, {"%LW", ALIGNED, {14, 14, 14}},  {"%ID", ALIGNED, {-3, 4, 4}},
        {"%QD", ALIGNED, {-3, 4, 4}},    {"%MD", ALIGNED, {28, 28, 28}},  {"%SMD", ALIGNED, {296, 296, 296}},
        {"%VD", ALIGNED, {2044, 4092, 4092}}, {"%VR", ALIGNED, {2044, 4092, 4092}}, {"%LD", ALIGNED, {12, 12, 12}},
    };
    for (int cpuClass = 0; cpuClass <= 2; ++cpuClass) {
        ScopedCpuClass cpu(cpuClass);
        for (const Case& c : cases) {
            const int last = c.last[cpuClass];
            const int beyond = c.form == ALIGNED ? (last < 0 ? 0 : last + 2) : last + 1;
            const std::string bit = c.form == BIT ? ".7" : "";
            const std::string prefix = c.prefix;
            if (last >= 0) {
                EXPECT_TRUE(Parses(prefix + "0" + (c.form == BIT ? ".0" : ""))) << prefix << " class " << cpuClass;
                EXPECT_TRUE(Parses(prefix + std::to_string(last) + bit)) << prefix << " class " << cpuClass;
            }
            EXPECT_FALSE(Parses(prefix + std::to_string(beyond) + bit)) << prefix << " class " << cpuClass;
        }
    }
}

TEST_F(CpuClass1Test, Descriptors) {
    struct Case {
        const char* text;
        OperandDescriptor descriptor;
    } cases[] = {
        {"%I0.0", 0x28A01},   {"I0.0", 0x28A01},   {"i0.0", 0x28A01},     {"%Q0.1", 0x58A01},
        {"%VW100", 0x818A14}, {"%VD4", 0x818A28},  {"%VR8", 0x818A40},    {"%LD4", 0x1018868},
        {"%T5", 0x218815},    {"%C0", 0x418815},   {"%SR3", 0x40018801},  {"%HC0", 0x4008820},
        {"%AIW0", 0x8008A14}, {"%AQW2", 0x10018A14}, {"%SM0.1", 0x118801}, {"%BR1.7", 0x80018801},
    };
    for (const Case& c : cases) {
        OperandDescriptor descriptor = 0;
        EXPECT_TRUE(ParseDirectAddress(c.text, descriptor)) << c.text;
        EXPECT_EQ(c.descriptor, descriptor) << c.text;
    }
}

TEST_F(CpuClass0Test, MalformedAddresses) {
    const char* const refused[] = {
        "%VW101",  "%AIW3",   "%I0.8",  "%I0.10",  "%I.1",    "%I01.1",  "%I0",       "%I0.",
        "%VB05",   "%VB+5",   "%VB-5",  "%T5.1",   "%X5",     "",        "%",         "%VB",
        "%VB1.0",  "%VB 5",   "%VB5A",  "%I0.0.0", "%I0.+1",  "%VW",     "%MW1",      "%SR1.1",
        "%VB4294967296",      "%VB18446744073709551616",      "%I18446744073709551616.0",
        "%T00",    "%AIW0",   "%ID0",
    };
    for (const char* text : refused)
        EXPECT_FALSE(Parses(text)) << text;
    for (const char* text : {"%VB101", "%VB0", "%I0.0", "%T0", "%SM0.1", "%L15.7"})
        EXPECT_TRUE(Parses(text)) << text;
}

TEST(DirectAddress, NoCpuClassAcceptsNoAddress) {
    ScopedCpuClass cpu(-1);
    EXPECT_FALSE(Parses("%I0.0"));
    EXPECT_FALSE(Parses("%VB0"));
}

TEST(DirectAddress, CheckAddressAlignment) {
    struct Case {
        const char* text;
        bool aligned;
    } cases[] = {
        {"%VW2", true},  {"%VW3", false}, {"vw3", false},   {"%VW", false},  {"%VWX", false}, {"%SMD4", true},
        {"%SMW5", false}, {"%ACW1", false}, {"%VR6", true},  {"%LD7", false}, {"%VB3", true},  {"%I0.1", true},
        {"", true},      {"%AQW10", true}, {"%VW-2", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.aligned, CheckAddressAlignment(c.text)) << c.text;
}

TEST(DirectAddress, IsValidNumberText) {
    const std::string longNumber(300, '9');
    struct Case {
        const char* text;
        int base;
        bool allowPoint;
        bool valid;
    } cases[] = {
        {"123", 10, false, true},  {"", 10, true, false},    {"-1", 10, false, true},  {"1-", 10, false, false},
        {"-1", 16, false, false},  {"1.5", 10, true, true},  {"1.5", 10, false, false}, {"1.2.3", 10, true, false},
        {"1E5", 10, true, false},  {"FF", 16, false, true},  {"ff", 16, false, false}, {"8", 8, false, false},
        {"2", 2, false, false},    {longNumber.c_str(), 10, false, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.valid, IsValidNumberText(c.text, c.base, c.allowPoint)) << c.text;
}

TEST(DirectAddress, ClockBufferMustFitInsideItsArea) {
    struct Case {
        const char* text;
        bool class0, class1;
    } cases[] = {
        {"%VB0", true, true},     {"vb0", true, true},       {"%VB2040", true, true},  {"%VB2041", false, true},
        {"%VB4088", false, true}, {"%VB4089", false, false}, {"%MB24", true, true},    {"%MB25", false, false},
        {"%LB8", true, true},     {"%LB9", false, false},    {"%VW0", false, false},   {"%IB0", false, false},
        {"%SMB0", false, false},  {"%V0.0", false, false},
    };
    for (const Case& c : cases) {
        {
            ScopedCpuClass cpu(0);
            EXPECT_EQ(c.class0, IsRtcBufferAddress(c.text)) << c.text;
        }
        ScopedCpuClass cpu(1);
        EXPECT_EQ(c.class1, IsRtcBufferAddress(c.text)) << c.text;
    }
}

TEST(AddressCode, GetAreaCodeBase) {
    struct Case {
        const char* prefix;
        BOOL statusBit;
        short base;
    } cases[] = {
        {"%I", FALSE, 0x0000},  {"%QD", FALSE, 0x0008}, {"%MB", FALSE, 0x0010}, {"%BR", FALSE, 0x0030},
        {"T", TRUE, 0x0032},    {"T", FALSE, 0x122A},   {"%C", TRUE, 0x0042},   {"%C", FALSE, 0x142A},
        {"%RS", FALSE, 0x0062}, {"%SR", TRUE, 0x0066},  {"%SMW", FALSE, 0x006E}, {" %VR ", FALSE, 0x019A},
        {"%LD", FALSE, 0x119A}, {"%AIW", FALSE, 0x11AA}, {"%AQ", FALSE, 0x11EA}, {"%HC", FALSE, 0x162A},
        {"t", TRUE, -1},        {"%TB", FALSE, -1},     {"%VX", FALSE, -1},     {"", FALSE, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.base, GetAreaCodeBase(c.prefix, c.statusBit)) << c.prefix;
}

TEST(AddressCode, EncodeAddressCode) {
    struct Case {
        const char* address;
        BOOL statusBit;
        WORD code;
    } cases[] = {
        {"%I1.2", FALSE, 0x0000 + 1 + 2 * 8192}, {"%V10.7", FALSE, 0xE1A4}, {"%VW100", FALSE, 0x01FE},
        {"%VB100", FALSE, 0x01FE},  {"%VD100", TRUE, 0x01FE},  {"%T5", FALSE, 0x1234},  {"%T5", TRUE, 0xA032},
        {"%C20", TRUE, 0x8044},     {"%C20", FALSE, 0x142A + 40}, {"%SR9", FALSE, 0x2067}, {"%RS0", TRUE, 0x0062},
        {"%AIW4", FALSE, 0x11AE},   {"%HC1", FALSE, 0x162B},   {"%SM0.1", FALSE, 0x206E}, {"%LD4", FALSE, 0x119E},
        {"%BR0.1", FALSE, 0x2030},  {"%T127", TRUE, 0x0032 + 15 + 7 * 8192},
        {"%X1", FALSE, 0xFFFF},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.code, EncodeAddressCode(c.address, c.statusBit)) << c.address;
}
