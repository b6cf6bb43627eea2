#include "tests/shell/frame/MainFrameFixture.h"

#include "editors/InsTreeView.h"
#include "res/resource.h"
#include "shell/project/CProjTreeView.h"
#include "ui/commandbars/UIDockBar.h"
#include "ui/commandbars/UIToolBar.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include <gtest/gtest.h>

namespace {

using MainFrameCreate = MainFrameFixture;

TEST_F(MainFrameCreate, BuildsStatusBarMenuBarToolbarsOnOneRowAndPanes) {
    ASSERT_TRUE(created);
    CStatusBar& status = frame->GetStatusBar();
    EXPECT_EQ(59393, ::GetDlgCtrlID(status.GetSafeHwnd()));
    EXPECT_EQ(4, status.GetCount());
    EXPECT_EQ(static_cast<UINT>(ID_INDICATOR_NUM), status.GetItemID(3));

    ASSERT_NE(nullptr, frame->GetMenuBar());
    EXPECT_EQ(nullptr, ::GetMenu(frame->GetSafeHwnd()));
    EXPECT_TRUE(IsOpen(ID_VIEW_PROJECT_MANAGER));
    EXPECT_TRUE(IsOpen(ID_VIEW_OUTPUT));
    EXPECT_TRUE(IsOpen(ID_PANE_LD_INSTRUCTIONS));
    EXPECT_TRUE(IsOpen(ID_PANE_IL_INSTRUCTIONS));
    EXPECT_FALSE(IsOpen(ID_PANE_MODULE_LIST));
    EXPECT_EQ(Pane(ID_PANE_LD_INSTRUCTIONS)->GetHolder(), Pane(ID_PANE_IL_INSTRUCTIONS)->GetHolder());

    if (GetGlobalTheme() == nullptr)
        GTEST_SKIP() << "the toolbars' sizes need a command-bar theme";
    CRect first;
    frame->GetToolBar(0)->GetWindowRect(&first);
    for (int i = 0; i < 4; ++i) {
        CUIToolBar* bar = frame->GetToolBar(i);
        ASSERT_NE(nullptr, bar);
        CRect rect;
        bar->GetWindowRect(&rect);
        EXPECT_EQ(first.top, rect.top) << "toolbar " << i;
        if (i > 0) {
            CRect left;
            frame->GetToolBar(i - 1)->GetWindowRect(&left);
            EXPECT_GE(rect.left, left.right) << "toolbar " << i;
        }
        EXPECT_EQ(frame->GetToolBar(0)->m_dockBar, bar->m_dockBar);
    }
}

TEST_F(MainFrameCreate, PaneViewsAreMadeWhenAPaneIsFirstShown) {
    ASSERT_TRUE(created);
    EXPECT_NE(nullptr, frame->GetProjectTree());
    EXPECT_NE(nullptr, frame->GetOutputView());
    EXPECT_EQ(nullptr, frame->GetModuleList());
    EXPECT_NE(nullptr, frame->GetProjectFileCommands());
    const BOOL ilShown = frame->GetInstructionTree(FALSE) != nullptr;
    const BOOL ldShown = frame->GetInstructionTree(TRUE) != nullptr;
    EXPECT_TRUE(ilShown || ldShown);
}

}  // namespace
