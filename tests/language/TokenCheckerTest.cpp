#include "language/TokenChecker.h"

#include "compiler/CompileVariables.h"
#include "compiler/CompilerTables.h"
#include "compiler/MonitorRegistration.h"
#include "compiler/PouSymbol.h"
#include "compiler/VarSymbol.h"
#include "language/AddressCode.h"
#include "language/CpuClassSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int cpuClass = 1;
int ReadCpuClass() { return cpuClass; }

class TokenCheckerTest : public testing::Test {
protected:
    void SetUp() override {
        ResetCompilerTables();
        cpuClass = 1;
        SetCpuClassReader(ReadCpuClass);
        CurrentSourceKind = kSourceMainProgram;
        CurrentProgramName = "MAIN";
    }
    void TearDown() override {
        ResetCompilerTables();
        SetCpuClassReader(nullptr);
        SetMonitorCellRegistrar(nullptr);
    }

    static CTokenChecker Classified(const char* text) {
        CTokenChecker token(text);
        token.Classify();
        return token;
    }
    // The first queued message as "code:text".
    static std::string FirstMessage(CTokenChecker& token) {
        int code = 0, severity = 0;
        CString text;
        if (!token.NextMessage(code, severity, text)) return "none";
        return std::to_string(code) + ":" + text.GetString();
    }
    static void DeclareGlobal(const char* name, OperandDescriptor type, const char* address) {
        AddDeclaredVar(name, type, address, AreaPrefixSpec{}, EncodeAddressCode(address, FALSE),
                       LiteralValue{}, true, CVarSymbol::kNoParam);
    }
};

TEST_F(TokenCheckerTest, ClassifiesWordsOfAProgramFile) {
    struct Case {
        const char* text;
        int tokenClass;
        int keywordClass;
    } cases[] = {
        {"ADD", CTokenChecker::kProgramFunction, 9},
        {"LD", CTokenChecker::kKeyword, 9},
        {"and", CTokenChecker::kKeyword, 9},
        {";", CTokenChecker::kKeyword, 11},
        {":", CTokenChecker::kKeyword, 10},
        {",", CTokenChecker::kDelimiter, 12},
        {"(", CTokenChecker::kUnclassified, 12},
        {"VAR", CTokenChecker::kUnclassified, 12},
        {"INT", CTokenChecker::kUnclassified, 3},  // data types outside VAR go on: no constant
        {"TRUE", CTokenChecker::kConstant, 12},
        {"B#16#FF", CTokenChecker::kConstant, 12},
        {"40000", CTokenChecker::kConstant, 12},  // an INT by its form, out of range
        {"%I0.0", CTokenChecker::kDirectAddress, 12},
        {"%VW1", CTokenChecker::kUnclassified, 12},
        {"NOSUCH", CTokenChecker::kUnclassified, 12},
    };
    for (const Case& c : cases) {
        const CTokenChecker token = Classified(c.text);
        EXPECT_EQ(c.tokenClass, token.GetTokenClass()) << c.text;
        EXPECT_EQ(c.keywordClass, token.GetKeywordClass()) << c.text;
    }
    EXPECT_EQ(OD_BOOL, Classified("TRUE").GetDataType());
    EXPECT_EQ(OD_BYTE, Classified("B#16#FF").GetDataType());
}

TEST_F(TokenCheckerTest, InsideVarSectionTypesAreKeywords) {
    CurrentSourceKind = kSourceMainVars;
    VarSectionOpen = true;
    EXPECT_EQ(CTokenChecker::kKeyword, Classified("INT").GetTokenClass());
    EXPECT_EQ(3, Classified("INT").GetKeywordClass());
    EXPECT_EQ(8, Classified(":=").GetKeywordClass());
    EXPECT_EQ(0, Classified("VAR_INPUT").GetKeywordClass());
    VarSectionOpen = false;
    EXPECT_EQ(12, Classified(":=").GetKeywordClass());
}

TEST_F(TokenCheckerTest, DirectAddressesAreRegisteredForMonitoring) {
    std::vector<std::string> registered;
    SetMonitorCellRegistrar([&](const CString& op) { registered.push_back(op.GetString()); });
    Classified("%i0.0");
    Classified("ATX");
    EXPECT_EQ(std::vector<std::string>{"%I0.0"}, registered);
}

