#include "compiler/SourceRebuilder.h"

#include "tests/compiler/RoundTrip.h"
#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

TEST(SourceRebuilder, MainComesBackAsPaddedIlWithEmptySections) {
    RoundTrip trip;
    trip.original.WritePou("MAIN_MAIN", {"(* NETWORK 0 *)", "LD %I0.0", "ST %Q0.0"});
    trip.Run({{CompileUnit::kMain, 0, "MAIN"}});
    EXPECT_EQ((std::vector<std::string>{"(*1*)", "(* Network 0 *)", "LD      %I0.0", "ST      %Q0.0"}),
              ReadLines(trip.rebuilt.Folder() + "\\MAIN_MAIN.ilp"));
    EXPECT_EQ((std::vector<std::string>{"VAR_INPUT", "END_VAR", "VAR_OUTPUT", "END_VAR", "VAR_IN_OUT",
                                        "END_VAR", "VAR", "END_VAR"}),
              ReadLines(trip.rebuilt.Folder() + "\\MAIN_MAIN.ilv"));
}

TEST(SourceRebuilder, CallsWithParametersLabelsAndAttachmentsRoundTrip) {
    RoundTrip trip;
    trip.original.WritePou("MAIN_MAIN",
                           {"(* NETWORK 0 *)", "LD %I0.0", "CAL SBR03 %I0.1, %VW10, %Q0.1",
                            "(* NETWORK 1 *)", "LD %I0.2", "JMPC SKIP",
                            "(* NETWORK 2 *)", "LD %I0.3", "ATCH INT05, 10",
                            "(* NETWORK 3 *)", "SKIP:", "LD %I0.4", "AND( ", "LDN %I0.5", "OR %I0.6", ")",
                            "ST %Q0.3"});
    trip.original.WritePou("SBR03_Pump", {"(* NETWORK 0 *)", "LD IN1", "ST OUT1", "(* NETWORK 1 *)",
                                          "LD %SM0.0", "INC IO1"},
                           {"VAR_INPUT", "IN1 AT %V100.0 : BOOL;", "END_VAR", "VAR_IN_OUT",
                            "IO1 AT %VW102 : INT;", "END_VAR", "VAR_OUTPUT", "OUT1 AT %V104.0 : BOOL;",
                            "END_VAR"});
    trip.original.WritePou("INT05_Tick", {"(* NETWORK 0 *)", "LD %SM0.0", "S %Q0.2"}, {"VAR", "END_VAR"}, 2);
    trip.Run({{CompileUnit::kMain, 0, "MAIN"}, {CompileUnit::kSubroutine, 3, "Pump"},
              {CompileUnit::kInterrupt, 5, "Tick"}});
    const auto main = ReadLines(trip.rebuilt.Folder() + "\\MAIN_MAIN.ilp");
    EXPECT_NE(main.end(), std::find(main.begin(), main.end(), "CAL     SBR03 %I0.1, %VW10, %Q0.1"));
    EXPECT_NE(main.end(), std::find(main.begin(), main.end(), "JMPC    LBL1"));
    EXPECT_NE(main.end(), std::find(main.begin(), main.end(), "LBL1:"));
    EXPECT_NE(main.end(), std::find(main.begin(), main.end(), "ATCH    INT05,  10"));
    EXPECT_NE(main.end(), std::find(main.begin(), main.end(), "LDN     %I0.5"));
    EXPECT_EQ((std::vector<std::string>{"VAR_INPUT", "bP00 AT %V100.0 : BOOL ;", "END_VAR", "VAR_OUTPUT",
                                        "bP02 AT %V104.0 : BOOL ;", "END_VAR", "VAR_IN_OUT",
                                        "iP01 AT %VW102 : INT ;", "END_VAR", "VAR", "END_VAR"}),
              ReadLines(trip.rebuilt.Folder() + "\\SBR03_SBR_3.ilv"));
    EXPECT_EQ("(*2*)", ReadLines(trip.rebuilt.Folder() + "\\INT05_INT_5.ilp").at(0));
}

