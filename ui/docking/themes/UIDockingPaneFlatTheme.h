#pragma once

#include "ui/docking/themes/UIDockingPaneTheme.h"

// Theme 1: a flat caption band in the toolkit's colours, filled when active and
// outlined when not, with drawn close and pin glyphs.
class CUIDockingPaneFlatTheme : public CUIDockingPaneTheme {
public:
    void DrawCaption(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) override;
};
