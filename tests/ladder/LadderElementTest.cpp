#include <gtest/gtest.h>

#include "ladder/Comment.h"
#include "tests/ladder/LadderTreeFixture.h"

namespace {
// Deletes a hand-made tree at the end of a test.
struct TreeOwner {
    CLadderElement* root;
    ~TreeOwner() { root->DeleteSubtree(FALSE); }
};

CString TreeIL(CLadderElement* root) {
    TreeOwner owner{root};
    return root->ToIL();
}
}  // namespace

TEST_F(LadderTest, RungsWriteTheirIL) {
    struct Case {
        const char* what;
        CLadderElement* root;
        const char* il;
    };
    const Case cases[] = {
        {"coil without logic", MakeCoil("%Q0.0"), "LD    TRUE\r\nST   %Q0.0\r\n"},
        {"label coil", MakeCoil("L1", "-(LBL)"), "L1:\r\n"},
        {"contact in front of a coil", Series(MakeCoil("q0.1"), MakeContact("i0.0")),
         "LD    %I0.0\r\nST   %Q0.1\r\n"},
        {"two contacts in series",
         Series(MakeCoil("%Q0.0", "-(S)"), Series(MakeContact("%I0.0"), MakeContact("%I0.1", "-|/|-"))),
         "LD    %I0.0\r\nANDN    %I0.1\r\nS    %Q0.0\r\n"},
        {"end coil behind logic", Series(MakeCoil("", "-(NUL)"), MakeContact("")),
         "LD    ????\r\nST   %BR0.0\r\n"},
        {"OR group then AND",
         Series(MakeCoil("%Q0.0"),
                SeriesNode(Below(MakeContact("%I0.0", "-| |-", LINK_PARALLEL),
                                 MakeContact("%I0.1", "-|/I|-", LINK_PARALLEL)),
                           MakeContact("%I0.2", "-|I|-"))),
         "LD    %I0.0\r\nORNI    %I0.1\r\nANDI    %I0.2\r\nST   %Q0.0\r\n"},
        {"AND block after a contact",
         Series(MakeCoil("%Q0.0"),
                Series(MakeContact("%I0.0"),
                       SeriesNode(Below(MakeContact("%I0.1", "-| |-", LINK_PARALLEL),
                                        MakeContact("%I0.2", "-| |-", LINK_PARALLEL)),
                                  nullptr))),
         "LD    %I0.0\r\nAND(\r\nLD    %I0.1\r\nOR    %I0.2\r\n)\r\nST   %Q0.0\r\n"},
        {"compound lower branch as OR block",
         Series(MakeCoil("%Q0.0"),
                SeriesNode(Below(MakeContact("%I0.0", "-| |-", LINK_PARALLEL),
                                 ParallelNode(Series(MakeContact("%I0.1"), MakeContact("%I0.2")),
                                              nullptr)),
                           nullptr)),
         "LD    %I0.0\r\nOR(\r\nLD    %I0.1\r\nAND    %I0.2\r\n)\r\nST   %Q0.0\r\n"},
        {"negation and stacked coils",
         Below(Series(MakeCoil("%Q0.0", "-( )", LINK_PARALLEL),
                      Series(MakeContact("%I0.0"), MakeContact("", "-|NOT|-"))),
               Below(MakeCoil("%Q0.1", "-(R)", LINK_PARALLEL), MakeCoil("L9", "-(JMP)"))),
         "LD    %I0.0\r\nNOT    \r\nST   %Q0.0\r\nR    %Q0.1\r\nJMP    L9\r\n"},
        {"end coil with a coil stacked after it",
         Below(Series(MakeCoil("", "-(NUL)", LINK_PARALLEL), MakeContact("%I0.0")),
               MakeCoil("", "-(RET)")),
         "LD    %I0.0\r\nRET\r\n"},
        {"undeclared operand as typed", Series(MakeCoil("out"), MakeContact("motorOn")),
         "LD    motorOn\r\nST   out\r\n"},
    };
    for (const Case& c : cases) EXPECT_STREQ(c.il, TreeIL(c.root)) << c.what;
}

TEST_F(LadderTest, OperandFormsForDisplayAndIL) {
    FakeLadderEnvironment environment;
    environment.globals["START"] = "%I0.3";
    CContact contact;
    struct Case {
        const char* operand;
        BOOL showNames;
        const char* shown;
        const char* il;  // nullptr: no IL form
    };
    const Case cases[] = {
        {"i0.1", FALSE, "%I0.1", "%i0.1"},
        {"%%I0.1", FALSE, "%%I0.1", "%I0.1"},
        {"t5", FALSE, "T5", "t5"},
        {"16#ff", FALSE, "16#FF", "16#ff"},
        {"i0.3", TRUE, "START", "%i0.3"},
        {"start", FALSE, "%I0.3", "%I0.3"},
        {"start", TRUE, "START", "%I0.3"},
        {"nothing", FALSE, "nothing", nullptr},
    };
    for (const Case& c : cases) {
        environment.showGlobalNames = c.showNames;
        EXPECT_STREQ(c.shown, contact.NormaliseOperand(c.operand)) << c.operand;
        CString il = "untouched";
        EXPECT_EQ(c.il != nullptr, contact.ResolveOperand(c.operand, il)) << c.operand;
        EXPECT_STREQ(c.il ? c.il : "untouched", il) << c.operand;
    }
    PouVarNameMap.SetAt("LOCALX", "%V0.0");
    CString il;
    EXPECT_TRUE(contact.ResolveOperand("localx", il));
    EXPECT_STREQ("localx", il);
    PouVarNameMap.RemoveAll();
}

