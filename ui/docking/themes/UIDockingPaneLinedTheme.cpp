#include "ui/docking/themes/UIDockingPaneLinedTheme.h"

#include "ui/docking/UIDockingPaneTabbedContainer.h"

void CUIDockingPaneLinedTheme::DrawCaption(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) {
    CRect caption = CaptionRect(rect);
    dc->FillSolidRect(rect.left, rect.top, rect.Width(), caption.bottom + 2, ::GetSysColor(COLOR_BTNFACE));
    COLORREF color = ::GetSysColor(COLOR_BTNTEXT);
    int x = caption.right - 2;
    DrawGlyphButtons(dc, container, caption, x, color);
    int groove = 4;
    if (container->GetSelected()) {
        DrawTitle(dc, container, CRect(caption.left + 4, caption.top + 1, x, caption.bottom), color);
        groove = caption.left + MeasureTitle(dc, container) + 8;
    }
    x -= 2;
    if (x <= groove)
        return;
    int mid = (caption.top + caption.bottom) / 2;
    for (int top : {mid - 3, mid + 1})
        dc->Draw3dRect(groove, top, x - groove, 3, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
}
