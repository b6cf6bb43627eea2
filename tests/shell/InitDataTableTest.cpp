#include "language/AddressCode.h"
#include "language/AreaLimits.h"
#include "platform/CCPGridCore.h"
#include "project/CQLXInitData.h"
#include "shell/tables/InitDataTable.h"
#include "tests/support/WorkspaceFixture.h"

#include <string>

namespace {

class InitDataRules : public WorkspaceClass1Test {
protected:
    InitDataRules() {
        for (int col = 0; col < 5; ++col)
            grid.AddCol(100, "", 0, 0);
        table.SetRowCount(3);
    }
    // The row's texts with each marked cell's reason: "%VW10|1|x:4".
    std::string Row(int row) {
        const CQLXInitData* data = table.RowAt(row);
        std::string text;
        for (int col = 0; col < data->texts.GetSize(); ++col) {
            text += std::string(col ? "|" : "") + data->texts[col].GetString();
            DWORD reason = 0;
            if (data->valueMap.Lookup(col, reason))
                text += ":" + std::to_string(reason);
        }
        DWORD reason = 0;
        if (data->texts.GetSize() == 0 && data->valueMap.Lookup(0, reason))
            text += ":" + std::to_string(reason);
        return text;
    }
    CCPGridCore grid;
    CInitDataTable table{workspace.project, grid};
};

TEST_F(InitDataRules, EachCommitIsValidatedWithItsReason) {
    struct Step { int col; const char* text; BOOL accepted; const char* row; };
    const Step steps[] = {
        {1, "5", FALSE, ""},                      // no address yet
        {0, "vw10", TRUE, "%VW10"},
        {1, "1", TRUE, "%VW10|1"},
        {3, "3", FALSE, "%VW10|1"},               // more than one past the last value
        {2, "abc", TRUE, "%VW10|1|abc:4"},
        {2, "1.5", TRUE, "%VW10|1|1.5:8"},        // a REAL does not fit a word
        {2, "16#ff", TRUE, "%VW10|1|16#FF"},
        {0, "%IB0", TRUE, "%IB0:2|1|16#FF"},      // the values keep their state
        {0, "%V0.1", TRUE, "%V0.1:2|1|16#FF"},
        {0, "nonsense", TRUE, "nonsense:1|1|16#FF"},
        {2, "16#ff", TRUE, "nonsense:1|1|16#ff:16"},  // until committed again
        {0, "%VW10", TRUE, "%VW10|1|16#FF"},      // typed again under the good address
        {1, "", FALSE, "%VW10|1|16#FF"},          // only the last value can be emptied
        {2, "", TRUE, "%VW10|1"},
        {1, "", TRUE, "%VW10"},
        {0, "", TRUE, ""},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(table.Commit(s.col, 0, s.text), s.accepted) << s.col << " " << s.text;
        EXPECT_EQ(Row(0), s.row) << s.col << " " << s.text;
    }
}

TEST_F(InitDataRules, AddressCodeCapacityAndValuesPastTheArea) {
    table.Commit(0, 0, "%VW10");
    table.Commit(1, 0, "1");
    table.Commit(2, 0, "2");
    const CQLXInitData* row = table.RowAt(0);
    EXPECT_EQ(row->values[0], DWORD(static_cast<WORD>(GetAreaCodeBase("%VW", FALSE) + 10)));
    EXPECT_EQ(row->values[1], 1u);
    EXPECT_EQ(row->values[2], 2u);
    int last = GetAreaLastIndex("%VW");
    // Two words from the end: a third value lies past the area until the address moves.
    CString nearEnd;
    nearEnd.Format("%%VW%d", (last + 1 - 4) & ~1);
    table.Commit(0, 0, nearEnd);
    EXPECT_EQ(row->rowWord, 2u);
    table.Commit(3, 0, "3");
    EXPECT_EQ(Row(0), std::string(nearEnd) + "|1|2|3:32");
    table.Commit(0, 0, "%VW10");
    EXPECT_EQ(Row(0), "%VW10|1|2|3");
    EXPECT_EQ(row->values[3], 3u);
}

TEST_F(InitDataRules, AddressRemovedUnderValuesIsMarked) {
    table.Commit(0, 0, "%VW0");
    table.Commit(1, 0, "7");
    table.Commit(0, 0, "");
    EXPECT_EQ(Row(0), ":1|7");
    table.Commit(1, 0, "8");  // refused: no address
    table.Commit(0, 0, "%VW0");
    EXPECT_EQ(Row(0), "%VW0|7");
    table.Commit(0, 1, "%VB1");  // a row holding only an address is fine here
    EXPECT_EQ(Row(1), "%VB1");
}

TEST_F(InitDataRules, ClearDeleteInsertAndSortRows) {
    table.Commit(0, 0, "%VB9");
    table.Commit(1, 0, "1");
    table.Commit(2, 0, "2");
    table.Commit(0, 1, "%VB3");
    grid.SetSelectRange(1, 2, 0, 0);  // both values, the last first
    EXPECT_TRUE(table.ClearSelection());
    EXPECT_EQ(Row(0), "%VB9");
    table.Sort(CPSortAscending);  // the empty third row stays last
    EXPECT_EQ(Row(0) + "," + Row(1) + "," + Row(2), "%VB3,%VB9,");
    table.Sort(CPSortDescending);
    EXPECT_EQ(Row(0) + "," + Row(1), "%VB9,%VB3");
    EXPECT_TRUE(table.InsertRows(3, 1));
    EXPECT_FALSE(table.InsertRows(5, 1));
    grid.SetSelectRange(0, 4, 0, 3);
    EXPECT_TRUE(table.ClearSelection());  // whole rows: one stays
    EXPECT_EQ(table.GetRowCount(), 1);
    EXPECT_EQ(grid.GetGridRowCount(), 1);
    EXPECT_FALSE(table.DeleteRows(0, 1));
}

}  // namespace