TEST_F(TokenCheckerTest, SymbolsOfTheProjectAndTheProgram) {
    AddPou("SBR03", "Motor", 3, CPouSymbol::kSubroutine);
    AddLabel("MAIN.LOOP");
    DeclareGlobal("SPEED", OD_INT, "%VW10");
    AddDeclaredVar("MAIN.LOCALX", OD_BOOL, "%V0.1", AreaPrefixSpec{}, 0, LiteralValue{}, false, 0);
    AddFbInstanceVar("T5", "TON");
    EXPECT_EQ(CTokenChecker::kProgramUnit, Classified("sbr03").GetTokenClass());
    EXPECT_EQ(CTokenChecker::kLabel, Classified("loop").GetTokenClass());
    EXPECT_EQ(CTokenChecker::kVariable, Classified("Speed").GetTokenClass());
    EXPECT_EQ(CTokenChecker::kVariable, Classified("LocalX").GetTokenClass());
    const CTokenChecker timer = Classified("T5");
    EXPECT_EQ(CTokenChecker::kFbInstance, timer.GetTokenClass());
    EXPECT_STREQ("TON", timer.GetFbType());
    EXPECT_EQ(0x200811u, timer.GetOperandFlags());
    EXPECT_EQ(OD_INT | OD_MEMORY, Classified("SPEED").GetOperandFlags());
    EXPECT_EQ(OD_LABEL | OD_CONSTANT, Classified("LOOP").GetOperandFlags());
}

TEST_F(TokenCheckerTest, VariableNames) {
    struct Case {
        const char* name;
        const char* message;  // null: accepted
    } cases[] = {
        {"AND", "26:AND: 是关键字，不能用作变量名"},
        {"1ABC", "26:1ABC"},
        {"", "26:"},
        {";", "26:;: 是分界符，不能用作变量名"},
        {"LBL", "26:LBL: 是指令，不能用作变量名"},
        {"MOVE", "26:MOVE: 是关键字，不能用作变量名"},
        {"16#FF", "26:16#FF: 是常量，不能用作变量名"},
        {"%MW10", "26:%MW10: 是内存地址，不能用作变量名"},
        {"Speed_1", nullptr},
    };
    CurrentSourceKind = kSourceMainVars;
    VarSectionOpen = true;
    for (const Case& c : cases) {
        CTokenChecker token("X");
        EXPECT_EQ(c.message == nullptr, token.CheckVariableName(c.name)) << c.name;
        EXPECT_EQ(c.message ? c.message : "none", FirstMessage(token)) << c.name;
        EXPECT_STREQ("X", token.GetText());
    }
}

TEST_F(TokenCheckerTest, AtAddressesByCpuClass) {
    struct Case {
        int cpuClass;
        const char* address;
        OperandDescriptor type;
        bool atRequired;
        const char* message;  // null: accepted
    } cases[] = {
        {1, "AT %VW1", OD_INT, true, "41:AT %VW1: 字、双字内存的起始应该为偶数"},
        {1, "AT %VW2", OD_REAL, true, "41:AT %VW2: 地址类型与数据类型不匹配"},
        {1, "%VW2", OD_INT, true, "41:%VW2: 变量字义中，地址部分之前，要加上AT"},
        {1, "AT %VD3840", OD_INT, true, nullptr},
        {2, "AT %VD3840", OD_INT, true, nullptr},
        {2, "AT %VD3836", OD_INT, true, "41:AT %VD3836: 地址类型与数据类型不匹配"},
        {2, "AT %MW10", OD_WORD, true, nullptr},
        {0, "AT %VD1740", OD_INT, true, nullptr},
        {0, "AT %VD3840", OD_INT, true, "41:AT %VD3840: 地址定义超出范围"},
        {1, "AT %X1", OD_INT, true, "41:AT %X1: 地址字串的打头字符错误"},
        {1, "AT %VB05", OD_BYTE, true, "41:AT %VB05: 地址字串的数字部分错误"},
        {1, "AT %V0.8", OD_BOOL, true, "41:AT %V0.8: 地址定义超出范围"},
        {1, "AT %V.1", OD_BOOL, true, "41:AT %V.1: 地址字串的数字部分错误"},
        {1, "AT %V0.10", OD_BOOL, true, "none"},
        {1, "AT %VR20", OD_REAL, true, nullptr},
        {1, "AT %I8.0", OD_BOOL, true, "41:AT %I8.0: 地址定义超出范围"},
    };
    for (const Case& c : cases) {
        cpuClass = c.cpuClass;
        CTokenChecker token("X");
        EXPECT_EQ(c.message == nullptr, token.CheckAtAddress(c.address, c.type, c.atRequired))
            << c.cpuClass << " " << c.address;
        EXPECT_EQ(c.message ? c.message : "none", FirstMessage(token)) << c.address;
    }
}

TEST_F(TokenCheckerTest, AtAddressGivesCodeAndBit) {
    CTokenChecker token("X");
    ASSERT_TRUE(token.CheckAtAddress("AT %I1.2", OD_BOOL, true));
    AreaPrefixSpec area;
    EXPECT_EQ(EncodeAddressCode("%I1.2", FALSE), token.GetAreaRecord(area));
    EXPECT_STREQ("%I", area.prefix);
    EXPECT_EQ(2, token.GetBitNumber());
}

