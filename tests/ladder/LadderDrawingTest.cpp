#include <gtest/gtest.h>

#include "ladder/Block.h"
#include "ladder/Comment.h"
#include "ladder/LadderSheet.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXFBPara.h"
#include "project/CQLXStatus.h"
#include "tests/ladder/LadderModelFixture.h"
#include "tests/support/TestImage.h"

namespace {
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 127, 0);
const COLORREF kBoxPink = RGB(255, 128, 128);
const COLORREF kInverseLine = RGB(250, 250, 250);

// Three networks: two contacts in series, a contact in series with a branch of two,
// and a contact feeding a move box.
const char* const kProgram =
    "(* Network 0 *)|(*start*)|LD %I0.0|AND %I0.1|ST %Q0.0|"
    "(* Network 1 *)|LD %I0.2|AND(|LD %I0.3|OR %I0.4|)|ST %Q0.1|"
    "(* Network 2 *)|LD %I0.5|MOVE %VW0, %VW2";

CStringArray& Split(const char* text, CStringArray& lines) {
    CString rest = text;
    for (int bar = rest.Find('|'); bar >= 0; bar = rest.Find('|')) {
        lines.Add(rest.Left(bar));
        rest = rest.Mid(bar + 1);
    }
    lines.Add(rest);
    return lines;
}

// The view pixels of a cell's top-left corner with the view at the grid's origin.
POINT Corner(const CLadderElement* element, int firstCol = 0, int firstRow = 0) {
    CCellRect cell = element->GetCellRect();
    return POINT{(cell.m_nColumn - firstCol) * 100, (cell.m_nRow - firstRow) * 40};
}

// Pixels of a text drawn in red, smoothed edges included, in a rectangle given relative
// to a corner.
int CountReddish(const TestImage& image, POINT corner, int left, int top, int right,
                 int bottom) {
    int count = 0;
    for (int y = corner.y + top; y < corner.y + bottom; ++y) {
        for (int x = corner.x + left; x < corner.x + right; ++x) {
            COLORREF pixel = image.Pixel(x, y);
            count += GetRValue(pixel) > 200 && GetGValue(pixel) < 110 && GetBValue(pixel) < 110;
        }
    }
    return count;
}

COLORREF Probe(const TestImage& image, POINT corner, int dx, int dy) {
    return image.Pixel(corner.x + dx, corner.y + dy);
}

// Pixels of a colour in a rectangle given relative to a corner.
int Count(const TestImage& image, POINT corner, int left, int top, int right, int bottom,
          COLORREF colour) {
    return image.CountPixels(CRect(corner.x + left, corner.y + top, corner.x + right,
                                   corner.y + bottom),
                             colour);
}
}  // namespace

class LadderDrawingTest : public LadderModelTest {
protected:
    LadderDrawingTest() : image(1000, 600) {
        environment.activeDocument = &document;
        CStringArray lines;
        EXPECT_TRUE(model.LoadFromIL(Split(kProgram, lines)));
    }

    void Draw(int firstCol = 0, int firstRow = 0, BOOL inverse = FALSE) {
        sheet.Draw(&image.DC(), firstCol, firstRow, inverse);
    }
    COLORREF Probe(POINT corner, int dx, int dy) const { return ::Probe(image, corner, dx, dy); }

    // The elements of the three rungs.
    CLadderElement* FirstContact() { return Root(0)->m_pSeries; }
    CLadderElement* SecondContact() { return FirstContact()->m_pSeries; }
    CLadderElement* BranchTop() { return Root(1)->m_pSeries->m_pSeries->m_pParallel; }
    CBlock* Box() { return static_cast<CBlock*>(Root(2)->m_pSeries->m_pSeries); }

    FakePOUDoc document;
    TestImage image;
    CLadderSheet sheet{model};
};

