#include "platform/CComboBox.h"
#include "platform/FrameworkIds.h"
#include "project/CQLXSymbol.h"
#include "res/resource.h"
#include "shell/tables/CGlobalVarView.h"
#include "tests/shell/SymbolLookups.h"
#include "tests/shell/TableViewFixture.h"

namespace {

class GlobalVarViews : public TableViewFixture {
protected:
    GlobalVarViews() { view = Make<CGlobalVarView>(CRect(0, 0, 700, 200), workspace.project); }
    CQLXSymbol* Row(int row) { return view->GetTable().SymbolAt(row); }
    CGlobalVarView* view = nullptr;
};

TEST_F(GlobalVarViews, OpensWithSixRowsAndEnterWalksTheRow) {
    EXPECT_EQ(view->GetGridRowCount(), 6);
    EXPECT_EQ(workspace.project.symbolList.GetSize(), 6);
    view->SetFocusCell(1, 6);
    Enter(view, "LAMP");
    EXPECT_EQ(Focus(view), "2,6");
    Enter(view, "q0.0");
    EXPECT_EQ(Row(5)->address, "%Q0.0");
    EXPECT_EQ(Row(5)->dataType, "BOOL");
    EXPECT_EQ(Focus(view), "3,6");
    view->SendMessage(WM_KEYDOWN, VK_RETURN);
    Enter(view, "lamp 1");
    // Past the last cell of the last row a row is added.
    EXPECT_EQ(view->GetGridRowCount(), 7);
    EXPECT_EQ(Focus(view), "1,7");
    EXPECT_EQ(Row(5)->comment, "lamp 1");
    EXPECT_EQ(CheckSymbolLookups(workspace.project), "");
    EXPECT_FALSE(shell.modifiedCalls.empty());
    view->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(TestImage(10, 10).DC().m_hDC), PRF_CLIENT);
    EXPECT_EQ(shell.panes[2], "  第 7 行, 第 1 列");
}

TEST_F(GlobalVarViews, TheTypeListFollowsTheAddress) {
    view->SetFocusCell(1, 1);
    Enter(view, "W");
    Enter(view, "%mw10");
    view->SetActiveCell(3, 1);
    auto* list = static_cast<CComboBox*>(view->GetCellCtrl(2));
    ASSERT_EQ(list->GetCount(), 2);
    CString text;
    list->GetLBText(1, text);
    EXPECT_EQ(text, "WORD");
    list->SetCurSel(1);
    view->SendMessage(WM_COMMAND, MAKEWPARAM(2, CBN_SELENDOK), reinterpret_cast<LPARAM>(list->m_hWnd));
    EXPECT_EQ(Row(0)->dataType, "WORD");
    view->SetActiveCell(3, 2);  // a row without an address offers nothing
    EXPECT_EQ(list->GetCount(), 0);
}

TEST_F(GlobalVarViews, HeaderClicksSortAndToggle) {
    const char* names[] = {"B", "C", "A"};
    for (int row = 0; row < 3; ++row)
        view->GetTable().Commit(0, row, names[row]);
    view->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(80, 10));
    EXPECT_EQ(DescribeSymbols(workspace.project), "A//0|B//0|C//0|//0|//0|//0");
    EXPECT_EQ(view->GetSortCol(), 0);
    EXPECT_EQ(view->GetSortOrder(), CPSortAscending);
    view->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(80, 10));
    EXPECT_EQ(DescribeSymbols(workspace.project), "C//0|B//0|A//0|//0|//0|//0");
    EXPECT_EQ(CheckSymbolLookups(workspace.project), "");
    view->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(400, 10));  // the comment header
    EXPECT_EQ(view->GetSortCol(), 0);
}

TEST_F(GlobalVarViews, RowCommandsAndTheirUpdateRules) {
    view->SetFocusCell(1, 6);
    view->SendMessage(WM_COMMAND, ID_GRID_INSERT_ROW_ABOVE);
    EXPECT_EQ(view->GetGridRowCount(), 7);
    view->SendMessage(WM_COMMAND, ID_GRID_DELETE_ROW);
    EXPECT_EQ(view->GetGridRowCount(), 6);

    struct Case { int c1, c2, r1, r2; UINT id; BOOL enabled; };
    const Case cases[] = {
        {1, 1, 0, 3, ID_GRID_INSERT_ROW_BELOW, TRUE},
        {0, 1, 0, 0, ID_GRID_INSERT_ROW_ABOVE, FALSE},
        {2, 2, 1, 1, ID_GRID_DELETE_ROW, TRUE},
        {0, 3, 1, 1, ID_GRID_DELETE_ROW, FALSE},
    };
    for (const Case& c : cases) {
        view->SetSelectRange(c.c1, c.c2, c.r1, c.r2);
        EXPECT_EQ(IsCommandEnabled(view, c.id), c.enabled) << c.id << " " << c.c1 << "-" << c.c2;
    }
}

TEST_F(GlobalVarViews, RightClickFocusesTheCellAndOpensMenu102) {
    view->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(150, 50));
    EXPECT_EQ(Focus(view), "2,2");
    ASSERT_EQ(shell.menus.size(), 1u);
    EXPECT_EQ(shell.menus[0], UINT(IDR_MENU_GRID_EDIT));
    EXPECT_EQ(shell.menuOwners[0], view);
}

}  // namespace
