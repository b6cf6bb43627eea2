#include "comm/CStatusTblView.h"
#include "comm/SerialPort.h"
#include "comm/StatusValues.h"
#include "platform/FrameworkIds.h"
#include "project/CStatusInput.h"
#include "res/resource.h"
#include "shell/tables/CGlobalVarView.h"
#include "tests/comm/InProcessLink.h"
#include "tests/shell/TableViewFixture.h"
#include "tools/simplc/SimulatedPlc.h"

namespace {

// The status table's window over the workspace's forcing service, the simulated PLC on
// an in-process link.
class StatusTblView : public TableViewFixture {
protected:
    void SetUp() override {
        theSerialPort.Settings() = SerialSettings();
        theSerialPort.AttachLine(&link);
        workspace.project.AllocateForceImages(5970);
        view = Make<CStatusTblView>(CRect(0, 0, 700, 300), workspace.project, workspace.forcingService,
                                    workspace.ForceAccess());
        view->SetGridRowCount(view->GetInitialRowCount());
    }
    void TearDown() override { theSerialPort.AttachLine(nullptr); }

    // Types into a cell (header-counted) and commits it.
    void Put(int col, int row, const char* text) {
        view->SetActiveCell(col, row);
        view->GetCellCtrl(col - 1)->SetWindowText(text);
        view->SaveModifyed(0);
    }
    std::string Cell(int col, int row, int* mark = nullptr) {
        CString text;
        int shown = 0;
        view->GetCellText(col, row, text, shown);
        if (mark)
            *mark = shown;
        return std::string(text);
    }
    void Command(UINT id) { view->SendMessage(WM_COMMAND, id); }

    SimulatedPlc plc;
    InProcessLink link{plc};
    CStatusTblView* view = nullptr;
};

TEST_F(StatusTblView, ForcingARowFromTheTableMarksItsLiveValue) {
    EXPECT_EQ(6, view->GetGridRowCount());
    Put(1, 1, "vw20");
    Put(5, 1, "1234");
    EXPECT_EQ("W#1234", Cell(4, 0));
    view->SetFocusCell(1, 1);
    EXPECT_TRUE(IsCommandEnabled(view, ID_FORCE));
    EXPECT_TRUE(IsCommandEnabled(view, ID_UNFORCE));
    view->SetFocusCell(1, 2);   // an empty row
    EXPECT_FALSE(IsCommandEnabled(view, ID_FORCE));
    EXPECT_FALSE(IsCommandEnabled(view, ID_UNFORCE));

    view->SetFocusCell(1, 1);
    Command(ID_FORCE);
    EXPECT_EQ("", Cell(4, 0));
    EXPECT_FALSE(IsCommandEnabled(view, ID_FORCE));   // nothing left to force
    int mark = 0;
    workspace.onlineMonitoring = 1;
    Cell(3, 0, &mark);
    workspace.onlineMonitoring = 0;
    EXPECT_EQ(CPMarkForced, mark);

    // The PLC's forces come back as new rows after the last one.
    Command(ID_READ_FORCES);
    ASSERT_EQ(7, view->GetGridRowCount());
    EXPECT_EQ("%VW20", Cell(0, 6));
    EXPECT_EQ("无符号整数", Cell(2, 6));

    Command(ID_UNFORCE);
    workspace.onlineMonitoring = 1;
    Cell(3, 0, &mark);
    workspace.onlineMonitoring = 0;
    EXPECT_EQ(CPMarkPlain, mark);
    EXPECT_TRUE(boxes.Calls().empty());
}

TEST_F(StatusTblView, CuttingForcedValuesKeepsTheAddresses) {
    Put(1, 1, "VB0");
    Put(1, 2, "VB1");
    Put(5, 1, "7");
    // From the live value to the last column: the forced value goes, the row stays.
    view->SetSelectRange(3, 4, 0, 1);
    Command(ID_EDIT_CUT);
    EXPECT_EQ(6, view->GetGridRowCount());
    EXPECT_EQ("%VB0", Cell(0, 0));
    EXPECT_EQ("", Cell(4, 0));
    // Whole rows are cut out.
    view->SelectRows(0, 0, false);
    Command(ID_EDIT_CUT);
    EXPECT_EQ(5, view->GetGridRowCount());
    EXPECT_EQ("%VB1", Cell(0, 0));
}

TEST_F(StatusTblView, KeysMenuAndPasteRefusal) {
    // The rows given to the grid itself, as the status window does, have their objects.
    EXPECT_EQ(6, view->GetTable().GetRowCount());

    // Enter on the last cell of the last row adds a row and goes to its address.
    view->SetFocusCell(5, 6);
    view->SendMessage(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(7, view->GetGridRowCount());
    EXPECT_EQ("1,7", Focus(view));

    const CPoint cell = view->GetCellRect(2, 3).CenterPoint();
    view->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(cell.x, cell.y));
    ASSERT_EQ(1u, shell.menus.size());
    EXPECT_EQ(UINT(IDR_MENU_STATUS_TABLE), shell.menus[0]);
    EXPECT_EQ("2,3", Focus(view));

    // A copy from another kind of table is refused with its message.
    auto* globals = Make<CGlobalVarView>(CRect(0, 300, 700, 500), workspace.project);
    globals->SetRowCount(2);
    globals->SetSelectRange(0, 0, 0, 0);
    globals->SendMessage(WM_COMMAND, ID_EDIT_COPY);
    view->SetSelectRange(0, 0, 0, 0);
    Command(ID_EDIT_PASTE);
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ(CTableGridView::PasteRefusalText(CCPGridView::PasteTableKind), boxes.Calls()[0].text);

    // Copied within the table, addresses paste and parse.
    Put(1, 1, "m0.0");
    view->SetSelectRange(0, 0, 0, 0);
    Command(ID_EDIT_COPY);
    view->SetSelectRange(0, 0, 3, 3);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ("%M0.0", Cell(0, 3));
    EXPECT_EQ("BOOL", Cell(2, 3));
}

TEST_F(StatusTblView, HeaderClickSortsByAddress) {
    Put(1, 1, "VB9");
    Put(1, 2, "IB0");
    const CPoint header = view->GetCellRect(1, 0).CenterPoint();
    view->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(header.x, header.y));
    view->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(header.x, header.y));
    EXPECT_EQ("%IB0", Cell(0, 0));
    EXPECT_EQ(CPSortAscending, view->GetSortOrder());
    SaveImage(view, "status_table.bmp");
}

}  // namespace
