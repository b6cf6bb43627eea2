#pragma once
#include "platform/CImageList.h"
#include "platform/CToolTipCtrl.h"
#include "platform/CTreeView.h"

struct ModuleSpec;

// The module catalogue in the module-list pane: the listed models in three groups (CPU,
// digital, analog), each model's description as a tooltip while the pane has the
// focus, and a double click that puts the model into the focused slot of the active
// hardware window's grid. The items' data are the catalogue records.
class CR2PLCTreeView : public CTreeView {
    DECLARE_DYNCREATE(CR2PLCTreeView)

public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* msg) override;

    // The catalogue record of a model item; null for a group or no item.
    const ModuleSpec* ModelAt(HTREEITEM item) const;
    // The model whose text lies under the point (client coordinates); null elsewhere.
    const ModuleSpec* ModelTextAt(CPoint point) const;
    CToolTipCtrl& ToolTip() { return m_tip; }

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnLButtonDblClk(UINT flags, CPoint point);
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    DECLARE_MESSAGE_MAP()

private:
    void FillCatalogue();
    void CreateToolTip();
    bool FocusInPane() const;
    void OnMouseOverTree(MSG* msg);

    CImageList m_images;
    CToolTipCtrl m_tip;
};
