#pragma once

#include "platform/CDC.h"
#include "platform/CRect.h"

class CUIDockingPaneTabbedContainer;
class CWnd;

// The glyph kinds of the caption buttons and their state bits.
enum DockingCaptionButtonState : DWORD {
    CaptionButtonPin = 2,
    CaptionButtonClose = 4,
    CaptionButtonPressed = 0x1000,
    CaptionButtonHot = 0x4000,
};

// The close or auto-hide button in a container's caption: a rectangle in the
// container's client coordinates (empty while not shown), placed and drawn by the
// theme, pressed and hovered through the container's window.
class CUIDockingPaneCaptionButton {
public:
    CUIDockingPaneCaptionButton(CUIDockingPaneTabbedContainer* owner, DWORD glyph) : m_owner(owner), m_state(glyph) {}

    // A changed rectangle re-registers the button's tooltip.
    void SetRect(const CRect& rect);
    const CRect& GetRect() const { return m_rect; }
    void Draw(CDC* dc, COLORREF color);
    // Modal press tracking; TRUE when released over the button.
    BOOL Track(CWnd* wnd, CPoint point);
    void CheckHot(CPoint point);

    DWORD GetGlyph() const { return m_state & (CaptionButtonPin | CaptionButtonClose); }
    BOOL IsPressed() const { return (m_state & CaptionButtonPressed) != 0; }
    BOOL IsHot() const { return (m_state & CaptionButtonHot) != 0; }
    // The string resource of the button's tooltip.
    UINT GetTooltipId() const { return GetGlyph() == CaptionButtonClose ? 9901 : 9900; }

private:
    void SetFlag(DWORD flag, BOOL on);
    void InvalidateButton() const;

    CUIDockingPaneTabbedContainer* m_owner;
    DWORD m_state;
    CRect m_rect;
};

// The pin: lying (needle to the left) or standing (needle down), drawn with the
// context's pen around (x, y).
void DrawPinGlyph(CDC* dc, int x, int y, BOOL lying);
