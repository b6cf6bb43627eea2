#include "shell/tables/TableRows.h"

namespace {

void QuickSort(std::vector<CObject*>& rows, int low, int high, const RowKey& key, int direction) {
    while (low < high) {
        CString pivot = key(rows[(low + high) / 2]);
        int i = low, j = high;
        while (i <= j) {
            while (key(rows[i]).Compare(pivot) * direction < 0)
                ++i;
            while (key(rows[j]).Compare(pivot) * direction > 0)
                --j;
            if (i <= j) {
                if (key(rows[i]).Compare(key(rows[j])) != 0)
                    std::swap(rows[i], rows[j]);
                ++i;
                --j;
            }
        }
        // Recurse into the smaller part, loop over the larger: the depth stays small.
        if (j - low < high - i) {
            QuickSort(rows, low, j, key, direction);
            low = i;
        } else {
            QuickSort(rows, i, high, key, direction);
            high = j;
        }
    }
}

}  // namespace

void SortRowsByKey(std::vector<CObject*>& rows, const RowKey& key, bool ascending) {
    int last = static_cast<int>(rows.size()) - 1;
    while (last >= 0 && key(rows[last]).IsEmpty())
        --last;
    if (last < 0)
        last = static_cast<int>(rows.size()) - 1;
    QuickSort(rows, 0, last, key, ascending ? 1 : -1);
}
