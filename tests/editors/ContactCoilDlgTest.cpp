#include <gtest/gtest.h>

#include <memory>

#include "editors/ContactCoilDlg.h"
#include "ladder/Coil.h"
#include "ladder/Contact.h"
#include "res/resource.h"
#include "tests/editors/LadderDialogFixture.h"
#include "tests/support/ModalScript.h"
#include "tests/support/ScriptedMessageBoxes.h"

namespace {
struct LeafCase {
    const char* symbol;
    const char* typed;
    BOOL isCoil;
    BOOL closes;
    const char* operand;  // the element's operand when it is set
    const char* message;  // the box shown, or null
};

const LeafCase LeafCases[] = {
    {"-( )", "%q0.0", TRUE, TRUE, "%Q0.0", nullptr},
    {"-( )", "%IW0", TRUE, FALSE, nullptr, "输入的数据类型或者存储区类型不匹配！ "},
    {"-| |-", "Start", FALSE, TRUE, "%I0.3", nullptr},
    {"-( )", "Start", TRUE, FALSE, nullptr, "输入的数据类型或者存储区不匹配！ "},
    {"-| |-", "T37", FALSE, TRUE, "T37", nullptr},
    {"-| |-", "%t37", FALSE, TRUE, "T37", nullptr},
    {"-| |-", "flag", FALSE, TRUE, "flag", nullptr},
    {"-| |-", "%flag", FALSE, TRUE, "flag", nullptr},
    {"-| |-", "COUNT", FALSE, FALSE, nullptr, "输入的数据类型或者IN、OUT属性不匹配！"},
    {"-| |-", "1000", FALSE, FALSE, nullptr, "输入的数据类型不匹配！ "},
    {"-| |-", "a b", FALSE, FALSE, nullptr, "输入非法！ "},
    {"-(NUL)", "anything", TRUE, TRUE, "anything", nullptr},
};

TEST_F(LadderDialogTest, OperandOfContactOrCoilIsCheckedAgainstItsSymbol) {
    for (const LeafCase& c : LeafCases) {
        SCOPED_TRACE(std::string(c.symbol) + " " + c.typed);
        CStringArray labels;
        LeafOperandDecision decision = DecideLeafOperand(c.symbol, c.typed, "", c.isCoil, labels);
        EXPECT_EQ(c.closes, decision.close);
        EXPECT_EQ(c.operand != nullptr, decision.setOperand);
        if (c.operand) {
            EXPECT_STREQ(c.operand, decision.operand);
        }
        EXPECT_STREQ(c.message ? c.message : "", decision.message ? decision.message : "");
        EXPECT_EQ(0, labels.GetSize());
    }
}

TEST_F(LadderDialogTest, IllegalOperandIsAnErrorWithTheStopIcon) {
    CStringArray labels;
    LeafOperandDecision decision = DecideLeafOperand("-| |-", "?x", "", FALSE, labels);
    EXPECT_STREQ("错误", decision.caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), decision.icon);
    EXPECT_TRUE(decision.focusOperand);
}

// Steps on one program's label list: symbol, typed label, the element's previous label,
// then what the element keeps, the message and the list afterwards.
struct LabelStep {
    const char* symbol;
    const char* typed;
    const char* previous;
    BOOL closes;
    const char* operand;
    const char* message;
    const char* labelsAfter;  // joined with ","
};

const LabelStep LabelSteps[] = {
    {"-(LBL)", "LOOP", "????", TRUE, "LOOP", nullptr, "LOOP"},
    {"-(LBL)", "DONE", "????", TRUE, "DONE", nullptr, "LOOP,DONE"},
    // A second label of an existing name keeps the element's old label.
    {"-(LBL)", "LOOP", "????", TRUE, "????", "此标识符已经存在！ ", "LOOP,DONE"},
    // Confirming a label coil with its own label changes nothing.
    {"-(LBL)", "LOOP", "LOOP", TRUE, "LOOP", nullptr, "LOOP,DONE"},
    {"-(LBL)", "AGAIN", "LOOP", TRUE, "AGAIN", nullptr, "DONE,AGAIN"},
    {"-(JMP)", "DONE", "????", TRUE, "DONE", nullptr, "DONE,AGAIN"},
    {"-(JMP)", "LATER", "????", TRUE, "LATER", nullptr, "DONE,AGAIN"},
    // Clearing a jump leaves the label its target names.
    {"-(JMPC)", "", "DONE", TRUE, "????", nullptr, "DONE,AGAIN"},
    {"-(LBL)", "", "DONE", TRUE, "????", nullptr, "AGAIN"},
    {"-(LBL)", "9lives", "????", FALSE, nullptr, "无效的标识符！", "AGAIN"},
    {"-(JMP)", "%AGAIN", "????", TRUE, "AGAIN", nullptr, "AGAIN"},
};

