#include "shell/compile/CompileFileOrder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
void Fill(CStringArray& array, const std::vector<std::string>& names) {
    for (const std::string& name : names) array.Add(name.c_str());
}

std::vector<std::string> VectorOf(const CStringArray& array) {
    std::vector<std::string> names;
    for (int i = 0; i < array.GetSize(); ++i) names.push_back(array[i].GetString());
    return names;
}

TEST(CompileFileOrder, NamesTakeTheirPlacesAndTheCheckHolds) {
    struct Case {
        const char* name;
        std::vector<std::string> given;
        std::vector<std::string> ordered;
        bool valid;
    };
    const Case cases[] = {
        {"MAIN only, in LD, without globals: three names",
         {"C:\\p\\Demo\\MAIN_Main.ilp", "C:\\p\\Demo\\MAIN_Main.ilv", "C:\\p\\Demo.qpr"},
         {"C:\\p\\Demo.qpr", "C:\\p\\Demo\\MAIN_Main.ilv", "C:\\p\\Demo\\MAIN_Main.ilp"},
         true},
        {"subroutines by number, variable files before program files",
         {"d\\SBR03_B.ilp", "d\\SBR03_B.ilv", "d\\INT00_I.ilp", "d\\INT00_I.ilv", "d\\SBR01_A.ilp", "d\\SBR01_A.ilv",
          "d\\MAIN_M.ilp", "d\\MAIN_M.ilv", "d\\Demo.qgv", "Demo.qpr"},
         {"Demo.qpr", "d\\Demo.qgv", "d\\MAIN_M.ilv", "d\\MAIN_M.ilp", "d\\SBR01_A.ilv", "d\\SBR03_B.ilv",
          "d\\INT00_I.ilv", "d\\SBR01_A.ilp", "d\\SBR03_B.ilp", "d\\INT00_I.ilp"},
         true},
        {"letter case and a drive letter do not matter",
         {"x:main_m.ILP", "X:\\Main_m.Ilv", "demo.QPR"},
         {"demo.QPR", "X:\\Main_m.Ilv", "x:main_m.ILP"},
         true},
        {"a second project file fails the check",
         {"a.qpr", "b.qpr", "MAIN_M.ilv", "MAIN_M.ilp"},
         {"a.qpr", "MAIN_M.ilv", "MAIN_M.ilp", ""},
         false},
        {"a second MAIN program fails the check",
         {"a.qpr", "MAIN_M.ilv", "MAIN_M.ilp", "MAIN_N.ilp"},
         {"a.qpr", "MAIN_M.ilv", "MAIN_M.ilp", ""},
         false},
        {"without MAIN the check fails",
         {"a.qpr", "SBR00_S.ilv", "SBR00_S.ilp"},
         {"a.qpr", "SBR00_S.ilv", "SBR00_S.ilp"},
         false},
        {"a name that fits no place is left out and fails the check",
         {"a.qpr", "MAIN_M.ilv", "MAIN_M.ilp", "SBR16_X.ilp", "notes.txt"},
         {"a.qpr", "MAIN_M.ilv", "MAIN_M.ilp", "", ""},
         false},
        {"nothing given", {}, {}, false},
    };
    for (const Case& c : cases) {
        CStringArray given, ordered;
        Fill(given, c.given);
        ordered.Add("left over");
        EXPECT_EQ(c.valid, !!OrderCompileFiles(given, ordered)) << c.name;
        EXPECT_EQ(c.ordered, VectorOf(ordered)) << c.name;
    }
}
}  // namespace
