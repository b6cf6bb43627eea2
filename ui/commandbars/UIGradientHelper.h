#pragma once

#include "platform/CDC.h"
#include "ui/commandbars/UIColors.h"

// Fills rectangles with two-colour gradients, through the platform's "GradientFill"
// when "msimg32.dll" has it and by one-pixel bands otherwise. On a low-colour display,
// or with both colours equal, the fill is solid.
class CUIGradientHelper {
public:
    // The library's name is a seam for tests; the program uses "msimg32.dll".
    explicit CUIGradientHelper(LPCSTR library = "msimg32.dll");
    ~CUIGradientHelper();
    CUIGradientHelper(const CUIGradientHelper&) = delete;
    CUIGradientHelper& operator=(const CUIGradientHelper&) = delete;

    BOOL HasGradientFill() const { return m_gradientFill != nullptr; }
    // From a at the left (horizontal) or top to b at the right or bottom.
    void FillGradient(CDC* dc, LPCRECT rect, COLORREF a, COLORREF b, BOOL horizontal);
    void FillGradientPair(CDC* dc, LPCRECT rect, const CUIColorPair& pair, BOOL horizontal);

private:
    using GradientFillFunction = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
    void FillGradientBands(CDC* dc, const CRect& rect, COLORREF a, COLORREF b, BOOL horizontal);

    HMODULE m_library = nullptr;
    GradientFillFunction m_gradientFill = nullptr;
};

// The one gradient filler of the process.
CUIGradientHelper& GetUIGradientHelper();
