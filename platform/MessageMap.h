#pragma once

// Message maps: the tables by which a command target's class says which window
// messages, commands and notifications its member functions handle. A class declares
// its map with DECLARE_MESSAGE_MAP() and defines it in its source file between
// BEGIN_MESSAGE_MAP(Class, BaseClass) and END_MESSAGE_MAP(); a message not in the
// class's own table is looked up in the base class's table, and so on.
//
// Each entry holds a small generated function that calls the member function with the
// message's arguments unpacked; the entry macros check the handler's signature at
// compile time.

#include "platform/CPoint.h"

#include <type_traits>

class CCmdTarget;
class CCmdUI;
class CDC;
class CMenu;
class CScrollBar;
class CWnd;

// The framework's private window messages.
#define WM_QUERYAFXWNDPROC 0x0360
#define WM_SIZEPARENT 0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_INITIALUPDATE 0x0364
#define WM_COMMANDHELP 0x0365
#define WM_HELPHITTEST 0x0366
#define WM_EXITHELPMODE 0x0367
#define WM_RECALCPARENT 0x0368
#define WM_SIZECHILD 0x0369
#define WM_KICKIDLE 0x036A
#define WM_QUERYCENTERWND 0x036B
#define WM_DISABLEMODAL 0x036C
#define WM_FLOATSTATUS 0x036D
#define WM_ACTIVATETOPLEVEL 0x036E
#define WM_POPMESSAGESTRING 0x0375
// Messages a parent reflects back to the child control they concern: the child's map
// sees them as WM_REFLECT_BASE + message.
#define WM_REFLECT_BASE 0xBC00
// All WM_CTLCOLOR... messages reach a control as this one, reflected.
#define WM_CTLCOLOR 0x0019

// Command notification codes of OnCmdMsg.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI (static_cast<UINT>(-1))

// What OnCmdMsg hands a WM_NOTIFY handler.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// What a WM_CTLCOLOR handler gets when the message is reflected to the control.
struct AFX_CTLCOLOR {
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

// One message as an entry's handler sees it. For commands, nID and pExtra carry the
// command id and the CCmdUI or AFX_NOTIFY of the call.
struct AFX_MSGCALL {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;
    void* pExtra;
};

// Calls the entry's handler. For a window message the result is the message's result;
// for a command or notification it is TRUE when the handler took it (the handlers of
// the _EX entries may decline, so routing goes on).
typedef LRESULT (*AFX_PMSGCALL)(CCmdTarget* target, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message; 0 ends the table
    UINT nCode;     // notification code, CN_COMMAND or CN_UPDATE_COMMAND_UI
    UINT nID;       // first command or control id
    UINT nLastID;   // last id of the range
    AFX_PMSGCALL pfn;
    const UINT* pRegisteredMessage;  // for ON_REGISTERED_MESSAGE: the message's variable
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// What OnCmdMsg returns instead of calling the handler when only asked whether one
// exists (CCmdUI::DoUpdate asks so to disable commands nobody handles).
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    const AFX_MSGMAP_ENTRY* pEntry;
};

#define DECLARE_MESSAGE_MAP()                              \
protected:                                                 \
    static const AFX_MSGMAP* GetThisMessageMap();          \
    virtual const AFX_MSGMAP* GetMessageMap() const;       \
                                                           \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                              \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }      \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                     \
        typedef theClass ThisClass;                                                        \
        typedef baseClass TheBaseClass;                                                    \
        static const AFX_MSGMAP_ENTRY messageEntries[] = {

#define END_MESSAGE_MAP()                                                                  \
    {0, 0, 0, 0, nullptr, nullptr}                                                         \
    }                                                                                      \
    ;                                                                                      \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &messageEntries[0]}; \
    return &messageMap;                                                                    \
    }

// ---- Handler calls ---------------------------------------------------------------

