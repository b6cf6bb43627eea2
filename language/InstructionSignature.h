#pragma once
#include "language/OperandDescriptor.h"

// Operand-type rules for statements whose operands may be untyped pointers. In a mask
// 0x80 means "any type of this slot" and 0x1000 that a constant may stand there.
enum SignatureKind {
    SIG_SAME_TYPE = 1,    // all operands share one data type
    SIG_INDEPENDENT = 2,  // operands are typed independently
    SIG_SHIFT_BLOCK = 3,  // shift, rotate and block move
};

const int SIGNATURE_MAX_OPERANDS = 5;

struct InstructionSignature {
    const char* name;
    int kind;
    int operandCount;
    OperandDescriptor masks[SIGNATURE_MAX_OPERANDS];
};

// Sorted by name in byte order; the search relies on it.
const int INSTRUCTION_SIGNATURE_COUNT = 38;
extern const InstructionSignature InstructionSignatureTable[INSTRUCTION_SIGNATURE_COUNT];

// The caller fills name, operand count and one mask per operand (its descriptor, or
// 0x80 alone for an untyped pointer). On success the kind is filled and every mask is
// narrowed to the types the operand may have. Returns 0 or 1.
int FindInstructionSignature(InstructionSignature& query);
int MatchSignature(const InstructionSignature& row, InstructionSignature& query);
int UnifySignature(const InstructionSignature& row, InstructionSignature& query);
