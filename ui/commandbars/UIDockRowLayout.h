#pragma once

#include "platform/CRect.h"

#include <functional>
#include <vector>

// One bar of a dock row, told along the row (a vertical dock bar swaps x and y): its
// place in the dock bar's array (lower = docked earlier), the left edge it last used,
// its size for a length along the row, and whether it can hide what does not fit
// (then its narrowest form is its size for length 1; otherwise it needs the whole row).
struct UIDockRowBar {
    int index = 0;
    int preferredLeft = 0;
    std::function<CSize(int length)> size;
    BOOL hidesOverflow = FALSE;
};

// Where a bar went: its left edge and length along the row, and its row's offset and
// thickness across it.
struct UIDockRowPlace {
    int left = 0;
    int length = 0;
    int offset = 0;
    int thickness = 0;
};

// Lays the bars of one row of a dock bar out within the row length from the offset:
// each bar keeps its preferred left edge as far as the row allows, overlapping bars
// are pushed (the one docked earlier keeps its place), a row too short squeezes its
// bars towards their narrowest forms, and bars that still do not fit move to extra
// rows after it. Returns the places in the order of the bars given and the total
// thickness.
int LayoutDockRows(const std::vector<UIDockRowBar>& bars, int offset, int rowLength, std::vector<UIDockRowPlace>* places);
