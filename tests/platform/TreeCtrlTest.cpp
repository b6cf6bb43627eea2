#include "platform/CTreeCtrl.h"
#include "platform/CTreeView.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT kTreeId = 7;

// The parent of a tree: it records what its message map receives from the tree.
class TreeParent : public CWnd {
public:
    std::vector<UINT> m_codes;
    WORD m_key = 0;

protected:
    void OnSelChanged(NMHDR* header, LRESULT* result) {
        m_codes.push_back(header->code);
        *result = 0;
    }
    void OnKeyDown(NMHDR* header, LRESULT* result) {
        m_codes.push_back(header->code);
        m_key = reinterpret_cast<NMTVKEYDOWN*>(header)->wVKey;
        *result = 0;
    }
    void OnBeginLabelEdit(NMHDR* header, LRESULT* result) {
        m_codes.push_back(header->code);
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TreeParent, CWnd)
    ON_NOTIFY(TVN_SELCHANGEDA, kTreeId, OnSelChanged)
    ON_NOTIFY(TVN_KEYDOWN, kTreeId, OnKeyDown)
    ON_NOTIFY(TVN_BEGINLABELEDITA, kTreeId, OnBeginLabelEdit)
END_MESSAGE_MAP()

class TreeControls : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "tree parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      CRect(0, 0, 300, 400), nullptr, 0));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    // Two groups with two items each, the groups expanded.
    void Fill(CTreeCtrl& tree) {
        m_bits = tree.InsertItem("位指令");
        m_contact = tree.InsertItem("-| |-", m_bits);
        tree.InsertItem("-( )", m_bits);
        m_timers = tree.InsertItem("定时器");
        tree.InsertItem("TON", m_timers);
        m_lastItem = tree.InsertItem("TOF", m_timers);
        tree.Expand(m_bits, TVE_EXPAND);
        tree.Expand(m_timers, TVE_EXPAND);
    }

    static std::vector<std::string> Children(const CTreeCtrl& tree, HTREEITEM parent) {
        std::vector<std::string> texts;
        for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item))
            texts.push_back(static_cast<LPCSTR>(tree.GetItemText(item)));
        return texts;
    }

    TestApplication m_app;
    TreeParent m_parent;
    HTREEITEM m_bits = nullptr, m_contact = nullptr, m_timers = nullptr, m_lastItem = nullptr;
};

TEST_F(TreeControls, ItemsKeepTextDataAndPlace) {
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, CRect(0, 0, 200, 300), &m_parent, kTreeId));
    Fill(tree);
    EXPECT_EQ(tree.GetCount(), 6u);
    EXPECT_EQ(tree.GetRootItem(), m_bits);
    EXPECT_EQ(tree.GetNextSiblingItem(m_bits), m_timers);
    EXPECT_EQ(tree.GetParentItem(m_contact), m_bits);
    EXPECT_EQ(tree.GetPrevSiblingItem(m_timers), m_bits);
    EXPECT_TRUE(tree.ItemHasChildren(m_timers));
    EXPECT_FALSE(tree.ItemHasChildren(m_contact));
    EXPECT_TRUE(tree.GetItemState(m_bits, TVIS_EXPANDED));

    int record = 0;
    EXPECT_TRUE(tree.SetItemData(m_contact, reinterpret_cast<DWORD_PTR>(&record)));
    EXPECT_EQ(tree.GetItemData(m_contact), reinterpret_cast<DWORD_PTR>(&record));
    EXPECT_EQ(tree.GetItemData(m_timers), 0u);

    // A text longer than any first guess of its length comes back whole.
    std::string longText(300, 'x');
    longText += "子程序";
    EXPECT_TRUE(tree.SetItemText(m_lastItem, longText.c_str()));
    EXPECT_EQ(std::string(tree.GetItemText(m_lastItem)), longText);

    EXPECT_TRUE(tree.DeleteItem(m_bits));  // with its children
    EXPECT_EQ(tree.GetCount(), 3u);
    EXPECT_EQ(tree.GetRootItem(), m_timers);
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetRootItem(), nullptr);
}

