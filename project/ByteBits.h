#pragma once
#include <windows.h>

// Bit n (0-7) of a byte; a bit number outside the byte changes nothing.
void SetByteBit(BYTE& byte, int n);
void PutByteBit(BYTE& byte, int n, int flag);
