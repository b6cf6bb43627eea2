#include "language/InstrSpecTable.h"

#include "tests/support/CpuClassFixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

// Statement operands as the parsers describe them.
const OperandDescriptor VW0 = 0x818A14;     // WORD or INT in V
const OperandDescriptor VB0 = 0x818A02;
const OperandDescriptor IB0 = 0x28A02;
const OperandDescriptor INT_CONSTANT = 0x1010;
const OperandDescriptor BYTE_CONSTANT_EDITOR = 0x9002;

InstrSpec Query(std::initializer_list<OperandDescriptor> operands) {
    InstrSpec query{};
    for (OperandDescriptor operand : operands)
        query.slots[query.operandCount++] = operand;
    return query;
}

}  // namespace

TEST(InstrSpecTable, FirstRowOfEveryFamily) {
    struct Row {
        int row;
        const char* mnemonic;
        const char* variant;
        WORD opcode;
        int operandCount;
    } rows[] = {
        {0, "__SMW32", "__SMW32", 0x139, 1}, {1, "__LD", "", 0x01, 1},        {2, "__LD", "", 0x02, 1},
        {3, "LD", "LD", 0x09, 1},            {4, "LD", "LD_BOOL", 0x09, 1},   {5, "LDN", "LDN_BOOL", 0x0C, 1},
        {6, "__LD", "", 0x00, 1},            {7, "LD", "LD_CON_7", 0x0B, 1},  {8, "ST", "ST", 0x1C, 1},
        {10, "NOT", "NOT_2", 0x45, 1},       {12, "NOT", "NOT_2", 0x47, 1},   {13, "R_TRIG", "R_TRIG", 0x14, 0},
        {15, "S", "S", 0x17, 1},             {16, "R", "R", 0x19, 1},         {17, ")", ")", 0xCA, 0},
        {18, "OR(", "OR(", 0xCB, 0},         {19, "AND(", "AND(", 0xCC, 0},   {20, "AND", "AND", 0x22, 1},
        {22, "ANDN", "ANDN_BOOL", 0x29, 1},  {23, "AND", "AND_2", 0x24, 2},   {29, "ANDN", "ANDN_2", 0x2B, 2},
        {35, "OR", "OR", 0x30, 1},           {37, "ORN", "ORN_BOOL", 0x37, 1}, {38, "OR", "OR_2", 0x32, 2},
        {44, "ORN", "ORN_2", 0x39, 2},       {50, "XOR", "XOR_2", 0x40, 2},   {55, "XOR", "XOR_2", 0x43, 2},
        {56, "ADD", "ADD_INT", 0x49, 2},     {61, "ADD", "ADD_REAL", 0x4C, 2}, {62, "SUB", "SUB_INT", 0x4F, 2},
        {68, "MUL", "MUL_INT", 0x55, 2},     {74, "DIV", "DIV_INT", 0x5B, 2}, {80, "MOD", "MOD_INT", 0x61, 2},
        {83, "MOD", "MOD_DINT", 0x62, 2},    {84, "SHL", "SHL_BYTE", 0xCE, 2}, {90, "SHR", "SHR_BYTE", 0xD4, 2},
        {96, "ROR", "ROR_BYTE", 0xDA, 2},    {102, "ROL", "ROL_BYTE", 0xE0, 2}, {107, "ROL", "ROL_DWORD", 0xE3, 2},
        {108, "INC", "INC_BYTE", 0x64, 1},   {111, "DEC", "DEC_BYTE", 0x67, 1}, {113, "DEC", "DEC_DINT", 0x69, 1},
        {114, "GT", "GT_BYTE", 0x6A, 2},     {209, "LT", "LT_REAL", 0xC9, 2}, {210, "CTU", "CTU", 0xE6, 3},
        {213, "CTD", "CTD", 0xE7, 3},        {214, "TON", "TON", 0xEC, 2},    {216, "TOF", "TOF", 0xEE, 2},
        {219, "TP", "TP", 0xEF, 2},          {220, "HDEF", "HDEF", 0xF1, 2},  {221, "HSC", "HSC", 0xF2, 1},
        {222, "PLS", "PLS", 0xF3, 1},        {223, "DI_TO_R", "DI_TO_R", 0xFF, 2}, {224, "R_TO_DI", "R_TO_DI", 0x101, 2},
        {225, "READ_RTC", "READ_RTC", 0x10C, 1}, {226, "SET_RTC", "SET_RTC", 0x10D, 1}, {227, "XMT", "XMT", 0x10E, 2},
        {228, "RCV", "RCV", 0x10F, 2},       {229, "ENI", "ENI", 0x110, 0},   {230, "DISI", "DISI", 0x111, 0},
        {231, "ATCH", "ATCH", 0x113, 2},     {232, "DTCH", "DTCH", 0x114, 1}, {233, "MOVE", "MOV_BYTE", 0x115, 2},
        {234, "MOVE", "MOV_BYTE", 0x116, 2}, {239, "MOVE", "MOV_INT", 0x1B8, 2}, {243, "MOVE", "MOV_REAL", 0x11B, 2},
        {245, "BLKMOVE", "BLKMOV_BYTE", 0x11D, 3}, {256, "BLKMOVE", "BLKMOV_REAL", 0x1C1, 3},
        {257, "CAL", "CAL_P", 0x12F, 1},     {258, "JMP", "JMP", 0x123, 1},   {260, "JMPCN", "JMPCN", 0x125, 1},
        {261, "LBL", "LBL", 0x126, 1},       {262, "__RETCI", "__RETCI", 0x127, 0}, {263, "RETC", "RETC", 0x128, 0},
        {264, "RETCN", "RETCN", 0x129, 0},   {265, "__RETCNI", "__RETCNI", 0x135, 0},
        {266, "__INTEND", "__INTEND", 0x112, 0}, {267, "__SPEND", "__SPEND", 0x130, 0},
        {268, "__MPEND", "__MPEND", 0x131, 0}, {269, "__QLX_EN", "__QLX_EN", 0x132, 0},
        {270, "__QLX_ENO", "__QLX_ENO", 0x133, 0}, {271, "__QLX_CR", "__QLX_CR", 0x03, 0},
        {272, "__NETWORK", "__NETWORK", 0x134, 0}, {273, "__CR_EQ_1", "__CR_EQ_1", 0x136, 0},
        {274, "__CR_RESTORE", "__CR_RESTORE", 0x137, 0}, {275, "FILL", "FILL", 0x138, 3},
    };
    for (const Row& r : rows) {
        const InstrSpec& spec = InstrSpecTable[r.row];
        EXPECT_STREQ(r.mnemonic, spec.mnemonic) << r.row;
        EXPECT_STREQ(r.variant, spec.variantName) << r.row;
        EXPECT_EQ(r.opcode, spec.opcode) << r.row;
        EXPECT_EQ(r.operandCount, spec.operandCount) << r.row;
    }
}

