#pragma once
#include "comm/CommTask.h"

#include <memory>
#include <windows.h>

class CPlcWorkspace;

// What online monitoring needs of the main window. The main frame implements it; tests
// give a recording one.
class MonitorFrameHost {
public:
    virtual ~MonitorFrameHost() = default;
    // Owns the messages and receives WM_MONITOR_NOTIFY from the worker.
    virtual HWND FrameWindow() = 0;
    virtual void PostMonitorNotify() = 0;
    // The compile command; the project's compiled flag tells how it went.
    virtual void Compile() = 0;
    // A time-stamped result line in the output window's general tab.
    virtual void ReportPlcResult(int result) = 0;
    // The active window shows live values: a POU editor starts or stops its online
    // display, the status table repaints.
    virtual void RefreshActiveWindow(bool monitoring) = 0;
};

// The monitoring command and the end of monitoring. Switching on takes the
// communication lock and the port and keeps both for as long as the worker runs;
// the notification after the worker's end joins it, shows why it ended, closes the
// port and frees the lock.
class CMonitorCommand {
public:
    // Results reported in the output window.
    enum { ResultProgramDiffers = 3, ResultCompileFailed = 4 };

    CMonitorCommand(CPlcWorkspace& workspace, MonitorFrameHost& host);
    ~CMonitorCommand();

    // Command 32806: switches monitoring on or off.
    void OnMonitor();
    // WM_MONITOR_NOTIFY: after a cycle, or once monitoring is off; answers 1.
    LRESULT OnMonitorNotify();
    // The main window closes: monitoring goes off and its end is handled at once, so no
    // worker outlives the project it reads.
    void OnClose();

    bool IsRunning() const { return m_worker != nullptr; }
    // Update handler of 32806: enabled with a project open, checked while monitoring.
    bool IsEnabled() const;
    bool IsChecked() const;

private:
    void FailStart();
    bool ProgramMatches();
    void EndWorker();

    CPlcWorkspace& m_workspace;
    MonitorFrameHost& m_host;
    std::unique_ptr<CCommTask> m_task;   // the lock and the port while monitoring runs
    HANDLE m_worker = nullptr;
};