TEST_F(LadderDrawingTest, ProgramHasTheShapesDrawnBelow) {
    EXPECT_EQ(":%Q0.0=%I0.0>%I0.1", RungShape(0));
    EXPECT_EQ(":%Q0.1=%I0.2>S(%I0.3^|(%I0.4^),_)", RungShape(1));
    EXPECT_EQ(LADDER_BOX, Box()->GetKind());
    Draw();
    // Each network: its header row, its rung, one empty row.
    const CDWordArray& starts = sheet.GetNetworkStartRows();
    ASSERT_EQ(3, starts.GetSize());
    EXPECT_EQ(1u, starts[0]);
    EXPECT_EQ(4u, starts[1]);
    EXPECT_EQ(8u, starts[2]);
    EXPECT_EQ(3, static_cast<CComment*>(model.GetItem(2))->m_nNetworkRows);
    image.SaveBmp(TestOutputPath("ladder-networks.bmp"));
}

TEST_F(LadderDrawingTest, ContactIsDrawnAtItsCellGeometry) {
    Draw();
    POINT cell = Corner(FirstContact());
    EXPECT_EQ(kBlack, Probe(cell, 10, 25));   // wire into the contact at 0.625 of the height
    EXPECT_EQ(kBlack, Probe(cell, 70, 25));   // wire out of it
    EXPECT_EQ(kWhite, Probe(cell, 50, 25));   // open between the bars
    EXPECT_GT(Count(image, cell, 39, 18, 42, 32, kBlack), 10);  // the bars, 2 pixels wide
    EXPECT_GT(Count(image, cell, 59, 18, 62, 32, kBlack), 10);
    EXPECT_GT(Count(image, cell, 0, 0, 100, 14, kBlack), 0);    // the operand above
    EXPECT_EQ(0, CountReddish(image, cell, 0, 0, 100, 40));    // a fitting operand
    RECT symbol = FirstContact()->m_symbolRect;
    EXPECT_EQ(CRect(cell.x + 30, cell.y + 1, cell.x + 70, cell.y + 39), CRect(symbol));
}

TEST_F(LadderDrawingTest, CoilStandsAtTheRungsEndBetweenTheRails) {
    Draw();
    CCoil* coil = static_cast<CCoil*>(Root(0));
    POINT cell = Corner(coil);
    EXPECT_EQ(4, coil->GetCellRect().m_nColumn);  // span 4 for a rung of two contacts
    EXPECT_EQ(kBlack, Probe(cell, 10, 25));
    EXPECT_EQ(kBlack, Probe(cell, 90, 25));
    EXPECT_EQ(kWhite, Probe(cell, 50, 25));                      // inside the brackets
    EXPECT_GT(Count(image, cell, 34, 20, 38, 31, kBlack), 0);    // left arc
    EXPECT_GT(Count(image, cell, 62, 20, 66, 31, kBlack), 0);    // right arc
    EXPECT_EQ(kBlack, Probe(cell, -50, 25));  // wire from the last contact to the coil
    // Rails, 3 pixels wide, over the rung's rows.
    EXPECT_EQ(kBlack, image.Pixel(101, cell.y + 5));
    EXPECT_EQ(kBlack, image.Pixel(coil->m_nRailX, cell.y + 5));
    EXPECT_EQ(500, coil->m_nRailX);
    EXPECT_EQ(kWhite, image.Pixel(101, cell.y - 5));  // not over the header
}

TEST_F(LadderDrawingTest, BranchIsJoinedOnBothSides) {
    Draw();
    CLadderElement* upper = BranchTop();
    CLadderElement* lower = upper->m_pParallel;
    POINT top = Corner(upper), bottom = Corner(lower);
    ASSERT_EQ(top.y + 40, bottom.y);  // a leaf's branch lies directly below it
    EXPECT_EQ(kBlack, Probe(top, 0, 45));     // left join between the wire levels
    EXPECT_EQ(kBlack, Probe(top, 100, 45));   // right join
    EXPECT_EQ(kWhite, Probe(top, 0, 15));     // nothing above the upper wire
    EXPECT_EQ(kWhite, Probe(bottom, 0, 35));  // nor below the lower one
    EXPECT_EQ(kBlack, Probe(bottom, 10, 25));
}

