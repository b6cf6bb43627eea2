#include <gtest/gtest.h>

#include "ladder/Comment.h"
#include "platform/CArchive.h"
#include "platform/CMemFile.h"
#include "tests/ladder/LadderModelFixture.h"

TEST_F(LadderModelTest, NewPouIsOneEndNetworkWithAnOpenContact) {
    ASSERT_TRUE(model.OnNewDocument());
    EXPECT_STREQ("(* Network 0 *)\r\nLD    ????\r\nST   %BR0.0\r\n", model.ToIL());
    EXPECT_EQ(1, model.m_undoList.GetCount());
    EXPECT_FALSE(model.CanUndo());
    EXPECT_EQ(LADDER_CONTACT, model.GetCurrentElement()->GetKind());
    CStringArray lines;
    model.ExportIL(lines);
    ASSERT_EQ(3, lines.GetSize());
    EXPECT_STREQ("ST   %BR0.0", lines[2]);
}

TEST_F(LadderModelTest, TwoHundredNetworksAtMost) {
    for (int i = 0; i < 200; ++i) ASSERT_TRUE(model.NewNetwork()) << i;
    EXPECT_FALSE(model.NewNetwork());
    EXPECT_EQ(200, model.GetNetworkCount());
    EXPECT_EQ(199, static_cast<CComment*>(model.GetItem(398))->m_nNetwork);
}

TEST_F(LadderModelTest, SnapshotRestoresNetworksRenumbered) {
    for (int i = 0; i < 3; ++i) model.NewNetwork();
    static_cast<CComment*>(model.GetItem(2))->m_nNetwork = 17;
    static_cast<CComment*>(model.GetItem(2))->m_strComment = "second\r\nline";
    // Network 2 gets a parallel group and a stacked coil.
    model.SetCurrentElement(Root(2)->m_pSeries);
    model.InsertParallel(MakeContact("%I0.1", "-|/|-", LINK_PARALLEL));
    model.SetCurrentElement(Root(2));
    model.InsertParallelCoil(MakeCoil("%Q0.1", "-(S)"));
    std::string shape = RungShape(2);
    CString il = model.ToIL();

    model.TakeSnapshot();
    model.DeleteContents();
    EXPECT_EQ(0, model.GetNetworks().GetSize());
    model.RestoreSnapshot(static_cast<CMemFile*>(model.m_undoList.GetHead()));
    ASSERT_EQ(6, model.GetNetworks().GetSize());
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(n, static_cast<CComment*>(model.GetItem(2 * n))->m_nNetwork);
        EXPECT_EQ("", TreeFault(Root(n)));
    }
    EXPECT_EQ(shape, RungShape(2));
    CString expected = il;
    expected.Replace("Network 17", "Network 1");
    EXPECT_STREQ(expected, model.ToIL());
}

TEST_F(LadderModelTest, NetworkKeptAsILSurvivesUndoAndRedo) {
    model.NewNetwork();
    CComment* header = static_cast<CComment*>(model.GetItem(0));
    header->m_bConvertible = FALSE;
    CCoil* kept = static_cast<CCoil*>(Root(0));
    kept->m_pSeries->DeleteSubtree(FALSE);
    kept->m_pSeries = nullptr;
    kept->SetRawIL("LD    a\r\nST   b\r\nLD    c\r\nST   d\r\n");
    model.TakeSnapshot();
    model.NewNetwork();
    model.TakeSnapshot();

    ASSERT_TRUE(model.Undo());
    ASSERT_TRUE(model.Redo());
    ASSERT_TRUE(model.Undo());
    ASSERT_EQ(2, model.GetNetworks().GetSize());
    EXPECT_FALSE(static_cast<CComment*>(model.GetItem(0))->m_bConvertible);
    EXPECT_TRUE(static_cast<CCoil*>(Root(0))->IsRawIL());
    EXPECT_STREQ("(* Network 0 *)\r\nLD    a\r\nST   b\r\nLD    c\r\nST   d\r\n", model.ToIL());
}

TEST_F(LadderModelTest, UnknownTagDropsTheIncompleteNetwork) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << 4;  // items
        // Network 0, whole.
        CComment header;
        ar << 1 << BYTE(TAG_HEADER);
        header.Serialize(ar);
        CCoil coil;
        coil.SetSymbol("-( )");
        ar << 1 << BYTE(TAG_COIL);
        coil.Serialize(ar);
        // Network 1: its header, then a tree whose second element has no class.
        ar << 1 << BYTE(TAG_HEADER);
        header.Serialize(ar);
        ar << 2 << BYTE(TAG_COIL);
        coil.Serialize(ar);
        ar << BYTE(5);
        ar.Close();
    }
    model.RestoreSnapshot(&file);
    ASSERT_EQ(2, model.GetNetworks().GetSize());
    EXPECT_EQ(LADDER_HEADER, model.GetItem(0)->GetKind());
    EXPECT_EQ(LADDER_COIL, model.GetItem(1)->GetKind());
}

