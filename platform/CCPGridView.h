#pragma once
#include "platform/CCPGridHost.h"
#include "platform/CGdiObject.h"
#include "platform/CView.h"

// A grid as a view: it draws the visible cells from GetCellText, moves the focus and
// the selection by keys and mouse, scrolls, opens one control per column over the
// focus cell for editing, and copies, cuts and pastes the selection through the
// clipboard. Every cell's data stays with the view that derives from it.
//
// Editing: typing or a click on the focus cell opens its control (OnSetActiveCell,
// then ActivateCtrl); Enter, Tab, leaving the control, a list choice or SaveModifyed
// commit it through OnSaveCellData; Esc closes it unchanged.
//
// Clipboard: a copy holds the cells as tab-separated lines (CF_TEXT) and, beside them,
// the table kind, start column and shape, which a paste checks.
class CCPGridView : public CView, public CCPGridHost {
    DECLARE_DYNAMIC(CCPGridView)

public:
    ~CCPGridView() override;

    // Paste answers.
    enum PasteResult { PasteDone = 0, PasteShape = 1, PasteUnreadable = 2, PasteFormat = 3, PasteStartCol = 4,
                       PasteTableKind = 5 };

    void SetGridWnd(CWnd* owner) { m_owner = owner; }
    CWnd* GetGridWnd() const { return m_owner; }

    // Draws the visible cells, headers, marks, focus, selection and sort mark.
    void OnGridDraw(CDC* dc);
    void OnDraw(CDC* dc) override { OnGridDraw(dc); }

    // Host operations (see CCPGridHost).
    CWnd* CreateCellCtrl(int col, int row, DWORD style, UINT id) override;
    BOOL ActivateCtrl(int col, int row, int show) override;
    void OnFixedRowDown(int col) override;
    // The control of column col, or null before it is made.
    CWnd* GetCellCtrl(int col) const;
    // The text being committed: the control's, the pasted one, or empty for a clear.
    const CString& GetCellCtrlText() const { return m_commitText; }

    // Focus (header-counted), select and open the cell's control.
    void SetActiveCell(int col, int row);
    // Commits an open control; FALSE when none was open.
    BOOL SaveModifyed(BOOL reserved);
    // Closes an open control without committing it.
    void CancelEdit();
    bool IsEditing() const { return m_editCol >= 0; }
    int GetEditCol() const { return m_editCol; }  // data-counted, -1 none
    int GetEditRow() const { return m_editRow; }

    // Row operations keep an open control on its row, or close it with its row.
    void SetGridRowCount(int rows) override;
    void InsertRows(int first, int count) override;
    void RemoveRows(int first, int count) override;
    void RedrawGrid() override;

    // Clipboard. Copy the selection (or a range of data cells) as text with the table
    // kind and shape; cut copies, then empties the editable cells through commits.
    BOOL CopySelectedCellText();
    BOOL CopyTextFromGrid(int firstCol, int lastCol, int firstRow, int lastRow);
    BOOL CutSelectedCellText();
    // Empties every editable selected cell through a commit.
    void ClearSelectedCells();
    // Commits the clipboard's cells into the selection; a PasteResult.
    int PasteTextToSelectedCells();

    // The four edit commands reach these; by default they copy, cut, paste and clear.
    virtual void OnEditGridClear();
    virtual void OnEditGridCopy();
    virtual void OnEditGridCut();
    virtual void OnEditGridPaste();

    // Default input handling; views that handle a key or click themselves call these
    // for the rest.
    virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
    virtual void OnLButtonDown(UINT flags, CPoint point);

    // Called by the cell controls.
    void OnCellCtrlKey(UINT key);
    void OnCellCtrlKillFocus(HWND newFocus);

protected:
    CCPGridView();

    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnSize(UINT type, int cx, int cy);
    void OnVScroll(UINT code, UINT position, CScrollBar* bar);
    void OnHScroll(UINT code, UINT position, CScrollBar* bar);
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    void OnChar(UINT ch, UINT repeat, UINT flags);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    UINT OnGetDlgCode();
    BOOL OnEraseBkgnd(CDC* dc);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    void OnEditClear() { OnEditGridClear(); }
    void OnEditCopy() { OnEditGridCopy(); }
    void OnEditCut() { OnEditGridCut(); }
    void OnEditPaste() { OnEditGridPaste(); }
    void OnEditSelectAll();

    CFont m_font;

private:
    void OpenEditor(int col, int row);
    CWnd* CloseEditor();
    void PlaceEditor();
    void AfterFocusMove();
    void StartDrag(bool wholeRows);
    void UpdateScrollBars();
    void ScrollTo(int topRow, int scrollX);
    void CommitText(int col, int row, const CString& text);

    struct ScrollBarState {
        int max = -1, page = -1, pos = -1;
        bool operator==(const ScrollBarState& other) const {
            return max == other.max && page == other.page && pos == other.pos;
        }
    };

    CWnd* m_owner = nullptr;
    ScrollBarState m_barState[2];
    std::vector<CWnd*> m_ctrls;
    CString m_commitText;
    int m_editCol = -1;
    int m_editRow = -1;
    bool m_dragging = false;
    bool m_dragRows = false;
    bool m_updatingBars = false;

    DECLARE_MESSAGE_MAP()
};
