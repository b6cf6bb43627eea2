#include "ui/docking/UIDockingPaneAutoHideWnd.h"

#include "platform/MessageMap.h"
#include "res/resource.h"
#include "ui/commandbars/UISplitterTracker.h"
#include "ui/docking/UIDockingLiveResize.h"
#include "ui/docking/UIDockingPaneAutoHideStrip.h"
#include "ui/docking/UIDockingPaneHostWnd.h"
#include "ui/docking/UIDockingPaneItem.h"
#include "ui/docking/UIDockingPaneSplitContainer.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"
#include "ui/docking/themes/UIDockingPaneTheme.h"

IMPLEMENT_DYNAMIC(CUIDockingPaneAutoHideWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CUIDockingPaneAutoHideWnd, CMiniFrameWnd)
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace {
CUIDockingPaneAutoHideWnd::CursorPosQuery cursorPosQuery = ::GetCursorPos;

BOOL IsPointInWindow(HWND window, POINT point) {
    RECT rect;
    return window && ::GetWindowRect(window, &rect) && ::PtInRect(&rect, point);
}
}  // namespace

void CUIDockingPaneAutoHideWnd::SetCursorPosQuery(CursorPosQuery query) {
    cursorPosQuery = query ? query : ::GetCursorPos;
}

CUIDockingPaneAutoHideWnd::CUIDockingPaneAutoHideWnd(CUIDockingPaneAutoHideStrip* panel,
                                                     CUIDockingPaneTabbedContainer* container)
    : m_container(container),
      m_panel(panel),
      m_manager(panel->GetManager()),
      m_side(panel->GetSide()),
      m_vertical(m_side == DockTop || m_side == DockBottom) {
    // The full window: the top container's rectangle cut to the pane's docking size at the panel's side.
    CRect rect = TopContainerScreenRect();
    CUIDockingPaneBase* sized = container->GetSelected();
    if (!sized)
        sized = container;
    switch (m_side) {
    case DockLeft:
        rect.right = rect.left + sized->m_cx;
        break;
    case DockRight:
        rect.left = rect.right - sized->m_cx;
        break;
    case DockTop:
        rect.bottom = rect.top + sized->m_cy;
        break;
    default:
        rect.top = rect.bottom - sized->m_cy;
        break;
    }
    CFrameWnd* frame = m_manager->GetFrame();
    frame->ScreenToClient(&rect);
    m_target = rect;
    HCURSOR cursor = ::LoadCursorA(AfxGetResourceHandle(),
                                   MAKEINTRESOURCEA(m_vertical ? IDC_CURSOR_SPLIT_VERTICAL : IDC_CURSOR_SPLIT_HORIZONTAL));
    frame->UpdateWindow();
    frame->SendMessage(WM_SETREDRAW, FALSE);
    CreateEx(0, AfxRegisterWndClass(0, cursor), "", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect, frame, 0);
    frame->SendMessage(WM_SETREDRAW, TRUE);
    m_step = 0;
    m_closing = FALSE;
    if (SlideSteps > 1)
        SetTimer(TimerSlideOut, SlideInterval, nullptr);
    else
        Step();
    SetTimer(TimerWatch, WatchInterval, nullptr);
    m_countdown = 0;
}

CRect CUIDockingPaneAutoHideWnd::TopContainerScreenRect() const { return m_manager->GetTopContainer()->GetScreenRect(); }

void CUIDockingPaneAutoHideWnd::Step() {
    int width = m_target.Width() * (m_step + 1) / SlideSteps;
    int height = m_target.Height() * (m_step + 1) / SlideSteps;
    CRect rect = m_target;
    switch (m_side) {
    case DockLeft:
        rect.right = rect.left + width;
        break;
    case DockRight:
        rect.left = rect.right - width;
        break;
    case DockTop:
        rect.bottom = rect.top + height;
        break;
    default:
        rect.top = rect.bottom - height;
        break;
    }
    SetWindowPos(&wndTop, rect.left, rect.top, rect.Width(), rect.Height(), SWP_SHOWWINDOW);
    Invalidate(FALSE);
}

