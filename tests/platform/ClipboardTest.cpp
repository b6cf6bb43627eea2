#include "platform/Clipboard.h"
#include "platform/ClipboardDataObject.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

TEST(Clipboard, TextRoundTripsAsGbkBytes) {
    const char* const texts[] = {"变量\tA\r\nB", "", "x"};
    for (const char* text : texts) {
        ASSERT_TRUE(SetClipboardText(text)) << text;
        CString read = "stale";
        ASSERT_TRUE(GetClipboardText(read)) << text;
        EXPECT_STREQ(read, text);
    }
}

TEST(Clipboard, PrivateBlockTravelsWithItsTextAndIsReplacedByPlainText) {
    UINT format = ::RegisterClipboardFormatA("Tessaron test block");
    const unsigned char block[] = {1, 2, 3, 4, 5};
    ASSERT_TRUE(SetClipboardTextAndData("a\tb", format, block, sizeof block));

    unsigned char read[8] = {};
    EXPECT_GE(GetClipboardBlock(format, read, sizeof read), sizeof block);
    EXPECT_EQ(0, memcmp(read, block, sizeof block));
    CString text;
    ASSERT_TRUE(GetClipboardText(text));
    EXPECT_STREQ(text, "a\tb");

    ASSERT_TRUE(SetClipboardText("plain"));
    EXPECT_EQ(GetClipboardBlock(format, read, sizeof read), 0u);
}

TEST(Clipboard, NoTextIsReportedAndLeavesTheStringAlone) {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    CString text = "kept";
    EXPECT_FALSE(GetClipboardText(text));
    EXPECT_STREQ(text, "kept");
}

namespace {

const UINT kTestFormat = ::RegisterClipboardFormatA("Tessaron test data object");

// A 2 x 2 32-bit picture with distinct colours and alphas.
HBITMAP MakeAlphaBitmap() {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const DWORD pixels[4] = {0x80102030, 0xFF405060, 0x00708090, 0x40A0B0C0};
    memcpy(bits, pixels, sizeof pixels);
    return bitmap;
}

std::vector<DWORD> PixelsOf(HBITMAP bitmap) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<DWORD> pixels(4);
    HDC dc = ::GetDC(nullptr);
    ::GetDIBits(dc, bitmap, 0, 2, pixels.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, dc);
    return pixels;
}

// Empties the clipboard and puts text, the test block and, when given, a bitmap on it.
void FillClipboard(HBITMAP bitmap) {
    const unsigned char block[] = {7, 8, 9};
    ASSERT_TRUE(SetClipboardTextAndData("text", kTestFormat, block, sizeof block));
    if (bitmap) {
        ASSERT_TRUE(::OpenClipboard(nullptr));
        ASSERT_TRUE(::SetClipboardData(CF_BITMAP, bitmap) != nullptr);
        ::CloseClipboard();
    }
}

std::vector<UINT> EnumeratedFormats(CClipboardDataObject& data) {
    std::vector<UINT> formats;
    data.BeginEnumFormats();
    UINT format = 0;
    while (data.GetNextFormat(&format))
        formats.push_back(format);
    return formats;
}

}  // namespace

TEST(ClipboardDataObject, ListsTheOfferedFormatsInOrderUntilReleased) {
    FillClipboard(MakeAlphaBitmap());
    CClipboardDataObject data;
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT)) << "nothing before the clipboard is attached";
    ASSERT_TRUE(data.AttachClipboard());

    const std::vector<UINT> formats = EnumeratedFormats(data);
    auto at = [&](UINT format) { return std::find(formats.begin(), formats.end(), format) - formats.begin(); };
    ASSERT_LT(at(CF_BITMAP), static_cast<long>(formats.size()));
    EXPECT_LT(at(CF_TEXT), at(kTestFormat));
    EXPECT_LT(at(kTestFormat), at(CF_BITMAP));
    EXPECT_EQ(EnumeratedFormats(data), formats) << "a second walk starts again";
    for (UINT format : {UINT(CF_TEXT), kTestFormat, UINT(CF_BITMAP)})
        EXPECT_TRUE(data.IsDataAvailable(format)) << format;
    EXPECT_FALSE(data.IsDataAvailable(CF_WAVE));

    data.Release();
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
    EXPECT_TRUE(EnumeratedFormats(data).empty());
}

TEST(ClipboardDataObject, GlobalDataIsACopyOfTheBlockAndOnlyOfOfferedMemoryFormats) {
    FillClipboard(MakeAlphaBitmap());
    CClipboardDataObject data;
    ASSERT_TRUE(data.AttachClipboard());

    HGLOBAL copy = data.GetGlobalData(kTestFormat);
    ASSERT_TRUE(copy != nullptr);
    ASSERT_GE(::GlobalSize(copy), 3u);
    const unsigned char* bytes = static_cast<const unsigned char*>(::GlobalLock(copy));
    EXPECT_EQ(bytes[0], 7);
    EXPECT_EQ(bytes[2], 9);
    ::GlobalUnlock(copy);
    ::GlobalFree(copy);
    unsigned char stillThere[3] = {};
    EXPECT_EQ(GetClipboardBlock(kTestFormat, stillThere, sizeof stillThere), 3u) << "the clipboard keeps its own block";

    EXPECT_TRUE(data.GetGlobalData(CF_BITMAP) == nullptr) << "a bitmap handle is no memory block";
    EXPECT_TRUE(data.GetGlobalData(CF_WAVE) == nullptr);

    ASSERT_TRUE(SetClipboardText("replaced"));
    EXPECT_TRUE(data.IsDataAvailable(kTestFormat)) << "the list is the one taken at attaching";
    EXPECT_TRUE(data.GetGlobalData(kTestFormat) == nullptr) << "but the dropped block gives no data";
}

TEST(ClipboardDataObject, BitmapIsACopyThatKeepsSizeAndAlpha) {
    FillClipboard(MakeAlphaBitmap());
    CClipboardDataObject data;
    ASSERT_TRUE(data.AttachClipboard());
    HBITMAP copy = data.GetBitmap();
    ASSERT_TRUE(copy != nullptr);
    BITMAP info = {};
    ::GetObjectA(copy, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 2);
    EXPECT_EQ(info.bmHeight, 2);
    EXPECT_EQ(PixelsOf(copy), (std::vector<DWORD>{0x80102030, 0xFF405060, 0x00708090, 0x40A0B0C0}));
    ::DeleteObject(copy);

    FillClipboard(nullptr);
    ASSERT_TRUE(data.AttachClipboard());
    EXPECT_TRUE(data.GetBitmap() == nullptr) << "no bitmap offered";
}

TEST(ClipboardDataObject, EmptyClipboardOffersNothing) {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    CClipboardDataObject data;
    ASSERT_TRUE(data.AttachClipboard());
    EXPECT_TRUE(EnumeratedFormats(data).empty());
    EXPECT_TRUE(data.GetGlobalData(CF_TEXT) == nullptr);
}
