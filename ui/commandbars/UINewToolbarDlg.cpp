#include "ui/commandbars/UINewToolbarDlg.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UICommandBars.h"

#include "platform/CDataExchange.h"
#include "platform/MessageBox.h"
#include "res/resource.h"

#include <cstring>

CUINewToolbarDlg::CUINewToolbarDlg(CWnd* parent, CUICommandBars* commandBars, CUICommandBar* renamed)
    : CDialog(IDD_NEW_TOOLBAR, parent), m_commandBars(commandBars), m_renamed(renamed) {}

void CUINewToolbarDlg::DoDataExchange(CDataExchange* dx) { DDX_Text(dx, IDC_NEW_TOOLBAR_NAME, m_name); }

BOOL CUINewToolbarDlg::OnInitDialog() {
    if (m_renamed) {
        m_name = m_renamed->GetTitle();
        CString caption;
        caption.LoadString(IDS_RENAME_TOOLBAR);
        SetWindowText(caption);
    } else {
        CString format;
        format.LoadString(IDS_CUSTOM_TOOLBAR_NAME);
        for (int n = 1;; ++n) {
            m_name.Format(format, n);
            if (!IsTitleTaken(m_name))
                break;
        }
    }
    return CDialog::OnInitDialog();
}

BOOL CUINewToolbarDlg::HasBarId(UINT id) const {
    for (int i = 0; i < m_commandBars->GetCount(); ++i) {
        if (m_commandBars->GetAt(i)->GetBarID() == id)
            return TRUE;
    }
    return FALSE;
}

BOOL CUINewToolbarDlg::IsTitleTaken(const CString& title) const {
    for (int i = 0; i < m_commandBars->GetCount(); ++i) {
        CUICommandBar* bar = m_commandBars->GetAt(i);
        // Byte-wise: a double-byte name equals only the same bytes.
        if (bar != m_renamed && std::strcmp(bar->GetTitle(), title) == 0)
            return TRUE;
    }
    return FALSE;
}

UINT CUINewToolbarDlg::FreeBarId() const {
    for (UINT id = FirstBarId; id <= LastBarId; ++id) {
        if (!HasBarId(id))
            return id;
    }
    return 0;
}

void CUINewToolbarDlg::OnOK() {
    if (!UpdateData(TRUE))
        return;
    if (m_name.IsEmpty()) {
        AfxMessageBox(IDS_TOOLBAR_NAME_BLANK, MB_ICONERROR);
        return;
    }
    if (m_renamed == nullptr) {
        m_newBarId = FreeBarId();
        if (m_newBarId == 0) {
            AfxMessageBox(IDS_TOOLBAR_LIMIT, MB_ICONERROR);
            EndDialog(IDCANCEL);
            return;
        }
    }
    if (IsTitleTaken(m_name)) {
        CString format, text;
        format.LoadString(IDS_TOOLBAR_NAME_TAKEN);
        text.Format(format, static_cast<LPCSTR>(m_name));
        AfxMessageBox(text, MB_ICONERROR);
        return;
    }
    EndDialog(IDOK);
}
