#include "ui/commandbars/UIEdit.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIDrawHelpers.h"

#include "platform/CCmdUI.h"

IMPLEMENT_DYNCREATE(CUIEdit, CWnd)

BEGIN_MESSAGE_MAP(CUIEdit, CWnd)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CUIEdit* CUIEdit::GetFocusEdit() {
    return dynamic_cast<CUIEdit*>(CWnd::FromHandlePermanent(::GetFocus()));
}

UINT CUIEdit::ClipboardMessageOf(UINT id) {
    switch (id) {
    case CopyId:
        return WM_COPY;
    case CutId:
        return WM_CUT;
    case PasteId:
        return WM_PASTE;
    default:
        return 0;
    }
}

BOOL CUIEdit::IsClipboardCommandEnabled(UINT id) const {
    if (id == PasteId)
        return ::IsClipboardFormatAvailable(CF_TEXT);
    int start = 0, end = 0;
    GetSel(start, end);
    return start != end;
}

BOOL CUIEdit::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO*) {
    if (code != static_cast<int>(CN_UPDATE_COMMAND_UI) || ClipboardMessageOf(id) == 0 || extra == nullptr)
        return FALSE;
    static_cast<CCmdUI*>(extra)->Enable(IsClipboardCommandEnabled(id));
    return TRUE;
}

BOOL CUIEdit::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT message = lParam == 0 ? ClipboardMessageOf(LOWORD(wParam)) : 0;
    if (message == 0)
        return FALSE;
    SendMessage(message);
    return TRUE;
}

void CUIEdit::OnSetFocus(CWnd* lost) {
    if (m_owner)
        m_owner->OnEditSetFocus(lost);
    Default();
    PostMessage(EM_SETSEL, 0, -1);
}

void CUIEdit::OnKillFocus(CWnd*) {
    Default();
    if (m_owner)
        m_owner->OnEditKillFocus();
}

void CUIEdit::OnDestroy() {
    if (m_owner) {
        CString text;
        GetWindowText(text);
        m_owner->StoreEditText(text);
    }
    Default();
}

// The edit paints into a buffer of its client area, so the text does not flicker
// while the bar redraws around it.
void CUIEdit::OnPaint() {
    PAINTSTRUCT paint;
    HDC target = ::BeginPaint(m_hWnd, &paint);
    CRect client;
    GetClientRect(&client);
    {
        CUIBufferDC buffer(target, client);
        PaintInto(buffer.GetSafeHdc());
    }
    ::EndPaint(m_hWnd, &paint);
}

void CUIEdit::PaintInto(HDC dc) {
    CRect client;
    GetClientRect(&client);
    // The buffer starts out undefined: the edit's own background goes in first.
    const UINT colorMessage = IsWindowEnabled() ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
    HBRUSH brush = reinterpret_cast<HBRUSH>(
        ::SendMessageA(::GetParent(m_hWnd), colorMessage, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(m_hWnd)));
    ::FillRect(dc, &client, brush ? brush : ::GetSysColorBrush(COLOR_WINDOW));
    DefWindowProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
}

HBRUSH CUIEdit::CtlColor(CDC* dc, UINT code) { return m_owner ? m_owner->OnEditCtlColor(dc, code) : nullptr; }

void CUIEdit::OnMouseMove(UINT, CPoint point) {
    Default();
    CUIControl* control = m_owner ? m_owner->GetFieldControl() : nullptr;
    CUICommandBar* bar = control ? control->GetParent() : nullptr;
    if (bar == nullptr || bar->m_hWnd == nullptr)
        return;
    MapWindowPoints(bar, &point, 1);
    bar->HandleMouseMove(point);
}

void CUIEdit::OnLButtonDown(UINT, CPoint) {
    CUIControl* control = m_owner ? m_owner->GetFieldControl() : nullptr;
    if (control == nullptr || !control->IsCustomizeMode()) {
        Default();
        return;
    }
    CUICommandBar* bar = control->GetParent();
    if (bar && bar->IsCustomizable() && !(control->GetFlags() & uiFlagNoCustomize))
        control->OnClick(FALSE, CPoint(0, 0));
}
