#include "ui/commandbars/UIPopupShadow.h"

#include "ui/commandbars/ProcAddress.h"
#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/commandbars/UIWndProcHookTable.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CDC.h"

#include <algorithm>

namespace {

const int kFadeLength = 4;
const int kButtonShadowColor = 16;
const UINT kShowTopmost = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW;

DWORD ShadowPixel(int k, int p, int m, COLORREF color) {
    const int channels[] = {GetRValue(color), GetGValue(color), GetBValue(color)};
    DWORD alpha;
    int out[3];
    if (p == 0) {
        alpha = static_cast<DWORD>(15 * m * k);
        for (int i = 0; i < 3; ++i)
            out[i] = static_cast<int>(channels[i] * 0.25 * k);
    } else {
        const int t = p * k;
        alpha = static_cast<DWORD>(3 * m * t);
        for (int i = 0; i < 3; ++i)
            out[i] = static_cast<int>(channels[i] * (0.05 * t));
    }
    return (alpha << 24) + (static_cast<DWORD>(out[0]) << 16) + (static_cast<DWORD>(out[1]) << 8) +
           static_cast<DWORD>(out[2]);
}

// Depth index from the owner's edge (4) outwards, at an offset across the strip.
int DepthIndex(int across, int thickness) { return std::max(1, kFadeLength - across * kFadeLength / thickness); }

BOOL DropShadowsOn() {
    BOOL on = FALSE;
    ::SystemParametersInfoA(SPI_GETDROPSHADOW, 0, &on, 0);
    return on;
}

}  // namespace

CRect ShadowStripRect(int orientation, const CRect& owner, int depth) {
    if (orientation == uiShadowBottom)
        return CRect(owner.left + depth, owner.bottom, owner.right + depth, owner.bottom + depth);
    return CRect(owner.right, owner.top + depth, owner.right + depth, owner.bottom);
}

std::vector<DWORD> ShadowStripPixels(int orientation, CSize size, BOOL flat, COLORREF color) {
    const int m = flat ? 1 : 2;
    std::vector<DWORD> pixels(static_cast<size_t>(std::max<LONG>(size.cx, 0) * std::max<LONG>(size.cy, 0)));
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            int k, p = 0;
            if (orientation == uiShadowBottom) {
                k = DepthIndex(y, size.cy);
                if (x >= size.cx - kFadeLength)
                    p = size.cx - x;  // the right end's values stand where both ends meet
                else if (x < kFadeLength)
                    p = x + 1;
            } else {
                k = DepthIndex(x, size.cx);
                if (y < kFadeLength)
                    p = y + 1;
            }
            pixels[static_cast<size_t>(y * size.cx + x)] = ShadowPixel(k, p, m, color);
        }
    }
    return pixels;
}

