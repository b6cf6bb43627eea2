#pragma once

// The framework's core in one include: the Windows API and the framework's base
// classes. Each part of the framework adds its own header here.

#include <windows.h>

#include "platform/CString.h"
#include "platform/CObject.h"
#include "platform/CException.h"
#include "platform/CFileException.h"
#include "platform/CArchiveException.h"
#include "platform/CFile.h"
#include "platform/CMemFile.h"
#include "platform/CStdioFile.h"
#include "platform/CArchive.h"
#include "platform/Arrays.h"
#include "platform/Lists.h"
#include "platform/Maps.h"
#include "platform/CTime.h"
#include "platform/SyncObjects.h"
#include "platform/MessageBox.h"

#ifndef ASSERT
// Checks of the program's own invariants; like the framework's release builds, they
// evaluate nothing. VERIFY evaluates its expression always.
#define ASSERT(condition) ((void)0)
#define VERIFY(expression) ((void)(expression))
#endif
