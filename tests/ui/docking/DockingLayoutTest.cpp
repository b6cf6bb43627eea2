#include <gtest/gtest.h>

#include "tests/ui/docking/DockingTestFrame.h"
#include "ui/docking/UIDockingPaneLayoutState.h"
#include "ui/docking/UIDockingPaneSplitContainer.h"
#include "ui/docking/UIDockingPaneSplitterWnd.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"

namespace {

class DockingLayoutTest : public DockingFrameTest {
protected:
    void SetUp() override { MakeFrame(FALSE); }
    CUIDockingPaneSplitContainer* Top() { return frame->manager.GetTopContainer(); }
    // Every splitter window of the tree under a container, in tree order.
    void CollectSplitters(CUIDockingPaneBase* element, std::vector<CRect>& rects) {
        if (element->GetKind() != DockingPaneKindSplit)
            return;
        auto* split = static_cast<CUIDockingPaneSplitContainer*>(element);
        for (int i = 0; i < split->GetSplitterCount(); ++i)
            rects.push_back(RectInParent(split->GetSplitter(i)->m_hWnd));
        for (CUIDockingPaneBase* child : split->GetChildren())
            CollectSplitters(child, rects);
    }
};

TEST_F(DockingLayoutTest, StartUpPanesSurroundTheDocumentArea) {
    frame->MakeStartUpPanes();
    frame->RecalcLayout();

    // Project left of the document area, output under both, the instruction panes as
    // two tabs at the right over the full height; the closed module list takes nothing.
    EXPECT_EQ(CRect(0, 0, 205, 576), RectInParent(HolderOf(frame->Pane(ProjectPane))->m_hWnd));
    EXPECT_EQ(CRect(209, 0, 856, 576), frame->manager.GetClientPane()->m_rect);
    EXPECT_EQ(CRect(0, 580, 856, 700), RectInParent(HolderOf(frame->Pane(OutputPane))->m_hWnd));
    CUIDockingPaneTabbedContainer* right = HolderOf(frame->Pane(LdPane));
    EXPECT_EQ(CRect(860, 0, 1000, 700), RectInParent(right->m_hWnd));
    EXPECT_EQ(right, HolderOf(frame->Pane(IlPane)));
    EXPECT_EQ(2, right->GetPaneCount());
    EXPECT_EQ(frame->Pane(IlPane), right->GetSelected());
    EXPECT_TRUE(right->IsShowTabs());
    EXPECT_TRUE(frame->Pane(ModulePane)->IsClosed());

    std::vector<CRect> splitters;
    CollectSplitters(Top(), splitters);
    std::vector<CRect> expected = {CRect(856, 0, 860, 700), CRect(0, 576, 856, 580), CRect(205, 0, 209, 576)};
    EXPECT_EQ(expected, splitters);

    // Top: [vertical [horizontal [project, client], output], instructions, empty, empty].
    ASSERT_EQ(4u, Top()->GetChildren().size());
    EXPECT_TRUE(Top()->IsHorizontal());
    EXPECT_TRUE(Top()->GetChildren()[2]->IsEmpty());
    EXPECT_TRUE(Top()->GetChildren()[3]->IsEmpty());
    DockingPaneInfo* module = frame->manager.GetLayoutState()->FindPaneInfo(frame->Pane(ModulePane));
    EXPECT_EQ(Top()->GetChildren()[3], module->dockingHolder);
    EXPECT_EQ(module->dockingHolder, module->lastHolder);
    EXPECT_EQ(nullptr, module->floatingHolder);
}

TEST_F(DockingLayoutTest, StartUpInAnMdiFrameLeavesTheRestToTheMdiClient) {
    MakeFrame(TRUE, TRUE);
    const int bottom = RectInParent(frame->statusBar.m_hWnd).top;
    ASSERT_LT(bottom, 700);
    EXPECT_EQ(CRect(0, 0, 205, bottom - 124), RectInParent(HolderOf(frame->Pane(ProjectPane))->m_hWnd));
    EXPECT_EQ(CRect(0, bottom - 120, 856, bottom), RectInParent(HolderOf(frame->Pane(OutputPane))->m_hWnd));
    EXPECT_EQ(CRect(860, 0, 1000, bottom), RectInParent(HolderOf(frame->Pane(LdPane))->m_hWnd));
    CRect document(209, 0, 856, bottom - 124);
    EXPECT_EQ(document, frame->manager.GetClientPane()->m_rect);
    EXPECT_EQ(document, RectInParent(frame->m_hWndMDIClient));
    std::vector<CRect> splitters;
    CollectSplitters(Top(), splitters);
    std::vector<CRect> expected = {CRect(856, 0, 860, bottom), CRect(0, bottom - 124, 856, bottom - 120),
                                   CRect(205, 0, 209, bottom - 124)};
    EXPECT_EQ(expected, splitters);
}

TEST_F(DockingLayoutTest, ShownPanesGetTheirViewsInsideTheirContainers) {
    frame->MakeStartUpPanes();
    frame->RecalcLayout();

    std::vector<UINT> shown;
    for (const DockingNote& note : frame->Notes(DockingPaneNotifyShowWindow))
        shown.push_back(note.paneId);
    EXPECT_NE(shown.end(), std::find(shown.begin(), shown.end(), ProjectPane));
    EXPECT_NE(shown.end(), std::find(shown.begin(), shown.end(), IlPane));
    EXPECT_EQ(shown.end(), std::find(shown.begin(), shown.end(), LdPane));  // not the selected tab
    EXPECT_EQ(shown.end(), std::find(shown.begin(), shown.end(), ModulePane));

    CUIDockingPaneItem* project = frame->Pane(ProjectPane);
    ASSERT_TRUE(project->HasWindow());
    CUIDockingPaneTabbedContainer* holder = HolderOf(project);
    EXPECT_EQ(holder->m_hWnd, ::GetParent(project->GetHwnd()));
    EXPECT_EQ(holder->GetPaneArea(), RectInParent(project->GetHwnd()));
    EXPECT_TRUE(::IsWindowVisible(project->GetHwnd()));
}

TEST_F(DockingLayoutTest, DockingBottomBesideAHorizontalTopMakesAVerticalTop) {
    CUIDockingPaneItem* left = frame->manager.CreatePane(ProjectPane, CRect(0, 0, 205, 140), DockLeft);
    CUIDockingPaneSplitContainer* oldTop = Top();
    frame->manager.CreatePane(OutputPane, CRect(0, 0, 80, 120), DockBottom);

    ASSERT_NE(oldTop, Top());
    EXPECT_FALSE(Top()->IsHorizontal());
    ASSERT_EQ(2u, Top()->GetChildren().size());
    EXPECT_EQ(oldTop, Top()->GetChildren()[0]);
    EXPECT_EQ(HolderOf(frame->Pane(OutputPane)), Top()->GetChildren()[1]);
    EXPECT_EQ(Top(), oldTop->GetHolder());

    // Docking above a pane of a horizontal container wraps it in a vertical one in its place.
    frame->manager.CreatePane(LdPane, CRect(0, 0, 140, 100), DockTop, left);
    CUIDockingPaneBase* wrapper = oldTop->GetChildren()[0];
    ASSERT_EQ(DockingPaneKindSplit, wrapper->GetKind());
    auto* split = static_cast<CUIDockingPaneSplitContainer*>(wrapper);
    EXPECT_FALSE(split->IsHorizontal());
    ASSERT_EQ(2u, split->GetChildren().size());
    EXPECT_EQ(HolderOf(frame->Pane(LdPane)), split->GetChildren()[0]);
    EXPECT_EQ(HolderOf(left), split->GetChildren()[1]);
    EXPECT_EQ(DockLeft, frame->manager.GetLayoutState()->GetAutoHideSide(HolderOf(left)));
    EXPECT_EQ(DockBottom, frame->manager.GetLayoutState()->GetAutoHideSide(HolderOf(frame->Pane(OutputPane))));
}

TEST_F(DockingLayoutTest, ClosingAndShowingPanes) {
    frame->MakeStartUpPanes();
    frame->RecalcLayout();
    CUIDockingPaneItem* project = frame->Pane(ProjectPane);
    CUIDockingPaneTabbedContainer* holder = HolderOf(project);

    frame->closeAnswer = -1;
    frame->manager.ClosePane(project);
    EXPECT_EQ(holder, project->GetHolder());

    frame->closeAnswer = 0;
    project->Close();
    EXPECT_TRUE(project->IsClosed());
    EXPECT_FALSE(project->IsHidden());
    EXPECT_EQ(frame->manager.m_hWnd, ::GetParent(project->GetHwnd()));
    EXPECT_FALSE(::IsWindowVisible(project->GetHwnd()));
    EXPECT_TRUE(holder->IsEmpty());
    EXPECT_EQ(nullptr, holder->m_hWnd);
    frame->RecalcLayout();
    EXPECT_EQ(CRect(0, 0, 856, 576), frame->manager.GetClientPane()->m_rect);

    project->Select();
    EXPECT_EQ(holder, project->GetHolder());
    EXPECT_EQ(project, holder->GetSelected());
    ASSERT_NE(nullptr, holder->m_hWnd);
    EXPECT_EQ(holder->m_hWnd, ::GetParent(project->GetHwnd()));

    // The module list never had a window; showing it brings back its empty container.
    frame->manager.ShowPaneById(ModulePane);
    EXPECT_FALSE(frame->Pane(ModulePane)->IsClosed());

    // A pane that never had a holder stays closed.
    CUIDockingPaneLayoutState* layout = frame->manager.GetLayoutState();
    auto* stray = new CUIDockingPaneItem(layout, 4242, "Stray");
    DockingPaneInfo info;
    info.pane = stray;
    layout->m_panes.push_back(info);
    frame->manager.ShowPane(stray);
    EXPECT_TRUE(stray->IsClosed());
}

TEST_F(DockingLayoutTest, ClosingTheSelectedOfThreeSelectsTheLast) {
    frame->MakeStartUpPanes();
    CUIDockingPaneTabbedContainer* right = HolderOf(frame->Pane(LdPane));
    frame->manager.AttachPane(frame->Pane(ProjectPane), frame->Pane(LdPane));
    ASSERT_EQ(3, right->GetPaneCount());
    right->SelectPane(frame->Pane(LdPane), FALSE);
    frame->Pane(LdPane)->Close();
    EXPECT_EQ(frame->Pane(ProjectPane), right->GetSelected());
    EXPECT_EQ(frame->Pane(ProjectPane), right->GetPaneAt(1));
}

TEST_F(DockingLayoutTest, TitlesSplitAtTheFirstNewline) {
    struct Case {
        const char* title;
        const char* caption;
        const char* tab;
    } cases[] = {
        {"Caption\nTab", "Caption", "Tab"},
        {"Both", "Both", "Both"},
        {"A\nB\nC", "A", "B\nC"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        CUIDockingPaneItem pane(frame->manager.GetLayoutState(), 1, c.title);
        pane.InternalAddRef();  // the layout releases it as well
        EXPECT_STREQ(c.caption, pane.GetCaptionTitle()) << c.title;
        EXPECT_STREQ(c.tab, pane.GetTabTitle()) << c.title;
    }
}

TEST_F(DockingLayoutTest, SettingTheCurrentOrAnUnknownThemeKeepsTheTheme) {
    CUIDockingPaneTheme* theme = frame->manager.GetTheme();
    for (int index : {0, 4, 7, -1}) {
        frame->manager.SetTheme(index);
        EXPECT_EQ(theme, frame->manager.GetTheme()) << index;
    }
}

// ---- Split container layout ----------------------------------------------------------

TEST(SplitLayoutTest, ChildrenShareTheRectangleByWeight) {
    struct Case {
        const char* name;
        BOOL horizontal;
        std::vector<int> weights;
        int clientAt;  // index of the document area's placeholder, or -1
        int extent;
        std::vector<std::pair<int, int>> spans;
    } cases[] = {
        {"two weights", TRUE, {100, 50}, -1, 310, {{0, 205}, {209, 310}}},
        {"client and a pane", TRUE, {0, 140}, 0, 1000, {{0, 856}, {860, 1000}}},
        {"stacked", FALSE, {100, 50}, -1, 310, {{0, 205}, {209, 310}}},
        {"client squeezed when crowded", TRUE, {300, 0, 300}, 1, 400, {{0, 196}, {200, 198}, {202, 400}}},
        {"three equal", TRUE, {10, 10, 10}, -1, 38, {{0, 10}, {14, 24}, {28, 38}}},
    };
    for (const Case& c : cases) {
        CUIDockingPaneLayoutState local{nullptr};
        std::vector<CUIDockingPaneBase*> children;
        for (size_t i = 0; i < c.weights.size(); ++i) {
            CUIDockingPaneBase* child = static_cast<int>(i) == c.clientAt ? local.m_client
                                                                           : new CUIDockingPaneBase(DockingPaneKindClient, &local);
            child->m_cx = c.horizontal ? c.weights[i] : 0;
            child->m_cy = c.horizontal ? 0 : c.weights[i];
            children.push_back(child);
        }
        auto* split = new CUIDockingPaneSplitContainer(children[0], c.horizontal, nullptr, &local);
        for (size_t i = 1; i < children.size(); ++i)
            split->AddChild(children[i]);
        CRect rect = c.horizontal ? CRect(0, 0, c.extent, 50) : CRect(0, 0, 50, c.extent);
        AFX_SIZEPARENTPARAMS params = {};  // a query pass: rectangles only
        split->OnSizeParent(nullptr, rect, &params);
        for (size_t i = 0; i < children.size(); ++i) {
            const CRect& got = children[i]->m_rect;
            std::pair<int, int> span = c.horizontal ? std::make_pair(got.left, got.right)
                                                    : std::make_pair(got.top, got.bottom);
            EXPECT_EQ(c.spans[i], span) << c.name << " child " << i;
        }
    }
}

TEST_F(DockingLayoutTest, EmptyChildrenTakeNoSpaceAndHaveNoSplitter) {
    frame->manager.CreatePane(LdPane, CRect(0, 0, 140, 100), DockRight);
    frame->manager.CreatePane(ModulePane, CRect(0, 0, 160, 100), DockRight);
    CUIDockingPaneSplitContainer* top = frame->manager.GetTopContainer();
    EXPECT_EQ(2, top->GetSplitterCount());
    frame->Pane(ModulePane)->Close();
    EXPECT_EQ(1, top->GetSplitterCount());
    frame->RecalcLayout();
    EXPECT_EQ(CRect(0, 0, 856, 700), frame->manager.GetClientPane()->m_rect);
    EXPECT_EQ(CRect(856, 0, 860, 700), RectInParent(top->GetSplitter(0)->m_hWnd));
}

// The bars between neighbours stay the same windows while panes come and go beside
// them: only a bar no longer needed is destroyed, only a missing one is made.
TEST_F(DockingLayoutTest, SplittersOutliveChangesOfTheirNeighbours) {
    frame->manager.CreatePane(LdPane, CRect(0, 0, 140, 100), DockRight);
    frame->manager.CreatePane(ModulePane, CRect(0, 0, 160, 100), DockRight);
    CUIDockingPaneSplitContainer* top = frame->manager.GetTopContainer();
    ASSERT_EQ(2, top->GetSplitterCount());
    const HWND first = top->GetSplitter(0)->m_hWnd;
    const HWND second = top->GetSplitter(1)->m_hWnd;
    auto expectBarsBetweenVisibleNeighbours = [&] {
        std::vector<CUIDockingPaneBase*> visible;
        for (CUIDockingPaneBase* child : top->GetChildren())
            if (!child->IsEmpty())
                visible.push_back(child);
        ASSERT_EQ(static_cast<int>(visible.size()) - 1, top->GetSplitterCount());
        for (int i = 0; i < top->GetSplitterCount(); ++i) {
            EXPECT_EQ(visible[i], top->GetSplitter(i)->GetBefore()) << i;
            EXPECT_EQ(visible[i + 1], top->GetSplitter(i)->GetAfter()) << i;
        }
    };

    frame->Pane(ModulePane)->Close();
    expectBarsBetweenVisibleNeighbours();
    EXPECT_EQ(first, top->GetSplitter(0)->m_hWnd);
    EXPECT_FALSE(::IsWindow(second));

    frame->manager.ShowPane(frame->Pane(ModulePane));
    expectBarsBetweenVisibleNeighbours();
    EXPECT_EQ(first, top->GetSplitter(0)->m_hWnd);
    const HWND remade = top->GetSplitter(1)->m_hWnd;
    EXPECT_TRUE(::IsWindow(remade));

    frame->manager.CreatePane(OutputPane, CRect(0, 0, 80, 120), DockBottom);
    frame->RecalcLayout();
    expectBarsBetweenVisibleNeighbours();
    std::vector<CRect> splitters;
    CollectSplitters(Top(), splitters);
    for (const CRect& bar : splitters)
        EXPECT_FALSE(bar.IsRectEmpty());
}

// ---- Splitter weights ------------------------------------------------------------------

TEST(SplitWeightTest, TheBarsCentreDividesTheTotal) {
    struct Case {
        int splitter, start, end, total, weight;
    } cases[] = {
        {203, 0, 310, 150, 99},    // back where the layout put it: 205 / 310 of 150
        {153, 0, 310, 150, 75},    // the centre of the union: equal halves
        {-50, 0, 310, 150, 0},     // never below 0
        {400, 0, 310, 150, 150},   // never above the total
        {10, 100, 100, 150, -1},   // no width to share: no update
        {10, 100, 90, 150, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.weight, SplitWeightBefore(c.splitter, c.start, c.end, c.total)) << c.splitter << " " << c.end;
}

}  // namespace
