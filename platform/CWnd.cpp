#include "platform/CWnd.h"

#include "platform/CCmdUI.h"
#include "platform/CDataExchange.h"
#include "platform/CDialog.h"
#include "platform/CFrameWnd.h"
#include "platform/CommonControls.h"
#include "platform/CUserException.h"
#include "platform/CHandleMap.h"
#include "platform/CWinThread.h"
#include "platform/MessageBox.h"
#include "platform/NullSafe.h"

#include <set>
#include <string>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
    ON_WM_CTLCOLOR()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_PARENTNOTIFY()
END_MESSAGE_MAP()

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace {

using WndHandleMap = CHandleMap<CWnd, HWND>;

WndHandleMap& WndMap() {
    static thread_local WndHandleMap map([](CWnd* wnd) { wnd->m_hWnd = nullptr; });
    return map;
}

CWnd* MakeTemporary(HWND hwnd) {
    CWnd* wnd = new CWnd;
    wnd->m_hWnd = hwnd;
    return wnd;
}

// The window whose control notifications are held back while UpdateData runs, so
// that filling the controls does not run the dialog's change handlers.
HWND& LockoutNotifyWindow() {
    static thread_local HWND hwnd = nullptr;
    return hwnd;
}

// The message each thread is handling, for Default and GetCurrentMessage.
MSG& CurrentMessage() {
    static thread_local MSG message = {};
    return message;
}

}  // namespace

// Window creation: a CBT hook, installed once per thread, hands the first window
// created after HookNext to the waiting object before the window sees any message,
// so that WM_NCCREATE and WM_CREATE already reach the object's message map.
class CWndCreation {
public:
    static void HookNext(CWnd* wnd) {
        if (!Hook())
            Hook() = ::SetWindowsHookExA(WH_CBT, CbtProc, nullptr, ::GetCurrentThreadId());
        Waiting() = wnd;
    }
    // FALSE when the window the object waited for was never created.
    static BOOL Unhook() {
        BOOL created = Waiting() == nullptr;
        Waiting() = nullptr;
        return created;
    }
    static void TakeOver(CWnd* wnd, HWND hwnd) {
        wnd->Attach(hwnd);
        wnd->PreSubclassWindow();
        WNDPROC previous = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
        if (previous != &AfxWndProc)
            wnd->m_pfnSuper = previous;
    }

private:
    static HHOOK& Hook() {
        static thread_local HHOOK hook = nullptr;
        return hook;
    }
    static CWnd*& Waiting() {
        static thread_local CWnd* wnd = nullptr;
        return wnd;
    }
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND && Waiting()) {
            CWnd* wnd = Waiting();
            Waiting() = nullptr;
            TakeOver(wnd, reinterpret_cast<HWND>(wParam));
        }
        return ::CallNextHookEx(Hook(), code, wParam, lParam);
    }
};

CWnd* AfxWndFromHandle(HWND hwnd) { return CWnd::FromHandle(hwnd); }

CDC* AfxDCFromHandle(HDC hdc) { return CDC::FromHandle(hdc); }

HINSTANCE AfxGetInstanceHandle() { return ::GetModuleHandleA(nullptr); }

HINSTANCE AfxGetResourceHandle() { return ::GetModuleHandleA(nullptr); }

UINT AfxCall::CtlColorType(UINT message) { return message - WM_CTLCOLORMSGBOX; }

