#pragma once

#include <vector>

#include "ui/docking/tabs/UITabTheme.h"

// A strip with its own paint manager that lays itself out in a rectangle on every
// Reposition and records repaints and navigate-button clicks.
class TestTabStrip : public CUITabStripBase {
public:
    explicit TestTabStrip(CRect area = CRect(0, 0, 300, 60)) : area(area) {}

    void Reposition() override;
    CUITabTheme* GetPaintManager() const override { return &theme; }
    void RedrawControl() override { ++redraws; }
    BOOL DrawItemIcon(CDC* dc, CPoint point, CUITabStripItem* item, BOOL draw, CSize* size) override;
    void OnNavigateButtonClick(int id) override { clicks.push_back(id); }
    void OnItemClick(CUITabStripItem* item) override;

    // Adds items with these captions.
    void Add(std::initializer_list<const char*> captions);
    // The item's rectangle as the last layout left it.
    CRect RectOf(int index) const { return GetItem(index)->rect; }
    void Draw(CDC* dc) { theme.DrawTabControl(this, dc, area); }

    mutable CUITabTheme theme;
    CRect area;
    BOOL layOut = TRUE;
    BOOL icons = FALSE;
    int repositions = 0;
    int redraws = 0;
    std::vector<int> clicks;
    std::vector<int> itemClicks;
};
