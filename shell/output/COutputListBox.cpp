#include "shell/output/COutputListBox.h"

#include "res/resource.h"
#include "shell/output/OutputJump.h"
#include "shell/output/OutputViewShell.h"

BEGIN_MESSAGE_MAP(COutputListBox, CListBox)
    ON_CONTROL_REFLECT(LBN_DBLCLK, OnDoubleClick)
    ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

void COutputListBox::OnDoubleClick() {
    const int selected = GetCurSel();
    if (m_tabIndex != 1 || selected < 0)
        return;
    CString line;
    GetText(selected, line);
    JumpToOutputSource(line);
}

// The menu's commands go to the output view: the parent of the tab strip that holds
// the list.
void COutputListBox::OnRButtonDown(UINT, CPoint point) {
    ClientToScreen(&point);
    CWnd* strip = GetParent();
    GetOutputViewShell().TrackContextMenu(IDR_MENU_OUTPUT, point, strip ? strip->GetParent() : nullptr);
    Default();
}
