#include "tests/shell/frame/MainFrameFixture.h"

#include "platform/CPrintPreviewState.h"
#include "project/CProjTreeDOC.h"
#include "res/resource.h"
#include "shell/project/CProjTreeView.h"
#include "ui/docking/UIDockingPaneNotify.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using MainFramePanes = MainFrameFixture;

// Whether the frame's update rule puts a check mark on the command.
int CheckOf(CMainFrame* frame, UINT id) {
    FrameCommandLook look;
    LookOfFrameCommand(id, frame->CommandState(), look);
    return look.marked;
}

TEST_F(MainFramePanes, PaneCommandsToggleThePanesAndTheirChecks) {
    ASSERT_TRUE(created);
    struct Case {
        UINT command;
        UINT panes[2];
    };
    const Case cases[] = {
        {ID_VIEW_PROJECT_MANAGER, {ID_VIEW_PROJECT_MANAGER, 0}},
        {ID_VIEW_OUTPUT, {ID_VIEW_OUTPUT, 0}},
        {ID_VIEW_INSTRUCTIONS, {ID_PANE_LD_INSTRUCTIONS, ID_PANE_IL_INSTRUCTIONS}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        EXPECT_EQ(1, CheckOf(frame, c.command));
        Command(c.command);
        EXPECT_EQ(0, CheckOf(frame, c.command));
        for (UINT pane : c.panes) {
            if (pane) {
                EXPECT_FALSE(IsOpen(pane));
            }
        }
        Command(c.command);
        EXPECT_EQ(1, CheckOf(frame, c.command));
        for (UINT pane : c.panes) {
            if (pane) {
                EXPECT_TRUE(IsOpen(pane));
            }
        }
    }
}

TEST_F(MainFramePanes, ClosingOneInstructionPaneClearsTheFlagOfBoth) {
    ASSERT_TRUE(created);
    frame->GetPaneManager().ClosePane(Pane(ID_PANE_LD_INSTRUCTIONS));
    EXPECT_FALSE(frame->m_bInstructionPanesShown);
    Command(ID_VIEW_INSTRUCTIONS);
    EXPECT_TRUE(IsOpen(ID_PANE_LD_INSTRUCTIONS));
    EXPECT_TRUE(IsOpen(ID_PANE_IL_INSTRUCTIONS));
    EXPECT_TRUE(frame->m_bInstructionPanesShown);
}

TEST_F(MainFramePanes, ModuleListShowsItsCatalogueWhenFirstShown) {
    ASSERT_TRUE(created);
    EXPECT_EQ(nullptr, frame->GetModuleList());
    // Enabled only while the hardware window is active: the handler is called directly.
    frame->OnViewModuleList();
    app.PumpUntilIdle();
    EXPECT_TRUE(IsOpen(ID_PANE_MODULE_LIST));
    EXPECT_NE(nullptr, frame->GetModuleList());
    EXPECT_EQ(1, CheckOf(frame, ID_VIEW_MODULE_LIST));
    frame->OnViewModuleList();
    EXPECT_EQ(0, CheckOf(frame, ID_VIEW_MODULE_LIST));
    // Hidden into the auto-hide panel of its side, not closed; shown again, docked again.
    app.PumpUntilIdle();
    EXPECT_TRUE(Pane(ID_PANE_MODULE_LIST)->IsHidden());
    EXPECT_TRUE(IsOpen(ID_PANE_MODULE_LIST));
    frame->OnViewModuleList();
    app.PumpUntilIdle();
    EXPECT_FALSE(Pane(ID_PANE_MODULE_LIST)->IsHidden());
    EXPECT_TRUE(IsOpen(ID_PANE_MODULE_LIST));
    EXPECT_EQ(1, CheckOf(frame, ID_VIEW_MODULE_LIST));
}

TEST_F(MainFramePanes, AnswersOnlyThePaneShowAndCloseNotifications) {
    ASSERT_TRUE(created);
    const LPARAM output = reinterpret_cast<LPARAM>(Pane(ID_VIEW_OUTPUT));
    EXPECT_EQ(1, frame->SendMessage(DockingPaneNotify, DockingPaneNotifyShowWindow, output));
    EXPECT_EQ(0, frame->SendMessage(DockingPaneNotify, DockingPaneNotifyRightClick, output));
    EXPECT_TRUE(frame->m_bOutputPaneShown);
    EXPECT_EQ(1, frame->SendMessage(DockingPaneNotify, DockingPaneNotifyClosePane, output));
    EXPECT_FALSE(frame->m_bOutputPaneShown);
}

TEST_F(MainFramePanes, MinimisingAMaximisedFrameKeepsTheFocusForItsReturn) {
    ASSERT_TRUE(created);
    ASSERT_TRUE(frame->IsZoomed());
    CWnd* tree = frame->GetProjectTree();
    tree->SetFocus();
    frame->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    ::SetFocus(frame->GetSafeHwnd());
    frame->SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE);
    EXPECT_EQ(tree->GetSafeHwnd(), ::GetFocus());
}

