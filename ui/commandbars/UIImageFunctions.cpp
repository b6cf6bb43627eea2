#include "ui/commandbars/UIImageFunctions.h"

#include "ui/commandbars/ProcAddress.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <fstream>

namespace {

const DWORD kMaxIconSide = 1024;
const DWORD kMaskTransparent = 0x00FFFFFF;  // a set bit of a monochrome mask read as 32-bit

BITMAPINFOHEADER Header32(int width, int height) {
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = -height;  // top row first
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    return header;
}

// A DIB section with a copy of 32-bit pixels, top row first.
HBITMAP DibFromPixels(const DWORD* pixels, int width, int height) {
    DWORD* bits = nullptr;
    HBITMAP bitmap = CreateDib32(width, height, &bits);
    if (bitmap) std::memcpy(bits, pixels, static_cast<size_t>(width) * height * 4);
    return bitmap;
}

// A DIB section from a bottom-up 32-bit image as files and resources store it.
HBITMAP DibFromBottomUp(const BYTE* bits, int width, int height) {
    DWORD* target = nullptr;
    HBITMAP bitmap = CreateDib32(width, height, &target);
    if (!bitmap) return nullptr;
    const size_t row = static_cast<size_t>(width) * 4;
    for (int y = 0; y < height; ++y) std::memcpy(target + static_cast<size_t>(y) * width, bits + (height - 1 - y) * row, row);
    return bitmap;
}

bool ReadAt(std::ifstream& file, std::streamoff offset, void* buffer, size_t size) {
    file.seekg(offset);
    file.read(static_cast<char*>(buffer), static_cast<std::streamsize>(size));
    return static_cast<size_t>(file.gcount()) == size;
}

bool SaneSize(LONG width, LONG height) {
    return width > 0 && height > 0 && static_cast<DWORD>(width) <= kMaxIconSide && static_cast<DWORD>(height) <= kMaxIconSide;
}

const BITMAPINFOHEADER* BitmapResourceHeader(HMODULE module, UINT resourceId, DWORD* size) {
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(2));  // RT_BITMAP
    if (!resource) return nullptr;
    *size = ::SizeofResource(module, resource);
    HGLOBAL data = ::LoadResource(module, resource);
    if (!data || *size < sizeof(BITMAPINFOHEADER)) return nullptr;
    return static_cast<const BITMAPINFOHEADER*>(::LockResource(data));
}

}  // namespace

HBITMAP CreateDib32(int width, int height, DWORD** bits) {
    BITMAPINFO info = {};
    info.bmiHeader = Header32(width, height);
    void* pixels = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bits) *bits = static_cast<DWORD*>(pixels);
    return bitmap;
}

std::vector<DWORD> ReadPixels32(HBITMAP bitmap, CSize size) {
    std::vector<DWORD> pixels(static_cast<size_t>(size.cx) * size.cy);
    BITMAPINFO info = {};
    info.bmiHeader = Header32(size.cx, size.cy);
    HDC dc = ::CreateCompatibleDC(nullptr);
    const int rows = ::GetDIBits(dc, bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info, DIB_RGB_COLORS);
    ::DeleteDC(dc);
    if (rows != size.cy) pixels.clear();
    return pixels;
}

