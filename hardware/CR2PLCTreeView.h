#pragma once
#include "platform/CImageList.h"
#include "shell/controls/CTipTreeView.h"

struct ModuleSpec;

// The module catalogue in the module-list pane: the listed models in three groups (CPU,
// digital, analog), each model's description as a tooltip while the pane has the
// focus, and a double click that puts the model into the focused slot of the active
// hardware window's grid. The items' data are the catalogue records.
class CR2PLCTreeView : public CTipTreeView {
    DECLARE_DYNCREATE(CR2PLCTreeView)

public:
    CR2PLCTreeView();
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // The catalogue record of a model item; null for a group or no item.
    const ModuleSpec* ModelAt(HTREEITEM item) const;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnLButtonDblClk(UINT flags, CPoint point);
    const char* TipTextOf(HTREEITEM item) const override;
    DECLARE_MESSAGE_MAP()

private:
    void FillCatalogue();

    CImageList m_images;
};
