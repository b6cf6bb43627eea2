#include "tests/ui/commandbars/RecordingTheme.h"
#include "tests/ui/commandbars/TestBars.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIToolbarLayout.h"

#include "res/resource.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A bar (without a window unless asked) holding buttons with the captions.
class ControlsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_bar = new TestBar;
        m_bar->SetPaintManager(new RecordingTheme);
    }
    void TearDown() override { m_bar->InternalRelease(); }

    CUIControl* AddButton(LPCSTR caption, DWORD hideFlags = 0, DWORD flags = 0) {
        CUIControl* control = m_bar->GetControls()->Add(uiControlButton, 0);
        control->SetCaption(caption);
        control->SetHideFlags(hideFlags);
        control->SetFlags(flags);
        return control;
    }
    CUIControls* Controls() { return m_bar->GetControls(); }

    TestApplication m_app;
    TestBar* m_bar = nullptr;
};

std::string HideFlags(CUIControls* controls) {
    std::string flags;
    for (int i = 0; i < controls->GetCount(); ++i)
        flags += (controls->GetAt(i)->GetHideFlags() & uiHideWrap) ? 'h' : '.';
    return flags;
}

}  // namespace

TEST_F(ControlsFixture, KeyboardNavigationWrapsAndSkips) {
    AddButton("A");
    AddButton("B", uiHideCustomize);
    AddButton("C", 0, uiFlagSkipKeyboard);
    AddButton("D", uiHideScroll);  // scrolled out of a popup: still reachable
    AddButton("E");
    struct Case {
        int start;
        int step;
        BOOL skipKeyboard;
        int expected;
    } cases[] = {
        {-1, +1, TRUE, 0},  {0, +1, TRUE, 3},  {3, +1, TRUE, 4},  {4, +1, TRUE, 0},  // wraps to the first
        {-1, -1, TRUE, 4},  {0, -1, TRUE, 4},  {4, -1, TRUE, 3},  {0, +1, FALSE, 2},
        {5, -1, TRUE, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Controls()->GetNextIndex(c.start, c.step, c.skipKeyboard, FALSE)) << c.start << c.step;
}

TEST_F(ControlsFixture, KeyboardNavigationWithEveryControlSkippedEnds) {
    EXPECT_EQ(-1, Controls()->GetNextIndex(-1, +1, TRUE, FALSE));
    for (int i = 0; i < 3; ++i)
        AddButton("x", uiHideCustomize);
    EXPECT_EQ(-1, Controls()->GetNextIndex(-1, +1, TRUE, FALSE));
    EXPECT_EQ(-1, Controls()->GetNextIndex(-1, -1, TRUE, FALSE));
    // From past the end backwards ("last" on a bar where nothing can be reached).
    EXPECT_EQ(-1, Controls()->GetNextIndex(3, -1, TRUE, FALSE));
    // From a control, the search comes back to it.
    EXPECT_EQ(1, Controls()->GetNextIndex(1, +1, TRUE, FALSE));
}

TEST_F(ControlsFixture, FindAccelPrefersMnemonicsAndReportsAmbiguity) {
    struct Case {
        std::vector<LPCSTR> captions;
        char character;
        int expected;
        BOOL ambiguous;
    } cases[] = {
        {{"文件(&F)", "编辑(&E)", "查看(&V)"}, 'E', 1, FALSE},
        {{"文件(&F)", "编辑(&E)"}, 'e', 1, FALSE},                      // compared upper-cased
        {{"Find", "&Edit", "Format(&X)"}, 'F', 0, FALSE},                // first letter without a mnemonic
        {{"Find", "Fill", "&Edit"}, 'F', 0, TRUE},                       // two first letters
        {{"Open", "Fi&le", "F&ind"}, 'F', -1, FALSE},                    // a mnemonic hides the first letter
        {{"Print", "&Page", "P&ause"}, 'P', 1, FALSE},                   // "&" mnemonic over first letter
        {{"&Save", "&Search", "Copy"}, 'S', 0, TRUE},                    // two mnemonics
        {{"Copy", "Cut"}, 'Z', -1, FALSE},
        {{"&Tools"}, 'T', 0, FALSE},
        {{"End&"}, 'E', 0, FALSE},                                       // "&" last: first letter counts
    };
    for (const Case& c : cases) {
        Controls()->RemoveAll();
        for (LPCSTR caption : c.captions)
            AddButton(caption);
        BOOL ambiguous = -1;
        EXPECT_EQ(c.expected, m_bar->FindAccel(c.character, &ambiguous)) << c.captions[0] << " " << c.character;
        EXPECT_EQ(c.ambiguous, ambiguous) << c.captions[0] << " " << c.character;
    }
}

TEST_F(ControlsFixture, FindAccelSearchesFromAfterTheSelectionSoRepeatsCycle) {
    ASSERT_TRUE(m_bar->CreateIn(nullptr, uiBarTop));
    AddButton("&Save");
    AddButton("Copy");
    AddButton("&Search");
    BOOL ambiguous = FALSE;
    EXPECT_EQ(0, m_bar->FindAccel('S', &ambiguous));
    EXPECT_TRUE(ambiguous);
    m_bar->SetSelected(0, TRUE);
    EXPECT_EQ(2, m_bar->FindAccel('S', &ambiguous));
    m_bar->SetSelected(2, TRUE);
    EXPECT_EQ(0, m_bar->FindAccel('S', &ambiguous));
    // A hidden control has no mnemonic.
    Controls()->GetAt(2)->SetHideFlags(uiHideCustomize);
    EXPECT_EQ(0, m_bar->FindAccel('S', &ambiguous));
    EXPECT_FALSE(ambiguous);
}

TEST_F(ControlsFixture, TextsComeFromTheStringTableAndTheCaption) {
    struct Case {
        UINT id;
        LPCSTR caption;  // null: none set after the id
        LPCSTR expectCaption;
        LPCSTR expectDescription;
        LPCSTR expectTooltip;
        LPCSTR expectShortcut;
    } cases[] = {
        {ID_CUSTOMIZE, nullptr, "&Customize...", "", "&Customize...", ""},
        {ID_PROJECT_SAVE, nullptr, "保存工程", "保存工程", "保存工程", ""},
        {ID_PROJECT_SAVE, "保存工程(&S)\tCtrl+S", "保存工程(&S)", "保存工程", "保存工程", "Ctrl+S"},
        {0, "Plain", "Plain", "", "", ""},
        {54321, "Tab\tF5", "Tab", "", "", "F5"},  // no string: the id is still kept
    };
    for (const Case& c : cases) {
        CUIControl* control = Controls()->Add(uiControlButton, c.id);
        if (c.caption)
            control->SetCaption(c.caption);
        EXPECT_EQ(c.id, control->GetID());
        EXPECT_STREQ(c.expectCaption, control->GetCaption());
        EXPECT_STREQ(c.expectDescription, control->GetDescription());
        EXPECT_STREQ(c.expectTooltip, control->m_tooltip);
        EXPECT_STREQ(c.expectShortcut, control->GetShortcutText());
    }
    // A caption without a tab leaves the shortcut text as it was.
    CUIControl* control = Controls()->GetAt(2);
    control->SetCaption("Other");
    EXPECT_STREQ("Ctrl+S", control->GetShortcutText());
}

TEST_F(ControlsFixture, EqualityAndCopyCoverTheSavedFieldsOnly) {
    CUIControl* original = AddButton("&Open");
    original->SetID(ID_PROJECT_OPEN);
    original->SetBeginGroup(TRUE);
    original->m_visibleFor.Add(123);
    original->m_buttonStyle = 3;
    original->SetEnabled(FALSE);
    original->m_checked = 1;

    CUIControl* copy = original->Clone(FALSE);
    EXPECT_STREQ("CUIControlButton", copy->GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(copy->IsEqual(original));
    EXPECT_TRUE(copy->GetEnabled());  // states are not copied
    EXPECT_EQ(0, copy->GetChecked());
    EXPECT_TRUE(copy->m_visibleFor.Contains(123));
    EXPECT_EQ(3, copy->m_buttonStyle);

    using Change = void (*)(CUIControl*);
    struct Case {
        LPCSTR what;
        Change change;
        BOOL equal;
    } cases[] = {
        {"enabled", [](CUIControl* c) { c->SetEnabled(TRUE); }, TRUE},
        {"checked", [](CUIControl* c) { c->m_checked = 0; }, TRUE},
        {"hide flag 0x02", [](CUIControl* c) { c->SetHideFlags(uiHideWrap); }, TRUE},
        {"user hidden", [](CUIControl* c) { c->SetHideFlags(uiHideCustomize); }, FALSE},
        {"caption", [](CUIControl* c) { c->SetCaption("Open"); }, FALSE},
        {"group", [](CUIControl* c) { c->SetBeginGroup(FALSE); }, FALSE},
        {"image", [](CUIControl* c) { c->m_imageId = 7; }, FALSE},
        {"image of its own id", [](CUIControl* c) { c->m_imageId = ID_PROJECT_OPEN; }, TRUE},
        {"style", [](CUIControl* c) { c->m_buttonStyle = 1; }, FALSE},
        {"custom caption", [](CUIControl* c) { c->m_customCaption = "x"; }, FALSE},
    };
    for (const Case& c : cases) {
        CUIControl* changed = original->Clone(FALSE);
        c.change(changed);
        EXPECT_EQ(c.equal, changed->IsEqual(original)) << c.what;
        changed->InternalRelease();
    }
    copy->InternalRelease();
}

TEST_F(ControlsFixture, OneRowOverflowHidesAndShowsAgain) {
    ASSERT_TRUE(m_bar->CreateIn(nullptr, uiBarTop));
    for (LPCSTR caption : {"one", "two", "three", "four"})
        AddButton(caption);  // 32, 32, 48, 40 wide
    CClientDC dc(m_bar);
    const DWORD mode = uiLayoutHorizontalDock | uiLayoutCommit | uiLayoutOneRow;
    const CRect borders(2, 2, 2, 2);
    struct Step {
        int length;
        std::string hidden;
    } steps[] = {{200, "...."}, {100, "..hh"}, {60, ".hhh"}, {10, ".hhh"}, {200, "...."}};
    for (const Step& step : steps) {
        Controls()->CalcDynamicSize(&dc, step.length, mode, borders, 0);
        EXPECT_EQ(step.hidden, HideFlags(Controls())) << step.length;
    }
    EXPECT_EQ(4, Controls()->GetVisibleCount(TRUE));
    Controls()->CalcDynamicSize(&dc, 100, mode, borders, 0);
    EXPECT_EQ(2, Controls()->GetVisibleCount(TRUE));
    EXPECT_EQ(4, Controls()->GetVisibleCount(FALSE));
}

TEST_F(ControlsFixture, RemovalKeepsIndexesAndCopiesSkipTemporaryControls) {
    CUIControl* first = AddButton("a");
    AddButton("b");
    Controls()->Add(uiControlButton, 0, "", 0, TRUE)->SetCaption("temporary");  // inserted first
    EXPECT_EQ(1, first->GetIndex());
    CUIControls* copy = Controls()->Duplicate(FALSE);
    EXPECT_EQ(2, copy->GetCount());
    EXPECT_TRUE(copy->Compare(Controls()));
    Controls()->Remove(0);
    Controls()->Remove(7);      // out of range: nothing
    Controls()->Remove(nullptr);
    EXPECT_EQ(0, first->GetIndex());
    EXPECT_EQ(m_bar, first->GetParent());
    copy->GetAt(1)->SetCaption("changed");
    EXPECT_FALSE(copy->Compare(Controls()));
    copy->InternalRelease();
}

TEST_F(ControlsFixture, MenuResourceLoadsIntoPopupControls) {
    TestBarFactory factory;
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_PROJECT_TYPE));
    ASSERT_TRUE(m_bar->LoadMenu(&menu, TRUE));
    const std::vector<std::string> titles = {"文件(&F)", "编辑(&E)",   "查看(&V)", "工程(&R)", "梯形图(&L)",
                                             "PLC(&P)",  "调试(&D)", "工具(&T)", "窗口(&W)", "帮助(&H)"};
    ASSERT_EQ(static_cast<int>(titles.size()), Controls()->GetCount());
    for (size_t i = 0; i < titles.size(); ++i) {
        CUIControl* control = Controls()->GetAt(static_cast<int>(i));
        EXPECT_EQ(titles[i], static_cast<LPCSTR>(control->GetCaption()));
        EXPECT_EQ(uiControlPopup, control->GetType());
        EXPECT_EQ(0u, control->GetID());  // a submenu entry carries no command
        ASSERT_NE(nullptr, control->GetCommandBar());
    }
    // The File popup holds the submenu's items, with their shortcut texts and groups.
    CUIControls* file = Controls()->GetAt(0)->GetCommandBar()->GetControls();
    EXPECT_STREQ("文件(F)", Controls()->GetAt(0)->GetCommandBar()->GetTitle());
    CUIControl* save = file->FindControl(ID_PROJECT_SAVE);
    ASSERT_NE(nullptr, save);
    EXPECT_STREQ("保存工程(&S)", save->GetCaption());
    EXPECT_STREQ("Ctrl+S", save->GetShortcutText());
    EXPECT_STREQ("保存工程", save->GetDescription());
    EXPECT_EQ(save, Controls()->FindControl(0, ID_PROJECT_SAVE, FALSE, TRUE));
    EXPECT_EQ(nullptr, Controls()->FindControl(0, ID_PROJECT_SAVE, FALSE, FALSE));
    int groups = 0;
    for (int i = 0; i < file->GetCount(); ++i)
        groups += file->GetAt(i)->GetBeginGroup() ? 1 : 0;
    EXPECT_GT(groups, 0);
    EXPECT_FALSE(file->GetAt(0)->GetBeginGroup());
    // Not a menu: refused, nothing changes.
    CMenu notMenu;
    EXPECT_FALSE(m_bar->LoadMenu(&notMenu, TRUE));
    EXPECT_EQ(static_cast<int>(titles.size()), Controls()->GetCount());
}
