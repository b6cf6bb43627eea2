#include "ui/docking/themes/UIDockingPaneFlatTheme.h"

#include "ui/docking/UIDockingPaneTabbedContainer.h"

CUIDockingPaneFlatTheme::CUIDockingPaneFlatTheme() {
    m_paneTabs.SetAppearance(5);
    m_panelTabs.SetAppearance(6);
}

void CUIDockingPaneFlatTheme::DrawCaption(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) {
    CRect caption = CaptionRect(rect);
    dc->FillSolidRect(rect.left, rect.top, rect.Width(), caption.bottom + 2, GetColor(51));
    BOOL active = container->IsActive();
    if (active) {
        dc->FillSolidRect(caption, GetColor(2));
    } else {
        DrawLineIndexed(dc, caption.left + 1, caption.top, caption.right - 1, caption.top, 52);
        DrawLineIndexed(dc, caption.left, caption.top + 1, caption.left, caption.bottom - 1, 52);
        DrawLineIndexed(dc, caption.left + 1, caption.bottom - 1, caption.right - 1, caption.bottom - 1, 52);
        DrawLineIndexed(dc, caption.right - 1, caption.top + 1, caption.right - 1, caption.bottom - 1, 52);
    }
    COLORREF color = GetColor(active ? 14 : 18);
    int x = caption.right - 2;
    DrawGlyphButtons(dc, container, caption, x, color);
    if (container->GetSelected())
        DrawTitle(dc, container, CRect(caption.left + 4, caption.top + 1, x, caption.bottom), color);
}
