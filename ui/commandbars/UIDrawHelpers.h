#pragma once

#include "platform/CDC.h"
#include "ui/commandbars/UIColors.h"

class CWnd;

// TRUE when the context (the desktop window's when null) has 1 to 8 bits per pixel;
// FALSE when no context can be had.
BOOL IsLowColorDC(HDC dc);

// A double buffer over part of a target: a compatible bitmap as large as the
// rectangle's right and bottom edges, drawn in the target's own coordinates; the
// destructor copies the rectangle back to the same place of the target.
class CUIBufferDC : public CDC {
public:
    CUIBufferDC(HDC target, const CRect& rect);
    ~CUIBufferDC() override;

private:
    HDC m_target;
    CRect m_rect;
    CBitmap m_bitmap;
    CGdiObject* m_oldBitmap = nullptr;
};

// A double buffer whose (0, 0) is the rectangle's top-left corner (the target's clip
// box when the rectangle is empty), filled with a background colour first and copied
// back by the destructor. It stays inert when no compatible context can be made.
class CUIMemDC : public CDC {
public:
    CUIMemDC(CDC* target, const CRect& rect, COLORREF background);
    ~CUIMemDC() override;
    BOOL IsValid() const { return m_valid; }
    const CRect& GetRect() const { return m_rect; }

private:
    CDC* m_target;
    BOOL m_valid = FALSE;
    CRect m_rect;
    CBitmap m_bitmap;
    CGdiObject* m_oldBitmap = nullptr;
};

// Selects a GDI object for the life of the selector and puts the previous one back.
class CUIGdiSelector {
public:
    CUIGdiSelector(HDC dc, HGDIOBJ object);
    ~CUIGdiSelector();
    CUIGdiSelector(const CUIGdiSelector&) = delete;
    CUIGdiSelector& operator=(const CUIGdiSelector&) = delete;
    // Puts the original object back first, then selects the new one.
    void Select(HGDIOBJ object);

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// A solid pen of width 1 selected for the life of the selector, then deleted.
class CUIPenSelector {
public:
    CUIPenSelector(HDC dc, COLORREF color);
    ~CUIPenSelector();
    CUIPenSelector(const CUIPenSelector&) = delete;
    CUIPenSelector& operator=(const CUIPenSelector&) = delete;
    COLORREF GetColor() const { return m_color; }

private:
    HDC m_dc;
    HPEN m_pen;
    HGDIOBJ m_previous;
    COLORREF m_color;
};

// A solid brush selected for the life of the selector, then deleted.
class CUIBrushSelector {
public:
    CUIBrushSelector(HDC dc, COLORREF color);
    ~CUIBrushSelector();
    CUIBrushSelector(const CUIBrushSelector&) = delete;
    CUIBrushSelector& operator=(const CUIBrushSelector&) = delete;
    // Replaces the selected brush by one of another colour.
    void SetColor(COLORREF color);

private:
    void Release();

    HDC m_dc;
    HBRUSH m_brush = nullptr;
    HGDIOBJ m_previous = nullptr;
};

// A context compatible with another (the screen when none) holding a bitmap.
class CUICompatibleDC : public CDC {
public:
    CUICompatibleDC(CDC* dc, CBitmap* bitmap);
    ~CUICompatibleDC() override;

private:
    CGdiObject* m_oldBitmap = nullptr;
};

// Rectangle shortcuts: each fills the rectangle and returns it. Without a window the
// rectangle is empty.
CRect MakeEmptyRect();
CRect GetWindowRectOfHandle(HWND wnd);
CRect GetWindowRectOf(const CWnd* wnd);
CRect GetClientRectOf(const CWnd* wnd);

// Sets each pixel of the count/2 (position, offset) pairs to the channel average
// (rounded down) of itself and the pixel at position + offset.
void BlendPixelsWithOffset(CDC* dc, const POINT* points, int count);
