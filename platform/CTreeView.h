#pragma once

#include "platform/CCtrlView.h"
#include "platform/CTreeCtrl.h"

// A view that is a tree control. Derived views add their TVS_* styles in
// PreCreateWindow and handle the tree's notifications with ON_NOTIFY_REFLECT.
class CTreeView : public CCtrlView {
    DECLARE_DYNCREATE(CTreeView)

public:
    CTreeView() : CCtrlView(WC_TREEVIEWA, 0, ICC_TREEVIEW_CLASSES) {}

    // The view's own window seen as a tree control.
    CTreeCtrl& GetTreeCtrl() const;

private:
    mutable CTreeCtrl m_tree;
};
