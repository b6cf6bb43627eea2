#include "comm/MonitorWorker.h"

#include "comm/PlcFrame.h"
#include "comm/PlcTransaction.h"
#include "comm/PlcTransfers.h"
#include "comm/ReplyTimeouts.h"
#include "comm/SerialPort.h"
#include "platform/MessageBox.h"

namespace {

constexpr DWORD kDecodeLockMs = 100;
constexpr DWORD kCycleGapMs = 150;
constexpr DWORD kPausedCheckMs = 100;
constexpr UINT kNoMessageExit = 255;

bool Monitoring(const MonitorWorkerShared& shared) { return *shared.monitoring != 0; }

UINT EndWorker(const MonitorWorkerShared& shared, UINT exitCode) {
    InterlockedExchange(shared.monitoring, 0);
    shared.stopped->SetEvent();
    PostMessageA(shared.notifyWindow, WM_MONITOR_NOTIFY, 0, 0);
    return exitCode;
}

UINT ErrorExit(int code) {
    const char* caption;
    const char* text;
    return MonitorErrorMessage(code, caption, text) ? static_cast<UINT>(code) : kNoMessageExit;
}

}  // namespace

CommResult ReadMonitorData(std::vector<uint8_t>& data) {
    int refusal = -1;
    return ReceiveBlocks({PlcFunctionCode::ReadMonitor, g_ReplyTimeout,
                          ReadTransferPause(theSerialPort.Settings().baudRate)},
                         data, refusal);
}

UINT MonitorThreadProc(LPVOID parameter) {
    const MonitorWorkerShared& shared = *static_cast<const MonitorWorkerShared*>(parameter);
    shared.stopped->ResetEvent();
    std::vector<uint8_t> data;
    while (Monitoring(shared)) {
        if (!shared.pause->BeginCycle()) {
            shared.pause->WaitWhilePaused(kPausedCheckMs);
            continue;
        }
        const CommResult result = ReadMonitorData(data);
        shared.pause->EndCycle();
        if (result != kCommOk)
            return EndWorker(shared, ErrorExit(result));
        CSingleLock lock(shared.dataLock);
        if (!lock.Lock(kDecodeLockMs))
            continue;  // a reader holds the cells too long: drop this cycle's data
        const bool decoded = DecodeMonitorData(*shared.lists, data, *shared.cells);
        lock.Unlock();
        if (!decoded)
            return EndWorker(shared, kCommShortMonitorData);
        if (Monitoring(shared)) {
            PostMessageA(shared.notifyWindow, WM_MONITOR_NOTIFY, 0, 0);
            Sleep(kCycleGapMs);
        }
    }
    return EndWorker(shared, 0);
}

bool MonitorErrorMessage(int code, const char*& caption, const char*& text) {
    caption = "提示";
    switch (code) {
    case kCommNoReply:
        text = "通讯超时错误，在线监测失败！\r\n请检查通讯线路、计算机通讯口以及PLC工作是否正常。";
        return true;
    case kCommWrongLetter:
        text = "PLC响应错误（功能码），在线监测失败！";
        return true;
    case kCommWrongBlock:
        text = "PLC响应错误（数据包号），在线监测失败！";
        return true;
    case kCommSendFailed:
        caption = "错误";
        text = "数据数据发送错误，在线监测失败！\r\n请检查通讯线路、计算机通讯口或者重新启动计算机。";
        return true;
    case kCommReceiveFailed:
        text = "计算机接收数据错误，在线监测失败！\r\n请请检查计算机通讯口、通讯线路或者重新启动计算机。";
        return true;
    case kCommBadReply:
        text = "接收数据CRC校验错误，在线监测失败！\r\n请检查通讯口、通讯线路以及周围是否存在强干扰。";
        return true;
    case kCommLineError:
        text = "接收数据帧错误或者奇偶校验错误，在线监测失败！\r\n请检查通讯口、通讯线路以及周围是否存在强干扰。";
        return true;
    case kCommPortClosed:
        caption = "错误";
        text = "指定的通讯口尚未打开，在线监测失败！";
        return true;
    case kCommShortMonitorData:
        text = "通讯错误，在线监测失败！\r\n请与QLX公司联系。";
        return true;
    default:
        return false;
    }
}

void ShowMonitorError(HWND owner, int code) {
    const char* caption;
    const char* text;
    if (MonitorErrorMessage(code, caption, text))
        AfxShowMessageBox(owner, text, caption, MB_OK | MB_ICONERROR);
}
