#include "tests/ui/commandbars/RecordingTheme.h"
#include "tests/ui/commandbars/TestBars.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UICommandBarsMessages.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIMouseTrackHook.h"

#include "platform/CMDIChildWnd.h"
#include "platform/CMDIFrameWnd.h"
#include "res/resource.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

const UINT ID_DISABLED_HERE = 33101;
const UINT ID_NO_HANDLER = 33102;

// An MDI frame that records what the bars send it and whether menus still tracked
// when a command arrived.
class RecordingFrame : public CMDIFrameWnd {
public:
    struct Event {
        UINT message;
        WPARAM wParam;
        BOOL tracking;
        INT_PTR recordId = 0;
        INT_PTR recordCode = 0;
    };

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == CommandBarsExecuteNotify || message == WM_COMMAND) {
            Event event{message, wParam, CUIMouseTrackHook::Get().IsTracking()};
            if (message == CommandBarsExecuteNotify) {
                const UIExecuteRecord* record = reinterpret_cast<const UIExecuteRecord*>(lParam);
                event.recordId = record->id;
                event.recordCode = record->code;
            }
            m_events.push_back(event);
            if (message == WM_COMMAND)
                return 0;
        }
        return CMDIFrameWnd::WindowProc(message, wParam, lParam);
    }

    std::vector<Event> m_events;

protected:
    void OnSave() {}
    void OnUpdateDisabled(CCmdUI* ui) { ui->Enable(FALSE); }
    void OnUpdateSave(CCmdUI* ui) { ui->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingFrame, CMDIFrameWnd)
    ON_COMMAND(ID_PROJECT_SAVE, OnSave)
    ON_UPDATE_COMMAND_UI(ID_PROJECT_SAVE, OnUpdateSave)
    ON_UPDATE_COMMAND_UI(ID_DISABLED_HERE, OnUpdateDisabled)
END_MESSAGE_MAP()

// A toolbar that takes itself out of its collection from one of its handlers and
// then goes on using its own state.
class SelfRemovingBar : public TestBar {
    DECLARE_DYNCREATE(SelfRemovingBar)

public:
    static const UINT RemoveMe = WM_USER + 5;
    ~SelfRemovingBar() override { ++s_destroyed; }

    static int s_destroyed;
    static bool s_aliveAfterRemove;

protected:
    LRESULT OnRemoveMe(WPARAM, LPARAM) {
        GetCommandBars()->Remove(this);
        s_aliveAfterRemove = s_destroyed == 0 && m_hWnd != nullptr && !m_visible;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
int SelfRemovingBar::s_destroyed = 0;
bool SelfRemovingBar::s_aliveAfterRemove = false;
BEGIN_MESSAGE_MAP(SelfRemovingBar, TestBar)
    ON_MESSAGE(RemoveMe, OnRemoveMe)
END_MESSAGE_MAP()
IMPLEMENT_DYNCREATE(SelfRemovingBar, TestBar)

// A frame with its command bars: the menu bar from menu 123 and one toolbar.
class CommandBarsFrame : public ::testing::Test {
protected:
    void SetUp() override {
        SelectTheme(uiThemeClassic);
        m_theme = static_cast<RecordingTheme*>(GetGlobalTheme());
        m_frame = new RecordingFrame;
        ASSERT_TRUE(m_frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 700, 400)));
        m_app.m_pMainWnd = m_frame;
        m_frame->ShowWindow(SW_SHOW);
        m_bars = new CUICommandBars;
        m_bars->SetFrameSite(m_frame);
        m_menuBar = static_cast<TestBar*>(m_bars->CreateMenuBar("菜单栏", IDR_PROJECT_TYPE));
        ASSERT_NE(nullptr, m_menuBar);
        m_toolBar = static_cast<TestBar*>(m_bars->AddToolBar("标准", uiBarTop, RUNTIME_CLASS(TestBar)));
        ASSERT_NE(nullptr, m_toolBar);
        m_toolBar->SetWindowPos(nullptr, 0, 30, 600, 26, SWP_NOZORDER);
    }
    void TearDown() override {
        CUIMouseTrackHook::Get().EndTracking();
        delete m_bars;
        m_app.m_pMainWnd = nullptr;
        m_frame->DestroyWindow();
    }

