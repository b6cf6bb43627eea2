#include "tests/ui/commandbars/RecordingTheme.h"
#include "tests/ui/commandbars/TestBars.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/UIPopupBar.h"
#include "ui/commandbars/UIPopupPlacement.h"
#include "ui/commandbars/UISystemPalette.h"

#include "platform/CFrameWnd.h"
#include "platform/CMenu.h"
#include "res/resource.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

namespace {

// A frame that handles the first command of the File menu (entries without a handler
// are disabled when a popup opens).
class HandlingFrame : public CFrameWnd {
protected:
    void OnNew() {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(HandlingFrame, CFrameWnd)
    ON_COMMAND(ID_PROJECT_NEW, OnNew)
END_MESSAGE_MAP()

// Test bars for the menu bar and toolbars, real popup bars for the menus.
class PopupBarFactory : public TestBarFactory {
public:
    CUICommandBar* CreatePopupBar() override { return new CUIPopupBar; }
    BOOL PopupAt(CUICommandBar* popupBar, int x, int y, LPCRECT exclude) override {
        CUIPopupBar* popup = dynamic_cast<CUIPopupBar*>(popupBar);
        return popup && popup->PopupAt(x, y, exclude);
    }
};

class PopupBars : public ::testing::Test {
protected:
    void SetUp() override {
        SelectTheme(uiThemeClassic);
        m_frame = new HandlingFrame;
        ASSERT_TRUE(m_frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 700, 400)));
        m_app.m_pMainWnd = m_frame;
        m_frame->ShowWindow(SW_SHOW);
        m_bars = new CUICommandBars;
        m_bars->SetFrameSite(m_frame);
        m_menuBar = static_cast<TestBar*>(m_bars->CreateMenuBar("菜单栏", IDR_PROJECT_TYPE));
        ASSERT_NE(nullptr, m_menuBar);
        m_menuBar->Layout();
    }
    void TearDown() override {
        CUIMouseTrackHook::Get().EndTracking();
        CUIMouseTrackHook::Get().m_fullMenus = FALSE;
        delete m_bars;
        m_app.m_pMainWnd = nullptr;
        m_frame->DestroyWindow();
    }
    BOOL SendKey(UINT message, UINT key) {
        MSG msg = {};
        msg.hwnd = m_frame->m_hWnd;
        msg.message = message;
        msg.wParam = key;
        msg.lParam = message == WM_SYSKEYDOWN ? 1 << 29 : 0;
        return m_bars->PreTranslateFrameMessage(&msg);
    }
    CUIPopupBar* OpenPopup() {
        CUIControl* open = m_menuBar->GetControl(m_menuBar->GetOpenPopupIndex());
        return open ? dynamic_cast<CUIPopupBar*>(open->GetCommandBar()) : nullptr;
    }
    // A context-menu popup of the collection holding count plain entries.
    CUIPopupBar* PopupWithEntries(int count) {
        CUIPopupBar* popup = new CUIPopupBar;
        popup->SetCommandBars(m_bars);
        for (int i = 0; i < count; ++i)
            popup->GetControls()->Add(uiControlButton, 40000 + i)->SetCaption("Entry");
        return popup;
    }

    TestApplication m_app;
    PopupBarFactory m_factory;
    RecordingThemeFactory m_themes;
    CFrameWnd* m_frame = nullptr;
    CUICommandBars* m_bars = nullptr;
    TestBar* m_menuBar = nullptr;
};

}  // namespace

TEST_F(PopupBars, AltLetterDropsTheMenuUnderItsTitleAndEscapeClosesIt) {
    ASSERT_TRUE(SendKey(WM_SYSKEYDOWN, 'F'));
    CUIPopupBar* file = OpenPopup();
    ASSERT_NE(nullptr, file);
    ASSERT_TRUE(file->IsWindowVisible());
    CRect title = m_menuBar->GetControl(0)->GetRect();
    m_menuBar->ClientToScreen(&title);
    CRect window;
    file->GetWindowRect(&window);
    EXPECT_EQ(CPoint(title.left, title.bottom), window.TopLeft());
    EXPECT_EQ(static_cast<DWORD>(uiPopupDropDown), file->GetDirection());
    EXPECT_EQ(0, file->GetSelectedIndex());  // by keyboard: the first entry is selected
    // One column: every entry from the left border, all as wide as the widest.
    for (int i = 0; i < file->GetControlCount(); ++i) {
        CUIControl* entry = file->GetControl(i);
        if (entry->IsVisible()) {
            EXPECT_EQ(CRect(2, entry->GetRect().top, 102, entry->GetRect().top + 20), entry->GetRect()) << i;
        }
    }
    EXPECT_TRUE(SendKey(WM_KEYDOWN, VK_ESCAPE));
    EXPECT_EQ(nullptr, file->m_hWnd);  // the window lives only while the popup is open
    EXPECT_EQ(uiTracking, m_menuBar->GetTrackingMode());
    EXPECT_TRUE(SendKey(WM_KEYDOWN, VK_ESCAPE));
    EXPECT_FALSE(CUIMouseTrackHook::Get().IsTracking());
}

