#include "project/CQLXInitData.h"
#include "tests/compiler/ProjectFixture.h"

#include <gtest/gtest.h>

namespace {

// A MAIN of n networks of two instructions each, plus its end marker.
std::vector<std::string> Networks(int count) {
    std::vector<std::string> lines;
    for (int n = 0; n < count; ++n) {
        lines.push_back("(* NETWORK " + std::to_string(n) + " *)");
        lines.push_back("LD %I0.0");
        lines.push_back("ST %Q0.0");
    }
    return lines;
}

TEST(CompileLimits, InstructionCountUpToTheCpuCapacity) {
    // 10 networks: 20 instructions and the end marker.
    for (int capacity : {21, 20}) {
        CProjectFixture project("Capacity");
        project.shell.programMemorySize = capacity;
        project.WritePou("MAIN_MAIN", Networks(10));
        const bool compiled = project.Compile({{CompileUnit::kMain, 0, "MAIN"}});
        EXPECT_EQ(capacity == 21, compiled) << project.shell.CompileText();
        if (!compiled) {
            EXPECT_NE(std::string::npos,
                      project.shell.CompileText().find(
                          "$$$ [Error 038]溢出:工程中指令过多, 当前CPU模块支持最多 20 条指令."));
        }
    }
}

TEST(CompileLimits, ObjectSizeLimitIs65534Bytes) {
    // Each network: marker 2 + LD 4 + ST 4 = 10 bytes; MAIN adds its header and end
    // marker, 8 bytes: 6552 networks give 65528 bytes, and a closing MOVE of an INT
    // constant (6 bytes) or a DINT constant (8 bytes) makes 65534 or 65536.
    struct Case {
        int networks;
        std::vector<std::string> tail;
        size_t size;
    } cases[] = {
        {6552, {"MOVE 1, %VW0"}, 65534},
        {6552, {"MOVE DI#1, %VD0"}, 65536},
    };
    for (const Case& c : cases) {
        CProjectFixture project("Size");
        project.shell.programMemorySize = 100000;
        std::vector<std::string> lines = Networks(c.networks);
        lines.insert(lines.end(), c.tail.begin(), c.tail.end());
        project.WritePou("MAIN_MAIN", lines);
        const bool compiled = project.Compile({{CompileUnit::kMain, 0, "MAIN"}});
        EXPECT_EQ(c.size <= 65534, compiled) << c.size;
        if (compiled) EXPECT_EQ(c.size, project.ObjectBytes().size());
        else EXPECT_NE(std::string::npos, project.shell.CompileText().find("$$$ [Error 030]目标文件超出64K:."));
    }
}

TEST(CompileLimits, InitialDataProblemsFailAfterCompilingEverything) {
    CProjectFixture project("InitData");
    project.shell.initDataProblems = 1;
    project.WritePou("MAIN_MAIN", Networks(1));
    EXPECT_FALSE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}}));
    EXPECT_EQ(1, project.shell.initDataChecks);
    EXPECT_NE(std::string::npos, project.shell.CompileText().find("正在编译   : 程序 MAIN"));
    EXPECT_NE(std::string::npos, project.shell.CompileText().find("编译失败   :  1 错误"));
    EXPECT_FALSE(project.HasObject());
}

TEST(CompileLimits, InitialDataTableLinesCountAsErrors) {
    CProjectFixture project("InitRows");
    CQLXInitData addressOnly;
    addressOnly.texts.Add("%VB0");
    CObArray rows;
    rows.Add(&addressOnly);
    project.shell.initDataRows = &rows;
    project.WritePou("MAIN_MAIN", Networks(1));
    EXPECT_FALSE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}}));
    const std::string text = project.shell.CompileText();
    EXPECT_NE(std::string::npos, text.find("$$$ 正在编译  ：初始化数据表... \n"
                                           "        初始化数据表  第  1行第  1列：  尚未赋初始值\n"))
        << text;
    EXPECT_NE(std::string::npos, text.find("编译失败   :  1 错误"));
}

