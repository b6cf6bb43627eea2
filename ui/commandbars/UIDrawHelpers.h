#pragma once

#include <windows.h>

// TRUE when the context (the desktop window's when null) has 1 to 8 bits per pixel;
// FALSE when no context can be had.
BOOL IsLowColorDC(HDC dc);
