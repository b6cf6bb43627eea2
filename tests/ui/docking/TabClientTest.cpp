#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/CaptureWatchdog.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"
#include "tests/ui/docking/DockingTestFrame.h"
#include "tests/ui/docking/TabClientTestFrame.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"
#include "ui/docking/tabs/UITabTheme.h"

namespace {

using Captions = std::vector<std::string>;

class TabClientTest : public testing::Test {
protected:
    void SetUp() override {
        frame = TabTestFrame::Make();
        app.m_pMainWnd = frame;
    }
    void TearDown() override {
        app.m_pMainWnd = nullptr;
        frame->DestroyWindow();
    }
    CUITabWorkspace* Strip() const { return frame->tabs.GetWorkspace(0); }
    CUITabStripItem* Tab(int index) const { return Strip()->GetItem(index); }
    std::string Selected() const {
        return Strip() && Strip()->GetSelectedItem() ? std::string(Strip()->GetSelectedItem()->GetCaption()) : "";
    }
    CRect Area() const {
        CRect client;
        frame->GetClientRect(&client);
        return client;
    }
    // Presses the tab and lets the posted messages run the drag loop.
    void PressTab(int index) {
        CPoint centre = Tab(index)->GetRect().CenterPoint();
        CaptureWatchdog watchdog;
        frame->Strip()->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
    }
    void PostMove(CPoint point) { frame->Strip()->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(point.x, point.y)); }

    TestApplication app;
    TabTestFrame* frame = nullptr;
};

TEST_F(TabClientTest, EachVisibleDocumentHasATabAddedAtTheEndAndSelected) {
    EXPECT_EQ(0, frame->tabs.GetWorkspaceCount());
    EXPECT_EQ(Area(), frame->MdiClientRect()) << "no documents, no strip";
    TabTestChild* first = frame->AddChild("程序块 1");
    frame->AddChild("程序块 2");
    frame->AddChild("数据块");
    EXPECT_EQ((Captions{"程序块 1", "程序块 2", "数据块"}), frame->Captions());
    EXPECT_EQ("数据块", Selected());

    first->MDIActivate();
    EXPECT_EQ("程序块 1", Selected());

    first->SetWindowText("主程序");
    frame->tabs.UpdateTabs();
    EXPECT_EQ((Captions{"主程序", "程序块 2", "数据块"}), frame->Captions());

    first->ShowWindow(SW_HIDE);
    frame->tabs.UpdateTabs();
    EXPECT_EQ((Captions{"程序块 2", "数据块"}), frame->Captions());
    first->ShowWindow(SW_SHOW);
    frame->tabs.UpdateTabs();
    EXPECT_EQ((Captions{"程序块 2", "数据块", "主程序"}), frame->Captions()) << "shown again: at the end";
}

TEST_F(TabClientTest, StripAndDocumentAreaShareTheRectangleTopOrBottom) {
    struct Case {
        int position;
        bool stripAbove;
    } cases[] = {{TabPositionTop, true}, {TabPositionBottom, false}};
    frame->AddChild("程序块 1");
    for (const Case& c : cases) {
        frame->tabs.GetPaintManager()->SetPosition(c.position);
        frame->RecalcLayout();
        CRect area = Area(), strip = RectInParent(frame->Strip()->m_hWnd), mdi = frame->MdiClientRect();
        const CRect header = Strip()->headerRect;
        SCOPED_TRACE(c.position);
        EXPECT_EQ(area, strip);
        EXPECT_TRUE(area.PtInRect(mdi.TopLeft()) && mdi.right <= area.right && mdi.bottom <= area.bottom);
        EXPECT_EQ(18 + 3, header.Height()) << "tab height and margins";
        if (c.stripAbove) {
            EXPECT_LE(header.bottom, mdi.top);
        } else {
            EXPECT_GE(header.top, mdi.bottom);
        }
    }
}

