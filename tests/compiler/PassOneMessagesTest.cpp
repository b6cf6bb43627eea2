#include "tests/compiler/ProjectFixture.h"

#include <gtest/gtest.h>

namespace {

// "ST %Q0.0" with blanks between its words that make the line this long (comments and
// outer blanks are removed before the length is looked at).
std::string LongStore(size_t length) { return "ST" + std::string(length - 7, ' ') + "%Q0.0"; }

struct PassOneCase {
    std::vector<std::string> main;
    const char* expected;  // a line of the compile tab; null: the compile succeeds
};

// Lines are numbered from the first line after the language marker.
// MAIN with a global variable START, a subroutine SBR01 with one BOOL input and a
// subroutine SBR02 with 34 BOOL in-out parameters.
void WriteProject(CProjectFixture& project, const std::vector<std::string>& main) {
    project.Write("Msgs.qgv", {"VAR_GLOBAL", "START AT %I0.0 : BOOL;", "END_VAR"});
    project.WritePou("MAIN_MAIN", main);
    project.WritePou("SBR01_One", {"(* NETWORK 0 *)", "LD IN1", "ST %Q0.1"},
                     {"VAR_INPUT", "IN1 AT %V100.0 : BOOL;", "END_VAR"});
    std::vector<std::string> many = {"VAR_IN_OUT"};
    for (int p = 0; p < 34; ++p)
        many.push_back("P" + std::to_string(p) + " AT %V" + std::to_string(200 + p) + ".0 : BOOL;");
    many.push_back("END_VAR");
    project.WritePou("SBR02_Many", {"(* NETWORK 0 *)", "LD %I0.0", "ST %Q0.2"}, many);
}

TEST(PassOneMessages, LabelsLongLinesAndCallExpansion) {
    std::string thirtyFour = "CAL SBR02";
    for (int p = 0; p < 34; ++p)
        thirtyFour += (p ? ", %M" : " %M") + std::to_string(p / 8) + "." + std::to_string(p % 8);
    const PassOneCase cases[] = {
        {{"(* NETWORK 0 *)", "L1:", "LD %I0.0", "JMPC L1", "(* NETWORK 1 *)", "L1:", "LD %I0.1", "ST %Q0.1"},
         "        程序: MAIN (第 6 行):[Error 015]标识符已被使用:Label名:L1在当前文件中已经定义."},
        {{"(* NETWORK 0 *)", "START:", "LD %I0.0", "JMPC START"},
         "        程序: MAIN (第 2 行):[Error 015]标识符已被使用:Label名:START不能与全局变量名相同."},
        {{"(* NETWORK 0 *)", "LD %I0.0", LongStore(1024)}, nullptr},
        {{"(* NETWORK 0 *)", "LD %I0.0", LongStore(1025)},
         "        程序: MAIN (第 3 行):[Error 014]文本行过长:ST    "},
        {{"(* NETWORK 0 *)", "LD %I0.0", "CAL SBR01"},
         "        程序: MAIN (第 3 行):[Error 037]子程序调用不正确: 子程序有参数, 调用时必须带有参数."},
        {{"(* NETWORK 0 *)", "LD %I0.0", thirtyFour},
         "        程序: MAIN (第 3 行):[Error 037]子程序调用不正确: 子程序的参数过多, 部分参数将被丢弃."},
    };
    for (const PassOneCase& c : cases) {
        CProjectFixture project("Msgs");
        WriteProject(project, c.main);
        const bool compiled = project.Compile({{CompileUnit::kMain, 0, "MAIN"}, {CompileUnit::kSubroutine, 1, "One"},
                                               {CompileUnit::kSubroutine, 2, "Many"}},
                                              true);
        const std::string text = project.shell.CompileText();
        EXPECT_EQ(c.expected == nullptr, compiled) << text;
        if (c.expected) {
            EXPECT_NE(std::string::npos, text.find(c.expected)) << c.expected << "\n" << text;
        }
    }
}

}  // namespace
