#include "language/LiteralParser.h"

#include "language/Identifier.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

namespace {

// The integer field of the requested type, widened for comparison.
long long FieldOf(OperandDescriptor type, const LiteralValue& value) {
    switch (type) {
    case OD_BOOL: return value.boolValue;
    case OD_BYTE: return value.byteValue;
    case OD_WORD: return value.wordValue;
    case OD_DWORD: return value.dwordValue;
    case OD_INT: return value.intValue;
    default: return value.dintValue;
    }
}

const std::string HUNDRED_NINES(100, '9');
const std::string HUNDRED_ONE_NINES(101, '9');

}  // namespace

TEST(LiteralParser, SplitLiteralPrefix) {
    struct Case {
        const char* text;
        int base;
        const char* digits;
    } cases[] = {
        {"2#1010", 2, "1010"},     {"B#2#11", 2, "11"},      {"DW#2#1", 2, "1"},       {"8#777", 8, "777"},
        {"I#8#17", 8, "17"},       {"16#FF", 16, "FF"},      {"DI#16#7F", 16, "7F"},   {"W#16# AB", 16, "AB"},
        {"T#10S", 17, "10S"},      {"TOD#12:00", 18, "12:00"}, {"D#2020-1-1", 19, "2020-1-1"},
        {"DT#X", 20, "X"},         {"DI#40000", 10, "40000"}, {"B#300", 10, "300"},   {"-12", 10, "-12"},
        {"I#", 10, ""},            {"12#5", 10, "12#5"},
    };
    for (const Case& c : cases) {
        std::string digits;
        EXPECT_EQ(c.base, SplitLiteralPrefix(c.text, digits)) << c.text;
        EXPECT_EQ(c.digits, digits) << c.text;
    }
}