BEGIN_MESSAGE_MAP(CUIShadowWnd, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
END_MESSAGE_MAP()

void CUIShadowWnd::Place(int orientation, const CRect& ownerRect) {
    CUIPopupShadowTable& table = CUIPopupShadowTable::Instance();
    if (m_hWnd == nullptr) {
        LPCSTR windowClass = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
        const DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | (table.HasAlphaShadows() ? WS_EX_LAYERED : 0);
        if (!CreateEx(exStyle, windowClass, "", WS_POPUP, CRect(0, 0, 0, 0), nullptr, 0))
            return;
    }
    ::SetWindowRgn(m_hWnd, nullptr, FALSE);
    m_orientation = orientation;
    const CRect rect = ShadowStripRect(orientation, ownerRect, table.GetDepth());
    ::MoveWindow(m_hWnd, rect.left, rect.top, rect.Width(), rect.Height(), FALSE);
}

void CUIShadowWnd::AlignToShadows(const std::list<CUIShadowWnd*>& shadows) {
    if (m_hWnd == nullptr)
        return;
    CRect own;
    GetWindowRect(&own);
    for (CUIShadowWnd* other : shadows) {
        if (other->m_orientation == m_orientation || other->m_hWnd == nullptr)
            continue;
        CRect rect;
        other->GetWindowRect(&rect);
        BOOL moved = FALSE;
        if (m_orientation == uiShadowRight && own.top == rect.bottom - 1 && rect.left < own.right &&
            own.right < rect.right) {
            own.top -= 2 * rect.Height();
            moved = TRUE;
        } else if (m_orientation == uiShadowBottom && own.left == rect.right - 1 && rect.top < own.top &&
                   own.bottom < rect.bottom) {
            own.left -= 2 * rect.Width() + 1;
            moved = TRUE;
        }
        if (moved)
            ::MoveWindow(m_hWnd, own.left, own.top, own.Width(), own.Height(), FALSE);
    }
}

void CUIShadowWnd::ExcludeRect(const CRect& screenRect) {
    if (m_hWnd == nullptr)
        return;
    CRect window, overlap;
    GetWindowRect(&window);
    if (!overlap.IntersectRect(window, screenRect))
        return;
    overlap.OffsetRect(-window.left, -window.top);
    HRGN whole = ::CreateRectRgn(0, 0, window.Width(), window.Height());
    HRGN cut = ::CreateRectRgnIndirect(&overlap);
    ::CombineRgn(whole, whole, cut, RGN_DIFF);
    ::DeleteObject(cut);
    if (!::SetWindowRgn(m_hWnd, whole, FALSE))
        ::DeleteObject(whole);
}

void CUIShadowWnd::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const COLORREF color = CUIPopupShadowTable::Instance().HasAlphaShadows()
                               ? RGB(0, 0, 0)
                               : GetUISystemPalette().GetColor(kButtonShadowColor);
    dc.FillSolidRect(client, color);
}

void CUIShadowWnd::OnSize(UINT, int cx, int cy) {
    Default();
    CUIPopupShadowTable& table = CUIPopupShadowTable::Instance();
    if (cx == 0 || cy == 0 || !table.HasAlphaShadows() || m_owner == nullptr)
        return;
    CUICommandBarsTheme* paintManager = m_owner->GetPaintManager();
    const COLORREF color = paintManager ? paintManager->m_shadowColor : RGB(0, 0, 0);
    const std::vector<DWORD> pixels = ShadowStripPixels(m_orientation, CSize(cx, cy), m_flat, color);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;  // rows top-down, as the pixels are
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = ::GetDC(m_hWnd);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP image = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (image && bits && memory) {
        std::copy(pixels.begin(), pixels.end(), static_cast<DWORD*>(bits));
        HGDIOBJ previous = ::SelectObject(memory, image);
        table.UpdateLayered(m_hWnd, CSize(cx, cy), memory);
        ::SelectObject(memory, previous);
    }
    if (image)
        ::DeleteObject(image);
    if (memory)
        ::DeleteDC(memory);
    ::ReleaseDC(m_hWnd, screen);
}

int CUIShadowWnd::OnHookMessage(HWND hwnd, UINT message, WPARAM& wParam, LPARAM&, LRESULT&) {
    if (message == WM_SHOWWINDOW && m_hWnd) {
        ShowWindow(wParam ? SW_SHOWNA : SW_HIDE);
    } else if (message == WM_DESTROY) {
        CUIWndProcHookTable::Instance().RemoveHook(hwnd, this);
        CUIPopupShadowTable::Instance().DestroyShadow(this);
    }
    return NotHandled;
}

CUIPopupShadowTable& CUIPopupShadowTable::Instance() {
    static CUIPopupShadowTable table;
    return table;
}

CUIPopupShadowTable::CUIPopupShadowTable() {
    m_user32 = ::LoadLibraryA("user32.dll");
    m_updateLayeredWindow = ProcAddress<UpdateLayeredWindowFunction>(m_user32, "UpdateLayeredWindow");
}

