#include "ui/commandbars/UIImageEditorRendering.h"

namespace {

const int kCheckerDark = 235;
const int kCheckerLight = 255;

// The checker value at a client pixel, rows counted from the bottom, so the squares are
// anchored at the bottom-left corner.
int CheckerValue(int x, int bottomRow) {
    return ((x + 3) / 4 + (bottomRow + 3) / 4) % 2 ? kCheckerDark : kCheckerLight;
}

DWORD Gray(int value) {
    return (static_cast<DWORD>(value) << 16) | (static_cast<DWORD>(value) << 8) | static_cast<DWORD>(value);
}

DWORD BlendOverChecker(DWORD pixel, int checker) {
    const int alpha = static_cast<int>(pixel >> 24);
    DWORD result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int channel = static_cast<int>((pixel >> shift) & 0xFF);
        result |= static_cast<DWORD>(checker - alpha * (checker - channel) / 255) << shift;
    }
    return result;
}

DWORD PicturePixel(const CUIImageEditorBitmap* image, CSize imageSize, CSize client, int x, int bottomRow) {
    const int checker = CheckerValue(x, bottomRow);
    if (!image) return Gray(checker);
    const int column = x * imageSize.cx / client.cx;
    const int imageBottomRow = bottomRow * imageSize.cy / client.cy;
    const DWORD pixel = image->GetPixel(CPoint(column, imageSize.cy - 1 - imageBottomRow));
    if (image->IsAlpha()) return BlendOverChecker(pixel, checker);
    return ColorFromPixel(pixel) == kImageEditorTransparent ? Gray(checker) : pixel & 0x00FFFFFF;
}

}  // namespace

std::vector<DWORD> RenderEditorPicture(const CUIImageEditorBitmap* image, CSize imageSize, CSize client) {
    std::vector<DWORD> pixels(static_cast<size_t>(client.cx) * client.cy);
    for (int y = 0; y < client.cy; ++y) {
        const int bottomRow = client.cy - 1 - y;
        for (int x = 0; x < client.cx; ++x) {
            const bool frame = x == 0 || y == 0 || x == client.cx - 1 || y == client.cy - 1;
            pixels[static_cast<size_t>(y) * client.cx + x] = frame ? 0 : PicturePixel(image, imageSize, client, x, bottomRow);
        }
    }
    return pixels;
}
