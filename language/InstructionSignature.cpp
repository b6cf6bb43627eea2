#include "language/InstructionSignature.h"

#include <cstring>

const InstructionSignature InstructionSignatureTable[INSTRUCTION_SIGNATURE_COUNT] = {
    {"ADD", SIG_SAME_TYPE, 2, {0x1DFE30F0, 0x119C40F0}},
    {"AND", SIG_SAME_TYPE, 2, {0x19E308E, 0x19C408E}},
    {"ANDN", SIG_SAME_TYPE, 2, {0x19E308E, 0x19C408E}},
    {"BLKMOVE", SIG_SHIFT_BLOCK, 3, {0x1DFE20FE, 0x119C40FE, 0x19E3082}},
    {"B_TO_I", SIG_INDEPENDENT, 2, {0x19E3082, 0x119C4090}},
    {"CTD", SIG_INDEPENDENT, 3, {0x402010, 0x61FE2001, 0x199A3090}},
    {"CTU", SIG_INDEPENDENT, 3, {0x402010, 0x61FE2001, 0x199A3090}},
    {"DEC", SIG_INDEPENDENT, 1, {0x119C20B2}},
    {"DIV", SIG_SAME_TYPE, 2, {0x1DFE30F0, 0x119C00F0}},
    {"DI_TO_R", SIG_INDEPENDENT, 2, {0x59E30A0, 0x18040C0}},
    {"EQ", SIG_SAME_TYPE, 2, {0x1DFE30F2, 0x1DFE30F2}},
    {"FILL", SIG_INDEPENDENT, 3, {0x3002, 0x1884082, 0x3002}},
    {"GE", SIG_SAME_TYPE, 2, {0x1DFE30F2, 0x1DFE30F2}},
    {"GT", SIG_SAME_TYPE, 2, {0x1DFE30F2, 0x1DFE30F2}},
    {"INC", SIG_INDEPENDENT, 1, {0x119C20B2}},
    {"LE", SIG_SAME_TYPE, 2, {0x1DFE30F2, 0x1DFE30F2}},
    {"LT", SIG_SAME_TYPE, 2, {0x1DFE30F2, 0x1DFE30F2}},
    {"MOD", SIG_SAME_TYPE, 2, {0x19FE30F0, 0x119C00F0}},
    {"MOVE", SIG_SAME_TYPE, 2, {0x1DFE30FE, 0x1DFE40FE}},
    {"MUL", SIG_SAME_TYPE, 2, {0x19FE30F0, 0x119C00F0}},
    {"NE", SIG_SAME_TYPE, 2, {0x1DFE30F2, 0x1DFE30F2}},
    {"NOT", SIG_INDEPENDENT, 1, {0x19E208E}},
    {"OR", SIG_SAME_TYPE, 2, {0x19E308E, 0x19C408E}},
    {"ORN", SIG_SAME_TYPE, 2, {0x19E308E, 0x19C408E}},
    {"RCV", SIG_INDEPENDENT, 2, {0x804082, 0x3090}},
    {"READ_RTC", SIG_INDEPENDENT, 1, {0x1884082}},
    {"ROL", SIG_SHIFT_BLOCK, 2, {0x19C408E, 0x19E3082}},
    {"ROR", SIG_SHIFT_BLOCK, 2, {0x19C408E, 0x19E3082}},
    {"R_TO_DI", SIG_INDEPENDENT, 2, {0x18030C0, 0x19C40A0}},
    {"SET_RTC", SIG_INDEPENDENT, 1, {0x1884082}},
    {"SHL", SIG_SHIFT_BLOCK, 2, {0x19C408E, 0x19E3082}},
    {"SHR", SIG_SHIFT_BLOCK, 2, {0x19C408E, 0x19E3082}},
    {"SUB", SIG_SAME_TYPE, 2, {0x1DFE30F0, 0x119C00F0}},
    {"TOF", SIG_INDEPENDENT, 2, {0x202010, 0x199A3090}},
    {"TON", SIG_INDEPENDENT, 2, {0x202010, 0x199A3090}},
    {"TP", SIG_INDEPENDENT, 2, {0x202010, 0x199A3090}},
    {"XMT", SIG_INDEPENDENT, 2, {0x802882, 0x3010}},
    {"XOR", SIG_SAME_TYPE, 2, {0x19E308E, 0x19C008E}},
};

namespace {

// A mask shares something with a slot when they have a common area, the constant bit
// or the any-type bit.
const OperandDescriptor SIGNATURE_SHARED_BITS = 0xFFFE1080;
const OperandDescriptor ALL_DATA_TYPES = 0x7F;

// Narrows the listed masks (0-based operand indexes) to their common types; false when
// they have none.
bool NarrowToCommonTypes(InstructionSignature& query, const int* operands, int operandCount) {
    OperandDescriptor common = ~OperandDescriptor(0);
    for (int i = 0; i < operandCount; ++i)
        common &= query.masks[operands[i]];
    if (common == 0)
        return false;
    for (int i = 0; i < operandCount; ++i)
        query.masks[operands[i]] = common;
    return true;
}

}  // namespace

int FindInstructionSignature(InstructionSignature& query) {
    int low = 0;
    int high = INSTRUCTION_SIGNATURE_COUNT - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const InstructionSignature& row = InstructionSignatureTable[middle];
        const int order = std::strcmp(query.name, row.name);
        if (order == 0)
            return MatchSignature(row, query) ? UnifySignature(row, query) : 0;
        if (order < 0)
            high = middle - 1;
        else
            low = middle + 1;
    }
    return 0;
}

int MatchSignature(const InstructionSignature& row, InstructionSignature& query) {
    if (query.operandCount != row.operandCount)
        return 0;
    query.kind = row.kind;
    for (int k = 0; k < row.operandCount; ++k) {
        const OperandDescriptor common = row.masks[k] & query.masks[k];
        if (!(common & SIGNATURE_SHARED_BITS) || !(common & OD_TYPE_MASK))
            return 0;
        query.masks[k] = ((common & OD_TYPE_MASK) == OD_POINTER) ? (row.masks[k] & ALL_DATA_TYPES)
                                                                  : (common & OD_TYPE_MASK);
    }
    return 1;
}

int UnifySignature(const InstructionSignature& row, InstructionSignature& query) {
    static const int allOperands[] = {0, 1, 2, 3, 4};
    static const int blockOperands[] = {0, 2, 3, 4};  // the second operand keeps its own types
    const int count = query.operandCount;
    switch (row.kind) {
    case SIG_INDEPENDENT:
        return 1;
    case SIG_SAME_TYPE:
        if (count < 2 || count > SIGNATURE_MAX_OPERANDS)
            return 1;
        return NarrowToCommonTypes(query, allOperands, count);
    case SIG_SHIFT_BLOCK:
        if (count == 3)
            return NarrowToCommonTypes(query, allOperands, 2);
        if (count == 4 || count == 5)
            return NarrowToCommonTypes(query, blockOperands, count - 1);
        return 1;
    default:
        return 0;
    }
}
