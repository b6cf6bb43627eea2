#include "shell/online/MonitorCommand.h"

#include "comm/MonitorWorker.h"
#include "comm/PlcRequests.h"
#include "comm/PlcTransaction.h"
#include "comm/ReplyTimeouts.h"
#include "comm/SerialPort.h"
#include "comm/ShowCommError.h"
#include "project/CPlcWorkspace.h"

namespace {

const char* const MonitorBusyText = "正在进行其它通讯任务，不允许启动在线监测！";
const DWORD MonitorLockTimeout = 1000;

DWORD WINAPI RunMonitorWorker(LPVOID shared) { return MonitorThreadProc(shared); }

}  // namespace

CMonitorCommand::CMonitorCommand(CPlcWorkspace& workspace, MonitorFrameHost& host)
    : m_workspace(workspace), m_host(host) {}

CMonitorCommand::~CMonitorCommand() { OnClose(); }

bool CMonitorCommand::IsEnabled() const { return m_workspace.projectOpen != 0; }

bool CMonitorCommand::IsChecked() const { return m_workspace.onlineMonitoring != 0; }

void CMonitorCommand::OnMonitor() {
    const LONG on = m_workspace.onlineMonitoring ? 0 : 1;
    InterlockedExchange(&m_workspace.onlineMonitoring, on);
    if (!on) {
        m_host.PostMonitorNotify();
        return;
    }
    const HWND owner = m_host.FrameWindow();
    m_task = std::make_unique<CCommTask>(m_workspace.commLock);
    if (!m_task->Lock(MonitorLockTimeout, owner, MonitorBusyText))
        return FailStart();
    if (m_workspace.compileBeforeOnline == 0) {
        m_host.Compile();
        if (!m_workspace.project.targetReady) {
            FailStart();
            m_host.ReportPlcResult(ResultCompileFailed);
            return;
        }
    }
    if (!m_task->OpenPort(owner))
        return FailStart();
    const CommResult result = PlcReadProgramCrc();
    if (result != 0) {
        ShowCommError(owner, result);
        return FailStart();
    }
    if (!ProgramMatches()) {
        FailStart();
        m_host.ReportPlcResult(ResultProgramDiffers);
        return;
    }
    m_worker = ::CreateThread(nullptr, 0, RunMonitorWorker, m_workspace.PrepareMonitorWorker(owner), 0, nullptr);
    if (m_worker == nullptr)
        FailStart();
}

// The PLC's program CRC, low byte first, against the project's.
bool CMonitorCommand::ProgramMatches() {
    const uint8_t* data = ReplyData();
    const WORD crc = m_workspace.project.projectCrc;
    return data[0] == LOBYTE(crc) && data[1] == HIBYTE(crc);
}

// A start that did not get through: monitoring off, the lock and the port given back.
void CMonitorCommand::FailStart() {
    InterlockedExchange(&m_workspace.onlineMonitoring, 0);
    m_host.PostMonitorNotify();
    m_task.reset();
}

LRESULT CMonitorCommand::OnMonitorNotify() {
    const bool monitoring = m_workspace.onlineMonitoring != 0;
    m_host.RefreshActiveWindow(monitoring);
    if (monitoring)
        return 1;
    EndWorker();
    theSerialPort.ClosePort();
    return 1;
}

// Waits for the worker's end (by force after the reply time-out and a second more),
// resets the events, frees the lock and the port, then says why the worker stopped.
void CMonitorCommand::EndWorker() {
    if (m_worker == nullptr)
        return;
    DWORD code = 0;
    if (::WaitForSingleObject(m_worker, g_ReplyTimeout + 1000) != WAIT_OBJECT_0)
        ::TerminateThread(m_worker, 0);
    else
        ::GetExitCodeThread(m_worker, &code);
    ::CloseHandle(m_worker);
    m_worker = nullptr;
    m_workspace.monitorStoppedEvent->ResetEvent();
    m_workspace.monitorPause.Reset();
    m_task.reset();
    ShowMonitorError(m_host.FrameWindow(), static_cast<int>(code));
}

void CMonitorCommand::OnClose() {
    if (m_workspace.onlineMonitoring == 0 && m_worker == nullptr)
        return;
    InterlockedExchange(&m_workspace.onlineMonitoring, 0);
    EndWorker();
    m_task.reset();
    theSerialPort.ClosePort();
}
