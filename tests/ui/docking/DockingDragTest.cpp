#include <gtest/gtest.h>

#include "tests/support/CaptureWatchdog.h"
#include "tests/ui/docking/DockingTestFrame.h"
#include "ui/docking/UIDockTargets.h"
#include "ui/docking/UIDockingDragContext.h"
#include "ui/docking/UIDockingFrames.h"
#include "ui/docking/UIDockingPaneMiniWnd.h"
#include "ui/docking/UIDockingPaneSplitContainer.h"
#include "ui/docking/UIDockingPaneSplitterWnd.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"

namespace {

BOOL ctrlHeld = FALSE;
SHORT WINAPI TestKeyState(int key) { return key == VK_CONTROL && ctrlHeld ? static_cast<SHORT>(0x8000) : 0; }

class DockingDragTest : public DockingFrameTest {
protected:
    void SetUp() override {
        ctrlHeld = FALSE;
        CUIDockingDragContext::SetKeyStateQuery(TestKeyState);
        DockingFrameTest::SetUp();
        frame->notes.clear();
    }
    void TearDown() override {
        CUIDockingDragContext::SetKeyStateQuery(nullptr);
        DockingFrameTest::TearDown();
    }
    CUIDockingPaneTabbedContainer* Output() { return HolderOf(frame->Pane(OutputPane)); }
    void PostMove(HWND capture, CPoint screen) {
        ::ScreenToClient(capture, &screen);
        ::PostMessageA(capture, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(screen.x, screen.y));
    }
    void PostKey(HWND capture, UINT message, WPARAM key) { ::PostMessageA(capture, message, key, 0); }
    void PostRelease(HWND capture) { ::PostMessageA(capture, WM_LBUTTONUP, 0, 0); }
    // Presses the output pane's caption at (100, 5) of its container (screen (100, 585))
    // with the moves and the release already posted.
    void DragOutputCaption(const std::vector<CPoint>& moves, BOOL release = TRUE) {
        for (CPoint point : moves)
            PostMove(frame->m_hWnd, point);
        if (release)
            PostRelease(frame->m_hWnd);
        CaptureWatchdog watchdog;
        Output()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 5));
    }
    std::vector<int> ActionsOf(UINT paneId) {
        std::vector<int> actions;
        for (const DockingNote& note : frame->Notes(DockingPaneNotifyAction))
            if (note.paneId == paneId)
                actions.push_back(note.action);
        return actions;
    }
    int Count(int action) {
        std::vector<int> all = frame->Actions();
        return static_cast<int>(std::count(all.begin(), all.end(), action));
    }
};

TEST_F(DockingDragTest, CaptionDraggedToTheDocumentAreasLeftEdgeDocksThere) {
    CUIDockingPaneTabbedContainer* old = Output();
    DragOutputCaption({CPoint(150, 400), CPoint(219, 300)});

    CUIDockingPaneTabbedContainer* moved = Output();
    ASSERT_NE(old, moved);
    EXPECT_TRUE(old->IsEmpty());
    auto* row = static_cast<CUIDockingPaneSplitContainer*>(frame->manager.GetClientPane()->GetHolder());
    ASSERT_EQ(3u, row->GetChildren().size());
    EXPECT_EQ(moved, row->GetChildren()[1]);
    EXPECT_EQ(frame->manager.GetClientPane(), row->GetChildren()[2]);
    EXPECT_EQ(ActionFloating, ActionsOf(OutputPane).front());
    EXPECT_EQ(ActionDocked, ActionsOf(OutputPane).back());
    EXPECT_EQ(1, Count(ActionDocked));
    for (const DockingNote& note : frame->Notes(DockingPaneNotifyAction)) {
        if (note.action == ActionDocking && note.target == frame->manager.GetClientPane()) {
            EXPECT_EQ(DockLeft, note.direction);
        }
    }
}

TEST_F(DockingDragTest, CaptionDroppedOnAnotherCaptionBecomesATab) {
    DragOutputCaption({CPoint(100, 400), CPoint(100, 8)});
    CUIDockingPaneTabbedContainer* project = HolderOf(frame->Pane(ProjectPane));
    EXPECT_EQ(project, Output());
    EXPECT_EQ(2, project->GetPaneCount());
    EXPECT_EQ(frame->Pane(OutputPane), project->GetSelected());
    EXPECT_EQ(1, Count(ActionAttaching));
    EXPECT_EQ(std::vector<int>({ActionFloating, ActionAttaching, ActionAttached}), ActionsOf(OutputPane));
}

