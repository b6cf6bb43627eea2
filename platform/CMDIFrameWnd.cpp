#include "platform/CMDIFrameWnd.h"

#include "platform/CDocument.h"
#include "platform/CMDIChildWnd.h"
#include "platform/CView.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_COMMAND_EX(ID_WINDOW_ARRANGE, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_CASCADE, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

BOOL CMDIFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass)
        cs.lpszClass = AFX_MDI_FRAME_CLASS;
    return TRUE;
}

BOOL CMDIFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
    if (!CFrameWnd::LoadFrame(resourceId, style, parent, context))
        return FALSE;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    return TRUE;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT cs, CCreateContext*) {
    HMENU windowMenu = GetWindowMenuPopup(cs->hMenu);
    return CreateClient(cs, windowMenu ? CMenu::FromHandle(windowMenu) : nullptr);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu* windowMenu) {
    CLIENTCREATESTRUCT client = {};
    client.hWindowMenu = windowMenu->GetSafeHmenu();
    client.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL |
                  MDIS_ALLCHILDSTYLES;
    m_hWndMDIClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, style, 0, 0, 0, 0, m_hWnd,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)),
                                        AfxGetInstanceHandle(), &client);
    // Without children there is nothing to scroll to: the client would hide both bars at
    // its first scroll update, once the loop runs, each bar going away resizing it (and
    // laying out whatever follows its size). Hidden now, that costs nothing.
    if (m_hWndMDIClient)
        ::ShowScrollBar(m_hWndMDIClient, SB_BOTH, FALSE);
    return m_hWndMDIClient != nullptr;
}

// The frame's layout places the MDI client where the bars leave room. The system's frame
// procedure would first give the client the whole client area (a size it never keeps,
// and a second layout of whatever reacts to the client's size), so it does not see the
// message.
void CMDIFrameWnd::OnSize(UINT type, int, int) {
    if (type != SIZE_MINIMIZED)
        RecalcLayout();
}

void CMDIFrameWnd::OnDestroy() {
    // The client goes with the frame; the default menu is the frame's again.
    m_hWndMDIClient = nullptr;
    CFrameWnd::OnDestroy();
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU menuBar) {
    if (!menuBar)
        return nullptr;
    int count = ::GetMenuItemCount(menuBar);
    for (int i = count - 1; i >= 0; --i) {
        HMENU popup = ::GetSubMenu(menuBar, i);
        if (!popup)
            continue;
        int items = ::GetMenuItemCount(popup);
        for (int j = 0; j < items; ++j) {
            UINT id = ::GetMenuItemID(popup, j);
            if (id >= AFX_IDM_WINDOW_FIRST && id <= AFX_IDM_WINDOW_LAST)
                return popup;
        }
    }
    return nullptr;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* maximized) const {
    if (!m_hWndMDIClient) {
        if (maximized)
            *maximized = FALSE;
        return nullptr;
    }
    BOOL isMaximized = FALSE;
    HWND active = reinterpret_cast<HWND>(
        ::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&isMaximized)));
    if (maximized)
        *maximized = isMaximized;
    CWnd* child = CWnd::FromHandlePermanent(active);
    return child && child->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) ? static_cast<CMDIChildWnd*>(child) : nullptr;
}

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* frameMenu, CMenu* windowMenu) {
    HMENU previous = reinterpret_cast<HMENU>(::SendMessageA(m_hWndMDIClient, WM_MDISETMENU,
                                                            reinterpret_cast<WPARAM>(frameMenu->GetSafeHmenu()),
                                                            reinterpret_cast<LPARAM>(windowMenu->GetSafeHmenu())));
    return CMenu::FromHandle(previous);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame() {
    CMDIChildWnd* child = MDIGetActive();
    return child ? static_cast<CFrameWnd*>(child) : this;
}

// The active child (its view, its document, itself, the application) first, then
// this frame's own route.
BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    CMDIChildWnd* child = MDIGetActive();
    if (child && child->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// The window list entries of the window menu belong to the MDI client.
BOOL CMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CFrameWnd::OnCommand(wParam, lParam))
        return TRUE;
    UINT id = LOWORD(wParam);
    if (lParam == 0 && id >= AFX_IDM_FIRST_MDICHILD) {
        ::DefFrameProcA(m_hWnd, m_hWndMDIClient, WM_COMMAND, wParam, lParam);
        return TRUE;
    }
    return FALSE;
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* msg) {
    if (CWnd::PreTranslateMessage(msg))
        return TRUE;
    CMDIChildWnd* child = MDIGetActive();
    if (child && child->PreTranslateMessage(msg))
        return TRUE;
    if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
        if (m_hAccelTable && ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, msg))
            return TRUE;
        if ((msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) && m_hWndMDIClient &&
            ::TranslateMDISysAccel(m_hWndMDIClient, msg))
            return TRUE;
    }
    return FALSE;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL addToTitle) {
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CMDIChildWnd* child = MDIGetActive();
    CDocument* document = child && !(child->GetStyle() & WS_MAXIMIZE) ? child->GetActiveDocument() : nullptr;
    if (addToTitle && document) {
        UpdateFrameTitleForDocument(document->GetTitle());
        return;
    }
    // A maximised child's title shows already: the system's frame adds it to the text.
    CString childTitle;
    if (child && !(child->GetStyle() & WS_MAXIMIZE))
        childTitle = child->GetTitle();
    UpdateFrameTitleForDocument(childTitle.IsEmpty() ? nullptr : static_cast<LPCSTR>(childTitle));
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU menuAlt) {
    if (CMDIChildWnd* child = MDIGetActive()) {
        child->OnUpdateFrameMenu(TRUE, child, menuAlt);
        return;
    }
    HMENU menu = menuAlt ? menuAlt : m_hMenuDefault;
    if (menu)
        MDISetMenu(CMenu::FromHandle(menu), CMenu::FromHandle(GetWindowMenuPopup(menu)));
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT id) {
    switch (id) {
    case ID_WINDOW_ARRANGE:
        MDIIconArrange();
        return TRUE;
    case ID_WINDOW_CASCADE:
        MDICascade();
        return TRUE;
    case ID_WINDOW_TILE_HORZ:
        MDITile(MDITILE_HORIZONTAL);
        return TRUE;
    case ID_WINDOW_TILE_VERT:
        MDITile(MDITILE_VERTICAL);
        return TRUE;
    default:
        return FALSE;
    }
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* cmdUI) { cmdUI->Enable(MDIGetActive() != nullptr); }

HWND CMDIFrameWnd::GetLayoutLeftOver() const {
    if (m_hWndMDIClient && ::GetDlgCtrlID(m_hWndMDIClient) == AFX_IDW_PANE_FIRST)
        return m_hWndMDIClient;
    return CFrameWnd::GetLayoutLeftOver();
}
