#include <gtest/gtest.h>

#include <vector>

#include "editors/BranchTracker.h"
#include "editors/LadderGrid.h"

namespace {

struct Click {
    int x, y;  // raw document pixels, snapped as the engine does
    int result;
};

struct ClickRun {
    const char* name;
    std::vector<Click> clicks;
    CPoint startCell, endCell;
};

TEST(BranchTrackerTest, ClickSequencesCloseTheBranch) {
    const ClickRun runs[] = {
        // Start on row 0 between columns 1 and 2, drop to row 1, run to column 4, rise.
        {"four clicks", {{98, 10, 1}, {110, 50, 2}, {390, 60, 3}, {405, 5, 4}}, {1, 0}, {3, 0}},
        // A third click anywhere within the start row closes the branch at once.
        {"three clicks", {{210, 39, 1}, {200, 90, 2}, {520, 1, 4}}, {2, 0}, {4, 0}},
        {"start on row 2", {{0, 85, 1}, {0, 130, 2}, {300, 130, 3}, {300, 90, 4}}, {0, 2}, {2, 2}},
    };
    for (const ClickRun& run : runs) {
        CBranchTracker tracker;
        CPoint startCell(-9, -9), endCell(-9, -9);
        for (const Click& click : run.clicks) {
            CPoint snapped = CLadderGrid().SnapToCell(CPoint(click.x, click.y));
            EXPECT_EQ(click.result, tracker.OnClick(snapped.x, snapped.y, startCell, endCell)) << run.name;
        }
        EXPECT_EQ(run.startCell, startCell) << run.name;
        EXPECT_EQ(run.endCell, endCell) << run.name;
        EXPECT_EQ(0, tracker.GetStep()) << run.name;
        EXPECT_EQ(CPoint(-1, -1), tracker.GetStart()) << run.name;
    }
}

TEST(BranchTrackerTest, IntermediatePointsFollowTheClicks) {
    CBranchTracker tracker;
    CPoint startCell, endCell;
    tracker.OnClick(100, 25, startCell, endCell);
    EXPECT_EQ(CPoint(1, 0), startCell);
    tracker.OnClick(300, 65, startCell, endCell);
    EXPECT_EQ(CPoint(100, 65), tracker.GetSecond());  // dropped straight below the start
    tracker.OnClick(400, 105, startCell, endCell);
    EXPECT_EQ(CPoint(400, 65), tracker.GetThird());  // runs along the branch row
    EXPECT_EQ(3, tracker.GetStep());
    tracker.Reset();
    EXPECT_EQ(0, tracker.GetStep());
    EXPECT_EQ(CPoint(-1, -1), tracker.GetSecond());
}

}  // namespace
