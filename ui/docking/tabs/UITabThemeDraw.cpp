#include "ui/commandbars/UISystemPalette.h"
#include "ui/docking/tabs/UITabAppearance.h"
#include "ui/docking/tabs/UITabColorSet.h"
#include "ui/docking/tabs/UITabTheme.h"

namespace {
void FrameRect(CDC* dc, const CRect& rect, COLORREF color) { dc->Draw3dRect(&rect, color, color); }
}  // namespace

void CUITabTheme::DrawOuterFrame(CUITabStripBase* strip, CDC* dc, CRect& rect) {
    int position = strip->GetPosition();
    FrameRect(dc, rect, m_colorSet->frameBorderColour);
    DeflateRectByPosition(rect, 1, 1, 1, 1, position);
    FrameRect(dc, rect, m_colorSet->controlFaceColour);
    DeflateRectByPosition(rect, 1, 0, 1, 1, position);
}

void CUITabTheme::DefaultDrawTabControl(CUITabStripBase* strip, CDC* dc, CRect rc) {
    int position = strip->GetPosition();
    BOOL horizontal = IsHorizontalPosition(position);
    if (strip->IsDrawFrame()) DrawOuterFrame(strip, dc, rc);
    if (paintBackground) dc->FillSolidRect(&rc, m_colorSet->controlFaceColour);
    DeflateRectByPosition(rc, controlInset, position);
    dc->SetBkMode(TRANSPARENT);
    CRect header = paintBackground ? m_appearance->FillHeader(strip, dc, rc) : m_appearance->GetHeaderRect(rc, strip);

    // The tabs never show under the navigate buttons.
    for (int i = strip->GetNavigateButtonCount() - 1; i >= 0; --i) {
        const CRect& button = strip->GetNavigateButton(i)->GetRect();
        if (button.IsRectEmpty()) continue;
        if (horizontal && header.right > button.left) header.right = button.left;
        if (!horizontal && header.bottom > button.top) header.bottom = button.top;
    }

    int saved = dc->SaveDC();
    dc->IntersectClipRect(&header);
    m_colorSet->FillStripBackground(dc, rc, strip);
    CRect meet;
    for (int i = strip->GetItemCount() - 1; i >= 0; --i) {
        CUITabStripItem* item = strip->GetItem(i);
        if (item->visible && meet.IntersectRect(&item->rect, &rc)) m_appearance->DrawSingleTab(dc, item);
    }
    // Drawn last so that it lies over its neighbours.
    CUITabStripItem* selected = strip->GetSelectedItem();
    if (selected && selected->visible && meet.IntersectRect(&selected->rect, &rc)) m_appearance->DrawSingleTab(dc, selected);
    dc->RestoreDC(saved);

    for (int i = strip->GetNavigateButtonCount() - 1; i >= 0; --i) strip->GetNavigateButton(i)->Draw(dc);
}

int CUITabTheme::DrawItemContent(CDC* dc, CUITabStripItem* item, CRect r, BOOL draw) {
    CUITabStripBase* strip = item->owner;
    CSize icon = iconSize;
    BOOL hasIcon = strip->DrawItemIcon(dc, CPoint(0, 0), item, FALSE, &icon);
    if (!draw) return ItemLength(dc, strip, item, hasIcon, icon);

    int position = strip->GetPosition();
    BOOL horizontal = IsHorizontalPosition(position);
    CGdiObject* oldFont = dc->SelectObject(GetItemFont(strip, item));
    m_colorSet->SetTextColor(dc, item);

    if (horizontal) {
        r.left += itemPadding.left + 6;
        if (position == TabPositionTop)
            r.top += itemPadding.top, r.bottom -= itemPadding.bottom;
        else
            r.bottom -= itemPadding.top, r.top += itemPadding.bottom;
    } else {
        r.top += itemPadding.left + 6;
        if (position == TabPositionLeft)
            r.left += itemPadding.top, r.right -= itemPadding.bottom;
        else
            r.right -= itemPadding.top, r.left += itemPadding.bottom;
    }

    if (hasIcon) {
        if (horizontal) {
            if (r.Width() > icon.cx)
                strip->DrawItemIcon(dc, CPoint(r.left - 1, (r.top + r.bottom) / 2 - icon.cy / 2), item, TRUE, &icon);
            r.left += icon.cx + 2;
        } else {
            if (r.Height() > icon.cy)
                strip->DrawItemIcon(dc, CPoint((r.left + r.right) / 2 - icon.cx / 2, r.top - 1), item, TRUE, &icon);
            r.top += icon.cy + 2;
        }
    }
    if (itemLayout != TabLayoutCompressed || item == strip->GetSelectedItem()) DrawCaption(dc, strip, item, r);
    dc->SelectObject(oldFont);
    return 0;
}

void CUITabTheme::DrawCaption(CDC* dc, CUITabStripBase* strip, CUITabStripItem* item, CRect r) {
    CString caption = item->GetCaption();
    int position = strip->GetPosition();
    if (IsHorizontalPosition(position)) {
        if (r.right <= r.left) return;
        r.right -= 2 + itemPadding.right;
        dc->DrawText(caption, &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        return;
    }
    if (r.bottom <= r.top + 8) return;
    int c = dc->GetTextExtent(caption).cy;
    int k = position == TabPositionRight ? 1 : 0;
    int x = r.right - (r.right - k - c - r.left) / 2;
    CRect text(x, r.top, x + r.Height(), r.bottom - 2 - itemPadding.right);
    dc->DrawText(caption, &text, DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX | DT_END_ELLIPSIS);
}
