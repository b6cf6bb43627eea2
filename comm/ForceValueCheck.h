#pragma once
#include "platform/CString.h"

#include <windows.h>

// Whether a typed force value suits a direct address: a bit takes TRUE or FALSE, a REAL
// needs a decimal point, bytes, words and double words take their literals, and the
// literal's type must share a bit with the address's types. The value text is trimmed
// and upper-cased first. On success `value` is what the force table carries (the bit
// pattern for a REAL).
bool CheckForceValue(const CString& addressText, const CString& valueText, DWORD& value);
