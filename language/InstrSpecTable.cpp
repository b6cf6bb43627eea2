#include "language/InstrSpecTable.h"

#include "language/CpuClassSource.h"
#include "language/KeywordTable.h"
#include "language/LanguageText.h"
#include "language/TableIndex.h"

#include <cstring>

namespace {

const OperandDescriptor MEM_BOOL = 0xE1FE2801;       // I Q M SM T C V L RS SR BR
const OperandDescriptor COUNTER_INPUT = 0x61FE2801;  // I Q M SM T C V L RS SR
const OperandDescriptor CONST_BOOL = 0x3001;
const OperandDescriptor OUT_BOOL = 0x819C4801;       // Q M SM V L BR
const OperandDescriptor SET_BOOL = 0x019C4801;       // Q M SM V L

const OperandDescriptor MEM_BYTE = 0x019E2802;
const OperandDescriptor MEM_WORD = 0x019E2804;
const OperandDescriptor MEM_DWORD = 0x019E2808;
const OperandDescriptor MEM_INT = 0x19FE2810;
const OperandDescriptor MEM_DINT = 0x059E2820;
const OperandDescriptor MEM_REAL = 0x01802840;

const OperandDescriptor INOUT_BYTE = 0x019C6802;
const OperandDescriptor INOUT_WORD = 0x019C6804;
const OperandDescriptor INOUT_DWORD = 0x019C6808;
const OperandDescriptor INOUT_INT = 0x119C6810;
const OperandDescriptor INOUT_DINT = 0x019C6820;
const OperandDescriptor INOUT_REAL = 0x01806840;

const OperandDescriptor OUT_BYTE = 0x019C4802;
const OperandDescriptor OUT_WORD = 0x019C4804;
const OperandDescriptor OUT_DWORD = 0x019C4808;
const OperandDescriptor OUT_INT = 0x119C4810;
const OperandDescriptor OUT_DINT = 0x019C4820;
const OperandDescriptor OUT_REAL = 0x01804840;

const OperandDescriptor CONST_BYTE = OD_SLOT_READ_CONSTANT | OD_BYTE;
const OperandDescriptor CONST_WORD = OD_SLOT_READ_CONSTANT | OD_WORD;
const OperandDescriptor CONST_DWORD = OD_SLOT_READ_CONSTANT | OD_DWORD;
const OperandDescriptor CONST_INT = OD_SLOT_READ_CONSTANT | OD_INT;
const OperandDescriptor CONST_DINT = OD_SLOT_READ_CONSTANT | OD_DINT;
const OperandDescriptor CONST_REAL = OD_SLOT_READ_CONSTANT | OD_REAL;

const OperandDescriptor COUNTER = 0x00402810;
const OperandDescriptor TIMER = 0x00202810;
const OperandDescriptor PRESET = 0x199A2810;         // I M SM V L AI AQ
const OperandDescriptor RTC_BUFFER_IN = 0x01882802;  // M V L
const OperandDescriptor RTC_BUFFER_OUT = 0x01884802;
const OperandDescriptor XMT_TABLE = 0x00802802;
const OperandDescriptor RCV_TABLE = 0x00804802;
const OperandDescriptor LABEL = OD_SLOT_LABEL;

}  // namespace

