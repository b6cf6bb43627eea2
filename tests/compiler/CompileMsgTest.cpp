#include "compiler/CompileMsg.h"

#include "compiler/AppendFile.h"
#include "compiler/CompileMsgTable.h"
#include "compiler/CompileVariables.h"
#include "compiler/PouSymbol.h"
#include "tests/compiler/RecordingCompileShell.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

class CompileMsgTest : public testing::Test {
protected:
    void SetUp() override {
        ClearPouAndLabelLists();
        AddPou("SBR03", "Motor", 3, CPouSymbol::kSubroutine);
        NumberingMode = kNumberByLine;
        FileErrorCount = FileWarningCount = 0;
    }
    void TearDown() override { ClearPouAndLabelLists(); }

    static std::string Line(int code, int severity, int line, const char* detail,
                            const char* file) {
        CompileMsgArgs args;
        args.code = code;
        args.severity = severity;
        args.line = line;
        args.detail = detail;
        args.filePath = file;
        const CCompileMsg msg(args, "");
        switch (severity) {
        case kSeverityError: return msg.FormatError().GetString();
        case kSeverityWarning: return msg.FormatWarning().GetString();
        default: return msg.FormatInfo().GetString();
        }
    }
};

TEST_F(CompileMsgTest, TextsOutsideTheTableAreUnknown) {
    EXPECT_STREQ("编译成功. ", GetCompileMsgText(0));
    EXPECT_STREQ("递归调用", GetCompileMsgText(42));
    EXPECT_STREQ("未知错误!", GetCompileMsgText(43));
    EXPECT_STREQ("未知错误!", GetCompileMsgText(-1));
}

TEST_F(CompileMsgTest, ProblemLinesByPositionAndFileKind) {
    const char* sbr = "D:\\P\\P\\SBR03_MOTOR.ILP";
    struct Case {
        int severity, line;
        const char* file;
        const char* expected;
    } cases[] = {
        {0, kLineProject, "", "$$$ [Error 030]目标文件超出64K:."},
        {1, kLineProject, sbr, "$$$ [Warning 030]目标文件超出64K:."},
        {0, 12, "D:\\P\\P\\P.CGV", "        全局变量:[Error 030]目标文件超出64K:."},
        {0, 12, "D:\\P\\P\\SBR03_MOTOR.ILV", "        程序: Motor 的变量:[Error 030]目标文件超出64K:."},
        {0, kLineWholeFile, sbr, "        程序: Motor :[Error 030]目标文件超出64K:."},
        {1, 12, sbr, "        程序: Motor (第 12 行):[Warning 030]目标文件超出64K:."},
        {0, 12, "D:\\P\\P\\MAIN_MAIN.ILP", "        程序: MAIN (第 12 行):[Error 030]目标文件超出64K:."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Line(30, c.severity, c.line, "", c.file)) << c.file;
}

TEST_F(CompileMsgTest, LadderProgramsNameTheCurrentNetwork) {
    NumberingMode = kNumberByNetwork;
    CurrentNetworkNumber = 3;
    EXPECT_EQ("        程序: Motor (NetWork: 3):[Error 019]无效操作数:X.",
              Line(19, 0, 12, "X", "D:\\P\\P\\SBR03_MOTOR.ILP"));
}

TEST_F(CompileMsgTest, InformationLines) {
    const char* sbr = "D:\\P\\P\\SBR03_MOTOR.ILP";
    EXPECT_EQ("$$$ 编译 $$$", Line(4, 2, -1, "ignored", sbr));
    EXPECT_EQ(" ", Line(5, 2, kLineProject, "", ""));
    EXPECT_EQ("$$$ 编译失败   :  1 错误", Line(12, 2, kLineProject, " 1 错误", ""));
    EXPECT_EQ("$$$ Motor.. 编译完成。 ", Line(7, 2, -1, "..", sbr));
    EXPECT_EQ("$$$ 正在编译   : 程序 Motor ...", Line(1, 2, -1, "", sbr));
    EXPECT_EQ("$$$ 正在编译   : 程序 Motor 的变量 ...x", Line(1, 2, -1, "x", "D:\\P\\SBR03_MOTOR.CIV"));
    EXPECT_EQ("$$$ 正在编译   : 全局变量 ...", Line(1, 2, -1, "", "D:\\P\\P.QGV"));
}

TEST_F(CompileMsgTest, WriteAppendsToLogAndOutputAndCounts) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const CString path = CString(folder) + "tessaron_compile_msg_test.coi";
    { std::ofstream create(path.GetString(), std::ios::trunc); }
    ASSERT_TRUE(GetCompileLog().Open(path));
    CRecordingCompileShell shell;

    CompileMsgArgs args;
    args.code = 19;
    args.severity = kSeverityError;
    args.line = 2;
    args.detail = "A";
    args.filePath = "D:\\P\\MAIN_MAIN.ILP";
    CCompileMsg(args, path).Write();
    args.severity = kSeverityWarning;
    CCompileMsg(args, path).Write();
    args.severity = 3;
    CCompileMsg(args, path).Write();
    GetCompileLog().Close();

    const std::string first = "        程序: MAIN (第 2 行):[Error 019]无效操作数:A.";
    const std::string second = "        程序: MAIN (第 2 行):[Warning 019]无效操作数:A.";
    ASSERT_EQ(2u, shell.lines.size());
    EXPECT_EQ(std::make_pair(1, first), shell.lines[0]);
    EXPECT_EQ(std::make_pair(1, second), shell.lines[1]);
    std::ifstream log(path.GetString(), std::ios::binary);
    EXPECT_EQ(first + second, std::string(std::istreambuf_iterator<char>(log), {}));
    EXPECT_EQ(1, FileErrorCount);
    EXPECT_EQ(1, FileWarningCount);
    log.close();
    DeleteFileA(path);
}

