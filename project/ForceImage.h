#pragma once
#include <windows.h>

// A force image holds one 32-bit cell per address-code position: a byte's value lives in
// the low 8 bits of its cell, a multi-byte value in consecutive cells with the lowest
// byte first, and a bit at its bit position in the cell of its byte.

// Writes a value of the type (OperandDescriptor type bits, tested as BOOL, BYTE, WORD or
// INT, then DWORD, DINT or REAL) at the code. A bit takes the value's bit 0; a bit's cell
// is the code's position, any other value's first cell the whole code. False when a cell
// lies outside the image; true without a change for a type of none of these kinds.
bool WriteForceValue(DWORD* cells, int cellCount, WORD code, DWORD typeBits, DWORD value);

// Reads a value back the same way. False, the value untouched, when a cell lies outside
// the image or the type is of none of the kinds.
bool ReadForceValue(const DWORD* cells, int cellCount, WORD code, DWORD typeBits, DWORD& value);
