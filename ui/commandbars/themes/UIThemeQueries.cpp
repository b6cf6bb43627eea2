#include "ui/commandbars/themes/UIThemeQueries.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UICommandBarsOptions.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIToolBar.h"

BOOL IsControlPopupOpen(const CUIControl* control) {
    const int type = control->GetType();
    if (type < uiControlPopup || type > uiControlSplitButtonPopup)
        return FALSE;
    const CUIControlPopup* popup = dynamic_cast<const CUIControlPopup*>(control);
    return popup && popup->IsPopupOpen();
}

int ControlBarPosition(const CUIControl* control) {
    return control->GetParent() ? control->GetParent()->GetPosition() : uiBarNone;
}

BOOL IsOnPopupBar(const CUIControl* control) {
    return control->GetParent() && control->GetParent()->GetType() == uiBarTypePopup;
}

CSize BarIconSize(const CUICommandBar* bar) {
    const CUIToolBar* toolBar = dynamic_cast<const CUIToolBar*>(bar);
    return toolBar ? toolBar->GetButtonSize() : CSize(16, 16);
}

BOOL BarDrawsTextBelowIcons(const CUICommandBar* bar) {
    if (bar == nullptr || bar->GetType() == uiBarTypePopup)
        return FALSE;
    if (bar->m_textBelowIcons != 2)
        return bar->m_textBelowIcons == 1;
    CUICommandBars* commandBars = bar->GetCommandBars();
    return commandBars && commandBars->GetCommandBarsOptions()->m_textBelowIcons;
}

CUIImageIconSet* ControlImage(CUIControl* control, int width) {
    const int style = control->m_buttonStyle;
    if (style == 1 || (style == 0 && control->GetType() == uiControlPopup))
        return nullptr;
    return control->GetEffectiveImageId() != 0 ? control->GetImage(width) : nullptr;
}

BOOL IsRevealedEntry(const CUIControl* control) { return control->m_rarelyUsed && IsOnPopupBar(control); }
