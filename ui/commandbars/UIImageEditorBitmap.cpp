#include "ui/commandbars/UIImageEditorBitmap.h"

#include "ui/commandbars/UIImageFunctions.h"

#include <algorithm>

namespace {

const DWORD kColorBits = 0x00FFFFFF;

HBITMAP CreateBottomUpDib32(CSize size, DWORD** bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    *bits = static_cast<DWORD*>(pixels);
    return bitmap;
}

// Copies top-row-first pixels of a source of sourceSize onto the image moved by offset.
void CopyPixels(CUIImageEditorBitmap& target, const std::vector<DWORD>& pixels, CSize sourceSize, CPoint offset, BOOL alpha) {
    for (int y = 0; y < sourceSize.cy; ++y) {
        for (int x = 0; x < sourceSize.cx; ++x) {
            const CPoint point(x + offset.x, y + offset.y);
            if (!target.Contains(point)) continue;
            const DWORD pixel = pixels[static_cast<size_t>(y) * sourceSize.cx + x];
            target.SetPixel(point, alpha ? pixel : pixel & kColorBits);
        }
    }
}

void ReplaceColor(CUIImageEditorBitmap& image, COLORREF from, COLORREF to) {
    if (from == kImageEditorNoColor || to == kImageEditorNoColor || from == to || image.IsAlpha()) return;
    const CSize size = image.GetSize();
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x)
            if (image.GetColor(CPoint(x, y)) == from) image.SetPixel(CPoint(x, y), PixelFromColor(to));
}

}  // namespace

DWORD PixelFromColor(COLORREF color) {
    return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

COLORREF ColorFromPixel(DWORD pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

std::unique_ptr<CUIImageEditorBitmap> CUIImageEditorBitmap::Create(CSize size) {
    if (size.cx <= 0 || size.cy <= 0) return nullptr;
    DWORD* bits = nullptr;
    HBITMAP bitmap = CreateBottomUpDib32(size, &bits);
    if (!bitmap || !bits) {
        if (bitmap) ::DeleteObject(bitmap);
        return nullptr;
    }
    std::fill(bits, bits + static_cast<size_t>(size.cx) * size.cy, PixelFromColor(kImageEditorTransparent));
    return std::unique_ptr<CUIImageEditorBitmap>(new CUIImageEditorBitmap(bitmap, bits, size));
}

CUIImageEditorBitmap::CUIImageEditorBitmap(HBITMAP bitmap, DWORD* bits, CSize size) : m_bitmap(bitmap), m_bits(bits), m_size(size) {}

CUIImageEditorBitmap::~CUIImageEditorBitmap() {
    if (m_bitmap) ::DeleteObject(m_bitmap);
}

BOOL CUIImageEditorBitmap::Contains(CPoint point) const {
    return point.x >= 0 && point.y >= 0 && point.x < m_size.cx && point.y < m_size.cy;
}

DWORD& CUIImageEditorBitmap::At(CPoint point) const {
    return m_bits[static_cast<size_t>(m_size.cy - 1 - point.y) * m_size.cx + point.x];
}

DWORD CUIImageEditorBitmap::GetPixel(CPoint point) const {
    ::GdiFlush();
    return Contains(point) ? At(point) : 0;
}

void CUIImageEditorBitmap::SetPixel(CPoint point, DWORD pixel) {
    ::GdiFlush();
    if (Contains(point)) At(point) = pixel;
}

COLORREF CUIImageEditorBitmap::GetColor(CPoint point) const {
    return ColorFromPixel(GetPixel(point));
}

std::vector<DWORD> CUIImageEditorBitmap::GetPixels() const {
    std::vector<DWORD> pixels;
    pixels.reserve(static_cast<size_t>(m_size.cx) * m_size.cy);
    for (int y = 0; y < m_size.cy; ++y)
        for (int x = 0; x < m_size.cx; ++x) pixels.push_back(GetPixel(CPoint(x, y)));
    return pixels;
}

HBITMAP CUIImageEditorBitmap::Detach() {
    HBITMAP bitmap = m_bitmap;
    m_bitmap = nullptr;
    m_bits = nullptr;
    m_size = CSize(0, 0);
    return bitmap;
}

std::unique_ptr<CUIImageEditorBitmap> CopyEditorImage(const CUIImageEditorBitmap* source, CSize size, CPoint offset, COLORREF replaceFrom,
                                                      COLORREF replaceTo) {
    auto copy = CUIImageEditorBitmap::Create(size);
    if (!copy || !source) return copy;
    copy->SetAlpha(source->IsAlpha());
    CopyPixels(*copy, source->GetPixels(), source->GetSize(), offset, source->IsAlpha());
    ReplaceColor(*copy, replaceFrom, replaceTo);
    return copy;
}

std::unique_ptr<CUIImageEditorBitmap> CopyBitmapToEditorImage(HBITMAP source, BOOL alpha, CSize size, COLORREF replaceFrom, COLORREF replaceTo) {
    BITMAP info = {};
    if (!source || !::GetObjectA(source, sizeof(info), &info)) return nullptr;
    const CSize sourceSize(info.bmWidth, info.bmHeight);
    const std::vector<DWORD> pixels = ReadPixels32(source, sourceSize);
    if (pixels.empty()) return nullptr;
    auto copy = CUIImageEditorBitmap::Create(size);
    if (!copy) return nullptr;
    copy->SetAlpha(alpha);
    CopyPixels(*copy, pixels, sourceSize, CPoint(0, 0), alpha);
    ReplaceColor(*copy, replaceFrom, replaceTo);
    return copy;
}

void MakeChangedPixelsOpaque(CUIImageEditorBitmap& image, const std::vector<DWORD>& before) {
    const CSize size = image.GetSize();
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            const CPoint point(x, y);
            const DWORD pixel = image.GetPixel(point);
            const bool changed = pixel != before[static_cast<size_t>(y) * size.cx + x];
            if (changed && ColorFromPixel(pixel) != kImageEditorTransparent) image.SetPixel(point, pixel | 0xFF000000);
        }
    }
}