TEST_F(LadderDrawingTest, BoxIsFramedFilledAndWired) {
    Draw();
    CBlock* box = Box();
    POINT cell = Corner(box);
    EXPECT_EQ(2, box->m_nHeight);
    EXPECT_EQ(kBoxPink, Probe(cell, 100, 70));
    EXPECT_EQ(kBlack, Probe(cell, 50, 70));    // frame, from W / 2
    EXPECT_EQ(kBlack, Probe(cell, 149, 70));   // to W / 2 + W
    EXPECT_EQ(kBlack, Probe(cell, 100, 4));    // from 0.1 H
    EXPECT_EQ(kBlack, Probe(cell, 20, 25));    // power line into the box
    EXPECT_EQ(kBlack, Probe(cell, 180, 25));   // and out of it
    EXPECT_EQ(kBlack, Probe(cell, 45, 45));    // the input pin's stub
    EXPECT_EQ(kBlack, Probe(cell, 155, 45));   // the output pin's stub
    EXPECT_GT(Count(image, cell, -60, 38, 44, 53, kBlack), 0);   // input operand, left
    EXPECT_GT(Count(image, cell, 156, 38, 260, 53, kBlack), 0);  // output operand, right
    EXPECT_GT(Count(image, cell, 60, 5, 140, 20, kBlack), 0);    // title
    EXPECT_EQ(CRect(cell.x + 49, cell.y + 3, cell.x + 151, cell.y + 77), CRect(box->m_symbolRect));
}

TEST_F(LadderDrawingTest, WrongAndMissingOperandsAreRed) {
    static_cast<CContact*>(SecondContact())->m_strOperand = "%VW4";  // not a bit
    static_cast<CContact*>(FirstContact())->m_strOperand = "";
    Box()->InputPin(1)->textA = "????";
    Draw();
    EXPECT_GT(CountReddish(image, Corner(FirstContact()), 0, 0, 100, 14), 0);
    EXPECT_GT(CountReddish(image, Corner(SecondContact()), 0, 0, 100, 14), 0);
    EXPECT_GT(CountReddish(image, Corner(Box()), -60, 38, 44, 53), 0);
    EXPECT_STREQ("????", static_cast<CContact*>(FirstContact())->m_strOperand);

    // Without a POU document no operand can be checked.
    environment.activeDocument = nullptr;
    static_cast<CContact*>(SecondContact())->m_strOperand = "%I1.0";
    image.DC().FillSolidRect(0, 0, 1000, 600, kWhite);
    Draw();
    EXPECT_GT(CountReddish(image, Corner(SecondContact()), 0, 0, 100, 14), 0);
}

TEST_F(LadderDrawingTest, DrawingStoresOperandsInTheirDisplayForm) {
    static_cast<CContact*>(FirstContact())->m_strOperand = "i0.0";
    Draw();
    EXPECT_STREQ("%I0.0", static_cast<CContact*>(FirstContact())->m_strOperand);
}

TEST_F(LadderDrawingTest, HeadersAreGreenUnlessTheNetworkWasKeptAsIL) {
    Draw();
    CComment* header = static_cast<CComment*>(model.GetItem(0));
    POINT corner = Corner(header);
    EXPECT_GT(Count(image, corner, 0, 0, 200, 40, kGreen), 0);
    EXPECT_STREQ("start", header->m_strComment);
    EXPECT_GT(header->m_nWidth, 0);
    EXPECT_EQ(kGreen, header->m_commentColour);

    header->m_bConvertible = FALSE;
    TestImage refused(1000, 600);
    sheet.Draw(&refused.DC(), 0, 0);
    EXPECT_GT(refused.CountPixels(CRect(corner.x, corner.y, corner.x + 300, corner.y + 40),
                                  RGB(250, 0, 0)),
              0);
}

