#include "shell/compile/CompileCommand.h"

#include "hardware/ModuleCatalog.h"
#include "project/CQLXInitData.h"
#include "project/CQLXStatus.h"
#include "project/CQLXSymbol.h"
#include "project/CQLX_R2_PLC.h"
#include "tests/compiler/ProjectFixture.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/WorkspaceFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// The main window's side of the compile command, as a list of what was asked of it.
class RecordingCompileHost : public ICompileCommandHost {
public:
    void FlushActiveEditor() override { calls.push_back("flush"); }
    void ShowOutputPane() override { calls.push_back("output pane"); }
    BOOL SaveProject() override {
        calls.push_back("save");
        return saves;
    }
    void StartCompileList() override { calls.push_back("compile list"); }
    void SelectLastCompileLine() override { calls.push_back("last line"); }
    void RefreshCrossReference() override { calls.push_back("cross reference"); }
    void SetWaitCursor(BOOL on) override { calls.push_back(on ? "wait on" : "wait off"); }

    std::vector<std::string> calls;
    BOOL saves = TRUE;
};

CProjTreeNode* NewNode(int kind, int language, WORD number, const char* name) {
    CProjTreeNode* node = new CProjTreeNode(kind, language, number);
    node->name = name;
    return node;
}

// A project of CPU class 1 on disk with a CPU module and an IL MAIN, compiled by the
// command as F7 compiles it.
class CompileCommandTest : public WorkspaceClass1Test {
protected:
    CompileCommandTest() {
        CQLXProject& p = project();
        p.name = "cmdproject";
        p.filePath = disk.ProjectFile().c_str();
        p.folder = disk.Folder().c_str();
        p.hasMain = 1;
        p.mainPou.kind = PouMain;
        p.mainPou.language = 1;
        p.mainPou.name = "Main";
        AddCpu();
        disk.WritePou("MAIN_Main", {"(* Network 0 *)", "LD      %I0.0", "ST      %Q0.0"});
    }

    CQLXProject& project() { return workspace.project; }
    void AddCpu() {
        CQLX_R2_PLC* cpu = new CQLX_R2_PLC;
        cpu->typeCode = 31;
        cpu->kindMask = KindCpu;
        cpu->diCount = 8;
        cpu->doCount = 6;
        project().modules.Add(cpu);
    }
    void RemoveModules() {
        for (int i = 0; i < project().modules.GetSize(); ++i) delete project().modules[i];
        project().modules.RemoveAll();
    }
    void AddSubroutine(int number, int language, const char* name) {
        project().sbrByName.SetAt(name, NewNode(PouSubroutine, language, static_cast<WORD>(number), name));
    }
    std::vector<std::string> Prepared() {
        CStringArray files;
        CCompileCommand(workspace, host).PrepareCompileFiles(files);
        std::vector<std::string> names;
        const std::string folder = disk.Folder() + "\\";
        for (int i = 0; i < files.GetSize(); ++i) {
            std::string name = files[i].GetString();
            if (name.rfind(folder, 0) == 0) name = name.substr(folder.size());
            names.push_back(name);
        }
        return names;
    }
    void Run() { CCompileCommand(workspace, host).Run(); }
    std::string Obj() { return disk.ReadFolderFile("cmdproject.obj"); }

    CProjectFixture disk{"cmdproject"};
    RecordingCompileHost host;
};

TEST_F(CompileCommandTest, PreparedFilesAreThePousInALanguageAndTheirTwinsAreWritten) {
    project().mainPou.language = 2;
    EXPECT_EQ((std::vector<std::string>{"MAIN_Main.ilp", "MAIN_Main.ilv", disk.ProjectFile()}), Prepared());
    EXPECT_TRUE(disk.HasFile("~MAIN_Main.ilp"));
    EXPECT_TRUE(disk.HasFile("~MAIN_Main.ilv"));

    AddSubroutine(3, 1, "Pump");
    AddSubroutine(1, 0, "Draft");  // no language: no files
    disk.WritePou("SBR03_Pump", {"(* Network 0 *)", "LD      %I0.1"});
    CQLXSymbol* symbol = new CQLXSymbol;
    symbol->name = "START";
    project().symbolList.Add(symbol);
    std::vector<std::string> names = Prepared();
    EXPECT_EQ((std::vector<std::string>{"SBR03_Pump.ilp", "SBR03_Pump.ilv", "MAIN_Main.ilp", "MAIN_Main.ilv",
                                        "cmdproject.qgv", disk.ProjectFile()}),
              names);
    EXPECT_TRUE(disk.HasFile("~SBR03_Pump.ilp"));
}

