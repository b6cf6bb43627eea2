#include "platform/CCheckListBox.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const UINT kListId = 9305;

// The parent of the list: its map hears each check change.
class CheckParent : public CWnd {
public:
    int m_checkChanges = 0;

protected:
    void OnCheckChange() { ++m_checkChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CheckParent, CWnd)
    ON_CLBN_CHKCHANGE(kListId, OnCheckChange)
END_MESSAGE_MAP()

class CheckListBoxes : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "toolbars", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 300),
                                      nullptr, 0));
        ASSERT_TRUE(m_list.Create(WS_VISIBLE | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, CRect(0, 0, 200, 150), &m_parent,
                                  kListId));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    std::vector<int> Checks() const {
        std::vector<int> checks;
        for (int i = 0; i < m_list.GetCount(); ++i)
            checks.push_back(m_list.GetCheck(i));
        return checks;
    }
    void Click(int index, int x) {
        CRect rect;
        m_list.GetItemRect(index, &rect);
        LPARAM point = MAKELPARAM(x, rect.CenterPoint().y);
        m_list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, point);
        m_list.SendMessage(WM_LBUTTONUP, 0, point);
    }

    TestApplication m_app;
    CheckParent m_parent;
    CCheckListBox m_list;
};

TEST_F(CheckListBoxes, ChecksFollowTheirItems) {
    m_list.AddString("菜单栏");
    m_list.AddString("标准");
    m_list.SetCheck(1, BST_CHECKED);
    m_list.SetItemData(1, 7);
    m_list.InsertString(0, "编辑");
    EXPECT_EQ(Checks(), (std::vector<int>{BST_UNCHECKED, BST_UNCHECKED, BST_CHECKED}));
    EXPECT_EQ(m_list.GetItemData(2), 7u);  // the item data stays the caller's
    m_list.DeleteString(0);
    EXPECT_EQ(Checks(), (std::vector<int>{BST_UNCHECKED, BST_CHECKED}));
    EXPECT_EQ(m_list.GetCheck(2), -1);
    m_list.SetCheck(5, BST_CHECKED);  // no such item: nothing happens
    m_list.ResetContent();
    EXPECT_TRUE(Checks().empty());
    EXPECT_EQ(m_parent.m_checkChanges, 0);  // only the user's changes are told
}

TEST_F(CheckListBoxes, TheUserTogglesABoxByClickOrSpace) {
    m_list.AddString("菜单栏");
    m_list.AddString("标准");
    Click(1, 3);  // on the box
    EXPECT_EQ(Checks(), (std::vector<int>{BST_UNCHECKED, BST_CHECKED}));
    EXPECT_EQ(m_parent.m_checkChanges, 1);
    EXPECT_EQ(m_list.GetCurSel(), 1);
    Click(0, 150);  // on the text: selects only
    EXPECT_EQ(m_list.GetCurSel(), 0);
    EXPECT_EQ(Checks(), (std::vector<int>{BST_UNCHECKED, BST_CHECKED}));
    m_list.SendMessage(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(Checks(), (std::vector<int>{BST_CHECKED, BST_CHECKED}));
    EXPECT_EQ(m_parent.m_checkChanges, 2);
}

// A list box whose window was made elsewhere (a dialog template) and taken over.
TEST_F(CheckListBoxes, ATakenOverListStartsUnchecked) {
    HWND made = ::CreateWindowExA(0, "LISTBOX", nullptr, WS_CHILD | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 0, 160, 200,
                                  100, m_parent.m_hWnd, reinterpret_cast<HMENU>(77), nullptr, nullptr);
    ::SendMessageA(made, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a"));
    ::SendMessageA(made, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("b"));
    CCheckListBox list;
    ASSERT_TRUE(list.SubclassWindow(made));
    EXPECT_EQ(list.GetCheck(1), BST_UNCHECKED);
    list.SetCheck(1, BST_CHECKED);
    EXPECT_EQ(list.GetCheck(1), BST_CHECKED);
    list.DestroyWindow();
}

TEST_F(CheckListBoxes, ACheckedBoxIsDrawnMarked) {
    m_list.AddString("菜单栏");
    m_list.AddString("标准");
    m_list.SetCheck(0, BST_CHECKED);
    TestImage image(200, 150);
    RenderWindow(&m_list, image);
    CRect first, second;
    m_list.GetItemRect(0, &first);
    m_list.GetItemRect(1, &second);
    auto markPixels = [&](const CRect& row) {
        CRect inside(row.left + 3, row.top + 3, row.left + row.Height() - 3, row.bottom - 3);
        return inside.Width() * inside.Height() - image.CountPixels(inside, ::GetSysColor(COLOR_WINDOW));
    };
    EXPECT_GT(markPixels(first), 0);
    EXPECT_EQ(markPixels(second), 0);
    image.SaveBmp(TestOutputPath("check-list-box.bmp"));
}

}  // namespace