TEST_F(LadderTest, StoredOperandsAndFitting) {
    CContact contact;
    contact.SetOperand("  ");
    EXPECT_STREQ("????", contact.GetOperand());
    contact.SetOperand(" i0.2 ");
    EXPECT_STREQ("I0.2", contact.GetOperand());
    contact.SetOperand(" name ");
    EXPECT_STREQ("name", contact.GetOperand());
    EXPECT_STREQ("ABCDEFGHIJKLMN..", CLadderElement::FitText("ABCDEFGHIJKLMNOPQ", 16));
    EXPECT_STREQ("ABCDEFGHIJKLMNOP", CLadderElement::FitText("ABCDEFGHIJKLMNOP", 16));
}

TEST_F(LadderTest, RawILCoilWritesItsTextUnchanged) {
    CCoil coil;
    coil.SetRawIL("LD    a\r\nST   b\r\nLD c\r\n");
    EXPECT_STREQ("LD    a\r\nST   b\r\nLD c\r\n", coil.ToIL());
}

TEST_F(LadderTest, HeaderLines) {
    CComment header;
    header.m_nNetwork = 7;
    EXPECT_STREQ("(* Network 7 *)\r\n", header.ToIL());
    header.m_strComment = "a\r\nb";
    EXPECT_STREQ("(* Network 7 *)\r\n(*a\x01" "b*)\r\n", header.ToIL());
}

TEST_F(LadderTest, FlattenAndRelinkRebuildTheLinks) {
    CCoil* root = MakeCoil("%Q0.0", "-( )", LINK_PARALLEL);
    Series(root, SeriesNode(Below(MakeContact("a", "-| |-", LINK_PARALLEL), MakeContact("b", "-| |-", LINK_PARALLEL)),
                            MakeContact("c")));
    Below(root, MakeCoil("%Q0.1"));
    TreeOwner owner{root};
    CObArray elements;
    CByteArray tags;
    root->Flatten(elements, tags);
    ASSERT_EQ(6, elements.GetSize());
    const BYTE expectedTags[] = {TAG_COIL, TAG_NODE, TAG_CONTACT, TAG_CONTACT, TAG_CONTACT, TAG_COIL};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(expectedTags[i], tags[i]) << i;
    std::string before = Shape(root);
    for (int i = 0; i < elements.GetSize(); ++i) {
        CLadderElement* e = static_cast<CLadderElement*>(elements[i]);
        e->m_pSeries = e->m_pParallel = e->m_pParent = nullptr;
    }
    root->Relink(elements);
    EXPECT_EQ(before, Shape(root));
    EXPECT_EQ("", TreeFault(root));

    CContact single;
    CObArray one;
    CByteArray oneTag;
    single.Flatten(one, oneTag);
    EXPECT_EQ(1, one.GetSize());
    EXPECT_EQ(-1, single.m_nSeriesIndex);
    EXPECT_EQ(-1, single.m_nParallelIndex);
}

TEST_F(LadderTest, LayoutPlacesOnTheCellGrid) {
    // P( a>b , c ) in front of a coil, rung span 6.
    CCoil* root = MakeCoil("%Q0.0");
    CContact* a = MakeContact("a");
    CContact* c = MakeContact("c", "-| |-", LINK_PARALLEL);
    CLogicNode* group = ParallelNode(Series(a, MakeContact("b")), c);
    Series(root, SeriesNode(group, nullptr));
    TreeOwner owner{root};
    EXPECT_EQ(3, group->GetSize(FALSE).cy);
    EXPECT_EQ(2, group->GetSize(FALSE).cx);
    SIZE rungSize = root->GetSize(FALSE);
    EXPECT_EQ(3, rungSize.cx);

    CMapStringToOb cells;
    root->SetOrigin(CCellRect(1, 4, 6, 1));
    SIZE placed = root->Layout(100, 40, &cells, 0, 0);
    EXPECT_EQ(6 + 2, placed.cx);  // coil in column 1 + 6 - 1, returned as column + 2
    EXPECT_EQ(3, placed.cy);
    EXPECT_EQ(6, root->GetCellRect().m_nColumn);
    EXPECT_EQ(1, c->GetCellRect().m_nColumn);
    EXPECT_EQ(6, c->GetCellRect().m_nRow);  // one gap row below the upper branch
    CObject* found = nullptr;
    ASSERT_TRUE(cells.Lookup(CLadderElement::CellKey(2, 4), found));
    EXPECT_EQ(a->m_pSeries, found);
    ASSERT_TRUE(cells.Lookup(CLadderElement::CellKey(6, 4), found));
    EXPECT_EQ(root, found);
    EXPECT_FALSE(cells.Lookup(CLadderElement::CellKey(1, 5), found));

    CLadderElement::RegisterCell(2, 4, c, &cells);
    ASSERT_TRUE(cells.Lookup(CLadderElement::CellKey(2, 4), found));
    EXPECT_EQ(c, found);
}

TEST_F(LadderTest, ClearingTheClipboardDeletesWholeTrees) {
    // The label coil stacked below the root is deleted with it, and takes its label along.
    LadderLabelList.Add("L5");
    workspace.ladderClipboard.Add(
        Below(Series(MakeCoil("%Q0.0", "-( )", LINK_PARALLEL), MakeContact("%I0.0")),
              MakeCoil("L5", "-(LBL)")));
    workspace.ClearLadderClipboard();
    EXPECT_EQ(0, workspace.ladderClipboard.GetSize());
    EXPECT_EQ(0, LadderLabelList.GetSize());
}
