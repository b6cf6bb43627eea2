#pragma once

#include "platform/CMap.h"

// A set of 32-bit command (or menu) ids: the framework's hash map with 17 buckets,
// each entry carrying the value 1. Its enumeration order is the order of the stored
// "UsedCommands" bytes.
class CUICommandSet : public CMap<UINT, UINT, int, int> {
public:
    BOOL Contains(UINT id) const {
        int value = 0;
        return Lookup(id, value);
    }
    void Add(UINT id) { SetAt(id, 1); }
    // Empties this set and fills it with the other's entries in their order.
    void CopyFrom(const CUICommandSet& other) {
        RemoveAll();
        POSITION position = other.GetStartPosition();
        while (position) {
            UINT id;
            int value;
            other.GetNextAssoc(position, id, value);
            SetAt(id, value);
        }
    }
};
