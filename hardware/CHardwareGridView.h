#pragma once
#include "hardware/HardwareSlots.h"
#include "hardware/ModuleInsertTarget.h"
#include "platform/CCPGridView.h"

#include <memory>

class CCmdUI;
class CHWInfoView;
class CQLXProject;
class HardwareShell;

// The upper pane of the hardware window: one grid row per slot (model, input range,
// output range, description). The slot rules decide; this window shows their rows,
// turns clicks and keys into slot selections and runs the delete command.
class CHardwareGridView : public CCPGridView, public ModuleInsertTarget, private HardwareSlotPanes {
    DECLARE_DYNCREATE(CHardwareGridView)

public:
    CHardwareGridView();
    ~CHardwareGridView() override;

    // Given before the initial update; the info pane may follow later.
    void Attach(CQLXProject* project, HardwareShell* shell);
    void SetInfoPane(CHWInfoView* info) { m_info = info; }
    void OnInitialUpdate() override;

    HardwareSlots& Slots() { return *m_slots; }
    // Row is the slot number, column 0 to 3.
    void SelectSlotCell(int row, int column);
    void InsertModule(const ModuleSpec* spec) override;
    void DeleteModules();

    void GetCellText(int col, int row, CString& text, int& mark) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnLButtonDown(UINT flags, CPoint point) override;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnLButtonDblClk(UINT, CPoint) {}
    void OnRButtonDown(UINT flags, CPoint point);
    void OnUpdateDeleteModules(CCmdUI* cmdUI);
    DECLARE_MESSAGE_MAP()

private:
    // The info pane's tabs and this grid, as the slot rules see them.
    int TabCount() override;
    void ShowTab(int tab) override;
    void ShowModulePage(int position, CQLX_R2_PLC* module) override;
    void RemoveTab(int tab) override;
    void PutHowToTab(int tab) override;
    void RefreshGrid() override;

    void ShowSlotSelection();
    void MoveSelectionEnd(int rows);
    void MoveFocusRow(int row);

    CQLXProject* m_project = nullptr;
    HardwareShell* m_shell = nullptr;
    CHWInfoView* m_info = nullptr;
    std::unique_ptr<HardwareSlots> m_slots;
};