TEST_F(TreeControls, SortedInsertionAndSortingByData) {
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE, CRect(0, 0, 200, 300), &m_parent, kTreeId));
    HTREEITEM group = tree.InsertItem("子程序");
    for (LPCSTR name : {"PUMP", "ALARM", "MIXER"})
        tree.InsertItem(name, group, TVI_SORT);
    EXPECT_EQ(Children(tree, group), (std::vector<std::string>{"ALARM", "MIXER", "PUMP"}));

    // Sorting by item data: here the data is the wanted place.
    const int places[] = {2, 0, 1};
    int i = 0;
    for (HTREEITEM item = tree.GetChildItem(group); item; item = tree.GetNextSiblingItem(item))
        tree.SetItemData(item, static_cast<DWORD_PTR>(places[i++]));
    TVSORTCB sort = {group, [](LPARAM a, LPARAM b, LPARAM) -> int { return static_cast<int>(a - b); }, 0};
    EXPECT_TRUE(tree.SortChildrenCB(&sort));
    EXPECT_EQ(Children(tree, group), (std::vector<std::string>{"MIXER", "PUMP", "ALARM"}));
}

TEST_F(TreeControls, HitTestFindsTheItemUnderItsText) {
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, CRect(0, 0, 200, 300),
                            &m_parent, kTreeId));
    Fill(tree);
    CRect text;
    ASSERT_TRUE(tree.GetItemRect(m_contact, &text, TRUE));
    CRect row;
    ASSERT_TRUE(tree.GetItemRect(m_contact, &row, FALSE));
    EXPECT_GT(text.left, row.left);  // the text is indented under its group
    UINT flags = 0;
    EXPECT_EQ(tree.HitTest(text.CenterPoint(), &flags), m_contact);
    EXPECT_TRUE(flags & TVHT_ONITEMLABEL);
    // Beside the text the row's item is found, and the flags tell it apart.
    EXPECT_EQ(tree.HitTest(CPoint(text.right + 20, text.CenterPoint().y), &flags), m_contact);
    EXPECT_EQ(flags & (TVHT_ONITEMLABEL | TVHT_ONITEMRIGHT), UINT(TVHT_ONITEMRIGHT));
    EXPECT_EQ(tree.HitTest(CPoint(10, 250), &flags), nullptr);  // below the last row
    EXPECT_TRUE(flags & TVHT_NOWHERE);
    tree.Expand(m_bits, TVE_COLLAPSE);
    EXPECT_FALSE(tree.GetItemRect(m_contact, &text, TRUE));  // hidden in its closed group
}

TEST_F(TreeControls, NotificationsReachTheParentsMap) {
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_EDITLABELS, CRect(0, 0, 200, 300), &m_parent, kTreeId));
    Fill(tree);
    EXPECT_TRUE(tree.SelectItem(m_contact));
    EXPECT_EQ(tree.GetSelectedItem(), m_contact);
    tree.SendMessage(WM_KEYDOWN, VK_RETURN);
    tree.EditLabel(m_timers);
    EXPECT_EQ(m_parent.m_codes, (std::vector<UINT>{TVN_SELCHANGEDA, TVN_KEYDOWN, TVN_BEGINLABELEDITA}));
    EXPECT_EQ(m_parent.m_key, VK_RETURN);
}