namespace {

bool RegisterClassOnce(LPCSTR name, UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
    WNDCLASSA existing;
    if (::GetClassInfoA(AfxGetInstanceHandle(), name, &existing))
        return true;
    WNDCLASSA wc = {};
    wc.style = style;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name;
    return ::RegisterClassA(&wc) != 0;
}

// The framework's own classes; every one has DefWindowProc as its class procedure
// and gets the framework's procedure at creation.
void RegisterFrameworkClasses() {
    static bool registered = false;
    if (registered)
        return;
    HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    HICON icon = ::LoadIconA(nullptr, IDI_APPLICATION);
    RegisterClassOnce(AFX_WND_CLASS, CS_DBLCLKS, arrow, nullptr, nullptr);
    RegisterClassOnce(AFX_FRAME_OR_VIEW_CLASS, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, arrow,
                      reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), icon);
    RegisterClassOnce(AFX_CONTROL_BAR_CLASS, 0, arrow, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
    RegisterClassOnce(AFX_MDI_FRAME_CLASS, CS_DBLCLKS, arrow, nullptr, icon);
    RegisterClassOnce(AFX_WNDMINIFRAME, CS_DBLCLKS, arrow, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
    registered = true;
}

}  // namespace

LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
    static std::set<std::string> names;
    char name[96];
    wsprintfA(name, "Tx:%p:%x:%p:%p:%p", static_cast<void*>(AfxGetInstanceHandle()), classStyle,
              static_cast<void*>(cursor), static_cast<void*>(background), static_cast<void*>(icon));
    auto inserted = names.insert(name);
    RegisterClassOnce(inserted.first->c_str(), classStyle, cursor, background, icon);
    return inserted.first->c_str();
}

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_QUERYAFXWNDPROC)
        return 1;
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    if (!wnd)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    return AfxCallWndProc(wnd, hwnd, message, wParam, lParam);
}

CCurrentMessageScope::CCurrentMessageScope(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    : m_outer(CurrentMessage()) {
    MSG& current = CurrentMessage();
    current.hwnd = hwnd;
    current.message = message;
    current.wParam = wParam;
    current.lParam = lParam;
}

CCurrentMessageScope::~CCurrentMessageScope() { CurrentMessage() = m_outer; }

LRESULT AfxCallWndProc(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CCurrentMessageScope scope(hwnd, message, wParam, lParam);
    return wnd->WindowProc(message, wParam, lParam);
}

CWnd::~CWnd() {
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

HWND CWnd::GetSafeHwnd() const {
    const CWnd* self = AfxOpaquePointer(this);
    return self ? self->m_hWnd : nullptr;
}

CWnd* CWnd::FromHandle(HWND hwnd) { return WndMap().FromHandle(hwnd, MakeTemporary); }

CWnd* CWnd::FromHandlePermanent(HWND hwnd) { return hwnd ? WndMap().LookupPermanent(hwnd) : nullptr; }

void CWnd::DeleteTempMap() { CHandleMapBase::DeleteAllTemporaries(); }

BOOL CWnd::Attach(HWND hwnd) {
    if (!hwnd)
        return FALSE;
    WndMap().RemoveHandle(hwnd);
    m_hWnd = hwnd;
    WndMap().SetPermanent(hwnd, this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hwnd = m_hWnd;
    if (hwnd)
        WndMap().RemoveHandle(hwnd);
    m_hWnd = nullptr;
    return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (!hwnd || FromHandlePermanent(hwnd))
        return FALSE;
    CWndCreation::TakeOver(this, hwnd);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    HWND control = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return control && SubclassWindow(control);
}

HWND CWnd::UnsubclassWindow() {
    if (m_pfnSuper)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                  CCreateContext* context) {
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id, context);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id, LPVOID param) {
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId, LPVOID param) {
    RegisterFrameworkClasses();
    CREATESTRUCTA cs = {};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = style;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.hwndParent = parent;
    cs.hMenu = menuOrId;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = param;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    CWndCreation::HookNext(this);
    HWND hwnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!CWndCreation::Unhook())
        PostNcDestroy();  // the window was never made, so no WM_NCDESTROY will come
    return hwnd != nullptr;
}

void CWnd::HookWindowCreation() { CWndCreation::HookNext(this); }

BOOL CWnd::UnhookWindowCreation() { return CWndCreation::Unhook(); }

// A template may hold common controls of any class, so all that the program uses are
// registered first.
BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATEA dialogTemplate, CWnd* parent) {
    AfxEnsureCommonControls(ICC_WIN95_CLASSES | ICC_DATE_CLASSES);
    HookWindowCreation();
    HWND hwnd = ::CreateDialogIndirectParamA(AfxGetResourceHandle(), dialogTemplate, parent->GetSafeHwnd(),
                                             &AfxDlgProc, 0);
    if (!UnhookWindowCreation())
        PostNcDestroy();  // the window was never made, so no WM_NCDESTROY will come
    return hwnd != nullptr;
}

