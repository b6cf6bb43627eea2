#include "comm/MonitorWorker.h"
#include "comm/PlcFrame.h"
#include "comm/PlcRequests.h"
#include "tests/comm/PlcLinkFixture.h"
#include "tools/simplc/SampleImage.h"

#include <map>

namespace {

using Bytes = std::vector<uint8_t>;

struct RecordingCells : MonitorCells {
    void StoreValue(uint16_t code, uint32_t value) override { values[code] = value; }
    void StoreTimerCounter(uint16_t code, uint32_t status, uint32_t value) override {
        statuses[code] = status;
        values[code] = value;
    }
    std::map<uint16_t, uint32_t> values;
    std::map<uint16_t, uint32_t> statuses;
};

constexpr uint16_t kTimer9 = 4650 + 2 * 9;
constexpr uint16_t kCounter3 = 4650 + 2 * (256 + 3);

}  // namespace

TEST(MonitorData, DecodesEachListInOrder) {
    MonitorLists lists;
    lists.bytes = {100, 101};
    lists.words = {200};
    lists.timersCounters = {kTimer9};
    lists.doubleWords = {300};
    ASSERT_EQ(11u, lists.DataSize());
    const Bytes data = {0x11, 0x22, 0x34, 0x12, 0x02, 0xE8, 0x03, 0x78, 0x56, 0x34, 0x12, 0xEE};
    RecordingCells cells;
    ASSERT_TRUE(DecodeMonitorData(lists, data, cells));  // one byte more is ignored
    EXPECT_EQ(0x11u, cells.values[100]);
    EXPECT_EQ(0x22u, cells.values[101]);
    EXPECT_EQ(0x1234u, cells.values[200]);
    EXPECT_EQ(1u, cells.statuses[kTimer9]);  // T9: bit 1 of 0x02
    EXPECT_EQ(1000u, cells.values[kTimer9]);
    EXPECT_EQ(0x12345678u, cells.values[300]);

    RecordingCells untouched;
    EXPECT_FALSE(DecodeMonitorData(lists, Bytes(data.begin(), data.begin() + 10), untouched));
    EXPECT_TRUE(untouched.values.empty());
}

TEST(MonitorData, TimerAndCounterStatusBits) {
    struct Case {
        uint16_t code;
        uint32_t bit;
    };
    const Case cases[] = {{4650, 0}, {kTimer9, 1}, {4650 + 2 * 255, 7}, {kCounter3, 3}, {4650 + 2 * 264, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(c.bit, TimerCounterStatusBit(c.code)) << c.code;
}

namespace {

// The worker on its own thread against the simulated PLC, with the shared state the
// workspace would own and a message-only window that counts notifications.
class MonitorWorkerRun : public PlcLinkFixture {
protected:
    void SetUp() override {
        PlcLinkFixture::SetUp();
        window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        shared = {&monitoring, &pause, &stopped, &dataLock, &lists, &cells, window};
    }
    void TearDown() override {
        InterlockedExchange(&monitoring, 0);
        if (thread) {
            WaitForSingleObject(thread, 10000);
            CloseHandle(thread);
        }
        DestroyWindow(window);
        PlcLinkFixture::TearDown();
    }

    // Monitor lists of `byteCount` byte cells, and a PLC image whose monitor section
    // announces `plcDataSize` bytes of data.
    void Prepare(size_t byteCount, size_t plcDataSize) {
        lists.bytes.clear();
        for (size_t i = 0; i < byteCount; ++i)
            lists.bytes.push_back(static_cast<uint16_t>(1000 + i));
        SampleImageSpec spec;
        spec.monitorCodes = lists.bytes;
        spec.monitorDataSize = static_cast<uint16_t>(plcDataSize);
        plc.State().image = MakeSampleImage(spec);
    }
    void Start() {
        InterlockedExchange(&monitoring, 1);
        thread = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD { return MonitorThreadProc(p); }, &shared, 0, nullptr);
        ASSERT_NE(nullptr, thread);
    }
    DWORD Finish(DWORD timeoutMs = 10000) {
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, timeoutMs));
        DWORD code = 0xDEAD;
        GetExitCodeThread(thread, &code);
        return code;
    }
    int Notifications() {
        int count = 0;
        MSG msg;
        while (PeekMessageA(&msg, window, WM_MONITOR_NOTIFY, WM_MONITOR_NOTIFY, PM_REMOVE))
            ++count;
        return count;
    }
    bool WaitForCycles(uint32_t cycles) {
        for (int i = 0; i < 500; ++i) {
            {
                CSingleLock lock(&dataLock, TRUE);
                if (plc.State().monitorCycles >= cycles && !cells.values.empty())
                    return true;
            }
            Sleep(10);
        }
        return false;
    }
    size_t RequestCount() {
        CSingleLock lock(&dataLock, TRUE);
        return link.Requests().size();
    }

    volatile LONG monitoring = 0;
    CMonitorPause pause;
    CEvent stopped{FALSE, FALSE};
    CMutex dataLock;
    MonitorLists lists;
    RecordingCells cells;
    HWND window = nullptr;
    MonitorWorkerShared shared{};
    HANDLE thread = nullptr;
};

}  // namespace

