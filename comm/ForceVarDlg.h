#pragma once
#include "platform/CDialog.h"
#include "platform/CString.h"

class CForcingService;

// The value one address is forced to. The creator fills in the address and, when a
// global variable lives there, its name; the force button checks the typed value
// against the address's type and forces it through the forcing service. A refused
// value only changes the hint line; the dialog closes once a force was attempted.
class CForceVarDlg : public CDialog {
public:
    explicit CForceVarDlg(CForcingService& forcing, CWnd* parent = nullptr);

    CString m_value;       // the value to force
    CString m_address;     // the address being forced
    CString m_globalName;  // the global variable at that address, or empty

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;

private:
    CForcingService& m_forcing;
};
