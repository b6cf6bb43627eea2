#pragma once
#include "language/OperandDescriptor.h"

// A direct address names a memory location by area prefix and number: %I0.3 (input
// byte 0, bit 3), %VW100 (the word at V byte 100), %T5 (timer 5). Case does not matter
// and a missing "%" is supplied.

// Checks the address against the syntax and the memory limits of the current CPU
// class. On success the descriptor holds the prefix's types, memory (0x800) and the
// prefix's area word; on failure it is -1.
bool ParseDirectAddress(const char* text, OperandDescriptor& descriptor);

// Word and double-word forms need an even, all-digit byte number; other texts pass.
bool CheckAddressAlignment(const char* text);

// Whether the address is a BYTE address in M, V or L whose 8 bytes from there lie
// inside the area: the buffer of the real-time clock instructions.
bool IsRtcBufferAddress(const char* text);
