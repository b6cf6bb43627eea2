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

DWORD Premultiplied(DWORD pixel) {
    const DWORD alpha = pixel >> 24;
    auto scale = [alpha](int c) { return static_cast<DWORD>(c) * alpha / 255; };
    return (alpha << 24) | (scale(Red(pixel)) << 16) | (scale(Green(pixel)) << 8) | scale(Blue(pixel));
}

// A premultiplied image with the rule applied to every pixel (alpha icons) or to the
// opaque ones (masked icons, whose other pixels become transparent).
HBITMAP Transform(const UIIconPixels& icon, BOOL alpha, const PixelRule& rule) {
    const std::vector<DWORD>& pixels = icon.color;
    const std::vector<DWORD>& mask = icon.mask;
    if (pixels.empty() || (!alpha && mask.size() != pixels.size())) return nullptr;
    std::vector<DWORD> bits(pixels.size());
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (alpha)
            bits[i] = Premultiplied(rule(pixels[i]));
        else
            bits[i] = (mask[i] & 0xFFFFFF) == 0 ? (rule(pixels[i]) & 0xFFFFFF) | 0xFF000000 : 0;
    }
    // A bitmap made from finished bits: the first writes into a fresh DIB section are
    // trapped by the platform and cost far more than the whole image.
    return ::CreateBitmap(icon.size.cx, icon.size.cy, 1, 32, bits.data());
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

HBITMAP CreateFadedImage(const UIIconPixels& icon, BOOL alpha, BOOL lowColor) {
    if (alpha) {
        return Transform(icon, TRUE, [](DWORD p) {
            return Channels(Faded(Red(p)), Faded(Green(p)), Faded(Blue(p)), p >> 24);
        });
    }
    if (lowColor) return Transform(icon, FALSE, [](DWORD p) { return p; });
    return Transform(icon, FALSE, [](DWORD p) {
        const COLORREF lighter = LightenColor(RGB(Red(p), Green(p), Blue(p)), 0.3);
        return Channels(GetRValue(lighter), GetGValue(lighter), GetBValue(lighter), 0);
    });
}

HBITMAP CreateShadowImage(const UIIconPixels& icon, BOOL alpha, COLORREF shadow) {
    return Transform(icon, alpha, [shadow](DWORD p) {
        return Channels(GetRValue(shadow), GetGValue(shadow), GetBValue(shadow), p >> 24);
    });
}

HBITMAP CreateDisabledImage(const UIIconPixels& icon, BOOL alpha) {
    return Transform(icon, alpha, [](DWORD p) {
        const int level = DisabledLevel(p);
        return Channels(level, level, level, static_cast<DWORD>((p >> 24) / kDisabledAlphaDivisor));
    });
}
