#include "ui/commandbars/UIControlPopup.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIPopupBar.h"
#include "ui/commandbars/UIPopupShadow.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

IMPLEMENT_SERIAL(CUIControlPopup, CUIControl, uiArchiveSchema)

CUIControlPopup::~CUIControlPopup() { SetCommandBar(nullptr); }

void CUIControlPopup::SetCommandBar(CUICommandBar* bar) {
    if (bar)
        bar->InternalAddRef();
    if (m_popupBar)
        m_popupBar->InternalRelease();
    m_popupBar = bar;
}

BOOL CUIControlPopup::IsOnPopupBar() const { return m_parent && m_parent->GetType() == uiBarTypePopup; }

BOOL CUIControlPopup::InArrowPart(CPoint point, int arrowWidth) const { return point.x >= m_rect.right - arrowWidth; }

BOOL CUIControlPopup::IsEqual(CUIControl* other) const {
    if (!CUIControl::IsEqual(other))
        return FALSE;
    CUIControlPopup* popup = dynamic_cast<CUIControlPopup*>(other);
    if (popup == nullptr)
        return FALSE;
    if (m_popupBar && popup->m_popupBar)
        return m_popupBar->GetControls()->Compare(popup->m_popupBar->GetControls());
    return TRUE;
}

void CUIControlPopup::Copy(CUIControl* source, BOOL recursive) {
    CUIControl::Copy(source, recursive);
    m_buttonStyle = source->m_buttonStyle;
    CUIControlPopup* popup = dynamic_cast<CUIControlPopup*>(source);
    if (popup == nullptr || popup->m_popupBar == nullptr)
        return;
    if (recursive) {
        CUICommandBar* clone = popup->m_popupBar->Clone(TRUE);
        SetCommandBar(clone);
        clone->InternalRelease();
    } else {
        SetCommandBar(popup->m_popupBar);
    }
}

BOOL CUIControlPopup::OnSetPopup(BOOL open) {
    if (open) {
        m_popupOpen = TRUE;
        if (m_popupBar == nullptr)
            return FALSE;
        if (m_popupBar->GetTrackingMode() == uiNotTracking) {
            m_popupBar->Popup(this, m_selected == 2);
            UpdateShadow();
        }
        return TRUE;
    }
    m_popupOpen = FALSE;
    if (m_popupBar)
        m_popupBar->SetTrackingMode(uiNotTracking, TRUE, FALSE);
    RedrawParent();
    return TRUE;
}

void CUIControlPopup::OnClick(BOOL keyboard, CPoint point) {
    if (!m_enabled || m_parent == nullptr)
        return;
    if (IsCustomizeMode()) {
        if (CUICommandBars* commandBars = GetCommandBars())
            commandBars->SetDragControl(this);
    }
    if (m_popupOpen && !IsOnPopupBar()) {
        m_parent->SetTrackingMode(uiNotTracking, FALSE, FALSE);
        return;
    }
    if (!IsCustomizeMode() && m_type == uiControlSplitButtonPopup) {
        if (IsOnPopupBar()) {
            if (keyboard) {
                OnExecute();
                return;
            }
            if (!InArrowPart(point, PopupBarArrowWidth)) {
                m_parent->KillTimer(CUICommandBar::HoverTimerId);
                return;
            }
        } else if (!keyboard && !InArrowPart(point, ToolBarArrowWidth)) {
            CRect main = m_rect;
            main.right -= ToolBarArrowWidth;
            PressButton(main);
            return;
        }
    }
    if (!IsCustomizeMode()) {
        m_parent->SetOpenPopup(m_index, keyboard);
        return;
    }
    if (m_popupBar == nullptr || m_popupBar->IsCustomizable())
        m_parent->SetOpenPopup(m_index, keyboard);
    CustomizeStartDrag();
}

void CUIControlPopup::OnCustomizeDragOver(CUIControl* dragged, CPoint) {
    if (m_parent == nullptr || (m_popupBar && !m_popupBar->IsCustomizable()))
        return;
    // A popup cannot go into its own chain of popups: they close instead.
    const CUIControlPopup* draggedPopup = dynamic_cast<const CUIControlPopup*>(dragged);
    if (draggedPopup && draggedPopup->IsContainPopup(this)) {
        m_parent->SetOpenPopup(-1, FALSE);
        m_parent->ClearSelection();
    } else {
        m_parent->SetOpenPopup(m_index, FALSE);
    }
}

