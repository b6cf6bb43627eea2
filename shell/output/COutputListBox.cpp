#include "shell/output/COutputListBox.h"

#include "res/resource.h"
#include "shell/output/OutputJump.h"
#include "shell/output/OutputViewShell.h"

namespace {
const UINT kShowAppendedLines = WM_APP + 1;
}

BEGIN_MESSAGE_MAP(COutputListBox, CListBox)
    ON_CONTROL_REFLECT(LBN_DBLCLK, OnDoubleClick)
    ON_WM_RBUTTONDOWN()
    ON_MESSAGE_VOID(kShowAppendedLines, OnShowAppendedLines)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

void COutputListBox::AppendLine(LPCSTR text) {
    if (!m_redrawDeferred && PostMessage(kShowAppendedLines)) {
        SetRedraw(FALSE);
        m_redrawDeferred = TRUE;
    }
    SetCurSel(AddString(text));
}

void COutputListBox::OnShowAppendedLines() {
    if (!m_redrawDeferred)
        return;
    m_redrawDeferred = FALSE;
    SetRedraw(TRUE);
    Invalidate();
}

void COutputListBox::OnPaint() {
    OnShowAppendedLines();
    Default();
}

LRESULT COutputListBox::OnPrintClient(WPARAM, LPARAM) {
    OnShowAppendedLines();
    return Default();
}

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
