#include <gtest/gtest.h>

#include "tests/ui/docking/DockingTestFrame.h"
#include "ui/docking/UIDockingFrames.h"
#include "ui/docking/UIDockingPaneMiniWnd.h"
#include "ui/docking/UIDockingPaneSplitContainer.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"

namespace {

class DockingFloatingTest : public DockingFrameTest {
protected:
    CUIDockingPaneMiniWnd* FloatingFrameOf(CUIDockingPaneItem* pane) {
        CUIDockingPaneBase* split = pane->GetHolder()->GetHolder();
        if (!split || !split->GetHolder() || split->GetHolder()->GetKind() != DockingPaneKindFloating)
            return nullptr;
        return static_cast<CUIDockingPaneMiniWnd*>(split->GetHolder());
    }
    CString Title(CWnd* wnd) {
        CString text;
        wnd->GetWindowText(text);
        return text;
    }
    UINT CloseItemState(CWnd* wnd) {
        return ::GetMenuState(::GetSystemMenu(wnd->m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND);
    }
};

TEST_F(DockingFloatingTest, ASinglePaneTitlesTheFrameASplitShowsBothCaptions) {
    CUIDockingPaneItem* output = frame->Pane(OutputPane);
    frame->manager.FloatPane(output, CRect(300, 200, 700, 400));
    app.PumpUntilIdle();
    CUIDockingPaneMiniWnd* floating = FloatingFrameOf(output);
    ASSERT_NE(nullptr, floating);
    EXPECT_STREQ(output->GetCaptionTitle(), Title(floating));
    EXPECT_FALSE(HolderOf(output)->IsShowCaption());
    EXPECT_EQ(0, HolderOf(output)->GetPlacement());
    EXPECT_EQ(DockingFrameFloating, DockingFrameKindOf(output->GetParentFrame()));
    EXPECT_EQ(HolderOf(output), frame->manager.GetLayoutState()->FindPaneInfo(output)->floatingHolder);

    frame->manager.DockPane(frame->Pane(ProjectPane), DockRight, HolderOf(output));
    app.PumpUntilIdle();
    EXPECT_EQ(floating, FloatingFrameOf(frame->Pane(ProjectPane)));
    EXPECT_TRUE(HolderOf(output)->IsShowCaption());
    EXPECT_TRUE(HolderOf(frame->Pane(ProjectPane))->IsShowCaption());
    EXPECT_STREQ("", Title(floating));
}

TEST_F(DockingFloatingTest, ClosingAsksEachPaneAndTheNoCloseFrameOffersNoClose) {
    CUIDockingPaneItem* output = frame->Pane(OutputPane);
    CUIDockingPaneItem* project = frame->Pane(ProjectPane);
    frame->manager.FloatPane(output, CRect(300, 200, 700, 400));
    frame->manager.AttachPane(project, output);
    CUIDockingPaneMiniWnd* floating = FloatingFrameOf(output);
    ASSERT_EQ(floating, FloatingFrameOf(project));

    frame->refused = {ActionClosing};
    frame->refusedPane = ProjectPane;
    frame->notes.clear();
    floating->SendMessage(WM_CLOSE);
    EXPECT_TRUE(output->IsClosed());
    EXPECT_EQ(floating, FloatingFrameOf(project));
    EXPECT_EQ(std::vector<int>({ActionClosing, ActionClosed, ActionClosing}), frame->Actions());
    EXPECT_TRUE(::IsWindow(floating->m_hWnd));

    project->SetOptions(PaneOptionNoClose);
    floating->UpdateCaption();
    EXPECT_TRUE(CloseItemState(floating) & MF_GRAYED);
    EXPECT_FALSE(floating->IsCloseEnabled());
    frame->refused.clear();
    frame->notes.clear();
    floating->SendMessage(WM_CLOSE);
    EXPECT_FALSE(project->IsClosed());
    EXPECT_TRUE(frame->Actions().empty());

    project->SetOptions(0);
    floating->UpdateCaption();
    EXPECT_FALSE(CloseItemState(floating) & MF_GRAYED);
}

TEST_F(DockingFloatingTest, AnEmptiedFrameHidesAndANewFloatMakesANewFrame) {
    CUIDockingPaneItem* output = frame->Pane(OutputPane);
    frame->manager.FloatPane(output, CRect(300, 200, 700, 400));
    app.PumpUntilIdle();
    CUIDockingPaneMiniWnd* first = FloatingFrameOf(output);
    frame->manager.ToggleDocking(output);
    app.PumpUntilIdle();
    EXPECT_EQ(DockingFrameMain, DockingFrameKindOf(output->GetParentFrame()));
    EXPECT_TRUE(::IsWindow(first->m_hWnd));
    EXPECT_FALSE(first->IsWindowVisible());

    frame->manager.ToggleDocking(output);  // back to where it last floated
    app.PumpUntilIdle();
    EXPECT_EQ(first, FloatingFrameOf(output));
    EXPECT_TRUE(first->IsWindowVisible());

    frame->manager.FloatPane(frame->Pane(ProjectPane), CRect(100, 100, 300, 300));
    EXPECT_NE(first, FloatingFrameOf(frame->Pane(ProjectPane)));
}

TEST_F(DockingFloatingTest, TogglingATitleSendsEachPaneBackToItsOwnContainer) {
    CUIDockingPaneItem* output = frame->Pane(OutputPane);
    CUIDockingPaneItem* project = frame->Pane(ProjectPane);
    CUIDockingPaneTabbedContainer* outputHome = HolderOf(output);
    CUIDockingPaneTabbedContainer* projectHome = HolderOf(project);
    frame->manager.FloatPane(output, CRect(300, 200, 700, 400));
    frame->manager.AttachPane(project, output);
    app.PumpUntilIdle();
    CUIDockingPaneMiniWnd* floating = FloatingFrameOf(output);

    frame->notes.clear();
    floating->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_EQ(outputHome, HolderOf(output));
    EXPECT_EQ(projectHome, HolderOf(project));
    EXPECT_EQ(std::vector<int>({ActionDocking, ActionDocked, ActionDocking, ActionDocked}), frame->Actions());

    // A refusal keeps that pane floating; NoFloat keeps a docked pane where it is.
    frame->manager.ToggleDocking(HolderOf(output));
    frame->refused = {ActionFloating};
    frame->manager.ToggleDocking(project);
    EXPECT_EQ(projectHome, HolderOf(project));
    frame->refused.clear();
    project->SetOptions(PaneOptionNoFloat);
    frame->notes.clear();
    frame->manager.ToggleDocking(project);
    EXPECT_EQ(projectHome, HolderOf(project));
    EXPECT_TRUE(frame->Actions().empty());
}

}  // namespace
