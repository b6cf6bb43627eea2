#pragma once

#include "ui/commandbars/UIBarFactory.h"

// The program's bars: the menu bar, toolbars and popup bars of the toolkit.
class CUIStandardBarFactory : public CUIBarFactory {
public:
    CUICommandBar* CreateMenuBar() override;
    CUICommandBar* CreateToolBar() override;
    CUICommandBar* CreatePopupBar() override;
    BOOL PopupAt(CUICommandBar* popupBar, int x, int y, LPCRECT exclude) override;
};

// Registers the standard factory unless another one is registered.
void InstallStandardBarFactory();
