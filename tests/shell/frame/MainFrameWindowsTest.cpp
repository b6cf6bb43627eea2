#include "tests/shell/frame/MainFrameFixture.h"

#include "editors/InsTreeView.h"
#include "hardware/CHWInfoView.h"
#include "hardware/CHardwareGridView.h"
#include "editors/POUEditorDoc.h"
#include "editors/POUEditorView.h"
#include "platform/CDocTemplate.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXFunc.h"
#include "res/resource.h"
#include "shell/frame/MainFrameShells.h"
#include "shell/frames/CChildFrmEditor.h"
#include "shell/project/CProjTreeView.h"
#include "shell/frames/CChildFrameHW.h"
#include "tests/support/ScriptedShellOpen.h"
#include "tests/support/TempFolder.h"
#include "ui/commandbars/UIMouseTrackHook.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class MainFrameWindows : public MainFrameFixture {
protected:
    MainFrameWindows() {
        // Both instruction sets show their trees.
        frame->GetPaneManager().ShowPane(Pane(ID_PANE_LD_INSTRUCTIONS));
        frame->GetPaneManager().ShowPane(Pane(ID_PANE_IL_INSTRUCTIONS));
        app.PumpUntilIdle();
    }
    ~MainFrameWindows() override {
        ScriptedMessageBoxes noSave{IDNO, IDNO, IDNO};
        app.CloseAllDocuments(FALSE);
        workspace.project.sbrFuncByName.RemoveAll();
    }

    // The subroutine group of a tree as "a,b,c".
    std::string Subroutines(BOOL ladder) {
        CInsTreeView* tree = frame->GetInstructionTree(ladder);
        std::string text;
        if (tree == nullptr)
            return "no tree";
        CTreeCtrl& items = tree->GetTreeCtrl();
        for (HTREEITEM item = items.GetChildItem(tree->SubroutineGroup()); item; item = items.GetNextSiblingItem(item))
            text += (text.empty() ? "" : ",") + std::string(items.GetItemText(item));
        return text;
    }
    void ExpectBoth(const std::string& expected) {
        EXPECT_EQ(expected, Subroutines(TRUE));
        EXPECT_EQ(expected, Subroutines(FALSE));
    }

    CQLXFunc fill, count, blink;
};

TEST_F(MainFrameWindows, SubroutineItemsFollowTheProjectInBothTrees) {
    ASSERT_TRUE(created);
    fill.name = "Fill";
    count.name = "Count";
    frame->AddSubroutineToInsTrees(&fill);
    frame->AddSubroutineToInsTrees(&count);
    frame->AddSubroutineToInsTrees(nullptr);
    ExpectBoth("Fill,Count");
    CInsTreeView* ld = frame->GetInstructionTree(TRUE);
    HTREEITEM first = ld->GetTreeCtrl().GetChildItem(ld->SubroutineGroup());
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(&fill), ld->GetTreeCtrl().GetItemData(first));

    // A renamed item missing in one tree changes only the other.
    ld->GetTreeCtrl().DeleteItem(first);
    fill.name = "Refill";
    frame->RenameSubroutineInInsTrees("Fill");
    EXPECT_EQ("Count", Subroutines(TRUE));
    EXPECT_EQ("Refill,Count", Subroutines(FALSE));

    frame->RemoveSubroutineFromInsTrees("Count");
    EXPECT_EQ("", Subroutines(TRUE));
    EXPECT_EQ("Refill", Subroutines(FALSE));

    frame->ClearSubroutinesInInsTrees();
    ExpectBoth("");

    blink.name = "Blink";
    workspace.project.sbrFuncByName.SetAt("Fill", &fill);
    workspace.project.sbrFuncByName.SetAt("Count", &count);
    workspace.project.sbrFuncByName.SetAt("Blink", &blink);
    frame->FillSubroutinesInInsTrees();
    ExpectBoth("Blink,Count,Fill");
}

// After an upload the project tree shows the uploaded programs, MAIN first.
TEST_F(MainFrameWindows, TheTreesRebuiltAfterAnUploadHoldTheUploadedPrograms) {
    ASSERT_TRUE(created);
    CQLXProject& project = workspace.project;
    project.name = "up";
    project.hasMain = 1;
    project.mainPou.kind = PouMain;
    project.mainPou.label = "(MAIN)  MAIN";
    CMainFrameShells(*frame).RebuildProjectTrees();
    CTreeCtrl& tree = frame->GetProjectTree()->GetTreeCtrl();
    HTREEITEM programs = tree.GetChildItem(tree.GetRootItem());
    std::string items;
    for (HTREEITEM item = tree.GetChildItem(programs); item; item = tree.GetNextSiblingItem(item))
        items += std::string(tree.GetItemText(item)) + ";";
    EXPECT_EQ("初始化数据表;(MAIN)  MAIN;", items);
    frame->GetProjectTree()->ClearProjectTree();
    project.hasMain = 0;
}

