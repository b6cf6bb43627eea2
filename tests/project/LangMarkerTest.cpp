#include "project/LangMarker.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

TEST(ReadLangMarker, FirstLineComparedByteForByte) {
    TempFolder temp;
    const struct { const char* contents; BYTE expected; } cases[] = {
        {"(*2*)\r\nLD %I0.0\r\n", 2},
        {"(*1*)\r\nanything (*2*)", 1},
        {"(*1*)", 1},
        {"(*2*) \r\n", 255},
        {" (*2*)\r\n", 255},
        {"(*3*)\r\n", 255},
        {"(*0*)\r\n", 255},
        {"", 255},
        {"\r\n(*1*)\r\n", 255},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = "f" + std::to_string(n++) + ".ilp";
        temp.WriteFile(name, c.contents);
        EXPECT_EQ(c.expected, ReadLangMarker((temp / name).c_str())) << c.contents;
    }
    EXPECT_EQ(255, ReadLangMarker((temp / "missing.ilp").c_str()));
    EXPECT_STREQ("(*2*)", LangMarkerLine(2));
}

TEST(PointerOperands, NeverRecognised) {
    for (const char* operand : {"", "*VD0", "&VB0", "%VD100", "*", "&"}) {
        EXPECT_FALSE(IsIndirectOperand(operand)) << operand;
        EXPECT_FALSE(IsAddressOfOperand(operand)) << operand;
        EXPECT_FALSE(IsPointerOperand(operand)) << operand;
    }
}
