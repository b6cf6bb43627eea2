#include "language/CpuClassSource.h"
#include "language/InstrSpecTable.h"
#include "language/PidSpec.h"
#include "tests/compiler/ListingReader.h"
#include "tests/compiler/RoundTrip.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

// Instance names for the timer and counter statements: each instance starts once and
// is declared of the block type that uses it.
class InstanceNames {
public:
    std::string Next(OperandDescriptor slot, const char* blockType) {
        const bool timer = (slot & OD_AREA_MASK) == OD_AREA_T;
        const std::string name = timer ? "T" + std::to_string(37 + timers++) : "C" + std::to_string(5 + counters++);
        declarations.push_back(name + " : " + blockType + ";");
        return name;
    }
    std::vector<std::string> declarations;

private:
    int timers = 0;
    int counters = 0;
};

// An operand that the slot takes: a typed constant for a constant-only slot, else a
// V-area address of the slot's type (every other memory slot accepts V). INT and DINT
// memory is named through variables of those types, since a bare %VW or %VD address
// takes the WORD or DWORD form where the table has one.
std::string OperandFor(OperandDescriptor slot, const char* mnemonic, InstanceNames& instances) {
    const OperandDescriptor area = slot & OD_AREA_MASK;
    if (area == OD_AREA_T || area == OD_AREA_C) return instances.Next(slot, mnemonic);
    const bool constant = (slot & OD_CONSTANT) && !(slot & OD_MEMORY);
    switch (slot & OD_TYPE_MASK) {
    case OD_BOOL: return constant ? "TRUE" : "%V0.1";
    case OD_BYTE: return constant ? "B#1" : "%VB10";
    case OD_WORD: return constant ? "W#1" : "%VW20";
    case OD_DWORD: return constant ? "DW#1" : "%VD40";
    case OD_INT: return constant ? "0" : "IV";  // 0 is a valid counter, port, event and mode
    case OD_DINT: return constant ? "DI#1" : "DV";
    default: return constant ? "1.5" : "%VR40";
    }
}

std::string Statement(const char* mnemonic, const OperandDescriptor* slots, int count, InstanceNames& instances) {
    std::string text = mnemonic;
    for (int i = 0; i < count; ++i) text += (i == 0 ? " " : ", ") + OperandFor(slots[i], mnemonic, instances);
    return text;
}

bool IsLoad(const char* mnemonic) { return !std::strcmp(mnemonic, "LD") || !std::strcmp(mnemonic, "LDN"); }

// One network per table row that a program writes with operands of its own (label and
// call operands and the generated rows aside), each after a load unless it is one, and
// a load or logic step closed by an output.
std::vector<std::string> NetworkPerTableRow(InstanceNames& instances, int& networks) {
    std::vector<std::string> lines;
    for (const InstrSpec& row : InstrSpecTable) {
        if (row.operandCount == 0 || row.mnemonic[0] == '_' || !(row.cpuMask & CurrentCpuMask()) ||
            (row.slots[0] & OD_LABEL))
            continue;
        lines.push_back("(* NETWORK " + std::to_string(networks++) + " *)");
        const std::string statement = Statement(row.mnemonic, row.slots, row.operandCount, instances);
        if (!IsLoad(row.mnemonic)) lines.push_back("LD %I0.0");
        lines.push_back(statement);
        if (IsLoad(row.mnemonic) || row.flag) lines.push_back("ST %Q0.0");
    }
    return lines;
}

// The forms without operands, brackets, jumps to a label, calls, an attachment, the
// MOVE to %SMW32 and PID where the CPU class has it, in three more networks.
std::vector<std::string> OtherForms(InstanceNames& instances, const std::string& smw32Move, int network) {
    auto header = [&network] { return "(* NETWORK " + std::to_string(network++) + " *)"; };
    std::vector<std::string> lines = {
        header(), "LD %I0.0", "AND(", "LD %I0.1", "OR %I0.2", ")", "OR(", "LDN %I0.3", ")",
        "AND(", "LD TRUE", ")", "R_TRIG", "F_TRIG", "ENI", "DISI", "__CR_EQ_1", "__CR_RESTORE", "ST %Q0.1",
        header(), "LD %I0.4", "JMP L1", "JMPC L1", "JMPCN L1", "CAL SBR01", "CAL SBR02 %I0.5, %VW60",
        "ATCH INT00, 13", smw32Move};
    if (PidInstruction.cpuMask & CurrentCpuMask())
        lines.push_back("PID " + Statement("", PidInstruction.slots, PID_OPERAND_COUNT, instances).substr(1));
    lines.insert(lines.end(), {header(), "L1:", "LD %I0.6", "ST %Q0.2"});
    return lines;
}

