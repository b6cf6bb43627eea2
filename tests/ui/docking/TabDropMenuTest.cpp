#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "tests/support/TestApplication.h"
#include "tests/ui/docking/TabClientTestFrame.h"
#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/UIStandardBarFactory.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

namespace {

using Entries = std::vector<std::pair<UINT, std::string>>;

// What the open drop menu showed, and the entry to choose in it.
Entries g_entries;
std::vector<UINT> g_groupStarts;
UINT g_choice = 0;
std::vector<UINT> g_frameCommands;
HWND g_frame = nullptr;

void CALLBACK ChooseFromMenu(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    const std::vector<CUICommandBar*>& tracking = CUIMouseTrackHook::Get().GetTrackingBars();
    if (tracking.empty())
        return;
    CUICommandBar* popup = tracking.back();
    CUIControl* chosen = nullptr;
    for (int i = 0; i < popup->GetControlCount(); ++i) {
        CUIControl* control = popup->GetControl(i);
        if (!control->IsVisible())
            continue;
        g_entries.emplace_back(control->GetID(), static_cast<const char*>(control->GetCaption()));
        if (control->GetBeginGroup())
            g_groupStarts.push_back(control->GetID());
        if (control->GetID() == g_choice)
            chosen = control;
    }
    if (chosen)
        chosen->OnExecute();
    else
        CUIMouseTrackHook::Get().EndTracking();
}

LRESULT CALLBACK RecordFrameCommands(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == g_frame && sent->message == WM_COMMAND)
        g_frameCommands.push_back(LOWORD(sent->wParam));
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

class TabDropMenuTest : public testing::Test {
protected:
    void SetUp() override {
        InstallStandardBarFactory();
        SelectTheme(uiThemeClassic);
        frame = TabTestFrame::Make(TRUE);
        app.m_pMainWnd = frame;
        g_frame = frame->m_hWnd;
        g_entries.clear();
        g_groupStarts.clear();
        g_frameCommands.clear();
        hook = ::SetWindowsHookExA(WH_CALLWNDPROC, RecordFrameCommands, nullptr, ::GetCurrentThreadId());
    }
    void TearDown() override {
        ::UnhookWindowsHookEx(hook);
        frame->bars = nullptr;
        app.m_pMainWnd = nullptr;
        frame->DestroyWindow();
        ReleaseGlobalTheme();
    }
    void OpenMenuChoosing(UINT choice) {
        g_choice = choice;
        ::SetTimer(nullptr, 0, 10, ChooseFromMenu);
        frame->tabs.ShowWorkspaceActionsPopup(CPoint(40, 40));
    }

    TestApplication app;
    TabTestFrame* frame = nullptr;
    HHOOK hook = nullptr;
};

}  // namespace

TEST_F(TabDropMenuTest, TheMenuOffersTheGroupCommandsThatApplyAndSendsTheChoiceToTheFrame) {
    CUICommandBars bars;
    bars.SetFrameSite(frame);
    frame->bars = &bars;
    frame->AddChild("一");
    frame->AddChild("二");
    OpenMenuChoosing(ID_TAB_GROUP_NEW_VERTICAL);
    EXPECT_EQ((Entries{{ID_TAB_GROUP_NEW_HORIZONTAL, "New Hori&zontal Tab Group"},
                       {ID_TAB_GROUP_NEW_VERTICAL, "New &Vertical Tab Group"},
                       {ID_TAB_GROUP_CANCEL, "C&ancel"}}),
              g_entries);
    EXPECT_EQ(std::vector<UINT>{ID_TAB_GROUP_CANCEL}, g_groupStarts);
    EXPECT_EQ(std::vector<UINT>{ID_TAB_GROUP_NEW_VERTICAL}, g_frameCommands);
    EXPECT_FALSE(CUIMouseTrackHook::Get().IsTracking());

    // With two groups the move commands apply instead; Cancel is only a command.
    frame->tabs.OnGroupCommand(ID_TAB_GROUP_NEW_VERTICAL);
    ASSERT_EQ(2, frame->tabs.GetWorkspaceCount());
    g_entries.clear();
    g_frameCommands.clear();
    OpenMenuChoosing(ID_TAB_GROUP_CANCEL);
    EXPECT_EQ((Entries{{ID_TAB_GROUP_MOVE_PREVIOUS, "Move to P&revious Tab Group"}, {ID_TAB_GROUP_CANCEL, "C&ancel"}}),
              g_entries);
    EXPECT_EQ(std::vector<UINT>{ID_TAB_GROUP_CANCEL}, g_frameCommands);
    EXPECT_EQ(2, frame->tabs.GetWorkspaceCount());
}

TEST_F(TabDropMenuTest, WithoutCommandBarsNoMenuOpens) {
    frame->AddChild("一");
    frame->AddChild("二");
    OpenMenuChoosing(ID_TAB_GROUP_CANCEL);
    EXPECT_TRUE(g_entries.empty());
    EXPECT_TRUE(g_frameCommands.empty());
}
