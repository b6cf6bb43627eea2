#include "platform/CFrameWnd.h"

#include "platform/CControlBar.h"
#include "platform/CDocument.h"
#include "platform/CView.h"
#include "platform/CWinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ACTIVATE()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_WM_ENTERIDLE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd() {
    if (CWinThread* thread = AfxGetThread())
        thread->AddFrame(this);
}

CFrameWnd::~CFrameWnd() {
    if (CWinThread* thread = AfxGetThread())
        thread->RemoveFrame(this);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass)
        cs.lpszClass = AFX_FRAME_OR_VIEW_CLASS;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                       LPCSTR menuName, DWORD exStyle, CCreateContext* context) {
    m_strTitle = windowName ? windowName : "";
    HMENU menu = nullptr;
    if (menuName) {
        menu = ::LoadMenuA(AfxGetResourceHandle(), menuName);
        if (!menu) {
            PostNcDestroy();
            return FALSE;
        }
    }
    HWND parentWnd = parent->GetSafeHwnd();
    int width = rect.right == 0 && rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
    int height = rect.bottom == 0 && rect.top == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
    if (!CreateEx(exStyle, className, m_strTitle, style, rect.left, rect.top, width, height, parentWnd, menu,
                  context)) {
        if (menu)
            ::DestroyMenu(menu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
    m_nIDHelp = resourceId;
    CString title = FirstLineOfString(resourceId);
    HICON icon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(resourceId));
    LPCSTR className = icon ? AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                                  reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), icon)
                            : nullptr;
    LPCSTR menuName = ::FindResourceA(AfxGetResourceHandle(), MAKEINTRESOURCEA(resourceId), RT_MENU)
                          ? MAKEINTRESOURCEA(resourceId)
                          : nullptr;
    if (!Create(className, title, style, rectDefault, parent, menuName, 0, context))
        return FALSE;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    m_hAccelTable = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(resourceId));
    if (!context)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT cs) {
    return OnCreateHelper(cs, static_cast<CCreateContext*>(cs->lpCreateParams));
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT cs, CCreateContext* context) {
    if (CWnd::OnCreate(cs) == -1)
        return -1;
    if (!OnCreateClient(cs, context))
        return -1;
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* context) {
    if (context && context->m_pNewViewClass)
        return CreateView(context, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* context, UINT id) { return AfxCreateView(this, context, id); }

CWnd* AfxCreateView(CWnd* parent, CCreateContext* context, UINT id) {
    CObject* object = context->m_pNewViewClass->CreateObject();
    CWnd* view = dynamic_cast<CWnd*>(object);
    if (!view) {
        delete object;
        return nullptr;
    }
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), parent, id, context))
        return nullptr;  // a failed creation has deleted the view (PostNcDestroy)
    return view;
}

void CFrameWnd::OnDestroy() {
    // The frame's own menu goes with the window; the shared default menu stays.
    HMENU menu = ::GetMenu(m_hWnd);
    if (menu && menu != m_hMenuDefault)
        ::SetMenu(m_hWnd, m_hMenuDefault);
    CWnd::OnDestroy();
}

