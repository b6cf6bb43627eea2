#pragma once

#include "platform/CWnd.h"

// The common tooltip control. A tool is named by a window and an id: id 0 makes the
// window itself the tool (its whole area, TTF_IDISHWND); another id names a rectangle
// of the window. The tooltip asks the tool's window for callback texts
// (LPSTR_TEXTCALLBACK) with TTN_NEEDTEXT, whose sender id in message maps is 0.
class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)

public:
    // A popup owned by parent's top-level window; style adds TTS_ bits.
    BOOL Create(CWnd* parent, DWORD style = 0);

    // Without a rectangle a tool of id other than 0 covers the window's client area.
    BOOL AddTool(CWnd* wnd, LPCSTR text = LPSTR_TEXTCALLBACKA, LPCRECT rect = nullptr, UINT_PTR toolId = 0);
    // The text is the string resource textId.
    BOOL AddTool(CWnd* wnd, UINT textId, LPCRECT rect = nullptr, UINT_PTR toolId = 0);
    void DelTool(CWnd* wnd, UINT_PTR toolId = 0);
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
    void UpdateTipText(LPCSTR text, CWnd* wnd, UINT_PTR toolId = 0);
    void GetText(CString& text, CWnd* wnd, UINT_PTR toolId = 0) const;

    void Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, activate); }
    // All three delays from the initial one (TTDT_AUTOMATIC), or one of them.
    void SetDelayTime(UINT initialDelay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, initialDelay); }
    void SetDelayTime(DWORD duration, int time) { SendMessage(TTM_SETDELAYTIME, duration, MAKELPARAM(time, 0)); }
    int GetDelayTime(DWORD duration) const { return static_cast<int>(SendMessage(TTM_GETDELAYTIME, duration)); }
    int SetMaxTipWidth(int width) { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width)); }

    // Mouse messages of the tools' windows: the tooltip shows, moves and hides by them.
    void RelayEvent(LPMSG msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
    void Update() { SendMessage(TTM_UPDATE); }
    void Pop() { SendMessage(TTM_POP); }

private:
    static TOOLINFOA ToolInfo(CWnd* wnd, UINT_PTR toolId);
};