LPCDLGTEMPLATEA AfxLoadDialogTemplate(LPCSTR templateName) {
    HINSTANCE instance = AfxGetResourceHandle();
    HRSRC resource = ::FindResourceA(instance, templateName, RT_DIALOG);
    HGLOBAL loaded = resource ? ::LoadResource(instance, resource) : nullptr;
    return loaded ? static_cast<LPCDLGTEMPLATEA>(::LockResource(loaded)) : nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass)
        cs.lpszClass = AFX_WND_CLASS;
    return TRUE;
}

// The window may delete this object during ::DestroyWindow (PostNcDestroy), so no
// member is touched after it when the object owned the window.
BOOL CWnd::DestroyWindow() {
    if (!m_hWnd)
        return FALSE;
    bool owned = FromHandlePermanent(m_hWnd) == this;
    HWND hwnd = m_hWnd;
    BOOL destroyed = ::DestroyWindow(hwnd);
    if (!owned)
        Detach();
    return destroyed;
}

void CWnd::OnNcDestroy() {
    CWinThread* thread = AfxGetThread();
    if (thread && thread->m_pMainWnd == this) {
        // The end of the main window ends the thread's message loop.
        ::PostQuitMessage(0);
        thread->m_pMainWnd = nullptr;
    }
    if (thread && thread->m_pActiveWnd == this)
        thread->m_pActiveWnd = nullptr;
    Default();
    if (m_pfnSuper &&
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC)) == &AfxWndProc)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy();
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    LRESULT handlerResult = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        handlerResult = 1;
    } else if (message == WM_NOTIFY) {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        if (!header->hwndFrom || !OnNotify(wParam, lParam, &handlerResult))
            return FALSE;
    } else {
        const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0);
        if (!entry)
            return FALSE;
        AFX_MSGCALL call = {message, wParam, lParam, 0, nullptr};
        handlerResult = entry->pfn(this, call);
    }
    if (result)
        *result = handlerResult;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

