#pragma once
#include "language/OperandDescriptor.h"

// The editors' view of the instruction set: one record per element or box the user can
// place, with its pins and the instruction-tree group that files it. The compiler's
// overload table is separate; the two meet only by instruction name.

enum InstrKind {
    INSTR_IL_STATEMENT = 0,  // IL tree only
    INSTR_CONTACT = 1,
    INSTR_COIL = 2,
    INSTR_FUNCTION = 3,
    INSTR_FUNCTION_BLOCK = 4,
};

enum InstrGroup {
    GROUP_BIT_LOGIC = 0,
    GROUP_MOVE_FILL = 1,
    GROUP_COMPARE = 2,
    GROUP_BITWISE = 3,
    GROUP_SHIFT = 4,
    GROUP_CONVERSION = 5,
    GROUP_ARITHMETIC = 6,
    GROUP_PROGRAM_CONTROL = 7,
    GROUP_CLOCK = 8,
    GROUP_FREE_PORT = 9,
    GROUP_COUNTER = 10,
    GROUP_INTERRUPT = 11,
    GROUP_TIMER = 12,
    GROUP_PID = 13,
    GROUP_MOVE = 14,
    GROUP_OTHER = 15,  // exchange, block shifts, high-speed counter and pulse output, maths
};

// Pin descriptors: inputs read (0x2000) from a readable area (0x8000), and accept a
// constant when they carry 0x1000; outputs write (0x4000) to a writable area (0x10000).
// A pin with the read bit goes to a block's inputs, every other pin to its outputs.
const OperandDescriptor PIN_EN = 0x61FEA001;   // BOOL from I Q M SM T C V L RS SR
const OperandDescriptor PIN_ENO = 0x019D4001;  // BOOL to Q M SM V L
const OperandDescriptor PIN_CONTACT = 0x61FEB001;
const OperandDescriptor PIN_COIL = 0x019D4001;
const OperandDescriptor PIN_IMMEDIATE_CONTACT = 0x0002A001;  // BOOL read straight from I
const OperandDescriptor PIN_IMMEDIATE_COIL = 0x00054001;     // BOOL written straight to Q
const OperandDescriptor PIN_LABEL = 0x400;

const int INSTR_MAX_PINS = 17;

struct InstrPin {
    const char* name;  // empty for the operand of a contact or coil
    OperandDescriptor descriptor;
};

struct InstrDesc {
    const char* name;  // the ladder symbol of contacts and coils ("-| |-"), else the instruction
    int kind;
    int group;
    int pinCount;
    InstrPin pins[INSTR_MAX_PINS];
    int shown;  // 0: listed, but offered nowhere
    const char* description;
};

// The ladder catalogue that the workspace loads its maps from (shown records only).
const int LADDER_CATALOGUE_COUNT = 97;
extern const InstrDesc LadderInstrCatalogue[LADDER_CATALOGUE_COUNT];

// The entries of the IL instruction tree, in tree order. Boxes are the ladder records
// with the IL tree's groups.
const int IL_TREE_TABLE_COUNT = 107;
extern const InstrDesc ILInstrTreeTable[IL_TREE_TABLE_COUNT];
