#include "ui/commandbars/UIImageEditorIcon.h"

#include "ui/commandbars/UIImageFunctions.h"

#include <commctrl.h>

namespace {

std::unique_ptr<CUIImageEditorBitmap> FromAlphaIcon(HICON icon, CSize size) {
    ICONINFO info = {};
    if (!::GetIconInfo(icon, &info)) return nullptr;
    HBITMAP color = info.hbmColor ? CopyAlphaBitmap(info.hbmColor) : nullptr;
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    if (!color) return nullptr;
    auto image = CopyBitmapToEditorImage(color, TRUE, size);
    ::DeleteObject(color);
    if (!image) return nullptr;
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x)
            if (image->GetPixel(CPoint(x, y)) == 0) image->SetPixel(CPoint(x, y), PixelFromColor(kImageEditorTransparent));
    return image;
}

std::unique_ptr<CUIImageEditorBitmap> FromPlainIcon(HICON icon, CSize size) {
    auto image = CUIImageEditorBitmap::Create(size);
    if (!image) return nullptr;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, image->GetHandle());
    ::DrawIconEx(dc, 0, 0, icon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::GdiFlush();
    return image;
}

HICON MaskedIcon(const CUIImageEditorBitmap& image) {
    // Adding to a masked list blackens the masked pixels of the bitmap: give it a copy.
    auto copy = CopyEditorImage(&image, image.GetSize());
    if (!copy) return nullptr;
    const CSize size = image.GetSize();
    HIMAGELIST list = ::ImageList_Create(size.cx, size.cy, ILC_COLOR24 | ILC_MASK, 0, 1);
    if (!list) return nullptr;
    ::ImageList_AddMasked(list, copy->GetHandle(), kImageEditorTransparent);
    HICON icon = ::ImageList_GetImageCount(list) == 1 ? ::ImageList_GetIcon(list, 0, ILD_NORMAL) : nullptr;
    ::ImageList_Destroy(list);
    return icon;
}

}  // namespace

std::unique_ptr<CUIImageEditorBitmap> EditorImageFromIcon(HICON icon, BOOL alpha) {
    const CSize size = GetIconSize(icon);
    if (size.cx <= 0 || size.cy <= 0) return nullptr;
    return alpha ? FromAlphaIcon(icon, size) : FromPlainIcon(icon, size);
}

HICON EditorImageToIcon(const CUIImageEditorBitmap* image, BOOL* alpha) {
    if (!image) return nullptr;
    if (image->IsAlpha()) {
        HICON icon = CreateIconFromBitmap(image->GetHandle());
        if (icon) *alpha = TRUE;
        return icon;
    }
    return MaskedIcon(*image);
}
