#include "platform/CToolTipTracker.h"
#include "res/resource.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const int kCellWidth = 50;
const int kCellCount = 3;
const UINT kChildId = 77;

// A window that gives a tip for each of its cells, as grids and bars do.
class CellWindow : public CWnd {
public:
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* info) const override {
        int cell = point.x / kCellWidth;
        if (point.x < 0 || cell >= kCellCount)
            return -1;
        info->hwnd = m_hWnd;
        info->uId = static_cast<UINT_PTR>(cell + 1);
        ::SetRect(&info->rect, cell * kCellWidth, 0, (cell + 1) * kCellWidth, 40);
        info->lpszText = AfxAllocToolTipText(("cell " + std::to_string(cell)).c_str());
        return cell + 1;
    }
};

// A window that is one tool as a whole and names neither itself nor a rectangle.
class WholeWindowTip : public CWnd {
public:
    INT_PTR OnToolHitTest(CPoint, TOOLINFO* info) const override {
        info->uId = 5;
        info->lpszText = AfxAllocToolTipText("whole");
        return 5;
    }
};

// A window whose child controls get tips through the default hit test; it answers
// the tooltip's text request with the control's id.
class DialogLike : public CWnd {
public:
    UINT_PTR m_askedFor = 0;

protected:
    BOOL OnNeedText(UINT, NMHDR* header, LRESULT*) {
        auto* request = reinterpret_cast<NMTTDISPINFOA*>(header);
        m_askedFor = header->idFrom;
        std::string text = "control " + std::to_string(::GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom)));
        lstrcpynA(request->szText, text.c_str(), sizeof(request->szText));
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DialogLike, CWnd)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnNeedText)
END_MESSAGE_MAP()

// The one tool the thread's tooltip holds, or "" when it holds none.
std::string CurrentTipText() {
    CToolTipTracker* tracker = CToolTipTracker::Current();
    if (!tracker || tracker->GetToolCount() == 0)
        return "";
    char text[256] = "";
    TOOLINFOA info = {};
    info.cbSize = sizeof(info);
    info.lpszText = text;
    tracker->SendMessage(TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info));
    if (info.lpszText == LPSTR_TEXTCALLBACKA)
        return "(callback)";
    return text;
}

class ToolTips : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_cells.CreateEx(0, nullptr, "cells", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200),
                                     nullptr, 0));
        m_cells.EnableToolTips();
    }

    // A mouse move as the message loop sees it: addressed to the window under the
    // pointer, with the pointer's screen position.
    void MoveMouse(CWnd* target, CPoint client) {
        MSG msg = {};
        msg.hwnd = target->m_hWnd;
        msg.message = WM_MOUSEMOVE;
        msg.lParam = MAKELPARAM(client.x, client.y);
        msg.pt = client;
        target->ClientToScreen(&msg.pt);
        m_app.PreTranslateMessage(&msg);
    }
    // Puts the pointer there and lets it rest until the tip shows (TRUE) or half a
    // second passed.
    bool RestPointer(CWnd* target, CPoint client) {
        CPoint screen = client;
        target->ClientToScreen(&screen);
        ::SetCursorPos(screen.x, screen.y);
        MoveMouse(target, client);
        CToolTipTracker* tracker = CToolTipTracker::Current();
        for (int i = 0; i < 50 && !tracker->IsWindowVisible(); ++i) {
            ::Sleep(10);
            m_app.PumpUntilIdle();
        }
        return tracker->IsWindowVisible();
    }

    TestApplication m_app;
    CellWindow m_cells;
};

TEST_F(ToolTips, TheToolFollowsTheCellUnderThePointer) {
    struct Step {
        CPoint point;
        const char* tip;
    } steps[] = {
        {{10, 10}, "cell 0"}, {{60, 10}, "cell 1"}, {{70, 30}, "cell 1"}, {{140, 5}, "cell 2"},
        {{200, 10}, ""},  // no cell there
        {{20, 10}, "cell 0"},
    };
    for (const Step& step : steps) {
        MoveMouse(&m_cells, step.point);
        EXPECT_EQ(CurrentTipText(), step.tip) << step.point.x << "," << step.point.y;
        EXPECT_LE(CToolTipTracker::Current()->GetToolCount(), 1);
    }
}

TEST_F(ToolTips, TheTipShowsOverItsToolAfterTheDelay) {
    MoveMouse(&m_cells, {60, 10});
    CToolTipTracker* tracker = CToolTipTracker::Current();
    ASSERT_NE(tracker, nullptr);
    tracker->SetDelayTime(TTDT_INITIAL, 1);
    EXPECT_TRUE(RestPointer(&m_cells, {60, 10}));
    CString text;
    tracker->GetWindowText(text);
    EXPECT_EQ(text, "cell 1");
}

