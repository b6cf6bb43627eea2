#include "platform/CWnd.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIGradientHelper.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 255, 0);

CSize SelectedBitmapSize(CDC& dc) {
    BITMAP info = {};
    ::GetObjectA(::GetCurrentObject(dc.m_hDC, OBJ_BITMAP), sizeof(info), &info);
    return CSize(info.bmWidth, info.bmHeight);
}

TEST(BufferDC, HoldsTheBitmapFromTheOriginAndCopiesBackOnlyTheRectangle) {
    TestImage image(40, 40);
    {
        CUIBufferDC buffer(image.DC().m_hDC, CRect(10, 10, 20, 20));
        EXPECT_EQ(SelectedBitmapSize(buffer), CSize(20, 20));
        buffer.FillSolidRect(0, 0, 20, 20, kRed);  // target coordinates, all of the buffer
        EXPECT_EQ(image.CountPixels(CRect(0, 0, 40, 40), kWhite), 1600);  // nothing before the end
    }
    EXPECT_EQ(image.CountPixels(CRect(10, 10, 20, 20), kRed), 100);
    EXPECT_EQ(image.CountPixels(CRect(0, 0, 40, 40), kRed), 100);
}

TEST(MemDC, OriginIsTheRectanglesCornerAndTheBackgroundIsFilled) {
    TestImage image(40, 40);
    {
        CUIMemDC mem(&image.DC(), CRect(5, 5, 15, 25), kBlue);
        ASSERT_TRUE(mem.IsValid());
        EXPECT_EQ(SelectedBitmapSize(mem), CSize(10, 20));
        mem.SetPixel(0, 0, kRed);
    }
    EXPECT_EQ(image.Pixel(5, 5), kRed);
    EXPECT_EQ(image.CountPixels(CRect(5, 5, 15, 25), kBlue), 199);
    EXPECT_EQ(image.CountPixels(CRect(0, 0, 40, 40), kWhite), 1600 - 200);
}

TEST(MemDC, AnEmptyRectangleCoversTheClipBox) {
    TestImage image(40, 40);
    image.DC().IntersectClipRect(10, 12, 30, 20);
    {
        CUIMemDC mem(&image.DC(), CRect(), kGreen);
        EXPECT_EQ(mem.GetRect(), CRect(10, 12, 30, 20));
    }
    EXPECT_EQ(image.CountPixels(CRect(0, 0, 40, 40), kGreen), 160);
}

TEST(Selectors, SelectForTheirLifeAndPutThePreviousObjectBack) {
    TestImage image(20, 20);
    HDC dc = image.DC().m_hDC;
    const HGDIOBJ pen = ::GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ brush = ::GetCurrentObject(dc, OBJ_BRUSH);
    {
        CUIPenSelector red(dc, kRed);
        EXPECT_EQ(red.GetColor(), kRed);
        CUIBrushSelector blue(dc, kBlue);
        ::Rectangle(dc, 0, 0, 10, 10);
        blue.SetColor(kGreen);
        ::Rectangle(dc, 10, 10, 20, 20);
    }
    EXPECT_EQ(image.Pixel(0, 0), kRed);
    EXPECT_EQ(image.Pixel(5, 5), kBlue);
    EXPECT_EQ(image.Pixel(15, 15), kGreen);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush);

    CBrush red(kRed), blue(kBlue);
    {
        CUIGdiSelector selector(dc, red.m_hObject);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), red.m_hObject);
        selector.Select(blue.m_hObject);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), blue.m_hObject);
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush);
}

TEST(CompatibleDC, DrawsIntoTheGivenBitmap) {
    CBitmap bitmap;
    {
        TestImage screenLike(1, 1);
        bitmap.CreateCompatibleBitmap(&screenLike.DC(), 8, 8);
    }
    {
        CUICompatibleDC dc(nullptr, &bitmap);
        dc.FillSolidRect(0, 0, 8, 8, kRed);
        EXPECT_EQ(SelectedBitmapSize(dc), CSize(8, 8));
    }
    CUICompatibleDC reader(nullptr, &bitmap);
    EXPECT_EQ(reader.GetPixel(7, 7), kRed);
}

TEST(RectShortcuts, WithoutAWindowTheRectangleIsEmpty) {
    EXPECT_EQ(MakeEmptyRect(), CRect(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRectOfHandle(nullptr), CRect(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRectOf(nullptr), CRect(0, 0, 0, 0));
    EXPECT_EQ(GetClientRectOf(nullptr), CRect(0, 0, 0, 0));
    CWnd unattached;
    EXPECT_EQ(GetClientRectOf(&unattached), CRect(0, 0, 0, 0));

    TestApplication app;
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "rects", WS_POPUP, CRect(30, 40, 130, 90), nullptr, 0));
    EXPECT_EQ(GetWindowRectOf(&wnd), CRect(30, 40, 130, 90));
    EXPECT_EQ(GetClientRectOf(&wnd), CRect(0, 0, 100, 50));
    wnd.DestroyWindow();
}