CSize GetIconSize(HICON icon) {
    ICONINFO info = {};
    if (!icon || !::GetIconInfo(icon, &info)) return CSize(0, 0);
    BITMAP mask = {};
    ::GetObjectA(info.hbmMask, sizeof(mask), &mask);
    CSize size(mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    return size;
}

UIIconPixels ReadIconPixels(HICON icon) {
    UIIconPixels pixels;
    ICONINFO info = {};
    if (!icon || !::GetIconInfo(icon, &info)) return pixels;
    BITMAP mask = {};
    ::GetObjectA(info.hbmMask, sizeof(mask), &mask);
    pixels.size = CSize(mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2);
    if (info.hbmColor) pixels.color = ReadPixels32(info.hbmColor, pixels.size);
    pixels.mask = ReadPixels32(info.hbmMask, pixels.size);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    return pixels;
}

std::vector<UIIconPixels> CutMaskedStrip(HBITMAP strip, CSize cell, COLORREF maskColor) {
    std::vector<UIIconPixels> images;
    BITMAP info = {};
    if (cell.cx <= 0 || cell.cy <= 0 || !::GetObjectA(strip, sizeof(info), &info)) return images;
    const int rows = std::min<int>(cell.cy, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight);
    const std::vector<DWORD> pixels = ReadPixels32(strip, CSize(info.bmWidth, rows));
    if (pixels.empty()) return images;
    const DWORD transparent = RGB(GetBValue(maskColor), GetGValue(maskColor), GetRValue(maskColor));  // as a DIB pixel
    const size_t cellPixels = static_cast<size_t>(cell.cx) * cell.cy;
    for (int n = 0; n < info.bmWidth / cell.cx; ++n) {
        UIIconPixels image;
        image.size = cell;
        image.color.assign(cellPixels, 0);
        image.mask.assign(cellPixels, kMaskTransparent);
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < cell.cx; ++x) {
                const DWORD pixel = pixels[static_cast<size_t>(y) * info.bmWidth + n * cell.cx + x] & 0x00FFFFFF;
                if (pixel == transparent) continue;
                image.color[static_cast<size_t>(y) * cell.cx + x] = pixel;
                image.mask[static_cast<size_t>(y) * cell.cx + x] = 0;
            }
        }
        images.push_back(std::move(image));
    }
    return images;
}