template <class Member>
struct AfxMemberClass;
template <class Class, class Signature>
struct AfxMemberClass<Signature Class::*> {
    using type = Class;
};

// The target as the handler's class, after checking that the handler has the
// signature the entry needs.
template <class Signature, auto Handler>
inline auto* AfxHandlerTarget(CCmdTarget* target) {
    using Class = typename AfxMemberClass<decltype(Handler)>::type;
    static_assert(std::is_same_v<decltype(Handler), Signature Class::*>,
                  "the handler does not have the signature this message map entry needs");
    return static_cast<Class*>(target);
}

// Shorthand for the body of a handler call: H is the handler's signature.
#define AFX_CALL(H) (AfxHandlerTarget<H, F>(t)->*F)

CWnd* AfxWndFromHandle(HWND hwnd);
CDC* AfxDCFromHandle(HDC hdc);
CMenu* AfxMenuFromHandle(HMENU menu);

namespace AfxCall {

inline CPoint Point(LPARAM l) { return CPoint(l); }
inline HWND Hwnd(LPARAM l) { return reinterpret_cast<HWND>(l); }

template <auto F> LRESULT v(CCmdTarget* t, AFX_MSGCALL&) { AFX_CALL(void())(); return 0; }
template <auto F> LRESULT b_v(CCmdTarget* t, AFX_MSGCALL&) { return AFX_CALL(BOOL())(); }
template <auto F> LRESULT u_v(CCmdTarget* t, AFX_MSGCALL&) { return AFX_CALL(UINT())(); }
template <auto F> LRESULT b(CCmdTarget* t, AFX_MSGCALL& m) { AFX_CALL(void(BOOL))(static_cast<BOOL>(m.wParam)); return 0; }
template <auto F> LRESULT l_w_l(CCmdTarget* t, AFX_MSGCALL& m) { return AFX_CALL(LRESULT(WPARAM, LPARAM))(m.wParam, m.lParam); }
template <auto F> LRESULT v_w_l(CCmdTarget* t, AFX_MSGCALL& m) { AFX_CALL(void(WPARAM, LPARAM))(m.wParam, m.lParam); return 0; }
template <auto F> LRESULT create(CCmdTarget* t, AFX_MSGCALL& m) {
    return AFX_CALL(int(LPCREATESTRUCT))(reinterpret_cast<LPCREATESTRUCT>(m.lParam));
}
template <auto F> LRESULT nccreate(CCmdTarget* t, AFX_MSGCALL& m) {
    return AFX_CALL(BOOL(LPCREATESTRUCT))(reinterpret_cast<LPCREATESTRUCT>(m.lParam));
}
template <auto F> LRESULT size(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(UINT, int, int))(static_cast<UINT>(m.wParam), static_cast<short>(LOWORD(m.lParam)),
                                   static_cast<short>(HIWORD(m.lParam)));
    return 0;
}
template <auto F> LRESULT move(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(int, int))(static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam)));
    return 0;
}
template <auto F> LRESULT sizing(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(UINT, LPRECT))(static_cast<UINT>(m.wParam), reinterpret_cast<LPRECT>(m.lParam));
    return TRUE;
}
template <auto F> LRESULT mouse(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(UINT, CPoint))(static_cast<UINT>(m.wParam), Point(m.lParam));
    return 0;
}
template <auto F> LRESULT wheel(CCmdTarget* t, AFX_MSGCALL& m) {
    return AFX_CALL(BOOL(UINT, short, CPoint))(LOWORD(m.wParam), static_cast<short>(HIWORD(m.wParam)),
                                               Point(m.lParam));
}
template <auto F> LRESULT key(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(UINT, UINT, UINT))(static_cast<UINT>(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam));
    return 0;
}
template <auto F> LRESULT scroll_reflect(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(UINT, UINT))(LOWORD(m.wParam), HIWORD(m.wParam));
    return 0;
}
template <auto F> LRESULT scroll(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(UINT, UINT, CScrollBar*))(LOWORD(m.wParam), HIWORD(m.wParam),
                                            reinterpret_cast<CScrollBar*>(AfxWndFromHandle(Hwnd(m.lParam))));
    return 0;
}
template <auto F> LRESULT wnd_w(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(CWnd*))(AfxWndFromHandle(reinterpret_cast<HWND>(m.wParam)));
    return 0;
}
template <auto F> LRESULT wnd_l(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(CWnd*))(AfxWndFromHandle(Hwnd(m.lParam)));
    return 0;
}
template <auto F> LRESULT timer(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(UINT_PTR))(static_cast<UINT_PTR>(m.wParam));
    return 0;
}
template <auto F> LRESULT erase(CCmdTarget* t, AFX_MSGCALL& m) {
    return AFX_CALL(BOOL(CDC*))(AfxDCFromHandle(reinterpret_cast<HDC>(m.wParam)));
}
template <auto F> LRESULT context(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(CWnd*, CPoint))(AfxWndFromHandle(reinterpret_cast<HWND>(m.wParam)), Point(m.lParam));
    return 0;
}
template <auto F> LRESULT setcursor(CCmdTarget* t, AFX_MSGCALL& m) {
    return AFX_CALL(BOOL(CWnd*, UINT, UINT))(AfxWndFromHandle(reinterpret_cast<HWND>(m.wParam)),
                                             LOWORD(m.lParam), HIWORD(m.lParam));
}
UINT CtlColorType(UINT message);
template <auto F> LRESULT ctlcolor(CCmdTarget* t, AFX_MSGCALL& m) {
    return reinterpret_cast<LRESULT>(AFX_CALL(HBRUSH(CDC*, CWnd*, UINT))(
        AfxDCFromHandle(reinterpret_cast<HDC>(m.wParam)), AfxWndFromHandle(Hwnd(m.lParam)),
        CtlColorType(m.message)));
}
template <auto F> LRESULT ctlcolor_reflect(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CTLCOLOR* color = reinterpret_cast<AFX_CTLCOLOR*>(m.lParam);
    return reinterpret_cast<LRESULT>(AFX_CALL(HBRUSH(CDC*, UINT))(AfxDCFromHandle(color->hDC), color->nCtlType));
}
template <auto F> LRESULT drawitem(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(int, LPDRAWITEMSTRUCT))(static_cast<int>(m.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(m.lParam));
    return TRUE;
}
template <auto F> LRESULT measureitem(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(int, LPMEASUREITEMSTRUCT))(static_cast<int>(m.wParam),
                                             reinterpret_cast<LPMEASUREITEMSTRUCT>(m.lParam));
    return TRUE;
}
template <auto F> LRESULT minmax(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(MINMAXINFO*))(reinterpret_cast<MINMAXINFO*>(m.lParam));
    return 0;
}
template <auto F> LRESULT nccalcsize(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(BOOL, NCCALCSIZE_PARAMS*))(static_cast<BOOL>(m.wParam),
                                             reinterpret_cast<NCCALCSIZE_PARAMS*>(m.lParam));
    return 0;
}
template <auto F> LRESULT nchittest(CCmdTarget* t, AFX_MSGCALL& m) { return AFX_CALL(UINT(CPoint))(Point(m.lParam)); }
template <auto F> LRESULT ncactivate(CCmdTarget* t, AFX_MSGCALL& m) {
    return AFX_CALL(BOOL(BOOL))(static_cast<BOOL>(m.wParam));
}
template <auto F> LRESULT activate(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(UINT, CWnd*, BOOL))(LOWORD(m.wParam), AfxWndFromHandle(Hwnd(m.lParam)), HIWORD(m.wParam) != 0);
    return 0;
}
template <auto F> LRESULT activateapp(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(BOOL, DWORD))(static_cast<BOOL>(m.wParam), static_cast<DWORD>(m.lParam));
    return 0;
}
template <auto F> LRESULT mouseactivate(CCmdTarget* t, AFX_MSGCALL& m) {
    return AFX_CALL(int(CWnd*, UINT, UINT))(AfxWndFromHandle(reinterpret_cast<HWND>(m.wParam)), LOWORD(m.lParam),
                                            HIWORD(m.lParam));
}
template <auto F> LRESULT showwindow(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(BOOL, UINT))(static_cast<BOOL>(m.wParam), static_cast<UINT>(m.lParam));
    return 0;
}
template <auto F> LRESULT windowpos(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(WINDOWPOS*))(reinterpret_cast<WINDOWPOS*>(m.lParam));
    return 0;
}
template <auto F> LRESULT settingchange(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(UINT, LPCSTR))(static_cast<UINT>(m.wParam), reinterpret_cast<LPCSTR>(m.lParam));
    return 0;
}
template <auto F> LRESULT initmenupopup(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(CMenu*, UINT, BOOL))(AfxMenuFromHandle(reinterpret_cast<HMENU>(m.wParam)), LOWORD(m.lParam),
                                       HIWORD(m.lParam) != 0);
    return 0;
}
template <auto F> LRESULT menuselect(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(UINT, UINT, HMENU))(LOWORD(m.wParam), HIWORD(m.wParam), reinterpret_cast<HMENU>(m.lParam));
    return 0;
}
template <auto F> LRESULT enteridle(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(UINT, CWnd*))(static_cast<UINT>(m.wParam), AfxWndFromHandle(Hwnd(m.lParam)));
    return 0;
}
template <auto F> LRESULT syscommand(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(UINT, LPARAM))(static_cast<UINT>(m.wParam), m.lParam);
    return 0;
}
template <auto F> LRESULT dropfiles(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(HDROP))(reinterpret_cast<HDROP>(m.wParam));
    return 0;
}
// Defined with CWnd: it needs the target's window.
template <auto F> LRESULT mdiactivate(CCmdTarget* t, AFX_MSGCALL& m);
template <auto F> LRESULT helpinfo(CCmdTarget* t, AFX_MSGCALL& m) {
    return AFX_CALL(BOOL(HELPINFO*))(reinterpret_cast<HELPINFO*>(m.lParam));
}
template <auto F> LRESULT parentnotify(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(UINT, LPARAM))(static_cast<UINT>(m.wParam), m.lParam);
    return 0;
}
template <auto F> LRESULT getdlgcode(CCmdTarget* t, AFX_MSGCALL&) { return AFX_CALL(UINT())(); }

