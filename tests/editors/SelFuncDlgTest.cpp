#include <gtest/gtest.h>

#include "editors/CommentDlg.h"
#include "editors/SelFuncDlg.h"
#include "platform/CComboBox.h"
#include "platform/CEdit.h"
#include "project/CProjTreeNode.h"
#include "res/resource.h"
#include "tests/editors/LadderDialogFixture.h"
#include "tests/support/ModalScript.h"

namespace {
CComboBox* Combo(CWnd* dialog, int id) { return static_cast<CComboBox*>(dialog->GetDlgItem(id)); }

BOOL Enabled(CWnd* dialog, int id) { return dialog->GetDlgItem(id)->IsWindowEnabled(); }

void Choose(CWnd* dialog, int comboId, LPCSTR entry) {
    Combo(dialog, comboId)->SelectString(-1, entry);
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(dialog->GetDlgItem(comboId)->m_hWnd));
}

TEST_F(LadderDialogTest, FunctionBlockChoiceAsksForAnInstanceName) {
    BOOL subroutineChoice = TRUE, instanceAtStart = TRUE, instanceForBlock = FALSE;
    CString shownInstance;
    ModalScript script({[&](CWnd* dialog) {
        subroutineChoice = Enabled(dialog, IDC_SELFUNC_SUBROUTINE_RADIO);
        instanceAtStart = Enabled(dialog, IDC_SELFUNC_INSTANCE);
        Choose(dialog, IDC_SELFUNC_FUNCTION, "TON");
        instanceForBlock = Enabled(dialog, IDC_SELFUNC_INSTANCE);
        dialog->GetDlgItemText(IDC_SELFUNC_INSTANCE, shownInstance);
        dialog->SetDlgItemText(IDC_SELFUNC_INSTANCE, "T_WAIT");
        PressButton(dialog, IDOK);
    }});
    CSelFuncDlg dialog;
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_FALSE(subroutineChoice);  // the project has no subroutines
    EXPECT_FALSE(instanceAtStart);
    EXPECT_TRUE(instanceForBlock);
    EXPECT_STREQ("????", shownInstance);
    EXPECT_EQ(CSelFuncDlg::FunctionOrBlock, dialog.m_nChoice);
    EXPECT_STREQ("TON", dialog.m_strChosen);
    EXPECT_STREQ("T_WAIT", dialog.m_strInstance);
}

TEST_F(LadderDialogTest, FunctionListsShownFunctionsAndBlocksOnly) {
    int count = 0;
    CString first;
    BOOL listsTon = FALSE, listsMove = FALSE, listsHiddenExch = TRUE, listsContact = TRUE;
    ModalScript script({[&](CWnd* dialog) {
        CComboBox* functions = Combo(dialog, IDC_SELFUNC_FUNCTION);
        count = functions->GetCount();
        functions->GetLBText(0, first);
        listsTon = functions->FindStringExact(-1, "TON") >= 0;
        listsMove = functions->FindStringExact(-1, "MOVE") >= 0;
        listsHiddenExch = functions->FindStringExact(-1, "EXCH") >= 0;
        listsContact = functions->FindStringExact(-1, "-| |-") >= 0;
        PressButton(dialog, IDCANCEL);
    }});
    CSelFuncDlg dialog;
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_GT(count, 30);
    EXPECT_TRUE(listsTon);
    EXPECT_TRUE(listsMove);
    EXPECT_FALSE(listsHiddenExch);
    EXPECT_FALSE(listsContact);
    EXPECT_STREQ(first, dialog.m_strChosen);  // the first entry is chosen at the start
}

TEST_F(LadderDialogTest, SubroutineChoiceTakesTheSubroutineList) {
    for (const char* name : {"PUMP", "FILL_TANK"}) {
        CProjTreeNode* node = new CProjTreeNode;
        node->name = name;
        workspace.project.sbrByName.SetAt(name, node);
    }
    BOOL functionsAfter = TRUE, subroutinesAfter = FALSE;
    ModalScript script({[&](CWnd* dialog) {
        EXPECT_FALSE(Enabled(dialog, IDC_SELFUNC_SUBROUTINE));
        dialog->CheckRadioButton(IDC_SELFUNC_FUNCTION_RADIO, IDC_SELFUNC_SUBROUTINE_RADIO,
                                 IDC_SELFUNC_SUBROUTINE_RADIO);
        PressButton(dialog, IDC_SELFUNC_SUBROUTINE_RADIO);
        functionsAfter = Enabled(dialog, IDC_SELFUNC_FUNCTION);
        subroutinesAfter = Enabled(dialog, IDC_SELFUNC_SUBROUTINE);
        Choose(dialog, IDC_SELFUNC_SUBROUTINE, "PUMP");
        PressButton(dialog, IDOK);
    }});
    CSelFuncDlg dialog;
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_FALSE(functionsAfter);
    EXPECT_TRUE(subroutinesAfter);
    EXPECT_EQ(CSelFuncDlg::Subroutine, dialog.m_nChoice);
    EXPECT_STREQ("PUMP", dialog.m_strChosen);
}

TEST_F(LadderDialogTest, CommentMarksTheDocumentOnlyWhenTheUserChangedIt) {
    for (BOOL edit : {FALSE, TRUE}) {
        document.SetModifiedFlag(FALSE);
        ModalScript script({[&](CWnd* dialog) {
            CEdit* text = static_cast<CEdit*>(dialog->GetDlgItem(IDC_COMMENT_TEXT));
            if (edit) text->ReplaceSel("新的注释");
            PressButton(dialog, IDOK);
        }});
        CCommentDlg dialog(&document);
        dialog.m_strComment = "启动电机";
        ASSERT_EQ(IDOK, dialog.DoModal());
        EXPECT_EQ(edit, document.IsModified());
        EXPECT_EQ(edit, dialog.m_strComment != "启动电机");
    }
}
}  // namespace
