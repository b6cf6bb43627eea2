#include "shell/frame/CMainFrame.h"

#include "editors/InsTreeView.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXFunc.h"

// The subroutine items of the two instruction trees, kept in step with the project;
// every change goes to the LD tree first, then to the IL tree.

namespace {

// The first item of the subroutine group with the text; null when none.
HTREEITEM FindSubroutineItem(CInsTreeView* tree, const CString& name) {
    CTreeCtrl& items = tree->GetTreeCtrl();
    for (HTREEITEM item = items.GetChildItem(tree->SubroutineGroup()); item; item = items.GetNextSiblingItem(item)) {
        if (items.GetItemText(item) == name)
            return item;
    }
    return nullptr;
}

template <class Change>
void ForEachInstructionTree(CMainFrame& frame, Change change) {
    for (BOOL ladder : {TRUE, FALSE}) {
        CInsTreeView* tree = frame.GetInstructionTree(ladder);
        if (tree && tree->SubroutineGroup())
            change(tree, tree->GetTreeCtrl());
    }
}

}  // namespace

void CMainFrame::AddSubroutineToInsTrees(CQLXFunc* subroutine) {
    if (subroutine == nullptr)
        return;
    ForEachInstructionTree(*this, [&](CInsTreeView* tree, CTreeCtrl& items) {
        tree->AddSubroutine(subroutine, subroutine->name);
        items.Expand(tree->SubroutineGroup(), TVE_EXPAND);
    });
}

// The caller has given the descriptor its new name already.
void CMainFrame::RenameSubroutineInInsTrees(const CString& oldName) {
    ForEachInstructionTree(*this, [&](CInsTreeView* tree, CTreeCtrl& items) {
        if (HTREEITEM item = FindSubroutineItem(tree, oldName)) {
            auto* subroutine = reinterpret_cast<CQLXFunc*>(items.GetItemData(item));
            if (subroutine)
                items.SetItemText(item, subroutine->name);
        }
    });
}

void CMainFrame::RemoveSubroutineFromInsTrees(const CString& name) {
    ForEachInstructionTree(*this, [&](CInsTreeView* tree, CTreeCtrl& items) {
        if (HTREEITEM item = FindSubroutineItem(tree, name))
            items.DeleteItem(item);
    });
}

void CMainFrame::ClearSubroutinesInInsTrees() {
    ForEachInstructionTree(*this, [&](CInsTreeView* tree, CTreeCtrl& items) {
        while (HTREEITEM item = items.GetChildItem(tree->SubroutineGroup()))
            items.DeleteItem(item);
    });
}

void CMainFrame::FillSubroutinesInInsTrees() {
    const CMapStringToOb& subroutines = theWorkspace->project.sbrFuncByName;
    ForEachInstructionTree(*this, [&](CInsTreeView* tree, CTreeCtrl& items) {
        // One repaint for all the items rather than one per item.
        tree->SetRedraw(FALSE);
        for (POSITION position = subroutines.GetStartPosition(); position;) {
            CString name;
            CObject* descriptor = nullptr;
            subroutines.GetNextAssoc(position, name, descriptor);
            tree->AddSubroutine(static_cast<CQLXFunc*>(descriptor), name, TVI_SORT);
        }
        items.Expand(tree->SubroutineGroup(), TVE_EXPAND);
        tree->SetRedraw(TRUE);
        tree->Invalidate();
    });
}
