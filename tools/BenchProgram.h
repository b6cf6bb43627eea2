#pragma once
// The full-size program of the compiler benchmark (tools/compilebench), as the project
// benchmark generates it: MAIN with 1,200 networks and a call of each of 16 subroutines
// with parameters, and 16 interrupt routines; near the 64 KiB program limit and far
// above any CPU's instruction capacity.
#include "compiler/CompileFileList.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

inline void WriteBenchLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream file(path, std::ios::binary);
    for (const std::string& line : lines) file << line << "\r\n";
}

// n networks of a compare, a word move and a coil: 2 + 4 + 8 + 6 + 4 = 24 bytes each.
inline std::vector<std::string> BenchNetworks(int count, int firstByte) {
    std::vector<std::string> lines = {"(*1*)"};
    for (int n = 0; n < count; ++n) {
        const int byte = (firstByte + 2 * n) % 2000;
        lines.push_back("(* NETWORK " + std::to_string(n) + " *)");
        lines.push_back("LD %I0." + std::to_string(n % 8));
        lines.push_back("GT %VW" + std::to_string(byte) + ", 100");
        lines.push_back("MOVE %VW" + std::to_string(byte) + ", %VW" + std::to_string(byte + 2000));
        lines.push_back("ST %Q0." + std::to_string(n % 8));
    }
    return lines;
}

// The POU names (MAIN's, and the subroutines' and interrupt routines' before their
// number) and whether each subroutine has an INT in-out parameter besides its BOOL
// input. In a project the subroutines' parameters share the 12 bytes of local memory
// that hold words: there they have the input only.
struct BenchProgramShape {
    std::string main = "Main";
    std::string subroutine = "Sub";
    std::string interrupt = "Int";
    bool inOutParameter = true;
};

// Writes the 33 POUs' program and variable files into the folder; the units in the order
// MAIN, subroutines, interrupt routines.
inline std::vector<CompileUnit> WriteBenchProgram(const std::string& folder, const BenchProgramShape& shape = {}) {
    std::vector<CompileUnit> units = {{CompileUnit::kMain, 0, shape.main.c_str()}};
    std::vector<std::string> main = BenchNetworks(1200, 0);
    for (int s = 0; s < 16; ++s) {
        char stem[32];
        snprintf(stem, sizeof stem, "SBR%02d_%s%d", s, shape.subroutine.c_str(), s);
        WriteBenchLines(folder + "\\" + stem + ".ilp", BenchNetworks(60, 100 * s));
        std::vector<std::string> variables = {"VAR_INPUT", "IN AT %V" + std::to_string(3000 + s) + ".0 : BOOL;",
                                              "END_VAR"};
        std::string call = "CAL SBR" + std::string(stem).substr(3, 2) + " %I0.2";
        if (shape.inOutParameter) {
            variables.insert(variables.end(),
                             {"VAR_IN_OUT", "IO AT %VW" + std::to_string(3100 + 2 * s) + " : INT;", "END_VAR"});
            call += ", %VW" + std::to_string(2 * s);
        }
        WriteBenchLines(folder + "\\" + stem + ".ilv", variables);
        units.push_back({CompileUnit::kSubroutine, s, (shape.subroutine + std::to_string(s)).c_str()});
        main.push_back("(* NETWORK " + std::to_string(1200 + s) + " *)");
        main.push_back("LD %I0.1");
        main.push_back(call);
    }
    for (int i = 0; i < 16; ++i) {
        char stem[32];
        snprintf(stem, sizeof stem, "INT%02d_%s%d", i, shape.interrupt.c_str(), i);
        WriteBenchLines(folder + "\\" + stem + ".ilp", BenchNetworks(45, 50 * i));
        WriteBenchLines(folder + "\\" + stem + ".ilv", {"VAR", "END_VAR"});
        units.push_back({CompileUnit::kInterrupt, i, (shape.interrupt + std::to_string(i)).c_str()});
    }
    WriteBenchLines(folder + "\\MAIN_" + shape.main + ".ilp", main);
    WriteBenchLines(folder + "\\MAIN_" + shape.main + ".ilv", {"VAR", "END_VAR"});
    return units;
}
