#include "platform/CDC.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kBlack = RGB(0, 0, 0);

TEST(Gdi, MemoryContextDrawsWithSelectedPenAndBrush) {
    TestImage image(40, 30);
    CDC& dc = image.DC();
    CPen redPen(PS_SOLID, 1, kRed);
    CBrush blueBrush(kBlue);
    CPen* oldPen = dc.SelectObject(&redPen);
    CBrush* oldBrush = dc.SelectObject(&blueBrush);
    dc.Rectangle(5, 5, 15, 15);
    dc.MoveTo(20, 2);
    dc.LineTo(30, 2);
    dc.FillSolidRect(CRect(20, 20, 25, 25), kBlack);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);

    EXPECT_EQ(image.Pixel(5, 5), kRed);    // the outline uses the pen
    EXPECT_EQ(image.Pixel(10, 10), kBlue);  // the inside the brush
    EXPECT_EQ(image.Pixel(15, 15), kWhite);  // right and bottom edges are excluded
    EXPECT_EQ(image.CountPixels(CRect(20, 2, 30, 3), kRed), 10);
    EXPECT_EQ(image.Pixel(30, 2), kWhite);  // LineTo leaves out the end point
    EXPECT_EQ(image.CountPixels(CRect(20, 20, 25, 25), kBlack), 25);
    // Restoring the old objects gave the owned ones back untouched.
    EXPECT_EQ(dc.GetCurrentPen()->m_hObject, oldPen->m_hObject);
    EXPECT_NE(redPen.m_hObject, nullptr);
}

TEST(Gdi, TextIsMeasuredAndDrawnInTheSelectedFont) {
    TestImage image(200, 40);
    CDC& dc = image.DC();
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "宋体", &dc));
    CFont* oldFont = dc.SelectObject(&font);
    CString text = "梯形图 LD";
    CSize extent = dc.GetTextExtent(text);
    dc.SetTextColor(kBlack);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(2, 2, text);
    dc.SelectObject(oldFont);

    EXPECT_GT(extent.cx, 0);
    EXPECT_GT(extent.cy, 10);
    // Every black pixel lies inside the measured text box.
    CRect box(2, 2, 2 + extent.cx, 2 + extent.cy);
    int inside = image.CountPixels(box, kBlack);
    EXPECT_GT(inside, 0);
    EXPECT_EQ(image.CountPixels(CRect(0, 0, 200, 40), kBlack), inside);
}

TEST(Gdi, HandleMapsGiveOwnersAndTemporariesOfTheRightClass) {
    CPen pen(PS_SOLID, 1, kRed);
    EXPECT_EQ(CGdiObject::FromHandle(pen.m_hObject), &pen);

    HGDIOBJ stockBrush = ::GetStockObject(WHITE_BRUSH);
    CGdiObject* temporary = CGdiObject::FromHandle(stockBrush);
    ASSERT_NE(temporary, nullptr);
    EXPECT_NE(dynamic_cast<CBrush*>(temporary), nullptr);
    EXPECT_EQ(CGdiObject::FromHandle(stockBrush), temporary);  // one wrapper per handle
    CGdiObject::DeleteTempMap();
    EXPECT_TRUE(::GetObjectType(stockBrush) != 0);  // the wrapper never owned the handle

    HGDIOBJ handle = pen.Detach();
    EXPECT_NE(CGdiObject::FromHandle(handle), &pen);
    CPen owner;
    owner.Attach(handle);
    EXPECT_EQ(CGdiObject::FromHandle(handle), &owner);
    owner.DeleteObject();
    EXPECT_EQ(::GetObjectType(handle), 0u);
}

TEST(Gdi, NullObjectPointersGiveNullHandles) {
    CPen* volatile noPen = nullptr;
    CDC* volatile noDC = nullptr;
    EXPECT_EQ(noPen->GetSafeHandle(), nullptr);
    EXPECT_EQ(noDC->GetSafeHdc(), nullptr);
}

TEST(Gdi, CoordinateConversionsFollowTheMapping) {
    TestImage image(10, 10);
    CDC& dc = image.DC();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(50, 200);
    dc.SetViewportOrg(10, 20);
    CPoint point(40, 10);
    dc.LPtoDP(&point);
    EXPECT_EQ(point, CPoint(30, 40));
    dc.DPtoLP(&point);
    EXPECT_EQ(point, CPoint(40, 10));
    CSize size(40, 10);
    dc.LPtoDP(&size);  // sizes ignore the origin
    EXPECT_EQ(size, CSize(20, 20));
    CRect rect(0, 0, 100, 100);
    dc.LPtoDP(rect);
    EXPECT_EQ(rect, CRect(10, 20, 60, 220));
}

