#include "tests/support/ModalScript.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"
#include "tests/ui/commandbars/TestBarFrame.h"
#include "tests/ui/commandbars/ToolBarFrame.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControlDragContext.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UICustomizeCommandsPage.h"
#include "ui/commandbars/UICustomizeSheet.h"
#include "ui/commandbars/UICustomizeToolbarsPage.h"
#include "ui/commandbars/UINewToolbarDlg.h"
#include "ui/commandbars/UIToolBar.h"

#include "platform/CCheckListBox.h"
#include "platform/CFrameWnd.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

// A small customize sheet over a customizable frame in the classic theme: the two
// pages, made modeless.
class CustomizePages : public ::testing::Test {
protected:
    void SetUp() override {
        SelectTheme(uiThemeClassic);
        m_frame = std::make_unique<BarFrame>(TRUE);
        m_categoryCommands = new CUIControls;
        m_categoryCommands->Add(uiControlButton, ID_PROJECT_SAVE);
        m_categoryCommands->Add(uiControlButton, ID_PROJECT_NEW);
        m_sheet = std::make_unique<CUICustomizeSheet>(m_frame->bars, "自定义", m_frame->frame);
        m_toolbars = std::make_unique<CUICustomizeToolbarsPage>(m_sheet.get());
        m_commands = std::make_unique<CUICustomizeCommandsPage>(m_sheet.get());
        m_commands->AddCategory("项目", m_categoryCommands);
        m_sheet->AddPage(m_toolbars.get());
        m_sheet->AddPage(m_commands.get());
        ASSERT_TRUE(m_sheet->Create(m_frame->frame));
        m_list = CWnd::FromHandle(m_toolbars->GetDlgItem(IDC_CUSTOMIZE_TOOLBAR_LIST)->GetSafeHwnd());
    }
    void TearDown() override {
        m_sheet->DestroyWindow();
        m_commands.reset();
        m_toolbars.reset();
        m_sheet.reset();
        m_categoryCommands->InternalRelease();
        m_frame.reset();
    }
    int Items() const { return static_cast<int>(m_list->SendMessage(LB_GETCOUNT)); }
    int Check(int item) const { return static_cast<CCheckListBox*>(CWnd::FromHandlePermanent(m_list->GetSafeHwnd()))->GetCheck(item); }
    CString Text(int item) const {
        char text[128] = {};
        m_list->SendMessage(LB_GETTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text));
        return text;
    }
    // A click on the item's check box.
    void ClickBox(int item) {
        CRect rect;
        m_list->SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect));
        m_list->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 2, rect.CenterPoint().y));
        m_list->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.left + 2, rect.CenterPoint().y));
    }
    void Select(int item) {
        m_list->SendMessage(LB_SETCURSEL, static_cast<WPARAM>(item));
        m_toolbars->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CUSTOMIZE_TOOLBAR_LIST, LBN_SELCHANGE),
                               reinterpret_cast<LPARAM>(m_list->GetSafeHwnd()));
    }
    BOOL Enabled(int id) { return m_toolbars->GetDlgItem(id)->IsWindowEnabled(); }
    // Runs the page's button with the new-toolbar dialog answered with the name.
    void PressWithName(int button, const char* name) {
        ModalScript script({[name](CWnd* dialog) {
            ::SetDlgItemTextA(dialog->GetSafeHwnd(), IDC_NEW_TOOLBAR_NAME, name);
            PressButton(dialog, IDOK);
        }});
        PressButton(m_toolbars.get(), button);
    }

    TestApplication m_app;
    ToolBarFactory m_factory;
    std::unique_ptr<BarFrame> m_frame;
    CUIControls* m_categoryCommands = nullptr;
    std::unique_ptr<CUICustomizeSheet> m_sheet;
    std::unique_ptr<CUICustomizeToolbarsPage> m_toolbars;
    std::unique_ptr<CUICustomizeCommandsPage> m_commands;
    CWnd* m_list = nullptr;
};

TEST_F(CustomizePages, TheSheetHoldsCustomizeModeWhileItIsOpen) {
    EXPECT_TRUE(m_frame->bars->IsCustomizeMode());
    EXPECT_EQ(m_sheet.get(), m_frame->bars->GetDragContext()->GetCustomizeWindow());
    m_sheet->DestroyWindow();
    EXPECT_FALSE(m_frame->bars->IsCustomizeMode());
    EXPECT_EQ(nullptr, m_frame->bars->GetDragContext()->GetCustomizeWindow());
}