    BOOL AltKey(char letter) {
        MSG msg = {};
        msg.hwnd = m_frame->m_hWnd;
        msg.message = WM_SYSKEYDOWN;
        msg.wParam = static_cast<WPARAM>(letter);
        msg.lParam = 1 << 29;
        return m_bars->PreTranslateFrameMessage(&msg);
    }
    BOOL Key(UINT key) {
        MSG msg = {};
        msg.hwnd = m_frame->m_hWnd;
        msg.message = WM_KEYDOWN;
        msg.wParam = key;
        return m_bars->PreTranslateFrameMessage(&msg);
    }
    CUICommandBar* OpenPopup() {
        CUIControl* open = m_menuBar->GetControl(m_menuBar->GetOpenPopupIndex());
        return open ? open->GetCommandBar() : nullptr;
    }
    CUIControl* AddButton(CUICommandBar* bar, UINT id, LPCSTR caption) {
        CUIControl* control = bar->GetControls()->Add(uiControlButton, id);
        control->SetCaption(caption);
        return control;
    }
    CPoint Centre(CUIControl* control) { return control->GetRect().CenterPoint(); }

    TestApplication m_app;
    TestBarFactory m_factory;
    RecordingThemeFactory m_themes;
    RecordingTheme* m_theme = nullptr;
    RecordingFrame* m_frame = nullptr;
    CUICommandBars* m_bars = nullptr;
    TestBar* m_menuBar = nullptr;
    TestBar* m_toolBar = nullptr;
};

}  // namespace

TEST_F(CommandBarsFrame, AltLetterOpensItsMenuAndEscapeLeavesStepByStep) {
    EXPECT_EQ(IDR_PROJECT_TYPE, m_bars->GetDefaultMenuId());
    EXPECT_EQ(1u, m_menuBar->GetBarID());
    EXPECT_TRUE(m_menuBar->GetControls()->GetOriginalControls() != nullptr);
    EXPECT_TRUE(AltKey('E'));
    EXPECT_EQ(1, m_menuBar->GetOpenPopupIndex());
    EXPECT_EQ(uiTrackingPopupOpen, m_menuBar->GetTrackingMode());
    ASSERT_NE(nullptr, OpenPopup());
    EXPECT_TRUE(OpenPopup()->IsWindowVisible());
    EXPECT_EQ(0, OpenPopup()->GetSelectedIndex());  // opened by keyboard: first entry selected
    CUICommandBar* popup = OpenPopup();
    EXPECT_TRUE(Key(VK_ESCAPE));  // the popup goes first
    EXPECT_EQ(uiNotTracking, popup->GetTrackingMode());
    EXPECT_FALSE(popup->IsWindowVisible());
    EXPECT_EQ(uiTracking, m_menuBar->GetTrackingMode());
    EXPECT_TRUE(Key(VK_ESCAPE));  // then menu mode ends
    EXPECT_EQ(uiNotTracking, m_menuBar->GetTrackingMode());
    EXPECT_FALSE(CUIMouseTrackHook::Get().IsTracking());
}

TEST_F(CommandBarsFrame, AmbiguousAltLetterSelectsAndCyclesWithoutOpening) {
    // A second entry with the mnemonic D besides "调试(&D)".
    CUIControl* data = m_menuBar->GetControls()->Add(uiControlPopup, 0);
    data->SetCaption("&Data");
    const int debug = 6;
    const int dataIndex = data->GetIndex();
    EXPECT_TRUE(AltKey('D'));
    EXPECT_EQ(uiTracking, m_menuBar->GetTrackingMode());
    EXPECT_EQ(-1, m_menuBar->GetOpenPopupIndex());
    EXPECT_EQ(debug, m_menuBar->GetSelectedIndex());
    EXPECT_TRUE(AltKey('D'));  // now a key of the tracking bar
    EXPECT_EQ(dataIndex, m_menuBar->GetSelectedIndex());
    EXPECT_TRUE(AltKey('D'));
    EXPECT_EQ(debug, m_menuBar->GetSelectedIndex());
    EXPECT_EQ(-1, m_menuBar->GetOpenPopupIndex());
    // Alt alone ends menu mode.
    EXPECT_TRUE(AltKey(VK_MENU));
    EXPECT_EQ(uiNotTracking, m_menuBar->GetTrackingMode());
}

