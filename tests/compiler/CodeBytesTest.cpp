#include "tests/compiler/ProjectFixture.h"

#include "language/AddressCode.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Le16(uint16_t value) { return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)}; }

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Code(const char* address) { return Le16(EncodeAddressCode(address, FALSE)); }

// The instructions of MAIN's block after its header and network marker, without the end
// marker, for a network that starts with LD %I0.0.
Bytes MainBody(const std::vector<std::string>& statements, int cpuClass = 1) {
    CProjectFixture project("Bytes", cpuClass);
    std::vector<std::string> program = {"(* NETWORK 0 *)", "LD %I0.0"};
    program.insert(program.end(), statements.begin(), statements.end());
    project.WritePou("MAIN_MAIN", program);
    EXPECT_TRUE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}})) << project.shell.CompileText();
    const Bytes bytes = project.ObjectBytes();
    if (bytes.size() < 14) return {};
    return Bytes(bytes.begin() + 12, bytes.end() - 2);
}

TEST(CodeBytes, ConstantsKeepTheirOwnWidth) {
    struct Case {
        const char* statement;
        Bytes expected;
    } cases[] = {
        {"MOVE B#16#7F, %VB0", Concat({Le16(0x116), {0x7F, 0x00}, Code("%VB0")})},
        {"MOVE DI#-1, %VD0", Concat({Le16(0x1BB), {0xFF, 0xFF, 0xFF, 0xFF}, Code("%VD0")})},
        {"MOVE 16#1234, %VW0", Concat({Le16(0x118), {0x34, 0x12}, Code("%VW0")})},
        {"MOVE -2, %VW0", Concat({Le16(0x1B9), {0xFE, 0xFF}, Code("%VW0")})},
        {"MOVE 1.0, %VR0", Concat({Le16(0x11C), {0x00, 0x00, 0x80, 0x3F}, Code("%VR0")})},
        {"MOVE 3700, %SMW32", Concat({Le16(0x1B9), Le16(3700), Code("%SMW32"), {0x39, 0x01, 0x35, 0x00}})},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, MainBody({c.statement})) << c.statement;
}

TEST(CodeBytes, SmwCodeOnCpuClassZero) {
    EXPECT_EQ(Concat({Le16(0x1B9), Le16(0x670), Code("%SMW32"), {0x39, 0x01, 0x01, 0x00}}),
              MainBody({"MOVE 1648, %SMW32"}, 0));
}

TEST(CodeBytes, LoadsInsideBracketsAreRewritten) {
    const Bytes body = MainBody({"AND(", "LDN %I0.1", ")", "OR(", "LD TRUE", ")", "ST %Q0.0"});
    EXPECT_EQ(Concat({Le16(0xCC), Le16(0x02), Code("%I0.1"), Le16(0xCA), Le16(0xCB), Le16(0x00),
                      {0x01, 0x00}, Le16(0xCA), Le16(0x1C), Code("%Q0.0")}),
              body);
}

TEST(CodeBytes, LabelNumbersAreUniqueAcrossUnitsAndMatchTheirJumps) {
    CProjectFixture project("Labels");
    project.WritePou("MAIN_MAIN", {"(* NETWORK 0 *)", "LD %I0.0", "JMPC L1", "(* NETWORK 1 *)", "L1:",
                                   "LD %I0.1", "CAL SBR01"});
    project.WritePou("SBR01_Sub", {"(* NETWORK 0 *)", "L1:", "LD %I0.2", "JMPC L1"});
    ASSERT_TRUE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}, {CompileUnit::kSubroutine, 1, "Sub"}}))
        << project.shell.CompileText();
    // MAIN: LD 0, JMPC 1, LBL 2 (number 3), LD 3, EN 4, CAL 5, ENO 6, MPEND 7;
    // SBR01 starts at 8: LBL 8 (number 9), LD 9, JMPC 10, SPEND 11.
    const Bytes main = Concat({Le16(0x134), Le16(0x09), Code("%I0.0"), Le16(0x124), Le16(3), Le16(0x134),
                               Le16(0x126), Le16(3), Le16(0x09), Code("%I0.1"), Le16(0x132), Le16(0x12F),
                               Le16(8), Le16(0x133), Le16(0x131)});
    const Bytes sbr = Concat({Le16(0x134), Le16(0x126), Le16(9), Le16(0x09), Code("%I0.2"), Le16(0x124),
                              Le16(9), Le16(0x130)});
    const Bytes expected = Concat({Le16(static_cast<uint16_t>(6 + main.size())), {1, 6, 1, 0xFF}, main,
                                   Le16(static_cast<uint16_t>(6 + sbr.size())), {1, 6, 2, 1}, sbr});
    EXPECT_EQ(expected, project.ObjectBytes());
}

TEST(CodeBytes, EmptyUnitBlockHasLengthEight) {
    CProjectFixture project("Empty");
    project.WritePou("MAIN_MAIN", {"(* NETWORK 0 *)", "LD %I0.0", "ST %Q0.0"});
    project.WritePou("SBR03_Pump", {});
    ASSERT_TRUE(project.Compile({{CompileUnit::kMain, 0, "MAIN"}, {CompileUnit::kSubroutine, 3, "Pump"}}))
        << project.shell.CompileText();
    const Bytes bytes = project.ObjectBytes();
    ASSERT_EQ(18u + 8u, bytes.size());
    EXPECT_EQ((Bytes{0x08, 0x00, 0x01, 0x06, 0x02, 0x03, 0x30, 0x01}), Bytes(bytes.begin() + 18, bytes.end()));
}

}  // namespace
