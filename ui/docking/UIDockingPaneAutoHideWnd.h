#pragma once

#include "platform/CMiniFrameWnd.h"
#include "ui/docking/UIDockingPaneNotify.h"

class CUIDockingPaneAutoHideStrip;
class CUIDockingPaneHostWnd;
class CUIDockingPaneTabbedContainer;

// The sliding window: a child frame over the document area that shows an auto-hidden
// container. It grows out of its panel's edge in 8 steps of 16 ms, stays while the
// pointer is over it or its panel or the focus is inside, and slides back about 0.6 s
// after the pointer left. The container keeps its full size and stays anchored at the
// window's inner edge; a 4-pixel band along that edge resizes the window and the
// pane's docking size. It deletes itself once closed.
class CUIDockingPaneAutoHideWnd : public CMiniFrameWnd {
    DECLARE_DYNAMIC(CUIDockingPaneAutoHideWnd)

public:
    enum Timer : UINT_PTR { TimerWatch = 1, TimerSlideOut = 2, TimerSlideBack = 3, TimerDelayedClose = 4 };
    static const int SlideInterval = 16;  // ms per step
    static const int SlideDuration = 128;
    static const int SlideSteps = SlideDuration / SlideInterval > 1 ? SlideDuration / SlideInterval : 1;
    static const int WatchInterval = 100;
    static const int DelayedCloseInterval = 50;
    static const int StayTicks = 6;  // watch ticks without pointer or focus before sliding back
    static const int ResizeBand = 4;

    using CursorPosQuery = BOOL(WINAPI*)(LPPOINT point);

    // Creates the window (hidden) and starts sliding the container out.
    CUIDockingPaneAutoHideWnd(CUIDockingPaneAutoHideStrip* panel, CUIDockingPaneTabbedContainer* container);

    // Shows the window at the current step.
    void Step();
    // Hides the window, hands the container back to the main frame and posts WM_CLOSE.
    void Close();
    // Lets go of the container (it is moving elsewhere) and closes 50 ms later.
    void CloseLater();
    // Lets go of container and panel: the window closes without touching either.
    void Detach();
    // Sets the pane's docking size from the dragged inner edge; both rectangles are
    // screen rectangles, the second the top container's.
    void ApplyResize(CRect edge, const CRect& topRect);
    void RecalcLayout(BOOL notify = TRUE) override;

    CUIDockingPaneTabbedContainer* GetContainer() const { return m_container; }
    CUIDockingPaneAutoHideStrip* GetPanel() const { return m_panel; }
    DockingDirection GetSide() const { return m_side; }
    // The full rectangle in the frame's client coordinates.
    const CRect& GetTarget() const { return m_target; }
    int GetStep() const { return m_step; }
    BOOL IsClosing() const { return m_closing; }
    int GetCountdown() const { return m_countdown; }

    // Where the pointer's position is read (GetCursorPos; tests give their own).
    static void SetCursorPosQuery(CursorPosQuery query);

protected:
    void PostNcDestroy() override;
    void OnTimer(UINT_PTR id);
    void OnMouseMove(UINT flags, CPoint point);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnLButtonDown(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    CRect TopContainerScreenRect() const;
    // The pointer or the focus keeps the window out; otherwise it counts down and slides back.
    void WatchPointer();
    BOOL ShouldStay() const;
    void Paint(CDC* dc);
    // The 4-pixel inner edge of the window, in screen coordinates.
    CRect InnerEdge() const;

    CUIDockingPaneTabbedContainer* m_container;
    CUIDockingPaneAutoHideStrip* m_panel;
    CUIDockingPaneHostWnd* m_manager;
    DockingDirection m_side;
    BOOL m_vertical;
    CRect m_target;
    int m_step = 0;
    BOOL m_closing = FALSE;
    int m_countdown = 0;
    BOOL m_resizing = FALSE;
};
