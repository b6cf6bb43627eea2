#include "editors/POUVarView.h"
#include "platform/CDocument.h"
#include "platform/Clipboard.h"
#include "platform/FrameworkIds.h"
#include "project/CQLXInitData.h"
#include "project/CQLXSymbol.h"
#include "res/resource.h"
#include "shell/tables/CGlobalFBIView.h"
#include "shell/tables/CGlobalVarView.h"
#include "shell/tables/CInitDataView.h"
#include "shell/tables/PouVarFile.h"
#include "tests/shell/TableViewFixture.h"
#include "tests/support/TempFolder.h"

#include <functional>

namespace {

using TableViews = TableViewFixture;

TEST_F(TableViews, PasteBetweenTwoGlobalTablesAndEachRefusal) {
    auto* source = Make<CGlobalVarView>(CRect(0, 0, 700, 200), workspace.project);
    source->GetTable().Commit(0, 0, "LAMP");
    source->GetTable().Commit(1, 0, "%Q0.0");
    source->SetSelectRange(0, 1, 0, 0);
    source->SendMessage(WM_COMMAND, ID_EDIT_COPY);

    CQLXProject other;  // a second project's table of the same kind
    auto* target = Make<CGlobalVarView>(CRect(0, 200, 700, 400), other);
    auto* initData = Make<CInitDataView>(CRect(0, 400, 700, 600), workspace.project);
    struct Case { CCPGridView* view; int c1, c2, r1, r2; int result; };
    const Case cases[] = {
        {target, 0, 1, 0, 2, 1},
        {target, 1, 1, 0, 0, 4},
        {initData, 0, 0, 0, 0, 5},
    };
    for (const Case& c : cases) {
        c.view->SetSelectRange(c.c1, c.c2, c.r1, c.r2);
        c.view->SendMessage(WM_COMMAND, ID_EDIT_PASTE);
        ASSERT_FALSE(boxes.Calls().empty());
        EXPECT_EQ(boxes.Calls().back().text, CTableGridView::PasteRefusalText(c.result)) << c.result;
        EXPECT_EQ(boxes.Calls().back().caption, "提示");
        EXPECT_EQ(boxes.Calls().back().type, UINT(MB_OK | MB_ICONINFORMATION));
    }
    ASSERT_TRUE(SetClipboardText("LAMP\t%Q0.0"));
    target->SetSelectRange(0, 0, 0, 0);
    target->SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    EXPECT_EQ(boxes.Calls().back().text, CTableGridView::PasteRefusalText(3));
    ::OpenClipboard(nullptr);
    ::EmptyClipboard();
    ::CloseClipboard();
    target->SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    EXPECT_EQ(boxes.Calls().back().text, CTableGridView::PasteRefusalText(2));
    EXPECT_EQ(boxes.Calls().size(), 5u);
    EXPECT_TRUE(shell.modifiedCalls.empty());  // a refused paste changes nothing

    source->SendMessage(WM_COMMAND, ID_EDIT_COPY);
    shell.modifiedCalls.clear();
    target->SetSelectRange(0, 0, 3, 3);
    target->SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    EXPECT_EQ(boxes.Calls().size(), 5u);
    auto* pasted = static_cast<CQLXSymbol*>(other.symbolList[3]);
    EXPECT_EQ(pasted->name, "LAMP");
    EXPECT_EQ(pasted->address, "%Q0.0");
    EXPECT_EQ(pasted->dataType, "BOOL");
    EXPECT_FALSE(shell.modifiedCalls.empty());
}

TEST_F(TableViews, FBInstancesFollowTheProject) {
    auto* view = Make<CGlobalFBIView>(CRect(0, 0, 500, 150), workspace.project);
    view->SetRowCount(view->GetInitialRowCount());
    EXPECT_EQ(view->GetGridRowCount(), 1);  // one empty row
    workspace.project.AddFBInstance("T37", "TON", "MAIN");
    workspace.project.AddFBInstance("C5", "CTU", "SBR_PUMP");
    view->SetRowCount(view->GetInitialRowCount());  // as on activation
    CString text;
    int mark = -1;
    view->GetCellText(1, 1, text, mark);
    EXPECT_EQ(text, "CTU");
    EXPECT_EQ(mark, 0);
    view->GetCellText(2, 0, text, mark);
    EXPECT_EQ(text, "MAIN");
    view->SendMessage(WM_KEYDOWN, VK_RETURN);
    view->SendMessage(WM_KEYDOWN, VK_DELETE);
    view->SendMessage(WM_CHAR, 'x');
    EXPECT_EQ(Focus(view), "1,1");
    EXPECT_FALSE(view->IsEditing());
    SaveImage(view, "table-fb-instances.bmp");
}

TEST_F(TableViews, OnlineMonitoringLocksTheInitialDataExceptInserting) {
    auto* view = Make<CInitDataView>(CRect(0, 0, 700, 200), workspace.project);
    view->SetFocusCell(1, 1);
    Enter(view, "%VW10");
    workspace.onlineMonitoring = 1;
    view->SetFocusCell(2, 1);
    Enter(view, "5");
    auto* row = static_cast<CQLXInitData*>(workspace.project.initDataRows[0]);
    EXPECT_EQ(row->texts.GetSize(), 1);
    view->SendMessage(WM_COMMAND, ID_GRID_DELETE_ROW);
    EXPECT_EQ(view->GetGridRowCount(), 6);
    view->SendMessage(WM_COMMAND, ID_GRID_INSERT_ROW_ABOVE);
    EXPECT_EQ(view->GetGridRowCount(), 7);
    workspace.onlineMonitoring = 0;
}

TEST_F(TableViews, ThePouTableGivesDeclarationTextAndStopsAtSixteenRows) {
    auto* view = Make<CPOUVarView>(CRect(0, 0, 700, 400), &workspace.project);
    view->SetVarFile("C:\\nowhere\\SBR_PUMP.ilv", TRUE);
    view->OnInitialUpdate();
    EXPECT_EQ(view->GetGridRowCount(), 4);
    EXPECT_EQ(view->GetGridStyle(), 4);
    EXPECT_EQ(Focus(view), "2,1");
    CStringArray lines;
    lines.Add("kept");
    view->VarDeclToIL(lines);
    EXPECT_EQ(lines.GetSize(), 1);  // nothing complete yet
    Enter(view, "SPEED");
    view->GetTable().Commit(CPOUVarTable::ColType, 0, "INT");
    view->VarDeclToIL(lines);
    ASSERT_EQ(lines.GetSize(), 6);
    EXPECT_EQ(lines[1], "(* 局部变量定义 *)");
    EXPECT_EQ(lines[4], "    SPEED  AT  %LW4 : INT ; (*  *)");
    OperandDescriptor flags = 0;
    EXPECT_TRUE(view->LookupVariable("SPEED", flags));

    view->SetRowCount(16);
    view->SetFocusCell(5, 16);
    view->SendMessage(WM_KEYDOWN, VK_RETURN);  // the last cell of a full table
    EXPECT_EQ(view->GetGridRowCount(), 16);
    EXPECT_EQ(Focus(view), "5,16");
    EXPECT_FALSE(IsCommandEnabled(view, ID_GRID_INSERT_ROW_ABOVE));
    view->SetSelectRange(2, 2, 0, 0);
    EXPECT_FALSE(IsCommandEnabled(view, ID_EDIT_CLEAR));
    view->SetSelectRange(1, 1, 0, 0);
    EXPECT_TRUE(IsCommandEnabled(view, ID_EDIT_CLEAR));
}

// The local area is shared by every POU of the project: a variable that finds no room
// in it stays in the table, but it is told at once (a paste tells once for all its rows)
// and a save that cannot write it names it, after giving it another try.
TEST_F(TableViews, APouVariableWithoutRoomIsToldAndNeverLeftOutUnnoticed) {
    TempFolder folder;
    const std::string varFile = folder / "MAIN_MAIN.ilv";
    auto* view = Make<CPOUVarView>(CRect(0, 0, 700, 300), &workspace.project);
    view->SetVarFile(varFile.c_str(), FALSE);
    view->OnInitialUpdate();
    view->SetRowCount(6);
    CPOUVarTable& table = view->GetTable();
    for (int row = 0; row < 3; ++row) {  // three double words take every byte
        table.Commit(CPOUVarTable::ColType, row, "DWORD");
        table.Commit(CPOUVarTable::ColName, row, CString("FULL") + char('1' + row));
    }
    table.Commit(CPOUVarTable::ColType, 3, "WORD");
    table.Commit(CPOUVarTable::ColType, 4, "WORD");
    table.Commit(CPOUVarTable::ColName, 4, "SPARE");  // through the table: told by the save below
    ASSERT_TRUE(boxes.Calls().empty());

    view->SetFocusCell(2, 4);
    Enter(view, "LEVEL");
    EXPECT_TRUE(table.IsUnplaced(3));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_NE(boxes.Calls()[0].text.find("局部变量区已满，变量 LEVEL "), std::string::npos);
    EXPECT_EQ(boxes.Calls()[0].caption, "提示");
    EXPECT_EQ(boxes.Calls()[0].type, UINT(MB_OK | MB_ICONEXCLAMATION));
    view->SetFocusCell(5, 4);
    Enter(view, "tank");  // a row already without room is not told again
    EXPECT_EQ(boxes.Calls().size(), 1u);

    auto* other = Make<CPOUVarView>(CRect(0, 300, 700, 600), &workspace.project);
    other->SetVarFile("", FALSE);
    other->OnInitialUpdate();
    view->SetSelectRange(1, 3, 3, 4);
    view->SendMessage(WM_COMMAND, ID_EDIT_COPY);
    other->SetSelectRange(1, 1, 0, 0);
    other->SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    EXPECT_EQ(other->GetTable().RowAt(1)->name, "SPARE");
    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_NE(boxes.Calls()[1].text.find("变量 LEVEL、SPARE "), std::string::npos);

    auto fileText = [&] {
        CStringArray lines;
        ReadPouVarFile(varFile.c_str(), lines);
        std::string text;
        for (INT_PTR i = 0; i < lines.GetSize(); ++i)
            text += std::string(lines[i]) + "|";
        return text;
    };
    EXPECT_TRUE(view->WriteVarFile());
    ASSERT_EQ(boxes.Calls().size(), 3u);
    EXPECT_NE(boxes.Calls()[2].text.find("变量 LEVEL、SPARE 没有地址，未存入变量文件"), std::string::npos);
    EXPECT_EQ(fileText().find("LEVEL"), std::string::npos);

    table.DeleteRows(0, 1);  // FULL1 gives back four bytes: room for both words
    EXPECT_TRUE(view->WriteVarFile());
    EXPECT_EQ(boxes.Calls().size(), 3u);
    EXPECT_NE(fileText().find("    LEVEL  AT  %LW4 : WORD ; (* tank *) |"), std::string::npos);
    EXPECT_NE(fileText().find("    SPARE  AT  %LW6 : WORD ;"), std::string::npos);
    EXPECT_FALSE(table.IsUnplaced(2));
}

// The POU table's changes belong to its document: they mark it, not the project, and
// while online monitoring runs every one of them is refused.
TEST_F(TableViews, ThePouTableMarksItsDocumentAndIsLockedOnline) {
    auto* view = Make<CPOUVarView>(CRect(0, 0, 700, 400), &workspace.project);
    CDocument document;
    document.AddView(view);
    view->SetVarFile("", FALSE);
    view->OnInitialUpdate();
    view->SetFocusCell(2, 1);
    Enter(view, "SPEED");
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(shell.modifiedCalls.empty());
    view->SetSelectRange(1, 1, 0, 0);
    view->SendMessage(WM_COMMAND, ID_EDIT_COPY);

    document.SetModifiedFlag(FALSE);
    workspace.onlineMonitoring = 1;
    struct Step { const char* what; std::function<void()> run; };
    const Step steps[] = {
        {"typing", [&] { view->SetFocusCell(2, 2); Enter(view, "LEVEL"); }},
        {"clear", [&] { view->SetSelectRange(1, 1, 0, 0); view->SendMessage(WM_KEYDOWN, VK_DELETE); }},
        {"cut", [&] { view->SetSelectRange(1, 1, 0, 0); view->SendMessage(WM_COMMAND, ID_EDIT_CUT); }},
        {"paste", [&] { view->SetSelectRange(1, 1, 2, 2); view->SendMessage(WM_COMMAND, ID_EDIT_PASTE); }},
        {"insert above", [&] { view->SetFocusCell(2, 1); view->SendMessage(WM_COMMAND, ID_GRID_INSERT_ROW_ABOVE); }},
        {"insert below", [&] { view->SetFocusCell(2, 1); view->SendMessage(WM_COMMAND, ID_GRID_INSERT_ROW_BELOW); }},
        {"delete row", [&] { view->SetFocusCell(2, 1); view->SendMessage(WM_COMMAND, ID_GRID_DELETE_ROW); }},
        {"whole rows cleared", [&] { view->SetSelectRange(0, 4, 0, 1); view->SendMessage(WM_KEYDOWN, VK_DELETE); }},
    };
    for (const Step& step : steps) {
        step.run();
        EXPECT_EQ(view->GetGridRowCount(), 4) << step.what;
        EXPECT_EQ(view->GetTable().RowAt(0)->name, "SPEED") << step.what;
        EXPECT_EQ(view->GetTable().RowAt(0)->address, "%L0.0") << step.what;
        EXPECT_EQ(view->GetTable().RowAt(1)->name, "") << step.what;
        EXPECT_EQ(view->GetTable().RowAt(2)->name, "") << step.what;
        EXPECT_FALSE(document.IsModified()) << step.what;
    }
    workspace.onlineMonitoring = 0;
    document.RemoveView(view);
}

// The four tables with content, left in test-output for people to look at.
TEST_F(TableViews, ImagesOfTheFourTables) {
    auto* globals = Make<CGlobalVarView>(CRect(0, 0, 700, 180), workspace.project);
    CGlobalVarTable& g = globals->GetTable();
    const char* rows[][4] = {{"START", "i0.0", "", "启动按钮"}, {"LAMP", "%Q0.1", "", "指示灯"},
                             {"LAMP", "%mw10", "", "重复的名称"}, {"1BAD", "%XY3", "", "错误的名称和地址"}};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (*rows[r][c])
                g.Commit(c, r, rows[r][c]);
        }
    }
    globals->SetFocusCell(2, 2);
    SaveImage(globals, "table-global-variables.bmp");

    auto* initData = Make<CInitDataView>(CRect(0, 200, 700, 380), workspace.project);
    CInitDataTable& d = initData->GetTable();
    d.Commit(0, 0, "%VW10");
    d.Commit(1, 0, "100");
    d.Commit(2, 0, "-5");
    d.Commit(0, 1, "%IB0");
    d.Commit(1, 1, "7");
    d.Commit(0, 2, "%VD20");
    d.Commit(1, 2, "abc");
    SaveImage(initData, "table-initial-data.bmp");

    auto* pou = Make<CPOUVarView>(CRect(0, 400, 700, 560), &workspace.project);
    pou->SetVarFile("", TRUE);
    pou->OnInitialUpdate();
    CPOUVarTable& p = pou->GetTable();
    p.Commit(CPOUVarTable::ColType, 0, "INT");
    p.Commit(CPOUVarTable::ColName, 0, "SPEED");
    p.Commit(CPOUVarTable::ColComment, 0, "转速");
    p.Commit(CPOUVarTable::ColName, 1, "LEVEL");
    p.Commit(CPOUVarTable::ColName, 2, "START");  // a global's name
    SaveImage(pou, "table-pou-variables.bmp");
}

}  // namespace
