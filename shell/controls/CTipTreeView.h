#pragma once
#include "platform/CToolTipCtrl.h"
#include "platform/CTreeView.h"

// A tree view in a docking pane whose leaf items show a tip while the pointer rests on
// their text and the keyboard focus lies in the pane that holds the tree. Derived trees
// say which items have a tip and what it reads.
class CTipTreeView : public CTreeView {
public:
    BOOL PreTranslateMessage(MSG* msg) override;
    CToolTipCtrl& ToolTip() { return m_tip; }

protected:
    // tipLength: the most characters a tip shows.
    explicit CTipTreeView(int tipLength) : m_tipLength(tipLength) {}

    // The item's tip; null for an item that has none.
    virtual const char* TipTextOf(HTREEITEM item) const = 0;
    // Made when the tree's window is; call from the derived OnCreate.
    void CreateTip();
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    // The item with a tip whose text lies under the point (client coordinates).
    HTREEITEM TipItemAt(CPoint point) const;
    BOOL FocusInPane() const;
    void OnMouseOverTree(MSG* msg);

    CToolTipCtrl m_tip;
    int m_tipLength;
};
