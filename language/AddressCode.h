#pragma once
#include <windows.h>

// The 16-bit address code names a PLC memory location in one flat space shared by all
// areas: bits 0-12 the area's base plus the offset, bits 13-15 a bit number.

// The first address code of the area a prefix names; "%T" and "%C" name the status
// bits when statusBit is set, else the values. The prefix is trimmed and given its
// "%" but not upper-cased; -1 for any other prefix.
short GetAreaCodeBase(const char* prefix, BOOL statusBit);

// The address code of a valid direct address (upper case, with its "%"): a bit address
// byte.bit as base + byte + bit * 8192; timers and counters as values (two positions
// each) or, with the status flag, as bits like RS and SR elements (element n at byte
// n / 8, bit n mod 8); any other form as base + number. 0xFFFF for a text without an
// area prefix.
WORD EncodeAddressCode(const char* address, BOOL statusBit);
