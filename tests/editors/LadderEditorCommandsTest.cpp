#include <gtest/gtest.h>

#include "editors/LadderLimits.h"
#include "project/CQLXFB.h"
#include "project/CQLXFBPara.h"
#include "project/CQLXFunc.h"
#include "tests/editors/LadderEditorFixture.h"
#include "platform/CComboBox.h"
#include "res/resource.h"
#include "tests/support/ModalScript.h"

namespace {

TEST_F(LadderEditorTest, NewNetworkIsHeaderOpenContactAndNullCoilOnThreeRows) {
    editor->NewNetwork();
    Layout();
    ASSERT_EQ(1, model.GetNetworkCount());
    EXPECT_EQ("1,4", Rows());  // header, rung and the empty row after them
    auto* contact = dynamic_cast<CContact*>(model.GetCurrentElement());
    ASSERT_NE(nullptr, contact);
    EXPECT_STREQ("????", contact->GetOperand());
    EXPECT_STREQ("-| |-", contact->GetSymbol());
    EXPECT_STREQ("-(NUL)", model.GetItem(1)->GetSymbol());
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(model.CanUndo());
}

TEST_F(LadderEditorTest, NewNetworkOnHeaderGoesBeforeItAndOnLastNetworkAfterIt) {
    AddNetworks(2);
    Header(0)->m_strComment = "first";
    Header(1)->m_strComment = "second";
    SelectItem(2);
    editor->NewNetwork();
    ASSERT_EQ(3, model.GetNetworkCount());
    EXPECT_STREQ("first", Header(0)->m_strComment);
    EXPECT_STREQ("", Header(1)->m_strComment);
    EXPECT_STREQ("second", Header(2)->m_strComment);
    for (int n = 0; n < 3; ++n) EXPECT_EQ(n, Header(n)->m_nNetwork);
    SelectItem(5);
    editor->NewNetwork();
    ASSERT_EQ(4, model.GetNetworkCount());
    EXPECT_STREQ("second", Header(2)->m_strComment);
    EXPECT_EQ(3, Header(3)->m_nNetwork);
}

TEST_F(LadderEditorTest, TheTwoHundredAndFirstNetworkIsRefused) {
    AddNetworks(CLadderEditor::kMaxNetworks);
    ASSERT_EQ(200, model.GetNetworkCount());
    EXPECT_EQ("", Messages());
    SelectItem(399);
    editor->NewNetwork();
    EXPECT_EQ(200, model.GetNetworkCount());
    EXPECT_EQ("网络数目已达上限，不允许再添加!|", Messages());
}

TEST_F(LadderEditorTest, DeletingTheFirstNetworkMovesTheOthersUpByItsSpan) {
    AddNetworks(3);
    ClickCell(1, 2);
    editor->InsertParallelContact();
    Layout();
    EXPECT_EQ("1,5,8,11", Rows());
    ClickCell(1, 2);
    editor->DeleteNetwork();
    Layout();
    EXPECT_EQ(2, model.GetNetworkCount());
    EXPECT_EQ("1,4,7", Rows());
    EXPECT_EQ(nullptr, model.GetCurrentElement());
}

TEST_F(LadderEditorTest, ParallelContactOnlyBelowAPlainContact) {
    AddNetworks(1);
    struct Case {
        const char* symbol;
        bool grows;
    } cases[] = {{"-| |-", true}, {"-|NOT|-", false}};
    for (const Case& c : cases) {
        ClickCell(1, 2);
        auto* contact = dynamic_cast<CContact*>(model.GetCurrentElement());
        ASSERT_NE(nullptr, contact);
        contact->SetSymbol(c.symbol);
        CString before = IL();
        editor->InsertParallelContact();
        Layout();
        EXPECT_EQ(c.grows, before != IL()) << c.symbol;
        // Undo back to the plain contact for the next case.
        if (c.grows) editor->Undo();
        Layout();
    }
    ClickCell(4, 2);  // the coil
    CString before = IL();
    editor->InsertParallelContact();
    EXPECT_EQ(before, IL());
}

TEST_F(LadderEditorTest, WidthAndParallelLimitsGiveTheirMessages) {
    AddNetworks(1);
    ClickCell(1, 2);
    for (int k = 0; k < kMaxNetworkWidth; ++k) editor->InsertContact(FALSE);
    Layout();
    EXPECT_EQ("网络中水平方向元件数目已达到上限，不允许再添加!|", Messages());
    ClickCell(1, 2);
    for (int k = 0; k < kMaxNetworkRows; ++k) {
        editor->InsertParallelContact();
        Layout();
    }
    EXPECT_EQ("网络中水平方向元件数目已达到上限，不允许再添加!|本分支并联元件数已达上限，不允许再并联！|", Messages());
}

TEST_F(LadderEditorTest, TreeInsertionsAndTheirRefusals) {
    AddNetworks(1);
    ClickCell(1, 2);
    InsertFromTree("MOVE");
    auto* move = dynamic_cast<CBlock*>(model.GetCurrentElement());
    ASSERT_NE(nullptr, move);
    EXPECT_EQ(CBlock::FUNCTION, move->GetBoxType());
    EXPECT_STREQ("????", move->InputOperand(1));
    InsertFromTree("TON");
    auto* timer = dynamic_cast<CBlock*>(model.GetCurrentElement());
    ASSERT_NE(nullptr, timer);
    EXPECT_STREQ("????", timer->m_pFB->instanceName);
    // A call of the POU itself is refused.
    CQLXFunc self;
    self.SetName("MAIN");
    CString before = IL();
    editor->OnInsertInstruction(3, reinterpret_cast<LPARAM>(&self));
    EXPECT_EQ(before, IL());
    EXPECT_EQ("子程序禁止调用本身!|", Messages());
}

// The box dialog's answer: a catalogue entry with an instance name, or Cancel.
ModalScript::Action ChooseBox(const char* name, const char* instance) {
    return [name, instance](CWnd* dialog) {
        auto* combo = static_cast<CComboBox*>(dialog->GetDlgItem(IDC_SELFUNC_FUNCTION));
        combo->SelectString(-1, name);
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SELFUNC_FUNCTION, CBN_SELCHANGE),
                            reinterpret_cast<LPARAM>(combo->m_hWnd));
        dialog->SetDlgItemText(IDC_SELFUNC_INSTANCE, instance);
        PressButton(dialog, IDOK);
    };
}

