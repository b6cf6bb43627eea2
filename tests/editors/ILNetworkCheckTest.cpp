#include "tests/editors/ILEditorFixture.h"

#include <gtest/gtest.h>

namespace {
class ILNetworkCheckTest : public ILEditorTest {
protected:
    // The states of the lines after a full check of this program.
    std::vector<int> States(const std::vector<std::string>& lines) {
        Load(lines);
        engine().CheckNetwork(TRUE);
        std::vector<int> states;
        for (size_t i = 0; i < lines.size(); ++i) states.push_back(engine().LineState(static_cast<int>(i)));
        return states;
    }
    bool Passes(const std::string& line) { return States({"(* Network 0 *)", line})[1] == 0; }
};

TEST_F(ILNetworkCheckTest, SingleLineRules) {
    struct Case {
        const char* line;
        bool passes;
    };
    const Case cases[] = {
        {"LD      %I0.0", true},
        {"LD      %I0.0, %I0.1", false},
        {"LDX     %I0.0", false},
        {"LD      START", true},
        {"LD      NOWHERE", false},
        {"RET", true},
        {"RET     %I0.0", false},
        {"ATCH    EDGE, 32", true},
        {"ATCH    INT00, 3", true},
        {"ATCH    EDGE, 33", false},
        {"ATCH    NOINT, 3", false},
        {"HSC     24", true},
        {"HSC     25", false},
        {"XMT     %VB100, 1", true},
        {"XMT     %VB100, 2", false},
        {"CAL     PUMP %VW10, %Q0.0", true},
        {"CAL     PUMP %VW10", false},
        {"CAL     MAIN", false},   // its own name
        {"CAL", false},
        {"AND(", false},  // the block never closes
        {"(* only a comment *)", true},
        {"", true},
        {"JMP     NOWHERE", false},
        {"BADLABEL!:", false},
    };
    for (const Case& c : cases) EXPECT_EQ(c.passes, Passes(c.line)) << c.line;
}

TEST_F(ILNetworkCheckTest, PidLinesNeverHoldMoreThanFourteenOperands) {
    std::string fourteen = "PID     %VD0";
    for (int i = 1; i < 14; ++i) fourteen += ", %VD" + std::to_string(4 * i);
    std::string fifteen = fourteen + ", %VD100";
    std::string twenty = fifteen + ", %VD104, %VD108, %VD112, %VD116, %VD120";
    EXPECT_FALSE(Passes(fifteen));
    EXPECT_FALSE(Passes(twenty));  // no write past the fourteen slots
}

TEST_F(ILNetworkCheckTest, LabelsJumpsAndTimerInstances) {
    EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 8}),
              States({"(* Network 0 *)", "JMP     LOOP", "LOOP:", "LD      %I0.0", "LOOP:"}));
    EXPECT_EQ((std::vector<int>{0, 0, 8, 0}),
              States({"(* Network 0 *)", "TON     T37, 100", "TON     T37, 200", "LD      T37"}));
    CStringArray names, types;
    ASSERT_TRUE(project().GetFBInstancesOf("MAIN", names, types));
    EXPECT_EQ(1, names.GetSize());
    EXPECT_STREQ("T37", names[0]);
    // The instances follow the text: a check without the timer line drops them.
    States({"(* Network 0 *)", "LD      T37"});
    EXPECT_FALSE(project().GetFBInstancesOf("MAIN", names, types));
}

TEST_F(ILNetworkCheckTest, ParenthesesPairPerNetwork) {
    EXPECT_EQ((std::vector<int>{0, 0, 0, 0}), States({"(* Network 0 *)", "LD      %I0.0", "AND(", ")"}));
    EXPECT_EQ((std::vector<int>{0, 8, 0, 0}),
              States({"(* Network 0 *)", "AND(", "(* Network 1 *)", "LD      %I0.0"}));
    EXPECT_EQ((std::vector<int>{0, 8, 0, 8}), States({"(* Network 0 *)", "AND(", "(* Network 1 *)", ")"}));
    EXPECT_EQ((std::vector<int>{0, 8}), States({"(* Network 0 *)", "LD      %I0.0 (* a ( b *)"}));
}

TEST_F(ILNetworkCheckTest, VisibleCheckTakesSeventyLinesFromTheFirstShown) {
    std::vector<std::string> lines = {"(* Network 0 *)"};
    for (int i = 1; i < 500; ++i) lines.push_back("LD      %I0.0");
    Load(lines);
    CStringArray& text = model().GetLines();
    for (int i = 1; i < 500; ++i) text.SetAt(i, "BAD");
    engine().ScrollTo(0, 100 * engine().GetLineHeight());
    engine().CheckNetwork(FALSE);
    EXPECT_EQ(0, engine().LineState(99));
    EXPECT_EQ(8, engine().LineState(100));
    EXPECT_EQ(8, engine().LineState(169));
    EXPECT_EQ(0, engine().LineState(170));
}

TEST_F(ILNetworkCheckTest, ConversionToLadderRefusedWhileALineIsInError) {
    Load({"(* Network 0 *)", "LD      %I0.0", "ST      %Q0.0"});
    EXPECT_TRUE(model().CanConvertToLD());
    model().GetLines().SetAt(2, "ST      NOWHERE");
    EXPECT_FALSE(model().CanConvertToLD());
}
}  // namespace
