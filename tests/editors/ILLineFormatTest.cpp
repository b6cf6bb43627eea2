#include "tests/editors/ILEditorFixture.h"

#include <gtest/gtest.h>

namespace {
TEST_F(ILEditorTest, LeavingALineGivesItTheHouseLayout) {
    workspace.showGlobalNames = 0;
    document.variables.variables = {{"Speed", "%LW4", 0x10 | 0x18000}};
    struct Case {
        const char* typed;
        const char* formatted;
    };
    const Case cases[] = {
        {"ld i0.0", "LD      %I0.0"},
        {"ld t37", "LD      T37"},  // no "%" before timers, counters, RS and SR
        {"  st   q0.1 ,", "ST      %Q0.1"},
        {"add 1,vw10", "ADD     1, %VW10"},
        {"ld start", "LD      %I0.0"},       // a global name becomes its address
        {"ld speed", "LD      speed"},       // a local variable keeps its name
        {"ld i0.0 (* go *)", "LD      %I0.0           (* go *)"},  // comment at column 24
        {"ret (* end *)", "RET                     (* end *)"},
        {"(* only a comment *)", "(* only a comment *)"},
        {"ld (* inner *) i0.0", "LD (* inner *) %I0.0"},  // words rewritten, layout kept
        {"  loop  :", "loop:"},
        {"cal pump vw10, q0.0", "CAL     pump %VW10, %Q0.0"},  // a blank after a subroutine
        {"ton t37, 100", "TON     T37, 100"},
        {"mov_lonname vw10, vw12", "mov_lonname %VW10, %VW12"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_STREQ(c.formatted, engine().FormatText(c.typed)) << c.typed;
}

TEST_F(ILEditorTest, GlobalNamesShownOrAddressesWhateverTheSwitch) {
    Load({"(* Network 0 *)", "LD      %I0.0", "ST      %Q0.0"});
    workspace.showGlobalNames = 1;
    engine().SetShowSymbols(TRUE);
    EXPECT_EQ("LD      START", Line(1));
    EXPECT_EQ("ST      %Q0.0", Line(2));  // no global at that address
    engine().SetShowSymbols(FALSE);
    EXPECT_EQ("LD      %I0.0", Line(1));
    // A line left with the switch on shows the name.
    EXPECT_STREQ("LD      START", engine().FormatText("ld i0.0"));
    workspace.showGlobalNames = 0;
    EXPECT_STREQ("LD      %I0.0", engine().FormatText("ld start"));
}

TEST_F(ILEditorTest, NamesAndNumberFormsOfSubroutinesAndInterrupts) {
    Load({"(* Network 0 *)", "CAL     PUMP %VW10, %Q0.0", "ATCH    EDGE, 3", "LD      START"});
    engine().ReformatAll(FALSE, 1);
    EXPECT_EQ("CAL     SBR01 %VW10, %Q0.0", Line(1));
    EXPECT_EQ("ATCH    INT00, 3", Line(2));
    EXPECT_EQ("LD      %I0.0", Line(3));
    engine().ReformatAll(TRUE, -1);
    EXPECT_EQ("CAL     PUMP VALUE, %Q0.0", Line(1));
    EXPECT_EQ("ATCH    EDGE, 3", Line(2));
    EXPECT_EQ("LD      START", Line(3));
}

TEST_F(ILEditorTest, LayoutIsLeftAloneWhileOnline) {
    Load({"(* Network 0 *)", "ld   %Q0.0"});
    workspace.onlineMonitoring = 1;
    engine().LayoutLine(1, TRUE);
    workspace.onlineMonitoring = 0;
    EXPECT_EQ("ld   %Q0.0", Line(1));
}

TEST_F(ILEditorTest, ConvertedLadderTextIsLaidOutLine_by_line) {
    // The language switch lays every exported line out as the editor would.
    EXPECT_STREQ("LD      %I0.0, %I0.1", engine().LayoutText("LD %I0.0 %I0.1"));
    EXPECT_STREQ("LD                      (* x *)", engine().LayoutText("LD (* x *)"));
    EXPECT_STREQ("(* Network 3 *)", engine().LayoutText("(* Network 3 *)"));
    EXPECT_STREQ("LD (* unclosed", engine().LayoutText("LD (* unclosed"));
}
}  // namespace
