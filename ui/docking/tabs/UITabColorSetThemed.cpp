#include <vector>

#include "ui/commandbars/UISystemPalette.h"
#include "ui/commandbars/UIThemeApi.h"
#include "ui/docking/tabs/UITabAppearance.h"
#include "ui/docking/tabs/UITabColorSet.h"
#include "ui/docking/tabs/UITabTheme.h"

namespace {
// Visual-style parts and states drawn here.
enum { TabPartItem = 1, TabPartPane = 9, ToolbarPartButton = 1 };
enum { TabStateNormal = 1, TabStateHot = 5, TabStateSelected = 3 };
enum { ButtonNormal = 1, ButtonHot = 2, ButtonPressed = 3, ButtonChecked = 5, ButtonHotChecked = 6 };

class PlatformVisualStyle : public CUITabVisualStyle {
public:
    void Open(LPCWSTR classList) override { m_api.OpenThemeData(nullptr, classList); }
    BOOL IsActive() override { return m_api.GetThemeHandle() && m_api.IsAppThemed(); }
    void DrawBackground(HDC dc, int part, int state, const RECT* rect) override {
        m_api.DrawThemeBackground(dc, part, state, rect, nullptr);
    }

private:
    CUIThemeApi m_api;
};

CUITabVisualStyle* CreatePlatformVisualStyle() { return new PlatformVisualStyle; }
TabVisualStyleFactory g_factory = CreatePlatformVisualStyle;

// A 32-bit top-down DIB section with its own context.
class PixelBuffer {
public:
    PixelBuffer(HDC reference, int width, int height) : m_width(width), m_height(height) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        m_bitmap.Attach(::CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_bits = static_cast<DWORD*>(bits);
        m_dc.CreateCompatibleDC(CDC::FromHandle(reference));
        m_old = m_dc.SelectObject(&m_bitmap);
    }
    ~PixelBuffer() { Release(); }
    // Takes the bitmap out of the context so that it can be drawn elsewhere.
    void Release() {
        if (m_old) m_dc.SelectObject(m_old);
        m_old = nullptr;
    }
    BOOL IsValid() const { return m_bits != nullptr; }
    DWORD& At(int x, int y) { return m_bits[y * m_width + x]; }
    CDC& DC() { return m_dc; }
    CBitmap& Bitmap() { return m_bitmap; }

private:
    int m_width, m_height;
    DWORD* m_bits = nullptr;
    CBitmap m_bitmap;
    CDC m_dc;
    CGdiObject* m_old = nullptr;
};
}  // namespace

void SetTabVisualStyleFactory(TabVisualStyleFactory factory) {
    g_factory = factory ? factory : CreatePlatformVisualStyle;
}

CUITabColorSetThemed::CUITabColorSetThemed() : m_tab(g_factory()), m_toolbar(g_factory()) {}

CUITabColorSetThemed::~CUITabColorSetThemed() = default;

void CUITabColorSetThemed::RefreshMetrics() {
    CUITabColorSetClassic::RefreshMetrics();
    m_tab->Open(L"TAB");
    if (m_tab->IsActive()) {
        edgeLightColour = edgeShadowColour = edgeDarkShadowColour = TabNoColor;
        hotTextColour = normalTextColour;
    }
    m_toolbar->Open(L"TOOLBAR");
}

BOOL CUITabColorSetThemed::IsAppThemed() { return m_tab->IsActive(); }

COLORREF CUITabColorSetThemed::FillItem(CDC* dc, CRect rect, CUITabStripItem* item) {
    if (!m_tab->IsActive()) return CUITabColorSetClassic::FillItem(dc, rect, item);
    CUITabStripBase* strip = item->owner;
    int position = strip->GetPosition();
    BOOL selected = item == strip->GetSelectedItem();
    int state = selected ? TabStateSelected : item == strip->GetHotItem() ? TabStateHot : TabStateNormal;
    if (selected && position == TabPositionTop) rect.bottom += 1;
    if (selected && position == TabPositionLeft) rect.right += 1;
    static const int Growth[4][4] = {{1, 1, 1, 0}, {1, 1, 0, 1}, {1, 0, 1, 2}, {0, 1, 2, 1}};
    const int* grow = Growth[position & 3];
    rect.InflateRect(grow[0], grow[1], grow[2], grow[3]);
    DrawRotatedThemeTab(dc, rect, position, state);
    return TabNoColor;
}