TEST_F(DockingDragTest, CaptionDroppedInEmptySpaceFloatsAndComesBackByTheTitle) {
    CUIDockingPaneTabbedContainer* original = Output();
    DragOutputCaption({CPoint(150, 560), CPoint(500, 300)});
    CUIDockingPaneItem* output = frame->Pane(OutputPane);
    ASSERT_EQ(DockingPaneKindFloating, Output()->GetHolder()->GetHolder()->GetKind());
    auto* floating = static_cast<CUIDockingPaneMiniWnd*>(Output()->GetHolder()->GetHolder());
    CString title;
    floating->GetWindowText(title);
    EXPECT_STREQ(output->GetCaptionTitle(), title);
    EXPECT_FALSE(Output()->IsShowCaption());
    EXPECT_TRUE(floating->IsWindowVisible());
    EXPECT_EQ(1, Count(ActionFloated));
    // The ghost moved with the mouse: the container's rectangle shifted by the move.
    CRect window;
    floating->GetWindowRect(&window);
    EXPECT_EQ(CRect(400, 295, 1256, 415), window);

    app.PumpUntilIdle();
    DockingPaneInfo* info = frame->manager.GetLayoutState()->FindPaneInfo(output);
    EXPECT_EQ(original, info->dockingHolder);
    EXPECT_EQ(Output(), info->floatingHolder);
    frame->notes.clear();
    floating->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(410, 300));
    EXPECT_EQ(DockingFrameKindOf(Output()->GetFrame()), DockingFrameMain);
    EXPECT_EQ(std::vector<int>({ActionDocking, ActionDocked}), ActionsOf(OutputPane));
    EXPECT_EQ(original, Output());
    app.PumpUntilIdle();
    EXPECT_FALSE(floating->IsWindowVisible());
    EXPECT_EQ(CRect(0, 580, 856, 700), RectInParent(Output()->m_hWnd));
}

TEST_F(DockingDragTest, SmallMovesEscapeAndLostCaptureChangeNothing) {
    struct Case {
        const char* name;
        std::vector<CPoint> moves;
        UINT key;
        BOOL release;
    } cases[] = {
        {"within the threshold", {CPoint(104, 581), CPoint(96, 589)}, 0, TRUE},
        {"escape", {CPoint(219, 300)}, VK_ESCAPE, FALSE},
        {"capture lost", {CPoint(219, 300)}, 0, FALSE},
    };
    for (const Case& c : cases) {
        frame->notes.clear();
        CUIDockingPaneTabbedContainer* before = Output();
        for (CPoint point : c.moves)
            PostMove(frame->m_hWnd, point);
        if (c.key)
            PostKey(frame->m_hWnd, WM_KEYDOWN, c.key);
        if (c.release)
            PostRelease(frame->m_hWnd);
        {
            CaptureWatchdog watchdog;
            before->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 5));
        }
        EXPECT_EQ(before, Output()) << c.name;
        std::vector<int> actions = frame->Actions();
        EXPECT_EQ(ActionFloating, actions.front()) << c.name;
        for (int action : actions) {
            EXPECT_EQ(0, action % 2) << c.name << ": only queries, nothing done";
        }
        EXPECT_EQ(nullptr, ::GetCapture()) << c.name;
    }
}

TEST_F(DockingDragTest, CtrlForcesFloatingAndCountsAsMovement) {
    ctrlHeld = TRUE;
    DragOutputCaption({CPoint(219, 300)});
    EXPECT_EQ(DockingFrameFloating, DockingFrameKindOf(Output()->GetFrame()));

    // A Ctrl key event alone moves: the release applies the target under the press.
    ctrlHeld = FALSE;
    CUIDockingPaneTabbedContainer* project = HolderOf(frame->Pane(ProjectPane));
    frame->notes.clear();
    PostKey(frame->m_hWnd, WM_KEYUP, VK_CONTROL);
    PostRelease(frame->m_hWnd);
    {
        CaptureWatchdog watchdog;
        project->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 5));
    }
    // The press lies on its own caption, which it never targets, and inside the whole
    // arrangement, which docks only from outside: the pane floats where it was.
    EXPECT_EQ(DockingFrameFloating, DockingFrameKindOf(HolderOf(frame->Pane(ProjectPane))->GetFrame()));
    EXPECT_EQ(1, Count(ActionFloated));
}

