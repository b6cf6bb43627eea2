#pragma once
#include "platform/CString.h"

// Normalised copies of a text, for comparing and keying without changing the original.

inline CString UpperCased(const CString& text) {
    CString upper = text;
    upper.MakeUpper();
    return upper;
}

inline CString Trimmed(const CString& text) {
    CString trimmed = text;
    trimmed.Trim();
    return trimmed;
}