TEST_F(TabClientTest, ClosingTheLastDocumentRemovesTheStrip) {
    TabTestChild* first = frame->AddChild("程序块 1");
    TabTestChild* second = frame->AddChild("程序块 2");
    EXPECT_NE(Area(), frame->MdiClientRect());
    second->DestroyWindow();
    EXPECT_EQ((Captions{"程序块 1"}), frame->Captions());
    first->DestroyWindow();
    EXPECT_EQ(0, frame->tabs.GetWorkspaceCount());
    EXPECT_EQ(Area(), frame->MdiClientRect());
}

TEST_F(TabClientTest, AHiddenActiveChildOrAWindowThatIsNoDocumentGetsNoTab) {
    TabTestChild* first = frame->AddChild("程序块 1");
    frame->AddChild("程序块 2");
    // A plain window among the document frames.
    CWnd plain;
    ASSERT_TRUE(plain.CreateEx(0, "Static", "plain", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20),
                               CWnd::FromHandle(frame->m_hWndMDIClient), 0));
    frame->tabs.UpdateTabs();
    EXPECT_EQ((Captions{"程序块 1", "程序块 2"}), frame->Captions());
    // The active child hidden: its tab goes and no removed item stays selected.
    first->MDIActivate();
    first->ShowWindow(SW_HIDE);
    frame->tabs.UpdateTabs();
    EXPECT_EQ((Captions{"程序块 2"}), frame->Captions());
    EXPECT_TRUE(Strip()->GetSelectedItem() == nullptr || Strip()->GetSelectedItem() == Tab(0));
    EXPECT_EQ(nullptr, frame->tabs.GetWorkspace(-1));
    EXPECT_EQ(nullptr, frame->tabs.GetWorkspace(1));
    plain.DestroyWindow();
}

TEST_F(TabClientTest, ChildAnswersComeFirstAndFallBackToDocumentAndWindow) {
    TabTestChild* child = frame->AddChild("窗口标题");
    CUITabStripItem* tab = Tab(0);
    CDocument document;
    document.SetPathName("C:\\工程\\主程序.pou", FALSE);
    document.SetTitle("文档标题");
    HICON own = ::LoadIcon(nullptr, IDI_QUESTION);

    EXPECT_EQ("窗口标题", frame->tabs.GetItemText(child->m_hWnd));
    EXPECT_EQ("窗口标题", Strip()->GetItemTooltip(tab)) << "no path: the caption";
    EXPECT_NE(nullptr, Strip()->GetItemIcon(tab)) << "the class icon or the system logo";
    child->document = &document;
    EXPECT_EQ("文档标题", frame->tabs.GetItemText(child->m_hWnd));
    EXPECT_EQ("C:\\工程\\主程序.pou", Strip()->GetItemTooltip(tab));
    child->caption = "子窗口说的";
    child->tooltip = "提示";
    child->icon = own;
    EXPECT_EQ("子窗口说的", frame->tabs.GetItemText(child->m_hWnd));
    EXPECT_EQ("提示", Strip()->GetItemTooltip(tab));
    EXPECT_EQ(own, Strip()->GetItemIcon(tab));

    const COLORREF preset = tab->color;
    EXPECT_EQ(0u, frame->tabs.UpdateItemColor(tab));
    EXPECT_EQ(preset, tab->color) << "no answer keeps the colour";
    child->color = RGB(10, 200, 30);
    EXPECT_EQ(RGB(10, 200, 30), Strip()->GetItemColor(tab));
    child->document = nullptr;
}

