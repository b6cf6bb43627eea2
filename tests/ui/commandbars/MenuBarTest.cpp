#include "tests/ui/commandbars/RecordingTheme.h"
#include "tests/ui/commandbars/TestBars.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIImageStore.h"
#include "ui/commandbars/UIMenuBar.h"
#include "ui/commandbars/UIMouseTrackHook.h"

#include "platform/CMDIChildWnd.h"
#include "platform/CMDIFrameWnd.h"
#include "res/resource.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

namespace {

class MenuBarFactory : public TestBarFactory {
public:
    CUICommandBar* CreateMenuBar() override { return new CUIMenuBar; }
};

// A child window that records the system commands posted to it.
class RecordingChild : public CMDIChildWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) != SC_KEYMENU) {
            m_commands.push_back(static_cast<UINT>(wParam & 0xFFF0));
            return 0;
        }
        return CMDIChildWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<UINT> m_commands;
};

// A collection that can be made customizable (as a frame with a customize command is).
class CustomizableBars : public CUICommandBars {
public:
    void SetCustomizable(BOOL customizable) { m_customizable = customizable; }
};

class MenuBars : public ::testing::Test {
protected:
    void SetUp() override {
        SelectTheme(uiThemeClassic);
        m_frame = new CMDIFrameWnd;
        ASSERT_TRUE(m_frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW, nullptr, nullptr));
        m_app.m_pMainWnd = m_frame;
        m_frame->ShowWindow(SW_SHOW);
        ASSERT_NE(nullptr, ::GetMenu(m_frame->m_hWnd));
        m_bars = new CustomizableBars;
        m_bars->SetFrameSite(m_frame);
        m_bars->EnableDockingBars();
        m_menuBar = dynamic_cast<CUIMenuBar*>(m_bars->CreateMenuBar("标准菜单栏", IDR_PROJECT_TYPE));
        ASSERT_NE(nullptr, m_menuBar);
        m_frame->RecalcLayout();
    }
    void TearDown() override {
        CUIMouseTrackHook::Get().EndTracking();
        delete m_bars;
        m_app.m_pMainWnd = nullptr;
        m_frame->DestroyWindow();
    }
    // A key as the system posts it to the frame: scan code, repeat count 1, the Alt
    // context bit while Alt is held, the up bits on release.
    void PostKey(UINT message, UINT key, BOOL altHeld) {
        LPARAM lParam = static_cast<LPARAM>(::MapVirtualKeyA(key, 0) << 16) | 1;
        if (altHeld)
            lParam |= 1 << 29;
        if (message == WM_KEYUP || message == WM_SYSKEYUP)
            lParam |= 0xC0000000;
        m_frame->PostMessage(message, key, lParam);
    }
    // The queued messages as the program's loop handles them: the bars' pre-translation
    // first, the window's own (default) handling for what they leave.
    void PumpThroughTheBars() {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!m_bars->PreTranslateFrameMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
    }
    void PressEscape() {
        PostKey(WM_KEYDOWN, VK_ESCAPE, FALSE);
        PostKey(WM_KEYUP, VK_ESCAPE, FALSE);
        PumpThroughTheBars();
    }
    CString OpenTitle() {
        CUIControl* open = m_menuBar->GetControl(m_menuBar->GetOpenPopupIndex());
        return open ? open->GetCaption() : CString();
    }
    std::vector<UINT> ButtonIds() {
        std::vector<UINT> ids;
        for (int i = 0; i < m_menuBar->GetControlCount(); ++i) {
            const UINT id = m_menuBar->GetControl(i)->GetID();
            if (id >= CUIMenuBar::CloseId && id <= CUIMenuBar::MinimizeId)
                ids.push_back(id);
        }
        return ids;
    }

    TestApplication m_app;
    MenuBarFactory m_factory;
    RecordingThemeFactory m_themes;
    CMDIFrameWnd* m_frame = nullptr;
    CustomizableBars* m_bars = nullptr;
    CUIMenuBar* m_menuBar = nullptr;
};

}  // namespace

TEST_F(MenuBars, TheBarTakesTheFramesMenuAwayAndShowsItsTitles) {
    EXPECT_EQ(nullptr, ::GetMenu(m_frame->m_hWnd));
    EXPECT_EQ(10, m_menuBar->GetControlCount());
    EXPECT_EQ(IDR_PROJECT_TYPE, m_menuBar->GetCurrentMenuId());
    for (UINT command : {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE})
        EXPECT_NE(nullptr, GetImageManager()->GetImage(command, 16)) << command;
    // The frame's menu stays away when the MDI client is told to set one.
    ::SendMessageA(m_frame->m_hWndMDIClient, WM_MDISETMENU, 0, 0);
    EXPECT_EQ(nullptr, ::GetMenu(m_frame->m_hWnd));
}

