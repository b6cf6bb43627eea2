#include "compiler/IlCompiler.h"

#include "compiler/CompileVariables.h"
#include "tests/compiler/RecordingCompileShell.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(IlCompiler, FilesAreClassifiedByExtensionAndNamePrefix) {
    const struct {
        const char* path;
        int kind;
        const char* pouName;
        int status;
    } cases[] = {
        {"C:\\P\\SBR02_PUMP.CIP", kSourceSubroutineProgram, "SBR02", CIlCompiler::kUsable},
        {"C:\\P\\INT05_TICK.ILP", kSourceInterruptProgram, "INT05", CIlCompiler::kUsable},
        {"C:\\P\\MAIN_MAIN.ILP", kSourceMainProgram, "MAIN", CIlCompiler::kUsable},
        {"C:\\P\\MAIN_.CIV", kSourceMainVars, "MAIN", CIlCompiler::kUsable},
        {"C:\\P\\SBR07_X.ILV", kSourceSubroutineVars, "SBR07", CIlCompiler::kUsable},
        {"C:\\P\\INT01.CIV", kSourceInterruptVars, "", CIlCompiler::kUsable},
        {"C:\\P\\PROJ.CGV", kSourceGlobalVars, "", CIlCompiler::kUsable},
        {"C:\\P\\FOO.CIP", kSourceUnknown, "", CIlCompiler::kKindUnknown},
        {"c:\\p\\main_.cip", kSourceUnknown, "", CIlCompiler::kKindUnknown},
        {"C:\\P\\MAIN_MAIN", kSourceUnknown, "", CIlCompiler::kPathMissing},  // no extension, no listing path
        {"", kSourceUnknown, "", CIlCompiler::kPathMissing},
    };
    for (const auto& c : cases) {
        CIlCompiler compiler(c.path, "C:\\P\\PROJ.QPR");
        EXPECT_EQ(c.kind, CurrentSourceKind) << c.path;
        EXPECT_STREQ(c.pouName, compiler.GetPouName()) << c.path;
        EXPECT_EQ(c.status, compiler.GetStatus()) << c.path;
    }
    CIlCompiler compiler("C:\\P\\SBR02_PUMP.CIP", " C:\\P\\PROJ.QPR ");
    EXPECT_STREQ("C:\\P\\SBR02_PUMP.HEX", compiler.GetHexPath());
    EXPECT_STREQ("C:\\P\\PROJ.COI", compiler.GetLogPath());
}

TEST(IlCompiler, RefusedAndMissingFilesCountOneErrorEach) {
    TempFolder temp;
    const CString base = (temp / "PROJ.QPR").c_str();
    const struct {
        std::string path;
        const char* line;
    } cases[] = {
        {temp / "FOO.CIP", "[Error 009]"},
        {temp / "MAIN_MAIN.CIP", "[Error 010]文件不存在"},
    };
    for (const auto& c : cases) {
        CRecordingCompileShell shell;
        CIlCompiler compiler(c.path.c_str(), base);
        int errors = 0, warnings = 0;
        EXPECT_EQ(1, compiler.CompileFile(&errors, &warnings, false)) << c.path;
        EXPECT_EQ(1, errors);
        EXPECT_NE(std::string::npos, shell.CompileText().find(c.line)) << shell.CompileText();
        EXPECT_EQ(0, compiler.GetFileErrorCount(c.path.c_str()));  // nothing recorded
    }
}

TEST(IlCompiler, ProgramFilesAreAnnouncedInTheFirstRunOnly) {
    TempFolder temp;
    temp.WriteFile("MAIN_MAIN.CIP", "(*1*)\r\n(* NETWORK 0 *)\r\nLD %I0.0\r\nST %Q0.0\r\n");
    CRecordingCompileShell shell;
    CIlCompiler compiler((temp / "MAIN_MAIN.CIP").c_str(), (temp / "PROJ.QPR").c_str());
    compiler.skipPass2 = true;
    compiler.CompileFile(nullptr, nullptr, false);
    const size_t announced = shell.lines.size();
    EXPECT_NE(std::string::npos, shell.CompileText().find("正在编译"));
    compiler.skipPass1 = true;
    compiler.skipPass2 = true;
    compiler.CompileFile(nullptr, nullptr, false);
    EXPECT_EQ(announced, shell.lines.size());
}

}  // namespace
