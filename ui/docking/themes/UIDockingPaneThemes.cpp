#include "ui/docking/themes/UIDockingPaneThemes.h"

#include "ui/docking/themes/UIDockingPaneClassicTheme.h"
#include "ui/docking/themes/UIDockingPaneFlatTheme.h"
#include "ui/docking/themes/UIDockingPaneFramedTheme.h"
#include "ui/docking/themes/UIDockingPaneGradientTheme.h"
#include "ui/docking/themes/UIDockingPaneLinedTheme.h"
#include "ui/docking/themes/UIDockingPaneVisualStyleTheme.h"

CUIDockingPaneTheme* CreateDockingPaneTheme(int index) {
    CUIDockingPaneTheme* theme = nullptr;
    switch (index) {
    case 0: theme = new CUIDockingPaneClassicTheme; break;
    case 1: theme = new CUIDockingPaneFlatTheme; break;
    case 2: theme = new CUIDockingPaneLinedTheme; break;
    case 3: theme = new CUIDockingPaneFramedTheme; break;
    case 5: theme = new CUIDockingPaneGradientTheme; break;
    case 6: theme = new CUIDockingPaneVisualStyleTheme; break;
    default: return nullptr;
    }
    theme->m_themeIndex = index;
    return theme;
}
