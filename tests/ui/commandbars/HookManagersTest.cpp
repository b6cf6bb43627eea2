#include "tests/ui/commandbars/RecordingTheme.h"
#include "tests/ui/commandbars/TestBars.h"

#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/UIWndProcHookTable.h"

#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A client that writes its name to a shared log and answers as told; it may run an
// action while it is asked.
class LoggingClient : public CUIHookClient {
public:
    LoggingClient(std::string name, std::vector<std::string>* log, int answer = NotHandled)
        : m_name(std::move(name)), m_log(log), m_answer(answer) {}
    int OnHookMessage(HWND, UINT message, WPARAM& wParam, LPARAM&, LRESULT& result) override {
        if (message != WM_USER + 7 && message != WM_KEYDOWN)
            return NotHandled;
        m_log->push_back(m_name);
        if (m_action)
            m_action();
        wParam += 1;
        result = 42;
        return m_answer;
    }
    std::string m_name;
    std::vector<std::string>* m_log;
    int m_answer;
    std::function<void()> m_action;
};

// A plain window that records the wParam of WM_USER + 7 and the destruction.
class Watched : public CWnd {
public:
    BOOL Make() { return CreateEx(0, nullptr, "watched", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_USER + 7) {
            m_seen.push_back(static_cast<int>(wParam));
            return 7;
        }
        if (message == WM_USER + 8)
            return static_cast<LRESULT>(Default());
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<int> m_seen;
};

class HookTable : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_window.Make()); }
    void TearDown() override {
        CUIWndProcHookTable::Instance().RemoveAll();
        m_window.DestroyWindow();
    }
    LRESULT Send() { return m_window.SendMessage(WM_USER + 7, 0); }

    TestApplication m_app;
    Watched m_window;
    std::vector<std::string> m_log;
    CUIWndProcHookTable& m_table = CUIWndProcHookTable::Instance();
};

}  // namespace

TEST_F(HookTable, ClientsAddedLastAreAskedFirst) {
    LoggingClient first("first", &m_log);
    LoggingClient second("second", &m_log);
    m_table.SetHook(m_window, &first);
    m_table.SetHook(m_window, &second);
    m_table.SetHook(m_window, &first);  // not twice
    EXPECT_EQ(7, Send());
    EXPECT_EQ((std::vector<std::string>{"second", "first"}), m_log);
    // Each client may change wParam on the way to the window.
    EXPECT_EQ(std::vector<int>{2}, m_window.m_seen);
}

TEST_F(HookTable, AnswersEndOrStopTheWalk) {
    struct Case {
        int lastAnswer;
        std::vector<std::string> asked;
        LRESULT result;
        size_t windowSaw;
    } cases[] = {
        {CUIHookClient::Handled, {"second"}, 42, 0},
        {CUIHookClient::StopAsking, {"second"}, 7, 1},
        {CUIHookClient::NotHandled, {"second", "first"}, 7, 1},
    };
    for (const Case& c : cases) {
        LoggingClient first("first", &m_log);
        LoggingClient second("second", &m_log, c.lastAnswer);
        m_table.SetHook(m_window, &first);
        m_table.SetHook(m_window, &second);
        m_log.clear();
        m_window.m_seen.clear();
        EXPECT_EQ(c.result, Send());
        EXPECT_EQ(c.asked, m_log);
        EXPECT_EQ(c.windowSaw, m_window.m_seen.size());
        m_table.RemoveHookClient(&first);
        m_table.RemoveHookClient(&second);
        EXPECT_EQ(nullptr, m_table.Lookup(m_window));
    }
}

TEST_F(HookTable, ClientsRemovingThemselvesWhileAskedLeaveTheWindowWorking) {
    const LONG_PTR ownProc = ::GetWindowLongPtrA(m_window, GWLP_WNDPROC);
    LoggingClient first("first", &m_log);
    LoggingClient second("second", &m_log);
    m_table.SetHook(m_window, &first);
    m_table.SetHook(m_window, &second);
    // The client asked first takes both itself and the other away, which also ends
    // the window's record with its saved procedure.
    second.m_action = [&] {
        m_table.RemoveHook(m_window, &second);
        m_table.RemoveHook(m_window, &first);
    };
    EXPECT_EQ(7, Send());
    EXPECT_EQ(std::vector<std::string>{"second"}, m_log);
    EXPECT_EQ(1u, m_window.m_seen.size());
    EXPECT_EQ(nullptr, m_table.Lookup(m_window));
    EXPECT_EQ(ownProc, ::GetWindowLongPtrA(m_window, GWLP_WNDPROC));
    EXPECT_EQ(7, Send());
}

