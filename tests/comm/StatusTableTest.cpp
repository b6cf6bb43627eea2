#include "comm/StatusTable.h"
#include "comm/StatusValues.h"
#include "platform/CCPGridCore.h"
#include "project/CQLXSymbol.h"
#include "project/CStatusInput.h"
#include "project/ForceEntry.h"
#include "tests/support/WorkspaceFixture.h"

#include <string>
#include <vector>

namespace {

class StatusTableRules : public WorkspaceClass1Test {
protected:
    StatusTableRules() {
        const int kinds[] = {CPCtrlEdit, CPCtrlNone, CPCtrlList, CPCtrlDisplay, CPCtrlEdit};
        for (int kind : kinds)
            grid.DefineColCtrl(grid.AddCol(100, "", 0, 0), kind, WS_CHILD, 0);
        table.SetRowCount(6);
    }
    std::string Text(int col, int row, int* mark = nullptr) {
        CString text;
        int shownMark = 0;
        table.GetCellText(col, row, text, shownMark);
        if (mark)
            *mark = shownMark;
        return std::string(text);
    }
    std::vector<std::string> Choices(int row) {
        CStringArray choices;
        CStatusTable::GetFormatChoices(table.RowAt(row), choices);
        std::vector<std::string> texts;
        for (INT_PTR i = 0; i < choices.GetSize(); ++i)
            texts.push_back(std::string(choices[i]));
        return texts;
    }
    std::vector<std::string> Addresses() {
        std::vector<std::string> texts;
        for (int row = 0; row < table.GetRowCount(); ++row)
            texts.push_back(std::string(table.RowAt(row)->address));
        return texts;
    }
    void Fill(std::initializer_list<const char*> addresses) {
        int row = 0;
        for (const char* address : addresses)
            table.Commit(CStatusTable::ColAddress, row++, address);
    }

