#include "platform/CWnd.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

// A child that paints a red square, standing for any drawn window.
class SquareWnd : public CWnd {
protected:
    void OnPaint() {
        CPaintDC dc(this);
        dc.FillSolidRect(0, 0, 40, 40, RGB(255, 0, 0));
    }
    LRESULT OnPrintClient(WPARAM wParam, LPARAM) {
        CDC::FromHandle(reinterpret_cast<HDC>(wParam))->FillSolidRect(0, 0, 40, 40, RGB(255, 0, 0));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SquareWnd, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

TEST(WindowImages, WindowAndChildrenAreWrittenToAnImageFile) {
    TestApplication app;
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "image", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 120), nullptr, 0));
    SquareWnd square;
    ASSERT_TRUE(square.Create(nullptr, nullptr, WS_VISIBLE, CRect(30, 20, 70, 60), &parent, 1));

    TestImage image(200, 120, RGB(0, 0, 255));
    RenderWindow(&parent, image);
    EXPECT_EQ(image.Pixel(30, 20), RGB(255, 0, 0));
    EXPECT_EQ(image.Pixel(69, 59), RGB(255, 0, 0));
    EXPECT_NE(image.Pixel(70, 60), RGB(255, 0, 0));
    EXPECT_EQ(image.CountPixels(CRect(0, 0, 200, 120), RGB(255, 0, 0)), 40 * 40);

    std::string path = TestOutputPath("window-image.bmp");
    ASSERT_TRUE(image.SaveBmp(path));
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    EXPECT_EQ(static_cast<long>(file.tellg()), 14 + 40 + 200 * 120 * 4);
    parent.DestroyWindow();
}

}  // namespace
