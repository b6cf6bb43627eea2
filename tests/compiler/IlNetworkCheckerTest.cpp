#include "compiler/IlNetworkChecker.h"

#include "compiler/CompileVariables.h"
#include "compiler/CompilerTables.h"
#include "compiler/PouSymbol.h"
#include "language/CpuClassSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int cpuClass = 1;
int CurrentClass() { return cpuClass; }

class IlNetworkCheckerTest : public testing::Test {
protected:
    void SetUp() override {
        ResetCompilerTables();
        cpuClass = 1;
        SetCpuClassReader(CurrentClass);
        CurrentSourceKind = kSourceMainProgram;
        checker.SetProgramName("MAIN");
    }
    void TearDown() override {
        ResetCompilerTables();
        SetCpuClassReader(nullptr);
    }
    // The messages of one statement, "code:text" each, in order.
    std::vector<std::string> Check(const char* line) {
        checker.CheckStatement(line);
        std::vector<std::string> found;
        int code = 0, severity = 0;
        CString text;
        while (checker.NextMessage(code, severity, text))
            found.push_back(std::to_string(code) + (severity == 1 ? "w:" : ":") + text.GetString());
        return found;
    }

    CIlNetworkChecker checker;
};

using Messages = std::vector<std::string>;

TEST_F(IlNetworkCheckerTest, StatementTableOfAProgram) {
    AddLabel("MAIN.L1");
    struct Row {
        const char* line;
        Messages expected;
    } rows[] = {
        {"LD %I0.0", {"39:程序必须注明network(内部调试性错误)"}},
        {"__NETWORK 0", {}},
        {"ST %Q0.0", {"17:NetWork的首语句应该是LD类指令, 或一个标号"}},
        {"__NETWORK 3", {"39w:当前的NetWork的编号不对(内部调试性错误), 应该为 1"}},
        {"L1: LD %I0.0", {}},
        {"AND(", {}},
        {")", {"17:AND( 或 OR( 指令之后的首语句应该是LD类指令"}},
        {")", {"24:当前的 ) 指令缺少与之对应的AND( 或 OR( "}},
        {"AND(", {}},
        {"LD %I0.1", {}},
        {"AND(", {}},
        {"LD %I0.2", {}},
        {"__NETWORK 3", {"39w:当前的NetWork的编号不对(内部调试性错误), 应该为 2",
                         "39:上一个NetWork中没有正确的结尾语句",
                         "24:在上一个NetWork中, 缺少 2 个 ) 指令与前面的AND( 或 OR( 指令对应"}},
        {"LD %I0.0, %I0.1", {"18:LD"}},
        {"LD %I0.0 ; ST %Q0.0", {}},
        {"MOVE 1", {"24:MOVE指令缺少操作数"}},
        {"MOVE", {"18:MOVE 指令需要 2 个操作数"}},
        {"FOO %I0.0", {"22:FOO"}},
        {"LBL", {"17:"}},
        {"ADD %VW0, %VW2", {}},
        {"MOVE 100, %SMW32", {"19:100实参错误, 数值超出范围"}},
        {"ATCH 7, 40", {"19:40实参错误"}},
        {"RETC", {"17:主程序中不允许如下指令: RETC, RETCN"}},
        {"__MPEND", {}},
    };
    for (const Row& row : rows) EXPECT_EQ(row.expected, Check(row.line)) << row.line;
}

TEST_F(IlNetworkCheckerTest, BracketNestingIsLimitedToSixteen) {
    Check("__NETWORK 0");
    Check("LD %I0.0");
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(Messages{}, Check("AND(")) << i;
        Check("LD %I0.1");
    }
    EXPECT_EQ(Messages{"38:AND( 或 OR(指令嵌套层数过多(最多16层)"}, Check("AND("));
}

