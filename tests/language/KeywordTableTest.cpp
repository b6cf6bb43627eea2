#include "language/KeywordTable.h"

#include "language/CpuClassSource.h"
#include "tests/support/CpuClassFixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

TEST(KeywordTable, IdsAreRowsButTheThreeVarRows) {
    for (int row = 0; row < KEYWORD_COUNT; ++row) {
        const int expected = row == 40 ? 41 : row == 41 ? 42 : row == 42 ? 40 : row;
        EXPECT_EQ(expected, KeywordTable[row].id) << row;
    }
    EXPECT_STREQ("VAR", KeywordTable[40].name);
    EXPECT_STREQ("VAR_CONFIG", KeywordTable[42].name);
}

TEST(KeywordTable, ClassSizesAndEnabledRows) {
    std::map<int, int> rows, enabled;
    std::set<std::string> names;
    for (const KeywordSpec& spec : KeywordTable) {
        ++rows[spec.keywordClass];
        enabled[spec.keywordClass] += spec.enabled;
        EXPECT_EQ(spec.enabled, spec.enabledInStatements) << spec.name;
        EXPECT_LE(std::strlen(spec.name), 23u) << spec.name;
        names.insert(spec.name);
    }
    EXPECT_EQ(270u, names.size());  // no name twice
    const std::map<int, int> expectedRows = {{0, 7}, {1, 1}, {2, 7}, {3, 14}, {4, 76}, {5, 8}, {8, 1}, {9, 45}, {12, 111}};
    EXPECT_EQ(expectedRows, rows);
    EXPECT_EQ(24, enabled[12]);
    EXPECT_EQ(10, enabled[3]);  // TIME, DATE, DATE_AND_TIME and TOD are reserved but unused
}

TEST(KeywordTable, SpotRows) {
    struct Row {
        int row;
        const char* name;
        int keywordClass;
        bool enabled;
    } rows[] = {
        {0, "FALSE", KW_OTHER, true},        {7, "LWORD", KW_OTHER, false},       {19, "TIME", KW_DATA_TYPE, false},
        {49, "END_VAR", KW_SECTION_END, true}, {56, "NOT", KW_LOGIC_OPERATOR, true}, {105, "LD", KW_IL_OPERATOR, true},
        {111, "RS", KW_FUNCTION_BLOCK, true}, {156, ":=", KW_ASSIGNMENT, true},    {157, "=>", KW_OTHER, false},
        {162, "FUNCTON", KW_OTHER, false},   {187, "FOR", KW_FUNCTION, true},     {246, "PID", KW_FUNCTION, true},
        {269, "RWDOG", KW_IL_OPERATOR, true},
    };
    for (const Row& r : rows) {
        EXPECT_STREQ(r.name, KeywordTable[r.row].name) << r.row;
        EXPECT_EQ(r.keywordClass, KeywordTable[r.row].keywordClass) << r.name;
        EXPECT_EQ(r.enabled, KeywordTable[r.row].enabled != 0) << r.name;
    }
}

TEST(KeywordTable, OnlyTheClockAndPidWordsAreLimitedToClassOne) {
    for (const KeywordSpec& spec : KeywordTable) {
        const bool classOneOnly = !std::strcmp(spec.name, "READ_RTC") || !std::strcmp(spec.name, "SET_RTC") ||
                                  !std::strcmp(spec.name, "PID");
        EXPECT_EQ(classOneOnly ? 0x2u : 0x1Fu, spec.cpuMask) << spec.name;
    }
}

TEST(KeywordTable, FindKeywordIdPerCpuClass) {
    struct Case {
        const char* name;
        int class0, class1, class2;
    } cases[] = {
        {"VAR", 41, 41, 41},      {"VAR_CONFIG", 270, 270, 270}, {"PID", 270, 246, 270},
        {"READ_RTC", 270, 235, 270}, {"var", 270, 270, 270},     {"IF", 270, 270, 270},
        {"FALSE", 0, 0, 0},       {"__NETWORK", 240, 240, 240},  {"", 270, 270, 270},
    };
    for (int cpuClass = 0; cpuClass <= 2; ++cpuClass) {
        ScopedCpuClass cpu(cpuClass);
        for (const Case& c : cases) {
            const int expected = cpuClass == 0 ? c.class0 : cpuClass == 1 ? c.class1 : c.class2;
            EXPECT_EQ(expected, FindKeywordId(c.name)) << c.name << " on class " << cpuClass;
        }
    }
}

TEST(KeywordTable, NoCpuClassFindsNothing) {
    ScopedCpuClass cpu(7);
    EXPECT_EQ(KEYWORD_NOT_FOUND, FindKeywordId("VAR"));
    KeywordSpec record{};
    EXPECT_EQ(KEYWORD_NOT_FOUND, LookupKeyword("LD", record));
}

TEST_F(CpuClass1Test, LookupKeywordCopiesTheRowOnlyOnSuccess) {
    KeywordSpec record{-5, "untouched", -5, 9, 9, 0};
    EXPECT_EQ(KEYWORD_NOT_FOUND, LookupKeyword("ABS", record));  // disabled
    EXPECT_EQ(-5, record.id);
    EXPECT_STREQ("untouched", record.name);

    EXPECT_EQ(105, LookupKeyword("LD", record));
    EXPECT_EQ(105, record.id);
    EXPECT_STREQ("LD", record.name);
    EXPECT_EQ(KW_IL_OPERATOR, record.keywordClass);
    EXPECT_EQ(1, record.enabled);
}

TEST_F(CpuClass0Test, FunctionKeywordsIgnoreTheCpuClass) {
    EXPECT_TRUE(IsFunctionKeyword("ADD"));
    EXPECT_TRUE(IsFunctionKeyword("PID"));     // no CPU test
    EXPECT_FALSE(IsFunctionKeyword("ABS"));    // disabled
    EXPECT_FALSE(IsFunctionKeyword("CTU"));    // a function block
    EXPECT_FALSE(IsFunctionKeyword("LD"));
    EXPECT_FALSE(IsFunctionKeyword("add"));
}
