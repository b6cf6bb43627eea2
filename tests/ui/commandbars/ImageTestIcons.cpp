#include "tests/ui/commandbars/ImageTestIcons.h"

#include "platform/CRect.h"
#include "ui/commandbars/UIImageFunctions.h"

#include <algorithm>

HICON MakeMaskedIcon(int width, int height, COLORREF color) {
    DWORD* bits = nullptr;
    HBITMAP colorBitmap = CreateDib32(width, height, &bits);
    const DWORD pixel = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bits[y * width + x] = x < width / 2 ? pixel : 0;
    // The mask: set bits (transparent) on the right half; rows padded to 16 bits.
    const int rowBytes = (width + 15) / 16 * 2;
    std::vector<BYTE> maskRows(static_cast<size_t>(height) * rowBytes, 0);
    for (int y = 0; y < height; ++y)
        for (int x = width / 2; x < width; ++x) maskRows[static_cast<size_t>(y) * rowBytes + x / 8] |= 0x80 >> (x % 8);
    HBITMAP mask = ::CreateBitmap(width, height, 1, 1, maskRows.data());
    ICONINFO info = {TRUE, 0, 0, mask, colorBitmap};
    HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(mask);
    ::DeleteObject(colorBitmap);
    return icon;
}

HICON MakeAlphaIcon(int width, int height, DWORD argb) {
    DWORD* bits = nullptr;
    HBITMAP bitmap = CreateDib32(width, height, &bits);
    std::fill(bits, bits + width * height, argb);
    HICON icon = CreateIconFromBitmap(bitmap);
    ::DeleteObject(bitmap);
    return icon;
}

std::vector<DWORD> IconPixels(HICON icon) {
    ICONINFO info = {};
    if (!::GetIconInfo(icon, &info)) return {};
    const std::vector<DWORD> pixels = ReadPixels32(info.hbmColor, GetIconSize(icon));
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return pixels;
}
