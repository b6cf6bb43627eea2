#include "comm/PlcPasswordDlg.h"

#include "comm/PasswordBlock.h"
#include "comm/PlcRequests.h"
#include "res/resource.h"

#include <cstring>

CPlcPasswordDlg::CPlcPasswordDlg(CWnd* parent) : CDialog(IDD_PLC_PASSWORD, parent) {}

BOOL CPlcPasswordDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SendDlgItemMessage(IDC_PLC_PASSWORD, EM_LIMITTEXT, kPasswordBlockBytes, 0);
    GotoDlgCtrl(GetDlgItem(IDC_PLC_PASSWORD));
    return FALSE;  // the focus is set
}

void CPlcPasswordDlg::OnOK() {
    CString password;
    GetDlgItemText(IDC_PLC_PASSWORD, password);
    if (!password.IsEmpty()) {
        uint8_t block[kPasswordBlockBytes];
        EncipherPassword(password, block);
        std::memcpy(RequestPayload(), block, sizeof block);
        SendPassword();  // the repeated transfer tells whether the PLC took it
    }
    EndDialog(IDOK);
}
