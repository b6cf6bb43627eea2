#include "language/OperandDescriptor.h"
#include "platform/CCPGridCore.h"
#include "project/CQLXSymbol.h"
#include "shell/tables/GlobalVarTable.h"
#include "tests/shell/SymbolLookups.h"
#include "tests/support/WorkspaceFixture.h"

namespace {

// The table's rules on a grid without a window, over the workspace's project.
class GlobalVarRules : public WorkspaceClass1Test {
protected:
    GlobalVarRules() {
        for (const char* header : {"全局变量名", "地 址", "数据类型", "注 释"})
            grid.AddCol(90, header, 0x8804, 0x8024);
        table.SetRowCount(3);
    }
    CQLXProject& project() { return workspace.project; }

    // One step of a table: commit (col, row, text), or an operation on rows.
    enum Op { Commit, Delete, Insert, Clear, Sort };
    struct Step {
        Op op;
        int a, b;
        const char* text;
        const char* rows;  // DescribeSymbols afterwards
    };
    void Run(const std::vector<Step>& steps) {
        for (size_t i = 0; i < steps.size(); ++i) {
            const Step& s = steps[i];
            switch (s.op) {
            case Commit: table.Commit(s.a, s.b, s.text); break;
            case Delete: table.DeleteRows(s.a, s.b); break;
            case Insert: table.InsertRows(s.a, s.b); break;
            case Clear:
                grid.SetSelectRange(s.a, s.a, s.b, s.b);
                table.ClearSelection();
                break;
            case Sort: table.Sort(s.a, s.b ? CPSortAscending : CPSortDescending); break;
            }
            EXPECT_EQ(DescribeSymbols(project()), s.rows) << "step " << i;
            EXPECT_EQ(CheckSymbolLookups(project()), "") << "step " << i;
            EXPECT_EQ(grid.GetGridRowCount(), project().symbolList.GetSize()) << "step " << i;
        }
    }
    CQLXSymbol* Find(const char* key) {
        CObject* symbol = nullptr;
        return project().symbolsByKey.Lookup(key, symbol) ? static_cast<CQLXSymbol*>(symbol) : nullptr;
    }