TEST_F(HookTable, DestroyedWindowsLeaveTheTableByThemselves) {
    LoggingClient client("client", &m_log);
    m_table.SetHook(m_window, &client);
    ASSERT_NE(nullptr, m_table.Lookup(m_window));
    HWND hwnd = m_window;
    m_window.DestroyWindow();
    EXPECT_EQ(nullptr, m_table.Lookup(hwnd));
    m_table.RemoveHookClient(&client);  // nothing left to do
}

TEST_F(HookTable, HookedMessagesAreTheCurrentMessageForDefault) {
    class Defaulting : public CUIHookClient {
    public:
        int OnHookMessage(HWND hwnd, UINT message, WPARAM&, LPARAM&, LRESULT&) override {
            if (message == WM_USER + 8)
                m_current = *CWnd::GetCurrentMessage();
            return NotHandled;
        }
        MSG m_current = {};
    } client;
    m_table.SetHook(m_window, &client);
    m_window.SendMessage(WM_USER + 8, 5, 6);
    EXPECT_EQ(static_cast<HWND>(m_window), client.m_current.hwnd);
    EXPECT_EQ(static_cast<UINT>(WM_USER + 8), client.m_current.message);
    EXPECT_EQ(5u, client.m_current.wParam);
    EXPECT_EQ(6, client.m_current.lParam);
}

TEST_F(HookTable, KeyboardHooksAnswerFromTheLastAdded) {
    struct Case {
        int firstAnswer;
        int secondAnswer;
        BOOL consumed;
        std::vector<std::string> asked;
    } cases[] = {
        {CUIHookClient::NotHandled, CUIHookClient::NotHandled, TRUE, {"second", "first"}},
        {CUIHookClient::NotHandled, CUIHookClient::Handled, TRUE, {"second"}},
        {CUIHookClient::NotHandled, CUIHookClient::StopAsking, FALSE, {"second"}},
        {CUIHookClient::StopAsking, CUIHookClient::NotHandled, FALSE, {"second", "first"}},
    };
    EXPECT_TRUE(m_table.NotifyKeyboardHooks(WM_KEYDOWN, 'A', 0));  // no clients: consumed
    for (const Case& c : cases) {
        LoggingClient first("first", &m_log, c.firstAnswer);
        LoggingClient second("second", &m_log, c.secondAnswer);
        m_table.AddKeyboardHook(&first);
        m_table.AddKeyboardHook(&second);
        m_log.clear();
        EXPECT_EQ(c.consumed, m_table.NotifyKeyboardHooks(WM_KEYDOWN, 'A', 0));
        EXPECT_EQ(c.asked, m_log);
        m_table.RemoveKeyboardHook(&first);
        m_table.RemoveKeyboardHook(&second);
    }
    EXPECT_FALSE(m_table.HasKeyboardHooks());
}

// Other test programs may take the foreground at any time: the answers count when
// the wanted window was in front both before and after they were read.
template <class Read>
bool ReadWithWindowInFront(CWnd& window, Read read) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        window.SetForegroundWindow();
        if (::GetForegroundWindow() == window.m_hWnd) {
            read();
            if (::GetForegroundWindow() == window.m_hWnd)
                return true;
        }
        ::Sleep(20);
    }
    return false;
}

