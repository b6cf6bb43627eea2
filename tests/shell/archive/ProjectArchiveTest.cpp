#include "project/ProjectConverter.h"
#include "shell/archive/ArchiveCommands.h"
#include "shell/archive/ProjectArchive.h"
#include "tests/support/ScriptedCommonDialogs.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// What the import asked of the main frame.
class RecordingShell : public ArchiveShell {
public:
    bool IsProjectOpen() override { return projectOpen; }
    bool CloseProject() override {
        ++closeCalls;
        if (closeAnswer)
            projectOpen = false;
        return closeAnswer;
    }
    void OpenProjectFile(const CString& path) override { opened.push_back(static_cast<LPCSTR>(path)); }

    bool projectOpen = false;
    bool closeAnswer = true;
    int closeCalls = 0;
    std::vector<std::string> opened;
};

std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string TestProgramFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program = path;
    return program.substr(0, program.find_last_of('\\'));
}

// The stand-in zip program in the Windows folder, where the program looks for it, while
// the test runs; its mode and log through the environment.
class ProjectArchiveTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMode("");
        SetEnvironmentVariableA("TX_ZIP_LOG", (scratch / "zip.log").c_str());
        InstallZip();
    }
    void TearDown() override {
        DeleteFileA(CProjectArchive::ZipProgram());
        SetEnvironmentVariableA("TX_ZIP_MODE", nullptr);
        SetEnvironmentVariableA("TX_ZIP_LOG", nullptr);
        SetCurrentDirectoryA(TestProgramFolder().c_str());  // out of the folders that go
    }
    static void InstallZip() {
        ASSERT_TRUE(CopyFileA((TestProgramFolder() + "\\pkzipc.exe").c_str(), CProjectArchive::ZipProgram(), FALSE));
    }
    static void SetMode(const char* mode) { SetEnvironmentVariableA("TX_ZIP_MODE", *mode ? mode : nullptr); }

    // A project file and its folder with a sub-folder and a file with a Chinese name.
    std::string MakeProject(const std::string& fileName) {
        const std::string folder = fileName.substr(0, fileName.rfind('.'));
        projects.WriteFile(fileName, "project " + fileName);
        projects.MakeFolder(folder + "\\sub");
        projects.WriteFile(folder + "\\MAIN_主程序.ilp", "(*2*)\r\nLD %I0.0\r\n");
        projects.WriteFile(folder + "\\sub\\notes.txt", "notes");
        return projects / fileName;
    }

    TempFolder projects, archives, target, work, scratch;
    CProjectArchive archive{work.Path().c_str()};
    RecordingShell shell;
};

}  // namespace

TEST_F(ProjectArchiveTest, ExportAndImportCarryTheProjectWhole) {
    const struct {
        const char* fileName;
        const char* folder;
    } cases[] = {{"demo 1.qpr", "demo 1"}, {"a.b.qpr", "a.b"}, {"工程.qpr", "工程"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileName);
        ScriptedMessageBoxes boxes;
        const std::string zip = archives / (std::string(c.folder) + "备份.zip");
        ASSERT_TRUE(archive.ExportProjectToZip(MakeProject(c.fileName).c_str(), zip.c_str(), TRUE));
        ASSERT_TRUE(TempFolder::Exists(zip));
        ASSERT_EQ(1u, boxes.Calls().size());
        EXPECT_EQ("导出工程成功！", boxes.Calls()[0].text);

        shell.opened.clear();
        EXPECT_EQ(CProjectArchive::ImportResult::Opened, archive.ImportProject(zip.c_str(), target.Path().c_str(), shell));
        EXPECT_EQ(std::vector<std::string>{target / c.fileName}, shell.opened);
        EXPECT_EQ(std::string("project ") + c.fileName, ReadText(target / c.fileName));
        EXPECT_EQ("(*2*)\r\nLD %I0.0\r\n", ReadText(target / (std::string(c.folder) + "\\MAIN_主程序.ilp")));
        EXPECT_EQ("notes", ReadText(target / (std::string(c.folder) + "\\sub\\notes.txt")));
        EXPECT_EQ(1u, boxes.Calls().size());  // nothing asked: no project of that name was there
    }
    // Every path reached the zip program in quotes.
    const std::string log = ReadText(scratch / "zip.log");
    EXPECT_NE(std::string::npos, log.find("\"" + (work / "demo 1\\*.*") + "\""));
    EXPECT_NE(std::string::npos, log.find("\"" + (work / "demo 1.qpr") + "\""));
}

