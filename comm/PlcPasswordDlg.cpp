#include "comm/PlcPasswordDlg.h"

#include "comm/PasswordBlock.h"
#include "comm/PlcRequests.h"
#include "res/resource.h"

#include <cstring>

CPlcPasswordDlg::CPlcPasswordDlg(CWnd* parent) : CDialog(IDD_PLC_PASSWORD, parent) {}

BOOL CPlcPasswordDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_password.SubclassDlgItem(IDC_PLC_PASSWORD, this);
    m_password.SetLimitText(kPasswordBlockBytes);
    GotoDlgCtrl(&m_password);
    return FALSE;  // the focus is set
}

void CPlcPasswordDlg::OnOK() {
    CString password;
    m_password.Arm();
    m_password.GetWindowText(password);
    if (!password.IsEmpty()) {
        uint8_t block[kPasswordBlockBytes];
        EncipherPassword(password, block);
        std::memcpy(RequestPayload(), block, sizeof block);
        SendPassword();  // the repeated transfer tells whether the PLC took it
    }
    EndDialog(IDOK);
}
