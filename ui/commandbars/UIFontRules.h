#pragma once

#include <windows.h>

// What the settings fonts are made from: the system's menu font, the screen's character
// set and which substitute faces are installed.
struct UIFontFacts {
    LOGFONTA menuFont;
    BYTE screenCharSet;
    BOOL tahomaInstalled;
    BOOL arialInstalled;
};

// The eight settings fonts as they are to be created.
struct UIFontPlan {
    LOGFONTA regular, bold, underline, alternate;  // horizontal
    LOGFONTA up, upBold, down, downBold;            // rotated 90 and 270 degrees
};

// The rules: the menu font's height (a small negative one raised to -11), weight,
// italic flag and face on the screen's character set; a Western menu font that is not
// Tahoma gets Tahoma for the horizontal fonts once menuFontIsTahoma was set, or Arial
// for the rotated fonts while it is clear. menuFontIsTahoma is set (never cleared) when
// the menu font is Tahoma.
UIFontPlan PlanUIFonts(const UIFontFacts& facts, BOOL& menuFontIsTahoma);
