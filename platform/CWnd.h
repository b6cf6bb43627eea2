#pragma once

#include "platform/CCmdTarget.h"
#include "platform/CDC.h"
#include "platform/CMenu.h"
#include "platform/CRect.h"

#include <commctrl.h>

// The Windows headers make this a macro; here it is a member of CWnd.
#undef GetNextWindow

class CDataExchange;
class CFrameWnd;
class CScrollBar;
struct CCreateContext;

// Flags of CWnd::m_nFlags.
#define WF_TOOLTIPS 0x0001
#define WF_TEMPHIDE 0x0002
#define WF_STAYDISABLED 0x0004
#define WF_MODALLOOP 0x0008
#define WF_CONTINUEMODAL 0x0010

// Flags of RunModalLoop.
#define MLF_NOIDLEMSG 0x0001
#define MLF_NOKICKIDLE 0x0002
#define MLF_SHOWONIDLE 0x0004

// What WM_SIZEPARENT hands each control bar: the bar takes its room from rect (the
// parent's free client area, shrunk by every bar before it) and adds its position to
// hDWP; with hDWP null the layout is only measured and sizeTotal sums the bars' sizes.
struct AFX_SIZEPARENTPARAMS {
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};

// Moves a window to rect in its parent's coordinates, as part of the layout.
void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* layout, HWND hwnd, LPCRECT rect);

// The window framework's window. A CWnd that creates or subclasses a window owns it:
// the window's messages reach the object's virtual WindowProc, which looks them up in
// the class's message map (OnWndMsg) and passes the rest to the window's original
// procedure (DefWindowProc). Handlers call Default() to pass on the message being
// handled. The object forgets the window at WM_NCDESTROY and then calls PostNcDestroy,
// where frames and views delete themselves.
class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)

