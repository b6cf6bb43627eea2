#pragma once

#include "ui/docking/themes/UIDockingPaneTheme.h"

// Theme 1: a flat caption band in the toolkit's colours, filled when active and
// outlined when not, with drawn close and pin glyphs; flat tabs in the containers,
// boxes in the auto-hide panels.
class CUIDockingPaneFlatTheme : public CUIDockingPaneTheme {
public:
    CUIDockingPaneFlatTheme();
    void DrawCaption(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) override;
};
