#include "project/AddressCodeText.h"

#include "language/AddressCode.h"
#include "language/OperandDescriptor.h"

#include <gtest/gtest.h>

// Codes made by the address parser's encoder come back as the same address text.
TEST(AddressCodeText, EncodeDecodeAndTextRoundTrip) {
    struct Case {
        const char* address;
        BOOL statusBit;
        DWORD type;
        WORD code;
        const char* prefix;
        int offset;
        const char* text;
    } cases[] = {
        {"%V10.7", FALSE, OD_BOOL, 0xE1A4, "%V", 10, "%V10.7"},
        {"%VB100", FALSE, OD_BYTE, 0x01FE, "%V", 100, "%VB100"},
        {"%VW100", FALSE, OD_WORD, 0x01FE, "%V", 100, "%VW100"},
        {"%VW100", FALSE, OD_INT, 0x01FE, "%V", 100, "%VW100"},
        {"%VD20", FALSE, OD_DINT, 0x01AE, "%V", 20, "%VD20"},
        {"%VR20", FALSE, OD_REAL, 0x01AE, "%V", 20, "%VR20"},
        {"%LD4", FALSE, OD_REAL, 0x119E, "%L", 4, "%LD4"},
        {"%I0.3", FALSE, OD_BOOL, 0x6000, "%I", 0, "%I0.3"},
        {"%Q1.0", FALSE, OD_BOOL, 0x0009, "%Q", 1, "%Q1.0"},
        {"%MD28", FALSE, OD_DWORD, 0x002C, "%M", 28, "%MD28"},
        {"%SMB2", FALSE, OD_BYTE, 0x0070, "%SM", 2, "%SMB2"},
        {"%AIW4", FALSE, OD_WORD, 0x11AE, "%AI", 4, "%AIW4"},
        {"%AQW30", FALSE, OD_INT, 0x1208, "%AQ", 30, "%AQW30"},
        {"%T5", FALSE, OD_WORD, 0x1234, "%T", 10, "T5"},
        {"%T5", TRUE, OD_BOOL, 0xA032, "%TB", 0, "T5"},
        {"%C20", TRUE, OD_BOOL, 0x8044, "%CB", 2, "C20"},
        {"%C20", FALSE, OD_INT, 0x1452, "%C", 40, "C20"},
        {"%RS3", FALSE, OD_BOOL, 0x6062, "%RS", 0, "RS3"},
        {"%SR17", FALSE, OD_BOOL, 0x2068, "%SR", 2, "SR17"},
        {"%HC1", FALSE, OD_DINT, 0x162B, "%HC", 1, "%HC1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        const WORD code = EncodeAddressCode(c.address, c.statusBit);
        EXPECT_EQ(c.code, code);
        int offset = -1;
        EXPECT_STREQ(c.prefix, DecodeAddressCode(1, code, offset));
        EXPECT_EQ(c.offset, offset);
        EXPECT_STREQ(c.text, AddressCodeToText(1, code, c.type));
    }
}

// The areas below SM have no end of their own; from V upward each ends at its class's size.
TEST(AddressCodeText, DecodeFindsAreaBoundsPerCpuClass) {
    struct Case {
        int cpuClass;
        int position;
        const char* prefix;
        int offset;
    } cases[] = {
        {0, 0x0000, "%I", 0},      {0, 0x0007, "%I", 7},      {0, 0x0008, "%Q", 0},     {0, 0x0031, "%BR", 1},
        {0, 0x0032, "%TB", 0},     {0, 0x0061, "%CB", 31},    {2, 0x0065, "%RS", 3},    {2, 0x006D, "%SR", 7},
        {0, 0x006E, "%SM", 0},     {0, 0x0199, "%SM", 299},   {0, 0x019A, "%V", 0},     {0, 0x0999, "%V", 2047},
        {0, 0x099A, "", -1},       {1, 0x099A, "%V", 2048},   {1, 0x1199, "%V", 4095},  {1, 0x119A, "%L", 0},
        {0, 0x11AA, "", -1},       {1, 0x11AA, "%AI", 0},     {1, 0x11C9, "%AI", 31},
        {1, 0x11CA, "", -1},
        {0, 0x12A9, "%T", 127},    {0, 0x12AA, "", -1},       {2, 0x1429, "%T", 511},   {1, 0x1641, "%HC", 23},
        {1, 0x1642, "", -1},       {2, 0x1630, "", -1},       {1, 0x1FFF, "", -1},      {1, 0xE1A4, "%V", 10},
    };
    for (const Case& c : cases) {
        int offset = 99;
        EXPECT_STREQ(c.prefix, DecodeAddressCode(c.cpuClass, c.position, offset))
            << "class " << c.cpuClass << " position " << c.position;
        EXPECT_EQ(c.offset, offset) << "class " << c.cpuClass << " position " << c.position;
    }
}

TEST(AddressCodeText, NoTextWithoutAreaOrForm) {
    EXPECT_STREQ("", AddressCodeToText(1, 0x01FE, 0));           // V byte without a type
    EXPECT_STREQ("", AddressCodeToText(1, 0x0010, OD_REAL));     // REAL only in V and L
    EXPECT_STREQ("%VB10", AddressCodeToText(1, 0x01A4, OD_BYTE | OD_REAL));  // BYTE before REAL
    EXPECT_STREQ("%V10.0", AddressCodeToText(1, 0x01A4, OD_BOOL | OD_WORD)); // BOOL first
    EXPECT_STREQ("", AddressCodeToText(0, 0x099A, OD_BYTE));     // past V of class 0
    int offset = 0;
    EXPECT_STREQ("", DecodeAddressCode(3, 0x01A4, offset));      // no such CPU class
    EXPECT_EQ(-1, offset);
    EXPECT_STREQ("", AddressCodeToText(-1, 0x01A4, OD_BYTE));
}
