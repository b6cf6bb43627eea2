#pragma once
#include "comm/SerialPort.h"

#include <windows.h>

// Where a detection stands; each has its status line.
enum class DetectionStatus : int {
    Searching,
    Found,
    NotFound,
    StoppedByUser,
    PortFailed,
};
const char* DetectionStatusText(DetectionStatus status);

// Messages the detection posts to its window: the status (wParam) while it runs, and
// its end (wParam the final status). The worker touches no window itself.
constexpr UINT WM_DETECTION_STATUS = WM_APP + 40;
constexpr UINT WM_DETECTION_DONE = WM_APP + 41;

// Searches station, baud rate and parity with the link test on theSerialPort, which
// the caller has opened on the chosen port, on a worker thread that owns the port until
// it ends. Found: the port keeps the found settings. Otherwise the settings from before
// the detection come back. The port is closed at the end either way.
class CSerialDetection {
public:
    static constexpr int kStations = 31;
    static constexpr int kBaudRates[5] = {38400, 19200, 9600, 4800, 2400};
    static constexpr int kParities = 3;

    CSerialDetection() = default;
    ~CSerialDetection();
    CSerialDetection(const CSerialDetection&) = delete;
    CSerialDetection& operator=(const CSerialDetection&) = delete;

    bool Start(HWND notify, const SerialSettings& before);
    void RequestStop() { InterlockedExchange(&m_stop, 1); }
    bool IsRunning() const { return m_thread != nullptr; }
    // Stops the search and waits for the worker, handling this thread's messages
    // meanwhile, so that nothing the worker waits for is held up.
    void StopAndJoin();
    // The worker has ended: its handle goes.
    void Finished();

private:
    static DWORD WINAPI Worker(LPVOID self);
    DetectionStatus Search();

    HANDLE m_thread = nullptr;
    HWND m_notify = nullptr;
    SerialSettings m_before;
    volatile LONG m_stop = 0;
};
