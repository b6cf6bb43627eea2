// Tracking (menu) mode of a bar: the hot control, the open popup, keyboard
// navigation and mnemonics.
#include "ui/commandbars/UICommandBar.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/UIShortcutText.h"
#include "ui/commandbars/UIWndProcHookTable.h"

namespace {

// The mnemonic of a caption ("&" not at the end), or 0.
char MnemonicOf(const CString& caption) {
    int amp = caption.Find('&');
    while (amp >= 0 && amp + 1 < caption.GetLength() && caption[amp + 1] == '&')
        amp = caption.Find('&', amp + 2);
    return (amp >= 0 && amp + 1 < caption.GetLength()) ? caption[amp + 1] : 0;
}

}  // namespace

BOOL CUICommandBar::SetTrackingMode(int mode, BOOL selectFirst, BOOL keyboard) {
    if ((m_trackingMode != uiNotTracking && mode != uiNotTracking) || mode == m_trackingMode) {
        m_trackingMode = mode;
        return FALSE;
    }
    CUIMouseTrackHook& hook = CUIMouseTrackHook::Get();
    CUIWndProcHookTable& table = CUIWndProcHookTable::Instance();
    m_trackingMode = mode;
    if (mode != uiNotTracking) {
        m_trackingByMouse = !selectFirst && !keyboard;
        if (m_savedFocus == nullptr) {
            HWND focus = ::GetFocus();
            CWnd* site = focus ? nullptr : GetSite();
            m_savedFocus = focus ? focus : site ? site->GetSafeHwnd() : nullptr;
            ::HideCaret(m_savedFocus);
        }
        hook.AddTrackingBar(this);
        table.AddKeyboardHook(this);
        ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
        if (selectFirst)
            SetSelected(m_controls->GetNextIndex(-1, +1, TRUE, FALSE), TRUE);
        m_ignoreButtonUp = FALSE;
        return TRUE;
    }
    m_trackingByMouse = FALSE;
    hook.RemoveTrackingBar(this);
    table.RemoveKeyboardHook(this);
    SetOpenPopup(-1, FALSE);
    if (selectFirst)
        SetSelected(-1, FALSE);
    if (m_savedFocus) {
        ::ShowCaret(m_savedFocus);
        m_savedFocus = nullptr;
    }
    if (m_hWnd)
        Invalidate(FALSE);
    if (!hook.IsTracking())
        hook.m_fullMenus = FALSE;
    if (m_hWnd && ::GetFocus() == m_hWnd) {
        if (CWnd* parent = GetParent())
            ::SetFocus(::GetNextDlgTabItem(parent->m_hWnd, m_hWnd, FALSE));
    }
    m_ignoreButtonUp = FALSE;
    return TRUE;
}

BOOL CUICommandBar::SetSelected(int index, BOOL keyboard) {
    if (index == m_selected || m_hWnd == nullptr)
        return FALSE;
    if (CUIControl* previous = GetControl(m_selected))
        previous->OnSetSelected(0);
    m_selected = index;
    CUIControl* control = GetControl(index);
    if (control == nullptr) {
        KillTimer(HoverTimerId);
        return TRUE;
    }
    control->OnSetSelected(keyboard ? 2 : 1);
    CUIMouseTrackHook::Get().m_lastHotBar = this;
    if (!keyboard)
        SetTimer(HoverTimerId, HoverTimerElapse);
    return TRUE;
}

BOOL CUICommandBar::SetOpenPopup(int index, BOOL keyboard) {
    if (index == m_openPopup)
        return FALSE;
    if (CUIControl* open = GetControl(m_openPopup)) {
        m_openPopup = -1;
        open->OnSetPopup(FALSE);
    }
    m_openPopup = -1;
    if (index != -1) {
        CUIControlPopup* popup = dynamic_cast<CUIControlPopup*>(GetControl(index));
        if (popup == nullptr || !popup->GetEnabled())
            return FALSE;
        m_openPopup = index;
        SetTrackingMode(uiTrackingPopupOpen, FALSE, keyboard);
        SetSelected(index, keyboard);
        popup->OnSetPopup(TRUE);
        CUICommandBars* commandBars = GetCommandBars();
        if (commandBars && commandBars->GetCommandBarsOptions()->m_showFullAfterDelay && m_hWnd)
            SetTimer(ShowFullTimerId, ShowFullTimerElapse);
    }
    if (m_hWnd)
        Invalidate(FALSE);
    return TRUE;
}

