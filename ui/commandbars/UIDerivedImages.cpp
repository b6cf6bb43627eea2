#include "ui/commandbars/UIDerivedImages.h"

#include "ui/commandbars/UIImageFunctions.h"
#include "ui/commandbars/UISystemPalette.h"

#include <cmath>
#include <functional>

namespace {

// Fixed settings of the generated disabled form.
const double kDisabledGamma = 0.5;
const double kDisabledAlphaDivisor = 1.0;

using PixelRule = std::function<DWORD(DWORD)>;

DWORD Channels(int r, int g, int b, DWORD alpha) {
    return (alpha << 24) | (static_cast<DWORD>(r) << 16) | (static_cast<DWORD>(g) << 8) | static_cast<DWORD>(b);
}

int Red(DWORD pixel) { return (pixel >> 16) & 0xFF; }
int Green(DWORD pixel) { return (pixel >> 8) & 0xFF; }
int Blue(DWORD pixel) { return pixel & 0xFF; }

// A new icon with the rule applied to every pixel (alpha icons) or to the opaque ones
// (masked icons, whose mask is kept).
HICON Transform(HICON icon, BOOL alpha, const PixelRule& rule) {
    ICONINFO info = {};
    if (!icon || !::GetIconInfo(icon, &info)) return nullptr;
    const CSize size = GetIconSize(icon);
    std::vector<DWORD> pixels = info.hbmColor ? ReadPixels32(info.hbmColor, size) : std::vector<DWORD>();
    const std::vector<DWORD> mask = alpha ? std::vector<DWORD>() : ReadPixels32(info.hbmMask, size);
    HICON result = nullptr;
    if (!pixels.empty() && (alpha || mask.size() == pixels.size())) {
        for (size_t i = 0; i < pixels.size(); ++i) {
            if (alpha || (mask[i] & 0xFFFFFF) == 0) pixels[i] = rule(pixels[i]);
            if (!alpha) pixels[i] &= 0xFFFFFF;  // no stray alpha: the mask decides
        }
        DWORD* bits = nullptr;
        HBITMAP color = CreateDib32(size.cx, size.cy, &bits);
        if (color) {
            std::copy(pixels.begin(), pixels.end(), bits);
            if (alpha) {
                result = CreateIconFromBitmap(color);
            } else {
                ICONINFO made = {TRUE, 0, 0, info.hbmMask, color};
                result = ::CreateIconIndirect(&made);
            }
            ::DeleteObject(color);
        }
    }
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    return result;
}

int Faded(int c) { return static_cast<int>(c * 0.7 + 76.5); }

int DisabledLevel(DWORD pixel) {
    const double gray = 0.299 * Red(pixel) + 0.587 * Green(pixel) + 0.114 * Blue(pixel);
    return static_cast<int>(std::pow(gray / 255.0, kDisabledGamma) * 255.0);
}

}  // namespace

COLORREF GetIconShadowColor() {
    CUISystemPalette& palette = GetUISystemPalette();
    palette.RefreshColors(TRUE);  // computed at start-up; a no-op then
    const COLORREF highlight = palette.GetColor(BARCOLOR_HIGHLIGHT);
    return RGB(GetRValue(highlight) * 3 / 4, GetGValue(highlight) * 3 / 4, GetBValue(highlight) * 3 / 4);
}

HICON CreateFadedIcon(HICON icon, BOOL alpha, BOOL lowColor) {
    if (alpha) {
        return Transform(icon, TRUE, [](DWORD p) {
            return Channels(Faded(Red(p)), Faded(Green(p)), Faded(Blue(p)), p >> 24);
        });
    }
    if (lowColor) return icon ? ::CopyIcon(icon) : nullptr;
    return Transform(icon, FALSE, [](DWORD p) {
        const COLORREF lighter = LightenColor(RGB(Red(p), Green(p), Blue(p)), 0.3);
        return Channels(GetRValue(lighter), GetGValue(lighter), GetBValue(lighter), 0);
    });
}

HICON CreateShadowIcon(HICON icon, BOOL alpha, COLORREF shadow) {
    return Transform(icon, alpha, [shadow](DWORD p) {
        return Channels(GetRValue(shadow), GetGValue(shadow), GetBValue(shadow), p >> 24);
    });
}

HICON CreateDisabledIcon(HICON icon, BOOL alpha) {
    return Transform(icon, alpha, [](DWORD p) {
        const int level = DisabledLevel(p);
        return Channels(level, level, level, static_cast<DWORD>((p >> 24) / kDisabledAlphaDivisor));
    });
}
