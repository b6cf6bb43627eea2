#pragma once

#include "platform/Afx.h"

class CQLXFunc;

// The operand bits a subroutine parameter of one data type accepts: an input-only
// parameter (no output bit in its section flags) takes constants and every area it can
// read, an in-out or output parameter only writable areas. 0 for another type bit.
DWORD SubroutineParamOperandBits(DWORD typeBit, DWORD sectionFlags);

// A subroutine's call descriptor read from its variable file: EN and ENO, then one
// parameter per declaration of the VAR_INPUT, VAR_IN_OUT and VAR_OUTPUT sections with a
// known data type. A file that cannot be read gives EN and ENO alone. The caller owns
// the result.
CQLXFunc* ReadSubroutineDesc(const CString& variablePath, const CString& name, WORD number);