TEST_F(PopupBars, ColumnLayoutStacksEntriesWithSeparators) {
    CUIPopupBar* popup = PopupWithEntries(0);
    EXPECT_EQ(CSize(2 + 22 + 2, 22 + 2), popup->CalcDynamicLayout(0, 0));  // empty
    for (int i = 0; i < 4; ++i)
        popup->GetControls()->Add(uiControlButton, 40000 + i)->SetCaption("Entry");
    popup->GetControl(0)->SetBeginGroup(TRUE);  // no separator above the first entry
    popup->GetControl(2)->SetBeginGroup(TRUE);
    popup->GetControl(3)->SetHideFlags(uiHideCustomize);
    EXPECT_EQ(CSize(2 + 100 + 2, 2 + 20 + 20 + 6 + 20 + 2), popup->CalcDynamicLayout(0, 0));
    EXPECT_EQ(CRect(2, 2, 102, 22), popup->GetControl(0)->GetRect());
    EXPECT_EQ(CRect(2, 48, 102, 68), popup->GetControl(2)->GetRect());
    popup->InternalRelease();
}

TEST_F(PopupBars, RarelyUsedCommandsWaitBehindTheExpandEntry) {
    CUICommandBarsOptions* options = m_bars->GetCommandBarsOptions();
    options->m_alwaysShowFullMenus = FALSE;
    options->m_hiddenCommands.Add(40001);
    options->m_hiddenCommands.Add(40002);
    CUIPopupBar* popup = PopupWithEntries(4);
    ASSERT_TRUE(popup->PopupAt(100, 100, nullptr));
    EXPECT_TRUE(popup->HasHiddenCommands());
    EXPECT_EQ(static_cast<DWORD>(uiHideRarelyUsed), popup->GetControl(1)->GetHideFlags());
    EXPECT_TRUE(popup->GetControl(0)->IsVisible());
    CUIControl* expand = popup->GetControls()->FindControl(CUIControlExpandButton::ExpandId);
    ASSERT_NE(nullptr, expand);
    EXPECT_TRUE(expand->IsVisible());
    expand->OnExecute();
    EXPECT_TRUE(popup->GetControl(1)->IsVisible());
    EXPECT_FALSE(expand->IsVisible());
    EXPECT_TRUE(CUIMouseTrackHook::Get().m_fullMenus);  // later popups open expanded
    popup->EndTrackingMode();
    EXPECT_FALSE(CUIMouseTrackHook::Get().m_fullMenus);

    // A command once used shows; a popup of rarely used commands only shows them all.
    m_bars->SetCommandUsed(40001);
    options->m_hiddenCommands.Add(40000);
    options->m_hiddenCommands.Add(40003);
    ASSERT_TRUE(popup->PopupAt(100, 100, nullptr));
    EXPECT_TRUE(popup->HasHiddenCommands());
    EXPECT_TRUE(popup->GetControl(1)->IsVisible());
    popup->EndTrackingMode();
    CUIPopupBar* other = PopupWithEntries(0);
    other->GetControls()->Add(uiControlButton, 40003);
    other->GetControls()->Add(uiControlButton, 40002);
    ASSERT_TRUE(other->PopupAt(100, 100, nullptr));
    EXPECT_FALSE(other->HasHiddenCommands());
    EXPECT_EQ(nullptr, other->GetControls()->FindControl(CUIControlExpandButton::ExpandId));
    other->EndTrackingMode();
    other->InternalRelease();
    popup->InternalRelease();
}