void CUITabColorSetThemed::DrawRotatedThemeTab(CDC* dc, CRect rect, int position, int state) {
    if (position == TabPositionTop) {
        m_tab->DrawBackground(dc->GetSafeHdc(), TabPartItem, state, &rect);
        return;
    }
    int w = rect.Width(), h = rect.Height();
    if (w <= 0 || h <= 0) return;
    BOOL turned = !IsHorizontalPosition(position);
    int aw = turned ? h : w, ah = turned ? w : h;
    PixelBuffer a(dc->GetSafeHdc(), aw, ah), b(dc->GetSafeHdc(), w, h);
    if (!a.IsValid() || !b.IsValid()) return;
    CRect picture(0, 0, aw, ah);
    m_tab->DrawBackground(a.DC().GetSafeHdc(), TabPartItem, state, &picture);
    ::GdiFlush();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (position == TabPositionBottom)
                b.At(x, y) = a.At(x, h - 1 - y);
            else if (position == TabPositionLeft)
                b.At(x, y) = a.At(y, x);
            else
                b.At(x, y) = a.At(h - 1 - y, w - 1 - x);
        }
    }
    b.Release();
    dc->DrawState(rect.TopLeft(), rect.Size(), &b.Bitmap(), DSS_NORMAL);
}

COLORREF CUITabColorSetThemed::FillClient(CDC* dc, CRect rect, CUITabStripBase* strip) {
    if (!m_tab->IsActive()) return CUITabColorSetClassic::FillClient(dc, rect, strip);
    int position = strip->GetPosition();
    if (position == TabPositionBottom) rect.bottom += 1;
    if (position == TabPositionRight) rect.right += 1;
    m_tab->DrawBackground(dc->GetSafeHdc(), TabPartPane, 0, &rect);
    return 0;
}

void CUITabColorSetThemed::FillStripBackground(CDC* dc, CRect rect, CUITabStripBase* strip) {
    if (!m_tab->IsActive()) return;
    CRect r = m_owner->GetAppearance()->GetClientRect(rect, strip);
    switch (strip->GetPosition()) {
    case TabPositionBottom:
        dc->ExcludeClipRect(r.left, r.bottom - 2, r.left + 1, r.bottom - 1);
        break;
    case TabPositionRight:
        dc->ExcludeClipRect(r.right - 2, r.top, r.right - 1, r.top + 1);
        break;
    default:
        dc->ExcludeClipRect(r.left, r.top, r.left + 1, r.top + 1);
        break;
    }
}

void CUITabColorSetThemed::DrawItemBackground(CDC* dc, CRect rect, CUITabStripItem* item) {
    CUITabStripBase* strip = item->owner;
    if (!m_toolbar->IsActive() || !strip || item != strip->GetSelectedItem()) {
        CUITabColorSetClassic::DrawItemBackground(dc, rect, item);
        return;
    }
    int state = item == strip->GetHotItem() ? ButtonHotChecked : ButtonChecked;
    m_toolbar->DrawBackground(dc->GetSafeHdc(), ToolbarPartButton, state, &rect);
}

void CUITabColorSetThemed::DrawNavigateButton(CDC* dc, CUITabNavigateButton* button, CRect& rect) {
    if (!m_toolbar->IsActive()) {
        CUITabColorSetClassic::DrawNavigateButton(dc, button, rect);
        return;
    }
    if (button->IsEnabled()) {
        int state = button->IsPressed() ? ButtonPressed : button->IsHot() ? ButtonHot : ButtonNormal;
        m_toolbar->DrawBackground(dc->GetSafeHdc(), ToolbarPartButton, state, &rect);
    }
    dc->SetTextColor(GetUISystemPalette().GetColor(COLOR_BTNTEXT));
}