// A menu or accelerator command (no control window) is carried out only when its
// update handlers leave it enabled; a control's notification goes to the control
// first (reflection).
BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    int code = HIWORD(wParam);
    if (!control) {
        if (id == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = id;
        OnCmdMsg(id, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        code = CN_COMMAND;
    } else {
        if (LockoutNotifyWindow() == m_hWnd)
            return TRUE;
        if (ReflectLastMsg(control))
            return TRUE;
        if (id == 0)
            return FALSE;
    }
    return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (ReflectLastMsg(header->hwndFrom, result))
        return TRUE;
    // Entries name the sending control's id: a tooltip's notification carries its
    // tool's id (often a window handle) in idFrom, and the tooltip's own id is 0.
    AFX_NOTIFY notify = {result, header};
    UINT id = static_cast<UINT>(::GetDlgCtrlID(header->hwndFrom));
    return OnCmdMsg(id, MAKELONG(header->code, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, result);
    case WM_COMMAND:
        if (CWnd::OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr)) {
            if (result)
                *result = 1;
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY: {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify = {result, header};
        return CWnd::OnCmdMsg(0, MAKELONG(header->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
            AFX_CTLCOLOR color = {m_hWnd, reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX};
            return CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&color), result);
        }
        return FALSE;
    }
}

const MSG* CWnd::GetCurrentMessage() { return &CurrentMessage(); }

BOOL CWnd::IsTopParentActive() const {
    HWND top = m_hWnd;
    while (HWND up = ::GetParent(top))
        top = up;
    return top != nullptr && ::GetLastActivePopup(top) == ::GetForegroundWindow();
}

LRESULT CWnd::Default() {
    const MSG& current = CurrentMessage();
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

BOOL CWnd::ReflectLastMsg(HWND child, LRESULT* result) {
    CWnd* wnd = FromHandlePermanent(child);
    return wnd && wnd->SendChildNotifyLastMsg(result);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* result) {
    const MSG& current = CurrentMessage();
    return OnChildNotify(current.message, current.wParam, current.lParam, result);
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* wnd, UINT) {
    LRESULT result;
    if (wnd && ReflectLastMsg(wnd->m_hWnd, &result))
        return reinterpret_cast<HBRUSH>(result);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT item) {
    if (item->CtlType == ODT_MENU) {
        if (CMenu* menu = CMenu::FromHandle(reinterpret_cast<HMENU>(item->hwndItem))) {
            menu->DrawItem(item);
            return;
        }
    } else if (ReflectLastMsg(item->hwndItem)) {
        return;
    }
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT item) {
    if (item->CtlType != ODT_MENU) {
        CWnd* control = GetDescendantWindow(static_cast<int>(item->CtlID), TRUE);
        if (control && control->SendChildNotifyLastMsg())
            return;
    }
    Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* scrollBar) {
    HWND control = reinterpret_cast<HWND>(CurrentMessage().lParam);
    if (scrollBar && ReflectLastMsg(control))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* scrollBar) {
    HWND control = reinterpret_cast<HWND>(CurrentMessage().lParam);
    if (scrollBar && ReflectLastMsg(control))
        return;
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam) {
    if (LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY)
        ReflectLastMsg(reinterpret_cast<HWND>(lParam));
    Default();
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

void CWnd::CalcWindowRect(LPRECT clientRect, UINT adjustType) {
    DWORD exStyle = GetExStyle();
    if (adjustType == adjustBorder)
        exStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(clientRect, GetStyle(), FALSE, exStyle);
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* toolInfo) const {
    HWND child = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE);
    if (!child || child == m_hWnd)
        return -1;
    INT_PTR id = ::GetDlgCtrlID(child);
    if (toolInfo) {
        toolInfo->hwnd = m_hWnd;
        toolInfo->uId = reinterpret_cast<UINT_PTR>(child);
        toolInfo->uFlags |= TTF_IDISHWND;
        toolInfo->lpszText = LPSTR_TEXTCALLBACKA;
    }
    return id;
}

// ---- Modal loop ----------------------------------------------------------------------

// Runs until EndModalLoop. While the queue is empty the window gets WM_KICKIDLE
// (wParam MSGF_DIALOGBOX, lParam the idle count) until it answers FALSE, so dialogs
// can update their controls as the main loop's idle pass does.
int CWnd::RunModalLoop(DWORD flags) {
    bool idle = true;
    LONG idleCount = 0;
    bool showIdle = (flags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    CWinThread* thread = AfxGetThread();
    MSG msg;
    while (true) {
        while (idle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (showIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                showIdle = false;
            }
            if (!(flags & MLF_NOKICKIDLE) && !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, idleCount++))
                idle = false;
            if (!ContinueModal())
                goto done;
            if (idle && (flags & MLF_NOKICKIDLE))
                idle = false;
        }
        do {
            if (!thread->PumpMessage()) {
                ::PostQuitMessage(0);
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            if (!ContinueModal())
                goto done;
            if (thread->IsIdleMessage(&msg)) {
                idle = true;
                idleCount = 0;
            }
        } while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
done:
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

BOOL CWnd::ContinueModal() { return (m_nFlags & WF_CONTINUEMODAL) != 0; }

void CWnd::EndModalLoop(int result) {
    m_nModalResult = result;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        ::PostMessageA(nullptr, WM_NULL, 0, 0);  // wakes the loop
    }
}

namespace {

// Only push buttons stand for commands; check boxes, radio buttons and other
// controls keep their state when no handler speaks for them.
bool IsPushButton(HWND control) {
    if (!(::SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
        return false;
    DWORD type = static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE)) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

}  // namespace

void CWnd::UpdateDialogControls(CCmdTarget* target, BOOL disableIfNoHandler) {
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        CCmdUI state;
        state.m_nID = static_cast<UINT>(::GetDlgCtrlID(child));
        state.m_pOther = FromHandle(child);
        if (CWnd::OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr))
            continue;
        state.DoUpdate(target, disableIfNoHandler && IsPushButton(child));
    }
}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    HWND outerLockout = LockoutNotifyWindow();
    LockoutNotifyWindow() = m_hWnd;
    BOOL ok = TRUE;
    try {
        DoDataExchange(&exchange);
    } catch (CUserException* error) {
        error->Delete();  // the user was told already
        ok = FALSE;
    }
    LockoutNotifyWindow() = outerLockout;
    return ok;
}

// ---- Styles, relations, geometry -----------------------------------------------------

namespace {

BOOL ModifyWindowLong(HWND hwnd, int index, DWORD remove, DWORD add, UINT swpFlags) {
    DWORD style = static_cast<DWORD>(::GetWindowLongA(hwnd, index));
    DWORD changed = (style & ~remove) | add;
    if (style == changed)
        return FALSE;
    ::SetWindowLongA(hwnd, index, static_cast<LONG>(changed));
    if (swpFlags)
        ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}

}  // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) {
    return ModifyWindowLong(m_hWnd, GWL_STYLE, remove, add, swpFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags) {
    return ModifyWindowLong(m_hWnd, GWL_EXSTYLE, remove, add, swpFlags);
}

CWnd* CWnd::GetOwner() const {
    if (m_hWndOwner)
        return FromHandle(m_hWndOwner);
    return GetParent();
}

CWnd* CWnd::GetDescendantWindow(int id, BOOL onlyPermanent) const {
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(child) == id) {
            CWnd* wnd = onlyPermanent ? FromHandlePermanent(child) : FromHandle(child);
            if (wnd)
                return wnd;
        }
    }
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        CWnd wrapper(child);
        if (CWnd* found = wrapper.GetDescendantWindow(id, onlyPermanent))
            return found;
    }
    return nullptr;
}