TEST_F(MonitorWorkerRun, CyclesFillTheCellsUntilMonitoringIsSwitchedOff) {
    Prepare(450, 450);  // three blocks per cycle
    Start();
    ASSERT_TRUE(WaitForCycles(3));
    InterlockedExchange(&monitoring, 0);
    EXPECT_EQ(0u, Finish());
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(stopped, 0));
    EXPECT_GE(Notifications(), 3);
    const uint32_t cycle = cells.values[1000];  // byte i of cycle c is 3i + c
    for (size_t i = 0; i < 450; ++i)
        ASSERT_EQ((3 * i + cycle) & 0xFF, cells.values[static_cast<uint16_t>(1000 + i)]) << i;
    const std::vector<Bytes>& requests = link.Requests();
    ASSERT_GE(requests.size(), 3u);
    EXPECT_EQ((std::vector<int>{255, 1, 0}), (std::vector<int>{requests[0][2], requests[1][2], requests[2][2]}));
}

TEST_F(MonitorWorkerRun, ErrorsEndTheWorkerWithTheirCodeWithoutAMessage) {
    struct Case {
        const char* name;
        PlcFault fault;
        uint32_t skip;
        size_t plcDataSize;
        DWORD exitCode;
    };
    const Case cases[] = {
        {"CRC error in the second block", PlcFault::BadCrc, 1, 450, kCommBadReply},
        {"silent PLC", PlcFault::Silent, 0, 450, kCommNoReply},
        {"wrong block number", PlcFault::WrongBlock, 1, 450, kCommWrongBlock},
        {"over-long reply has no message", PlcFault::LongReply, 0, 450, 255},
        {"data shorter than the lists", PlcFault::None, 0, 449, kCommShortMonitorData},
    };
    for (const Case& c : cases) {
        Prepare(450, c.plcDataSize);
        plc.InjectFault(c.fault, c.skip, 1);
        Notifications();
        Start();
        // The waiting thread pumps no messages, as the main window's end handling does not.
        ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(stopped, 10000)) << c.name;
        EXPECT_EQ(c.exitCode, Finish()) << c.name;
        CloseHandle(thread);
        thread = nullptr;
        EXPECT_EQ(0, monitoring) << c.name;
        EXPECT_EQ(1, Notifications()) << c.name;
        EXPECT_TRUE(messages.shown.empty()) << c.name;
        plc.ClearFaults();
    }
}

TEST_F(MonitorWorkerRun, ForcerBorrowsTheLineOnlyBetweenCycles) {
    Prepare(450, 450);
    Start();
    ASSERT_TRUE(WaitForCycles(1));
    const DWORD worker = GetThreadId(thread);
    for (int round = 0; round < 15; ++round) {
        ASSERT_TRUE(pause.Pause(5000)) << round;
        EXPECT_EQ(kCommOk, CancelAllForces()) << round;
        pause.Resume();
        Sleep(round % 3 * 40);
    }
    InterlockedExchange(&monitoring, 0);
    EXPECT_EQ(0u, Finish());
    // Every "L" transfer runs from block 255 down to block 0 with nothing in between.
    const std::vector<Bytes>& requests = link.Requests();
    const std::vector<DWORD>& threads = link.RequestThreads();
    int expectedNext = -1;
    for (size_t i = 0; i < requests.size(); ++i) {
        const bool fromWorker = threads[i] == worker;
        EXPECT_EQ(fromWorker, requests[i][1] == 'L') << i;
        if (expectedNext >= 0) {
            ASSERT_TRUE(fromWorker && requests[i][2] == expectedNext) << "request " << i << " split a cycle";
        }
        expectedNext = fromWorker && requests[i][2] != 1 ? (requests[i][2] == 255 ? 1 : -1) : -1;
        if (fromWorker && requests[i][2] == 1)
            expectedNext = 0;
    }
}

TEST_F(MonitorWorkerRun, PausedWorkerSendsNothingAndDoesNotSpin) {
    Prepare(10, 10);
    Start();
    ASSERT_TRUE(WaitForCycles(1));
    ASSERT_TRUE(pause.Pause(5000));
    const size_t before = RequestCount();
    FILETIME created, exited, kernelBefore, userBefore, kernelAfter, userAfter;
    GetThreadTimes(thread, &created, &exited, &kernelBefore, &userBefore);
    Sleep(600);
    GetThreadTimes(thread, &created, &exited, &kernelAfter, &userAfter);
    EXPECT_EQ(before, RequestCount());
    const auto ticks = [](const FILETIME& t) { return (uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    const uint64_t busy = ticks(kernelAfter) - ticks(kernelBefore) + ticks(userAfter) - ticks(userBefore);
    EXPECT_LT(busy, 100u * 10000u) << "100 ns units of CPU while paused";
    pause.Resume();
    ASSERT_TRUE(WaitForCycles(plc.State().monitorCycles + 1));
    EXPECT_EQ(255, link.Requests()[before][2]);  // the next cycle begins at block 255 again
}

TEST(MonitorPause, ForcerGivesUpWhenNoCycleEnds) {
    CMonitorPause pause;
    EXPECT_FALSE(pause.Pause(200));
    EXPECT_FALSE(pause.IsPaused());
    EXPECT_TRUE(pause.BeginCycle());
    pause.EndCycle();
    EXPECT_TRUE(pause.Pause(200));
    EXPECT_FALSE(pause.BeginCycle());
    pause.Resume();
    EXPECT_TRUE(pause.BeginCycle());
}
