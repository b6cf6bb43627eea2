#include "platform/CToolTipCtrl.h"

#include <vector>

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&classes);
    HWND owner = parent ? parent->GetTopLevelParent()->m_hWnd : nullptr;
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr);
}

TOOLINFOA CToolTipCtrl::ToolInfo(CWnd* wnd, UINT_PTR toolId) {
    TOOLINFOA info = {};
    info.cbSize = sizeof(info);
    info.hwnd = wnd->GetSafeHwnd();
    if (toolId == 0) {
        info.uFlags = TTF_IDISHWND;
        info.uId = reinterpret_cast<UINT_PTR>(info.hwnd);
    } else {
        info.uId = toolId;
    }
    return info;
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, LPCSTR text, LPCRECT rect, UINT_PTR toolId) {
    TOOLINFOA info = ToolInfo(wnd, toolId);
    if (rect)
        info.rect = *rect;
    else if (toolId != 0)
        wnd->GetClientRect(&info.rect);
    info.lpszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, UINT textId, LPCRECT rect, UINT_PTR toolId) {
    CString text;
    if (!text.LoadString(textId))
        return FALSE;
    return AddTool(wnd, text, rect, toolId);
}

void CToolTipCtrl::DelTool(CWnd* wnd, UINT_PTR toolId) {
    TOOLINFOA info = ToolInfo(wnd, toolId);
    SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCSTR text, CWnd* wnd, UINT_PTR toolId) {
    TOOLINFOA info = ToolInfo(wnd, toolId);
    info.lpszText = const_cast<LPSTR>(text);
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::GetText(CString& text, CWnd* wnd, UINT_PTR toolId) const {
    // The control copies without a size; its texts are limited to this many bytes.
    std::vector<char> buffer(1024, '\0');
    TOOLINFOA info = ToolInfo(wnd, toolId);
    info.lpszText = buffer.data();
    SendMessage(TTM_GETTEXTA, buffer.size(), reinterpret_cast<LPARAM>(&info));
    text = buffer.data();
}
