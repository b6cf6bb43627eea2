#include "platform/CMDIFrameWnd.h"
#include "platform/MessageMap.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/docking/tabs/UITabClientWnd.h"
#include "ui/docking/tabs/UITabTheme.h"
#include "ui/docking/tabs/UITabWorkspace.h"

BEGIN_MESSAGE_MAP(CUITabWorkspaceWnd, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CUITabWorkspaceWnd::~CUITabWorkspaceWnd() {
    if (m_hWnd) DestroyWindow();
}

BOOL CUITabWorkspaceWnd::CreateCarrier(CWnd* frame, BOOL toolTips) {
    LPCSTR windowClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW));
    if (!Create(windowClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), frame, 0))
        return FALSE;
    EnableToolTips(toolTips);
    return TRUE;
}

BOOL CUITabWorkspaceWnd::PreTranslateMessage(MSG* msg) {
    switch (msg->message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
        if (::SendMessageA(::GetParent(m_hWnd), TabWorkspaceMouseNotify, msg->message, msg->lParam)) return TRUE;
        break;
    default:
        break;
    }
    return CWnd::PreTranslateMessage(msg);
}

INT_PTR CUITabWorkspaceWnd::OnToolHitTest(CPoint point, TOOLINFO* toolInfo) const {
    return PerformToolHitTest(const_cast<CUITabWorkspaceWnd*>(this), HitTest(point.x, point.y), toolInfo);
}

void CUITabWorkspaceWnd::OnPaint() {
    CPaintDC paint(this);
    Paint(&paint, TRUE);
}

LRESULT CUITabWorkspaceWnd::OnPrintClient(WPARAM wParam, LPARAM) {
    Paint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), FALSE);
    return 0;
}

// The MDI client lies over the strip's content area; a paint leaves that part alone.
void CUITabWorkspaceWnd::Paint(CDC* target, BOOL excludeClient) {
    CRect client;
    GetClientRect(&client);
    CMDIFrameWnd* frame = GetClient()->GetFrame();
    if (excludeClient && frame && ::IsWindowVisible(frame->m_hWndMDIClient)) {
        CRect mdi;
        ::GetWindowRect(frame->m_hWndMDIClient, &mdi);
        ScreenToClient(&mdi);
        target->ExcludeClipRect(&mdi);
    }
    CUIBufferDC dc(target->m_hDC, client);
    GetPaintManager()->DrawTabControl(this, &dc, client);
}

void CUITabWorkspaceWnd::OnLButtonDown(UINT, CPoint point) {
    GetClient()->SetBusy(TRUE);
    PerformClick(this, point.x, point.y);
    GetClient()->SetBusy(FALSE);
}

void CUITabWorkspaceWnd::OnMouseMove(UINT, CPoint point) {
    PerformMouseMove(this, point.x, point.y);
    Default();
}

LRESULT CUITabWorkspaceWnd::OnMouseLeave(WPARAM, LPARAM) {
    PerformMouseMove(this, -1, -1);
    return 0;
}