CUIPopupShadowTable::~CUIPopupShadowTable() {
    if (m_user32)
        ::FreeLibrary(m_user32);
}

BOOL CUIPopupShadowTable::UpdateLayered(HWND window, CSize size, HDC source) const {
    if (m_updateLayeredWindow == nullptr)
        return FALSE;
    SIZE extent = {size.cx, size.cy};
    POINT origin = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    return m_updateLayeredWindow(window, nullptr, nullptr, &extent, source, &origin, 0, &blend, ULW_ALPHA);
}

void CUIPopupShadowTable::SetShadow(CUICommandBar* bar, const CRect& exclude) {
    if (bar->IsCustomizeMode() || bar->GetSafeHwnd() == nullptr)
        return;
    CUICommandBarsTheme* paintManager = bar->GetPaintManager();
    const BOOL flat = paintManager && paintManager->IsFlatTheme();
    if (!flat && !(HasAlphaShadows() && DropShadowsOn()))
        return;
    CRect rect;
    bar->GetWindowRect(&rect);
    CreateShadow(uiShadowBottom, rect, exclude, bar);
    CreateShadow(uiShadowRight, rect, exclude, bar);
}

void CUIPopupShadowTable::SetControlShadow(CUIControl* control) {
    CUICommandBar* parent = control->GetParent();
    CUICommandBar* popup = control->GetCommandBar();
    CUICommandBarsTheme* paintManager = control->GetPaintManager();
    if (parent == nullptr || popup == nullptr || parent->IsCustomizeMode() || paintManager == nullptr ||
        !paintManager->IsFlatTheme() || parent->GetSafeHwnd() == nullptr || popup->GetSafeHwnd() == nullptr)
        return;
    CRect rect = control->GetRect();
    parent->ClientToScreen(&rect);
    CreateShadow(uiShadowBottom, rect, CRect(), popup);
    CreateShadow(uiShadowRight, rect, CRect(), popup);
}

CUIShadowWnd* CUIPopupShadowTable::CreateShadow(int orientation, const CRect& ownerRect, const CRect& exclude,
                                                CUICommandBar* owner) {
    CUICommandBarsTheme* paintManager = owner->GetPaintManager();
    const BOOL flat = paintManager && paintManager->IsFlatTheme();
    CUIShadowWnd* shadow = new CUIShadowWnd(owner, flat);
    shadow->Place(orientation, ownerRect);
    shadow->AlignToShadows(m_shadows);
    m_shadows.push_back(shadow);
    if (flat)
        shadow->ExcludeRect(exclude);
    for (CUIShadowWnd* strip : m_shadows) {
        CUICommandBar* stripOwner = strip->GetOwner();
        if (stripOwner && stripOwner->GetSafeHwnd()) {
            CRect rect;
            stripOwner->GetWindowRect(&rect);
            strip->ExcludeRect(rect);
        }
    }
    if (shadow->m_hWnd)
        shadow->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, kShowTopmost);
    CUIWndProcHookTable::Instance().SetHook(owner->m_hWnd, shadow);
    return shadow;
}

void CUIPopupShadowTable::DestroyShadow(CUIShadowWnd* shadow) {
    if (shadow->m_hWnd)
        shadow->ShowWindow(SW_HIDE);
    shadow->ClearOwner();
    m_shadows.remove(shadow);
    if (shadow->m_hWnd)
        shadow->DestroyWindow();
    delete shadow;
}

void CUIPopupShadowTable::RemoveShadows(CUICommandBar* bar) {
    const std::list<CUIShadowWnd*> shadows = m_shadows;
    for (CUIShadowWnd* shadow : shadows) {
        if (shadow->GetOwner() != bar)
            continue;
        if (bar->GetSafeHwnd())
            CUIWndProcHookTable::Instance().RemoveHook(bar->m_hWnd, shadow);
        DestroyShadow(shadow);
    }
}
