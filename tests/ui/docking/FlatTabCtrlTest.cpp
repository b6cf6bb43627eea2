#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/CFrameWnd.h"
#include "platform/CListCtrl.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"
#include "ui/commandbars/UIUISettings.h"
#include "ui/docking/tabs/UIFlatTabCtrl.h"

namespace {
// The owner of the strip: records the notifications and may refuse a change.
class RecordingOwner : public CWnd {
public:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
        codes.push_back(code);
        *result = code == TCN_SELCHANGING ? refuse : 0;
        return TRUE;
    }
    std::vector<UINT> codes;
    BOOL refuse = FALSE;
};

class FlatTabCtrlTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner.CreateEx(0, "Static", nullptr, WS_POPUP | WS_VISIBLE, CRect(0, 0, 800, 300),
                                   nullptr, 0));
    }
    void TearDown() override {
        strip.reset();
        for (CWnd& sheet : sheets)
            if (sheet.m_hWnd) sheet.DestroyWindow();
        owner.DestroyWindow();
    }

    void Make(DWORD style, int width = 600) {
        strip.reset(new CUIFlatTabCtrl);
        ASSERT_TRUE(strip->Create(WS_CHILD | WS_VISIBLE | style, CRect(0, 0, width, 200), &owner, 77));
    }
    CWnd* Sheet(int i) {
        if (!sheets[i].m_hWnd)
            sheets[i].CreateEx(0, "Static", nullptr, WS_CHILD, CRect(0, 0, 10, 10), &owner, 100 + i);
        return &sheets[i];
    }
    void Insert(int count, const char* caption = "Tab") {
        for (int i = 0; i < count; ++i) strip->InsertItem(strip->GetItemCount(), caption, Sheet(strip->GetItemCount()));
    }
    int Height() const { return ::GetSystemMetrics(SM_CYHSCROLL); }
    int ArrowWidth() const { return ::GetSystemMetrics(SM_CXHSCROLL) - 1; }
    int TextWidth(const char* text, BOOL selected) {
        CClientDC dc(strip.get());
        CUIUISettings* settings = GetUISettings();
        CGdiObject* old = dc.SelectObject(selected ? &settings->boldFont : &settings->regularFont);
        int cx = dc.GetTextExtent(text).cx;
        dc.SelectObject(old);
        return cx;
    }
    void Click(int x) {
        int y = 200 - Height() / 2;
        strip->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        strip->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    int TabCentre(int index) {
        CRect rect;
        strip->GetItemRect(index, &rect);
        return (rect.left + rect.right) / 2;
    }

    TestApplication app;
    RecordingOwner owner;
    CWnd sheets[12];
    std::unique_ptr<CUIFlatTabCtrl> strip;
};

TEST_F(FlatTabCtrlTest, InsertingSelectsTheNewTabAndShowsOnlyItsSheet) {
    Make(FlatTabBottom | FlatTabArrows);
    EXPECT_EQ(0, strip->InsertItem(0, "A", Sheet(0)));
    EXPECT_EQ(0, strip->GetCurSel());
    EXPECT_TRUE(Sheet(0)->IsWindowVisible());
    EXPECT_EQ(1, strip->InsertItem(1, "B", Sheet(1)));  // index = count appends
    EXPECT_EQ(-1, strip->InsertItem(3, "C", Sheet(2)));
    EXPECT_EQ(-1, strip->InsertItem(-1, "C", Sheet(2)));
    EXPECT_EQ(1, strip->GetCurSel());
    EXPECT_FALSE(Sheet(0)->IsWindowVisible());
    EXPECT_TRUE(Sheet(1)->IsWindowVisible());
    EXPECT_EQ(strip->m_hWnd, ::GetParent(Sheet(1)->m_hWnd));
    EXPECT_EQ(0, strip->InsertItem(0, "Z", Sheet(2)));
    EXPECT_EQ(0, strip->GetCurSel());
    EXPECT_STREQ("Z", strip->GetItemTooltip(0));
    EXPECT_EQ(Sheet(1), strip->GetTabWindow(2));
    EXPECT_EQ(nullptr, strip->GetTabWindow(3));
    // The sheets fill the client area above the strip.
    CRect placed;
    Sheet(2)->GetWindowRect(&placed);
    strip->ScreenToClient(&placed);
    EXPECT_EQ(CRect(0, 0, 600, 200 - Height()), placed);
}