TEST_F(LadderDrawingTest, PointsFindTheElementsDrawnThere) {
    Draw();
    struct Case {
        const char* name;
        CLadderElement* element;
    };
    CLadderElement* box = Box();
    const Case cases[] = {
        {"contact", FirstContact()},
        {"coil", Root(0)},
        {"branch", BranchTop()->m_pParallel},
        {"box", box},
        {"header", model.GetItem(0)},
    };
    for (const Case& c : cases) {
        POINT corner = Corner(c.element);
        EXPECT_EQ(c.element, sheet.HitTest(CPoint(corner.x + 50, corner.y + 30), 0, 0)) << c.name;
    }
    POINT boxCorner = Corner(box);
    EXPECT_EQ(box, sheet.HitTest(CPoint(boxCorner.x + 150, boxCorner.y + 70), 0, 0));
    EXPECT_EQ(nullptr, sheet.HitTest(CPoint(50, 90), 0, 0));  // column 0 stays empty
    EXPECT_EQ(nullptr, sheet.HitTest(CPoint(-1, 90), 0, 0));

    // Scrolled: the view's first cell is the first contact's.
    CCellRect cell = FirstContact()->GetCellRect();
    image.DC().FillSolidRect(0, 0, 1000, 600, kWhite);
    Draw(cell.m_nColumn, cell.m_nRow);
    EXPECT_EQ(kBlack, image.Pixel(10, 25));
    EXPECT_EQ(FirstContact(), sheet.HitTest(CPoint(10, 25), cell.m_nColumn, cell.m_nRow));

    // The operand zone of the element found, in document pixels.
    POINT point = {Corner(FirstContact()).x + 50, Corner(FirstContact()).y + 5};
    CString operand;
    EXPECT_TRUE(FirstContact()->HitTestOperand(&point, operand, 0, 0, 100, 40, FALSE));
    EXPECT_STREQ("%I0.0", operand);
}

TEST_F(LadderDrawingTest, SelectionIsAFocusFrameInsideTheCells) {
    Draw();
    TestImage selected(1000, 600);
    model.SetCurrentElement(Box());
    sheet.Draw(&selected.DC(), 0, 0);
    POINT cell = Corner(Box());
    int changedOnFrame = 0, changedElsewhere = 0;
    for (int y = cell.y - 20; y < cell.y + 100; ++y) {
        for (int x = cell.x - 20; x < cell.x + 220; ++x) {
            if (image.Pixel(x, y) == selected.Pixel(x, y)) continue;
            BOOL onFrame = ((x == cell.x + 2 || x == cell.x + 197) && y >= cell.y + 2 &&
                            y <= cell.y + 77) ||
                           ((y == cell.y + 2 || y == cell.y + 77) && x >= cell.x + 2 &&
                            x <= cell.x + 197);
            ++(onFrame ? changedOnFrame : changedElsewhere);
        }
    }
    EXPECT_GT(changedOnFrame, 100);
    EXPECT_EQ(0, changedElsewhere);
    // Drawn again, the frame goes.
    Box()->DrawFocusRect(100, 40, &selected.DC(), 0, 0);
    for (int y = cell.y; y < cell.y + 80; ++y) {
        for (int x = cell.x; x < cell.x + 200; ++x)
            ASSERT_EQ(image.Pixel(x, y), selected.Pixel(x, y)) << x << "," << y;
    }
}

TEST_F(LadderDrawingTest, InverseLookDrawsLightLinesOnBlack) {
    image.DC().FillSolidRect(0, 0, 1000, 600, kBlack);
    Draw(0, 0, TRUE);
    POINT cell = Corner(FirstContact());
    EXPECT_EQ(kInverseLine, Probe(cell, 10, 25));
    EXPECT_EQ(kBlack, Probe(cell, 50, 25));
    EXPECT_EQ(kBlack, Probe(Corner(Box()), 100, 70));  // boxes filled black
}

// While monitoring: operands in blue, a bar in each one-cell symbol blue where power
// passes, and each box pin's live value beside it.
class LadderOnlineDrawingTest : public LadderDrawingTest {
protected:
    LadderOnlineDrawingTest() {
        workspace.project.cpuClass = 0;
        SetCell("%IB0", 0x01);  // %I0.0 on, the others off
        SetCell("%QB0", 0x01);  // %Q0.0 on
        SetCell("%VB0", 0x2C);  // %VW0 = 300, low byte first
        SetCell("%VB1", 0x01);
        environment.monitoring = TRUE;
    }
    void SetCell(const char* text, DWORD value) {
        CQLXStatus* cell = new CQLXStatus;
        cell->cellText = text;
        cell->value = value;
        workspace.AddMonitorOperand(text, cell);
    }
    int BlueBar(const CLadderElement* element) {
        return Count(image, Corner(element), 47, 16, 53, 34, kBlue);
    }

