#include "project/CProjTreeDOC.h"

#include "comm/ReplyTimeouts.h"
#include "hardware/ModuleCatalog.h"
#include "project/CQLX_R2_PLC.h"
#include "project/ProjectConverter.h"
#include "project/ShellServices.h"
#include "tests/project/RecordArchive.h"
#include "tests/project/SampleProject.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WorkspaceFixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

const char* const InvalidFile = "无效的工程文件，工程文件打开失败！  ";
const char* const VelaFile = "通用版Tessaron无法打开Vela版本的工程文件！";
const char* const OrinFile = "通用版Tessaron无法打开Orin版本的工程文件！";
const char* const NewerFile = "该工程文件由更高版本的Tessaron生成，无法打开！";
const char* const ConvertQuestion =
    "该工程由低版本的 Tessaron 生成，软件将自动进行工程格式转换。\r\n\r\n在转换之前是否首先备份该工程文件？\r\n\r\n"
    "注：备份后的文件将存放在本软件安装目录的project目录中。\r\n";
const char* const BackupFailed = "自动备份工程文件失败！\r\n是否继续进行转换？ ";
const char* const ConversionFailed = "自动转换工程格式时发生错误！\r\n请使用“工程格式转换”手动进行转换。";
const char* const DamagedFile = "意外的文件格式。";

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The converter stand-in's behaviour and log while the object lives.
class ConverterMode {
public:
    ConverterMode(const char* mode, const std::string& log) {
        SetEnvironmentVariableA("TX_CONVERTER_MODE", mode);
        SetEnvironmentVariableA("TX_CONVERTER_LOG", log.c_str());
    }
    ~ConverterMode() {
        SetEnvironmentVariableA("TX_CONVERTER_MODE", nullptr);
        SetEnvironmentVariableA("TX_CONVERTER_LOG", nullptr);
    }
};

class ProjectDocumentTest : public WorkspaceClass1Test {
protected:
    ProjectDocumentTest() : path(folder / "Plant.qpr") {
        SetProjectZipExporter([this](const CString& file, const CString& zip, BOOL showMessages) {
            exports.push_back(std::string(file) + "|" + std::string(zip) + "|" + std::to_string(showMessages));
            return exportSucceeds;
        });
    }
    ~ProjectDocumentTest() override { SetProjectZipExporter(nullptr); }

    // The sample project with its modules in consecutive slots, as a project file keeps
    // them.
    void FillSavableSample() {
        FillSampleProject(workspace.project);
        workspace.project.modules.RemoveAt(1);  // the sample's empty slot
    }

    // The sample project saved at the path; the project is then closed.
    std::string SaveSample(BYTE cpuType = 31) {
        FillSavableSample();
        static_cast<CQLX_R2_PLC*>(workspace.project.modules[0])->typeCode = cpuType;
        EXPECT_TRUE(document.SaveProjectAs(path.c_str()));
        workspace.project.ResetProject();
        return ReadFile(path);
    }

    bool ProjectIsEmpty() const {
        const CQLXProject& project = workspace.project;
        return project.modules.GetSize() == 0 && project.symbolList.GetSize() == 0 &&
               project.sbrByName.GetCount() == 0 && project.fbInstances.GetSize() == 0 &&
               project.name.IsEmpty() && project.hasMain == 0;
    }

    std::vector<std::string> Texts(const ScriptedMessageBoxes& boxes) const {
        std::vector<std::string> texts;
        for (const MessageBoxCall& call : boxes.Calls())
            texts.push_back(call.text);
        return texts;
    }

    TempFolder folder;
    std::string path;
    CProjTreeDOC document;
    std::vector<std::string> exports;
    BOOL exportSucceeds = TRUE;
};

}  // namespace

TEST_F(ProjectDocumentTest, SavedFileIsTheHeaderAndTheBodyAndReopensWithItsSettings) {
    CQLXProject sample;
    FillSampleProject(sample);
    const Bytes body = StoreRecord(sample);
    const std::string saved = SaveSample();
    const std::string header("QLX\0\0\0\0C\0\0\0\x01\x09\x03\0", 15);
    EXPECT_EQ(header + std::string(body.begin(), body.end()), saved);

    ScriptedMessageBoxes boxes;
    ASSERT_TRUE(document.OpenProjectFile(path.c_str()));
    EXPECT_TRUE(boxes.Calls().empty());
    const CQLXProject& project = workspace.project;
    EXPECT_STREQ(path.c_str(), project.filePath);
    EXPECT_STREQ((folder / "Plant").c_str(), project.folder);
    EXPECT_STREQ("Plant", project.name);
    EXPECT_EQ(0, project.cpuClass);
    EXPECT_EQ(8000u, g_ReplyTimeout);
    EXPECT_EQ(600u, g_LinkTestTimeout);
    EXPECT_EQ(5970, project.forceCellCount);
    EXPECT_STREQ(path.c_str(), document.GetPathName());

    Bytes reloaded = StoreRecord(workspace.project);
    EXPECT_EQ(body, reloaded);
}