TEST(SourceRebuilder, EveryInstructionFormRoundTrips) {
    RoundTrip trip;
    trip.original.WritePou(
        "MAIN_MAIN",
        {"(* NETWORK 0 *)", "LD TRUE", "MOVE B#16#7F, %VB0", "MOVE DI#-1, %VD4", "MOVE 2.0, %VR8",
         "MOVE 0.5, %VR12", "MOVE -1, %VW16", "MOVE DW#16#FFFFFFFF, %VD20", "MOVE W#7, %VW24",
         "ADD %VW16, %VW18", "SUB 3, %VW18", "MUL DI#2, %VD4", "DIV %VR8, %VR12",
         "AND B#1, %VB0", "OR W#3, %VW24", "XOR %VD20, %VD4", "ANDN %VB1, %VB0", "NOT %VW24",
         "SHL %VW24, B#2", "ROR %VD4, %VB1", "INC %VW16", "DEC %VD4", "BLKMOVE %VB0, %VB40, B#4",
         "DI_TO_R %VD4, %VR28", "R_TO_DI %VR28, %VD32", "MOVE 3700, %SMW32", "FILL B#0, %VB60, B#8",
         "(* NETWORK 1 *)", "LD %I0.0", "AND %M0.1", "ANDN %Q0.0", "OR %V1.0", "ORN %SM0.1",
         "GT %VW16, 5", "LE DI#7, %VD4", "EQ %VR8, 1.5", "NE %VB0, B#3", "R_TRIG",
         "S %Q0.1", "R %M1.0",
         "(* NETWORK 2 *)", "LD %I0.1", "TON T37, 100", "(* NETWORK 3 *)", "LD %I0.2", "LD %I0.3",
         "CTU C5, %I0.4, %VW16", "(* NETWORK 4 *)", "LD T37", "ST %Q0.4",
         "(* NETWORK 5 *)", "LD %I0.5", "HDEF 1, 3", "HSC 1", "PLS 0", "XMT %VB100, 1", "RCV %VB200, 0",
         "DTCH 10", "ENI", "DISI", "READ_RTC %VB300", "SET_RTC %VB300"},
        {"VAR", "T37 : TON;", "C5 : CTU;", "END_VAR"});
    trip.Run({{CompileUnit::kMain, 0, "MAIN"}});
}

// Networks of a load and eight DINT moves: 70 bytes and 10 lines each.
std::vector<std::string> WideNetworks(int count) {
    std::vector<std::string> lines;
    for (int n = 0; n < count; ++n) {
        lines.insert(lines.end(), {"(* NETWORK " + std::to_string(n) + " *)", "LD %I0.0"});
        for (int m = 0; m < 8; ++m)
            lines.push_back("MOVE DI#" + std::to_string(100000 + n) + ", %VD" + std::to_string(4 * m));
    }
    return lines;
}

TEST(SourceRebuilder, ProgramsPastEightKilobytesComeBackAndTooManyLinesAreRefused) {
    RoundTrip trip;
    trip.original.shell.programMemorySize = trip.rebuilt.shell.programMemorySize = 100000;
    trip.original.WritePou("MAIN_MAIN", WideNetworks(140));
    trip.Run({{CompileUnit::kMain, 0, "MAIN"}});
    EXPECT_GT(trip.original.ObjectBytes().size(), 9000u);

    CProjectFixture tooLong("TooLong");
    tooLong.shell.programMemorySize = 100000;
    tooLong.WritePou("MAIN_MAIN", WideNetworks(151));  // 1510 instruction lines
    ASSERT_TRUE(tooLong.Compile({{CompileUnit::kMain, 0, "MAIN"}}));
    const std::vector<uint8_t> program = tooLong.ObjectBytes();
    ScriptedMessageBoxes boxes;
    CStringArray names;
    CSourceRebuilder rebuilder(1);
    EXPECT_FALSE(rebuilder.Rebuild(program.data(), static_cast<int>(program.size()), 10,
                                   (trip.rebuilt.Folder() + "\\").c_str(), names));
    ASSERT_FALSE(boxes.Calls().empty());
    EXPECT_EQ("取数组时溢出", boxes.Calls().front().text);
}

