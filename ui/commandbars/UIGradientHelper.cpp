#include "ui/commandbars/UIGradientHelper.h"

#include "ui/commandbars/ProcAddress.h"
#include "ui/commandbars/UIDrawHelpers.h"

#include <algorithm>

namespace {

// a × t + b × (1 − t) per channel, truncated and capped.
COLORREF InterpolateColor(COLORREF a, COLORREF b, float t) {
    auto mix = [t](int ca, int cb) { return std::min(static_cast<int>(ca * t + cb * (1.0f - t)), 255); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TRIVERTEX Vertex(LONG x, LONG y, COLORREF color) {
    TRIVERTEX vertex = {};
    vertex.x = x;
    vertex.y = y;
    vertex.Red = static_cast<COLOR16>(GetRValue(color) << 8);
    vertex.Green = static_cast<COLOR16>(GetGValue(color) << 8);
    vertex.Blue = static_cast<COLOR16>(GetBValue(color) << 8);
    return vertex;
}

}  // namespace

CUIGradientHelper::CUIGradientHelper(LPCSTR library) {
    m_library = ::LoadLibraryA(library);
    m_gradientFill = ProcAddress<GradientFillFunction>(m_library, "GradientFill");
}

CUIGradientHelper::~CUIGradientHelper() {
    if (m_library) ::FreeLibrary(m_library);
}

void CUIGradientHelper::FillGradientPair(CDC* dc, LPCRECT rect, const CUIColorPair& pair, BOOL horizontal) {
    FillGradient(dc, rect, pair.first, pair.second, horizontal);
}

void CUIGradientHelper::FillGradient(CDC* dc, LPCRECT rect, COLORREF a, COLORREF b, BOOL horizontal) {
    if (!rect || ::IsRectEmpty(rect)) return;
    if (IsLowColorDC(dc->m_hDC) || a == b) {
        dc->FillSolidRect(rect, a);
        return;
    }
    if (!m_gradientFill) {
        FillGradientBands(dc, CRect(rect), a, b, horizontal);
        return;
    }
    TRIVERTEX vertices[2] = {Vertex(rect->left, rect->top, a), Vertex(rect->right, rect->bottom, b)};
    GRADIENT_RECT mesh = {0, 1};
    m_gradientFill(dc->m_hDC, vertices, 2, &mesh, 1, horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void CUIGradientHelper::FillGradientBands(CDC* dc, const CRect& rect, COLORREF a, COLORREF b, BOOL horizontal) {
    const float width = static_cast<float>(std::max(rect.Width(), 1));
    const float height = static_cast<float>(std::max(rect.Height(), 1));
    CRect work;
    dc->GetClipBox(&work);
    if (work.IsRectEmpty())
        work = rect;
    else
        work.IntersectRect(work, rect);
    if (horizontal) {
        for (int x = work.left; x < work.right; ++x)
            dc->FillSolidRect(x, work.top, 1, work.Height(), InterpolateColor(a, b, 1.0f - (x - rect.left) / width));
    } else {
        for (int y = work.top; y < work.bottom; ++y)
            dc->FillSolidRect(work.left, y, work.Width(), 1, InterpolateColor(a, b, 1.0f - (y - rect.top) / height));
    }
}

CUIGradientHelper& GetUIGradientHelper() {
    static CUIGradientHelper helper;
    return helper;
}
