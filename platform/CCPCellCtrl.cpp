#include "platform/CCPCellCtrl.h"

#include "platform/CCPGridView.h"

namespace {

bool IsGridKey(UINT key) { return key == VK_RETURN || key == VK_TAB || key == VK_ESCAPE; }

}  // namespace

BEGIN_MESSAGE_MAP(CCPCellEdit, CEdit)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

void CCPCellEdit::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (IsGridKey(key))
        m_grid->OnCellCtrlKey(key);
    else
        Default();
}

// The edit control would beep at the characters of the keys the grid takes.
void CCPCellEdit::OnChar(UINT ch, UINT repeat, UINT flags) {
    if (ch != '\r' && ch != '\t' && ch != 27)
        Default();
}

void CCPCellEdit::OnKillFocus(CWnd* newFocus) {
    Default();
    m_grid->OnCellCtrlKillFocus(newFocus != nullptr ? newFocus->GetSafeHwnd() : nullptr);
}

BEGIN_MESSAGE_MAP(CCPCellList, CComboBox)
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

void CCPCellList::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (IsGridKey(key) && !GetDroppedState())
        m_grid->OnCellCtrlKey(key);
    else
        Default();
}

void CCPCellList::OnKillFocus(CWnd* newFocus) {
    Default();
    m_grid->OnCellCtrlKillFocus(newFocus != nullptr ? newFocus->GetSafeHwnd() : nullptr);
}
