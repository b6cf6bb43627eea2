#pragma once

#include "platform/Afx.h"

class CQLXProject;

// Writes the project's global variables and FB instances as IL declarations into
// <folder>\<name>.qgv, the first file of every compile. Tells the user when the file
// cannot be made.
void ExportGlobalVarFile(CQLXProject& project);

// The text of that file.
CString GlobalVarFileText(CQLXProject& project);
