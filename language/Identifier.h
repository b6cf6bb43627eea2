#pragma once

// Whether a name may be an identifier: ASCII letters, digits and "_", not starting with
// a digit and not with "__". Case does not matter.
bool IsValidIdentifier(const char* name);
