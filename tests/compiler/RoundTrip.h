#pragma once

#include "compiler/SourceRebuilder.h"
#include "tests/compiler/ProjectFixture.h"

#include <gtest/gtest.h>

// Compiles a project, rebuilds its program into a second project and compiles that.
class RoundTrip {
public:
    explicit RoundTrip(int cpuClass = 1) : original("Orig", cpuClass), rebuilt("Back", cpuClass) {}

    // The listing flag has the original compile write hex listings.
    void Run(const std::vector<CompileUnit>& units, bool hasGlobals = false, bool hexListing = false) {
        ASSERT_TRUE(original.Compile(units, hasGlobals, hexListing)) << original.shell.CompileText() << original.Log();
        const std::vector<uint8_t> program = original.ObjectBytes();
        CStringArray names;
        CSourceRebuilder rebuilder;
        ASSERT_TRUE(rebuilder.Rebuild(program.data(), static_cast<int>(program.size()), 10,
                                      (rebuilt.Folder() + "\\").c_str(), names));
        std::vector<CompileUnit> back;
        for (int i = 0; i < names.GetSize(); ++i) {
            const CString name = names[i];
            if (name == "MAIN")
                back.push_back({CompileUnit::kMain, 0, "MAIN"});
            else
                back.push_back({name.Left(3) == "SBR" ? CompileUnit::kSubroutine : CompileUnit::kInterrupt,
                                atoi(name.Mid(3)), name.Left(3) + "_" + CString(std::to_string(atoi(name.Mid(3))).c_str())});
        }
        ASSERT_TRUE(rebuilt.Compile(back)) << rebuilt.shell.CompileText();
        EXPECT_EQ(program, rebuilt.ObjectBytes());
    }

    CProjectFixture original;
    CProjectFixture rebuilt;
};