public:
    CWnd() = default;
    explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}  // a non-owning wrapper, not mapped
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    UINT m_nFlags = 0;

    // Insert-after values of SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const;  // null for a null object pointer
    bool operator==(const CWnd& other) const { return m_hWnd == other.m_hWnd; }
    bool operator!=(const CWnd& other) const { return m_hWnd != other.m_hWnd; }

    // The owner of a window, else a temporary wrapper (see CHandleMap).
    static CWnd* FromHandle(HWND hwnd);
    static CWnd* FromHandlePermanent(HWND hwnd);
    static void DeleteTempMap();
    BOOL Attach(HWND hwnd);
    HWND Detach();
    // Takes over an existing window: its messages reach this object from now on.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    // Creation. A null class name means the framework's plain window class.
    virtual BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                        CCreateContext* context = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU menuOrId, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();

    // Overridables.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PreSubclassWindow() {}
    virtual void PostNcDestroy() {}
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A parent passes a control's notification here first; TRUE ends it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL PreTranslateMessage(MSG* msg);
    enum AdjustType { adjustBorder = 0, adjustOutside = 1 };
    virtual void CalcWindowRect(LPRECT clientRect, UINT adjustType = adjustBorder);
    // The tool under a client point for tooltips: its id, or -1 for none.
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* toolInfo) const;
    virtual void DoDataExchange(CDataExchange*) {}

    // The message being handled and its default processing.
    static const MSG* GetCurrentMessage();
    // TRUE when the foreground window is the last active popup of the window reached
    // from this one by following parent-or-owner links to the end.
    BOOL IsTopParentActive() const;
    LRESULT Default();
    // Gives the message being handled to the child window it concerns.
    static BOOL ReflectLastMsg(HWND child, LRESULT* result = nullptr);
    BOOL SendChildNotifyLastMsg(LRESULT* result = nullptr);

    // Modal loops (dialogs, and windows that run one while they are shown).
    int RunModalLoop(DWORD flags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int result);

    // The state of each child control from the update handlers of its id, this
    // window's own first, then target's routing, as bars and menus are updated; with
    // disableIfNoHandler a push button whose command nobody handles is disabled.
    void UpdateDialogControls(CCmdTarget* target, BOOL disableIfNoHandler);

    // Data exchange with the controls: FALSE reads and validates, TRUE fills them.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Styles and ids.
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)); }
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    int SetDlgCtrlID(int id) { return static_cast<int>(::SetWindowLongPtrA(m_hWnd, GWLP_ID, id)); }

    // Relations.
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    CWnd* SetParent(CWnd* parent) { return FromHandle(::SetParent(m_hWnd, parent->GetSafeHwnd())); }
    CWnd* GetOwner() const;
    void SetOwner(CWnd* owner) { m_hWndOwner = owner->GetSafeHwnd(); }
    CWnd* GetWindow(UINT command) const { return FromHandle(::GetWindow(m_hWnd, command)); }
    CWnd* GetNextWindow(UINT command = GW_HWNDNEXT) const { return GetWindow(command); }
    CWnd* GetTopWindow() const { return FromHandle(::GetTopWindow(m_hWnd)); }
    CWnd* GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
    // The child or grandchild with the id (only windows with an owner object when asked).
    CWnd* GetDescendantWindow(int id, BOOL onlyPermanent = FALSE) const;
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetTopLevelOwner() const;
    CWnd* GetParentOwner() const;
    BOOL IsChild(const CWnd* wnd) const { return ::IsChild(m_hWnd, wnd->GetSafeHwnd()); }
    // Sends to every child (and deeper with deep); with onlyPermanent only to windows
    // with an owner object, whose WindowProc is called directly.
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL deep = TRUE,
                                  BOOL onlyPermanent = FALSE);
    static CWnd* GetSafeOwner(CWnd* parent = nullptr, HWND* topLevel = nullptr);

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendDlgItemMessageA(m_hWnd, id, message, wParam, lParam);
    }

    // Text and font.
    void SetWindowText(LPCSTR text) { ::SetWindowTextA(m_hWnd, text); }
    int GetWindowText(LPSTR text, int maxCount) const { return ::GetWindowTextA(m_hWnd, text, maxCount); }
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;

    // Size and position.
    void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
    void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
    void ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
    void ScreenToClient(LPRECT rect) const;
    void MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const {
        ::MapWindowPoints(m_hWnd, to->GetSafeHwnd(), points, count);
    }
    void MapWindowPoints(CWnd* to, LPRECT rect) const {
        ::MapWindowPoints(m_hWnd, to->GetSafeHwnd(), reinterpret_cast<LPPOINT>(rect), 2);
    }
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) {
        ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE) {
        MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
    }
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags) {
        return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, width, height, flags);
    }
    BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* placement) { return ::SetWindowPlacement(m_hWnd, placement); }
    void CenterWindow(CWnd* alternateOwner = nullptr);
    // Lays out the control bars with ids first..last through WM_SIZEPARENT and gives
    // the rest of the client area to the child leftOver (see CFrameWnd::RecalcLayout).
    enum RepositionFlags { reposDefault = 0, reposQuery = 1, reposExtra = 2, reposNoPosLeftOver = 0x8000 };
    void RepositionBars(UINT first, UINT last, UINT leftOver, UINT flags = reposDefault, LPRECT param = nullptr,
                        LPCRECT clientRect = nullptr, BOOL stretch = TRUE);
    // The same around a given window (null: none), whatever its id.
    void RepositionBarsAround(UINT first, UINT last, HWND leftOver, UINT flags = reposDefault,
                              LPRECT param = nullptr, LPCRECT clientRect = nullptr, BOOL stretch = TRUE);

    // State.
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }
    void SetRedraw(BOOL redraw = TRUE) { SendMessage(WM_SETREDRAW, redraw); }

    // Painting.
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
    void InvalidateRgn(CRgn* region, BOOL erase = TRUE) { ::InvalidateRgn(m_hWnd, *region, erase); }
    void ValidateRect(LPCRECT rect) { ::ValidateRect(m_hWnd, rect); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(LPCRECT rect = nullptr, CRgn* region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    BOOL LockWindowUpdate() { return ::LockWindowUpdate(m_hWnd); }
    void UnlockWindowUpdate() { ::LockWindowUpdate(nullptr); }
    BOOL GetUpdateRect(LPRECT rect, BOOL erase = FALSE) { return ::GetUpdateRect(m_hWnd, rect, erase); }
    CDC* GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
    CDC* GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
    int ReleaseDC(CDC* dc);

    // Focus, capture, activation.
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
    CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
    static CWnd* GetCapture() { return FromHandle(::GetCapture()); }
    static CWnd* GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
    CWnd* SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
    static CWnd* GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    void BringWindowToTop() { ::BringWindowToTop(m_hWnd); }
    static CWnd* GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }
    static CWnd* WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }
    CWnd* ChildWindowFromPoint(POINT point, UINT flags = CWP_ALL) const {
        return FromHandle(::ChildWindowFromPointEx(m_hWnd, point, flags));
    }

    // Timers.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr) {
        return ::SetTimer(m_hWnd, id, elapse, proc);
    }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

    // Caret.
    void CreateSolidCaret(int width, int height) { ::CreateCaret(m_hWnd, nullptr, width, height); }
    void CreateGrayCaret(int width, int height) { ::CreateCaret(m_hWnd, reinterpret_cast<HBITMAP>(1), width, height); }
    void CreateCaret(CBitmap* bitmap) { ::CreateCaret(m_hWnd, *bitmap, 0, 0); }
    void ShowCaret() { ::ShowCaret(m_hWnd); }
    void HideCaret() { ::HideCaret(m_hWnd); }
    static void SetCaretPos(POINT point) { ::SetCaretPos(point.x, point.y); }
    static CPoint GetCaretPos();

    // Scrolling.
    int SetScrollPos(int bar, int position, BOOL redraw = TRUE) { return ::SetScrollPos(m_hWnd, bar, position, redraw); }
    int GetScrollPos(int bar) const { return ::GetScrollPos(m_hWnd, bar); }
    void SetScrollRange(int bar, int minimum, int maximum, BOOL redraw = TRUE) {
        ::SetScrollRange(m_hWnd, bar, minimum, maximum, redraw);
    }
    void GetScrollRange(int bar, LPINT minimum, LPINT maximum) const { ::GetScrollRange(m_hWnd, bar, minimum, maximum); }
    BOOL SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask = SIF_ALL) const;
    int GetScrollLimit(int bar) const;
    void ScrollWindow(int dx, int dy, LPCRECT scrollRect = nullptr, LPCRECT clipRect = nullptr) {
        ::ScrollWindow(m_hWnd, dx, dy, scrollRect, clipRect);
    }
    int ScrollWindowEx(int dx, int dy, LPCRECT scrollRect, LPCRECT clipRect, CRgn* updateRegion, LPRECT updateRect,
                       UINT flags);
    void ShowScrollBar(UINT bar, BOOL show = TRUE) { ::ShowScrollBar(m_hWnd, bar, show); }
    BOOL EnableScrollBar(int bar, UINT arrows = ESB_ENABLE_BOTH) { return ::EnableScrollBar(m_hWnd, bar, arrows); }
    // Scroll bar controls in place of the window's own bars: none in this framework.
    virtual CScrollBar* GetScrollBarCtrl(int) const { return nullptr; }

    // Dialog controls.
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const {
        return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
    }
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE) { ::SetDlgItemInt(m_hWnd, id, value, isSigned); }
    int GetDlgItemText(int id, LPSTR text, int maxCount) const { return ::GetDlgItemTextA(m_hWnd, id, text, maxCount); }
    int GetDlgItemText(int id, CString& text) const;
    void SetDlgItemText(int id, LPCSTR text) { ::SetDlgItemTextA(m_hWnd, id, text); }
    void CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
    UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
    void CheckRadioButton(int first, int last, int checked) { ::CheckRadioButton(m_hWnd, first, last, checked); }
    int GetCheckedRadioButton(int first, int last) const;
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const {
        return FromHandle(::GetNextDlgTabItem(m_hWnd, control->GetSafeHwnd(), previous));
    }
    CWnd* GetNextDlgGroupItem(CWnd* control, BOOL previous = FALSE) const {
        return FromHandle(::GetNextDlgGroupItem(m_hWnd, control->GetSafeHwnd(), previous));
    }

    // Menus.
    CMenu* GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
    BOOL SetMenu(CMenu* menu) { return ::SetMenu(m_hWnd, menu->GetSafeHmenu()); }
    void DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
    CMenu* GetSystemMenu(BOOL revert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert)); }

    // Other.
    HICON SetIcon(HICON icon, BOOL big);
    HICON GetIcon(BOOL big) const;
    void DragAcceptFiles(BOOL accept = TRUE);
    BOOL OpenClipboard() { return ::OpenClipboard(m_hWnd); }
    // Tips from OnToolHitTest while the mouse is over the window (CToolTipTracker).
    BOOL EnableToolTips(BOOL enable = TRUE);
    // A message box owned by this window, through the framework's scriptable box.
    int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = MB_OK);

    // Default message handlers: each passes the message on (Default), except those
    // that first give a control's message back to the control.