TEST_F(TabClientTest, PressesOnTheStripGoToTheFrameFirst) {
    frame->AddChild("程序块 1");
    frame->AddChild("程序块 2");
    CPoint point = Tab(0)->GetRect().CenterPoint();
    const LPARAM where = MAKELPARAM(point.x, point.y);
    frame->mouseAnswer = 1;
    frame->Strip()->PostMessage(WM_RBUTTONDOWN, MK_RBUTTON, where);
    frame->Strip()->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, where);
    app.PumpUntilIdle();
    ASSERT_EQ(2u, frame->mousePresses.size());
    EXPECT_EQ(static_cast<WPARAM>(WM_RBUTTONDOWN), frame->mousePresses[0].first);
    EXPECT_EQ(where, frame->mousePresses[0].second);
    EXPECT_EQ("程序块 2", Selected()) << "the frame took the left press";

    frame->mouseAnswer = 0;
    frame->Strip()->PostMessage(WM_MOUSEMOVE, 0, where);
    frame->Strip()->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, where);
    frame->Strip()->PostMessage(WM_LBUTTONUP, 0, where);
    app.PumpUntilIdle();
    EXPECT_EQ(3u, frame->mousePresses.size()) << "moves are not passed on";
    EXPECT_EQ("程序块 1", Selected());
    EXPECT_EQ(frame->MDIGetActive()->m_hWnd, reinterpret_cast<HWND>(Tab(0)->GetHandle()));
}

TEST_F(TabClientTest, DraggingATabReordersLiveAndEscapeKeepsTheOrder) {
    frame->AddChild("第一");
    frame->AddChild("第二");
    frame->AddChild("第三");
    CPoint third = Tab(2)->GetRect().CenterPoint();
    PostMove(Tab(1)->GetRect().CenterPoint());
    PostMove(third);
    frame->Strip()->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    PressTab(0);
    EXPECT_EQ((Captions{"第二", "第三", "第一"}), frame->Captions());
    EXPECT_EQ("第一", Selected());
    EXPECT_EQ(reinterpret_cast<HWND>(Tab(2)->GetHandle()), frame->MDIGetActive()->m_hWnd);

    // A right press ends the drag the same way.
    PostMove(Tab(0)->GetRect().CenterPoint());
    frame->Strip()->PostMessage(WM_RBUTTONDOWN, MK_RBUTTON, 0);
    PressTab(2);
    EXPECT_EQ((Captions{"第一", "第三", "第二"}), frame->Captions());
}

TEST_F(TabClientTest, PressingTheOnlyTabDoesNothing) {
    frame->AddChild("程序块 1");
    Strip()->SetSelectedItem(nullptr);
    frame->Strip()->PostMessage(WM_LBUTTONUP, 0, 0);
    PressTab(0);
    EXPECT_EQ(nullptr, Strip()->GetSelectedItem());
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, frame->Strip()->m_hWnd, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE))
        << "no drag loop took the release";
}

TEST_F(TabClientTest, FlagsChooseTheNavigateButtons) {
    struct Case {
        int flags, close, arrows;
    } cases[] = {{2, NavigateButtonHidden, NavigateButtonAlways},
                 {1, NavigateButtonAlways, NavigateButtonAuto},
                 {0, NavigateButtonAlways, NavigateButtonAlways},
                 {3, NavigateButtonHidden, NavigateButtonAuto}};
    frame->AddChild("程序块 1");
    for (const Case& c : cases) {
        frame->tabs.SetFlags(c.flags);
        SCOPED_TRACE(c.flags);
        EXPECT_EQ(c.close, Strip()->FindNavigateButton(NavigateButtonClose)->GetMode());
        EXPECT_EQ(c.arrows, Strip()->FindNavigateButton(NavigateButtonLeft)->GetMode());
        EXPECT_EQ(c.arrows, Strip()->FindNavigateButton(NavigateButtonRight)->GetMode());
    }
    frame->tabs.SetFlags(1);
    CRect close = Strip()->FindNavigateButton(NavigateButtonClose)->GetRect();
    EXPECT_FALSE(close.IsRectEmpty());
    Strip()->OnNavigateButtonClick(NavigateButtonClose);
    app.PumpUntilIdle();
    EXPECT_EQ(0, frame->tabs.GetWorkspaceCount()) << "the close button closed the document";
}

