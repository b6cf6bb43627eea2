#pragma once
#include "platform/Afx.h"

// The ".qpr" project files opened by this program: the class "Tessaron.Project" under
// the root (HKEY_CLASSES_ROOT for the program) with its "open" verb.

// The command the association runs: the quoted program path and the quoted "%1".
CString ProjectOpenCommand(const CString& programPath);
// Whether ".qpr" names a class whose "open" command starts this very program path.
BOOL IsProjectFileTypeOurs(HKEY root, const CString& programPath);
// Makes this program the handler of project files. When another program is the handler,
// the user is asked first (owner: the main window); No leaves the association alone.
void RegisterProjectFileType(HKEY root, const CString& programPath, HWND owner);
