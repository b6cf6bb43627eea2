#include "tests/compiler/ProjectFixture.h"

#include "language/AddressCode.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

// Builds the expected bytes of a compiled program.
class CodeBuilder {
public:
    CodeBuilder& Header(uint16_t length, uint8_t language, uint8_t kind, uint8_t number) {
        return Word(length).Byte(language).Byte(6).Byte(kind).Byte(number);
    }
    CodeBuilder& Op(uint16_t opcode) { return Word(opcode); }
    CodeBuilder& Address(const char* address, BOOL statusBit = FALSE) {
        return Word(EncodeAddressCode(address, statusBit));
    }
    CodeBuilder& Word(uint16_t value) { return Byte(value & 0xFF).Byte(value >> 8); }
    CodeBuilder& Byte(uint8_t value) {
        bytes.push_back(value);
        return *this;
    }
    Bytes bytes;
};

TEST(ProjectCompile, SmallestMainGivesEighteenByteBlockAndLog) {
    CProjectFixture project("Pump");
    project.WritePou("MAIN_MAIN", {"(* NETWORK 0 *)", "LD %I0.0", "ST %Q0.0"});
    EXPECT_TRUE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}}));
    CodeBuilder expected;
    expected.Header(18, 1, 1, 0xFF).Op(0x134).Op(0x09).Address("%I0.0").Op(0x1C).Address("%Q0.0").Op(0x131);
    EXPECT_EQ(expected.bytes, project.ObjectBytes());
    const char* lines[] = {"$$$ 处理变量 $$$", "$$$ 预编译 $$$", "$$$ 编译 $$$",
                           "$$$ 正在编译   : 程序 MAIN ...", " ",
                           "$$$ 编译成功   :  0 错误, 0 警告。总共3条指令。"};
    std::string log, output;
    for (const char* line : lines) {
        log += line;
        output += std::string(line) + "\n";
    }
    EXPECT_EQ(output, project.shell.CompileText());
    EXPECT_EQ(log, project.Log());
}

TEST(ProjectCompile, MainSubroutineWithParametersInterruptAndGlobals) {
    CProjectFixture project("Line");
    project.Write("Line.qgv", {"VAR_GLOBAL", "START AT %I0.0 : BOOL;", "SPEED AT %VW10 : INT;", "END_VAR"});
    project.WritePou("MAIN_MAIN",
                     {"(* NETWORK 0 *)", "LD START", "CAL SBR00 %I0.1, SPEED, %Q0.1",
                      "(* NETWORK 1 *)", "LD %I0.2", "ATCH INT00, 10"});
    project.WritePou("SBR00_Motor", {"(* NETWORK 0 *) LD IN1", "ST OUT1"},
                     {"VAR_INPUT", "IN1 AT %V100.0 : BOOL;", "END_VAR", "VAR_IN_OUT",
                      "IO1 AT %VW102 : INT;", "END_VAR", "VAR_OUTPUT", "OUT1 AT %V104.0 : BOOL;",
                      "END_VAR"});
    project.WritePou("INT00_Tick", {"(* NETWORK 0 *)", "LD %SM0.0", "S %Q0.2"}, {"VAR", "END_VAR"}, 2);
    ASSERT_TRUE(project.Compile({{CompileUnit::kMain, 0, "MAIN"},
                                 {CompileUnit::kSubroutine, 0, "Motor"},
                                 {CompileUnit::kInterrupt, 0, "Tick"}},
                                true))
        << project.shell.CompileText();

    CodeBuilder main;  // instructions 0-14
    main.Header(6 + 2 + 4 + 2 + 4 + 4 + 2 + 6 + 4 + 6 + 4 + 4 + 2 + 2 + 2 + 4 + 6 + 2, 1, 1, 0xFF)
        .Op(0x134).Op(0x09).Address("%I0.0")
        .Op(0x132).Op(0x09).Address("%I0.1").Op(0x1C).Address("%V100.0").Op(0x03)
        .Op(0x1B8).Address("%VW10").Address("%VW102")
        .Op(0x12F).Word(15)
        .Op(0x1B8).Address("%VW102").Address("%VW10")
        .Op(0x09).Address("%V104.0").Op(0x1C).Address("%Q0.1").Op(0x03).Op(0x133)
        .Op(0x134).Op(0x09).Address("%I0.2").Op(0x113).Word(18).Word(10)
        .Op(0x131);
    CodeBuilder subroutine;  // instructions 15-17
    subroutine.Header(18, 1, 2, 0).Op(0x134).Op(0x09).Address("%V100.0").Op(0x1C).Address("%V104.0").Op(0x130);
    CodeBuilder interrupt;  // instructions 18-20, a ladder program
    interrupt.Header(18, 2, 3, 0).Op(0x134).Op(0x09).Address("%SM0.0").Op(0x17).Address("%Q0.2").Op(0x112);
    Bytes expected = main.bytes;
    expected.insert(expected.end(), subroutine.bytes.begin(), subroutine.bytes.end());
    expected.insert(expected.end(), interrupt.bytes.begin(), interrupt.bytes.end());
    EXPECT_EQ(expected, project.ObjectBytes());
    const std::string golden[] = {"$$$ 处理变量 $$$", "$$$ 预编译 $$$", "$$$ 编译 $$$",
                                  "$$$ 正在编译   : 程序 MAIN ...", "$$$ 正在编译   : 程序 Motor ...",
                                  "$$$ 正在编译   : 程序 Tick ...", " ",
                                  "$$$ 编译成功   :  0 错误, 0 警告。总共21条指令。"};
    std::string log, output;
    for (const std::string& line : golden) {
        log += line;
        output += line + "\n";
    }
    EXPECT_EQ(output, project.shell.CompileText());
    EXPECT_EQ(log, project.Log());
    // the intermediate copy of the global variables is gone
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((project.Folder() + "\\LINE.CGV").c_str()));
}

