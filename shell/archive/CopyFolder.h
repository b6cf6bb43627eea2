#pragma once
#include "platform/CString.h"

#include <windows.h>

// Copies every file and folder of `source` into `destination`, files overwriting,
// folders created anew (one that already exists fails). TRUE when everything was
// copied, also for an empty or missing source. The process's current folder is left
// in the last folder the copy made.
BOOL CopyFolder(const CString& source, const CString& destination);
