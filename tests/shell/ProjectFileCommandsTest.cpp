#include "comm/ReplyTimeouts.h"
#include "hardware/ModuleCatalog.h"
#include "project/CProjTreeDOC.h"
#include "project/CQLX_R2_PLC.h"
#include "project/FileUtils.h"
#include "project/GlobalVarFile.h"
#include "res/resource.h"
#include "shell/project/ProjectFileCommands.h"
#include "tests/shell/ProjectTreeFixture.h"
#include "tests/support/ScriptedCommonDialogs.h"

#include <algorithm>

namespace {

class ProjectFiles : public ProjectTreeFixture {
protected:
    ProjectFiles() {
        projectShell.projectDocument = &document;
        // What saving the project writes besides the open documents.
        projectShell.saveProject = [this] {
            ExportGlobalVarFile(workspace.project);
            return document.OnSaveDocument(workspace.project.filePath);
        };
    }
    // A new project at folder\name.qpr, unmodified afterwards.
    void NewProject(const std::string& name) {
        ScriptedCommonDialogs dialogs({ChooseFile((folder / (name + ".qpr")).c_str())});
        commands.OnNewProject();
        document.SetModifiedFlag(FALSE);
        projectShell.calls.clear();
    }
    // The files (not folders) of a folder below the temp folder, sorted.
    std::vector<std::string> Files(const std::string& relative) {
        std::vector<FolderEntry> entries;
        ListFolder((folder / relative).c_str(), entries);
        std::vector<std::string> names;
        for (const FolderEntry& entry : entries)
            if (!entry.IsFolder())
                names.push_back(std::string(entry.name));
        std::sort(names.begin(), names.end());
        return names;
    }

