#include "platform/CCmdUI.h"

#include "platform/CMenu.h"
#include "platform/CWnd.h"

namespace {

bool IsButton(HWND control) {
    return (::SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) != 0;
}

}  // namespace

void CCmdUI::Enable(BOOL on) {
    if (m_pMenu) {
        if (!m_pSubMenu)
            m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    } else if (m_pOther) {
        // A control losing its enabled state must not keep the focus.
        if (!on && ::GetFocus() == m_pOther->m_hWnd) {
            if (CWnd* parent = m_pOther->GetParent())
                ::SendMessageA(parent->m_hWnd, WM_NEXTDLGCTL, 0, FALSE);
        }
        m_pOther->EnableWindow(on);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int check) {
    if (m_pMenu) {
        if (!m_pSubMenu)
            m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_pOther && IsButton(m_pOther->m_hWnd)) {
        m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(check));
    }
}

void CCmdUI::SetRadio(BOOL on) {
    if (m_pMenu && !m_pSubMenu) {
        UINT position = m_nIndex;
        if (on)
            ::CheckMenuRadioItem(m_pMenu->m_hMenu, position, position, position, MF_BYPOSITION);
        else
            m_pMenu->CheckMenuItem(position, MF_BYPOSITION | MF_UNCHECKED);
        return;
    }
    SetCheck(on ? 1 : 0);
}

void CCmdUI::SetText(LPCSTR text) {
    if (m_pMenu) {
        if (m_pSubMenu)
            return;
        UINT state = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION);
        state &= ~(MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | MF_POPUP | MF_HILITE);
        m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | state, m_nID, text);
    } else if (m_pOther) {
        m_pOther->SetWindowText(text);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler) {
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE;  // separators and ids no command can have
    m_bEnableChanged = FALSE;
    BOOL handled = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (!handled && disableIfNoHandler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info = {nullptr, nullptr};
        if (!target->OnCmdMsg(m_nID, CN_COMMAND, this, &info))
            Enable(FALSE);
    }
    m_bContinueRouting = FALSE;
    return handled;
}

void CTestCmdUI::Enable(BOOL on) {
    m_bEnabled = on;
    m_bEnableChanged = TRUE;
}
