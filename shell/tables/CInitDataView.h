#pragma once
#include "shell/tables/CTableGridView.h"
#include "shell/tables/InitDataTable.h"

class CQLXProject;

// The grid of the initial-data window: start addresses in V and their initial values.
// Its rules live in CInitDataTable. While online monitoring is on, only inserting rows
// changes anything.
class CInitDataView : public CTableGridView {
    DECLARE_DYNCREATE(CInitDataView)

public:
    CInitDataView();  // over theWorkspace's project
    explicit CInitDataView(CQLXProject& project);

    void SetRowCount(int rows) { m_table.SetRowCount(rows); }
    int GetInitialRowCount() const;  // every row, at least 6
    CInitDataTable& GetTable() { return m_table; }

    void OnSaveCellData(int col, int row) override;
    void GetCellText(int col, int row, CString& text, int& mark) override { m_table.GetCellText(col, row, text, mark); }
    void OnFixedRowDown(int col) override;
    void OnEditGridClear() override;
    void OnEditGridCut() override;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    BOOL InsertTableRows(int at, int count) override { return m_table.InsertRows(at, count); }
    BOOL DeleteTableRows(int first, int count) override { return m_table.DeleteRows(first, count); }
    BOOL IsEditLocked() const override;

private:
    CQLXProject& m_project;
    CInitDataTable m_table;

    DECLARE_MESSAGE_MAP()
};