TEST_F(MainFramePanes, TabIsSwallowedAndCtrlTabGoesToTheNextDocumentWindow) {
    ASSERT_TRUE(created);
    MSG msg = {};
    msg.hwnd = frame->GetSafeHwnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_TAB;
    EXPECT_TRUE(frame->PreTranslateMessage(&msg));
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(frame->PreTranslateMessage(&msg));
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    msg.wParam = 'A';
    EXPECT_FALSE(frame->PreTranslateMessage(&msg));
}

TEST_F(MainFramePanes, PreviewWithOnlyTheOutputPaneBringsBackOnlyThatPane) {
    ASSERT_TRUE(created);
    Command(ID_VIEW_PROJECT_MANAGER);
    Command(ID_VIEW_INSTRUCTIONS);
    ASSERT_TRUE(IsOpen(ID_VIEW_OUTPUT));
    CPrintPreviewState state;
    frame->OnSetPreviewMode(TRUE, &state);
    EXPECT_EQ(CMainFrame::PreviewOutputPane, frame->m_previewPanes);
    EXPECT_FALSE(IsOpen(ID_VIEW_OUTPUT));
    frame->OnSetPreviewMode(FALSE, &state);
    EXPECT_TRUE(IsOpen(ID_VIEW_OUTPUT));
    EXPECT_FALSE(IsOpen(ID_VIEW_PROJECT_MANAGER));
    EXPECT_FALSE(IsOpen(ID_PANE_LD_INSTRUCTIONS));
    EXPECT_FALSE(IsOpen(ID_PANE_IL_INSTRUCTIONS));
}

TEST_F(MainFramePanes, ClosingWritesLayoutPlacementTabPositionAndBarState) {
    ASSERT_TRUE(created);
    frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(window));
    BYTE* placement = nullptr;
    UINT bytes = 0;
    ASSERT_TRUE(app.GetProfileBinary("Settings", "Window Position", &placement, &bytes));
    EXPECT_EQ(48u, bytes);
    delete[] placement;
    EXPECT_EQ(0, static_cast<int>(app.GetProfileInt("TabDocking", "Position", -1)));
    EXPECT_LT(0, static_cast<int>(app.GetProfileInt("QLXCommandBars-DockBar0", "Bars", 0)));
    HKEY layouts = app.GetSectionKey("DockingPaneLayouts");
    ASSERT_NE(nullptr, layouts);
    HKEY summary = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(layouts, "QLXNormalLayout\\Summary", 0, KEY_READ, &summary));
    DWORD panes = 0;
    DWORD size = sizeof(panes);
    EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(summary, "Panes", nullptr, nullptr, reinterpret_cast<BYTE*>(&panes), &size));
    EXPECT_LE(5u, panes);  // the panes and their containers
    ::RegCloseKey(summary);
    ::RegCloseKey(layouts);
}

TEST_F(MainFramePanes, CancelledSaveQuestionKeepsTheFrameAndTheProject) {
    ASSERT_TRUE(created);
    workspace.projectOpen = 1;
    frame->GetProjectDocument()->SetModifiedFlag(TRUE);
    boxes.QueueAnswer(IDCANCEL);
    frame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(window));
    EXPECT_EQ(1, workspace.projectOpen);
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("是否保存对当前工程的修改？", boxes.Calls()[0].text);
    // Nothing of the layout was written.
    EXPECT_EQ(-1, static_cast<int>(app.GetProfileInt("TabDocking", "Position", -1)));
    workspace.projectOpen = 0;
}

}  // namespace
