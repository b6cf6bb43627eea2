#pragma once
#include "language/OperandDescriptor.h"

// The prefixes of direct addresses, with the types an address of the prefix can be read
// as and its area word (area bit, readable, writable, forceable). A lookup takes the
// first row whose prefix starts the address, so every longer prefix stands before the
// shorter ones it begins with.
struct AreaPrefixSpec {
    const char* prefix;
    int length;
    OperandDescriptor types;
    OperandDescriptor areaWord;
};

const int AREA_PREFIX_COUNT = 33;
extern const AreaPrefixSpec AreaPrefixTable[AREA_PREFIX_COUNT];

// The first row whose prefix the address text (upper case, with its "%") begins with;
// false, the row untouched, when none does.
bool FindAreaPrefix(const char* address, short& row);

// Copies a row; false for a row outside the table.
bool GetAreaPrefixRecord(int row, AreaPrefixSpec& record);
