#include "project/CPlcWorkspace.h"

#include "language/InstrDesc.h"
#include "project/NameChecks.h"
#include "project/CQLXFB.h"
#include "project/CQLXFBPara.h"
#include "project/CQLXFunc.h"

#include "tests/support/WorkspaceFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using InstructionCatalogueTest = WorkspaceClass1Test;

template <class Definition>
std::vector<std::string> InputNames(const Definition& definition) {
    std::vector<std::string> names;
    for (INT_PTR i = 0; i < definition.inputs.GetSize(); ++i)
        names.push_back(static_cast<const CQLXFBPara*>(definition.inputs[i])->name.GetString());
    return names;
}

template <class Definition>
std::vector<std::string> OutputNames(const Definition& definition) {
    std::vector<std::string> names;
    for (INT_PTR i = 0; i < definition.outputs.GetSize(); ++i)
        names.push_back(static_cast<const CQLXFBPara*>(definition.outputs[i])->name.GetString());
    return names;
}

int ShownOfKind(int kind) {
    int count = 0;
    for (const InstrDesc& record : LadderInstrCatalogue)
        count += record.shown && record.kind == kind;
    return count;
}

}  // namespace

TEST_F(InstructionCatalogueTest, ShownRecordsFillTheMapsByKind) {
    EXPECT_EQ(59, workspace.instrByName.GetCount());
    EXPECT_EQ(ShownOfKind(INSTR_CONTACT), workspace.contactByName.GetCount());
    EXPECT_EQ(ShownOfKind(INSTR_COIL), workspace.coilByName.GetCount());
    EXPECT_EQ(ShownOfKind(INSTR_FUNCTION), workspace.funcCatalog.GetCount());
    EXPECT_EQ(5, workspace.fbCatalog.GetCount());

    void* coil = nullptr;
    void* sameCoil = nullptr;
    ASSERT_TRUE(workspace.coilByName.Lookup("-( )", coil));
    ASSERT_TRUE(workspace.instrByName.Lookup("-( )", sameCoil));
    EXPECT_EQ(coil, sameCoil);  // one copy, indexed twice
    EXPECT_EQ(INSTR_COIL, static_cast<InstrDesc*>(coil)->kind);
    EXPECT_FALSE(workspace.coilByName.Lookup("-(/)", coil));  // listed, not shown

    // Loading again replaces the catalogue rather than adding to it.
    workspace.LoadInstructionCatalogue();
    EXPECT_EQ(59, workspace.instrByName.GetCount());
    EXPECT_EQ(5, workspace.fbCatalog.GetCount());
}

TEST_F(InstructionCatalogueTest, DefinitionsSplitPinsIntoInputsAndOutputs) {
    CQLXFunc move;
    ASSERT_TRUE(workspace.GetFuncDef("  move ", move));
    EXPECT_STREQ("MOVE", move.name);
    EXPECT_EQ((std::vector<std::string>{"EN", "IN"}), InputNames(move));
    EXPECT_EQ((std::vector<std::string>{"ENO", "OUT"}), OutputNames(move));

    CQLXFunc pid;
    ASSERT_TRUE(workspace.GetFuncDef("PID", pid));
    EXPECT_EQ(13, pid.inputs.GetSize());
    EXPECT_EQ((std::vector<std::string>{"ENO", "XOUT", "XOUT_PER"}), OutputNames(pid));

    CQLXFB counter;
    ASSERT_TRUE(workspace.GetFBDef("ctd", counter));
    EXPECT_STREQ("CTD", counter.typeName);
    EXPECT_EQ((std::vector<std::string>{"CD", "LD", "PV"}), InputNames(counter));
    EXPECT_EQ((std::vector<std::string>{"Q", "CV"}), OutputNames(counter));

    CQLXFB timer;
    ASSERT_TRUE(workspace.GetFBDef("TP", timer));
    EXPECT_EQ((std::vector<std::string>{"IN", "PT"}), InputNames(timer));
    EXPECT_EQ((std::vector<std::string>{"Q", "ET"}), OutputNames(timer));
}

TEST_F(InstructionCatalogueTest, RecordsNotShownAreNotDefined) {
    CQLXFunc function;
    CQLXFB block;
    EXPECT_FALSE(workspace.GetFuncDef("NOP", function));
    EXPECT_FALSE(workspace.GetFuncDef("SQRT", function));
    EXPECT_FALSE(workspace.GetFBDef("CTUD", block));
    EXPECT_FALSE(workspace.GetFBDef("RS", block));
    EXPECT_FALSE(workspace.GetFuncDef("TON", function));  // a block, not a function
}

TEST_F(InstructionCatalogueTest, ParameterFlagsTakeTheBlockNameAsGiven) {
    EXPECT_EQ(0x199EB010u, workspace.GetFBParamFlags("PV", "CTU"));
    EXPECT_EQ(0x119D4010u, workspace.GetFBParamFlags(" CV ", "CTU"));
    EXPECT_EQ(0u, workspace.GetFBParamFlags("PV", "ctu"));
    EXPECT_EQ(0u, workspace.GetFBParamFlags("PV", " CTU"));
    EXPECT_EQ(0u, workspace.GetFBParamFlags("pv", "CTU"));
    EXPECT_EQ(0u, workspace.GetFBParamFlags("", "CTU"));
    EXPECT_EQ(0x1894002u, workspace.GetFuncParamFlags("T", "READ_RTC"));
    EXPECT_EQ(0u, workspace.GetFuncParamFlags("T", "read_rtc"));
}

TEST_F(InstructionCatalogueTest, FunctionParametersFallBackToProjectSubroutines) {
    CQLXFunc* subroutine = new CQLXFunc;
    subroutine->name = "Dose";
    CQLXFBPara* amount = new CQLXFBPara;
    amount->name = "AMOUNT";
    amount->flags = 0x2010;
    subroutine->AddInput(amount);
    workspace.project.sbrFuncByName.SetAt("Dose", subroutine);
    EXPECT_EQ(0x2010u, workspace.GetFuncParamFlags("AMOUNT", "Dose"));
    EXPECT_EQ(0u, workspace.GetFuncParamFlags("AMOUNT", "DOSE"));
    EXPECT_EQ(0u, workspace.GetFuncParamFlags("VOLUME", "Dose"));
}

TEST(InstrGroup, GroupOfTheFirstFunctionOrBlockOfTheName) {
    struct Case {
        const char* name;
        int group;
    } cases[] = {
        {"MOVE", GROUP_MOVE},       {" move ", GROUP_MOVE},  {"CTU", GROUP_COUNTER}, {"TON", GROUP_TIMER},
        {"PID", GROUP_PID},         {"SQRT", GROUP_OTHER},   {"CTUD", GROUP_COUNTER}, {"ADD", GROUP_ARITHMETIC},
        {"-( )", -1},               {"-| |-", -1},           {"LD", -1},             {"", -1},
        {"   ", -1},                {"MOVEX", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.group, GetInstrGroupByName(c.name)) << c.name;
}