TEST_F(MenuBars, AltAloneEntersMenuModeOnTheFirstTitle) {
    m_frame->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 0);
    EXPECT_EQ(uiTracking, m_menuBar->GetTrackingMode());
    EXPECT_EQ(0, m_menuBar->GetSelectedIndex());
    m_menuBar->EndTrackingMode();
    // Not while a drag suspends menu tracking.
    CUIMouseTrackHook::Get().m_suspendCount = 1;
    m_frame->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 0);
    CUIMouseTrackHook::Get().m_suspendCount = 0;
    EXPECT_EQ(uiNotTracking, m_menuBar->GetTrackingMode());
}

TEST_F(MenuBars, AltLetterOpensItsMenuWhicheverKeyIsReleasedFirst) {
    // The default handling takes an Alt released before the letter for Alt alone, also
    // after a menu was opened and left by Esc.
    const struct {
        UINT letter;
        BOOL altReleasedFirst;
        LPCSTR title;
    } cases[] = {
        {'F', FALSE, "文件(&F)"},
        {'V', FALSE, "查看(&V)"},
        {'F', TRUE, "文件(&F)"},
        {'V', TRUE, "查看(&V)"},
        {'E', TRUE, "编辑(&E)"},
    };
    for (const auto& c : cases) {
        PostKey(WM_SYSKEYDOWN, VK_MENU, TRUE);
        PostKey(WM_SYSKEYDOWN, c.letter, TRUE);
        if (c.altReleasedFirst) {
            PostKey(WM_SYSKEYUP, VK_MENU, FALSE);
            PostKey(WM_SYSKEYUP, c.letter, FALSE);
        } else {
            PostKey(WM_SYSKEYUP, c.letter, TRUE);
            PostKey(WM_SYSKEYUP, VK_MENU, FALSE);
        }
        PumpThroughTheBars();
        EXPECT_STREQ(c.title, OpenTitle()) << c.title << " alt released first " << c.altReleasedFirst;
        EXPECT_EQ(m_menuBar->GetOpenPopupIndex(), m_menuBar->GetSelectedIndex()) << c.title;
        EXPECT_EQ(uiTrackingPopupOpen, m_menuBar->GetTrackingMode()) << c.title;
        PressEscape();
        PressEscape();
        EXPECT_EQ(uiNotTracking, m_menuBar->GetTrackingMode()) << c.title;
    }
    // Alt alone still enters menu mode on the first title.
    PostKey(WM_SYSKEYDOWN, VK_MENU, TRUE);
    PostKey(WM_SYSKEYUP, VK_MENU, FALSE);
    PumpThroughTheBars();
    EXPECT_EQ(uiTracking, m_menuBar->GetTrackingMode());
    EXPECT_EQ(0, m_menuBar->GetSelectedIndex());
    EXPECT_EQ(-1, m_menuBar->GetOpenPopupIndex());
}

TEST_F(MenuBars, AMaximisedChildAddsItsButtonsAndTheyPostSystemCommands) {
    RecordingChild* child = new RecordingChild;
    ASSERT_TRUE(child->LoadFrame(IDR_MAINFRAME, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, m_frame, nullptr));
    child->MDIActivate();
    m_menuBar->RefreshMdiChild();
    EXPECT_TRUE(ButtonIds().empty());
    ::SendMessageA(m_frame->m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->m_hWnd), 0);
    m_menuBar->SendMessage(WM_TIMER, CUIMenuBar::RefreshTimerId);
    EXPECT_EQ((std::vector<UINT>{CUIMenuBar::MinimizeId, CUIMenuBar::RestoreId, CUIMenuBar::CloseId}), ButtonIds());
    m_menuBar->GetControls()->FindControl(CUIMenuBar::RestoreId)->OnExecute();
    MSG msg;
    while (::PeekMessageA(&msg, child->m_hWnd, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    EXPECT_EQ(std::vector<UINT>{SC_RESTORE}, child->m_commands);

    ::SendMessageA(m_frame->m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child->m_hWnd), 0);
    m_menuBar->SendMessage(WM_TIMER, CUIMenuBar::RefreshTimerId);
    EXPECT_TRUE(ButtonIds().empty());

    // A child without a minimise box gets no minimise button.
    child->ModifyStyle(WS_MINIMIZEBOX, 0);
    ::SendMessageA(m_frame->m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->m_hWnd), 0);
    m_menuBar->SendMessage(WM_TIMER, CUIMenuBar::RefreshTimerId);
    EXPECT_EQ((std::vector<UINT>{CUIMenuBar::RestoreId, CUIMenuBar::CloseId}), ButtonIds());
    child->MDIDestroy();
}

