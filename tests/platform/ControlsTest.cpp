#include "platform/CButton.h"
#include "platform/CComboBox.h"
#include "platform/CEdit.h"
#include "platform/CListBox.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

namespace {

class Controls : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "controls", WS_POPUP, CRect(0, 0, 300, 300), nullptr, 0));
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    TestApplication m_app;
    CWnd m_parent;
};

TEST_F(Controls, ListsKeepTextsAndDataOfTheirItems) {
    CComboBox combo;
    CListBox list;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 100, 100), &m_parent, 1));
    ASSERT_TRUE(list.Create(WS_VISIBLE, CRect(0, 120, 100, 200), &m_parent, 2));
    for (LPCSTR text : {"无校验", "奇校验", "偶校验"}) {
        combo.SetItemData(combo.AddString(text), 7);
        list.AddString(text);
    }
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.FindStringExact(-1, "偶校验"), 2);
    combo.SetCurSel(1);
    CString text;
    combo.GetLBText(combo.GetCurSel(), text);
    EXPECT_EQ(text, "奇校验");
    EXPECT_EQ(combo.GetItemData(2), 7u);
    combo.GetLBText(5, text);
    EXPECT_EQ(text, "");  // no such item

    list.SetCurSel(2);
    list.GetText(list.GetCurSel(), text);
    EXPECT_EQ(text, "偶校验");
    list.DeleteString(0);
    EXPECT_EQ(list.GetCount(), 2);
}

TEST_F(Controls, EditAndButtonStates) {
    CEdit edit;
    CButton check;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, CRect(0, 0, 200, 20), &m_parent, 3));
    ASSERT_TRUE(check.Create("检查", WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 30, 100, 50), &m_parent, 4));
    edit.SetWindowText("%I0.0");
    edit.SetSel(1, 3);
    int start = 0, end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 3);
    edit.ReplaceSel("Q");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "%Q.0");
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
}

}  // namespace
