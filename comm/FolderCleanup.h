#pragma once

#include "platform/Afx.h"

// Empties a work folder: deletes every file at any depth (read-only, hidden and system
// files too; a file that cannot be deleted is skipped), then removes the folder's
// direct sub-folders that are empty by then. Deeper sub-folders stay, as do direct
// sub-folders that still hold folders. The folder itself stays. FALSE only when a
// folder cannot be listed; the process's current folder is not changed.
BOOL DeleteDirectoryTree(const CString& folder);