    CProjTreeDOC document;
    ProjectFileCommands commands{document, *tree};
};

TEST_F(ProjectFiles, ANewProjectFollowsTheDefaultCpu) {
    struct Case { int defaultCpu, row, cpuClass, forceCells; uint32_t reply, linkTest; };
    const Case cases[] = {
        {0, 0, 0, 5970, 8000, 600},
        {3, 3, 1, 5970, 2000, 300},
        {10, 10, 2, 9290, 2000, 300},
        {40, 0, 0, 5970, 8000, 600},  // no CPU row: the CPU of the first row, not another module's
    };
    for (const Case& c : cases) {
        workspace.defaultCpu = c.defaultCpu;
        std::string name = "P" + std::to_string(c.defaultCpu);
        ScriptedCommonDialogs dialogs({ChooseFile((folder / (name + ".qpr")).c_str())});
        boxes.QueueAnswer(IDNO);  // closing the project before: not saved
        commands.OnNewProject();
        CQLXProject& project = workspace.project;
        EXPECT_EQ(workspace.projectOpen, 1);
        EXPECT_EQ(project.cpuClass, c.cpuClass) << c.defaultCpu;
        EXPECT_EQ(project.forceCellCount, c.forceCells) << c.defaultCpu;
        EXPECT_EQ(g_ReplyTimeout, c.reply) << c.defaultCpu;
        EXPECT_EQ(g_LinkTestTimeout, c.linkTest) << c.defaultCpu;
        ASSERT_EQ(project.modules.GetSize(), 1);
        EXPECT_EQ(static_cast<CQLX_R2_PLC*>(project.modules[0])->typeCode, ModuleCatalog::Row(c.row).typeCode);
        EXPECT_EQ(project.cpuBlockA.GetSize(), 32);
        EXPECT_EQ(project.cpuBlockB.GetSize(), 12);
        EXPECT_EQ(Describe(), "工程 : " + name +
                                  "[程序[初始化数据表,(MAIN)  MAIN],配置[资源[PLC硬件配置,全局变量表]],变量状态表,PC机通讯设置]");
        EXPECT_TRUE(FileThere(name + ".qpr"));
        EXPECT_TRUE(FileThere(name + "\\MAIN_MAIN.ilp"));
        EXPECT_TRUE(FileThere(name + "\\" + name + ".qgv"));
        ASSERT_EQ(dialogs.FileCalls().size(), 1u);
        const FileDialogCall& call = dialogs.FileCalls()[0];
        EXPECT_FALSE(call.open);
        EXPECT_EQ(call.title, "新建工程");
        EXPECT_EQ(call.fileName, "project.qpr");
        EXPECT_EQ(call.filter, "工程文件 (*.qpr)|*.qpr||");
        EXPECT_TRUE(call.flags & OFN_OVERWRITEPROMPT);
    }
    // The last project's folder is where the next dialog starts.
    ScriptedCommonDialogs dialogs({CancelDialog()});
    commands.OnOpenProject();
    EXPECT_EQ(dialogs.FileCalls()[0].initialDir, folder.Path() + "\\");
    EXPECT_EQ(dialogs.FileCalls()[0].title, "打开工程");
    EXPECT_EQ(dialogs.FileCalls()[0].filter, "Tessaron工程文件 (*.qpr)|*.qpr||");
}

TEST_F(ProjectFiles, ClosingAsksOnlyAfterAChange) {
    NewProject("Demo");
    EXPECT_TRUE(commands.CloseProject());
    EXPECT_TRUE(boxes.Calls().empty());
    EXPECT_EQ(projectShell.calls, (std::vector<std::string>{"close documents", "destroy tables", "instree clear",
                                                            "reset output"}));
    EXPECT_EQ(workspace.projectOpen, 0);
    EXPECT_EQ(Tree().GetCount(), 0u);
    EXPECT_EQ(g_ReplyTimeout, 8000u);
    EXPECT_TRUE(commands.CloseProject());  // nothing open: nothing to do

    // A change only in an open editor asks too; Cancel keeps everything.
    projectShell.calls.clear();
    ScriptedCommonDialogs dialogs({ChooseFile((folder / "Demo.qpr").c_str())});
    commands.OnOpenProject();
    ASSERT_EQ(workspace.projectOpen, 1);
    projectShell.documentModified = TRUE;
    boxes.QueueAnswer(IDCANCEL);
    EXPECT_FALSE(commands.CloseProject());
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, "是否保存对当前工程的修改？");
    EXPECT_EQ(boxes.Calls()[0].type, UINT(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(workspace.projectOpen, 1);
    EXPECT_NE(Tree().GetCount(), 0u);
    // Yes saves first; a failed save keeps the project open.
    projectShell.saveProject = [] { return FALSE; };
    boxes.QueueAnswer(IDYES);
    EXPECT_FALSE(commands.CloseProject());
    EXPECT_EQ(workspace.projectOpen, 1);
    projectShell.saveProject = [] { return TRUE; };
    boxes.QueueAnswer(IDYES);
    EXPECT_TRUE(commands.CloseProject());
    EXPECT_TRUE(projectShell.Called("save project"));
}

TEST_F(ProjectFiles, OpeningAProject) {
    NewProject("Other");
    NewProject("Demo");
    const CString demo = (folder / "Demo.qpr").c_str();
    const CString other = (folder / "Other.qpr").c_str();

    commands.OpenProjectFile(demo);  // the open project: no question, no reload
    EXPECT_TRUE(projectShell.calls.empty());

    document.SetModifiedFlag(TRUE);
    size_t boxCount = boxes.Calls().size();
    boxes.QueueAnswer(IDCANCEL);
    commands.OpenProjectFile(other);
    EXPECT_EQ(workspace.project.name, "Demo");
    boxes.QueueAnswer(IDNO);
    commands.OpenProjectFile(other);
    EXPECT_EQ(boxes.Calls().size(), boxCount + 2);
    EXPECT_EQ(workspace.project.name, "Other");
    EXPECT_EQ(workspace.projectOpen, 1);
    EXPECT_EQ(Describe().find("工程 : Other[程序["), 0u);
    EXPECT_NE(Find("(MAIN)  MAIN"), nullptr);
    EXPECT_TRUE(projectShell.Called("instree fill"));
    EXPECT_FALSE(document.IsModified());

    document.SetModifiedFlag(TRUE);
    boxes.QueueAnswer(IDYES);
    projectShell.calls.clear();
    commands.OpenProjectFile(demo);
    EXPECT_EQ(projectShell.calls[0], "save project");
    EXPECT_EQ(workspace.project.name, "Demo");

    // A file that does not load leaves no project and an empty tree.
    folder.WriteFile("Broken.qpr", "not a project file at all");
    commands.OpenProjectFile((folder / "Broken.qpr").c_str());
    EXPECT_EQ(workspace.projectOpen, 0);
    EXPECT_EQ(Tree().GetCount(), 0u);
    EXPECT_EQ(workspace.project.modules.GetSize(), 0);
    EXPECT_EQ(boxes.Calls().back().text, "无效的工程文件，工程文件打开失败！  ");
}

class ProjectSaveAs : public ProjectFiles {
protected:
    ProjectSaveAs() {
        NewProject("Demo");
        folder.WriteFile("Demo\\Demo.obj");
        folder.MakeFolder("Demo\\sub");
        folder.WriteFile("Demo\\sub\\notes.txt");
        before = Files("Demo");
    }
    // Save as through the command's dialog, the project marked modified first.
    void SaveAs(const std::string& name) {
        ScriptedCommonDialogs dialogs({ChooseFile((folder / name).c_str())});
        document.SetModifiedFlag(TRUE);
        projectShell.calls.clear();
        commands.OnSaveProjectAs();
        EXPECT_EQ(dialogs.FileCalls()[0].title, "工程另存为...");
    }
    void BackToDemo() {
        document.SetModifiedFlag(FALSE);
        commands.OpenProjectFile((folder / "Demo.qpr").c_str());
        ASSERT_EQ(workspace.project.name, "Demo");
    }
    std::vector<std::string> before;
};

TEST_F(ProjectSaveAs, TheOwnPathInAnySpellingSavesInPlace) {
    for (const char* name : {"Demo.qpr", "demo.QPR"}) {
        SaveAs(name);
        EXPECT_EQ(projectShell.calls, std::vector<std::string>{"save project"}) << name;
        EXPECT_EQ(Files("Demo"), before) << name;
        EXPECT_EQ(workspace.project.folder, CString((folder / "Demo").c_str()));
        EXPECT_FALSE(document.IsModified());
    }
}

TEST_F(ProjectSaveAs, ANewNameCopiesTheFolderAndLeavesTheOldOneAlone) {
    SaveAs("Copy.qpr");
    EXPECT_EQ(Files("Copy"), (std::vector<std::string>{"Copy.qgv", "MAIN_MAIN.ilp"}));  // no file of the old name
    EXPECT_TRUE(FileThere("Copy\\sub\\notes.txt"));
    EXPECT_TRUE(FileThere("Copy.qpr"));
    EXPECT_EQ(Files("Demo"), before);
    EXPECT_EQ(workspace.project.name, "Copy");
    EXPECT_EQ(std::string(Tree().GetItemText(Tree().GetRootItem())), "工程 : Copy");
    EXPECT_TRUE(projectShell.Called("recent " + folder / "Copy.qpr"));
    EXPECT_FALSE(document.IsModified());
}

TEST_F(ProjectSaveAs, AFolderHoldingFilesIsEmptiedOnlyWhenTheUserAgrees) {
    folder.MakeFolder("Third");
    folder.WriteFile("Third\\junk.txt");
    boxes.QueueAnswer(IDNO);
    SaveAs("Third.qpr");
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(workspace.project.name, "Demo");
    EXPECT_TRUE(FileThere("Third\\junk.txt"));
    EXPECT_TRUE(document.IsModified());
    boxes.QueueAnswer(IDYES);
    SaveAs("Third.qpr");
    EXPECT_EQ(Files("Third"), (std::vector<std::string>{"MAIN_MAIN.ilp", "Third.qgv"}));
    EXPECT_EQ(workspace.project.name, "Third");
}

// A failed copy puts the project back where it was, so the next save writes a whole
// project there; the modified mark stays.
TEST_F(ProjectSaveAs, AFailedCopyGoesBackToTheOldProject) {
    folder.MakeFolder("Fourth\\sub");
    SaveAs("Fourth.qpr");
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].text, "另存工程时出错, 保存终止！请重新启动计算机后再尝试。");
    EXPECT_EQ(boxes.Calls()[0].caption, "错误");
    EXPECT_EQ(workspace.project.name, "Demo");
    EXPECT_EQ(workspace.project.folder, CString((folder / "Demo").c_str()));
    EXPECT_EQ(workspace.project.filePath, CString((folder / "Demo.qpr").c_str()));
    EXPECT_FALSE(projectShell.Called("save project"));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(Files("Demo"), before);
}

