#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CCmdUI.h"
#include "res/resource.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"
#include "tests/ui/docking/TabClientTestFrame.h"
#include "ui/docking/tabs/UITabTheme.h"

namespace {

using Captions = std::vector<std::string>;

// Whether the client enables a group command, as a menu asks it.
class EnableProbe : public CCmdUI {
public:
    void Enable(BOOL on = TRUE) override { enabled = on; }
    BOOL enabled = -1;
};

class TabGroupsTest : public testing::Test {
protected:
    void Make(BOOL groups) {
        frame = TabTestFrame::Make(groups);
        app.m_pMainWnd = frame;
    }
    void TearDown() override {
        app.m_pMainWnd = nullptr;
        if (frame) frame->DestroyWindow();
    }
    CUITabClientWnd& Tabs() { return frame->tabs; }
    CUITabWorkspace* Group(int index) { return Tabs().GetWorkspace(index); }
    BOOL Enabled(UINT id) {
        EnableProbe probe;
        probe.m_nID = id;
        Tabs().OnCmdMsg(id, static_cast<int>(CN_UPDATE_COMMAND_UI), &probe, nullptr);
        return probe.enabled;
    }
    void Command(UINT id) { Tabs().OnCmdMsg(id, CN_COMMAND, nullptr, nullptr); }
    std::vector<double> Shares() {
        std::vector<double> shares;
        for (int i = 0; i < Tabs().GetWorkspaceCount(); ++i) shares.push_back(Group(i)->share);
        return shares;
    }

