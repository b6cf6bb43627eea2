#include "platform/CListCtrl.h"
#include "platform/CListView.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kListId = 9;

// The parent of a list: it records the selection changes its message map receives.
class ListParent : public CWnd {
public:
    std::vector<int> m_selected;
    int m_doubleClicks = 0;

protected:
    void OnItemChanged(NMHDR* header, LRESULT*) {
        auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED))
            m_selected.push_back(change->iItem);
    }
    void OnDoubleClick(NMHDR*, LRESULT*) { ++m_doubleClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ListParent, CWnd)
    ON_NOTIFY(LVN_ITEMCHANGED, kListId, OnItemChanged)
    ON_NOTIFY(NM_DBLCLK, kListId, OnDoubleClick)
END_MESSAGE_MAP()

class ListControls : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "list parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      CRect(0, 0, 500, 300), nullptr, 0));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    // The columns and rows of a module list.
    static void Fill(CListCtrl& list) {
        list.InsertColumn(0, "位 置", LVCFMT_LEFT, 50);
        list.InsertColumn(1, "模块型号", LVCFMT_LEFT, 120);
        list.InsertColumn(2, "故 障", LVCFMT_LEFT, 60);
        const char* rows[][3] = {{"1", "R241-14DT", "0"}, {"2", "R252-16XR", "3"}, {"3", "", "7"}};
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(list.InsertItem(row, rows[row][0]), row);
            for (int column = 1; column < 3; ++column)
                EXPECT_TRUE(list.SetItemText(row, column, rows[row][column]));
        }
    }

    TestApplication m_app;
    ListParent m_parent;
};

TEST_F(ListControls, RowsKeepTheirTextsDataAndColumns) {
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, CRect(0, 0, 400, 200), &m_parent, kListId));
    Fill(list);
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetColumnWidth(1), 120);
    EXPECT_EQ(std::string(list.GetItemText(1, 1)), "R252-16XR");
    EXPECT_EQ(std::string(list.GetItemText(2, 1)), "");
    EXPECT_EQ(std::string(list.GetItemText(9, 0)), "");  // no such row

    std::string longText(200, 'y');
    longText += "全局变量名";
    list.SetItemText(0, 2, longText.c_str());
    EXPECT_EQ(std::string(list.GetItemText(0, 2)), longText);

    list.SetItemData(2, 42);
    EXPECT_EQ(list.GetItemData(2), 42u);

    DWORD styles = LVS_EX_GRIDLINES | LVS_EX_TRACKSELECT | LVS_EX_FULLROWSELECT;
    list.SetExtendedStyle(styles);
    EXPECT_EQ(list.GetExtendedStyle() & styles, styles);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(std::string(list.GetItemText(0, 0)), "2");
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(ListControls, SelectionAndItsMarkReachTheParent) {
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, CRect(0, 0, 400, 200), &m_parent, kListId));
    Fill(list);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
    EXPECT_EQ(list.GetSelectionMark(), -1);
    list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.SetSelectionMark(2);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(list.GetItemState(2, LVIS_SELECTED), UINT(LVIS_SELECTED));
    EXPECT_EQ(list.GetSelectionMark(), 2);
    EXPECT_EQ(m_parent.m_selected, std::vector<int>{2});
    EXPECT_TRUE(list.EnsureVisible(2, FALSE));
}

TEST_F(ListControls, CellRectanglesAndHitTests) {
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 200), &m_parent, kListId));
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    Fill(list);
    CRect row;
    ASSERT_TRUE(list.GetItemRect(1, &row, LVIR_BOUNDS));
    CRect cell;
    ASSERT_TRUE(list.GetSubItemRect(1, 2, LVIR_BOUNDS, cell));
    // The third column starts after the widths of the first two.
    EXPECT_EQ(cell.left - row.left, 50 + 120);
    EXPECT_EQ(cell.top, row.top);
    UINT flags = 0;
    EXPECT_EQ(list.HitTest(cell.CenterPoint(), &flags), 1);
    EXPECT_TRUE(flags & LVHT_ONITEM);
    EXPECT_EQ(list.HitTest(CPoint(10, 190), &flags), -1);
    EXPECT_FALSE(list.GetItemRect(7, &row, LVIR_BOUNDS));
}

// A list view like the cross-reference window: report style added by the view, and
// double clicks taken back from the parent.
class UsesView : public CListView {
public:
    int m_doubleClicks = 0;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override {
        cs.style |= LVS_REPORT | LVS_SINGLESEL;
        return CListView::PreCreateWindow(cs);
    }

protected:
    void OnDoubleClick(NMHDR*, LRESULT*) { ++m_doubleClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(UsesView, CListView)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDoubleClick)
END_MESSAGE_MAP()

TEST_F(ListControls, AListViewIsAListControlThatTakesBackItsNotifications) {
    auto* view = new UsesView;  // deletes itself with its window
    ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 400, 200), &m_parent,
                             kListId));
    char className[64] = {};
    ::GetClassNameA(view->m_hWnd, className, sizeof(className));
    EXPECT_STREQ(className, WC_LISTVIEWA);
    EXPECT_EQ(view->GetStyle() & LVS_TYPEMASK, DWORD(LVS_REPORT));
    EXPECT_TRUE(view->GetExStyle() & WS_EX_CLIENTEDGE);

    CListCtrl& list = view->GetListCtrl();
    Fill(list);
    CRect row;
    ASSERT_TRUE(list.GetItemRect(0, &row, LVIR_LABEL));
    view->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row.CenterPoint().x, row.CenterPoint().y));
    EXPECT_EQ(view->m_doubleClicks, 1);
    EXPECT_EQ(m_parent.m_doubleClicks, 0);
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(m_parent.m_selected, std::vector<int>{0});  // what the view leaves reaches the parent
}

}  // namespace