TEST(TopParentActive, FollowsParentsAndOwnersToTheActiveTopWindow) {
    TestApplication app;
    CWnd top;
    ASSERT_TRUE(top.CreateEx(0, nullptr, "top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 200, 200), nullptr, 0));
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, nullptr, "child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &top, 1));
    CWnd owned;
    ASSERT_TRUE(owned.CreateEx(0, nullptr, "owned", WS_POPUP | WS_VISIBLE, CRect(0, 0, 30, 30), &top, 0));
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, nullptr, "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(300, 0, 400, 100), nullptr, 0));
    BOOL childActive = FALSE;
    BOOL ownedActive = FALSE;
    BOOL otherActive = TRUE;
    if (!ReadWithWindowInFront(top, [&] {
            childActive = child.IsTopParentActive();
            ownedActive = owned.IsTopParentActive();
            otherActive = other.IsTopParentActive();
        }))
        GTEST_SKIP() << "another program kept the foreground";
    EXPECT_TRUE(childActive);
    EXPECT_TRUE(ownedActive);
    EXPECT_FALSE(otherActive);
    if (!ReadWithWindowInFront(other, [&] {
            childActive = child.IsTopParentActive();
            otherActive = other.IsTopParentActive();
        }))
        GTEST_SKIP() << "another program kept the foreground";
    EXPECT_FALSE(childActive);
    EXPECT_TRUE(otherActive);
}

namespace {

// A menu bar at (100, 100) whose one entry has its popup open below it: two
// tracking bars, the outer one first.
class MouseDecision : public ::testing::Test {
protected:
    void SetUp() override {
        SelectTheme(uiThemeClassic);
        ASSERT_TRUE(m_menu.CreateIn(nullptr, uiBarTop, 300));
        m_menu.SetWindowPos(nullptr, 100, 100, 300, 26, SWP_NOZORDER);
        CUIControl* entry = m_menu.GetControls()->Add(uiControlPopup, 0);
        entry->SetCaption("&File");
        m_popup = dynamic_cast<TestPopupBar*>(entry->GetCommandBar());
        ASSERT_NE(nullptr, m_popup);
        m_popup->GetControls()->Add(uiControlButton, 0)->SetCaption("Open");
        m_menu.Layout();
        ASSERT_TRUE(m_menu.SetOpenPopup(0, FALSE));
    }
    void TearDown() override {
        m_hook.EndTracking();
        m_hook.m_suspendCount = 0;
    }

    TestApplication m_app;
    TestBarFactory m_factory;
    RecordingThemeFactory m_themes;
    CUIMouseTrackHook& m_hook = CUIMouseTrackHook::Get();
    TestBar m_menu;
    TestPopupBar* m_popup = nullptr;
};

}  // namespace

TEST_F(MouseDecision, ClicksOutsideEveryTrackingBarEndTrackingAndStillReachTheirWindow) {
    ASSERT_EQ(2u, m_hook.GetTrackingBars().size());
    struct Case {
        UINT message;
        POINT point;
        int suspend;
        size_t stillTracking;
    } cases[] = {
        {WM_LBUTTONDOWN, {120, 110}, 0, 2},    // on the menu bar: the bar handles it
        {WM_LBUTTONDOWN, {110, 130}, 0, 2},    // inside the popup
        {WM_LBUTTONUP, {700, 500}, 1, 2},      // a release during a drag leaves them open
        {WM_MOUSEMOVE, {701, 500}, 0, 2},      // a move outside only clears hot controls
        {WM_RBUTTONDOWN, {700, 500}, 0, 0},    // a click elsewhere closes the whole chain
    };
    for (const Case& c : cases) {
        m_hook.m_suspendCount = c.suspend;
        EXPECT_EQ(0, m_hook.Decide(c.message, c.point)) << c.message;
        EXPECT_EQ(c.stillTracking, m_hook.GetTrackingBars().size()) << c.message;
    }
    EXPECT_EQ(uiNotTracking, m_menu.GetTrackingMode());
    EXPECT_EQ(uiNotTracking, m_popup->GetTrackingMode());
    EXPECT_EQ(-1, m_menu.GetOpenPopupIndex());
    // With nothing tracking every message goes on, repeated moves included.
    EXPECT_EQ(0, m_hook.Decide(WM_MOUSEMOVE, POINT{5, 5}));
    EXPECT_EQ(0, m_hook.Decide(WM_MOUSEMOVE, POINT{5, 5}));
}

TEST_F(MouseDecision, RepeatedMovesAtOnePointAreDroppedWhileBarsTrack) {
    EXPECT_EQ(0, m_hook.Decide(WM_MOUSEMOVE, POINT{700, 400}));
    EXPECT_EQ(1, m_hook.Decide(WM_MOUSEMOVE, POINT{700, 400}));
    EXPECT_EQ(1, m_hook.Decide(WM_NCMOUSEMOVE, POINT{700, 400}));
    EXPECT_EQ(0, m_hook.Decide(WM_MOUSEMOVE, POINT{701, 400}));
    EXPECT_EQ(0, m_hook.Decide(WM_LBUTTONUP, POINT{701, 400}));  // a release at the same point goes on
}

TEST_F(MouseDecision, EndTrackingClosesTheChainFromItsFirstBar) {
    m_hook.EndTracking();
    EXPECT_FALSE(m_hook.IsTracking());
    EXPECT_FALSE(m_popup->IsWindowVisible());
    EXPECT_FALSE(CUIWndProcHookTable::Instance().HasKeyboardHooks());
}
