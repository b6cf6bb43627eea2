#include "platform/CControlBar.h"
#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CView.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const UINT ID_SHARED = 32001;      // every target has a handler
const UINT ID_GUARDED = 32002;     // carried out by the view; the frame's update handler decides
const UINT ID_HANDLED = 32003;     // a handler, no update handler
const UINT ID_UNHANDLED = 32004;   // no handler at all
const UINT ID_CHECKED = 32005;     // checked by its update handler

// What each routing test records: who saw the shared command, and who declines it.
struct Routing {
    std::vector<std::string> seen;
    std::set<std::string> declining;
    BOOL guardEnabled = TRUE;
    int guardedRuns = 0;

    BOOL Take(const char* who) {
        seen.push_back(who);
        return declining.count(who) == 0;
    }
};
Routing* g_routing = nullptr;

class RoutingDoc : public CDocument {
    DECLARE_DYNCREATE(RoutingDoc)
protected:
    BOOL OnShared(UINT) { return g_routing->Take("document"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(RoutingDoc, CDocument)
BEGIN_MESSAGE_MAP(RoutingDoc, CDocument)
    ON_COMMAND_EX(ID_SHARED, OnShared)
END_MESSAGE_MAP()

class RoutingView : public CView {
    DECLARE_DYNCREATE(RoutingView)
public:
    void OnDraw(CDC*) override {}
protected:
    BOOL OnShared(UINT) { return g_routing->Take("view"); }
    void OnGuarded() { ++g_routing->guardedRuns; }
    void OnHandled() {}
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(RoutingView, CView)
BEGIN_MESSAGE_MAP(RoutingView, CView)
    ON_COMMAND_EX(ID_SHARED, OnShared)
    ON_COMMAND(ID_GUARDED, OnGuarded)
    ON_COMMAND(ID_HANDLED, OnHandled)
END_MESSAGE_MAP()

class RoutingFrame : public CFrameWnd {
    DECLARE_DYNCREATE(RoutingFrame)
protected:
    BOOL OnShared(UINT) { return g_routing->Take("frame"); }
    void OnUpdateGuarded(CCmdUI* cmdUI) { cmdUI->Enable(g_routing->guardEnabled); }
    void OnUpdateChecked(CCmdUI* cmdUI) { cmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(RoutingFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(RoutingFrame, CFrameWnd)
    ON_COMMAND_EX(ID_SHARED, OnShared)
    ON_UPDATE_COMMAND_UI(ID_GUARDED, OnUpdateGuarded)
    ON_UPDATE_COMMAND_UI(ID_CHECKED, OnUpdateChecked)
END_MESSAGE_MAP()

class RoutingApp : public TestApplication {
protected:
    BOOL OnShared(UINT) { return g_routing->Take("application"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(RoutingApp, TestApplication)
    ON_COMMAND_EX(ID_SHARED, OnShared)
END_MESSAGE_MAP()

// A toolbar-like bar: a row of buttons whose states come from the update handlers.
class ButtonBar : public CControlBar {
public:
    struct Button {
        UINT id;
        BOOL enabled = TRUE;
        int checked = 0;
    };
    std::vector<Button> m_buttons;
    int m_thickness = 24;

    BOOL Create(CWnd* parent, DWORD style, UINT id) { return CreateBar(nullptr, style | WS_VISIBLE, parent, id); }
    CSize CalcFixedLayout(BOOL stretch, BOOL horizontal) override {
        return horizontal ? CSize(stretch ? 32767 : 100, m_thickness) : CSize(m_thickness, stretch ? 32767 : 100);
    }
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override {
        for (Button& button : m_buttons) {
            ButtonCmdUI state(button);
            state.DoUpdate(target, disableIfNoHandler);
        }
    }

private:
    class ButtonCmdUI : public CCmdUI {
    public:
        explicit ButtonCmdUI(Button& button) : m_button(button) { m_nID = button.id; }
        void Enable(BOOL on) override {
            m_button.enabled = on;
            m_bEnableChanged = TRUE;
        }
        void SetCheck(int check) override { m_button.checked = check; }

    private:
        Button& m_button;
    };
};

class CommandRouting : public ::testing::Test {
protected:
    void SetUp() override {
        g_routing = &m_routing;
        m_document = new RoutingDoc;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(RoutingView);
        context.m_pCurrentDoc = m_document;
        m_frame = new RoutingFrame;
        ASSERT_TRUE(m_frame->Create(nullptr, "Routing", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300), nullptr, nullptr,
                                    0, &context));
        m_app.m_pMainWnd = m_frame;
        m_frame->InitialUpdateFrame(m_document, TRUE);
        m_view = static_cast<RoutingView*>(m_frame->GetActiveView());
        ASSERT_NE(m_view, nullptr);
    }
    void TearDown() override { g_routing = nullptr; }

    void SendMenuCommand(UINT id) { m_frame->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0)); }

    RoutingApp m_app;
    Routing m_routing;
    RoutingDoc* m_document = nullptr;
    RoutingFrame* m_frame = nullptr;
    RoutingView* m_view = nullptr;
};

TEST_F(CommandRouting, CommandsGoViewDocumentFrameApplication) {
    struct Case {
        std::set<std::string> declining;
        std::vector<std::string> seen;
    };
    const Case cases[] = {
        {{}, {"view"}},
        {{"view"}, {"view", "document"}},
        {{"view", "document"}, {"view", "document", "frame"}},
        {{"view", "document", "frame"}, {"view", "document", "frame", "application"}},
    };
    for (const Case& c : cases) {
        m_routing.seen.clear();
        m_routing.declining = c.declining;
        SendMenuCommand(ID_SHARED);
        EXPECT_EQ(m_routing.seen, c.seen);
    }
    m_routing.declining = {"view", "document", "frame", "application"};
    EXPECT_FALSE(m_frame->OnCmdMsg(ID_SHARED, CN_COMMAND, nullptr, nullptr));
}

TEST_F(CommandRouting, DisabledCommandIsNotCarriedOut) {
    m_routing.guardEnabled = FALSE;
    SendMenuCommand(ID_GUARDED);
    EXPECT_EQ(m_routing.guardedRuns, 0);
    m_routing.guardEnabled = TRUE;
    SendMenuCommand(ID_GUARDED);
    EXPECT_EQ(m_routing.guardedRuns, 1);
}

TEST_F(CommandRouting, AcceleratorsGoThroughTheSameCheck) {
    ACCEL accel = {FVIRTKEY, VK_F5, static_cast<WORD>(ID_GUARDED)};
    m_frame->m_hAccelTable = ::CreateAcceleratorTableA(&accel, 1);
    for (BOOL enabled : {FALSE, TRUE}) {
        m_routing.guardEnabled = enabled;
        m_view->PostMessage(WM_KEYDOWN, VK_F5, 1);
        m_app.PumpUntilIdle();
    }
    EXPECT_EQ(m_routing.guardedRuns, 1);
    ::DestroyAcceleratorTable(m_frame->m_hAccelTable);
    m_frame->m_hAccelTable = nullptr;
}

TEST_F(CommandRouting, OpeningMenuUpdatesItsItems) {
    CMenu menu;
    menu.CreatePopupMenu();
    for (UINT id : {ID_GUARDED, ID_HANDLED, ID_UNHANDLED, ID_CHECKED})
        menu.AppendMenu(MF_STRING, id, "item");
    m_routing.guardEnabled = FALSE;
    m_frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.m_hMenu), 0);
    auto state = [&](UINT id) { return menu.GetMenuState(id, MF_BYCOMMAND); };
    EXPECT_TRUE(state(ID_GUARDED) & MF_GRAYED);
    EXPECT_FALSE(state(ID_HANDLED) & MF_GRAYED);
    EXPECT_TRUE(state(ID_UNHANDLED) & MF_GRAYED);  // nobody handles it
    EXPECT_TRUE(state(ID_CHECKED) & MF_CHECKED);
}

TEST_F(CommandRouting, IdlePassUpdatesBarButtons) {
    ButtonBar bar;
    ASSERT_TRUE(bar.Create(m_frame, CBRS_TOP, AFX_IDW_TOOLBAR));
    bar.m_buttons = {{ID_GUARDED}, {ID_HANDLED}, {ID_UNHANDLED}, {ID_CHECKED}};
    m_routing.guardEnabled = FALSE;
    m_app.RunIdle();
    EXPECT_FALSE(bar.m_buttons[0].enabled);
    EXPECT_TRUE(bar.m_buttons[1].enabled);
    EXPECT_FALSE(bar.m_buttons[2].enabled);
    EXPECT_EQ(bar.m_buttons[3].checked, 1);

    m_routing.guardEnabled = TRUE;
    m_app.RunIdle();
    EXPECT_TRUE(bar.m_buttons[0].enabled);
}

// A window holding controls, such as a bar with buttons and edit boxes, that
// answers the update of ID_HANDLED itself.
class ControlHolder : public CWnd {
protected:
    void OnUpdateHandled(CCmdUI* cmdUI) { cmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ControlHolder, CWnd)
    ON_UPDATE_COMMAND_UI(ID_HANDLED, OnUpdateHandled)
END_MESSAGE_MAP()

TEST_F(CommandRouting, ChildControlsTakeTheirStatesFromTheUpdateHandlers) {
    ControlHolder holder;
    ASSERT_TRUE(holder.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 300, 40), m_frame, AFX_IDW_TOOLBAR));
    struct Control {
        UINT id;
        LPCSTR className;
        DWORD style;
        BOOL enabled;
        UINT checked;
    } controls[] = {
        {ID_GUARDED, "BUTTON", BS_PUSHBUTTON, FALSE, BST_UNCHECKED},     // the frame's handler disables it
        {ID_UNHANDLED, "BUTTON", BS_PUSHBUTTON, FALSE, BST_UNCHECKED},   // nobody handles its command
        {ID_UNHANDLED, "BUTTON", BS_AUTOCHECKBOX, TRUE, BST_UNCHECKED},  // only push buttons are commands
        {ID_UNHANDLED, "EDIT", 0, TRUE, BST_UNCHECKED},
        {ID_CHECKED, "BUTTON", BS_CHECKBOX, TRUE, BST_CHECKED},
        {ID_HANDLED, "BUTTON", BS_PUSHBUTTON, FALSE, BST_UNCHECKED},  // the holder's own handler comes first
    };
    std::vector<CWnd*> windows;
    for (const Control& control : controls) {
        HWND hwnd = ::CreateWindowExA(0, control.className, "", WS_CHILD | WS_VISIBLE | control.style, 0, 0, 20, 20,
                                      holder.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control.id)),
                                      nullptr, nullptr);
        windows.push_back(CWnd::FromHandle(hwnd));
    }
    m_routing.guardEnabled = FALSE;
    holder.UpdateDialogControls(m_frame, TRUE);
    for (size_t i = 0; i < windows.size(); ++i) {
        EXPECT_EQ(windows[i]->IsWindowEnabled(), controls[i].enabled) << i;
        EXPECT_EQ(windows[i]->SendMessage(BM_GETCHECK) == BST_CHECKED, controls[i].checked == BST_CHECKED) << i;
    }
}

class FrameLayout : public CommandRouting {
protected:
    CRect ViewRect() {
        CRect rect;
        m_view->GetWindowRect(&rect);
        m_frame->ScreenToClient(&rect);
        return rect;
    }
    CRect Client() {
        CRect rect;
        m_frame->GetClientRect(&rect);
        return rect;
    }
};

TEST_F(FrameLayout, BarsTakeTheirEdgesAndTheViewTheRest) {
    ButtonBar top, bottom, left;
    ASSERT_TRUE(top.Create(m_frame, CBRS_TOP, AFX_IDW_TOOLBAR));
    ASSERT_TRUE(bottom.Create(m_frame, CBRS_BOTTOM, AFX_IDW_STATUS_BAR));
    bottom.m_thickness = 18;
    ASSERT_TRUE(left.Create(m_frame, CBRS_LEFT, AFX_IDW_CONTROLBAR_FIRST + 5));
    left.m_thickness = 30;
    m_frame->RecalcLayout();
    CRect client = Client();
    EXPECT_EQ(ViewRect(), CRect(30, 24, client.right, client.bottom - 18));
    CRect bottomRect;
    bottom.GetWindowRect(&bottomRect);
    m_frame->ScreenToClient(&bottomRect);
    EXPECT_EQ(bottomRect, CRect(0, client.bottom - 18, client.right, client.bottom));

    // A hidden bar gives its room back.
    m_frame->ShowControlBar(&bottom, FALSE, FALSE);
    EXPECT_EQ(ViewRect(), CRect(30, 24, client.right, client.bottom));

    // A delayed layout waits for the idle pass.
    top.m_thickness = 40;
    m_frame->DelayRecalcLayout();
    EXPECT_EQ(ViewRect().top, 24);
    m_app.RunIdle();
    EXPECT_EQ(ViewRect().top, 40);
    EXPECT_EQ(m_frame->m_nIdleFlags, 0u);
}

TEST_F(FrameLayout, ViewMenuSwitchesShowAndHideBars) {
    ButtonBar status;
    ASSERT_TRUE(status.Create(m_frame, CBRS_BOTTOM, AFX_IDW_STATUS_BAR));
    m_frame->RecalcLayout();
    SendMenuCommand(ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(status.IsVisible());
    EXPECT_EQ(ViewRect().bottom, Client().bottom);
    SendMenuCommand(ID_VIEW_STATUS_BAR);
    EXPECT_TRUE(status.IsVisible());
}


// Bars made or shown after the frame's layout, or hidden by hand, get their room at the
// next idle pass without anyone asking for a layout.
TEST_F(FrameLayout, BarsAppearingOrHidingLayOutAtIdle) {
    ButtonBar status;
    ASSERT_TRUE(status.Create(m_frame, CBRS_BOTTOM, AFX_IDW_STATUS_BAR));
    status.m_thickness = 18;
    m_app.RunIdle();
    EXPECT_EQ(ViewRect().bottom, Client().bottom - 18);
    status.ShowWindow(SW_HIDE);
    m_app.RunIdle();
    EXPECT_EQ(ViewRect().bottom, Client().bottom);
    status.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
    m_app.RunIdle();
    EXPECT_EQ(ViewRect().bottom, Client().bottom - 18);
}

}  // namespace
