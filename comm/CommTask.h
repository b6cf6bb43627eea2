#pragma once
#include "platform/SyncObjects.h"

#include <windows.h>

// The two forms of the refusal when another communication task holds the line.
extern const char kCommBusyText[];       // "...，不允许再启动通讯任务！"
extern const char kCommBusySpacedText[]; // the same with a blank after the comma

// Tells the user that another task holds the line (caption "提示", information icon).
void ShowCommBusy(HWND owner, const char* refusal);

// One communication task's hold on the line: the communication lock, then the port.
// Whatever the task took is given back when the guard goes, on every path: the port is
// closed and the lock released.
class CCommTask {
public:
    explicit CCommTask(CMutex& commLock);
    ~CCommTask();
    CCommTask(const CCommTask&) = delete;
    CCommTask& operator=(const CCommTask&) = delete;

    // Takes the lock within the time-out; refused, it shows `refusal` (caption "提示",
    // information icon) owned by `owner` and gives false.
    bool Lock(DWORD timeoutMs, HWND owner, const char* refusal);
    // Takes the lock within the time-out without a message.
    bool TryLock(DWORD timeoutMs);
    // Opens theSerialPort; false after the port's message, the port closed again.
    bool OpenPort(HWND owner);
    void ClosePort();
    // The lock given back early; the port stays as it is.
    void Unlock();

private:
    CSingleLock m_lock;
    bool m_portOpened = false;
};
