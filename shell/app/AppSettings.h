#pragma once
#include "platform/Afx.h"

class CPlcWorkspace;
class CWinApp;
struct SerialSettings;

// The program's settings in the application's profile. Every value is a string; the
// numeric ones read back as a decimal number, an absent or empty one as 0.

// "DefaultCPU" names one of the first eight CPU rows of the module catalogue, the CPUs
// a new project can be given.
constexpr int DefaultCpuChoices = 8;

// The style that "Interface" names: its first two characters as a number.
int ReadVisualStyle(CWinApp& app);
// "IfCompileBeforeDown", "IfCompileBeforeOnline", "OnlineFormat", "DefaultPOULang" and
// "DefaultCPU" into the workspace. A language other than 1 (IL) reads as 2 (LD), a CPU
// outside the choices as the first one, so that new POUs and projects always get one
// the program can make.
void ReadConfiguration(CWinApp& app, CPlcWorkspace& workspace);
// The same values and "Interface" ("%2d") back into section "Configuration".
void WriteConfiguration(CWinApp& app, const CPlcWorkspace& workspace);
// Section "COM" into the port's settings, only when both "DestAddr" and "PORT" are set.
// A value outside what the port can be given (station 1-31, a known baud rate, 5 to 8
// data bits, 1 or 2 stop bits, one of the three parity texts) keeps the port's own.
void ReadCommSettings(CWinApp& app, SerialSettings& settings);
// The four editor fonts from the stock fonts: fixed-pitch for the IL text and the
// third, the GUI font for the LD text and the fourth.
void InitEditorFonts(CPlcWorkspace& workspace);

// The command-bar and docking themes of a visual style.
struct VisualThemes {
    int commandBars;
    int docking;
};
VisualThemes ThemesOfVisualStyle(int style);
