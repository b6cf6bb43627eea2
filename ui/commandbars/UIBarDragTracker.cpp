#include "ui/commandbars/UIBarDragTracker.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIDockBar.h"
#include "ui/commandbars/UIMouseCaptureLoop.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/UIToolBar.h"
#include "ui/commandbars/UIToolbarLayout.h"

#include "platform/CFrameWnd.h"

namespace {

const DWORD kFloatingSizeMode = uiLayoutHorizontal | uiLayoutLengthIsLimit | uiLayoutCommit;

DWORD DockFlagOf(int position) { return 1u << position; }

}  // namespace

void CUIBarDragTracker::MoveRectToPoint(RECT* rect, int x, int y) {
    const int dx = x < rect->left ? x - rect->left : x > rect->right ? x - rect->right : 0;
    const int dy = y < rect->top ? y - rect->top : y > rect->bottom ? y - rect->bottom : 0;
    ::OffsetRect(rect, dx, dy);
}

void CUIBarDragTracker::RecalcFrameLayoutNow() {
    if (CFrameWnd* frame = m_bar->GetSiteFrame())
        frame->RecalcLayout(FALSE);
}

void CUIBarDragTracker::TrackLoop() {
    CUIToolBar* bar = m_bar;
    bar->InternalAddRef();
    CUIMouseCaptureLoop::Run(
        bar->m_hWnd, m_lastPoint,
        [this](CPoint point) {
            if (m_dragMode == MoveMode)
                OnMove(point.x, point.y);
            else
                OnResize(point.x, point.y);
        },
        [bar]() {
            // The frame follows the bar during the drag.
            CFrameWnd* frame = bar->GetSiteFrame();
            if (frame && (frame->m_nIdleFlags & CFrameWnd::idleLayout)) {
                frame->RecalcLayout(FALSE);
                frame->m_nIdleFlags &= ~static_cast<UINT>(CFrameWnd::idleLayout);
            }
        });
    bar->InternalRelease();
}

void CUIBarDragTracker::StartMove(int x, int y) {
    m_dragMode = MoveMode;
    const int dockPosition = m_mruDockPosition;
    const CRect dockRect = m_mruDockRect;
    const BOOL wasFloating = m_bar->GetPosition() == uiBarFloating;
    m_lastPoint = CPoint(x, y);
    m_bar->GetWindowRect(&m_windowRect);
    MoveRectToPoint(&m_windowRect, x, y);
    m_dragRect = m_windowRect;
    ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32646)));  // IDC_SIZEALL
    CUIMouseTrackHook& hook = CUIMouseTrackHook::Get();
    ++hook.m_suspendCount;
    TrackLoop();
    --hook.m_suspendCount;
    if (m_bar->GetPosition() != uiBarFloating)
        return;
    m_mruFloatPosition = m_windowRect.TopLeft();
    if (!wasFloating) {
        // The last docked place stays the one the bar was dragged from.
        m_mruDockPosition = dockPosition;
        m_mruDockRect = dockRect;
    }
}

void CUIBarDragTracker::OnMove(int x, int y) {
    m_dragRect.OffsetRect(x - m_lastPoint.x, y - m_lastPoint.y);
    m_windowRect.OffsetRect(x - m_lastPoint.x, y - m_lastPoint.y);
    m_lastPoint = CPoint(x, y);
    CUICommandBars* commandBars = m_bar->GetCommandBars();
    if (commandBars == nullptr)
        return;
    CUIDockBar* dockBar = commandBars->CanDock(CPoint(x, y), m_bar->m_dockBar);
    if (dockBar && (m_bar->m_dockingFlags & DockFlagOf(dockBar->GetDockPosition()))) {
        const BOOL moved = dockBar != m_bar->m_dockBar || m_bar->GetPosition() == uiBarFloating;
        commandBars->DockCommandBar(m_bar, m_dragRect, dockBar);
        if (moved)
            RecalcFrameLayoutNow();
        m_bar->GetWindowRect(&m_dragRect);
        return;
    }
    if (!(m_bar->m_dockingFlags & CUIToolBar::MayFloat))
        return;
    if (m_bar->GetPosition() != uiBarFloating) {
        commandBars->FloatCommandBar(m_bar);
        const CSize size = m_bar->CalcDynamicLayout(0, kFloatingSizeMode);
        m_windowRect = CRect(m_windowRect.TopLeft(), size);
        MoveRectToPoint(&m_windowRect, x, y);
    }
    m_bar->SetWindowPos(nullptr, m_windowRect.left, m_windowRect.top, m_windowRect.Width(), m_windowRect.Height(),
                        SWP_NOZORDER | SWP_NOACTIVATE);
}