TEST(Gdi, HalftoneBrushInvertsEveryOtherPixel) {
    TestImage image(16, 8);
    CDC& dc = image.DC();
    CBrush* brush = CDC::GetHalftoneBrush();
    ASSERT_NE(brush->m_hObject, nullptr);
    EXPECT_EQ(CDC::GetHalftoneBrush(), brush);
    CBrush* old = dc.SelectObject(brush);
    dc.PatBlt(0, 0, 16, 8, PATINVERT);
    EXPECT_EQ(image.CountPixels(CRect(0, 0, 16, 8), kBlack), 64);
    for (int x = 0; x < 15; ++x) {
        EXPECT_NE(image.Pixel(x, 3), image.Pixel(x + 1, 3)) << x;
        EXPECT_EQ(image.Pixel(x, 3), image.Pixel(x + 1, 4)) << x;
    }
    dc.PatBlt(0, 0, 16, 8, PATINVERT);  // drawn twice, the feedback is gone
    EXPECT_EQ(image.CountPixels(CRect(0, 0, 16, 8), kWhite), 128);
    dc.SelectObject(old);
}

}  // namespace

TEST(Gdi, DrawStateDrawsABitmapAtItsPlace) {
    TestImage picture(4, 4, RGB(0, 0, 255));
    TestImage image(20, 20, RGB(255, 255, 255));
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&image.DC(), 4, 4);
    {
        CDC source;
        source.CreateCompatibleDC(&image.DC());
        CBitmap* old = source.SelectObject(&bitmap);
        source.BitBlt(0, 0, 4, 4, &picture.DC(), 0, 0, SRCCOPY);
        source.SelectObject(old);
    }
    EXPECT_TRUE(image.DC().DrawState(CPoint(5, 6), CSize(4, 4), &bitmap, DSS_NORMAL));
    EXPECT_EQ(16, image.CountPixels(CRect(5, 6, 9, 10), RGB(0, 0, 255)));
    EXPECT_EQ(RGB(255, 255, 255), image.Pixel(4, 6));
}

// A mono stamp paints the icon's dark opaque pixels in the brush's colour and leaves
// the transparent ones alone.
TEST(Gdi, DrawStateStampsAMonoIconInTheBrushColour) {
    // A 16 x 16 icon whose left half is opaque black, its right half transparent.
    BYTE andBits[16 * 2], xorBits[16 * 2] = {};
    for (int row = 0; row < 16; ++row)
        andBits[row * 2] = 0x00, andBits[row * 2 + 1] = 0xFF;
    HICON icon = ::CreateIcon(nullptr, 16, 16, 1, 1, andBits, xorBits);
    ASSERT_NE(nullptr, icon);
    TestImage image(30, 20, kWhite);
    CBrush red(kRed);
    EXPECT_TRUE(image.DC().DrawState(CPoint(4, 2), CSize(16, 16), icon, DSS_MONO, &red));
    EXPECT_EQ(8 * 16, image.CountPixels(CRect(4, 2, 12, 18), kRed));
    EXPECT_EQ(8 * 16, image.CountPixels(CRect(12, 2, 20, 18), kWhite));
    EXPECT_EQ(kWhite, image.Pixel(3, 2));
    ::DestroyIcon(icon);
}

TEST(Gdi, DragRectInvertsAFrameAndTakesThePreviousOneAway) {
    const COLORREF white = RGB(255, 255, 255);
    TestImage image(60, 60, white);
    CRect first(10, 10, 30, 30), second(20, 20, 50, 50);
    CBrush inverting(RGB(255, 255, 255));  // XOR with white turns white black
    image.DC().DrawDragRect(&first, CSize(2, 2), nullptr, CSize(0, 0), &inverting);
    EXPECT_EQ(2 * 20 * 2 + 2 * 16 * 2, 60 * 60 - image.CountPixels(CRect(0, 0, 60, 60), white));
    EXPECT_NE(white, image.Pixel(10, 10));
    EXPECT_NE(white, image.Pixel(29, 20));
    EXPECT_EQ(white, image.Pixel(12, 12));
    image.DC().DrawDragRect(&second, CSize(3, 3), &first, CSize(2, 2), &inverting);
    EXPECT_EQ(white, image.Pixel(10, 10));
    EXPECT_NE(white, image.Pixel(22, 30));
    EXPECT_EQ(white, image.Pixel(23, 30));
    image.DC().DrawDragRect(&second, CSize(0, 0), &second, CSize(3, 3), &inverting);
    EXPECT_EQ(60 * 60, image.CountPixels(CRect(0, 0, 60, 60), white));

    // The halftone brush by default: every other pixel of the frame.
    image.DC().DrawDragRect(&first, CSize(2, 2), nullptr, CSize(0, 0));
    EXPECT_NE(image.Pixel(10, 10), image.Pixel(11, 10));
}
