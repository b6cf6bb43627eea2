#pragma once

#include "ui/commandbars/UIImageFunctions.h"

// The three forms the paint managers make from a command's icon, from its pixels (read
// once when the icon is stored). Each returns a new 32-bit bitmap with premultiplied
// alpha, drawn by alpha blending, or null: alpha icons keep their alpha; the opaque
// pixels of a masked icon become fully opaque and the others fully transparent.
// Bitmaps, not icons: reading or making an icon costs far more than the image.

// Lighter: each channel trunc(c × 0.7 + 76.5). A masked icon on a low-colour display
// keeps its colours.
HBITMAP CreateFadedImage(const UIIconPixels& icon, BOOL alpha, BOOL lowColor);
// A one-colour silhouette in the shadow colour.
HBITMAP CreateShadowImage(const UIIconPixels& icon, BOOL alpha, COLORREF shadow);
// Grey levels: g = 0.299 R + 0.587 G + 0.114 B becomes trunc((g / 255)^0.5 × 255).
HBITMAP CreateDisabledImage(const UIIconPixels& icon, BOOL alpha);

// The shadow colour: palette index 31 with each channel times 0.75, truncated.
COLORREF GetIconShadowColor();
