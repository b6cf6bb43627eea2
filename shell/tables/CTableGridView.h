#pragma once
#include "platform/CCPGridView.h"

class CCmdUI;

// What the editable table views share on top of the grid: the row commands and their
// update rules, Enter moving along the row, Delete clearing, the context menu, the
// status-bar text of the focus cell, and the paste refusals as messages.
class CTableGridView : public CCPGridView {
    DECLARE_DYNAMIC(CTableGridView)

public:
    // The paste refusal texts, by PasteResult (index 0 unused).
    static LPCSTR PasteRefusalText(int result);

    void OnDraw(CDC* dc) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    void OnEditGridPaste() override;

protected:
    CTableGridView() = default;

    // The table's own rules.
    virtual BOOL InsertTableRows(int at, int count) = 0;
    virtual BOOL DeleteTableRows(int first, int count) = 0;
    // Edits that change the data are refused while this says so (online monitoring).
    virtual BOOL IsEditLocked() const { return FALSE; }
    virtual BOOL IsInsertLocked() const { return FALSE; }
    // Marks the data changed; the project by default.
    virtual void MarkModified();
    virtual int GetMaxRows() const { return 0x7FFFFFFF; }
    // The column Enter goes back to on the next row.
    virtual int GetFirstEditCol() const { return 0; }
    virtual BOOL ShowsFocusInStatusBar() const { return TRUE; }
    // The menu a right click on a cell opens.
    virtual UINT GetContextMenuId() const;

    void OnInsertRowAbove();
    void OnInsertRowBelow();
    void OnDeleteRow();
    void OnUpdateInsertRow(CCmdUI* cmdUI);
    void OnUpdateDeleteRow(CCmdUI* cmdUI);
    void OnRButtonDown(UINT flags, CPoint point);

    void MoveToNextCell();
    // A header click sorts: commits an open editor and answers the order to sort by,
    // the opposite of the one shown (ascending first).
    CPSortOrder BeginHeaderSort();

    DECLARE_MESSAGE_MAP()
};
