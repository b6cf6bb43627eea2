#pragma once
#include "platform/CComboBox.h"
#include "platform/CEdit.h"

class CCPGridView;

// The controls a grid opens over its focus cell. They hand Enter, Tab and Esc, and the
// loss of the keyboard focus, to their grid, which commits or cancels the edit.
class CCPCellEdit : public CEdit {
public:
    explicit CCPCellEdit(CCPGridView* grid) : m_grid(grid) {}
    void PostNcDestroy() override { delete this; }

protected:
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnChar(UINT ch, UINT repeat, UINT flags);
    void OnKillFocus(CWnd* newFocus);
    UINT OnGetDlgCode() { return DLGC_WANTALLKEYS; }

private:
    CCPGridView* m_grid;
    DECLARE_MESSAGE_MAP()
};

class CCPCellList : public CComboBox {
public:
    explicit CCPCellList(CCPGridView* grid) : m_grid(grid) {}
    void PostNcDestroy() override { delete this; }

protected:
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnKillFocus(CWnd* newFocus);
    UINT OnGetDlgCode() { return DLGC_WANTALLKEYS; }

private:
    CCPGridView* m_grid;
    DECLARE_MESSAGE_MAP()
};