TEST_F(ProjectDocumentTest, ALargeCpuGetsTheLargeForceImage) {
    SaveSample(4);
    ASSERT_TRUE(document.OpenProjectFile(path.c_str()));
    const CQLXProject& project = workspace.project;
    EXPECT_EQ(2, project.cpuClass);
    EXPECT_EQ(2000u, g_ReplyTimeout);
    EXPECT_EQ(300u, g_LinkTestTimeout);
    ASSERT_EQ(9290, project.forceCellCount);
    for (int i = 0; i < 9290; ++i)
        ASSERT_EQ(0u, project.forceImage[i] | project.forceImageBackup[i]) << i;
}

// Edition first, then the version byte by byte as signed numbers; an older file is
// converted only after the backup question.
TEST_F(ProjectDocumentTest, HeaderEditionAndVersionChecks) {
    struct Case {
        const char* what;
        char edition;
        BYTE version[3];
        std::vector<int> answers;
        BOOL exportResult;
        BOOL opened;
        std::vector<std::string> boxes;
        int exportsMade;
    };
    const Case cases[] = {
        {"current", 'C', {1, 9, 3}, {}, TRUE, TRUE, {}, 0},
        {"Vela before newer", 'P', {2, 0, 0}, {}, TRUE, FALSE, {VelaFile}, 0},
        {"Orin", 'E', {1, 9, 3}, {}, TRUE, FALSE, {OrinFile}, 0},
        {"newer build", 'C', {1, 9, 4}, {}, TRUE, FALSE, {NewerFile}, 0},
        {"newer minor", 'C', {1, 10, 0}, {}, TRUE, FALSE, {NewerFile}, 0},
        {"newer major", 'C', {2, 0, 0}, {}, TRUE, FALSE, {NewerFile}, 0},
        {"older, cancelled", 'C', {1, 9, 2}, {IDCANCEL}, TRUE, FALSE, {ConvertQuestion}, 0},
        {"older, no backup", 'C', {1, 8, 9}, {IDNO}, TRUE, TRUE, {ConvertQuestion}, 0},
        {"byte 0x80 is older", 'C', {1, 9, 0x80}, {IDYES}, TRUE, TRUE, {ConvertQuestion}, 1},
        {"backup fails, stop", 'C', {1, 9, 2}, {IDYES, IDNO}, FALSE, FALSE, {ConvertQuestion, BackupFailed}, 1},
        {"backup fails, go on", 'C', {0x81, 9, 3}, {IDYES, IDYES}, FALSE, TRUE, {ConvertQuestion, BackupFailed}, 1},
    };
    const std::string sample = SaveSample();
    for (const Case& c : cases) {
        std::string file = sample;
        file[7] = c.edition;
        for (int i = 0; i < 3; ++i)
            file[11 + i] = static_cast<char>(c.version[i]);
        WriteBytes(path, file);
        exports.clear();
        exportSucceeds = c.exportResult;
        ScriptedMessageBoxes boxes;
        for (int answer : c.answers)
            boxes.QueueAnswer(answer);
        ConverterMode converter("rewrite", "");

        EXPECT_EQ(c.opened, document.OpenProjectFile(path.c_str())) << c.what;
        EXPECT_EQ(c.boxes, Texts(boxes)) << c.what;
        EXPECT_EQ(0u, boxes.PendingAnswers()) << c.what;
        EXPECT_EQ(c.opened ? 1 : 0, workspace.project.hasMain) << c.what;
        ASSERT_EQ(static_cast<size_t>(c.exportsMade), exports.size()) << c.what;
        if (c.exportsMade > 0) {
            const std::string zip = std::string(InstallationFolder()) + "\\project\\Plant.zip";
            EXPECT_EQ(path + "|" + zip + "|0", exports[0]) << c.what;
        }
        const bool converted = !c.answers.empty() && c.opened;
        EXPECT_EQ(converted ? sample : file, ReadFile(path)) << c.what;
        if (!c.boxes.empty()) {
            const MessageBoxCall& first = boxes.Calls()[0];
            const bool question = c.boxes[0] == ConvertQuestion;
            EXPECT_EQ("提示", first.caption) << c.what;
            EXPECT_EQ(question ? static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION)
                               : static_cast<UINT>(MB_ICONINFORMATION | MB_TASKMODAL),
                      first.type)
                << c.what;
        }
        workspace.project.ResetProject();
    }
}

