#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/InsTreeView.h"
#include "language/InstrDesc.h"
#include "platform/CFrameWnd.h"
#include "project/CQLXFunc.h"
#include "tests/support/PointerRest.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"
#include "tests/support/WorkspaceFixture.h"

namespace {
class InsTreeViewTest : public WorkspaceClass1Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame->Create(nullptr, "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 600)));
        app.m_pMainWnd = frame;
        // Each tree in a pane of its own, as in the main window.
        for (int i = 0; i < 2; ++i) {
            ASSERT_TRUE(panes[i].CreateEx(0, "Static", nullptr, WS_CHILD | WS_VISIBLE,
                                          CRect(200 * i, 0, 200 * i + 200, 560), frame, 10 + i));
            CInsTreeView* tree = i == 0 ? ladder : il;
            ASSERT_TRUE(tree->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 560),
                                     &panes[i], 1));
        }
        ladder->FillTree(TRUE);
        il->FillTree(FALSE);
    }
    void TearDown() override {
        app.m_pMainWnd = nullptr;
        frame->DestroyWindow();
    }

    static std::vector<std::string> Groups(CInsTreeView* view) {
        std::vector<std::string> texts;
        CTreeCtrl& tree = view->GetTreeCtrl();
        for (HTREEITEM group = tree.GetRootItem(); group; group = tree.GetNextSiblingItem(group))
            texts.push_back(tree.GetItemText(group).GetString());
        return texts;
    }
    static std::vector<std::string> Items(CInsTreeView* view, const char* groupText) {
        std::vector<std::string> texts;
        CTreeCtrl& tree = view->GetTreeCtrl();
        for (HTREEITEM group = tree.GetRootItem(); group; group = tree.GetNextSiblingItem(group)) {
            if (tree.GetItemText(group) != groupText) continue;
            for (HTREEITEM item = tree.GetChildItem(group); item; item = tree.GetNextSiblingItem(item))
                texts.push_back(tree.GetItemText(item).GetString());
        }
        return texts;
    }
    static HTREEITEM Find(CInsTreeView* view, const char* groupText, const char* text) {
        CTreeCtrl& tree = view->GetTreeCtrl();
        for (HTREEITEM group = tree.GetRootItem(); group; group = tree.GetNextSiblingItem(group)) {
            if (tree.GetItemText(group) != groupText) continue;
            if (!text) return group;
            for (HTREEITEM item = tree.GetChildItem(group); item; item = tree.GetNextSiblingItem(item))
                if (tree.GetItemText(item) == text) return item;
        }
        return nullptr;
    }

    TestApplication app;
    CFrameWnd* frame = new CFrameWnd;
    CWnd panes[2];
    CInsTreeView* ladder = new CInsTreeView;
    CInsTreeView* il = new CInsTreeView;
};

const std::vector<std::string> AllGroups = {
    "位指令", "赋值指令", "比较指令", "逻辑运算", "移位指令", "类型转换", "数学运算", "程序控制",
    "中断指令", "实时时钟", "通讯指令", "计数器", "定时器", "PID回路", "子程序"};

TEST_F(InsTreeViewTest, EachLanguageListsItsShownInstructionsInGroups) {
    EXPECT_EQ(AllGroups, Groups(ladder));
    EXPECT_EQ(AllGroups, Groups(il));
    EXPECT_EQ((std::vector<std::string>{"-| |-", "-|/|-", "-(NUL)", "-( )", "-(S)", "-(R)", "R_TRIG",
                                        "F_TRIG"}),
              Items(ladder, "位指令"));
    EXPECT_EQ((std::vector<std::string>{"LD", "LDN", "AND", "ANDN", "OR", "ORN", "AND(", "OR(", ")",
                                        "ST", "S", "R", "R_TRIG", "F_TRIG"}),
              Items(il, "位指令"));
    EXPECT_EQ((std::vector<std::string>{"CAL", "JMP", "JMPC", "JMPCN", "RETC", "RETCN"}), Items(il, "程序控制"));
    EXPECT_EQ((std::vector<std::string>{"CTU", "CTD", "HDEF", "HSC", "PLS"}), Items(ladder, "计数器"));
    EXPECT_EQ((std::vector<std::string>{"PID"}), Items(ladder, "PID回路"));
    EXPECT_TRUE(Items(ladder, "子程序").empty());
    ladder->GetTreeCtrl().Expand(Find(ladder, "位指令", nullptr), TVE_EXPAND);
    TestImage image(200, 560);
    RenderWindow(ladder, image);
    image.SaveBmp(TestOutputPath("instruction-tree-ld.bmp"));
}

