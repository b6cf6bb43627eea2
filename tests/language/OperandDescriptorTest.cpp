#include "language/OperandDescriptor.h"

#include "language/CpuClassSource.h"

#include <gtest/gtest.h>

namespace {

const OperandDescriptor ADDRESS_IB0 = 0x28A02;   // BYTE, memory, area I readable forceable
const OperandDescriptor ADDRESS_QB0 = 0x58A02;
const OperandDescriptor ADDRESS_VW0 = 0x818A14;  // WORD or INT in V
const OperandDescriptor CONSTANT_INT = 0x9010;    // as the constant classifier gives it
const OperandDescriptor MOVE_BYTE_DESTINATION = 0x019C4802;
const OperandDescriptor MOVE_BYTE_SOURCE = 0x019E2802;

}  // namespace

TEST(OperandDescriptor, AccessFromAreaFlags) {
    EXPECT_EQ(0x2000u, AccessFromAreaFlags(ADDRESS_IB0));
    EXPECT_EQ(0x6000u, AccessFromAreaFlags(ADDRESS_QB0));
    EXPECT_EQ(0x2000u, AccessFromAreaFlags(CONSTANT_INT));
    EXPECT_EQ(0u, AccessFromAreaFlags(0x1010));
}

TEST(OperandDescriptor, Coverage) {
    struct Case {
        OperandDescriptor slot;
        OperandDescriptor operand;
        bool covered;
    } cases[] = {
        {MOVE_BYTE_DESTINATION, ADDRESS_IB0, false},  // area I is not a destination
        {MOVE_BYTE_DESTINATION, ADDRESS_QB0, true},
        {MOVE_BYTE_SOURCE, ADDRESS_IB0, true},
        {MOVE_BYTE_SOURCE, 0x9002, false},            // a constant never fills a memory slot
        {0x3002, ADDRESS_QB0, false},                 // memory never fills a constant slot
        {0x3002, 0x9002, true},
        {0x019E2804, ADDRESS_VW0, true},              // several type bits: the slot's one suffices
        {0x019E2808, ADDRESS_VW0, false},
        {0x3400, CONSTANT_INT, true},                 // a label slot has no type bits
        {0x402810, 0x218815, false},                  // a timer is not a counter
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.covered, SlotCoversOperand(c.slot, c.operand)) << std::hex << c.slot << " " << c.operand;
}

TEST(OperandDescriptor, EditorCoverageAlsoNeedsAUsableDirection) {
    // An INT constant is readable only: it fits the read slot of MOVE, not a slot that
    // only writes even when the slot would take it otherwise.
    EXPECT_TRUE(EditorSlotCoversOperand(0x3010, CONSTANT_INT));
    EXPECT_FALSE(EditorSlotCoversOperand(0x5010, CONSTANT_INT));
    EXPECT_TRUE(SlotCoversOperand(0x5010, CONSTANT_INT));
    // An operand without area flags is not restricted by direction.
    EXPECT_TRUE(EditorSlotCoversOperand(0x5010, 0x1010));
}

TEST(CpuMask, OneBitPerClassAndNothingOutsideTheClasses) {
    const int classes[] = {-1, 0, 1, 2, 3, 4, 5};
    const DWORD masks[] = {0, 0x1, 0x2, 0x4, 0x8, 0x10, 0};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(masks[i], CpuMaskOfClass(classes[i])) << classes[i];
}
