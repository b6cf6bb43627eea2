#include "editors/ILFindReplaceDlg.h"

#include "editors/ILEditEngine.h"
#include "res/resource.h"

BOOL CILFindReplaceDlg::CreateFor(CWnd* parent) { return Create(IDD_FIND_REPLACE, parent); }

BOOL CILFindReplaceDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CheckDlgButton(IDC_FIND_DOWN, BST_CHECKED);
    return TRUE;
}

CString CILFindReplaceDlg::FindText() const {
    CString text = m_strFind;
    text.Trim();
    return text;
}

CString CILFindReplaceDlg::ReplaceText() const {
    CString text = m_strReplace;
    text.Trim();
    return text;
}

void CILFindReplaceDlg::ReadControls() {
    if (!GetSafeHwnd()) return;
    GetDlgItemText(IDC_FIND_TEXT, m_strFind);
    GetDlgItemText(IDC_REPLACE_TEXT, m_strReplace);
    m_nWholeWord = ::IsDlgButtonChecked(m_hWnd, IDC_FIND_WHOLE_WORD) == BST_CHECKED;
    m_nMatchCase = ::IsDlgButtonChecked(m_hWnd, IDC_FIND_MATCH_CASE) == BST_CHECKED;
    m_nDirection = ::IsDlgButtonChecked(m_hWnd, IDC_FIND_UP) == BST_CHECKED ? 1 : 0;
}

void CILFindReplaceDlg::ApplyMode() {
    BOOL replacing = m_nMode == kReplaceMode;
    for (int id : {IDC_REPLACE_TEXT, IDC_REPLACE, IDC_REPLACE_ALL}) ::EnableWindow(::GetDlgItem(m_hWnd, id), replacing);
    SetWindowText(replacing ? "替换" : "查找");
    ::SetFocus(::GetDlgItem(m_hWnd, IDC_FIND_TEXT));
}

void CILFindReplaceDlg::ShowWith(int mode, const CString& findText, BOOL enableFindNext) {
    m_nMode = mode;
    m_strFind = findText;
    SetDlgItemText(IDC_FIND_TEXT, findText);
    if (enableFindNext) ::EnableWindow(::GetDlgItem(m_hWnd, IDC_FIND_NEXT), !findText.IsEmpty());
    ShowWindow(SW_SHOW);
    ApplyMode();
}

BOOL CILFindReplaceDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    if (id == IDC_FIND_TEXT && code == EN_CHANGE) {
        ReadControls();
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_FIND_NEXT), !FindText().IsEmpty());
        return TRUE;
    }
    if (code == BN_CLICKED && (id == IDC_FIND_NEXT || id == IDC_REPLACE || id == IDC_REPLACE_ALL)) {
        ReadControls();
        if (id == IDC_FIND_NEXT) m_pEngine->FindNext();
        if (id == IDC_REPLACE) m_pEngine->ReplaceSelection();
        if (id == IDC_REPLACE_ALL) m_pEngine->ReplaceAll();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CILFindReplaceDlg::OnOK() { ShowWindow(SW_HIDE); }

void CILFindReplaceDlg::OnCancel() { ShowWindow(SW_HIDE); }
