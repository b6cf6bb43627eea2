#include "ui/commandbars/UIFieldEdit.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIEdit.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/themes/UIThemeFonts.h"

namespace {

// The edit window sits this far inside the control's frame.
const int kFrameInset = 3;
const int kLabelGap = 4;
// Bit of the layout mode for a vertically docked bar.
const DWORD kVerticalDock = 0x10;

}  // namespace

HWND CUIFieldEdit::GetWindow() const { return m_edit ? m_edit->GetSafeHwnd() : nullptr; }

void CUIFieldEdit::SetEdit(CUIEdit* edit) {
    DestroyEdit();
    m_edit = edit;
}

void CUIFieldEdit::DestroyEdit() {
    DestroyWindow();
    delete m_edit;
    m_edit = nullptr;
}

void CUIFieldEdit::DestroyWindow() {
    if (GetWindow())
        m_edit->DestroyWindow();
}

BOOL CUIFieldEdit::HasFocus() const { return GetWindow() && ::GetFocus() == GetWindow(); }

void CUIFieldEdit::Create(CUIControl* control) {
    CUICommandBar* bar = control->GetParent();
    if (!m_edit->CreateEx(0, "EDIT", "", WS_CHILD | ES_AUTOHSCROLL, CRect(0, 0, 0, 0), bar, 0))
        return;
    m_edit->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(CUIThemeFonts::Get().iconTitle.GetSafeHandle()), FALSE);
    if (!m_text.IsEmpty())
        m_edit->SetWindowText(m_text);
    if (!control->GetEnabled())
        m_edit->EnableWindow(FALSE);
}

void CUIFieldEdit::Place(CUIControl* control, int leftInset, int rightInset) {
    CUICommandBar* bar = control->GetParent();
    if (m_edit == nullptr || bar == nullptr || bar->m_hWnd == nullptr)
        return;
    if (GetWindow() == nullptr)
        Create(control);
    const HWND window = GetWindow();
    if (window == nullptr)
        return;
    ::SetParent(window, bar->m_hWnd);
    m_edit->SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    const CRect rect = control->GetRect();
    ::MoveWindow(window, rect.left + leftInset + kLabelGap, rect.top + kFrameInset,
                 rect.Width() - leftInset - kLabelGap - rightInset, rect.Height() - 2 * kFrameInset, TRUE);
    ShowFor(control->GetHideFlags());
}

void CUIFieldEdit::ShowFor(DWORD hideFlags) {
    if (const HWND window = GetWindow())
        ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                           (hideFlags == 0 ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void CUIFieldEdit::Enable(BOOL enabled) {
    if (const HWND window = GetWindow())
        ::EnableWindow(window, enabled);
}

CString CUIFieldEdit::GetText() {
    if (GetWindow())
        m_edit->GetWindowText(m_text);
    return m_text;
}

void CUIFieldEdit::SetText(LPCSTR text) {
    if (GetWindow() == nullptr) {
        m_text = text;
        return;
    }
    CString shown;
    m_edit->GetWindowText(shown);
    if (shown != text)
        m_edit->SetWindowText(text);
}

void CUIFieldEdit::BeginFocus(CUIControl* control, CWnd* lost) {
    CUICommandBar* bar = control->GetParent();
    if (bar == nullptr)
        return;
    if (bar->m_savedFocus == nullptr) {
        CWnd* site = bar->GetSite();
        bar->m_savedFocus = lost ? lost->GetSafeHwnd() : site ? site->GetSafeHwnd() : nullptr;
    }
    bar->SetOpenPopup(-1, FALSE);
    bar->SetTrackingMode(uiTracking, FALSE, FALSE);
    bar->SetSelected(control->GetIndex(), FALSE);
    ++CUIMouseTrackHook::Get().m_suspendCount;
    bar->SetFocusedControl(control);
}

void CUIFieldEdit::EndFocus(CUIControl* control) {
    CUIMouseTrackHook& hook = CUIMouseTrackHook::Get();
    if (hook.m_suspendCount > 0)
        --hook.m_suspendCount;
    if (CUICommandBar* bar = control->GetParent())
        bar->SetFocusedControl(nullptr);
}

void CUIFieldEdit::ReturnFocus(CUIControl* control) {
    CUICommandBar* bar = control->GetParent();
    if (!HasFocus() || bar == nullptr)
        return;
    ::SetFocus(bar->m_savedFocus);
    bar->Invalidate(FALSE);
}

BOOL CUIFieldEdit::IsHoverSuspended() { return CUIMouseTrackHook::Get().m_suspendCount > 0; }

DWORD CUIFieldEdit::HideFlagsForLayout(DWORD hideFlags, DWORD layoutMode) {
    return (layoutMode & kVerticalDock) ? (hideFlags | uiHideVerticalDock) : (hideFlags & ~uiHideVerticalDock);
}

void CUIFieldEdit::CustomizeClick(CUIControl* control) {
    if (CUICommandBar* bar = control->GetParent()) {
        bar->ClearSelection();
        bar->SetOpenPopup(-1, FALSE);
    }
    control->CustomizeStartDrag();
}
