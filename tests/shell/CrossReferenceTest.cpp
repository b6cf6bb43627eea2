#include "compiler/AddressUsageMap.h"
#include "compiler/CompileVariables.h"
#include "editors/POUEditorDoc.h"
#include "platform/CListCtrl.h"
#include "project/CProjTreeNode.h"
#include "res/resource.h"
#include "shell/project/CUsedVarRefView.h"
#include "shell/tables/GlobalVarTable.h"
#include "tests/compiler/ProjectFixture.h"
#include "tests/shell/RecordingProjectShell.h"
#include "tests/shell/TableViewFixture.h"

#include <string>
#include <vector>

namespace {

// A compiled project: MAIN in IL using a global, an interrupt routine in LD.
class CrossReference : public TableViewFixture {
protected:
    CrossReference() {
        ClearAddressUsage();
        fixture.Write("Xref.qgv", {"VAR_GLOBAL", "START AT %I0.0 : BOOL;", "END_VAR"});
        fixture.WritePou("MAIN_MAIN", {"(* NETWORK 0 *)", "LD %I0.0", "ST %Q0.0", "(* NETWORK 1 *)", "LD %I0.2",
                                       "ATCH INT00, 10"});
        fixture.WritePou("INT00_Tick", {"(* NETWORK 0 *)", "LD %SM0.0", "S %Q0.2"}, {"VAR", "END_VAR"}, 2);
        CQLXProject& project = workspace.project;
        project.folder = fixture.Folder().c_str();
        project.hasMain = 1;
        project.mainPou.kind = PouMain;
        project.mainPou.name = "MAIN";
        project.mainPou.language = 1;
        auto* tick = new CProjTreeNode(PouInterrupt, 2, 0);
        tick->name = "Tick";
        project.intByName.SetAt("Tick", tick);
        project.intByUpperName.SetAt("TICK", tick);
        project.intByNumber.SetAt(0, tick);
        CCPGridCore grid;
        CGlobalVarTable globals(project, grid);
        globals.SetRowCount(1);
        globals.Commit(0, 0, "START");
        globals.Commit(1, 0, "%I0.0");
    }
    ~CrossReference() override { ClearAddressUsage(); }

    CUsedVarRefView* MakeView() {
        auto* view = Make<CUsedVarRefView>(CRect(0, 0, 800, 300));
        view->OnInitialUpdate();
        return view;
    }
    static std::string Row(CUsedVarRefView* view, int row) {
        std::string text;
        for (int col = 0; col < 6; ++col)
            text += (col ? "|" : "") + std::string(view->GetListCtrl().GetItemText(row, col));
        return text;
    }
    static void Select(CUsedVarRefView* view, int row) {
        view->GetListCtrl().SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }

