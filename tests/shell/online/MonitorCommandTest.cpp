#include "comm/MonitorWorker.h"
#include "comm/SerialPort.h"
#include "project/CPlcWorkspace.h"
#include "project/MonitorCells.h"
#include "shell/online/MonitorCommand.h"
#include "tests/comm/PlcLinkFixture.h"
#include "tools/simplc/SampleImage.h"

#include <functional>
#include <future>
#include <string>
#include <vector>

namespace {

class RecordingMonitorHost : public MonitorFrameHost {
public:
    explicit RecordingMonitorHost(CPlcWorkspace& workspace) : m_workspace(workspace) {}
    HWND FrameWindow() override { return nullptr; }
    void PostMonitorNotify() override { calls.push_back("notify"); }
    void Compile() override {
        calls.push_back("compile");
        m_workspace.project.targetReady = compileSucceeds;
    }
    void ReportPlcResult(int result) override { calls.push_back("result " + std::to_string(result)); }
    void RefreshActiveWindow(bool monitoring) override { calls.push_back(monitoring ? "refresh on" : "refresh off"); }

    std::vector<std::string> calls;
    int compileSucceeds = 1;

private:
    CPlcWorkspace& m_workspace;
};

// The monitoring command of the main window against the simulated PLC holding the
// project's program.
class MonitorCommand : public PlcLinkFixture {
protected:
    void SetUp() override {
        PlcLinkFixture::SetUp();
        workspace.projectOpen = 1;
        workspace.compileBeforeOnline = 1;   // no compile unless a test asks
        workspace.project.AllocateForceImages(5970);
        ASSERT_TRUE(AddMonitorCells("%VB7"));
        workspace.project.BuildMonitorLists();
        const MonitorLists lists = MonitorListsOf(workspace.project);
        SampleImageSpec spec;
        spec.monitorCodes = lists.bytes;
        spec.monitorDataSize = static_cast<uint16_t>(lists.DataSize());
        plc.State().image = MakeSampleImage(spec);
        uint8_t low = 0, high = 0;
        ASSERT_TRUE(SimulatedPlc::ProgramCrc(plc.State().image, low, high));
        workspace.project.projectCrc = MAKEWORD(low, high);
    }
    void TearDown() override {
        command.OnClose();
        PlcLinkFixture::TearDown();
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
    bool WaitForCycles(uint32_t cycles) {
        for (int i = 0; i < 500 && plc.State().monitorCycles < cycles; ++i)
            Sleep(10);
        return plc.State().monitorCycles >= cycles;
    }

    CPlcWorkspace workspace;
    RecordingMonitorHost host{workspace};
    CMonitorCommand command{workspace, host};
};

TEST_F(MonitorCommand, OnAndOffAgainHoldTheLineOnlyWhileTheWorkerRuns) {
    command.OnMonitor();
    ASSERT_TRUE(command.IsRunning());
    EXPECT_TRUE(command.IsChecked());
    EXPECT_TRUE(WaitForCycles(2));
    EXPECT_FALSE(LockIsFree());
    EXPECT_TRUE(theSerialPort.IsOpen());
    EXPECT_EQ(1, command.OnMonitorNotify());   // a cycle: the active window repaints
    EXPECT_EQ((std::vector<std::string>{"refresh on"}), host.calls);

    command.OnMonitor();
    EXPECT_FALSE(command.IsChecked());
    EXPECT_EQ("notify", host.calls.back());
    EXPECT_EQ(1, command.OnMonitorNotify());
    EXPECT_FALSE(command.IsRunning());
    EXPECT_TRUE(LockIsFree());
    EXPECT_FALSE(theSerialPort.IsOpen());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MonitorCommand, StartsThatDoNotGetThrough) {
    const struct {
        const char* name;
        std::function<void()> arrange;
        std::vector<std::string> calls;
        const char* message;
    } cases[] = {
        {"another program on the PLC", [this] { workspace.project.projectCrc ^= 0x0101; },
         {"notify", "result 3"}, nullptr},
        {"compile asked for and failing",
         [this] {
             workspace.compileBeforeOnline = 0;
             host.compileSucceeds = 0;
         },
         {"compile", "notify", "result 4"}, nullptr},
        {"PLC silent", [this] { plc.InjectFault(PlcFault::Silent, 0, 100); }, {"notify"}, ""},
    };
    const WORD crc = workspace.project.projectCrc;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host.calls.clear();
        messages.shown.clear();
        c.arrange();
        command.OnMonitor();
        EXPECT_FALSE(command.IsRunning());
        EXPECT_FALSE(command.IsChecked());
        EXPECT_EQ(c.calls, host.calls);
        EXPECT_EQ(c.message != nullptr, !messages.shown.empty());
        EXPECT_TRUE(LockIsFree());
        command.OnMonitorNotify();
        EXPECT_FALSE(theSerialPort.IsOpen());
        plc.ClearFaults();
        workspace.project.projectCrc = crc;
        workspace.compileBeforeOnline = 1;
        // The next start works at once.
        command.OnMonitor();
        EXPECT_TRUE(command.IsRunning());
        command.OnMonitor();
        command.OnMonitorNotify();
        EXPECT_FALSE(command.IsRunning());
    }
}

TEST_F(MonitorCommand, BusyLineRefusesTheStartWithItsNotice) {
    auto holder = std::async(std::launch::async, [this] {
        workspace.commLock.Lock();
        Sleep(1500);
        workspace.commLock.Unlock();
    });
    Sleep(100);
    command.OnMonitor();
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("正在进行其它通讯任务，不允许启动在线监测！", messages.shown[0].text);
    EXPECT_EQ("提示", messages.shown[0].caption);
    EXPECT_FALSE(command.IsChecked());
    EXPECT_FALSE(theSerialPort.IsOpen());
    EXPECT_EQ((std::vector<std::string>{"notify"}), host.calls);
    holder.get();
}

TEST_F(MonitorCommand, ClosingTheWindowWhileOnlineEndsTheWorkerAndFreesTheLine) {
    command.OnMonitor();
    ASSERT_TRUE(command.IsRunning());
    ASSERT_TRUE(WaitForCycles(1));
    command.OnClose();   // the posted notification is never handled
    EXPECT_FALSE(command.IsRunning());
    EXPECT_FALSE(command.IsChecked());
    EXPECT_TRUE(LockIsFree());
    EXPECT_FALSE(theSerialPort.IsOpen());
    const uint32_t cycles = plc.State().monitorCycles;
    Sleep(300);
    EXPECT_EQ(cycles, plc.State().monitorCycles);
}

TEST_F(MonitorCommand, AWorkerEndingOnAnErrorIsReportedAfterTheJoin) {
    command.OnMonitor();
    ASSERT_TRUE(WaitForCycles(1));
    plc.InjectFault(PlcFault::Silent, 0, 1000);
    for (int i = 0; i < 500 && command.IsChecked(); ++i)
        Sleep(10);
    ASSERT_FALSE(command.IsChecked());   // the worker cleared it
    command.OnMonitorNotify();
    EXPECT_FALSE(command.IsRunning());
    EXPECT_EQ(1u, messages.shown.size());
    EXPECT_TRUE(LockIsFree());
    EXPECT_FALSE(theSerialPort.IsOpen());
}

}  // namespace
