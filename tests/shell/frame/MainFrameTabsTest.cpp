#include "tests/shell/frame/MainFrameFixture.h"

#include "platform/CMDIChildWnd.h"
#include "project/CPlcWorkspace.h"
#include "res/resource.h"
#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIStandardBarFactory.h"
#include "ui/docking/tabs/UITabTheme.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the popups the command bars would open and opens none.
class RecordingBarFactory : public CUIStandardBarFactory {
public:
    struct Popup {
        std::vector<UINT> commands;
        CPoint point;
        CWnd* owner;
    };
    RecordingBarFactory() : m_previous(GetBarFactory()) { SetBarFactory(this); }
    ~RecordingBarFactory() override { SetBarFactory(m_previous); }

    BOOL PopupAt(CUICommandBar* bar, int x, int y, LPCRECT) override {
        Popup popup{{}, CPoint(x, y), bar->m_commandOwner};
        for (int i = 0; i < bar->GetControlCount(); ++i)
            popup.commands.push_back(bar->GetControl(i)->GetID());
        popups.push_back(popup);
        return FALSE;
    }

    std::vector<Popup> popups;

private:
    CUIBarFactory* m_previous;
};

class MainFrameTabs : public MainFrameFixture {
protected:
    MainFrameTabs() { workspace.projectOpen = 1; }
    ~MainFrameTabs() override { workspace.projectOpen = 0; }

    CUITabWorkspace* Strip() { return frame->GetTabClient().GetWorkspace(0); }
    CWnd* StripWindow() { return Strip() ? Strip()->GetCarrier() : nullptr; }
    CMDIChildWnd* Window(ChildWindow window) { return frame->ChildWindows().GetFrame(window); }
    LRESULT Press(UINT message, CPoint point) {
        return frame->SendMessage(TabWorkspaceMouseNotify, message, MAKELPARAM(point.x, point.y));
    }
    // A press as the message loop hands it to the strip, which tells the frame first.
    BOOL PressOnStrip(UINT message, CPoint point) {
        MSG msg = {};
        msg.hwnd = StripWindow()->m_hWnd;
        msg.message = message;
        msg.lParam = MAKELPARAM(point.x, point.y);
        return StripWindow()->PreTranslateMessage(&msg);
    }
    // In the frame's client coordinates.
    CRect RectOf(HWND window) {
        CRect rect;
        ::GetWindowRect(window, &rect);
        frame->ScreenToClient(&rect);
        return rect;
    }
};

TEST_F(MainFrameTabs, DocumentWindowsGetTabsWithoutGroupsIconsOrCloseButton) {
    ASSERT_TRUE(created);
    CUITabClientWnd& tabs = frame->GetTabClient();
    EXPECT_EQ(frame->m_hWndMDIClient, tabs.GetSafeHwnd());
    EXPECT_FALSE(tabs.IsGroupsEnabled());
    EXPECT_EQ(2, tabs.GetFlags());
    EXPECT_FALSE(tabs.GetPaintManager()->tabIcons);
    EXPECT_EQ(0, tabs.GetWorkspaceCount());

    frame->OpenGlobalVarWindow();
    frame->OpenCrossRefWindow();
    ASSERT_NE(nullptr, Strip());
    ASSERT_EQ(2, Strip()->GetItemCount());
    EXPECT_EQ("VAR_GLOBAL", Strip()->GetItem(0)->GetCaption());
    EXPECT_EQ("交叉索引表", Strip()->GetItem(1)->GetCaption());
    EXPECT_EQ(Strip()->GetItem(1), Strip()->GetSelectedItem());
    frame->OnCloseAllWindows();
    app.PumpUntilIdle();
    EXPECT_EQ(0, tabs.GetWorkspaceCount());
}

TEST_F(MainFrameTabs, RightPressOnATabActivatesItsWindowAndOffersMenu161) {
    ASSERT_TRUE(created);
    frame->OpenGlobalVarWindow();
    frame->OpenCrossRefWindow();
    ASSERT_NE(nullptr, Strip());
    RecordingBarFactory bars;
    const CPoint onFirst = Strip()->GetItem(0)->GetRect().CenterPoint();

    EXPECT_TRUE(PressOnStrip(WM_RBUTTONDOWN, onFirst));
    EXPECT_EQ(Window(ChildWindow::GlobalVariables), frame->MDIGetActive());
    EXPECT_EQ(Window(ChildWindow::GlobalVariables), frame->GetTabMenuWindow());
    ASSERT_EQ(1u, bars.popups.size());
    const std::vector<UINT> menu161 = {ID_CLOSE_WINDOW, ID_CLOSE_ALL_WINDOWS, ID_PROJECT_SAVE, ID_SWITCH_TAB_POSITION};
    EXPECT_EQ(menu161, bars.popups[0].commands);
    CPoint screen = onFirst;
    StripWindow()->ClientToScreen(&screen);
    EXPECT_EQ(screen, bars.popups[0].point);
    EXPECT_EQ(frame, bars.popups[0].owner);
}

TEST_F(MainFrameTabs, EmptyStripAndOtherPressesOfferNothing) {
    ASSERT_TRUE(created);
    frame->OpenGlobalVarWindow();
    ASSERT_NE(nullptr, Strip());
    RecordingBarFactory bars;
    const CRect tab = Strip()->GetItem(0)->GetRect();
    const CPoint beside(tab.right + 10, tab.CenterPoint().y);
    ASSERT_EQ(nullptr, frame->GetTabClient().HitTestTab(beside));

    EXPECT_EQ(1, Press(WM_RBUTTONDOWN, beside)) << "taken, but no menu";
    EXPECT_EQ(0, Press(WM_LBUTTONDOWN, tab.CenterPoint()));
    EXPECT_EQ(0, Press(WM_RBUTTONDBLCLK, tab.CenterPoint()));
    EXPECT_TRUE(bars.popups.empty());
    EXPECT_EQ(nullptr, frame->GetTabMenuWindow());
}

TEST_F(MainFrameTabs, SwitchingThePositionMovesTheStripAndClosingStoresIt) {
    ASSERT_TRUE(created);
    frame->OpenGlobalVarWindow();
    ASSERT_NE(nullptr, Strip());
    struct Case {
        int position;
        bool stripAbove;
    } cases[] = {{TabPositionBottom, false}, {TabPositionTop, true}, {TabPositionBottom, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        Command(ID_SWITCH_TAB_POSITION);
        EXPECT_EQ(c.position, frame->GetTabPosition());
        const CRect documents = RectOf(frame->m_hWndMDIClient);
        CRect header = Strip()->headerRect;
        StripWindow()->MapWindowPoints(frame, &header);
        if (c.stripAbove) {
            EXPECT_LE(header.bottom, documents.top);
        } else {
            EXPECT_GE(header.top, documents.bottom);
        }
    }
    frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(TabPositionBottom, static_cast<int>(app.GetProfileInt("TabDocking", "Position", -1)));
}

}  // namespace
