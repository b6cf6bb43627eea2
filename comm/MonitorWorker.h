#pragma once
#include "comm/CommResult.h"
#include "comm/MonitorData.h"
#include "comm/MonitorPause.h"
#include "platform/SyncObjects.h"

#include <windows.h>

// Posted to the main window after every monitor cycle and when the worker ends.
constexpr UINT WM_MONITOR_NOTIFY = WM_USER + 101;

// What the monitor worker shares with the user-interface thread; the workspace owns
// all of it for as long as monitoring may run.
struct MonitorWorkerShared {
    volatile LONG* monitoring;  // set while monitoring is on; cleared to stop the worker
    CMonitorPause* pause;       // the line lent to forcing tasks between cycles
    CEvent* stopped;            // set when the worker has ended
    CMutex* dataLock;           // guards the monitor cells
    const MonitorLists* lists;
    MonitorCells* cells;
    HWND notifyWindow;          // receives WM_MONITOR_NOTIFY
};

// The worker thread (argument: MonitorWorkerShared*). It polls the PLC with "L" while
// monitoring is on and theSerialPort is open, decodes each cycle into the cells and
// posts WM_MONITOR_NOTIFY. It ends with 0 when monitoring is switched off, else with
// the code that ended it (kCommShortMonitorData for data shorter than the lists).
// It never shows a message itself and never waits on the user-interface thread: when
// it ends on an error it clears the monitoring flag, sets the stopped event and posts
// the notification, and the main window, having collected the exit code, shows the
// message with ShowMonitorError.
UINT MonitorThreadProc(LPVOID shared);

// Runs one monitor cycle's transfer: the monitor data of every block, first block first.
CommResult ReadMonitorData(std::vector<uint8_t>& data);

// The message that tells the user why monitoring ended with `code`: true and caption and
// text for the codes that have one, false for 0 and codes without a message.
bool MonitorErrorMessage(int code, const char*& caption, const char*& text);
void ShowMonitorError(HWND owner, int code);
