#include "comm/SerialPort.h"
#include "project/CPlcWorkspace.h"
#include "project/CProjTreeNode.h"
#include "shell/online/PlcCommands.h"
#include "tests/comm/PlcLinkFixture.h"
#include "tests/support/ModalScript.h"
#include "tests/support/ScriptedCommonDialogs.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestApplication.h"
#include "tools/simplc/SampleImage.h"

#include <functional>
#include <future>
#include <string>
#include <thread>
#include <vector>

namespace {

class RecordingPlcHost : public PlcCommandHost {
public:
    explicit RecordingPlcHost(CPlcWorkspace& workspace) : m_workspace(workspace) {}
    HWND FrameWindow() override { return nullptr; }
    void SetWaitCursor(bool on) override { waitCursorOn = on; }
    void Compile() override {
        Record("compile");
        m_workspace.project.targetReady = compileSucceeds;
        m_workspace.project.imageBuilt = compileSucceeds;
        m_workspace.project.projectCrc = compiledCrc;
    }
    void ReportPlcResult(int result) override { calls.push_back("result " + std::to_string(result)); }
    BOOL CloseProject() override {
        Record("close project");
        if (closeProject)
            m_workspace.projectOpen = 0;
        return closeProject;
    }
    BOOL SaveProjectAs(const CString& path) override {
        calls.push_back("save as " + std::string(path));
        m_workspace.project.filePath = path;
        m_workspace.project.folder = projectFolder.c_str();
        ::CreateDirectoryA(projectFolder.c_str(), nullptr);
        return TRUE;
    }
    BOOL SaveProject() override {
        calls.push_back("save");
        return TRUE;
    }
    void RebuildProjectTrees() override { calls.push_back("trees"); }
    void OpenUploadedPous() override { calls.push_back("open pous"); }

    std::vector<std::string> calls;
    std::function<void(const std::string&)> onCall;  // the compile and closing calls
    bool waitCursorOn = false;
    int compileSucceeds = 1;
    WORD compiledCrc = 0;
    BOOL closeProject = TRUE;
    std::string projectFolder;

private:
    void Record(const std::string& call) {
        calls.push_back(call);
        if (onCall)
            onCall(call);
    }

    CPlcWorkspace& m_workspace;
};

// The PLC menu commands against the simulated PLC over the in-process link.
class PlcCommands : public PlcLinkFixture {
protected:
    void SetUp() override {
        PlcLinkFixture::SetUp();
        workspace.projectOpen = 1;
        workspace.compileBeforeDownload = 1;
        plc.State().image = MakeSampleImage(SampleImageSpec());
        uint8_t low = 0, high = 0;
        ASSERT_TRUE(SimulatedPlc::ProgramCrc(plc.State().image, low, high));
        plcCrc = MAKEWORD(low, high);
        host.projectFolder = folder / "up";
    }
    // Whether another thread could take the communication lock now.
    bool LockIsFree() {
        return std::async(std::launch::async, [this] {
                   const bool taken = workspace.commLock.Lock(0) != FALSE;
                   if (taken)
                       workspace.commLock.Unlock();
                   return taken;
               }).get();
    }
    // The line left as it was found: lock free, port closed, no wait cursor.
    void ExpectLineFree() {
        EXPECT_TRUE(LockIsFree());
        EXPECT_FALSE(theSerialPort.IsOpen());
        EXPECT_FALSE(host.waitCursorOn);
    }
    // How the line stands for a command's next step, as "lock free, port open, waiting".
    std::string LineState() {
        return std::string(LockIsFree() ? "lock free" : "lock held") +
               (theSerialPort.IsOpen() ? ", port open" : ", port closed") + (host.waitCursorOn ? ", waiting" : "");
    }
    // From now on, each message box and each compile or closing of the project records
    // the line's state in `steps`.
    void RecordLineAtEachStep() {
        messages.onShow = [this](const RecordedMessage&) { steps.push_back("box: " + LineState()); };
        host.onCall = [this](const std::string& call) { steps.push_back(call + ": " + LineState()); };
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const RecordedMessage& message : messages.shown)
            texts.push_back(message.text);
        return texts;
    }

