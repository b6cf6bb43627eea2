// What the mouse and the focus do to a toolbar: drags it by its free space, resizes a
// floating one by its borders, toggles docking on a double click, shows the toolbars
// menu on a right click; a toolbar in a dialog takes the keyboard when it gets the focus.
#include "ui/commandbars/UIToolBar.h"

#include "ui/commandbars/UIBarDragTracker.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIMouseTrackHook.h"

#include "platform/CFrameWnd.h"
#include "platform/CMiniFrameWnd.h"

namespace {

const int kSizingBorder = 3;
const DWORD kMayDockOrFloat = 0x1F;

}  // namespace

BOOL CUIToolBar::OnNcCreate(LPCREATESTRUCT cs) {
    if (!Default())
        return FALSE;
    if (cs->style & MFS_SYNCACTIVE) {
        // A floating bar made while its frame (or a popup of it that follows it) is in
        // front starts active.
        HWND frame = cs->hwndParent;
        while (frame && (::GetWindowLongA(frame, GWL_STYLE) & WS_CHILD))
            frame = ::GetParent(frame);
        HWND foreground = ::GetForegroundWindow();
        BOOL active = frame && foreground == frame;
        if (!active && frame && foreground == ::GetLastActivePopup(frame))
            active = ::SendMessageA(foreground, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0;
        SendMessage(WM_FLOATSTATUS, active ? FS_ACTIVATE : FS_DEACTIVATE);
    }
    return TRUE;
}

void CUIToolBar::OnLButtonDown(UINT flags, CPoint point) {
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (m_controls->HitTest(point)) {
        CUICommandBar::OnLButtonDown(flags, point);
        return;
    }
    CUIMouseTrackHook::Get().EndTracking();
    if (m_dragTracker && (m_dockingFlags & kMayDockOrFloat)) {
        ClientToScreen(&point);
        m_dragTracker->StartMove(point.x, point.y);
    }
}

void CUIToolBar::OnLButtonDblClk(UINT flags, CPoint point) {
    if (m_controls->HitTest(point) || m_dragTracker == nullptr)
        CUICommandBar::OnLButtonDblClk(flags, point);
    else
        m_dragTracker->ToggleDocking();
}

void CUIToolBar::OnRButtonDown(UINT flags, CPoint point) {
    if (IsCustomizeMode()) {
        CUICommandBar::OnRButtonDown(flags, point);
        return;
    }
    EndTrackingMode();
    ClearSelection();
    Invalidate(FALSE);
    ClientToScreen(&point);
    if (CUICommandBars* commandBars = GetCommandBars())
        commandBars->ContextMenu(point.x, point.y);
}

UINT CUIToolBar::OnNcHitTest(CPoint point) {
    if (m_position != uiBarFloating)
        return CUICommandBar::OnNcHitTest(point);
    CRect inner;
    GetWindowRect(&inner);
    inner.DeflateRect(kSizingBorder, kSizingBorder);
    if (point.y < inner.top)
        return HTTOP;
    if (point.y >= inner.bottom)
        return HTBOTTOM;
    if (point.x < inner.left)
        return HTLEFT;
    if (point.x >= inner.right)
        return HTRIGHT;
    return CUICommandBar::OnNcHitTest(point);
}

void CUIToolBar::OnNcLButtonDown(UINT hitTest, CPoint point) {
    if (m_dragTracker == nullptr || hitTest < HTLEFT || hitTest > HTBOTTOMRIGHT) {
        CUICommandBar::OnNcLButtonDown(hitTest, point);
        return;
    }
    if (CFrameWnd* frame = GetSiteFrame())
        frame->GetTopLevelParent()->SetActiveWindow();
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CUIMouseTrackHook::Get().EndTracking();
    m_dragTracker->StartResize(static_cast<int>(hitTest), point.x, point.y);
}

void CUIToolBar::OnSetFocus(CWnd* previous) {
    if (m_dragTracker) {
        Default();
        return;
    }
    // A toolbar in a dialog: the keyboard walks its buttons; Tab leaves it.
    if (m_savedFocus == nullptr)
        m_savedFocus = previous ? previous->GetSafeHwnd() : nullptr;
    SetTrackingMode(uiTracking, TRUE, TRUE);
}
