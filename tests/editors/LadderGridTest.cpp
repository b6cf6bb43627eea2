#include <gtest/gtest.h>

#include "editors/LadderGrid.h"

namespace {

TEST(LadderGridTest, PointsSnapToColumnBoundariesAndRowLines) {
    CLadderGrid grid;
    struct Case {
        CPoint point, snapped;
    } cases[] = {
        {{149, 0}, {100, 25}},
        {{150, 79}, {100, 65}},  // exactly half a cell goes to the lower boundary
        {{151, 40}, {200, 65}},
        {{49, 80}, {0, 105}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.snapped, grid.SnapToCell(c.point)) << c.point.x << "," << c.point.y;

    CPoint cell(-9, -9);
    EXPECT_TRUE(grid.PointToCell(CPoint(250, 119), cell));
    EXPECT_EQ(CPoint(2, 2), cell);
    EXPECT_FALSE(grid.PointToCell(CPoint(-1, 5), cell));
    EXPECT_FALSE(grid.PointToCell(CPoint(5, -1), cell));
}

TEST(LadderGridTest, ScrollingStopsOnWholeCells) {
    CLadderGrid grid;
    struct Case {
        int code, position, track, expected;
    } vertical[] = {
        {SB_LINEDOWN, 80, 0, 120},   {SB_PAGEDOWN, 80, 0, 120},  // pages move one cell too
        {SB_PAGEUP, 80, 0, 40},      {SB_LINEUP, 20, 0, 0},      {SB_THUMBTRACK, 0, 130, 120},
        {SB_TOP, 400, 0, 0},         {SB_BOTTOM, 0, 0, 3160},    {SB_LINEDOWN, 3160, 0, 3160},
        {SB_ENDSCROLL, 200, 0, 200},
    };
    for (const Case& c : vertical)
        EXPECT_EQ(c.expected, grid.VerticalScroll(c.code, c.position, c.track, 3190)) << c.code;

    Case horizontal[] = {
        {SB_LINERIGHT, 100, 0, 200}, {SB_PAGERIGHT, 100, 0, 300}, {SB_PAGELEFT, 100, 0, 0},
        {SB_THUMBTRACK, 0, 130, 100}, {SB_LEFT, 500, 0, 0},       {SB_PAGERIGHT, 3800, 0, 3900},
        {SB_ENDSCROLL, 300, 0, 300},
    };
    for (const Case& c : horizontal)
        EXPECT_EQ(c.expected, grid.HorizontalScroll(c.code, c.position, c.track, 0, 3950)) << c.code;
}

TEST(LadderGridTest, DocumentCoversTheModelsExtentAndTheNetworks) {
    CLadderGrid grid;
    const CSize extent(40, 80);
    EXPECT_EQ(CSize(4000, 3200), grid.OpeningExtent(extent, 0));
    EXPECT_EQ(CSize(4000, 3200), grid.OpeningExtent(extent, 79));
    EXPECT_EQ(CSize(4000, 3640), grid.OpeningExtent(extent, 91));
    EXPECT_EQ(CSize(4000, 3200), grid.LaidOutExtent(extent, 70));
    EXPECT_EQ(CSize(4000, 3240), grid.LaidOutExtent(extent, 71));
}

}  // namespace
