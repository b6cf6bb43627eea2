#pragma once
#include "platform/CDialog.h"
#include "platform/CString.h"
#include "shell/controls/CSecureEdit.h"

// Changes the CPU's protection level and password ("O"). Apply checks the entries,
// asks, and sends the enciphered old and new passwords with the level under the
// communication lock; the dialog stays open until it is closed.
class CCpuPasswordDlg : public CDialog {
public:
    explicit CCpuPasswordDlg(CWnd* parent = nullptr);

    CString m_oldPassword;
    int m_level = 0;  // 0, 1, 2: levels 1 to 3
    CString m_newPassword;
    CString m_confirmation;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnLevelChosen();
    void OnNewPasswordChanged();
    void OnApply();

    DECLARE_MESSAGE_MAP()

private:
    // The refusal to show for the entries, or nullptr when they are sound.
    const char* EntryError() const;
    void SendChange();

    CSecureEdit m_oldEdit, m_newEdit, m_confirmEdit;
};
