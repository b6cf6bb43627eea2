#include "platform/CListCtrl.h"

#include "platform/CommonControls.h"

#include <string>

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    AfxEnsureCommonControls(ICC_LISTVIEW_CLASSES);
    return CWnd::Create(WC_LISTVIEWA, nullptr, style, rect, parent, id);
}

DWORD CListCtrl::SetExtendedStyle(DWORD style) {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(style)));
}

int CListCtrl::InsertColumn(int column, LPCSTR heading, int format, int width, int subItem) {
    LVCOLUMNA fields = {};
    fields.mask = LVCF_TEXT | LVCF_FMT;
    fields.pszText = const_cast<LPSTR>(heading);
    fields.fmt = format;
    if (width != -1) {
        fields.mask |= LVCF_WIDTH;
        fields.cx = width;
    }
    if (subItem != -1) {
        fields.mask |= LVCF_SUBITEM;
        fields.iSubItem = subItem;
    }
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&fields)));
}

int CListCtrl::InsertItem(int index, LPCSTR text) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<LPSTR>(text);
    return InsertItem(&item);
}

// The control answers the length it copied, so the buffer grows until the text fits.
CString CListCtrl::GetItemText(int item, int subItem) const {
    std::string buffer(64, '\0');
    for (;;) {
        LVITEMA fields = {};
        fields.iSubItem = subItem;
        fields.pszText = &buffer[0];
        fields.cchTextMax = static_cast<int>(buffer.size());
        LRESULT length = SendMessage(LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&fields));
        if (static_cast<size_t>(length) + 1 < buffer.size())
            return CString(buffer.c_str());
        buffer.assign(buffer.size() * 2, '\0');
    }
}

BOOL CListCtrl::SetItemText(int item, int subItem, LPCSTR text) {
    LVITEMA fields = {};
    fields.iSubItem = subItem;
    fields.pszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&fields)));
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
    LVITEMA fields = {};
    fields.mask = LVIF_PARAM;
    fields.iItem = item;
    if (!SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&fields)))
        return 0;
    return static_cast<DWORD_PTR>(fields.lParam);
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data) {
    LVITEMA fields = {};
    fields.mask = LVIF_PARAM;
    fields.iItem = item;
    fields.lParam = static_cast<LPARAM>(data);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&fields)));
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
    LVITEMA fields = {};
    fields.state = state;
    fields.stateMask = mask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&fields)));
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const {
    LVHITTESTINFO hit = {};
    hit.pt = point;
    int item = static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (flags)
        *flags = hit.flags;
    return item;
}

// The control reads the kind of rectangle from the rectangle it fills in.
BOOL CListCtrl::GetItemRect(int item, LPRECT rect, UINT code) const {
    rect->left = static_cast<LONG>(code);
    return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(rect)));
}

BOOL CListCtrl::GetSubItemRect(int item, int subItem, int code, CRect& rect) const {
    rect.top = subItem;
    rect.left = code;
    return static_cast<BOOL>(SendMessage(LVM_GETSUBITEMRECT, item, reinterpret_cast<LPARAM>(static_cast<LPRECT>(&rect))));
}
