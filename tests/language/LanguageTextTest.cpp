#include "language/LanguageText.h"

#include <gtest/gtest.h>

TEST(LanguageText, CaseFoldingLeavesDoubleByteCharactersAlone) {
    // 0x81 0x61 is one GBK character whose second byte is an ASCII "a".
    EXPECT_EQ("LD\x81\x61X", UpperCased("ld\x81\x61x"));
    EXPECT_EQ("X Y", Trimmed(" \tX Y \r\n"));
    EXPECT_EQ("", Trimmed("   "));
    EXPECT_EQ("MOVE", LookupKey("  move\t"));
}

TEST(LanguageText, AddressForm) {
    EXPECT_EQ("%VW0", AddressForm("vw0"));
    EXPECT_EQ("%I0.0", AddressForm("%i0.0"));
    EXPECT_EQ("%", AddressForm(""));
}
