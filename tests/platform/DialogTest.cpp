#include "platform/CDataExchange.h"
#include "platform/CDialog.h"
#include "tests/support/DialogTemplate.h"
#include "tests/support/ModalScript.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

namespace {

enum { IDC_NAME = 1001, IDC_COUNT, IDC_CHECK, IDC_RADIO_A, IDC_RADIO_B, IDC_KIND };

class SettingsDialog : public CDialog {
public:
    CString m_name = "MAIN";
    int m_count = 3;
    int m_check = 1;
    int m_radio = 1;
    int m_kind = 2;
    int m_kickIdles = 0;

    explicit SettingsDialog(CWnd* parent = nullptr) { InitModalIndirect(m_template.Get(), parent); }

protected:
    BOOL OnInitDialog() override {
        for (LPCSTR kind : {"IL", "LD", "FBD"})
            SendDlgItemMessage(IDC_KIND, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kind));
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, IDC_NAME, m_name);
        DDV_MaxChars(dx, m_name, 8);
        DDX_Text(dx, IDC_COUNT, m_count);
        DDV_MinMaxInt(dx, m_count, 1, 10);
        DDX_Check(dx, IDC_CHECK, m_check);
        DDX_Radio(dx, IDC_RADIO_A, m_radio);
        DDX_CBIndex(dx, IDC_KIND, m_kind);
    }
    LRESULT OnKickIdle(WPARAM, LPARAM) {
        ++m_kickIdles;
        return FALSE;
    }

    DialogTemplate m_template = DialogTemplate("设置", 200, 120)
                                    .Edit(IDC_NAME, 10, 10, 100)
                                    .Edit(IDC_COUNT, 10, 26, 40)
                                    .Add(0x80, IDC_CHECK, "检查", 10, 42, 60, 10, BS_AUTOCHECKBOX | WS_TABSTOP)
                                    .Add(0x80, IDC_RADIO_A, "A", 10, 56, 30, 10, BS_AUTORADIOBUTTON | WS_GROUP)
                                    .Add(0x80, IDC_RADIO_B, "B", 50, 56, 30, 10, BS_AUTORADIOBUTTON)
                                    .Add(0x85, IDC_KIND, "", 10, 70, 60, 60, CBS_DROPDOWNLIST | WS_GROUP)
                                    .Button(IDOK, "确定", 140, 10)
                                    .Button(IDCANCEL, "取消", 140, 30);

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SettingsDialog, CDialog)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

CString ItemText(CWnd* dialog, int id) {
    CString text;
    dialog->GetDlgItemText(id, text);
    return text;
}

class Dialogs : public ::testing::Test {
protected:
    TestApplication m_app;
};