void CFrameWnd::OnClose() {
    if (m_lpfnCloseProc && !m_lpfnCloseProc(this))
        return;
    CDocument* document = GetActiveDocument();
    if (document && !document->CanCloseFrame(this))
        return;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        if (!document && !app->SaveAllModified())
            return;
        app->CloseAllDocuments(FALSE);
        if (!m_hWnd)
            return;
        document = nullptr;
    }
    // The last frame of a document closes the document (which destroys the frame).
    if (document && document->m_bAutoDelete) {
        bool otherFrame = false;
        for (POSITION position = document->GetFirstViewPosition(); position;) {
            if (document->GetNextView(position)->GetParentFrame() != this) {
                otherFrame = true;
                break;
            }
        }
        if (!otherFrame) {
            document->OnCloseDocument();
            return;
        }
        document->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT type, int, int) {
    Default();
    if (type != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* oldWnd) {
    if (m_pViewActive)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(oldWnd);
}

void CFrameWnd::OnActivate(UINT state, CWnd* other, BOOL minimized) {
    CWnd::OnActivate(state, other, minimized);
    SyncFloatingActivation(state, other);
    if (CView* view = GetActiveView()) {
        if (state != WA_INACTIVE && !minimized)
            view->OnActivateView(TRUE, view, view);
        view->OnActivateFrame(state, this);
    }
}

void CFrameWnd::SetActiveView(CView* view, BOOL notify) {
    CView* old = m_pViewActive;
    if (view == old)
        return;
    m_pViewActive = nullptr;
    if (old)
        old->OnActivateView(FALSE, view, old);
    // The old view may have made another view active meanwhile; that one stays.
    if (m_pViewActive)
        return;
    m_pViewActive = view;
    if (view && notify)
        view->OnActivateView(TRUE, view, old);
}

CDocument* CFrameWnd::GetActiveDocument() {
    CView* view = GetActiveView();
    return view ? view->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument* document, BOOL makeVisible) {
    CView* view = nullptr;
    if (!GetActiveView()) {
        CWnd* pane = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pane && pane->IsKindOf(RUNTIME_CLASS(CView))) {
            view = static_cast<CView*>(pane);
            SetActiveView(view, FALSE);
        }
    }
    if (makeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        if (view)
            view->OnActivateFrame(WA_INACTIVE, this);
        int showCommand = -1;
        CWinApp* app = AfxGetApp();
        if (app && !app->m_pMainWnd) {
            showCommand = app->m_nCmdShow;
            app->m_nCmdShow = -1;
        }
        ActivateFrame(showCommand);
        if (view)
            view->OnActivateView(TRUE, view, view);
    }
    if (document)
        document->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int showCommand) {
    if (showCommand == -1)
        showCommand = IsIconic() ? SW_RESTORE : (IsWindowVisible() ? SW_SHOW : SW_SHOWNORMAL);
    ShowWindow(showCommand);
    BringWindowToTop();
}

void CFrameWnd::RecalcLayout(BOOL) {
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    RepositionBarsAround(0, 0xFFFF, GetLayoutLeftOver(), reposExtra, &m_rectBorder);
    m_bInRecalcLayout = FALSE;
}

HWND CFrameWnd::GetLayoutLeftOver() const {
    HWND leftOver = nullptr;
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::GetDlgCtrlID(child) == AFX_IDW_PANE_FIRST)
            leftOver = child;
    return leftOver;
}

void CFrameWnd::DelayUpdateFrameMenu(HMENU menuAlt) {
    m_hMenuAlt = menuAlt;
    m_nIdleFlags |= idleMenu;
}

// Idle time: the flagged layout, menu and title updates, then the control bars'
// command updates (the frame's children get the message as well).
LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
    if (m_nIdleFlags & idleLayout)
        RecalcLayout((m_nIdleFlags & idleNotify) != 0);
    if (m_nIdleFlags & idleMenu)
        OnUpdateFrameMenu(m_hMenuAlt);
    if (m_nIdleFlags & idleTitle)
        OnUpdateFrameTitle(TRUE);
    m_nIdleFlags = 0;
    return 0;
}

void CFrameWnd::OnUpdateFrameMenu(HMENU menuAlt) {
    if (!menuAlt) {
        CDocument* document = GetActiveDocument();
        if (document)
            menuAlt = document->GetDefaultMenu();
        if (!menuAlt)
            menuAlt = m_hMenuDefault;
    }
    if (menuAlt && ::GetMenu(m_hWnd) != menuAlt)
        ::SetMenu(m_hWnd, menuAlt);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL addToTitle) {
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* document = GetActiveDocument();
    UpdateFrameTitleForDocument(addToTitle && document ? static_cast<LPCSTR>(document->GetTitle()) : nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR documentName) {
    CString text;
    if (documentName && *documentName) {
        CString document = documentName;
        if (m_nWindow > 0) {
            CString number;
            number.Format(":%d", m_nWindow);
            document += number;
        }
        if (GetStyle() & FWS_PREFIXTITLE)
            text = document + " - " + m_strTitle;
        else
            text = m_strTitle + " - " + document;
    } else {
        text = m_strTitle;
    }
    CString current;
    GetWindowText(current);
    // The MDI frame window adds a maximised child's title after the text it was given:
    // that text, set before, is shown already. Each set repaints the caption.
    if (current == text || (text == m_strTitleSet && current.Left(text.GetLength()) == text))
        return;
    SetWindowText(text);
    m_strTitleSet = text;
}

HACCEL CFrameWnd::GetDefaultAccelerator() {
    CDocument* document = GetActiveDocument();
    if (document) {
        if (HACCEL accel = document->GetDefaultAccelerator())
            return accel;
    }
    return m_hAccelTable;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* msg) {
    if (CWnd::PreTranslateMessage(msg))
        return TRUE;
    if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
        HACCEL accel = GetDefaultAccelerator();
        return accel && ::TranslateAcceleratorA(m_hWnd, accel, msg);
    }
    return FALSE;
}