TEST_F(PopupBars, ATallPopupScrollsOneEntryPerTimerTick) {
    CUIPopupBar* popup = PopupWithEntries(100);
    ASSERT_TRUE(popup->PopupAt(100, 100, nullptr));
    ASSERT_TRUE(popup->IsScrolling());
    CRect window;
    popup->GetWindowRect(&window);
    CRect work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(window.bottom, work.bottom - 5);
    EXPECT_TRUE(popup->GetScrollButton(FALSE).IsRectEmpty());
    EXPECT_FALSE(popup->GetScrollButton(TRUE).IsRectEmpty());
    const int shown = popup->GetEndVisible();
    EXPECT_GT(shown, 0);
    EXPECT_TRUE(popup->GetControl(shown)->GetHideFlags() & uiHideScroll);

    // The arrows are drawn in palette colour 18.
    TestImage image(window.Width(), window.Height());
    RenderWindow(popup, image);
    image.SaveBmp(TestOutputPath("commandbars-popup-scrolling.bmp"));
    const CPoint arrow = popup->GetScrollButton(TRUE).CenterPoint();
    EXPECT_EQ(GetUISystemPalette().GetColor(18), image.Pixel(arrow.x, arrow.y + 1));

    popup->SendMessage(WM_TIMER, CUIPopupBar::ScrollDownTimerId);
    EXPECT_EQ(shown + 1, popup->GetEndVisible());
    EXPECT_FALSE(popup->GetScrollButton(FALSE).IsRectEmpty());  // now it can scroll back
    for (int tick = 0; tick < 200 && popup->GetEndVisible() < 100; ++tick)
        popup->SendMessage(WM_TIMER, CUIPopupBar::ScrollDownTimerId);
    EXPECT_EQ(100, popup->GetEndVisible());
    EXPECT_TRUE(popup->GetScrollButton(TRUE).IsRectEmpty());
    EXPECT_TRUE(popup->GetControl(99)->IsVisible());
    // Selecting the first entry by keyboard scrolls it back into view.
    popup->SetSelected(0, TRUE);
    EXPECT_EQ(0, popup->GetFirstVisible());
    EXPECT_TRUE(popup->GetControl(0)->IsVisible());
    popup->EndTrackingMode();
    popup->InternalRelease();
}

TEST_F(PopupBars, ContextMenusOpenAtThePointAndReturnTheChosenCommand) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_PROJECT_TYPE));
    ::SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        for (CUICommandBar* bar : CUIMouseTrackHook::Get().GetTrackingBars()) {
            CRect window;
            bar->GetWindowRect(&window);
            if (window.TopLeft() != CPoint(120, 90))
                continue;  // not where the menu was asked for: no choice, the watchdog ends it
            const CPoint entry = bar->GetControl(0)->GetRect().CenterPoint();
            bar->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(entry.x, entry.y));
        }
    });
    // The watchdog must not outlive the test: firing later it would end another test's menu.
    const UINT_PTR watchdog = ::SetTimer(nullptr, 0, 2000, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        CUIMouseTrackHook::Get().EndTracking();
    });
    EXPECT_EQ(static_cast<int>(ID_PROJECT_NEW),
              m_bars->TrackContextMenu(menu.GetSubMenu(0), CUICommandBars::ReturnCommand, 120, 90, m_frame));
    ::KillTimer(nullptr, watchdog);
    EXPECT_FALSE(CUIMouseTrackHook::Get().IsTracking());
}

TEST_F(PopupBars, AMenuLeftOpenWithThePointerOnItsTitleShowsItsHiddenCommands) {
    CUICommandBarsOptions* options = m_bars->GetCommandBarsOptions();
    options->m_alwaysShowFullMenus = FALSE;
    options->m_hiddenCommands.Add(ID_PROJECT_NEW);
    ASSERT_TRUE(m_menuBar->SetOpenPopup(0, FALSE));
    CUIPopupBar* popup = OpenPopup();
    ASSERT_NE(nullptr, popup);
    ASSERT_TRUE(popup->HasHiddenCommands());
    CUIControl* title = m_menuBar->GetControl(0);
    CPoint away = title->GetRect().BottomRight() + CPoint(300, 300);
    m_menuBar->ClientToScreen(&away);
    ::SetCursorPos(away.x, away.y);
    m_menuBar->SendMessage(WM_TIMER, CUICommandBar::ShowFullTimerId);
    EXPECT_FALSE(popup->GetControls()->FindControl(ID_PROJECT_NEW)->IsVisible());  // not on the title
    CPoint over = title->GetRect().CenterPoint();
    m_menuBar->ClientToScreen(&over);
    ::SetCursorPos(over.x, over.y);
    m_menuBar->SendMessage(WM_TIMER, CUICommandBar::ShowFullTimerId);
    EXPECT_TRUE(popup->GetControls()->FindControl(ID_PROJECT_NEW)->IsVisible());
}
