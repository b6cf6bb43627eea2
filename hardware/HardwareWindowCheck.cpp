#include "hardware/HardwareWindowCheck.h"

#include "hardware/CCPUInfoView.h"
#include "hardware/CHWInfoView.h"
#include "hardware/CHardwareGridView.h"
#include "hardware/CSheetCPU.h"
#include "platform/CFrameWnd.h"

HardwareWindowCheck::HardwareWindowCheck(CQLXProject& project, CHardwareGridView& grid, CHWInfoView& info,
                                         std::function<void()> activateWindow)
    : m_project(project), m_grid(grid), m_info(info), m_activateWindow(std::move(activateWindow)) {}

ModuleFormWriteBack* HardwareWindowCheck::TabForm(int tab) {
    return m_info.TabForm(tab);
}

void HardwareWindowCheck::ActivateWindow() {
    if (m_activateWindow)
        m_activateWindow();
}

void HardwareWindowCheck::SelectSlotCell(int row, int column) {
    m_grid.SelectSlotCell(row, column);
}

void HardwareWindowCheck::ShowTab(int tab) {
    m_info.ShowTab(tab);
}

// The CPU's tab is tab 1.
void HardwareWindowCheck::ShowCpuPage(int page) {
    auto* cpu = dynamic_cast<CCPUInfoView*>(m_info.TabForm(1));
    if (cpu != nullptr && cpu->Sheet() != nullptr)
        cpu->Sheet()->SetActivePage(page);
}

HWND HardwareWindowCheck::MessageOwner() {
    CWnd* frame = m_grid.GetParentFrame();
    return frame != nullptr ? frame->m_hWnd : m_grid.m_hWnd;
}
