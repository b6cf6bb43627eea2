#include "tests/ui/commandbars/ToolBarFrame.h"

#include "ui/commandbars/UIPopupShadow.h"

namespace {

BYTE AlphaOf(DWORD pixel) { return static_cast<BYTE>(pixel >> 24); }

class FlatRecordingTheme : public RecordingTheme {
public:
    BOOL IsFlatTheme() const override { return TRUE; }
};

std::vector<CUIShadowWnd*> StripsOf(CUICommandBar* owner) {
    std::vector<CUIShadowWnd*> strips;
    for (CUIShadowWnd* strip : CUIPopupShadowTable::Instance().GetShadows()) {
        if (strip->GetOwner() == owner)
            strips.push_back(strip);
    }
    return strips;
}

class PopupShadows : public ToolBars {
protected:
    void SetUp() override {
        ToolBars::SetUp();
        m_bars->GetCommandBarsOptions()->m_animation = 5;
    }
    void TearDown() override {
        for (CUIPopupBar* popup : m_popups) {
            popup->EndTrackingMode();
            popup->InternalRelease();
        }
        ToolBars::TearDown();
    }
    CUIPopupBar* OpenPopupAt(CPoint screen) {
        CUIPopupBar* popup = CUIPopupBar::CreatePopupBarFor(m_bars);
        popup->GetControls()->Add(uiControlButton, ID_PROJECT_NEW)->SetCaption("Entry");
        m_popups.push_back(popup);
        popup->PopupAt(screen.x, screen.y, nullptr);
        return popup;
    }
    std::vector<CUIPopupBar*> m_popups;
};

}  // namespace

TEST(ShadowStrips, AlphasRampFromTheOwnersEdgeAndFadeAtTheFreeEnds) {
    const CSize bottom(20, 4);
    const std::vector<DWORD> flat = ShadowStripPixels(uiShadowBottom, bottom, TRUE, RGB(0, 0, 0));
    const std::vector<DWORD> classic = ShadowStripPixels(uiShadowBottom, bottom, FALSE, RGB(0, 0, 0));
    const BYTE body[] = {60, 45, 30, 15}, fade[] = {12, 24, 36, 48};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(body[row], AlphaOf(flat[static_cast<size_t>(row * 20 + 10)])) << row;
        EXPECT_EQ(2 * body[row], AlphaOf(classic[static_cast<size_t>(row * 20 + 10)])) << row;
    }
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(fade[p], AlphaOf(flat[static_cast<size_t>(p)])) << "left end " << p;
        EXPECT_EQ(fade[p], AlphaOf(flat[static_cast<size_t>(19 - p)])) << "right end " << p;
    }
    const std::vector<DWORD> right = ShadowStripPixels(uiShadowRight, CSize(4, 20), TRUE, RGB(0, 0, 0));
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(body[column], AlphaOf(right[static_cast<size_t>(10 * 4 + column)])) << column;
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(fade[p], AlphaOf(right[static_cast<size_t>(p * 4)])) << "top end " << p;
    // The colour channels scale with the depth: the gradient scheme's shadow colour.
    const std::vector<DWORD> tinted = ShadowStripPixels(uiShadowBottom, bottom, TRUE, RGB(22, 30, 54));
    EXPECT_EQ(static_cast<DWORD>((60u << 24) | (22 << 16) | (30 << 8) | 54), tinted[10]);
    EXPECT_EQ(static_cast<DWORD>((15u << 24) | (5 << 16) | (7 << 8) | 13), tinted[3 * 20 + 10]);
}

TEST(ShadowStrips, StripsLieBelowAndRightOfTheOwner) {
    const CRect owner(0, 0, 50, 100);
    EXPECT_EQ(CRect(50, 4, 54, 100), ShadowStripRect(uiShadowRight, owner, 4));  // 96 long, 4 below the top
    EXPECT_EQ(CRect(4, 100, 54, 104), ShadowStripRect(uiShadowBottom, owner, 4));
    EXPECT_EQ(CRect(2, 100, 52, 102), ShadowStripRect(uiShadowBottom, owner, 2));
}

