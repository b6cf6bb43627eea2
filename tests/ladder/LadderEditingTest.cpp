#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "ladder/Comment.h"
#include "tests/ladder/LadderModelFixture.h"
#include "tests/support/ScriptedMessageBoxes.h"

namespace {
// Puts a hand-made tree into the model as a new network.
void AddNetwork(CLadderModel& model, CLadderElement* root) {
    CComment* header = new CComment;
    header->m_nNetwork = model.GetNetworkCount();
    model.GetNetworks().Add(header);
    model.GetNetworks().Add(root);
}

CContact* Branch(const char* operand) { return MakeContact(operand, "-| |-", LINK_PARALLEL); }
}  // namespace

TEST_F(LadderModelTest, InsertionsNextToTheCurrentElement) {
    model.NewNetwork();
    model.SetCurrentElement(Root(0));
    EXPECT_TRUE(model.InsertRight(MakeContact("a")));
    EXPECT_EQ("NUL:=????>a", RungShape(0));
    EXPECT_EQ(-100, engine->lastScroll.x);

    CLadderElement* open = Root(0)->m_pSeries;
    model.SetCurrentElement(open);
    EXPECT_TRUE(model.InsertParallel(MakeContact("b")));
    EXPECT_EQ("NUL:=S(????^|(b^),a)", RungShape(0));
    model.SetCurrentElement(open);
    EXPECT_TRUE(model.InsertRight(MakeContact("c")));
    EXPECT_EQ("NUL:=S(P(????>c,b^),a)", RungShape(0));
    model.SetCurrentElement(open);
    EXPECT_TRUE(model.InsertLeft(MakeContact("d")));
    EXPECT_EQ("NUL:=S(P(d>????>c,b^),a)", RungShape(0));
    EXPECT_STREQ("LD    d\r\nAND    ????\r\nAND    c\r\nOR    b\r\nAND    a\r\n"
                 "ST   %BR0.0\r\n",
                 Root(0)->ToIL());

    model.SetCurrentElement(Root(0));
    EXPECT_TRUE(model.InsertParallelCoil(MakeCoil("q1")));
    EXPECT_TRUE(model.InsertParallelCoil(MakeCoil("q2", "-(R)")));
    EXPECT_EQ("NUL:;R:q2;:q1=S(P(d>????>c,b^),a)", RungShape(0));
    EXPECT_EQ("", TreeFault(Root(0)));

    environment.monitoring = TRUE;
    CContact refused;
    EXPECT_FALSE(model.InsertRight(&refused));
    EXPECT_EQ(nullptr, refused.m_pParent);
}

TEST_F(LadderModelTest, BoxInsertions) {
    model.NewNetwork();  // the open contact is current
    CBlock* move = MakeBox("MOVE", {"a"}, {"b"});
    EXPECT_TRUE(model.InsertBox(move));
    EXPECT_EQ("NUL:=????>[MOVE a->b]", RungShape(0));
    EXPECT_EQ(250, engine->lastScroll.x);
    model.SetCurrentElement(move);
    EXPECT_TRUE(model.InsertBox(MakeBox("PID", {}, {})));
    EXPECT_EQ(240, engine->lastScroll.y);  // the tall PID box is brought into view
    model.SetCurrentElement(Root(0));
    EXPECT_TRUE(model.InsertBox(MakeBox("INC", {"c"}, {"c"})));
    // The coil's new box goes to the end of its chain, in front of the coil.
    CLadderElement* last = move->m_pSeries;
    ASSERT_NE(nullptr, last);
    EXPECT_STREQ("PID", static_cast<CBlock*>(last)->GetName());
    ASSERT_NE(nullptr, last->m_pSeries);
    EXPECT_STREQ("INC", static_cast<CBlock*>(last->m_pSeries)->GetName());
    EXPECT_EQ(nullptr, last->m_pSeries->m_pSeries);
    EXPECT_EQ(50, engine->lastScroll.x);

    // A contact of link type 2 opens an upper branch that the box continues.
    model.NewNetwork();
    CLadderElement* open = Root(1)->m_pSeries;
    model.SetCurrentElement(open);
    model.InsertParallel(MakeContact("d"));
    model.SetCurrentElement(open);
    EXPECT_TRUE(model.InsertBox(MakeBox("MOVE", {"e"}, {"f"})));
    EXPECT_EQ("NUL:=S(P(????>[MOVE e->f],d^),_)", RungShape(1));

    // Refused: a stacked coil, and any insertion while monitoring; the caller keeps the box.
    model.SetCurrentElement(Root(1));
    model.InsertParallelCoil(MakeCoil("q"));
    model.SetCurrentElement(Root(1)->m_pParallel);
    CBlock* refused = MakeBox("MOVE", {"g"}, {"h"});
    EXPECT_FALSE(model.InsertBox(refused));
    environment.monitoring = TRUE;
    model.SetCurrentElement(open);
    EXPECT_FALSE(model.InsertBox(refused));
    EXPECT_EQ(nullptr, refused->m_pParent);
    delete refused;
    EXPECT_EQ("", TreeFault(Root(0)));
    EXPECT_EQ("", TreeFault(Root(1)));

    // A branch never starts at a box.
    environment.monitoring = FALSE;
    model.m_pBranchStart = model.m_pBranchEnd = move;
    EXPECT_FALSE(model.InsertBranch());
}