void CUIControlPopup::OnLButtonUp(CPoint point) {
    if (m_type == uiControlSplitButtonPopup && IsOnPopupBar() && m_enabled && !InArrowPart(point, PopupBarArrowWidth))
        OnExecute();
}

BOOL CUIControlPopup::OnLButtonDblClk(CPoint point) {
    if (m_type != uiControlPopup && m_type != uiControlButtonPopup)
        return CUIControl::OnLButtonDblClk(point);
    // The default entry and the hidden commands of an open popup come with the popup bar.
    if (!m_popupOpen && m_parent) {
        ::SendMessageA(m_parent->GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    }
    return TRUE;
}

void CUIControlPopup::OnMouseHover() {
    if (m_enabled && m_parent &&
        (m_parent->GetTrackingMode() == uiTrackingPopupOpen || m_parent->GetPosition() == uiBarPopup)) {
        m_parent->SetOpenPopup(m_index, FALSE);
        return;
    }
    CUIControl::OnMouseHover();
}

BOOL CUIControlPopup::OnSetSelected(int state) {
    if (!CUIControl::OnSetSelected(state))
        return FALSE;
    if (m_parent == nullptr)
        return TRUE;
    const BOOL parentTracksOpen = m_parent->GetTrackingMode() == uiTrackingPopupOpen;
    if ((m_type == uiControlButtonPopup || m_type == uiControlSplitButtonPopup) && !IsOnPopupBar()) {
        if (m_enabled && state == 2 && parentTracksOpen)
            m_parent->SetOpenPopup(m_index, TRUE);
        return TRUE;
    }
    if (m_enabled && state != 0 && parentTracksOpen && !IsOnPopupBar())
        m_parent->SetOpenPopup(m_index, state == 2);
    else if (state == 0 && m_popupOpen && !IsOnPopupBar())
        m_parent->SetOpenPopup(-1, FALSE);
    return TRUE;
}

CUIControl* CUIControlPopup::Clone(BOOL recursive) {
    CUIControlPopup* control = new CUIControlPopup;
    control->Copy(this, recursive);
    return control;
}

BOOL CUIControlPopup::IsContainPopup(const CUIControlPopup* other) const {
    if (m_popupBar == nullptr || other == nullptr || other->m_popupBar == nullptr)
        return FALSE;
    if (m_popupBar == other->m_popupBar)
        return TRUE;
    CUIControls* controls = m_popupBar->GetControls();
    for (int i = 0; i < controls->GetCount(); ++i) {
        const CUIControlPopup* inner = dynamic_cast<const CUIControlPopup*>(controls->GetAt(i));
        if (inner && (inner->IsContainPopup(other) || other->IsContainPopup(inner)))
            return TRUE;
    }
    return FALSE;
}

CUIControlPopup* CUIControlPopup::CreateWithType(int type) {
    CUIControlPopup* control = new CUIControlPopup;
    control->m_type = type;
    return control;
}

void CUIControlPopup::OnExpandBar() {
    CUIPopupBar* popupBar = dynamic_cast<CUIPopupBar*>(m_popupBar);
    if (m_popupOpen && popupBar && m_type == uiControlPopup)
        popupBar->ExpandBar();
}

void CUIControlPopup::AdjustExcludeRect(CRect& rect) {
    if (CUICommandBarsTheme* paintManager = GetPaintManager())
        paintManager->AdjustExcludeRect(rect, this);
}

void CUIControlPopup::UpdateShadow() {
    CUIPopupBar* popupBar = dynamic_cast<CUIPopupBar*>(m_popupBar);
    if (IsOnPopupBar() || m_type < uiControlPopup || m_type > uiControlSplitButtonPopup || popupBar == nullptr ||
        !popupBar->m_shadow)
        return;
    CUIPopupShadowTable::Instance().SetControlShadow(this);
}
