#include "ui/commandbars/UIDockRowLayout.h"

#include <algorithm>

namespace {

struct Entry {
    int bar;  // position in the row's bar list
    int index;
    int initialLeft;
    int left;
    int width;
    int minimum = 0;
    int before = 0;  // minimum lengths of the entries left of it
    int Right() const { return left + width; }
};

// Removes overlaps in three passes; an entry overlapping its neighbour moves when it
// was docked later than the neighbour or while the pass is pushing.
void RemoveOverlaps(std::vector<Entry>& entries, int rowLength) {
    int previousRight = 0, previousIndex = -1;
    BOOL pushing = TRUE;
    for (Entry& entry : entries) {
        if (entry.left < previousRight && (entry.index > previousIndex || pushing)) {
            entry.left = previousRight;
            pushing = TRUE;
        } else {
            pushing = FALSE;
        }
        previousRight = entry.Right();
        previousIndex = entry.index;
    }
    int nextLeft = rowLength, nextIndex = -1;
    pushing = TRUE;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (entry->Right() > nextLeft && (entry->index > nextIndex || pushing)) {
            entry->left = nextLeft - entry->width;
            pushing = TRUE;
        } else {
            pushing = FALSE;
        }
        nextLeft = entry->left;
        nextIndex = entry->index;
    }
    previousRight = 0;
    for (Entry& entry : entries) {
        entry.left = std::max(entry.left, previousRight);
        previousRight = entry.Right();
    }
}

// Shrinks the entries from the right towards their minimum lengths; the position of
// the entry that cannot fit (the rightmost), or -1 when the row fits.
int Squeeze(std::vector<Entry>& entries, const std::vector<UIDockRowBar>& bars, int rowLength) {
    int before = 0;
    for (Entry& entry : entries) {
        const UIDockRowBar& bar = bars[entry.bar];
        entry.minimum = bar.hidesOverflow ? bar.size(1).cx : rowLength;
        entry.before = before;
        before += entry.minimum;
    }
    int right = rowLength;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        int left = std::min(entry->initialLeft, entry->left);
        left = std::max(left, right - entry->width);
        left = std::max(left, entry->before);
        if (right - left < entry->minimum)
            left = right - entry->minimum;
        if (left < entry->before && entries.size() > 1)
            return entries.back().bar;
        entry->left = std::max(left, 0);
        entry->width = right - entry->left;
        right = entry->left;
    }
    return -1;
}

// One row: its thickness, or 0 with the bar that must leave the row.
int LayoutRow(const std::vector<UIDockRowBar>& bars, int rowLength, std::vector<Entry>* placed, int* failing) {
    std::vector<Entry> entries;
    for (int i = 0; i < static_cast<int>(bars.size()); ++i) {
        const CSize size = bars[i].size(rowLength);
        entries.push_back(Entry{i, bars[i].index, bars[i].preferredLeft, bars[i].preferredLeft, size.cx});
    }
    // Equal left edges keep the order the bars were docked in.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.left < b.left; });
    RemoveOverlaps(entries, rowLength);
    if (!entries.empty() && entries.back().Right() > rowLength) {
        *failing = Squeeze(entries, bars, rowLength);
        if (*failing >= 0)
            return 0;
    }
    int thickness = 0;
    for (const Entry& entry : entries)
        thickness = std::max<int>(thickness, bars[entry.bar].size(entry.width).cy);
    *placed = entries;
    return thickness;
}

}  // namespace

int LayoutDockRows(const std::vector<UIDockRowBar>& bars, int offset, int rowLength, std::vector<UIDockRowPlace>* places) {
    places->assign(bars.size(), UIDockRowPlace());
    std::vector<int> row(bars.size());
    for (size_t i = 0; i < bars.size(); ++i)
        row[i] = static_cast<int>(i);
    int total = 0;
    while (!row.empty()) {
        std::vector<int> overflow;
        for (;;) {
            std::vector<UIDockRowBar> rowBars;
            for (int bar : row)
                rowBars.push_back(bars[bar]);
            std::vector<Entry> placed;
            int failing = -1;
            const int thickness = LayoutRow(rowBars, rowLength, &placed, &failing);
            if (failing >= 0) {
                overflow.push_back(row[failing]);
                row.erase(row.begin() + failing);
                continue;
            }
            for (const Entry& entry : placed)
                (*places)[row[entry.bar]] = UIDockRowPlace{entry.left, entry.width, offset, thickness};
            offset += thickness;
            total += thickness;
            break;
        }
        row = overflow;
    }
    return total;
}
