#pragma once
#include "platform/CString.h"

#include <windows.h>

// Starts the command line as a hidden process and waits for it at most `timeoutMs`.
// TRUE when it started and ended in time (its exit code is not looked at); a process
// that runs on is ended by force and gives FALSE, as does one that cannot start.
BOOL RunHiddenProgram(const CString& commandLine, DWORD timeoutMs);
