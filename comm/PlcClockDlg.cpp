#include "comm/PlcClockDlg.h"

#include "comm/CommTask.h"
#include "comm/PlcClock.h"
#include "comm/PlcRequests.h"
#include "comm/PlcTransaction.h"
#include "comm/SerialPort.h"
#include "comm/ShowCommError.h"
#include "platform/CommonControls.h"
#include "platform/MessageBox.h"
#include "project/CPlcWorkspace.h"
#include "res/resource.h"

#include <cstring>

namespace {

constexpr UINT kTickMs = 1000;
constexpr unsigned kTicksPerRead = 3;
constexpr DWORD kPeriodicLockWaitMs = 500;
constexpr DWORD kWriteLockWaitMs = 1500;
constexpr uint32_t kClockBytes = 6;

}  // namespace

BEGIN_MESSAGE_MAP(CPlcClockDlg, CDialog)
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_CLOCK_NEW_TIME, OnNewTimeChanged)
    ON_BN_CLICKED(IDC_CLOCK_WRITE, OnWriteClock)
END_MESSAGE_MAP()

CPlcClockDlg::CPlcClockDlg(CWnd* parent) : CDialog(IDD_PLC_CLOCK, parent) {
    AfxEnsureCommonControls(ICC_DATE_CLASSES);
}

BOOL CPlcClockDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const struct {
        CDateTimeCtrl* picker;
        int id;
    } pickers[] = {{&m_pcDate, IDC_CLOCK_PC_DATE},   {&m_pcTime, IDC_CLOCK_PC_TIME},
                   {&m_plcDate, IDC_CLOCK_PLC_DATE}, {&m_plcTime, IDC_CLOCK_PLC_TIME},
                   {&m_newDate, IDC_CLOCK_NEW_DATE}, {&m_newTime, IDC_CLOCK_NEW_TIME}};
    for (const auto& p : pickers)
        p.picker->SubclassDlgItem(p.id, this);
    m_plcGroup.SubclassDlgItem(IDC_CLOCK_PLC_GROUP, this);
    const CTime earliest(2000, 1, 1, 0, 0, 0);
    const CTime latest(2037, 12, 31, 23, 59, 59);
    m_newDate.SetRange(&earliest, &latest);
    m_newTime.SetRange(&earliest, &latest);
    SYSTEMTIME now;
    GetLocalTime(&now);
    for (const auto& p : pickers)
        p.picker->SetTime(now);
    m_periodicReadFailed = false;
    SetGroupColour(kGoodColour);
    if (!ShowPlcTime())
        SetGroupColour(kFailedColour);
    SetTimer(kTimerId, kTickMs);
    return TRUE;
}

void CPlcClockDlg::SetGroupColour(COLORREF colour) {
    m_groupColour = colour;
    m_plcGroup.SetBackColor(colour);
}

bool CPlcClockDlg::ShowPlcTime() {
    uint32_t count = 0;
    SYSTEMTIME plcTime{};
    if (!ReplyDataCount(count) || count < kClockBytes || !PlcTimeFromClockBytes(ReplyData(), plcTime))
        return false;
    m_plcDate.SetTime(plcTime);
    m_plcTime.SetTime(plcTime);
    return true;
}

void CPlcClockDlg::ShowPcTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    m_pcDate.SetTime(now);
    m_pcTime.SetTime(now);
    if (!m_userChangedTime)
        m_newTime.SetTime(now);
}

void CPlcClockDlg::OnTimer(UINT_PTR id) {
    if (id != kTimerId) {
        CDialog::OnTimer(id);
        return;
    }
    ShowPcTime();
    if (++m_ticks % kTicksPerRead == 0 && !m_periodicReadFailed)
        ReadPlcClock();
}

void CPlcClockDlg::ReadPlcClock() {
    CCommTask task(theWorkspace->commLock);
    if (!task.TryLock(kPeriodicLockWaitMs)) {
        ShowCommBusy(m_hWnd, kCommBusySpacedText);
        return;
    }
    const CommResult result = PlcReadClock();
    task.Unlock();
    if (result != kCommOk) {
        m_periodicReadFailed = true;
        SetGroupColour(kFailedColour);
        ShowCommError(m_hWnd, result);
        return;
    }
    // A clock that holds no date is shown as a failed exchange, not converted.
    SetGroupColour(ShowPlcTime() ? kGoodColour : kFailedColour);
}

void CPlcClockDlg::OnNewTimeChanged(NMHDR*, LRESULT* result) {
    m_userChangedTime = true;
    *result = 0;
}

void CPlcClockDlg::OnWriteClock() {
    SYSTEMTIME date{}, time{};
    m_newDate.GetTime(date);
    m_newTime.GetTime(time);
    CWnd* button = GetDlgItem(IDC_CLOCK_WRITE);
    button->EnableWindow(FALSE);
    if (date.wYear < 2000) {
        AfxShowMessageBox(m_hWnd, "请选择21世纪的年份！", "提示", MB_OK | MB_ICONINFORMATION);
        button->EnableWindow(TRUE);
        return;
    }
    uint8_t payload[7];
    ClockPayload(date, time, payload);
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    CCommTask task(theWorkspace->commLock);
    if (!task.TryLock(kWriteLockWaitMs)) {
        ShowCommBusy(m_hWnd, kCommBusySpacedText);
        button->EnableWindow(TRUE);
        return;
    }
    std::memcpy(RequestPayload(), payload, sizeof payload);
    const CommResult result = PlcWriteClock();
    task.Unlock();
    EndWaitCursor();
    SetGroupColour(result == kCommOk ? kGoodColour : kFailedColour);
    if (result != kCommOk)
        ShowCommError(m_hWnd, result);
    button->EnableWindow(TRUE);
}

void CPlcClockDlg::OnDestroy() {
    KillTimer(kTimerId);
    theSerialPort.ClosePort();
    CDialog::OnDestroy();
}
