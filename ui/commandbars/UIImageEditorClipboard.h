#pragma once

#include <windows.h>

#include <vector>

// Whether a bitmap offered with these clipboard formats carries alpha: a registered
// format whose name holds "DIB32" past its first character, or the "Alpha Bitmap Image"
// marker of copied button images.
BOOL IsPastedBitmapAlpha(const std::vector<UINT>& formats);
