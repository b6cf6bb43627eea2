#pragma once

#include "platform/Afx.h"

// The converter of project files written by older versions: "Tools.exe" in the
// installation folder, which rewrites the file in place.

// The folder of the running program, without a trailing "\".
CString InstallationFolder();

// Runs the converter hidden on the project file and waits up to waitMs for it. FALSE
// when it cannot be started or has not ended by then; it is then ended, so that it
// cannot rewrite the file later.
BOOL RunProjectConverter(const CString& converter, const CString& projectFile, DWORD waitMs);
