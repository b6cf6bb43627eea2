#include <gtest/gtest.h>

#include "editors/BranchTracker.h"
#include "editors/CellEdit.h"
#include "tests/support/TestImage.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(250, 0, 0);
const COLORREF kHighlight = RGB(16, 5, 116);

TEST(LadderToolDrawingTest, CellBoxShowsItsBorderTextAndHighlightedSelection) {
    TestImage image(300, 120);
    CCellEdit box;
    box.CreateFont(&image.DC());
    box.m_rect = CRect(150, 60, 250, 60 + box.m_lineHeight + 5);
    box.SetText("ABCDEFGHIJKLMNOPQRST");
    box.SetSel(15, 20);
    // Scrolled one column and one row: the box is drawn 100 pixels left and 40 up.
    box.Draw(&image.DC(), 1, 1);
    image.SaveBmp(TestOutputPath("ld-cell-edit.bmp"));
    EXPECT_EQ(kBlack, image.Pixel(50, 20));
    EXPECT_EQ(kBlack, image.Pixel(50, 30));
    // Bytes 15 to 19 are the shown window's last five: highlighted from its 11th byte on.
    int highlightX = 53 + 10 * box.m_charWidth;
    EXPECT_GT(image.CountPixels(CRect(highlightX, 21, 299, 20 + box.m_lineHeight + 4), kHighlight), 20);
    EXPECT_EQ(0, image.CountPixels(CRect(51, 21, highlightX, 20 + box.m_lineHeight + 4), kHighlight));
    CPoint caret = box.GetCaretPos(1, 1);
    EXPECT_EQ(CPoint(50 + 15 * box.m_charWidth + 3, 23), caret);
}

TEST(LadderToolDrawingTest, RubberBandFollowsTheSteps) {
    CBranchTracker tracker;
    CPoint startCell, endCell;
    tracker.OnClick(100, 25, startCell, endCell);
    tracker.SetMousePos(100, 105);
    TestImage first(400, 160);
    tracker.Draw(&first.DC(), 0, 0);
    EXPECT_EQ(kRed, first.Pixel(100, 60));  // the drop in red
    EXPECT_EQ(kRed, first.Pixel(140, 100));  // the contact glyph's bar at the mouse row

    tracker.OnClick(100, 105, startCell, endCell);
    tracker.SetMousePos(350, 70);
    TestImage second(400, 160);
    tracker.Draw(&second.DC(), 0, 0);
    second.SaveBmp(TestOutputPath("ld-branch-band.bmp"));
    EXPECT_EQ(kBlack, second.Pixel(100, 60));  // the fixed drop now black
    EXPECT_EQ(kRed, second.Pixel(300, 105));   // the run to the mouse in red
    EXPECT_EQ(kRed, second.Pixel(350, 90));    // and the rise to it

    // Scrolled by (50, 40): everything moves up and left.
    TestImage scrolled(400, 160);
    tracker.Draw(&scrolled.DC(), 50, 40);
    EXPECT_EQ(kBlack, scrolled.Pixel(50, 20));
    EXPECT_EQ(kRed, scrolled.Pixel(250, 65));
}

}  // namespace
