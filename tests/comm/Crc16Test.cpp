#include "comm/Crc16.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Crc16, KnownValues) {
    const uint8_t digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(0x374B, Crc16(digits, 9));
    EXPECT_EQ(0xFFFF, Crc16(digits, 0));
}

TEST(Crc16, FrameFollowedByItsCrcChecksToZero) {
    std::vector<uint8_t> frame = {0x01, '@', 0x00, 0x03, 0x10, 0x20};
    const uint16_t crc = Crc16(frame.data(), static_cast<uint32_t>(frame.size()));
    frame.push_back(static_cast<uint8_t>(crc >> 8));
    frame.push_back(static_cast<uint8_t>(crc & 0xFF));
    EXPECT_EQ(0, Crc16(frame.data(), static_cast<uint32_t>(frame.size())));
}

TEST(Crc16, OnlyLowSixteenBitsOfLengthCount) {
    std::vector<uint8_t> data(0x10003, 0x5A);
    EXPECT_EQ(Crc16(data.data(), 3), Crc16(data.data(), 0x10003));
}
