#include "compiler/CompileDriver.h"

#include "compiler/AppendFile.h"
#include "compiler/PouSymbol.h"
#include "tests/compiler/RecordingCompileShell.h"
#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

TEST(CompileDriver, CollectsUnitsAndProjectPathsFromTheFileList) {
    std::vector<CString> files = {
        "D:\\Work\\Pump\\SBR03_Motor.ilp", "D:\\Work\\Pump\\SBR03_Motor.ilv",
        "D:\\Work\\Pump\\SBRX_A.ilp",      "D:\\Work\\Pump\\INT05_Tick.ilv",
        "D:\\Work\\Pump\\SBR07_Fan.ilv",   "D:\\Work\\Pump\\MAIN_MAIN.ilp",
        "D:\\Work\\Other.qpr",             "D:\\Work\\Pump.qpr"};
    CCompileDriver driver(files.data(), static_cast<int>(files.size()));
    EXPECT_STREQ("D:\\WORK\\PUMP\\SBR03_MOTOR.ILP", files[0]);
    EXPECT_STREQ("D:\\WORK\\PUMP\\PUMP.QPR", driver.GetProjectBasePath());
    EXPECT_STREQ("D:\\WORK\\PUMP\\PUMP.COI", driver.GetLogPath());
    EXPECT_STREQ("D:\\WORK\\PUMP\\PUMP.EPL", driver.GetObjectPath());

    const CPouSymbol* sbr = FindPou("SBR03");
    ASSERT_NE(nullptr, sbr);
    EXPECT_STREQ("Motor", sbr->displayName);
    EXPECT_EQ(3, sbr->subroutineNumber);
    EXPECT_EQ(CPouSymbol::kInterrupt, FindPou("INT05")->kind);
    EXPECT_STREQ("Tick", FindPou("INT05")->displayName);
    EXPECT_EQ(nullptr, FindPou("SBRX"));
    EXPECT_EQ(nullptr, FindPou("SBR07"));  // a variable file alone registers nothing
    EXPECT_EQ(nullptr, FindPou("MAIN"));
    EXPECT_EQ(sbr, GetFirstPou());
    EXPECT_EQ(nullptr, GetFirstPou()->next->next);
}

TEST(CompileDriver, ProjectPathWithoutFolderIsRefused) {
    ScriptedMessageBoxes boxes;
    std::vector<CString> files = {"PUMP.QPR"};
    CCompileDriver driver(files.data(), 1);
    EXPECT_TRUE(driver.GetProjectBasePath().IsEmpty());
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("传入的工程名路径错误(内部调试性错误)", boxes.Calls()[0].text);
}

TEST(CompileDriver, NoArrayIsAnEmptyList) {
    CCompileDriver driver(nullptr, 5);
    EXPECT_TRUE(driver.GetProjectBasePath().IsEmpty());
    EXPECT_EQ(nullptr, GetFirstPou());
}

// A temporary project folder with an open compile log.
class CompileDriverFolderTest : public testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "tx_driver_test";
        CreateDirectoryA(folder.c_str(), nullptr);
        CreateDirectoryA((folder + "\\PUMP").c_str(), nullptr);
        Touch(folder + "\\PUMP\\PUMP.COI", "");
    }
    void TearDown() override {
        GetCompileLog().Close();
        for (const char* name : {"PUMP.COI", "PUMP.QGV", "PUMP.CGV", "A.LDV", "A.CIV", "B.ILV"})
            DeleteFileA((folder + "\\PUMP\\" + name).c_str());
        RemoveDirectoryA((folder + "\\PUMP").c_str());
        RemoveDirectoryA(folder.c_str());
    }
    static void Touch(const std::string& path, const char* text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    // The upper-case form in which the driver works on paths.
    CString Path(const char* name) const {
        CString path = (folder + "\\PUMP\\" + name).c_str();
        path.MakeUpper();
        return path;
    }

    std::string folder;
};

TEST_F(CompileDriverFolderTest, PreprocessCopiesAndDeletesIntermediates) {
    Touch(folder + "\\PUMP\\PUMP.QGV", "VAR_GLOBAL\r\nEND_VAR\r\n");
    Touch(folder + "\\PUMP\\A.LDV", "x");
    Touch(folder + "\\PUMP\\B.ILV", "x");
    std::vector<CString> files = {CString((folder + "\\Pump.qpr").c_str()), Path("PUMP.QGV"),
                                  Path("A.LDV"), Path("B.ILV"), Path("MISSING.LDV")};
    CRecordingCompileShell shell;
    CCompileDriver driver(files.data(), static_cast<int>(files.size()));
    ASSERT_TRUE(GetCompileLog().Open(driver.GetLogPath()));

    driver.PreprocessFiles("QGV", "", "CGV");
    ASSERT_EQ(1u, driver.GetPhaseFiles().size());
    EXPECT_STREQ(Path("PUMP.CGV"), driver.GetPhaseFiles()[0]);
    EXPECT_TRUE(GetFileAttributesA(Path("PUMP.CGV")) != INVALID_FILE_ATTRIBUTES);
    driver.DeleteIntermediateFiles();
    EXPECT_TRUE(driver.GetPhaseFiles().empty());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(Path("PUMP.CGV")));

    driver.PreprocessFiles("LDV", "ILV", "CIV");
    ASSERT_EQ(2u, driver.GetPhaseFiles().size());
    EXPECT_STREQ(Path("A.CIV"), driver.GetPhaseFiles()[0]);
    EXPECT_STREQ(Path("B.ILV"), driver.GetPhaseFiles()[1]);
    EXPECT_EQ(1, driver.GetErrorCount());
    ASSERT_EQ(1u, shell.lines.size());
    EXPECT_EQ("$$$ [Error 010]文件不存在:" + std::string(Path("MISSING.LDV")) +
                  ": 无法找到指定的文件.",
              shell.lines[0].second);
    driver.DeleteIntermediateFiles();
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(Path("A.CIV")));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(Path("B.ILV")));
}

