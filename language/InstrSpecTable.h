#pragma once
#include "language/OperandDescriptor.h"

// One overload of an instruction as the compiler sees it: its opcode in the compiled
// program and the operand slots it accepts. The mnemonic is what the compiler and the
// source rebuilder use, the match name what the editors resolve (empty in rows the
// compiler writes itself), the variant name the overload's own name.
const int INSTR_MAX_OPERANDS = 6;

struct InstrSpec {
    const char* mnemonic;
    const char* matchName;
    const char* variantName;
    WORD flag;
    WORD opcode;
    int operandCount;
    OperandDescriptor slots[INSTR_MAX_OPERANDS];
    BYTE enabled;
    DWORD cpuMask;
};

const int INSTR_SPEC_COUNT = 276;
extern const InstrSpec InstrSpecTable[INSTR_SPEC_COUNT];

// Compiler resolution: the first row (in table order, which is the tie-break) that has
// the name as any of its three names, exists on the current CPU class, takes as many
// operands as the query and whose slots cover the query's operand descriptors. The name
// is compared unchanged.
bool ResolveILInstruction(const char* name, const InstrSpec& query, InstrSpec& record);

// Editor resolution: the name is upper-cased and compared with the match names, and an
// operand must also fit the slot's direction. On success the row replaces the record.
// On failure the error index is the operand (1-6) that the candidates failed at, or -1
// when no row had the name, the CPU class and the operand count.
bool ResolveInstruction(const char* name, InstrSpec& record, int& errorIndex);

// The first enabled row with the name as any of its names, whatever the CPU class.
bool FindInstrSpec(const char* name, InstrSpec& record);

bool IsInstructionName(const char* name);

// Keywords and instruction match names of the current CPU class, enabled or not.
bool IsReservedWord(const char* name);

// False for the instructions that start or belong to a rung's logic.
bool IsNonLogicInstruction(const char* mnemonic);