HICON CreateMaskedIcon(const UIIconPixels& pixels) {
    const int width = pixels.size.cx;
    const int height = pixels.size.cy;
    const size_t stride = static_cast<size_t>((width + 15) / 16) * 2;  // monochrome rows are WORD-aligned
    std::vector<BYTE> maskBits(stride * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (pixels.mask[static_cast<size_t>(y) * width + x] != 0) maskBits[y * stride + x / 8] |= 0x80 >> (x % 8);
    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmColor = DibFromPixels(pixels.color.data(), width, height);
    info.hbmMask = ::CreateBitmap(width, height, 1, 1, maskBits.data());
    HICON icon = info.hbmColor && info.hbmMask ? ::CreateIconIndirect(&info) : nullptr;
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    return icon;
}

HICON ScaleIcon(HICON icon, CSize size, int newWidth) {
    if (!icon || newWidth == 0 || (size.cx == 0 && size.cy == 0)) return nullptr;
    if (newWidth == size.cx) return ::CopyIcon(icon);
    const int newHeight = ::MulDiv(size.cy, newWidth, size.cx);
    HIMAGELIST list = ::ImageList_Create(newWidth, newHeight, ILC_COLOR32 | ILC_MASK, 1, 0);
    if (!list) return nullptr;
    HICON scaled = ::ImageList_AddIcon(list, icon) < 0 ? nullptr : ::ImageList_GetIcon(list, 0, ILD_NORMAL);
    ::ImageList_Destroy(list);
    return scaled;
}

HICON CreateIconFromBitmap(HBITMAP bitmap) {
    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmColor = bitmap;
    info.hbmMask = bitmap;
    return ::CreateIconIndirect(&info);
}

HBITMAP CreatePremultipliedBitmap(const UIIconPixels& icon) {
    if (icon.color.empty()) return nullptr;
    std::vector<DWORD> pixels = icon.color;
    for (DWORD& pixel : pixels) {
        const DWORD alpha = pixel >> 24;
        auto scale = [alpha](DWORD c) { return c * alpha / 255; };
        pixel = (alpha << 24) | (scale((pixel >> 16) & 0xFF) << 16) | (scale((pixel >> 8) & 0xFF) << 8) | scale(pixel & 0xFF);
    }
    return DibFromPixels(pixels.data(), icon.size.cx, icon.size.cy);
}

HBITMAP CopyAlphaBitmap(HBITMAP bitmap) {
    BITMAP info = {};
    if (!::GetObjectA(bitmap, sizeof(info), &info) || info.bmBitsPixel != 32) return nullptr;
    const CSize size(info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight);
    const std::vector<DWORD> pixels = ReadPixels32(bitmap, size);
    return pixels.empty() ? nullptr : DibFromPixels(pixels.data(), size.cx, size.cy);
}

BOOL IsAlphaBitmapResource(HMODULE module, UINT resourceId) {
    DWORD size = 0;
    const BITMAPINFOHEADER* header = BitmapResourceHeader(module, resourceId, &size);
    return header && header->biBitCount == 32;
}

HBITMAP LoadAlphaBitmap(HMODULE module, UINT resourceId) {
    DWORD size = 0;
    const BITMAPINFOHEADER* header = BitmapResourceHeader(module, resourceId, &size);
    if (!header || header->biBitCount != 32 || header->biSize < sizeof(BITMAPINFOHEADER)) return nullptr;
    const LONG height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    if (!SaneSize(header->biWidth, height)) return nullptr;
    const DWORD imageSize = static_cast<DWORD>(header->biWidth) * height * 4;
    if (size < header->biSize + imageSize) return nullptr;
    const BYTE* bits = reinterpret_cast<const BYTE*>(header) + header->biSize;
    if (header->biHeight < 0) return DibFromPixels(reinterpret_cast<const DWORD*>(bits), header->biWidth, height);
    return DibFromBottomUp(bits, header->biWidth, height);
}

BOOL IsAlphaBitmapFile(LPCSTR path) {
    std::ifstream file(path, std::ios::binary);
    BITMAPINFOHEADER header = {};
    return file && ReadAt(file, sizeof(BITMAPFILEHEADER), &header, sizeof(header)) && header.biBitCount == 32;
}

HICON LoadAlphaIconFile(LPCSTR path, int width) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return nullptr;
    const std::streamoff fileSize = file.tellg();
    WORD directory[3] = {};
    if (!ReadAt(file, 0, directory, sizeof(directory))) return nullptr;
    if (6 + 16 * static_cast<std::streamoff>(directory[2]) > fileSize) return nullptr;  // entries past the end
#pragma pack(push, 1)
    struct Entry {
        BYTE width, height, colors, reserved;
        WORD planes, bitCount;
        DWORD bytes, offset;
    };
#pragma pack(pop)
    for (WORD i = 0; i < directory[2]; ++i) {
        Entry entry = {};
        if (!ReadAt(file, 6 + 16 * i, &entry, sizeof(entry))) return nullptr;
        if (entry.bitCount != 32 || entry.width != width) continue;
        // The entry's image must lie inside the file and hold the header and the colour
        // rows its header announces, at the width asked for.
        if (entry.bytes < sizeof(BITMAPINFOHEADER) || entry.offset > fileSize ||
            entry.bytes > fileSize - static_cast<std::streamoff>(entry.offset))
            return nullptr;
        std::vector<BYTE> image(entry.bytes);
        if (!ReadAt(file, entry.offset, image.data(), image.size())) return nullptr;
        BITMAPINFOHEADER header;
        std::memcpy(&header, image.data(), sizeof(header));
        const LONG height = header.biHeight / 2;  // the colour part; the AND mask follows
        if (header.biSize != sizeof(header) || header.biBitCount != 32 || header.biWidth != width ||
            !SaneSize(header.biWidth, height))
            return nullptr;
        const DWORD imageSize = static_cast<DWORD>(width) * 4 * height;
        if (imageSize > entry.bytes - sizeof(header)) return nullptr;
        HBITMAP bitmap = DibFromBottomUp(image.data() + sizeof(header), width, height);
        HICON icon = bitmap ? CreateIconFromBitmap(bitmap) : nullptr;
        if (bitmap) ::DeleteObject(bitmap);
        return icon;
    }
    return nullptr;
}

COLORREF LightenColor(COLORREF color, double factor) {
    auto lighten = [factor](int c) { return static_cast<int>(factor * 255 + (1.0 - factor) * c); };
    return RGB(lighten(GetRValue(color)), lighten(GetGValue(color)), lighten(GetBValue(color)));
}

void AlphaBlendBitmap(HDC dc, HBITMAP bitmap, CSize source, const CRect& target) {
    using AlphaBlendFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
    static HMODULE library = ::LoadLibraryA("msimg32.dll");
    static const AlphaBlendFunction alphaBlend = ProcAddress<AlphaBlendFunction>(library, "AlphaBlend");
    if (!alphaBlend || !bitmap) return;
    HDC memory = ::CreateCompatibleDC(dc);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    alphaBlend(dc, target.left, target.top, target.Width(), target.Height(), memory, 0, 0, source.cx, source.cy, blend);
    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
}
