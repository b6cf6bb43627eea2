#pragma once

#include "platform/CMiniFrameWnd.h"
#include "ui/docking/UIDockingPaneBase.h"

class CUIDockingPaneSplitContainer;

// The floating frame: a small tool window whose content is one split container of
// tabbed containers, so floating panes tab and split as docked ones do. With a single
// container it shows that container's caption in its own title bar. The layout owns
// it; an emptied one hides and stays.
class CUIDockingPaneMiniWnd : public CMiniFrameWnd, public CUIDockingPaneBase {
    DECLARE_DYNAMIC(CUIDockingPaneMiniWnd)

public:
    // Floats element (a pane or a container taken out of its place) at the screen rectangle.
    CUIDockingPaneMiniWnd(CUIDockingPaneBase* element, CRect screenRect, CUIDockingPaneLayoutState* layout);
    // An empty frame without window, for copies and loaders.
    explicit CUIDockingPaneMiniWnd(CUIDockingPaneLayoutState* layout);
    ~CUIDockingPaneMiniWnd() override;

    BOOL CreateFrameWindow(CRect screenRect);
    void UpdateCaption();
    CUIDockingPaneSplitContainer* GetTopContainer() const { return m_top; }
    BOOL IsCloseEnabled() const { return m_closeEnabled; }

    void RecalcLayout(BOOL notify = TRUE) override;
    void PostNcDestroy() override {}

    void OnFocusChanged() override {}
    void OnChildContainerChanged(CUIDockingPaneBase*) override { UpdateCaption(); }
    void SaveToRegistry(CUIDockingPaneLayoutState* layout) override;
    BOOL LoadFromRegistry(CUIDockingPaneLayoutState* layout, const CUIDockingPaneNumberMap& numbers) override;
    CUIDockingPaneBase* Clone(CUIDockingPaneLayoutState* layout, CUIDockingPaneCloneMap* map,
                              unsigned flags) override;
    void RemovePane(CUIDockingPaneBase* child) override;

protected:
    void OnClose();
    void OnNcLButtonDown(UINT hitTest, CPoint point);
    void OnNcLButtonDblClk(UINT hitTest, CPoint point);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    void SetTop(CUIDockingPaneSplitContainer* top);

    CUIDockingPaneSplitContainer* m_top = nullptr;
    BOOL m_closeEnabled = TRUE;
};
