// How toolbar and menu-bar controls are measured and drawn, the same for every theme:
// the themes differ only in the backgrounds and images these routines ask for.
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIImageIconSet.h"
#include "ui/commandbars/themes/UIThemeFonts.h"
#include "ui/commandbars/themes/UIThemeQueries.h"

#include <algorithm>

namespace {

const int kSplitArrowWidth = 11;
const CSize kNoImageBox(23, 23);

BOOL IsControlButton(CUIControl* control) { return dynamic_cast<CUIControlButton*>(control) != nullptr; }

}  // namespace

CSize CUICommandBarsTheme::DrawCaptionText(CDC* dc, const CString& caption, CRect rect, BOOL draw, BOOL vertical,
                                           BOOL centred, BOOL arrow, BOOL embossed) {
    const CString plain = StripAmpersands(caption);
    if (!draw) {
        CSize size = dc->GetTextExtent(plain.IsEmpty() ? CString(" ") : plain);
        if (arrow)
            size.cx += 10;
        return vertical ? CSize(size.cy, size.cx) : size;
    }
    const CSize extent = dc->GetTextExtent(plain);
    if (!vertical) {
        const int width = extent.cx + (arrow ? 5 : 0);
        if (centred)
            rect.left += (rect.Width() - width) / 2;
        if (embossed) {
            const COLORREF old = dc->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
            CRect shadow = rect;
            shadow.OffsetRect(1, 1);
            dc->DrawText(caption, &shadow, DT_SINGLELINE | DT_VCENTER);
            dc->SetTextColor(old);
        }
        dc->DrawText(caption, &rect, DT_SINGLELINE | DT_VCENTER);
        if (arrow) {
            const int y = (rect.top + rect.bottom) / 2, x = rect.left + width;
            DrawTriangle(dc, CPoint(x - 2, y - 1), CPoint(x + 2, y - 1), CPoint(x, y + 1), dc->GetTextColor());
        }
        return CSize(0, 0);
    }
    const int middle = (rect.left + rect.right) / 2;
    const int height = extent.cx + (arrow ? 5 : 0);
    rect.left = rect.right - (rect.right - rect.left - extent.cy + 1) / 2;
    if (centred)
        rect.top += (rect.bottom - rect.top - height + 1) / 2;
    if (embossed) {
        const COLORREF old = dc->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
        CRect shadow = rect;
        shadow.OffsetRect(1, 1);
        dc->DrawText(plain, &shadow, DT_SINGLELINE | DT_NOCLIP);
        dc->SetTextColor(old);
    }
    dc->DrawText(plain, &rect, DT_SINGLELINE | DT_NOCLIP);
    if (arrow) {
        const int y = rect.top + height - 1;
        DrawTriangle(dc, CPoint(middle + 2, y - 2), CPoint(middle + 2, y + 2), CPoint(middle, y), dc->GetTextColor());
    }
    return CSize(0, 0);
}

CSize CUICommandBarsTheme::DrawImageAndCaption(CDC* dc, const CString& caption, CRect rect, BOOL vertical, BOOL draw,
                                               BOOL embossed, BOOL arrow, CSize box, BOOL hasImage) {
    if (!vertical) {
        rect.left += hasImage ? box.cx - 1 : 4;
        const CSize text = DrawCaptionText(dc, caption, rect, draw, FALSE, FALSE, arrow, embossed);
        return CSize((hasImage ? box.cx : 4) + text.cx + 3, std::max<int>(text.cy + 6, box.cy));
    }
    rect.top += hasImage ? box.cy : 4;
    const CSize text = DrawCaptionText(dc, caption, rect, draw, TRUE, FALSE, arrow, embossed);
    return CSize(std::max<int>(text.cx + 6, box.cx), (hasImage ? box.cy : 4) + text.cy + 3);
}

