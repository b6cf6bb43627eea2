#pragma once
#include "shell/tables/CTableGridView.h"
#include "shell/tables/GlobalVarTable.h"

class CQLXProject;

// The first page of the global-variable window: the project's global variables in a
// grid. Its rules live in CGlobalVarTable; the view forwards the grid's callbacks.
class CGlobalVarView : public CTableGridView {
    DECLARE_DYNCREATE(CGlobalVarView)

public:
    CGlobalVarView();  // over theWorkspace's project
    explicit CGlobalVarView(CQLXProject& project);

    void SetRowCount(int rows) { m_table.SetRowCount(rows); }
    // The row count the window opens with: every symbol, at least 6.
    int GetInitialRowCount() const;
    CGlobalVarTable& GetTable() { return m_table; }

    CWnd* CreateCellCtrl(int col, int row, DWORD style, UINT id) override;
    void OnSaveCellData(int col, int row) override;
    void OnSetActiveCell(int col, int row) override;
    void GetCellText(int col, int row, CString& text, int& mark) override;
    void OnFixedRowDown(int col) override;
    void OnEditGridClear() override;
    void OnEditGridCut() override;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    BOOL InsertTableRows(int at, int count) override { return m_table.InsertRows(at, count); }
    BOOL DeleteTableRows(int first, int count) override { return m_table.DeleteRows(first, count); }

private:
    void DefineColumns();
    void FillTypeList(int row, bool atCreation);

    CQLXProject& m_project;
    CGlobalVarTable m_table;

    DECLARE_MESSAGE_MAP()
};