TEST(BlendPixels, EachPairAveragesAPixelWithItsOffsetNeighbour) {
    TestImage image(20, 4, RGB(200, 100, 50));
    image.DC().FillSolidRect(0, 1, 20, 1, RGB(101, 0, 0));
    POINT points[20];
    for (int i = 0; i < 10; ++i) {
        points[2 * i] = {2 * i, 0};
        points[2 * i + 1] = {0, 1};
    }
    BlendPixelsWithOffset(&image.DC(), points, 0);
    EXPECT_EQ(image.CountPixels(CRect(0, 0, 20, 1), RGB(200, 100, 50)), 20);
    BlendPixelsWithOffset(&image.DC(), points, 20);
    EXPECT_EQ(image.CountPixels(CRect(0, 0, 20, 1), RGB(150, 50, 25)), 10);  // sums halved, rounded down
    EXPECT_EQ(image.Pixel(1, 0), RGB(200, 100, 50));
}

TEST(LowColor, ThirtyTwoBitContextsAreNotLowColour) {
    TestImage image(4, 4);
    EXPECT_FALSE(IsLowColorDC(image.DC().m_hDC));
    EXPECT_FALSE(IsLowColorDC(nullptr));
    EXPECT_FALSE(IsLowColorDC(reinterpret_cast<HDC>(static_cast<INT_PTR>(0x1234))));  // no context
}

class Gradient : public testing::Test {
protected:
    CUIGradientHelper platform;
    CUIGradientHelper banding{"NoSuchImagingLibrary.dll"};
};

TEST_F(Gradient, EqualColoursFillSolidEvenWithThePlatformGradient) {
    ASSERT_TRUE(platform.HasGradientFill());
    TestImage image(30, 10);
    platform.FillGradient(&image.DC(), CRect(0, 0, 30, 10), kRed, kRed, TRUE);
    EXPECT_EQ(image.CountPixels(CRect(0, 0, 30, 10), kRed), 300);
    platform.FillGradient(&image.DC(), CRect(5, 5, 5, 10), kBlue, kGreen, TRUE);  // empty: nothing
    platform.FillGradient(&image.DC(), nullptr, kBlue, kGreen, TRUE);
    EXPECT_EQ(image.CountPixels(CRect(0, 0, 30, 10), kRed), 300);
}

TEST_F(Gradient, BandsInterpolateFromTheFirstColour) {
    ASSERT_FALSE(banding.HasGradientFill());
    TestImage image(10, 10);
    banding.FillGradient(&image.DC(), CRect(0, 0, 10, 10), RGB(200, 0, 100), RGB(0, 200, 100), TRUE);
    EXPECT_EQ(image.Pixel(0, 9), RGB(200, 0, 100));  // the first column is a exactly
    EXPECT_EQ(image.Pixel(5, 0), RGB(100, 100, 100));
    EXPECT_EQ(image.Pixel(9, 5), RGB(20, 180, 100));  // t = 0.1, truncated
    banding.FillGradient(&image.DC(), CRect(0, 0, 10, 10), kRed, kBlue, FALSE);
    EXPECT_EQ(image.CountPixels(CRect(0, 0, 10, 1), kRed), 10);
    EXPECT_EQ(image.Pixel(3, 5), RGB(127, 0, 127));

    // One pixel wide: exactly colour a.
    banding.FillGradient(&image.DC(), CRect(4, 0, 5, 10), kGreen, kBlue, TRUE);
    EXPECT_EQ(image.CountPixels(CRect(4, 0, 5, 10), kGreen), 10);
}

TEST_F(Gradient, BandsStayInsideTheClipBox) {
    TestImage image(20, 10);
    image.DC().IntersectClipRect(5, 0, 10, 10);
    banding.FillGradient(&image.DC(), CRect(0, 0, 20, 10), kRed, kBlue, TRUE);
    EXPECT_EQ(image.CountPixels(CRect(0, 0, 5, 10), kWhite), 50);
    EXPECT_EQ(image.Pixel(5, 0), RGB(191, 0, 63));  // t = 0.75 measured from the rectangle
    EXPECT_EQ(image.CountPixels(CRect(10, 0, 20, 10), kWhite), 100);
}

TEST_F(Gradient, ThePlatformGradientRunsFromFirstToSecond) {
    TestImage image(64, 16);
    CUIColorPair pair;
    pair.Set(kRed, kBlue);
    platform.FillGradientPair(&image.DC(), CRect(0, 0, 64, 16), pair, TRUE);
    EXPECT_GT(GetRValue(image.Pixel(0, 0)), 240);
    EXPECT_GT(GetBValue(image.Pixel(63, 15)), 240);
    EXPECT_EQ(image.Pixel(10, 0), image.Pixel(10, 15));  // columns are uniform
    platform.FillGradientPair(&image.DC(), CRect(0, 0, 64, 16), pair, FALSE);
    EXPECT_EQ(image.Pixel(0, 5), image.Pixel(63, 5));  // rows are uniform
}

}  // namespace