void CUIDockingPaneAutoHideWnd::Close() {
    if (!m_hWnd)
        return;
    ShowWindow(SW_HIDE);
    if (m_container && m_container->m_hWnd && ::GetParent(m_container->m_hWnd) == m_hWnd) {
        m_container->ShowWindow(SW_HIDE);
        m_container->SetParentFrame(m_manager->GetFrame());
    }
    m_container = nullptr;
    if (m_panel)
        m_panel->ForgetSlidingWindow(this);
    PostMessage(WM_CLOSE);
}

void CUIDockingPaneAutoHideWnd::CloseLater() {
    m_container = nullptr;
    SetTimer(TimerDelayedClose, DelayedCloseInterval, nullptr);
}

void CUIDockingPaneAutoHideWnd::Detach() {
    m_container = nullptr;
    m_panel = nullptr;
}

void CUIDockingPaneAutoHideWnd::PostNcDestroy() {
    if (m_panel)
        m_panel->ForgetSlidingWindow(this);
    delete this;
}

// The container keeps its full size and stays at the inner edge, so it seems to come
// out of the panel; the 4 pixels along the inner edge stay free for resizing.
void CUIDockingPaneAutoHideWnd::RecalcLayout(BOOL) {
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    if (!m_container || !m_hWnd)
        return;
    if (m_container->m_hWnd)
        m_container->ShowWindow(SW_SHOW);
    CRect client;
    GetClientRect(&client);
    CRect area(0, 0, m_target.Width(), m_target.Height());
    switch (m_side) {
    case DockLeft:
        area.OffsetRect(client.Width() - m_target.Width(), 0);
        area.right -= ResizeBand;
        break;
    case DockRight:
        area.left = ResizeBand;
        break;
    case DockTop:
        area.OffsetRect(0, client.Height() - m_target.Height());
        area.bottom -= ResizeBand;
        break;
    default:
        area.top = ResizeBand;
        break;
    }
    AFX_SIZEPARENTPARAMS params = {};
    params.rect = client;
    params.bStretch = TRUE;
    params.hDWP = ::BeginDeferWindowPos(8);
    m_container->OnSizeParent(this, area, &params);
    ::EndDeferWindowPos(params.hDWP);
}

// ---- Timers --------------------------------------------------------------------------------

BOOL CUIDockingPaneAutoHideWnd::ShouldStay() const {
    if (m_container->IsFocusInside())
        return TRUE;
    POINT point = {};
    if (!cursorPosQuery(&point))
        return FALSE;
    return IsPointInWindow(m_hWnd, point) || (m_panel && IsPointInWindow(m_panel->m_hWnd, point));
}

void CUIDockingPaneAutoHideWnd::WatchPointer() {
    if (ShouldStay()) {
        m_countdown = StayTicks;
        if (m_closing) {
            // Slides out again from where it is.
            m_closing = FALSE;
            KillTimer(TimerSlideBack);
            SetTimer(TimerSlideOut, SlideInterval, nullptr);
        }
    } else if (!m_closing && --m_countdown <= 0) {
        m_countdown = 0;
        m_closing = TRUE;
        SetTimer(TimerSlideBack, SlideInterval, nullptr);
    }
}

void CUIDockingPaneAutoHideWnd::OnTimer(UINT_PTR id) {
    if (id == TimerDelayedClose) {
        Close();
        return;
    }
    // A window whose container went elsewhere only waits for its WM_CLOSE.
    if (!m_container)
        return;
    if (id == TimerWatch) {
        if (m_resizing)
            return;
        WatchPointer();
    } else if (id == TimerSlideOut && !m_closing) {
        if (++m_step < SlideSteps) {
            Step();
        } else {
            m_step = SlideSteps - 1;
            KillTimer(TimerSlideOut);
        }
    } else if (id == TimerSlideBack && m_closing) {
        if (--m_step >= 0) {
            Step();
        } else {
            m_closing = FALSE;
            KillTimer(TimerSlideBack);
            Close();
        }
    }
    Default();
}

