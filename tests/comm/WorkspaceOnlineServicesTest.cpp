#include "comm/ForceTable.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXStatus.h"
#include "project/MonitorCells.h"
#include "tests/comm/PlcLinkFixture.h"
#include "tools/simplc/SampleImage.h"

#include <thread>

namespace {

// The workspace's own monitor worker block and forcing service against the simulated
// PLC: the project's monitor cells fill, and forcing borrows the line from the worker
// through the workspace's pause handshake.
class WorkspaceOnline : public PlcLinkFixture {
protected:
    void SetUp() override {
        PlcLinkFixture::SetUp();
        workspace.project.AllocateForceImages(5970);
        ASSERT_TRUE(AddMonitorCells("%VB7"));
        ASSERT_TRUE(AddMonitorCells("%VW20"));
        workspace.project.BuildMonitorLists();
        const MonitorLists lists = MonitorListsOf(workspace.project);
        SampleImageSpec spec;
        spec.monitorCodes = lists.bytes;
        spec.monitorDataSize = static_cast<uint16_t>(lists.DataSize());
        plc.State().image = MakeSampleImage(spec);
        window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        InterlockedExchange(&workspace.onlineMonitoring, 0);
        if (worker) {
            WaitForSingleObject(worker, 10000);
            CloseHandle(worker);
        }
        DestroyWindow(window);
        PlcLinkFixture::TearDown();
    }

    void StartMonitoring() {
        InterlockedExchange(&workspace.onlineMonitoring, 1);
        worker = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD { return MonitorThreadProc(p); },
                              workspace.PrepareMonitorWorker(window), 0, nullptr);
        ASSERT_NE(nullptr, worker);
    }
    bool WaitForCycles(uint32_t cycles) {
        for (int i = 0; i < 500; ++i) {
            {
                CSingleLock lock(&workspace.monitorDataLock, TRUE);
                if (plc.State().monitorCycles >= cycles)
                    return true;
            }
            Sleep(10);
        }
        return false;
    }
    DWORD StopMonitoring() {
        InterlockedExchange(&workspace.onlineMonitoring, 0);
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(worker, 10000));
        DWORD code = 0xDEAD;
        GetExitCodeThread(worker, &code);
        return code;
    }
    CQLXStatus* Cell(WORD code) {
        CObject* cell = nullptr;
        return workspace.project.monitorCellsByCode.Lookup(code, cell) ? static_cast<CQLXStatus*>(cell) : nullptr;
    }

    CPlcWorkspace workspace;
    HWND window = nullptr;
    HANDLE worker = nullptr;
};

}  // namespace

TEST_F(WorkspaceOnline, MonitoringFillsTheProjectsCellsWhileForcingBorrowsTheLine) {
    StartMonitoring();
    ASSERT_TRUE(WaitForCycles(2));

    // Monitoring holds the communication lock from its start; a force goes through the
    // pause handshake all the same.
    std::thread holder([&] {
        workspace.commLock.Lock();
        Sleep(2500);
        workspace.commLock.Unlock();
    });
    Sleep(50);
    const bool forced = workspace.forcingService.ForceVariable("%VW20", 0xBEEF);
    holder.join();
    ASSERT_TRUE(forced);
    EXPECT_FALSE(workspace.monitorPause.IsPaused());
    EXPECT_EQ(plc.State().forceTable, workspace.project.forceRequest);
    std::vector<ForcedValue> forces;
    ASSERT_TRUE(ParseForceTable(plc.State().forceTable, forces));
    ASSERT_EQ(1u, forces.size());
    EXPECT_EQ(0xBEEFu, forces[0].value);
    EXPECT_NE(nullptr, CForcingService::FindForceEntry(workspace.project.forceEntries, "%VW20"));

    const uint32_t cyclesAfterForcing = plc.State().monitorCycles;
    ASSERT_TRUE(WaitForCycles(cyclesAfterForcing + 1));
    EXPECT_EQ(0u, StopMonitoring());
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(*workspace.monitorStoppedEvent, 0));
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, window, WM_MONITOR_NOTIFY, WM_MONITOR_NOTIFY, PM_REMOVE));

    // Data byte i of cycle c is 3i + c: the project's byte cells, in list order, hold one cycle.
    const CWordArray& codes = workspace.project.monitorByteCodes;
    ASSERT_EQ(3, codes.GetSize());
    const uint32_t cycle = Cell(codes[0])->value;
    for (INT_PTR i = 0; i < codes.GetSize(); ++i)
        EXPECT_EQ(static_cast<DWORD>((3 * i + cycle) & 0xFF), Cell(codes[i])->value) << i;
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WorkspaceOnline, WithoutMonitoringForcingTakesTheCommunicationLock) {
    ASSERT_TRUE(workspace.forcingService.ForceVariable("%VB7", 9));
    ASSERT_TRUE(workspace.forcingService.RunForceClearTask());

    // Events, not sleeps: on a loaded machine the holder may not yet hold the lock after
    // a fixed pause, or may give it up before the service's wait ends.
    CEvent held{FALSE, TRUE};
    CEvent release{FALSE, TRUE};
    std::thread holder([&] {
        workspace.commLock.Lock();
        held.SetEvent();
        WaitForSingleObject(release, 10000);
        workspace.commLock.Unlock();
    });
    const DWORD heldWait = WaitForSingleObject(held, 5000);
    const bool ran = heldWait == WAIT_OBJECT_0 && workspace.forcingService.RunForceReadTask();
    release.SetEvent();
    holder.join();
    ASSERT_EQ(WAIT_OBJECT_0, heldWait);
    EXPECT_FALSE(ran);
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("正在进行其它通讯任务， 不允许再启动通讯任务！", messages.shown[0].text);
    EXPECT_EQ("JK", SentLetters().substr(SentLetters().size() - 2));
}