TEST_F(TokenCheckerTest, OperandChecks) {
    struct Case {
        const char* text;
        OperandDescriptor direction;
        const char* message;  // null: accepted
    } cases[] = {
        {"100", OD_WRITE, "19:100: 常量不能做输出"},
        {"100", OD_READ, nullptr},
        {"40000", OD_READ, "19:40000: 数值超出范围"},
        {"%IB0", OD_WRITE, "19:%IB0: 只读内存区,不能作输出"},
        {"%QB0", OD_WRITE, nullptr},
        {"NOSUCH", OD_READ, "19:NOSUCH: 操作数格式错"},
        {"SBR09", OD_READ, "19:SBR09: 操作数格式错"},
        {"T5", OD_READ, nullptr},
        {"T128", OD_READ, "19:T128: 不是正确的功能块实例"},
    };
    AddFbInstanceVar("T5", "TON");
    AddFbInstanceVar("T128", "TON");
    for (const Case& c : cases) {
        CTokenChecker token = Classified(c.text);
        OperandRecord record;
        EXPECT_EQ(c.message == nullptr, token.CheckOperand(c.direction, record, false)) << c.text;
        EXPECT_EQ(c.message ? c.message : "none", FirstMessage(token)) << c.text;
    }
}

TEST_F(TokenCheckerTest, TimerCodesForStatusBitAndValue) {
    AddFbInstanceVar("T5", "TON");
    AddFbInstanceVar("SR9", "SR");
    OperandRecord record;
    CTokenChecker timer = Classified("T5");
    ASSERT_TRUE(timer.CheckOperand(OD_READ, record, true));
    EXPECT_EQ(EncodeAddressCode("%T5", TRUE), record.code);
    ASSERT_TRUE(timer.CheckOperand(OD_READ, record, false));
    EXPECT_EQ(GetAreaCodeBase("%T", FALSE) + 10, record.code);
    CTokenChecker flipFlop = Classified("SR9");
    ASSERT_TRUE(flipFlop.CheckOperand(OD_READ, record, false));
    EXPECT_EQ(GetAreaCodeBase("%SR", FALSE) + 1 + 1 * 8192, record.code);
}

TEST_F(TokenCheckerTest, VariablesAndParameters) {
    AddPou("SBR03", "Motor", 3, CPouSymbol::kSubroutine);
    DeclareGlobal("SPEED", OD_INT, "%VW10");
    AddDeclaredVar("SBR03.IN1", OD_BOOL | OD_READ, "%V0.1", AreaPrefixSpec{}, 0, LiteralValue{},
                   false, CVarSymbol::kInputParam);
    CurrentProgramName = "SBR03";
    OperandRecord record;
    CTokenChecker speed = Classified("SPEED");
    ASSERT_TRUE(speed.CheckOperand(OD_WRITE, record, false));
    EXPECT_EQ(EncodeAddressCode("%VW10", FALSE), record.code);
    EXPECT_EQ(OD_WRITE, record.descriptor & OD_DIRECTION_MASK);
    CTokenChecker input = Classified("IN1");
    EXPECT_TRUE(input.CheckOperand(OD_READ, record, false));
    EXPECT_FALSE(input.CheckOperand(OD_WRITE, record, false));
    EXPECT_EQ("19:IN1: 子程序的输入参数, 不能写入(只能读取其值)", FirstMessage(input));

    CTokenChecker atAddress = Classified("%VW10");  // the global declared there gives the type
    EXPECT_EQ(OD_INT, atAddress.GetOperandFlags() & OD_TYPE_MASK);
}

TEST_F(TokenCheckerTest, InstrOperandSlotsBeyondSixAreNeverWritten) {
    InstrSpec spec{};
    spec.slots[0] = 0x019E2804;
    OperandRecord record;
    int width = -1;
    CTokenChecker word = Classified("%VW0");
    ASSERT_TRUE(word.CheckInstrOperand(0, spec, record, width, false));
    EXPECT_EQ(2, width);
    EXPECT_EQ(record.descriptor, spec.slots[0]);
    EXPECT_EQ(OD_READ, record.descriptor & OD_DIRECTION_MASK);

    const InstrSpec before = spec;
    ASSERT_TRUE(word.CheckInstrOperand(6, spec, record, width, false));
    EXPECT_EQ(OD_DIRECTION_MASK, record.descriptor & OD_DIRECTION_MASK);  // in-out
    for (int i = 0; i < INSTR_MAX_OPERANDS; ++i) EXPECT_EQ(before.slots[i], spec.slots[i]);
    CTokenChecker dint = Classified("DI#5");
    ASSERT_TRUE(dint.CheckInstrOperand(1, spec, record, width, false));
    EXPECT_EQ(4, width);
}

}  // namespace
