#include "platform/CPropertyPage.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId) : CDialog(templateId) {
    InitRecord(captionId);
    m_psp.pszTemplate = m_lpszTemplateName;
}

CPropertyPage::CPropertyPage(LPCDLGTEMPLATEA dialogTemplate, UINT captionId) {
    m_lpDialogTemplate = dialogTemplate;
    InitRecord(captionId);
    m_psp.dwFlags |= PSP_DLGINDIRECT;
    m_psp.pResource = dialogTemplate;
}

void CPropertyPage::InitRecord(UINT captionId) {
    m_psp.dwSize = sizeof(m_psp);
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.pfnDlgProc = &PageDlgProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    if (captionId != 0 && m_caption.LoadString(captionId)) {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_caption;
    }
}

// The sheet makes the page's window; the page object takes it over as it starts.
INT_PTR CALLBACK CPropertyPage::PageDlgProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG)
        return 0;
    auto* page = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
    page->SubclassWindow(hwnd);
    page->m_firstSetActive = true;
    return page->OnInitDialog();
}

void CPropertyPage::SetModified(BOOL changed) {
    HWND sheet = ::GetParent(m_hWnd);
    ::SendMessageA(sheet, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

// The first activation follows OnInitDialog, which has just filled the controls.
BOOL CPropertyPage::OnSetActive() {
    if (m_firstSetActive)
        m_firstSetActive = false;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply() {
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }

BOOL CPropertyPage::PreTranslateMessage(MSG* msg) { return CWnd::PreTranslateMessage(msg); }

// The sheet's notifications; the answer goes back as the message's result.
BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (reinterpret_cast<NMHDR*>(lParam)->code) {
    case PSN_SETACTIVE:
        *result = OnSetActive() ? 0 : -1;
        return TRUE;
    case PSN_KILLACTIVE:
        *result = !OnKillActive();
        return TRUE;
    case PSN_APPLY:
        *result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return TRUE;
    case PSN_RESET:
        OnReset();
        return TRUE;
    case PSN_QUERYCANCEL:
        *result = !OnQueryCancel();
        return TRUE;
    default:
        return CDialog::OnNotify(wParam, lParam, result);
    }
}