TEST_F(CommandBarsFrame, ArrowsFollowTheBarsOrientation) {
    ASSERT_TRUE(AltKey('F'));
    CUICommandBar* file = OpenPopup();
    ASSERT_NE(nullptr, file);
    EXPECT_TRUE(Key(VK_DOWN));  // vertical popup: Down is next
    EXPECT_EQ(1, file->GetSelectedIndex());
    EXPECT_TRUE(Key(VK_UP));
    EXPECT_EQ(0, file->GetSelectedIndex());
    EXPECT_TRUE(Key(VK_UP));  // wraps to the last
    EXPECT_EQ(file->GetControls()->GetNextIndex(-1, -1, TRUE, FALSE), file->GetSelectedIndex());
    // In a popup without submenus Left and Right are not the popup's: the menu bar
    // moves to its previous (wrapping to the last) or next title and opens it.
    EXPECT_TRUE(Key(VK_LEFT));
    EXPECT_EQ(uiNotTracking, file->GetTrackingMode());
    EXPECT_EQ(9, m_menuBar->GetSelectedIndex());
    EXPECT_EQ(9, m_menuBar->GetOpenPopupIndex());
    EXPECT_TRUE(Key(VK_RIGHT));
    EXPECT_EQ(0, m_menuBar->GetOpenPopupIndex());
    EXPECT_TRUE(file->IsWindowVisible());
    EXPECT_TRUE(Key(VK_ESCAPE));
    // On the horizontal bar itself, with no popup open.
    EXPECT_TRUE(Key(VK_END));
    EXPECT_EQ(9, m_menuBar->GetSelectedIndex());
    EXPECT_TRUE(Key(VK_HOME));
    EXPECT_EQ(0, m_menuBar->GetSelectedIndex());
    EXPECT_TRUE(Key(VK_RIGHT));
    EXPECT_EQ(1, m_menuBar->GetSelectedIndex());
    EXPECT_EQ(-1, m_menuBar->GetOpenPopupIndex());
    EXPECT_TRUE(Key(VK_DOWN));  // Down opens the selected title
    EXPECT_EQ(1, m_menuBar->GetOpenPopupIndex());
}

TEST_F(CommandBarsFrame, EnterRunsTheEntryAfterEveryMenuClosed) {
    ASSERT_TRUE(AltKey('F'));
    CUICommandBar* file = OpenPopup();
    CUIControl* save = file->GetControls()->FindControl(ID_PROJECT_SAVE);
    ASSERT_NE(nullptr, save);
    file->SetSelected(save->GetIndex(), TRUE);
    EXPECT_TRUE(Key(VK_RETURN));
    ASSERT_EQ(2u, m_frame->m_events.size());
    EXPECT_EQ(static_cast<UINT>(CommandBarsExecuteNotify), m_frame->m_events[0].message);
    EXPECT_EQ(ID_PROJECT_SAVE, m_frame->m_events[0].wParam);
    EXPECT_EQ(ID_PROJECT_SAVE, static_cast<UINT>(m_frame->m_events[0].recordId));
    EXPECT_EQ(UIExecuteCode, m_frame->m_events[0].recordCode);
    EXPECT_FALSE(m_frame->m_events[0].tracking);
    EXPECT_EQ(static_cast<UINT>(WM_COMMAND), m_frame->m_events[1].message);
    EXPECT_EQ(ID_PROJECT_SAVE, m_frame->m_events[1].wParam);
    EXPECT_FALSE(m_frame->m_events[1].tracking);
    EXPECT_FALSE(file->IsWindowVisible());
    EXPECT_EQ(uiNotTracking, m_menuBar->GetTrackingMode());
}