TEST_F(TabClientTest, HiddenTabsGiveTheDocumentsTheWholeAreaAndAreNotUpdated) {
    frame->AddChild("程序块 1");
    frame->tabs.ShowTabs(FALSE);
    EXPECT_EQ(Area(), frame->MdiClientRect());
    frame->AddChild("程序块 2");
    EXPECT_EQ((Captions{"程序块 1"}), frame->Captions());
    frame->tabs.ShowTabs(TRUE);
    frame->tabs.UpdateTabs();
    EXPECT_EQ((Captions{"程序块 1", "程序块 2"}), frame->Captions());
    EXPECT_NE(Area(), frame->MdiClientRect());
}

// A command-bar paint manager that only says which theme it is.
class IndexTheme : public CUICommandBarsTheme {
public:
    explicit IndexTheme(int index) { m_themeIndex = index; }
    CSize DrawPopupBarControl(CDC*, CUIControl*, BOOL) override { return CSize(); }
    CSize DrawToolBarControl(CDC*, CUIControl*, BOOL) override { return CSize(); }
    void DrawSplitButtonFrame(CDC*, CUIControl*, CRect) override {}
    CSize DrawComboBoxControl(CDC*, CUIControl*, BOOL) override { return CSize(); }
    CSize DrawEditControl(CDC*, CUIControl*, BOOL) override { return CSize(); }
    CSize DrawListBoxControl(CDC*, CUIControl*, CRect, BOOL, BOOL) override { return CSize(); }
    void FillCommandBarBackground(CDC*, CUICommandBar*) override {}
    void DrawButtonBackground(CDC*, CRect, BOOL, int, int, int, BOOL, int) override {}
    void DrawButtonRectangle(CDC*, CRect, int, int, BOOL, int, BOOL, BOOL, int) override {}
    CSize DrawBarGripper(CDC*, CUICommandBar*, BOOL) override { return CSize(); }
    CSize DrawControlSeparator(CDC*, CUICommandBar*, CUIControl*, BOOL) override { return CSize(); }
    void AdjustExcludeRect(CRect&, CUIControl*) override {}
    void DrawStatusBarPane(CDC*, CRect&, UINT, LPCSTR) override {}
    void DrawStatusBarGripper(CDC*, CRect) override {}
    void FillDockBarBackground(CDC*, CWnd*) override {}
    void FillStatusBarBackground(CDC*, CWnd*) override {}
    CSize DrawSpecialControl(CDC*, int, CUIControl*, CUICommandBar*, BOOL, void*) override { return CSize(); }
    CSize DrawTearOffGripper(CDC*, CRect, BOOL, BOOL) override { return CSize(); }
    void DrawControlImage(CDC*, CPoint, CSize, void*, int, int, BOOL, int, BOOL, BOOL) override {}
    int GetThemeKind() const override { return ThemeKindForIndex(m_themeIndex); }
    void AnimatePopup(CDC*, CDC*, CRect, int) override {}
    void AnimateExpand(CUIPopupBar*, CDC*, CDC*) override {}
};

TEST_F(TabClientTest, TheTabsFollowTheCommandBarsTheme) {
    struct Step {
        int theme, appearance, colorSet;
        BOOL outerFrame;
        int clientFrame;
        BOOL itemColors, hot;
    } steps[] = {
        {1, 0, 1, FALSE, ClientFrameBorder, FALSE, FALSE},  // as constructed
        {0, 5, 2, TRUE, ClientFrameSingleLine, FALSE, FALSE},
        {1, 0, 1, FALSE, ClientFrameBorder, FALSE, FALSE},
        {3, 0, 8, FALSE, ClientFrameBorder, FALSE, TRUE},
        {2, 3, 4, FALSE, ClientFrameBorder, TRUE, TRUE},
    };
    frame->AddChild("程序块 1");
    CUICommandBars bars;
    frame->bars = &bars;
    CUITabTheme* tabs = frame->tabs.GetPaintManager();
    for (const Step& step : steps) {
        bars.SetPaintManager(new IndexTheme(step.theme));
        frame->tabs.UpdateTabs();
        SCOPED_TRACE(step.theme);
        EXPECT_EQ(step.appearance, tabs->GetAppearanceIndex());
        EXPECT_EQ(step.colorSet, tabs->GetColorSetIndex());
        EXPECT_EQ(step.outerFrame, tabs->outerFrame);
        EXPECT_EQ(step.clientFrame, tabs->clientFrameStyle);
        EXPECT_EQ(step.itemColors, tabs->itemColorFill);
        EXPECT_EQ(step.hot, tabs->hotTabs);
    }
    // Without command bars nothing follows, and the empty area takes the system colour.
    frame->bars = nullptr;
    bars.SetPaintManager(nullptr);
    frame->tabs.followTheme = FALSE;
    frame->tabs.UpdateTabs();
    EXPECT_EQ(3, tabs->GetAppearanceIndex());
}

