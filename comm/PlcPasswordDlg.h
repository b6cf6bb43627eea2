#pragma once
#include "platform/CDialog.h"
#include "shell/controls/CSecureEdit.h"

// Asks for the PLC's password after the PLC refused a transfer for it. OK sends the
// enciphered password ("N") when one was typed; the caller repeats the refused transfer,
// whose outcome shows whether the PLC took it. The caller holds the line.
class CPlcPasswordDlg : public CDialog {
public:
    explicit CPlcPasswordDlg(CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    CSecureEdit m_password;
};
