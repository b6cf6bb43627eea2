#pragma once
#include <windows.h>

class CChildFrameHW;
class HardwareShell;

// Puts the slot grid and the module information pane into the hardware window, guarded
// by the configuration check when the window closes; the shell is the main window's.
void InstallHardwareWindowPanes(HardwareShell& shell);
void UninstallHardwareWindowPanes();
// The configuration check over the open hardware window (the project save runs it);
// TRUE when it passes or no window is given.
BOOL CheckHardwareWindow(CChildFrameHW* frame);