CFrameWnd* CWnd::GetParentFrame() const {
    for (CWnd* parent = GetParent(); parent; parent = parent->GetParent()) {
        if (parent->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(parent);
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const {
    CFrameWnd* frame = IsKindOf(RUNTIME_CLASS(CFrameWnd))
                           ? static_cast<CFrameWnd*>(const_cast<CWnd*>(this))
                           : GetParentFrame();
    while (frame) {
        CFrameWnd* outer = frame->GetParentFrame();
        if (!outer)
            break;
        frame = outer;
    }
    return frame;
}

CWnd* CWnd::GetTopLevelParent() const {
    HWND top = m_hWnd;
    while (HWND parent = ::GetParent(top)) {
        if (!(::GetWindowLongA(top, GWL_STYLE) & WS_CHILD))
            break;
        top = parent;
    }
    return FromHandle(top);
}

CWnd* CWnd::GetParentOwner() const {
    HWND hwnd = m_hWnd;
    while ((::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) && ::GetParent(hwnd))
        hwnd = ::GetParent(hwnd);
    return FromHandle(hwnd);
}

CWnd* CWnd::GetTopLevelOwner() const {
    HWND hwnd = m_hWnd;
    while (true) {
        bool child = (::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) != 0;
        HWND next = child ? ::GetParent(hwnd) : ::GetWindow(hwnd, GW_OWNER);
        if (!next)
            return FromHandle(hwnd);
        hwnd = next;
    }
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL deep, BOOL onlyPermanent) {
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (onlyPermanent) {
            if (CWnd* wnd = FromHandlePermanent(child))
                AfxCallWndProc(wnd, child, message, wParam, lParam);
        } else {
            ::SendMessageA(child, message, wParam, lParam);
        }
        if (deep && ::GetTopWindow(child)) {
            CWnd wrapper(child);
            wrapper.SendMessageToDescendants(message, wParam, lParam, deep, onlyPermanent);
        }
    }
}

CWnd* CWnd::GetSafeOwner(CWnd* parent, HWND* topLevel) {
    HWND owner = parent->GetSafeHwnd();
    if (!owner) {
        CWnd* main = AfxGetMainWnd();
        owner = main ? main->m_hWnd : nullptr;
    }
    while (owner && (::GetWindowLongA(owner, GWL_STYLE) & WS_CHILD))
        owner = ::GetParent(owner);
    HWND top = owner;
    while (top && ::GetParent(top))
        top = ::GetParent(top);
    if (topLevel)
        *topLevel = top;
    if (owner)
        owner = ::GetLastActivePopup(owner);
    return FromHandle(owner);
}

void CWnd::GetWindowText(CString& text) const {
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    ::GetWindowTextA(m_hWnd, &buffer[0], length + 1);
    text = buffer.c_str();
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->GetSafeHandle()), redraw);
}