struct ProgramErrorCase {
    std::vector<std::string> main;
    const char* expectedLine;
};

TEST(ProjectCompile, ProgramErrorsFailTheCompileAndRemoveTheObject) {
    const ProgramErrorCase cases[] = {
        {{"(* NETWORK 0 *)", "ST %Q0.0"},
         "        程序: MAIN (第 2 行):[Error 017]无效指令:NetWork的首语句应该是LD类指令, 或一个标号."},
        {{"LD %I0.0", "ST %Q0.0"},
         "        程序: MAIN (第 1 行):[Error 039]NetWork错误:程序必须注明network(内部调试性错误)."},
        {{"(* NETWORK 0 *)", "LD %I0.0, %I0.1"}, "        程序: MAIN (第 2 行):[Error 018]指令格式不正确:LD."},
        {{"(* NETWORK 0 *)", "LD %I0.0", "ST %IB0"},
         "        程序: MAIN (第 3 行):[Error 019]无效操作数:%IB0: 只读内存区,不能作输出."},
        {{"(* NETWORK 0 *)", "LD %I0.0", "MOVE %VW0, %IW0"},
         "        程序: MAIN (第 3 行):[Error 019]无效操作数:%IW0: 只读内存区,不能作输出."},
        {{"(* NETWORK 0 *)", "LD %I0.0", "MOVE %VR0, %VW0"},
         "        程序: MAIN (第 3 行):[Error 017]无效指令:MOVE指令操作数数据类型不匹配或当前CPU模块不支持此指令."},
        {{"(* NETWORK 0 *)", "LD %I0.0", "MOVE 100, %SMW32"},
         "        程序: MAIN (第 3 行):[Error 019]无效操作数:100实参错误, 数值超出范围."},
        {{"(* NETWORK 0 *)", "LD %I0.0", "JMP NOWHERE"},
         "        程序: MAIN (第 3 行):[Error 019]无效操作数:NOWHERE: 操作数格式错."},
        {{"(* NETWORK 0 *)", "CALIB: LD %I0.0", "ST %Q0.0"},
         "        程序: MAIN (第 2 行):[Error 019]无效操作数:标号名:CALIB在当前文件中未定义, 或无效."},
        {{"(* NETWORK 0 *)", "LD %I0.0 (* never closed", "ST %Q0.0"},
         "        程序: MAIN (第 3 行):[Error 024]缺少:*)  (内部调试性错误)."},
        {{"(* NETWORK 0 *)", "LD %I0.0", "ST %Q0.0", "(* NETWORK 1 *)", "LD %I0.0", "TON T1, 10",
          "(* NETWORK 2 *)", "LD %I0.0", "TON T1, 20"},
         "        程序: MAIN (第 9 行):[Error 040]功能块实例重复初始化:T1 已经被初始化."},
    };
    for (const ProgramErrorCase& c : cases) {
        CProjectFixture project("Bad");
        project.WritePou("MAIN_MAIN", c.main, {"VAR", "T1 : TON;", "END_VAR"});
        EXPECT_FALSE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}})) << c.expectedLine;
        EXPECT_NE(std::string::npos, project.shell.CompileText().find(std::string(c.expectedLine) + "\n"))
            << c.expectedLine << "\n" << project.shell.CompileText();
        EXPECT_FALSE(project.HasObject());
    }
}

TEST(ProjectCompile, WordsThatBeginWithCalAreNoCalls) {
    CProjectFixture project("CalWords");
    project.WritePou("MAIN_MAIN",
                     {"(* NETWORK 0 *)", "LD %I0.0", "JMPC CALDONE", "MOVE CALIB, %VW12", "(* NETWORK 1 *)",
                      "CALDONE:", "LD %I0.1", "ST %Q0.0"},
                     {"VAR", "CALIB AT %VW10 : INT;", "END_VAR"});
    EXPECT_TRUE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}})) << project.shell.CompileText();
}

}  // namespace
