#include "language/InstrDesc.h"

#include "language/InstrSpecTable.h"
#include "language/PidSpec.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const InstrDesc* FindLadderRecord(const char* name) {
    for (const InstrDesc& desc : LadderInstrCatalogue)
        if (!std::strcmp(desc.name, name))
            return &desc;
    return nullptr;
}

std::vector<std::string> PinNames(const InstrDesc& desc, OperandDescriptor direction) {
    std::vector<std::string> names;
    for (int i = 0; i < desc.pinCount; ++i)
        if (((desc.pins[i].descriptor & OD_READ) != 0) == (direction == OD_READ))
            names.push_back(desc.pins[i].name);
    return names;
}

int ShownCount(const InstrDesc* table, int count) {
    int shown = 0;
    for (int i = 0; i < count; ++i)
        shown += table[i].shown;
    return shown;
}

void ExpectWellFormed(const InstrDesc& desc) {
    EXPECT_LE(std::strlen(desc.name), 11u) << desc.name;
    EXPECT_LE(std::strlen(desc.description), 39u) << desc.name;
    ASSERT_GE(desc.pinCount, 0) << desc.name;
    ASSERT_LE(desc.pinCount, INSTR_MAX_PINS) << desc.name;
    for (int i = 0; i < desc.pinCount; ++i) {
        const OperandDescriptor pin = desc.pins[i].descriptor;
        EXPECT_LE(std::strlen(desc.pins[i].name), 8u) << desc.name;
        // Every pin reads, writes or names a label.
        EXPECT_TRUE((pin & OD_READ) || (pin & OD_WRITE) || pin == PIN_LABEL) << desc.name << " pin " << i;
        EXPECT_TRUE(!(pin & OD_WRITE) || (pin & OD_AREA_WRITABLE)) << desc.name << " pin " << i;
    }
    for (int i = desc.pinCount; i < INSTR_MAX_PINS; ++i)
        EXPECT_EQ(nullptr, desc.pins[i].name) << desc.name;
}

}  // namespace

TEST(LadderCatalogue, RowsShownAndWellFormed) {
    EXPECT_EQ(59, ShownCount(LadderInstrCatalogue, LADDER_CATALOGUE_COUNT));
    for (const InstrDesc& desc : LadderInstrCatalogue)
        ExpectWellFormed(desc);
    struct Row {
        int row;
        const char* name;
        int kind, group, pinCount, shown;
    } rows[] = {
        {0, "-| |-", 1, 0, 1, 1},   {1, "-|/|-", 1, 0, 1, 1},   {5, "-(NUL)", 2, 0, 0, 1},   {6, "-( )", 2, 0, 1, 1},
        {18, "MOVE", 3, 14, 4, 1},  {19, "BLKMOVE", 3, 1, 5, 1}, {22, "GT", 3, 2, 4, 1},     {27, "LE", 3, 2, 4, 1},
        {44, "DI_TO_R", 3, 5, 4, 1}, {59, "DEC", 3, 6, 4, 1},   {69, "-(LBL)", 2, 7, 1, 1},  {75, "-(RETCN)", 2, 7, 0, 1},
        {81, "ATCH", 3, 11, 4, 1},  {83, "READ_RTC", 3, 8, 3, 1}, {86, "RCV", 3, 9, 4, 1},   {87, "CTU", 4, 10, 5, 1},
        {92, "PLS", 3, 15, 3, 1},   {95, "TP", 4, 12, 4, 1},    {96, "PID", 3, 13, 16, 1},
    };
    for (const Row& r : rows) {
        const InstrDesc& desc = LadderInstrCatalogue[r.row];
        EXPECT_STREQ(r.name, desc.name) << r.row;
        EXPECT_EQ(r.kind, desc.kind) << r.name;
        EXPECT_EQ(r.group, desc.group) << r.name;
        EXPECT_EQ(r.pinCount, desc.pinCount) << r.name;
        EXPECT_EQ(r.shown, desc.shown) << r.name;
    }
    EXPECT_STREQ("网络结束", LadderInstrCatalogue[5].description);
}

