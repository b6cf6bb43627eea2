#include "tests/ui/commandbars/ToolBarFrame.h"

#include "ui/commandbars/UIPopupAnimation.h"
#include "ui/commandbars/UIPopupBar.h"

namespace {

// A recording theme with a 9-pixel tear-off strip that notes the strip's hot state and
// the animations it is asked for.
class AnimationTheme : public RecordingTheme {
public:
    CSize DrawTearOffGripper(CDC*, CRect, BOOL selected, BOOL draw) override {
        if (draw)
            m_stripHot.push_back(selected);
        return CSize(0, 9);
    }
    void AnimatePopup(CDC*, CDC*, CRect rect, int kind) override {
        m_popupKinds.push_back(kind);
        m_animatedRect = rect;
    }
    void AnimateExpand(CUIPopupBar*, CDC*, CDC*) override { ++m_growths; }

    std::vector<BOOL> m_stripHot;
    std::vector<int> m_popupKinds;
    CRect m_animatedRect;
    int m_growths = 0;
};

class PopupBehaviour : public ToolBars {
protected:
    void SetUp() override {
        ToolBars::SetUp();
        m_theme = new AnimationTheme;
        m_bars->SetPaintManager(m_theme);
        m_bars->GetCommandBarsOptions()->m_animation = uiAnimateNone;
    }
    void TearDown() override {
        for (CUIPopupBar* popup : m_popups) {
            popup->EndTrackingMode();
            popup->InternalRelease();
        }
        ToolBars::TearDown();
    }
    CUIPopupBar* OpenPopupAt(CPoint screen, int entries = 3) {
        CUIPopupBar* popup = CUIPopupBar::CreatePopupBarFor(m_bars);
        for (int i = 0; i < entries; ++i)
            popup->GetControls()->Add(uiControlButton, ID_PROJECT_NEW + i)->SetCaption("Entry");
        m_popups.push_back(popup);
        popup->PopupAt(screen.x, screen.y, nullptr);
        return popup;
    }
    CPoint StripCentre(CUIPopupBar* popup) {
        CPoint centre = popup->GetTearOffStrip().CenterPoint();
        popup->ClientToScreen(&centre);
        return centre;
    }
    void PressStrip(CUIPopupBar* popup) {
        const CPoint centre = popup->GetTearOffStrip().CenterPoint();
        CaptureWatchdog watchdog;
        popup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(centre.x, centre.y));
        DrainInput();
    }
    CUIToolBar* TornOff() { return static_cast<CUIToolBar*>(m_bars->GetToolBar(4711)); }

    AnimationTheme* m_theme = nullptr;
    std::vector<CUIPopupBar*> m_popups;
};

}  // namespace

TEST(PopupAnimation, TheKindFollowsTheOptionAndTheSystemsMenuAnimation) {
    const struct {
        int option;
        DWORD mask;
        int random;
        int kind;
    } cases[] = {
        {uiAnimateNoneBySystem, 0x0, 0, uiAnimateNoneBySystem},  // menu animation off
        {uiAnimateNoneBySystem, 0x2, 0, uiAnimateSlide},
        {uiAnimateNoneBySystem, 0x202, 0, uiAnimateFade},
        {uiAnimateNoneBySystem, 0x200, 0, uiAnimateNoneBySystem},
        {uiAnimateRandom, 0, 0, uiAnimateFade},
        {uiAnimateRandom, 0, 4, uiAnimateSlide},
        {uiAnimateRandom, 0, 5, uiAnimateUnfold},
        {uiAnimateUnfold, 0x202, 0, uiAnimateUnfold},
        {uiAnimateNone, 0x202, 0, uiAnimateNone},
    };
    for (const auto& test : cases)
        EXPECT_EQ(test.kind, PopupAnimationKind(test.option, test.mask, test.random))
            << test.option << " " << test.mask << " " << test.random;
}

TEST(PopupAnimation, TheSystemSettingIsReadWholeWhenItIsLongerThanFourBytes) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                                               KEY_READ | KEY_WRITE, nullptr, &key, nullptr));
    BYTE saved[64] = {};
    DWORD savedSize = sizeof(saved), savedType = 0;
    const BOOL hadValue =
        ::RegQueryValueExA(key, "UserPreferencesMask", nullptr, &savedType, saved, &savedSize) == ERROR_SUCCESS;
    const BYTE eightBytes[] = {0x02, 0x02, 0x00, 0x00, 0x10, 0x00, 0x00, 0x00};
    ::RegSetValueExA(key, "UserPreferencesMask", 0, REG_BINARY, eightBytes, sizeof(eightBytes));
    EXPECT_EQ(static_cast<DWORD>(0x202), ReadUserPreferencesMask());
    ::RegDeleteValueA(key, "UserPreferencesMask");
    EXPECT_EQ(0u, ReadUserPreferencesMask());  // missing counts as 0
    if (hadValue)
        ::RegSetValueExA(key, "UserPreferencesMask", 0, savedType, saved, savedSize);
    ::RegCloseKey(key);
}

