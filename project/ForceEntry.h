#pragma once
#include "platform/CMap.h"
#include "platform/CString.h"

#include <windows.h>

// One forced address of the project's force map, keyed by its address text. The values
// themselves live in the force image; the entry says what is forced and as which type.
struct ForceEntry {
    CString addressText;
    WORD addressCode = 0;
    DWORD typeFlags = 0;    // forceable (0x200) with the data-type bits
    DWORD forcedValue = 0;  // as given when forced here; 0 for entries read from the PLC
};

// Address text to entry; the project owns the entries and deletes them on reset.
using ForceEntryMap = CMap<CString, LPCSTR, ForceEntry*, ForceEntry*>;