// Commands and notifications.
template <auto F> LRESULT cmd(CCmdTarget* t, AFX_MSGCALL&) { AFX_CALL(void())(); return TRUE; }
template <auto F> LRESULT cmd_ex(CCmdTarget* t, AFX_MSGCALL& m) { return AFX_CALL(BOOL(UINT))(m.nID); }
template <auto F> LRESULT cmd_range(CCmdTarget* t, AFX_MSGCALL& m) { AFX_CALL(void(UINT))(m.nID); return TRUE; }
template <auto F> LRESULT reflect_ex(CCmdTarget* t, AFX_MSGCALL&) { return AFX_CALL(BOOL())(); }
LRESULT UpdateCmdUI(CCmdUI* cmdUI, void (*call)(CCmdTarget*, CCmdUI*), CCmdTarget* target);
template <auto F> LRESULT cmdui(CCmdTarget* t, AFX_MSGCALL& m) {
    return UpdateCmdUI(static_cast<CCmdUI*>(m.pExtra), [](CCmdTarget* target, CCmdUI* cmdUI) {
        (AfxHandlerTarget<void(CCmdUI*), F>(target)->*F)(cmdUI);
    }, t);
}
template <auto F> LRESULT cmdui_range(CCmdTarget* t, AFX_MSGCALL& m) { return cmdui<F>(t, m); }
inline AFX_NOTIFY* Notify(AFX_MSGCALL& m) { return static_cast<AFX_NOTIFY*>(m.pExtra); }
template <auto F> LRESULT notify(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(NMHDR*, LRESULT*))(Notify(m)->pNMHDR, Notify(m)->pResult);
    return TRUE;
}
template <auto F> LRESULT notify_ex(CCmdTarget* t, AFX_MSGCALL& m) {
    return AFX_CALL(BOOL(UINT, NMHDR*, LRESULT*))(m.nID, Notify(m)->pNMHDR, Notify(m)->pResult);
}
template <auto F> LRESULT notify_range(CCmdTarget* t, AFX_MSGCALL& m) {
    AFX_CALL(void(UINT, NMHDR*, LRESULT*))(m.nID, Notify(m)->pNMHDR, Notify(m)->pResult);
    return TRUE;
}
template <auto F> LRESULT notify_reflect_ex(CCmdTarget* t, AFX_MSGCALL& m) {
    return AFX_CALL(BOOL(NMHDR*, LRESULT*))(Notify(m)->pNMHDR, Notify(m)->pResult);
}

}  // namespace AfxCall