TEST_F(DockingDragTest, RefusalsRemoveTargetsAndNoFloatShowsNothing) {
    frame->refused = {ActionDocking, ActionAttaching};
    DragOutputCaption({CPoint(219, 300)});
    EXPECT_EQ(DockingFrameFloating, DockingFrameKindOf(Output()->GetFrame()));
    EXPECT_EQ(0, Count(ActionDocked));

    // Neither floating nor docking allowed: the release does nothing and says nothing.
    ctrlHeld = FALSE;
    frame->refused.clear();
    CUIDockingPaneItem* project = frame->Pane(ProjectPane);
    project->SetOptions(PaneOptionNoFloat);
    CUIDockingPaneTabbedContainer* holder = HolderOf(project);
    frame->notes.clear();
    PostMove(frame->m_hWnd, CPoint(500, 300));
    PostRelease(frame->m_hWnd);
    {
        CaptureWatchdog watchdog;
        holder->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 5));
    }
    EXPECT_EQ(holder, project->GetHolder());
    EXPECT_EQ(std::vector<int>({ActionFloating}), frame->Actions());
}

// ---- Target search and ghost regions ------------------------------------------------------

TEST(DockZoneTest, NearestEdgeWithinTwentyPixels) {
    const CRect area(100, 100, 500, 400);
    struct Case {
        CPoint point;
        BOOL insideOnly;
        BOOL hit;
        DockingDirection direction;
        CRect ghost;
    } cases[] = {
        {{110, 115}, TRUE, TRUE, DockLeft, CRect(100, 100, 300, 400)},    // 10 beats 15
        {{115, 110}, TRUE, TRUE, DockTop, CRect(100, 100, 500, 250)},
        {{110, 110}, TRUE, TRUE, DockTop, CRect(100, 100, 500, 250)},     // tie: top tried first
        {{300, 399}, TRUE, TRUE, DockBottom, CRect(100, 250, 500, 400)},
        {{481, 200}, TRUE, TRUE, DockRight, CRect(300, 100, 500, 400)},
        {{480, 200}, TRUE, FALSE, DockLeft, CRect()},                      // 20 is outside the band
        {{300, 250}, TRUE, FALSE, DockLeft, CRect()},
        {{95, 250}, TRUE, FALSE, DockLeft, CRect()},                       // inside-only, point outside
        {{95, 250}, FALSE, TRUE, DockLeft, CRect(100, 100, 300, 400)},     // 5 outside the arrangement
        {{80, 250}, FALSE, FALSE, DockLeft, CRect()},                      // 20 outside: nothing
        {{300, 410}, FALSE, TRUE, DockBottom, CRect(100, 250, 500, 400)},
    };
    for (const Case& c : cases) {
        DockZone zone = FindDockZone(area, c.point, c.insideOnly, area);
        EXPECT_EQ(c.hit, zone.hit) << c.point.x << "," << c.point.y;
        if (c.hit) {
            EXPECT_EQ(c.direction, zone.direction) << c.point.x << "," << c.point.y;
            EXPECT_EQ(c.ghost, zone.ghost) << c.point.x << "," << c.point.y;
        }
    }
}

TEST(DockZoneTest, RectanglesFollowThePointByTheLeastOffset) {
    const CRect rect(100, 100, 200, 150);
    EXPECT_EQ(rect, MoveRectToPoint(rect, CPoint(150, 120)));
    EXPECT_EQ(CRect(90, 100, 190, 150), MoveRectToPoint(rect, CPoint(90, 120)));
    EXPECT_EQ(CRect(110, 110, 210, 160), MoveRectToPoint(rect, CPoint(210, 160)));
}

TEST(GhostRegionTest, FramesAreFourPixelsAndTheTabOutlineOpensIntoTheBody) {
    CRgn frame;
    MakeGhostRegion(frame, CRect(0, 0, 100, 80), FALSE);
    EXPECT_TRUE(frame.PtInRegion(0, 0));
    EXPECT_TRUE(frame.PtInRegion(3, 40));
    EXPECT_FALSE(frame.PtInRegion(4, 40));
    EXPECT_TRUE(frame.PtInRegion(96, 40));

    // Body (0,0,100,60), tab (5,56,55,80): the body's bottom edge is open over the tab.
    CRgn tab;
    MakeGhostRegion(tab, CRect(0, 0, 100, 80), TRUE);
    EXPECT_TRUE(tab.PtInRegion(2, 58));    // body frame, left of the tab
    EXPECT_FALSE(tab.PtInRegion(30, 58));  // the joint: open
    EXPECT_TRUE(tab.PtInRegion(6, 70));    // the tab's left side
    EXPECT_TRUE(tab.PtInRegion(30, 78));   // the tab's bottom
    EXPECT_FALSE(tab.PtInRegion(80, 70));  // beside the tab
}