TEST(LiteralParser, IsValidDigits) {
    struct Case {
        const char* text;
        int base;
        bool allowPoint;
        bool valid;
    } cases[] = {
        {"0101", 2, false, true},   {"012", 2, false, false},   {"01234567", 8, false, true},
        {"8", 8, false, false},     {"09AF", 16, false, true},  {"0a", 16, false, false},
        {"G", 16, false, false},    {"-1", 16, false, false},   {"-12", 10, false, true},
        {"1-2", 10, false, false},  {"1.5", 10, true, true},    {"1.5", 10, false, false},
        {"1.2.3", 10, true, false}, {"1E5", 10, true, false},   {"1.0E-3", 10, true, true},
        {"1.0E+3", 10, true, true}, {"A", 10, true, false},     {"", 10, true, false},
        {"1", 1, false, true},      {"7", 5, false, true},      {"9", 5, false, false},
        {"F", 12, false, true},     {"9", 17, false, true},     {"1.5", 2, true, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.valid, IsValidDigits(c.text, c.base, c.allowPoint)) << c.text << " base " << c.base;
    EXPECT_TRUE(IsValidDigits(HUNDRED_NINES.c_str(), 10, false));
    EXPECT_FALSE(IsValidDigits(HUNDRED_ONE_NINES.c_str(), 10, false));
}

TEST(LiteralParser, IntegerTypesPerBase) {
    struct Case {
        const char* text;
        OperandDescriptor type;
        int result;
        long long value;
    } cases[] = {
        // BOOL
        {"TRUE", OD_BOOL, 0, 1},          {"FALSE", OD_BOOL, 0, 0},         {"2#0", OD_BOOL, 0, 0},
        {"16#FFFFFFFF", OD_BOOL, 0, 1},   {"16#1FFFFFFFF", OD_BOOL, 2, 0},  {"8#37777777777", OD_BOOL, 0, 1},
        {"8#40000000000", OD_BOOL, 2, 0}, {"-5", OD_BOOL, 0, 1},            {"0", OD_BOOL, 0, 0},
        // BYTE
        {"255", OD_BYTE, 0, 255},         {"300", OD_BYTE, 3, 255},         {"I#300", OD_BYTE, 3, 255},
        {"-1", OD_BYTE, 3, 0},            {"8#377", OD_BYTE, 0, 255},       {"8#400", OD_BYTE, 2, 0},
        {"8#0377", OD_BYTE, 2, 0},        {"2#11111111", OD_BYTE, 0, 255},  {"2#011111111", OD_BYTE, 2, 0},
        {"16#FF", OD_BYTE, 0, 255},       {"16#0FF", OD_BYTE, 2, 0},        {"TRUE", OD_BYTE, 2, 0},
        {"16#ff", OD_BYTE, 2, 0},         {"T#5", OD_BYTE, 2, 0},
        // WORD
        {"65535", OD_WORD, 0, 65535},     {"65536", OD_WORD, 3, 65535},     {"-3", OD_WORD, 3, 0},
        {"8#0177777", OD_WORD, 0, 65535}, {"8#200000", OD_WORD, 2, 0},      {"16#FFFF", OD_WORD, 0, 65535},
        {"16#10000", OD_WORD, 2, 0},      {"2#1111111111111111", OD_WORD, 0, 65535},
        // DWORD
        {"4294967295", OD_DWORD, 0, 4294967295LL}, {"4294967296", OD_DWORD, 3, 4294967295LL},
        {"-1", OD_DWORD, 3, 0},           {"DW#16#FFFFFFFF", OD_DWORD, 0, 4294967295LL},
        {"16#100000000", OD_DWORD, 2, 0}, {"8#37777777777", OD_DWORD, 0, 4294967295LL},
        // INT: based forms are bit patterns
        {"-32768", OD_INT, 0, -32768},    {"32767", OD_INT, 0, 32767},      {"32768", OD_INT, 3, 32767},
        {"-32769", OD_INT, 3, -32768},    {"16#FFFF", OD_INT, 0, -1},       {"2#1000000000000000", OD_INT, 0, -32768},
        {"8#177777", OD_INT, 0, -1},      {"1.0", OD_INT, 2, 0},            {"+7", OD_INT, 0, 7},
        {"-", OD_INT, 2, 0},              {"12A", OD_INT, 2, 0},
        // DINT
        {"-2147483648", OD_DINT, 0, -2147483647LL - 1}, {"2147483648", OD_DINT, 3, 2147483647},
        {"-2147483649", OD_DINT, 3, -2147483647LL - 1}, {"16#80000000", OD_DINT, 0, -2147483647LL - 1},
    };
    for (const Case& c : cases) {
        LiteralValue value{};
        value.byteValue = value.boolValue = 0x5A;
        EXPECT_EQ(c.result, ParseLiteral(c.text, c.type, value)) << c.text << " as " << c.type;
        EXPECT_EQ(c.value, FieldOf(c.type, value)) << c.text << " as " << c.type;
    }
}

TEST(LiteralParser, OverlongNumbersSaturateInsteadOfWrapping) {
    // 2^64 + 1 would wrap to 1 in 64 bits; 100 nines far beyond.
    const std::string beyond64 = "18446744073709551617";
    const std::string negative = "-" + std::string(99, '9');
    struct Case {
        std::string text;
        OperandDescriptor type;
        long long value;
    } cases[] = {
        {beyond64, OD_BYTE, 255},        {beyond64, OD_INT, 32767},      {beyond64, OD_DWORD, 4294967295LL},
        {HUNDRED_NINES, OD_DINT, 2147483647}, {negative, OD_DINT, -2147483647LL - 1}, {negative, OD_WORD, 0},
    };
    for (const Case& c : cases) {
        LiteralValue value{};
        EXPECT_EQ(LITERAL_OUT_OF_RANGE, ParseLiteral(c.text.c_str(), c.type, value)) << c.text;
        EXPECT_EQ(c.value, FieldOf(c.type, value)) << c.text;
    }
    LiteralValue value{};
    EXPECT_EQ(LITERAL_BAD_FORM, ParseLiteral(HUNDRED_ONE_NINES.c_str(), OD_DINT, value));
}

TEST(LiteralParser, RealLiterals) {
    struct Case {
        const char* text;
        int result;
        float value;
        bool inRange;
    } cases[] = {
        {"1.5", 0, 1.5f, true},           {"-0.25", 0, -0.25f, true},     {"1.0E-3", 0, 1.0e-3f, true},
        {"0.0", 0, 0.0f, true},           {"10", 0, 10.0f, true},         {"1.0E-40", 0, 1.0e-40f, false},
        {"3.402823466E38", 0, FLT_MAX, true}, {"1.0E39", 3, FLT_MAX, false}, {"-1.0E300", 3, -FLT_MAX, false},
        {"1E5", 2, 0.0f, false},          {"1.0E", 2, 0.0f, false},       {".", 2, 0.0f, false},
        {"16#1.0", 2, 0.0f, false},       {"TRUE", 2, 0.0f, false},       {"1.0E-3.5", 2, 0.0f, false},
    };
    for (const Case& c : cases) {
        LiteralValue value{};
        EXPECT_EQ(c.result, ParseLiteral(c.text, OD_REAL, value)) << c.text;
        EXPECT_EQ(c.value, value.realValue) << c.text;
        if (c.result == LITERAL_OK) {
            EXPECT_EQ(c.inRange, CheckLiteralRange(OD_REAL, value)) << c.text;
        }
        EXPECT_EQ(c.result == LITERAL_OK && c.inRange, ConvertLiteral(c.text, OD_REAL, value)) << c.text;
    }
}

// Both ends of the REAL range follow one rule: the value rounded to single must be
// finite (the largest single included) and, unless the text is zero, at least the
// smallest normal single; a text that is not zero but rounds to zero is out of range.
TEST(LiteralParser, RealRangeEndsAfterRoundingToSingle) {
    struct Case {
        const char* text;
        int result;
        float value;
        bool converts;
    } cases[] = {
        {"3.4028235E38", 0, FLT_MAX, true},       {"-3.4028235E38", 0, -FLT_MAX, true},
        {"3.40282356E38", 0, FLT_MAX, true},      {"3.4028236E38", 3, FLT_MAX, false},
        {"1.17549435E-38", 0, FLT_MIN, true},     {"-1.17549435E-38", 0, -FLT_MIN, true},
        {"1.1754942E-38", 0, 1.1754942e-38f, false},  // subnormal: the band below the smallest normal
        {"1.0E-45", 0, 1.0e-45f, false},          {"1.0E-46", 3, FLT_MIN, false},
        {"1.0E-50", 3, FLT_MIN, false},           {"-1.0E-50", 3, -FLT_MIN, false},
        {"1.0E-400", 3, FLT_MIN, false},          {"0.0E-50", 0, 0.0f, true},
        {"-0.000", 0, -0.0f, true},
    };
    for (const Case& c : cases) {
        LiteralValue value{};
        EXPECT_EQ(c.result, ParseLiteral(c.text, OD_REAL, value)) << c.text;
        EXPECT_EQ(c.value, value.realValue) << c.text;
        EXPECT_EQ(c.converts, ConvertLiteral(c.text, OD_REAL, value)) << c.text;
        OperandDescriptor descriptor = 0;
        EXPECT_EQ(c.converts, ClassifyConstant(c.text, descriptor)) << c.text;
    }
}

TEST(LiteralParser, TypeMustBeExactlyOne) {
    LiteralValue value{};
    EXPECT_EQ(LITERAL_UNKNOWN_TYPE, ParseLiteral("5", OD_WORD | OD_INT, value));
    EXPECT_EQ(LITERAL_UNKNOWN_TYPE, ParseLiteral("5", 0, value));
    EXPECT_EQ(LITERAL_OK, ParseLiteral("5", 0x9010, value));  // only the type field counts
}

TEST(ConstantClassification, ClassifyConstant) {
    struct Case {
        const char* text;
        bool ok;
        OperandDescriptor descriptor;
    } cases[] = {
        {"true", true, 0x9001},        {"False", true, 0x9001},       {"100", true, 0x9010},
        {"40000", false, 0x10},        {"DI#40000", true, 0x9020},    {"-32768", true, 0x9010},
        {"1.5", true, 0x9040},         {"1E5", false, 0xFFFFFFFF},    {"1.0E-3", true, 0x9040},
        {"16#FF", true, 0x9004},       {"16#ff", true, 0x9004},       {"B#16#FF", true, 0x9002},
        {"B#16#1FF", false, 0x02},     {"DW#16#FFFFFFFF", true, 0x9008}, {"DW#16#1FFFFFFFF", false, 0x08},
        {"T#10S", false, 0xFFFFFFFF},  {"1.0E-40", false, 0x40},      {"0.0", true, 0x9040},
        {"2#101", true, 0x9004},       {"8#17", true, 0x9004},        {"W#300", true, 0x9004},
        {"B#300", false, 0x02},        {"I#16#FFFF", true, 0x9010},   {"abc", false, 0xFFFFFFFF},
        {"", false, 0xFFFFFFFF},       {"1.0E39", false, 0x40},
    };
    for (const Case& c : cases) {
        OperandDescriptor descriptor = 0x12345;
        EXPECT_EQ(c.ok, ClassifyConstant(c.text, descriptor)) << c.text;
        EXPECT_EQ(c.descriptor, descriptor) << c.text;
    }
}

TEST(ConstantClassification, ParseConstantValue) {
    struct Case {
        const char* text;
        OperandDescriptor descriptor;
        DWORD integer;
    } cases[] = {
        {"TRUE", 0x1001, 1},           {"B#16#FF", 0x1002, 0xFF},     {"16#FFFF", 0x1004, 0xFFFF},
        {"-1", 0x1010, 0xFFFFFFFF},    {"I#16#8000", 0x1010, 0xFFFF8000}, {"DI#-2", 0x1020, 0xFFFFFFFE},
        {"DW#16#80000000", 0x1008, 0x80000000}, {"1.0", 0x1040, 0x3F800000}, {"-2.5", 0x1040, 0xC0200000},
    };
    for (const Case& c : cases) {
        OperandDescriptor descriptor = 0;
        DWORD integer = 0;
        float real = 0;
        ASSERT_TRUE(ParseConstantValue(c.text, descriptor, integer, real)) << c.text;
        EXPECT_EQ(c.descriptor, descriptor) << c.text;
        EXPECT_EQ(c.integer, integer) << c.text;
    }
    OperandDescriptor descriptor = 0;
    DWORD integer = 0;
    float real = 0;
    ASSERT_TRUE(ParseConstantValue("1.0", descriptor, integer, real));
    EXPECT_EQ(1.0f, real);
    EXPECT_FALSE(ParseConstantValue("40000", descriptor, integer, real));
    EXPECT_EQ(0x10u, descriptor);
}

TEST(Identifier, IsValidIdentifier) {
    struct Case {
        const char* name;
        bool valid;
    } cases[] = {
        {"_A1", true},  {"__A", false}, {"1A", false},  {"A__B", true}, {"", false},   {"Motor_1", true},
        {"_", true},    {"A B", false}, {"A-1", false}, {"a1", true},   {"\xB9\xA4\xB3\xCC", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.valid, IsValidIdentifier(c.name)) << c.name;
}