TEST_F(CompileMsgTest, EmptyLogPathFallsBackToDefaultName) {
    EXPECT_STREQ("cpInfo.txt", CCompileMsg(CompileMsgArgs(), "  ").GetLogPath());
    EXPECT_STREQ("D:\\A.COI", CCompileMsg(CompileMsgArgs(), " D:\\A.COI ").GetLogPath());
}

TEST_F(CompileMsgTest, LocateMsgSourceReadsLineAndNetworkForms) {
    auto isMotor = [](const CString& name) { return name == "Motor"; };
    struct Case {
        const char* line;
        bool found;
        const char* program;
        int number;
    } cases[] = {
        {"        程序: Motor (第 12 行):[Error 019]无效操作数:X.", true, "Motor", 12},
        {"        程序: Motor (NetWork: 3):[Error 019]无效操作数:X.", true, "Motor", 3},
        {"        程序: Pump (第 12 行):[Error 019]无效操作数:X.", false, "", 0},
        {"        程序:  (第 12 行):[Error 019]x.", false, "", 0},
        {"        程序: Motor :[Error 019]无效操作数:X.", false, "", 0},
        {"        程序: Motor 的变量:[Error 019]无效操作数:X.", false, "", 0},
        {"        全局变量:[Error 030]x.", false, "", 0},
        {"$$$ [Error 030]目标文件超出64K:.", false, "", 0},
        {"        程序: Motor (第 1x 行):[Error 019]x.", false, "", 0},
        {"", false, "", 0},
    };
    for (const Case& c : cases) {
        CString program;
        int number = -7;
        EXPECT_EQ(c.found, LocateMsgSource(c.line, program, number, isMotor)) << c.line;
        if (c.found) {
            EXPECT_STREQ(c.program, program);
            EXPECT_EQ(c.number, number);
        } else {
            EXPECT_EQ(-7, number);
        }
    }
}

}  // namespace

#include "project/CProjTreeNode.h"
#include "tests/support/WorkspaceFixture.h"

namespace {

TEST_F(WorkspaceClass1Test, LocateMsgSourceFindsTheProjectsPous) {
    auto* motor = new CProjTreeNode(PouSubroutine, 1, 3);
    motor->name = "Motor";
    workspace.project.sbrByName.SetAt("Motor", motor);
    workspace.project.hasMain = 1;
    workspace.project.mainPou.name = "MAIN";
    CString program;
    int number = 0;
    EXPECT_TRUE(LocateMsgSource("        程序: Motor (第 12 行):[Error 019]无效操作数:X.", program, number));
    EXPECT_STREQ("Motor", program);
    EXPECT_EQ(12, number);
    EXPECT_TRUE(LocateMsgSource("        程序: MAIN (NetWork: 3):[Error 019]x.", program, number));
    EXPECT_EQ(3, number);
    EXPECT_FALSE(LocateMsgSource("        程序: Pump (第 1 行):[Error 019]x.", program, number));
}

}  // namespace
