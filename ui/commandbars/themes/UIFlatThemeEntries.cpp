// The flat theme's entries: popup menu entries, command list entries, button-list
// entries, and edit and combo box controls.
#include "ui/commandbars/themes/UIFlatTheme.h"

#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UIControl.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIImageIconSet.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/commandbars/themes/UIFieldControl.h"
#include "ui/commandbars/themes/UIThemeFonts.h"
#include "ui/commandbars/themes/UIThemeQueries.h"

#include <algorithm>

namespace {

const COLORREF kBlack = RGB(0, 0, 0);

BOOL ImageAllowed(const CUIControl* control) {
    const int style = control->m_buttonStyle;
    return style == 2 || style == 3 || (style == 0 && control->GetType() != uiControlPopup);
}

BOOL HasSubmenuArrow(int type) { return type >= uiControlPopup && type <= uiControlSplitButtonPopup; }

int EntryHeight() { return CUIThemeFonts::Get().popupEntryHeight; }

int TextHeight(CDC* dc) { return dc->GetTextExtent(" ", 1).cy; }

int PopupTextColor(BOOL enabled, int selected) {
    return !enabled ? BARCOLOR_MENU_TEXT_DISABLED : selected ? BARCOLOR_HIGHLIGHT_TEXT : BARCOLOR_MENU_TEXT;
}

}  // namespace