TEST_F(CompileDriverFolderTest, PhaseTakesAtMost255Files) {
    std::vector<CString> files(CCompileDriver::kMaxFiles, Path("B.ILV"));
    files[0] = CString((folder + "\\Pump.qpr").c_str());
    CRecordingCompileShell shell;
    CCompileDriver driver(files.data(), static_cast<int>(files.size()));
    driver.PreprocessFiles("LDV", "ILV", "CIV");
    EXPECT_EQ(255u, driver.GetPhaseFiles().size());
    EXPECT_EQ(0, driver.GetErrorCount());
    files.push_back(Path("B.ILV"));  // beyond 256 paths nothing more is looked at
    CCompileDriver longer(files.data(), static_cast<int>(files.size()));
    longer.PreprocessFiles("LDV", "ILV", "CIV");
    EXPECT_EQ(255u, longer.GetPhaseFiles().size());

    std::vector<CString> more(CCompileDriver::kMaxFiles, Path("B.ILV"));
    CCompileDriver full(more.data(), static_cast<int>(more.size()));
    full.PreprocessFiles("LDV", "ILV", "CIV");
    EXPECT_EQ(255u, full.GetPhaseFiles().size());
    EXPECT_EQ(1, full.GetErrorCount());
    EXPECT_EQ("$$$ [Error 038]溢出:传入的编译文件数目过多.", shell.lines.back().second);
}

// Call trees are checked on the units the driver registered, with the callees that
// pass 1 records in them.
class CallTreeTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* file : {"SBR00_A.ILP", "SBR01_B.ILP", "SBR02_C.ILP", "SBR03_D.ILP",
                                 "INT00_I.ILP", "D:\\P.QPR"})
            files.push_back(CString("D:\\P\\") + file);
        driver = new CCompileDriver(files.data(), static_cast<int>(files.size()));
    }
    void TearDown() override { delete driver; }
    static void Calls(const char* caller, const char* callee) { FindPou(caller)->AddCall(callee); }

    std::vector<CString> files;
    CCompileDriver* driver = nullptr;
    CRecordingCompileShell shell;
};

TEST_F(CallTreeTest, ThreeNestedSubroutinesAreAllowedAFourthIsNot) {
    Calls("SBR00", "SBR01");
    Calls("SBR01", "SBR02");
    Calls("INT00", "SBR00");  // interrupt routines are no roots
    driver->CheckCallTrees();
    EXPECT_EQ(0, driver->GetErrorCount());
    EXPECT_TRUE(shell.lines.empty());

    Calls("SBR02", "SBR03");
    driver->CheckCallTrees();
    EXPECT_EQ(1, driver->GetErrorCount());
    ASSERT_EQ(1u, shell.lines.size());
    EXPECT_EQ("$$$ [Error 038]溢出:子程序嵌套调用不能超过三层, 子程序调用序列为:"
              "调用者->(SBR00)->(SBR01)->(SBR02)->(SBR03).",
              shell.lines[0].second);
}

TEST_F(CallTreeTest, RecursionIsWarnedOncePerRootOnTheCycle) {
    Calls("SBR00", "SBR01");
    Calls("SBR01", "SBR02");
    Calls("SBR02", "SBR01");
    Calls("SBR01", "SBR09");  // not registered: skipped
    driver->CheckCallTrees();
    EXPECT_EQ(0, driver->GetErrorCount());
    EXPECT_EQ(3, driver->GetWarningCount());
    ASSERT_EQ(3u, shell.lines.size());
    EXPECT_EQ("$$$ [Warning 042]递归调用:子程序存在递归调用, 子程序调用序列为: "
              "调用者->(A)->(B)->(C)->(B).",
              shell.lines[0].second);
    EXPECT_EQ("$$$ [Warning 042]递归调用:子程序存在递归调用, 子程序调用序列为: "
              "调用者->(B)->(C)->(B).",
              shell.lines[1].second);
}

}  // namespace
