#include "hardware/CHWModuleForm.h"

#include "hardware/HardwareFormHost.h"
#include "hardware/ModuleStartField.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CHWModuleForm, CFormView)

BEGIN_MESSAGE_MAP(CHWModuleForm, CFormView)
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

void CHWModuleForm::Attach(CQLX_R2_PLC* module, HardwareFormHost* host) {
    m_module = module;
    m_host = host;
}

CQLXProject& CHWModuleForm::Project() const {
    return m_host->Project();
}

void CHWModuleForm::OnInitialUpdate() {
    CFormView::OnInitialUpdate();
    if (m_module != nullptr && m_host != nullptr)
        Refill();
}

void CHWModuleForm::Refill() {
    m_filling = true;
    Fill();
    m_filling = false;
}

void CHWModuleForm::Changed(bool redrawGrid) {
    if (redrawGrid)
        m_host->RedrawGrid();
    m_host->SetProjectModified(true);
}

void CHWModuleForm::ShowNoRoom(const char* message) {
    AfxShowMessageBox(m_hWnd, message, "错误", MB_OK | MB_ICONSTOP);
}

BOOL CHWModuleForm::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (m_module == nullptr || m_host == nullptr || lParam == 0 || m_filling)
        return CFormView::OnCommand(wParam, lParam);
    const int id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    for (ModuleStartField* field : m_startFields) {
        if (id == field->EditId() && code == EN_CHANGE) {
            field->OnChange(*this);
            OnStartChanged();
            return TRUE;
        }
    }
    if (OnFormCommand(id, code))
        return TRUE;
    return CFormView::OnCommand(wParam, lParam);
}

BOOL CHWModuleForm::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code == UDN_DELTAPOS && m_module != nullptr && m_host != nullptr)
        for (ModuleStartField* field : m_startFields)
            if (static_cast<int>(header->idFrom) == field->SpinId())
                field->SetSpinRange(*this);
    return CFormView::OnNotify(wParam, lParam, result);
}

IMPLEMENT_DYNCREATE(CHWHowToView, CFormView)

CHWHowToView::CHWHowToView() : CFormView(IDD_FORM_HOW_TO) {}