TEST_F(InsTreeViewTest, ClockAndPidGroupsFollowTheCpu) {
    workspace.project.cpuClass = 0;
    ladder->UpdateCpuGroups(TRUE);
    il->UpdateCpuGroups(FALSE);
    std::vector<std::string> small = AllGroups;
    small.erase(std::find(small.begin(), small.end(), "实时时钟"));
    small.erase(std::find(small.begin(), small.end(), "PID回路"));
    EXPECT_EQ(small, Groups(ladder));
    EXPECT_EQ(small, Groups(il));
    workspace.project.cpuClass = 2;
    ladder->UpdateCpuGroups(TRUE);
    ladder->UpdateCpuGroups(TRUE);  // a second CPU changes nothing more
    EXPECT_EQ(AllGroups, Groups(ladder));
    EXPECT_EQ((std::vector<std::string>{"READ_RTC", "SET_RTC"}), Items(ladder, "实时时钟"));
}

TEST_F(InsTreeViewTest, DoubleClickRequestsByLanguageAndKind) {
    CQLXFunc pump;
    ladder->AddSubroutine(&pump, "PUMP");
    WPARAM wParam = 99;
    LPARAM lParam = 0;
    ASSERT_TRUE(ladder->InsertRequestFor(Find(ladder, "赋值指令", "MOVE"), wParam, lParam));
    EXPECT_EQ(2u, wParam);
    EXPECT_STREQ("MOVE", reinterpret_cast<const InstrDesc*>(lParam)->name);
    ASSERT_TRUE(il->InsertRequestFor(Find(il, "赋值指令", "MOVE"), wParam, lParam));
    EXPECT_EQ(0u, wParam);
    ASSERT_TRUE(ladder->InsertRequestFor(Find(ladder, "子程序", "PUMP"), wParam, lParam));
    EXPECT_EQ(3u, wParam);
    EXPECT_EQ(reinterpret_cast<LPARAM>(&pump), lParam);
    EXPECT_FALSE(ladder->InsertRequestFor(Find(ladder, "定时器", nullptr), wParam, lParam));
    EXPECT_FALSE(il->InsertRequestFor(Find(il, "子程序", nullptr), wParam, lParam));
}

TEST_F(InsTreeViewTest, OnlyInstructionsHaveDescriptions) {
    CQLXFunc pump;
    ladder->AddSubroutine(&pump, "PUMP");
    EXPECT_STREQ("接通延时定时器", ladder->DescriptionOf(Find(ladder, "定时器", "TON")));
    EXPECT_EQ(nullptr, ladder->DescriptionOf(Find(ladder, "定时器", nullptr)));
    EXPECT_EQ(nullptr, ladder->DescriptionOf(Find(ladder, "子程序", "PUMP")));
}

TEST_F(InsTreeViewTest, TipShowsAnInstructionsDescriptionWhileTheTreeHasTheFocus) {
    CQLXFunc pump;
    ladder->AddSubroutine(&pump, "PUMP");
    CTreeCtrl& tree = ladder->GetTreeCtrl();
    for (const char* group : {"定时器", "子程序"}) tree.Expand(Find(ladder, group, nullptr), TVE_EXPAND);
    auto textCentre = [&](HTREEITEM item) {
        CRect text;
        tree.GetItemRect(item, &text, TRUE);
        return text.CenterPoint();
    };
    ladder->ToolTip().SetDelayTime(TTDT_INITIAL, 1);
    ladder->SetFocus();
    app.PumpUntilIdle();
    HTREEITEM ton = Find(ladder, "定时器", "TON");
    CPoint at = textCentre(ton);
    EXPECT_EQ(ladder->m_hWnd, ::GetFocus());
    EXPECT_EQ(ton, tree.HitTest(at)) << at.x << "," << at.y;
    ASSERT_TRUE(RestPointerAt(app, ladder, ladder->ToolTip(), at));
    CString text;
    ladder->ToolTip().GetWindowText(text);
    EXPECT_STREQ("接通延时定时器", text);
    EXPECT_FALSE(RestPointerAt(app, ladder, ladder->ToolTip(), textCentre(Find(ladder, "子程序", "PUMP"))));
    il->SetFocus();
    EXPECT_FALSE(RestPointerAt(app, ladder, ladder->ToolTip(), textCentre(Find(ladder, "定时器", "TON"))));
}
}  // namespace
