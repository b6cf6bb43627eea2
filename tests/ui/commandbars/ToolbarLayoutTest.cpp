#include "ui/commandbars/UIToolbarLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A record list from a compact description: each entry is a width, "|" before
// it marks a group start and "R" after it right alignment; every control is 22 high.
std::vector<UILayoutRecord> Records(const std::vector<std::string>& items) {
    std::vector<UILayoutRecord> records;
    for (const std::string& item : items) {
        UILayoutRecord record;
        std::string width = item;
        if (!width.empty() && width[0] == '|') {
            record.beginGroup = TRUE;
            width = width.substr(1);
        }
        if (!width.empty() && width.back() == 'R') {
            record.rightAlign = TRUE;
            width.pop_back();
        }
        if (!width.empty() && width.back() == 'H') {
            record.visible = FALSE;
            width.pop_back();
        }
        record.size = CSize(std::stoi(width), 22);
        records.push_back(record);
    }
    return records;
}

std::string RowStarts(const std::vector<UILayoutRecord>& records) {
    std::string starts;
    for (const UILayoutRecord& record : records)
        starts += record.overflow ? 'o' : record.startsRow ? 'S' : '.';
    return starts;
}

const CRect Borders(2, 2, 2, 2);
const DWORD DockedCommit = uiLayoutHorizontalDock | uiLayoutCommit;

}  // namespace

TEST(ToolbarLayout, RowsBreakAtTheNearestEarlierGroupStart) {
    struct Case {
        std::vector<std::string> items;
        int length;
        DWORD mode;
        std::string starts;
        CSize size;
    } cases[] = {
        // Everything fits in one row: 4 x 30 + 6 gap, borders 2 on each side; a bar
        // that did not wrap keeps its own width.
        {{"30", "30", "|30", "30"}, 200, DockedCommit, "....", CSize(130, 26)},
        // The fourth control does not fit: the row breaks at the group start before it.
        {{"30", "30", "|30", "30"}, 110, DockedCommit, "..S.", CSize(110, 54)},
        // Without an earlier group start the control that does not fit starts the row.
        {{"30", "30", "30", "30"}, 100, DockedCommit, "...S", CSize(100, 48)},
        // One-row mode: what does not fit overflows instead of wrapping.
        {{"30", "30", "|30", "30"}, 110, DockedCommit | uiLayoutOneRow, "...o", CSize(110, 26)},
        // Hidden controls take no room.
        {{"30", "500H", "30"}, 100, DockedCommit, "...", CSize(64, 26)},
    };
    for (const Case& c : cases) {
        std::vector<UILayoutRecord> records = Records(c.items);
        CUIToolbarLayout layout(records, 32767);
        CSize size = layout.Calculate(c.length, c.mode, Borders, 0);
        EXPECT_EQ(c.starts, RowStarts(records)) << c.length;
        EXPECT_EQ(c.size.cx, size.cx) << c.length;
        EXPECT_EQ(c.size.cy, size.cy) << c.length;
    }
}

TEST(ToolbarLayout, GroupGapsAndSecondRowPlacement) {
    std::vector<UILayoutRecord> records = Records({"30", "30", "|30", "30"});
    CUIToolbarLayout layout(records, 32767);
    layout.Calculate(110, DockedCommit, Borders, 0);
    EXPECT_EQ(CRect(2, 2, 32, 24), records[0].rect);
    EXPECT_EQ(CRect(32, 2, 62, 24), records[1].rect);
    // The new row goes down by the first row's thickness and the group gap.
    EXPECT_EQ(CRect(2, 30, 32, 52), records[2].rect);
    EXPECT_EQ(CRect(32, 30, 62, 52), records[3].rect);
    EXPECT_EQ(CRect(2, 2, 108, 24), records[0].rowRect);
}

TEST(ToolbarLayout, EmptyBarMeasures23By22PlusBorders) {
    struct Case {
        std::vector<std::string> items;
        DWORD mode;
        int minimum;
        CSize size;
    } cases[] = {
        {{}, DockedCommit, 0, CSize(27, 26)},
        {{"30H", "40H"}, DockedCommit, 0, CSize(27, 26)},
        {{}, DockedCommit, 40, CSize(27, 40)},             // docked horizontally: the height grows
        {{}, uiLayoutVerticalDock, 40, CSize(40, 26)},      // otherwise the width
    };
    for (const Case& c : cases) {
        std::vector<UILayoutRecord> records = Records(c.items);
        CUIToolbarLayout layout(records, 32767);
        CSize size = layout.Calculate(300, c.mode, Borders, c.minimum);
        EXPECT_EQ(c.size.cx, size.cx);
        EXPECT_EQ(c.size.cy, size.cy);
    }
}

TEST(ToolbarLayout, RightAlignedControlsStickToTheFarEdge) {
    struct Case {
        std::vector<std::string> items;
        std::vector<int> lefts;
    } cases[] = {
        // Both trailing right-aligned controls go to the right edge (200 - 2).
        {{"30", "30R", "40R"}, {2, 128, 158}},
        // A right-aligned control followed by a normal one stays in place.
        {{"30", "30R", "40"}, {2, 32, 62}},
        // Only the trailing run moves.
        {{"30R", "30", "40R"}, {2, 32, 158}},
    };
    for (const Case& c : cases) {
        std::vector<UILayoutRecord> records = Records(c.items);
        CUIToolbarLayout layout(records, 32767);
        layout.Calculate(200, DockedCommit | uiLayoutStretch, Borders, 0);
        for (size_t i = 0; i < c.lefts.size(); ++i)
            EXPECT_EQ(c.lefts[i], records[i].rect.left) << i;
    }
}

TEST(ToolbarLayout, VerticalDockingStacksDownAndWrapsIntoColumns) {
    std::vector<UILayoutRecord> records = Records({"30", "30", "|30"});
    for (UILayoutRecord& record : records)
        record.size = CSize(22, 30);
    CUIToolbarLayout layout(records, 32767);
    CSize size = layout.Calculate(70, uiLayoutVerticalDock | uiLayoutCommit, Borders, 0);
    EXPECT_EQ("..S", RowStarts(records));
    EXPECT_EQ(CSize(54, 70), size);
    // The second column lies to the left of the first once moved into place.
    EXPECT_EQ(CRect(30, 2, 52, 32), records[0].rect);
    EXPECT_EQ(CRect(30, 32, 52, 62), records[1].rect);
    EXPECT_EQ(CRect(2, 2, 24, 32), records[2].rect);
}
