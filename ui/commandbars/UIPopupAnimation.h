#pragma once

#include <windows.h>

// Kinds of the popup animation (the option Animation uses 0 for the system's choice
// and 1 for a random one).
enum UIPopupAnimationKind {
    uiAnimateNoneBySystem = 0,
    uiAnimateRandom = 1,
    uiAnimateUnfold = 2,
    uiAnimateSlide = 3,
    uiAnimateFade = 4,
    uiAnimateNone = 5,
};

// The kind a popup animates with for the option: the system's menu animation bits
// (0x2 animate, 0x200 fade instead of slide) decide for 0, the random value (0-2) for 1.
int PopupAnimationKind(int option, DWORD userPreferencesMask, int randomValue);

// The first DWORD of "Control Panel\Desktop" "UserPreferencesMask" of the current user,
// read whole (the value is usually longer than four bytes); 0 when it is missing.
DWORD ReadUserPreferencesMask();