TEST_F(CommandBarsFrame, PressingRunsOnlyWhenReleasedOverTheButton) {
    CUIControl* button = AddButton(m_toolBar, ID_PROJECT_SAVE, "Save");
    m_toolBar->Layout();
    const CPoint inside = Centre(button);
    const CPoint outside(inside.x + 300, inside.y);
    struct Case {
        std::vector<CPoint> moves;
        size_t commands;
    } cases[] = {
        {{}, 1},                          // no move at all
        {{outside}, 0},                   // moved off and released there
        {{outside, inside}, 1},           // moved off and back
    };
    for (const Case& c : cases) {
        m_frame->m_events.clear();
        for (CPoint move : c.moves)
            m_toolBar->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(move.x, move.y));
        const CPoint release = c.moves.empty() ? inside : c.moves.back();
        m_toolBar->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(release.x, release.y));
        m_toolBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
        size_t commands = 0;
        for (const RecordingFrame::Event& event : m_frame->m_events)
            commands += event.message == WM_COMMAND ? 1 : 0;
        EXPECT_EQ(c.commands, commands) << c.moves.size();
        EXPECT_NE(1, button->GetPressed());
        EXPECT_EQ(nullptr, ::GetCapture());
    }
}

TEST_F(CommandBarsFrame, PressLoopEndsOnQuitAndKeepsTheQuitQueued) {
    CUIControl* button = AddButton(m_toolBar, ID_PROJECT_SAVE, "Save");
    m_toolBar->Layout();
    const CPoint inside = Centre(button);
    ::PostQuitMessage(3);
    m_toolBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
    EXPECT_TRUE(m_frame->m_events.empty());
    EXPECT_EQ(nullptr, ::GetCapture());
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3u, msg.wParam);
}

TEST_F(CommandBarsFrame, PressLoopEndsWhenAnotherWindowTakesTheCapture) {
    CUIControl* button = AddButton(m_toolBar, ID_PROJECT_SAVE, "Save");
    m_toolBar->Layout();
    const CPoint inside = Centre(button);
    // The capture goes to the menu bar before the release arrives.
    ::SetTimer(m_menuBar->m_hWnd, 77, 1, [](HWND hwnd, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(hwnd, id);
        ::SetCapture(hwnd);
    });
    m_toolBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
    EXPECT_TRUE(m_frame->m_events.empty());
    EXPECT_EQ(0, button->GetPressed());
    ::ReleaseCapture();
}

TEST_F(CommandBarsFrame, HoverOpensASubmenuOfAPopup) {
    ASSERT_TRUE(AltKey('V'));
    CUICommandBar* view = OpenPopup();
    ASSERT_NE(nullptr, view);
    CUIControl* styles = view->GetControls()->FindControl(uiControlPopup, -1, FALSE, FALSE);
    ASSERT_NE(nullptr, styles);
    view->SetSelected(styles->GetIndex(), FALSE);  // by mouse: the hover timer runs
    EXPECT_EQ(-1, view->GetOpenPopupIndex());
    view->SendMessage(WM_TIMER, CUICommandBar::HoverTimerId);
    EXPECT_EQ(styles->GetIndex(), view->GetOpenPopupIndex());
    ASSERT_NE(nullptr, styles->GetCommandBar());
    EXPECT_TRUE(styles->GetCommandBar()->IsWindowVisible());
    EXPECT_EQ(view, styles->GetCommandBar()->GetParentCommandBar());
    // Escape in the submenu closes only the submenu.
    EXPECT_TRUE(Key(VK_ESCAPE));
    EXPECT_FALSE(styles->GetCommandBar()->IsWindowVisible());
    EXPECT_TRUE(view->IsWindowVisible());
}

TEST_F(CommandBarsFrame, IdleUpdateAsksTheFramesRouting) {
    CUIControl* save = AddButton(m_toolBar, ID_PROJECT_SAVE, "Save");
    CUIControl* disabled = AddButton(m_toolBar, ID_DISABLED_HERE, "Off");
    CUIControl* unhandled = AddButton(m_toolBar, ID_NO_HANDLER, "None");
    CUIControl* own = AddButton(m_toolBar, ID_NO_HANDLER, "Own");
    own->SetFlags(uiFlagNoUpdate);
    m_toolBar->SendMessage(WM_IDLEUPDATECMDUI, FALSE);
    EXPECT_TRUE(save->GetEnabled());
    EXPECT_EQ(1, save->GetChecked());
    EXPECT_FALSE(disabled->GetEnabled());
    EXPECT_TRUE(unhandled->GetEnabled());
    m_toolBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);  // disable what nobody handles
    EXPECT_FALSE(unhandled->GetEnabled());
    EXPECT_TRUE(own->GetEnabled());
    // A hidden bar is left alone.
    m_toolBar->ShowWindow(SW_HIDE);
    unhandled->SetEnabled(TRUE);
    m_toolBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(unhandled->GetEnabled());
}