TEST_F(ProjectSaveAs, NeverIntoTheProjectsOwnFolder) {
    for (const char* name : {"Demo\\Inner.qpr", "DEMO.bak", "demo\\sub\\x.qpr"}) {
        size_t boxCount = boxes.Calls().size();
        SaveAs(name);
        ASSERT_EQ(boxes.Calls().size(), boxCount + 1) << name;
        EXPECT_EQ(boxes.Calls().back().text, "工程不能另存到原工程的文件夹中，请选择其它位置或名称！");
        EXPECT_EQ(workspace.project.name, "Demo") << name;
        EXPECT_EQ(Files("Demo"), before) << name;
        EXPECT_TRUE(FileThere("Demo\\sub\\notes.txt"));
    }
}

TEST_F(ProjectFiles, CommandsFollowTheProjectAndMonitoring) {
    struct Case { int open, monitoring; bool newOpen, others; };
    const Case cases[] = {{0, 0, true, false}, {1, 0, true, true}, {1, 1, false, false}, {0, 1, false, false}};
    for (const Case& c : cases) {
        workspace.projectOpen = c.open;
        workspace.onlineMonitoring = c.monitoring;
        for (UINT id : {ID_PROJECT_NEW, ID_PROJECT_OPEN})
            EXPECT_EQ(ProjectFileCommands::IsCommandEnabled(id), c.newOpen) << id;
        for (UINT id : {ID_PROJECT_CLOSE, ID_PROJECT_SAVE_AS, ID_NEW_SUBROUTINE, ID_NEW_INTERRUPT})
            EXPECT_EQ(ProjectFileCommands::IsCommandEnabled(id), c.others) << id;
    }
    workspace.onlineMonitoring = 0;
    workspace.projectOpen = 0;
}

}  // namespace