TEST(CompileLimits, AtMost256CallsWithParametersPerFile) {
    for (int calls : {256, 257}) {
        CProjectFixture project("Calls");
        project.shell.programMemorySize = 100000;
        std::vector<std::string> main = {"(* NETWORK 0 *)", "LD %I0.0"};
        for (int c = 0; c < calls; ++c) main.push_back("CAL SBR00 %I0." + std::to_string(c % 8));
        project.WritePou("MAIN_MAIN", main);
        project.WritePou("SBR00_Sub", Networks(1), {"VAR_INPUT", "IN1 AT %V100.0 : BOOL;", "END_VAR"});
        const bool compiled = project.Compile({{CompileUnit::kMain, 0, "MAIN"}, {CompileUnit::kSubroutine, 0, "Sub"}});
        EXPECT_EQ(calls == 256, compiled) << calls;
        const std::string tooMany = "(第 259 行):[Error 037]子程序调用不正确: 同一个文件中, 带参数的子程序调用过多.";
        EXPECT_EQ(calls == 257, project.shell.CompileText().find(tooMany) != std::string::npos)
            << project.shell.CompileText().substr(0, 2000);
    }
}

TEST(CompileLimits, VariableFileErrorsStopBeforeThePrograms) {
    CProjectFixture project("VarError");
    project.WritePou("MAIN_MAIN", Networks(1), {"VAR", "X AT %VW1 : INT;", "END_VAR"});
    EXPECT_FALSE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}}));
    const std::string text = project.shell.CompileText();
    EXPECT_NE(std::string::npos, text.find("程序: MAIN 的变量:[Error 041]内存书写错误:AT%VW1: 字、双字内存的起始应该为偶数."))
        << text;
    EXPECT_EQ(std::string::npos, text.find("正在编译   : 程序 MAIN ..."));
    EXPECT_NE(std::string::npos, text.find("$$$ [Error 024]缺少:指令总数不正确(过少)."));
}

TEST(CompileLimits, NestingAndRecursionInAProject) {
    CProjectFixture project("Calls");
    project.WritePou("MAIN_MAIN", {"(* NETWORK 0 *)", "LD %I0.0", "CAL SBR00"});
    project.WritePou("SBR00_A", {"(* NETWORK 0 *)", "LD %I0.0", "CAL SBR01"});
    project.WritePou("SBR01_B", {"(* NETWORK 0 *)", "LD %I0.0", "CAL SBR00"});
    EXPECT_TRUE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}, {CompileUnit::kSubroutine, 0, "A"},
                                 {CompileUnit::kSubroutine, 1, "B"}}))
        << project.shell.CompileText();
    const std::string text = project.shell.CompileText();
    EXPECT_NE(std::string::npos, text.find("调用者->(A)->(B)->(A)."));
    EXPECT_NE(std::string::npos, text.find("调用者->(B)->(A)->(B)."));
    EXPECT_NE(std::string::npos, text.find("0 错误, 2 警告"));

    CProjectFixture self("Self");
    self.WritePou("MAIN_MAIN", {"(* NETWORK 0 *)", "LD %I0.0", "CAL SBR00"});
    self.WritePou("SBR00_A", {"(* NETWORK 0 *)", "LD %I0.0", "CAL SBR00"});
    EXPECT_FALSE(self.Compile({{CompileUnit::kMain, 0, "MAIN"}, {CompileUnit::kSubroutine, 0, "A"}}));
    EXPECT_NE(std::string::npos, self.shell.CompileText().find("[Error 037]子程序调用不正确:子程序不能调用自身."));
}

TEST(CompileLimits, UnitWithoutItsRecordFailsTheCompile) {
    ScriptedMessageBoxes boxes;
    CProjectFixture project("NoRecord");
    project.WritePou("MAIN_MAIN", Networks(1));
    project.WritePou("SBRAB_X", Networks(1));
    CStringArray files;
    BuildCompileFileList(project.ProjectFile().c_str(), {{CompileUnit::kMain, 0, "MAIN"}}, false, files);
    files.Add((project.Folder() + "\\SBRAB_X.ilp").c_str());
    std::vector<CString> list;
    for (int i = 0; i < files.GetSize(); ++i) list.push_back(files[i]);
    project.Write("~SBRAB_X.ilp", {"(*1*)", "(* NETWORK 0 *)", "LD %I0.0", "ST %Q0.0"});
    SetCompileShell(&project.shell);
    CCompileDriver driver(list.data(), static_cast<int>(list.size()));
    EXPECT_FALSE(driver.Compile(false));
    SetCompileShell(nullptr);
    EXPECT_FALSE(project.HasObject());
    EXPECT_FALSE(boxes.Calls().empty());
}

}  // namespace
