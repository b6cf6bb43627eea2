#include "compiler/PouSymbol.h"

#include <gtest/gtest.h>

namespace {

class PouSymbolTest : public testing::Test {
protected:
    void SetUp() override { ClearPouAndLabelLists(); }
    void TearDown() override { ClearPouAndLabelLists(); }
};

TEST_F(PouSymbolTest, UnitsAreFoundByUpperCaseInternalName) {
    AddPou("sbr03", "Motor", 3, CPouSymbol::kSubroutine);
    AddPou("INT05", "Tick", 5, CPouSymbol::kInterrupt);
    ASSERT_NE(nullptr, FindPou("SBR03"));
    EXPECT_EQ(nullptr, FindPou("sbr03"));
    const CPouSymbol& sbr = *FindPou("SBR03");
    EXPECT_EQ(3, sbr.subroutineNumber);
    EXPECT_EQ(-1, sbr.interruptNumber);
    EXPECT_EQ(-1, sbr.inputCount);
    EXPECT_EQ(5, FindPou("INT05")->interruptNumber);
    EXPECT_TRUE(IsSubroutineName("SBR03"));
    EXPECT_FALSE(IsSubroutineName("INT05"));
    EXPECT_TRUE(IsInterruptName("INT05"));
    EXPECT_TRUE(IsSubroutineMember("SBR03.SPEED"));
    EXPECT_FALSE(IsSubroutineMember("SBR03"));
    EXPECT_FALSE(IsSubroutineMember("INT05.X"));
    EXPECT_TRUE(IsInterruptMember("INT05.X"));
}

TEST_F(PouSymbolTest, DisplayNameLookupIgnoresCase) {
    AddPou("SBR03", "Motor", 3, CPouSymbol::kSubroutine);
    EXPECT_STREQ("Motor", GetPouDisplayName("MOTOR"));
    EXPECT_STREQ("MAIN", GetPouDisplayName("MAIN"));
    EXPECT_STREQ("Motor", FindPou("SBR03")->GetName(true));
    EXPECT_STREQ("SBR03", FindPou("SBR03")->GetName(false));
}

TEST_F(PouSymbolTest, CallListKeepsEachCalleeOnceUpToHundred) {
    CPouSymbol pou("SBR00", "A", 0, CPouSymbol::kSubroutine);
    EXPECT_TRUE(pou.AddCall(""));
    EXPECT_TRUE(pou.AddCall("SBR01"));
    EXPECT_TRUE(pou.AddCall("SBR01"));
    EXPECT_EQ(1, pou.GetCallCount());
    for (int i = 2; i <= 100; ++i) {
        CString name;
        name.Format("X%d", i);
        EXPECT_TRUE(pou.AddCall(name));
    }
    EXPECT_EQ(100, pou.GetCallCount());
    EXPECT_FALSE(pou.AddCall("X101"));
    EXPECT_FALSE(pou.AddCall("SBR01"));
    EXPECT_STREQ("X2", pou.GetCall(1));
}

TEST_F(PouSymbolTest, LabelsAreKeyedByQualifiedName) {
    AddLabel("MAIN.LOOP1");
    EXPECT_TRUE(IsLabelName("MAIN.LOOP1"));
    EXPECT_FALSE(IsLabelName("SBR00.LOOP1"));
    EXPECT_EQ(CPouSymbol::kLabel, FindLabel("MAIN.LOOP1")->kind);
    EXPECT_FALSE(IsPouName("MAIN.LOOP1"));
    ClearPouAndLabelLists();
    EXPECT_FALSE(IsLabelName("MAIN.LOOP1"));
}

TEST_F(PouSymbolTest, ScopedNames) {
    CString member = "SPEED";
    EXPECT_FALSE(JoinScopedName("", member));
    EXPECT_STREQ("SPEED", member);
    EXPECT_TRUE(JoinScopedName("SBR03", member));
    EXPECT_STREQ("SBR03.SPEED", member);
    EXPECT_STREQ("SBR03", GetScopeName("SBR03.SPEED.X"));
    EXPECT_STREQ("", GetScopeName("SPEED"));
    CString prefix = "old";
    EXPECT_STREQ("SBR03", SplitFilePrefix("SBR03_PUMP_2.ILP", prefix));
    EXPECT_STREQ("SBR03", prefix);
    EXPECT_STREQ("", SplitFilePrefix("MAIN.ILP", prefix));
    EXPECT_STREQ("", prefix);
}

}  // namespace
