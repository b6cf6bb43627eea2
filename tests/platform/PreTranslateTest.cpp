#include "platform/CFrameWnd.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string>* g_seen = nullptr;

// Records its turn in the pre-translation and consumes the message when told to.
template <class Base>
class Translating : public Base {
public:
    std::string m_name;
    BOOL m_consume = FALSE;

    BOOL PreTranslateMessage(MSG* msg) override {
        g_seen->push_back(m_name);
        return m_consume || Base::PreTranslateMessage(msg);
    }
};

class PreTranslation : public ::testing::Test {
protected:
    void SetUp() override {
        g_seen = &m_seen;
        m_frame = new Translating<CFrameWnd>;
        m_frame->m_name = "frame";
        ASSERT_TRUE(m_frame->Create(nullptr, "main", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
        m_app.m_pMainWnd = m_frame;
        MakeChild(m_outer, "outer", m_frame);
        MakeChild(m_inner, "inner", &m_outer);
        m_popup.m_name = "popup";
        ASSERT_TRUE(m_popup.CreateEx(0, nullptr, "modeless", WS_POPUP, CRect(0, 0, 50, 50), m_frame, 0));
        MakeChild(m_popupChild, "popup child", &m_popup);
    }
    void TearDown() override { g_seen = nullptr; }

    void MakeChild(Translating<CWnd>& child, const char* name, CWnd* parent) {
        child.m_name = name;
        ASSERT_TRUE(child.Create(nullptr, nullptr, WS_VISIBLE, CRect(0, 0, 20, 20), parent, 1));
    }
    BOOL KeyDownTo(CWnd& target) {
        m_seen.clear();
        MSG msg = {};
        msg.hwnd = target.m_hWnd;
        msg.message = WM_KEYDOWN;
        msg.wParam = 'A';
        return m_app.PreTranslateMessage(&msg);
    }

    TestApplication m_app;
    std::vector<std::string> m_seen;
    Translating<CFrameWnd>* m_frame = nullptr;
    Translating<CWnd> m_outer, m_inner, m_popup, m_popupChild;
};

TEST_F(PreTranslation, EachWindowFromTheTargetUpToTheMainWindowHasItsTurn) {
    EXPECT_FALSE(KeyDownTo(m_inner));
    EXPECT_EQ(m_seen, (std::vector<std::string>{"inner", "outer", "frame"}));

    m_outer.m_consume = TRUE;
    EXPECT_TRUE(KeyDownTo(m_inner));
    EXPECT_EQ(m_seen, (std::vector<std::string>{"inner", "outer"}));
}

TEST_F(PreTranslation, AnotherTopLevelWindowLeavesTheLastTurnToTheMainWindow) {
    EXPECT_FALSE(KeyDownTo(m_popupChild));
    EXPECT_EQ(m_seen, (std::vector<std::string>{"popup child", "popup", "frame"}));

    m_frame->m_consume = TRUE;  // the main window's accelerators work in modeless windows too
    EXPECT_TRUE(KeyDownTo(m_popupChild));
}

}  // namespace
