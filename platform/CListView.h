#pragma once

#include "platform/CCtrlView.h"
#include "platform/CListCtrl.h"

// A view that is a list view control. Derived views add their LVS_* styles in
// PreCreateWindow and handle the list's notifications with ON_NOTIFY_REFLECT.
class CListView : public CCtrlView {
    DECLARE_DYNCREATE(CListView)

public:
    CListView() : CCtrlView(WC_LISTVIEWA, 0, ICC_LISTVIEW_CLASSES) {}

    // The view's own window seen as a list control.
    CListCtrl& GetListCtrl() const;

private:
    mutable CListCtrl m_list;
};
