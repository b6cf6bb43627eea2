#include "ui/commandbars/UIColors.h"

#include <algorithm>

namespace {

int ClampChannel(int value) { return std::clamp(value, 0, 255); }

int BlendChannel(int a, int b, int w, int d) { return (a * w + b * (d - w) + d / 2) / d; }

}  // namespace

COLORREF ClampRGB(int r, int g, int b) { return RGB(ClampChannel(r), ClampChannel(g), ClampChannel(b)); }

COLORREF BlendColors(COLORREF a, COLORREF b, int w) {
    const int d = w < 100 ? 100 : 1000;
    return RGB(BlendChannel(GetRValue(a), GetRValue(b), w, d), BlendChannel(GetGValue(a), GetGValue(b), w, d),
               BlendChannel(GetBValue(a), GetBValue(b), w, d));
}

CUIColorRef& CUIColorRef::AddGray(int n) {
    const int gray = ClampChannel(n);
    return Add(RGB(gray, gray, gray));
}

CUIColorRef& CUIColorRef::Add(COLORREF other) {
    m_color = ClampRGB(GetRValue(m_color) + GetRValue(other), GetGValue(m_color) + GetGValue(other),
                       GetBValue(m_color) + GetBValue(other));
    return *this;
}
