#pragma once

#include "platform/CDC.h"

#include <memory>
#include <vector>

// The colour that stands for a transparent pixel in images without alpha. Its red and
// blue are equal, so it reads the same as a COLORREF and as a 32-bit DIB pixel.
const COLORREF kImageEditorTransparent = RGB(255, 254, 255);
// No colour: nothing is replaced.
const COLORREF kImageEditorNoColor = 0xFFFFFFFF;

// One image of the button image editor: a 32-bit bottom-up DIB section with a flag
// telling whether the alpha channel of its pixels is meaningful. Pixels are addressed
// with row 0 at the top; values are DIB pixels (0xAARRGGBB).
class CUIImageEditorBitmap {
public:
    // An image of that size filled with the transparent colour; null for a size that is
    // not positive or a bitmap that cannot be made.
    static std::unique_ptr<CUIImageEditorBitmap> Create(CSize size);
    ~CUIImageEditorBitmap();
    CUIImageEditorBitmap(const CUIImageEditorBitmap&) = delete;
    CUIImageEditorBitmap& operator=(const CUIImageEditorBitmap&) = delete;

    HBITMAP GetHandle() const { return m_bitmap; }
    CSize GetSize() const { return m_size; }
    BOOL IsAlpha() const { return m_alpha; }
    void SetAlpha(BOOL alpha) { m_alpha = alpha; }

    BOOL Contains(CPoint point) const;
    DWORD GetPixel(CPoint point) const;
    void SetPixel(CPoint point, DWORD pixel);
    // The pixel's colour without its alpha, as a COLORREF.
    COLORREF GetColor(CPoint point) const;
    std::vector<DWORD> GetPixels() const;
    // Hands the bitmap to the caller; the object is empty afterwards.
    HBITMAP Detach();

private:
    CUIImageEditorBitmap(HBITMAP bitmap, DWORD* bits, CSize size);
    DWORD& At(CPoint point) const;

    HBITMAP m_bitmap;
    DWORD* m_bits;
    CSize m_size;
    BOOL m_alpha = FALSE;
};

DWORD PixelFromColor(COLORREF color);
COLORREF ColorFromPixel(DWORD pixel);

// A new image of the given size, transparent, with the source (may be null: stays
// transparent) copied onto it moved by the offset; pixels moved out are lost. Pixels of
// replaceFrom become replaceTo when the two differ and the source has no alpha. The
// copy takes the source's alpha flag. Null when the image cannot be made.
std::unique_ptr<CUIImageEditorBitmap> CopyEditorImage(const CUIImageEditorBitmap* source, CSize size, CPoint offset = CPoint(0, 0),
                                                      COLORREF replaceFrom = kImageEditorNoColor, COLORREF replaceTo = kImageEditorNoColor);
// The same from any bitmap, whose pixels are read as 32-bit; null when they cannot be.
std::unique_ptr<CUIImageEditorBitmap> CopyBitmapToEditorImage(HBITMAP source, BOOL alpha, CSize size,
                                                              COLORREF replaceFrom = kImageEditorNoColor, COLORREF replaceTo = kImageEditorNoColor);
// After an edit of an alpha image: every pixel that changed and is not the transparent
// colour becomes opaque.
void MakeChangedPixelsOpaque(CUIImageEditorBitmap& image, const std::vector<DWORD>& before);