// Commands go to the active view (and through it its document) first, then to the
// frame, then to the application.
BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    CView* view = GetActiveView();
    if (view && view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// A popup of the frame's own menu bar: every item's state from the update handlers;
// items whose command nobody handles are disabled (with m_bAutoMenuEnable).
void CFrameWnd::OnInitMenuPopup(CMenu* menu, UINT, BOOL systemMenu) {
    if (systemMenu)
        return;
    CCmdUI state;
    state.m_pMenu = menu;
    state.m_nIndexMax = static_cast<UINT>(menu->GetMenuItemCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = menu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0)
            continue;  // separator
        if (state.m_nID == static_cast<UINT>(-1)) {
            // A popup: its first item stands for it.
            state.m_pSubMenu = menu->GetSubMenu(static_cast<int>(state.m_nIndex));
            if (!state.m_pSubMenu || (state.m_nID = state.m_pSubMenu->GetMenuItemID(0)) == 0 ||
                state.m_nID == static_cast<UINT>(-1))
                continue;
            state.DoUpdate(this, FALSE);
        } else {
            state.m_pSubMenu = nullptr;
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        }
        // The handler may have removed or added items.
        UINT count = static_cast<UINT>(menu->GetMenuItemCount());
        if (count < state.m_nIndexMax) {
            state.m_nIndex -= state.m_nIndexMax - count;
            while (state.m_nIndex < count && menu->GetMenuItemID(static_cast<int>(state.m_nIndex)) == state.m_nID)
                ++state.m_nIndex;
        }
        state.m_nIndexMax = count;
    }
}

void CFrameWnd::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
    if (flags == 0xFFFF && !menu) {
        m_nIDTracking = AFX_IDS_IDLEMESSAGE;  // the menu closed
    } else if (item == 0 || (flags & (MF_SEPARATOR | MF_POPUP))) {
        m_nIDTracking = 0;
    } else if (item >= 0xF000 && item < 0xF1F0) {
        m_nIDTracking = 0;  // system menu commands have no prompts here
    } else {
        m_nIDTracking = item;
    }
    if (m_nIDTracking != m_nIDLastMessage)
        SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
}

void CFrameWnd::OnEnterIdle(UINT reason, CWnd* who) {
    CWnd::OnEnterIdle(reason, who);
    if (reason == MSGF_MENU && m_nIDTracking != m_nIDLastMessage)
        SendMessage(WM_SETMESSAGESTRING, m_nIDTracking);
}

// wParam: a string id (its prompt); or lParam: the text itself.
LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
    UINT last = m_nIDLastMessage;
    m_nIDLastMessage = static_cast<UINT>(wParam);
    CWnd* statusBar = GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
    if (statusBar) {
        CString message;
        LPCSTR text = reinterpret_cast<LPCSTR>(lParam);
        if (!text && wParam) {
            GetMessageString(static_cast<UINT>(wParam), message);
            text = message;
        }
        statusBar->SetWindowText(text ? text : "");
    }
    return last;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam) {
    return SendMessage(WM_SETMESSAGESTRING, wParam ? wParam : AFX_IDS_IDLEMESSAGE, lParam);
}

// The prompt is the part of the command's string resource before its first newline
// (what follows is the tooltip).
void CFrameWnd::GetMessageString(UINT id, CString& message) const {
    message = FirstLineOfString(id);
}

CString CFrameWnd::FirstLineOfString(UINT id) {
    CString full;
    if (!full.LoadString(id))
        return CString();
    int newline = full.Find('\n');
    return newline >= 0 ? full.Left(newline) : full;
}

void CFrameWnd::SetMessageText(LPCSTR text) { SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(text)); }

void CFrameWnd::SetMessageText(UINT id) { SendMessage(WM_SETMESSAGESTRING, id); }

CControlBar* CFrameWnd::GetControlBar(UINT id) {
    CWnd* wnd = GetDescendantWindow(static_cast<int>(id), TRUE);
    return wnd && wnd->IsKindOf(RUNTIME_CLASS(CControlBar)) ? static_cast<CControlBar*>(wnd) : nullptr;
}

