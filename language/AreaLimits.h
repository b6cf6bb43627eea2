#pragma once

// The last valid byte or element number of an address form in the memory of one CPU
// class, whose memory-area rows start at firstRow (the class times the rows per class).
// Word and double-word forms are already reduced so that the whole value lies inside
// the area. -1 for a prefix the form does not know, and for a row that starts no class.
// The prefix is compared exactly: upper case, with its "%".
int GetAreaLastBitByteIndex(const char* prefix, int firstRow);
int GetAreaLastWordIndex(const char* prefix, int firstRow);
int GetAreaLastDwordIndex(const char* prefix, int firstRow);

// The same for the current CPU class, asking the three forms in turn; the prefix is
// trimmed, upper-cased and given its "%" first. -1 for an empty prefix, an unknown one
// or when no CPU class is configured.
int GetAreaLastIndex(const char* prefix);
