#include "comm/BinaryDigits.h"

#include <gtest/gtest.h>

TEST(ToBinaryString, DigitsWithoutLeadingZerosReplaceTheText) {
    const struct { uint32_t value; const char* expected; } cases[] = {
        {0, "0"}, {1, "1"}, {5, "101"}, {8, "1000"}, {0x80000000u, "10000000000000000000000000000000"},
        {0xFFFFFFFFu, "11111111111111111111111111111111"},
    };
    for (const auto& c : cases) {
        CString text = "previous";
        ToBinaryString(c.value, text);
        EXPECT_STREQ(c.expected, text) << c.value;
    }
}
