#pragma once

#include "ui/docking/themes/UIDockingPaneClassicTheme.h"

// Theme 2: the classic theme whose caption is plain text on the button face followed
// by two raised grooves.
class CUIDockingPaneLinedTheme : public CUIDockingPaneClassicTheme {
public:
    void DrawCaption(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) override;
};
