#include "platform/CWnd.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kButtonId = 101;
const UINT kEditId = 102;
const UINT kRegisteredMessage = ::RegisterWindowMessageA("TessaronTests.Ping");

// A button control that can take its own click notification back (reflection).
class ReflectingButton : public CWnd {
public:
    BOOL m_takeClick = TRUE;
    int m_clicks = 0;

protected:
    BOOL OnReflectedClick() {
        ++m_clicks;
        return m_takeClick;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingButton, CWnd)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnReflectedClick)
END_MESSAGE_MAP()

// An edit control whose characters are upper-cased before the control's own
// processing (Default) sees them.
class UpperCaseEdit : public CWnd {
protected:
    void OnChar(UINT ch, UINT repeat, UINT flags) {
        if (ch >= 'a' && ch <= 'z')
            DefWindowProc(WM_CHAR, ch - 'a' + 'A', MAKELPARAM(repeat, flags));
        else
            Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(UpperCaseEdit, CWnd)
    ON_WM_CHAR()
END_MESSAGE_MAP()

class RecordingWnd : public CWnd {
public:
    std::vector<std::string> m_log;
    CSize m_size;
    CPoint m_click;
    UINT m_rangeId = 0;
    BOOL m_destroyedObjectGone = FALSE;

protected:
    int OnCreate(LPCREATESTRUCT cs) {
        m_log.push_back("create");
        return CWnd::OnCreate(cs);
    }
    void OnSize(UINT, int cx, int cy) { m_size = CSize(cx, cy); }
    void OnLButtonDown(UINT, CPoint point) { m_click = point; }
    void OnButtonClicked() { m_log.push_back("parent click"); }
    void OnRange(UINT id) { m_rangeId = id; }
    LRESULT OnPing(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam) * 2; }
    void OnNotifyTest(NMHDR* header, LRESULT* result) {
        m_log.push_back("notify " + std::to_string(header->code));
        *result = 7;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_BN_CLICKED(kButtonId, OnButtonClicked)
    ON_COMMAND_RANGE(200, 209, OnRange)
    ON_REGISTERED_MESSAGE(kRegisteredMessage, OnPing)
    ON_NOTIFY(NM_CLICK, kButtonId, OnNotifyTest)
END_MESSAGE_MAP()

class MessageMaps : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_wnd.CreateEx(0, nullptr, "test", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, 0));
    }
    TestApplication m_app;
    RecordingWnd m_wnd;
};

TEST_F(MessageMaps, HandlersGetTheirArgumentsUnpacked) {
    EXPECT_EQ(m_wnd.m_log, std::vector<std::string>{"create"});  // the object saw its own creation
    m_wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 80));
    EXPECT_EQ(m_wnd.m_size, CSize(120, 80));
    m_wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-3), 9));
    EXPECT_EQ(m_wnd.m_click, CPoint(-3, 9));
    EXPECT_EQ(m_wnd.SendMessage(kRegisteredMessage, 21), 42);
    m_wnd.SendMessage(WM_COMMAND, MAKEWPARAM(205, 0));
    EXPECT_EQ(m_wnd.m_rangeId, 205u);
    EXPECT_EQ(CWnd::FromHandlePermanent(m_wnd.m_hWnd), &m_wnd);
}

TEST_F(MessageMaps, ControlNotificationsAreReflectedToTheControlFirst) {
    ReflectingButton button;
    ASSERT_TRUE(button.Create("BUTTON", "ok", WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 50, 20), &m_wnd, kButtonId));
    WPARAM clicked = MAKEWPARAM(kButtonId, BN_CLICKED);
    LPARAM control = reinterpret_cast<LPARAM>(button.m_hWnd);

    m_wnd.SendMessage(WM_COMMAND, clicked, control);
    EXPECT_EQ(button.m_clicks, 1);
    EXPECT_EQ(m_wnd.m_log.size(), 1u);  // the button took it; the parent never saw it

    button.m_takeClick = FALSE;
    m_wnd.SendMessage(WM_COMMAND, clicked, control);
    EXPECT_EQ(button.m_clicks, 2);
    EXPECT_EQ(m_wnd.m_log.back(), "parent click");

    NMHDR header = {button.m_hWnd, kButtonId, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(m_wnd.SendMessage(WM_NOTIFY, kButtonId, reinterpret_cast<LPARAM>(&header)), 7);
    EXPECT_EQ(m_wnd.m_log.back(), "notify " + std::to_string(static_cast<UINT>(NM_CLICK)));
}

TEST_F(MessageMaps, DefaultPassesTheMessageToTheControlsOwnProcedure) {
    UpperCaseEdit edit;
    ASSERT_TRUE(edit.Create("EDIT", "", WS_VISIBLE, CRect(0, 0, 100, 20), &m_wnd, kEditId));
    for (char ch : std::string("ab1"))
        edit.SendMessage(WM_CHAR, static_cast<BYTE>(ch), 1);
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "AB1");
}

TEST_F(MessageMaps, SubclassedWindowIsReleasedWhenDestroyed) {
    HWND raw = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 10, 10, m_wnd.m_hWnd, nullptr, nullptr, nullptr);
    UpperCaseEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(raw));
    EXPECT_FALSE(UpperCaseEdit().SubclassWindow(raw));  // one owner at a time
    edit.SendMessage(WM_CHAR, 'q', 1);
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "Q");
    ::DestroyWindow(raw);
    EXPECT_EQ(edit.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
}

TEST_F(MessageMaps, UnknownWindowsGetTemporaryWrappers) {
    HWND raw = ::CreateWindowExA(0, "STATIC", "x", WS_CHILD, 0, 0, 10, 10, m_wnd.m_hWnd, nullptr, nullptr, nullptr);
    CWnd* temporary = CWnd::FromHandle(raw);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(CWnd::FromHandle(raw), temporary);
    EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
    EXPECT_EQ(temporary->GetParent(), &m_wnd);
    m_app.RunIdle();  // deletes the wrapper, not the window
    EXPECT_TRUE(::IsWindow(raw));
}

// Reference counting: the last release runs OnFinalRelease.
class CountedTarget : public CCmdTarget {
public:
    explicit CountedTarget(bool* released) : m_released(released) {}
    void OnFinalRelease() override {
        *m_released = true;
        CCmdTarget::OnFinalRelease();
    }

private:
    bool* m_released;
};

TEST(CommandTargets, LastReleaseRunsFinalRelease) {
    bool released = false;
    CountedTarget* target = new CountedTarget(&released);
    EXPECT_EQ(target->InternalAddRef(), 2u);
    EXPECT_EQ(target->ExternalRelease(), 1u);
    EXPECT_FALSE(released);
    EXPECT_EQ(target->InternalRelease(), 0u);
    EXPECT_TRUE(released);
}

}  // namespace
