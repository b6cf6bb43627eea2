#include "comm/CommTask.h"

#include "comm/SerialPort.h"
#include "platform/MessageBox.h"

const char kCommBusyText[] = "正在进行其它通讯任务，不允许再启动通讯任务！";
const char kCommBusySpacedText[] = "正在进行其它通讯任务， 不允许再启动通讯任务！";

void ShowCommBusy(HWND owner, const char* refusal) {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    AfxShowMessageBox(owner, refusal, "提示", MB_OK | MB_ICONINFORMATION);
}

CCommTask::CCommTask(CMutex& commLock) : m_lock(&commLock) {}

CCommTask::~CCommTask() {
    ClosePort();
    Unlock();
}

bool CCommTask::TryLock(DWORD timeoutMs) { return m_lock.Lock(timeoutMs) != FALSE; }

bool CCommTask::Lock(DWORD timeoutMs, HWND owner, const char* refusal) {
    if (TryLock(timeoutMs))
        return true;
    ShowCommBusy(owner, refusal);
    return false;
}

bool CCommTask::OpenPort(HWND owner) {
    m_portOpened = true;  // a failed open leaves a handle state to close as well
    if (OpenCommPort(owner) == kCommOk)
        return true;
    ClosePort();
    return false;
}

void CCommTask::ClosePort() {
    if (m_portOpened)
        theSerialPort.ClosePort();
    m_portOpened = false;
}

void CCommTask::Unlock() {
    if (m_lock.IsLocked())
        m_lock.Unlock();
}