TEST_F(ToolTips, AToolWithoutWindowOrRectangleCoversTheWindowAsked) {
    WholeWindowTip whole;
    ASSERT_TRUE(whole.CreateEx(0, nullptr, "whole", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
    whole.EnableToolTips();
    MoveMouse(&whole, {10, 10});
    CToolTipTracker* tracker = CToolTipTracker::Current();
    ASSERT_NE(tracker, nullptr);
    TOOLINFOA first = {};
    first.cbSize = sizeof(first);
    tracker->SendMessage(TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&first));
    EXPECT_EQ(first.hwnd, whole.m_hWnd);
    CRect client;
    whole.GetClientRect(&client);
    EXPECT_EQ(CRect(first.rect), client);

    // Once shown, the tip stays while the pointer moves within its tool.
    tracker->SetDelayTime(TTDT_INITIAL, 1);
    ASSERT_TRUE(RestPointer(&whole, {50, 30}));
    MoveMouse(&whole, {52, 31});
    EXPECT_TRUE(tracker->IsWindowVisible());
}

TEST_F(ToolTips, WindowsWithoutTipsTakeTheToolAway) {
    MoveMouse(&m_cells, {10, 10});
    ASSERT_EQ(CurrentTipText(), "cell 0");
    CWnd plain;
    ASSERT_TRUE(plain.CreateEx(0, nullptr, "plain", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
    MoveMouse(&plain, {10, 10});
    EXPECT_EQ(CurrentTipText(), "");
}

TEST_F(ToolTips, ChildControlsAskTheirTipsFromTheWindowWithTips) {
    DialogLike dialog;
    ASSERT_TRUE(dialog.CreateEx(0, nullptr, "dialog", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200),
                                nullptr, 0));
    dialog.EnableToolTips();
    CWnd button;
    ASSERT_TRUE(button.Create("BUTTON", "ok", WS_VISIBLE | BS_PUSHBUTTON, CRect(20, 20, 100, 50), &dialog, kChildId));

    MoveMouse(&button, {5, 5});  // addressed to the control, which shows no tips itself
    EXPECT_EQ(CurrentTipText(), "(callback)");

    CString text;
    CToolTipTracker::Current()->GetText(text, &button);  // the control asks for the callback text
    EXPECT_EQ(dialog.m_askedFor, reinterpret_cast<UINT_PTR>(button.m_hWnd));
    EXPECT_EQ(text, "control 77");

    MoveMouse(&dialog, {200, 150});  // beside the control
    EXPECT_EQ(CurrentTipText(), "");
}

TEST_F(ToolTips, TheControlGoesWithItsOwnerAndComesBack) {
    MoveMouse(&m_cells, {10, 10});
    ASSERT_NE(CToolTipTracker::Current(), nullptr);
    m_cells.DestroyWindow();
    EXPECT_EQ(CToolTipTracker::Current(), nullptr);

    CellWindow again;
    ASSERT_TRUE(again.CreateEx(0, nullptr, "again", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
    again.EnableToolTips();
    MoveMouse(&again, {60, 10});
    EXPECT_EQ(CurrentTipText(), "cell 1");
}

// ---- The control used directly, as views and strips do ------------------------------

class ToolTipControl : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200),
                                     nullptr, 0));
        ASSERT_TRUE(m_tip.Create(&m_owner, TTS_ALWAYSTIP));
    }

    TestApplication m_app;
    DialogLike m_owner;
    CToolTipCtrl m_tip;
};

TEST_F(ToolTipControl, AutomaticDelaysFollowTheInitialDelay) {
    m_tip.SetDelayTime(2000);
    EXPECT_EQ(m_tip.GetDelayTime(TTDT_INITIAL), 2000);
    EXPECT_EQ(m_tip.GetDelayTime(TTDT_AUTOPOP), 20000);
    EXPECT_EQ(m_tip.GetDelayTime(TTDT_RESHOW), 400);
}

TEST_F(ToolTipControl, AWholeWindowToolAsksTheWindowForItsText) {
    ASSERT_TRUE(m_tip.AddTool(&m_owner));
    CString text;
    m_tip.GetText(text, &m_owner);
    EXPECT_EQ(m_owner.m_askedFor, reinterpret_cast<UINT_PTR>(m_owner.m_hWnd));
    EXPECT_EQ(text, "control 0");  // a top-level window's id
}

TEST_F(ToolTipControl, ToolsAreNamedByWindowAndId) {
    CRect button(0, 0, 20, 20);
    ASSERT_TRUE(m_tip.AddTool(&m_owner, "whole strip"));
    ASSERT_TRUE(m_tip.AddTool(&m_owner, IDS_PANE_CLOSE, &button, IDS_PANE_CLOSE));
    EXPECT_FALSE(m_tip.AddTool(&m_owner, 1, &button, 1));  // no such string
    EXPECT_EQ(m_tip.GetToolCount(), 2);

    m_tip.UpdateTipText("first tab", &m_owner);
    CString text;
    m_tip.GetText(text, &m_owner);
    EXPECT_EQ(text, "first tab");
    m_tip.GetText(text, &m_owner, IDS_PANE_CLOSE);
    EXPECT_EQ(text, "Close");

    m_tip.DelTool(&m_owner, IDS_PANE_CLOSE);
    EXPECT_EQ(m_tip.GetToolCount(), 1);
    m_tip.GetText(text, &m_owner);
    EXPECT_EQ(text, "first tab");
}

}  // namespace
