#include <algorithm>
#include <vector>

#include "ui/docking/tabs/UITabAppearance.h"
#include "ui/docking/tabs/UITabTheme.h"

namespace {
int LengthAlong(const CRect& rect, BOOL horizontal) { return horizontal ? rect.Width() : rect.Height(); }
}  // namespace

int CUITabTheme::DefaultRepositionTabs(CUITabStripBase* strip, CDC* dc, CRect rc) {
    int position = strip->GetPosition();
    BOOL horizontal = IsHorizontalPosition(position);
    if (strip->IsDrawFrame()) DeflateRectByPosition(rc, 2, 1, 2, 2, position);
    DeflateRectByPosition(rc, controlInset, position);
    strip->headerRect = m_appearance->GetHeaderRect(rc, strip);
    if (strip->GetItemCount() == 0) return horizontal ? strip->headerRect.right : strip->headerRect.bottom;

    RECT m;
    m_appearance->GetHeaderMargin(&m);
    int h = m_appearance->GetTabHeight(strip);
    for (int i = 0; i < strip->GetItemCount(); ++i) {
        CUITabStripItem* item = strip->GetItem(i);
        if (horizontal) {
            int top = position == TabPositionBottom ? rc.bottom - m.top - h : rc.top + m.top;
            item->rect.SetRect(0, top, 0, top + h);
        } else {
            int left = position == TabPositionRight ? rc.right - m.top - h : rc.left + m.top;
            item->rect.SetRect(left, 0, left + h, 0);
        }
        item->width = item->visible ? m_appearance->GetItemLength(dc, item) : 0;
    }

    int available = LengthAlong(rc, horizontal) - m.left - m.right;
    for (int i = strip->GetNavigateButtonCount() - 1; i >= 0; --i) strip->GetNavigateButton(i)->ReserveSpace(available);
    if (itemLayout == TabLayoutSizeToFit) ShrinkItems(strip, available);

    if (strip->GetScrollOffset() < 0) {
        // A scrolled strip never leaves empty room after its last tab.
        int length = LengthAlong(GetTabsRect(strip, rc), horizontal);
        int total = strip->GetItemsLength();
        if (total + strip->GetScrollOffset() < length) strip->StoreScrollOffset(length - total > 0 ? 0 : length - total);
    }

    int p = m.left + (horizontal ? rc.left : rc.top) + strip->GetScrollOffset();
    for (int i = 0; i < strip->GetItemCount(); ++i) {
        CUITabStripItem* item = strip->GetItem(i);
        if (horizontal)
            item->rect.left = p, item->rect.right = p + item->width;
        else
            item->rect.top = p, item->rect.bottom = p + item->width;
        p += item->width;
    }

    CRect tabs = GetTabsRect(strip, rc);
    if (horizontal) return strip->headerRect.right = tabs.right;
    return strip->headerRect.bottom = tabs.bottom;
}

CRect CUITabTheme::GetTabsRect(CUITabStripBase* strip, CRect rc) {
    CRect tabs = m_appearance->GetHeaderRect(rc, strip);
    RECT m;
    m_appearance->GetHeaderMargin(&m);
    if (strip->IsHorizontal())
        tabs.left += m.left + m.right, tabs.right -= 1;
    else
        tabs.top += m.left + m.right, tabs.bottom -= 1;
    for (int i = strip->GetNavigateButtonCount() - 1; i >= 0; --i) strip->GetNavigateButton(i)->Place(tabs);
    return tabs;
}

void CUITabTheme::ShrinkItems(CUITabStripBase* strip, int available) {
    int total = strip->GetItemsLength();
    if (available >= total) return;
    int count = strip->GetItemCount();
    if (count == 1) {
        strip->GetItem(0)->width = available;
        return;
    }
    std::vector<CUITabStripItem*> items;
    for (int i = 0; i < count; ++i) items.push_back(strip->GetItem(i));
    std::stable_sort(items.begin(), items.end(),
                     [](const CUITabStripItem* a, const CUITabStripItem* b) { return a->width > b->width; });
    int excess = total - available;
    size_t group = 1;
    for (;;) {
        int widest = items[0]->width;
        while (group < items.size() && items[group]->width == widest) ++group;
        if (group == items.size()) {
            for (CUITabStripItem* item : items) item->width = available / count;
            return;
        }
        int next = items[group]->width;
        int levelled = (widest - next) * static_cast<int>(group);
        if (levelled < excess) {
            for (size_t i = 0; i < group; ++i) items[i]->width = next;
            excess -= levelled;
            continue;
        }
        int cut = excess / static_cast<int>(group);
        for (size_t i = 0; i < group; ++i) items[i]->width -= cut;
        return;
    }
}

CFont* CUITabTheme::GetItemFont(CUITabStripBase* strip, CUITabStripItem* item) {
    BOOL horizontal = strip->IsHorizontal();
    BOOL bold = boldSelectedCaption && item == strip->GetSelectedItem() && strip->IsActive();
    if (bold) return horizontal ? &boldFont : &verticalBoldFont;
    return horizontal ? &normalFont : &verticalFont;
}

int CUITabTheme::MeasureCaption(CDC* dc, CFont* font, const CString& caption) const {
    CGdiObject* old = dc->SelectObject(font);
    CRect rect(0, 0, 0, 0);
    dc->DrawText(caption, &rect, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    dc->SelectObject(old);
    return rect.Width();
}

int CUITabTheme::ClampItemLength(CUITabStripBase* strip, int length) const {
    CSize minimum, maximum;
    strip->GetItemMetrics(nullptr, &minimum, &maximum);
    length += itemPadding.left + itemPadding.right;
    if (minimum.cx > 0 && length < minimum.cx) length = minimum.cx;
    if (maximum.cx > 0 && length > maximum.cx) length = maximum.cx;
    return length;
}

int CUITabTheme::ItemLength(CDC* dc, CUITabStripBase* strip, CUITabStripItem* item, BOOL hasIcon, const CSize& icon) {
    int e = strip->IsHorizontal() ? icon.cx : icon.cy;
    int iconLength = hasIcon ? e : 0;
    switch (itemLayout) {
    case TabLayoutFixed: {
        CSize fixed;
        strip->GetItemMetrics(&fixed, nullptr, nullptr);
        return ClampItemLength(strip, fixed.cx);
    }
    case TabLayoutCompressed: {
        if (item != strip->GetSelectedItem()) return ClampItemLength(strip, e + 8);
        // The selected tab is as wide as the widest caption, whichever is selected.
        BOOL horizontal = strip->IsHorizontal();
        CFont* font = boldSelectedCaption ? (horizontal ? &boldFont : &verticalBoldFont)
                                          : (horizontal ? &normalFont : &verticalFont);
        int widest = 0;
        for (int i = 0; i < strip->GetItemCount(); ++i)
            widest = std::max(widest, MeasureCaption(dc, font, strip->GetItem(i)->GetCaption()));
        return ClampItemLength(strip, iconLength + widest + 12);
    }
    default:
        return ClampItemLength(strip, iconLength + MeasureCaption(dc, GetItemFont(strip, item), item->GetCaption()) + 12);
    }
}