TEST(SourceRebuilder, BadInputFailsWithItsMessage) {
    struct Case {
        std::vector<uint8_t> bytes;
        const char* message;
    } cases[] = {
        {{0x08, 0x00, 0x01, 0x06, 0x04, 0x00, 0x31, 0x01}, "第一次头处理出错"},
        {{0x08, 0x00, 0x01, 0x06, 0x02, 0x20, 0x30, 0x01}, "第一次头处理出错"},
        {{0x08, 0x00, 0x01, 0x06, 0x01, 0xFF, 0x31, 0x01, 0x00, 0x00, 0x01, 0x06, 0x02, 0x00},
         "第2次头处理出错"},
        {{0x09, 0x00, 0x01, 0x06, 0x01, 0xFF, 0x31, 0x01}, "第一次头处理出错"},
        {{0x08, 0x00, 0x01, 0x06, 0x01, 0xFF, 0xEE, 0x0E}, "第1个程序在生成指令文本时处理出错"},
        {{0x09, 0x00, 0x01, 0x06, 0x01, 0xFF, 0x09, 0x00, 0x00}, "第1个程序在生成指令文本时处理出错"},
        {{0x0C, 0x00, 0x01, 0x06, 0x01, 0xFF, 0x32, 0x01, 0x32, 0x01, 0x31, 0x01}, "第1个程序在生成指令文本时处理出错"},
        {{0x0A, 0x00, 0x01, 0x06, 0x01, 0xFF, 0x23, 0x01, 0x07, 0x00}, "第1个程序在处理LABEL系列语句时出错"},
    };
    CProjectFixture target("Bad");
    for (const Case& c : cases) {
        ScriptedMessageBoxes boxes;
        CStringArray names;
        CSourceRebuilder rebuilder;
        EXPECT_FALSE(rebuilder.Rebuild(c.bytes.data(), static_cast<int>(c.bytes.size()), 10,
                                       (target.Folder() + "\\").c_str(), names));
        ASSERT_FALSE(boxes.Calls().empty()) << c.message;
        EXPECT_EQ(c.message, boxes.Calls().back().text);
        EXPECT_EQ(0, names.GetSize());
    }
}

TEST(SourceRebuilder, GarbledProgramsFailWithoutReadingPastThem) {
    RoundTrip trip;
    trip.original.WritePou("MAIN_MAIN", {"(* NETWORK 0 *)", "LD %I0.0", "CAL SBR01 %I0.1, %VW10",
                                         "MOVE DI#5, %VD20", "JMPC L1", "(* NETWORK 1 *)", "L1:",
                                         "LD %I0.2", "ST %Q0.0"});
    trip.original.WritePou("SBR01_Sub", {"(* NETWORK 0 *)", "LD %V100.0", "ST %Q0.1"},
                           {"VAR_INPUT", "A AT %V100.0 : BOOL;", "B AT %VW102 : INT;", "END_VAR"});
    ASSERT_TRUE(trip.original.Compile({{CompileUnit::kMain, 0, "MAIN"}, {CompileUnit::kSubroutine, 1, "Sub"}}));
    const std::vector<uint8_t> program = trip.original.ObjectBytes();
    ScriptedMessageBoxes boxes;
    std::mt19937 random(777);
    for (int run = 0; run < 400; ++run) {
        std::vector<uint8_t> garbled(program.begin(), program.begin() + random() % (program.size() + 1));
        for (int flips = run % 3; flips > 0 && !garbled.empty(); --flips)
            garbled[random() % garbled.size()] ^= static_cast<uint8_t>(1u << (random() % 8));
        CStringArray names;
        CSourceRebuilder rebuilder(1);
        rebuilder.Rebuild(garbled.data(), static_cast<int>(garbled.size()), 10,
                          (trip.rebuilt.Folder() + "\\").c_str(), names);
        EXPECT_LE(names.GetSize(), 2);
    }
}

TEST(SourceRebuilder, ConstantTexts) {
    RoundTrip trip;
    trip.original.WritePou("MAIN_MAIN", {"(* NETWORK 0 *)", "LD %I0.0", "MOVE 2.0, %VR0", "MOVE 0.5, %VR4",
                                         "MOVE B#7, %VB8", "MOVE -1, %VW10", "MOVE DW#16#FFFFFFFF, %VD12"});
    trip.Run({{CompileUnit::kMain, 0, "MAIN"}});
    const auto lines = ReadLines(trip.rebuilt.Folder() + "\\MAIN_MAIN.ilp");
    for (const char* expected : {"MOVE    2.0, %VR0", "MOVE    0.5, %VR4", "MOVE    B#7, %VB8",
                                 "MOVE    -1, %VW10", "MOVE    DW#4294967295, %VD12"})
        EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), expected)) << expected;
}

}  // namespace
