#include "platform/CSplitterWnd.h"
#include "platform/CView.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

namespace {

class PaneView : public CView {
    DECLARE_DYNCREATE(PaneView)
public:
    int m_initialUpdates = 0;
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override { ++m_initialUpdates; }
};
IMPLEMENT_DYNCREATE(PaneView, CView)

// A frame split into an upper and a lower view, the lower one active, as the editor
// windows are.
class SplitFrame : public CFrameWnd {
public:
    CSplitterWnd m_splitter;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* context) override {
        if (!m_splitter.CreateStatic(this, 2, 1))
            return FALSE;
        if (!m_splitter.CreateView(0, 0, RUNTIME_CLASS(PaneView), CSize(150, 120), context) ||
            !m_splitter.CreateView(1, 0, RUNTIME_CLASS(PaneView), CSize(250, 250), context))
            return FALSE;
        m_splitter.SetActivePane(1, 0);
        return TRUE;
    }
};

class Splitter : public ::testing::Test {
protected:
    void SetUp() override {
        m_frame = new SplitFrame;
        ASSERT_TRUE(m_frame->Create(nullptr, "split", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 400)));
        m_app.m_pMainWnd = m_frame;
        m_frame->InitialUpdateFrame(nullptr, TRUE);
        ResizeClient(200, 400);
    }

    void ResizeClient(int width, int height) {
        CRect rect(0, 0, width, height);
        m_frame->CalcWindowRect(&rect);
        m_frame->SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOMOVE);
    }
    // The pane's rectangle in the splitter's client coordinates.
    CRect Pane(int row, int column) {
        CRect rect;
        Split().GetPane(row, column)->GetWindowRect(&rect);
        Split().ScreenToClient(&rect);
        return rect;
    }
    CSplitterWnd& Split() { return m_frame->m_splitter; }
    void Drag(CPoint from, CPoint to) {
        Split().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        Split().SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        Split().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    }

    TestApplication m_app;
    SplitFrame* m_frame = nullptr;
};

const int kBar = CSplitterWnd::kBarWidth;

TEST_F(Splitter, PanesAreTheFramesViewsWithTheLowerOneActive) {
    CWnd* upper = Split().GetPane(0, 0);
    CWnd* lower = Split().GetPane(1, 0);
    ASSERT_NE(upper, nullptr);
    ASSERT_NE(lower, nullptr);
    EXPECT_EQ(Split().GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(upper->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(lower->GetDlgCtrlID(), CSplitterWnd::IdFromRowCol(1, 0));
    EXPECT_EQ(m_frame->GetActiveView(), lower);
    EXPECT_EQ(static_cast<PaneView*>(upper)->m_initialUpdates, 1);
    EXPECT_EQ(static_cast<PaneView*>(lower)->m_initialUpdates, 1);
    EXPECT_EQ(Split().GetPane(2, 0), nullptr);
    EXPECT_FALSE(Split().CreateView(1, 0, RUNTIME_CLASS(PaneView), CSize(10, 10), nullptr));  // taken
    EXPECT_FALSE(Split().CreateView(0, 1, RUNTIME_CLASS(PaneView), CSize(10, 10), nullptr));  // no such column
}

TEST_F(Splitter, UpperRowKeepsItsHeightWhileThereIsRoom) {
    struct Case {
        int clientHeight;
        int upper;
        int lower;
    } cases[] = {{400, 120, 400 - 120 - kBar}, {130, 120, 130 - 120 - kBar}, {100, 100 - kBar, 0}, {500, 120, 500 - 120 - kBar}};
    for (const Case& c : cases) {
        ResizeClient(200, c.clientHeight);
        EXPECT_EQ(Pane(0, 0), CRect(0, 0, 200, c.upper)) << c.clientHeight;
        EXPECT_EQ(Pane(1, 0), CRect(0, c.upper + kBar, 200, c.upper + kBar + c.lower)) << c.clientHeight;
    }
}

TEST_F(Splitter, DraggingTheBarResizesBothRows) {
    Drag(CPoint(50, 120 + 2), CPoint(50, 202));  // taken 2 pixels into the bar
    EXPECT_EQ(Pane(0, 0).Height(), 200);
    EXPECT_EQ(Pane(1, 0).top, 200 + kBar);
    ResizeClient(200, 500);
    EXPECT_EQ(Pane(0, 0).Height(), 200);  // the dragged height stays

    Drag(CPoint(50, 201), CPoint(50, -40));
    EXPECT_EQ(Pane(0, 0).Height(), 0);
    Drag(CPoint(50, 1), CPoint(50, 900));
    EXPECT_EQ(Pane(1, 0).Height(), 0);
    EXPECT_EQ(Pane(0, 0).Height(), 500 - kBar);
}

TEST_F(Splitter, TheBarIsDrawnBetweenTheRows) {
    TestImage image(200, 400, RGB(255, 0, 255));
    RenderWindow(&Split(), image);
    image.SaveBmp(TestOutputPath("splitter.bmp"));
    CRect barMiddle(2, 120 + 2, 198, 120 + kBar - 2);
    EXPECT_EQ(image.CountPixels(barMiddle, ::GetSysColor(COLOR_BTNFACE)), barMiddle.Width() * barMiddle.Height());
    CRect pane(10, 10, 190, 110);
    EXPECT_EQ(image.CountPixels(pane, ::GetSysColor(COLOR_BTNFACE)), 0);
}

TEST_F(Splitter, ClicksOnAPaneAreNotDrags) {
    Drag(CPoint(50, 60), CPoint(50, 300));  // the splitter's own area is only its bars
    EXPECT_EQ(Pane(0, 0).Height(), 120);
}

TEST(SplitterColumns, ColumnsLayOutLikeRows) {
    TestApplication app;
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300), nullptr, 0));
    CSplitterWnd splitter;
    ASSERT_TRUE(splitter.CreateStatic(&parent, 1, 3));
    for (int column = 0; column < 3; ++column)
        ASSERT_TRUE(splitter.CreateView(0, column, RUNTIME_CLASS(PaneView), CSize(50 * (column + 1), 10), nullptr));
    splitter.MoveWindow(0, 0, 400, 100);
    int expected[][2] = {{0, 50}, {50 + kBar, 100}, {50 + kBar + 100 + kBar, 400 - 150 - 2 * kBar}};
    for (int column = 0; column < 3; ++column) {
        CRect rect;
        splitter.GetPane(0, column)->GetWindowRect(&rect);
        splitter.ScreenToClient(&rect);
        EXPECT_EQ(rect, CRect(expected[column][0], 0, expected[column][0] + expected[column][1], 100)) << column;
    }
}

}  // namespace
