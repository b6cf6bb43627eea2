#pragma once

#include "platform/CRect.h"

class CUICommandBar;
class CUIControl;
class CUIImageIconSet;

// What the paint managers read of bars and controls, in one place for all themes.

// TRUE for a popup-type control (2-4) whose popup is open.
BOOL IsControlPopupOpen(const CUIControl* control);
// The parent bar's position; "none" without a parent.
int ControlBarPosition(const CUIControl* control);
// TRUE when the control's parent is a popup bar.
BOOL IsOnPopupBar(const CUIControl* control);
// The icon size of a bar's buttons (16 x 16 for bars without their own).
CSize BarIconSize(const CUICommandBar* bar);
// TRUE when the bar's buttons show their captions below their icons.
BOOL BarDrawsTextBelowIcons(const CUICommandBar* bar);
// The control's image of the width when its display style allows one; null otherwise.
// Popup controls (type 2) have none in the automatic style.
CUIImageIconSet* ControlImage(CUIControl* control, int width);
// TRUE for a rarely used entry that the popup's expansion shows.
BOOL IsRevealedEntry(const CUIControl* control);