TEST_F(CommandBarsFrame, ActiveMenuIdFollowsTheActiveChild) {
    EXPECT_EQ(IDR_PROJECT_TYPE, m_bars->GetActiveMenuId());
    CMDIChildWnd* child = new CMDIChildWnd;
    ASSERT_TRUE(child->LoadFrame(IDR_MAINFRAME, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, m_frame, nullptr));
    child->MDIActivate();
    EXPECT_EQ(static_cast<UINT>(IDR_MAINFRAME), m_bars->GetActiveMenuId());  // no document: the frame's own id
    child->MDIDestroy();
    EXPECT_EQ(IDR_PROJECT_TYPE, m_bars->GetActiveMenuId());
    CUICommandBars noSite;
    EXPECT_EQ(0u, noSite.GetActiveMenuId());
}

TEST_F(CommandBarsFrame, BarsDrawThroughThePaintManagerInOrder) {
    AddButton(m_toolBar, ID_PROJECT_NEW, "New");
    AddButton(m_toolBar, ID_PROJECT_SAVE, "Save")->SetBeginGroup(TRUE);
    CUIControl* hidden = AddButton(m_toolBar, ID_PROJECT_OPEN, "Hidden");
    hidden->SetHideFlags(uiHideCustomize);
    AddButton(m_toolBar, ID_PROJECT_OPEN, "Open")->SetDefaultItem(TRUE);
    m_toolBar->Layout();
    m_toolBar->SetSelected(1, FALSE);
    m_theme->m_calls.clear();
    m_toolBar->RedrawWindow();
    const std::vector<std::string> expected = {
        "FillCommandBarBackground", "GetBarFont",       "DrawToolBarControl New",
        "DrawControlSeparator Save", "GetBarFont",      "DrawToolBarControl Save",
        "GetBarFont bold",           "DrawToolBarControl Open"};
    EXPECT_EQ(expected, m_theme->m_calls);
    // The menu bar loaded its menu after it was placed: its layout is due and the
    // idle update runs it.
    EXPECT_TRUE(m_menuBar->GetIdleFlags() & CUICommandBar::idleLayout);
    m_menuBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(m_menuBar->GetIdleFlags() & CUICommandBar::idleLayout);
    for (TestBar* bar : {m_menuBar, m_toolBar}) {
        CRect rect;
        bar->GetWindowRect(&rect);
        TestImage image(rect.Width(), rect.Height());
        RenderWindow(bar, image);
        image.SaveBmp(TestOutputPath(bar == m_menuBar ? "commandbars-menubar.bmp" : "commandbars-toolbar.bmp"));
        if (bar == m_toolBar) {
            const CPoint selected = bar->GetControl(1)->GetRect().CenterPoint();
            const CPoint plain = bar->GetControl(0)->GetRect().CenterPoint();
            EXPECT_EQ(RGB(0, 0, 255), image.Pixel(selected.x, selected.y));
            EXPECT_EQ(RGB(192, 192, 192), image.Pixel(plain.x, plain.y));
        }
    }
}

TEST_F(CommandBarsFrame, RemovingABarFromItsOwnHandlerKeepsItAliveUntilItReturns) {
    SelfRemovingBar::s_destroyed = 0;
    CUICommandBar* bar = m_bars->AddToolBar("临时", uiBarTop, RUNTIME_CLASS(SelfRemovingBar));
    ASSERT_NE(nullptr, bar);
    ASSERT_EQ(3, m_bars->GetCount());
    bar->SendMessage(SelfRemovingBar::RemoveMe);
    EXPECT_TRUE(SelfRemovingBar::s_aliveAfterRemove);
    EXPECT_EQ(1, SelfRemovingBar::s_destroyed);  // let go once the handler returned
    EXPECT_EQ(2, m_bars->GetCount());
    EXPECT_EQ(m_menuBar, m_bars->GetAt(0));
    EXPECT_EQ(m_toolBar, m_bars->GetAt(1));
    EXPECT_EQ(nullptr, m_bars->GetAt(2));
    EXPECT_EQ(nullptr, m_bars->GetAt(-1));
}