protected:
    int OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
    BOOL OnNcCreate(LPCREATESTRUCT) { return static_cast<BOOL>(Default()); }
    void OnDestroy() { Default(); }
    void OnNcDestroy();
    void OnClose() { Default(); }
    void OnPaint() { Default(); }
    void OnNcPaint() { Default(); }
    BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
    void OnSize(UINT, int, int) { Default(); }
    void OnSizing(UINT, LPRECT) { Default(); }
    void OnMove(int, int) { Default(); }
    void OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
    void OnWindowPosChanging(WINDOWPOS*) { Default(); }
    void OnWindowPosChanged(WINDOWPOS*) { Default(); }
    void OnShowWindow(BOOL, UINT) { Default(); }
    void OnEnable(BOOL) { Default(); }
    void OnSetFocus(CWnd*) { Default(); }
    void OnKillFocus(CWnd*) { Default(); }
    void OnActivate(UINT, CWnd*, BOOL) { Default(); }
    void OnActivateApp(BOOL, DWORD) { Default(); }
    int OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
    void OnChildActivate() { Default(); }
    BOOL OnNcActivate(BOOL) { return static_cast<BOOL>(Default()); }
    void OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
    UINT OnNcHitTest(CPoint) { return static_cast<UINT>(Default()); }
    void OnTimer(UINT_PTR) { Default(); }
    void OnLButtonDown(UINT, CPoint) { Default(); }
    void OnLButtonUp(UINT, CPoint) { Default(); }
    void OnLButtonDblClk(UINT, CPoint) { Default(); }
    void OnRButtonDown(UINT, CPoint) { Default(); }
    void OnRButtonUp(UINT, CPoint) { Default(); }
    void OnRButtonDblClk(UINT, CPoint) { Default(); }
    void OnMButtonDown(UINT, CPoint) { Default(); }
    void OnMButtonUp(UINT, CPoint) { Default(); }
    void OnMouseMove(UINT, CPoint) { Default(); }
    BOOL OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
    void OnNcLButtonDown(UINT, CPoint) { Default(); }
    void OnNcLButtonUp(UINT, CPoint) { Default(); }
    void OnNcLButtonDblClk(UINT, CPoint) { Default(); }
    void OnNcMouseMove(UINT, CPoint) { Default(); }
    void OnKeyDown(UINT, UINT, UINT) { Default(); }
    void OnKeyUp(UINT, UINT, UINT) { Default(); }
    void OnChar(UINT, UINT, UINT) { Default(); }
    void OnSysKeyDown(UINT, UINT, UINT) { Default(); }
    void OnSysKeyUp(UINT, UINT, UINT) { Default(); }
    void OnSysChar(UINT, UINT, UINT) { Default(); }
    void OnHScroll(UINT, UINT, CScrollBar* scrollBar);
    void OnVScroll(UINT, UINT, CScrollBar* scrollBar);
    void OnContextMenu(CWnd*, CPoint) { Default(); }
    BOOL OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
    void OnCaptureChanged(CWnd*) { Default(); }
    void OnCancelMode() { Default(); }
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT type);
    void OnDrawItem(int id, LPDRAWITEMSTRUCT item);
    void OnMeasureItem(int id, LPMEASUREITEMSTRUCT item);
    void OnParentNotify(UINT message, LPARAM lParam);
    void OnSysColorChange() { Default(); }
    void OnSettingChange(UINT, LPCSTR) { Default(); }
    UINT OnGetDlgCode() { return static_cast<UINT>(Default()); }
    void OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
    void OnMenuSelect(UINT, UINT, HMENU) { Default(); }
    void OnEnterIdle(UINT, CWnd*) { Default(); }
    void OnSysCommand(UINT, LPARAM) { Default(); }
    void OnDropFiles(HDROP) { Default(); }
    BOOL OnHelpInfo(HELPINFO*) { return static_cast<BOOL>(Default()); }
    void OnMDIActivate(BOOL, CWnd*, CWnd*) { Default(); }

    // Makes the next window created on this thread this object's, for windows made
    // by other means than CreateEx (MDI children); Unhook answers FALSE when no
    // window was made meanwhile.
    void HookWindowCreation();
    static BOOL UnhookWindowCreation();
    // Makes this object's window from a dialog template (dialogs and form views). A
    // failed creation has called PostNcDestroy, as for CreateEx.
    BOOL CreateDlgIndirect(LPCDLGTEMPLATEA dialogTemplate, CWnd* parent);

    // The child-notification reflection that OnChildNotify does by default.
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    WNDPROC m_pfnSuper = nullptr;  // the window's procedure before this object took it
    HWND m_hWndOwner = nullptr;    // the owner set by SetOwner, if any
    int m_nModalResult = -1;

    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT AfxCallWndProc(CWnd*, HWND, UINT, WPARAM, LPARAM);
    friend class CWndCreation;

    DECLARE_MESSAGE_MAP()
};