TEST_F(ProjectArchiveTest, ExportFailsWithoutAnArchive) {
    const std::string project = MakeProject("demo.qpr");
    const std::string zip = archives / "demo.zip";
    const struct {
        const char* name;
        const char* mode;
        bool zipPresent;
        const char* message;
    } cases[] = {
        {"zip program missing", "", false, "缺少相关文件，无法导出工程！\r\n请卸载后重新安装本软件。"},
        {"zip program does nothing", "idle", true, "导出工程出现错误！\r\n请重启动计算机后再尝试。"},
        {"zip program hangs", "hang", true, "导出工程出现错误！\r\n请重启动计算机后再尝试。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetMode(c.mode);
        if (!c.zipPresent)
            DeleteFileA(CProjectArchive::ZipProgram());
        for (BOOL showMessages : {TRUE, FALSE}) {
            ScriptedMessageBoxes boxes;
            DeleteFileA((scratch / "zip.log").c_str());
            const DWORD start = GetTickCount();
            EXPECT_FALSE(archive.ExportProjectToZip(project.c_str(), zip.c_str(), showMessages));
            const DWORD elapsed = GetTickCount() - start;
            EXPECT_LT(elapsed, 15000u);
            if (std::string(c.mode) == "hang") {
                EXPECT_GE(elapsed, CProjectArchive::kZipTimeoutMs - 100);  // waited, then ended it
            }
            EXPECT_EQ(c.zipPresent, ReadText(scratch / "zip.log").find(" -add ") != std::string::npos);
            EXPECT_FALSE(TempFolder::Exists(zip));
            if (showMessages) {
                ASSERT_EQ(1u, boxes.Calls().size());
                EXPECT_EQ(c.message, boxes.Calls()[0].text);
            } else {
                EXPECT_TRUE(boxes.Calls().empty());
            }
            if (std::string(c.mode) == "hang")
                break;  // once is enough to wait for
        }
        InstallZip();
    }
}

TEST_F(ProjectArchiveTest, ImportStopsWhereTheUserOrTheArchiveSaysSo) {
    SetMode("");
    const std::string zip = archives / "demo.zip";
    {
        ScriptedMessageBoxes boxes;
        ASSERT_TRUE(archive.ExportProjectToZip(MakeProject("demo.qpr").c_str(), zip.c_str(), FALSE));
    }
    const struct {
        const char* name;
        std::function<void()> arrange;
        std::string archivePath;
        std::vector<int> answers;
        CProjectArchive::ImportResult result;
        std::vector<std::string> messages;
        int closeCalls;
        bool opened;
    } cases[] = {
        {"close cancelled", [this] { shell.projectOpen = true; shell.closeAnswer = false; }, zip, {},
         CProjectArchive::ImportResult::CloseCancelled, {}, 1, false},
        {"overwrite declined", [this] { target.WriteFile("demo.qpr", "old"); }, zip, {IDNO},
         CProjectArchive::ImportResult::Declined, {"在目标目录下已存在同名的工程。\r\n是否继续进行导入并覆盖原工程？"}, 0, false},
        {"overwrite accepted, open project closed", [this] { target.WriteFile("demo.qpr", "old"); shell.projectOpen = true; },
         zip, {IDYES}, CProjectArchive::ImportResult::Opened,
         {"在目标目录下已存在同名的工程。\r\n是否继续进行导入并覆盖原工程？"}, 1, true},
        {"zip program does nothing", [] { SetMode("idle"); }, zip, {}, CProjectArchive::ImportResult::NoProjectFile,
         {"导入工程出现错误！"}, 0, false},
        {"zip program missing", [] { DeleteFileA(CProjectArchive::ZipProgram()); }, zip, {},
         CProjectArchive::ImportResult::NoZipProgram, {"缺少相关文件，无法导入工程！\r\n请卸载后重新安装本软件。"}, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shell = RecordingShell();
        SetMode("");
        InstallZip();
        DeleteFileA((target / "demo.qpr").c_str());
        c.arrange();
        ScriptedMessageBoxes boxes;
        for (int answer : c.answers)
            boxes.QueueAnswer(answer);
        EXPECT_EQ(c.result, archive.ImportProject(c.archivePath.c_str(), target.Path().c_str(), shell));
        std::vector<std::string> texts;
        for (const MessageBoxCall& call : boxes.Calls())
            texts.push_back(call.text);
        EXPECT_EQ(c.messages, texts);
        EXPECT_EQ(c.closeCalls, shell.closeCalls);
        EXPECT_EQ(c.opened, !shell.opened.empty());
        if (!c.opened && c.result != CProjectArchive::ImportResult::Declined && c.result != CProjectArchive::ImportResult::CloseCancelled) {
            EXPECT_FALSE(TempFolder::Exists(target / "demo.qpr"));
        }
    }
}

TEST_F(ProjectArchiveTest, ProjectFolderIsCutAtTheLastDotOfTheFileName) {
    const struct {
        const char* file;
        const char* folder;
    } cases[] = {{"C:\\p\\demo.qpr", "C:\\p\\demo"}, {"C:\\p\\a.b.qpr", "C:\\p\\a.b"},
                 {"C:\\x.y\\demo.qpr", "C:\\x.y\\demo"}, {"C:\\x.y\\demo", "C:\\x.y\\demo"}};
    for (const auto& c : cases)
        EXPECT_EQ(c.folder, CProjectArchive::ProjectFolderOf(c.file)) << c.file;
}

TEST(FolderStatusText, LongPathsShowHeadAndLastComponent) {
    const struct {
        const char* path;
        const char* shown;
    } cases[] = {
        {"C:\\short\\path", "C:\\short\\path"},
        {"C:\\0123456789\\0123456789\\0123456789\\abcdefgh", "C:\\0123456789\\0123456789\\012345...\\abcdefgh"},
        // the head ends on a whole character
        {"C:\\0123456789\\项目文件夹项目文件夹项目文件夹\\last", "C:\\0123456789\\项目文件夹项目文件夹...\\last"},
        {"C:\\0123456789\\项目文件夹项目文件夹项目文件夹\\lasts", "C:\\0123456789\\项目文件夹项目文件夹...\\lasts"},
        // a last component beyond 40 characters: no head, its last whole characters
        {"C:\\a\\0123456789012345678901234567890123456789xyz", "...3456789012345678901234567890123456789xyz"},
        {"C:\\a\\项目文件夹项目文件夹项目文件夹项目文件夹项", "...目文件夹项目文件夹项目文件夹项目文件夹项"},
        {"C:\\a\\项目文件夹项目文件夹项目文件夹项目文件夹项目", "...文件夹项目文件夹项目文件夹项目文件夹项目"},
    };
    for (const auto& c : cases) {
        const CString shown = ShortenFolderForStatus(c.path);
        EXPECT_EQ(c.shown, shown) << c.path;
        EXPECT_LE(shown.GetLength(), 43) << c.path;
    }
}

// The menu commands: the archive dialog (remembering its folder in "ZipPath"), the
// folder dialog of the import, and a cancel at any dialog changing nothing.
TEST_F(ProjectArchiveTest, CommandsAskForTheArchiveAndTheTargetFolder) {
    TestApplication app("ArchiveCommandsTest");
    app.DeleteProfile();
    CArchiveCommands commands(shell, nullptr, archive);
    const std::string project = MakeProject("demo.qpr"), zip = archives / "demo备份.zip";
    ScriptedMessageBoxes boxes;
    ScriptedCommonDialogs dialogs{ChooseFile(zip.c_str())};
    commands.OnExportProject(project.c_str(), "demo");
    ASSERT_EQ(1u, dialogs.FileCalls().size());
    const FileDialogCall& save = dialogs.FileCalls()[0];
    EXPECT_FALSE(save.open);
    EXPECT_EQ("导出工程...", save.title);
    EXPECT_EQ("zip", save.defaultExt);
    EXPECT_EQ("demo备份", save.fileName);
    EXPECT_EQ("工程备份文件 (*.zip)|*.zip||", save.filter);
    EXPECT_EQ(std::string(InstallationFolder() + "\\project"), save.initialDir);
    EXPECT_TRUE(save.flags & OFN_OVERWRITEPROMPT);
    EXPECT_TRUE(TempFolder::Exists(zip));
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("导出工程成功！", boxes.Calls()[0].text);
    EXPECT_EQ(archives.Path() + "\\", std::string(app.GetProfileString("Configuration", "ZipPath")));

    dialogs.Queue(CancelDialog());                                          // no archive
    dialogs.Queue(ChooseFile(zip.c_str()));
    dialogs.Queue(CancelDialog());                                          // no folder
    dialogs.Queue(ChooseFile(zip.c_str()));
    dialogs.Queue(ChooseFolder(target.Path().c_str()));
    for (int run = 0; run < 3; ++run)
        commands.OnImportProject();
    EXPECT_EQ(std::vector<std::string>{target / "demo.qpr"}, shell.opened);
    ASSERT_EQ(4u, dialogs.FileCalls().size());
    EXPECT_TRUE(dialogs.FileCalls()[1].open);
    EXPECT_EQ("导入工程...", dialogs.FileCalls()[1].title);
    EXPECT_EQ(archives.Path() + "\\", dialogs.FileCalls()[1].initialDir);
    EXPECT_EQ(1u, boxes.Calls().size());
    app.DeleteProfile();
}