TEST_F(MainFrameWindows, OpenersActivateAnOpenWindowAndMakeANewOneAfterItClosed) {
    ASSERT_TRUE(created);
    workspace.projectOpen = 1;
    frame->OpenGlobalVarWindow();
    CMDIChildWnd* first = frame->ChildWindows().GetFrame(ChildWindow::GlobalVariables);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, frame->MDIGetActive());
    frame->OpenCrossRefWindow();
    EXPECT_NE(first, frame->MDIGetActive());
    frame->OpenGlobalVarWindow();
    EXPECT_EQ(first, frame->MDIGetActive());
    EXPECT_EQ(first, frame->ChildWindows().GetFrame(ChildWindow::GlobalVariables));

    first->SendMessage(WM_CLOSE);
    app.PumpUntilIdle();
    EXPECT_FALSE(frame->ChildWindows().IsOpen(ChildWindow::GlobalVariables));
    frame->OpenGlobalVarWindow();
    EXPECT_TRUE(frame->ChildWindows().IsOpen(ChildWindow::GlobalVariables));
    EXPECT_NE(nullptr, frame->ChildWindows().GetFrame(ChildWindow::GlobalVariables));

    frame->OpenInitDataWindow();
    Command(ID_STATUS_TABLE);
    EXPECT_TRUE(frame->ChildWindows().IsOpen(ChildWindow::InitData));
    EXPECT_TRUE(frame->ChildWindows().IsOpen(ChildWindow::StatusTable));
    frame->OnCloseAllWindows();
    app.PumpUntilIdle();
    for (ChildWindow window : {ChildWindow::InitData, ChildWindow::StatusTable, ChildWindow::GlobalVariables,
                               ChildWindow::CrossReference})
        EXPECT_FALSE(frame->ChildWindows().IsOpen(window)) << static_cast<int>(window);
    workspace.projectOpen = 0;
}

TEST_F(MainFrameWindows, CloseAllWithACancelledSaveQuestionLeavesEveryWindowOpen) {
    ASSERT_TRUE(created);
    TempFolder folder;
    auto* pouTemplate = new CMultiDocTemplate(IDR_POU_TYPE, RUNTIME_CLASS(CPOUEditorDoc),
                                              RUNTIME_CLASS(CChildFrmEditor), RUNTIME_CLASS(CPOUEditorView));
    app.AddDocTemplate(pouTemplate);
    folder.WriteFile("MAIN_MAIN.ilp", "(*1*)\r\n(* Network 0 *)\r\nLD      %I0.0\r\n");
    workspace.projectOpen = 1;
    CDocument* pou = app.OpenDocumentFile((folder / "MAIN_MAIN.ilp").c_str());
    ASSERT_NE(nullptr, pou);
    pou->SetModifiedFlag(TRUE);
    frame->OpenGlobalVarWindow();
    boxes.QueueAnswer(IDCANCEL);
    frame->OnCloseAllWindows();
    app.PumpUntilIdle();
    EXPECT_EQ(1u, boxes.Calls().size());
    EXPECT_TRUE(frame->ChildWindows().IsOpen(ChildWindow::GlobalVariables));
    EXPECT_NE(nullptr, pouTemplate->GetFirstDocPosition());
    pou->SetModifiedFlag(FALSE);
    workspace.projectOpen = 0;
}

// The network and line panes belong to the active document window: a window that writes
// none (the cross reference) shows them empty, the POU editor writes them again when it
// is active again, and once the project's windows are gone they are empty.
TEST_F(MainFrameWindows, TheCaretPanesFollowTheActiveWindowAndEmptyWhenNoneIsLeft) {
    ASSERT_TRUE(created);
    TempFolder folder;
    app.AddDocTemplate(new CMultiDocTemplate(IDR_POU_TYPE, RUNTIME_CLASS(CPOUEditorDoc), RUNTIME_CLASS(CChildFrmEditor),
                                             RUNTIME_CLASS(CPOUEditorView)));
    folder.WriteFile("MAIN_MAIN.ilp", "(*1*)\r\n(* Network 0 *)\r\nLD      %I0.0\r\n");
    workspace.projectOpen = 1;
    auto panes = [&] {
        app.PumpUntilIdle();
        CUIFrameStatusBar& bar = frame->GetStatusBar();
        return std::string(bar.GetPaneText(1)) + "|" + std::string(bar.GetPaneText(2));
    };
    CDocument* pou = app.OpenDocumentFile((folder / "MAIN_MAIN.ilp").c_str());
    ASSERT_NE(nullptr, pou);
    CMDIChildWnd* editor = frame->MDIGetActive();
    EXPECT_EQ("  Network 0|  第 2 行, 第 1 列", panes());
    frame->OpenCrossRefWindow();
    EXPECT_EQ("|", panes());
    frame->MDIActivate(editor);
    EXPECT_EQ("  Network 0|  第 2 行, 第 1 列", panes());
    frame->OnCloseAllWindows();
    EXPECT_EQ("|", panes());
    workspace.projectOpen = 0;
}

