#pragma once

#include "platform/CListBox.h"

#include <vector>

// The check-change notification of a check list box (WM_COMMAND to its parent).
#define CLBN_CHKCHANGE 40
#define ON_CLBN_CHKCHANGE(id, handler) ON_CONTROL(CLBN_CHKCHANGE, id, handler)

// A list box with a check box in front of each item. The list box must be owner-drawn
// with strings (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS); the check states are kept here,
// so item data stays the caller's. A click on an item's box, or the space bar,
// toggles its check and tells the parent with CLBN_CHKCHANGE.
class CCheckListBox : public CListBox {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // BST_UNCHECKED or BST_CHECKED; GetCheck answers -1 for no such item.
    void SetCheck(int index, int check);
    int GetCheck(int index) const;

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void PreSubclassWindow() override;

protected:
    virtual void DrawItem(LPDRAWITEMSTRUCT item);
    // The width of the box column: the box is square in the item's height.
    int CheckBoxWidth() const;
    void ToggleCheck(int index);

    LRESULT OnStringAdded(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteString(WPARAM wParam, LPARAM lParam);
    LRESULT OnResetContent(WPARAM wParam, LPARAM lParam);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);

    std::vector<int> m_checks;  // one per item, in the list's order

    DECLARE_MESSAGE_MAP()
};
