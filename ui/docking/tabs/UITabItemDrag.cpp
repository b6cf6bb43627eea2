#include <vector>

#include "platform/CWnd.h"
#include "ui/docking/tabs/UITabStrip.h"
#include "ui/docking/tabs/UITabTheme.h"

namespace {
BOOL EndsDrag(const MSG& msg) {
    return msg.message == WM_CANCELMODE || msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONDOWN ||
           (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE);
}

BOOL IsKey(const MSG& msg) { return msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_CHAR; }
}  // namespace

void CUITabStripBase::TrackItemDrag(CWnd* wnd, int x, int y, CUITabStripItem* item) {
    CUITabItemReference dragged(item);
    CUITabStripItem* previous = m_selected;
    CUITabItemReference remembered(previous);
    m_selected = item;
    if (GetPaintManager()->hotTabs) m_hot = item;
    Reposition();

    CPoint point(x, y);
    RunItemDragLoop(wnd, point, item);
    PerformMouseMove(wnd, point.x, point.y);
    m_selected = IsItem(previous) ? previous : nullptr;
    if (IsItem(item)) OnItemClick(item);
}

UINT CUITabStripBase::RunItemDragLoop(CWnd* wnd, CPoint& point, CUITabStripItem* item) {
    CUITabItemReference dragged(item);
    std::vector<CRect> places;
    for (CUITabStripItem* each : m_items) places.push_back(each->rect);

    wnd->SetCapture();
    MSG msg = {};
    while (::GetMessageA(&msg, nullptr, 0, 0)) {
        if (::GetCapture() != wnd->GetSafeHwnd()) {
            ::DispatchMessageA(&msg);
            break;
        }
        if (EndsDrag(msg)) break;
        if (IsKey(msg)) continue;
        if (msg.message != WM_MOUSEMOVE) {
            ::DispatchMessageA(&msg);
            continue;
        }
        point = CPoint(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
        // The item may have left the strip while messages were dispatched.
        if (IsItem(item)) OnItemDragMove(wnd, point, item, places);
    }
    if (msg.message == WM_QUIT) ::PostQuitMessage(static_cast<int>(msg.wParam));
    if (::GetCapture() == wnd->GetSafeHwnd()) ::ReleaseCapture();
    return msg.message;
}

void CUITabStripBase::OnItemDragMove(CWnd*, CPoint point, CUITabStripItem* item, const std::vector<CRect>& places) {
    for (int i = 0; i < static_cast<int>(places.size()) && i < GetItemCount(); ++i) {
        if (i == item->index || !places[i].PtInRect(point)) continue;
        std::swap(m_items[item->index], m_items[i]);
        OnItemsChanged();
        return;
    }
}