TEST(InstrSpecTable, CompareRowsFollowTheOpcodeRule) {
    const char* const mnemonics[] = {"GT", "GE", "EQ", "NE", "LE", "LT"};
    const WORD bases[] = {0x6A, 0x7A, 0x8A, 0x9A, 0xAA, 0xBA};
    const char* const types[] = {"BYTE", "INT", "DINT", "REAL"};
    const OperandDescriptor memory[] = {0x019E2802, 0x19FE2810, 0x059E2820, 0x01802840};
    const OperandDescriptor constant[] = {0x3002, 0x3010, 0x3020, 0x3040};
    int row = 114;
    for (int m = 0; m < 6; ++m) {
        for (int t = 0; t < 4; ++t) {
            for (int form = 0; form < 4; ++form, ++row) {
                const InstrSpec& spec = InstrSpecTable[row];
                EXPECT_STREQ(mnemonics[m], spec.mnemonic) << row;
                EXPECT_EQ(std::string(mnemonics[m]) + "_" + types[t], spec.variantName) << row;
                EXPECT_EQ(bases[m] + 4 * t + form, spec.opcode) << row;
                EXPECT_EQ(form < 2 ? memory[t] : constant[t], spec.slots[0]) << row;
                EXPECT_EQ(form % 2 == 0 ? memory[t] : constant[t], spec.slots[1]) << row;
            }
        }
    }
    EXPECT_EQ(210, row);
}