TEST_F(FlatTabCtrlTest, DeletingMovesTheSelectionAsTheTabsGo) {
    Make(FlatTabBottom | FlatTabArrows);
    Insert(4);
    strip->SetCurSel(2);
    EXPECT_TRUE(strip->DeleteItem(0));  // before the selection: the same tab stays selected
    EXPECT_EQ(1, strip->GetCurSel());
    EXPECT_TRUE(strip->DeleteItem(1));  // the selected tab: the first is selected
    EXPECT_EQ(0, strip->GetCurSel());
    EXPECT_TRUE(Sheet(1)->IsWindowVisible());
    EXPECT_FALSE(::IsWindow(Sheet(2)->m_hWnd) && ::GetParent(Sheet(2)->m_hWnd) == strip->m_hWnd);
    EXPECT_FALSE(strip->DeleteItem(5));
    EXPECT_TRUE(strip->DeleteAllItems());
    EXPECT_EQ(-1, strip->GetCurSel());
    EXPECT_TRUE(::IsWindow(Sheet(3)->m_hWnd));  // sheets are detached, never destroyed
}

TEST_F(FlatTabCtrlTest, TabsWidenWithTheSelectedFontAndOverlap) {
    Make(FlatTabBottom | FlatTabArrows);
    Insert(3, "Output");
    int h2 = Height() / 2;
    EXPECT_EQ(h2 + 2, strip->GetOverlap());
    EXPECT_EQ(TextWidth("Output", FALSE) + Height() + h2, strip->GetTabWidth(0));
    EXPECT_EQ(TextWidth("Output", TRUE) + Height() + h2, strip->GetTabWidth(2));
    EXPECT_EQ(strip->GetTabWidth(0) * 2 + strip->GetTabWidth(2) - 2 * strip->GetOverlap(),
              strip->GetTotalTabWidth());
    CRect second;
    strip->GetItemRect(1, &second);
    EXPECT_EQ(2 * ArrowWidth() + strip->GetTabWidth(0) - strip->GetOverlap(), second.left);
    // A shared boundary point belongs to the earlier tab.
    CPoint boundary(second.left, 200 - 2);
    EXPECT_EQ(0, strip->HitTest(&boundary));
    boundary.x += 1;
    EXPECT_EQ(1, strip->HitTest(&boundary));
    CPoint inButtons(ArrowWidth(), 195);
    EXPECT_EQ(-1, strip->HitTest(&inButtons));
}

TEST_F(FlatTabCtrlTest, ButtonsFollowTheStyleAndTheScrollPosition) {
    Make(FlatTabBottom | FlatTabHomeEnd);
    EXPECT_EQ(4 * ArrowWidth(), strip->GetButtonsWidth());
    const UINT commands[] = {FlatTabFirst, FlatTabBack, FlatTabForward, FlatTabLast};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(commands[k], strip->ButtonCommand(k));
    Insert(10, "Sheet tab");
    EXPECT_GT(strip->GetTotalTabWidth(), 600);
    strip->SetCurSel(0);
    EXPECT_EQ(0, strip->GetScrollOffset());
    EXPECT_FALSE(strip->IsButtonEnabled(0));
    EXPECT_FALSE(strip->IsButtonEnabled(1));
    EXPECT_TRUE(strip->IsButtonEnabled(2));
    strip->SendMessage(WM_COMMAND, FlatTabForward, 0);
    EXPECT_EQ(strip->GetTabWidth(0) - strip->GetOverlap(), strip->GetScrollOffset());
    EXPECT_TRUE(strip->IsButtonEnabled(1));
    strip->SendMessage(WM_COMMAND, FlatTabLast, 0);
    int visible = 600 - strip->GetButtonsWidth();
    EXPECT_EQ(strip->GetTotalTabWidth() - visible + 1, strip->GetScrollOffset());
    EXPECT_FALSE(strip->IsButtonEnabled(2));
    EXPECT_FALSE(strip->IsButtonEnabled(3));
    strip->SendMessage(WM_COMMAND, FlatTabFirst, 0);
    EXPECT_EQ(0, strip->GetScrollOffset());
}

TEST_F(FlatTabCtrlTest, ForwardStaysEnabledWhileTheRowExactlyFills) {
    Make(FlatTabBottom | FlatTabArrows, 400);
    Insert(3, "Tab");
    int exact = strip->GetTotalTabWidth() + strip->GetButtonsWidth();
    strip->MoveWindow(0, 0, exact, 200);
    EXPECT_TRUE(strip->IsButtonEnabled(1));
    strip->MoveWindow(0, 0, exact + 1, 200);
    EXPECT_FALSE(strip->IsButtonEnabled(1));
}

TEST_F(FlatTabCtrlTest, ScrollOffsetStaysWithinTheRowAfterTabsGoOrTheStripWidens) {
    Make(FlatTabBottom | FlatTabArrows, 300);
    Insert(8, "Long caption");
    strip->SendMessage(WM_COMMAND, FlatTabForward, 0);
    strip->SendMessage(WM_COMMAND, FlatTabForward, 0);
    ASSERT_GT(strip->GetScrollOffset(), 0);
    while (strip->GetItemCount() > 1) strip->DeleteItem(strip->GetItemCount() - 1);
    EXPECT_EQ(0, strip->GetScrollOffset());
    CPoint start(strip->GetButtonsWidth() + 5, 195);
    EXPECT_EQ(0, strip->HitTest(&start));
}