CSize CUIFlatTheme::DrawPopupBarControl(CDC* dc, CUIControl* control, BOOL draw) {
    const CRect r = control->GetRect();
    const int t = r.top, b = r.bottom;
    const int type = control->GetType();
    const BOOL enabled = control->GetEnabled();
    const int selected = control->GetSelected();
    const int checked = control->GetChecked();
    const int h = EntryHeight();
    if (draw) {
        if (IsRevealedEntry(control))
            FillBarArea(dc, 1, t, h + 5, b - t, TRUE);
        DrawButtonRectangle(dc, r, selected, 0, enabled, 0, FALSE, FALSE, uiBarPopup);
        const int x0 = r.left + (h + 4) / 2 - 10, y0 = t + (b - t) / 2 - 10;
        const CRect box(x0, y0, x0 + 20, y0 + 20);
        if (checked && enabled)
            DrawButtonRectangle(dc, box, selected, 0, enabled, checked, FALSE, FALSE, uiBarPopup);
        CUIImageIconSet* image =
            ImageAllowed(control) && control->GetEffectiveImageId() != 0 ? control->GetImage(16) : nullptr;
        if (image)
            DrawControlImage(dc, CPoint(x0 + 2, y0 + 10 - image->GetHeight() / 2), CSize(16, 0), image, selected, 0,
                             enabled, checked, FALSE, FALSE);
        else if (checked)
            DrawCheckMarkLines(dc, box, kBlack);
        const COLORREF text = GetColor(PopupTextColor(enabled, selected));
        dc->SetTextColor(text);
        dc->SetBkMode(TRANSPARENT);
        if (HasSubmenuArrow(type)) {
            const int m = (t + b) / 2;
            COLORREF arrow = text;
            if (type == uiControlSplitButtonPopup && enabled) {
                if (IsControlPopupOpen(control) && selected) {
                    FillAndFrameRect(dc, CRect(r.right - 20, t, r.right, b), BARCOLOR_HIGHLIGHT_BORDER,
                                     BARCOLOR_HIGHLIGHT_PUSHED);
                    arrow = GetColor(BARCOLOR_PUSHED_TEXT);
                } else {
                    DrawLineIndexed(dc, CPoint(r.right - 20, t + 1), CPoint(r.right - 20, b - 1),
                                    selected ? BARCOLOR_HIGHLIGHT_BORDER : COLOR_BTNSHADOW);
                }
            }
            DrawTriangle(dc, CPoint(r.right - 11, m - 3), CPoint(r.right - 8, m), CPoint(r.right - 11, m + 3), arrow);
        }
    }
    const UINT captionFormat = draw ? DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER : DT_CALCRECT | DT_SINGLELINE | DT_VCENTER;
    CRect caption(r.left + h + 12, t, r.right, b);
    dc->DrawText(control->GetDisplayCaption(), &caption, captionFormat);
    int width = draw ? 0 : caption.Width();
    if (type == uiControlButton && !control->GetShortcutText().IsEmpty()) {
        CRect shortcut(r.left + h + 12, t, r.right - 19, b);
        dc->DrawText(control->GetShortcutText(), &shortcut,
                     draw ? DT_RIGHT | DT_SINGLELINE | DT_VCENTER : DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
        width += draw ? 0 : shortcut.Width();
    }
    return CSize(width + h + 44, std::max(22, h));
}

CSize CUIFlatTheme::DrawListBoxControl(CDC* dc, CUIControl* control, CRect rect, BOOL selected, BOOL draw) {
    const int h = EntryHeight();
    const CSize size(0, std::max(22, h));
    if (!draw)
        return size;
    FillIndexed(dc, rect, BARCOLOR_MENU_FACE);
    FillBarArea(dc, 0, rect.top, h + 5, rect.Height(), FALSE);
    if (!control)
        return size;
    if (selected)
        DrawButtonRectangle(dc, rect, selected, 0, TRUE, 0, FALSE, FALSE, uiBarPopup);
    const int type = control->GetType();
    const int m = (rect.top + rect.bottom) / 2;
    if ((type == uiControlButton || type == uiControlButtonPopup || type == uiControlSplitButtonPopup) &&
        control->GetEffectiveImageId() != 0) {
        if (CUIImageIconSet* image = control->GetImage(16))
            DrawControlImage(dc, CPoint(rect.left + (h + 4) / 2 - 8, rect.top + rect.Height() / 2 - 7), CSize(16, 0),
                             image, selected, 0, TRUE, 0, FALSE, FALSE);
    }
    const COLORREF text = GetColor(selected ? BARCOLOR_HIGHLIGHT_TEXT : BARCOLOR_MENU_TEXT);
    dc->SetTextColor(text);
    dc->SetBkMode(TRANSPARENT);
    const CString caption = StripAmpersands(control->GetDisplayCaption());
    CRect captionRect(rect.left + h + 12, rect.top, rect.right, rect.bottom);
    dc->DrawText(caption, &captionRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (HasSubmenuArrow(type)) {
        DrawTriangle(dc, CPoint(rect.right - 7, m), CPoint(rect.right - 12, m - 5), CPoint(rect.right - 12, m + 5), text);
        if (type == uiControlSplitButtonPopup)
            DrawLineIndexed(dc, CPoint(rect.right - 20, rect.top + 1), CPoint(rect.right - 20, rect.bottom - 1),
                            selected ? BARCOLOR_HIGHLIGHT_BORDER : COLOR_BTNSHADOW);
    }
    if (type == uiControlComboBox || type == uiControlEdit) {
        const CRect field(rect.left + dc->GetTextExtent(caption).cx + h + 17, rect.top, rect.right, rect.bottom);
        FillAndFrameRect(dc, field, selected ? BARCOLOR_HIGHLIGHT_BORDER : COLOR_BTNFACE, COLOR_WINDOW);
        if (type == uiControlComboBox) {
            CRect button(field.right - (TextHeight(dc) + 2), field.top, field.right, field.bottom);
            if (selected) {
                DrawButtonRectangle(dc, button, 1, 0, TRUE, 0, FALSE, TRUE, uiBarPopup);
            } else {
                CRect inner = button;
                inner.DeflateRect(2, 2);
                FillIndexed(dc, inner, COLOR_BTNFACE);
            }
            DrawComboArrowGlyph(dc, button, selected ? BARCOLOR_HIGHLIGHT_TEXT : BARCOLOR_TOOLBAR_TEXT);
        }
    }
    return size;
}

CSize CUIFlatTheme::DrawButtonListEntry(CDC* dc, CUIControl* control, BOOL draw) {
    const int h = EntryHeight();
    if (!draw) {
        const CSize size = DrawPopupBarControl(dc, control, FALSE);
        return CSize(size.cx + h + 4, size.cy);
    }
    const CRect r = control->GetRect();
    const int t = r.top, b = r.bottom;
    const BOOL enabled = control->GetEnabled();
    const int selected = control->GetSelected();
    const int grow = control->m_temporary ? 3 : 0;
    FillIndexed(dc, CRect(h + 5, t - grow, 2 * h + 9, b), BARCOLOR_TOOLBAR_FACE);
    DrawButtonRectangle(dc, r, selected, 0, enabled, 0, FALSE, FALSE, uiBarPopup);
    const int y0 = t + (b - t) / 2 - 10;
    const int x0 = r.left + (h + 4) / 2 - 10;
    const CRect check(x0, y0, x0 + 20, y0 + 20);
    if (CUIImageIconSet* image = control->GetEffectiveImageId() != 0 ? control->GetImage(16) : nullptr)
        DrawControlImage(dc, CPoint(r.left + h + 4 + (h + 4) / 2 - 8, y0 + 10 - image->GetHeight() / 2), CSize(16, 0),
                         image, selected, 0, enabled, 0, FALSE, FALSE);
    if (control->GetChecked()) {
        DrawButtonRectangle(dc, check, selected, 0, enabled, control->GetChecked(), FALSE, FALSE, uiBarPopup);
        DrawCheckMarkLines(dc, check, enabled ? kBlack : GetColor(BARCOLOR_DISABLED));
    }
    dc->SetTextColor(GetColor(PopupTextColor(enabled, selected)));
    dc->SetBkMode(TRANSPARENT);
    CRect caption(r.left + 2 * h + 16, t, r.right, b);
    dc->DrawText(control->GetDisplayCaption(), &caption, DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER);
    if (!control->GetShortcutText().IsEmpty()) {
        CRect shortcut(r.left + 2 * h + 16, t, r.right - 19, b);
        dc->DrawText(control->GetShortcutText(), &shortcut, DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
    }
    return CSize(0, 0);
}

void CUIFlatTheme::DrawFieldLabel(CDC* dc, CUIControl* control, CRect& rect, int labelWidth, BOOL showsLabel) {
    const BOOL inPopup = IsOnPopupBar(control);
    if (!inPopup && !showsLabel)
        return;
    const BOOL enabled = control->GetEnabled();
    CRect label(rect.left + (inPopup ? EntryHeight() + 12 : 2), rect.top, rect.right, rect.bottom);
    if (inPopup) {
        dc->SetTextColor(GetColor(PopupTextColor(enabled, control->GetSelected())));
        if (control->GetSelected())
            DrawButtonRectangle(dc, rect, control->GetSelected(), 0, enabled, 0, FALSE, FALSE, uiBarPopup);
    } else {
        dc->SetTextColor(GetColor(enabled ? BARCOLOR_TOOLBAR_TEXT : BARCOLOR_DISABLED));
    }
    dc->DrawText(control->GetDisplayCaption(), &label, DT_SINGLELINE | DT_VCENTER);
    rect.left += labelWidth;
}

CSize CUIFlatTheme::DrawEditControl(CDC* dc, CUIControl* control, BOOL draw) {
    IUIFieldControl* field = dynamic_cast<IUIFieldControl*>(control);
    if (!field)
        return CSize(0, 0);
    const BOOL inPopup = IsOnPopupBar(control);
    CUIGdiSelector font(dc->GetSafeHdc(), CUIThemeFonts::Get().iconTitle.GetSafeHandle());
    if (!draw) {
        const int captionWidth = dc->GetTextExtent(StripAmpersands(control->GetDisplayCaption())).cx;
        field->SetLabelWidth(inPopup ? captionWidth + EntryHeight() + 17 : field->ShowsLabel() ? captionWidth + 5 : 0);
        return CSize(field->GetFieldWidth() + (inPopup ? field->GetLabelWidth() : 0), TextHeight(dc) + 8);
    }
    CRect r = control->GetRect();
    dc->SetBkMode(TRANSPARENT);
    DrawFieldLabel(dc, control, r, field->GetLabelWidth(), field->ShowsLabel());
    if (control->GetEnabled()) {
        FillIndexed(dc, CRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1), COLOR_WINDOW);
        if (control->GetSelected())
            FillAndFrameRect(dc, r, BARCOLOR_HIGHLIGHT_BORDER, COLOR_WINDOW);
        else if (inPopup)
            Draw3dRectIndexed(dc, r, BARCOLOR_TOOLBAR_FACE_ALT, BARCOLOR_TOOLBAR_FACE_ALT);
    } else {
        r.left += 1;
        FillAndFrameRect(dc, r, control->GetSelected() == 2 ? BARCOLOR_HIGHLIGHT_BORDER : BARCOLOR_DISABLED,
                         COLOR_BTNFACE);
    }
    return CSize(0, 0);
}

CSize CUIFlatTheme::DrawComboBoxControl(CDC* dc, CUIControl* control, BOOL draw) {
    IUIFieldControl* field = dynamic_cast<IUIFieldControl*>(control);
    if (!field)
        return CSize(0, 0);
    CUIGdiSelector font(dc->GetSafeHdc(), CUIThemeFonts::Get().iconTitle.GetSafeHandle());
    if (!draw) {
        const CSize size = DrawEditControl(dc, control, FALSE);
        field->SetButtonWidth(TextHeight(dc) + 2);
        return size;
    }
    CRect r = control->GetRect();
    const BOOL enabled = control->GetEnabled();
    const int selected = control->GetSelected();
    const BOOL dropped = field->IsDroppedDown();
    dc->SetBkMode(TRANSPARENT);
    DrawFieldLabel(dc, control, r, field->GetLabelWidth(), field->ShowsLabel());
    CRect button(r.right - field->GetButtonWidth(), r.top, r.right, r.bottom);
    if (enabled) {
        FillAndFrameRect(dc, CRect(r.left + 1, r.top + 1, button.left + 1, r.bottom - 1), COLOR_WINDOW, COLOR_WINDOW);
        CRect inner = button;
        inner.DeflateRect(1, 1);
        if (selected) {
            FillAndFrameRect(dc, r, BARCOLOR_HIGHLIGHT_BORDER, COLOR_WINDOW);
            FillAndFrameRect(dc, button, BARCOLOR_HIGHLIGHT_BORDER, dropped ? BARCOLOR_HIGHLIGHT_PUSHED : BARCOLOR_HIGHLIGHT);
        } else if (IsOnPopupBar(control)) {
            Draw3dRectIndexed(dc, r, BARCOLOR_TOOLBAR_FACE_ALT, BARCOLOR_TOOLBAR_FACE_ALT);
            FillAndFrameRect(dc, inner, COLOR_WINDOW, BARCOLOR_TOOLBAR_FACE_ALT);
        } else {
            Draw3dRectIndexed(dc, inner, COLOR_WINDOW, COLOR_WINDOW);
        }
        if (!field->GetEditWindow()) {
            dc->SetTextColor(GetColor(COLOR_WINDOWTEXT));
            CRect text(r.left + 3, r.top + 1, r.right - field->GetButtonWidth(), r.bottom - 1);
            dc->DrawText(field->GetFieldText(), &text, DT_SINGLELINE | DT_VCENTER);
        }
    } else {
        r.left += 1;
        FillAndFrameRect(dc, r, selected == 2 ? BARCOLOR_HIGHLIGHT_BORDER : BARCOLOR_DISABLED, COLOR_BTNFACE);
    }
    DrawComboArrowGlyph(dc, button, !enabled  ? BARCOLOR_DISABLED
                                   : dropped ? BARCOLOR_PUSHED_TEXT
                                   : selected ? BARCOLOR_HIGHLIGHT_TEXT
                                              : BARCOLOR_TOOLBAR_TEXT);
    return CSize(0, 0);
}