TEST(InstrSpecTable, MemoryFormPrecedesConstantFormInEveryPair) {
    // Pairs that differ in one operand: logic, arithmetic, shifts, counters and timers,
    // MOVE and BLKMOVE. The memory slot has 0x800, the constant slot 0x3000.
    const int pairRanges[][2] = {{23, 34}, {38, 107}, {210, 219}, {233, 256}};
    for (const auto& range : pairRanges) {
        for (int row = range[0]; row < range[1]; row += 2) {
            const InstrSpec& memoryForm = InstrSpecTable[row];
            const InstrSpec& constantForm = InstrSpecTable[row + 1];
            EXPECT_STREQ(memoryForm.variantName, constantForm.variantName) << row;
            int differing = 0;
            for (int k = 0; k < memoryForm.operandCount; ++k) {
                if (memoryForm.slots[k] == constantForm.slots[k])
                    continue;
                ++differing;
                EXPECT_TRUE(memoryForm.slots[k] & 0x800) << row;
                EXPECT_EQ(0x3000u, constantForm.slots[k] & 0x3800) << row;
            }
            EXPECT_EQ(1, differing) << row;
        }
    }
}

TEST(InstrSpecTable, FlagsMasksAndUnusedSlots) {
    const std::set<int> flagged = {8, 9, 20, 21, 22, 35, 36, 37};
    for (int row = 0; row < INSTR_SPEC_COUNT; ++row) {
        const InstrSpec& spec = InstrSpecTable[row];
        EXPECT_EQ(flagged.count(row) ? 1 : 0, spec.flag) << row;
        EXPECT_EQ(1, spec.enabled) << row;
        const DWORD mask = (row == 1 || row == 2 || row == 6) ? 0x0 : (row == 225 || row == 226) ? 0x2 : 0x1F;
        EXPECT_EQ(mask, spec.cpuMask) << row;
        for (int k = spec.operandCount; k < INSTR_MAX_OPERANDS; ++k)
            EXPECT_EQ(0u, spec.slots[k]) << row;
    }
}

TEST(InstrSpecTable, SlotDescriptorsOfSampleRows) {
    struct Row {
        int row;
        OperandDescriptor slots[3];
    } rows[] = {
        {3, {0xE1FE2801}},   {8, {0x819C4801}},   {15, {0x019C4801}},  {10, {0x019C6802}},
        {23, {0x019E2802, 0x019C6802}},           {24, {0x3002, 0x019C6802}},
        {56, {0x19FE2810, 0x119C6810}},           {58, {0x059E2820, 0x019C6820}},
        {60, {0x01802840, 0x01806840}},           {85, {0x019C6802, 0x3002}},
        {210, {0x00402810, 0x61FE2801, 0x199A2810}}, {215, {0x00202810, 0x3010}},
        {225, {0x01884802}}, {226, {0x01882802}}, {227, {0x00802802, 0x3010}}, {228, {0x00804802, 0x3010}},
        {231, {0x3400, 0x3010}},                  {239, {0x19FE2810, 0x119C4810}},
        {244, {0x3040, 0x01804840}},              {246, {0x019E2802, 0x019C4802, 0x3002}},
        {275, {0x3002, 0x01884802, 0x3002}},
    };
    for (const Row& r : rows)
        for (int k = 0; k < InstrSpecTable[r.row].operandCount; ++k)
            EXPECT_EQ(r.slots[k], InstrSpecTable[r.row].slots[k]) << r.row << " slot " << k;
}

TEST_F(CpuClass1Test, ResolveILInstructionTakesTheFirstCoveringRow) {
    struct Case {
        const char* name;
        InstrSpec query;
        WORD opcode;
    } cases[] = {
        {"ADD", Query({INT_CONSTANT, VW0}), 0x48},
        {"ADD", Query({VW0, VW0}), 0x49},
        {"ADD_INT", Query({VW0, VW0}), 0x49},      // variant names resolve too
        {"MOVE", Query({VW0, VW0}), 0x117},        // WORD before INT
        {"MOVE", Query({0x810, 0x810 | 0x818000 | 0x10}), 0x1B8},  // INT-only variables
        {"LD", Query({0x1001}), 0x0B},
        {"READ_RTC", Query({VB0}), 0x10C},
    };
    for (const Case& c : cases) {
        InstrSpec record{};
        ASSERT_TRUE(ResolveILInstruction(c.name, c.query, record)) << c.name;
        EXPECT_EQ(c.opcode, record.opcode) << c.name;
    }
}

