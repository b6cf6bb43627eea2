#pragma once

#include "platform/CRect.h"

#include <windows.h>

#include <vector>

class CWnd;
class CUICommandBar;
class CUICommandBars;
class CUIControl;

// Drag results of DoDragDrop.
enum UIDragResult {
    uiDropOff = 0,     // dropped outside every bar after the pointer moved
    uiDropCopy = 1,    // copied into a bar
    uiDropMove = 2,    // moved into a bar
    uiDropCancel = 5,  // cancelled, or dropped at its own place
};

// The drag and drop of controls between bars in customize mode. Every bar of the
// command bars registers itself as a drop target while its window exists; a drag is a
// modal loop over the thread's messages with the mouse captured by the customize
// window (or, without one, the frame).
class CUIControlDragContext {
public:
    explicit CUIControlDragContext(CUICommandBars* commandBars);
    ~CUIControlDragContext();
    CUIControlDragContext(const CUIControlDragContext&) = delete;
    CUIControlDragContext& operator=(const CUIControlDragContext&) = delete;

    void AddDropTarget(CUICommandBar* bar) { m_dropTargets.push_back(bar); }
    void RemoveDropTarget(CUICommandBar* bar);
    const std::vector<CUICommandBar*>& GetDropTargets() const { return m_dropTargets; }

    // Runs the drag of the control until it is dropped or cancelled; copy only makes
    // every drop a copy (a command taken from the customize window).
    int DoDragDrop(CUIControl* control, BOOL copyOnly);

    CWnd* GetCustomizeWindow() const { return m_customizeWindow; }
    void SetCustomizeWindow(CWnd* window) { m_customizeWindow = window; }
    HCURSOR GetNoDropCursor() const { return m_noDropCursor; }
    HCURSOR GetMoveCursor() const { return m_moveCursor; }
    HCURSOR GetCopyCursor() const { return m_copyCursor; }

private:
    void RunLoop(HWND captureWindow, int* result);
    void OnFirstMove(CPoint screen);
    void UpdateTarget(CPoint screen);
    CUICommandBar* DropTargetAt(CPoint screen) const;
    void LeaveTarget();
    void UpdateCursor();
    int Drop(CPoint screen);

    HWND m_captureWindow = nullptr;
    CUIControl* m_control = nullptr;
    BOOL m_move = FALSE;
    BOOL m_copyOnly = FALSE;
    CUICommandBar* m_target = nullptr;
    CWnd* m_customizeWindow = nullptr;
    CPoint m_start;
    std::vector<CUICommandBar*> m_dropTargets;
    CUICommandBars* m_commandBars;
    HCURSOR m_noDropCursor;
    HCURSOR m_moveCursor;
    HCURSOR m_copyCursor;
};