TEST_F(PopupBehaviour, AContextMenuOpensAnimatedWithTheOptionsKindAndNotWithNone) {
    OpenPopupAt(CPoint(200, 150));
    EXPECT_TRUE(m_theme->m_popupKinds.empty());  // "None"
    m_bars->GetCommandBarsOptions()->m_animation = uiAnimateFade;
    CUIPopupBar* popup = OpenPopupAt(CPoint(300, 150));
    ASSERT_EQ(1u, m_theme->m_popupKinds.size());
    EXPECT_EQ(uiAnimateFade, m_theme->m_popupKinds[0]);
    CRect client;
    popup->GetClientRect(&client);
    EXPECT_EQ(client, m_theme->m_animatedRect);
}

TEST_F(PopupBehaviour, ShowingTheHiddenCommandsAnimatesTheGrowth) {
    CUICommandBarsOptions* options = m_bars->GetCommandBarsOptions();
    options->m_alwaysShowFullMenus = FALSE;
    options->m_hiddenCommands.Add(ID_PROJECT_NEW + 1);
    options->m_animation = uiAnimateSlide;
    CUIPopupBar* popup = OpenPopupAt(CPoint(200, 150));
    ASSERT_TRUE(popup->HasHiddenCommands());
    EXPECT_EQ(0, m_theme->m_growths);
    popup->ExpandBar();
    EXPECT_EQ(1, m_theme->m_growths);
    EXPECT_TRUE(popup->GetControl(1)->IsVisible());
    CUIMouseTrackHook::Get().m_fullMenus = FALSE;
}

TEST_F(PopupBehaviour, DraggingTheStripAwayTearsThePopupOffIntoAFloatingToolbarThatFollowsThePointer) {
    CUIPopupBar* popup = CUIPopupBar::CreatePopupBarFor(m_bars);
    m_popups.push_back(popup);
    for (int i = 0; i < 3; ++i)
        popup->GetControls()->Add(uiControlButton, ID_PROJECT_NEW + i)->SetCaption("Entry");
    popup->SetTearOff("撕下", 4711, 120);
    ASSERT_TRUE(popup->PopupAt(200, 150, nullptr));
    ASSERT_EQ(9, popup->GetTearOffStrip().Height());
    const CPoint strip = StripCentre(popup);

    // Away: the popup hides and a floating toolbar follows the pointer.
    const CPoint away(strip.x + 100, strip.y + 120);
    PostMoveTo(CPoint(strip.x, strip.y + 5));  // still within reach
    PostMoveTo(away);
    m_frame->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);  // ends the drag, keeps what it did
    PressStrip(popup);
    CUIToolBar* bar = TornOff();
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(uiBarFloating, bar->GetPosition());
    EXPECT_TRUE(bar->m_temporary);
    EXPECT_EQ(120, bar->m_widthLimit);
    for (UINT id = ID_PROJECT_NEW; id < ID_PROJECT_NEW + 3; ++id) {
        CUIControl* copy = bar->GetControls()->FindControl(static_cast<int>(id));
        ASSERT_NE(nullptr, copy) << id;
        EXPECT_TRUE(copy->IsVisible()) << id;
    }
    const CRect window = ScreenRect(bar);
    EXPECT_EQ(away.x - window.Width() / 2, window.left);
    EXPECT_EQ(away.y - 10, window.top);
    EXPECT_FALSE(popup->GetSafeHwnd() && popup->IsWindowVisible());
    EXPECT_FALSE(CUIMouseTrackHook::Get().IsTracking());  // tearing off ends the menu
    EXPECT_EQ(0, CUIMouseTrackHook::Get().m_suspendCount);
}

TEST_F(PopupBehaviour, MovingBackWithinTenPixelsHidesTheTornOffToolbarAndShowsThePopup) {
    CUIPopupBar* popup = CUIPopupBar::CreatePopupBarFor(m_bars);
    m_popups.push_back(popup);
    popup->GetControls()->Add(uiControlButton, ID_PROJECT_NEW)->SetCaption("Entry");
    popup->SetTearOff("撕下", 4711, 120);
    ASSERT_TRUE(popup->PopupAt(200, 150, nullptr));
    const CPoint strip = StripCentre(popup);
    PostMoveTo(CPoint(strip.x, strip.y + 100));
    PostMoveTo(CPoint(strip.x, strip.y + 9));
    PostRelease();
    PressStrip(popup);
    EXPECT_EQ(nullptr, TornOff());  // the temporary toolbar left when hidden
    ASSERT_NE(nullptr, popup->GetSafeHwnd());
    EXPECT_TRUE(popup->IsWindowVisible());
    EXPECT_EQ(uiTracking, popup->GetTrackingMode());
}

TEST_F(PopupBehaviour, TheStripLightsWhileThePointerRestsOnIt) {
    CUIPopupBar* popup = CUIPopupBar::CreatePopupBarFor(m_bars);
    m_popups.push_back(popup);
    popup->GetControls()->Add(uiControlButton, ID_PROJECT_NEW)->SetCaption("Entry");
    popup->SetTearOff("撕下", 4711, 120);
    ASSERT_TRUE(popup->PopupAt(200, 150, nullptr));
    const CPoint centre = popup->GetTearOffStrip().CenterPoint();
    popup->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(centre.x, centre.y));
    ::SetCursorPos(StripCentre(popup).x, StripCentre(popup).y);
    popup->SendMessage(WM_TIMER, CUIPopupBar::TearOffTimerId);
    EXPECT_TRUE(popup->IsTearOffHot());
    ::SetCursorPos(10, 10);
    popup->SendMessage(WM_TIMER, CUIPopupBar::TearOffTimerId);
    EXPECT_FALSE(popup->IsTearOffHot());
}
