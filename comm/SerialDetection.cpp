#include "comm/SerialDetection.h"

#include "comm/PlcRequests.h"

const char* DetectionStatusText(DetectionStatus status) {
    switch (status) {
    case DetectionStatus::Searching: return "正在检测...";
    case DetectionStatus::Found: return "检测成功！各参数已设置。";
    case DetectionStatus::NotFound: return "没有检测到合适的参数";
    case DetectionStatus::StoppedByUser: return "由用户停止检测！";
    case DetectionStatus::PortFailed: return "操作串口失败，停止检测！";
    }
    return "";
}

CSerialDetection::~CSerialDetection() { StopAndJoin(); }

bool CSerialDetection::Start(HWND notify, const SerialSettings& before) {
    if (m_thread)
        return false;
    m_notify = notify;
    m_before = before;
    InterlockedExchange(&m_stop, 0);
    m_thread = CreateThread(nullptr, 0, &Worker, this, 0, nullptr);
    return m_thread != nullptr;
}

DWORD WINAPI CSerialDetection::Worker(LPVOID self) {
    CSerialDetection* detection = static_cast<CSerialDetection*>(self);
    PostMessageA(detection->m_notify, WM_DETECTION_STATUS, static_cast<WPARAM>(DetectionStatus::Searching), 0);
    const DetectionStatus end = detection->Search();
    theSerialPort.ClosePort();
    if (end != DetectionStatus::Found)
        theSerialPort.Settings() = detection->m_before;
    PostMessageA(detection->m_notify, WM_DETECTION_DONE, static_cast<WPARAM>(end), 0);
    return 0;
}

DetectionStatus CSerialDetection::Search() {
    SerialSettings& settings = theSerialPort.Settings();
    settings.stopBits = 1;
    settings.dataBits = 8;
    for (int station = 1; station <= kStations; ++station) {
        for (int baudRate : kBaudRates) {
            for (int parity = 0; parity < kParities; ++parity) {
                if (m_stop)
                    return DetectionStatus::StoppedByUser;
                settings.station = static_cast<uint8_t>(station);
                settings.baudRate = baudRate;
                settings.parity = static_cast<uint8_t>(parity);
                if (!theSerialPort.ApplyLineSettings())
                    return DetectionStatus::PortFailed;
                if (PlcLinkTest() == kCommOk)
                    return DetectionStatus::Found;
            }
        }
    }
    return DetectionStatus::NotFound;
}

void CSerialDetection::StopAndJoin() {
    if (!m_thread)
        return;
    RequestStop();
    bool quit = false;
    WPARAM quitCode = 0;
    const HANDLE thread = m_thread;
    // A message handled here may see the end posted by the worker and call Finished.
    while (m_thread && MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG message;
        while (!quit && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;  // for the loop that waits for it, once the worker has ended
                quitCode = message.wParam;
                break;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (quit)
            break;
    }
    Finished();
    if (quit)
        PostQuitMessage(static_cast<int>(quitCode));
}

void CSerialDetection::Finished() {
    if (!m_thread)
        return;
    WaitForSingleObject(m_thread, INFINITE);
    CloseHandle(m_thread);
    m_thread = nullptr;
}
