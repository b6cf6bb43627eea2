#include "platform/CMiniFrameWnd.h"
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

// ---- Mini frames --------------------------------------------------------------------

const DWORD kFloatingFrameStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | MFS_SYNCACTIVE | MFS_BLOCKSYSMENU;

CMiniFrameWnd* NewMiniFrame(CWnd* frame, DWORD style) {
    auto* mini = new CMiniFrameWnd;
    if (!mini->CreateEx(0, AFX_WNDMINIFRAME, "", style, CRect(20, 20, 120, 120), frame, 0))
        return nullptr;
    return mini;
}

TEST_F(FloatingActivation, ActivationMovingToASynchronisedMiniFrameStaysInTheGroup) {
    CMiniFrameWnd* mini = NewMiniFrame(m_frame, kFloatingFrameStyle | WS_VISIBLE);
    ASSERT_NE(mini, nullptr);
    mini->SetActiveWindow();
    m_frame->SetActiveWindow();
    mini->SetActiveWindow();
    EXPECT_TRUE(m_floating.m_notices.empty());
    m_other.SetActiveWindow();  // leaving the group from the mini frame deactivates it all
    EXPECT_EQ(m_floating.m_notices, std::vector<WPARAM>{FS_DEACTIVATE});
    mini->SetActiveWindow();
    EXPECT_EQ(m_floating.m_notices, (std::vector<WPARAM>{FS_DEACTIVATE, FS_ACTIVATE}));
}

TEST_F(FloatingActivation, MiniStylesStayOutOfTheWindowStyle) {
    struct Case {
        DWORD style;
        BOOL follows;
        BOOL toolCaption;
    } cases[] = {
        {kFloatingFrameStyle, TRUE, TRUE},
        {WS_POPUP | WS_CAPTION, FALSE, TRUE},
        {WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, FALSE, FALSE},
    };
    for (const Case& c : cases) {
        CMiniFrameWnd* mini = NewMiniFrame(m_frame, c.style);
        ASSERT_NE(mini, nullptr);
        EXPECT_EQ(mini->GetStyle() & (WS_MAXIMIZEBOX | MFS_SYNCACTIVE), 0u) << std::hex << c.style;
        EXPECT_EQ(mini->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE) != 0, c.follows != 0) << std::hex << c.style;
        EXPECT_EQ((mini->GetExStyle() & WS_EX_TOOLWINDOW) != 0, c.toolCaption != 0) << std::hex << c.style;
        mini->DestroyWindow();
    }
}

// A mini frame lays out its content whenever its size changes, as the sliding
// window of an auto-hidden pane does.
class LayoutCounter : public CMiniFrameWnd {
public:
    int m_layouts = 0;
    void RecalcLayout(BOOL notify) override {
        ++m_layouts;
        CMiniFrameWnd::RecalcLayout(notify);
    }
};

TEST_F(FloatingActivation, AChildMiniFrameLaysOutOnEverySize) {
    auto* sliding = new LayoutCounter;
    ASSERT_TRUE(sliding->CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), m_frame, 0));
    int before = sliding->m_layouts;
    sliding->MoveWindow(0, 0, 80, 50);
    sliding->MoveWindow(0, 0, 80, 70);
    EXPECT_EQ(sliding->m_layouts, before + 2);
    EXPECT_EQ(sliding->GetParentFrame(), m_frame);
}

TEST_F(FloatingActivation, AWindowThatDoesNotFollowIsOutsideTheGroup) {
    m_floating.m_follows = FALSE;
    m_floating.SetActiveWindow();
    EXPECT_EQ(m_floating.m_notices, std::vector<WPARAM>{FS_DEACTIVATE});
}

}  // namespace