TEST(InstrSpecTable, ResolveILInstructionRefusals) {
    InstrSpec record{};
    record.mnemonic = "untouched";
    {
        ScopedCpuClass cpu(0);
        EXPECT_FALSE(ResolveILInstruction("READ_RTC", Query({VB0}), record));
        EXPECT_FALSE(ResolveILInstruction("__LD", Query({0x98A01}), record));  // internal rows: no class
        EXPECT_FALSE(ResolveILInstruction("add", Query({VW0, VW0}), record));  // name unchanged
        EXPECT_FALSE(ResolveILInstruction("ADD", Query({VW0}), record));
        EXPECT_FALSE(ResolveILInstruction("MOVE", Query({VB0, IB0}), record));
    }
    EXPECT_STREQ("untouched", record.mnemonic);
}

TEST_F(CpuClass2Test, ResolveInstructionReportsTheFailingOperand) {
    InstrSpec record = Query({BYTE_CONSTANT_EDITOR, IB0});
    int errorIndex = 0;
    EXPECT_FALSE(ResolveInstruction("move", record, errorIndex));
    EXPECT_EQ(1, errorIndex);

    record = Query({VB0});
    EXPECT_FALSE(ResolveInstruction("READ_RTC", record, errorIndex));
    EXPECT_EQ(-1, errorIndex);  // not on this class
    record = Query({VB0, VB0, VB0});
    EXPECT_FALSE(ResolveInstruction("MOVE", record, errorIndex));
    EXPECT_EQ(-1, errorIndex);  // no row with three operands
    record = Query({0x98A01});
    EXPECT_FALSE(ResolveInstruction("LBL", record, errorIndex));
    EXPECT_EQ(-1, errorIndex);  // written by the compiler, not resolvable by editors

    // A BYTE address into an input byte: every BYTE row fails at operand 2.
    record = Query({VB0, IB0});
    EXPECT_FALSE(ResolveInstruction("MOVE", record, errorIndex));
    EXPECT_EQ(1, errorIndex);  // the later rows fail at operand 1 and set it back

    record = Query({BYTE_CONSTANT_EDITOR, 0x58A02});
    ASSERT_TRUE(ResolveInstruction("Move", record, errorIndex));
    EXPECT_EQ(0x116, record.opcode);
    EXPECT_EQ(0x3002u, record.slots[0]);  // the row replaces the query
}

TEST_F(CpuClass0Test, NameQueries) {
    InstrSpec record{};
    ASSERT_TRUE(FindInstrSpec("__LD", record));
    EXPECT_EQ(0x01, record.opcode);
    ASSERT_TRUE(FindInstrSpec("READ_RTC", record));  // no CPU test
    EXPECT_FALSE(FindInstrSpec("PID", record));

    EXPECT_TRUE(IsInstructionName("LBL"));
    EXPECT_TRUE(IsInstructionName("MOV_INT"));
    EXPECT_FALSE(IsInstructionName("READ_RTC"));
    EXPECT_FALSE(IsInstructionName("__LD"));  // CPU mask 0
}

TEST(InstrSpecTable, ReservedWordsPerCpuClass) {
    struct Case {
        const char* name;
        bool class0, class1;
    } cases[] = {
        {"if", true, true},          // disabled keywords still reserve their names
        {"", true, true},            // through the empty match names of the marker rows
        {"ld", true, true},          {"Motor_1", false, false}, {"PID", false, true},
        {"read_rtc", false, true},   {"LBL", false, false},     {"AND(", true, true},
    };
    for (const Case& c : cases) {
        {
            ScopedCpuClass cpu(0);
            EXPECT_EQ(c.class0, IsReservedWord(c.name)) << c.name;
        }
        ScopedCpuClass cpu(1);
        EXPECT_EQ(c.class1, IsReservedWord(c.name)) << c.name;
    }
    ScopedCpuClass none(9);
    EXPECT_FALSE(IsReservedWord("LD"));
}

TEST(InstrSpecTable, NonLogicInstructions) {
    for (const char* logic : {"LD", "LDN", "LDI", "PTR_R", "AND(", "OR(", "R_TRIG", "F_TRIG", "__NETWORK",
                              "__CR_EQ_1", "__CR_RESTORE", "__INTEND", "__SPEND", "__MPEND", "__QLX_EN",
                              "ORN", "XOR", "NOT", "NOP"})
        EXPECT_FALSE(IsNonLogicInstruction(logic)) << logic;
    for (const char* other : {"ST", "MOVE", ")", "__QLX_ENO", "__QLX_CR", "ld", "S", "JMP"})
        EXPECT_TRUE(IsNonLogicInstruction(other)) << other;
}
