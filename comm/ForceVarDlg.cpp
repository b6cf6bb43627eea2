#include "comm/ForceVarDlg.h"

#include "comm/ForceValueCheck.h"
#include "comm/ForcingService.h"
#include "platform/CDataExchange.h"
#include "res/resource.h"

namespace {

const char kNoHint[] = "无";
const char kInvalidValue[] = "当前输入非法, 请重新输入!";

}  // namespace

CForceVarDlg::CForceVarDlg(CForcingService& forcing, CWnd* parent)
    : CDialog(IDD_FORCE_VARIABLE, parent), m_forcing(forcing) {}

BOOL CForceVarDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_FORCE_HINT, kNoHint);
    return TRUE;
}

void CForceVarDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_FORCE_VALUE, m_value);
    DDX_Text(dx, IDC_FORCE_ADDRESS, m_address);
    DDX_Text(dx, IDC_FORCE_NAME, m_globalName);
}

void CForceVarDlg::OnOK() {
    if (!UpdateData(TRUE))
        return;
    SetDlgItemText(IDC_FORCE_HINT, kNoHint);
    DWORD value = 0;
    if (!CheckForceValue(m_address, m_value, value)) {
        SetDlgItemText(IDC_FORCE_HINT, kInvalidValue);
        return;
    }
    // A failed read has shown its message; the dialog closes all the same.
    if (m_forcing.LoadForceList())
        m_forcing.ForceVariable(m_address, value);
    EndDialog(IDOK);
}
