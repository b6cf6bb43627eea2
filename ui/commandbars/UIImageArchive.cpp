#include "ui/commandbars/UIImageArchive.h"

#include "platform/CArchive.h"
#include "ui/commandbars/UIImageFunctions.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

namespace {

const DWORD kHeaderBlockSize = 52;  // BITMAPINFOHEADER and three colour-table entries
const LONG kMaxSide = 1024;

struct HeaderBlock {
    BITMAPINFOHEADER header;
    RGBQUAD colors[3];
};
static_assert(sizeof(HeaderBlock) == kHeaderBlockSize, "the archive's header block");

DWORD Stride(const BITMAPINFOHEADER& header) { return ((header.biWidth * header.biBitCount + 31) / 32) * 4; }

DWORD ImageSize(const BITMAPINFOHEADER& header) {
    const LONG height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    return Stride(header) * static_cast<DWORD>(height);
}

// The bitmap's bits, bottom row first, as 32-bit colour or as a 1-bit mask.
bool ReadBits(HBITMAP bitmap, WORD bitCount, HeaderBlock& block, std::vector<BYTE>& bits) {
    BITMAP info = {};
    if (!bitmap || !::GetObjectA(bitmap, sizeof(info), &info)) return false;
    std::memset(&block, 0, sizeof(block));
    block.header.biSize = sizeof(BITMAPINFOHEADER);
    block.header.biWidth = info.bmWidth;
    block.header.biHeight = info.bmHeight;
    block.header.biPlanes = 1;
    block.header.biBitCount = bitCount;
    block.header.biCompression = BI_RGB;
    block.header.biSizeImage = ImageSize(block.header);
    if (bitCount == 1) block.colors[1] = {255, 255, 255, 0};
    bits.resize(block.header.biSizeImage);
    HDC dc = ::CreateCompatibleDC(nullptr);
    const int rows = ::GetDIBits(dc, bitmap, 0, static_cast<UINT>(info.bmHeight), bits.data(),
                                 reinterpret_cast<BITMAPINFO*>(&block), DIB_RGB_COLORS);
    ::DeleteDC(dc);
    return rows == info.bmHeight;
}

void StorePart(CArchive& ar, HBITMAP bitmap, WORD bitCount) {
    HeaderBlock block;
    std::vector<BYTE> bits;
    if (!ReadBits(bitmap, bitCount, block, bits)) {
        ar.WriteCount(0);
        return;
    }
    ar.WriteCount(kHeaderBlockSize);
    ar.Write(&block, kHeaderBlockSize);
    ar.WriteCount(static_cast<DWORD>(bits.size()));
    ar.Write(bits.data(), static_cast<UINT>(bits.size()));
}

bool AcceptableHeader(const BITMAPINFOHEADER& header) {
    const LONG height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    const bool sized = header.biWidth > 0 && header.biWidth <= kMaxSide && height > 0 && height <= kMaxSide;
    const bool depth = header.biBitCount == 1 || header.biBitCount == 24 || header.biBitCount == 32;
    const bool plain = header.biCompression == BI_RGB || (header.biBitCount == 32 && header.biCompression == BI_BITFIELDS);
    return header.biSize == sizeof(BITMAPINFOHEADER) && header.biPlanes == 1 && sized && depth && plain;
}

[[noreturn]] void Refuse() { AfxThrowArchiveException(CArchiveException::genericException); }

// A bitmap part: null when absent.
HBITMAP LoadPart(CArchive& ar) {
    const DWORD headerCount = ar.ReadCount();
    if (headerCount == 0) return nullptr;
    if (headerCount != kHeaderBlockSize) Refuse();
    HeaderBlock block;
    if (ar.Read(&block, kHeaderBlockSize) != kHeaderBlockSize) AfxThrowArchiveException(CArchiveException::endOfFile);
    if (!AcceptableHeader(block.header)) Refuse();
    const DWORD size = ImageSize(block.header);
    const DWORD count = ar.ReadCount();
    if (count > size) Refuse();
    std::vector<BYTE> bits(size);
    if (ar.Read(bits.data(), count) != count) AfxThrowArchiveException(CArchiveException::endOfFile);
    block.header.biSizeImage = size;
    void* target = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&block), DIB_RGB_COLORS, &target, nullptr, 0);
    if (bitmap) std::memcpy(target, bits.data(), size);
    return bitmap;
}

// The icon of a colour and a mask bitmap, through a 24-bit masked image list of the
// colour bitmap's size.
HICON MaskedIcon(HBITMAP color, HBITMAP mask) {
    BITMAP info = {};
    ::GetObjectA(color, sizeof(info), &info);
    HIMAGELIST list = ::ImageList_Create(info.bmWidth, info.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0);
    if (!list) return nullptr;
    HICON icon = ::ImageList_Add(list, color, mask) < 0 ? nullptr : ::ImageList_GetIcon(list, 0, ILD_NORMAL);
    ::ImageList_Destroy(list);
    return icon;
}

}  // namespace

void StoreArchivedImage(CArchive& ar, HICON icon, BOOL alpha) {
    ICONINFO info = {};
    if (!icon || !::GetIconInfo(icon, &info)) {
        ar.WriteCount(0);
        ar.WriteCount(0);
        return;
    }
    StorePart(ar, info.hbmColor, 32);
    if (!alpha) StorePart(ar, info.hbmMask, 1);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
}

HICON LoadArchivedImage(CArchive& ar, BOOL alpha) {
    HBITMAP color = LoadPart(ar);
    if (!color) {
        HBITMAP stray = LoadPart(ar);  // the absent image's second zero count
        if (stray) ::DeleteObject(stray);
        return nullptr;
    }
    HICON icon = nullptr;
    if (alpha) {
        icon = CreateIconFromBitmap(color);
    } else {
        HBITMAP mask = nullptr;
        try {
            mask = LoadPart(ar);
        } catch (CArchiveException*) {
            ::DeleteObject(color);
            throw;
        }
        icon = MaskedIcon(color, mask);
        if (mask) ::DeleteObject(mask);
    }
    ::DeleteObject(color);
    return icon;
}