#define AFX_MSG_ENTRY(message, call, handler) {message, 0, 0, 0, &AfxCall::call<&ThisClass::handler>, nullptr},

// ---- Window messages ----------------------------------------------------------------

#define ON_MESSAGE(message, handler) AFX_MSG_ENTRY(message, l_w_l, handler)
#define ON_MESSAGE_VOID(message, handler) AFX_MSG_ENTRY(message, v, handler)
#define ON_REGISTERED_MESSAGE(messageVariable, handler) \
    {0xC000, 0, 0, 0, &AfxCall::l_w_l<&ThisClass::handler>, &messageVariable},
#define ON_THREAD_MESSAGE(message, handler) AFX_MSG_ENTRY(message, v_w_l, handler)
#define ON_REGISTERED_THREAD_MESSAGE(messageVariable, handler) \
    {0xC000, 0, 0, 0, &AfxCall::v_w_l<&ThisClass::handler>, &messageVariable},

#define ON_WM_CREATE() AFX_MSG_ENTRY(WM_CREATE, create, OnCreate)
#define ON_WM_NCCREATE() AFX_MSG_ENTRY(WM_NCCREATE, nccreate, OnNcCreate)
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, v, OnDestroy)
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, v, OnNcDestroy)
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, v, OnClose)
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, v, OnPaint)
#define ON_WM_NCPAINT() AFX_MSG_ENTRY(WM_NCPAINT, v, OnNcPaint)
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY(WM_ERASEBKGND, erase, OnEraseBkgnd)
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, size, OnSize)
#define ON_WM_SIZING() AFX_MSG_ENTRY(WM_SIZING, sizing, OnSizing)
#define ON_WM_MOVE() AFX_MSG_ENTRY(WM_MOVE, move, OnMove)
#define ON_WM_GETMINMAXINFO() AFX_MSG_ENTRY(WM_GETMINMAXINFO, minmax, OnGetMinMaxInfo)
#define ON_WM_WINDOWPOSCHANGING() AFX_MSG_ENTRY(WM_WINDOWPOSCHANGING, windowpos, OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() AFX_MSG_ENTRY(WM_WINDOWPOSCHANGED, windowpos, OnWindowPosChanged)
#define ON_WM_SHOWWINDOW() AFX_MSG_ENTRY(WM_SHOWWINDOW, showwindow, OnShowWindow)
#define ON_WM_ENABLE() AFX_MSG_ENTRY(WM_ENABLE, b, OnEnable)
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, wnd_w, OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, wnd_w, OnKillFocus)
#define ON_WM_ACTIVATE() AFX_MSG_ENTRY(WM_ACTIVATE, activate, OnActivate)
#define ON_WM_ACTIVATEAPP() AFX_MSG_ENTRY(WM_ACTIVATEAPP, activateapp, OnActivateApp)
#define ON_WM_MOUSEACTIVATE() AFX_MSG_ENTRY(WM_MOUSEACTIVATE, mouseactivate, OnMouseActivate)
#define ON_WM_CHILDACTIVATE() AFX_MSG_ENTRY(WM_CHILDACTIVATE, v, OnChildActivate)
#define ON_WM_NCACTIVATE() AFX_MSG_ENTRY(WM_NCACTIVATE, ncactivate, OnNcActivate)
#define ON_WM_NCCALCSIZE() AFX_MSG_ENTRY(WM_NCCALCSIZE, nccalcsize, OnNcCalcSize)
#define ON_WM_NCHITTEST() AFX_MSG_ENTRY(WM_NCHITTEST, nchittest, OnNcHitTest)
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, timer, OnTimer)
#define ON_WM_LBUTTONDOWN() AFX_MSG_ENTRY(WM_LBUTTONDOWN, mouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MSG_ENTRY(WM_LBUTTONUP, mouse, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MSG_ENTRY(WM_LBUTTONDBLCLK, mouse, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MSG_ENTRY(WM_RBUTTONDOWN, mouse, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MSG_ENTRY(WM_RBUTTONUP, mouse, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_MSG_ENTRY(WM_RBUTTONDBLCLK, mouse, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_MSG_ENTRY(WM_MBUTTONDOWN, mouse, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_MSG_ENTRY(WM_MBUTTONUP, mouse, OnMButtonUp)
#define ON_WM_MOUSEMOVE() AFX_MSG_ENTRY(WM_MOUSEMOVE, mouse, OnMouseMove)
#define ON_WM_MOUSEWHEEL() AFX_MSG_ENTRY(WM_MOUSEWHEEL, wheel, OnMouseWheel)
#define ON_WM_NCLBUTTONDOWN() AFX_MSG_ENTRY(WM_NCLBUTTONDOWN, mouse, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_MSG_ENTRY(WM_NCLBUTTONUP, mouse, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_MSG_ENTRY(WM_NCLBUTTONDBLCLK, mouse, OnNcLButtonDblClk)
#define ON_WM_NCMOUSEMOVE() AFX_MSG_ENTRY(WM_NCMOUSEMOVE, mouse, OnNcMouseMove)
#define ON_WM_KEYDOWN() AFX_MSG_ENTRY(WM_KEYDOWN, key, OnKeyDown)
#define ON_WM_KEYUP() AFX_MSG_ENTRY(WM_KEYUP, key, OnKeyUp)
#define ON_WM_CHAR() AFX_MSG_ENTRY(WM_CHAR, key, OnChar)
#define ON_WM_SYSKEYDOWN() AFX_MSG_ENTRY(WM_SYSKEYDOWN, key, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_MSG_ENTRY(WM_SYSKEYUP, key, OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_MSG_ENTRY(WM_SYSCHAR, key, OnSysChar)
#define ON_WM_HSCROLL() AFX_MSG_ENTRY(WM_HSCROLL, scroll, OnHScroll)
#define ON_WM_VSCROLL() AFX_MSG_ENTRY(WM_VSCROLL, scroll, OnVScroll)
#define ON_WM_HSCROLL_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, scroll_reflect, HScroll)
#define ON_WM_VSCROLL_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, scroll_reflect, VScroll)
#define ON_WM_CONTEXTMENU() AFX_MSG_ENTRY(WM_CONTEXTMENU, context, OnContextMenu)
#define ON_WM_SETCURSOR() AFX_MSG_ENTRY(WM_SETCURSOR, setcursor, OnSetCursor)
#define ON_WM_CAPTURECHANGED() AFX_MSG_ENTRY(WM_CAPTURECHANGED, wnd_l, OnCaptureChanged)
#define ON_WM_CANCELMODE() AFX_MSG_ENTRY(WM_CANCELMODE, v, OnCancelMode)
#define ON_WM_CTLCOLOR() \
    AFX_MSG_ENTRY(WM_CTLCOLORMSGBOX, ctlcolor, OnCtlColor) AFX_MSG_ENTRY(WM_CTLCOLOREDIT, ctlcolor, OnCtlColor) \
    AFX_MSG_ENTRY(WM_CTLCOLORLISTBOX, ctlcolor, OnCtlColor) AFX_MSG_ENTRY(WM_CTLCOLORBTN, ctlcolor, OnCtlColor) \
    AFX_MSG_ENTRY(WM_CTLCOLORDLG, ctlcolor, OnCtlColor) AFX_MSG_ENTRY(WM_CTLCOLORSCROLLBAR, ctlcolor, OnCtlColor) \
    AFX_MSG_ENTRY(WM_CTLCOLORSTATIC, ctlcolor, OnCtlColor)
