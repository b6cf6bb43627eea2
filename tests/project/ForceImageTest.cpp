#include "project/ForceImage.h"

#include "project/ByteBits.h"
#include "language/OperandDescriptor.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const WORD VB100 = 0x01FE;

class ForceImageTest : public testing::Test {
protected:
    std::vector<DWORD> cells = std::vector<DWORD>(5970, 0);
    int count() const { return static_cast<int>(cells.size()); }
};

}  // namespace

TEST_F(ForceImageTest, WordGoesLowByteFirstIntoTwoCells) {
    EXPECT_TRUE(WriteForceValue(cells.data(), count(), VB100, OD_WORD, 0x1234));
    EXPECT_EQ(0x34u, cells[VB100]);
    EXPECT_EQ(0x12u, cells[VB100 + 1]);
    EXPECT_EQ(0u, cells[VB100 + 2]);
}

TEST_F(ForceImageTest, ValuesReadBackAsWritten) {
    struct Case {
        WORD code;
        DWORD type;
        DWORD value;
        DWORD readBack;
    } cases[] = {
        {VB100, OD_BYTE, 0xABCD, 0xCD},
        {VB100, OD_INT, 0xFFFF8001, 0x8001},
        {VB100, OD_DINT, 0x89ABCDEF, 0x89ABCDEF},
        {VB100, OD_REAL, 0x3F800000, 0x3F800000},
        {0xE1A4, OD_BOOL, 1, 1},  // %V10.7
        {0x6000, OD_BOOL, 3, 1},  // %I0.3 takes bit 0 of the value
    };
    for (const Case& c : cases) {
        std::fill(cells.begin(), cells.end(), 0);
        DWORD value = 0;
        EXPECT_TRUE(WriteForceValue(cells.data(), count(), c.code, c.type, c.value)) << c.type;
        EXPECT_TRUE(ReadForceValue(cells.data(), count(), c.code, c.type, value)) << c.type;
        EXPECT_EQ(c.readBack, value) << c.type;
    }
}

TEST_F(ForceImageTest, BitWritesTouchOnlyTheirBitAndBytesKeepTheCellsHighBits) {
    cells[0x01A4] = 0xFFFF0055;
    EXPECT_TRUE(WriteForceValue(cells.data(), count(), 0xE1A4, OD_BOOL, 1));
    EXPECT_EQ(0xFFFF00D5u, cells[0x01A4]);
    EXPECT_TRUE(WriteForceValue(cells.data(), count(), 0x01A4, OD_BOOL, 0));
    EXPECT_EQ(0xFFFF00D4u, cells[0x01A4]);
    EXPECT_TRUE(WriteForceValue(cells.data(), count(), 0x01A4, OD_BYTE, 0x12));
    EXPECT_EQ(0xFFFF0012u, cells[0x01A4]);
}

TEST_F(ForceImageTest, CellsOutsideTheImageAreRefused) {
    const WORD last = static_cast<WORD>(count() - 1);
    struct Case {
        WORD code;
        DWORD type;
        bool fits;
    } cases[] = {
        {last, OD_BYTE, true},
        {static_cast<WORD>(last + 1), OD_BYTE, false},
        {static_cast<WORD>(last - 1), OD_WORD, true},
        {last, OD_WORD, false},
        {static_cast<WORD>(last - 3), OD_DWORD, true},
        {static_cast<WORD>(last - 2), OD_REAL, false},
        {static_cast<WORD>(0x2000 | 0x0010), OD_BYTE, false},  // a byte's code is used whole
        {static_cast<WORD>(0x2000 | last), OD_BOOL, true},     // a bit's cell is its position
    };
    for (const Case& c : cases) {
        DWORD value = 77;
        EXPECT_EQ(c.fits, WriteForceValue(cells.data(), count(), c.code, c.type, 1)) << c.code;
        EXPECT_EQ(c.fits, ReadForceValue(cells.data(), count(), c.code, c.type, value)) << c.code;
        if (!c.fits) {
            EXPECT_EQ(77u, value);
        }
    }
}

TEST_F(ForceImageTest, TypesWithoutStorageChangeNothing) {
    EXPECT_TRUE(WriteForceValue(cells.data(), count(), VB100, OD_POINTER, 0x55));
    EXPECT_EQ(0u, cells[VB100]);
    DWORD value = 77;
    EXPECT_FALSE(ReadForceValue(cells.data(), count(), VB100, 0, value));
    EXPECT_EQ(77u, value);
}

TEST(ByteBits, SetAndPutChangeOnlyTheirBit) {
    BYTE byte = 0x10;
    SetByteBit(byte, 0);
    EXPECT_EQ(0x11, byte);
    PutByteBit(byte, 7, 5);
    EXPECT_EQ(0x91, byte);
    PutByteBit(byte, 4, 0);
    EXPECT_EQ(0x81, byte);
    for (int outside : {-1, 8, 31}) {
        SetByteBit(byte, outside);
        PutByteBit(byte, outside, 0);
    }
    EXPECT_EQ(0x81, byte);
}