    CPlcWorkspace workspace;
};

TEST_F(LadderOnlineDrawingTest, LiveStateShowsWherePowerPasses) {
    static_cast<CContact*>(BranchTop())->SetSymbol("-|/|-");  // %I0.3 off: closed
    Draw();
    sheet.DrawOnline(&image.DC(), 0, 0);
    image.SaveBmp(TestOutputPath("ladder-online.bmp"));

    EXPECT_GT(BlueBar(FirstContact()), 50);        // %I0.0 on
    EXPECT_EQ(0, BlueBar(SecondContact()));        // %I0.1 off
    EXPECT_GT(BlueBar(BranchTop()), 50);           // normally closed, %I0.3 off
    EXPECT_GT(BlueBar(Root(0)), 50);               // %Q0.0 on
    EXPECT_EQ(0, BlueBar(Root(1)));                // %Q0.1 off
    // Operands are drawn in blue while monitoring.
    EXPECT_GT(Count(image, Corner(SecondContact()), 0, 0, 100, 14, kBlue), 0);
    // The box's first data input shows "%VW0:   300" left of its own pin, and nothing
    // is written over the enable line above it.
    EXPECT_GT(Count(image, Corner(Box()), -40, 38, 44, 53, kBlue), 0);
    EXPECT_EQ(0, Count(image, Corner(Box()), -40, 18, 44, 33, kBlue));
}

TEST_F(LadderOnlineDrawingTest, WithoutALiveValueNothingPasses) {
    static_cast<CContact*>(SecondContact())->SetSymbol("-|/|-");
    static_cast<CContact*>(SecondContact())->m_strOperand = "%I3.0";  // no cell registered
    Draw();
    sheet.DrawOnline(&image.DC(), 0, 0);
    EXPECT_EQ(0, BlueBar(SecondContact()));
}

TEST_F(LadderOnlineDrawingTest, LiveValuesOfEveryOperandForm) {
    PouVarNameMap.SetAt("START", "%I0.0");
    environment.globals["LAMP"] = "%Q0.0";
    struct Case {
        const char* operand;
        DWORD typeBits;
        BOOL found;
        const char* value;
    };
    const Case cases[] = {
        {"TRUE", OD_BOOL, TRUE, "1"},     {"false", OD_BOOL, TRUE, "0"},
        {"100", OD_INT, TRUE, "100"},     {"%I0.0", OD_BOOL, TRUE, "1"},
        {"i0.1", OD_BOOL, TRUE, "0"},     {"start", OD_BOOL, TRUE, "1"},  // POU variable
        {"Lamp", OD_BOOL, TRUE, "1"},     // global variable
        {"%VW0", OD_INT, TRUE, "300"},    {"%I3.0", OD_BOOL, FALSE, ""},  // no cell
        {"%VW0", 0x7E, TRUE, "300"},      // any width: the operand's own
        {"NOSUCH", OD_BOOL, FALSE, ""},
    };
    for (const Case& c : cases) {
        CString value, status;
        OperandDescriptor descriptor = 0;
        EXPECT_EQ(c.found, FirstContact()->GetMonitorValue(c.operand, value, status, c.typeBits,
                                                           descriptor))
            << c.operand;
        EXPECT_STREQ(c.value, value) << c.operand;
    }
    PouVarNameMap.RemoveAll();
}

// Networks built by hand, one element to look at in each.
class LadderElementDrawingTest : public LadderModelTest {
protected:
    LadderElementDrawingTest() : image(1200, 900) { environment.activeDocument = &document; }

    // A new network whose open contact gets the operand and the box after it; gives the
    // box.
    CBlock* NetworkWithBox(CBlock* box) {
        model.NewNetwork();
        model.GetCurrentElement()->SetOperand("%I0.0");
        EXPECT_TRUE(model.InsertBox(box));
        return box;
    }
    void Draw() { CLadderSheet(model).Draw(&image.DC(), 0, 0); }

    FakePOUDoc document;
    TestImage image;
};

