#include "platform/CCmdUI.h"
#include "platform/CMDIFrameWnd.h"
#include "res/resource.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UISplitterTracker.h"
#include "ui/docking/tabs/UITabAppearance.h"
#include "ui/docking/tabs/UITabClientWnd.h"
#include "ui/docking/tabs/UITabTheme.h"

namespace {
const int SplitterSize = 5;
enum SplitterCursor { CursorSideBySide = 0, CursorStacked = 1 };

BOOL IsGroupCommand(UINT id) { return id >= ID_TAB_GROUP_MOVE_PREVIOUS && id <= ID_TAB_GROUP_NEW_VERTICAL; }

CPoint PointOf(LPARAM lParam) { return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))); }
}  // namespace

// --- messages of the client window with tab groups ---

LRESULT CUITabClientWnd::HandleGroupMessage(UINT message, WPARAM wParam, LPARAM lParam, BOOL* handled) {
    *handled = TRUE;
    switch (message) {
    case WM_NCCALCSIZE:
        if (auto* rect = reinterpret_cast<RECT*>(lParam)) {
            CRect proposed(rect);
            m_paintManager->GetAppearance()->DrawClientFrame(nullptr, &proposed, 1);
            *rect = proposed;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    case WM_NCPAINT: {
        CWindowDC dc(this);
        CRect window;
        GetWindowRect(&window);
        CRect frame(0, 0, window.Width(), window.Height());
        m_paintManager->GetAppearance()->DrawClientFrame(&dc, &frame, 0);
        return 0;
    }
    case WM_NCACTIVATE:
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        HandleGroupPress(PointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        HotTrackGroups(PointOf(lParam));
        return CWnd::WindowProc(message, wParam, lParam);
    case WM_MOUSELEAVE:
        HotTrackGroups(CPoint(-1, -1));
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && SetGroupCursor()) return TRUE;
        return CWnd::WindowProc(message, wParam, lParam);
    default:
        *handled = FALSE;
        return 0;
    }
}

void CUITabClientWnd::StripNewChildFrame(HWND child) {
    const LONG style = ::GetWindowLongA(child, GWL_STYLE);
    ::SetWindowLongA(child, GWL_STYLE, style & ~(WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    ::SetWindowLongA(child, GWL_EXSTYLE, ::GetWindowLongA(child, GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE);
    ::SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ::RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void CUITabClientWnd::HotTrackGroups(CPoint point) {
    for (CUITabWorkspace* workspace : m_workspaces) workspace->PerformMouseMove(this, point.x, point.y);
}

BOOL CUITabClientWnd::SetGroupCursor() {
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    for (CUITabWorkspace* workspace : m_workspaces) {
        if (!workspace->splitterRect.PtInRect(point)) continue;
        ::SetCursor(m_cursors[m_stacked ? CursorStacked : CursorSideBySide]);
        return TRUE;
    }
    return FALSE;
}

void CUITabClientWnd::HandleGroupPress(CPoint point) {
    m_busy = TRUE;
    for (int i = 0; i < GetWorkspaceCount(); ++i) {
        CUITabWorkspace* workspace = m_workspaces[i];
        if (workspace->splitterRect.PtInRect(point) && i + 1 < GetWorkspaceCount()) {
            TrackSplitter(i, point);
            break;
        }
        if (workspace->controlRect.PtInRect(point)) {
            workspace->PerformClick(this, point.x, point.y);
            break;
        }
    }
    m_busy = FALSE;
}

void CUITabClientWnd::TrackSplitter(int index, CPoint point) {
    CUITabWorkspace* first = m_workspaces[index];
    CUITabWorkspace* second = m_workspaces[index + 1];
    CRect bounds;
    bounds.UnionRect(&first->controlRect, &second->controlRect);
    // Nothing to divide: a zero length would make every share infinite.
    const int length = m_stacked ? bounds.Height() : bounds.Width();
    if (length <= 0) return;
    CRect tracker = first->splitterRect;
    ClientToScreen(&bounds);
    ClientToScreen(&tracker);
    ClientToScreen(&point);
    CUISplitterTracker splitter;
    if (!splitter.Track(this, bounds, tracker, point, !m_stacked)) return;
    const double total = first->share + second->share;
    const int offset = m_stacked ? tracker.top - bounds.top : tracker.left - bounds.left;
    first->share = total * (offset + 2) / length;
    second->share = total - first->share;
    RecalcFrameLayout();
}

// --- layout and painting of the groups ---

void CUITabClientWnd::LayOutGroups(CRect rect) {
    CRect margins(2, 2, -2, -2);
    {
        CClientDC dc(this);
        m_paintManager->GetAppearance()->DrawClientFrame(nullptr, &margins, 1);
    }
    const int width = rect.Width() - margins.left + margins.right;
    const int height = rect.Height() - margins.top + margins.bottom;
    double sum = 0;
    for (CUITabWorkspace* workspace : m_workspaces) sum += workspace->share;
    const int length = m_stacked ? height : width;
    double running = 0;
    CPoint origin(0, 0);
    CClientDC dc(this);
    for (int i = 0; i < GetWorkspaceCount(); ++i) {
        CUITabWorkspace* workspace = m_workspaces[i];
        CRect area(origin.x, origin.y, width, height);
        workspace->splitterRect.SetRectEmpty();
        if (i + 1 < GetWorkspaceCount()) {
            running += workspace->share;
            const int p = sum > 0 ? static_cast<int>(length * running / sum) : 0;
            if (m_stacked) {
                workspace->splitterRect = CRect(area.left, p - SplitterSize, area.right, p);
                area.bottom = p - SplitterSize;
                origin.y = p;
            } else {
                workspace->splitterRect = CRect(p - SplitterSize, area.top, p, area.bottom);
                area.right = p - SplitterSize;
                origin.x = p;
            }
        }
        m_paintManager->RepositionTabControl(workspace, &dc, area);
        m_paintManager->AdjustClientRect(workspace, area);
        for (int t = 0; t < workspace->GetItemCount(); ++t) {
            HWND child = CUITabWorkspace::ChildOf(workspace->GetItem(t));
            ::MoveWindow(child, area.left, area.top, area.Width(), area.Height(), child == workspace->activeChild);
        }
    }
    InvalidateRect(nullptr, FALSE);
}

void CUITabClientWnd::PaintGroups(CDC* dc, const CRect&) {
    for (CUITabWorkspace* workspace : m_workspaces) {
        m_paintManager->DrawTabControl(workspace, dc, workspace->controlRect);
        if (workspace->splitterRect.IsRectEmpty()) continue;
        CRect splitter = workspace->splitterRect;
        m_paintManager->GetAppearance()->DrawClientFrame(dc, &splitter, m_stacked ? 3 : 2);
    }
}

// --- commands ---

BOOL CUITabClientWnd::QueryGroupCommand(UINT id, CUITabStripItem** itemOut) const {
    if (!m_groupsEnabled) return FALSE;
    const HWND active = GetActiveChild();
    CUITabStripItem* item = active ? FindItem(active) : nullptr;
    if (!item) return FALSE;
    if (itemOut) *itemOut = item;
    auto* workspace = static_cast<CUITabWorkspace*>(item->GetStrip());
    const int index = FindWorkspaceIndex(workspace);
    const BOOL single = GetWorkspaceCount() == 1;
    const BOOL several = workspace->GetItemCount() > 1;
    switch (id) {
    case ID_TAB_GROUP_MOVE_PREVIOUS:
        return index > 0;
    case ID_TAB_GROUP_MOVE_NEXT:
        return index < GetWorkspaceCount() - 1;
    case ID_TAB_GROUP_NEW_HORIZONTAL:
        return (single || m_stacked) && several;
    case ID_TAB_GROUP_NEW_VERTICAL:
        return (single || !m_stacked) && several;
    default:
        return TRUE;
    }
}

void CUITabClientWnd::OnGroupCommand(UINT id) {
    CUITabStripItem* item = nullptr;
    if (!IsGroupCommand(id) || !QueryGroupCommand(id, &item)) return;
    const int index = FindWorkspaceIndex(static_cast<CUITabWorkspace*>(item->GetStrip()));
    switch (id) {
    case ID_TAB_GROUP_MOVE_PREVIOUS:
        MoveItemToGroup(item, m_workspaces[index - 1], TabDropIntoGroup);
        break;
    case ID_TAB_GROUP_MOVE_NEXT:
        MoveItemToGroup(item, m_workspaces[index + 1], TabDropIntoGroup);
        break;
    case ID_TAB_GROUP_NEW_HORIZONTAL:
        MoveItemToGroup(item, m_workspaces[index], TabDropNewBelow);
        break;
    default:
        MoveItemToGroup(item, m_workspaces[index], TabDropNewRight);
        break;
    }
}

BOOL CUITabClientWnd::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) {
    if (!IsGroupCommand(id)) return CWnd::OnCmdMsg(id, code, extra, handlerInfo);
    if (handlerInfo) return TRUE;
    if (code == static_cast<int>(CN_UPDATE_COMMAND_UI))
        static_cast<CCmdUI*>(extra)->Enable(QueryGroupCommand(id, nullptr));
    else if (code == CN_COMMAND)
        OnGroupCommand(id);
    return TRUE;
}

void CUITabClientWnd::MoveItemToGroup(CUITabStripItem* item, CUITabWorkspace* target, int action) {
    if (action < TabDropIntoGroup || action > TabDropNewRight || !item || !target ||
        FindWorkspaceIndex(target) < 0)
        return;
    m_locked = m_busy = TRUE;
    const COLORREF color = item->color;
    if (action != TabDropIntoGroup) {
        CUITabWorkspace* added = AddWorkspace(FindWorkspaceIndex(target) + 1);
        target->share /= 2;
        added->share = target->share;
        m_stacked = action == TabDropNewBelow;
        target = added;
    }
    // The target takes over this reference when the source strip lets the item go.
    item->InternalAddRef();
    item->Remove();
    target->InsertItem(target->GetItemCount(), item);
    item->color = color;  // appending gave it the next preset colour
    target->SetSelectedItem(item);
    m_locked = m_busy = FALSE;
    m_layoutDirty = TRUE;
    UpdateTabs();
}
