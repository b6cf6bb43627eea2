#include "compiler/PouBlockHeader.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(PouBlockHeader, EncodesLittleEndianFieldsInOrder) {
    PouBlockHeader header;
    header.length = 0x0112;
    header.language = 2;
    header.kind = PouBlockHeader::kSubroutine;
    header.number = 3;
    std::array<uint8_t, PouBlockHeader::kSize> bytes{};
    header.Encode(bytes.data());
    EXPECT_EQ((std::array<uint8_t, 6>{0x12, 0x01, 0x02, 0x06, 0x02, 0x03}), bytes);

    const PouBlockHeader back = PouBlockHeader::Decode(bytes.data());
    EXPECT_EQ(0x0112, back.length);
    EXPECT_EQ(2, back.language);
    EXPECT_EQ(6, back.constant);
    EXPECT_EQ(PouBlockHeader::kSubroutine, back.kind);
    EXPECT_EQ(3, back.number);
}

TEST(PouBlockHeader, LittleEndianHelpers) {
    uint8_t bytes[4];
    PutLe32(bytes, 0xFFFFFFFFu);
    EXPECT_EQ(0xFFFFFFFFu, GetLe32(bytes));
    PutLe32(bytes, 0x12345678u);
    EXPECT_EQ(0x78, bytes[0]);
    EXPECT_EQ(0x12, bytes[3]);
    EXPECT_EQ(0x5678, GetLe16(bytes));
    EXPECT_EQ(0x12345678u, GetLe32(bytes));
}

}  // namespace