CFont* CWnd::GetFont() const { return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT))); }

void CWnd::ClientToScreen(LPRECT rect) const { ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2); }

void CWnd::ScreenToClient(LPRECT rect) const { ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2); }

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const {
    placement->length = sizeof(WINDOWPLACEMENT);
    return ::GetWindowPlacement(m_hWnd, placement);
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
    HWND center = alternateOwner ? alternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    CRect area;
    if (GetStyle() & WS_CHILD) {
        ::GetClientRect(::GetParent(m_hWnd), &area);
        if (center)
            ::GetWindowRect(center, &area), ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<LPPOINT>(&area), 2);
    } else if (center && ::IsWindowVisible(center) && !::IsIconic(center)) {
        ::GetWindowRect(center, &area);
    } else {
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    }
    CRect window;
    GetWindowRect(&window);
    if (GetStyle() & WS_CHILD)
        ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<LPPOINT>(&window), 2);
    int x = area.left + (area.Width() - window.Width()) / 2;
    int y = area.top + (area.Height() - window.Height()) / 2;
    SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::RedrawWindow(LPCRECT rect, CRgn* region, UINT flags) {
    return ::RedrawWindow(m_hWnd, rect, region ? static_cast<HRGN>(*region) : nullptr, flags);
}

int CWnd::ReleaseDC(CDC* dc) {
    HDC hdc = dc->m_hDC;
    if (CDC::FromHandle(hdc) == dc && dc->m_hDC)
        dc->Detach();
    return ::ReleaseDC(m_hWnd, hdc);
}

CPoint CWnd::GetCaretPos() {
    CPoint point;
    ::GetCaretPos(&point);
    return point;
}

BOOL CWnd::SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw) {
    info->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, bar, info, redraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask) const {
    info->cbSize = sizeof(SCROLLINFO);
    info->fMask = mask;
    return ::GetScrollInfo(m_hWnd, bar, info);
}

int CWnd::GetScrollLimit(int bar) const {
    SCROLLINFO info = {};
    if (!GetScrollInfo(bar, &info, SIF_RANGE | SIF_PAGE))
        return 0;
    int limit = info.nMax - (info.nPage ? static_cast<int>(info.nPage) - 1 : 0);
    return limit > info.nMin ? limit : info.nMin;
}

int CWnd::ScrollWindowEx(int dx, int dy, LPCRECT scrollRect, LPCRECT clipRect, CRgn* updateRegion,
                         LPRECT updateRect, UINT flags) {
    return ::ScrollWindowEx(m_hWnd, dx, dy, scrollRect, clipRect,
                            updateRegion ? static_cast<HRGN>(*updateRegion) : nullptr, updateRect, flags);
}

int CWnd::GetDlgItemText(int id, CString& text) const {
    HWND control = ::GetDlgItem(m_hWnd, id);
    CWnd wrapper(control);
    wrapper.GetWindowText(text);
    return text.GetLength();
}

int CWnd::GetCheckedRadioButton(int first, int last) const {
    for (int id = first; id <= last; ++id) {
        if (::IsDlgButtonChecked(m_hWnd, id))
            return id;
    }
    return 0;
}

HICON CWnd::SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

