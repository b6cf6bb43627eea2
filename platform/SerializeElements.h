#pragma once
// How the collections store and load their elements: each one through the archive's
// own operators (numbers little-endian, CString with its length, CObject* as a tagged
// object). An element type the archive does not know needs its own overload.

#include "platform/CArchive.h"

#include <windows.h>

template <class TYPE>
void SerializeElements(CArchive& ar, TYPE* elements, INT_PTR count) {
    for (INT_PTR i = 0; i < count; ++i) {
        if (ar.IsStoring())
            ar << elements[i];
        else
            ar >> elements[i];
    }
}