TEST_F(LadderElementDrawingTest, BoxAfterBoxKeepsAnEmptyColumnOnScreenOnly) {
    CBlock* first = NetworkWithBox(MakeBox("MOVE", {"%VW0"}, {"%VW2"}));
    CBlock* second = MakeBox("MOVE", {"%VW4"}, {"%VW6"});
    model.SetCurrentElement(first);
    ASSERT_TRUE(model.InsertBox(second));

    Draw();
    int column = first->GetCellRect().m_nColumn;
    EXPECT_EQ(column + 3, second->GetCellRect().m_nColumn);
    POINT corner = Corner(first);
    EXPECT_EQ(kBlack, Probe(image, corner, 250, 25));  // the power line crosses the gap
    EXPECT_EQ(kBoxPink, Probe(image, corner, 100, 70));

    TestImage printed(1200, 900);
    printed.DC().m_bPrinting = TRUE;
    CLadderSheet(model).Draw(&printed.DC(), 0, 0);
    EXPECT_EQ(column + 2, second->GetCellRect().m_nColumn);
    EXPECT_EQ(kWhite, Probe(printed, corner, 100, 70));  // boxes are not filled on paper
    EXPECT_EQ(0, printed.CountPixels(CRect(0, 0, 1200, 900), kBoxPink));
}

TEST_F(LadderElementDrawingTest, BoxOperandsThatCannotStandAreRed) {
    struct Case {
        const char* what;
        CBlock* box;
        RECT zone;  // relative to the box's corner
        BOOL red;
    };
    const Case cases[] = {
        {"missing instance", NetworkWithBox(MakeBox("TON", {"100"}, {"%VW0"}, "????")),
         {60, 0, 140, 11}, TRUE},
        {"named instance", NetworkWithBox(MakeBox("TON", {"100"}, {"%VW0"}, "T37")),
         {60, 0, 140, 11}, FALSE},
        {"quotient over the divisor", NetworkWithBox(MakeBox("DIV", {"%VW0", "%VW2"}, {"%VW2"})),
         {156, 38, 260, 53}, TRUE},
        {"quotient elsewhere", NetworkWithBox(MakeBox("DIV", {"%VW0", "%VW2"}, {"%VW4"})),
         {156, 38, 260, 53}, FALSE},
        {"constant where a variable is written", NetworkWithBox(MakeBox("MOVE", {"%VW0"}, {"7"})),
         {156, 38, 260, 53}, TRUE},
    };
    Draw();
    for (const Case& c : cases) {
        POINT corner = Corner(c.box);
        int red = CountReddish(image, corner, c.zone.left, c.zone.top, c.zone.right,
                               c.zone.bottom);
        EXPECT_EQ(c.red, red > 0) << c.what;
    }
    // A named instance is declared for the POU being drawn.
    EXPECT_EQ(1u, environment.instances.count("T37"));
}

TEST_F(LadderElementDrawingTest, NegationShowsNoOperandAndBlankCommentsGo) {
    model.NewNetwork();
    static_cast<CContact*>(model.GetCurrentElement())->SetSymbol("-|NOT|-");
    CComment* header = static_cast<CComment*>(model.GetItem(0));
    header->m_strComment = "   ";
    Draw();
    EXPECT_EQ(0, CountReddish(image, Corner(model.GetCurrentElement()), 0, 0, 100, 40));
    EXPECT_STREQ("", header->m_strComment);
    EXPECT_STREQ("(* Network 0 *)\r\n", header->ToIL());
}

TEST_F(LadderElementDrawingTest, StackedCoilsShareTheRungsRightEnd) {
    model.NewNetwork();
    CCoil* root = static_cast<CCoil*>(model.GetItem(1));
    model.SetCurrentElement(root);
    CCoil* stacked = MakeCoil("%Q0.1");
    ASSERT_TRUE(model.InsertParallelCoil(stacked));
    Draw();
    POINT top = Corner(root), below = Corner(stacked);
    ASSERT_EQ(top.x, below.x);
    ASSERT_EQ(top.y + 40, below.y);
    EXPECT_EQ(kBlack, Probe(image, top, 0, 45));    // joined on the coils' left edge
    EXPECT_EQ(kBlack, Probe(image, below, 10, 25));
    EXPECT_EQ(kBlack, image.Pixel(root->m_nRailX, below.y + 30));  // the rail spans both
}
