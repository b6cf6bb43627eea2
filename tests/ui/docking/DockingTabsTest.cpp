#include <gtest/gtest.h>

#include "tests/support/CaptureWatchdog.h"
#include "tests/ui/docking/DockingTestFrame.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"

namespace {

class DockingTabsTest : public DockingFrameTest {
protected:
    CUIDockingPaneTabbedContainer* Right() { return HolderOf(frame->Pane(LdPane)); }
    CPoint TabCentre(int index) { return Right()->GetItem(index)->GetRect().CenterPoint(); }
    static LPARAM At(CPoint point) { return MAKELPARAM(point.x, point.y); }
    // Presses the tab with the moves and the release already posted, then lets the
    // container take what it was sent.
    void DragTab(int index, const std::vector<CPoint>& moves) {
        HWND window = Right()->m_hWnd;
        for (CPoint point : moves)
            ::PostMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, At(point));
        ::PostMessageA(window, WM_LBUTTONUP, 0, At(moves.empty() ? TabCentre(index) : moves.back()));
        CaptureWatchdog watchdog;
        Right()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(TabCentre(index)));
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }
    std::vector<UINT> PaneIds() {
        std::vector<UINT> ids;
        for (CUIDockingPaneItem* pane : Right()->GetPanes())
            ids.push_back(pane->GetId());
        return ids;
    }
};

TEST_F(DockingTabsTest, EachTabCarriesItsPane) {
    CUIDockingPaneTabbedContainer* right = Right();
    ASSERT_EQ(2, right->GetItemCount());
    for (int i = 0; i < 2; ++i) {
        CUITabStripItem* item = right->GetItem(i);
        CUIDockingPaneItem* pane = right->GetPaneAt(i);
        EXPECT_EQ(pane, CUIDockingPaneTabbedContainer::PaneOfItem(item));
        EXPECT_STREQ(pane->GetTabTitle(), item->GetCaption());
        // The colour preset follows the pane id: 32554 % 8 = 2, 32555 % 8 = 3.
        EXPECT_EQ(TabColorPresetFirst + pane->GetId() % 8, item->color);
        EXPECT_EQ(i, right->HitTest(item->GetRect().CenterPoint()));
    }
    EXPECT_EQ(frame->Pane(IlPane), CUIDockingPaneTabbedContainer::PaneOfItem(right->GetSelectedItem()));

    // The tabs lie along the bottom, under the selected pane's window.
    CRect client;
    right->GetClientRect(&client);
    CRect tab = right->GetItem(0)->GetRect();
    EXPECT_GT(tab.top, client.bottom - 30);
    EXPECT_LE(tab.bottom, client.bottom);
    EXPECT_LE(right->GetPaneArea().bottom, tab.top);

    // A single pane shows no strip.
    CUIDockingPaneTabbedContainer* project = HolderOf(frame->Pane(ProjectPane));
    EXPECT_FALSE(project->IsShowTabs());
    EXPECT_EQ(-1, project->HitTest(CPoint(100, 500)));
}

TEST_F(DockingTabsTest, ClickingATabShowsItsPane) {
    DragTab(0, {});
    EXPECT_EQ(frame->Pane(LdPane), Right()->GetSelected());
    EXPECT_TRUE(::IsWindowVisible(frame->Pane(LdPane)->GetHwnd()));
    EXPECT_FALSE(::IsWindowVisible(frame->Pane(IlPane)->GetHwnd()));
    EXPECT_EQ(std::vector<UINT>({LdPane, IlPane}), PaneIds());
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(DockingTabsTest, DraggingATabOverAnotherSwapsThemAndLeavingTheRowDragsThePane) {
    DragTab(0, {TabCentre(1)});
    EXPECT_EQ(std::vector<UINT>({IlPane, LdPane}), PaneIds());
    EXPECT_EQ(frame->Pane(LdPane), Right()->GetSelected());
    EXPECT_EQ(CUIDockingPaneTabbedContainer::PaneOfItem(Right()->GetItem(1)), frame->Pane(LdPane));

    // Away from the row the dragged pane leaves the container (here: floating).
    frame->notes.clear();
    CPoint away(-500, 300);
    DragTab(1, {away, CPoint(-520, 320)});
    EXPECT_NE(Right(), HolderOf(frame->Pane(IlPane)));
    EXPECT_EQ(1, Right()->GetPaneCount());
    EXPECT_FALSE(frame->Actions().empty());
}

}  // namespace
