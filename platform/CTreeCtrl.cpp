#include "platform/CTreeCtrl.h"

#include "platform/CommonControls.h"

#include <string>

namespace {

CEdit* EditFromHandle(HWND hwnd) { return hwnd ? static_cast<CEdit*>(CWnd::FromHandle(hwnd)) : nullptr; }

}  // namespace

BOOL CTreeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    AfxEnsureCommonControls(ICC_TREEVIEW_CLASSES);
    return CWnd::Create(WC_TREEVIEWA, nullptr, style, rect, parent, id);
}

HIMAGELIST CTreeCtrl::SetImageList(CImageList* list, int kind) {
    return reinterpret_cast<HIMAGELIST>(
        SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(list->GetSafeHandle())));
}

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCTA insert) {
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(insert)));
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR text, HTREEITEM parent, HTREEITEM after) {
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<LPSTR>(text);
    return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after) {
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<LPSTR>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    return InsertItem(&insert);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM item) {
    return static_cast<BOOL>(SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)));
}

// The text is read into a buffer that grows until the whole text fits.
CString CTreeCtrl::GetItemText(HTREEITEM item) const {
    std::string buffer(64, '\0');
    for (;;) {
        TVITEMA data = {};
        data.mask = TVIF_TEXT;
        data.hItem = item;
        data.pszText = &buffer[0];
        data.cchTextMax = static_cast<int>(buffer.size());
        if (!SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data)))
            return CString();
        if (std::char_traits<char>::length(data.pszText) + 1 < buffer.size())
            return CString(data.pszText);
        buffer.assign(buffer.size() * 2, '\0');
    }
}

BOOL CTreeCtrl::SetItemText(HTREEITEM item, LPCSTR text) {
    TVITEMA data = {};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&data)));
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const {
    TVITEMA data = {};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (!SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data)))
        return 0;
    return static_cast<DWORD_PTR>(data.lParam);
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data) {
    TVITEMA fields = {};
    fields.mask = TVIF_PARAM;
    fields.hItem = item;
    fields.lParam = static_cast<LPARAM>(data);
    return static_cast<BOOL>(SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&fields)));
}

UINT CTreeCtrl::GetItemState(HTREEITEM item, UINT mask) const {
    return static_cast<UINT>(SendMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), mask)) & mask;
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const {
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::SelectItem(HTREEITEM item) {
    return static_cast<BOOL>(SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::Expand(HTREEITEM item, UINT code) {
    return static_cast<BOOL>(SendMessage(TVM_EXPAND, code, reinterpret_cast<LPARAM>(item)));
}

BOOL CTreeCtrl::SortChildrenCB(LPTVSORTCB sort) {
    return static_cast<BOOL>(SendMessage(TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(sort)));
}

HTREEITEM CTreeCtrl::HitTest(CPoint point, UINT* flags) const {
    TVHITTESTINFO hit = {};
    hit.pt = point;
    HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (flags)
        *flags = hit.flags;
    return item;
}

// The control takes the item in the rectangle it fills in.
BOOL CTreeCtrl::GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const {
    *reinterpret_cast<HTREEITEM*>(rect) = item;
    return static_cast<BOOL>(SendMessage(TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(rect)));
}

CEdit* CTreeCtrl::EditLabel(HTREEITEM item) {
    return EditFromHandle(reinterpret_cast<HWND>(SendMessage(TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(item))));
}

CEdit* CTreeCtrl::GetEditControl() const {
    return EditFromHandle(reinterpret_cast<HWND>(SendMessage(TVM_GETEDITCONTROL)));
}