int CUICommandBar::OnKeyDown(UINT key) {
    if (IsCustomizeMode())
        return 0;
    switch (key) {
    case VK_TAB:
        return ProcessSpecialKey((::GetKeyState(VK_SHIFT) < 0) ? uiKeyPrevious : uiKeyNext) ? 1 : 0;
    case VK_RETURN:
        return ProcessSpecialKey(uiKeyReturn) ? 1 : 0;
    case VK_ESCAPE:
        return ProcessSpecialKey(uiKeyEscape) ? 1 : 0;
    default:
        break;
    }
    if (m_focusedControl)
        return m_focusedControl->OnHookKeyDown(key);
    const BOOL horizontal = IsHorizontal();
    switch (key) {
    case VK_LEFT:
        return ProcessSpecialKey(horizontal ? uiKeyPrevious : uiKeyClosePopup) ? 1 : 0;
    case VK_UP:
        return ProcessSpecialKey(horizontal ? uiKeyClosePopup : uiKeyPrevious) ? 1 : 0;
    case VK_RIGHT:
        return ProcessSpecialKey(horizontal ? uiKeyNext : uiKeyOpenPopup) ? 1 : 0;
    case VK_DOWN:
        return ProcessSpecialKey(horizontal ? uiKeyOpenPopup : uiKeyNext) ? 1 : 0;
    case VK_HOME:
        return ProcessSpecialKey(uiKeyFirst) ? 1 : 0;
    case VK_END:
        return ProcessSpecialKey(uiKeyLast) ? 1 : 0;
    default:
        HandleMnemonic(key);
        return 1;
    }
}

void CUICommandBar::HandleMnemonic(UINT key) {
    const char character = static_cast<char>(LOBYTE(::MapVirtualKeyA(key, 2)));
    if (character == 0)
        return;  // Shift, Ctrl and other keys without a character are taken silently
    BOOL ambiguous = FALSE;
    int index = FindAccel(MakeUpperChar(character), &ambiguous);
    if (index < 0) {
        ::MessageBeep(0);
        return;
    }
    if (ambiguous)
        SetSelected(index, TRUE);
    else if (CUIControl* control = GetControl(index))
        control->OnClick(TRUE);
}

BOOL CUICommandBar::ProcessSpecialKey(int code) {
    switch (code) {
    case uiKeyNext:
    case uiKeyPrevious: {
        // With a menu open the next title opens as well, also when closing the old one
        // ended the open-popup tracking on the way (a capture change under a real display).
        const BOOL popupWasOpen = m_openPopup != -1;
        SetSelected(m_controls->GetNextIndex(m_selected, code == uiKeyNext ? +1 : -1, TRUE, FALSE), TRUE);
        if (popupWasOpen && m_openPopup == -1 && GetTrackingMode() != uiNotTracking)
            SetOpenPopup(m_selected, TRUE);
        return TRUE;
    }
    case uiKeyFirst:
        SetSelected(m_controls->GetNextIndex(-1, +1, TRUE, FALSE), TRUE);
        return TRUE;
    case uiKeyLast:
        SetSelected(m_controls->GetNextIndex(GetControlCount(), -1, TRUE, FALSE), TRUE);
        return TRUE;
    case uiKeyClosePopup:
        if (m_openPopup == -1)
            return FALSE;
        SetOpenPopup(-1, FALSE);
        SetTrackingMode(uiTracking, FALSE, FALSE);
        return TRUE;
    case uiKeyOpenPopup: {
        CUIControl* selected = GetControl(m_selected);
        if (selected == nullptr || m_openPopup == m_selected)
            return FALSE;
        selected->OnSetSelected(2);
        return SetOpenPopup(m_selected, FALSE);
    }
    case uiKeyEscape:
        if (CUICommandBar* parent = GetParentCommandBar())
            parent->SetTrackingMode(uiTracking, FALSE, FALSE);
        SetTrackingMode(uiNotTracking, TRUE, FALSE);
        return TRUE;
    case uiKeyReturn:
        if (CUIControl* selected = GetControl(m_selected)) {
            selected->OnSetSelected(2);
            selected->OnClick(TRUE);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

int CUICommandBar::FindAccel(char character, BOOL* ambiguous) const {
    *ambiguous = FALSE;
    const int start = m_controls->GetNextIndex(m_selected, +1, TRUE, FALSE);
    if (start < 0)
        return -1;
    character = MakeUpperChar(character);
    int mnemonicMatch = -1;
    int letterMatch = -1;
    int index = start;
    do {
        CUIControl* control = GetControl(index);
        const CString caption = control->IsVisible() ? control->GetDisplayCaption() : CString();
        if (!caption.IsEmpty()) {
            const char mnemonic = MnemonicOf(caption);
            if (mnemonic != 0) {
                if (MakeUpperChar(mnemonic) == character) {
                    if (mnemonicMatch >= 0) {
                        *ambiguous = TRUE;
                        return mnemonicMatch;
                    }
                    mnemonicMatch = index;
                }
            } else if (MakeUpperChar(caption[0]) == character) {
                if (letterMatch >= 0)
                    *ambiguous = TRUE;
                else
                    letterMatch = index;
            }
        }
        index = m_controls->GetNextIndex(index, +1, TRUE, FALSE);
    } while (index != start && index >= 0);
    if (mnemonicMatch >= 0)
        return mnemonicMatch;
    return letterMatch;
}
