#include "tests/ui/commandbars/ToolBarFrame.h"

#include "ui/commandbars/UIPopupBar.h"

#include "tests/support/ScriptedMessageBoxes.h"

#include <algorithm>
#include <set>

namespace {

class ToolBarButtons : public ToolBars {
protected:
    void SetUp() override {
        ToolBars::SetUp();
        m_standard = AddToolBar(IDR_TOOLBAR_STANDARD, "标准");
        ASSERT_NE(nullptr, m_standard);
    }
    void TearDown() override {
        if (m_menu)
            m_menu->InternalRelease();
        ToolBars::TearDown();
    }
    CUIControlToolbarOptions* Options() {
        return static_cast<CUIControlToolbarOptions*>(m_standard->GetControls()->FindControl(ID_TOOLBAR_OPTIONS));
    }
    // The options button's popup, opened as a click opens it.
    CUIPopupBar* OpenOptions() {
        CUIControlToolbarOptions* options = Options();
        if (options == nullptr || !options->IsVisible())
            return nullptr;
        m_standard->SetOpenPopup(options->GetIndex(), FALSE);
        return dynamic_cast<CUIPopupBar*>(options->GetCommandBar());
    }
    CUIPopupBar* ButtonsMenu() {
        if (m_menu)
            m_menu->InternalRelease();
        m_menu = CUIPopupBar::CreatePopupBarFor(m_bars);
        m_standard->BuildButtonsMenu(m_menu);
        return m_menu;
    }
    CUIControl* EntryFor(CUIPopupBar* menu, const CString& caption) {
        for (int i = 0; i < menu->GetControlCount(); ++i) {
            if (menu->GetControl(i)->GetCaption() == caption)
                return menu->GetControl(i);
        }
        return nullptr;
    }

    CUIToolBar* m_standard = nullptr;
    CUIPopupBar* m_menu = nullptr;
};

}  // namespace

TEST_F(ToolBarButtons, TheChevronOffersTheHiddenButtonsInRows150PixelsWide) {
    m_bars->GetCommandBarsOptions()->m_alwaysShowOptionsButton = FALSE;  // as the main frame sets it
    Layout(200);
    const int hidden = HiddenForRoom(m_standard);
    ASSERT_GT(hidden, 1);
    CUIPopupBar* popup = OpenOptions();
    ASSERT_NE(nullptr, popup);
    EXPECT_NE(nullptr, dynamic_cast<CUIPopupToolBar*>(popup));
    EXPECT_EQ(uiTracking, popup->GetTrackingMode());
    EXPECT_FALSE(popup->IsCustomizable());
    ASSERT_EQ(hidden, popup->GetControlCount());
    // Rows are 150 pixels wide, or as wide as a single wider button.
    LONG rowWidth = 150;
    for (int i = 0; i < popup->GetControlCount(); ++i)
        rowWidth = std::max<LONG>(rowWidth, popup->GetControl(i)->GetRect().Width());
    std::set<LONG> rowTops;
    for (int i = 0; i < popup->GetControlCount(); ++i) {
        CUIControl* entry = popup->GetControl(i);
        CUIControl* source = m_standard->GetControl(m_standard->GetControlCount() - 1 - hidden + i);
        EXPECT_EQ(source->GetID(), entry->GetID()) << i;
        EXPECT_TRUE(entry->IsVisible()) << i;
        EXPECT_FALSE(entry->GetBeginGroup()) << i;
        EXPECT_LE(entry->GetRect().right, popup->m_toolBarBorders.left + rowWidth) << i;
        rowTops.insert(entry->GetRect().top);
    }
    EXPECT_EQ(150, popup->m_widthLimit);
    EXPECT_GT(rowTops.size(), 1u);  // the buttons wrap
    m_standard->SetOpenPopup(-1, FALSE);
    EXPECT_EQ(uiNotTracking, popup->GetTrackingMode());
    EXPECT_EQ(nullptr, popup->GetSafeHwnd());
}