TEST_F(IlNetworkCheckerTest, UnitCountersWarnPastTheirLimitAndTheStatementGoesOn) {
    Check("__NETWORK 0");
    Check("LD %I0.0");
    AddLabel("MAIN.L1");
    AddPou("SBR01", "Fill", 1, CPouSymbol::kSubroutine);
    const struct {
        const char* line;
        int limit;
        const char* message;
    } cases[] = {
        {"JMPC L1", 128, "38:同一程序中存在过多的JMP, JMPC, JMPCN指令"},
        {"ATCH 0, 10", 256, "38:同一程序中存在过多的ATCH指令"},
        {"CAL SBR01", 256, "38:同一程序中存在过多的子程序调用"},
        {"L1:", 128, "38:同一程序中存在过多的Label定义"},
    };
    for (const auto& c : cases) {
        for (int i = 0; i < c.limit; ++i) ASSERT_EQ(Messages{}, Check(c.line)) << c.line << " " << i;
        const int before = checker.GetCodeSize();
        EXPECT_EQ(Messages{c.message}, Check(c.line));
        EXPECT_LT(before, checker.GetCodeSize()) << c.line;  // still counted
    }
}

TEST_F(IlNetworkCheckerTest, ArgumentRangesFollowTheCpuClass) {
    const struct {
        int cpuClass;
        const char* line;
        Messages expected;
    } cases[] = {
        {0, "ATCH 0, 7", {"19:7实参错误"}}, {1, "ATCH 0, 7", {}},       {0, "ATCH 0, 13", {}},
        {1, "ATCH 0, 33", {"19:33实参错误"}}, {0, "DTCH 5", {"19:5实参错误"}}, {1, "DTCH 32", {}},
        {0, "HDEF 2, 1", {"19:2实参错误"}}, {1, "HDEF 5, 11", {}},      {1, "HDEF 1, 12", {"19:12实参错误"}},
        {0, "HSC 1", {}},                    {1, "HSC 6", {"19:6实参错误"}}, {1, "PLS 2", {"19:2实参错误"}},
        {0, "XMT %VB0, 1", {"19:1实参错误"}}, {1, "RCV %VB0, 1", {}},
    };
    for (const auto& c : cases) {
        cpuClass = c.cpuClass;
        ResetCompilerTables();
        Check("__NETWORK 0");
        Check("LD %I0.0");
        EXPECT_EQ(c.expected, Check(c.line)) << c.cpuClass << " " << c.line;
    }
}

TEST_F(IlNetworkCheckerTest, DeclarationsOfAVariableFile) {
    CurrentSourceKind = kSourceMainVars;
    struct Row {
        const char* line;
        Messages expected;
    } rows[] = {
        // outside a section the type is no keyword, and ":" makes a label statement
        {"A AT %MW10 : INT;", {"39:程序必须注明network(内部调试性错误)", "16:", "22:INT"}},
        {"VAR", {}},
        {"VAR_INPUT", {"25:缺少 END_VAR(内部调试性错误)"}},
        {"a, b : BOOL;", {"25:a缺少地址定义(内部调试性错误)"}},
        {"A AT %MW10 : INT := 5;", {}},
        {"A AT %MW12 : INT;", {"25:A变量名已被使用"}},
        {"B AT %IW0 : INT := 1;", {"25:%IW0只读内存区, 不能赋值"}},
        {"C AT %VW2 : INT := 40000;", {"25:INT数值超出范围"}},
        {"D AT %VW4 : REAL;", {"41:AT%VW4: 地址类型与数据类型不匹配"}},
        {"T5, T6 : TON;", {}},
        {"X9 : TON;", {"25:X9无效的功能块实例名称(内部调试性错误)"}},
        {"LD %I0.0", {"25:LD程序中有错误的变量定义起始(内部调试性错误)"}},
        {"END_VAR", {}},
        {"END_VAR", {"25:缺少VAR(内部调试性错误)"}},
    };
    for (const Row& row : rows) EXPECT_EQ(row.expected, Check(row.line)) << row.line;
}

}  // namespace