// A drag context that records the regions it inverts instead of drawing on the desktop.
class RecordingDragContext : public CUIDockingDragContext {
public:
    std::vector<CRect> boxes;
    CRgn total;
    RecordingDragContext() { total.CreateRectRgn(0, 0, 0, 0); }

protected:
    void InvertRegion(CRgn& change) override {
        CRect box;
        change.GetRgnBox(&box);
        boxes.push_back(box);
        total.CombineRgn(&total, &change, RGN_XOR);
    }
};

TEST_F(DockingDragTest, TheGhostChangesOnlyWhatMovedAndIsErasedAtTheEnd) {
    PostMove(frame->m_hWnd, CPoint(150, 400));
    PostMove(frame->m_hWnd, CPoint(219, 300));
    PostRelease(frame->m_hWnd);
    RecordingDragContext context;
    {
        CaptureWatchdog watchdog;
        context.SetManager(&frame->manager)->Drag(Output(), CPoint(100, 585));
    }
    ASSERT_EQ(3u, context.boxes.size());
    // First the floating ghost: the container's rectangle moved with the mouse.
    EXPECT_EQ(CRect(50, 395, 906, 515), context.boxes[0]);
    // Then the change to the left half of the document area (209..532 of 209..856).
    CRgn expected, left, floating, change;
    MakeGhostRegion(left, CRect(209, 0, 532, 576), FALSE);
    MakeGhostRegion(floating, CRect(50, 395, 906, 515), FALSE);
    change.CreateRectRgn(0, 0, 0, 0);
    change.CombineRgn(&left, &floating, RGN_XOR);
    CRect box;
    change.GetRgnBox(&box);
    EXPECT_EQ(box, context.boxes[1]);
    // Every inversion undone: nothing of the ghost stays on the screen.
    CRect rest;
    EXPECT_EQ(NULLREGION, context.total.GetRgnBox(&rest));
}

// ---- Splitters ----------------------------------------------------------------------------

// Drags the splitter between the project pane and the document area through the screen
// x positions, ending with the release or Escape; the project container's rectangle
// once the frame is laid out.
CRect DragProjectSplitter(DockingTestFrame* frame, BOOL ghost, const std::vector<int>& xs, UINT end) {
    frame->manager.m_ghostSplitters = ghost;
    auto* column = static_cast<CUIDockingPaneSplitContainer*>(frame->manager.GetTopContainer()->GetChildren()[0]);
    auto* row = static_cast<CUIDockingPaneSplitContainer*>(column->GetChildren()[0]);
    CUIDockingPaneSplitterWnd* splitter = row->GetSplitter(0);
    // The ghost tracker reads every move in the splitter's coordinates; a live drag moves
    // the splitter, so its moves go to the frame, whose coordinates are the screen's.
    CRect bar = RectInParent(splitter->m_hWnd);
    for (int x : xs) {
        if (ghost)
            ::PostMessageA(splitter->m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x - bar.left, 300));
        else
            ::PostMessageA(frame->m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, 300));
    }
    ::PostMessageA(splitter->m_hWnd, end, end == WM_KEYDOWN ? VK_ESCAPE : 0, 0);
    {
        CaptureWatchdog watchdog;
        splitter->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 300));
    }
    CRect live = RectInParent(HolderOf(frame->Pane(ProjectPane))->m_hWnd);
    frame->RecalcLayout();
    CRect laidOut = RectInParent(HolderOf(frame->Pane(ProjectPane))->m_hWnd);
    // A live drag has laid the frame out at every step already.
    if (!ghost) {
        EXPECT_EQ(laidOut, live);
    }
    return laidOut;
}

TEST_F(DockingDragTest, SplittersResizeLiveOrThroughTheGhostBar) {
    const CRect startUp(0, 0, 205, 576);
    EXPECT_EQ(startUp, DragProjectSplitter(frame, TRUE, {300}, WM_KEYDOWN));  // ghost: Escape changes nothing
    CRect ghostResult = DragProjectSplitter(frame, TRUE, {300}, WM_LBUTTONUP);
    EXPECT_NEAR(300, ghostResult.right, 2);

    // Live: each step applies at once, Escape keeps where the last one left it.
    MakeFrame();
    EXPECT_EQ(ghostResult, DragProjectSplitter(frame, FALSE, {400, 300}, WM_KEYDOWN));
    EXPECT_EQ(ghostResult, DragProjectSplitter(frame, FALSE, {300}, WM_LBUTTONUP));
    EXPECT_EQ(nullptr, ::GetCapture());
}

}  // namespace
