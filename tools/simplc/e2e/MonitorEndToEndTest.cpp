#include "comm/ForceTable.h"
#include "comm/ForcingService.h"
#include "comm/MonitorWorker.h"
#include "comm/PlcTransfers.h"
#include "tools/simplc/SampleForceProject.h"
#include "tools/simplc/SampleImage.h"
#include "tools/simplc/e2e/EndToEndFixture.h"

#include <map>

namespace {

constexpr uint16_t kTimer9 = 4650 + 2 * 9;

struct Cells : MonitorCells {
    void StoreValue(uint16_t code, uint32_t value) override {
        values[code] = value;
        ++stores;
    }
    void StoreTimerCounter(uint16_t code, uint32_t status, uint32_t value) override {
        statuses[code] = status;
        StoreValue(code, value);
    }
    std::map<uint16_t, uint32_t> values;
    std::map<uint16_t, uint32_t> statuses;
    int stores = 0;
};

}  // namespace

TEST_F(EndToEnd, MonitoringFillsTheCellsWhileForcingBorrowsTheLine) {
    MonitorLists lists;
    lists.bytes = {101, 102, 103};
    lists.words = {104};
    lists.timersCounters = {kTimer9};
    lists.doubleWords = {108};
    SampleImageSpec spec;
    spec.monitorCodes = {101, 102, 103, 104, kTimer9, 108};
    spec.monitorDataSize = static_cast<uint16_t>(lists.DataSize());
    ASSERT_EQ(kCommOk, DownloadTarget(nullptr, nullptr, 0, WriteImage(MakeSampleImage(spec))));

    volatile LONG monitoring = 1;
    CMonitorPause pause;
    CEvent stopped(FALSE, FALSE);
    CMutex dataLock;
    Cells cells;
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    MonitorWorkerShared shared{&monitoring, &pause, &stopped, &dataLock, &lists, &cells, window};
    HANDLE worker = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD { return MonitorThreadProc(p); }, &shared, 0, nullptr);
    ASSERT_NE(nullptr, worker);

    auto storesSoFar = [&] {
        CSingleLock lock(&dataLock, TRUE);
        return cells.stores;
    };
    auto waitForStores = [&](int stores) {
        for (int i = 0; i < 200 && storesSoFar() < stores; ++i)
            Sleep(50);
        return storesSoFar() >= stores;
    };
    ASSERT_TRUE(waitForStores(12));  // two cycles of six cells

    SampleForceProject project;
    CMutex commLock;
    std::vector<uint8_t> table;
    CForcingService forcing(project, {&monitoring, &pause, &commLock}, table);
    ASSERT_TRUE(forcing.ForceVariable("%MW4", 1234));
    ASSERT_TRUE(forcing.RunForceReadTask());
    std::vector<ForcedValue> forces;
    ASSERT_TRUE(ParseForceTable(table, forces));
    ASSERT_EQ(1u, forces.size());
    EXPECT_EQ(1234u, forces[0].value);
    ASSERT_TRUE(forcing.RunForceClearTask());
    ASSERT_TRUE(forcing.LoadForceList());
    EXPECT_EQ(0, project.ForcedCount());

    const int before = storesSoFar();
    ASSERT_TRUE(waitForStores(before + 12));  // monitoring goes on after the forcing
    InterlockedExchange(&monitoring, 0);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(worker, 10000));
    DWORD exitCode = 1;
    GetExitCodeThread(worker, &exitCode);
    CloseHandle(worker);
    EXPECT_EQ(0u, exitCode);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(stopped, 0));
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, window, WM_MONITOR_NOTIFY, WM_MONITOR_NOTIFY, PM_REMOVE));
    DestroyWindow(window);

    // Data byte i of cycle c is 3i + c; the cells of the last cycle agree with each other.
    const uint32_t c = cells.values[101];
    auto byte = [c](uint32_t i) { return (3 * i + c) & 0xFF; };
    EXPECT_EQ(byte(1), cells.values[102]);
    EXPECT_EQ(byte(2), cells.values[103]);
    EXPECT_EQ(byte(3) | byte(4) << 8, cells.values[104]);
    EXPECT_EQ((byte(5) >> 1) & 1, cells.statuses[kTimer9]);
    EXPECT_EQ(byte(6) | byte(7) << 8, cells.values[kTimer9]);
    EXPECT_EQ(byte(8) | byte(9) << 8 | byte(10) << 16 | byte(11) << 24, cells.values[108]);
}
