#include "comm/PlcInfoDlg.h"

#include "comm/CommTask.h"
#include "comm/PlcRequests.h"
#include "comm/PlcTransaction.h"
#include "comm/ShowCommError.h"
#include "platform/CommonControls.h"
#include "project/CPlcWorkspace.h"
#include "res/resource.h"

namespace {

constexpr DWORD kRefreshLockWaitMs = 1500;

}  // namespace

BEGIN_MESSAGE_MAP(CPlcInfoDlg, CDialog)
    ON_BN_CLICKED(IDC_INFO_REFRESH, OnRefresh)
END_MESSAGE_MAP()

CPlcInfoDlg::CPlcInfoDlg(CWnd* parent) : CDialog(IDD_PLC_INFO, parent) {
    AfxEnsureCommonControls(ICC_LISTVIEW_CLASSES);
}

BOOL CPlcInfoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_modules.SubclassDlgItem(IDC_INFO_MODULES, this);
    m_stateLabel.SubclassDlgItem(IDC_INFO_STATE_LABEL, this);
    BuildColumns();
    Fill();
    return TRUE;
}

void CPlcInfoDlg::BuildColumns() {
    CRect rect;
    m_modules.GetClientRect(&rect);
    const int w = rect.Width();
    m_modules.InsertColumn(0, "位 置", LVCFMT_LEFT, w / 9);
    m_modules.InsertColumn(1, "模块型号", LVCFMT_LEFT, w / 5);
    m_modules.InsertColumn(2, "故 障", LVCFMT_LEFT, w / 9);
    m_modules.InsertColumn(3, "故障描述", LVCFMT_LEFT, 5 * (w / 9));
    m_modules.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_TRACKSELECT | LVS_EX_FULLROWSELECT);
}

void CPlcInfoDlg::Fill() {
    uint32_t count = 0;
    if (!ReplyDataCount(count))
        count = 0;
    Show(DescribePlcInfo(theWorkspace->plcInfoState, ReplyData(), count));
}

void CPlcInfoDlg::Show(const PlcInfoContent& content) {
    m_stateColour = content.running ? kRunColour : kStopColour;
    m_stateLabel.SetBackColor(m_stateColour);
    SetDlgItemText(IDC_INFO_STATE, content.stateText);
    SetDlgItemText(IDC_INFO_FIRMWARE, content.firmware);
    SetDlgItemText(IDC_INFO_CPU_TYPE, content.cpuType);
    m_modules.DeleteAllItems();
    for (size_t i = 0; i < content.modules.size(); ++i) {
        const PlcModuleRow& row = content.modules[i];
        const int item = m_modules.InsertItem(static_cast<int>(i), row.position);
        m_modules.SetItemText(item, 1, row.model);
        m_modules.SetItemText(item, 2, row.fault);
    }
}

void CPlcInfoDlg::OnRefresh() {
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
    CCommTask task(theWorkspace->commLock);
    if (!task.Lock(kRefreshLockWaitMs, m_hWnd, kCommBusyText))
        return;
    CommResult result = PlcReadStatus();
    if (result == kCommOk) {
        theWorkspace->plcInfoState = ReplyData()[0];
        result = PlcReadInfo();
    }
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    if (result != kCommOk)
        ShowCommError(m_hWnd, result);
    else
        Fill();
}
