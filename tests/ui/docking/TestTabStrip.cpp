#include "tests/ui/docking/TestTabStrip.h"

#include "platform/CDC.h"

void TestTabStrip::Reposition() {
    ++repositions;
    if (!layOut) return;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    theme.RepositionTabControl(this, &dc, area);
}

BOOL TestTabStrip::DrawItemIcon(CDC* dc, CPoint point, CUITabStripItem* item, BOOL draw, CSize* size) {
    if (!icons || !theme.tabIcons) return FALSE;
    if (draw && item) dc->FillSolidRect(point.x, point.y, size->cx, size->cy, RGB(0, 128, 0));
    return TRUE;
}

void TestTabStrip::OnItemClick(CUITabStripItem* item) {
    itemClicks.push_back(item->index);
    CUITabStripBase::OnItemClick(item);
}

void TestTabStrip::Add(std::initializer_list<const char*> captions) {
    for (const char* caption : captions) InsertItem(GetItemCount())->caption = caption;
    Reposition();
}