TEST_F(TabClientTest, WithoutCommandBarsTheEmptyAreaHasTheWorkspaceColour) {
    frame->RecalcLayout();
    TestImage image(640, 400);
    RenderWindow(frame, image);
    EXPECT_EQ(::GetSysColor(COLOR_APPWORKSPACE), image.Pixel(320, 200));
}

TEST_F(TabClientTest, TheWholeFrameRendersWithItsStrip) {
    for (const char* title : {"主程序", "子程序 SBR_0", "中断程序 INT_0", "数据块"}) frame->AddChild(title);
    // Cascaded: the picture clips no window to its parent, so a maximized document
    // would be drawn over the strip.
    frame->MDICascade();
    frame->tabs.UpdateTabs();
    frame->RecalcLayout();
    TestImage image(640, 400);
    RenderWindow(frame, image);
    image.SaveBmp(TestOutputPath("tab-client-frame.bmp"));
    // Every caption is drawn in its own tab, the selected one too, and the documents
    // lie below the strip.
    EXPECT_EQ("数据块", Selected());
    for (int i = 0; i < Strip()->GetItemCount(); ++i)
        EXPECT_LT(0, image.CountPixels(Tab(i)->GetRect(), ::GetSysColor(COLOR_BTNTEXT))) << i;
    EXPECT_GE(frame->MdiClientRect().top, Strip()->headerRect.bottom);
}

}  // namespace

namespace {

// An MDI frame made hidden, as the program's main frame is, that counts its layouts.
class CountingTabFrame : public CMDIFrameWnd {
public:
    void RecalcLayout(BOOL notify = TRUE) override {
        ++layouts;
        CMDIFrameWnd::RecalcLayout(notify);
    }
    CUITabClientWnd tabs;
    int layouts = 0;

protected:
    void PostNcDestroy() override {
        tabs.DetachFromMDIFrame();
        CMDIFrameWnd::PostNcDestroy();
    }
};

}  // namespace

// The client attached while the frame is hidden is laid out with the frame when it is
// shown; the first idle pass after does not lay the frame out again (nor does the
// client's first scroll update).
TEST(TabClientStart, ShowingTheFrameIsTheLayoutTheAttachedClientWaitsFor) {
    TestApplication app;
    auto* frame = new CountingTabFrame;
    ASSERT_TRUE(frame->Create(nullptr, "Tabs", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(0, 0, 640, 400)));
    app.m_pMainWnd = frame;
    frame->tabs.GetPaintManager()->tabIcons = FALSE;
    frame->tabs.AttachToMDIFrame(frame, FALSE);
    frame->tabs.SetFlags(2);
    frame->ShowWindow(SW_SHOWMAXIMIZED);
    frame->UpdateWindow();
    frame->layouts = 0;
    app.PumpUntilIdle();
    EXPECT_EQ(0, frame->layouts);

    // A document still brings its strip and the layout that makes room for it.
    auto* child = new TabTestChild;
    child->Create(nullptr, "程序块", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150), frame);
    app.PumpUntilIdle();
    EXPECT_GT(frame->layouts, 0);
    ASSERT_NE(nullptr, frame->tabs.GetWorkspace(0));
    EXPECT_EQ(1, frame->tabs.GetWorkspace(0)->GetItemCount());
    app.m_pMainWnd = nullptr;
    frame->DestroyWindow();
}