HICON CWnd::GetIcon(BOOL big) const { return reinterpret_cast<HICON>(SendMessage(WM_GETICON, big ? ICON_BIG : ICON_SMALL)); }

void CWnd::DragAcceptFiles(BOOL accept) { ModifyStyleEx(accept ? 0 : WS_EX_ACCEPTFILES, accept ? WS_EX_ACCEPTFILES : 0); }

BOOL CWnd::EnableToolTips(BOOL enable) {
    BOOL wasEnabled = (m_nFlags & WF_TOOLTIPS) != 0;
    if (enable)
        m_nFlags |= WF_TOOLTIPS;
    else
        m_nFlags &= ~WF_TOOLTIPS;
    return wasEnabled;
}

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type) {
    return AfxShowMessageBox(m_hWnd, text, caption ? caption : AfxGetAppTitle(), type);
}

// ---- Control bar layout ----------------------------------------------------------------

void CWnd::RepositionBars(UINT first, UINT last, UINT leftOver, UINT flags, LPRECT param, LPCRECT clientRect,
                          BOOL stretch) {
    HWND leftOverWnd = nullptr;
    for (HWND child = ::GetTopWindow(m_hWnd); child && leftOver != 0; child = ::GetWindow(child, GW_HWNDNEXT))
        if (static_cast<UINT>(::GetDlgCtrlID(child)) == leftOver)
            leftOverWnd = child;
    RepositionBarsAround(first, last, leftOverWnd, flags, param, clientRect, stretch);
}

void CWnd::RepositionBarsAround(UINT first, UINT last, HWND leftOverWnd, UINT flags, LPRECT param,
                                LPCRECT clientRect, BOOL stretch) {
    AFX_SIZEPARENTPARAMS layout = {};
    layout.bStretch = stretch;
    if (clientRect)
        layout.rect = *clientRect;
    else
        GetClientRect(&layout.rect);
    bool query = (flags & ~reposNoPosLeftOver) == reposQuery;
    layout.hDWP = query ? nullptr : ::BeginDeferWindowPos(8);
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        UINT id = static_cast<UINT>(::GetDlgCtrlID(child));
        if (child != leftOverWnd && id >= first && id <= last && FromHandlePermanent(child))
            ::SendMessageA(child, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }
    if (query) {
        // The answer: the space left over, or with stretch off the size the bars need.
        if (stretch)
            ::CopyRect(param, &layout.rect);
        else
            ::SetRect(param, 0, 0, layout.sizeTotal.cx, layout.sizeTotal.cy);
        return;
    }
    if (leftOverWnd && !(flags & reposNoPosLeftOver)) {
        CRect rect = layout.rect;
        if ((flags & ~reposNoPosLeftOver) == reposExtra && param) {
            rect.left += param->left;
            rect.top += param->top;
            rect.right -= param->right;
            rect.bottom -= param->bottom;
        }
        // The window's own object when it has one, so that its override adjusts the rectangle.
        if (CWnd* owner = FromHandlePermanent(leftOverWnd)) {
            owner->CalcWindowRect(&rect);
        } else {
            CWnd wrapper(leftOverWnd);
            wrapper.CalcWindowRect(&rect);
        }
        AfxRepositionWindow(&layout, leftOverWnd, &rect);
    }
    if (layout.hDWP)
        ::EndDeferWindowPos(layout.hDWP);
}

void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* layout, HWND hwnd, LPCRECT rect) {
    HWND parent = ::GetParent(hwnd);
    CRect old;
    ::GetWindowRect(hwnd, &old);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<LPPOINT>(&old), 2);
    if (old == *rect)
        return;
    if (layout->hDWP)
        layout->hDWP = ::DeferWindowPos(layout->hDWP, hwnd, nullptr, rect->left, rect->top, rect->right - rect->left,
                                        rect->bottom - rect->top, SWP_NOACTIVATE | SWP_NOZORDER);
    else
        ::SetWindowPos(hwnd, nullptr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                       SWP_NOACTIVATE | SWP_NOZORDER);
}