TEST_F(FlatTabCtrlTest, MouseSelectionAsksTheOwnerFirst) {
    Make(FlatTabBottom | FlatTabArrows);
    Insert(3);
    Click(TabCentre(2));  // already selected: nothing is sent
    EXPECT_TRUE(owner.codes.empty());
    owner.refuse = TRUE;
    Click(TabCentre(0));
    EXPECT_EQ(std::vector<UINT>{TCN_SELCHANGING}, owner.codes);
    EXPECT_EQ(2, strip->GetCurSel());
    owner.refuse = FALSE;
    owner.codes.clear();
    Click(TabCentre(0));
    EXPECT_EQ((std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGE}), owner.codes);
    EXPECT_EQ(0, strip->GetCurSel());
}

TEST_F(FlatTabCtrlTest, ButtonCommandRunsWhereverTheMouseIsReleased) {
    Make(FlatTabBottom | FlatTabArrows, 300);
    Insert(8, "Long caption");
    strip->SetCurSel(0);
    int y = 200 - Height() / 2;
    strip->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ArrowWidth() + 3, y));
    strip->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(250, 20));
    app.PumpUntilIdle();
    EXPECT_GT(strip->GetScrollOffset(), 0);
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(FlatTabCtrlTest, SplitterKeepsItsProportionWithinItsLimits) {
    Make(FlatTabBottom | FlatTabArrows | FlatTabHomeEnd | FlatTabHScroll);
    EXPECT_EQ(360, strip->GetSplitterPos());
    EXPECT_EQ(60, strip->GetSplitterPercent());
    strip->SetSplitterPos(590, FALSE);
    EXPECT_EQ(600 - 4 * ArrowWidth() - Height(), strip->GetSplitterPos());
    strip->SetSplitterPos(500, FALSE);
    EXPECT_EQ(83, strip->GetSplitterPercent());
    strip->MoveWindow(0, 0, 800, 200);
    EXPECT_EQ(664, strip->GetSplitterPos());
    strip->MoveWindow(0, 0, 40, 200);  // too narrow for the buttons: the splitter stays at 0
    EXPECT_EQ(0, strip->GetSplitterPos());
}

TEST_F(FlatTabCtrlTest, EscapeReachesTheSheetUnlessItEndsASplitterDrag) {
    Make(FlatTabBottom | FlatTabArrows | FlatTabHScroll);
    MSG escape = {Sheet(0)->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    EXPECT_FALSE(strip->PreTranslateMessage(&escape));
    CPoint press(strip->GetSplitterPos() + 2, 200 - 3);
    strip->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    EXPECT_EQ(strip->m_hWnd, ::GetCapture());
    EXPECT_TRUE(strip->PreTranslateMessage(&escape));
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST_F(FlatTabCtrlTest, WideListSheetScrollsThroughTheStripsScrollBar) {
    Make(FlatTabBottom | FlatTabArrows | FlatTabHomeEnd | FlatTabHScroll);
    CListCtrl* list = new CListCtrl;
    ASSERT_TRUE(list->Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 10, 10), &owner, 300));
    for (int column = 0; column < 6; ++column) list->InsertColumn(column, "列", LVCFMT_LEFT, 300);
    list->InsertItem(0, "行");
    strip->InsertItem(0, "输出", list);
    EXPECT_FALSE(list->GetStyle() & WS_HSCROLL);
    EXPECT_TRUE(strip->GetScrollBarCtrl(SB_HORZ)->IsWindowEnabled());
    strip->DeleteAllItems();
    list->DestroyWindow();
    delete list;
}

TEST_F(FlatTabCtrlTest, OutputStripDrawsItsTabsButtonsAndSplitter) {
    Make(FlatTabBottom | FlatTabArrows | FlatTabHomeEnd | FlatTabHScroll);
    for (const char* caption : {"编译", "交叉引用", "查找"}) strip->InsertItem(strip->GetItemCount(), caption, nullptr);
    strip->SetCurSel(0);
    TestImage image(600, 200);
    RenderWindow(strip.get(), image);
    image.SaveBmp(TestOutputPath("flat-tab-output-strip.bmp"));
    int stripTop = 200 - Height();
    CRect first;
    strip->GetItemRect(0, &first);
    // The selected tab is filled with the window colour, the others with the face.
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), image.Pixel(first.left + Height() / 2 + 2, stripTop + 2));
    CRect last;
    strip->GetItemRect(2, &last);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), image.Pixel(last.right - 5, stripTop + 2));
    // Other tabs carry a shadow line along the edge against the sheets; their outline
    // shows at the corner of the outer edge.
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), image.Pixel(last.right - 1, stripTop));
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), image.Pixel(last.right - Height() / 2 - 1, 199));
    // The edge line against the sheets, in the shadow colour, right of the tabs.
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), image.Pixel(strip->GetSplitterPos() - 5, stripTop));
}
}  // namespace
