#include "comm/CpuPasswordDlg.h"

#include "comm/CommTask.h"
#include "comm/PasswordBlock.h"
#include "comm/PlcFrame.h"
#include "comm/PlcRequests.h"
#include "comm/ShowCommError.h"
#include "platform/CDataExchange.h"
#include "platform/MessageBox.h"
#include "project/CPlcWorkspace.h"
#include "res/resource.h"

#include <cstring>

namespace {

constexpr DWORD kPasswordLockWaitMs = 2000;

void Notice(HWND owner, const char* text) { AfxShowMessageBox(owner, text, "提示", MB_OK | MB_ICONINFORMATION); }

}  // namespace

BEGIN_MESSAGE_MAP(CCpuPasswordDlg, CDialog)
    ON_BN_CLICKED(IDC_CPU_LEVEL_1, OnLevelChosen)
    ON_BN_CLICKED(IDC_CPU_LEVEL_2, OnLevelChosen)
    ON_BN_CLICKED(IDC_CPU_LEVEL_3, OnLevelChosen)
    ON_EN_CHANGE(IDC_CPU_NEW_PASSWORD, OnNewPasswordChanged)
    ON_BN_CLICKED(IDC_CPU_APPLY, OnApply)
END_MESSAGE_MAP()

CCpuPasswordDlg::CCpuPasswordDlg(CWnd* parent) : CDialog(IDD_CPU_PASSWORD, parent) {}

BOOL CCpuPasswordDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_oldEdit.SubclassDlgItem(IDC_CPU_OLD_PASSWORD, this);
    m_newEdit.SubclassDlgItem(IDC_CPU_NEW_PASSWORD, this);
    m_confirmEdit.SubclassDlgItem(IDC_CPU_CONFIRM_PASSWORD, this);
    for (CSecureEdit* edit : {&m_oldEdit, &m_newEdit, &m_confirmEdit})
        edit->SetLimitText(kPasswordBlockBytes);
    CheckRadioButton(IDC_CPU_LEVEL_1, IDC_CPU_LEVEL_3, IDC_CPU_LEVEL_1);
    GetDlgItem(IDC_CPU_NEW_PASSWORD)->EnableWindow(FALSE);
    GetDlgItem(IDC_CPU_CONFIRM_PASSWORD)->EnableWindow(FALSE);
    return TRUE;
}

void CCpuPasswordDlg::DoDataExchange(CDataExchange* dx) {
    // The masked edits give their texts only to reads armed for them.
    for (CSecureEdit* edit : {&m_oldEdit, &m_newEdit, &m_confirmEdit})
        if (edit->m_hWnd)
            edit->Arm();
    DDX_Text(dx, IDC_CPU_OLD_PASSWORD, m_oldPassword);
    DDX_Radio(dx, IDC_CPU_LEVEL_1, m_level);
    DDX_Text(dx, IDC_CPU_NEW_PASSWORD, m_newPassword);
    DDX_Text(dx, IDC_CPU_CONFIRM_PASSWORD, m_confirmation);
}

void CCpuPasswordDlg::OnLevelChosen() {
    const bool protectedLevel = IsDlgButtonChecked(IDC_CPU_LEVEL_1) != BST_CHECKED;
    GetDlgItem(IDC_CPU_NEW_PASSWORD)->EnableWindow(protectedLevel);
    if (protectedLevel)
        return;
    GetDlgItem(IDC_CPU_CONFIRM_PASSWORD)->EnableWindow(FALSE);
    SetDlgItemText(IDC_CPU_NEW_PASSWORD, "");
    SetDlgItemText(IDC_CPU_CONFIRM_PASSWORD, "");
}

void CCpuPasswordDlg::OnNewPasswordChanged() {
    if (GetDlgItem(IDC_CPU_NEW_PASSWORD)->IsWindowEnabled())
        GetDlgItem(IDC_CPU_CONFIRM_PASSWORD)->EnableWindow(TRUE);
}

const char* CCpuPasswordDlg::EntryError() const {
    if (m_level == 0 && m_oldPassword.IsEmpty())
        return "修改成无保护状态时，旧密码不能为空。";
    if (m_level != 0 && m_newPassword.IsEmpty())
        return "新密码不允许为空！请重新输入新密码。";
    if (m_newPassword != m_confirmation)
        return "新密码与确认密码不一致！请重新输入新密码以及确认密码。";
    return nullptr;
}

void CCpuPasswordDlg::OnApply() {
    if (!UpdateData(TRUE))
        return;
    m_newPassword.Trim();
    m_confirmation.Trim();
    if (const char* error = EntryError()) {
        Notice(m_hWnd, error);
        return;
    }
    if (AfxShowMessageBox(m_hWnd, "您确认要修改CPU内的保护密码吗？", "提示", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    SendChange();
}

void CCpuPasswordDlg::SendChange() {
    CCommTask task(theWorkspace->commLock);
    if (!task.Lock(kPasswordLockWaitMs, m_hWnd, kCommBusyText))
        return;
    m_oldPassword.Trim();
    uint8_t* payload = RequestPayload();
    EncipherPassword(m_oldPassword, payload);
    payload[kPasswordBlockBytes] = static_cast<uint8_t>(m_level + 1);
    EncipherPassword(m_newPassword, payload + kPasswordBlockBytes + 1);
    if (!task.OpenPort(m_hWnd))
        return;
    const CommResult result = ChangePassword();
    task.Unlock();
    if (result == kCommOk)
        Notice(m_hWnd, "密码修改成功，新密码已经生效！");
    else if (result == kCommWrongLetter)  // the PLC answered with its refusal
        AfxShowMessageBox(m_hWnd, "密码验证没有通过！\r\n请重新输入旧密码。", "错误", MB_OK | MB_ICONERROR);
    else  // a lost or damaged exchange says nothing about the old password
        ShowCommError(m_hWnd, result, PlcFunctionCode::ChangePassword);
}
