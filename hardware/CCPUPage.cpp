#include "hardware/CCPUPage.h"

#include "hardware/CSheetCPU.h"
#include "hardware/HardwareFormHost.h"
#include "project/CQLXProject.h"
#include "project/CQLX_R2_PLC.h"

IMPLEMENT_DYNAMIC(CCPUPage, CPropertyPage)

BOOL CCPUPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    Quietly([this] { Fill(); });
    m_filled = true;
    return TRUE;
}

BOOL CCPUPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!m_quiet && m_filled && lParam != 0 && OnPageCommand(LOWORD(wParam), HIWORD(wParam)))
        return TRUE;
    return CPropertyPage::OnCommand(wParam, lParam);
}

CQLX_R2_PLC& CCPUPage::Module() const {
    return m_sheet->Module();
}

CQLXProject& CCPUPage::Project() const {
    return m_sheet->Host().Project();
}

bool CCPUPage::ShowsProjectCpu() const {
    const CObArray& modules = Project().modules;
    return modules.GetSize() > 0 && modules[0] == static_cast<CObject*>(&Module());
}

void CCPUPage::Changed() {
    m_sheet->Host().SetProjectModified(true);
}
