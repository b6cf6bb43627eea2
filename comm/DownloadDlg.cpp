#include "comm/DownloadDlg.h"

#include "comm/CommTask.h"
#include "comm/PlcPasswordDlg.h"
#include "comm/SerialPort.h"
#include "comm/ShowCommError.h"
#include "platform/CommonControls.h"
#include "project/CPlcWorkspace.h"
#include "project/ShellServices.h"
#include "res/resource.h"

namespace {

constexpr DWORD kDownloadLockWaitMs = 1000;
const char kResultLine[] = "下载结果：";
const char kWarning[] = "  !!! 注意 !!!\n\n你当前下载的用户\n\n工程将不能上载! \n\n请注意备份!";
const COLORREF kWarningColour = RGB(255, 0, 0);

}  // namespace

BEGIN_MESSAGE_MAP(CDownloadDlg, CDialog)
    ON_BN_CLICKED(IDC_DOWNLOAD_NO_UPLOAD, OnForbidUploadClicked)
END_MESSAGE_MAP()

CDownloadDlg::CDownloadDlg(CWnd* parent) : CDialog(IDD_DOWNLOAD, parent) {
    AfxEnsureCommonControls(ICC_PROGRESS_CLASS);  // the template holds a progress bar
    if (theWorkspace)
        m_imagePath = theWorkspace->project.folder + "\\" + theWorkspace->project.name + ".obj";
}

uint8_t CDownloadDlg::OptionByte(bool forbidUpload, bool clearRetentive, bool clearBackup) {
    return static_cast<uint8_t>((forbidUpload ? kDownloadForbidUpload : 0) |
                                (clearBackup ? kDownloadClearBackup : 0) |
                                (clearRetentive ? kDownloadClearRetentive : 0));
}

BOOL CDownloadDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CheckDlgButton(IDC_DOWNLOAD_NO_UPLOAD, BST_UNCHECKED);
    CheckDlgButton(IDC_DOWNLOAD_CLEAR_RETAIN, BST_CHECKED);
    CheckDlgButton(IDC_DOWNLOAD_CLEAR_BACKUP, BST_CHECKED);
    m_warning.SubclassDlgItem(IDC_DOWNLOAD_WARNING, this);
    m_warning.SetTextColor(kWarningColour);
    m_warning.SetWindowText("");
    SendDlgItemMessage(IDC_DOWNLOAD_PROGRESS, PBM_SETPOS, 0);
    return TRUE;
}

void CDownloadDlg::OnForbidUploadClicked() {
    SetDlgItemText(IDC_DOWNLOAD_WARNING, IsDlgButtonChecked(IDC_DOWNLOAD_NO_UPLOAD) == BST_CHECKED ? kWarning : "");
}

void CDownloadDlg::Advance(int step) {
    SendDlgItemMessage(IDC_DOWNLOAD_PROGRESS, PBM_DELTAPOS, static_cast<WPARAM>(step));
    GetDlgItem(IDC_DOWNLOAD_PROGRESS)->UpdateWindow();
}

uint8_t CDownloadDlg::ChosenOptions() const {
    return OptionByte(IsDlgButtonChecked(IDC_DOWNLOAD_NO_UPLOAD) == BST_CHECKED,
                      IsDlgButtonChecked(IDC_DOWNLOAD_CLEAR_RETAIN) == BST_CHECKED,
                      IsDlgButtonChecked(IDC_DOWNLOAD_CLEAR_BACKUP) == BST_CHECKED);
}

void CDownloadDlg::EnableButtons(BOOL enable) {
    GetDlgItem(IDOK)->EnableWindow(enable);
    GetDlgItem(IDCANCEL)->EnableWindow(enable);
}

void CDownloadDlg::OnOK() {
    EnableButtons(FALSE);
    SetDlgItemText(IDC_DOWNLOAD_RESULT, kResultLine);
    const uint8_t options = ChosenOptions();
    SendDlgItemMessage(IDC_DOWNLOAD_PROGRESS, PBM_SETPOS, 0);
    m_lastOutcome = RunDownload(options);
    ShowOutcome(m_lastOutcome);
    EnableButtons(TRUE);
    if (m_lastOutcome == kCommOk)
        EndDialog(IDOK);
}

int CDownloadDlg::RunDownload(uint8_t options) {
    CCommTask task(theWorkspace->commLock);
    if (!task.Lock(kDownloadLockWaitMs, m_hWnd, kCommBusySpacedText))
        return kCommCancelled;
    if (!task.OpenPort(m_hWnd))
        return kCommOpenFailed;
    const int outcome = DownloadTarget(m_hWnd, this, options, std::string(m_imagePath));
    if (outcome != kCommPasswordNeeded)
        return outcome;
    // The PLC wants its password first: a fresh start of the line, then once more.
    task.ClosePort();
    if (!task.OpenPort(m_hWnd))
        return kCommOpenFailed;
    CPlcPasswordDlg password(this);
    if (password.DoModal() != IDOK)
        return kCommPasswordCancelled;
    return DownloadTarget(m_hWnd, this, options, std::string(m_imagePath));
}

void CDownloadDlg::ShowOutcome(int outcome) {
    if (outcome == kCommOk) {
        SetDlgItemText(IDC_DOWNLOAD_RESULT, "下载结果：成功。");
        SendDlgItemMessage(IDC_DOWNLOAD_PROGRESS, PBM_SETPOS, 100);
        ReportPlcResult(kPlcResultDownloadDone);
    } else if (outcome != kCommCancelled && outcome != kCommOpenFailed) {
        SetDlgItemText(IDC_DOWNLOAD_RESULT, "下载结果：失败。");
        ShowCommError(m_hWnd, outcome);
    }
}
