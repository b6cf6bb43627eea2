#include "platform/CMiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_WM_SYSCOMMAND()
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

// MFS_BLOCKSYSMENU shares its bit with WS_MAXIMIZEBOX, so the mini styles never
// reach the window.
BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
    m_dwMiniStyle = cs.style & (MFS_SYNCACTIVE | MFS_BLOCKSYSMENU);
    cs.style &= ~(MFS_SYNCACTIVE | MFS_BLOCKSYSMENU);
    if (!cs.lpszClass)
        cs.lpszClass = AFX_WNDMINIFRAME;
    if ((cs.style & WS_CAPTION) == WS_CAPTION && !(cs.style & WS_CHILD))
        cs.dwExStyle |= WS_EX_TOOLWINDOW;
    return TRUE;
}

// A synchronised mini frame belongs to its frame's activation group (see
// CFrameWnd::NotifyFloatingWindows) and shows the group's state in its caption.
LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM flags, LPARAM) {
    if (!(m_dwMiniStyle & MFS_SYNCACTIVE))
        return 0;
    if (flags & (FS_ACTIVATE | FS_DEACTIVATE))
        DefWindowProc(WM_NCACTIVATE, (flags & FS_ACTIVATE) != 0, 0);
    return TRUE;
}

void CMiniFrameWnd::OnSysCommand(UINT id, LPARAM lParam) {
    UINT command = id & 0xFFF0;
    if ((m_dwMiniStyle & MFS_BLOCKSYSMENU) && (command == SC_KEYMENU || command == SC_MOUSEMENU))
        return;
    CFrameWnd::OnSysCommand(id, lParam);
}

void CMiniFrameWnd::OnContextMenu(CWnd* wnd, CPoint point) {
    if (!(m_dwMiniStyle & MFS_BLOCKSYSMENU))
        CFrameWnd::OnContextMenu(wnd, point);
}
