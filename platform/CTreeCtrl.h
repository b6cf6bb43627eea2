#pragma once

#include "platform/CEdit.h"
#include "platform/CImageList.h"
#include "platform/CWnd.h"

// A tree view control. Items are HTREEITEM handles; null means none. The control
// tells its parent of changes with WM_NOTIFY (TVN_*, NM_*), which reach the parent's
// map through ON_NOTIFY and the control's own through ON_NOTIFY_REFLECT.
class CTreeCtrl : public CWnd {
public:
    CTreeCtrl() = default;
    explicit CTreeCtrl(HWND hwnd) : CWnd(hwnd) {}  // a non-owning wrapper

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Sets one of the control's image lists (TVSIL_NORMAL, TVSIL_STATE) and answers
    // the one it had; the control does not own them.
    HIMAGELIST SetImageList(CImageList* list, int kind);

    HTREEITEM InsertItem(LPTVINSERTSTRUCTA insert);
    // after is an item or TVI_FIRST, TVI_LAST, TVI_SORT.
    HTREEITEM InsertItem(LPCSTR text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(LPCSTR text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM after = TVI_LAST);
    // Deletes the item with all its children.
    BOOL DeleteItem(HTREEITEM item);
    BOOL DeleteAllItems() { return DeleteItem(TVI_ROOT); }
    UINT GetCount() const { return static_cast<UINT>(SendMessage(TVM_GETCOUNT)); }

    CString GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, LPCSTR text);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
    // TVIS_* bits of the item within mask (TVIS_EXPANDED, TVIS_SELECTED, ...).
    UINT GetItemState(HTREEITEM item, UINT mask) const;

    // Navigation by a TVGN_* code.
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PREVIOUS); }
    HTREEITEM GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    BOOL ItemHasChildren(HTREEITEM item) const { return GetChildItem(item) != nullptr; }

    BOOL SelectItem(HTREEITEM item);
    // code: TVE_EXPAND, TVE_COLLAPSE or TVE_TOGGLE.
    BOOL Expand(HTREEITEM item, UINT code);
    // Sorts the children of sort.hParent with sort.lpfnCompare over the items' data.
    BOOL SortChildrenCB(LPTVSORTCB sort);

    // The item at a client point, or null; flags gets the TVHT_* part of it.
    HTREEITEM HitTest(CPoint point, UINT* flags = nullptr) const;
    // The item's row, or with textOnly the rectangle of its text; FALSE when hidden.
    BOOL GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const;

    // Starts editing an item's text in place (the parent is asked first with
    // TVN_BEGINLABELEDIT); the edit lives until TVN_ENDLABELEDIT.
    CEdit* EditLabel(HTREEITEM item);
    CEdit* GetEditControl() const;
};
