#include "platform/CImageList.h"
#include "res/resource.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

namespace {

TEST(ImageLists, BitmapResourcesSplitIntoTheirImages) {
    TestApplication app;
    struct Case {
        UINT bitmap;
        int images;
    };
    for (Case c : {Case{IDB_INSTRUCTION_TREE, 4}, Case{IDB_MODULE_TREE, 3}, Case{IDB_PROJECT_TREE, 12}}) {
        CImageList list;
        ASSERT_TRUE(list.Create(c.bitmap, 16, 1, RGB(255, 255, 255))) << c.bitmap;
        EXPECT_EQ(list.GetImageCount(), c.images) << c.bitmap;
        int cx = 0, cy = 0;
        ::ImageList_GetIconSize(list, &cx, &cy);
        EXPECT_EQ(cx, 16);
        EXPECT_EQ(cy, 16);
    }
    CImageList missing;
    EXPECT_FALSE(missing.Create(1, 16, 1, RGB(255, 255, 255)));
    EXPECT_EQ(missing.GetSafeHandle(), nullptr);
}

// Two 16-pixel images in one bitmap: red, and green with a white (masked) corner.
TEST(ImageLists, MaskedImagesAreAddedRemovedAndTakenOutAsIcons) {
    TestApplication app;
    TestImage strip(32, 16);
    strip.DC().FillSolidRect(0, 0, 16, 16, RGB(255, 0, 0));
    strip.DC().FillSolidRect(16, 0, 16, 16, RGB(0, 128, 0));
    strip.DC().FillSolidRect(16, 0, 4, 4, RGB(255, 255, 255));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&strip.DC(), 32, 16));
    {
        CDC dc;
        dc.CreateCompatibleDC(&strip.DC());
        CBitmap* old = dc.SelectObject(&bitmap);
        dc.BitBlt(0, 0, 32, 16, &strip.DC(), 0, 0, SRCCOPY);
        dc.SelectObject(old);
    }

    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    EXPECT_EQ(list.Add(&bitmap, RGB(255, 255, 255)), 0);
    EXPECT_EQ(list.GetImageCount(), 2);

    TestImage drawn(16, 16, RGB(0, 0, 255));
    EXPECT_TRUE(list.Draw(&drawn.DC(), 1, CPoint(0, 0), ILD_TRANSPARENT));
    EXPECT_EQ(drawn.Pixel(1, 1), RGB(0, 0, 255));  // the masked corner lets the background through
    EXPECT_EQ(drawn.Pixel(8, 8), RGB(0, 128, 0));

    HICON icon = list.ExtractIcon(0);
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(list.Remove(0));
    EXPECT_EQ(list.GetImageCount(), 1);
    EXPECT_EQ(list.Add(icon), 1);
    ::DestroyIcon(icon);
    TestImage red(16, 16, RGB(0, 0, 255));
    list.Draw(&red.DC(), 1, CPoint(0, 0), ILD_TRANSPARENT);
    EXPECT_EQ(red.Pixel(8, 8), RGB(255, 0, 0));

    HIMAGELIST handle = list.Detach();
    EXPECT_EQ(list.GetSafeHandle(), nullptr);
    EXPECT_TRUE(list.Attach(handle));
    EXPECT_EQ(list.GetImageCount(), 2);
}

}  // namespace
