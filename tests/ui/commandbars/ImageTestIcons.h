#pragma once

#include <windows.h>

#include <vector>

// Icons made for image-store tests. The caller destroys them.

// A masked icon of one colour whose left half is opaque and right half transparent.
HICON MakeMaskedIcon(int width, int height, COLORREF color);
// A 32-bit icon with alpha whose pixels are all 0xAARRGGBB.
HICON MakeAlphaIcon(int width, int height, DWORD argb);
// The icon's colour pixels, 0xAARRGGBB, top row first.
std::vector<DWORD> IconPixels(HICON icon);