TEST_F(Dialogs, ModalDialogExchangesDataBothWays) {
    SettingsDialog dialog;
    CString shownName, shownCount;
    int shownKind = -2;
    BOOL shownRadioB = FALSE;
    ModalScript script({[&](CWnd* wnd) {
        shownName = ItemText(wnd, IDC_NAME);
        shownCount = ItemText(wnd, IDC_COUNT);
        shownKind = static_cast<int>(wnd->SendDlgItemMessage(IDC_KIND, CB_GETCURSEL));
        shownRadioB = wnd->IsDlgButtonChecked(IDC_RADIO_B);
        wnd->SetDlgItemText(IDC_NAME, "SBR01");
        wnd->SetDlgItemText(IDC_COUNT, " 7 ");
        wnd->CheckDlgButton(IDC_CHECK, BST_UNCHECKED);
        wnd->CheckRadioButton(IDC_RADIO_A, IDC_RADIO_B, IDC_RADIO_A);
        wnd->SendDlgItemMessage(IDC_KIND, CB_SETCURSEL, 0);
        PressButton(wnd, IDOK);
    }});
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(shownName, "MAIN");
    EXPECT_EQ(shownCount, "3");
    EXPECT_EQ(shownKind, 2);
    EXPECT_TRUE(shownRadioB);
    EXPECT_EQ(dialog.m_name, "SBR01");
    EXPECT_EQ(dialog.m_count, 7);
    EXPECT_EQ(dialog.m_check, 0);
    EXPECT_EQ(dialog.m_radio, 0);
    EXPECT_EQ(dialog.m_kind, 0);
    EXPECT_GT(dialog.m_kickIdles, 0);  // the modal loop gave the dialog idle time
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(Dialogs, FailedValidationKeepsTheDialogOpen) {
    struct Case {
        LPCSTR name;
        LPCSTR count;
        LPCSTR message;
    };
    const Case cases[] = {
        {"MAIN", "abc", "请输入一个整数。"},
        {"MAIN", "11", "请输入一个介于 1 和 10 之间的整数。"},
        {"TOO_LONG_NAME", "5", "请输入不超过 8 个字符。"},
    };
    for (const Case& c : cases) {
        SettingsDialog dialog;
        ScriptedMessageBoxes boxes({IDOK});
        bool stillOpen = false;
        ModalScript script({[&](CWnd* wnd) {
            wnd->SetDlgItemText(IDC_NAME, c.name);
            wnd->SetDlgItemText(IDC_COUNT, c.count);
            PressButton(wnd, IDOK);
            stillOpen = ::IsWindowVisible(wnd->m_hWnd) != FALSE;
            wnd->SetDlgItemText(IDC_NAME, "OK");
            wnd->SetDlgItemText(IDC_COUNT, "4");
            PressButton(wnd, IDOK);
        }});
        EXPECT_EQ(dialog.DoModal(), IDOK) << c.count;
        EXPECT_TRUE(stillOpen) << c.count;
        ASSERT_EQ(boxes.Calls().size(), 1u) << c.count;
        EXPECT_EQ(boxes.Calls()[0].text, c.message);
        EXPECT_EQ(dialog.m_count, 4);
    }
}

TEST_F(Dialogs, CancelLeavesTheMembersAlone) {
    SettingsDialog dialog;
    ModalScript script({[](CWnd* wnd) {
        wnd->SetDlgItemText(IDC_NAME, "CHANGED");
        PressButton(wnd, IDCANCEL);
    }});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_name, "MAIN");
}

TEST_F(Dialogs, ModalDialogDisablesItsOwnerWhileItRuns) {
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
    SettingsDialog dialog(&owner);
    BOOL ownerEnabledMeanwhile = TRUE;
    ModalScript script({[&](CWnd* wnd) {
        ownerEnabledMeanwhile = owner.IsWindowEnabled();
        PressButton(wnd, IDCANCEL);
    }});
    dialog.DoModal();
    EXPECT_FALSE(ownerEnabledMeanwhile);
    EXPECT_TRUE(owner.IsWindowEnabled());
    owner.DestroyWindow();
}

// A modal dialog whose template names no place comes up centred on its owner; one with
// a place of its own, or a modeless one, is left where the system puts it.
TEST_F(Dialogs, ModalDialogWithoutAPlaceIsCentredOnItsOwner) {
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 80, 700, 500), nullptr,
                               0));
    auto runAt = [&](int x, int y) {
        DialogTemplate placed = DialogTemplate("位置", 120, 60).At(x, y).Button(IDCANCEL, "取消", 10, 10);
        CDialog dialog;
        dialog.InitModalIndirect(placed.Get(), &owner);
        CRect shown;
        ModalScript script({[&](CWnd* wnd) {
            wnd->GetWindowRect(&shown);
            PressButton(wnd, IDCANCEL);
        }});
        dialog.DoModal();
        return shown;
    };
    CRect centred = runAt(0, 0);
    EXPECT_NEAR(centred.CenterPoint().x, 400, 1);
    EXPECT_NEAR(centred.CenterPoint().y, 290, 1);
    CRect placed = runAt(20, 10);
    EXPECT_NE(placed.CenterPoint(), centred.CenterPoint());

    DialogTemplate unplaced = DialogTemplate("位置", 120, 60).At(0, 0);
    CDialog modeless;
    ASSERT_TRUE(modeless.CreateIndirect(unplaced.Get(), &owner));
    CRect free;
    modeless.GetWindowRect(&free);
    EXPECT_NE(free.CenterPoint(), centred.CenterPoint());
    modeless.DestroyWindow();
    owner.DestroyWindow();
}

TEST_F(Dialogs, ModelessDialogLivesUntilDestroyed) {
    SettingsDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(dialog.m_lpDialogTemplate));
    EXPECT_EQ(ItemText(&dialog, IDC_NAME), "MAIN");
    dialog.SetDlgItemText(IDC_COUNT, "9");
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_count, 9);
    dialog.DestroyWindow();
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

}  // namespace
