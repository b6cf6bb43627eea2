#pragma once

#include "ui/commandbars/UIControl.h"

// Controls that stand in a menu for a list that changes while the program runs. At
// every layout of its bar each takes away the entries it put in the last time, hides
// itself and puts fresh temporary entries right after itself; in customize mode it
// shows as its own single entry instead.

// The open document windows: "&1 title" ... for the visible MDI children, the active
// one checked.
class CUIControlWindowList : public CUIControlButton {
    DECLARE_SERIAL(CUIControlWindowList)

public:
    // The command id of the first MDI child, and the most entries shown.
    static UINT FirstChildId;
    static int MaxItems;

    void OnCalcDynamicSize(DWORD mode) override;
    CUIControl* Clone(BOOL recursive) override;
};

// The toolbars, each checked while visible; choosing one shows or hides it.
class CUIControlToolbars : public CUIControlButton {
    DECLARE_SERIAL(CUIControlToolbars)

public:
    static const char EntryParameter[];

    void OnCalcDynamicSize(DWORD mode) override;
    CUIControl* Clone(BOOL recursive) override;
};

// One entry of the toolbars list: its tag is the bar's index in the command bars.
class CUIControlToolbar : public CUIControlButton {
    DECLARE_SERIAL(CUIControlToolbar)

public:
    void OnExecute() override;
    CUIControl* Clone(BOOL recursive) override;
};

// The application's recently used files, numbered "&1 " ... "&0 ".
class CUIControlRecentFileList : public CUIControlButton {
    DECLARE_SERIAL(CUIControlRecentFileList)

public:
    void OnCalcDynamicSize(DWORD mode) override;
    CUIControl* Clone(BOOL recursive) override;
};

// The verbs of the selected embedded object. Documents here are never containers of
// embedded objects, so the control only hides itself.
class CUIControlOleItems : public CUIControlButton {
    DECLARE_SERIAL(CUIControlOleItems)

public:
    void OnCalcDynamicSize(DWORD mode) override;
    CUIControl* Clone(BOOL recursive) override;
};

// What the tabbed MDI client offers for its tab groups: it answers which of the group
// commands apply now.
class CUIWorkspaceGroupCommands {
public:
    virtual ~CUIWorkspaceGroupCommands() = default;
    virtual BOOL QueryGroupCommand(UINT id) = 0;
};

// The tab-group commands of a tabbed MDI client that implements
// CUIWorkspaceGroupCommands.
class CUIControlWorkspaceActions : public CUIControlButton {
    DECLARE_SERIAL(CUIControlWorkspaceActions)

public:
    void OnCalcDynamicSize(DWORD mode) override;
    CUIControl* Clone(BOOL recursive) override;
};

// The control a menu item with a reserved command id becomes; null for other ids.
CUIControl* CreateListControlForMenuItem(UINT id, LPCSTR text);