CStringArray& InstancesOfMain(CStringArray& names) {
    CStringArray types;
    LadderEnvironment().GetFBInstancesOf("MAIN", types, names);
    return names;
}

TEST_F(LadderEditorTest, BoxCommandNamesTheInstanceOrExplainsTheRefusal) {
    AddNetworks(1);
    document.SetModifiedFlag(FALSE);
    ModalScript script({[](CWnd* dialog) { PressButton(dialog, IDCANCEL); }, ChooseBox("CTU", "c5"),
                        ChooseBox("CTD", " C5 "), ChooseBox("TON", "C6")});
    int snapshots = static_cast<int>(model.m_undoList.GetCount());
    ClickCell(1, 2);
    editor->InsertBox();  // cancelled
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(snapshots, model.m_undoList.GetCount());
    struct Case {
        const char* instance;
        const char* message;
    } cases[] = {{"C5", ""},
                 {"????", "该功能块实例已被声明(不允许再调用)!|"},
                 {"????", "该功能块实例已被声明(不允许再调用)!|功能块实例名称非法!|"}};
    for (const Case& c : cases) {
        editor->InsertBox();
        Layout();
        auto* box = dynamic_cast<CBlock*>(model.GetCurrentElement());
        ASSERT_NE(nullptr, box);
        EXPECT_STREQ(c.instance, box->m_pFB->instanceName);
        // Counters and timers leave their last output free, the others "????".
        int outputs = box->m_pFB->GetOutputCount();
        EXPECT_STREQ("", box->m_pFB->GetOutput(outputs - 1)->textA);
        EXPECT_STREQ("????", box->m_pFB->GetOutput(0)->textA);
        EXPECT_EQ(c.message, Messages());
        EXPECT_TRUE(document.IsModified());
    }
    CStringArray names;
    EXPECT_EQ(1, InstancesOfMain(names).GetSize());
}

TEST_F(LadderEditorTest, EditedHeaderCommentIsUndoneAndRedone) {
    AddNetworks(1);
    ModalScript script({[](CWnd* dialog) {
        dialog->SetDlgItemText(IDC_COMMENT_TEXT, "pump start");
        PressButton(dialog, IDOK);
    }});
    SelectItem(0);
    editor->EditElement();
    EXPECT_STREQ("pump start", Header(0)->m_strComment);
    editor->Undo();
    EXPECT_STREQ("", Header(0)->m_strComment);
    editor->Redo();
    EXPECT_STREQ("pump start", Header(0)->m_strComment);
}

}  // namespace