    TestApplication app;
    TabTestFrame* frame = nullptr;
};

const UINT GroupCommands[4] = {ID_TAB_GROUP_MOVE_PREVIOUS, ID_TAB_GROUP_MOVE_NEXT, ID_TAB_GROUP_NEW_HORIZONTAL,
                               ID_TAB_GROUP_NEW_VERTICAL};

TEST_F(TabGroupsTest, WithoutGroupsTheCommandsAreDisabledAndDoNothing) {
    Make(FALSE);
    frame->AddChild("程序块 1");
    frame->AddChild("程序块 2");
    for (UINT id : GroupCommands) {
        EXPECT_FALSE(Enabled(id)) << id;
        Command(id);
    }
    EXPECT_EQ(1, Tabs().GetWorkspaceCount());
    EXPECT_EQ((Captions{"程序块 1", "程序块 2"}), frame->Captions());
}

TEST_F(TabGroupsTest, CommandsSplitAndMoveTheActiveDocument) {
    Make(TRUE);
    frame->AddChild("一");
    frame->AddChild("二");
    TabTestChild* third = frame->AddChild("三");
    // One group of three: only the new-group commands apply.
    EXPECT_EQ((std::vector<BOOL>{FALSE, FALSE, TRUE, TRUE}),
              (std::vector<BOOL>{Enabled(GroupCommands[0]), Enabled(GroupCommands[1]), Enabled(GroupCommands[2]),
                                 Enabled(GroupCommands[3])}));
    Command(ID_TAB_GROUP_NEW_HORIZONTAL);
    ASSERT_EQ(2, Tabs().GetWorkspaceCount());
    EXPECT_TRUE(Tabs().IsStacked());
    EXPECT_EQ((Captions{"一", "二"}), frame->Captions(0));
    EXPECT_EQ((Captions{"三"}), frame->Captions(1));
    EXPECT_EQ((std::vector<double>{50, 50}), Shares());
    EXPECT_LT(Group(0)->controlRect.bottom, Group(1)->controlRect.top) << "stacked";
    // The moved document's group holds one tab: no new group, no vertical split.
    EXPECT_TRUE(Enabled(ID_TAB_GROUP_MOVE_PREVIOUS));
    EXPECT_FALSE(Enabled(ID_TAB_GROUP_MOVE_NEXT));
    EXPECT_FALSE(Enabled(ID_TAB_GROUP_NEW_HORIZONTAL));
    EXPECT_FALSE(Enabled(ID_TAB_GROUP_NEW_VERTICAL));

    // Moving the only tab back empties its group, which gives its share back.
    third->MDIActivate();
    Command(ID_TAB_GROUP_MOVE_PREVIOUS);
    EXPECT_EQ(1, Tabs().GetWorkspaceCount());
    EXPECT_EQ((Captions{"一", "二", "三"}), frame->Captions());
    EXPECT_EQ((std::vector<double>{100}), Shares());
}

TEST_F(TabGroupsTest, SplittingTheSecondOfTwoEqualGroupsHalvesOnlyIt) {
    Make(TRUE);
    frame->AddChild("一");
    frame->AddChild("二");
    TabTestChild* third = frame->AddChild("三");
    Command(ID_TAB_GROUP_NEW_VERTICAL);
    frame->AddChild("四");  // new tabs go to the active group
    EXPECT_EQ((Captions{"三", "四"}), frame->Captions(1));
    Group(0)->share = Group(1)->share = 100;
    third->MDIActivate();
    Command(ID_TAB_GROUP_NEW_VERTICAL);
    EXPECT_EQ((std::vector<double>{100, 50, 50}), Shares());
    EXPECT_FALSE(Tabs().IsStacked());
    CRect client;
    Tabs().GetClientRect(&client);
    EXPECT_EQ(frame->MdiClientRect().Size(), client.Size()) << "no scroll bars, no frame with this look";
    EXPECT_TRUE(Group(2)->splitterRect.IsRectEmpty());
    // The first group keeps half the width, the others a quarter each.
    EXPECT_NEAR(client.Width() / 2, Group(0)->splitterRect.right, 2);
    EXPECT_NEAR(client.Width() * 3 / 4, Group(1)->splitterRect.right, 2);
    EXPECT_EQ(5, Group(0)->splitterRect.Width());
}

TEST_F(TabGroupsTest, DropZonesLieAlongTheBottomAndRightEdges) {
    Make(TRUE);
    frame->AddChild("一");
    frame->AddChild("二");
    frame->AddChild("三");
    CUITabStripItem* dragged = Group(0)->GetItem(1);
    const CRect control = Group(0)->controlRect;
    const CPoint inside = control.CenterPoint();
    struct Case {
        CPoint point;
        int action;
    } cases[] = {
        {CPoint(inside.x, control.bottom - 1), TabDropNewBelow},
        {CPoint(inside.x, control.bottom - 29), TabDropNewBelow},
        {CPoint(inside.x, control.bottom - 30), TabDropMenu},
        {CPoint(control.right - 1, inside.y), TabDropNewRight},
        {CPoint(control.right - 29, inside.y), TabDropNewRight},
        {CPoint(control.right - 30, inside.y), TabDropMenu},
        {Group(0)->headerRect.CenterPoint(), TabDropIntoGroup},
        {CPoint(-5, inside.y), TabDropNone},
    };
    for (const Case& c : cases) {
        Tabs().TrackDrop(c.point, dragged);
        SCOPED_TRACE(testing::Message() << c.point.x << "," << c.point.y);
        EXPECT_EQ(c.action, Tabs().GetDropAction());
        EXPECT_EQ(c.action >= TabDropIntoGroup ? Group(0) : nullptr, Tabs().GetDropTarget());
    }
    Tabs().TrackDrop(CPoint(inside.x, control.bottom - 1), dragged);
    EXPECT_EQ(CRect(control.left, (control.top + control.bottom) / 2, control.right, control.bottom),
              Tabs().GetDropRect());
    // Exactly on a bottom edge (here the one above the splitter) is no zone.
    Tabs().MoveItemToGroup(Group(0)->GetItem(2), Group(0), TabDropNewBelow);
    ASSERT_EQ(2, Tabs().GetWorkspaceCount());
    Tabs().TrackDrop(CPoint(inside.x, Group(0)->controlRect.bottom), dragged);
    EXPECT_EQ(TabDropMenu, Tabs().GetDropAction());
    Tabs().TrackDrop(CPoint(inside.x, Group(0)->controlRect.bottom - 1), dragged);
    EXPECT_EQ(TabDropNewBelow, Tabs().GetDropAction());
    Tabs().MoveItemToGroup(Group(1)->GetItem(0), Group(0), TabDropIntoGroup);
    Tabs().MoveItemToGroup(Group(0)->GetItem(0), Group(0), TabDropNewBelow);
    ASSERT_EQ(2, Tabs().GetWorkspaceCount());
    ASSERT_EQ(1, Group(1)->GetItemCount());
    // The only tab of a group cannot make a group beside its own, but another can.
    const CPoint nearBottom(inside.x, Group(1)->controlRect.bottom - 1);
    Tabs().TrackDrop(nearBottom, Group(1)->GetItem(0));
    EXPECT_EQ(TabDropMenu, Tabs().GetDropAction());
    Tabs().TrackDrop(nearBottom, Group(0)->GetItem(0));
    EXPECT_EQ(TabDropNewBelow, Tabs().GetDropAction());
}

TEST_F(TabGroupsTest, ADropOnAnotherHeaderMovesTheTabThereWithItsColour) {
    Make(TRUE);
    frame->AddChild("一");
    frame->AddChild("二");
    frame->AddChild("三");
    Tabs().MoveItemToGroup(Group(0)->GetItem(2), Group(0), TabDropNewRight);
    CUITabStripItem* moved = Group(0)->GetItem(0);
    const COLORREF color = moved->color;
    // As a drag does, the dragged tab's document is active when it is dropped.
    Tabs().MDIActivate(CUITabWorkspace::ChildOf(moved));
    Tabs().MoveItemToGroup(moved, Group(1), TabDropIntoGroup);
    EXPECT_EQ((Captions{"二"}), frame->Captions(0));
    EXPECT_EQ((Captions{"三", "一"}), frame->Captions(1));
    EXPECT_EQ(moved, Group(1)->GetSelectedItem());
    EXPECT_EQ(color, moved->color);
    // Emptying a group removes it.
    Tabs().MoveItemToGroup(Group(0)->GetItem(0), Group(1), TabDropIntoGroup);
    EXPECT_EQ(1, Tabs().GetWorkspaceCount());
    EXPECT_EQ((Captions{"三", "一", "二"}), frame->Captions(0));
}

TEST_F(TabGroupsTest, DraggingTheSplitterRedividesItsTwoNeighbours) {
    Make(TRUE);
    frame->AddChild("一");
    frame->AddChild("二");
    Command(ID_TAB_GROUP_NEW_HORIZONTAL);
    CRect splitter = Group(0)->splitterRect;
    CRect both;
    both.UnionRect(&Group(0)->controlRect, &Group(1)->controlRect);
    CPoint press = splitter.CenterPoint();
    CPoint target(press.x, both.top + both.Height() / 4);
    Tabs().PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(target.x, target.y));
    Tabs().PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(target.x, target.y));
    Tabs().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    std::vector<double> shares = Shares();
    ASSERT_EQ(2u, shares.size());
    EXPECT_DOUBLE_EQ(100, shares[0] + shares[1]);
    EXPECT_LT(shares[0], 35);
    EXPECT_GT(shares[0], 15);
}

