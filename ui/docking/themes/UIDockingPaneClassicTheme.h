#pragma once

#include "ui/docking/themes/UIDockingPaneTheme.h"

// Theme 0, the manager's first: caption in the system caption colours, the platform's
// close button and a push button with the pin.
class CUIDockingPaneClassicTheme : public CUIDockingPaneTheme {
public:
    void DrawCaption(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) override;
    // The pin on a platform push button in rect.
    void DrawPinButton(CDC* dc, CRect rect, BOOL pressed, BOOL lying);
};