TEST_F(ProjectDocumentTest, ShortMissingAndForeignFilesAreRefused) {
    const std::string sample = SaveSample();
    struct Case {
        const char* what;
        std::string bytes;
        const char* message;
        const char* caption;
    };
    std::string foreign = sample;
    foreign[4] = 1;
    const Case cases[] = {
        {"header only", sample.substr(0, 15), InvalidFile, "错误"},
        {"empty", "", InvalidFile, "错误"},
        {"bad magic", foreign, InvalidFile, "错误"},
        {"one byte of body", sample.substr(0, 16), DamagedFile, nullptr},
    };
    for (const Case& c : cases) {
        WriteBytes(path, c.bytes);
        ScriptedMessageBoxes boxes;
        EXPECT_FALSE(document.OpenProjectFile(path.c_str())) << c.what;
        ASSERT_EQ(1u, boxes.Calls().size()) << c.what;
        EXPECT_EQ(c.message, boxes.Calls()[0].text) << c.what;
        if (c.caption != nullptr) {
            EXPECT_EQ(c.caption, boxes.Calls()[0].caption) << c.what;
        }
        EXPECT_TRUE(ProjectIsEmpty()) << c.what;
    }

    ScriptedMessageBoxes boxes;
    EXPECT_FALSE(document.OpenProjectFile((folder / "absent.qpr").c_str()));
    ASSERT_EQ(1u, boxes.Calls().size());
    EXPECT_EQ("工程文件打开失败！", boxes.Calls()[0].text);
    EXPECT_EQ("系统错误", boxes.Calls()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP | MB_TASKMODAL), boxes.Calls()[0].type);
}

// A damaged body fails with the framework's message and leaves the project closed and
// empty, whatever was read before the damage.
TEST_F(ProjectDocumentTest, TruncatedOrBitFlippedFilesLeaveAnEmptyProject) {
    const std::string sample = SaveSample();
    for (size_t length = 16; length < sample.size(); length += 23) {
        WriteBytes(path, sample.substr(0, length));
        ScriptedMessageBoxes boxes;
        EXPECT_FALSE(document.OpenProjectFile(path.c_str())) << length;
        EXPECT_EQ((std::vector<std::string>{DamagedFile}), Texts(boxes)) << length;
        EXPECT_TRUE(ProjectIsEmpty()) << length;
    }
    for (size_t at = 15; at < sample.size(); at += 11) {
        std::string flipped = sample;
        flipped[at] = static_cast<char>(flipped[at] ^ (1 << (at % 8)));
        WriteBytes(path, flipped);
        ScriptedMessageBoxes boxes;
        if (!document.OpenProjectFile(path.c_str())) {
            EXPECT_EQ((std::vector<std::string>{DamagedFile}), Texts(boxes)) << at;
            EXPECT_TRUE(ProjectIsEmpty()) << at;
        }
        workspace.project.ResetProject();
    }
}

TEST_F(ProjectDocumentTest, AConverterThatHangsIsEndedAndOneThatDoesNothingFails) {
    std::string older = SaveSample();
    older[13] = 2;
    const std::string log = folder / "converter.log";
    for (const char* mode : {"hang", "keep"}) {
        WriteBytes(path, older);
        ::DeleteFileA(log.c_str());
        ConverterMode converter(mode, log);
        // Long enough for the stand-in to start and log, far below its sleep.
        document.converterWaitMs = 8000;
        ScriptedMessageBoxes boxes({IDNO});
        EXPECT_FALSE(document.OpenProjectFile(path.c_str())) << mode;
        EXPECT_EQ((std::vector<std::string>{ConvertQuestion, ConversionFailed}), Texts(boxes)) << mode;
        EXPECT_EQ("错误", boxes.Calls()[1].caption);
        EXPECT_TRUE(ProjectIsEmpty());
        EXPECT_EQ(older, ReadFile(path)) << mode;

        const std::string logged = ReadFile(log);
        const size_t lineEnd = logged.find('\n');
        ASSERT_NE(std::string::npos, lineEnd) << mode;
        EXPECT_EQ(std::string("-convert_n  \x0B") + path, logged.substr(lineEnd + 1)) << mode;
        const DWORD pid = std::stoul(logged.substr(0, lineEnd));
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
        if (process != nullptr) {
            EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process, 0)) << mode << ": the converter still runs";
            CloseHandle(process);
        }
    }
}

