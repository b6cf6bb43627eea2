#pragma once
#include "platform/Afx.h"

#include <functional>
#include <vector>

// Steps the table views share: the guards of their row operations, their sort and
// the removal of a map entry that belongs to one object.

// A deletion of count rows from first inside a table of size rows.
inline bool IsRowRangeInside(int first, int count, int size) {
    return count > 0 && first >= 0 && first + count <= size;
}

// An insertion of count rows at (before) row at; at == size appends.
inline bool IsInsertPositionInside(int at, int count, int size) { return count > 0 && at >= 0 && at <= size; }

// Removes the key only when it maps to object; TRUE when it did.
inline BOOL RemoveKeyIfPointsTo(CMapStringToOb& map, const CString& key, const CObject* object) {
    CObject* held = nullptr;
    if (key.IsEmpty() || !map.Lookup(key, held) || held != object)
        return FALSE;
    map.RemoveKey(key);
    return TRUE;
}

using RowKey = std::function<const CString&(CObject*)>;

// Sorts rows 0 to the last row with a non-empty key (all rows when every key is
// empty) by the key's bytes, with a quicksort around the middle row that never swaps
// rows with equal keys, so rows with an empty key at the end stay there.
void SortRowsByKey(std::vector<CObject*>& rows, const RowKey& key, bool ascending);