TEST_F(ToolBarButtons, WithTheOptionsButtonAlwaysShownItsPopupEndsWithAddOrRemoveButtons) {
    Layout(200);
    CUIPopupBar* popup = OpenOptions();
    ASSERT_NE(nullptr, popup);
    const int count = popup->GetControlCount();
    ASSERT_EQ(HiddenForRoom(m_standard) + 1, count);
    CUIControl* addRemove = popup->GetControl(count - 1);
    EXPECT_EQ(CString("&Add or Remove Buttons"), addRemove->GetCaption());
    EXPECT_EQ(uiControlPopup, addRemove->GetType());
    EXPECT_TRUE(addRemove->GetBeginGroup());
    // One entry per bar of the row, disabled while the bars cannot be customized.
    CUICommandBar* rowMenu = addRemove->GetCommandBar();
    ASSERT_NE(nullptr, rowMenu);
    ASSERT_EQ(1, rowMenu->GetControlCount());
    EXPECT_EQ(CString("标准"), rowMenu->GetControl(0)->GetCaption());
    EXPECT_FALSE(rowMenu->GetControl(0)->GetEnabled());
    m_standard->SetOpenPopup(-1, FALSE);
}

TEST_F(ToolBarButtons, TheButtonsMenuChecksShownButtonsAndHidesOrBringsThemBack) {
    CUIPopupBar* menu = ButtonsMenu();
    // Eleven buttons and the reset entry; the options button has none.
    ASSERT_EQ(12, menu->GetControlCount());
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(1, menu->GetControl(i)->GetChecked()) << i;
        EXPECT_TRUE(menu->GetControl(i)->GetEnabled()) << i;
        EXPECT_EQ(m_standard->GetControl(i)->GetEffectiveImageId(), menu->GetControl(i)->m_imageId) << i;
    }
    CUIControl* reset = menu->GetControl(11);
    EXPECT_EQ(CString("Reset"), reset->GetCaption());
    EXPECT_TRUE(reset->GetBeginGroup());

    CUIControl* third = m_standard->GetControl(2);
    menu->GetControl(2)->OnExecute();
    EXPECT_EQ(static_cast<DWORD>(uiHideCustomize), third->GetHideFlags());
    EXPECT_EQ(0, menu->GetControl(2)->GetChecked());
    menu->GetControl(2)->OnExecute();
    EXPECT_TRUE(third->IsVisible());

    // A button taken off the bar comes back hidden at its loaded place.
    const UINT removedId = m_standard->GetControl(4)->GetID();
    m_standard->GetControls()->Remove(4);
    menu = ButtonsMenu();
    EXPECT_EQ(removedId, m_standard->GetControl(4)->GetID());
    EXPECT_EQ(static_cast<DWORD>(uiHideCustomize), m_standard->GetControl(4)->GetHideFlags());
    EXPECT_EQ(0, menu->GetControl(4)->GetChecked());

    // A temporary toolbar (a torn-off one) has no reset entry.
    m_standard->m_temporary = TRUE;
    EXPECT_EQ(11, ButtonsMenu()->GetControlCount());
}

TEST_F(ToolBarButtons, ResetAsksWithTheTitleAndOnOkPutsBackTheLoadedButtons) {
    CUIPopupBar* menu = ButtonsMenu();
    menu->GetControl(0)->OnExecute();
    m_standard->GetControls()->Remove(5);
    const int loaded = 11;
    {
        ScriptedMessageBoxes boxes({IDCANCEL});
        menu->GetControl(menu->GetControlCount() - 1)->OnExecute();
        ASSERT_EQ(1u, boxes.Calls().size());
        EXPECT_EQ("Are you sure you want to reset the changes made to the '标准' toolbar?", boxes.Calls()[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL | MB_ICONEXCLAMATION), boxes.Calls()[0].type);
        EXPECT_FALSE(m_standard->GetControl(0)->IsVisible());
    }
    ScriptedMessageBoxes boxes({IDOK});
    m_standard->Reset();
    EXPECT_EQ(1u, boxes.Calls().size());
    int shown = 0;
    for (int i = 0; i < m_standard->GetControlCount(); ++i)
        shown += !m_standard->GetControl(i)->m_temporary && m_standard->GetControl(i)->IsVisible() ? 1 : 0;
    EXPECT_EQ(loaded, shown);

    // A bar that is not built in is not reset and nothing is asked.
    m_standard->m_resettable = FALSE;
    m_standard->Reset();
    EXPECT_EQ(1u, boxes.Calls().size());
}