// Compare rows: per mnemonic and type, the forms (mem, mem), (mem, const), (const, mem),
// (const, const) with opcode = base + 4 * type index + form index.
const InstrSpec InstrSpecTable[INSTR_SPEC_COUNT] = {
    {"__SMW32", "__SMW32", "__SMW32", 0, 0x139, 1, {CONST_INT}, 1, CPU_MASK_ALL},  // 0
    {"__LD", "", "", 0, 0x01, 1, {MEM_BOOL}, 1, CPU_MASK_NONE},  // 1
    {"__LD", "", "", 0, 0x02, 1, {MEM_BOOL}, 1, CPU_MASK_NONE},  // 2
    {"LD", "LD", "LD", 0, 0x09, 1, {MEM_BOOL}, 1, CPU_MASK_ALL},  // 3
    {"LD", "LD", "LD_BOOL", 0, 0x09, 1, {MEM_BOOL}, 1, CPU_MASK_ALL},  // 4
    {"LDN", "LDN", "LDN_BOOL", 0, 0x0C, 1, {MEM_BOOL}, 1, CPU_MASK_ALL},  // 5
    {"__LD", "", "", 0, 0x00, 1, {CONST_BOOL}, 1, CPU_MASK_NONE},  // 6
    {"LD", "LD", "LD_CON_7", 0, 0x0B, 1, {CONST_BOOL}, 1, CPU_MASK_ALL},  // 7
    {"ST", "ST", "ST", 1, 0x1C, 1, {OUT_BOOL}, 1, CPU_MASK_ALL},  // 8
    {"ST", "ST", "ST_BOOL", 1, 0x1C, 1, {OUT_BOOL}, 1, CPU_MASK_ALL},  // 9
    {"NOT", "NOT", "NOT_2", 0, 0x45, 1, {INOUT_BYTE}, 1, CPU_MASK_ALL},  // 10
    {"NOT", "NOT", "NOT_2", 0, 0x46, 1, {INOUT_WORD}, 1, CPU_MASK_ALL},  // 11
    {"NOT", "NOT", "NOT_2", 0, 0x47, 1, {INOUT_DWORD}, 1, CPU_MASK_ALL},  // 12
    {"R_TRIG", "R_TRIG", "R_TRIG", 0, 0x14, 0, {}, 1, CPU_MASK_ALL},  // 13
    {"F_TRIG", "F_TRIG", "F_TRIG", 0, 0x15, 0, {}, 1, CPU_MASK_ALL},  // 14
    {"S", "S", "S", 0, 0x17, 1, {SET_BOOL}, 1, CPU_MASK_ALL},  // 15
    {"R", "R", "R", 0, 0x19, 1, {SET_BOOL}, 1, CPU_MASK_ALL},  // 16
    {")", ")", ")", 0, 0xCA, 0, {}, 1, CPU_MASK_ALL},  // 17
    {"OR(", "OR(", "OR(", 0, 0xCB, 0, {}, 1, CPU_MASK_ALL},  // 18
    {"AND(", "AND(", "AND(", 0, 0xCC, 0, {}, 1, CPU_MASK_ALL},  // 19
    {"AND", "AND", "AND", 1, 0x22, 1, {MEM_BOOL}, 1, CPU_MASK_ALL},  // 20
    {"AND", "AND", "AND_BOOL", 1, 0x22, 1, {MEM_BOOL}, 1, CPU_MASK_ALL},  // 21
    {"ANDN", "ANDN", "ANDN_BOOL", 1, 0x29, 1, {MEM_BOOL}, 1, CPU_MASK_ALL},  // 22
    {"AND", "AND", "AND_2", 0, 0x24, 2, {MEM_BYTE, INOUT_BYTE}, 1, CPU_MASK_ALL},  // 23
    {"AND", "AND", "AND_2", 0, 0x23, 2, {CONST_BYTE, INOUT_BYTE}, 1, CPU_MASK_ALL},  // 24
    {"AND", "AND", "AND_2", 0, 0x26, 2, {MEM_WORD, INOUT_WORD}, 1, CPU_MASK_ALL},  // 25
    {"AND", "AND", "AND_2", 0, 0x25, 2, {CONST_WORD, INOUT_WORD}, 1, CPU_MASK_ALL},  // 26
    {"AND", "AND", "AND_2", 0, 0x28, 2, {MEM_DWORD, INOUT_DWORD}, 1, CPU_MASK_ALL},  // 27
    {"AND", "AND", "AND_2", 0, 0x27, 2, {CONST_DWORD, INOUT_DWORD}, 1, CPU_MASK_ALL},  // 28
    {"ANDN", "ANDN", "ANDN_2", 0, 0x2B, 2, {MEM_BYTE, INOUT_BYTE}, 1, CPU_MASK_ALL},  // 29
    {"ANDN", "ANDN", "ANDN_2", 0, 0x2A, 2, {CONST_BYTE, INOUT_BYTE}, 1, CPU_MASK_ALL},  // 30
    {"ANDN", "ANDN", "ANDN_2", 0, 0x2D, 2, {MEM_WORD, INOUT_WORD}, 1, CPU_MASK_ALL},  // 31
    {"ANDN", "ANDN", "ANDN_2", 0, 0x2C, 2, {CONST_WORD, INOUT_WORD}, 1, CPU_MASK_ALL},  // 32
    {"ANDN", "ANDN", "ANDN_2", 0, 0x2F, 2, {MEM_DWORD, INOUT_DWORD}, 1, CPU_MASK_ALL},  // 33
    {"ANDN", "ANDN", "ANDN_2", 0, 0x2E, 2, {CONST_DWORD, INOUT_DWORD}, 1, CPU_MASK_ALL},  // 34
    {"OR", "OR", "OR", 1, 0x30, 1, {MEM_BOOL}, 1, CPU_MASK_ALL},  // 35
    {"OR", "OR", "OR_BOOL", 1, 0x30, 1, {MEM_BOOL}, 1, CPU_MASK_ALL},  // 36
    {"ORN", "ORN", "ORN_BOOL", 1, 0x37, 1, {MEM_BOOL}, 1, CPU_MASK_ALL},  // 37
    {"OR", "OR", "OR_2", 0, 0x32, 2, {MEM_BYTE, INOUT_BYTE}, 1, CPU_MASK_ALL},  // 38
    {"OR", "OR", "OR_2", 0, 0x31, 2, {CONST_BYTE, INOUT_BYTE}, 1, CPU_MASK_ALL},  // 39
    {"OR", "OR", "OR_2", 0, 0x34, 2, {MEM_WORD, INOUT_WORD}, 1, CPU_MASK_ALL},  // 40
    {"OR", "OR", "OR_2", 0, 0x33, 2, {CONST_WORD, INOUT_WORD}, 1, CPU_MASK_ALL},  // 41
    {"OR", "OR", "OR_2", 0, 0x36, 2, {MEM_DWORD, INOUT_DWORD}, 1, CPU_MASK_ALL},  // 42
    {"OR", "OR", "OR_2", 0, 0x35, 2, {CONST_DWORD, INOUT_DWORD}, 1, CPU_MASK_ALL},  // 43
    {"ORN", "ORN", "ORN_2", 0, 0x39, 2, {MEM_BYTE, INOUT_BYTE}, 1, CPU_MASK_ALL},  // 44
    {"ORN", "ORN", "ORN_2", 0, 0x38, 2, {CONST_BYTE, INOUT_BYTE}, 1, CPU_MASK_ALL},  // 45
    {"ORN", "ORN", "ORN_2", 0, 0x3B, 2, {MEM_WORD, INOUT_WORD}, 1, CPU_MASK_ALL},  // 46
    {"ORN", "ORN", "ORN_2", 0, 0x3A, 2, {CONST_WORD, INOUT_WORD}, 1, CPU_MASK_ALL},  // 47
    {"ORN", "ORN", "ORN_2", 0, 0x3D, 2, {MEM_DWORD, INOUT_DWORD}, 1, CPU_MASK_ALL},  // 48
    {"ORN", "ORN", "ORN_2", 0, 0x3C, 2, {CONST_DWORD, INOUT_DWORD}, 1, CPU_MASK_ALL},  // 49
    {"XOR", "XOR", "XOR_2", 0, 0x40, 2, {MEM_BYTE, INOUT_BYTE}, 1, CPU_MASK_ALL},  // 50
    {"XOR", "XOR", "XOR_2", 0, 0x3F, 2, {CONST_BYTE, INOUT_BYTE}, 1, CPU_MASK_ALL},  // 51
    {"XOR", "XOR", "XOR_2", 0, 0x42, 2, {MEM_WORD, INOUT_WORD}, 1, CPU_MASK_ALL},  // 52
    {"XOR", "XOR", "XOR_2", 0, 0x41, 2, {CONST_WORD, INOUT_WORD}, 1, CPU_MASK_ALL},  // 53
    {"XOR", "XOR", "XOR_2", 0, 0x44, 2, {MEM_DWORD, INOUT_DWORD}, 1, CPU_MASK_ALL},  // 54
    {"XOR", "XOR", "XOR_2", 0, 0x43, 2, {CONST_DWORD, INOUT_DWORD}, 1, CPU_MASK_ALL},  // 55
    {"ADD", "ADD", "ADD_INT", 0, 0x49, 2, {MEM_INT, INOUT_INT}, 1, CPU_MASK_ALL},  // 56
    {"ADD", "ADD", "ADD_INT", 0, 0x48, 2, {CONST_INT, INOUT_INT}, 1, CPU_MASK_ALL},  // 57
    {"ADD", "ADD", "ADD_DINT", 0, 0x4B, 2, {MEM_DINT, INOUT_DINT}, 1, CPU_MASK_ALL},  // 58
    {"ADD", "ADD", "ADD_DINT", 0, 0x4A, 2, {CONST_DINT, INOUT_DINT}, 1, CPU_MASK_ALL},  // 59
    {"ADD", "ADD", "ADD_REAL", 0, 0x4D, 2, {MEM_REAL, INOUT_REAL}, 1, CPU_MASK_ALL},  // 60
    {"ADD", "ADD", "ADD_REAL", 0, 0x4C, 2, {CONST_REAL, INOUT_REAL}, 1, CPU_MASK_ALL},  // 61
    {"SUB", "SUB", "SUB_INT", 0, 0x4F, 2, {MEM_INT, INOUT_INT}, 1, CPU_MASK_ALL},  // 62
    {"SUB", "SUB", "SUB_INT", 0, 0x4E, 2, {CONST_INT, INOUT_INT}, 1, CPU_MASK_ALL},  // 63
    {"SUB", "SUB", "SUB_DINT", 0, 0x51, 2, {MEM_DINT, INOUT_DINT}, 1, CPU_MASK_ALL},  // 64
    {"SUB", "SUB", "SUB_DINT", 0, 0x50, 2, {CONST_DINT, INOUT_DINT}, 1, CPU_MASK_ALL},  // 65
    {"SUB", "SUB", "SUB_REAL", 0, 0x53, 2, {MEM_REAL, INOUT_REAL}, 1, CPU_MASK_ALL},  // 66
    {"SUB", "SUB", "SUB_REAL", 0, 0x52, 2, {CONST_REAL, INOUT_REAL}, 1, CPU_MASK_ALL},  // 67
    {"MUL", "MUL", "MUL_INT", 0, 0x55, 2, {MEM_INT, INOUT_INT}, 1, CPU_MASK_ALL},  // 68
    {"MUL", "MUL", "MUL_INT", 0, 0x54, 2, {CONST_INT, INOUT_INT}, 1, CPU_MASK_ALL},  // 69
    {"MUL", "MUL", "MUL_DINT", 0, 0x57, 2, {MEM_DINT, INOUT_DINT}, 1, CPU_MASK_ALL},  // 70
    {"MUL", "MUL", "MUL_DINT", 0, 0x56, 2, {CONST_DINT, INOUT_DINT}, 1, CPU_MASK_ALL},  // 71
    {"MUL", "MUL", "MUL_REAL", 0, 0x59, 2, {MEM_REAL, INOUT_REAL}, 1, CPU_MASK_ALL},  // 72
    {"MUL", "MUL", "MUL_REAL", 0, 0x58, 2, {CONST_REAL, INOUT_REAL}, 1, CPU_MASK_ALL},  // 73
    {"DIV", "DIV", "DIV_INT", 0, 0x5B, 2, {MEM_INT, INOUT_INT}, 1, CPU_MASK_ALL},  // 74
    {"DIV", "DIV", "DIV_INT", 0, 0x5A, 2, {CONST_INT, INOUT_INT}, 1, CPU_MASK_ALL},  // 75
    {"DIV", "DIV", "DIV_DINT", 0, 0x5D, 2, {MEM_DINT, INOUT_DINT}, 1, CPU_MASK_ALL},  // 76
    {"DIV", "DIV", "DIV_DINT", 0, 0x5C, 2, {CONST_DINT, INOUT_DINT}, 1, CPU_MASK_ALL},  // 77
    {"DIV", "DIV", "DIV_REAL", 0, 0x5F, 2, {MEM_REAL, INOUT_REAL}, 1, CPU_MASK_ALL},  // 78
    {"DIV", "DIV", "DIV_REAL", 0, 0x5E, 2, {CONST_REAL, INOUT_REAL}, 1, CPU_MASK_ALL},  // 79
    {"MOD", "MOD", "MOD_INT", 0, 0x61, 2, {MEM_INT, INOUT_INT}, 1, CPU_MASK_ALL},  // 80
    {"MOD", "MOD", "MOD_INT", 0, 0x60, 2, {CONST_INT, INOUT_INT}, 1, CPU_MASK_ALL},  // 81
    {"MOD", "MOD", "MOD_DINT", 0, 0x63, 2, {MEM_DINT, INOUT_DINT}, 1, CPU_MASK_ALL},  // 82
    {"MOD", "MOD", "MOD_DINT", 0, 0x62, 2, {CONST_DINT, INOUT_DINT}, 1, CPU_MASK_ALL},  // 83
    {"SHL", "SHL", "SHL_BYTE", 0, 0xCE, 2, {INOUT_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 84
    {"SHL", "SHL", "SHL_BYTE", 0, 0xCD, 2, {INOUT_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 85
    {"SHL", "SHL", "SHL_WORD", 0, 0xD0, 2, {INOUT_WORD, MEM_BYTE}, 1, CPU_MASK_ALL},  // 86
    {"SHL", "SHL", "SHL_WORD", 0, 0xCF, 2, {INOUT_WORD, CONST_BYTE}, 1, CPU_MASK_ALL},  // 87
    {"SHL", "SHL", "SHL_DWORD", 0, 0xD2, 2, {INOUT_DWORD, MEM_BYTE}, 1, CPU_MASK_ALL},  // 88
    {"SHL", "SHL", "SHL_DWORD", 0, 0xD1, 2, {INOUT_DWORD, CONST_BYTE}, 1, CPU_MASK_ALL},  // 89
    {"SHR", "SHR", "SHR_BYTE", 0, 0xD4, 2, {INOUT_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 90
    {"SHR", "SHR", "SHR_BYTE", 0, 0xD3, 2, {INOUT_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 91
    {"SHR", "SHR", "SHR_WORD", 0, 0xD6, 2, {INOUT_WORD, MEM_BYTE}, 1, CPU_MASK_ALL},  // 92
    {"SHR", "SHR", "SHR_WORD", 0, 0xD5, 2, {INOUT_WORD, CONST_BYTE}, 1, CPU_MASK_ALL},  // 93
    {"SHR", "SHR", "SHR_DWORD", 0, 0xD8, 2, {INOUT_DWORD, MEM_BYTE}, 1, CPU_MASK_ALL},  // 94
    {"SHR", "SHR", "SHR_DWORD", 0, 0xD7, 2, {INOUT_DWORD, CONST_BYTE}, 1, CPU_MASK_ALL},  // 95
    {"ROR", "ROR", "ROR_BYTE", 0, 0xDA, 2, {INOUT_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 96
    {"ROR", "ROR", "ROR_BYTE", 0, 0xD9, 2, {INOUT_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 97
    {"ROR", "ROR", "ROR_WORD", 0, 0xDC, 2, {INOUT_WORD, MEM_BYTE}, 1, CPU_MASK_ALL},  // 98
    {"ROR", "ROR", "ROR_WORD", 0, 0xDB, 2, {INOUT_WORD, CONST_BYTE}, 1, CPU_MASK_ALL},  // 99
    {"ROR", "ROR", "ROR_DWORD", 0, 0xDE, 2, {INOUT_DWORD, MEM_BYTE}, 1, CPU_MASK_ALL},  // 100
    {"ROR", "ROR", "ROR_DWORD", 0, 0xDD, 2, {INOUT_DWORD, CONST_BYTE}, 1, CPU_MASK_ALL},  // 101
    {"ROL", "ROL", "ROL_BYTE", 0, 0xE0, 2, {INOUT_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 102
    {"ROL", "ROL", "ROL_BYTE", 0, 0xDF, 2, {INOUT_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 103
    {"ROL", "ROL", "ROL_WORD", 0, 0xE2, 2, {INOUT_WORD, MEM_BYTE}, 1, CPU_MASK_ALL},  // 104
    {"ROL", "ROL", "ROL_WORD", 0, 0xE1, 2, {INOUT_WORD, CONST_BYTE}, 1, CPU_MASK_ALL},  // 105
    {"ROL", "ROL", "ROL_DWORD", 0, 0xE4, 2, {INOUT_DWORD, MEM_BYTE}, 1, CPU_MASK_ALL},  // 106
    {"ROL", "ROL", "ROL_DWORD", 0, 0xE3, 2, {INOUT_DWORD, CONST_BYTE}, 1, CPU_MASK_ALL},  // 107
    {"INC", "INC", "INC_BYTE", 0, 0x64, 1, {INOUT_BYTE}, 1, CPU_MASK_ALL},  // 108
    {"INC", "INC", "INC_INT", 0, 0x65, 1, {INOUT_INT}, 1, CPU_MASK_ALL},  // 109
    {"INC", "INC", "INC_DINT", 0, 0x66, 1, {INOUT_DINT}, 1, CPU_MASK_ALL},  // 110
    {"DEC", "DEC", "DEC_BYTE", 0, 0x67, 1, {INOUT_BYTE}, 1, CPU_MASK_ALL},  // 111
    {"DEC", "DEC", "DEC_INT", 0, 0x68, 1, {INOUT_INT}, 1, CPU_MASK_ALL},  // 112
    {"DEC", "DEC", "DEC_DINT", 0, 0x69, 1, {INOUT_DINT}, 1, CPU_MASK_ALL},  // 113
    {"GT", "GT", "GT_BYTE", 0, 0x6A, 2, {MEM_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 114
    {"GT", "GT", "GT_BYTE", 0, 0x6B, 2, {MEM_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 115
    {"GT", "GT", "GT_BYTE", 0, 0x6C, 2, {CONST_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 116
    {"GT", "GT", "GT_BYTE", 0, 0x6D, 2, {CONST_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 117
    {"GT", "GT", "GT_INT", 0, 0x6E, 2, {MEM_INT, MEM_INT}, 1, CPU_MASK_ALL},  // 118
    {"GT", "GT", "GT_INT", 0, 0x6F, 2, {MEM_INT, CONST_INT}, 1, CPU_MASK_ALL},  // 119
    {"GT", "GT", "GT_INT", 0, 0x70, 2, {CONST_INT, MEM_INT}, 1, CPU_MASK_ALL},  // 120
    {"GT", "GT", "GT_INT", 0, 0x71, 2, {CONST_INT, CONST_INT}, 1, CPU_MASK_ALL},  // 121
    {"GT", "GT", "GT_DINT", 0, 0x72, 2, {MEM_DINT, MEM_DINT}, 1, CPU_MASK_ALL},  // 122
    {"GT", "GT", "GT_DINT", 0, 0x73, 2, {MEM_DINT, CONST_DINT}, 1, CPU_MASK_ALL},  // 123
    {"GT", "GT", "GT_DINT", 0, 0x74, 2, {CONST_DINT, MEM_DINT}, 1, CPU_MASK_ALL},  // 124
    {"GT", "GT", "GT_DINT", 0, 0x75, 2, {CONST_DINT, CONST_DINT}, 1, CPU_MASK_ALL},  // 125
    {"GT", "GT", "GT_REAL", 0, 0x76, 2, {MEM_REAL, MEM_REAL}, 1, CPU_MASK_ALL},  // 126
    {"GT", "GT", "GT_REAL", 0, 0x77, 2, {MEM_REAL, CONST_REAL}, 1, CPU_MASK_ALL},  // 127
    {"GT", "GT", "GT_REAL", 0, 0x78, 2, {CONST_REAL, MEM_REAL}, 1, CPU_MASK_ALL},  // 128
    {"GT", "GT", "GT_REAL", 0, 0x79, 2, {CONST_REAL, CONST_REAL}, 1, CPU_MASK_ALL},  // 129
    {"GE", "GE", "GE_BYTE", 0, 0x7A, 2, {MEM_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 130
    {"GE", "GE", "GE_BYTE", 0, 0x7B, 2, {MEM_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 131
    {"GE", "GE", "GE_BYTE", 0, 0x7C, 2, {CONST_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 132
    {"GE", "GE", "GE_BYTE", 0, 0x7D, 2, {CONST_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 133
    {"GE", "GE", "GE_INT", 0, 0x7E, 2, {MEM_INT, MEM_INT}, 1, CPU_MASK_ALL},  // 134
    {"GE", "GE", "GE_INT", 0, 0x7F, 2, {MEM_INT, CONST_INT}, 1, CPU_MASK_ALL},  // 135
    {"GE", "GE", "GE_INT", 0, 0x80, 2, {CONST_INT, MEM_INT}, 1, CPU_MASK_ALL},  // 136
    {"GE", "GE", "GE_INT", 0, 0x81, 2, {CONST_INT, CONST_INT}, 1, CPU_MASK_ALL},  // 137
    {"GE", "GE", "GE_DINT", 0, 0x82, 2, {MEM_DINT, MEM_DINT}, 1, CPU_MASK_ALL},  // 138
    {"GE", "GE", "GE_DINT", 0, 0x83, 2, {MEM_DINT, CONST_DINT}, 1, CPU_MASK_ALL},  // 139
    {"GE", "GE", "GE_DINT", 0, 0x84, 2, {CONST_DINT, MEM_DINT}, 1, CPU_MASK_ALL},  // 140
    {"GE", "GE", "GE_DINT", 0, 0x85, 2, {CONST_DINT, CONST_DINT}, 1, CPU_MASK_ALL},  // 141
    {"GE", "GE", "GE_REAL", 0, 0x86, 2, {MEM_REAL, MEM_REAL}, 1, CPU_MASK_ALL},  // 142
    {"GE", "GE", "GE_REAL", 0, 0x87, 2, {MEM_REAL, CONST_REAL}, 1, CPU_MASK_ALL},  // 143
    {"GE", "GE", "GE_REAL", 0, 0x88, 2, {CONST_REAL, MEM_REAL}, 1, CPU_MASK_ALL},  // 144
    {"GE", "GE", "GE_REAL", 0, 0x89, 2, {CONST_REAL, CONST_REAL}, 1, CPU_MASK_ALL},  // 145
    {"EQ", "EQ", "EQ_BYTE", 0, 0x8A, 2, {MEM_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 146
    {"EQ", "EQ", "EQ_BYTE", 0, 0x8B, 2, {MEM_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 147
    {"EQ", "EQ", "EQ_BYTE", 0, 0x8C, 2, {CONST_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 148
    {"EQ", "EQ", "EQ_BYTE", 0, 0x8D, 2, {CONST_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 149
    {"EQ", "EQ", "EQ_INT", 0, 0x8E, 2, {MEM_INT, MEM_INT}, 1, CPU_MASK_ALL},  // 150
    {"EQ", "EQ", "EQ_INT", 0, 0x8F, 2, {MEM_INT, CONST_INT}, 1, CPU_MASK_ALL},  // 151
    {"EQ", "EQ", "EQ_INT", 0, 0x90, 2, {CONST_INT, MEM_INT}, 1, CPU_MASK_ALL},  // 152
    {"EQ", "EQ", "EQ_INT", 0, 0x91, 2, {CONST_INT, CONST_INT}, 1, CPU_MASK_ALL},  // 153
    {"EQ", "EQ", "EQ_DINT", 0, 0x92, 2, {MEM_DINT, MEM_DINT}, 1, CPU_MASK_ALL},  // 154
    {"EQ", "EQ", "EQ_DINT", 0, 0x93, 2, {MEM_DINT, CONST_DINT}, 1, CPU_MASK_ALL},  // 155
    {"EQ", "EQ", "EQ_DINT", 0, 0x94, 2, {CONST_DINT, MEM_DINT}, 1, CPU_MASK_ALL},  // 156
    {"EQ", "EQ", "EQ_DINT", 0, 0x95, 2, {CONST_DINT, CONST_DINT}, 1, CPU_MASK_ALL},  // 157
    {"EQ", "EQ", "EQ_REAL", 0, 0x96, 2, {MEM_REAL, MEM_REAL}, 1, CPU_MASK_ALL},  // 158
    {"EQ", "EQ", "EQ_REAL", 0, 0x97, 2, {MEM_REAL, CONST_REAL}, 1, CPU_MASK_ALL},  // 159
    {"EQ", "EQ", "EQ_REAL", 0, 0x98, 2, {CONST_REAL, MEM_REAL}, 1, CPU_MASK_ALL},  // 160
    {"EQ", "EQ", "EQ_REAL", 0, 0x99, 2, {CONST_REAL, CONST_REAL}, 1, CPU_MASK_ALL},  // 161
    {"NE", "NE", "NE_BYTE", 0, 0x9A, 2, {MEM_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 162
    {"NE", "NE", "NE_BYTE", 0, 0x9B, 2, {MEM_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 163
    {"NE", "NE", "NE_BYTE", 0, 0x9C, 2, {CONST_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 164
    {"NE", "NE", "NE_BYTE", 0, 0x9D, 2, {CONST_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 165
    {"NE", "NE", "NE_INT", 0, 0x9E, 2, {MEM_INT, MEM_INT}, 1, CPU_MASK_ALL},  // 166
    {"NE", "NE", "NE_INT", 0, 0x9F, 2, {MEM_INT, CONST_INT}, 1, CPU_MASK_ALL},  // 167
    {"NE", "NE", "NE_INT", 0, 0xA0, 2, {CONST_INT, MEM_INT}, 1, CPU_MASK_ALL},  // 168
    {"NE", "NE", "NE_INT", 0, 0xA1, 2, {CONST_INT, CONST_INT}, 1, CPU_MASK_ALL},  // 169
    {"NE", "NE", "NE_DINT", 0, 0xA2, 2, {MEM_DINT, MEM_DINT}, 1, CPU_MASK_ALL},  // 170
    {"NE", "NE", "NE_DINT", 0, 0xA3, 2, {MEM_DINT, CONST_DINT}, 1, CPU_MASK_ALL},  // 171
    {"NE", "NE", "NE_DINT", 0, 0xA4, 2, {CONST_DINT, MEM_DINT}, 1, CPU_MASK_ALL},  // 172
    {"NE", "NE", "NE_DINT", 0, 0xA5, 2, {CONST_DINT, CONST_DINT}, 1, CPU_MASK_ALL},  // 173
    {"NE", "NE", "NE_REAL", 0, 0xA6, 2, {MEM_REAL, MEM_REAL}, 1, CPU_MASK_ALL},  // 174
    {"NE", "NE", "NE_REAL", 0, 0xA7, 2, {MEM_REAL, CONST_REAL}, 1, CPU_MASK_ALL},  // 175
    {"NE", "NE", "NE_REAL", 0, 0xA8, 2, {CONST_REAL, MEM_REAL}, 1, CPU_MASK_ALL},  // 176
    {"NE", "NE", "NE_REAL", 0, 0xA9, 2, {CONST_REAL, CONST_REAL}, 1, CPU_MASK_ALL},  // 177
    {"LE", "LE", "LE_BYTE", 0, 0xAA, 2, {MEM_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 178
    {"LE", "LE", "LE_BYTE", 0, 0xAB, 2, {MEM_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 179
    {"LE", "LE", "LE_BYTE", 0, 0xAC, 2, {CONST_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 180
    {"LE", "LE", "LE_BYTE", 0, 0xAD, 2, {CONST_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 181
    {"LE", "LE", "LE_INT", 0, 0xAE, 2, {MEM_INT, MEM_INT}, 1, CPU_MASK_ALL},  // 182
    {"LE", "LE", "LE_INT", 0, 0xAF, 2, {MEM_INT, CONST_INT}, 1, CPU_MASK_ALL},  // 183
    {"LE", "LE", "LE_INT", 0, 0xB0, 2, {CONST_INT, MEM_INT}, 1, CPU_MASK_ALL},  // 184
    {"LE", "LE", "LE_INT", 0, 0xB1, 2, {CONST_INT, CONST_INT}, 1, CPU_MASK_ALL},  // 185
    {"LE", "LE", "LE_DINT", 0, 0xB2, 2, {MEM_DINT, MEM_DINT}, 1, CPU_MASK_ALL},  // 186
    {"LE", "LE", "LE_DINT", 0, 0xB3, 2, {MEM_DINT, CONST_DINT}, 1, CPU_MASK_ALL},  // 187
    {"LE", "LE", "LE_DINT", 0, 0xB4, 2, {CONST_DINT, MEM_DINT}, 1, CPU_MASK_ALL},  // 188
    {"LE", "LE", "LE_DINT", 0, 0xB5, 2, {CONST_DINT, CONST_DINT}, 1, CPU_MASK_ALL},  // 189
    {"LE", "LE", "LE_REAL", 0, 0xB6, 2, {MEM_REAL, MEM_REAL}, 1, CPU_MASK_ALL},  // 190
    {"LE", "LE", "LE_REAL", 0, 0xB7, 2, {MEM_REAL, CONST_REAL}, 1, CPU_MASK_ALL},  // 191
    {"LE", "LE", "LE_REAL", 0, 0xB8, 2, {CONST_REAL, MEM_REAL}, 1, CPU_MASK_ALL},  // 192
    {"LE", "LE", "LE_REAL", 0, 0xB9, 2, {CONST_REAL, CONST_REAL}, 1, CPU_MASK_ALL},  // 193
    {"LT", "LT", "LT_BYTE", 0, 0xBA, 2, {MEM_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 194
    {"LT", "LT", "LT_BYTE", 0, 0xBB, 2, {MEM_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 195
    {"LT", "LT", "LT_BYTE", 0, 0xBC, 2, {CONST_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 196
    {"LT", "LT", "LT_BYTE", 0, 0xBD, 2, {CONST_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 197
    {"LT", "LT", "LT_INT", 0, 0xBE, 2, {MEM_INT, MEM_INT}, 1, CPU_MASK_ALL},  // 198
    {"LT", "LT", "LT_INT", 0, 0xBF, 2, {MEM_INT, CONST_INT}, 1, CPU_MASK_ALL},  // 199
    {"LT", "LT", "LT_INT", 0, 0xC0, 2, {CONST_INT, MEM_INT}, 1, CPU_MASK_ALL},  // 200
    {"LT", "LT", "LT_INT", 0, 0xC1, 2, {CONST_INT, CONST_INT}, 1, CPU_MASK_ALL},  // 201
    {"LT", "LT", "LT_DINT", 0, 0xC2, 2, {MEM_DINT, MEM_DINT}, 1, CPU_MASK_ALL},  // 202
    {"LT", "LT", "LT_DINT", 0, 0xC3, 2, {MEM_DINT, CONST_DINT}, 1, CPU_MASK_ALL},  // 203
    {"LT", "LT", "LT_DINT", 0, 0xC4, 2, {CONST_DINT, MEM_DINT}, 1, CPU_MASK_ALL},  // 204
    {"LT", "LT", "LT_DINT", 0, 0xC5, 2, {CONST_DINT, CONST_DINT}, 1, CPU_MASK_ALL},  // 205
    {"LT", "LT", "LT_REAL", 0, 0xC6, 2, {MEM_REAL, MEM_REAL}, 1, CPU_MASK_ALL},  // 206
    {"LT", "LT", "LT_REAL", 0, 0xC7, 2, {MEM_REAL, CONST_REAL}, 1, CPU_MASK_ALL},  // 207
    {"LT", "LT", "LT_REAL", 0, 0xC8, 2, {CONST_REAL, MEM_REAL}, 1, CPU_MASK_ALL},  // 208
    {"LT", "LT", "LT_REAL", 0, 0xC9, 2, {CONST_REAL, CONST_REAL}, 1, CPU_MASK_ALL},  // 209
    {"CTU", "CTU", "CTU", 0, 0xE6, 3, {COUNTER, COUNTER_INPUT, PRESET}, 1, CPU_MASK_ALL},  // 210
    {"CTU", "CTU", "CTU", 0, 0xE5, 3, {COUNTER, COUNTER_INPUT, CONST_INT}, 1, CPU_MASK_ALL},  // 211
    {"CTD", "CTD", "CTD", 0, 0xE8, 3, {COUNTER, COUNTER_INPUT, PRESET}, 1, CPU_MASK_ALL},  // 212
    {"CTD", "CTD", "CTD", 0, 0xE7, 3, {COUNTER, COUNTER_INPUT, CONST_INT}, 1, CPU_MASK_ALL},  // 213
    {"TON", "TON", "TON", 0, 0xEC, 2, {TIMER, PRESET}, 1, CPU_MASK_ALL},  // 214
    {"TON", "TON", "TON", 0, 0xEB, 2, {TIMER, CONST_INT}, 1, CPU_MASK_ALL},  // 215
    {"TOF", "TOF", "TOF", 0, 0xEE, 2, {TIMER, PRESET}, 1, CPU_MASK_ALL},  // 216
    {"TOF", "TOF", "TOF", 0, 0xED, 2, {TIMER, CONST_INT}, 1, CPU_MASK_ALL},  // 217
    {"TP", "TP", "TP", 0, 0xF0, 2, {TIMER, PRESET}, 1, CPU_MASK_ALL},  // 218
    {"TP", "TP", "TP", 0, 0xEF, 2, {TIMER, CONST_INT}, 1, CPU_MASK_ALL},  // 219
    {"HDEF", "HDEF", "HDEF", 0, 0xF1, 2, {CONST_INT, CONST_INT}, 1, CPU_MASK_ALL},  // 220
    {"HSC", "HSC", "HSC", 0, 0xF2, 1, {CONST_INT}, 1, CPU_MASK_ALL},  // 221
    {"PLS", "PLS", "PLS", 0, 0xF3, 1, {CONST_INT}, 1, CPU_MASK_ALL},  // 222
    {"DI_TO_R", "DI_TO_R", "DI_TO_R", 0, 0xFF, 2, {MEM_DINT, OUT_REAL}, 1, CPU_MASK_ALL},  // 223
    {"R_TO_DI", "R_TO_DI", "R_TO_DI", 0, 0x101, 2, {MEM_REAL, OUT_DINT}, 1, CPU_MASK_ALL},  // 224
    {"READ_RTC", "READ_RTC", "READ_RTC", 0, 0x10C, 1, {RTC_BUFFER_OUT}, 1, CPU_MASK_CLASS1},  // 225
    {"SET_RTC", "SET_RTC", "SET_RTC", 0, 0x10D, 1, {RTC_BUFFER_IN}, 1, CPU_MASK_CLASS1},  // 226
    {"XMT", "XMT", "XMT", 0, 0x10E, 2, {XMT_TABLE, CONST_INT}, 1, CPU_MASK_ALL},  // 227
    {"RCV", "RCV", "RCV", 0, 0x10F, 2, {RCV_TABLE, CONST_INT}, 1, CPU_MASK_ALL},  // 228
    {"ENI", "ENI", "ENI", 0, 0x110, 0, {}, 1, CPU_MASK_ALL},  // 229
    {"DISI", "DISI", "DISI", 0, 0x111, 0, {}, 1, CPU_MASK_ALL},  // 230
    {"ATCH", "ATCH", "ATCH", 0, 0x113, 2, {LABEL, CONST_INT}, 1, CPU_MASK_ALL},  // 231
    {"DTCH", "DTCH", "DTCH", 0, 0x114, 1, {CONST_INT}, 1, CPU_MASK_ALL},  // 232
    {"MOVE", "MOVE", "MOV_BYTE", 0, 0x115, 2, {MEM_BYTE, OUT_BYTE}, 1, CPU_MASK_ALL},  // 233
    {"MOVE", "MOVE", "MOV_BYTE", 0, 0x116, 2, {CONST_BYTE, OUT_BYTE}, 1, CPU_MASK_ALL},  // 234
    {"MOVE", "MOVE", "MOV_WORD", 0, 0x117, 2, {MEM_WORD, OUT_WORD}, 1, CPU_MASK_ALL},  // 235
    {"MOVE", "MOVE", "MOV_WORD", 0, 0x118, 2, {CONST_WORD, OUT_WORD}, 1, CPU_MASK_ALL},  // 236
    {"MOVE", "MOVE", "MOV_DWORD", 0, 0x119, 2, {MEM_DWORD, OUT_DWORD}, 1, CPU_MASK_ALL},  // 237
    {"MOVE", "MOVE", "MOV_DWORD", 0, 0x11A, 2, {CONST_DWORD, OUT_DWORD}, 1, CPU_MASK_ALL},  // 238
    {"MOVE", "MOVE", "MOV_INT", 0, 0x1B8, 2, {MEM_INT, OUT_INT}, 1, CPU_MASK_ALL},  // 239
    {"MOVE", "MOVE", "MOV_INT", 0, 0x1B9, 2, {CONST_INT, OUT_INT}, 1, CPU_MASK_ALL},  // 240
    {"MOVE", "MOVE", "MOV_DINT", 0, 0x1BA, 2, {MEM_DINT, OUT_DINT}, 1, CPU_MASK_ALL},  // 241
    {"MOVE", "MOVE", "MOV_DINT", 0, 0x1BB, 2, {CONST_DINT, OUT_DINT}, 1, CPU_MASK_ALL},  // 242
    {"MOVE", "MOVE", "MOV_REAL", 0, 0x11B, 2, {MEM_REAL, OUT_REAL}, 1, CPU_MASK_ALL},  // 243
    {"MOVE", "MOVE", "MOV_REAL", 0, 0x11C, 2, {CONST_REAL, OUT_REAL}, 1, CPU_MASK_ALL},  // 244
    {"BLKMOVE", "BLKMOVE", "BLKMOV_BYTE", 0, 0x11D, 3, {MEM_BYTE, OUT_BYTE, MEM_BYTE}, 1, CPU_MASK_ALL},  // 245
    {"BLKMOVE", "BLKMOVE", "BLKMOV_BYTE", 0, 0x11E, 3, {MEM_BYTE, OUT_BYTE, CONST_BYTE}, 1, CPU_MASK_ALL},  // 246
    {"BLKMOVE", "BLKMOVE", "BLKMOV_WORD", 0, 0x11F, 3, {MEM_WORD, OUT_WORD, MEM_BYTE}, 1, CPU_MASK_ALL},  // 247
    {"BLKMOVE", "BLKMOVE", "BLKMOV_WORD", 0, 0x120, 3, {MEM_WORD, OUT_WORD, CONST_BYTE}, 1, CPU_MASK_ALL},  // 248
    {"BLKMOVE", "BLKMOVE", "BLKMOV_DWORD", 0, 0x121, 3, {MEM_DWORD, OUT_DWORD, MEM_BYTE}, 1, CPU_MASK_ALL},  // 249
    {"BLKMOVE", "BLKMOVE", "BLKMOV_DWORD", 0, 0x122, 3, {MEM_DWORD, OUT_DWORD, CONST_BYTE}, 1, CPU_MASK_ALL},  // 250
    {"BLKMOVE", "BLKMOVE", "BLKMOV_INT", 0, 0x1BC, 3, {MEM_INT, OUT_INT, MEM_BYTE}, 1, CPU_MASK_ALL},  // 251
    {"BLKMOVE", "BLKMOVE", "BLKMOV_INT", 0, 0x1BD, 3, {MEM_INT, OUT_INT, CONST_BYTE}, 1, CPU_MASK_ALL},  // 252
    {"BLKMOVE", "BLKMOVE", "BLKMOV_DINT", 0, 0x1BE, 3, {MEM_DINT, OUT_DINT, MEM_BYTE}, 1, CPU_MASK_ALL},  // 253
    {"BLKMOVE", "BLKMOVE", "BLKMOV_DINT", 0, 0x1BF, 3, {MEM_DINT, OUT_DINT, CONST_BYTE}, 1, CPU_MASK_ALL},  // 254
    {"BLKMOVE", "BLKMOVE", "BLKMOV_REAL", 0, 0x1C0, 3, {MEM_REAL, OUT_REAL, MEM_BYTE}, 1, CPU_MASK_ALL},  // 255
    {"BLKMOVE", "BLKMOVE", "BLKMOV_REAL", 0, 0x1C1, 3, {MEM_REAL, OUT_REAL, CONST_BYTE}, 1, CPU_MASK_ALL},  // 256
    {"CAL", "CAL", "CAL_P", 0, 0x12F, 1, {LABEL}, 1, CPU_MASK_ALL},  // 257
    {"JMP", "JMP", "JMP", 0, 0x123, 1, {LABEL}, 1, CPU_MASK_ALL},  // 258
    {"JMPC", "JMPC", "JMPC", 0, 0x124, 1, {LABEL}, 1, CPU_MASK_ALL},  // 259
    {"JMPCN", "JMPCN", "JMPCN", 0, 0x125, 1, {LABEL}, 1, CPU_MASK_ALL},  // 260
    {"LBL", "", "LBL", 0, 0x126, 1, {LABEL}, 1, CPU_MASK_ALL},  // 261
    {"__RETCI", "", "__RETCI", 0, 0x127, 0, {}, 1, CPU_MASK_ALL},  // 262
    {"RETC", "RETC", "RETC", 0, 0x128, 0, {}, 1, CPU_MASK_ALL},  // 263
    {"RETCN", "RETCN", "RETCN", 0, 0x129, 0, {}, 1, CPU_MASK_ALL},  // 264
    {"__RETCNI", "", "__RETCNI", 0, 0x135, 0, {}, 1, CPU_MASK_ALL},  // 265
    {"__INTEND", "", "__INTEND", 0, 0x112, 0, {}, 1, CPU_MASK_ALL},  // 266
    {"__SPEND", "", "__SPEND", 0, 0x130, 0, {}, 1, CPU_MASK_ALL},  // 267
    {"__MPEND", "", "__MPEND", 0, 0x131, 0, {}, 1, CPU_MASK_ALL},  // 268
    {"__QLX_EN", "", "__QLX_EN", 0, 0x132, 0, {}, 1, CPU_MASK_ALL},  // 269
    {"__QLX_ENO", "", "__QLX_ENO", 0, 0x133, 0, {}, 1, CPU_MASK_ALL},  // 270
    {"__QLX_CR", "", "__QLX_CR", 0, 0x03, 0, {}, 1, CPU_MASK_ALL},  // 271
    {"__NETWORK", "", "__NETWORK", 0, 0x134, 0, {}, 1, CPU_MASK_ALL},  // 272
    {"__CR_EQ_1", "__CR_EQ_1", "__CR_EQ_1", 0, 0x136, 0, {}, 1, CPU_MASK_ALL},  // 273
    {"__CR_RESTORE", "__CR_RESTORE", "__CR_RESTORE", 0, 0x137, 0, {}, 1, CPU_MASK_ALL},  // 274
    {"FILL", "FILL", "FILL", 0, 0x138, 3, {CONST_BYTE, RTC_BUFFER_OUT, CONST_BYTE}, 1, CPU_MASK_ALL},  // 275
};

namespace {

// The rows that carry a name as mnemonic, match name or variant name.
const std::vector<const InstrSpec*>& RowsNamed(const char* name) {
    static const TableIndex<InstrSpec> index(InstrSpecTable, [](const InstrSpec& spec) {
        return std::vector<const char*>{spec.mnemonic, spec.matchName, spec.variantName};
    });
    return index.Rows(name);
}

// The first operand (1-based) that the slots do not cover, 0 when all are covered.
template <typename Covers>
int FirstUncoveredOperand(const InstrSpec& spec, const InstrSpec& query, Covers covers) {
    for (int k = 0; k < query.operandCount; ++k)
        if (!covers(spec.slots[k], query.slots[k]))
            return k + 1;
    return 0;
}

bool IsCandidate(const InstrSpec& spec, DWORD cpuMask, int operandCount) {
    return (spec.cpuMask & cpuMask) && spec.enabled && spec.operandCount == operandCount;
}

}  // namespace

bool ResolveILInstruction(const char* name, const InstrSpec& query, InstrSpec& record) {
    const DWORD cpuMask = CurrentCpuMask();
    for (const InstrSpec* spec : RowsNamed(name)) {
        if (IsCandidate(*spec, cpuMask, query.operandCount) &&
            FirstUncoveredOperand(*spec, query, SlotCoversOperand) == 0) {
            record = *spec;
            return true;
        }
    }
    return false;
}

bool ResolveInstruction(const char* name, InstrSpec& record, int& errorIndex) {
    const std::string upper = UpperCased(name);
    const DWORD cpuMask = CurrentCpuMask();
    errorIndex = -1;
    for (const InstrSpec& spec : InstrSpecTable) {
        if (std::strcmp(spec.matchName, upper.c_str()) != 0 || !IsCandidate(spec, cpuMask, record.operandCount))
            continue;
        const int failed = FirstUncoveredOperand(spec, record, EditorSlotCoversOperand);
        if (failed == 0) {
            record = spec;
            return true;
        }
        if (failed == 1 || failed > errorIndex)
            errorIndex = failed;
    }
    return false;
}

bool FindInstrSpec(const char* name, InstrSpec& record) {
    for (const InstrSpec* spec : RowsNamed(name)) {
        if (spec->enabled) {
            record = *spec;
            return true;
        }
    }
    return false;
}

bool IsInstructionName(const char* name) {
    const DWORD cpuMask = CurrentCpuMask();
    for (const InstrSpec* spec : RowsNamed(name))
        if (spec->cpuMask & cpuMask)
            return true;
    return false;
}

bool IsReservedWord(const char* name) {
    const std::string upper = UpperCased(name);
    if (IsKeywordOnCurrentCpu(upper.c_str()))
        return true;
    const DWORD cpuMask = CurrentCpuMask();
    for (const InstrSpec* spec : RowsNamed(upper.c_str()))
        if ((spec->cpuMask & cpuMask) && upper == spec->matchName)
            return true;
    return false;
}

bool IsNonLogicInstruction(const char* mnemonic) {
    static const char* const logicInstructions[] = {
        "LD",       "LDN",       "LDI",          "LDNI",     "PTR_R",   "ANDI",    "ANDNI",    "AND",
        "AND(",     "OR",        "ORI",          "ORNI",     "OR(",     "R_TRIG",  "F_TRIG",   "ANDN",
        "__NETWORK", "__CR_EQ_1", "__CR_RESTORE", "__INTEND", "__SPEND", "__MPEND", "__QLX_EN", "ORN",
        "XOR",      "NOT",       "NOP",
    };
    for (const char* logic : logicInstructions)
        if (std::strcmp(logic, mnemonic) == 0)
            return false;
    return true;
}