#define ON_WM_CTLCOLOR_REFLECT() AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, ctlcolor_reflect, CtlColor)
#define ON_WM_DRAWITEM() AFX_MSG_ENTRY(WM_DRAWITEM, drawitem, OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_MSG_ENTRY(WM_MEASUREITEM, measureitem, OnMeasureItem)
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, v, OnSysColorChange)
#define ON_WM_SETTINGCHANGE() AFX_MSG_ENTRY(WM_SETTINGCHANGE, settingchange, OnSettingChange)
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, getdlgcode, OnGetDlgCode)
#define ON_WM_INITMENUPOPUP() AFX_MSG_ENTRY(WM_INITMENUPOPUP, initmenupopup, OnInitMenuPopup)
#define ON_WM_MENUSELECT() AFX_MSG_ENTRY(WM_MENUSELECT, menuselect, OnMenuSelect)
#define ON_WM_ENTERIDLE() AFX_MSG_ENTRY(WM_ENTERIDLE, enteridle, OnEnterIdle)
#define ON_WM_SYSCOMMAND() AFX_MSG_ENTRY(WM_SYSCOMMAND, syscommand, OnSysCommand)
#define ON_WM_DROPFILES() AFX_MSG_ENTRY(WM_DROPFILES, dropfiles, OnDropFiles)
#define ON_WM_HELPINFO() AFX_MSG_ENTRY(WM_HELPINFO, helpinfo, OnHelpInfo)
#define ON_WM_PARENTNOTIFY() AFX_MSG_ENTRY(WM_PARENTNOTIFY, parentnotify, OnParentNotify)
#define ON_WM_MDIACTIVATE() AFX_MSG_ENTRY(WM_MDIACTIVATE, mdiactivate, OnMDIActivate)

