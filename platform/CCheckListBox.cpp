#include "platform/CCheckListBox.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CCheckListBox, CListBox)
    ON_MESSAGE(LB_ADDSTRING, OnStringAdded)
    ON_MESSAGE(LB_INSERTSTRING, OnStringAdded)
    ON_MESSAGE(LB_DELETESTRING, OnDeleteString)
    ON_MESSAGE(LB_RESETCONTENT, OnResetContent)
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

BOOL CCheckListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CListBox::Create(style | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, rect, parent, id);
}

// Items added before the list box was taken over start unchecked.
void CCheckListBox::PreSubclassWindow() {
    m_checks.assign(static_cast<size_t>(std::max(GetCount(), 0)), BST_UNCHECKED);
}

void CCheckListBox::SetCheck(int index, int check) {
    if (index < 0 || index >= static_cast<int>(m_checks.size()))
        return;
    m_checks[static_cast<size_t>(index)] = check;
    CRect rect;
    if (GetItemRect(index, &rect) != LB_ERR)
        InvalidateRect(&rect, FALSE);
}

int CCheckListBox::GetCheck(int index) const {
    if (index < 0 || index >= static_cast<int>(m_checks.size()))
        return -1;
    return m_checks[static_cast<size_t>(index)];
}

// The list box's items come and go through these messages, whoever sends them, so
// the checks follow them here.
LRESULT CCheckListBox::OnStringAdded(WPARAM, LPARAM) {
    LRESULT index = Default();
    if (index >= 0)
        m_checks.insert(m_checks.begin() + index, BST_UNCHECKED);
    return index;
}

LRESULT CCheckListBox::OnDeleteString(WPARAM wParam, LPARAM) {
    LRESULT remaining = Default();
    if (remaining != LB_ERR)
        m_checks.erase(m_checks.begin() + static_cast<int>(wParam));
    return remaining;
}

LRESULT CCheckListBox::OnResetContent(WPARAM, LPARAM) {
    m_checks.clear();
    return Default();
}

int CCheckListBox::CheckBoxWidth() const {
    return static_cast<int>(SendMessage(LB_GETITEMHEIGHT, 0));
}

void CCheckListBox::ToggleCheck(int index) {
    SetCheck(index, GetCheck(index) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

// A click on a box toggles it; the click also selects the item, as any click does.
void CCheckListBox::OnLButtonDown(UINT, CPoint point) {
    DWORD hit = static_cast<DWORD>(SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y)));
    Default();
    if (HIWORD(hit) == 0 && point.x < CheckBoxWidth())
        ToggleCheck(LOWORD(hit));
}

void CCheckListBox::OnKeyDown(UINT key, UINT, UINT) {
    Default();
    int caret = static_cast<int>(SendMessage(LB_GETCARETINDEX));
    if (key == VK_SPACE && caret >= 0 && caret < GetCount())
        ToggleCheck(caret);
}

BOOL CCheckListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message != WM_DRAWITEM)
        return CListBox::OnChildNotify(message, wParam, lParam, result);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (result)
        *result = TRUE;
    return TRUE;
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT item) {
    CDC* dc = CDC::FromHandle(item->hDC);
    CRect rect(item->rcItem);
    if (static_cast<int>(item->itemID) < 0)
        return;  // an empty list that has the focus
    bool selected = (item->itemState & ODS_SELECTED) != 0;
    int boxWidth = rect.Height();
    dc->FillSolidRect(rect.left, rect.top, boxWidth, rect.Height(), ::GetSysColor(COLOR_WINDOW));
    CRect box(rect.left + 1, rect.top + 1, rect.left + boxWidth - 1, rect.bottom - 1);
    UINT boxState = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (GetCheck(static_cast<int>(item->itemID)) == BST_CHECKED)
        boxState |= DFCS_CHECKED;
    ::DrawFrameControl(dc->m_hDC, &box, DFC_BUTTON, boxState);

    CRect textRect(rect.left + boxWidth, rect.top, rect.right, rect.bottom);
    dc->FillSolidRect(&textRect, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    CString text;
    GetText(static_cast<int>(item->itemID), text);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    dc->DrawText(text, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item->itemState & ODS_FOCUS)
        dc->DrawFocusRect(&textRect);
}
