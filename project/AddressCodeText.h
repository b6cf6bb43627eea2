#pragma once
#include "platform/CString.h"

#include <windows.h>

// Address codes back to memory areas and address texts. An address code's bits 0-12 are
// a position in the flat space of all areas (the area's base plus the offset), bits 13-15
// a bit number. The areas' extents depend on the CPU class.

// The prefix of the area ("%V", "%TB", ...) that holds the position (bits 0-12 of the
// argument) in the memory of the CPU class, with the offset from the area's base. The
// empty text and offset -1 when no area holds it.
CString DecodeAddressCode(int cpuClass, int position, int& offset);

// The address text of a code read as the type (OperandDescriptor type bits): %V10.7,
// %VB10, %VW10, %VD10, %VR10, T5, C20, RS3, %HC1. Timers, counters, RS, SR and high-speed
// counters are named by their element whatever the type; other areas need one of the
// seven data-type bits. The empty text when the code decodes to no area or the form does
// not exist.
CString AddressCodeToText(int cpuClass, WORD code, DWORD typeBits);