TEST_F(PopupShadows, FlatThemePopupsCastStripsThatFollowTheirWindow) {
    m_bars->SetPaintManager(new FlatRecordingTheme);
    CUIPopupBar* popup = OpenPopupAt(CPoint(200, 150));
    std::vector<CUIShadowWnd*> strips = StripsOf(popup);
    ASSERT_EQ(2u, strips.size());
    EXPECT_EQ(uiShadowBottom, strips[0]->GetOrientation());  // the bottom strip first
    EXPECT_EQ(uiShadowRight, strips[1]->GetOrientation());
    const int depth = CUIPopupShadowTable::Instance().GetDepth();
    const CRect window = ScreenRect(popup);
    EXPECT_EQ(ShadowStripRect(uiShadowBottom, window, depth), ScreenRect(strips[0]));
    EXPECT_EQ(ShadowStripRect(uiShadowRight, window, depth), ScreenRect(strips[1]));
    EXPECT_TRUE(strips[0]->IsWindowVisible());
    EXPECT_EQ(HTTRANSPARENT, strips[0]->SendMessage(WM_NCHITTEST, 0, 0));

    popup->ShowWindow(SW_HIDE);  // as a tear-off hides it
    EXPECT_FALSE(strips[0]->IsWindowVisible());
    EXPECT_FALSE(strips[1]->IsWindowVisible());
    popup->ShowWindow(SW_SHOWNA);
    EXPECT_TRUE(strips[1]->IsWindowVisible());
    popup->EndTrackingMode();
    EXPECT_TRUE(StripsOf(popup).empty());
}

TEST_F(PopupShadows, ClassicThemePopupsHaveShadowsOnlyWithTheSystemsDropShadows) {
    BOOL saved = FALSE;
    ::SystemParametersInfoA(SPI_GETDROPSHADOW, 0, &saved, 0);
    ::SystemParametersInfoA(SPI_SETDROPSHADOW, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(FALSE)), 0);
    CUIPopupBar* popup = OpenPopupAt(CPoint(200, 150));
    EXPECT_TRUE(StripsOf(popup).empty());
    popup->EndTrackingMode();
    ::SystemParametersInfoA(SPI_SETDROPSHADOW, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(TRUE)), 0);
    popup = OpenPopupAt(CPoint(200, 150));
    EXPECT_EQ(CUIPopupShadowTable::Instance().HasAlphaShadows() ? 2u : 0u, StripsOf(popup).size());
    popup->EndTrackingMode();
    ::SystemParametersInfoA(SPI_SETDROPSHADOW, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(saved)), 0);
}

TEST_F(PopupShadows, AnOpenMenuTitleCastsStripsCutWhereThePopupCoversThem) {
    m_bars->SetPaintManager(new FlatRecordingTheme);
    Layout(900);
    ASSERT_TRUE(m_menuBar->SetOpenPopup(0, FALSE));
    CUIControl* title = m_menuBar->GetControl(0);
    CUICommandBar* popup = title->GetCommandBar();
    ASSERT_NE(nullptr, popup);
    std::vector<CUIShadowWnd*> strips = StripsOf(popup);
    ASSERT_EQ(4u, strips.size());  // the popup's two, then the title's two
    CRect titleRect = title->GetRect();
    m_menuBar->ClientToScreen(&titleRect);
    const int depth = CUIPopupShadowTable::Instance().GetDepth();
    EXPECT_EQ(ShadowStripRect(uiShadowBottom, titleRect, depth), ScreenRect(strips[2]));
    // The title's bottom strip lies under the popup: its region leaves that part out.
    CRect region;
    EXPECT_NE(ERROR, ::GetWindowRgnBox(strips[2]->m_hWnd, &region));
    EXPECT_LT(region.Width() * region.Height(), ScreenRect(strips[2]).Width() * ScreenRect(strips[2]).Height());
    m_menuBar->SetOpenPopup(-1, FALSE);
    EXPECT_TRUE(StripsOf(popup).empty());
}
