#pragma once

#include <windows.h>

#include <vector>

// A toolbar resource (type 241): little-endian WORDs version, button width, button
// height, count, then count command ids, 0 for a separator. The bitmap resource of the
// same id holds the images.
struct UIToolBarResource {
    int buttonWidth = 0;
    int buttonHeight = 0;
    std::vector<UINT> ids;
};

// Reads the toolbar resource of the id from the module that holds it; FALSE when it is
// missing or shorter than its own count says.
BOOL LoadToolBarResource(UINT id, UIToolBarResource* resource);