TEST_F(CompileCommandTest, ACleanCompileWritesTheTargetFileWithItsChecksum) {
    CRecordingCompileShell shell;
    AddSubroutine(1, 1, "Pump");
    disk.WritePou("SBR01_Pump", {"(* Network 0 *)", "LD      %I0.1", "ST      %Q0.1"});
    disk.WritePou("MAIN_Main", {"(* Network 0 *)", "LD      %I0.0", "CAL     SBR01"});
    Run();
    EXPECT_EQ((std::vector<std::string>{"flush", "output pane", "wait on", "save", "compile list", "last line",
                                        "cross reference", "wait off"}),
              host.calls);
    EXPECT_EQ(1, project().targetReady) << shell.CompileText();
    EXPECT_EQ(1, project().imageBuilt);
    EXPECT_EQ(1, shell.initDataChecks);
    EXPECT_FALSE(project().MonitorOperandMap.IsEmpty()) << "the compile registers the operands' cells";
    // The directory's last two bytes hold the project CRC, low byte first.
    const CByteArray& directory = project().imageSection3;
    ASSERT_GE(directory.GetSize(), 2);
    EXPECT_EQ(project().projectCrc & 0xFF, directory[directory.GetSize() - 2]);
    EXPECT_EQ(project().projectCrc >> 8, directory[directory.GetSize() - 1]);
    const std::string obj = Obj();
    ASSERT_GE(obj.size(), static_cast<size_t>(directory.GetSize()));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(directory.GetData()), directory.GetSize()),
              obj.substr(0, directory.GetSize()));
}

TEST_F(CompileCommandTest, EarlyStopsClearTheCompiledFlagAndSayWhy) {
    struct Case {
        const char* name;
        BOOL saves;
        bool withCpu;
        int hasMain;
        std::string line;  // the compile list's only line; none when empty
        std::vector<std::string> calls;
    };
    const std::vector<std::string> stopAfterList = {"flush", "output pane", "wait on", "save", "compile list",
                                                    "wait off"};
    const Case cases[] = {
        {"the save refused", FALSE, true, 1, "", {"flush", "output pane", "wait on", "save", "wait off"}},
        {"no hardware", TRUE, false, 1, "$$$ 硬件配置不存在，停止编译！在编译工程之前，请先完成硬件配置!", stopAfterList},
        {"no MAIN", TRUE, true, 0, "$$$ 主程序文件不存在，停止编译！", stopAfterList},
    };
    for (const Case& c : cases) {
        CRecordingCompileShell shell;
        host.calls.clear();
        host.saves = c.saves;
        project().hasMain = c.hasMain;
        RemoveModules();
        if (c.withCpu) AddCpu();
        project().targetReady = 1;  // an earlier compile's image
        project().imageBuilt = 1;
        CQLXStatus* cell = new CQLXStatus;
        project().MonitorOperandMap.SetAt("%I0.0", cell);
        Run();
        EXPECT_EQ(0, project().targetReady) << c.name;
        EXPECT_EQ(1, project().imageBuilt) << c.name;
        EXPECT_TRUE(project().MonitorOperandMap.IsEmpty()) << c.name;
        EXPECT_EQ(c.calls, host.calls) << c.name;
        EXPECT_EQ(c.line.empty() ? "" : c.line + "\n", shell.CompileText()) << c.name;
        EXPECT_EQ(0, shell.initDataChecks) << c.name;
    }
}

TEST_F(CompileCommandTest, ACompileWithErrorsBuildsNoImage) {
    CRecordingCompileShell shell;
    disk.WritePou("MAIN_Main", {"(* Network 0 *)", "LD      NOWHERE"});
    project().imageBuilt = 1;
    Run();
    EXPECT_EQ(0, project().targetReady);
    EXPECT_EQ(1, project().imageBuilt) << "the image flag keeps its value";
    EXPECT_FALSE(disk.HasFile("cmdproject.obj"));
    EXPECT_EQ((std::vector<std::string>{"flush", "output pane", "wait on", "save", "compile list", "last line",
                                        "wait off"}),
              host.calls);
    EXPECT_NE(std::string::npos, shell.CompileText().find("MAIN")) << shell.CompileText();
}

TEST_F(CompileCommandTest, AFileListOutOfOrderIsNotedAndTheCompilerReportsTheRest) {
    CRecordingCompileShell shell;
    project().mainPou.language = 0;  // MAIN without a language gives no files
    ScriptedMessageBoxes boxes{IDOK};
    Run();
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("生成待编译的文件列表时出错", boxes.Calls()[0].text);
    EXPECT_EQ("提示", boxes.Calls()[0].caption);
    EXPECT_EQ(0, project().targetReady);
}

TEST_F(CompileCommandTest, InitialDataProblemsAreListedByTheCompile) {
    CRecordingCompileShell shell;
    shell.initDataRows = &project().initDataRows;
    CQLXInitData* row = new CQLXInitData;
    row->texts.Add("%VW100");
    row->values.Add(0);
    project().initDataRows.Add(row);
    Run();
    EXPECT_NE(std::string::npos, shell.CompileText().find("$$$ 正在编译  ：初始化数据表... ")) << shell.CompileText();
    EXPECT_NE(std::string::npos, shell.CompileText().find("初始化数据表  第  1行第  1列：  尚未赋初始值"))
        << shell.CompileText();
    EXPECT_EQ(0, project().targetReady);
}
}  // namespace