CString Joined(const CStringArray& labels) {
    CString joined;
    for (INT_PTR i = 0; i < labels.GetSize(); ++i) joined += (i ? "," : "") + labels[i];
    return joined;
}

TEST_F(LadderDialogTest, LabelCoilsKeepTheLabelListInStep) {
    CStringArray labels;
    for (const LabelStep& step : LabelSteps) {
        SCOPED_TRACE(std::string(step.symbol) + " '" + step.typed + "'");
        LeafOperandDecision decision =
            DecideLeafOperand(step.symbol, step.typed, step.previous, TRUE, labels);
        EXPECT_EQ(step.closes, decision.close);
        if (step.operand) {
            EXPECT_STREQ(step.operand, decision.operand);
        }
        EXPECT_STREQ(step.message ? step.message : "", decision.message ? decision.message : "");
        EXPECT_STREQ(step.labelsAfter, Joined(labels));
    }
}

CString Text(CWnd* dialog, int id) {
    CString text;
    dialog->GetDlgItemText(id, text);
    return text;
}

TEST_F(LadderDialogTest, ContactDialogRefusesThenStoresTheOperand) {
    std::unique_ptr<CContact> contact(new CContact);
    contact->SetSymbol("-|/|-");
    CString title, shownSymbol;
    BOOL operandEnabled = FALSE;
    ScriptedMessageBoxes boxes;
    ModalScript script({[&](CWnd* dialog) {
        dialog->GetWindowText(title);
        shownSymbol = Text(dialog, IDC_CONTACT_COIL_TYPE);
        operandEnabled = dialog->GetDlgItem(IDC_CONTACT_COIL_OPERAND)->IsWindowEnabled();
        dialog->SetDlgItemText(IDC_CONTACT_COIL_OPERAND, "%IW0");
        PressButton(dialog, IDOK);
        EXPECT_TRUE(::IsWindow(dialog->m_hWnd));
        dialog->SetDlgItemText(IDC_CONTACT_COIL_OPERAND, "%i0.1");
        PressButton(dialog, IDOK);
    }});
    CContactCoilDlg dialog(contact.get(), FALSE);
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("触点", title);
    EXPECT_STREQ("-|/|-", shownSymbol);
    EXPECT_TRUE(operandEnabled);
    EXPECT_STREQ("%I0.1", contact->GetOperand());
    EXPECT_STREQ("-|/|-", dialog.m_strSymbol);
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("输入的数据类型或者存储区类型不匹配！ ", boxes.Calls()[0].text);
    EXPECT_EQ("提示", boxes.Calls()[0].caption);
}

TEST_F(LadderDialogTest, NewCoilStartsAsNullCoilWithoutOperand) {
    std::unique_ptr<CCoil> coil(new CCoil);
    coil->SetSymbol("");
    CString title;
    BOOL operandEnabled = TRUE;
    ModalScript script({[&](CWnd* dialog) {
        dialog->GetWindowText(title);
        operandEnabled = dialog->GetDlgItem(IDC_CONTACT_COIL_OPERAND)->IsWindowEnabled();
        PressButton(dialog, IDCANCEL);
    }});
    CContactCoilDlg dialog(coil.get(), TRUE);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_STREQ("线圈", title);
    EXPECT_STREQ("-(NUL)", dialog.m_strSymbol);
    EXPECT_FALSE(operandEnabled);
}
}  // namespace
