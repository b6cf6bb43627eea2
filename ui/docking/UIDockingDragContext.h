#pragma once

#include "platform/CDC.h"
#include "platform/CGdiObject.h"
#include "platform/CRect.h"
#include "ui/docking/UIDockingPaneNotify.h"

class CUIDockingPaneBase;
class CUIDockingPaneHostWnd;
class CWnd;

// The modal drag that moves panes: a container by its caption, a floating frame by
// its title bar, or a pane whose tab left its row. A ghost outline drawn on the
// desktop shows where the element would dock, become a tab or float; releasing the
// button does it, after the frame allowed each step through DockingPaneNotify.
// Moves within 4 pixels of the press do not count; Ctrl forces floating; Escape,
// losing the capture and the quit message cancel.
class CUIDockingDragContext {
public:
    using KeyStateQuery = SHORT(WINAPI*)(int key);

    virtual ~CUIDockingDragContext() = default;
    CUIDockingDragContext* SetManager(CUIDockingPaneHostWnd* manager);
    // Runs the whole drag from the screen point; returns when it is over.
    void Drag(CUIDockingPaneBase* element, CPoint point);

    // Where the Ctrl key's state is read (GetKeyState; tests give their own).
    static void SetKeyStateQuery(KeyStateQuery query);

protected:
    // Inverts the changed part of the ghost on the desktop.
    virtual void InvertRegion(CRgn& change);

private:
    void BeginDrag();
    void Track();
    void Move(CPoint point);
    void FindDockTarget(CPoint point);
    BOOL TestDockRect(const CRect& rect, CPoint point, CUIDockingPaneBase* element, BOOL insideOnly);
    // Asks every dragged pane; FALSE when any refuses (all are asked when askAll).
    BOOL AskPanes(int action, CUIDockingPaneBase* target, int direction, BOOL askAll);
    void DrawGhost(BOOL erasing);
    void EndDrag();
    void Drop();
    BOOL IsCtrlHeld() const;

    CUIDockingPaneHostWnd* m_manager = nullptr;
    CUIDockingPaneBase* m_element = nullptr;
    CPoint m_startPoint;
    BOOL m_moved = FALSE;
    CPoint m_lastPoint;
    CRect m_floatRect;
    CUIDockingPaneBase* m_target = nullptr;
    CRect m_dockRect;
    DockingDirection m_direction = DockLeft;
    BOOL m_attach = FALSE;
    BOOL m_lastAttach = FALSE;
    BOOL m_canFloat = TRUE;
    CRect m_lastRect;
    HDC m_dc = nullptr;
    BOOL m_locked = FALSE;
};
