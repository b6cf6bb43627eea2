#pragma once

#include "ui/commandbars/UICommandSet.h"

#include "platform/CCmdTarget.h"
#include "platform/CSize.h"

class CArchive;
class CUICommandBars;

// The options of one command-bar collection, and their store in the profile
// section "<name>-Options".
class CUICommandBarsOptions : public CCmdTarget {
public:
    explicit CUICommandBarsOptions(CUICommandBars* owner) : m_owner(owner) {}

    BOOL m_alwaysShowFullMenus = TRUE;
    BOOL m_showFullAfterDelay = TRUE;
    BOOL m_toolBarScreenTips = TRUE;
    BOOL m_toolBarAccelTips = FALSE;
    BOOL m_largeIcons = FALSE;
    BOOL m_hideFloatingBarsWithFrame = TRUE;
    BOOL m_alwaysShowOptionsButton = TRUE;
    BOOL m_doubleClickFloats = FALSE;
    BOOL m_textBelowIcons = FALSE;
    int m_animation = 0;
    CSize m_buttonSize = CSize(0, 0);
    CSize m_largeButtonSize = CSize(0, 0);
    CUICommandSet m_hiddenCommands;
    CUICommandSet m_usedCommands;
    CUICommandBars* m_owner;

    // Writes the section anew: the six integers and, when there are any, the used
    // commands as the binary "UsedCommands". Failures are swallowed.
    void Store(LPCSTR profileName);
    // Reads the section over the current values (missing values keep them); the used
    // commands read are added to the current ones. Failures are swallowed.
    void Restore(LPCSTR profileName);
    // The options archive (schema 6, seven flags, two sizes, hidden commands and the
    // three image options of the paint manager).
    void Serialize(CArchive& ar);
};