    TestApplication app;
    TempFolder folder;
    CPlcWorkspace workspace;
    RecordingPlcHost host{workspace};
    CPlcCommands commands{workspace, host};
    WORD plcCrc = 0;
    std::vector<std::string> steps;
};

TEST_F(PlcCommands, ClearStopAndRunAskFirstAndDoNothingOnNo) {
    const struct {
        const char* name;
        void (CPlcCommands::*command)();
        const char* question;
        const char* done;
        const char* letters;
    } cases[] = {
        {"clear", &CPlcCommands::OnPlcClear, "确实要清除CPU内的所有用户信息吗？", "CPU内的所有用户信息已全部清除！  ", "K"},
        {"stop", &CPlcCommands::OnPlcStop, "确实要停止CPU吗？", "PLC已停止！  ", "B"},
        {"run", &CPlcCommands::OnPlcRun, "确实要启动CPU吗？", "PLC已启动！  ", "B"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (int answer : {IDNO, IDYES}) {
            link.ForgetRequests();
            messages.shown.clear();
            messages.answer = answer;
            (commands.*c.command)();
            if (answer == IDNO) {
                EXPECT_EQ(Texts(), std::vector<std::string>{c.question});
                EXPECT_EQ(SentLetters(), "");
            } else {
                EXPECT_EQ(Texts(), (std::vector<std::string>{c.question, c.done}));
                EXPECT_EQ(messages.shown[1].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
                EXPECT_EQ(SentLetters().size(), 1u);
            }
            EXPECT_EQ(messages.shown[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
            ExpectLineFree();
        }
    }
    EXPECT_TRUE(plc.State().running);
}

// A line another task holds: each command tells so once and touches nothing; the
// settings command stays silent.
TEST_F(PlcCommands, ABusyLineRefusesEveryCommand) {
    std::promise<void> held, release;
    std::thread holder([&] {
        workspace.commLock.Lock(INFINITE);
        held.set_value();
        release.get_future().wait();
        workspace.commLock.Unlock();
    });
    held.get_future().wait();
    messages.answer = IDYES;
    RecordLineAtEachStep();
    void (CPlcCommands::*commands_[])() = {&CPlcCommands::OnPlcInfo,  &CPlcCommands::OnPlcClock,
                                          &CPlcCommands::OnPlcCompare, &CPlcCommands::OnUpload,
                                          &CPlcCommands::OnPlcStop};
    for (auto command : commands_) {
        messages.shown.clear();
        (commands.*command)();
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown.back().text, "正在进行其它通讯任务， 不允许再启动通讯任务！");
        EXPECT_EQ(steps.back(), "box: lock held, port closed");  // the wait cursor off first
        EXPECT_FALSE(theSerialPort.IsOpen());
        EXPECT_FALSE(host.waitCursorOn);
    }
    messages.shown.clear();
    commands.OnCommSettings();
    EXPECT_TRUE(messages.shown.empty());
    release.set_value();
    holder.join();
    EXPECT_EQ(SentLetters(), "");
    EXPECT_TRUE(host.calls.empty());
}

// No question is asked with the lock held; the wait cursor is off before anything is
// shown; the port closes where each command closes it, the compare's compile runs with it
// open and the wait cursor on.
TEST_F(PlcCommands, EachStepFindsTheLineAsTheCommandLeftIt) {
    const struct {
        const char* name;
        std::function<void()> run;
        std::vector<std::string> steps;
    } cases[] = {
        {"clear", [this] { commands.OnPlcClear(); },
         {"box: lock free, port closed", "box: lock free, port closed"}},
        {"stop", [this] { commands.OnPlcStop(); }, {"box: lock free, port closed", "box: lock free, port open"}},
        {"compare", [this] { commands.OnPlcCompare(); },
         {"compile: lock free, port open, waiting", "box: lock free, port open"}},
        {"compare, silent PLC",
         [this] {
             plc.InjectFault(PlcFault::Silent, 0, 100);
             commands.OnPlcCompare();
         },
         {"box: lock free, port open"}},
        {"information, silent PLC",
         [this] {
             plc.InjectFault(PlcFault::Silent, 0, 100);
             commands.OnPlcInfo();
         },
         {"box: lock free, port open"}},
        {"upload refused after closing the project",
         [this] {
             plc.State().image = MakeSampleImage(SampleImageSpec());  // the clear above emptied it
             plc.State().image[5] = 0x40;
             const std::string chosen = folder / "up.qpr";
             ScriptedCommonDialogs dialogs({ChooseFile(chosen.c_str())});
             commands.OnUpload();
         },
         {"close project: lock free, port open", "box: lock free, port open"}},
    };
    messages.answer = IDYES;
    host.compiledCrc = plcCrc;
    RecordLineAtEachStep();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        steps.clear();
        c.run();
        plc.ClearFaults();
        EXPECT_EQ(steps, c.steps);
        ExpectLineFree();
    }
}

TEST_F(PlcCommands, CompareTellsByTheTwoCrcBytesAfterTheCompile) {
    const struct {
        const char* name;
        WORD compiledCrc;
        int compiles;
        std::vector<std::string> texts;
    } cases[] = {
        {"same program", plcCrc, 1, {"当前打开的工程与PLC内的工程一致！"}},
        {"high byte differs", static_cast<WORD>(plcCrc ^ 0x0100), 1, {"当前打开的工程与PLC内的工程不一致！"}},
        {"low byte differs", static_cast<WORD>(plcCrc ^ 0x0001), 1, {"当前打开的工程与PLC内的工程不一致！"}},
        {"compile fails", plcCrc, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.shown.clear();
        host.calls.clear();
        host.compiledCrc = c.compiledCrc;
        host.compileSucceeds = c.compiles;
        commands.OnPlcCompare();
        EXPECT_EQ(host.calls, std::vector<std::string>{"compile"});
        EXPECT_EQ(Texts(), c.texts);
        ExpectLineFree();
    }
}

TEST_F(PlcCommands, ASilentPlcShowsTheCommErrorAndTheNextCommandWorks) {
    plc.InjectFault(PlcFault::Silent, 0, 100);
    commands.OnPlcCompare();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(host.calls.empty());  // no compile without the PLC's CRC
    ExpectLineFree();
    plc.ClearFaults();
    messages.shown.clear();
    host.compiledCrc = plcCrc;
    commands.OnPlcCompare();
    EXPECT_EQ(Texts(), std::vector<std::string>{"当前打开的工程与PLC内的工程一致！"});
}

// An answer to the CRC request that carries another block number or a length byte that
// disagrees with the frame is a failed exchange, never compared.
TEST_F(PlcCommands, CompareReportsAnAnswerOfTheWrongShape) {
    const struct {
        const char* name;
        PlcFault fault;
        uint32_t param;
        const char* text;
    } cases[] = {
        {"next block number", PlcFault::WrongBlock, 0, "PLC响应错误（数据包号），通讯失败！"},
        {"length byte past the frame", PlcFault::BadLength, 40, "接收数据CRC校验错误，通讯失败！"},
        {"length byte short of the frame", PlcFault::BadLength, 1, "接收数据CRC校验错误，通讯失败！"},
    };
    host.compiledCrc = plcCrc;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.shown.clear();
        host.calls.clear();
        plc.InjectFault(c.fault, 0, 1, c.param);
        commands.OnPlcCompare();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text.substr(0, std::string(c.text).size()), c.text);
        EXPECT_TRUE(host.calls.empty());  // nothing compiled, nothing compared
        ExpectLineFree();
        messages.shown.clear();
        commands.OnPlcCompare();
        EXPECT_EQ(Texts(), std::vector<std::string>{"当前打开的工程与PLC内的工程一致！"});
    }
}

TEST_F(PlcCommands, DownloadWithoutASuccessfulCompileIsReported) {
    workspace.compileBeforeDownload = 0;
    host.compileSucceeds = 0;
    commands.OnDownload();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"compile", "result 1"}));
    // Without the compile setting an image never built is refused the same way.
    host.calls.clear();
    workspace.compileBeforeDownload = 1;
    commands.OnDownload();
    EXPECT_EQ(host.calls, std::vector<std::string>{"result 1"});
    EXPECT_EQ(SentLetters(), "");
}