// Makes a message the thread's current one (GetCurrentMessage, Default) for the
// lifetime of the object and puts the outer one back afterwards; for window
// procedures other than the framework's that call into window objects.
class CCurrentMessageScope {
public:
    CCurrentMessageScope(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    ~CCurrentMessageScope();
    CCurrentMessageScope(const CCurrentMessageScope&) = delete;
    CCurrentMessageScope& operator=(const CCurrentMessageScope&) = delete;

private:
    MSG m_outer;
};

// Calls a window's object for a message as its window procedure would.
LRESULT AfxCallWndProc(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers a window class of these styles (once) and returns its name.
LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                           HICON icon = nullptr);
// The framework's own window classes.
#define AFX_WND_CLASS "TxWnd"
#define AFX_FRAME_OR_VIEW_CLASS "TxFrameOrView"
#define AFX_CONTROL_BAR_CLASS "TxControlBar"
#define AFX_MDI_FRAME_CLASS "TxMDIFrame"
#define AFX_WNDMINIFRAME "TxMiniFrame"

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// A dialog template of the resources, or null.
LPCDLGTEMPLATEA AfxLoadDialogTemplate(LPCSTR templateName);

template <auto F>
LRESULT AfxCall::mdiactivate(CCmdTarget* t, AFX_MSGCALL& m) {
    auto* wnd = AfxHandlerTarget<void(BOOL, CWnd*, CWnd*), F>(t);
    HWND activated = reinterpret_cast<HWND>(m.lParam);
    (wnd->*F)(activated == wnd->m_hWnd, AfxWndFromHandle(activated), AfxWndFromHandle(reinterpret_cast<HWND>(m.wParam)));
    return 0;
}
