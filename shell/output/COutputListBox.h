#pragma once
#include "platform/CListBox.h"

// One list of the output window. Only the compile list (tab index 1) jumps to a line's
// source on a double click; a right click on either list opens the output menu.
class COutputListBox : public CListBox {
public:
    void SetTabIndex(int index) { m_tabIndex = index; }
    int GetTabIndex() const { return m_tabIndex; }
    // Appends the line and selects it. The list repaints and updates its scroll bar once
    // the message loop runs again or it is painted, not for every line: a compile writes
    // thousands.
    void AppendLine(LPCSTR text);

protected:
    void OnDoubleClick();
    void OnRButtonDown(UINT flags, CPoint point);
    void OnShowAppendedLines();
    void OnPaint();
    LRESULT OnPrintClient(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    int m_tabIndex = 0;
    BOOL m_redrawDeferred = FALSE;
};
