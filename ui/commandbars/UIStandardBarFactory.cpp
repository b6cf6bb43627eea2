#include "ui/commandbars/UIStandardBarFactory.h"

#include "ui/commandbars/UIMenuBar.h"
#include "ui/commandbars/UIPopupBar.h"
#include "ui/commandbars/UIToolBar.h"

CUICommandBar* CUIStandardBarFactory::CreateMenuBar() { return new CUIMenuBar; }

CUICommandBar* CUIStandardBarFactory::CreateToolBar() { return new CUIToolBar; }

CUICommandBar* CUIStandardBarFactory::CreatePopupBar() { return new CUIPopupBar; }

BOOL CUIStandardBarFactory::PopupAt(CUICommandBar* popupBar, int x, int y, LPCRECT exclude) {
    auto* popup = dynamic_cast<CUIPopupBar*>(popupBar);
    return popup && popup->PopupAt(x, y, exclude);
}

void InstallStandardBarFactory() {
    static CUIStandardBarFactory factory;
    if (GetBarFactory() == nullptr)
        SetBarFactory(&factory);
}
