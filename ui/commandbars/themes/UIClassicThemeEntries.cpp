// The classic theme's entries: popup menu entries, command list entries, button-list
// entries, and edit and combo box controls.
#include "ui/commandbars/themes/UIClassicTheme.h"

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

CUIImageIconSet* EntryImage(CUIControl* control) {
    return ImageAllowed(control) && control->GetEffectiveImageId() != 0 ? control->GetImage(16) : nullptr;
}

BOOL HasSubmenuArrow(int type) { return type >= uiControlPopup && type <= uiControlSplitButtonPopup; }

int TextHeight(CDC* dc) { return dc->GetTextExtent(" ", 1).cy; }

}  // namespace

void CUIClassicTheme::DrawEntryText(CDC* dc, const CString& text, CRect& rect, UINT format, BOOL draw, BOOL selected,
                                    BOOL enabled) {
    if (!draw) {
        dc->DrawText(text, &rect, format | DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
        return;
    }
    if (!enabled && !selected) {
        const COLORREF old = dc->SetTextColor(GetColor(COLOR_BTNHIGHLIGHT));
        CRect shadow = rect;
        shadow.OffsetRect(1, 1);
        dc->DrawText(text, &shadow, format | DT_SINGLELINE | DT_VCENTER);
        dc->SetTextColor(old);
    }
    dc->DrawText(text, &rect, format | DT_SINGLELINE | DT_VCENTER);
}

CSize CUIClassicTheme::DrawPopupBarControl(CDC* dc, CUIControl* control, BOOL draw) {
    const CRect r = control->GetRect();
    const int t = r.top, b = r.bottom;
    const int type = control->GetType();
    const BOOL enabled = control->GetEnabled();
    const int selected = control->GetSelected();
    const int checked = control->GetChecked();
    if (draw) {
        if (IsRevealedEntry(control))
            FillIndexed(dc, r, COLOR_3DLIGHT);
        const COLORREF text = GetColor(!enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
        dc->SetTextColor(text);
        const int y0 = t + (b - t) / 2 - 10;
        const CRect box(r.left, t, r.left + 20, b);
        int highlightStart = r.left;
        if (CUIImageIconSet* image = EntryImage(control)) {
            DrawButtonRectangle(dc, box, selected, 0, enabled, checked, FALSE, FALSE, uiBarPopup);
            DrawControlImage(dc, CPoint(r.left + 2, y0 + 10 - image->GetHeight() / 2), CSize(16, 0), image, selected, 0,
                             enabled, checked, FALSE, FALSE);
            highlightStart = r.left + 21;
        } else if (checked) {
            DrawButtonRectangle(dc, box, selected, 0, enabled, checked, FALSE, FALSE, uiBarPopup);
            DrawCheckMarkLines(dc, CRect(r.left, y0, r.left + 20, y0 + 20), kBlack);
            highlightStart = r.left + 21;
        }
        const int x = r.right - 11, g = (t + b) / 2;
        COLORREF arrow = text;
        if (type == uiControlSplitButtonPopup && enabled) {
            const BOOL open = IsControlPopupOpen(control);
            if (open && selected) {
                DrawSunken(dc, CRect(r.right - 20, t, r.right, b));
                FillAndFrameRect(dc, CRect(highlightStart, t, r.right - 20, b), COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);
                arrow = GetColor(COLOR_BTNTEXT);
            } else if (selected) {
                FillAndFrameRect(dc, CRect(highlightStart, t, r.right, b), COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);
            }
            DrawLineIndexed(dc, CPoint(r.right - 20, t + 1), CPoint(r.right - 20, b - 1),
                            selected ? COLOR_BTNSHADOW : COLOR_BTNTEXT);
        } else if (selected) {
            FillAndFrameRect(dc, CRect(highlightStart, t, r.right, b), COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);
        }
        if (HasSubmenuArrow(type))
            DrawTriangle(dc, CPoint(x, g - 3), CPoint(x + 3, g), CPoint(x, g + 3), arrow);
        dc->SetBkMode(TRANSPARENT);
    }
    CRect caption(r.left + 24, t, r.right, b);
    DrawEntryText(dc, control->GetDisplayCaption(), caption, DT_END_ELLIPSIS, draw, selected, enabled);
    int width = draw ? 0 : caption.Width();
    if (type == uiControlButton && !control->GetShortcutText().IsEmpty()) {
        CRect shortcut(r.left + 28, t, r.right - 19, b);
        DrawEntryText(dc, control->GetShortcutText(), shortcut, DT_RIGHT, draw, selected, enabled);
        width += draw ? 0 : shortcut.Width();
    }
    return CSize(width + 60, std::max(20, CUIThemeFonts::Get().popupEntryHeight - 4));
}

CSize CUIClassicTheme::DrawListBoxControl(CDC* dc, CUIControl* control, CRect rect, BOOL selected, BOOL draw) {
    const int entryHeight = CUIThemeFonts::Get().popupEntryHeight;
    const CSize size(0, std::max(20, entryHeight - 4));
    if (!draw)
        return size;
    if (!control) {
        dc->FillSolidRect(rect, ::GetSysColor(COLOR_BTNFACE));
        return size;
    }
    FillIndexed(dc, rect, COLOR_BTNFACE);
    const int type = control->GetType();
    const int middle = (rect.top + rect.bottom) / 2;
    int highlightStart = rect.left + 1;
    CUIImageIconSet* image =
        (type == uiControlButton || type == uiControlButtonPopup || type == uiControlSplitButtonPopup) &&
                control->GetEffectiveImageId() != 0
            ? control->GetImage(16)
            : nullptr;
    if (image) {
        DrawButtonRectangle(dc, CRect(rect.left, rect.top, rect.left + 20, rect.bottom), selected, 0,
                            control->GetEnabled(), 0, FALSE, FALSE, uiBarPopup);
        DrawControlImage(dc, CPoint(rect.left + 2, middle - image->GetHeight() / 2), CSize(16, 0), image, selected, 0,
                         control->GetEnabled(), 0, FALSE, FALSE);
        highlightStart = rect.left + 21;
    }
    if (selected)
        FillAndFrameRect(dc, CRect(highlightStart, rect.top, rect.right - 1, rect.bottom), COLOR_HIGHLIGHT,
                         COLOR_HIGHLIGHT);
    const COLORREF text = GetColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    dc->SetTextColor(text);
    dc->SetBkMode(TRANSPARENT);
    const CString caption = StripAmpersands(control->GetDisplayCaption());
    CRect captionRect(rect.left + 24, rect.top, rect.right, rect.bottom);
    dc->DrawText(caption, &captionRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (HasSubmenuArrow(type)) {
        DrawTriangle(dc, CPoint(rect.right - 7, middle), CPoint(rect.right - 12, middle - 5),
                     CPoint(rect.right - 12, middle + 5), text);
        if (type == uiControlSplitButtonPopup)
            DrawLineIndexed(dc, CPoint(rect.right - 20, rect.top + 1), CPoint(rect.right - 20, rect.bottom - 1),
                            selected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    }
    if (type == uiControlComboBox || type == uiControlEdit) {
        const CRect field(rect.left + dc->GetTextExtent(caption).cx + entryHeight + 17, rect.top, rect.right,
                          rect.bottom);
        FillAndFrameRect(dc, field, selected ? COLOR_HIGHLIGHT : COLOR_BTNFACE, COLOR_WINDOW);
        if (type == uiControlComboBox) {
            CRect button(field.right - (TextHeight(dc) + 2), field.top, field.right, field.bottom);
            if (selected) {
                FillAndFrameRect(dc, button, COLOR_HIGHLIGHT, COLOR_BTNFACE);
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

CSize CUIClassicTheme::DrawButtonListEntry(CDC* dc, CUIControl* control, BOOL draw) {
    if (!draw) {
        const CSize size = DrawPopupBarControl(dc, control, FALSE);
        return CSize(size.cx + 20, size.cy);
    }
    const CRect r = control->GetRect();
    const int l = r.left, t = r.top, b = r.bottom;
    const BOOL enabled = control->GetEnabled();
    const int selected = control->GetSelected();
    const int y0 = t + (b - t) / 2 - 10;
    const CRect check(l, y0, l + 20, y0 + 20);
    CRect icon = check;
    icon.OffsetRect(21, 0);
    dc->SetTextColor(GetColor(!enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT));
    int highlightStart = l;
    if (control->GetChecked()) {
        DrawButtonRectangle(dc, check, selected, 0, enabled, control->GetChecked(), FALSE, FALSE, uiBarPopup);
        DrawCheckMarkLines(dc, check, kBlack);
        highlightStart = l + 21;
    }
    if (CUIImageIconSet* image = control->GetEffectiveImageId() != 0 ? control->GetImage(16) : nullptr) {
        DrawButtonRectangle(dc, icon, selected, 0, enabled, 0, FALSE, FALSE, uiBarPopup);
        DrawControlImage(dc, CPoint(icon.left + 2, icon.CenterPoint().y - image->GetHeight() / 2), CSize(16, 0), image,
                         selected, 0, enabled, 0, FALSE, FALSE);
        highlightStart = icon.right + 1;
    }
    dc->SetBkMode(TRANSPARENT);
    if (selected)
        FillAndFrameRect(dc, CRect(highlightStart, t, r.right, b), COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);
    CRect caption(l + 44, t, r.right, b);
    DrawEntryText(dc, control->GetDisplayCaption(), caption, DT_END_ELLIPSIS, TRUE, selected, enabled);
    if (!control->GetShortcutText().IsEmpty()) {
        CRect shortcut(l + 48, t, r.right - 19, b);
        DrawEntryText(dc, control->GetShortcutText(), shortcut, DT_RIGHT, TRUE, selected, enabled);
    }
    return CSize(0, 0);
}

CSize CUIClassicTheme::DrawEditControl(CDC* dc, CUIControl* control, BOOL draw) {
    IUIFieldControl* field = dynamic_cast<IUIFieldControl*>(control);
    if (!field)
        return CSize(0, 0);
    const BOOL inPopup = IsOnPopupBar(control);
    CUIGdiSelector font(dc->GetSafeHdc(), CUIThemeFonts::Get().iconTitle.GetSafeHandle());
    const CString caption = control->GetDisplayCaption();
    if (!draw) {
        const int captionWidth = dc->GetTextExtent(StripAmpersands(caption)).cx;
        field->SetLabelWidth(inPopup ? captionWidth + 29 : field->ShowsLabel() ? captionWidth + 5 : 0);
        return CSize(field->GetFieldWidth() + (inPopup ? field->GetLabelWidth() : 0), TextHeight(dc) + 8);
    }
    CRect r = control->GetRect();
    const BOOL enabled = control->GetEnabled();
    dc->SetBkMode(TRANSPARENT);
    if (inPopup || field->ShowsLabel()) {
        dc->SetTextColor(GetColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        CRect label(r.left + (inPopup ? 22 : 0) + 2, r.top, r.right, r.bottom);
        DrawEntryText(dc, caption, label, 0, TRUE, FALSE, enabled);
        r.left += field->GetLabelWidth();
    }
    r.left += 1;
    if (enabled) {
        FillIndexed(dc, r, COLOR_WINDOW);
        DrawSunken(dc, r);
    } else {
        const int edge = control->GetSelected() == 2 ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
        Draw3dRectIndexed(dc, r, edge, edge);
    }
    return CSize(0, 0);
}

CSize CUIClassicTheme::DrawComboBoxControl(CDC* dc, CUIControl* control, BOOL draw) {
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
    const BOOL inPopup = IsOnPopupBar(control);
    dc->SetBkMode(TRANSPARENT);
    if (inPopup || field->ShowsLabel()) {
        dc->SetTextColor(GetColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        CRect label(r.left + (inPopup ? 22 : 0) + 2, r.top, r.right, r.bottom);
        DrawEntryText(dc, control->GetDisplayCaption(), label, 0, TRUE, FALSE, enabled);
        r.left += field->GetLabelWidth();
    }
    r.left += 1;
    const CRect button(r.right - field->GetButtonWidth(), r.top, r.right, r.bottom);
    if (enabled) {
        FillAndFrameRect(dc, r, COLOR_WINDOW, COLOR_WINDOW);
        DrawSunken(dc, r);
        if (!field->GetEditWindow()) {
            dc->SetTextColor(GetColor(COLOR_WINDOWTEXT));
            CRect text(r.left + 3, r.top + 1, r.right - field->GetButtonWidth() - 2, r.bottom - 1);
            dc->DrawText(field->GetFieldText(), &text, DT_SINGLELINE | DT_VCENTER);
        }
        CRect face(button.left - 1, button.top + 1, button.right - 1, button.bottom - 1);
        FillAndFrameRect(dc, face, COLOR_BTNFACE, COLOR_BTNFACE);
        if (field->IsDroppedDown()) {
            Draw3dRectIndexed(dc, face, COLOR_BTNSHADOW, COLOR_BTNSHADOW);
        } else {
            Draw3dRectIndexed(dc, face, COLOR_BTNFACE, 0);
            face.DeflateRect(1, 1);
            DrawRaised(dc, face);
        }
    } else {
        const int edge = control->GetSelected() == 2 ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT;
        Draw3dRectIndexed(dc, r, edge, edge);
    }
    DrawComboArrowGlyph(dc, button, COLOR_BTNTEXT);
    return CSize(0, 0);
}
