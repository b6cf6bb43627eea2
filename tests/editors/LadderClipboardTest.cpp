#include <gtest/gtest.h>

#include <memory>

#include "project/CPlcWorkspace.h"
#include "project/CQLXFB.h"
#include "tests/editors/LadderEditorFixture.h"

namespace {

class LadderClipboardTest : public LadderEditorTest {
protected:
    ~LadderClipboardTest() override { workspace.ClearLadderClipboard(); }

    CBlock* TimerOrFlipFlop(const char* type, const char* instance) {
        CBlock* box = new CBlock;
        CQLXFB* block = new CQLXFB;
        block->typeName = type;
        block->instanceName = instance;
        box->SetFunctionBlock(block);
        box->UpdateHeight();
        return box;
    }
    CBlock* BoxAt(int column, int row) { return dynamic_cast<CBlock*>(ElementAt(column, row)); }
    void SelectNetworks(int first, int last) {
        Layout();
        editor->SelectNetworksByRows(1, editor->Rows().GetRow(first), 1, editor->Rows().GetRow(last));
        ASSERT_TRUE(editor->HasNetworkSelection());
    }
    CStringArray& InstancesOfMain(CStringArray& names) {
        CStringArray types;
        names.RemoveAll();
        LadderEnvironment().GetFBInstancesOf("MAIN", types, names);
        return names;
    }
};

TEST_F(LadderClipboardTest, CopiedTimersLoseTheirInstanceFlipFlopsKeepIt) {
    AddNetworks(1);
    struct Case {
        const char* type;
        const char* pasted;
    } cases[] = {{"TON", "????"}, {"CTU", "????"}, {"RS", "RS1"}};
    for (const Case& c : cases) {
        ClickCell(1, 2);
        ASSERT_TRUE(model.InsertBox(TimerOrFlipFlop(c.type, c.type[0] == 'R' ? "RS1" : "T1")));
        Layout();
        model.SetCurrentElement(BoxAt(2, 2));
        editor->Copy();
        for (int k = 0; k < 2; ++k) {
            editor->Paste();
            auto* pasted = dynamic_cast<CBlock*>(model.GetCurrentElement());
            ASSERT_NE(nullptr, pasted) << c.type;
            EXPECT_STREQ(c.pasted, pasted->m_pFB->instanceName) << c.type;
            EXPECT_STREQ(c.type, pasted->m_pFB->typeName);
            Layout();
        }
        editor->Undo();
        editor->Undo();
        model.ClearCurrentElement();
    }
}

TEST_F(LadderClipboardTest, HeaderPastesItsCommentOntoAHeaderOnly) {
    AddNetworks(2);
    Header(0)->m_strComment = "motor";
    SelectItem(0);
    editor->Copy();
    SelectItem(2);
    editor->Paste();
    EXPECT_STREQ("motor", Header(1)->m_strComment);
    EXPECT_EQ(2, model.GetNetworkCount());
    Header(1)->m_strComment = "";
    ClickCell(1, 5);  // the contact of network 1
    CString before = IL();
    editor->Paste();
    EXPECT_EQ(before, IL());
    EXPECT_STREQ("", Header(1)->m_strComment);
}

TEST_F(LadderClipboardTest, NetworksPasteIntoAnEmptyProgramFromRowOne) {
    AddNetworks(2);
    Header(1)->m_strComment = "second";
    editor->SelectAll();
    editor->Copy();
    CLadderEditor* other = new CLadderEditor;
    CLadderModel empty(other);
    other->SetDocument(&document);
    empty.m_strPouName = "SUB";
    other->LayoutNetworks();
    other->Paste();
    other->LayoutNetworks();
    ASSERT_EQ(2, empty.GetNetworkCount());
    EXPECT_EQ(1, other->Rows().GetRow(0));
    EXPECT_EQ(empty.GetItem(0), empty.GetCurrentElement());
    EXPECT_STREQ("second", static_cast<CComment*>(empty.GetItem(2))->m_strComment);
    EXPECT_EQ(IL(), empty.ToIL());
}

TEST_F(LadderClipboardTest, KeptAsILNetworkTravelsWholeToAnotherPou) {
    CStringArray lines;
    for (const char* line : {"(* Network 0 *)", "(*why*)", "LD %I0.0", "ST %Q0.0", "LD %I0.1", "ST %Q0.1"})
        lines.Add(line);
    ASSERT_TRUE(model.LoadFromIL(lines));
    ASSERT_FALSE(Header(0)->m_bConvertible);
    Layout();
    editor->SelectAll();
    editor->Copy();
    CLadderEditor* other = new CLadderEditor;
    CLadderModel target(other);
    other->SetDocument(&document);
    other->LayoutNetworks();
    other->Paste();
    ASSERT_EQ(1, target.GetNetworkCount());
    EXPECT_FALSE(static_cast<CComment*>(target.GetItem(0))->m_bConvertible);
    auto* coil = static_cast<CCoil*>(target.GetItem(1));
    EXPECT_TRUE(coil->IsRawIL());
    EXPECT_EQ(model.ToIL(), target.ToIL());
}

TEST_F(LadderClipboardTest, PasteOverASelectionReplacesItAtTheFirstSelectedNetwork) {
    AddNetworks(5);
    for (int n = 0; n < 5; ++n) Header(n)->m_strComment.Format("n%d", n);
    SelectNetworks(0, 1);
    editor->Copy();
    SelectItem(3);  // inside the selection made next
    SelectNetworks(1, 3);
    editor->Paste();
    Layout();
    ASSERT_EQ(4, model.GetNetworkCount());
    const char* expected[] = {"n0", "n0", "n1", "n4"};
    for (int n = 0; n < 4; ++n) {
        EXPECT_STREQ(expected[n], Header(n)->m_strComment) << n;
        EXPECT_EQ(n, Header(n)->m_nNetwork);
    }
    EXPECT_FALSE(editor->HasNetworkSelection());
}

TEST_F(LadderClipboardTest, NetworkPasteStopsAtTwoHundredAndKeepsWhatItPasted) {
    AddNetworks(2);
    editor->SelectAll();
    editor->Copy();
    AddNetworks(CLadderEditor::kMaxNetworks - 3);
    ASSERT_EQ(199, model.GetNetworkCount());
    SelectItem(397);
    int snapshots = static_cast<int>(model.m_undoList.GetCount());
    editor->Paste();
    EXPECT_EQ(200, model.GetNetworkCount());
    EXPECT_EQ("网络数目已达上限，不允许再添加!|", Messages());
    EXPECT_EQ(snapshots + 1, model.m_undoList.GetCount());
}

TEST_F(LadderClipboardTest, InstancesFollowInsertCopyPasteUndoAndRedo) {
    AddNetworks(1);
    ClickCell(1, 2);
    ASSERT_TRUE(model.InsertBox(TimerOrFlipFlop("TON", "T1")));
    ASSERT_TRUE(LadderEnvironment().AddFBInstance("TON", "T1", "MAIN"));
    model.TakeSnapshot();
    Layout();
    CStringArray names;
    EXPECT_EQ(1, InstancesOfMain(names).GetSize());
    model.SetCurrentElement(BoxAt(2, 2));
    editor->Copy();
    editor->Paste();  // the copy has no instance
    EXPECT_EQ(1, InstancesOfMain(names).GetSize());
    editor->Undo();
    ASSERT_EQ(1, InstancesOfMain(names).GetSize());
    EXPECT_STREQ("T1", names[0]);
    editor->Redo();
    EXPECT_EQ(1, InstancesOfMain(names).GetSize());
    // A new edit ends the redo history: redo changes nothing, and the instance stays.
    editor->Undo();
    Layout();
    ClickCell(1, 2);
    editor->InsertContact(FALSE);
    CString after = IL();
    editor->Redo();
    EXPECT_EQ(after, IL());
    EXPECT_EQ(1, InstancesOfMain(names).GetSize());
}

TEST_F(LadderClipboardTest, UndoWithOneSnapshotKeepsTheProgramAndItsInstances) {
    AddNetworks(1);
    ClickCell(1, 2);
    ASSERT_TRUE(model.InsertBox(TimerOrFlipFlop("TON", "T1")));
    ASSERT_TRUE(LadderEnvironment().AddFBInstance("TON", "T1", "MAIN"));
    while (model.m_undoList.GetCount() > 0) delete model.m_undoList.RemoveHead();
    model.TakeSnapshot();
    CString before = IL();
    editor->Undo();
    EXPECT_EQ(before, IL());
    EXPECT_EQ(nullptr, model.GetCurrentElement());
    EXPECT_EQ(0, editor->Rows().GetSize());
    CStringArray names;
    EXPECT_EQ(1, InstancesOfMain(names).GetSize());
}

TEST_F(LadderClipboardTest, UndoInTheOpenBoxRestoresItsOpeningText) {
    AddNetworks(1);
    Layout();
    editor->ClickAt(150, 85, FALSE, FALSE);  // on the contact's operand
    ASSERT_TRUE(editor->IsCellEditActive());
    for (char ch : {'X', '1'}) editor->OnChar(ch, 1, 0);
    int snapshots = static_cast<int>(model.m_undoList.GetCount());
    editor->Undo();
    EXPECT_STREQ("????", editor->CellEdit().GetText());
    EXPECT_EQ(snapshots, model.m_undoList.GetCount());
}

}  // namespace
