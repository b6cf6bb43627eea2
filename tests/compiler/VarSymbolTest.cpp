#include "compiler/VarSymbol.h"

#include "compiler/CompileDriver.h"
#include "compiler/CompileVariables.h"
#include "compiler/CompilerTables.h"
#include "compiler/MonitorRegistration.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class VarSymbolTest : public testing::Test {
protected:
    void SetUp() override { ResetCompilerTables(); }
    void TearDown() override { ResetCompilerTables(); }

    static void Declare(const char* name, OperandDescriptor descriptor, int paramClass) {
        AddDeclaredVar(name, descriptor, "", AreaPrefixSpec{}, 0, LiteralValue{}, false,
                       paramClass);
    }
};

TEST_F(VarSymbolTest, DriverDeclaresCallVariablesOfSubroutineProgramFiles) {
    std::vector<CString> files = {"D:\\P\\SBR03_Motor.ILP", "D:\\P\\SBR03_Motor.ILV",
                                  "D:\\P\\SBR04_Fan.STP", "D:\\P.QPR"};
    CCompileDriver driver(files.data(), static_cast<int>(files.size()));
    const CVarSymbol* en = FindDeclaredVar("SBR03.EN");
    ASSERT_NE(nullptr, en);
    EXPECT_EQ(OD_BOOL, en->descriptor);
    EXPECT_EQ(CVarSymbol::kNoParam, en->paramClass);
    EXPECT_TRUE(IsDeclaredVar("SBR03.ENO"));
    EXPECT_EQ(nullptr, FindDeclaredVar("SBR04.EN"));
    EXPECT_NE(nullptr, FindSecondaryVar("SBR04.ENO"));
    int in, out, io;
    EXPECT_TRUE(CountSubroutineParams("SBR03", in, out, io));
    EXPECT_EQ(0, in + out + io);  // call variables are no parameters
}

TEST_F(VarSymbolTest, ParametersAreCountedAndWalkedInDeclarationOrder) {
    AddPou("SBR03", "Motor", 3, CPouSymbol::kSubroutine);
    Declare("SBR03.A", OD_BOOL | OD_READ, CVarSymbol::kInputParam);
    Declare("SBR031.X", OD_BOOL | OD_READ, CVarSymbol::kInputParam);  // another scope
    Declare("SBR03.Q", OD_INT | 0x6000, CVarSymbol::kOutputParam);
    Declare("SBR03.B", OD_INT | OD_READ, CVarSymbol::kInputParam);
    Declare("SBR03.L", OD_INT, CVarSymbol::kNoParam);
    int in = -1, out = -1, io = -1;
    EXPECT_TRUE(CountSubroutineParams("SBR03", in, out, io));
    EXPECT_EQ(2, in);
    EXPECT_EQ(1, out);
    EXPECT_EQ(0, io);
    EXPECT_FALSE(CountSubroutineParams("SBR09", in, out, io));
    EXPECT_EQ(0, in);

    CVarSymbol* first = FindFirstInputParam("SBR03");
    ASSERT_NE(nullptr, first);
    EXPECT_STREQ("SBR03.A", first->name);
    EXPECT_EQ(first, FindNextInputParam("SBR03", first));  // "at or after"
    CVarSymbol* second = FindNextInputParam("SBR03", first->next);
    ASSERT_NE(nullptr, second);
    EXPECT_STREQ("SBR03.B", second->name);
    EXPECT_EQ(nullptr, FindNextInputParam("SBR03", second->next));
    EXPECT_EQ(nullptr, FindNextInputParam("SBR03", nullptr));
    EXPECT_STREQ("SBR03.Q", FindFirstOutputParam("SBR03")->name);
    EXPECT_EQ(nullptr, FindFirstInOutParam("SBR03"));
    EXPECT_EQ(nullptr, FindFirstInputParam("SBR09"));
}

