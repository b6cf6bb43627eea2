#pragma once

#include "platform/CString.h"

class CTokenChecker;

// Whether a name may be declared as a variable; the reasons are dropped, the caller
// reports its own message.
bool ValidateIdentifierToken(const CString& name);
// Whether a classified operand can hold the 8-byte buffer of the clock instructions:
// a BYTE address in M, V or L with room for 8 bytes, given directly or as the AT
// address of a declared variable. False for no token.
bool CheckRtcBufferOperand(const CTokenChecker* token);
