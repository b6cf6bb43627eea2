#include "hardware/CCPUInfoView.h"

#include "hardware/CSheetCPU.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CCPUInfoView, CHWModuleForm)

CCPUInfoView::CCPUInfoView() : CHWModuleForm(IDD_FORM_CPU_INFO) {}

CCPUInfoView::~CCPUInfoView() = default;

void CCPUInfoView::Fill() {
    if (m_sheet != nullptr)
        return;
    CRect frame;
    GetDlgItem(IDC_CPU_SHEET_FRAME)->GetWindowRect(&frame);
    ScreenToClient(&frame);
    m_sheet = std::make_unique<CSheetCPU>(Module(), &Host());
    if (!m_sheet->CreateIn(this, frame))
        m_sheet.reset();
}

bool CCPUInfoView::OnFormCommand(UINT id, UINT code) {
    if (code != BN_CLICKED || m_sheet == nullptr)
        return false;
    if (id == IDC_CPU_DEFAULT)
        m_sheet->ShowingPage().Defaults();
    else if (id == IDC_CPU_CANCEL)
        m_sheet->ShowingPage().Reload();
    else
        return false;
    return true;
}

int CCPUInfoView::ApplyToModule() {
    return m_sheet != nullptr ? m_sheet->ApplyToModule() : -1;
}
