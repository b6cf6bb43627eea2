#include "platform/CControlBar.h"

#include "platform/CFrameWnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_WM_WINDOWPOSCHANGED()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

BOOL CControlBar::CreateBar(LPCSTR className, DWORD style, CWnd* parent, UINT id) {
    m_dwStyle = style & CBRS_ALL;
    DWORD windowStyle = (style & ~CBRS_ALL) | WS_CHILD;
    return CreateEx(0, className ? className : AFX_CONTROL_BAR_CLASS, nullptr, windowStyle, CRect(0, 0, 0, 0), parent,
                    id);
}

// A bar that appears or goes away changes the room of the frame's view: the frame
// lays out again at the next idle pass.
int CControlBar::OnCreate(LPCREATESTRUCT cs) {
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    if (CFrameWnd* frame = GetParentFrame())
        frame->DelayRecalcLayout();
    return 0;
}

void CControlBar::OnWindowPosChanged(WINDOWPOS* position) {
    CWnd::OnWindowPosChanged(position);
    CFrameWnd* frame = GetParentFrame();
    if (frame && (position->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)))
        frame->DelayRecalcLayout();
}

void CControlBar::PostNcDestroy() {
    if (m_bAutoDelete)
        delete this;
}

// Without a size of its own a bar stretches along its edge and is 0 thick.
CSize CControlBar::CalcFixedLayout(BOOL stretch, BOOL horizontal) {
    return CSize(stretch && horizontal ? 32767 : 0, stretch && !horizontal ? 32767 : 0);
}

CSize CControlBar::CalcDynamicLayout(int, DWORD mode) {
    return CalcFixedLayout((mode & LM_STRETCH) != 0, (mode & LM_HORZ) != 0);
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
    AFX_SIZEPARENTPARAMS* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!(GetStyle() & WS_VISIBLE) || !(m_dwStyle & CBRS_ALIGN_ANY))
        return 0;
    CRect rect = layout->rect;
    CSize available = rect.Size();
    DWORD mode = layout->bStretch ? LM_STRETCH : 0;
    mode |= (m_dwStyle & CBRS_ORIENT_HORZ) ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK;
    CSize size = CalcDynamicLayout(-1, mode);
    size.cx = std::min(size.cx, available.cx);
    size.cy = std::min(size.cy, available.cy);
    if (m_dwStyle & CBRS_ORIENT_HORZ) {
        layout->sizeTotal.cy += size.cy;
        layout->sizeTotal.cx = std::max(layout->sizeTotal.cx, size.cx);
        if (m_dwStyle & CBRS_ALIGN_TOP) {
            layout->rect.top += size.cy;
        } else {
            rect.top = rect.bottom - size.cy;
            layout->rect.bottom -= size.cy;
        }
    } else {
        layout->sizeTotal.cx += size.cx;
        layout->sizeTotal.cy = std::max(layout->sizeTotal.cy, size.cy);
        if (m_dwStyle & CBRS_ALIGN_LEFT) {
            layout->rect.left += size.cx;
        } else {
            rect.left = rect.right - size.cx;
            layout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if (layout->hDWP)
        AfxRepositionWindow(layout, m_hWnd, &rect);
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CWnd* owner = GetOwner();
    CFrameWnd* target = owner && owner->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(owner)
                                                                            : GetParentFrame();
    if (target)
        OnUpdateCmdUI(target, static_cast<BOOL>(wParam));
    return 0;
}
