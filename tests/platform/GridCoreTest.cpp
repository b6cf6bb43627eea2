#include "platform/CCPGridCore.h"

#include <gtest/gtest.h>

namespace {

// Three columns 80, 80, 120 wide behind a 50-pixel number column, rows 20 high.
class GridCore : public ::testing::Test {
protected:
    void SetUp() override {
        grid.AddCol(80, "a", 0, 0);
        grid.AddCol(80, "b", 0, 0);
        grid.AddCol(120, "c", 0, 0);
        grid.SetGridRowCount(10);
        grid.SetViewSize(250, 100);  // 4 data rows fit under the header
    }
    void ExpectSelection(int firstCol, int lastCol, int firstRow, int lastRow) {
        int c1, c2, r1, r2;
        grid.GetSelectRange(c1, c2, r1, r2);
        EXPECT_EQ(c1, firstCol);
        EXPECT_EQ(c2, lastCol);
        EXPECT_EQ(r1, firstRow);
        EXPECT_EQ(r2, lastRow);
    }
    CCPGridCore grid;
};

TEST_F(GridCore, HitTestsCountTheHeaderRowAndTheNumberColumn) {
    struct Case { int x, y, col, row; };
    const Case cases[] = {
        {0, 0, 0, 0}, {49, 19, 0, 0}, {50, 20, 1, 1}, {129, 39, 1, 1}, {130, 40, 2, 2},
        {210, 99, 3, 4}, {-1, -1, -1, -1}, {330, 300, -1, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(grid.XToCol(c.x), c.col) << c.x;
        EXPECT_EQ(grid.YToRow(c.y), c.row) << c.y;
    }
    grid.SetTopRow(3);
    EXPECT_EQ(grid.YToRow(25), 4);
    EXPECT_EQ(grid.GetCellRect(2, 4), CRect(130, 20, 210, 40));
    grid.SetScrollX(30);
    EXPECT_EQ(grid.XToCol(60), 1);
    EXPECT_EQ(grid.XToCol(110), 2);
}

TEST_F(GridCore, FocusMovesStayInsideAndInView) {
    struct Step { int col, row; bool extend; int focusCol, focusRow, topRow; };
    const Step steps[] = {
        {0, 0, false, 1, 1, 0},     // the header is no focus cell
        {2, 7, false, 2, 7, 3},     // scrolled so row 7 is the last one shown
        {9, 99, true, 3, 10, 6},
        {1, 2, false, 1, 2, 1},
    };
    for (const Step& s : steps) {
        grid.MoveFocusTo(s.col, s.row, s.extend);
        EXPECT_EQ(grid.GetFocusCol(), s.focusCol);
        EXPECT_EQ(grid.GetFocusRow(), s.focusRow);
        EXPECT_EQ(grid.GetTopRow(), s.topRow);
    }
    grid.MoveFocusTo(2, 2, false);
    grid.MoveFocusTo(3, 5, true);
    ExpectSelection(1, 2, 1, 4);
    grid.MoveFocusTo(1, 1, true);  // back past the anchor
    ExpectSelection(0, 1, 0, 1);
}

TEST_F(GridCore, RowsComingAndGoingKeepFocusAndSelectionOnTheirRows) {
    grid.MoveFocusTo(2, 5, false);  // data row 4
    grid.InsertRows(2, 3);
    EXPECT_EQ(grid.GetFocusRow(), 8);
    ExpectSelection(1, 1, 7, 7);
    grid.InsertRows(8, 1);  // below: nothing moves
    EXPECT_EQ(grid.GetFocusRow(), 8);
    grid.RemoveRows(0, 2);
    EXPECT_EQ(grid.GetFocusRow(), 6);
    ExpectSelection(1, 1, 5, 5);
    grid.RemoveRows(4, 50);  // the focused row goes: the focus stays in the table
    EXPECT_EQ(grid.GetGridRowCount(), 4);
    EXPECT_EQ(grid.GetFocusRow(), 4);
    ExpectSelection(1, 1, 3, 3);
    grid.RemoveRows(-1, 1);
    grid.InsertRows(5, 1);
    grid.RemoveRows(4, 1);
    EXPECT_EQ(grid.GetGridRowCount(), 4);
    grid.SetGridRowCount(2);
    EXPECT_EQ(grid.GetFocusRow(), 2);
}

TEST_F(GridCore, WholeRowsAndSelectAll) {
    grid.SelectRows(2, 2, false);
    EXPECT_TRUE(grid.IsWholeRowSelection());
    grid.SelectRows(0, 5, true);  // Shift from the anchor row
    ExpectSelection(0, 2, 2, 5);
    grid.SelectAll();
    ExpectSelection(0, 2, 0, 9);
    grid.SetSelectRange(1, 1, 0, 3);
    EXPECT_TRUE(grid.IsSingleColumnSelection());
    EXPECT_FALSE(grid.IsWholeRowSelection());
}

}  // namespace