TEST_F(PlcCommands, InformationAndClockShowTheirDialogsWithTheLockFree) {
    plc.State().running = true;
    bool lockFreeInDialog = false, portOpenInDialog = false;
    ModalScript script({[&](CWnd* dialog) {
                            lockFreeInDialog = LockIsFree();
                            portOpenInDialog = theSerialPort.IsOpen();
                            PressButton(dialog, IDCANCEL);
                        },
                        [&](CWnd* dialog) { PressButton(dialog, IDCANCEL); }});
    commands.OnPlcInfo();
    EXPECT_EQ(workspace.plcInfoState, 1);
    EXPECT_TRUE(lockFreeInDialog);
    EXPECT_TRUE(portOpenInDialog);
    ExpectLineFree();
    commands.OnPlcClock();
    EXPECT_EQ(script.PendingActions(), 0u);
    EXPECT_EQ(script.UnscriptedDialogs(), 0);
    EXPECT_TRUE(messages.shown.empty());
    ExpectLineFree();
}

TEST_F(PlcCommands, TheEditionByteOfAnUploadedImage) {
    using Edition = CPlcCommands::UploadEdition;
    const struct {
        std::vector<uint8_t> image;
        Edition edition;
    } cases[] = {
        {{1, 2, 3, 4, 5, 0x00}, Edition::Ours},  {{1, 2, 3, 4, 5, 0x80, 9}, Edition::Orin},
        {{1, 2, 3, 4, 5, 0x40}, Edition::Vela},  {{1, 2, 3, 4, 5, 0x01}, Edition::Unknown},
        {{1, 2, 3, 4, 5}, Edition::Unknown},     {{}, Edition::Unknown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CPlcCommands::EditionOf(c.image), c.edition) << c.image.size();
}

// Refusals after the file was chosen: the project was closed, nothing new is made.
TEST_F(PlcCommands, UploadRefusesImagesOfOtherEditionsAndShortImages) {
    std::vector<uint8_t> sixth = plc.State().image;
    const struct {
        const char* name;
        std::vector<uint8_t> image;
        const char* text;
    } cases[] = {
        {"Vela", [&] { auto i = sixth; i[5] = 0x40; return i; }(), "通用版Tessaron无法上载Vela版本的用户工程。"},
        {"Orin", [&] { auto i = sixth; i[5] = 0x80; return i; }(), "通用版Tessaron无法上载Orin版本的用户工程。"},
        {"other byte", [&] { auto i = sixth; i[5] = 0x22; return i; }(), "PLC中的上位机版本信息错误。"},
        {"four bytes", {1, 2, 3, 4}, "PLC中的上位机版本信息错误。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        plc.State().image = c.image;
        host.calls.clear();
        messages.shown.clear();
        workspace.projectOpen = 1;
        const std::string chosen = folder / "up.qpr";
        ScriptedCommonDialogs dialogs({ChooseFile(chosen.c_str())});
        commands.OnUpload();
        EXPECT_EQ(host.calls, std::vector<std::string>{"close project"});
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text, c.text);
        EXPECT_EQ(messages.shown[0].caption, "错误");
        EXPECT_EQ(messages.shown[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR | MB_TASKMODAL));
        EXPECT_EQ(workspace.projectOpen, 0);
        ExpectLineFree();
    }
}

TEST_F(PlcCommands, UploadStopsWhereTheUserOrThePlcSaysSo) {
    const struct {
        const char* name;
        std::function<void()> arrange;
        INT_PTR fileAnswer;
        std::vector<std::string> calls;
        int messages;
    } cases[] = {
        {"upload forbidden", [this] { plc.State().downloadOptions = 0x01; }, IDOK, {}, 1},
        {"file dialog cancelled", [] {}, IDCANCEL, {}, 0},
        {"closing cancelled", [this] { host.closeProject = FALSE; }, IDOK, {"close project"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        plc.State().downloadOptions = 0;
        host.closeProject = TRUE;
        host.calls.clear();
        messages.shown.clear();
        c.arrange();
        const std::string chosen = folder / "up.qpr";
        ScriptedCommonDialogs dialogs({c.fileAnswer == IDOK ? ChooseFile(chosen.c_str()) : CancelDialog()});
        commands.OnUpload();
        EXPECT_EQ(host.calls, c.calls);
        EXPECT_EQ(static_cast<int>(messages.shown.size()), c.messages);
        EXPECT_EQ(workspace.projectOpen, 1);
        ExpectLineFree();
    }
}

// The simulated PLC's sample image carries no sound directory, so its rebuild fails: the
// user is told, and the project still gets its new path, its trees, its POUs and its
// saves. (Rebuilding from a real image is the project model's own test.)
TEST_F(PlcCommands, UploadMakesTheNewProjectEvenWhenTheRebuildFails) {
    const std::string chosen = folder / "up.qpr";
    ScriptedCommonDialogs dialogs({ChooseFile(chosen.c_str())});
    commands.OnUpload();
    ASSERT_EQ(dialogs.FileCalls().size(), 1u);
    EXPECT_EQ(dialogs.FileCalls()[0].title, "上载至...");
    EXPECT_EQ(dialogs.FileCalls()[0].fileName, "project.qpr");
    EXPECT_EQ(dialogs.FileCalls()[0].filter, "工程文件 (*.qpr)|*.qpr||");
    const std::vector<std::string> expected = {"close project", "save as " + chosen, "save", "trees", "open pous",
                                               "save"};
    EXPECT_EQ(host.calls, expected);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown.back().text, "恢复工程时出错。");
    EXPECT_EQ(messages.shown.back().caption, "错误");
    EXPECT_EQ(workspace.projectOpen, 1);
    EXPECT_EQ(static_cast<size_t>(workspace.project.transferBytes.GetSize()), plc.State().image.size());
    EXPECT_EQ(std::string(app.GetProfileString("Configuration", "PrevProj")), folder.Path() + "\\");
    ExpectLineFree();
}

TEST(UploadedPous, SubroutinesThenInterruptsThenMainAreOpened) {
    CQLXProject project;
    project.folder = "C:\\up";
    // The project owns the subroutine nodes through sbrByName and the interrupt nodes
    // through intByNumber.
    auto add = [&project](CMapStringToOb& map, int kind, int language, WORD number, const char* name) {
        auto* node = new CProjTreeNode(kind, language, number);
        node->name = name;
        map.SetAt(name, node);
        if (kind == PouInterrupt)
            project.intByNumber.SetAt(number, node);
    };
    project.mainPou.kind = PouMain;
    project.mainPou.name = "MAIN";
    project.mainPou.language = 2;
    EXPECT_TRUE(UploadedPousToOpen(project).empty());  // no MAIN: nothing
    project.hasMain = 1;
    add(project.sbrByName, PouSubroutine, 1, 12, "A");
    add(project.sbrByName, PouSubroutine, 2, 3, "Z");
    add(project.sbrByName, PouSubroutine, 0, 4, "NONE");
    add(project.intByName, PouInterrupt, 1, 1, "TICK");
    std::vector<std::string> opened;
    for (const UploadedPou& pou : UploadedPousToOpen(project))
        opened.push_back(std::string(pou.treeKey) + "|" + std::string(pou.path));
    EXPECT_EQ(opened, (std::vector<std::string>{"(SBR03) |C:\\up\\SBR03_Z.ilp", "(SBR12) |C:\\up\\SBR12_A.ilp",
                                                "(INT01) |C:\\up\\INT01_TICK.ilp", "(MAIN) |C:\\up\\MAIN_MAIN.ilp"}));
}

}  // namespace
