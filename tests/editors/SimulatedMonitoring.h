#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "comm/MonitorWorker.h"
#include "comm/ProjectMonitorCells.h"
#include "comm/ReplyTimeouts.h"
#include "comm/SerialPort.h"
#include "project/CPlcWorkspace.h"
#include "tests/comm/InProcessLink.h"
#include "tools/simplc/SampleImage.h"

// The workspace's monitor worker polling a simulated PLC over an in-process link, for
// the editors' online tests: the PLC's program monitors what the project's lists name.
struct SimulatedMonitoring {
    explicit SimulatedMonitoring(CPlcWorkspace& workspace) : workspace(workspace) {}

    void Connect() {
        theSerialPort.Settings() = SerialSettings();
        theSerialPort.AttachLine(&link);
        SetReplyTimeoutsForCpuClass(1);
    }
    // Builds the project's monitor lists and gives the PLC a program with the same ones.
    void LoadProgramOf(CQLXProject& project) {
        project.BuildMonitorLists();
        MonitorLists lists = MonitorListsOf(project);
        SampleImageSpec spec;
        spec.monitorCodes = lists.bytes;
        spec.monitorCodes.insert(spec.monitorCodes.end(), lists.words.begin(), lists.words.end());
        spec.monitorCodes.insert(spec.monitorCodes.end(), lists.timersCounters.begin(), lists.timersCounters.end());
        spec.monitorDataSize = static_cast<uint16_t>(lists.DataSize());
        plc.State().image = MakeSampleImage(spec);
        window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    }
    // Goes online and waits for two polling cycles.
    void Start() {
        InterlockedExchange(&workspace.onlineMonitoring, 1);
        worker = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD { return MonitorThreadProc(p); },
                              workspace.PrepareMonitorWorker(window), 0, nullptr);
        ASSERT_NE(nullptr, worker);
        for (int i = 0; i < 500 && plc.State().monitorCycles < 2; ++i) Sleep(10);
        ASSERT_GE(plc.State().monitorCycles, 2u);
    }
    // Ends the worker's polling; the editor stays online with the last values.
    void StopWorker() {
        if (!worker) return;
        InterlockedExchange(&workspace.onlineMonitoring, 0);
        WaitForSingleObject(worker, 10000);
        CloseHandle(worker);
        worker = nullptr;
        InterlockedExchange(&workspace.onlineMonitoring, 1);
    }
    // Runs the action while another thread holds the monitor data lock; answers how many
    // milliseconds it took.
    template <class Action>
    long long MillisecondsWhileLockHeldElsewhere(Action action) {
        HANDLE held = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        std::thread holder([&] {
            workspace.monitorDataLock.Lock();
            SetEvent(held);
            WaitForSingleObject(release, 10000);
            workspace.monitorDataLock.Unlock();
        });
        WaitForSingleObject(held, 5000);
        const auto start = std::chrono::steady_clock::now();
        action();
        const auto waited = std::chrono::steady_clock::now() - start;
        SetEvent(release);
        holder.join();
        CloseHandle(held);
        CloseHandle(release);
        return std::chrono::duration_cast<std::chrono::milliseconds>(waited).count();
    }
    // Offline again, the port given back.
    void End() {
        StopWorker();
        InterlockedExchange(&workspace.onlineMonitoring, 0);
        DestroyWindow(window);
        theSerialPort.AttachLine(nullptr);
    }

    CPlcWorkspace& workspace;
    SimulatedPlc plc;
    InProcessLink link{plc};
    HWND window = nullptr;
    HANDLE worker = nullptr;
};
