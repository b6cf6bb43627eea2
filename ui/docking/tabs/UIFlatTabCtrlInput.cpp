// The strip's mouse, keyboard, tooltip and scroll-bar handling.
#include "ui/docking/tabs/UIFlatTabCtrl.h"

#include "ui/commandbars/UIUISettings.h"

LRESULT CUIFlatTabCtrl::Notify(int code) {
    NMHDR header = {m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), static_cast<UINT>(code)};
    CWnd* target = GetOwner();
    if (!target) target = GetParent();
    return target ? target->SendMessage(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header)) : 0;
}

void CUIFlatTabCtrl::SelectByMouse(int index) {
    if (index == -1 || index == m_selected) return;
    if (Notify(TCN_SELCHANGING) != 0) return;
    SetCurSel(index);
    InvalidateTabs();
    Notify(TCN_SELCHANGE);
}

void CUIFlatTabCtrl::PressButton(int record) {
    Button& button = m_buttons[record];
    if (!button.enabled) return;
    button.pressed = TRUE;
    RedrawWindow(&button.rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    SetCapture();
}

void CUIFlatTabCtrl::OnLButtonDown(UINT flags, CPoint point) {
    if (m_splitterRect.PtInRect(point)) {
        TrackSplitter(TRUE);
        return;
    }
    int record = ButtonHitTest(&point);
    if (record >= 0) {
        PressButton(record);
        return;
    }
    SelectByMouse(HitTest(&point));
    Default();
}

void CUIFlatTabCtrl::OnLButtonDblClk(UINT flags, CPoint point) {
    int record = ButtonHitTest(&point);
    if (record >= 0) {
        PressButton(record);
        return;
    }
    Default();
}

// A pressed button's command runs wherever the mouse is released.
void CUIFlatTabCtrl::OnLButtonUp(UINT flags, CPoint point) {
    TrackSplitter(FALSE);
    for (Button& button : m_buttons) {
        if (!button.pressed || !button.enabled) continue;
        PostMessage(WM_COMMAND, button.command, 0);
        button.pressed = FALSE;
        RedrawWindow(&button.rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        ReleaseCapture();
        return;
    }
    Default();
}

void CUIFlatTabCtrl::OnMouseMove(UINT flags, CPoint point) {
    if (m_dragging) SetSplitterPos(point.x + m_grabOffset, FALSE);
    Default();
}

BOOL CUIFlatTabCtrl::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    if (m_dragging && ::GetCapture() != m_hWnd) m_dragging = FALSE;
    CPoint cursor;
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    if (m_dragging || m_splitterRect.PtInRect(cursor)) {
        ::SetCursor(GetUISettings()->hcurSplitLeftRight);
        return TRUE;
    }
    return static_cast<BOOL>(Default());
}

void CUIFlatTabCtrl::TrackSplitter(BOOL start) {
    if (start == m_dragging) return;
    m_dragging = start;
    if (start) {
        SetCapture();
        CPoint cursor;
        ::GetCursorPos(&cursor);
        ScreenToClient(&cursor);
        m_grabOffset = m_splitterPos - cursor.x;
        m_focusBeforeDrag = ::SetFocus(m_hWnd);
        return;
    }
    if (::GetCapture() == m_hWnd) ReleaseCapture();
    if (m_focusBeforeDrag && ::IsWindow(m_focusBeforeDrag)) ::SetFocus(m_focusBeforeDrag);
    m_focusBeforeDrag = nullptr;
}

BOOL CUIFlatTabCtrl::PreTranslateMessage(MSG* msg) {
    // Esc ends a splitter drag; otherwise it belongs to the sheet it was meant for.
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE && m_dragging) {
        TrackSplitter(FALSE);
        return TRUE;
    }
    if (m_tip.m_hWnd) {
        CPoint point(LOWORD(msg->lParam), HIWORD(msg->lParam));
        int tab = msg->message == WM_MOUSEMOVE && msg->hwnd == m_hWnd ? HitTest(&point) : -1;
        if (tab >= 0) {
            CString current;
            m_tip.GetText(current, this);
            if (current != m_items[tab]->tip) m_tip.UpdateTipText(m_items[tab]->tip, this);
            m_tip.RelayEvent(msg);
        } else {
            m_tip.Pop();
        }
    }
    return CWnd::PreTranslateMessage(msg);
}

CScrollBar* CUIFlatTabCtrl::GetScrollBarCtrl(int bar) const {
    if (bar == SB_HORZ && m_scrollBar.m_hWnd) return const_cast<CScrollBar*>(&m_scrollBar);
    return CWnd::GetScrollBarCtrl(bar);
}

BOOL CUIFlatTabCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    BOOL handled = CWnd::OnNotify(wParam, lParam, result);
    if (reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(HDN_ITEMCHANGEDA)) SyncScrollBar();
    return handled;
}

// The selected sheet's horizontal scrolling moves to the strip's own scroll bar.
void CUIFlatTabCtrl::SyncScrollBar() {
    if (!m_scrollBar.m_hWnd) return;
    CWnd* sheet = GetTabWindow(m_selected);
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    BOOL scrollable = FALSE;
    if (sheet && sheet->m_hWnd) {
        sheet->ShowScrollBar(SB_HORZ, FALSE);
        sheet->ModifyStyle(WS_HSCROLL, 0, SWP_FRAMECHANGED);
        scrollable = sheet->GetScrollInfo(SB_HORZ, &info, SIF_ALL) && info.nPage != 0 &&
                     info.nMin + static_cast<int>(info.nPage) < info.nMax;
    }
    if (scrollable) {
        m_scrollBar.EnableScrollBar(SB_CTL, ESB_ENABLE_BOTH);
        m_scrollBar.SetScrollInfo(&info, TRUE);
    } else {
        m_scrollBar.EnableScrollBar(SB_CTL, ESB_DISABLE_BOTH);
    }
}

void CUIFlatTabCtrl::OnHScroll(UINT code, UINT position, CScrollBar* bar) {
    CWnd* sheet = GetTabWindow(m_selected);
    if (!sheet || !sheet->m_hWnd) return;
    if (code == SB_THUMBPOSITION || code == SB_THUMBTRACK) {
        int current = sheet->GetScrollPos(SB_HORZ);
        if (static_cast<int>(position) != current)
            sheet->SendMessage(LVM_SCROLL, static_cast<WPARAM>(static_cast<int>(position) - current), 0);
    }
    CScrollBar* own = sheet->GetScrollBarCtrl(SB_HORZ);
    sheet->SendMessage(WM_HSCROLL, MAKEWPARAM(code, position),
                       reinterpret_cast<LPARAM>(own ? own->m_hWnd : nullptr));
    SyncScrollBar();
}
