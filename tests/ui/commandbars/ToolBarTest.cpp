#include "tests/ui/commandbars/ToolBarFrame.h"
#include "ui/commandbars/UIToolbarLayout.h"

#include "ui/commandbars/UIImageStore.h"

TEST_F(ToolBars, LoadingTakesTheButtonsGroupsAndImagesOfTheResource) {
    CUIToolBar* standard = AddToolBar(IDR_TOOLBAR_STANDARD, "标准");
    ASSERT_NE(nullptr, standard);
    EXPECT_EQ(IDR_TOOLBAR_STANDARD, standard->GetBarID());
    // 14 entries, 3 of them separators; the options button the layout adds is temporary.
    int loaded = 0;
    for (int i = 0; i < standard->GetControlCount(); ++i)
        loaded += standard->GetControl(i)->m_temporary ? 0 : 1;
    EXPECT_EQ(11, loaded);
    int groups = 0;
    for (int i = 0; i < loaded; ++i) {
        groups += standard->GetControl(i)->GetBeginGroup() ? 1 : 0;
        EXPECT_NE(nullptr, GetImageManager()->GetImage(standard->GetControl(i)->GetID(), 16)) << i;
    }
    EXPECT_EQ(3, groups);
    EXPECT_NE(nullptr, standard->GetControls()->GetOriginalControls());
    EXPECT_EQ(CSize(16, 16), standard->GetButtonSize());
    EXPECT_EQ(static_cast<DWORD>(0x3F), standard->m_dockingFlags);
    EXPECT_EQ(static_cast<DWORD>(0x5F), m_menuBar->m_dockingFlags);

    // A missing resource leaves the bar empty.
    EXPECT_FALSE(standard->LoadToolBar(77, FALSE));
    EXPECT_EQ(0, standard->GetControlCount());
}

TEST_F(ToolBars, TheMenuBarHasItsRowAndTheToolbarsShareTheNext) {
    CUIToolBar* first = AddToolBar(IDR_TOOLBAR_STANDARD, "标准");
    CUIToolBar* second = AddToolBar(IDR_TOOLBAR_PROJECT, "工程");
    ASSERT_NE(nullptr, second);
    Layout(900);
    CRect rect;
    first->GetWindowRect(&rect);
    rect.OffsetRect(1, 0);  // just right of the first: the same row, after it
    ASSERT_TRUE(m_bars->DockCommandBar(second, rect, first->m_dockBar));
    Layout(900);
    CUIDockBar* top = m_bars->GetDockBar(uiBarTop);
    ASSERT_NE(nullptr, top);
    EXPECT_EQ(top, first->m_dockBar);
    const CRect menu = WindowIn(m_menuBar, top);
    const CRect one = WindowIn(first, top);
    const CRect two = WindowIn(second, top);
    CRect dock;
    top->GetClientRect(&dock);
    EXPECT_EQ(0, menu.top);
    EXPECT_EQ(dock.Width(), menu.Width());  // stretched over its row
    EXPECT_EQ(menu.bottom, one.top);
    EXPECT_EQ(one.top, two.top);
    EXPECT_EQ(one.right, two.left);
    EXPECT_EQ(two.bottom, dock.bottom);
    EXPECT_EQ(nullptr, ::GetMenu(m_frame->m_hWnd));
    // Other dock bars hold nothing and take no room.
    CRect left;
    m_bars->GetDockBar(uiBarLeft)->GetClientRect(&left);
    EXPECT_EQ(0, left.Width());
}

