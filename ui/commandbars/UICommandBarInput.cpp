// Mouse, timers, tooltips and context help of a bar.
#include "ui/commandbars/UICommandBar.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/UIShortcutText.h"

#include "platform/CFrameWnd.h"
#include "platform/CToolTipTracker.h"

#include <windowsx.h>

BOOL CUICommandBar::IsOtherBarTracking() const {
    const CUIMouseTrackHook& hook = CUIMouseTrackHook::Get();
    return hook.IsTracking() && !hook.IsTracking(this);
}

void CUICommandBar::OnMouseMove(UINT, CPoint point) {
    if (IsCustomizeMode()) {
        Default();
        return;
    }
    HandleMouseMove(point);
}

void CUICommandBar::HandleMouseMove(CPoint point) {
    if (m_hWnd == nullptr || IsOtherBarTracking())
        return;
    CUIMouseTrackHook& hook = CUIMouseTrackHook::Get();
    if ((m_position != uiBarPopup && !IsTopParentActive()) || hook.m_suspendCount > 0)
        return;
    const BOOL popupWithoutOpen = m_barType == uiBarTypePopup && m_openPopup == -1;
    int hot = (m_trackingMode != uiNotTracking && !popupWithoutOpen) ? m_selected : -1;
    for (int i = 0; i < GetControlCount(); ++i) {
        CUIControl* control = GetControl(i);
        if (control->IsVisible() && control->GetRect().PtInRect(point)) {
            hot = i;
            hook.TrackMouseLeave(m_hWnd);
            control->OnMouseMove(point);
        }
    }
    SetSelected(hot, FALSE);
}

LRESULT CUICommandBar::OnMouseLeave(WPARAM, LPARAM) {
    if (CUIMouseTrackHook::Get().m_suspendCount > 0)
        return 0;
    const BOOL popupWithoutOpen = m_barType == uiBarTypePopup && m_openPopup == -1;
    if (m_trackingMode == uiNotTracking || popupWithoutOpen)
        SetSelected(-1, FALSE);
    return 0;
}

void CUICommandBar::OnNcMouseMove(UINT, CPoint) {
    OnMouseLeave(0, 0);
    Default();
}

void CUICommandBar::OnLButtonDown(UINT, CPoint point) {
    m_ignoreButtonUp = FALSE;
    CUIControl* control = m_controls->HitTest(point);
    if (control == nullptr) {
        Default();
        return;
    }
    // In customize mode a click starts the control's customize drag.
    if (!IsCustomizeMode() || (IsCustomizable() && !(control->GetFlags() & uiFlagNoCustomize)))
        control->OnClick(FALSE, point);
}

void CUICommandBar::OnLButtonDblClk(UINT, CPoint point) {
    if (IsCustomizeMode())
        return;
    if (CUIControl* control = m_controls->HitTest(point))
        control->OnLButtonDblClk(point);
}

void CUICommandBar::OnLButtonUp(UINT, CPoint point) {
    if (IsCustomizeMode() || m_ignoreButtonUp)
        return;
    if (CUIControl* control = m_controls->HitTest(point))
        control->OnLButtonUp(point);
    else
        Default();
}

void CUICommandBar::OnRButtonUp(UINT, CPoint point) {
    CUIControl* control = m_controls->HitTest(point);
    if (control == nullptr || IsCustomizeMode()) {
        Default();
        return;
    }
    if (GetRootParent()->m_rightButtonChoice)
        control->OnLButtonUp(point);
    else
        control->OnRButtonUp(point);
}

void CUICommandBar::OnTimer(UINT_PTR id) {
    Default();
    if (id == HoverTimerId) {
        KillTimer(HoverTimerId);
        if (CUIControl* selected = GetControl(m_selected))
            selected->OnMouseHover();
    } else if (id == ShowFullTimerId) {
        KillTimer(ShowFullTimerId);
        // A menu left open with the pointer on its title shows its hidden commands.
        CUIControlPopup* open = m_openPopup == m_selected ? dynamic_cast<CUIControlPopup*>(GetControl(m_selected)) : nullptr;
        if (open && open->IsCursorOver())
            open->OnExpandBar();
    }
}

BOOL CUICommandBar::IsHelpMode() const {
    CFrameWnd* frame = GetSiteFrame();
    return frame && frame->m_bHelpMode;
}

INT_PTR CUICommandBar::OnToolHitTest(CPoint point, TOOLINFO* toolInfo) const {
    INT_PTR hit = CWnd::OnToolHitTest(point, toolInfo);
    if (hit != -1)
        return hit;
    if (IsOtherBarTracking() || CUIMouseTrackHook::Get().m_suspendCount > 0)
        return -1;
    if (m_trackingMode == uiTrackingPopupOpen && m_barType != uiBarTypePopup)
        return -1;
    CUICommandBars* commandBars = GetCommandBars();
    if (commandBars && !commandBars->GetCommandBarsOptions()->m_toolBarScreenTips)
        return -1;
    const BOOL accelTips = commandBars && commandBars->GetCommandBarsOptions()->m_toolBarAccelTips;
    for (int i = 0; i < GetControlCount(); ++i) {
        CUIControl* control = GetControl(i);
        if (!control->IsVisible() || !control->GetRect().PtInRect(point))
            continue;
        CString text = control->GetTooltip(point, control->GetRect(), nullptr);
        if (text.IsEmpty())
            return -1;
        CString shortcut;
        if (accelTips && FindShortcut(control->GetID(), shortcut, commandBars->GetSite()) && !shortcut.IsEmpty())
            text += " (" + shortcut + ")";
        if (toolInfo && toolInfo->cbSize >= TTTOOLINFOA_V1_SIZE) {
            toolInfo->hwnd = m_hWnd;
            toolInfo->rect = control->GetRect();
            toolInfo->uId = control->GetID();
            toolInfo->lpszText = AfxAllocToolTipText(text);
        }
        return control->GetID() != 0 ? static_cast<INT_PTR>(control->GetID()) : -1;
    }
    return -1;
}

LRESULT CUICommandBar::OnHelpHitTest(WPARAM, LPARAM lParam) {
    CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    INT_PTR id = OnToolHitTest(point, nullptr);
    if (id > 0)
        return 0x10000 + id;
    const int ownId = GetDlgCtrlID();
    return ownId != 0 ? 0x50000 + ownId : 0;
}

UINT CUICommandBar::OnNcHitTest(CPoint point) {
    if (!IsHelpMode())
        return static_cast<UINT>(Default());
    CPoint client = point;
    ScreenToClient(&client);
    CUIControl* control = m_controls->HitTest(client);
    if (control && control->GetType() >= uiControlPopup && control->GetType() <= uiControlSplitButtonPopup &&
        control->GetID() == 0)
        return HTMENU;
    return HTCLIENT;
}

void CUICommandBar::OnNcLButtonDown(UINT hitTest, CPoint point) {
    if (!IsHelpMode()) {
        Default();
        return;
    }
    CPoint client = point;
    ScreenToClient(&client);
    OnLButtonDown(0, client);
}
