#pragma once

#include <windows.h>

#include <vector>

// The program's four toolbars as their resources hold them: the toolbar id (also the id
// of its bitmap strip, 16 x 16 per image) and the command ids, 0 for a separator.
struct ToolbarStrip {
    UINT id;
    std::vector<UINT> commands;
    // The commands that have an image in the strip, in strip order.
    std::vector<UINT> ImageCommands() const;
};

// Read from the running program's resources (type 241: version, image width and height,
// count, ids).
std::vector<ToolbarStrip> LoadToolbarStrips();
