#pragma once

#include <windows.h>

class CUICommandBar;
class CUICommandBars;

// Makes the bars of the classes the collection and the controls do not know
// themselves (the menu bar, toolbars made at run time, popup bars) and opens popup
// bars; the bar classes register one.
class CUIBarFactory {
public:
    virtual ~CUIBarFactory() = default;
    virtual CUICommandBar* CreateMenuBar() = 0;
    virtual CUICommandBar* CreateToolBar() = 0;
    virtual CUICommandBar* CreatePopupBar() = 0;
    // Shows a popup bar at a screen point, clear of the rectangle; FALSE when it
    // cannot be shown.
    virtual BOOL PopupAt(CUICommandBar* popupBar, int x, int y, LPCRECT exclude) = 0;
};

// The registered factory, or null.
CUIBarFactory* GetBarFactory();
void SetBarFactory(CUIBarFactory* factory);