TEST(LadderCatalogue, HiddenRecordsInOrder) {
    struct Hidden {
        const char* name;
        int kind, group;
    } hidden[] = {
        {"-|I|-", 1, 0},   {"-|/I|-", 1, 0},  {"-|NOT|-", 1, 0}, {"-(/)", 2, 0},    {"-(I)", 2, 0},
        {"-(SI)", 2, 0},   {"-(RI)", 2, 0},   {"RS", 4, 0},      {"SR", 4, 0},      {"NOP", 3, 0},
        {"EXCH", 3, 15},   {"SHL_BLK", 3, 15}, {"SHR_BLK", 3, 15}, {"B_TO_I", 3, 5},  {"I_TO_B", 3, 5},
        {"DI_TO_I", 3, 5}, {"I_TO_DI", 3, 5}, {"BCD_TO_I", 3, 5}, {"I_TO_BCD", 3, 5}, {"H_TO_A", 3, 5},
        {"A_TO_H", 3, 5},  {"ENCO", 3, 5},    {"DECO", 3, 5},    {"SEG", 3, 5},     {"SQRT", 3, 15},
        {"LN", 3, 15},     {"LOG", 3, 15},    {"EXP", 3, 15},    {"SIN", 3, 15},    {"COS", 3, 15},
        {"TAN", 3, 15},    {"FOR", 3, 7},     {"-(NEXT)", 2, 7}, {"-(RET)", 2, 7},  {"-(END)", 2, 7},
        {"-(STOP)", 2, 7}, {"-(WDR)", 2, 7},  {"CTUD", 4, 10},
    };
    size_t next = 0;
    for (const InstrDesc& desc : LadderInstrCatalogue) {
        if (desc.shown)
            continue;
        ASSERT_LT(next, sizeof(hidden) / sizeof(hidden[0]));
        EXPECT_STREQ(hidden[next].name, desc.name);
        EXPECT_EQ(hidden[next].kind, desc.kind) << desc.name;
        EXPECT_EQ(hidden[next].group, desc.group) << desc.name;
        ++next;
    }
    EXPECT_EQ(38u, next);
}

TEST(LadderCatalogue, HiddenBoxesHaveEnableAndEnableOut) {
    for (const InstrDesc& desc : LadderInstrCatalogue) {
        if (desc.shown || desc.kind != INSTR_FUNCTION)
            continue;
        ASSERT_GE(desc.pinCount, 2) << desc.name;
        EXPECT_STREQ("EN", desc.pins[0].name) << desc.name;
        EXPECT_EQ(PIN_EN, desc.pins[0].descriptor) << desc.name;
        bool hasEno = false;
        for (int i = 0; i < desc.pinCount; ++i)
            hasEno = hasEno || (!std::strcmp(desc.pins[i].name, "ENO") && desc.pins[i].descriptor == PIN_ENO);
        EXPECT_TRUE(hasEno) << desc.name;
    }
    const InstrDesc* ctud = FindLadderRecord("CTUD");
    ASSERT_NE(nullptr, ctud);
    EXPECT_EQ((std::vector<std::string>{"CU", "CD", "R", "LD", "PV"}), PinNames(*ctud, OD_READ));
    EXPECT_EQ((std::vector<std::string>{"QU", "QD", "CV"}), PinNames(*ctud, OD_WRITE));
}

TEST(LadderCatalogue, BlockPinsSplitIntoInputsAndOutputs) {
    struct Block {
        const char* name;
        std::vector<std::string> inputs, outputs;
    } blocks[] = {
        {"CTU", {"CU", "R", "PV"}, {"Q", "CV"}}, {"CTD", {"CD", "LD", "PV"}, {"Q", "CV"}},
        {"TON", {"IN", "PT"}, {"Q", "ET"}},       {"TOF", {"IN", "PT"}, {"Q", "ET"}},
        {"TP", {"IN", "PT"}, {"Q", "ET"}},        {"MOVE", {"EN", "IN"}, {"ENO", "OUT"}},
        {"ATCH", {"EN", "INT", "EVENT"}, {"ENO"}}, {"READ_RTC", {"EN"}, {"ENO", "T"}},
    };
    for (const Block& b : blocks) {
        const InstrDesc* desc = FindLadderRecord(b.name);
        ASSERT_NE(nullptr, desc) << b.name;
        EXPECT_EQ(b.inputs, PinNames(*desc, OD_READ)) << b.name;
        EXPECT_EQ(b.outputs, PinNames(*desc, OD_WRITE)) << b.name;
    }
}

TEST(LadderCatalogue, PidPinsAreThePidOperandsBetweenEnableAndEnableOut) {
    const InstrDesc* pid = FindLadderRecord("PID");
    ASSERT_NE(nullptr, pid);
    ASSERT_EQ(16, pid->pinCount);
    const char* const operands[] = {"AUTO", "PV",     "SP",       "X0",       "KP",    "TR",   "TD",
                                    "PV_FAC", "PV_OFF", "XOUT_FAC", "XOUT_OFF", "CYCLE", "XOUT", "XOUT_PER"};
    int operand = 0;
    for (int i = 0; i < pid->pinCount; ++i) {
        if (!std::strcmp(pid->pins[i].name, "EN") || !std::strcmp(pid->pins[i].name, "ENO"))
            continue;
        ASSERT_LT(operand, PID_OPERAND_COUNT);
        EXPECT_STREQ(operands[operand], pid->pins[i].name);
        EXPECT_EQ(PidInstruction.slots[operand] & 0x7F, pid->pins[i].descriptor & 0x7F) << pid->pins[i].name;
        ++operand;
    }
    EXPECT_EQ(PID_OPERAND_COUNT, operand);
}

TEST(LadderCatalogue, EveryShownBoxHasACompilerInstruction) {
    for (const InstrDesc& desc : LadderInstrCatalogue) {
        if (!desc.shown || (desc.kind != INSTR_FUNCTION && desc.kind != INSTR_FUNCTION_BLOCK))
            continue;
        InstrSpec spec{};
        EXPECT_TRUE(FindInstrSpec(desc.name, spec) || !std::strcmp(desc.name, "PID")) << desc.name;
    }
}

