#include "platform/CToolTipTracker.h"

#include <cstdlib>
#include <cstring>

namespace {

bool IsMouseButton(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_RBUTTONDOWN ||
           message == WM_RBUTTONUP || message == WM_MBUTTONDOWN || message == WM_MBUTTONUP;
}

// Keys and clicks outside the client area hide a shown tip at once.
bool HidesTip(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_NCLBUTTONDOWN ||
           message == WM_NCRBUTTONDOWN || message == WM_NCMBUTTONDOWN;
}

// The nearest window from the message's window up to its top-level window that shows
// tooltips.
CWnd* ToolTipOwner(HWND hwnd) {
    for (; hwnd; hwnd = ::GetParent(hwnd)) {
        CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
        if (wnd && (wnd->m_nFlags & WF_TOOLTIPS))
            return wnd;
        if (!(::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return nullptr;
}

bool OwnsText(LPCSTR text) { return text && text != LPSTR_TEXTCALLBACKA && !IS_INTRESOURCE(text); }

// A hit test that names no window means the window asked; a tool without a
// rectangle covers that window.
void CompleteTool(TOOLINFOA& info, const CWnd* owner) {
    if (!info.hwnd)
        info.hwnd = owner->m_hWnd;
    if (!(info.uFlags & TTF_IDISHWND) && ::IsRectEmpty(&info.rect))
        ::GetClientRect(info.hwnd, &info.rect);
}

bool SameTool(const TOOLINFOA& a, const TOOLINFOA& b) {
    return a.hwnd == b.hwnd && a.uId == b.uId && ::EqualRect(&a.rect, &b.rect);
}

}  // namespace

LPSTR AfxAllocToolTipText(LPCSTR text) {
    size_t size = std::strlen(text) + 1;
    LPSTR copy = static_cast<LPSTR>(std::malloc(size));
    if (copy)
        std::memcpy(copy, text, size);
    return copy;
}

CToolTipTracker*& CToolTipTracker::Slot() {
    static thread_local CToolTipTracker* tracker = nullptr;
    return tracker;
}

CToolTipTracker* CToolTipTracker::Current() { return Slot(); }

// The control lives as long as its window, which goes with the top-level window
// that owns it; the next tooltip makes a new one.
void CToolTipTracker::PostNcDestroy() {
    if (Slot() == this)
        Slot() = nullptr;
    delete this;
}

CToolTipTracker* CToolTipTracker::For(CWnd* owner) {
    if (!Slot()) {
        auto* tracker = new CToolTipTracker;
        if (!tracker->Create(owner, TTS_ALWAYSTIP | TTS_NOPREFIX))
            return nullptr;  // a failed creation deleted the object
        Slot() = tracker;
    }
    return Slot();
}

void CToolTipTracker::FilterMessage(const MSG* msg) {
    if (msg->message == WM_MOUSEMOVE || msg->message == WM_NCMOUSEMOVE) {
        CWnd* owner = ToolTipOwner(msg->hwnd);
        if (owner) {
            if (CToolTipTracker* tracker = For(owner))
                tracker->Track(owner, msg);
        } else if (Slot()) {
            Slot()->ClearTool();
        }
    } else if (Slot() && IsMouseButton(msg->message)) {
        Slot()->Relay(msg);
    } else if (Slot() && HidesTip(msg->message)) {
        Slot()->Pop();
    }
}

void CToolTipTracker::Track(CWnd* owner, const MSG* msg) {
    CPoint point = msg->pt;
    owner->ScreenToClient(&point);
    TOOLINFOA info = {};
    info.cbSize = sizeof(info);
    INT_PTR hit = owner->OnToolHitTest(point, &info);
    CompleteTool(info, owner);
    if (hit == -1) {
        ClearTool();
    } else if (hit != m_hit || !SameTool(info, m_tool)) {
        SetTool(info, hit);
    }
    if (OwnsText(info.lpszText))
        std::free(info.lpszText);
    Relay(msg);
}

void CToolTipTracker::SetTool(const TOOLINFOA& info, INT_PTR hit) {
    ClearTool();
    m_tool = info;
    SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&m_tool));
    m_tool.lpszText = nullptr;  // the control keeps its own copy
    m_hit = hit;
    Activate(TRUE);
}

void CToolTipTracker::ClearTool() {
    if (m_hit == -1)
        return;
    Pop();
    SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&m_tool));
    m_hit = -1;
}

// The control sees the message as addressed to the tool's window, with the pointer
// in that window's client coordinates.
void CToolTipTracker::Relay(const MSG* msg) {
    if (m_hit == -1)
        return;
    MSG relayed = *msg;
    relayed.hwnd = (m_tool.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(m_tool.uId) : m_tool.hwnd;
    CPoint point = msg->pt;
    ::ScreenToClient(relayed.hwnd, &point);
    relayed.lParam = MAKELPARAM(point.x, point.y);
    if (relayed.message == WM_NCMOUSEMOVE)
        relayed.message = WM_MOUSEMOVE;
    RelayEvent(&relayed);
}
