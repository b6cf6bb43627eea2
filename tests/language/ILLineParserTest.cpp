#include "language/ILLineParser.h"
#include "language/ILTokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Items(const CStringArray& array) {
    std::vector<std::string> items;
    for (int i = 0; i < array.GetSize(); ++i) items.push_back(array[i].GetString());
    return items;
}

using Words = std::vector<std::string>;

TEST(ILLineParser, StripComments) {
    const CILLineParser parser;
    struct Case {
        const char* line;
        const char* expected;
    } cases[] = {
        {"LD %I0.0 (* start *) (* x *)", "LD %I0.0"},
        {"(*)", ""},
        {"LD X (* open", "LD X (* open"},
        {"  A (* c *) B  ", "A   B"},
        {"*) LD X", "*) LD X"},
    };
    for (const Case& c : cases) EXPECT_STREQ(c.expected, parser.StripComments(c.line)) << c.line;
}

TEST(ILLineParser, ParseNetworkHeader) {
    const CILLineParser parser;
    struct Case {
        const char* line;
        const char* number;  // null: not a header
    } cases[] = {
        {"(* Network 12 *)", "12"},
        {"  (*NETWORK7*)", "7"},
        {"(*NETWORK7*)", "7"},
        {"(*NETWORK*)", nullptr},
        {"(* NETWORK 1a *)", nullptr},
        {"(* NETWORK *)", nullptr},
        {"(* NETWORK 1 *) LD X", nullptr},
        {"(* NETWARK 1 *)", nullptr},
    };
    for (const Case& c : cases) {
        CString number = "unchanged";
        EXPECT_EQ(c.number != nullptr, parser.ParseNetworkHeader(c.line, number)) << c.line;
        EXPECT_STREQ(c.number ? c.number : "unchanged", number) << c.line;
    }
}

TEST(ILLineParser, DigitText) {
    const CILLineParser parser;
    EXPECT_TRUE(parser.IsDigitText("0123"));
    EXPECT_FALSE(parser.IsDigitText(""));
    EXPECT_FALSE(parser.IsDigitText("1 2"));
    EXPECT_FALSE(parser.IsDigitText("-1"));
}

TEST(ILLineParser, SplitTokensOnBlanksOnly) {
    const CILLineParser parser;
    CStringArray words;
    EXPECT_FALSE(parser.SplitTokens("   ", words));
    EXPECT_TRUE(parser.SplitTokens("  LD    %I0.0  ", words));
    EXPECT_EQ((Words{"LD", "%I0.0"}), Items(words));
    words.RemoveAll();
    EXPECT_TRUE(parser.SplitTokens("MOVE A,\tB C", words));
    EXPECT_EQ((Words{"MOVE", "A,\tB", "C"}), Items(words));
}

TEST(ILLineParser, TokenizerAddsPlaceholderForLoadWithoutOperand) {
    const CILTokenizer tokenizer;
    struct Case {
        const char* line;
        Words expected;
    } cases[] = {
        {"LD", {"LD", "????"}},
        {"LDN", {"LDN", "????"}},
        {"LD X", {"LD", "X"}},
        {"AND X", {"AND", "X"}},
    };
    for (const Case& c : cases) {
        CStringArray words;
        EXPECT_TRUE(tokenizer.SplitTokens(c.line, words));
        EXPECT_EQ(c.expected, Items(words)) << c.line;
    }
}

TEST(ILLineParser, SplitBySeparatorAdvancesPastAnySeparator) {
    const CILLineParser parser;
    struct Case {
        const char* text;
        const char* separator;
        Words expected;
    } cases[] = {
        {"A\r\nB", "\r\n", {"A\r\n", "B"}},
        {"A\r\nB\r\n", "\r\n", {"A\r\n", "B"}},
        {"A;B;C", ";", {"A;", "B;", "C"}},
        {"A; ;", ";", {"A;"}},
        {";", ";", {}},
    };
    for (const Case& c : cases) {
        CStringArray pieces;
        EXPECT_TRUE(parser.SplitBySeparator(c.text, c.separator, pieces));
        EXPECT_EQ(c.expected, Items(pieces)) << c.text;
    }
    CStringArray pieces;
    EXPECT_FALSE(parser.SplitBySeparator("", ";", pieces));
    EXPECT_FALSE(parser.SplitBySeparator("A", "", pieces));
}

TEST(ILLineParser, FirstOperand) {
    const CILTokenizer tokenizer;
    EXPECT_STREQ("T1", tokenizer.FirstOperand("T1,100"));
    EXPECT_STREQ("T1", tokenizer.FirstOperand("T1 100"));
    EXPECT_STREQ("T1", tokenizer.FirstOperand("T1"));
}

}  // namespace

#include "tests/support/WorkspaceFixture.h"

namespace {

TEST_F(WorkspaceClass1Test, TokenizerTellsOutputInstructions) {
    const CILTokenizer tokenizer;
    struct Case {
        const char* word;
        bool output;
    } cases[] = {{"LOOP:", true}, {"st", true}, {"STN", true}, {"LD", false}, {"S", true},
                 {"R", true}, {"JMP", true}, {"AND", false}, {"", false}};
    for (const Case& c : cases) EXPECT_EQ(c.output, tokenizer.IsOutputInstruction(c.word)) << c.word;
}

}  // namespace
