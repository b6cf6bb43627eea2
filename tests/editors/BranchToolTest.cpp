#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/BranchTool.h"

namespace {

// Records the model calls instead of building branches.
class RecordingBranchTool : public CBranchTool {
public:
    RecordingBranchTool() : CBranchTool(nullptr) {}
    std::vector<std::string> calls;

protected:
    void HitBranchStart(CPoint cell) override { calls.push_back(Cell("start", cell)); }
    void InsertBranch(CPoint startCell, CPoint endCell) override {
        calls.push_back(Cell("insert", startCell) + Cell("-", endCell));
    }
    void ClearBranchRange() override { calls.push_back("clear"); }

private:
    static std::string Cell(const char* what, CPoint cell) {
        return std::string(what) + " " + std::to_string(cell.x) + "," + std::to_string(cell.y);
    }
};

const CRect kView(10, 20, 410, 320);

BOOL ClipIsWholeScreen() {
    RECT clip = {};
    ::GetClipCursor(&clip);
    return clip.right - clip.left > kView.Width() || clip.bottom - clip.top > kView.Height();
}

TEST(BranchToolTest, FourClicksInsertTheBranchAndFreeTheMouse) {
    RecordingBranchTool tool;
    EXPECT_EQ(0, tool.OnClick(CPoint(100, 10)));  // not armed: nothing
    tool.Arm(kView);
    EXPECT_TRUE(tool.IsArmed());
    EXPECT_TRUE(tool.IsMouseConfined());
    EXPECT_FALSE(ClipIsWholeScreen());
    EXPECT_EQ(1, tool.OnClick(CPoint(98, 10)));
    EXPECT_EQ(2, tool.OnClick(CPoint(110, 50)));
    EXPECT_EQ(3, tool.OnClick(CPoint(390, 60)));
    EXPECT_EQ(4, tool.OnClick(CPoint(405, 5)));
    EXPECT_EQ((std::vector<std::string>{"start 1,0", "insert 1,0- 3,0", "clear"}), tool.calls);
    EXPECT_FALSE(tool.IsArmed());
    EXPECT_FALSE(tool.IsMouseConfined());
    EXPECT_TRUE(ClipIsWholeScreen());
}

TEST(BranchToolTest, EscapeAfterTwoClicksLeavesTheProgramAlone) {
    RecordingBranchTool tool;
    tool.Arm(kView);
    tool.OnClick(CPoint(200, 10));
    tool.OnClick(CPoint(200, 50));
    tool.Cancel();
    EXPECT_EQ((std::vector<std::string>{"start 2,0", "clear"}), tool.calls);
    EXPECT_EQ(0, tool.GetTracker().GetStep());
    EXPECT_EQ(CPoint(-1, -1), tool.GetTracker().GetStart());
    EXPECT_FALSE(tool.IsArmed());
    // A fresh arming starts over from the first click.
    tool.Arm(kView);
    EXPECT_EQ(1, tool.OnClick(CPoint(300, 10)));
    tool.Cancel();
}

TEST(BranchToolTest, LosingTheFocusOrTheActivationFreesTheMouse) {
    struct Case {
        UINT message;
        WPARAM wParam;
        BOOL cancels;
    } cases[] = {
        {WM_KILLFOCUS, 0, TRUE},
        {WM_CANCELMODE, 0, TRUE},
        {WM_ACTIVATE, WA_INACTIVE, TRUE},
        {WM_ACTIVATEAPP, FALSE, TRUE},
        {WM_ACTIVATE, WA_ACTIVE, FALSE},
        {WM_ACTIVATEAPP, TRUE, FALSE},
        {WM_SETFOCUS, 0, FALSE},
    };
    for (const Case& c : cases) {
        RecordingBranchTool tool;
        tool.Arm(kView);
        tool.OnClick(CPoint(100, 10));
        EXPECT_EQ(c.cancels, tool.CancelOnMessage(c.message, c.wParam)) << c.message;
        EXPECT_EQ(!c.cancels, tool.IsArmed()) << c.message;
        if (c.cancels) {
            EXPECT_FALSE(tool.IsMouseConfined()) << c.message;
            EXPECT_TRUE(ClipIsWholeScreen()) << c.message;
            EXPECT_EQ("clear", tool.calls.back()) << c.message;
        }
        tool.Cancel();
    }
    RecordingBranchTool idle;
    EXPECT_FALSE(idle.CancelOnMessage(WM_KILLFOCUS, 0));
    EXPECT_TRUE(idle.calls.empty());
}

}  // namespace
