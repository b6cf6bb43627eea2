#pragma once
#include "language/OperandDescriptor.h"
#include "platform/Arrays.h"
#include "shell/tables/CTableGridView.h"
#include "shell/tables/POUVarTable.h"

class CQLXProject;

// The upper pane of a POU editor window: the table of the POU's own variables (at most
// 16 rows), with their local addresses, read from and written to the POU's variable
// file (".ilv"). The POU document and the editors use it through the virtual
// operations below; the table's rules live in CPOUVarTable.
class CPOUVarView : public CTableGridView {
    DECLARE_DYNCREATE(CPOUVarView)

public:
    CPOUVarView();  // over theWorkspace's project, when there is one
    explicit CPOUVarView(CQLXProject* project);

    // The declared variables: names as declared and their address texts, pair by pair.
    virtual void GetDeclaredVariables(CStringArray& names, CStringArray& addresses) const;
    // A complete declared variable by its upper-cased name: its type word with its kind
    // (access) bits. FALSE when no such variable is declared.
    virtual BOOL LookupVariable(const CString& upperName, OperandDescriptor& flags) const;
    // Rebuilds the POU's parameter list in the project (a subroutine's descriptor only).
    virtual void BuildParamList();
    // Writes the POU's variable file (".ilv", the path the document keeps).
    virtual BOOL WriteVarFile();
    // Replaces the lines by the declaration text (a heading first) when a complete
    // variable exists; leaves them otherwise.
    virtual void VarDeclToIL(CStringArray& lines) const;

    // Reads the variable file; no file gives an empty table.
    void ReadVarFile();
    // Rows up to n, at most 16.
    void SetRowCount(int rows) { m_table.SetRowCount(rows); }
    // The file and kind of POU when no POU document says them (the document's win).
    void SetVarFile(const CString& path, BOOL subroutine);
    CPOUVarTable& GetTable() { return m_table; }

    void OnInitialUpdate() override;
    CWnd* CreateCellCtrl(int col, int row, DWORD style, UINT id) override;
    void OnSaveCellData(int col, int row) override;
    void GetCellText(int col, int row, CString& text, int& mark) override;
    void OnFixedRowDown(int col) override;
    void OnEditGridClear() override;
    void OnEditGridCopy() override;
    void OnEditGridCut() override;
    void OnEditGridPaste() override;

protected:
    BOOL InsertTableRows(int at, int count) override;
    BOOL DeleteTableRows(int first, int count) override;
    BOOL IsEditLocked() const override;
    BOOL IsInsertLocked() const override { return IsEditLocked(); }
    void MarkModified() override;
    int GetMaxRows() const override { return CPOUVarTable::MaxRows; }
    int GetFirstEditCol() const override { return CPOUVarTable::ColName; }
    BOOL ShowsFocusInStatusBar() const override { return FALSE; }

    void OnUpdateEditClear(CCmdUI* cmdUI);

private:
    void DefineColumns();
    CString VarFilePath() const;
    bool IsSubroutinePou() const;
    void FillList(int col);
    // Tells that the named variables found no room in the local area: when they were
    // typed, or when a save had to leave them out of the variable file.
    void ReportUnplaced(const CStringArray& names, bool saving);

    CPOUVarTable m_table;
    // While a paste commits cell by cell, rows left without room are told once at its end.
    bool m_collectUnplaced = false;
    CStringArray m_newlyUnplaced;
    CString m_varFilePath;
    BOOL m_subroutine = FALSE;

    DECLARE_MESSAGE_MAP()
};
