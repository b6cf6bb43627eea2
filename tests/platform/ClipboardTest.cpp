#include "platform/Clipboard.h"

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
