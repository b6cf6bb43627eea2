#include <gtest/gtest.h>

#include <vector>

#include "ladder/Block.h"
#include "ladder/Comment.h"
#include "ladder/ILToLadder.h"
#include "ladder/LadderILWriter.h"
#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"
#include "tests/ladder/LadderModelFixture.h"
#include "tests/support/ScriptedMessageBoxes.h"

namespace {
CStringArray& Lines(const CString& il, CStringArray& lines) {
    int start = 0;
    for (int end = il.Find("\r\n"); end >= 0; end = il.Find("\r\n", start)) {
        lines.Add(il.Mid(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Converts a whole IL text; the model's networks as shapes, "kept:" + raw IL for a
// network kept as IL.
std::vector<std::string> Converted(CLadderModel& model, const CString& il) {
    CStringArray lines;
    EXPECT_TRUE(model.LoadFromIL(Lines(il, lines)));
    std::vector<std::string> shapes;
    for (int n = 0; n < model.GetNetworkCount(); ++n) {
        const CCoil* root = static_cast<const CCoil*>(model.GetItem(2 * n + 1));
        shapes.push_back(root->IsRawIL() ? "kept:" + std::string(root->m_strRawIL) : Shape(root));
    }
    return shapes;
}
}  // namespace

class LadderBoxTest : public LadderModelTest {
protected:
    CString Write(CBlock* box) {
        CString il = CLadderILWriter().Write(*box);
        delete box;
        return il;
    }
};

TEST_F(LadderBoxTest, WriterForms) {
    environment.subroutines["PUMP"] = 1;
    environment.subroutineParams["PUMP"] = {{"SPEED"}, {"DONE"}};
    environment.interrupts["ON_EDGE"] = 3;
    struct Case {
        CBlock* box;
        const char* il;
    };
    const Case cases[] = {
        {MakeBox("ADD", {"a", "b"}, {"c"}), "MOVE    a, c\r\nADD    b, c\r\n"},
        {MakeBox("ADD", {"a", "b"}, {"a"}), "ADD    b, a\r\n"},
        {MakeBox("ADD", {"a", "b"}, {"b"}), "ADD    a, b\r\n"},
        {MakeBox("SUB", {"a", "b"}, {"b"}), "NOT    b\r\nINC    b\r\nADD    a, b\r\n"},
        {MakeBox("SUB", {"2.5", "b"}, {"b"}), "MUL     -1.0, b\r\nADD    2.5, b\r\n"},
        {MakeBox("DIV", {"a", "b"}, {"b"}), "DIV\r\n"},
        {MakeBox("INC", {"a"}, {"c"}), "MOVE    a, c\r\nINC    c\r\n"},
        {MakeBox("BLKMOVE", {"%VB0", "4"}, {"%VB10"}), "BLKMOVE  %VB0, %VB10, 4\r\n"},
        {MakeBox("SHL", {"a", "3"}, {"c"}), "MOVE   a, c\r\nSHL  c, 3\r\n"},
        {MakeBox("SHL", {"a", "3"}, {"a"}), "SHL  a, 3\r\n"},
        {MakeBox("TON", {"100"}, {""}, "T1"), "TON   T1, 100\r\n"},
        {MakeBox("TON", {"100"}, {"%VW0"}, "T1"),
         "TON   T1, 100\r\n__CR_EQ_1\r\nMOVE    T1, %VW0\r\n__CR_RESTORE\r\n"},
        {MakeBox("CTU", {"r", "5"}, {"cv"}, "C1"),
         "CTU   C1, r, 5\r\n__CR_EQ_1\r\nMOVE    C1, cv\r\n__CR_RESTORE\r\n"},
        {MakeBox("ATCH", {"ON_EDGE", "2"}, {}), "ATCH    INT03, 2\r\n"},
        {MakeBox("DTCH", {"2"}, {}), "DTCH    2\r\n"},
        {MakeBox("GT", {"a", "b"}, {}), "GT    a, b\r\n"},
        {MakeBox("MOVE", {"a"}, {"b"}), "MOVE    a, b\r\n"},
        {MakeBox("PUMP", {"s"}, {"d"}), "CAL    SBR01    s, d\r\n"},
        {MakeBox("GONE", {}, {}), "CAL  GONE\r\n"},
    };
    for (const Case& c : cases) EXPECT_STREQ(c.il, Write(c.box)) << c.il;
}

TEST_F(LadderBoxTest, SubtractionFormFollowsResolvedTypes) {
    FakePOUDoc document;
    document.localTypes["RATE"] = 0x40 | 0x18000;
    document.localTypes["COUNT"] = 0x10 | 0x18000;
    environment.activeDocument = &document;
    EXPECT_STREQ("MUL     -1.0, b\r\nADD    rate, b\r\n", Write(MakeBox("SUB", {"rate", "b"}, {"b"})));
    EXPECT_STREQ("NOT    b\r\nINC    b\r\nADD    count, b\r\n",
                 Write(MakeBox("SUB", {"count", "b"}, {"b"})));
    EXPECT_STREQ("NOT    b\r\nINC    b\r\nADD    %VD0, b\r\n",
                 Write(MakeBox("SUB", {"%VD0", "b"}, {"b"})));
    // A global's declared type decides, not the area of its address.
    environment.globals["TOTAL"] = "%LD4";
    environment.globalTypes["TOTAL"] = 0x20 | 0x18000;
    environment.globals["GAIN"] = "%VD8";
    environment.globalTypes["GAIN"] = 0x40 | 0x18000;
    EXPECT_STREQ("NOT    b\r\nINC    b\r\nADD    total, b\r\n",
                 Write(MakeBox("SUB", {"total", "b"}, {"b"})));
    EXPECT_STREQ("MUL     -1.0, b\r\nADD    gain, b\r\n", Write(MakeBox("SUB", {"gain", "b"}, {"b"})));
}

TEST_F(LadderBoxTest, ReaderTakesTheWriterFormsBack) {
    environment.subroutines["PUMP"] = 1;
    environment.subroutineParams["PUMP"] = {{"SPEED", "LEVEL"}, {"DONE"}};
    environment.interrupts["ON_EDGE"] = 3;
    // Each box opens a rung behind a contact; the rung's IL must come back unchanged.
    std::vector<CBlock*> boxes = {
        MakeBox("ADD", {"a", "b"}, {"c"}),      MakeBox("ADD", {"a", "b"}, {"a"}),
        MakeBox("SUB", {"a", "b"}, {"b"}),      MakeBox("SUB", {"2.5", "b"}, {"b"}),
        MakeBox("MUL", {"a", "b"}, {"c"}),      MakeBox("AND", {"a", "b"}, {"c"}),
        MakeBox("NOT", {"a"}, {"c"}),           MakeBox("INC", {"a"}, {"a"}),
        MakeBox("BLKMOVE", {"a", "4"}, {"c"}),  MakeBox("FILL", {"0", "4"}, {"c"}),
        MakeBox("SHL", {"a", "3"}, {"c"}),      MakeBox("ROR", {"a", "3"}, {"a"}),
        MakeBox("TON", {"100"}, {"e"}, "T1"),   MakeBox("TOF", {"100"}, {""}, "T2"),
        MakeBox("CTU", {"r", "5"}, {"cv"}, "C1"), MakeBox("CTD", {"r", "5"}, {""}, "C2"),
        MakeBox("ATCH", {"ON_EDGE", "2"}, {}),  MakeBox("DTCH", {"2"}, {}),
        MakeBox("GT", {"a", "b"}, {}),
        MakeBox("MOVE", {"a"}, {"b"}),          MakeBox("PUMP", {"s", "l"}, {"d"}),
        MakeBox("GONE", {}, {}),                MakeBox("R_TRIG", {}, {}),
        MakeBox("DI_TO_R", {"a"}, {"c"}),      MakeBox("XMT", {"t", "0"}, {}),
    };
    for (CBlock* box : boxes) {
        CCoil* root = MakeCoil("%Q0.0");
        Series(root, Series(MakeContact("%I0.0"), box));
        std::string shape = Shape(root);
        CString il = "(* Network 0 *)\r\n" + root->ToIL();
        root->DeleteSubtree(FALSE);
        std::vector<std::string> shapes = Converted(model, il);
        ASSERT_EQ(1u, shapes.size());
        EXPECT_EQ(shape, shapes[0]) << il;
        EXPECT_STREQ(il, model.ToIL());
    }
}

namespace {
// A box of a catalogue definition with a distinct operand on every pin ("in1", "out1",
// ...) and, for a timer or counter, an instance name its type accepts.
CBlock* CatalogueBox(const CString& name, BOOL functionBlock) {
    CBlock* box = new CBlock;
    if (functionBlock) {
        CQLXFB* block = LadderEnvironment().NewFunctionBlockDef(name);
        block->instanceName = name.Left(1) == "T" ? "T7" : "C7";
        box->SetFunctionBlock(block);
    } else {
        box->SetFunction(LadderEnvironment().NewFunctionDef(name));
    }
    CString operand;
    for (int i = 1; i < box->GetInputCount(); ++i) {
        operand.Format("in%d", i);
        box->InputPin(i)->textA = operand;
    }
    for (int j = 1; j < box->GetOutputCount(); ++j) {
        operand.Format("out%d", j);
        box->OutputPin(j)->textA = operand;
    }
    return box;
}
}  // namespace

TEST_F(LadderBoxTest, EveryOfferedBoxComesBackFromItsIL) {
    int boxes = 0;
    for (CMapStringToOb* catalogue : {&workspace.funcCatalog, &workspace.fbCatalog}) {
        POSITION position = catalogue->GetStartPosition();
        while (position) {
            CString name;
            CObject* definition = nullptr;
            catalogue->GetNextAssoc(position, name, definition);
            CCoil* root = MakeCoil("%Q0.0");
            Series(root, Series(MakeContact("%I0.0"), CatalogueBox(name, catalogue == &workspace.fbCatalog)));
            std::string shape = Shape(root);
            CString il = "(* Network 0 *)\r\n" + root->ToIL();
            root->DeleteSubtree(FALSE);
            std::vector<std::string> shapes = Converted(model, il);
            ASSERT_EQ(1u, shapes.size()) << il;
            EXPECT_EQ(shape, shapes[0]) << il;
            EXPECT_STREQ(il, model.ToIL());
            ++boxes;
        }
    }
    EXPECT_EQ(45, boxes);  // every function and function block the catalogue offers
}

TEST_F(LadderBoxTest, ReaderExceptions) {
    struct Case {
        const char* il;
        const char* shape;
    };
    const Case cases[] = {
        // An output equal to the second input comes back with the inputs exchanged.
        {"LD    x\r\nADD    a, b\r\nST   q\r\n", ":q=x>[ADD b,a->b]"},
        {"LD    x\r\nMOVE    a, c\r\nADD    b, c\r\nST   q\r\n", ":q=x>[ADD a,b->c]"},
        {"LD    x\r\nADD    b, c\r\nST   q\r\n", ":q=x>[ADD c,b->c]"},
        {"LD    x\r\nNOT    x1\r\nINC    x1\r\nADD    y, x1\r\nST   q\r\n", ":q=x>[SUB y,x1->x1]"},
        // A MOVE in front of a subtraction stays a MOVE box of its own.
        {"LD    x\r\nMOVE    a, c\r\nNOT    c\r\nINC    c\r\nADD    y, c\r\nST   q\r\n",
         ":q=x>[MOVE a->c]>[SUB y,c->c]"},
        {"LD    x\r\nCAL    SBR07    a\r\nST   q\r\n", ":q=x>[SBR07->]"},
        // The load in front of a box that opens a rung comes back as a contact.
        {"LD TRUE\r\nMOVE    a, b\r\nST   q\r\n", ":q=TRUE>[MOVE a->b]"},
        {"LD    x\r\nTON    T1, p\r\n__CR_EQ_1\r\nMOVE    T1, e\r\n__CR_RESTORE\r\nST   q\r\n",
         ":q=x>[TON T1 p->e]"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> shapes = Converted(model, CString("(* Network 0 *)\r\n") + c.il);
        ASSERT_EQ(1u, shapes.size());
        EXPECT_EQ(c.shape, shapes[0]) << c.il;
    }
    // Neither an unknown word nor a block the catalogue does not offer becomes a box.
    for (const char* line : {"FOO    a", "RS    FF1    r"}) {
        CStringArray lines;
        CILToLadder converter;
        CString message;
        ASSERT_TRUE(converter.CheckAndSplit(
            Lines(CString("(* Network 0 *)\r\nLD    x\r\n") + line + "\r\nST   q\r\n", lines),
            message));
        EXPECT_FALSE(converter.BuildNetworks()) << line;
        EXPECT_EQ(0, converter.m_elements.GetSize());
    }
}

TEST_F(LadderBoxTest, SizesAndPlacement) {
    // GT: 3 inputs and its result; PID: 13 inputs, 3 outputs.
    CBlock* gt = MakeBox("GT", {"a", "b"}, {});
    EXPECT_EQ(2, gt->GetSize(FALSE).cy);
    EXPECT_EQ(2, gt->GetSize(FALSE).cx);
    CBlock* pid = MakeBox("PID", {}, {});
    EXPECT_EQ(7, pid->GetSize(FALSE).cy);
    delete pid;
    // Height from the pin counts, enable pins included; always 2 wide.
    const int heights[][3] = {{3, 2, 2}, {5, 2, 3}, {2, 4, 3}, {1, 1, 2}, {4, 4, 3}};
    for (const auto& [inputs, outputs, height] : heights) {
        CQLXFunc* function = new CQLXFunc;
        for (int i = 0; i < inputs; ++i) function->AddInput(new CQLXFBPara);
        for (int j = 0; j < outputs; ++j) function->AddOutput(new CQLXFBPara);
        CBlock box;
        box.SetFunction(function);
        EXPECT_EQ(height, box.GetSize(FALSE).cy) << inputs << " in, " << outputs << " out";
        EXPECT_EQ(2, box.GetSize(FALSE).cx);
    }
    // A box after a box: one empty column on screen, none when printing.
    Series(gt, MakeBox("MOVE", {"a"}, {"b"}));
    EXPECT_EQ(5, gt->GetSize(FALSE).cx);
    EXPECT_EQ(4, gt->GetSize(TRUE).cx);
    CMapStringToOb cells;
    gt->SetOrigin(CCellRect(2, 3, 8, 1));
    gt->Layout(100, 40, &cells, 0, 0);
    EXPECT_EQ(5, gt->m_pSeries->GetCellRect().m_nColumn);
    CObject* found = nullptr;
    ASSERT_TRUE(cells.Lookup(CLadderElement::CellKey(3, 4), found));
    EXPECT_EQ(gt, found);
    EXPECT_FALSE(cells.Lookup(CLadderElement::CellKey(4, 3), found));
    // Operand zones: input 1 left of the box, output 1 right of it.
    POINT point = {150, 160};  // the zone left of pin 1, which lies at y 165
    CString text;
    EXPECT_TRUE(gt->HitTestOperand(&point, text, 0, 0, 100, 40, TRUE));
    EXPECT_STREQ("a", text);
    EXPECT_EQ(1, gt->m_nEditState);
    gt->SetOperand(" i0.1 ");
    EXPECT_STREQ("I0.1", gt->InputOperand(1));
    gt->DeleteSubtree(FALSE);

    CCoil* root = MakeCoil("q");
    Series(root, MakeBox("INC", {"a"}, {"a"}));
    EXPECT_STREQ("LD TRUE\r\nINC    a\r\nST   q\r\n", root->ToIL());
    root->DeleteSubtree(FALSE);
}

TEST_F(LadderBoxTest, DeletingABoxChecksBeforeTheInstanceGoes) {
    ScriptedMessageBoxes boxes;
    environment.instances["T1"] = {"TON", "MAIN"};
    environment.instances["T2"] = {"TON", "MAIN"};
    CBlock* first = MakeBox("TON", {"100"}, {""}, "T1");
    CBlock* second = MakeBox("TON", {"200"}, {""}, "T2");
    CComment* header = new CComment;
    model.GetNetworks().Add(header);
    model.GetNetworks().Add(Series(
        MakeCoil("q"),
        SeriesNode(ParallelNode(Series(first, second), MakeContact("c", "-| |-", LINK_PARALLEL)),
                   nullptr)));
    std::string before = RungShape(0);

    // Deleting the first box would open the upper branch with the other box: refused,
    // and its instance stays.
    model.SetCurrentElement(first);
    model.DeleteCurrent();
    EXPECT_EQ(before, RungShape(0));
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("禁止删除此元件! \r\n否则将会出现功能块并联情况! ", boxes.Calls()[0].text);
    EXPECT_EQ(1u, environment.instances.count("T1"));

    // A box that goes takes its instance, and only its own.
    model.SetCurrentElement(second);
    model.DeleteCurrent();
    EXPECT_EQ(0u, environment.instances.count("T2"));
    EXPECT_EQ(1u, environment.instances.count("T1"));
    EXPECT_EQ(":q=S(P([TON T1 100->],c^),_)", RungShape(0));
    EXPECT_EQ("", TreeFault(Root(0)));
}
