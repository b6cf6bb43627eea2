#include "ui/commandbars/UIDrawHelpers.h"

#include "platform/CWnd.h"

BOOL IsLowColorDC(HDC dc) {
    HWND desktop = dc ? nullptr : ::GetDesktopWindow();
    HDC probe = dc ? dc : ::GetDC(desktop);
    if (!probe) return FALSE;
    const int bits = ::GetDeviceCaps(probe, BITSPIXEL);
    if (!dc) ::ReleaseDC(desktop, probe);
    return bits >= 1 && bits <= 8;
}

CUIBufferDC::CUIBufferDC(HDC target, const CRect& rect) : m_target(target), m_rect(rect) {
    Attach(::CreateCompatibleDC(target));
    m_bitmap.Attach(::CreateCompatibleBitmap(target, rect.right, rect.bottom));
    m_oldBitmap = SelectObject(&m_bitmap);
}

CUIBufferDC::~CUIBufferDC() {
    ::BitBlt(m_target, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, m_rect.left, m_rect.top,
             SRCCOPY);
    if (m_oldBitmap) SelectObject(m_oldBitmap);
    m_bitmap.DeleteObject();
}

CUIMemDC::CUIMemDC(CDC* target, const CRect& rect, COLORREF background) : m_target(target), m_rect(rect) {
    if (m_rect.IsRectEmpty()) target->GetClipBox(&m_rect);
    if (!CreateCompatibleDC(target)) return;
    m_valid = TRUE;
    SetMapMode(target->GetMapMode());
    m_bitmap.CreateCompatibleBitmap(target, m_rect.Width(), m_rect.Height());
    m_oldBitmap = SelectObject(&m_bitmap);
    FillSolidRect(0, 0, m_rect.Width(), m_rect.Height(), background);
}

CUIMemDC::~CUIMemDC() {
    if (!m_valid) return;
    m_target->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, 0, 0, SRCCOPY);
    if (m_oldBitmap) SelectObject(m_oldBitmap);
    m_bitmap.DeleteObject();
    DeleteDC();
}

CUIGdiSelector::CUIGdiSelector(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}

CUIGdiSelector::~CUIGdiSelector() { ::SelectObject(m_dc, m_previous); }

void CUIGdiSelector::Select(HGDIOBJ object) {
    ::SelectObject(m_dc, m_previous);
    ::SelectObject(m_dc, object);
}

CUIPenSelector::CUIPenSelector(HDC dc, COLORREF color)
    : m_dc(dc), m_pen(::CreatePen(PS_SOLID, 1, color)), m_previous(::SelectObject(dc, m_pen)), m_color(color) {}

CUIPenSelector::~CUIPenSelector() {
    ::SelectObject(m_dc, m_previous);
    ::DeleteObject(m_pen);
}

CUIBrushSelector::CUIBrushSelector(HDC dc, COLORREF color) : m_dc(dc) {
    m_brush = ::CreateSolidBrush(color);
    m_previous = ::SelectObject(dc, m_brush);
}

CUIBrushSelector::~CUIBrushSelector() { Release(); }

void CUIBrushSelector::Release() {
    ::SelectObject(m_dc, m_previous);
    ::DeleteObject(m_brush);
    m_brush = nullptr;
}

void CUIBrushSelector::SetColor(COLORREF color) {
    Release();
    m_brush = ::CreateSolidBrush(color);
    m_previous = ::SelectObject(m_dc, m_brush);
}

CUICompatibleDC::CUICompatibleDC(CDC* dc, CBitmap* bitmap) {
    CreateCompatibleDC(dc);
    if (bitmap) m_oldBitmap = SelectObject(bitmap);
}

CUICompatibleDC::~CUICompatibleDC() {
    if (m_oldBitmap) SelectObject(m_oldBitmap);
    DeleteDC();
}

CRect MakeEmptyRect() { return CRect(0, 0, 0, 0); }

CRect GetWindowRectOfHandle(HWND wnd) {
    CRect rect;
    if (wnd) ::GetWindowRect(wnd, &rect);
    return rect;
}

CRect GetWindowRectOf(const CWnd* wnd) { return GetWindowRectOfHandle(wnd->GetSafeHwnd()); }

CRect GetClientRectOf(const CWnd* wnd) {
    CRect rect;
    if (wnd && wnd->GetSafeHwnd()) ::GetClientRect(wnd->GetSafeHwnd(), &rect);
    return rect;
}

void BlendPixelsWithOffset(CDC* dc, const POINT* points, int count) {
    for (int i = 0; i + 1 < count; i += 2) {
        const POINT at = points[i];
        const COLORREF a = dc->GetPixel(at);
        const COLORREF b = dc->GetPixel(at.x + points[i + 1].x, at.y + points[i + 1].y);
        dc->SetPixel(at, RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2,
                             (GetBValue(a) + GetBValue(b)) / 2));
    }
}