// The opcodes of the statements in the listings, with the "__SMW32" instruction that a
// MOVE to %SMW32 carries in its own code.
std::set<uint16_t> ListedOpcodes(const CProjectFixture& project, const std::string& smw32Move) {
    std::set<uint16_t> written;
    for (const char* listing : {"MAIN_MAIN.HEX", "SBR01_PLAIN.HEX", "SBR02_ARGS.HEX", "INT00_TICK.HEX"}) {
        const std::vector<ListingLine> lines = ReadListing(project.ReadFolderFile(listing));
        for (size_t i = 1; i < lines.size(); ++i) {
            written.insert(lines[i].Opcode());
            if (lines[i].statement == smw32Move && lines[i].bytes.size() == 10)
                written.insert(static_cast<uint16_t>(lines[i].bytes[6] | lines[i].bytes[7] << 8));
        }
    }
    return written;
}

class InstructionRoundTrip : public testing::TestWithParam<int> {};

TEST_P(InstructionRoundTrip, EveryTableFormComesBackToTheSameCode) {
    const int cpuClass = GetParam();
    RoundTrip trip(cpuClass);
    const std::string smw32Constant = cpuClass == 0 ? "1700" : "3700";  // inside the class's range
    InstanceNames instances;
    int networks = 0;
    std::vector<std::string> main = NetworkPerTableRow(instances, networks);
    const std::vector<std::string> others = OtherForms(instances, "MOVE " + smw32Constant + ", %SMW32", networks);
    main.insert(main.end(), others.begin(), others.end());
    std::vector<std::string> variables = {"VAR", "IV AT %VW20 : INT;", "DV AT %VD40 : DINT;"};
    variables.insert(variables.end(), instances.declarations.begin(), instances.declarations.end());
    variables.push_back("END_VAR");
    trip.original.WritePou("MAIN_MAIN", main, variables);
    trip.original.WritePou("SBR01_Plain", {"(* NETWORK 0 *)", "LD %I0.0", "RETC", "RETCN", "ST %Q0.3"});
    trip.original.WritePou("SBR02_Args", {"(* NETWORK 0 *)", "LD IN1", "ST %Q0.4"},
                           {"VAR_INPUT", "IN1 AT %V100.0 : BOOL;", "END_VAR", "VAR_IN_OUT",
                            "IO AT %VW102 : INT;", "END_VAR"});
    trip.original.WritePou("INT00_Tick", {"(* NETWORK 0 *)", "LD %I0.0", "RETC", "RETCN", "S %Q0.5"});
    trip.Run({{CompileUnit::kMain, 0, "MAIN"}, {CompileUnit::kSubroutine, 1, "Plain"},
              {CompileUnit::kSubroutine, 2, "Args"}, {CompileUnit::kInterrupt, 0, "Tick"}},
             false, true);
    EXPECT_NE(std::string::npos, trip.original.shell.CompileText().find(" 0 错误, 0 警告"));

    // The INT and DINT forms that bare addresses would not select name their memory.
    const std::string rebuiltVariables = trip.rebuilt.ReadFolderFile("MAIN_MAIN.ilv");
    EXPECT_NE(std::string::npos, rebuiltVariables.find("iVW20 AT %VW20 : INT ;\r\n")) << rebuiltVariables;
    EXPECT_NE(std::string::npos, rebuiltVariables.find("diVD40 AT %VD40 : DINT ;\r\n")) << rebuiltVariables;

    const std::set<uint16_t> written = ListedOpcodes(trip.original, "MOVE " + smw32Constant + " , %SMW32");
    for (const InstrSpec& row : InstrSpecTable)
        if (row.cpuMask & CurrentCpuMask()) {
            EXPECT_TRUE(written.count(row.opcode)) << row.variantName << std::hex << " " << row.opcode;
        }
    EXPECT_EQ((PidInstruction.cpuMask & CurrentCpuMask()) != 0, written.count(PidInstruction.opcode) == 1);
}

INSTANTIATE_TEST_SUITE_P(CpuClasses, InstructionRoundTrip, testing::Values(0, 1, 2));

}  // namespace