void CUIDockingPaneAutoHideWnd::OnMouseMove(UINT, CPoint) {
    // Coming back over a window that slides back turns it round at once.
    if (m_closing && m_container && !m_resizing)
        WatchPointer();
    Default();
}

// ---- Painting ------------------------------------------------------------------------------

void CUIDockingPaneAutoHideWnd::OnPaint() {
    CPaintDC dc(this);
    Paint(&dc);
}

LRESULT CUIDockingPaneAutoHideWnd::OnPrintClient(WPARAM wParam, LPARAM) {
    Paint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

void CUIDockingPaneAutoHideWnd::Paint(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(client, m_manager->GetTheme()->GetColor(51));
    auto column = [&](int x, int colorIndex) {
        dc->FillSolidRect(CRect(x, client.top, x + 1, client.bottom), ::GetSysColor(colorIndex));
    };
    auto row = [&](int y, int colorIndex) {
        dc->FillSolidRect(CRect(client.left, y, client.right, y + 1), ::GetSysColor(colorIndex));
    };
    switch (m_side) {
    case DockLeft:
        column(client.right - 1, COLOR_BTNTEXT);
        column(client.right - 2, COLOR_BTNSHADOW);
        break;
    case DockRight:
        column(client.left + 1, COLOR_BTNHIGHLIGHT);
        break;
    case DockTop:
        row(client.bottom - 1, COLOR_BTNTEXT);
        row(client.bottom - 2, COLOR_BTNSHADOW);
        break;
    default:
        row(client.top + 1, COLOR_BTNHIGHLIGHT);
        break;
    }
}

// ---- Resizing ------------------------------------------------------------------------------

CRect CUIDockingPaneAutoHideWnd::InnerEdge() const {
    CRect edge;
    GetWindowRect(&edge);
    switch (m_side) {
    case DockLeft:
        edge.left = edge.right - ResizeBand;
        break;
    case DockRight:
        edge.right = edge.left + ResizeBand;
        break;
    case DockTop:
        edge.top = edge.bottom - ResizeBand;
        break;
    default:
        edge.bottom = edge.top + ResizeBand;
        break;
    }
    return edge;
}

void CUIDockingPaneAutoHideWnd::OnLButtonDown(UINT, CPoint point) {
    CRect topRect = TopContainerScreenRect();
    // The dragged edge cannot leave the top container.
    CRect bounds = topRect;
    if (m_vertical)
        bounds.DeflateRect(0, ResizeBand);
    else
        bounds.DeflateRect(ResizeBand, 0);
    CRect edge = InnerEdge();
    HWND self = m_hWnd;
    m_resizing = TRUE;
    if (m_manager->m_ghostSplitters) {
        ClientToScreen(&point);
        CUISplitterTracker tracker;
        if (tracker.Track(this, bounds, edge, point, !m_vertical) && ::IsWindow(self))
            ApplyResize(edge, topRect);
    } else {
        TrackLiveResize(this, bounds, edge, !m_vertical, [&](const CRect& bar) { ApplyResize(bar, topRect); });
    }
    // A layout pass during the drag may have closed and destroyed the window.
    if (::IsWindow(self))
        m_resizing = FALSE;
}

void CUIDockingPaneAutoHideWnd::ApplyResize(CRect edge, const CRect& topRect) {
    switch (m_side) {
    case DockLeft:
        edge.left = topRect.left;
        break;
    case DockRight:
        edge.right = topRect.right;
        break;
    case DockTop:
        edge.top = topRect.top;
        break;
    default:
        edge.bottom = topRect.bottom;
        break;
    }
    // Also the size the pane asks for when it is docked again.
    if (CUIDockingPaneItem* pane = m_container ? m_container->GetSelected() : nullptr) {
        if (m_vertical)
            pane->m_cy = edge.Height();
        else
            pane->m_cx = edge.Width();
    }
    ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<LPPOINT>(&edge), 2);
    m_target = edge;
    MoveWindow(edge, TRUE);
    Invalidate(FALSE);
}
