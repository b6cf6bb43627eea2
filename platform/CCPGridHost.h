#pragma once
#include "platform/CCPGridCore.h"

class CWnd;

// The operations a grid asks of the view that shows it. Callbacks count data cells
// from 0 (see CCPGridCore). A view overrides them in this order of need: the cell
// text, the commit of an edited or pasted cell, then the optional ones.
class CCPGridHost : public CCPGridCore {
public:
    // Makes the control of column col (kind and style from DefineColCtrl); a view that
    // fills a list calls this first, then fills GetCellCtrl(col).
    virtual CWnd* CreateCellCtrl(int col, int row, DWORD style, UINT id) = 0;
    // Commits the text GetCellCtrlText() holds into cell (col, row): after an edit,
    // for every pasted cell, and with an empty text for every cleared cell.
    virtual void OnSaveCellData(int col, int row) {}
    // The cell (col, row) is about to get its control; a view may refill its list.
    virtual void OnSetActiveCell(int col, int row) {}
    // The text and mark (CPCellMark) of a data cell.
    virtual void GetCellText(int col, int row, CString& text, int& mark) {
        text.Empty();
        mark = CPMarkPlain;
    }
    // Shows the control of (col, row) over the cell with the cell's text; show 0 only
    // shows it, nonzero also gives it the keyboard focus. FALSE for a column without one.
    virtual BOOL ActivateCtrl(int col, int row, int show) = 0;
    // A click on the header of data column col.
    virtual void OnFixedRowDown(int col) = 0;
};