void CUIBarDragTracker::StartResize(int hitCode, int x, int y) {
    m_dragMode = hitCode;
    m_lastPoint = CPoint(x, y);
    m_bar->GetWindowRect(&m_windowRect);
    TrackLoop();
    m_bar->GetWindowRect(&m_windowRect);
    m_mruFloatPosition = m_windowRect.TopLeft();
    m_bar->SetWidthLimit(m_windowRect.Width());
}

void CUIBarDragTracker::OnResize(int x, int y) {
    const int dx = x - m_lastPoint.x, dy = y - m_lastPoint.y;
    m_lastPoint = CPoint(x, y);
    CRect rect = m_windowRect;
    const BOOL alongWidth = m_dragMode == HTLEFT || m_dragMode == HTRIGHT;
    if (m_dragMode == HTLEFT)
        rect.left += dx;
    else if (m_dragMode == HTRIGHT)
        rect.right += dx;
    else if (m_dragMode == HTTOP)
        rect.top += dy;
    else
        rect.bottom += dy;
    const int length = alongWidth ? rect.Width() : rect.Height();
    const DWORD mode = uiLayoutCommit | uiLayoutHorizontal | (alongWidth ? 0u : static_cast<DWORD>(uiLayoutLengthIsHeight));
    const CSize size = m_bar->CalcDynamicLayout(length < 0 ? 0 : length, mode);
    CRect current;
    m_bar->GetWindowRect(&current);
    if (size == current.Size())
        return;
    // The edge opposite the dragged one stays where it is.
    CRect placed;
    if (m_dragMode == HTLEFT)
        placed = CRect(current.right - size.cx, current.top, current.right, current.top + size.cy);
    else if (m_dragMode == HTTOP)
        placed = CRect(current.left, current.bottom - size.cy, current.left + size.cx, current.bottom);
    else
        placed = CRect(current.TopLeft(), size);
    m_windowRect = placed;
    CRect desktop, overlap;
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    if (!overlap.IntersectRect(placed, desktop))
        return;
    m_bar->SetWindowPos(nullptr, placed.left, placed.top, placed.Width(), placed.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    m_bar->Invalidate(FALSE);
}

BOOL CUIBarDragTracker::ToggleDocking() {
    CUICommandBars* commandBars = m_bar->GetCommandBars();
    if (commandBars == nullptr)
        return FALSE;
    const DWORD flags = m_bar->m_dockingFlags;
    if (m_bar->GetPosition() == uiBarFloating) {
        CUIDockBar* dockBar = commandBars->GetDockBar(m_mruDockPosition);
        if (!(flags & 0x0F) || dockBar == nullptr)
            return FALSE;
        CRect rect = m_mruDockRect;
        dockBar->ClientToScreen(&rect);
        commandBars->DockCommandBar(m_bar, rect, dockBar);
        if (CFrameWnd* frame = m_bar->GetSiteFrame())
            frame->RecalcLayout(TRUE);
        return TRUE;
    }
    if (!(flags & CUIToolBar::MayFloat) || !commandBars->GetCommandBarsOptions()->m_doubleClickFloats)
        return FALSE;
    CPoint target = m_mruFloatPosition;
    if (target.x <= 0 || target.y <= 0) {
        CRect rect = m_mruDockRect;
        if (CWnd* parent = m_bar->GetParent())
            parent->ClientToScreen(&rect);
        target = rect.TopLeft();
    }
    commandBars->FloatCommandBar(m_bar);
    const CSize size = m_bar->CalcDynamicLayout(0, kFloatingSizeMode);
    m_bar->SetWindowPos(nullptr, target.x, target.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}
