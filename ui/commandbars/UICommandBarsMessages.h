#pragma once

#include <windows.h>

class CUICommandBar;
class CUIControl;
class CMenu;

// Messages the bars send to their site frame. Unhandled, each returns 0 and the
// toolkit's default behaviour applies.
const UINT CommandBarsExecuteNotify = WM_USER + 301;        // wParam id, lParam UIExecuteRecord*
const UINT CommandBarsControlCreateNotify = WM_USER + 303;  // lParam UIControlCreateRecord*
const UINT CommandBarsCreateBarNotify = WM_USER + 304;      // lParam UIBarCreateRecord*
const UINT CommandBarsSelChangeNotify = WM_USER + 305;      // wParam the selected control or 0
const UINT CommandBarsCustomizeSelNotify = WM_USER + 306;
const UINT CommandBarsPopupNotify = WM_USER + 307;          // lParam the popup bar

// The code of an executed control in its execute record.
const int UIExecuteCode = 100;

// What CommandBarsExecuteNotify hands the frame; the fields that hold pointers are
// pointer-sized.
struct UIExecuteRecord {
    INT_PTR reserved;
    INT_PTR id;
    INT_PTR code;
    CUIControl* control;
};

// What CommandBarsCreateBarNotify hands the frame: for a toolbar the new bar, which
// the frame may adjust; for a popup null, and the frame may put one in.
struct UIBarCreateRecord {
    CUICommandBar* bar;
    INT_PTR popup;
    INT_PTR reserved;
    INT_PTR toolBar;
    INT_PTR tearOff;
    LPCSTR caption;
    INT_PTR id;
};

// What CommandBarsControlCreateNotify hands the frame; a nonzero answer with a
// control ends the creation with it.
struct UIControlCreateRecord {
    INT_PTR id;
    LPCSTR caption;
    CUIControl* control;
    CUICommandBar* bar;
    CMenu* menu;
    INT_PTR position;
    INT_PTR type;
};