TEST_F(LadderModelTest, BranchesDrawnWithTheMouse) {
    model.NewNetwork();
    model.InsertRight(MakeContact("a"));
    LayOut();
    // A branch from the open contact to itself, twice.
    EXPECT_EQ(1, model.HitBranchStart(1, 2));
    EXPECT_EQ(1, model.HitBranchEnd(1, 2, 1));
    EXPECT_TRUE(model.InsertBranch());
    EXPECT_EQ("NUL:=S(????^|(????^),a)", RungShape(0));
    LayOut();
    EXPECT_EQ(2, model.HitBranchStart(1, 2));
    model.m_pBranchEnd = model.m_pBranchStart;
    EXPECT_TRUE(model.InsertBranch());
    EXPECT_EQ("NUL:=S(????^|(????^|(????^)),a)", RungShape(0));

    // Over two contacts in series: one series node, one parallel node, one new contact
    // and one snapshot.
    model.NewNetwork();
    model.InsertRight(MakeContact("b"));
    model.InsertRight(MakeContact("c"));
    LayOut();
    int snapshots = static_cast<int>(model.m_undoList.GetCount());
    int row = Root(1)->GetCellRect().m_nRow;
    EXPECT_EQ(1, model.HitBranchStart(1, row));
    EXPECT_EQ(1, model.HitBranchEnd(1, row, 2));
    EXPECT_TRUE(model.InsertBranch());
    EXPECT_EQ("NUL:=S(P(????>c,????^),b)", RungShape(1));
    EXPECT_EQ(snapshots + 1, model.m_undoList.GetCount());

    // A full row refuses with its message.
    engine->canAddRow = FALSE;
    ScriptedMessageBoxes boxes;
    model.m_pBranchStart = model.m_pBranchEnd = Root(1)->m_pSeries->m_pSeries;  // c
    EXPECT_TRUE(model.InsertBranch());
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("本分支并联元件数已达上限，不允许再并联！", boxes.Calls()[0].text);
    EXPECT_EQ("提示", boxes.Calls()[0].caption);
}