TEST_F(CommandBarsFrame, TooltipsAddTheShortcutWhenAskedTo) {
    m_frame->m_hAccelTable = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    CUIControl* save = AddButton(m_toolBar, ID_PROJECT_SAVE, "Save");
    save->m_tooltip = "保存工程";
    CUIControl* quiet = AddButton(m_toolBar, 0, "Quiet");
    quiet->m_tooltip = "";
    m_toolBar->Layout();
    struct Case {
        BOOL screenTips;
        BOOL accelTips;
        CUIControl* control;
        INT_PTR id;
        LPCSTR text;
    } cases[] = {
        {TRUE, FALSE, save, ID_PROJECT_SAVE, "保存工程"},
        {TRUE, TRUE, save, ID_PROJECT_SAVE, "保存工程 (Ctrl+S)"},
        {FALSE, TRUE, save, -1, nullptr},
        {TRUE, TRUE, quiet, -1, nullptr},  // an empty tooltip gives none
    };
    for (const Case& c : cases) {
        m_bars->GetCommandBarsOptions()->m_toolBarScreenTips = c.screenTips;
        m_bars->GetCommandBarsOptions()->m_toolBarAccelTips = c.accelTips;
        TTTOOLINFOA info = {};
        info.cbSize = sizeof(info);
        EXPECT_EQ(c.id, m_toolBar->OnToolHitTest(Centre(c.control), &info));
        if (c.text) {
            ASSERT_NE(nullptr, info.lpszText);
            EXPECT_STREQ(c.text, info.lpszText);
            EXPECT_EQ(m_toolBar->m_hWnd, info.hwnd);
            EXPECT_EQ(c.control->GetRect(), CRect(info.rect));
        }
        std::free(info.lpszText);
    }
    ::DestroyAcceleratorTable(m_frame->m_hAccelTable);
    m_frame->m_hAccelTable = nullptr;
}

TEST_F(CommandBarsFrame, ContextMenusReturnOrSendTheChosenCommand) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_PROJECT_TYPE));
    CMenu* file = menu.GetSubMenu(0);
    struct Case {
        UINT flags;
        int result;
        size_t commands;
    } cases[] = {
        {CUICommandBars::ReturnCommand, static_cast<int>(ID_PROJECT_NEW), 0},
        {0, 1, 1},
    };
    for (const Case& c : cases) {
        m_frame->m_events.clear();
        // The first entry is chosen by a click once the popup tracks.
        ::SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
            ::KillTimer(nullptr, id);
            for (CUICommandBar* bar : CUIMouseTrackHook::Get().GetTrackingBars()) {
                const CPoint entry = bar->GetControl(0)->GetRect().CenterPoint();
                bar->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(entry.x, entry.y));
            }
        });
        EXPECT_EQ(c.result, m_bars->TrackContextMenu(file, c.flags, 100, 100, m_frame));
        size_t commands = 0;
        for (const RecordingFrame::Event& event : m_frame->m_events)
            commands += event.message == WM_COMMAND ? 1 : 0;
        EXPECT_EQ(c.commands, commands);
        EXPECT_FALSE(CUIMouseTrackHook::Get().IsTracking());
    }
}

TEST_F(CommandBarsFrame, ContextMenuLoopEndsOnQuitAndKeepsTheQuitQueued) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_PROJECT_TYPE));
    ::PostQuitMessage(4);
    EXPECT_EQ(1, m_bars->TrackContextMenu(menu.GetSubMenu(0), 0, 100, 100, m_frame));
    EXPECT_FALSE(CUIMouseTrackHook::Get().IsTracking());
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(4u, msg.wParam);
    // A handle that is not a menu, or a popup that cannot open, gives 0.
    CMenu notMenu;
    EXPECT_EQ(0, m_bars->TrackContextMenu(&notMenu, 0, 100, 100, m_frame));
    m_factory.m_refusePopups = TRUE;
    EXPECT_EQ(0, m_bars->TrackContextMenu(menu.GetSubMenu(0), 0, 100, 100, m_frame));
}