    CCPGridCore grid;
    CStatusTable table{workspace.project, grid};
};

const std::vector<std::string> IntegerFormats = {"有符号整数", "无符号整数", "十六进制", "二进制"};

TEST_F(StatusTableRules, TypedAddressesAreNormalisedWithAFormatForTheirType) {
    const struct {
        const char* typed;
        const char* stored;
        bool valid;
        const char* format;
        std::vector<std::string> choices;
    } cases[] = {
        {"m0.0", "%M0.0", true, "BOOL", {"BOOL"}},
        {" vw10 ", "%VW10", true, "无符号整数", IntegerFormats},
        {"%VR8", "%VR8", true, "REAL", {"REAL"}},
        {"t5", "T5", true, "无符号整数", IntegerFormats},   // timers keep their form
        {"C3", "C3", true, "无符号整数", IntegerFormats},
        {"vb", "vb", false, "", {}},
        {"nonsense", "nonsense", false, "", {}},
        {"", "", false, "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_TRUE(table.Commit(CStatusTable::ColAddress, 0, c.typed));
        const CStatusInput* row = table.RowAt(0);
        int mark = 0;
        EXPECT_EQ(c.stored, Text(CStatusTable::ColAddress, 0, &mark));
        EXPECT_EQ(c.valid ? CPMarkPlain : (*c.stored ? CPMarkError : CPMarkPlain), mark);
        EXPECT_EQ(c.valid, row->rowState == 1);
        EXPECT_EQ(c.format, Text(CStatusTable::ColFormat, 0));
        EXPECT_EQ(c.choices, Choices(0));
        if (c.valid) {
            EXPECT_NE(0, row->addressCode);
        }
    }
}

TEST_F(StatusTableRules, FormatFollowsTheAddressAndTheListAndConvertsTheForcedValue) {
    table.Commit(CStatusTable::ColAddress, 0, "VW10");
    EXPECT_TRUE(table.Commit(CStatusTable::ColFormat, 0, "十六进制"));
    EXPECT_TRUE(table.Commit(CStatusTable::ColForced, 0, "255"));
    EXPECT_EQ("W#16#ff", Text(CStatusTable::ColForced, 0));
    // Another word address keeps the integer format the row shows.
    table.Commit(CStatusTable::ColAddress, 0, "mw2");
    EXPECT_EQ("十六进制", Text(CStatusTable::ColFormat, 0));
    EXPECT_EQ(DWORD(DisplayHex), table.RowAt(0)->displayFormat);
    // A choice converts the forced value again; a format the list does not offer is
    // not taken, whether pasted or emptied by a clear.
    EXPECT_TRUE(table.Commit(CStatusTable::ColFormat, 0, "二进制"));
    EXPECT_EQ("W#2#11111111", Text(CStatusTable::ColForced, 0));
    for (const char* refused : {"BOOL", "REAL", "", "anything"})
        EXPECT_FALSE(table.Commit(CStatusTable::ColFormat, 0, refused)) << refused;
    EXPECT_EQ("二进制", Text(CStatusTable::ColFormat, 0));
    // A bit address takes BOOL; its forced value goes through the new format.
    table.Commit(CStatusTable::ColAddress, 0, "Q0.1");
    EXPECT_EQ("BOOL", Text(CStatusTable::ColFormat, 0));
    EXPECT_EQ("2#1", Text(CStatusTable::ColForced, 0));
    // An invalid row ignores its forced value and format; emptying the address empties both.
    table.Commit(CStatusTable::ColAddress, 0, "");
    EXPECT_EQ("", Text(CStatusTable::ColForced, 0));
    EXPECT_FALSE(table.Commit(CStatusTable::ColForced, 0, "5"));
    EXPECT_EQ(0u, table.RowAt(0)->rowWordC);
}

TEST_F(StatusTableRules, MarksNamesAndLiveValues) {
    auto* symbol = new CQLXSymbol;
    symbol->name = "SPEED";
    symbol->address = "%VW4";
    workspace.project.symbolList.Add(symbol);
    workspace.project.symbolsByAddress.SetAt(symbol->address, symbol);
    Fill({"vw4", "vw6"});
    table.Commit(CStatusTable::ColForced, 0, "abc");
    table.Commit(CStatusTable::ColForced, 1, "7");
    auto* entry = new ForceEntry{"%VW4", table.RowAt(0)->addressCode, table.RowAt(0)->descriptor, 1};
    workspace.project.forceEntries.SetAt(entry->addressText, entry);

    int mark = -1;
    EXPECT_EQ("SPEED", Text(CStatusTable::ColName, 0));
    EXPECT_EQ("", Text(CStatusTable::ColName, 1));
    EXPECT_EQ("abc", Text(CStatusTable::ColForced, 0, &mark));
    EXPECT_EQ(CPMarkError, mark);
    EXPECT_EQ("W#7", Text(CStatusTable::ColForced, 1, &mark));
    EXPECT_EQ(CPMarkPlain, mark);
    // Offline: a blank and no mark.
    EXPECT_EQ(" ", Text(CStatusTable::ColValue, 0, &mark));
    EXPECT_EQ(CPMarkPlain, mark);
    // Online: the forced address is marked; no monitor cell shows a blank.
    workspace.onlineMonitoring = 1;
    EXPECT_EQ(" ", Text(CStatusTable::ColValue, 0, &mark));
    EXPECT_EQ(CPMarkForced, mark);
    Text(CStatusTable::ColValue, 1, &mark);
    EXPECT_EQ(CPMarkPlain, mark);
    workspace.onlineMonitoring = 0;
}

TEST_F(StatusTableRules, RowsAreInsertedAndDeletedButOneAlwaysStays) {
    Fill({"VB0", "VB1", "VB2", "VB3", "VB4", "VB5"});
    EXPECT_TRUE(table.InsertRows(5, 1));   // above the last row
    EXPECT_EQ("", Addresses()[5]);
    EXPECT_EQ("%VB5", Addresses()[6]);
    EXPECT_TRUE(table.InsertRows(7, 1));   // below the last row
    EXPECT_EQ(8, table.GetRowCount());
    EXPECT_EQ(8, grid.GetGridRowCount());
    EXPECT_FALSE(table.InsertRows(-1, 1));
    EXPECT_FALSE(table.InsertRows(9, 1));

    EXPECT_FALSE(table.DeleteRows(0, 8));   // every row: nothing
    EXPECT_FALSE(table.DeleteRows(7, 2));   // past the end
    EXPECT_FALSE(table.DeleteRows(0, 0));
    EXPECT_TRUE(table.DeleteRows(1, 5));
    EXPECT_EQ((std::vector<std::string>{"%VB0", "%VB5", ""}), Addresses());
    EXPECT_TRUE(table.DeleteRows(0, 2));
    EXPECT_FALSE(table.DeleteRows(0, 1));   // the only row stays
    EXPECT_EQ(1, grid.GetGridRowCount());
}

TEST_F(StatusTableRules, ClearDeletesWholeRowsOrEmptiesCells) {
    Fill({"VB0", "VB1", "VB2"});
    table.Commit(CStatusTable::ColForced, 1, "3");
    grid.SetSelectRange(3, 4, 1, 1);   // live value and forced value of row 2
    EXPECT_TRUE(table.ClearSelection());
    EXPECT_EQ("%VB1", Addresses()[1]);
    EXPECT_EQ("", std::string(table.RowAt(1)->rowTextB));
    grid.SetSelectRange(0, CStatusTable::ColumnCount - 1, 0, 1);
    ASSERT_TRUE(grid.IsWholeRowSelection());
    EXPECT_TRUE(table.ClearSelection());
    EXPECT_EQ("%VB2", Addresses()[0]);
    EXPECT_EQ(4, table.GetRowCount());
}

TEST_F(StatusTableRules, SortKeepsTheEmptyRowsAtTheEnd) {
    Fill({"VB3", "%IB0", "VB1"});   // three empty rows follow
    table.Sort(CPSortAscending);
    EXPECT_EQ((std::vector<std::string>{"%IB0", "%VB1", "%VB3", "", "", ""}), Addresses());
    table.Sort(CPSortDescending);
    EXPECT_EQ((std::vector<std::string>{"%VB3", "%VB1", "%IB0", "", "", ""}), Addresses());
}

TEST_F(StatusTableRules, ForcesReadFromThePlcAreAppendedAfterTheLastRow) {
    std::vector<std::unique_ptr<CStatusInput>> read;
    read.push_back(std::make_unique<CStatusInput>());
    read.back()->address = "%VW4";
    read.push_back(std::make_unique<CStatusInput>());
    read.back()->address = "%Q0.0";
    table.AppendRows(read);
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(8, grid.GetGridRowCount());
    EXPECT_EQ("%Q0.0", Addresses()[7]);
    EXPECT_EQ(8u, table.Rows().size());
}

}  // namespace