TEST_F(LadderModelTest, DeletingLeavesWellFormedTrees) {
    struct Case {
        const char* what;
        std::function<CLadderElement*(CLadderElement*& doomed)> build;
        const char* shape;
    };
    const Case cases[] = {
        {"middle of a chain",
         [](CLadderElement*& d) { return Series(MakeContact("a"), Series(d = MakeContact("b"), MakeContact("c"))); },
         "a>c"},
        {"second of a two-element upper branch",
         [](CLadderElement*& d) {
             return SeriesNode(ParallelNode(Series(MakeContact("a"), d = MakeContact("b")), Branch("c")),
                               MakeContact("d"));
         },
         "S(a^|(c^),d)"},
        {"first of a longer upper branch",
         [](CLadderElement*& d) {
             return SeriesNode(ParallelNode(Series(d = MakeContact("a"), Series(MakeContact("b"), MakeContact("c"))),
                                            Branch("d")),
                               MakeContact("e"));
         },
         "S(P(b>c,d^),e)"},
        {"branch with a further branch",
         [](CLadderElement*& d) {
             return SeriesNode(Below(Branch("a"), Below(d = Branch("b"), Branch("c"))), MakeContact("d"));
         },
         "S(a^|(c^),d)"},
        {"only branch of a left part",
         [](CLadderElement*& d) { return SeriesNode(Below(Branch("a"), d = Branch("b")), MakeContact("c")); },
         "a>c"},
        {"left part whose branch is one leaf",
         [](CLadderElement*& d) { return SeriesNode(Below(d = Branch("a"), Branch("b")), MakeContact("c")); },
         "b>c"},
        {"only lower branch of a group in front of more",
         [](CLadderElement*& d) {
             return SeriesNode(ParallelNode(Series(MakeContact("a"), MakeContact("b")), d = Branch("c")),
                               MakeContact("d"));
         },
         "a>b>d"},
        {"whole right part",
         [](CLadderElement*& d) { return SeriesNode(Below(Branch("a"), Branch("b")), d = MakeContact("c")); },
         "S(a^|(b^),_)"},
        {"inside a compound lower branch",
         [](CLadderElement*& d) {
             return SeriesNode(Below(Branch("a"), ParallelNode(Series(MakeContact("b"), d = MakeContact("c")), nullptr)),
                               nullptr);
         },
         "S(a^|(b^),_)"},
    };
    for (const Case& c : cases) {
        CLadderElement* doomed = nullptr;
        AddNetwork(model, Series(MakeCoil("q"), c.build(doomed)));
        int network = model.GetNetworkCount() - 1;
        model.SetCurrentElement(doomed);
        model.DeleteCurrent();
        EXPECT_EQ(std::string(":q=") + c.shape, RungShape(network)) << c.what;
        EXPECT_EQ("", TreeFault(Root(network))) << c.what;
        EXPECT_EQ(nullptr, model.GetCurrentElement()) << c.what;
    }
}

TEST_F(LadderModelTest, DeletingCoils) {
    ScriptedMessageBoxes boxes;
    model.NewNetwork();
    model.SetCurrentElement(Root(0));
    model.DeleteCurrent();
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("此线圈不允许被单独删除!\r\n若要删除请选择删除网络操作。", boxes.Calls()[0].text);
    EXPECT_EQ(1, engine->focusCalls);
    EXPECT_NE(nullptr, model.GetCurrentElement());

    model.InsertParallelCoil(MakeCoil("q1"));
    model.DeleteCurrent();  // the root goes, the stacked coil takes its place
    EXPECT_EQ(":q1=????", RungShape(0));
    EXPECT_EQ(LINK_SERIES, Root(0)->GetLinkType());
    EXPECT_EQ(nullptr, Root(0)->m_pParent);

    model.SetCurrentElement(Root(0));
    model.InsertParallelCoil(MakeCoil("q2"));
    model.InsertParallelCoil(MakeCoil("q3"));
    model.SetCurrentElement(Root(0)->m_pParallel);  // q3
    model.DeleteCurrent();
    EXPECT_EQ(":q1;:q2=????", RungShape(0));
    model.SetCurrentElement(Root(0)->m_pParallel);
    model.DeleteCurrent();
    EXPECT_EQ(":q1=????", RungShape(0));
    EXPECT_EQ(LINK_SERIES, Root(0)->GetLinkType());

    model.SetCurrentElement(model.GetItem(0));
    model.DeleteCurrent();
    ASSERT_EQ(2u, boxes.Calls().size());
    EXPECT_EQ("不允许删除所选的元件！", boxes.Calls()[1].text);
}

namespace {
// A move, an addition or a timer box with operands of its own.
CBlock* RandomBox(std::mt19937& random, int step) {
    CString in, out;
    in.Format("x%d", step);
    out.Format("y%d", step);
    switch (random() % 3) {
    case 0: return MakeBox("MOVE", {in}, {out});
    case 1: return MakeBox("ADD", {in, "5"}, {out});
    default: {
        CString instance;
        instance.Format("T%d", step);
        return MakeBox("TON", {in}, {out}, instance);
    }
    }
}

bool IsLoad(const CString& line) {
    CString word = line.SpanExcluding(" ");
    return word == "LD" || word == "LDN" || word == "LDI" || word == "LDNI";
}

// The IL of one rung: blocks balanced, each block and the rung opened by a load.
std::string RungILFault(const CString& il) {
    int depth = 0;
    bool expectLoad = true;
    int start = 0;
    for (int end = il.Find("\r\n"); end >= 0; end = il.Find("\r\n", start)) {
        CString line = il.Mid(start, end - start);
        start = end + 2;
        if (expectLoad && !IsLoad(line) && line.Right(1) != ":")
            return std::string("no load at ") + line.GetString();
        expectLoad = line == "AND(" || line == "OR(";
        if (expectLoad) ++depth;
        if (line == ")" && --depth < 0) return "unmatched )";
    }
    return depth == 0 ? "" : "open block";
}
}  // namespace