// ---- Commands and control notifications -----------------------------------------------

#define AFX_CMD_ENTRY(message, code, first, last, call, handler) \
    {message, static_cast<UINT>(code), static_cast<UINT>(first), static_cast<UINT>(last),  \
     &AfxCall::call<&ThisClass::handler>, nullptr},

#define ON_COMMAND(id, handler) AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, cmd, handler)
#define ON_COMMAND_EX(id, handler) AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, cmd_ex, handler)
#define ON_COMMAND_RANGE(first, last, handler) AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, first, last, cmd_range, handler)
#define ON_COMMAND_EX_RANGE(first, last, handler) AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, first, last, cmd_ex, handler)
#define ON_UPDATE_COMMAND_UI(id, handler) AFX_CMD_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, cmdui, handler)
#define ON_UPDATE_COMMAND_UI_RANGE(first, last, handler) \
    AFX_CMD_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, first, last, cmdui_range, handler)
#define ON_CONTROL(code, id, handler) AFX_CMD_ENTRY(WM_COMMAND, code, id, id, cmd, handler)
#define ON_CONTROL_RANGE(code, first, last, handler) AFX_CMD_ENTRY(WM_COMMAND, code, first, last, cmd_range, handler)
#define ON_CONTROL_REFLECT(code, handler) AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, cmd, handler)
#define ON_CONTROL_REFLECT_EX(code, handler) \
    AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, reflect_ex, handler)
