#include "ui/docking/UIDockingDragContext.h"

#include <cstdlib>

#include "platform/CFrameWnd.h"
#include "ui/docking/UIDockTargets.h"
#include "ui/docking/UIDockingPaneHostWnd.h"
#include "ui/docking/UIDockingPaneItem.h"
#include "ui/docking/UIDockingPaneMiniWnd.h"
#include "ui/docking/UIDockingPaneSplitContainer.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"

namespace {
CUIDockingDragContext::KeyStateQuery keyStateQuery = ::GetKeyState;
// Moves within this distance of the press point do not start the drag.
const int DragThreshold = 4;

CRect WorkAreaFor(const CRect& rect) {
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoA(::MonitorFromRect(&rect, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcWork;
}
}  // namespace

void CUIDockingDragContext::SetKeyStateQuery(KeyStateQuery query) { keyStateQuery = query ? query : ::GetKeyState; }

CUIDockingDragContext* CUIDockingDragContext::SetManager(CUIDockingPaneHostWnd* manager) {
    m_manager = manager;
    return this;
}

BOOL CUIDockingDragContext::IsCtrlHeld() const { return keyStateQuery(VK_CONTROL) < 0; }

BOOL CUIDockingDragContext::AskPanes(int action, CUIDockingPaneBase* target, int direction, BOOL askAll) {
    CUIDockingPaneList panes;
    m_element->FindPanes(DockingPaneKindPane, panes);
    BOOL allowed = TRUE;
    for (CUIDockingPaneBase* pane : panes) {
        if (m_manager->NotifyAction(action, static_cast<CUIDockingPaneItem*>(pane), target, direction)) {
            allowed = FALSE;
            if (!askAll)
                break;
        }
    }
    return allowed;
}

void CUIDockingDragContext::Drag(CUIDockingPaneBase* element, CPoint point) {
    m_element = element;
    m_floatRect = MoveRectToPoint(element->GetScreenRect(), point);
    m_startPoint = m_lastPoint = point;
    m_moved = FALSE;
    m_target = nullptr;
    m_attach = m_lastAttach = FALSE;
    m_canFloat = AskPanes(ActionFloating, nullptr, 0, TRUE);
    CUIDockingPaneList panes;
    element->FindPanes(DockingPaneKindPane, panes);
    for (CUIDockingPaneBase* pane : panes)
        if (static_cast<CUIDockingPaneItem*>(pane)->GetOptions() & PaneOptionNoFloat)
            m_canFloat = FALSE;
    BeginDrag();
    Track();
}

void CUIDockingDragContext::BeginDrag() {
    m_lastRect.SetRectEmpty();
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        ::DispatchMessageA(&msg);
    HWND desktop = ::GetDesktopWindow();
    m_locked = ::LockWindowUpdate(desktop);
    m_dc = ::GetDCEx(desktop, nullptr, DCX_WINDOW | DCX_CACHE | (m_locked ? DCX_LOCKWINDOWUPDATE : 0));
}

void CUIDockingDragContext::Track() {
    CFrameWnd* frame = m_element->GetFrame();
    if (::GetCapture() || !frame || !frame->m_hWnd) {
        if (m_locked)
            ::LockWindowUpdate(nullptr);
        ::ReleaseDC(::GetDesktopWindow(), m_dc);
        m_dc = nullptr;
        return;
    }
    HWND capture = frame->m_hWnd;
    ::SetCapture(capture);
    BOOL dropped = FALSE;
    MSG msg;
    while (::GetCapture() == capture) {
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_LBUTTONUP) {
            dropped = TRUE;
            break;
        }
        if (msg.message == WM_MOUSEMOVE) {
            CPoint point(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            ::ClientToScreen(msg.hwnd, &point);
            if (!m_moved && std::abs(point.x - m_startPoint.x) <= DragThreshold &&
                std::abs(point.y - m_startPoint.y) <= DragThreshold)
                continue;
            Move(point);
            m_moved = TRUE;
        } else if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) {
            if (msg.wParam == VK_CONTROL) {
                Move(m_lastPoint);
                m_moved = TRUE;
            } else if (msg.wParam == VK_ESCAPE && msg.message == WM_KEYDOWN) {
                break;
            }
        } else {
            ::DispatchMessageA(&msg);
        }
    }
    EndDrag();
    if (dropped && m_moved)
        Drop();
}

void CUIDockingDragContext::Move(CPoint point) {
    CRect candidate = m_floatRect;
    candidate.OffsetRect(point.x - m_lastPoint.x, point.y - m_lastPoint.y);
    CRect workArea = WorkAreaFor(m_floatRect);
    CRect overlap;
    if (overlap.IntersectRect(candidate, workArea))
        m_floatRect = candidate;
    m_target = nullptr;
    m_attach = FALSE;
    if (!IsCtrlHeld())
        FindDockTarget(point);
    m_lastPoint = point;
    DrawGhost(FALSE);
}

void CUIDockingDragContext::FindDockTarget(CPoint point) {
    for (const DockingPaneInfo& info : m_manager->GetPaneList()) {
        CUIDockingPaneBase* holder = info.pane->GetHolder();
        if (!holder || !holder->GetHolder() || holder->GetHolder()->GetKind() != DockingPaneKindSplit)
            continue;
        auto* container = static_cast<CUIDockingPaneTabbedContainer*>(holder);
        if (!container->m_hWnd || !container->IsWindowVisible() || m_element->ContainsPane(container))
            continue;
        m_dockRect = container->GetScreenRect();
        CRect rect = m_dockRect;
        if (container->IsCaptionDropTarget(rect, point) && AskPanes(ActionAttaching, container, 0, TRUE)) {
            m_target = container;
            m_attach = TRUE;
            return;
        }
        if (TestDockRect(rect, point, container, TRUE))
            return;
    }
    CUIDockingPaneBase* client = m_manager->GetClientPane();
    m_dockRect = client->GetScreenRect();
    if (TestDockRect(m_dockRect, point, client, TRUE))
        return;
    CUIDockingPaneBase* top = m_manager->GetTopContainer();
    m_dockRect = top->GetScreenRect();
    TestDockRect(m_dockRect, point, top, FALSE);
}

BOOL CUIDockingDragContext::TestDockRect(const CRect& rect, CPoint point, CUIDockingPaneBase* element,
                                         BOOL insideOnly) {
    DockZone zone = FindDockZone(rect, point, insideOnly, m_dockRect);
    if (!zone.hit || !AskPanes(ActionDocking, element, zone.direction, FALSE))
        return FALSE;
    m_dockRect = zone.ghost;
    m_direction = zone.direction;
    m_target = element;
    return TRUE;
}

void CUIDockingDragContext::DrawGhost(BOOL erasing) {
    CRect rect = m_target ? m_dockRect : m_floatRect;
    if (!m_target && !m_canFloat)
        rect.SetRectEmpty();
    CRgn newRegion, oldRegion, change;
    if (erasing)
        newRegion.CreateRectRgn(0, 0, 0, 0);
    else
        MakeGhostRegion(newRegion, rect, m_attach);
    MakeGhostRegion(oldRegion, m_lastRect, m_lastAttach);
    change.CreateRectRgn(0, 0, 0, 0);
    change.CombineRgn(&newRegion, &oldRegion, RGN_XOR);
    m_lastRect = rect;
    m_lastAttach = m_attach;
    InvertRegion(change);
}

void CUIDockingDragContext::InvertRegion(CRgn& change) {
    if (!m_dc)
        return;
    CRect box;
    change.GetRgnBox(&box);
    ::SelectClipRgn(m_dc, change);
    HGDIOBJ previous = ::SelectObject(m_dc, CDC::GetHalftoneBrush()->m_hObject);
    ::PatBlt(m_dc, box.left, box.top, box.Width(), box.Height(), PATINVERT);
    ::SelectObject(m_dc, previous);
    ::SelectClipRgn(m_dc, nullptr);
}

void CUIDockingDragContext::EndDrag() {
    DrawGhost(TRUE);
    CFrameWnd* frame = m_element->GetFrame();
    if (frame && ::GetCapture() == frame->m_hWnd)
        ::ReleaseCapture();
    if (m_locked)
        ::LockWindowUpdate(nullptr);
    ::ReleaseDC(::GetDesktopWindow(), m_dc);
    m_dc = nullptr;
}

void CUIDockingDragContext::Drop() {
    CUIDockingPaneList panes;
    m_element->FindPanes(DockingPaneKindPane, panes);
    int after;
    if (m_attach) {
        m_manager->AttachPane(m_element, m_target);
        after = ActionAttached;
    } else if (m_target) {
        m_manager->DockPane(m_element, m_direction, m_target);
        after = ActionDocked;
    } else if (m_canFloat) {
        CUIDockingPaneBase* holder = m_element->GetHolder();
        if (m_element->GetKind() == DockingPaneKindSplit && holder && holder->GetKind() == DockingPaneKindFloating)
            static_cast<CUIDockingPaneMiniWnd*>(holder)->MoveWindow(m_floatRect, TRUE);
        else
            m_manager->FloatPane(m_element, m_floatRect);
        after = ActionFloated;
    } else {
        return;
    }
    for (CUIDockingPaneBase* pane : panes)
        m_manager->NotifyAction(after, static_cast<CUIDockingPaneItem*>(pane));
}
