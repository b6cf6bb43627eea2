#pragma once

#include "ui/commandbars/UIImageEditorBitmap.h"

#include <vector>

// The drawing area's picture of an image stretched over a client area, as 32-bit pixels
// (0x00RRGGBB), top row first: the image over a checkerboard of 4-pixel squares that
// shows through transparent pixels (and everywhere without an image), with a black
// frame around the area.
std::vector<DWORD> RenderEditorPicture(const CUIImageEditorBitmap* image, CSize imageSize, CSize client);