// A tree view that, like the program's trees, adds its styles, allows label editing
// only when asked, and keeps or drops what was typed.
class RenamingTreeView : public CTreeView {
public:
    BOOL m_renaming = FALSE;
    BOOL m_keepTyped = TRUE;
    CString m_labelOnEnd;  // set as the item's text while the edit ends, when not empty
    CString m_typed;
    int m_doubleClicks = 0;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override {
        cs.style |= TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS | TVS_SHOWSELALWAYS;
        return CTreeView::PreCreateWindow(cs);
    }

protected:
    void OnBeginLabelEdit(NMHDR*, LRESULT* result) { *result = !m_renaming; }
    void OnEndLabelEdit(NMHDR* header, LRESULT* result) {
        auto* info = reinterpret_cast<NMTVDISPINFOA*>(header);
        m_typed = info->item.pszText ? info->item.pszText : "(cancelled)";
        m_renaming = FALSE;
        if (!m_labelOnEnd.IsEmpty())
            GetTreeCtrl().SetItemText(info->item.hItem, m_labelOnEnd);
        *result = m_keepTyped;
    }
    void OnLButtonDblClk(UINT, CPoint) {
        ++m_doubleClicks;
        Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RenamingTreeView, CTreeView)
    ON_NOTIFY_REFLECT(TVN_BEGINLABELEDITA, OnBeginLabelEdit)
    ON_NOTIFY_REFLECT(TVN_ENDLABELEDITA, OnEndLabelEdit)
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

class TreeViews : public TreeControls {
protected:
    void SetUp() override {
        TreeControls::SetUp();
        m_view = new RenamingTreeView;  // deletes itself with its window
        ASSERT_TRUE(m_view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 250, 350),
                                   &m_parent, kTreeId));
        Fill(m_view->GetTreeCtrl());
    }
    CString Rename(HTREEITEM item, LPCSTR typed) {
        CEdit* edit = m_view->GetTreeCtrl().EditLabel(item);
        if (!edit)
            return "(refused)";
        EXPECT_EQ(m_view->GetTreeCtrl().GetEditControl()->m_hWnd, edit->m_hWnd);
        edit->SetWindowText(typed);
        m_view->SendMessage(TVM_ENDEDITLABELNOW, FALSE);
        return m_view->GetTreeCtrl().GetItemText(item);
    }
    RenamingTreeView* m_view = nullptr;
};

TEST_F(TreeViews, TheViewIsATreeControlWithItsStyles) {
    char className[64] = {};
    ::GetClassNameA(m_view->m_hWnd, className, sizeof(className));
    EXPECT_STREQ(className, WC_TREEVIEWA);
    DWORD style = m_view->GetStyle();
    EXPECT_EQ(style & (TVS_HASBUTTONS | TVS_EDITLABELS | WS_CHILD), DWORD(TVS_HASBUTTONS | TVS_EDITLABELS | WS_CHILD));
    EXPECT_FALSE(style & WS_BORDER);
    EXPECT_TRUE(m_view->GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_EQ(m_view->GetTreeCtrl().GetCount(), 6u);
    EXPECT_TRUE(m_view->IsKindOf(RUNTIME_CLASS(CTreeView)));
}

TEST_F(TreeViews, LabelEditsComeBackToTheViewsMap) {
    EXPECT_EQ(Rename(m_contact, "B"), "(refused)");  // not started by a rename
    m_view->m_renaming = TRUE;
    EXPECT_EQ(Rename(m_contact, "启动"), "启动");
    EXPECT_EQ(m_view->m_typed, "启动");
    m_view->m_renaming = TRUE;
    m_view->m_keepTyped = FALSE;
    EXPECT_EQ(Rename(m_contact, "other"), "启动");  // the view refused the typed text
    EXPECT_EQ(m_view->m_typed, "other");
    // A refusing view may set a label of its own, which the item then keeps.
    m_view->m_renaming = TRUE;
    m_view->m_labelOnEnd = "(SBR03)  PUMP";
    EXPECT_EQ(Rename(m_contact, "PUMP"), "(SBR03)  PUMP");
    // The parent's map does not see what the view took.
    for (UINT code : m_parent.m_codes)
        EXPECT_NE(code, UINT(TVN_BEGINLABELEDITA));
}

TEST_F(TreeViews, DoubleClickOnAGroupTogglesItAfterTheViewsHandler) {
    CTreeCtrl& tree = m_view->GetTreeCtrl();
    CRect text;
    ASSERT_TRUE(tree.GetItemRect(m_timers, &text, TRUE));
    CPoint point = text.CenterPoint();
    m_view->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    EXPECT_EQ(m_view->m_doubleClicks, 1);
    EXPECT_FALSE(tree.GetItemState(m_timers, TVIS_EXPANDED));
    m_view->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    EXPECT_TRUE(tree.GetItemState(m_timers, TVIS_EXPANDED));
}

}  // namespace
