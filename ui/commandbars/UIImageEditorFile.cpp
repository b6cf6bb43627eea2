#include "ui/commandbars/UIImageEditorFile.h"

#include "ui/commandbars/UIImageEditorIcon.h"
#include "ui/commandbars/UIImageFunctions.h"

#include <olectl.h>

#include <algorithm>
#include <cctype>
#include <vector>

namespace {

std::string LowerExtension(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of("\\/");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::string();
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

std::unique_ptr<CUIImageEditorBitmap> LoadIconFile(const std::string& path, CSize size) {
    if (HICON alpha = LoadAlphaIconFile(path.c_str(), size.cx)) {
        ICONINFO info = {};
        std::unique_ptr<CUIImageEditorBitmap> image;
        if (::GetIconInfo(alpha, &info)) {
            image = CopyBitmapToEditorImage(info.hbmColor, TRUE, size);
            if (info.hbmColor) ::DeleteObject(info.hbmColor);
            if (info.hbmMask) ::DeleteObject(info.hbmMask);
        }
        ::DestroyIcon(alpha);
        return image;
    }
    HICON icon = static_cast<HICON>(::LoadImageA(nullptr, path.c_str(), IMAGE_ICON, size.cx, size.cy, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!icon) return nullptr;
    auto image = EditorImageFromIcon(icon, FALSE);
    ::DestroyIcon(icon);
    return image;
}

std::unique_ptr<CUIImageEditorBitmap> LoadBitmapFile(const std::string& path, CSize size) {
    HBITMAP bitmap = static_cast<HBITMAP>(
        ::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
    if (!bitmap) return nullptr;
    auto image = CopyBitmapToEditorImage(bitmap, IsAlphaBitmapFile(path.c_str()), size);
    ::DeleteObject(bitmap);
    return image;
}

// Other kinds through the system's picture loader, rendered stretched onto the image.
std::unique_ptr<CUIImageEditorBitmap> LoadPictureFile(const std::string& path, CSize size) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (length <= 0) return nullptr;
    std::vector<WCHAR> wide(static_cast<size_t>(length));
    ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    IPicture* picture = nullptr;
    if (FAILED(::OleLoadPicturePath(wide.data(), nullptr, 0, 0, IID_IPicture, reinterpret_cast<void**>(&picture))) || !picture)
        return nullptr;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Width(&width);
    picture->get_Height(&height);
    auto image = CUIImageEditorBitmap::Create(size);
    if (image) {
        HDC dc = ::CreateCompatibleDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, image->GetHandle());
        // The picture's source rectangle runs bottom-up.
        picture->Render(dc, 0, 0, size.cx, size.cy, 0, height, width, -height, nullptr);
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
        ::GdiFlush();
    }
    picture->Release();
    return image;
}

}  // namespace

std::unique_ptr<CUIImageEditorBitmap> LoadEditorImageFile(const std::string& path, CSize size) {
    const std::string extension = LowerExtension(path);
    if (extension == "ico") return LoadIconFile(path, size);
    if (extension == "bmp") return LoadBitmapFile(path, size);
    return LoadPictureFile(path, size);
}
