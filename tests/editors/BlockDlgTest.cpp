#include <gtest/gtest.h>

#include <memory>

#include "editors/BlockDlg.h"
#include "ladder/Block.h"
#include "platform/CListCtrl.h"
#include "project/CQLXFB.h"
#include "res/resource.h"
#include "shell/controls/CInPlaceEdit.h"
#include "tests/editors/LadderDialogFixture.h"
#include "tests/support/ModalScript.h"
#include "tests/support/ScriptedMessageBoxes.h"

namespace {
class BlockDlgTest : public LadderDialogTest {
protected:
    BlockDlgTest() {
        CQLXFB* definition = LadderEnvironment().NewFunctionBlockDef("TON");
        definition->instanceName = "????";
        box.SetFunctionBlock(definition);
        box.GetParams()->FindParam("PT")->textA = "100";
    }

    static CListCtrl List(CWnd* dialog) { return CListCtrl(dialog->GetDlgItem(IDC_BOX_PARAMETERS)->m_hWnd); }

    // What the in-place editor reports when the user leaves the cell with Enter.
    static void EndEdit(CWnd* dialog, int row, const char* text) {
        InPlaceEditEnd end;
        end.header.hwndFrom = dialog->GetDlgItem(IDC_BOX_PARAMETERS)->m_hWnd;
        end.header.idFrom = IDC_BOX_PARAMETERS;
        end.header.code = LVN_ENDLABELEDIT;
        end.row = row;
        end.column = 2;
        end.mask = LVIF_TEXT | LVIF_PARAM;
        end.text = text;
        end.key = VK_RETURN;
        dialog->SendMessage(WM_NOTIFY, IDC_BOX_PARAMETERS, reinterpret_cast<LPARAM>(&end));
    }

    static void Key(CWnd* dialog, UINT key) {
        CWnd* list = dialog->GetDlgItem(IDC_BOX_PARAMETERS);
        list->SetFocus();
        MSG msg = {list->m_hWnd, WM_KEYDOWN, key, 0, 0, {0, 0}};
        dialog->PreTranslateMessage(&msg);
    }

    CBlock box;
};

TEST_F(BlockDlgTest, ListsParametersAfterThePowerFlowPins) {
    std::vector<std::string> rows;
    ModalScript script({[&](CWnd* dialog) {
        CListCtrl list = List(dialog);
        for (int row = 0; row < list.GetItemCount(); ++row)
            rows.push_back(std::string(list.GetItemText(row, 0)) + " " +
                           list.GetItemText(row, 1).GetString() + " " +
                           list.GetItemText(row, 2).GetString());
        PressButton(dialog, IDCANCEL);
    }});
    CBlockDlg dialog(&box, "MAIN");
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ((std::vector<std::string>{"PT VAR_INPUT 100", "ET VAR_OUTPUT "}), rows);
}

TEST_F(BlockDlgTest, CancelPutsBackEveryConnection) {
    CString afterPt, afterEt, refusedEt;
    ModalScript script({[&](CWnd* dialog) {
        EndEdit(dialog, 0, "%vw2");
        EndEdit(dialog, 1, "%IW0");  // refused: an input cannot be written
        refusedEt = List(dialog).GetItemText(1, 2);
        EndEdit(dialog, 1, "%mw8");
        afterPt = List(dialog).GetItemText(0, 2);
        afterEt = List(dialog).GetItemText(1, 2);
        PressButton(dialog, IDCANCEL);
    }});
    CBlockDlg dialog(&box, "MAIN");
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_STREQ("%VW2", afterPt);
    EXPECT_STREQ("", refusedEt);
    EXPECT_STREQ("%MW8", afterEt);
    EXPECT_STREQ("100", box.GetParams()->FindParam("PT")->textA);
    EXPECT_STREQ("", box.GetParams()->FindParam("ET")->textA);
}

TEST_F(BlockDlgTest, ConfirmCreatesTheInstanceOrKeepsTheDialogOpen) {
    ASSERT_TRUE(workspace.project.AddFBInstance("T37", "TON", "MAIN"));
    ScriptedMessageBoxes boxes;
    BOOL openAfterRefusal = FALSE;
    ModalScript script({[&](CWnd* dialog) {
        EndEdit(dialog, 0, "%vw2");
        dialog->SetDlgItemText(IDC_BOX_INSTANCE, "t37");
        PressButton(dialog, IDC_BOX_OK);
        openAfterRefusal = ::IsWindow(dialog->m_hWnd);
        dialog->SetDlgItemText(IDC_BOX_INSTANCE, "t38");
        PressButton(dialog, IDC_BOX_OK);
    }});
    CBlockDlg dialog(&box, "MAIN");
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(openAfterRefusal);
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("功能块实例名称非法或者该功能块实例已被创建!", boxes.Calls()[0].text);
    EXPECT_STREQ("T38", box.m_pFB->instanceName);
    EXPECT_STREQ("%VW2", box.GetParams()->FindParam("PT")->textA);
    CStringArray names, types;
    workspace.project.GetFBInstancesOf("MAIN", names, types);
    EXPECT_EQ(2, names.GetSize());
}

TEST_F(BlockDlgTest, EnterNeverEndsTheDialogAndArrowsWrap) {
    int markAfterUp = -1, markAfterDown = -1;
    BOOL openAfterEnter = FALSE;
    ModalScript script({[&](CWnd* dialog) {
        dialog->SendMessage(WM_COMMAND, IDOK, 0);
        openAfterEnter = ::IsWindow(dialog->m_hWnd);
        Key(dialog, VK_UP);  // from the first row to the last
        markAfterUp = List(dialog).GetSelectionMark();
        Key(dialog, VK_DOWN);
        markAfterDown = List(dialog).GetSelectionMark();
        PressButton(dialog, IDCANCEL);
    }});
    CBlockDlg dialog(&box, "MAIN");
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_TRUE(openAfterEnter);
    EXPECT_EQ(1, markAfterUp);
    EXPECT_EQ(0, markAfterDown);
}
}  // namespace
