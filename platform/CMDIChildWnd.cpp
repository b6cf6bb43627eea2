#include "platform/CMDIChildWnd.h"

#include "platform/CDocTemplate.h"
#include "platform/CDocument.h"
#include "platform/CMDIFrameWnd.h"
#include "platform/CView.h"
#include "platform/CWinApp.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_MDIACTIVATE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass)
        cs.lpszClass = AFX_FRAME_OR_VIEW_CLASS;
    cs.style |= WS_CHILD;
    return TRUE;
}

BOOL IsInActiveMDIChild(const CWnd* window) {
    if (window == nullptr || window->GetSafeHwnd() == nullptr)
        return TRUE;
    for (CFrameWnd* frame = window->GetParentFrame(); frame != nullptr; frame = frame->GetParentFrame()) {
        if (auto* child = dynamic_cast<CMDIChildWnd*>(frame)) {
            CMDIFrameWnd* main = child->GetMDIFrame();
            return main == nullptr || main->MDIGetActive() == child;
        }
    }
    return TRUE;
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
    HWND client = ::GetParent(m_hWnd);
    CWnd* frame = CWnd::FromHandlePermanent(::GetParent(client));
    return frame && frame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ? static_cast<CMDIFrameWnd*>(frame) : nullptr;
}

// MDI children are made by the MDI client (WM_MDICREATE), always hidden at first; a
// visible style shows and activates the new child afterwards.
BOOL CMDIChildWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                          CMDIFrameWnd* parent, CCreateContext* context) {
    if (!parent) {
        CWnd* main = AfxGetMainWnd();
        if (!main || !main->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))) {
            PostNcDestroy();
            return FALSE;
        }
        parent = static_cast<CMDIFrameWnd*>(main);
    }
    CREATESTRUCTA cs = {};
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = style;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right == 0 && rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
    cs.cy = rect.bottom == 0 && rect.top == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
    cs.hwndParent = parent->m_hWnd;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = context;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    MDICREATESTRUCTA mcs = {};
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = cs.lpszName;
    mcs.hOwner = cs.hInstance;
    mcs.x = cs.x;
    mcs.y = cs.y;
    mcs.cx = cs.cx;
    mcs.cy = cs.cy;
    mcs.style = cs.style & ~(WS_MAXIMIZE | WS_VISIBLE);
    mcs.lParam = reinterpret_cast<LPARAM>(cs.lpCreateParams);
    m_strTitle = windowName ? windowName : "";
    HookWindowCreation();
    HWND hwnd = reinterpret_cast<HWND>(
        ::SendMessageA(parent->m_hWndMDIClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    if (!UnhookWindowCreation())
        PostNcDestroy();
    if (!hwnd)
        return FALSE;
    if (cs.style & WS_VISIBLE) {
        ::BringWindowToTop(hwnd);
        ShowWindow((cs.style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        parent->MDIActivate(this);
        ::SendMessageA(parent->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
    return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
    m_nIDHelp = resourceId;
    CString title = FirstLineOfString(resourceId);
    if (context && context->m_pNewDocTemplate) {
        if (auto* docTemplate = dynamic_cast<CMultiDocTemplate*>(context->m_pNewDocTemplate)) {
            m_hMenuShared = docTemplate->m_hMenuShared;
            m_hAccelTable = docTemplate->m_hAccelTable;
        }
    }
    CMDIFrameWnd* frame = parent && parent->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ? static_cast<CMDIFrameWnd*>(parent)
                                                                                  : nullptr;
    return Create(nullptr, title, style | WS_CHILD, rectDefault, frame, context);
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT cs) {
    MDICREATESTRUCTA* mcs = static_cast<MDICREATESTRUCTA*>(cs->lpCreateParams);
    return OnCreateHelper(cs, reinterpret_cast<CCreateContext*>(mcs->lParam));
}

// The MDI frame's title must not flash the child's name while the child goes.
BOOL CMDIChildWnd::DestroyWindow() {
    if (!m_hWnd)
        return FALSE;
    CMDIFrameWnd* frame = GetMDIFrame();
    HWND frameWnd = frame ? frame->m_hWnd : nullptr;
    LONG frameStyle = frameWnd ? ::GetWindowLongA(frameWnd, GWL_STYLE) : 0;
    if (frameWnd)
        ::SetWindowLongA(frameWnd, GWL_STYLE, frameStyle & ~FWS_ADDTOTITLE);
    MDIDestroy();
    if (frameWnd && ::IsWindow(frameWnd)) {
        ::SetWindowLongA(frameWnd, GWL_STYLE, frameStyle);
        frame->OnUpdateFrameTitle(TRUE);
    }
    return TRUE;
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

// Accelerators of a child are translated in the MDI frame's context.
BOOL CMDIChildWnd::PreTranslateMessage(MSG* msg) {
    if (CWnd::PreTranslateMessage(msg))
        return TRUE;
    if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
        HACCEL accel = GetDefaultAccelerator();
        CMDIFrameWnd* frame = GetMDIFrame();
        return accel && frame && ::TranslateAcceleratorA(frame->m_hWnd, accel, msg);
    }
    return FALSE;
}

HACCEL CMDIChildWnd::GetDefaultAccelerator() {
    CDocument* document = GetActiveDocument();
    if (document) {
        if (HACCEL accel = document->GetDefaultAccelerator())
            return accel;
    }
    return m_hAccelTable;
}

void CMDIChildWnd::ActivateFrame(int showCommand) {
    BOOL visible = IsWindowVisible();
    CMDIFrameWnd* frame = GetMDIFrame();
    if (showCommand == -1) {
        BOOL maximized = FALSE;
        CMDIChildWnd* active = frame ? frame->MDIGetActive(&maximized) : nullptr;
        showCommand = active && maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
        if (IsIconic())
            showCommand = SW_RESTORE;
    }
    if (!visible || showCommand != SW_SHOWNORMAL)
        ShowWindow(showCommand);
    if (frame)
        frame->MDIActivate(this);
    if (!visible && frame)
        ::SendMessageA(frame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
}

void CMDIChildWnd::OnMDIActivate(BOOL activate, CWnd* activated, CWnd*) {
    CView* view = GetActiveView();
    if (!activate && view)
        view->OnActivateView(FALSE, view, view);
    OnUpdateFrameTitle(activate || activated != nullptr);
    CMDIFrameWnd* frame = GetMDIFrame();
    if (activate && view && frame && ::GetActiveWindow() == frame->m_hWnd)
        view->OnActivateView(TRUE, view, view);
    OnUpdateFrameMenu(activate, activated, nullptr);
    if (frame)
        frame->DrawMenuBar();
}

// Active: the document's or the template's menu; the last child going away: the MDI
// frame's own menu again.
void CMDIChildWnd::OnUpdateFrameMenu(BOOL activate, CWnd* activated, HMENU menuAlt) {
    CMDIFrameWnd* frame = GetMDIFrame();
    if (!frame)
        return;
    if (!menuAlt && activate) {
        if (CDocument* document = GetActiveDocument())
            menuAlt = document->GetDefaultMenu();
    }
    if (!menuAlt)
        menuAlt = m_hMenuShared;
    if (menuAlt && activate) {
        frame->MDISetMenu(CMenu::FromHandle(menuAlt), CMenu::FromHandle(frame->GetWindowMenuPopup(menuAlt)));
    } else if (!activate && !activated && frame->m_hMenuDefault) {
        frame->MDISetMenu(CMenu::FromHandle(frame->m_hMenuDefault),
                          CMenu::FromHandle(frame->GetWindowMenuPopup(frame->m_hMenuDefault)));
    }
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL addToTitle) {
    if (CMDIFrameWnd* frame = GetMDIFrame())
        frame->OnUpdateFrameTitle(addToTitle);
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* document = GetActiveDocument();
    CString text = m_strTitle;
    if (addToTitle && document) {
        text = document->GetTitle();
        if (m_nWindow > 0) {
            CString number;
            number.Format(":%d", m_nWindow);
            text += number;
        }
    }
    CString current;
    GetWindowText(current);
    if (current != text)
        SetWindowText(text);
}

void CMDIChildWnd::OnSize(UINT type, int cx, int cy) {
    CFrameWnd::OnSize(type, cx, cy);
    if (CMDIFrameWnd* frame = GetMDIFrame())
        frame->OnUpdateFrameTitle(TRUE);
}
