#include "platform/CFrameWnd.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A floating window owned by a frame that records what the frame tells it; it follows
// the frame's activation when asked to.
class FloatingRecorder : public CWnd {
public:
    BOOL m_follows = TRUE;
    std::vector<WPARAM> m_notices;

    BOOL CreateOwned(CWnd* frame) {
        return CreateEx(0, nullptr, "floating", WS_POPUP | WS_VISIBLE, CRect(10, 10, 60, 60), frame, 0);
    }

protected:
    LRESULT OnFloatStatus(WPARAM flags, LPARAM) {
        if (flags == FS_SYNCACTIVE)
            return m_follows;
        m_notices.push_back(flags);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FloatingRecorder, CWnd)
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

class FloatingActivation : public ::testing::Test {
protected:
    void SetUp() override {
        m_frame = new CFrameWnd;
        ASSERT_TRUE(m_frame->Create(nullptr, "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200)));
        m_app.m_pMainWnd = m_frame;
        ASSERT_TRUE(m_other.CreateEx(0, nullptr, "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 100, 100),
                                     nullptr, 0));
        ASSERT_TRUE(m_floating.CreateOwned(m_frame));
        m_frame->SetActiveWindow();
        m_floating.m_notices.clear();
    }

    TestApplication m_app;
    CFrameWnd* m_frame = nullptr;
    CWnd m_other;
    FloatingRecorder m_floating;
};

TEST_F(FloatingActivation, FloatingWindowsFollowTheFrameInAndOutOfActivation) {
    m_other.SetActiveWindow();
    m_frame->SetActiveWindow();
    EXPECT_EQ(m_floating.m_notices, (std::vector<WPARAM>{FS_DEACTIVATE, FS_ACTIVATE}));
}

TEST_F(FloatingActivation, ActivatingAFollowerKeepsTheGroupActive) {
    m_floating.SetActiveWindow();
    EXPECT_TRUE(m_floating.m_notices.empty());
}

TEST_F(FloatingActivation, AWindowThatDoesNotFollowIsOutsideTheGroup) {
    m_floating.m_follows = FALSE;
    m_floating.SetActiveWindow();
    EXPECT_EQ(m_floating.m_notices, std::vector<WPARAM>{FS_DEACTIVATE});
}

}  // namespace
