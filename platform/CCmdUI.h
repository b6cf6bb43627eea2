#pragma once

#include "platform/Afx.h"

class CCmdTarget;
class CMenu;
class CWnd;

// One command's user-interface element (a menu item, a bar button, a dialog
// control) while its update handler decides its state. The update handlers run at
// idle time for bars, when a menu opens, and once more before a menu or accelerator
// command is carried out (a command left disabled is not carried out).
class CCmdUI {
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL on = TRUE);
    virtual void SetCheck(int check = 1);  // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL on = TRUE);
    virtual void SetText(LPCSTR text);
    // Called by an update handler that wants the routing to go on to later targets.
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Routes the update through target; with disableIfNoHandler an element whose
    // command nobody handles (and whose state no update handler set) is disabled.
    BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    CMenu* m_pMenu = nullptr;        // the menu of a menu item
    CMenu* m_pSubMenu = nullptr;     // the popup that this item opens
    CMenu* m_pParentMenu = nullptr;  // the menu holding the popup of a popup's update
    CWnd* m_pOther = nullptr;        // the bar or control of other elements
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
    UINT m_nIndexMax = 0;
};

// Asks the update handlers whether a command is enabled, changing nothing.
class CTestCmdUI : public CCmdUI {
public:
    void Enable(BOOL on = TRUE) override;
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCSTR) override {}

    BOOL m_bEnabled = TRUE;
};