TEST_F(ToolBars, NarrowingHidesTrailingButtonsBehindTheOptionsButtonAndWideningRestoresThem) {
    CUIToolBar* standard = AddToolBar(IDR_TOOLBAR_STANDARD, "标准");
    Layout(900);
    EXPECT_EQ(0, HiddenForRoom(standard));
    CUIControl* options = standard->GetControls()->FindControl(ID_TOOLBAR_OPTIONS);
    ASSERT_NE(nullptr, options);
    EXPECT_TRUE(options->IsVisible());  // always shown with the default options
    CRect window;
    standard->GetClientRect(&window);
    EXPECT_EQ(window.right - 2, options->GetRect().right);
    EXPECT_EQ(CUIToolBar::OptionsWidth, options->GetRect().Width());
    EXPECT_FALSE(static_cast<CUIControlToolbarOptions*>(options)->HasHiddenButtons());

    Layout(200);
    const int hidden = HiddenForRoom(standard);
    EXPECT_GT(hidden, 0);
    EXPECT_LT(hidden, 11);
    // The hidden ones are the trailing buttons.
    EXPECT_EQ(uiHideWrap, standard->GetControl(10)->GetHideFlags());
    EXPECT_TRUE(standard->GetControl(0)->IsVisible());
    EXPECT_TRUE(static_cast<CUIControlToolbarOptions*>(options)->HasHiddenButtons());

    Layout(900);
    EXPECT_EQ(0, HiddenForRoom(standard));
}

TEST_F(ToolBars, FloatingAndDockingMoveTheWindowBetweenFrameAndDockBar) {
    CUIToolBar* standard = AddToolBar(IDR_TOOLBAR_STANDARD, "标准");
    CUIDockBar* top = m_bars->GetDockBar(uiBarTop);
    ASSERT_TRUE(m_bars->FloatCommandBar(standard));
    EXPECT_EQ(uiBarFloating, standard->GetPosition());
    EXPECT_EQ(nullptr, standard->m_dockBar);
    EXPECT_EQ(-1, top->FindBar(standard));
    EXPECT_TRUE(standard->GetStyle() & WS_POPUP);
    EXPECT_EQ(m_frame->m_hWnd, ::GetWindow(standard->m_hWnd, GW_OWNER));
    standard->SendMessage(WM_CLOSE);  // Alt+F4 leaves a floating toolbar alone
    EXPECT_TRUE(::IsWindow(standard->m_hWnd));

    ASSERT_TRUE(m_bars->DockCommandBarTo(standard, uiBarBottom));
    CUIDockBar* bottom = m_bars->GetDockBar(uiBarBottom);
    EXPECT_EQ(uiBarBottom, standard->GetPosition());
    EXPECT_EQ(bottom->m_hWnd, ::GetParent(standard->m_hWnd));
    EXPECT_TRUE(standard->GetStyle() & WS_CHILD);
    EXPECT_GE(bottom->FindBar(standard), 0);
}

TEST_F(ToolBars, TheCloseButtonInAFloatingCaptionHidesTheToolbar) {
    CUIToolBar* standard = AddToolBar(IDR_TOOLBAR_STANDARD, "标准");
    ASSERT_TRUE(m_bars->FloatCommandBar(standard));
    const CSize size = standard->CalcDynamicLayout(-1, uiLayoutHorizontal | uiLayoutLengthIsLimit | uiLayoutCommit);
    auto* close = dynamic_cast<CUIControlToolbarClose*>(standard->GetControls()->FindControl(ID_TOOLBAR_CLOSE));
    ASSERT_NE(nullptr, close);
    ASSERT_TRUE(close->IsVisible());
    EXPECT_EQ(size.cx - 3, close->GetRect().right);  // at the caption's right end
    EXPECT_EQ(3, close->GetRect().top);
    close->OnClick(TRUE);
    EXPECT_FALSE(standard->IsVisible());
    EXPECT_FALSE(standard->IsWindowVisible());
}

TEST_F(ToolBars, PreviewHidesVisibleToolbarsAndShowsThemAgain) {
    CUIToolBar* standard = AddToolBar(IDR_TOOLBAR_STANDARD, "标准");
    CUIToolBar* hidden = AddToolBar(IDR_TOOLBAR_PLC, "PLC");
    hidden->SetVisible(FALSE);
    for (CUIToolBar* bar : {standard, hidden})
        bar->SetPreviewMode(TRUE);
    EXPECT_FALSE(standard->IsVisible());
    EXPECT_FALSE(standard->IsWindowVisible());
    for (CUIToolBar* bar : {standard, hidden})
        bar->SetPreviewMode(FALSE);
    EXPECT_TRUE(standard->IsVisible());
    EXPECT_TRUE(standard->IsWindowVisible());
    EXPECT_FALSE(hidden->IsVisible());
}

