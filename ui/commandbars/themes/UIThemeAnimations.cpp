// The popup bar's animations: unfold, slide and fade when it opens, and the growth of
// the revealed entries when it expands.
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIPopupBar.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/themes/UIThemeQueries.h"

namespace {

enum AnimationKind { kUnfold = 2, kSlide = 3, kFade = 4 };

// A 32-bit top-down DIB section with its bits, freed with the object.
struct DibSection {
    DibSection(HDC dc, int width, int height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* pixels = nullptr;
        bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
        bits = static_cast<BYTE*>(pixels);
    }
    ~DibSection() {
        if (bitmap)
            ::DeleteObject(bitmap);
    }
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    HBITMAP bitmap = nullptr;
    BYTE* bits = nullptr;
};

}  // namespace

void CUICommandBarsTheme::SleepFrame(int milliseconds) {
    if (milliseconds > 0)
        ::Sleep(static_cast<DWORD>(milliseconds));
}

void CUICommandBarsTheme::BlendBits(BYTE* destination, const BYTE* background, int width, int height,
                                    const BYTE* foreground, int weight) {
    const int pixels = width * height;
    for (int i = 0; i < pixels; ++i) {
        for (int channel = 0; channel < 3; ++channel) {
            const int at = i * 4 + channel;
            destination[at] = static_cast<BYTE>((foreground[at] * weight + background[at] * (255 - weight)) >> 8);
        }
    }
}

void CUICommandBarsTheme::AnimatePopup(CDC* destination, CDC* source, CRect rect, int kind) {
    const int steps = m_animationSteps;
    const int w = rect.Width(), h = rect.Height();
    const int frame = steps > 0 ? m_animationDuration / steps : 0;
    switch (kind) {
    case kUnfold:
        for (int k = 1; k <= steps; ++k) {
            const int cx = w * k / steps, cy = h * k / steps;
            destination->BitBlt(0, 0, cx, cy, source, rect.right - cx, rect.bottom - cy, SRCCOPY);
            SleepFrame(frame);
        }
        break;
    case kSlide:
        for (int k = 1; k <= steps; ++k) {
            const int cy = h * k / steps;
            destination->BitBlt(0, 0, w, cy, source, 0, h - cy, SRCCOPY);
            SleepFrame(frame);
        }
        break;
    case kFade: {
        // Without any one of the three buffers the popup just appears.
        DibSection popup(destination->GetSafeHdc(), w, h), screen(destination->GetSafeHdc(), w, h),
            blend(destination->GetSafeHdc(), w, h);
        if (!popup.bits || !screen.bits || !blend.bits || w <= 0 || h <= 0)
            return;
        CDC memory;
        if (!memory.CreateCompatibleDC(destination))
            return;
        HGDIOBJ old = ::SelectObject(memory.GetSafeHdc(), popup.bitmap);
        memory.BitBlt(0, 0, w, h, source, 0, 0, SRCCOPY);
        ::SelectObject(memory.GetSafeHdc(), screen.bitmap);
        memory.BitBlt(0, 0, w, h, destination, rect.left, rect.top, SRCCOPY);
        ::SelectObject(memory.GetSafeHdc(), blend.bitmap);
        for (int k = 1; k < steps; ++k) {
            const DWORD start = ::GetTickCount();
            ::GdiFlush();
            BlendBits(blend.bits, screen.bits, w, h, popup.bits, 255 * k / steps);
            destination->BitBlt(rect.left, rect.top, w, h, &memory, 0, 0, SRCCOPY);
            const int spent = static_cast<int>(::GetTickCount() - start);
            if (spent < frame)
                SleepFrame(frame - spent);
        }
        ::SelectObject(memory.GetSafeHdc(), old);
        break;
    }
    default:
        break;
    }
}

// Bands of revealed entries grow from nothing to their height; the others keep theirs.
void CUICommandBarsTheme::AnimateExpand(CUIPopupBar* popupBar, CDC* destination, CDC* source) {
    const int steps = m_animationSteps;
    if (steps < 1)
        return;
    const CRect client = GetClientRectOf(popupBar);
    const int w = client.Width();
    for (int k = 1; k <= steps; ++k) {
        const double factor = static_cast<double>(k) / steps;
        int sourceY = 0, destinationY = 0;
        BOOL previous = FALSE;
        auto stretchBand = [&](int top, BOOL revealed) {
            const int height = static_cast<int>((top - sourceY) * (revealed ? factor : 1.0));
            destination->StretchBlt(0, destinationY, w, height, source, 0, sourceY, w, top - sourceY, SRCCOPY);
            destinationY += height;
            sourceY = top;
        };
        for (int i = 0; i < popupBar->GetControlCount(); ++i) {
            CUIControl* control = popupBar->GetControl(i);
            if (!control->IsVisible())
                continue;
            const BOOL revealed = IsRevealedEntry(control);
            if (revealed != previous) {
                stretchBand(control->GetRect().top, previous);
                previous = revealed;
            }
        }
        stretchBand(client.bottom, previous);
        SleepFrame(m_animationDuration / steps);
    }
}
