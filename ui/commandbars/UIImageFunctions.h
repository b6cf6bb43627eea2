#pragma once

#include "platform/CDC.h"

#include <vector>

// Icon and 32-bit bitmap helpers of the image store. Icons and bitmaps returned belong
// to the caller.

// Width and height of the icon's mask (half the mask's height for a monochrome icon).
CSize GetIconSize(HICON icon);

// An icon's size with its colour and mask pixels, 32-bit, top row first (both empty
// when they cannot be read; the colour empty for a monochrome icon).
struct UIIconPixels {
    CSize size;
    std::vector<DWORD> color;
    std::vector<DWORD> mask;
};
UIIconPixels ReadIconPixels(HICON icon);
// The images of a strip cut by cell (as many as fit across), every pixel of the mask
// colour transparent: the colour (black where transparent) and mask pixels a masked
// image list gives its icons. Rows below the strip's height are transparent.
std::vector<UIIconPixels> CutMaskedStrip(HBITMAP strip, CSize cell, COLORREF maskColor);
// An icon without alpha drawing the colour pixels through the mask pixels.
HICON CreateMaskedIcon(const UIIconPixels& pixels);
// A copy of the icon stretched to a new width (height in proportion); a plain copy at
// the same width; null for a new width of 0 or an icon of no size.
HICON ScaleIcon(HICON icon, CSize size, int newWidth);
// An icon whose colour and mask are the same 32-bit bitmap (an icon with alpha).
HICON CreateIconFromBitmap(HBITMAP bitmap);
// A 32-bit DIB section of the given size, top row first, with a pointer to its bits.
HBITMAP CreateDib32(int width, int height, DWORD** bits);
// The 32-bit pixels of a bitmap, top row first (empty when they cannot be read).
std::vector<DWORD> ReadPixels32(HBITMAP bitmap, CSize size);
// The icon's colour pixels with each channel times alpha / 255, for AlphaBlend.
HBITMAP CreatePremultipliedBitmap(const UIIconPixels& pixels);
// A new 32-bit DIB section holding the bits of a 32-bit bitmap; null for other depths.
HBITMAP CopyAlphaBitmap(HBITMAP bitmap);
// A 32-bit bitmap resource as a DIB section; null when it is not 32-bit or its data is
// shorter than its header says.
HBITMAP LoadAlphaBitmap(HMODULE module, UINT resourceId);
BOOL IsAlphaBitmapResource(HMODULE module, UINT resourceId);
BOOL IsAlphaBitmapFile(LPCSTR path);
// The first 32-bit image of that width in an icon file, as an alpha icon; null when
// there is none or the file does not hold what its directory says.
HICON LoadAlphaIconFile(LPCSTR path, int width);
// trunc(factor × 255 + (1 − factor) × c) per channel.
COLORREF LightenColor(COLORREF color, double factor);
// Draws a premultiplied 32-bit bitmap with per-pixel alpha; nothing when the platform
// has no AlphaBlend.
void AlphaBlendBitmap(HDC dc, HBITMAP bitmap, CSize source, const CRect& target);