// Alt+R and Alt+T are shortcuts and menu mnemonics (工程(&R), 工具(&T)) at once: the
// shortcut wins, wherever the focus is, and releasing Alt after it leaves the menus alone.
TEST_F(MainFrameWindows, AltShortcutsWinOverTheMenuMnemonicsOfTheirLetter) {
    ASSERT_TRUE(created);
    workspace.projectOpen = 1;
    frame->OpenGlobalVarWindow();
    app.PumpUntilIdle();
    // One key message as the message loop handles it, Alt held.
    auto key = [&](UINT message, WPARAM vk) {
        MSG msg = {};
        msg.hwnd = ::GetFocus() ? ::GetFocus() : frame->GetSafeHwnd();
        msg.message = message;
        msg.wParam = vk;
        msg.lParam = 0x20000001 | (message == WM_SYSKEYUP ? 0xC0000000 : 0);
        if (!frame->PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        app.PumpUntilIdle();
    };
    auto altShortcut = [&](char letter) {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_MENU] = 0x80;
        ::SetKeyboardState(keys);
        key(WM_SYSKEYDOWN, VK_MENU);
        key(WM_SYSKEYDOWN, static_cast<WPARAM>(letter));
        key(WM_SYSKEYUP, static_cast<WPARAM>(letter));
        keys[VK_MENU] = 0;
        ::SetKeyboardState(keys);
        key(WM_SYSKEYUP, VK_MENU);
    };
    altShortcut('R');
    EXPECT_TRUE(frame->ChildWindows().IsOpen(ChildWindow::CrossReference));
    EXPECT_FALSE(CUIMouseTrackHook::Get().IsTracking()) << "no menu opened or entered";
    const int position = frame->GetTabPosition();
    altShortcut('T');
    EXPECT_NE(position, frame->GetTabPosition());
    EXPECT_FALSE(CUIMouseTrackHook::Get().IsTracking());
    frame->OnCloseAllWindows();
    workspace.projectOpen = 0;
}

TEST_F(MainFrameWindows, HomepageOpensTheWebSiteInANormalWindow) {
    ASSERT_TRUE(created);
    ScriptedShellOpen shell;
    Command(ID_HOMEPAGE);
    ASSERT_EQ(1u, shell.Calls().size());
    EXPECT_EQ(CMainFrame::kHomepage, shell.Calls()[0].target);
    EXPECT_EQ(SW_SHOWNORMAL, shell.Calls()[0].showCommand);
    EXPECT_EQ(frame->GetSafeHwnd(), shell.Calls()[0].owner);
}

TEST_F(MainFrameWindows, ShowGlobalNamesSwitchesTheFlag) {
    ASSERT_TRUE(created);
    EXPECT_EQ(1, workspace.showGlobalNames);
    frame->OnShowGlobalNames();
    EXPECT_EQ(0, workspace.showGlobalNames);
    frame->OnShowGlobalNames();
    EXPECT_EQ(1, workspace.showGlobalNames);
}

}  // namespace

namespace {

TEST_F(MainFrameWindows, HardwareWindowHoldsTheSlotGridAndSwapsTheInstructionSetsForTheModuleList) {
    ASSERT_TRUE(created);
    workspace.projectOpen = 1;
    frame->OpenHardwareWindow();
    app.PumpUntilIdle();
    auto* hardware = dynamic_cast<CChildFrameHW*>(frame->ChildWindows().GetFrame(ChildWindow::Hardware));
    ASSERT_NE(nullptr, hardware);
    EXPECT_NE(nullptr, dynamic_cast<CHardwareGridView*>(hardware->GetSplitter().GetPane(0, 0)));
    EXPECT_NE(nullptr, dynamic_cast<CHWInfoView*>(hardware->GetSplitter().GetPane(1, 0)));
    EXPECT_EQ(ActiveWindowKind::Hardware, frame->ActiveKind());
    EXPECT_TRUE(IsOpen(ID_PANE_MODULE_LIST));
    EXPECT_FALSE(IsOpen(ID_PANE_LD_INSTRUCTIONS));
    EXPECT_FALSE(IsOpen(ID_PANE_IL_INSTRUCTIONS));
    EXPECT_NE(nullptr, frame->GetModuleList());

    hardware->SendMessage(WM_CLOSE);
    app.PumpUntilIdle();
    EXPECT_FALSE(frame->ChildWindows().IsOpen(ChildWindow::Hardware));
    EXPECT_FALSE(IsOpen(ID_PANE_MODULE_LIST));
    EXPECT_TRUE(IsOpen(ID_PANE_LD_INSTRUCTIONS));
    EXPECT_TRUE(IsOpen(ID_PANE_IL_INSTRUCTIONS));
    workspace.projectOpen = 0;
}

}  // namespace
