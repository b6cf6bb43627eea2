#include "shell/controls/CTipTreeView.h"

#include <windowsx.h>

namespace {
// The tip shows after the pointer rested this long (the hide and re-show delays follow).
constexpr UINT TipDelayMs = 2000;
}  // namespace

void CTipTreeView::CreateTip() {
    if (!m_tip.Create(this, TTS_ALWAYSTIP)) return;
    m_tip.AddTool(this, LPSTR_TEXTCALLBACKA);
    m_tip.Activate(TRUE);
    m_tip.SetDelayTime(TipDelayMs);
}

HTREEITEM CTipTreeView::TipItemAt(CPoint point) const {
    HTREEITEM item = GetTreeCtrl().HitTest(point);
    CRect text;
    if (!TipTextOf(item) || !GetTreeCtrl().GetItemRect(item, &text, TRUE) || !text.PtInRect(point))
        return nullptr;
    return item;
}

BOOL CTipTreeView::FocusInPane() const {
    const HWND focus = ::GetFocus();
    const CWnd* pane = GetParent();
    const HWND paneWindow = pane ? pane->m_hWnd : m_hWnd;
    return focus && (focus == paneWindow || ::IsChild(paneWindow, focus));
}

BOOL CTipTreeView::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_MOUSEMOVE && msg->hwnd == m_hWnd) OnMouseOverTree(msg);
    return CTreeView::PreTranslateMessage(msg);
}

void CTipTreeView::OnMouseOverTree(MSG* msg) {
    if (!m_tip.m_hWnd) return;
    const CPoint point(GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam));
    if (TipItemAt(point) && FocusInPane()) {
        m_tip.RelayEvent(msg);
        m_tip.Update();
    } else {
        m_tip.Pop();
    }
}

BOOL CTipTreeView::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->hwndFrom != m_tip.m_hWnd || header->code != TTN_NEEDTEXTA)
        return CTreeView::OnNotify(wParam, lParam, result);
    auto* request = reinterpret_cast<NMTTDISPINFOA*>(header);
    request->szText[0] = '\0';
    request->lpszText = request->szText;
    const DWORD position = ::GetMessagePos();
    CPoint point(GET_X_LPARAM(position), GET_Y_LPARAM(position));
    ScreenToClient(&point);
    if (const char* tip = TipTextOf(GetTreeCtrl().HitTest(point))) {
        int room = static_cast<int>(sizeof(request->szText));
        lstrcpynA(request->szText, tip, (m_tipLength + 1 < room ? m_tipLength + 1 : room));
    }
    *result = 0;
    return TRUE;
}
