#include "platform/CMDIFrameWnd.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"
#include "ui/docking/tabs/UITabClientWnd.h"
#include "ui/docking/tabs/UITabTheme.h"

namespace {
const int AppWorkspaceColor = 12;

BOOL IsMousePress(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDOWN ||
           message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDOWN;
}
}  // namespace

// --- layout ---

void CUITabClientWnd::CalcWindowRect(LPRECT clientRect, UINT adjustType) {
    CRect rect(clientRect);
    if (m_workspaces.empty() || !m_tabsShown) {
        InvalidateRect(nullptr, FALSE);
    } else if (m_groupsEnabled) {
        LayOutGroups(rect);
    } else {
        LayOutSingleStrip(rect);
    }
    *clientRect = rect;
    CWnd::CalcWindowRect(clientRect, adjustType);
}

// The strip's window takes the whole rectangle; the MDI client keeps what the strip
// leaves of it.
void CUITabClientWnd::LayOutSingleStrip(CRect& rect) {
    CUITabWorkspace* workspace = m_workspaces.front();
    CWnd* carrier = workspace->GetCarrier();
    if (!carrier || !carrier->GetSafeHwnd()) return;
    carrier->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                          SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    CRect local(0, 0, rect.Width(), rect.Height());
    {
        CClientDC dc(carrier);
        m_paintManager->RepositionTabControl(workspace, &dc, local);
    }
    m_paintManager->AdjustClientRect(workspace, local);
    local.OffsetRect(rect.left, rect.top);
    rect = local;
    if (rect.bottom < rect.top || rect.right < rect.left) rect.SetRectEmpty();
    carrier->InvalidateRect(nullptr, FALSE);
}

// --- painting ---

void CUITabClientWnd::Paint(CDC* target) {
    CRect client;
    GetClientRect(&client);
    CUIBufferDC dc(target->m_hDC, client);
    if (m_groupsEnabled && !m_workspaces.empty()) {
        PaintGroups(&dc, client);
        return;
    }
    CUICommandBars* bars = GetCommandBars();
    CUICommandBarsTheme* theme = bars ? bars->GetPaintManager() : nullptr;
    dc.FillSolidRect(&client, theme ? theme->GetColor(AppWorkspaceColor) : ::GetSysColor(COLOR_APPWORKSPACE));
}

// --- messages ---

LRESULT CUITabClientWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_groupsEnabled) {
        BOOL handled = FALSE;
        LRESULT result = HandleGroupMessage(message, wParam, lParam, &handled);
        if (handled) return result;
    }
    switch (message) {
    case WM_MDIACTIVATE:
    case WM_MDIDESTROY: {
        LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        UpdateTabs();
        return result;
    }
    case WM_MDICREATE: {
        LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        if (m_groupsEnabled && result) StripNewChildFrame(reinterpret_cast<HWND>(result));
        UpdateTabs();
        return result;
    }
    case WM_SIZE: {
        LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        m_layoutDirty = TRUE;
        UpdateTabs();
        return result;
    }
    case WM_IDLEUPDATECMDUI:
        UpdateTabs();
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(m_hWnd, &paint);
        Paint(CDC::FromHandle(dc));
        ::EndPaint(m_hWnd, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    case WM_MOUSELEAVE:
        return 0;
    case WM_SYSCOLORCHANGE: {
        LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        m_paintManager->RefreshMetrics();
        Refresh(TRUE);
        return result;
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

BOOL CUITabClientWnd::PreTranslateMessage(MSG* msg) {
    if (m_groupsEnabled && msg->hwnd == m_hWnd && IsMousePress(msg->message) && m_frame &&
        m_frame->SendMessage(TabWorkspaceMouseNotify, msg->message, msg->lParam))
        return TRUE;
    return CWnd::PreTranslateMessage(msg);
}

INT_PTR CUITabClientWnd::OnToolHitTest(CPoint point, TOOLINFO* toolInfo) const {
    if (CUIMouseTrackHook::Get().IsTracking()) return -1;
    CUITabStripItem* item = HitTestTab(point);
    if (!item) return -1;
    return item->GetStrip()->PerformToolHitTest(const_cast<CUITabClientWnd*>(this), item, toolInfo);
}