    CProjectFixture fixture{"Xref"};
    RecordingProjectShell projectShell;
};

TEST_F(CrossReference, ListsEveryUseOfTheLastCompile) {
    auto* view = MakeView();
    EXPECT_EQ(view->GetListCtrl().GetItemCount(), 0);  // nothing compiled yet
    {
        const char* headers[] = {"序 号", "地 址", "全局变量名", "POU", "位 置", "读/写"};
        CRect client;
        parent.GetClientRect(&client);
        const int w = client.Width();
        const int widths[] = {w / 8, w / 5, w / 5, w / 5, w / 5, w / 6};
        for (int col = 0; col < 6; ++col) {
            char text[32] = {};
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = text;
            column.cchTextMax = sizeof text;
            view->GetListCtrl().SendMessage(LVM_GETCOLUMNA, col, reinterpret_cast<LPARAM>(&column));
            EXPECT_STREQ(text, headers[col]);
            EXPECT_EQ(column.cx, widths[col]) << col;
        }
    }
    ASSERT_TRUE(fixture.Compile({{CompileUnit::kMain, 0, "MAIN"}, {CompileUnit::kInterrupt, 0, "Tick"}}, true))
        << fixture.shell.CompileText();
    view->SendMessage(WM_COMMAND, ID_CROSS_REFERENCE_REFRESH);
    std::vector<std::string> rows;
    for (int row = 0; row < view->GetListCtrl().GetItemCount(); ++row)
        rows.push_back(Row(view, row));
    const std::vector<std::string> expected = {
        "   0|%I0.0|START|MAIN|第   2 行|读",
        "   1|%I0.2||MAIN|第   5 行|读",
        "   2|%Q0.0||MAIN|第   3 行|写",
        "   3|%Q0.2||Tick|Network   0|写",
        "   4|%SM0.0||Tick|Network   0|读",
    };
    EXPECT_EQ(rows, expected);
    Select(view, 3);
    CRect window;
    view->GetWindowRect(&window);
    TestImage image(window.Width(), window.Height());
    RenderWindow(view, image);
    image.SaveBmp(TestOutputPath("cross-reference.bmp"));
}

TEST_F(CrossReference, LocateOpensTheProgramOfTheSelectedUse) {
    ASSERT_TRUE(fixture.Compile({{CompileUnit::kMain, 0, "MAIN"}, {CompileUnit::kInterrupt, 0, "Tick"}}, true));
    auto* view = MakeView();
    view->SendMessage(WM_COMMAND, ID_CROSS_REFERENCE_LOCATE);  // nothing selected
    EXPECT_TRUE(projectShell.calls.empty());
    EXPECT_FALSE(IsCommandEnabled(view, ID_CROSS_REFERENCE_LOCATE));
    CPOUEditorDoc document;
    projectShell.openedDocument = &document;
    const int rows = view->GetListCtrl().GetItemCount();
    Select(view, rows - 1);
    EXPECT_TRUE(IsCommandEnabled(view, ID_CROSS_REFERENCE_LOCATE));
    view->SendMessage(WM_COMMAND, ID_CROSS_REFERENCE_LOCATE);
    Select(view, 0);
    NMLVKEYDOWN enter = {{view->m_hWnd, 1, LVN_KEYDOWN}, VK_RETURN, 0};
    parent.SendMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&enter));
    EXPECT_EQ(projectShell.calls, (std::vector<std::string>{"open " + fixture.Folder() + "\\INT00_Tick.ilp",
                                                            "open " + fixture.Folder() + "\\MAIN_MAIN.ilp"}));
    projectShell.menus.clear();
    // A double click opens too; a right click selects its row and asks for menu 167.
    NMITEMACTIVATE click = {};
    click.hdr = {view->m_hWnd, 1, NM_DBLCLK};
    click.iItem = 0;
    parent.SendMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(projectShell.calls.size(), 3u);
    click.hdr.code = NM_RCLICK;
    click.iItem = 1;
    parent.SendMessage(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(projectShell.menus, std::vector<UINT>{IDR_MENU_CROSS_REFERENCE});
    EXPECT_EQ(projectShell.menuOwners, std::vector<CWnd*>{view});
    EXPECT_EQ(view->GetSelectedRow(), 1);
    // A refresh keeps the selected row.
    view->Refresh();
    EXPECT_EQ(view->GetSelectedRow(), 1);
}

TEST_F(CrossReference, MoreUsesThanTheFirstCapacityAreAllShown) {
    workspace.project.cpuClass = 0;
    CurrentProgramName = "MAIN";
    NumberingMode = kNumberByLine;
    for (int i = 0; i < 1300; ++i) {
        CurrentLineNumber = i + 1;
        CString operand;
        operand.Format("%%VW%d", (i % 1000) * 2);
        MarkAddressUse(kAccessRead, operand);
    }
    auto* view = MakeView();
    EXPECT_EQ(view->GetListCtrl().GetItemCount(), 1300);
    workspace.project.cpuClass = 7;  // no such class: no list
    view->Refresh();
    EXPECT_EQ(view->GetListCtrl().GetItemCount(), 0);
}

TEST(CrossReferenceTexts, PlacesAccessesAndTheirNumbers) {
    struct Case { int mode, position; const char* text; int number; };
    const Case cases[] = {
        {kNumberByLine, 7, "第   7 行", 7},
        {kNumberByLine, 1234, "第 1234 行", 1234},
        {kNumberByNetwork, 0, "Network   0", 0},
        {kNumberByNetwork, 42, "Network  42", 42},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CrossReferencePlaceText(c.mode, c.position), c.text);
        EXPECT_EQ(CrossReferencePlaceNumber(c.text), c.number) << c.text;
    }
    EXPECT_EQ(CrossReferencePlaceNumber(""), 0);
    EXPECT_EQ(CrossReferenceAccessText(kAccessRead), "读");
    EXPECT_EQ(CrossReferenceAccessText(kAccessWrite), "写");
    EXPECT_EQ(CrossReferenceAccessText(kAccessReadWrite), "读写");
}

}  // namespace