// The folder is the path without the file name's own extension; saving empties that
// folder and nothing else, even when a parent folder's name has a dot.
TEST_F(ProjectDocumentTest, SaveAsMakesAnEmptyProjectFolderBesideTheFile) {
    folder.MakeFolder("site.v2\\Plant\\old\\deeper");
    folder.WriteFile("site.v2\\Plant\\SBR01_Fill.ilp");
    folder.WriteFile("site.v2\\Plant\\old\\deeper\\x.txt");
    folder.WriteFile("site.v2\\keep.txt");
    folder.WriteFile("site.txt");
    FillSavableSample();

    const std::string target = folder / "site.v2\\Plant.qpr";
    ASSERT_TRUE(document.SaveProjectAs(("  " + target + " ").c_str()));
    EXPECT_STREQ(target.c_str(), workspace.project.filePath);
    EXPECT_STREQ((folder / "site.v2\\Plant").c_str(), workspace.project.folder);
    EXPECT_STREQ("Plant", workspace.project.name);
    EXPECT_TRUE(TempFolder::Exists(folder / "site.v2\\Plant"));
    EXPECT_FALSE(TempFolder::Exists(folder / "site.v2\\Plant\\SBR01_Fill.ilp"));
    EXPECT_FALSE(TempFolder::Exists(folder / "site.v2\\Plant\\old"));
    EXPECT_TRUE(TempFolder::Exists(folder / "site.v2\\keep.txt"));
    EXPECT_TRUE(TempFolder::Exists(folder / "site.txt"));
    EXPECT_FALSE(document.IsModified());

    // Without an extension the name is the whole file name and nothing else is touched.
    const std::string bare = folder / "site.v2\\Bare";
    ASSERT_TRUE(document.SaveProjectAs(bare.c_str()));
    EXPECT_STREQ(bare.c_str(), workspace.project.folder);
    EXPECT_STREQ("Bare", workspace.project.name);
    EXPECT_TRUE(TempFolder::Exists(folder / "site.v2\\keep.txt"));
    EXPECT_TRUE(TempFolder::Exists(folder / "site.v2\\Plant.qpr"));
}

// The project file keeps the modules, not their slots: a configuration with an empty
// slot before a module is refused, with the slot named, and nothing is written.
TEST_F(ProjectDocumentTest, AConfigurationWithAnEmptySlotIsNeverWritten) {
    struct Case {
        const char* name;
        int emptyPosition;
        const char* message;
    };
    const Case cases[] = {
        {"gap between modules", 1,
         "硬件配置的第2个位置为空，而其后还有模块。\r\n工程文件无法保存这样的配置，工程未保存！请先在硬件配置中消除该空位置。"},
        {"empty CPU slot", 0,
         "硬件配置的第1个位置（CPU）为空，而其后还有模块。\r\n工程文件无法保存这样的配置，工程未保存！请先在硬件配置中放入CPU模块。"},
    };
    const std::string other = folder / "Other.qpr";
    for (const Case& c : cases) {
        FillSampleProject(workspace.project);
        CObArray& modules = workspace.project.modules;
        if (c.emptyPosition == 0) {
            modules.RemoveAt(1);
            delete modules[0];
            modules[0] = nullptr;
        }
        ASSERT_EQ(nullptr, modules[c.emptyPosition]) << c.name;
        workspace.project.filePath = path.c_str();
        WriteBytes(path, "old file");
        const struct {
            const char* how;
            std::function<BOOL()> save;
        } saves[] = {
            {"save", [&] { return document.DoSave(path.c_str()); }},
            {"save as", [&] { return document.SaveProjectAs(other.c_str()); }},
        };
        for (const auto& save : saves) {
            ScriptedMessageBoxes boxes;
            EXPECT_FALSE(save.save()) << c.name << ", " << save.how;
            ASSERT_EQ(1u, boxes.Calls().size()) << c.name << ", " << save.how;
            EXPECT_EQ(c.message, boxes.Calls()[0].text) << c.name;
            EXPECT_EQ("错误", boxes.Calls()[0].caption);
            EXPECT_EQ(UINT(MB_ICONSTOP), boxes.Calls()[0].type & MB_ICONMASK);
        }
        EXPECT_EQ("old file", ReadFile(path)) << c.name;
        EXPECT_FALSE(TempFolder::Exists(other)) << c.name;
        EXPECT_FALSE(TempFolder::Exists(folder / "Other")) << c.name;
        EXPECT_STREQ(path.c_str(), workspace.project.filePath) << c.name;
        workspace.project.ResetProject();
    }
}
