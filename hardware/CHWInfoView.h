#pragma once
#include "platform/CView.h"

#include <functional>

class CQLX_R2_PLC;
class CQLXProject;
class HardwareFormHost;
class HardwareTabStrip;
class ModuleFormWriteBack;

// The lower pane of the hardware window: a tab strip with the instructions page as tab
// 0 and one tab per slot, tab r showing the form of the module in slot r. An empty slot
// and a module without a form (the combined analog module) get an instructions page,
// so that tab r stays slot r. Selecting a tab selects its grid row.
class CHWInfoView : public CView {
    DECLARE_DYNCREATE(CHWInfoView)

public:
    using SlotCellSelector = std::function<void(int row, int column)>;

    void OnDraw(CDC*) override {}
    // Given before FillTabs.
    void Attach(CQLXProject* project, HardwareFormHost* host, HardwareTabStrip* strip, SlotCellSelector selectSlotCell);
    // The pane's initial update, after the grid's: the instructions page, then a tab
    // per slot; grid row 1 selected.
    void FillTabs();

    int TabCount();
    // Shows the tab; the instructions page when there is no such tab.
    void ShowTab(int tab);
    // The tab of the module at the position (slot number); it replaces the
    // instructions page of an empty slot there.
    void ShowModulePage(int position, CQLX_R2_PLC* module);
    void RemoveTab(int tab);
    void PutHowToTab(int tab);
    // The user selected a tab.
    void OnTabSelected(int tab);
    // The form of a tab that writes back into its module; null for any other tab.
    ModuleFormWriteBack* TabForm(int tab);

protected:
    // The tab strip fills the pane.
    void OnSize(UINT type, int cx, int cy);
    // The user chose a tab on the toolkit's strip.
    void OnStripSelChange(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    CWnd* MakeForm(CQLX_R2_PLC* module);
    CWnd* MakeHowToPage();
    void InsertTab(int position, CWnd* window);
    void DestroyTab(int tab);

    CQLXProject* m_project = nullptr;
    HardwareFormHost* m_host = nullptr;
    HardwareTabStrip* m_strip = nullptr;
    SlotCellSelector m_selectSlotCell;
};
