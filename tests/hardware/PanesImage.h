#pragma once
#include <string>

class CWnd;

// Writes the window and its visible children to a BMP for people to look at, group
// boxes before the fields inside them. Each window
// draws its client area through WM_PRINTCLIENT at its own place, which the controls and
// views here answer under the null driver where a whole-window WM_PRINT leaves gaps.
void SavePanesImage(CWnd* window, const std::string& fileName);
