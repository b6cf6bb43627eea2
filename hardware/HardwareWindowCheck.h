#pragma once
#include "hardware/HardwareCheckHost.h"

#include <functional>

class CHardwareGridView;
class CHWInfoView;

// The configuration check over the hardware window's two panes. The window that holds
// them says how it is made the active child window.
class HardwareWindowCheck : public HardwareCheckHost {
public:
    HardwareWindowCheck(CQLXProject& project, CHardwareGridView& grid, CHWInfoView& info,
                        std::function<void()> activateWindow);

    CQLXProject& Project() override { return m_project; }
    ModuleFormWriteBack* TabForm(int tab) override;
    void ActivateWindow() override;
    void SelectSlotCell(int row, int column) override;
    void ShowTab(int tab) override;
    void ShowCpuPage(int page) override;
    HWND MessageOwner() override;

private:
    CQLXProject& m_project;
    CHardwareGridView& m_grid;
    CHWInfoView& m_info;
    std::function<void()> m_activateWindow;
};
