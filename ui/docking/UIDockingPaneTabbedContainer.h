#pragma once

#include <vector>

#include "platform/CToolTipCtrl.h"
#include "platform/CWnd.h"
#include "ui/docking/UIDockingPaneBase.h"
#include "ui/docking/tabs/UITabStrip.h"
#include "ui/docking/themes/UIDockingPaneCaptionButton.h"

class CUIDockingPaneItem;

// The window that shows panes: a caption with the selected pane's title and the close
// and auto-hide buttons, a tab per pane when it holds more than one, and the selected
// pane's window in the rest. Every placed pane lives in one. An emptied container
// keeps its place in the tree, without window, so that its panes can come back. It is
// its own tab strip: each item's handle is its pane.
class CUIDockingPaneTabbedContainer : public CWnd, public CUIDockingPaneBase, public CUITabStripBase {
public:
    CUIDockingPaneTabbedContainer(CUIDockingPaneItem* pane, CFrameWnd* frame, CUIDockingPaneLayoutState* layout);
    // A container without panes, for copies and loaders.
    explicit CUIDockingPaneTabbedContainer(CUIDockingPaneLayoutState* layout);
    ~CUIDockingPaneTabbedContainer() override;

    void AddPane(CUIDockingPaneItem* pane);
    void SelectPane(CUIDockingPaneItem* pane, BOOL focus);
    void UpdateTabs();
    CUIDockingPaneItem* GetPaneAt(int index) const { return m_panes[index]; }
    int GetPaneCount() const { return static_cast<int>(m_panes.size()); }
    const std::vector<CUIDockingPaneItem*>& GetPanes() const { return m_panes; }
    // -2 on the caption, a tab's index, or -1.
    int HitTest(CPoint point) const;
    // The pane a tab item stands for.
    static CUIDockingPaneItem* PaneOfItem(const CUITabStripItem* item);
    // Appends a tab for the pane: its tab title, its handle the pane, its colour the
    // preset of the pane id modulo 8.
    static CUITabStripItem* AppendPaneTab(CUITabStripBase* strip, CUIDockingPaneItem* pane);
    // The icon question of a strip of pane tabs drawn by paintManager (see
    // CUITabStripBase::DrawItemIcon).
    static BOOL DrawPaneIcon(CUITabTheme* paintManager, CDC* dc, CPoint point, CUITabStripItem* item, BOOL draw);
    // Drags this container from the screen point.
    void StartDrag(CPoint point);
    void SwapPanes(CUIDockingPaneItem* first, CUIDockingPaneItem* second);
    // Drop test of a drag: TRUE on the caption band (or a floating frame's title bar
    // over a container without caption) or on the tab band; screenRect loses both.
    BOOL IsCaptionDropTarget(CRect& screenRect, CPoint point) const;
    BOOL IsInAutoHideWindow() const;
    // Slides the selected pane out of the auto-hide panel holding this container.
    void ShowAutoHidePane();
    void SetShowCaption(BOOL show);
    CString GetSelectedCaption() const;
    void SetButtonTooltip(CUIDockingPaneCaptionButton* button);

    CUIDockingPaneItem* GetSelected() const { return m_selected; }
    BOOL IsShowCaption() const { return m_showCaption; }
    BOOL IsShowTabs() const { return m_showTabs; }
    // 1 docked in the main frame, 0 in a floating frame, 3 in the auto-hide window.
    int GetPlacement() const { return m_placement; }
    BOOL IsActive() const { return m_active; }
    // TRUE while the focus is in the window or one of its descendants.
    BOOL IsFocusInside() const;
    CUIDockingPaneCaptionButton& GetCloseButton() { return m_closeButton; }
    CUIDockingPaneCaptionButton& GetAutoHideButton() { return m_autoHideButton; }
    // The pane area as the theme leaves it, in client coordinates.
    CRect GetPaneArea() const;

    void OnSizeParent(CFrameWnd* parent, CRect rect, AFX_SIZEPARENTPARAMS* params) override;
    void OnFocusChanged() override;
    void SetParentFrame(CFrameWnd* frame) override;
    void OnParentContainerChanged(CUIDockingPaneBase* container) override;
    void SaveToRegistry(CUIDockingPaneLayoutState* layout) override;
    BOOL LoadFromRegistry(CUIDockingPaneLayoutState* layout, const CUIDockingPaneNumberMap& numbers) override;
    CUIDockingPaneBase* Clone(CUIDockingPaneLayoutState* layout, CUIDockingPaneCloneMap* map,
                              unsigned flags) override;
    void RemovePane(CUIDockingPaneBase* pane) override;
    void FindPanes(int kind, CUIDockingPaneList& list) override;
    BOOL IsEmpty() const override { return m_panes.empty(); }

    // The tab strip's links to the window: layout and repaint wait while the tabs are
    // rebuilt or laid out.
    void Reposition() override;
    CUITabTheme* GetPaintManager() const override;
    void RedrawControl() override;
    BOOL DrawItemIcon(CDC* dc, CPoint point, CUITabStripItem* item, BOOL draw, CSize* size) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnCaptureChanged(CWnd* wnd);
    void OnLButtonDblClk(UINT flags, CPoint point);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void CreateContainerWindow();
    void Paint(CDC* target);
    void FocusSelected();
    // Runs the press tracking of a caption button; TRUE on a click with a pane selected.
    BOOL ClickedButton(CUIDockingPaneCaptionButton& button, CPoint point);
    void CloseSelected();
    void ToggleAutoHideSelected();
    void BeginTabDrag(CUIDockingPaneItem* pane);
    // Swaps the dragged tab with the one whose recorded place holds the point, or
    // drags the selected pane away once the point is over no tab.
    void DragTab(CPoint point);
    void EndTabDrag();
    // A tab under the point selects its pane with focus and lays the frame out.
    CUIDockingPaneItem* SelectTabAt(CPoint point);
    void RecalcFrameLayout();

    std::vector<CUIDockingPaneItem*> m_panes;
    CUIDockingPaneItem* m_selected = nullptr;
    BOOL m_showCaption = TRUE;
    BOOL m_showTabs = FALSE;
    int m_placement = 1;
    BOOL m_active = FALSE;
    int m_updating = 0;
    CUIDockingPaneCaptionButton m_closeButton{this, CaptionButtonClose};
    CUIDockingPaneCaptionButton m_autoHideButton{this, CaptionButtonPin};
    CToolTipCtrl* m_tooltips = nullptr;
    CUIDockingPaneItem* m_draggedPane = nullptr;
    std::vector<CRect> m_tabRects;
};
