#pragma once

#include <windows.h>

#include <commctrl.h>

// Registers the common-control window classes of the given ICC_* set once per
// process, so that a control of those classes can be created directly or from a
// dialog template.
void AfxEnsureCommonControls(DWORD classes);
