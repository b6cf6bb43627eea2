#pragma once

#include <windows.h>

// The three forms the paint managers make from a command's icon. Each returns a new
// icon (null when it cannot be made); alpha icons keep their alpha, masked icons their
// mask, and only opaque pixels of a masked icon change.

// Lighter: each channel trunc(c × 0.7 + 76.5). A masked icon on a low-colour display
// is copied unchanged.
HICON CreateFadedIcon(HICON icon, BOOL alpha, BOOL lowColor);
// A one-colour silhouette in the shadow colour.
HICON CreateShadowIcon(HICON icon, BOOL alpha, COLORREF shadow);
// Grey levels: g = 0.299 R + 0.587 G + 0.114 B becomes trunc((g / 255)^0.5 × 255).
HICON CreateDisabledIcon(HICON icon, BOOL alpha);

// The shadow colour: palette index 31 with each channel times 0.75, truncated.
COLORREF GetIconShadowColor();