namespace {

// A toolbar that notes the float-status requests its window receives.
class FloatStatusToolBar : public CUIToolBar {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_FLOATSTATUS)
            m_requests.push_back(wParam);
        return CUIToolBar::WindowProc(message, wParam, lParam);
    }
    std::vector<WPARAM> m_requests;
};

}  // namespace

TEST_F(ToolBars, AFloatingWindowMadeWhileItsFrameIsInFrontStartsActive) {
    for (BOOL frameInFront : {TRUE, FALSE}) {
        FloatStatusToolBar floating;
        floating.InternalAddRef();  // lives on the stack
        floating.SetCommandBars(m_bars);
        floating.EnableDocking(0x3F);
        ::SetForegroundWindow(frameInFront ? m_frame->m_hWnd : ::GetDesktopWindow());
        if (!frameInFront)
            m_frame->ShowWindow(SW_MINIMIZE);
        ASSERT_TRUE(floating.SetFloatingMode(m_frame, TRUE));
        ASSERT_FALSE(floating.m_requests.empty());
        EXPECT_EQ(static_cast<WPARAM>(frameInFront ? FS_ACTIVATE : FS_DEACTIVATE), floating.m_requests.front())
            << frameInFront;
        floating.DestroyWindow();
        floating.SetCommandBars(nullptr);
        m_frame->ShowWindow(SW_RESTORE);
    }
}

TEST_F(ToolBars, AToolbarInADialogTakesTheKeyboardWithTheFocusAndTabLeavesIt) {
    CWnd dialog;
    ASSERT_TRUE(dialog.CreateEx(0, AfxRegisterWndClass(0), "对话框", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), m_frame, 0));
    CWnd before, after;
    ASSERT_TRUE(before.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 80, 20), &dialog, 1));
    CUIToolBar* bar = new CUIToolBar;  // no drag tracker: a bar inside a dialog
    const UINT ids[] = {ID_PROJECT_NEW, ID_PROJECT_OPEN};
    bar->SetButtons(ids, 2);
    ASSERT_TRUE(bar->CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 30, 200, 60),
                              &dialog, 2));
    ASSERT_TRUE(after.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 80, 80, 100), &dialog, 3));
    before.SetFocus();
    bar->SetFocus();
    EXPECT_EQ(uiTracking, bar->GetTrackingMode());
    EXPECT_EQ(0, bar->GetSelectedIndex());
    EXPECT_EQ(before.m_hWnd, bar->m_savedFocus);
    EXPECT_EQ(1, bar->OnKeyDown(VK_TAB));
    EXPECT_EQ(uiNotTracking, bar->GetTrackingMode());
    EXPECT_EQ(after.m_hWnd, ::GetFocus());
    bar->DestroyWindow();
    bar->InternalRelease();
    dialog.DestroyWindow();
}

// A control change asks for a layout at idle time; the frame's layout placing the bar
// is that layout, so the idle pass after it leaves the frame alone (each docked bar
// asking would lay the whole frame out again).
TEST_F(ToolBars, TheFramesLayoutIsTheLayoutAControlChangeWaitsFor) {
    CUIToolBar* standard = AddToolBar(IDR_TOOLBAR_STANDARD, "标准");
    ASSERT_NE(nullptr, standard);
    const auto pending = [](CUIToolBar* bar) { return (bar->GetIdleFlags() & CUICommandBar::idleLayout) != 0; };
    Layout(900);
    EXPECT_FALSE(pending(standard));
    EXPECT_FALSE(pending(m_menuBar));

    // A change after it still gets its layout at idle time: the bar grows by the gap.
    const int width = ScreenRect(standard).Width();
    standard->GetControl(1)->SetBeginGroup(!standard->GetControl(1)->GetBeginGroup());
    EXPECT_TRUE(pending(standard));
    m_app.RunIdle();
    EXPECT_FALSE(pending(standard));
    EXPECT_NE(width, ScreenRect(standard).Width());
}