TEST(ILTreeTable, RowsShownAndGroups) {
    EXPECT_EQ(65, ShownCount(ILInstrTreeTable, IL_TREE_TABLE_COUNT));
    const char* const order[IL_TREE_TABLE_COUNT] = {
        "LD", "LDN", "AND", "ANDN", "OR", "ORN", "LDI", "LDNI", "ANDI", "ANDNI", "ORI", "ORNI", "AND(", "OR(", ")",
        "NOT", "ST", "STN", "STI", "S", "SI", "R", "RI", "R_TRIG", "F_TRIG", "RS", "SR", "NOP", "MOVE", "BLKMOVE",
        "FILL", "EXCH", "GT", "GE", "EQ", "NE", "LT", "LE", "NOT", "AND", "ANDN", "OR", "ORN", "XOR", "SHL", "ROL",
        "SHL_BLK", "SHR", "ROR", "SHR_BLK", "B_TO_I", "I_TO_B", "DI_TO_I", "I_TO_DI", "DI_TO_R", "R_TO_DI",
        "BCD_TO_I", "I_TO_BCD", "H_TO_A", "A_TO_H", "ENCO", "DECO", "SEG", "ADD", "SUB", "MUL", "DIV", "MOD", "INC",
        "DEC", "SQRT", "LN", "LOG", "EXP", "SIN", "COS", "TAN", "FOR", "NEXT", "CAL", "JMP", "JMPC", "JMPCN", "RET",
        "RETC", "RETCN", "END", "STOP", "WDR", "ENI", "DISI", "ATCH", "DTCH", "READ_RTC", "SET_RTC", "XMT", "RCV",
        "CTU", "CTD", "CTUD", "HDEF", "HSC", "PLS", "TON", "TOF", "TP", "PID"};
    for (int row = 0; row < IL_TREE_TABLE_COUNT; ++row) {
        EXPECT_STREQ(order[row], ILInstrTreeTable[row].name) << row;
        ExpectWellFormed(ILInstrTreeTable[row]);
    }
    for (int row = 0; row < 25; ++row) {
        EXPECT_EQ(INSTR_IL_STATEMENT, ILInstrTreeTable[row].kind) << row;
        EXPECT_EQ(GROUP_BIT_LOGIC, ILInstrTreeTable[row].group) << row;
    }
    struct Group {
        int row;
        int kind, group;
    } groups[] = {
        {28, 3, 1},  {31, 3, 1},  {46, 3, 4},  {49, 3, 4},  {70, 3, 6},  {76, 3, 6},  {78, 0, 7},  {79, 0, 0},
        {80, 0, 7},  {88, 0, 7},  {89, 0, 11}, {90, 0, 11}, {100, 3, 10}, {102, 3, 10}, {25, 4, 0}, {99, 4, 10},
    };
    for (const Group& g : groups) {
        EXPECT_EQ(g.kind, ILInstrTreeTable[g.row].kind) << ILInstrTreeTable[g.row].name;
        EXPECT_EQ(g.group, ILInstrTreeTable[g.row].group) << ILInstrTreeTable[g.row].name;
    }
    for (const char* shownStatement : {"LD", "AND(", ")", "ST", "F_TRIG", "CAL", "JMPCN", "RETC", "DISI"}) {
        bool found = false;
        for (const InstrDesc& desc : ILInstrTreeTable)
            found = found || (!std::strcmp(desc.name, shownStatement) && desc.shown);
        EXPECT_TRUE(found) << shownStatement;
    }
}

TEST(ILTreeTable, BoxesAreTheLadderRecords) {
    for (int row = 25; row < IL_TREE_TABLE_COUNT; ++row) {
        const InstrDesc& box = ILInstrTreeTable[row];
        if (box.kind == INSTR_IL_STATEMENT)
            continue;
        const InstrDesc* ladder = FindLadderRecord(box.name);
        ASSERT_NE(nullptr, ladder) << box.name;
        EXPECT_EQ(ladder->kind, box.kind) << box.name;
        EXPECT_EQ(ladder->shown, box.shown) << box.name;
        EXPECT_STREQ(ladder->description, box.description) << box.name;
        ASSERT_EQ(ladder->pinCount, box.pinCount) << box.name;
        const bool blockShift = !std::strcmp(box.name, "SHL_BLK") || !std::strcmp(box.name, "SHR_BLK");
        if (blockShift)
            continue;
        for (int i = 0; i < box.pinCount; ++i) {
            EXPECT_STREQ(ladder->pins[i].name, box.pins[i].name) << box.name;
            EXPECT_EQ(ladder->pins[i].descriptor, box.pins[i].descriptor) << box.name;
        }
    }
    for (int row : {46, 49}) {
        const InstrDesc& shift = ILInstrTreeTable[row];
        const char* const pins[] = {"EN", "S_DATA", "S_N", "D_N", "ENO", "D_DATA"};
        for (int i = 0; i < 6; ++i)
            EXPECT_STREQ(pins[i], shift.pins[i].name) << shift.name;
    }
}