TEST_F(VarSymbolTest, SecondListIsSearchedFirstAndCountedAlone) {
    AddPou("SBR01", "A", 1, CPouSymbol::kSubroutine);
    Declare("SBR01.D", OD_BOOL, CVarSymbol::kInOutParam);
    AddSecondaryVar("SBR01.S", OD_BOOL, "", AreaPrefixSpec{}, 0, LiteralValue{}, false,
                    CVarSymbol::kInOutParam);
    int in, out, io;
    CountSubroutineParams("SBR01", in, out, io);
    EXPECT_EQ(1, io);
    EXPECT_STREQ("SBR01.S", FindFirstInOutParam("SBR01")->name);
}

TEST_F(VarSymbolTest, FbInstancesRegisterTheirMonitorCells) {
    std::vector<std::string> registered;
    SetMonitorCellRegistrar([&](const CString& operand) { registered.push_back(operand.GetString()); });
    AddFbInstanceVar("T5", "TON");
    SetMonitorCellRegistrar(nullptr);
    const CVarSymbol* t5 = FindDeclaredVar("T5");
    ASSERT_NE(nullptr, t5);
    EXPECT_EQ(CVarSymbol::kFbInstance, t5->entryKind);
    EXPECT_STREQ("TON", t5->fbType);
    EXPECT_EQ(std::vector<std::string>{"T5"}, registered);
}

TEST_F(VarSymbolTest, ResetEmptiesListsAndCompileVariables) {
    AddPou("SBR01", "A", 1, CPouSymbol::kSubroutine);
    AddLabel("MAIN.L");
    Declare("X", OD_BOOL, 0);
    LastInstructionIndex = 17;
    CurrentProgramName = "MAIN";
    NumberingMode = kNumberByNetwork;
    ResetCompilerTables();
    EXPECT_EQ(-1, LastInstructionIndex);
    EXPECT_TRUE(CurrentProgramName.IsEmpty());
    EXPECT_EQ(kNumberByNetwork, NumberingMode);  // kept
    EXPECT_FALSE(IsPouName("SBR01"));
    EXPECT_FALSE(IsLabelName("MAIN.L"));
    EXPECT_FALSE(IsDeclaredVar("X"));
    NumberingMode = kNumberByLine;
}

}  // namespace

namespace {

TEST_F(VarSymbolTest, LookupsFindTheFirstRecordOfANameOrOfAGlobalAddressUntilCleared) {
    const auto add = [](const char* name, const char* address, OperandDescriptor descriptor, bool global) {
        AddDeclaredVar(name, descriptor, address, AreaPrefixSpec{}, 0, LiteralValue{}, global, CVarSymbol::kNoParam);
    };
    add("SPEED", "VW10", OD_INT, true);
    add("MAIN.SPEED", "", OD_WORD, false);
    add("SPEED", "VW20", OD_DINT, true);  // a second record of a name is never found by it
    add("LOCAL", "VW30", OD_BYTE, false);
    add("ALIAS", "VW10", OD_WORD, true);
    AddFbInstanceVar("T1", "TON");
    EXPECT_EQ(OD_INT, FindDeclaredVar("SPEED")->descriptor);
    EXPECT_EQ(OD_WORD, FindDeclaredVar("MAIN.SPEED")->descriptor);
    EXPECT_EQ(CVarSymbol::kFbInstance, FindDeclaredVar("T1")->entryKind);
    EXPECT_EQ(nullptr, FindDeclaredVar("speed"));  // names are kept upper case
    EXPECT_EQ("SPEED", FindDeclaredGlobalAt("VW10")->name);
    EXPECT_EQ(OD_DINT, FindDeclaredGlobalAt("VW20")->descriptor);
    EXPECT_EQ(nullptr, FindDeclaredGlobalAt("VW30"));  // not a global
    ClearVariableLists();
    EXPECT_EQ(nullptr, FindDeclaredVar("SPEED"));
    EXPECT_EQ(nullptr, FindDeclaredGlobalAt("VW10"));
    EXPECT_EQ(nullptr, GetFirstDeclaredVar());
}

}  // namespace
