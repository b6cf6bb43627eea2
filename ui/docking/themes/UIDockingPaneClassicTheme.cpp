#include "ui/docking/themes/UIDockingPaneClassicTheme.h"

#include "ui/docking/UIDockingPaneTabbedContainer.h"

void CUIDockingPaneClassicTheme::DrawCaption(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) {
    CRect caption = CaptionRect(rect);
    dc->FillSolidRect(rect.left, rect.top, rect.Width(), caption.bottom + 2, ::GetSysColor(COLOR_BTNFACE));
    BOOL active = container->IsActive();
    dc->FillSolidRect(caption, ::GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));

    int cy = (caption.top + caption.bottom) / 2;
    int x = caption.right - 2;
    CUIDockingPaneCaptionButton& close = container->GetCloseButton();
    if (ShowsCloseButton(container)) {
        close.SetRect(CRect(x - 12, cy - 6, x, cy + 6));
        CRect button = close.GetRect();
        dc->DrawFrameControl(button, DFC_CAPTION, DFCS_CAPTIONCLOSE | (close.IsPressed() ? DFCS_PUSHED : 0));
        x -= 14;
    } else {
        close.SetRect(CRect());
    }
    CUIDockingPaneCaptionButton& pin = container->GetAutoHideButton();
    if (ShowsAutoHideButton(container)) {
        pin.SetRect(CRect(x - 12, cy - 6, x, cy + 6));
        DrawPinButton(dc, pin.GetRect(), pin.IsPressed(), container->GetPlacement() == 3);
        x -= 16;
    } else {
        pin.SetRect(CRect());
    }
    if (container->GetSelected())
        DrawTitle(dc, container, CRect(caption.left + 4, caption.top + 1, x, caption.bottom),
                  ::GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
}

void CUIDockingPaneClassicTheme::DrawPinButton(CDC* dc, CRect rect, BOOL pressed, BOOL lying) {
    dc->DrawFrameControl(rect, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0));
    int shift = pressed ? 1 : 0;
    if (lying) {
        int x = rect.left - 1 + shift;
        int y = (rect.top + rect.bottom) / 2 - 1 + shift;
        POINT points[] = {{x, y},         {x + 2, y},     {x + 2, y - 3}, {x + 4, y - 1}, {x + 5, y - 2}, {x + 6, y - 2},
                          {x + 6, y + 2}, {x + 5, y + 2}, {x + 4, y + 1}, {x + 2, y + 3}, {x + 2, y}};
        dc->Polyline(points, 11);
    } else {
        int x = (rect.left + rect.right) / 2 - 1 + shift;
        int y = rect.bottom - 1 + shift;
        POINT points[] = {{x, y},         {x, y - 2},     {x - 3, y - 2}, {x - 3, y - 3}, {x - 1, y - 6},
                          {x - 2, y - 7}, {x - 2, y - 8}, {x + 2, y - 8}, {x + 2, y - 7}, {x + 1, y - 6},
                          {x + 3, y - 3}, {x + 3, y - 2}, {x, y - 2}};
        dc->Polyline(points, 13);
    }
}
