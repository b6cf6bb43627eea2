#pragma once

#include <vector>

#include "platform/CWnd.h"
#include "ui/docking/UIDockingPaneBase.h"
#include "ui/docking/tabs/UITabStrip.h"

class CUIDockingPaneAutoHideStrip;
class CUIDockingPaneAutoHideWnd;
class CUIDockingPaneItem;
class CUIDockingPaneTabbedContainer;

// The tabs of one auto-hidden container inside its panel: window-less, laid out and
// drawn by the panel with the theme's panel tabs, each item's handle its pane. The
// tabs point away from the document area; there are no scroll buttons.
class CUIDockingPaneAutoHideTabStrip : public CUITabStripBase {
public:
    explicit CUIDockingPaneAutoHideTabStrip(CUIDockingPaneAutoHideStrip* panel);

    void Reposition() override {}
    CUITabTheme* GetPaintManager() const override;
    void RedrawControl() override;
    BOOL DrawItemIcon(CDC* dc, CPoint point, CUITabStripItem* item, BOOL draw, CSize* size) override;
    int GetPosition() const override;
    void OnNavigateButtonClick(int) override {}

    CRect m_rect;  // its part of the panel window

private:
    CUIDockingPaneAutoHideStrip* m_panel;
};

// The auto-hide panel of one side of the document area: a thin band with one tab strip
// per auto-hidden container and one tab per pane. Resting the mouse on a tab slides
// its container out over the document area in a sliding window; clicking does the
// same and focuses the pane. It is a layout element (its containers are elements of
// the layout, not owned) and a child window of the frame that exists only while some
// container shows a pane.
class CUIDockingPaneAutoHideStrip : public CWnd, public CUIDockingPaneBase {
public:
    CUIDockingPaneAutoHideStrip(CUIDockingPaneLayoutState* layout, DockingDirection side);
    ~CUIDockingPaneAutoHideStrip() override;

    void AddContainer(CUIDockingPaneBase* container);
    // Takes the panel's band from rect (creating, placing or destroying the window);
    // every layout pass closes a slid-out window.
    virtual void RepositionPanel(CFrameWnd* parent, CRect& rect, AFX_SIZEPARENTPARAMS* params);
    // The band's thickness: a panel tab's height and the header margins across it.
    int GetThickness() const;
    // Rebuilds the strips in rect (the panel's client coordinates).
    void LayoutTabs(CDC* dc, CRect rect);
    CUIDockingPaneItem* HitTestPane(CPoint point) const;
    // Closes any window that is out, then slides the pane's container out.
    void SlideOut(CUIDockingPaneItem* pane, BOOL activate);
    // A delayed close lets the window go without touching its container.
    void CloseSlidingWindow(BOOL delayed);

    DockingDirection GetSide() const { return m_side; }
    const CUIDockingPaneList& GetContainers() const { return m_containers; }
    int GetStripCount() const { return static_cast<int>(m_strips.size()); }
    CUIDockingPaneAutoHideTabStrip* GetStrip(int index) const { return m_strips[index]; }
    CUIDockingPaneAutoHideWnd* GetSlidingWindow() const { return m_current; }
    // The sliding window's destruction: the link goes if it still names that window.
    void ForgetSlidingWindow(CUIDockingPaneAutoHideWnd* window);
    CUITabTheme* GetPanelTabs() const;

    void OnChildContainerChanged(CUIDockingPaneBase* child) override;
    void SaveToRegistry(CUIDockingPaneLayoutState* layout) override;
    BOOL LoadFromRegistry(CUIDockingPaneLayoutState* layout, const CUIDockingPaneNumberMap& numbers) override;
    CUIDockingPaneBase* Clone(CUIDockingPaneLayoutState* layout, CUIDockingPaneCloneMap* map,
                              unsigned flags) override;
    void RemovePane(CUIDockingPaneBase* child) override;
    BOOL IsEmpty() const override;

protected:
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnMouseMove(UINT flags, CPoint point);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
    void OnLButtonDown(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    void CreatePanelWindow(CFrameWnd* parent);
    void DeleteStrips();
    void Paint(CDC* target);
    // Whether the window out shows another pane than this one (or none is out).
    BOOL IsOtherPaneOut(CUIDockingPaneItem* pane) const;

    DockingDirection m_side;
    CUIDockingPaneList m_containers;
    std::vector<CUIDockingPaneAutoHideTabStrip*> m_strips;
    CUIDockingPaneAutoHideWnd* m_current = nullptr;
};