void CFrameWnd::ShowControlBar(CControlBar* bar, BOOL show, BOOL delay) {
    bar->SetWindowPos(nullptr, 0, 0, 0, 0,
                      SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    if (delay)
        DelayRecalcLayout();
    else
        RecalcLayout();
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* cmdUI) {
    CControlBar* bar = GetControlBar(cmdUI->m_nID);
    if (!bar) {
        cmdUI->ContinueRouting();
        return;
    }
    cmdUI->SetCheck((bar->GetStyle() & WS_VISIBLE) != 0);
}

// A key indicator shows while its key's toggle is on.
void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* cmdUI) {
    int key = cmdUI->m_nID == ID_INDICATOR_CAPS ? VK_CAPITAL : cmdUI->m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK : VK_SCROLL;
    cmdUI->Enable((::GetKeyState(key) & 1) != 0);
}

BOOL CFrameWnd::OnBarCheck(UINT id) {
    CControlBar* bar = GetControlBar(id);
    if (!bar)
        return FALSE;
    ShowControlBar(bar, (bar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    return TRUE;
}

namespace {

bool IsOwnedBy(HWND hwnd, HWND owner) {
    for (HWND next = ::GetWindow(hwnd, GW_OWNER); next; next = ::GetWindow(next, GW_OWNER)) {
        if (next == owner)
            return true;
    }
    return false;
}

// A floating window follows its owner frame's activation when it says so.
bool FollowsFrame(HWND hwnd, HWND frame) {
    return hwnd && IsOwnedBy(hwnd, frame) && ::SendMessageA(hwnd, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0;
}

void NotifyOwnedWindows(HWND frame, DWORD flags) {
    struct Notice {
        HWND frame;
        DWORD flags;
    } notice = {frame, flags};
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND hwnd, LPARAM lParam) -> BOOL {
        const Notice* notice = reinterpret_cast<const Notice*>(lParam);
        if (IsOwnedBy(hwnd, notice->frame))
            ::SendMessageA(hwnd, WM_FLOATSTATUS, notice->flags, 0);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&notice));
}

}  // namespace

void CFrameWnd::NotifyFloatingWindows(DWORD flags) { NotifyOwnedWindows(m_hWnd, flags); }

// The group is a top-level frame and the floating windows that follow it; this window
// is either. Activation moving within the group keeps every caption active; moving in
// or out of it shows the whole group active or inactive.
void CFrameWnd::SyncFloatingActivation(UINT state, CWnd* other) {
    if (GetStyle() & WS_CHILD)
        return;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    HWND leader = owner && FollowsFrame(m_hWnd, owner) ? owner : m_hWnd;
    HWND otherHwnd = other->GetSafeHwnd();
    if (otherHwnd == leader || FollowsFrame(otherHwnd, leader)) {
        if (state == WA_INACTIVE)
            DefWindowProc(WM_NCACTIVATE, TRUE, 0);
        return;
    }
    BOOL active = state != WA_INACTIVE;
    if (leader != m_hWnd)
        ::SendMessageA(leader, WM_NCACTIVATE, active, 0);
    NotifyOwnedWindows(leader, active ? FS_ACTIVATE : FS_DEACTIVATE);
}

// Every enabled top-level window of the thread that this frame owns (and the frame)
// is disabled until EndModalState.
void CFrameWnd::BeginModalState() {
    if (m_cModalStack++ > 0)
        return;
    HWND top = GetTopLevelParent()->m_hWnd;
    m_disabledForModal.clear();
    for (HWND hwnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hwnd; hwnd = ::GetWindow(hwnd, GW_HWNDNEXT)) {
        if (!::IsWindowEnabled(hwnd) || ::GetWindowThreadProcessId(hwnd, nullptr) != ::GetCurrentThreadId())
            continue;
        if (hwnd == top || ::GetWindow(hwnd, GW_OWNER) == top) {
            m_disabledForModal.push_back(hwnd);
            ::EnableWindow(hwnd, FALSE);
        }
    }
}

void CFrameWnd::EndModalState() {
    if (m_cModalStack == 0 || --m_cModalStack > 0)
        return;
    for (HWND hwnd : m_disabledForModal) {
        if (::IsWindow(hwnd))
            ::EnableWindow(hwnd, TRUE);
    }
    m_disabledForModal.clear();
}
