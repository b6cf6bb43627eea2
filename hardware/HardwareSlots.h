#pragma once
#include "platform/Afx.h"

class CQLXProject;
class CQLX_R2_PLC;
class HardwareShell;
struct ModuleSpec;

// The panes beside the slot rules: the info pane's tabs (tab r is slot r, tab 0 the
// instructions page) and the grid that shows the rows.
class HardwareSlotPanes {
public:
    virtual ~HardwareSlotPanes() = default;
    virtual int TabCount() = 0;
    virtual void ShowTab(int tab) = 0;
    // Makes the module's form the tab at this position.
    virtual void ShowModulePage(int position, CQLX_R2_PLC* module) = 0;
    virtual void RemoveTab(int tab) = 0;
    // Replaces the tab by an instructions page captioned with its slot number.
    virtual void PutHowToTab(int tab) = 0;
    // Row count, selection or cell texts changed.
    virtual void RefreshGrid() = 0;
};

// The rules of the hardware slot grid over the project's module list: which rows there
// are, which cell has the focus, and what inserting and deleting modules do. Row r is
// slot r and list position r - 1; a null entry is an empty slot, never the last one.
//
// The grid has the CPU's slot rows, and more while the list is longer: modules behind
// the last slot of a smaller CPU (a CPU245 replaced by a CPU243) keep a row, so they can
// still be selected and deleted.
class HardwareSlots {
public:
    HardwareSlots(CQLXProject& project, HardwareSlotPanes& panes, HardwareShell& shell);

    // When the window opens: slot rows from the CPU (2 without one; a list whose CPU slot
    // is empty is emptied), row 1 selected.
    void InitialUpdate();
    // When the info pane fills: a CPU in slot 2 or later ends the list before it.
    void RemoveModulesFromSecondCpu();

    int RowCount() const;
    int SlotRows() const { return slotRows_; }
    int FocusRow() const { return focusRow_; }
    int FocusColumn() const { return focusColumn_; }

    // Focus a data cell, select its row and show its tab (tab 0 when there is none);
    // a cell outside the rows and columns 0 to 3 is ignored.
    void SelectSlotCell(int row, int column);

    // The catalogue's double click: a module of the model into the focused slot.
    void InsertModule(const ModuleSpec* spec);
    // Builds, addresses and stores the module of the focused slot; false, nothing
    // stored, when a kind has no form or its addresses find no room.
    bool CreateSlotModule(const ModuleSpec& spec);

    // The delete command over the selected rows, after asking.
    void DeleteModules(int firstRow, int lastRow);
    bool CanDeleteModules() const;

private:
    CQLX_R2_PLC* ModuleAt(int position) const;
    int ListSize() const;
    bool AcceptsKind(int position, const ModuleSpec& spec) const;
    bool PrepareCpu(const ModuleSpec& spec);
    void DeleteExpansionModules();
    bool AssignAddresses(CQLX_R2_PLC& module, const ModuleSpec& spec);
    void TakeCpu(CQLX_R2_PLC& module);
    void DeleteLastModule();

    CQLXProject& project_;
    HardwareSlotPanes& panes_;
    HardwareShell& shell_;
    int slotRows_ = 2;
    int focusRow_ = 1;
    int focusColumn_ = 0;
};

// The text of a grid cell: model name, input range, output range, description; empty
// for an empty slot.
CString SlotCellText(const CQLX_R2_PLC* module, int column);
