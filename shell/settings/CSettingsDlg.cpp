#include "shell/settings/CSettingsDlg.h"

#include "platform/FrameworkIds.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CSheetSettings, CPropertySheet)

CSheetSettings::CSheetSettings(CWnd* parent) : CPropertySheet(AFX_IDS_APP_TITLE, parent) { AddPage(&m_general); }

BOOL CSheetSettings::OnInitDialog() {
    BOOL result = CPropertySheet::OnInitDialog();
    SetActivePage(&m_general);
    return result;
}

BEGIN_MESSAGE_MAP(CSettingsDlg, CDialog)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CSettingsDlg::CSettingsDlg(CWnd* parent) : CDialog(IDD_SETTINGS, parent) {}

CSettingsDlg::~CSettingsDlg() { DeleteSheet(); }

void CSettingsDlg::DeleteSheet() {
    delete m_sheet;
    m_sheet = nullptr;
}

BOOL CSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CWnd* frame = GetDlgItem(IDC_SETTINGS_FRAME);
    m_sheet = new CSheetSettings(frame);
    if (!m_sheet->Create(frame, WS_CHILD | WS_VISIBLE, 0)) {
        DeleteSheet();
        return FALSE;
    }
    m_sheet->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CSettingsDlg::OnOK() {
    m_sheet->GeneralPage().StoreSettings();
    EndDialog(IDOK);
}

void CSettingsDlg::OnDestroy() {
    DeleteSheet();
    CDialog::OnDestroy();
}
