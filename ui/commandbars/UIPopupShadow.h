#pragma once

#include "ui/commandbars/UIHookClient.h"

#include "platform/CWnd.h"

#include <list>
#include <vector>

class CUICommandBar;
class CUIControl;

// Orientation of a shadow strip.
enum UIShadowOrientation { uiShadowRight = 0, uiShadowBottom = 1 };

// Where a strip of the depth goes along the owner's rectangle: the bottom strip is moved
// right by the depth (it covers the corner square), the right one starts depth below
// the owner's top.
CRect ShadowStripRect(int orientation, const CRect& owner, int depth);

// The pixels (0xAARRGGBB, rows top-down as on the screen) of an alpha strip of the size:
// the alpha ramps from the owner's edge outwards and fades at the strip's free ends
// (both ends of a bottom strip, the top of a right strip); flat themes use half the
// darkness (m = 1 against 2).
std::vector<DWORD> ShadowStripPixels(int orientation, CSize size, BOOL flat, COLORREF color);

// One strip window of a drop shadow: above every window, transparent to the mouse, and
// following its owner bar's window (hidden, shown and removed with it).
class CUIShadowWnd : public CWnd, public CUIHookClient {
public:
    CUIShadowWnd(CUICommandBar* owner, BOOL flat) : m_flat(flat), m_owner(owner) {}

    void Place(int orientation, const CRect& ownerRect);
    // Moves a right strip above, or a bottom strip left of, a strip of the other kind it
    // would overlap by one pixel.
    void AlignToShadows(const std::list<CUIShadowWnd*>& shadows);
    // Cuts the part of the screen rectangle it covers out of the strip.
    void ExcludeRect(const CRect& screenRect);
    int OnHookMessage(HWND hwnd, UINT message, WPARAM& wParam, LPARAM& lParam, LRESULT& result) override;

    int GetOrientation() const { return m_orientation; }
    CUICommandBar* GetOwner() const { return m_owner; }
    void ClearOwner() { m_owner = nullptr; }

protected:
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnPaint();
    void OnSize(UINT type, int cx, int cy);
    // Clicks fall through to the window below.
    LRESULT OnNcHitTest(WPARAM, LPARAM) { return HTTRANSPARENT; }

private:
    int m_orientation = uiShadowBottom;
    BOOL m_flat;
    CUICommandBar* m_owner;

    DECLARE_MESSAGE_MAP()
};

// The process's drop shadows under open popup bars and under the bar controls whose
// popup is open. Strips are 4-pixel alpha ramps where windows can carry per-pixel alpha,
// else 2-pixel strips in the button-shadow colour.
class CUIPopupShadowTable {
public:
    static CUIPopupShadowTable& Instance();
    ~CUIPopupShadowTable();

    void SetShadow(CUICommandBar* bar, const CRect& exclude);
    void SetControlShadow(CUIControl* control);
    void RemoveShadows(CUICommandBar* bar);
    void DestroyShadow(CUIShadowWnd* shadow);

    BOOL HasAlphaShadows() const { return m_updateLayeredWindow != nullptr; }
    int GetDepth() const { return HasAlphaShadows() ? 4 : 2; }
    BOOL UpdateLayered(HWND window, CSize size, HDC source) const;
    const std::list<CUIShadowWnd*>& GetShadows() const { return m_shadows; }

private:
    CUIPopupShadowTable();
    CUIShadowWnd* CreateShadow(int orientation, const CRect& ownerRect, const CRect& exclude, CUICommandBar* owner);

    using UpdateLayeredWindowFunction = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*,
                                                      DWORD);
    HMODULE m_user32 = nullptr;
    UpdateLayeredWindowFunction m_updateLayeredWindow = nullptr;
    std::list<CUIShadowWnd*> m_shadows;
};
