#pragma once
#include "comm/StatusForceCommands.h"
#include "comm/StatusTable.h"
#include "shell/tables/CTableGridView.h"

class CQLXProject;

// The status table's grid: addresses to watch, their display formats, their live values
// while monitoring is on, and values to force with the five force commands. The rules
// live in CStatusTable, the force steps in CStatusForceCommands.
class CStatusTblView : public CTableGridView {
    DECLARE_DYNCREATE(CStatusTblView)

public:
    CStatusTblView();   // over theWorkspace's project and forcing service
    CStatusTblView(CQLXProject& project, CForcingService& forcing, ForceProject& forceProject);

    void SetRowCount(int rows) { m_table.SetRowCount(rows); }
    int GetInitialRowCount() const;   // every saved row, at least 6
    CStatusTable& GetTable() { return m_table; }

    // However the row count is given (the status window gives it to the grid), every
    // row has its object in the project.
    void SetGridRowCount(int rows) override;
    CWnd* CreateCellCtrl(int col, int row, DWORD style, UINT id) override;
    void OnSetActiveCell(int col, int row) override;
    BOOL ActivateCtrl(int col, int row, int show) override;
    void GetCellText(int col, int row, CString& text, int& mark) override { m_table.GetCellText(col, row, text, mark); }
    void OnSaveCellData(int col, int row) override;
    void OnFixedRowDown(int col) override;
    void OnEditGridClear() override;
    void OnEditGridCut() override;

    void OnForce();
    void OnUnforce();
    void OnForceAll();
    void OnReadAllForces();
    void OnCancelAllForces();

protected:
    BOOL InsertTableRows(int at, int count) override { return m_table.InsertRows(at, count); }
    BOOL DeleteTableRows(int first, int count) override { return m_table.DeleteRows(first, count); }
    UINT GetContextMenuId() const override;
    void OnUpdateForce(CCmdUI* cmdUI);
    void OnUpdateUnforce(CCmdUI* cmdUI);

private:
    void DefineColumns();
    void FillFormatList(int row);
    CStatusInput* FocusRow() const { return m_table.RowAt(GetFocusRow() - 1); }

    CQLXProject& m_project;
    CStatusTable m_table;
    CStatusForceCommands m_commands;

    DECLARE_MESSAGE_MAP()
};
