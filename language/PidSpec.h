#pragma once
#include "language/OperandDescriptor.h"

// The PID instruction takes more operands than an instruction-table row holds, so it
// has a record of its own. Its slots are the catalogue's PID pins without EN and ENO.
const int PID_OPERAND_COUNT = 14;

struct PidSpec {
    const char* mnemonic;
    const char* matchName;
    const char* variantName;
    WORD flag;
    WORD opcode;
    int operandCount;
    OperandDescriptor slots[PID_OPERAND_COUNT];
    BYTE enabled;
    DWORD cpuMask;
};

extern const PidSpec PidInstruction;

// Checks a PID statement's operands (the query's count and descriptors). False with the
// result untouched when the count is not 14 or the CPU class has no PID; -1 for another
// name; the first uncovered operand (1-14); 0 and true when all fit.
bool CheckPidOperands(const char* name, const PidSpec& query, int& result);
