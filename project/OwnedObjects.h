#pragma once
#include "platform/Afx.h"

// The framework's collections of pointers do not own what they point to; a collection
// that the program makes the owner deletes its objects through these before it is
// emptied. Map values are deleted as the map's value type.

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void DeleteMapValues(CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>& map) {
    POSITION position = map.GetStartPosition();
    while (position != nullptr) {
        KEY key;
        VALUE value;
        map.GetNextAssoc(position, key, value);
        delete value;
    }
    map.RemoveAll();
}

inline void DeleteArrayElements(CObArray& array) {
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        delete array[i];
    array.RemoveAll();
}