#define ON_NOTIFY(code, id, handler) AFX_CMD_ENTRY(WM_NOTIFY, static_cast<WORD>(code), id, id, notify, handler)
#define ON_NOTIFY_EX(code, id, handler) AFX_CMD_ENTRY(WM_NOTIFY, static_cast<WORD>(code), id, id, notify_ex, handler)
#define ON_NOTIFY_RANGE(code, first, last, handler) \
    AFX_CMD_ENTRY(WM_NOTIFY, static_cast<WORD>(code), first, last, notify_range, handler)
#define ON_NOTIFY_EX_RANGE(code, first, last, handler) \
    AFX_CMD_ENTRY(WM_NOTIFY, static_cast<WORD>(code), first, last, notify_ex, handler)
#define ON_NOTIFY_REFLECT(code, handler) \
    AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, static_cast<WORD>(code), 0, 0, notify, handler)
#define ON_NOTIFY_REFLECT_EX(code, handler) \
    AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, static_cast<WORD>(code), 0, 0, notify_reflect_ex, handler)

#define ON_BN_CLICKED(id, handler) ON_CONTROL(BN_CLICKED, id, handler)
#define ON_BN_DOUBLECLICKED(id, handler) ON_CONTROL(BN_DOUBLECLICKED, id, handler)
#define ON_EN_CHANGE(id, handler) ON_CONTROL(EN_CHANGE, id, handler)
#define ON_EN_UPDATE(id, handler) ON_CONTROL(EN_UPDATE, id, handler)
#define ON_EN_SETFOCUS(id, handler) ON_CONTROL(EN_SETFOCUS, id, handler)
#define ON_EN_KILLFOCUS(id, handler) ON_CONTROL(EN_KILLFOCUS, id, handler)
#define ON_EN_MAXTEXT(id, handler) ON_CONTROL(EN_MAXTEXT, id, handler)
#define ON_CBN_SELCHANGE(id, handler) ON_CONTROL(CBN_SELCHANGE, id, handler)
#define ON_CBN_EDITCHANGE(id, handler) ON_CONTROL(CBN_EDITCHANGE, id, handler)
#define ON_CBN_EDITUPDATE(id, handler) ON_CONTROL(CBN_EDITUPDATE, id, handler)
#define ON_CBN_DROPDOWN(id, handler) ON_CONTROL(CBN_DROPDOWN, id, handler)
#define ON_CBN_CLOSEUP(id, handler) ON_CONTROL(CBN_CLOSEUP, id, handler)
#define ON_CBN_SELENDOK(id, handler) ON_CONTROL(CBN_SELENDOK, id, handler)
#define ON_CBN_SETFOCUS(id, handler) ON_CONTROL(CBN_SETFOCUS, id, handler)
#define ON_CBN_KILLFOCUS(id, handler) ON_CONTROL(CBN_KILLFOCUS, id, handler)
#define ON_LBN_SELCHANGE(id, handler) ON_CONTROL(LBN_SELCHANGE, id, handler)
#define ON_LBN_DBLCLK(id, handler) ON_CONTROL(LBN_DBLCLK, id, handler)
#define ON_LBN_SETFOCUS(id, handler) ON_CONTROL(LBN_SETFOCUS, id, handler)
#define ON_LBN_KILLFOCUS(id, handler) ON_CONTROL(LBN_KILLFOCUS, id, handler)
#define ON_STN_CLICKED(id, handler) ON_CONTROL(STN_CLICKED, id, handler)
#define ON_STN_DBLCLK(id, handler) ON_CONTROL(STN_DBLCLK, id, handler)
