#include "language/InstructionSignature.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const OperandDescriptor POINTER = 0x80;
const OperandDescriptor VB0 = 0x818A02;
const OperandDescriptor VW0 = 0x818A14;
const OperandDescriptor IW0 = 0x28A14;

InstructionSignature Query(const char* name, std::initializer_list<OperandDescriptor> operands) {
    InstructionSignature query{name, 0, 0, {}};
    for (OperandDescriptor operand : operands)
        query.masks[query.operandCount++] = operand;
    return query;
}

}  // namespace

TEST(InstructionSignature, TableIsSortedByteWise) {
    for (int row = 1; row < INSTRUCTION_SIGNATURE_COUNT; ++row)
        EXPECT_LT(std::strcmp(InstructionSignatureTable[row - 1].name, InstructionSignatureTable[row].name), 0)
            << InstructionSignatureTable[row].name;
    EXPECT_STREQ("B_TO_I", InstructionSignatureTable[4].name);  // "_" sorts after the letters
    EXPECT_STREQ("XOR", InstructionSignatureTable[37].name);
}

TEST(InstructionSignature, EveryRowIsFound) {
    for (const InstructionSignature& row : InstructionSignatureTable) {
        InstructionSignature query{row.name, 0, row.operandCount, {}};
        for (int k = 0; k < row.operandCount; ++k)
            query.masks[k] = row.masks[k];
        EXPECT_EQ(1, FindInstructionSignature(query)) << row.name;
        EXPECT_EQ(row.kind, query.kind) << row.name;
    }
}

TEST(InstructionSignature, MatchAndUnify) {
    struct Case {
        InstructionSignature query;
        int found;
        OperandDescriptor masks[3];
    } cases[] = {
        {Query("B_TO_I", {POINTER, POINTER}), 1, {0x02, 0x10}},
        {Query("MOVE", {POINTER, VW0}), 1, {0x14, 0x14}},       // the pointer takes the slot's types, then shares
        {Query("MOVE", {VB0, VW0}), 0, {}},                     // BYTE and WORD have no common type
        {Query("ADD", {0x1010, VW0}), 1, {0x10, 0x10}},
        {Query("ADD", {VW0, IW0}), 0, {}},                      // an input cannot be the destination
        {Query("ADD", {VW0}), 0, {}},
        {Query("BLKMOVE", {POINTER, VW0, VB0}), 1, {0x14, 0x14, 0x02}},
        {Query("LD", {VW0}), 0, {}},
        {Query("", {}), 0, {}},
    };
    for (Case& c : cases) {
        EXPECT_EQ(c.found, FindInstructionSignature(c.query)) << c.query.name;
        if (!c.found)
            continue;
        for (int k = 0; k < c.query.operandCount; ++k)
            EXPECT_EQ(c.masks[k], c.query.masks[k]) << c.query.name << " operand " << k;
    }
}

TEST(InstructionSignature, PointerAloneTakesEveryTypeOfItsSlot) {
    InstructionSignature query = Query("MOVE", {POINTER, POINTER});
    EXPECT_EQ(1, FindInstructionSignature(query));
    EXPECT_EQ(0x7Eu, query.masks[0]);
    EXPECT_EQ(0x7Eu, query.masks[1]);
}

TEST(InstructionSignature, ShiftAndBlockUnificationLeavesTheSecondOperand) {
    const InstructionSignature shiftRow{"X", SIG_SHIFT_BLOCK, 5, {}};
    InstructionSignature four = Query("X", {0x16, 0x02, 0x14, 0x34});
    EXPECT_EQ(1, UnifySignature(shiftRow, four));
    const OperandDescriptor expectedFour[] = {0x14, 0x02, 0x14, 0x14};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(expectedFour[k], four.masks[k]) << k;

    InstructionSignature five = Query("X", {0x16, 0x40, 0x14, 0x34, 0x02});
    EXPECT_EQ(0, UnifySignature(shiftRow, five));

    InstructionSignature two = Query("X", {0x02, 0x40});
    EXPECT_EQ(1, UnifySignature(shiftRow, two));
    EXPECT_EQ(0x40u, two.masks[1]);

    const InstructionSignature unknownKind{"X", 4, 2, {}};
    EXPECT_EQ(0, UnifySignature(unknownKind, two));
}
