#pragma once

#include "platform/CWnd.h"

// A list view control, used in report view (LVS_REPORT): rows of items with texts in
// columns (sub-item 0 is the item's own text). Indexes are 0-based; -1 means none.
// The control tells its parent of changes with WM_NOTIFY (LVN_*, NM_*).
class CListCtrl : public CWnd {
public:
    CListCtrl() = default;
    explicit CListCtrl(HWND hwnd) : CWnd(hwnd) {}  // a non-owning wrapper

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // LVS_EX_* styles; answers the previous ones.
    DWORD SetExtendedStyle(DWORD style);
    DWORD GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }

    // Columns. A width of -1 leaves the control's default; subItem -1 uses the column.
    int InsertColumn(int column, LPCSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    BOOL DeleteColumn(int column) { return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, column)); }
    int GetColumnWidth(int column) const { return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, column)); }
    BOOL SetColumnWidth(int column, int width) {
        return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)));
    }

    // Items.
    int InsertItem(const LVITEMA* item) {
        return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(item)));
    }
    int InsertItem(int index, LPCSTR text);
    BOOL DeleteItem(int index) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, index)); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    CString GetItemText(int item, int subItem) const;
    BOOL SetItemText(int item, int subItem, LPCSTR text);
    DWORD_PTR GetItemData(int item) const;
    BOOL SetItemData(int item, DWORD_PTR data);

    // LVIS_* state bits within mask.
    UINT GetItemState(int item, UINT mask) const {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, item, mask));
    }
    BOOL SetItemState(int item, UINT state, UINT mask);
    // The next item after start (-1: from the first) with the LVNI_* properties.
    int GetNextItem(int start, int flags) const {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, start, MAKELPARAM(flags, 0)));
    }
    int GetSelectionMark() const { return static_cast<int>(SendMessage(LVM_GETSELECTIONMARK)); }
    int SetSelectionMark(int index) { return static_cast<int>(SendMessage(LVM_SETSELECTIONMARK, 0, index)); }
    BOOL EnsureVisible(int item, BOOL partialOK) {
        return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, item, partialOK));
    }

    // The item at a client point, or -1; flags gets the LVHT_* part of it.
    int HitTest(CPoint point, UINT* flags = nullptr) const;
    // code: LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL.
    BOOL GetItemRect(int item, LPRECT rect, UINT code) const;
    BOOL GetSubItemRect(int item, int subItem, int code, CRect& rect) const;
    BOOL Scroll(CSize size) { return static_cast<BOOL>(SendMessage(LVM_SCROLL, size.cx, size.cy)); }
};
