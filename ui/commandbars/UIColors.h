#pragma once

#include <windows.h>

// Small colour helpers shared by the palette and the UI settings. Colours are RGB values
// in the platform layout 0x00BBGGRR.

// Packs three channel values, each clamped to 0-255.
COLORREF ClampRGB(int r, int g, int b);

// A colour w parts of a and the rest of b: parts of 100 when w < 100, per mille
// otherwise (165 is 16.5 %); each channel rounded half up.
COLORREF BlendColors(COLORREF a, COLORREF b, int w);

// One colour with channel-wise, capped additions.
class CUIColorRef {
public:
    CUIColorRef(COLORREF color = 0) : m_color(color) {}
    operator COLORREF() const { return m_color; }
    // Adds n (clamped to 0-255) to each channel, each sum capped at 255.
    CUIColorRef& AddGray(int n);
    // Adds the channels of another colour, each sum capped at 255.
    CUIColorRef& Add(COLORREF other);

private:
    COLORREF m_color;
};

// The two ends of a gradient: first at its start, second at its end.
class CUIColorPair {
public:
    void Set(COLORREF first, COLORREF second) { this->first = first, this->second = second; }
    void SetSolid(const COLORREF& color) { Set(color, color); }

    COLORREF first = 0;
    COLORREF second = 0;
};