TEST_F(TabGroupsTest, ASplitterOverGroupsWithoutHeightIsNotDragged) {
    Make(TRUE);
    frame->AddChild("一");
    frame->AddChild("二");
    Command(ID_TAB_GROUP_NEW_HORIZONTAL);
    frame->SetWindowPos(nullptr, 0, 0, 640, 0, SWP_NOZORDER | SWP_NOMOVE);
    frame->RecalcLayout();
    CPoint press = Group(0)->splitterRect.CenterPoint();
    // A release already waiting would end a drag at once with a position.
    Tabs().PostMessage(WM_LBUTTONUP, 0, 0);
    Tabs().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    EXPECT_EQ((std::vector<double>{50, 50}), Shares());
    MSG msg;
    ::PeekMessageA(&msg, Tabs().m_hWnd, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE);
}

TEST_F(TabGroupsTest, TheClientDrawsEveryGroup) {
    Make(TRUE);
    for (const char* title : {"主程序", "子程序 SBR_0", "中断程序 INT_0", "数据块"}) frame->AddChild(title);
    Command(ID_TAB_GROUP_NEW_VERTICAL);
    TestImage image(640, 400);
    RenderWindow(frame, image);
    image.SaveBmp(TestOutputPath("tab-groups-frame.bmp"));
    for (int g = 0; g < 2; ++g)
        for (int i = 0; i < Group(g)->GetItemCount(); ++i)
            EXPECT_LT(0, image.CountPixels(Group(g)->GetItem(i)->GetRect(), ::GetSysColor(COLOR_BTNTEXT)));
}

}  // namespace
