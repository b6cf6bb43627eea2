#include "ui/docking/themes/UIDockingPaneThemes.h"

#include "ui/docking/themes/UIDockingPaneClassicTheme.h"

CUIDockingPaneTheme* CreateDockingPaneTheme(int index) {
    CUIDockingPaneTheme* theme = nullptr;
    switch (index) {
    case 0:
        theme = new CUIDockingPaneClassicTheme;
        break;
    default:
        return nullptr;
    }
    theme->m_themeIndex = index;
    return theme;
}