    CCPGridCore grid;
    CGlobalVarTable table{workspace.project, grid};
};

TEST_F(GlobalVarRules, DuplicateNamesOfTwoAndThreeComeAndGoWithRenamesAndDeletes) {
    Run({
        {Commit, 0, 0, "A", "A//0|//0|//0"},
        {Commit, 1, 0, "%M0.0", "A/%M0.0/0|//0|//0"},
        {Commit, 0, 1, "A", "A/%M0.0/1|A//1|//0"},       // both marked
        {Commit, 0, 2, "A", "A/%M0.0/1|A//1|A//1"},      // a group of three
        {Commit, 0, 1, "B", "A/%M0.0/1|B//0|A//1"},
        {Commit, 0, 2, "C", "A/%M0.0/0|B//0|C//0"},      // the first is found again
        {Commit, 1, 1, "%M0.0", "A/%M0.0/4|B/%M0.0/4|C//0"},
        {Commit, 1, 2, "m0.0", "A/%M0.0/4|B/%M0.0/4|C/%M0.0/4"},
        {Delete, 1, 1, "", "A/%M0.0/4|C/%M0.0/4"},
        {Delete, 0, 1, "", "C/%M0.0/0"},
        {Commit, 0, 0, "", "/%M0.0/2"},
        {Commit, 0, 0, "1X", "1X/%M0.0/2"},
    });
    EXPECT_EQ(Find("%M0.0"), nullptr);  // an invalid name keeps it out of the lookups
}

TEST_F(GlobalVarRules, NamesDifferingInCaseKeepTheirOwnUpperCaseEntry) {
    Run({
        {Commit, 0, 0, "abc", "abc//0|//0|//0"},
        {Commit, 1, 0, "%M0.0", "abc/%M0.0/0|//0|//0"},
        {Commit, 0, 1, "ABC", "abc/%M0.0/0|ABC//0|//0"},  // no duplicate
        {Commit, 1, 1, "%M0.1", "abc/%M0.0/0|ABC/%M0.1/0|//0"},
        {Commit, 0, 0, "other", "other/%M0.0/0|ABC/%M0.1/0|//0"},
        {Commit, 0, 0, "Abc", "Abc/%M0.0/0|ABC/%M0.1/0|//0"},
        {Delete, 1, 1, "", "Abc/%M0.0/0|//0"},
    });
    CObject* found = nullptr;
    ASSERT_TRUE(project().symbolsByUpperName.Lookup("ABC", found));
    EXPECT_EQ(static_cast<CQLXSymbol*>(found)->name, "Abc");
}

TEST_F(GlobalVarRules, AnAddressIsNormalisedAndDecidesTheTypeAndItsList) {
    table.Commit(0, 0, "W");
    table.Commit(1, 0, " %mw10 ");
    CQLXSymbol* symbol = table.SymbolAt(0);
    EXPECT_EQ(symbol->address, "%MW10");
    EXPECT_EQ(symbol->dataType, "INT");
    EXPECT_EQ(symbol->descriptor, DWORD(OD_AREA_M | OD_INT));
    CStringArray choices;
    table.GetTypeChoices(0, true, choices);
    ASSERT_EQ(choices.GetSize(), 2);
    EXPECT_EQ(choices[0], "INT");
    EXPECT_EQ(choices[1], "WORD");
    table.Commit(2, 0, "WORD");
    table.Commit(1, 0, "mw12");  // a word keeps the chosen WORD
    EXPECT_EQ(symbol->dataType, "WORD");
    EXPECT_EQ(symbol->descriptor, DWORD(OD_AREA_M | OD_WORD));

    struct Case { const char* address; const char* type; int choices; };
    const Case cases[] = {{"%I0.1", "BOOL", 1}, {"%VB3", "BYTE", 1}, {"%VD4", "DINT", 2}, {"%Q0.8", "DINT", 0}};
    for (const Case& c : cases) {
        table.Commit(1, 0, c.address);
        EXPECT_EQ(symbol->dataType, c.type) << c.address;
        table.GetTypeChoices(0, false, choices);
        EXPECT_EQ(choices.GetSize(), c.choices) << c.address;
    }
    EXPECT_EQ(symbol->conflictMarks, SymbolInvalidAddress);  // the last one
    EXPECT_EQ(symbol->address, "%Q0.8");
}

TEST_F(GlobalVarRules, ClearingKeepsTheTypeOfASoundSymbol) {
    table.Commit(0, 0, "A");
    table.Commit(1, 0, "%MW0");
    table.Commit(0, 1, "B");
    table.Commit(1, 1, "bad");
    table.Commit(2, 1, "INT");
    grid.SetSelectRange(2, 3, 0, 1);
    EXPECT_TRUE(table.ClearSelection());
    EXPECT_EQ(table.SymbolAt(0)->dataType, "INT");
    EXPECT_EQ(table.SymbolAt(1)->dataType, "");
    EXPECT_EQ(CheckSymbolLookups(project()), "");
    grid.SetSelectRange(0, 3, 0, 1);  // whole rows go
    EXPECT_TRUE(table.ClearSelection());
    EXPECT_EQ(DescribeSymbols(project()), "//0");
}

TEST_F(GlobalVarRules, RowsAreInsertedDeletedAndSortedWithTheLookupsKept) {
    Run({
        {Commit, 0, 0, "X", "X//0|//0|//0"},
        {Commit, 1, 0, "%M1.0", "X/%M1.0/0|//0|//0"},
        {Commit, 0, 1, "A", "X/%M1.0/0|A//0|//0"},
        {Commit, 1, 1, "%M1.0", "X/%M1.0/4|A/%M1.0/4|//0"},
        {Insert, 1, 2, "", "X/%M1.0/4|//0|//0|A/%M1.0/4|//0"},
        {Insert, 5, 1, "", "X/%M1.0/4|//0|//0|A/%M1.0/4|//0|//0"},   // at the end
        {Insert, 7, 1, "", "X/%M1.0/4|//0|//0|A/%M1.0/4|//0|//0"},   // refused
        {Commit, 0, 2, "M", "X/%M1.0/4|//0|M//0|A/%M1.0/4|//0|//0"},
        {Commit, 1, 2, "%M0.0", "X/%M1.0/4|//0|M/%M0.0/0|A/%M1.0/4|//0|//0"},
        {Sort, 0, 1, "", "//0|A/%M1.0/4|M/%M0.0/0|X/%M1.0/4|//0|//0"},   // empty keys at the end stay
        {Sort, 1, 0, "", "X/%M1.0/4|A/%M1.0/4|M/%M0.0/0|//0|//0|//0"},
        {Delete, 0, 0, "", "X/%M1.0/4|A/%M1.0/4|M/%M0.0/0|//0|//0|//0"},  // refused
        {Delete, 4, 3, "", "X/%M1.0/4|A/%M1.0/4|M/%M0.0/0|//0|//0|//0"},  // refused
        {Delete, 1, 1, "", "X/%M1.0/0|M/%M0.0/0|//0|//0|//0"},
        {Delete, 0, 5, "", "//0"},                                          // one row stays
        {Delete, 0, 1, "", "//0"},
    });
}

TEST_F(GlobalVarRules, InsertAboveTheLastRowPutsTheNewRowBeforeIt) {
    table.Commit(0, 2, "LAST");
    table.InsertRows(2, 1);
    EXPECT_EQ(DescribeSymbols(project()), "//0|//0|//0|LAST//0");
}

}  // namespace