CSize CUICommandBarsTheme::DrawToolBarControl(CDC* dc, CUIControl* control, BOOL draw) {
    CUICommandBar* bar = control->GetParent();
    CUIGdiSelector barFont(dc->GetSafeHdc(), GetBarFont(bar, control->GetDefaultItem())->GetSafeHandle());
    CRect rect = draw ? control->GetRect() : CRect(0, 0, 0, 0);
    const CSize icon = BarIconSize(bar);
    const CSize imageBox(icon.cx + 7, icon.cy + 7);
    const int position = ControlBarPosition(control);
    const BOOL vertical = position == uiBarLeft || position == uiBarRight;
    const int type = control->GetType();
    const int style = control->m_buttonStyle;

    CUIImageIconSet* image = ControlImage(control, icon.cx);
    const CString caption = control->GetDisplayCaption();
    const BOOL showCaption =
        !caption.IsEmpty() && (style == 1 || style == 3 ||
                               (style == 0 && ((IsControlButton(control) && image == nullptr) || type == uiControlPopup)));
    const BOOL embossed = !control->GetEnabled() && !IsFlatTheme();
    const BOOL popupOpen = IsControlPopupOpen(control);
    const BOOL menuBar = bar && bar->GetType() == uiBarTypeMenuBar;

    if (draw) {
        if (type == uiControlSplitButtonPopup)
            DrawSplitButtonFrame(dc, control, rect);
        else
            DrawButtonBackground(dc, rect, control->GetEnabled(), control->GetSelected(), control->GetPressed(),
                                 control->GetChecked(), popupOpen, position);
    }

    if (image && BarDrawsTextBelowIcons(bar)) {
        CUIThemeFonts& fonts = CUIThemeFonts::Get();
        CUIGdiSelector font(dc->GetSafeHdc(),
                            (control->GetDefaultItem() ? fonts.bold : fonts.regular).GetSafeHandle());
        if (draw) {
            if (type == uiControlSplitButtonPopup)
                rect.right -= kSplitArrowWidth;
            DrawControlImage(dc, CPoint((rect.left + rect.right) / 2 - icon.cx / 2, rect.top + 4), CSize(icon.cx, 0),
                             image, control->GetSelected(), control->GetPressed(), control->GetEnabled(),
                             control->GetChecked(), popupOpen, TRUE);
            DrawCaptionText(dc, caption, CRect(rect.left, rect.top + icon.cy + 3, rect.right, rect.bottom), TRUE,
                            FALSE, TRUE, type == uiControlPopup, embossed);
            return imageBox;
        }
        const CSize text = DrawCaptionText(dc, caption, rect, FALSE, FALSE, TRUE, type == uiControlPopup, embossed);
        const int height = icon.cy + 7 + text.cy;
        int width = std::max<int>(icon.cx + 7, text.cx + 10) + (type == uiControlSplitButtonPopup ? kSplitArrowWidth : 0);
        return CSize(std::max(width, height), height);
    }

    if (draw && image) {
        const int height = image->GetWidth() > 0 ? image->GetHeight() * icon.cx / image->GetWidth() : icon.cy;
        CPoint point = !vertical ? CPoint(rect.left + 3, (rect.top + rect.bottom) / 2 - height / 2)
                                 : CPoint((rect.left + rect.right) / 2 - icon.cx / 2, rect.top + 4);
        if (vertical && (type == uiControlSplitButtonPopup || (type == uiControlPopup && !showCaption)))
            point.x = rect.left + 3;
        DrawControlImage(dc, point, CSize(icon.cx, height), image, control->GetSelected(), control->GetPressed(),
                         control->GetEnabled(), control->GetChecked(), popupOpen, TRUE);
    }

    switch (type) {
    case uiControlButton:
    case uiControlButtonPopup:
        if (!showCaption)
            return imageBox;
        return DrawImageAndCaption(dc, caption, rect, vertical, draw, embossed, FALSE, image ? imageBox : kNoImageBox,
                                   image != nullptr);
    case uiControlSplitButtonPopup: {
        const CSize box = image ? imageBox : kNoImageBox;
        if (!showCaption)
            return CSize(box.cx + kSplitArrowWidth, box.cy);
        CRect left = rect;
        left.right -= kSplitArrowWidth;
        const CSize size = DrawImageAndCaption(dc, caption, left, vertical, draw, embossed, FALSE, box, image != nullptr);
        return CSize(size.cx + kSplitArrowWidth, size.cy);
    }
    case uiControlPopup:
        if (!image) {
            const CSize size =
                DrawCaptionText(dc, caption, rect, draw, vertical, TRUE, !draw || !menuBar, embossed);
            return CSize(size.cx + 6, size.cy + 6);
        }
        if (!showCaption) {
            if (draw) {
                const int x = rect.right - 7, y = (rect.top + rect.bottom) / 2;
                DrawTriangle(dc, CPoint(x - 2, y - 1), CPoint(x + 2, y - 1), CPoint(x, y + 1), dc->GetTextColor());
            }
            return CSize(icon.cy + 14, icon.cy + 7);
        }
        return DrawImageAndCaption(dc, caption, rect, vertical, draw, embossed, !menuBar, imageBox, TRUE);
    default:
        return CSize(0, 0);
    }
}

void CUICommandBarsTheme::DrawSplitButtonFrame(CDC* dc, CUIControl* control, CRect rect) {
    const BOOL popupOpen = IsControlPopupOpen(control);
    const int position = ControlBarPosition(control);
    CRect button = rect;
    if (!popupOpen)
        button.right -= kSplitArrowWidth;
    DrawButtonBackground(dc, button, control->GetEnabled(), control->GetSelected(), control->GetPressed(),
                         control->GetChecked(), popupOpen, position);
    if ((control->GetSelected() || control->GetPressed()) && !popupOpen && control->GetEnabled())
        DrawButtonBackground(dc, CRect(rect.right - 12, rect.top, rect.right, rect.bottom), TRUE, 1, 0, 0, FALSE,
                             position);
    const int y = (rect.top + rect.bottom) / 2;
    DrawTriangle(dc, CPoint(rect.right - 9, y - 1), CPoint(rect.right - 5, y - 1), CPoint(rect.right - 7, y + 1),
                 dc->GetTextColor());
}
