#pragma once
#include "platform/Afx.h"

// The project file a raw command line names after the program: from the first drive
// path (":\") behind the program's ".exe" to the end, without a closing quote. Empty
// when no drive path follows.
CString ProjectPathOfCommandLine(const CString& commandLine);
