#include "language/DelimiterTable.h"

#include <gtest/gtest.h>

#include <string>

TEST(DelimiterTable, RowsInOrder) {
    const char* const texts[DELIMITER_COUNT] = {"(*", "*)", ":=", "=>", " ", "\t", ":", ",", ";", "[", "]", "(",
                                                "+",  "-",  "*",  "/",  ")", "<>", "<=", "<", ">=", ">", "="};
    for (int row = 0; row < DELIMITER_COUNT; ++row)
        EXPECT_STREQ(texts[row], DelimiterTable[row].text) << row;
}

TEST(DelimiterTable, WordAndStatementSeparators) {
    struct Case {
        const char* text;
        bool delimiter;
        bool statementDelimiter;
    } cases[] = {
        {"(*", true, true}, {":=", true, true}, {" ", true, true},  {"\t", true, true}, {";", true, true},
        {"(", true, false}, {")", true, false}, {"[", true, false}, {"]", true, false}, {"+", false, false},
        {"=>", false, false}, {"<=", false, false}, {"=", false, false}, {"X", false, false}, {"", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.delimiter, IsDelimiter(c.text)) << c.text;
        EXPECT_EQ(c.statementDelimiter, IsStatementDelimiter(c.text)) << c.text;
    }
}

TEST(DelimiterTable, TextOfARowOnlyForStatementSeparatorsInsideTheTable) {
    EXPECT_EQ(":=", std::string(GetDelimiterText(2)));
    EXPECT_EQ(",", std::string(GetDelimiterText(7)));
    EXPECT_EQ("", std::string(GetDelimiterText(9)));   // "[" splits words, not statements
    EXPECT_EQ("", std::string(GetDelimiterText(12)));  // "+" splits nothing
    EXPECT_EQ("", std::string(GetDelimiterText(23)));
    EXPECT_EQ("", std::string(GetDelimiterText(-1)));
    EXPECT_EQ("", std::string(GetDelimiterText(-1000000)));
}
