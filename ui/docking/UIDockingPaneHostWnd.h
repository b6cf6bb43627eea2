#pragma once

#include "platform/CWnd.h"
#include "ui/docking/UIDockingPaneLayoutState.h"

class CUIDockingPaneItem;
class CUIDockingPaneTheme;
class CUIImageIconSet;
class CUIImageStore;

// The docking pane manager of one frame: creates the panes, arranges them around the
// document area in the layout's tree and moves them between docked, tabbed, floating,
// auto-hidden and closed. It is a hidden child of the frame that answers the frame's
// layout pass by carving the panes out of the free client area, leaving the document
// area's rectangle for the MDI client. Every user action is offered to the frame
// first through DockingPaneNotify.
class CUIDockingPaneHostWnd : public CWnd {
public:
    CUIDockingPaneHostWnd();
    ~CUIDockingPaneHostWnd() override;

    // Once only: binds the frame, makes the manager's window and the live layout.
    void InstallDockingPanes(CFrameWnd* frame);
    CUIDockingPaneItem* CreatePane(UINT id, CRect rect, DockingDirection direction,
                                   CUIDockingPaneBase* neighbour = nullptr);
    // Makes the pane (or every pane of a container) a tab of target's container.
    void AttachPane(CUIDockingPaneBase* element, CUIDockingPaneBase* target);
    void DockPane(CUIDockingPaneBase* element, DockingDirection direction, CUIDockingPaneBase* neighbour);
    void FloatPane(CUIDockingPaneBase* element, CRect screenRect);
    void ShowPane(CUIDockingPaneItem* pane);
    void ClosePane(CUIDockingPaneItem* pane);
    void CloseAllPanes();
    void ToggleDocking(CUIDockingPaneBase* element);
    // A pane stands for its tabbed container: a docked one moves into the auto-hide
    // panel of its side; an auto-hidden one that is out slides back at once.
    void ToggleAutoHide(CUIDockingPaneBase* element);
    // Indices 0-3, 5 and 6; any other index keeps the current theme.
    void SetTheme(int index);
    void GetLayout(CUIDockingPaneLayoutState* layout);
    DockingPaneInfoList& GetPaneList() { return m_layout->m_panes; }
    CUIDockingPaneBase* GetClientPane() const { return m_layout->m_client; }
    CUIDockingPaneSplitContainer* GetTopContainer() const { return m_layout->m_top; }
    // Sends one action record to the frame; its cancel field (nonzero refuses).
    int NotifyAction(int action, CUIDockingPaneItem* pane, CUIDockingPaneBase* target = nullptr,
                     int direction = 0);
    CUIDockingPaneItem* FindPaneById(UINT id) const;
    void ShowPaneById(UINT id);
    void UpdateHolders();
    void DelayLayoutPanes();
    void UpdatePanesFocus();
    CUIImageIconSet* GetPaneImage(UINT iconId);

    CFrameWnd* GetFrame() const { return m_frame; }
    CUIDockingPaneTheme* GetTheme() const { return m_theme; }
    CUIDockingPaneLayoutState* GetLayoutState() const { return m_layout; }
    CUIImageStore* GetImages() const { return m_images; }
    // Moves a pane to holder (or floats it without one), asking the frame first.
    BOOL MovePaneToHolder(CUIDockingPaneItem* pane, CUIDockingPaneBase* holder);

    BOOL m_hideClient = FALSE;
    BOOL m_ghostSplitters = TRUE;
    BOOL m_attaching = FALSE;
    BOOL m_lockSplitters = FALSE;

protected:
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void OnSysColorChange();
    void OnSettingChange(UINT flags, LPCSTR section);

    DECLARE_MESSAGE_MAP()

private:
    void DockElement(CUIDockingPaneBase* element, DockingDirection direction, CUIDockingPaneBase* neighbour);
    void DockBesideTop(CUIDockingPaneBase* element, BOOL horizontal, BOOL after);
    void AttachElement(CUIDockingPaneBase* element, CUIDockingPaneBase* target);
    // Takes the element out of its place: the pane itself, or a container's contents
    // moved into a new container of the same kind.
    CUIDockingPaneBase* TakeOut(CUIDockingPaneBase* element);
    CUIDockingPaneBase* WrapPane(CUIDockingPaneBase* element, CFrameWnd* frame);
    void ToggleContainer(CUIDockingPaneBase* container, BOOL floating);
    CUIDockingPaneBase* DestinationOf(CUIDockingPaneItem* pane, BOOL floating);

    CFrameWnd* m_frame = nullptr;
    CUIDockingPaneLayoutState* m_layout = nullptr;
    CUIDockingPaneTheme* m_theme = nullptr;
    CUIImageStore* m_images = nullptr;
};