TEST_F(MenuBars, AskedToTheBarShowsTheMaximisedChildsSystemMenuFirst) {
    m_menuBar->m_dockingFlags |= CUIMenuBar::ShowSystemMenu;
    RecordingChild* child = new RecordingChild;
    ASSERT_TRUE(child->LoadFrame(IDR_MAINFRAME, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, m_frame, nullptr));
    child->MDIActivate();
    ::SendMessageA(m_frame->m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->m_hWnd), 0);
    m_menuBar->SendMessage(WM_TIMER, CUIMenuBar::RefreshTimerId);
    CUIControl* first = m_menuBar->GetControl(0);
    ASSERT_EQ(CUIMenuBar::SystemMenuId, first->GetID());
    EXPECT_EQ(CSize(16, 16), first->GetSize(nullptr));
    CUICommandBar* popup = first->GetCommandBar();
    ASSERT_NE(nullptr, popup);
    EXPECT_FALSE(popup->IsCustomizable());
    HMENU system = ::GetSystemMenu(child->m_hWnd, FALSE);
    int commands = 0;
    for (int i = 0; i < ::GetMenuItemCount(system); ++i)
        commands += ::GetMenuItemID(system, i) >= 0xF000 && ::GetMenuItemID(system, i) < 0xF1F0 ? 1 : 0;
    ASSERT_GT(commands, 0);
    EXPECT_EQ(commands, popup->GetControlCount());
    CUIControl* close = popup->GetControls()->FindControl(SC_CLOSE);
    ASSERT_NE(nullptr, close);
    EXPECT_FALSE(close->GetCaption().IsEmpty());
    EXPECT_TRUE(close->GetBeginGroup());  // after the separator

    ::SendMessageA(m_frame->m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child->m_hWnd), 0);
    m_menuBar->SendMessage(WM_TIMER, CUIMenuBar::RefreshTimerId);
    EXPECT_EQ(nullptr, m_menuBar->GetControls()->FindControl(CUIMenuBar::SystemMenuId));
    child->MDIDestroy();
}

TEST_F(MenuBars, ResetAsksWithTheBarsTitleAndRestoresTheMenusTitles) {
    m_menuBar->GetControls()->Remove(2);
    ASSERT_EQ(9, m_menuBar->GetControlCount());
    ScriptedMessageBoxes boxes({IDCANCEL, IDOK});
    m_menuBar->Reset();
    EXPECT_EQ(9, m_menuBar->GetControlCount());
    m_menuBar->Reset();
    ASSERT_EQ(2u, boxes.Calls().size());
    EXPECT_EQ("Are you sure you want to reset the changes made to the '标准菜单栏' toolbar?", boxes.Calls()[1].text);
    EXPECT_EQ(10, m_menuBar->GetControlCount());
}

TEST_F(MenuBars, CustomizableBarsKeepEachDocumentTypesMenuAndSaveOnlyChangedOnes) {
    m_bars->SetCustomizable(TRUE);
    RecordingChild* child = new RecordingChild;
    ASSERT_TRUE(child->LoadFrame(IDR_MAINFRAME, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, m_frame, nullptr));
    child->MDIActivate();
    const UINT childMenuId = m_bars->GetActiveMenuId();
    ASSERT_NE(0u, childMenuId);
    ASSERT_NE(static_cast<UINT>(IDR_PROJECT_TYPE), childMenuId);
    CMenu childMenu, projectMenu;
    ASSERT_TRUE(childMenu.LoadMenu(childMenuId));
    ASSERT_TRUE(projectMenu.LoadMenu(IDR_PROJECT_TYPE));
    m_menuBar->SwitchMenu(childMenu.GetSafeHmenu());
    EXPECT_EQ(childMenuId, m_menuBar->GetCurrentMenuId());
    CUIControls* kept = m_menuBar->GetMenuControls(IDR_PROJECT_TYPE);
    ASSERT_NE(nullptr, kept);
    EXPECT_EQ(10, kept->GetCount());
    EXPECT_NE(nullptr, m_menuBar->GetControls()->GetOriginalControls());
    const int childTitles = m_menuBar->GetControlCount();
    m_menuBar->GetControls()->Remove(0);  // the user's change to this menu

    child->MDIDestroy();
    m_menuBar->SwitchMenu(projectMenu.GetSafeHmenu());
    EXPECT_EQ(static_cast<UINT>(IDR_PROJECT_TYPE), m_menuBar->GetCurrentMenuId());
    EXPECT_EQ(kept, m_menuBar->GetControls());  // the same controls came back
    ASSERT_NE(nullptr, m_menuBar->GetMenuControls(childMenuId));
    EXPECT_EQ(childTitles - 1, m_menuBar->GetMenuControls(childMenuId)->GetCount());

    m_menuBar->PrepareForSave();
    EXPECT_TRUE(m_menuBar->AreMenusSaved());
    EXPECT_NE(nullptr, m_menuBar->GetMenuControls(childMenuId));  // changed: kept for saving
}