TEST_F(CustomizePages, EveryBarIsListedWithItsVisibilityAndTheMenuBarStaysChecked) {
    ASSERT_EQ(m_frame->bars->GetCount(), Items());
    m_sheet->ShowWindow(SW_SHOWNA);
    CRect window;
    m_sheet->GetWindowRect(&window);
    TestImage shot(window.Width(), window.Height());
    RenderWindow(m_sheet.get(), shot);
    EXPECT_TRUE(shot.SaveBmp(TestOutputPath("customize_toolbars_page.bmp")));
    EXPECT_EQ(CString("菜单栏"), Text(0));
    EXPECT_EQ(BST_CHECKED, Check(0));

    ClickBox(0);
    EXPECT_EQ(BST_CHECKED, Check(0)) << "the menu bar cannot be hidden";
    EXPECT_TRUE(m_frame->bars->GetMenuBar()->IsVisible());

    CUICommandBar* second = m_frame->bars->GetAt(2);
    ClickBox(2);
    EXPECT_EQ(BST_UNCHECKED, Check(2));
    EXPECT_FALSE(second->IsVisible());
    ClickBox(2);
    EXPECT_TRUE(second->IsVisible());
}

TEST_F(CustomizePages, ResetIsForTheProgramsBarsRenameAndDeleteForTheUsers) {
    Select(-1);
    EXPECT_FALSE(Enabled(IDC_CUSTOMIZE_RESET));
    EXPECT_FALSE(Enabled(IDC_CUSTOMIZE_RENAME));
    Select(1);
    EXPECT_TRUE(Enabled(IDC_CUSTOMIZE_RESET));
    EXPECT_FALSE(Enabled(IDC_CUSTOMIZE_RENAME));
    EXPECT_FALSE(Enabled(IDC_CUSTOMIZE_DELETE));

    PressWithName(IDC_CUSTOMIZE_NEW, "我的工具栏");
    ASSERT_EQ(m_frame->bars->GetCount(), Items());
    CUICommandBar* mine = m_frame->bars->GetAt(m_frame->bars->GetCount() - 1);
    EXPECT_EQ(CString("我的工具栏"), mine->GetTitle());
    EXPECT_EQ(CUINewToolbarDlg::FirstBarId, mine->GetBarID());
    EXPECT_TRUE(mine->IsVisible());
    Select(Items() - 1);
    EXPECT_FALSE(Enabled(IDC_CUSTOMIZE_RESET));
    EXPECT_TRUE(Enabled(IDC_CUSTOMIZE_RENAME));
    EXPECT_TRUE(Enabled(IDC_CUSTOMIZE_DELETE));

    PressWithName(IDC_CUSTOMIZE_RENAME, "改名");
    EXPECT_EQ(CString("改名"), mine->GetTitle());
    EXPECT_EQ(CString("改名"), Text(Items() - 1));
    EXPECT_EQ(Items() - 1, static_cast<int>(m_list->SendMessage(LB_GETCURSEL)));
}

TEST_F(CustomizePages, DeletingAsksFirstAndCancelKeepsTheToolbar) {
    m_frame->bars->CreateToolBar("我的工具栏", CUINewToolbarDlg::FirstBarId, FALSE);
    m_toolbars->RefreshList();
    const int count = m_frame->bars->GetCount();
    Select(Items() - 1);
    {
        ScriptedMessageBoxes boxes({IDCANCEL});
        PressButton(m_toolbars.get(), IDC_CUSTOMIZE_DELETE);
        ASSERT_EQ(1u, boxes.Calls().size());
        EXPECT_EQ("Are you sure you want to delete the '我的工具栏' toolbar?", boxes.Calls()[0].text);
        EXPECT_EQ(count, m_frame->bars->GetCount());
    }
    ScriptedMessageBoxes boxes({IDOK});
    PressButton(m_toolbars.get(), IDC_CUSTOMIZE_DELETE);
    EXPECT_EQ(count - 1, m_frame->bars->GetCount());
    EXPECT_EQ(count - 1, Items());
}

TEST_F(CustomizePages, ACommandDraggedOntoAToolbarIsCopiedThere) {
    ASSERT_TRUE(m_sheet->SetActivePage(1));
    CWnd* list = m_commands->GetDlgItem(IDC_CUSTOMIZE_COMMAND_LIST);
    ASSERT_EQ(2, static_cast<int>(list->SendMessage(LB_GETCOUNT)));
    CRect item;
    list->SendMessage(LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_GE(item.Height(), 20) << "the paint manager's entry height";

    CUIToolBar* project = m_frame->Bar(IDR_TOOLBAR_PROJECT);
    CRect first = project->GetControl(0)->GetRect();
    CPoint target(first.left + 2, first.CenterPoint().y);
    project->ClientToScreen(&target);
    m_sheet->ScreenToClient(&target);
    m_sheet->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(target.x, target.y));
    m_sheet->PostMessage(WM_LBUTTONUP, 0, 0);
    const int before = project->GetControlCount();
    {
        CaptureWatchdog watchdog;
        list->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.left + 5, item.CenterPoint().y));
    }
    EXPECT_EQ(before + 1, project->GetControlCount());
    EXPECT_EQ(static_cast<UINT>(ID_PROJECT_NEW), project->GetControl(0)->GetID());
    EXPECT_EQ(2, m_categoryCommands->GetCount()) << "the command stays in its category";
    EXPECT_NE(m_categoryCommands->GetAt(1), project->GetControl(0));
}

}  // namespace
