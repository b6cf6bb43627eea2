#include "project/CQLXStatus.h"
#include "project/MonitorCells.h"
#include "tests/editors/ILEditorFixture.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

namespace {
const COLORREF kKeyword = RGB(31, 10, 218);
const COLORREF kComment = RGB(0, 127, 0);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kSelectionText = RGB(250, 250, 250);
const COLORREF kValueGreen = RGB(0, 128, 0);
const COLORREF kMarker = RGB(128, 64, 64);

// The engine painted into an image of its client size, without a window.
class ILDrawingTest : public ILEditorTest {
protected:
    ILDrawingTest() {
        workspace.showGlobalNames = 0;
        Load({"(* Network 0 *)", "LD      %I0.0           (* start *)", "AND     LDX", "ST      %Q0.0",
              "(* Network 1 *)", "LD      Q1", "ST      NOWHERE", "(* open comment", "LD      'quoted text'"});
    }
    void Paint() { engine().OnPaint(&image.DC()); }
    // The rectangle of columns [first, last) of a line.
    CRect Cells(int line, int first, int last, int shift = 0) const {
        int left = engine().GetGutterWidth() + engine().GetMonitorWidth() + shift;
        return CRect(left + first * engine().GetCharWidth(), line * engine().GetLineHeight(),
                     left + last * engine().GetCharWidth(), (line + 1) * engine().GetLineHeight());
    }
    int Count(const CRect& rect, COLORREF colour) const { return image.CountPixels(rect, colour); }

    TestImage image{800, 480};
};

TEST_F(ILDrawingTest, WordsAreColouredByWhatTheyAre) {
    Paint();
    EXPECT_GT(Count(Cells(1, 0, 2), kKeyword), 0) << "LD is a keyword";
    EXPECT_EQ(0, Count(Cells(1, 0, 2), kBlack));
    EXPECT_GT(Count(Cells(1, 24, 35), kComment), 0);
    EXPECT_GT(Count(Cells(2, 8, 11), kBlack), 0) << "LDX is no keyword";
    EXPECT_EQ(0, Count(Cells(2, 8, 11), kKeyword));
    EXPECT_GT(Count(Cells(5, 8, 10), kBlack), 0) << "Q1 stays black";
    EXPECT_EQ(0, Count(Cells(5, 8, 10), kKeyword));
    EXPECT_GT(Count(Cells(7, 3, 15), kComment), 0) << "an unclosed comment runs to the line's end";
    EXPECT_GT(Count(Cells(8, 9, 20), kBlack), 0);
    EXPECT_EQ(0, Count(Cells(8, 9, 20), kKeyword)) << "a quoted string is black";
}

TEST_F(ILDrawingTest, GutterNumbersErrorsAndHighlight) {
    Paint();
    CRect gutter(0, 0, engine().GetGutterWidth(), 480);
    int lineHeight = engine().GetLineHeight();
    CRect firstRow(0, 0, engine().GetGutterWidth() - 12, lineHeight);
    EXPECT_LT(Count(firstRow, RGB(216, 216, 216)), firstRow.Width() * firstRow.Height()) << "line 0 shows 1";
    EXPECT_GT(Count(CRect(0, 6 * lineHeight, engine().GetGutterWidth(), 7 * lineHeight), kRed), 0);
    EXPECT_EQ(0, Count(CRect(0, 3 * lineHeight, engine().GetGutterWidth(), 4 * lineHeight), kRed));
    engine().ShowLine(4);
    Paint();
    EXPECT_GT(Count(CRect(0, 3 * lineHeight, engine().GetGutterWidth(), 4 * lineHeight), kMarker), 0);
    EXPECT_GT(Count(Cells(3, 20, 60), kBlack), 20 * engine().GetCharWidth()) << "the shown line is inverted";
    EXPECT_GT(Count(Cells(3, 0, 13), kSelectionText), 0);
    EXPECT_GT(Count(gutter, RGB(216, 216, 216)), 0);
    EXPECT_TRUE(image.SaveBmp(TestOutputPath("il-editor-offline.bmp")));
}

TEST_F(ILDrawingTest, SelectionInvertsOnlyTheCharacters) {
    engine().SetSelection(1, 8, 2, 3);
    Paint();
    EXPECT_GT(Count(Cells(1, 8, 13), kSelectionText), 0);
    EXPECT_GT(Count(Cells(1, 8, 13), kBlack), 0);
    EXPECT_EQ(0, Count(Cells(1, 40, 60), kBlack)) << "nothing after the line end";
    EXPECT_GT(Count(Cells(2, 0, 3), kSelectionText), 0);
    EXPECT_EQ(0, Count(Cells(2, 3, 7), kSelectionText));
}

TEST_F(ILDrawingTest, StatusBarShowsCaretAndNetwork) {
    EXPECT_STREQ("0", engine().GetNetworkOfLine(0));
    EXPECT_STREQ("1", engine().GetNetworkOfLine(6));
    EXPECT_STREQ("1", engine().GetNetworkOfLine(60));
    Load({"LD      %I0.0", "ST      %Q0.0"});
    model().GetLines().SetAt(0, "LD      %I0.0");
    EXPECT_STREQ("", engine().GetNetworkOfLine(1)) << "no header above";
}
}  // namespace