TEST_F(LadderModelTest, UndoAndRedoMoveBetweenSnapshots) {
    model.OnNewDocument();
    CString opened = model.ToIL();
    model.NewNetwork();
    model.TakeSnapshot();
    CString changed = model.ToIL();
    model.NewNetwork();
    model.TakeSnapshot();

    EXPECT_TRUE(model.Undo());
    EXPECT_TRUE(model.Undo());
    EXPECT_STREQ(opened, model.ToIL());
    EXPECT_FALSE(model.Undo());
    EXPECT_TRUE(model.Redo());
    EXPECT_STREQ(changed, model.ToIL());
    model.NewNetwork();
    model.TakeSnapshot();
    EXPECT_FALSE(model.CanRedo());

    model.m_nDepthLimit = 2;
    for (int i = 0; i < 5; ++i) model.TakeSnapshot();
    EXPECT_EQ(3, model.m_undoList.GetCount());
}

TEST_F(LadderModelTest, SavingLeavesTheModifiedFlagToTheWrite) {
    FakePOUDoc document;
    FakeVarView variables;
    variables.variables = {{"Speed", "%vw10"}};
    document.varView = &variables;
    engine->document = &document;
    EXPECT_TRUE(model.BeforeSave("x"));
    EXPECT_TRUE(document.IsModified());
    CString address;
    EXPECT_TRUE(PouVarNameMap.Lookup("SPEED", address));
    EXPECT_STREQ("%VW10", address);
    CString name;
    EXPECT_TRUE(PouVarAddressMap.Lookup("%VW10", name));
    EXPECT_STREQ("Speed", name);
    // Whether the write succeeded is the document's to know; it clears the flag then.
    model.AfterSave("x", TRUE);
    EXPECT_TRUE(document.IsModified());
    PouVarNameMap.RemoveAll();
    PouVarAddressMap.RemoveAll();
}

TEST_F(LadderModelTest, DiscardRestoresEachModelsOwnInstances) {
    environment.instances["T1"] = {"TON", "SBR_A"};
    environment.instances["C1"] = {"CTU", "SBR_B"};
    CLadderModel other(nullptr);
    model.OnOpenDocument("c:\\p\\SBR00_SBR_A.ilp");
    other.OnOpenDocument("c:\\p\\SBR01_SBR_B.ilp");
    EXPECT_STREQ("SBR_A", model.m_strPouName);
    environment.instances.erase("T1");
    environment.instances["T2"] = {"TON", "SBR_A"};
    environment.instances.erase("C1");

    model.OnDiscardChanges();
    EXPECT_EQ(1u, environment.instances.count("T1"));
    EXPECT_EQ(0u, environment.instances.count("T2"));
    EXPECT_EQ(0u, environment.instances.count("C1"));  // the other POU's stays as it is
    other.OnDiscardChanges();
    EXPECT_EQ(1u, environment.instances.count("C1"));
    EXPECT_EQ("SBR_B", environment.instances["C1"].pou);
}

TEST_F(LadderModelTest, CellLookupsAndRightNeighbour) {
    model.NewNetwork();
    model.InsertRight(MakeContact("%I0.1"));
    LayOut();
    EXPECT_EQ(LADDER_HEADER, At(2, 1)->GetKind());
    CLadderElement* first = At(1, 2);
    ASSERT_NE(nullptr, first);
    EXPECT_TRUE(model.SelectRightNeighbour(first));
    EXPECT_EQ(first->m_pSeries, model.GetCurrentElement());
    EXPECT_EQ(1 + 36, model.GetMinRows());

    // A box looks past its two columns, and past the empty one in front of a next box.
    model.SetCurrentElement(first->m_pSeries);
    CBlock* box = MakeBox("MOVE", {"a"}, {"b"});
    CBlock* next = MakeBox("MOVE", {"b"}, {"c"});
    ASSERT_TRUE(model.InsertBox(box));
    model.SetCurrentElement(box);
    ASSERT_TRUE(model.InsertBox(next));
    LayOut();
    EXPECT_TRUE(model.SelectRightNeighbour(box));
    EXPECT_EQ(next, model.GetCurrentElement());
    EXPECT_TRUE(model.SelectRightNeighbour(next));
    EXPECT_EQ(Root(0), model.GetCurrentElement());
    EXPECT_FALSE(model.SelectRightNeighbour(Root(0)));
    EXPECT_EQ(Root(0), model.GetCurrentElement());
    EXPECT_FALSE(model.SelectRightNeighbour(nullptr));
    model.GoToNetwork(3);
    EXPECT_EQ(3, engine->wentTo);
}