TEST_F(LadderModelTest, RandomEditingKeepsTheTreesWellFormed) {
    ScriptedMessageBoxes boxes;
    CLadderModel converted(new FakeLadderEngine);
    std::mt19937 random(20261210);
    int boxesPlaced = 0;
    for (int i = 0; i < 3; ++i) model.NewNetwork();
    // No negation contact: one that ends up opening a block is the user's error, which
    // the IL keeps as it is and the compiler reports.
    const char* contactSymbols[] = {"-| |-", "-|/|-", "-|I|-", "-|/I|-"};
    for (int step = 0; step < 2000; ++step) {
        LayOut();
        // Any element of any network may be the current one.
        CObArray elements;
        CByteArray tags;
        for (int n = 0; n < model.GetNetworkCount(); ++n) Root(n)->Flatten(elements, tags);
        CLadderElement* chosen = nullptr;
        while (!chosen || chosen->GetKind() == LADDER_NODE)
            chosen = static_cast<CLadderElement*>(elements[random() % elements.GetSize()]);
        model.SetCurrentElement(chosen);
        char operand[8];
        snprintf(operand, sizeof operand, "x%d", step);
        CContact* contact = MakeContact(operand, contactSymbols[random() % 4]);
        int action = random() % 11;
        std::string what;
        switch (action) {
        case 0: what = "right"; if (!model.InsertRight(contact)) delete contact; break;
        case 1: what = "left"; model.InsertLeft(contact); break;
        case 2: what = "parallel"; model.InsertParallel(contact); break;
        case 3:
            what = "coil";
            delete contact;
            if (CCoil* coil = MakeCoil(operand); !model.InsertParallelCoil(coil)) delete coil;
            break;
        case 4:
        case 5: {
            what = "branch";
            delete contact;
            CCellRect from = chosen->GetCellRect();
            CLadderElement* other = static_cast<CLadderElement*>(elements[random() % elements.GetSize()]);
            CCellRect to = other->GetCellRect();
            if (model.HitBranchStart(from.m_nColumn, from.m_nRow) > 0 &&
                model.HitBranchEnd(from.m_nColumn, from.m_nRow, std::max(to.m_nColumn, from.m_nColumn)) > 0)
                model.InsertBranch();
            model.ClearBranchRange();
            break;
        }
        case 6: {
            what = "box";
            delete contact;
            CBlock* box = RandomBox(random, step);
            if (model.InsertBox(box))
                ++boxesPlaced;
            else
                delete box;
            break;
        }
        default: what = "delete"; delete contact; model.DeleteCurrent(); break;
        }
        if (model.GetNetworkCount() < 3) model.NewNetwork();
        ASSERT_EQ(0, model.GetNetworks().GetSize() % 2);
        for (int n = 0; n < model.GetNetworkCount(); ++n) {
            ASSERT_EQ("", TreeFault(Root(n))) << "step " << step << " " << what << " " << RungShape(n);
            ASSERT_EQ("", RungILFault(Root(n)->ToIL())) << "step " << step << " " << what << " "
                                                       << RungShape(n);
        }
        // The IL text converts back into networks that write the same text. A box that
        // opens a rung loads TRUE itself; read back, that load is a contact.
        CStringArray lines;
        model.ExportIL(lines);
        ASSERT_TRUE(converted.LoadFromIL(lines));
        CString expected = model.ToIL();
        expected.Replace("\r\nLD TRUE\r\n", "\r\nLD    TRUE\r\n");
        ASSERT_STREQ(expected, converted.ToIL()) << "step " << step << " " << what;
        for (int n = 0; n < converted.GetNetworkCount(); ++n) {
            ASSERT_FALSE(static_cast<CCoil*>(converted.GetItem(2 * n + 1))->IsRawIL())
                << "step " << step << "\n" << converted.GetItem(2 * n + 1)->ToIL().GetString();
            ASSERT_EQ("", TreeFault(converted.GetItem(2 * n + 1)));
        }
    }
    EXPECT_GT(boxesPlaced, 50);
}
