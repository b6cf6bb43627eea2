#pragma once

#include "ui/docking/themes/UIDockingPaneFlatTheme.h"

// Theme 3: each container sits in a frame with cut corners on the bar colour, under
// a caption whose square buttons light up like toolbar buttons, followed by four
// gripper lines; its panes' tabs are headers stacked from the top.
class CUIDockingPaneFramedTheme : public CUIDockingPaneFlatTheme {
public:
    CUIDockingPaneFramedTheme();

    void DrawPane(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) override;
    void DrawCaption(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) override;
    void RefreshMetrics() override;
    void AdjustCaptionRect(CUIDockingPaneTabbedContainer* container, CRect& rect) override;
    // Fills a caption button for its state; the palette index of its glyph.
    int DrawButtonBackground(CDC* dc, const CRect& rect, const CUIDockingPaneCaptionButton& button);

private:
    // Whether the pane tabs draw no client frame (then the container has none either).
    BOOL IsFramelessTabs() const { return m_paneTabs.clientFrameStyle == ClientFrameNone; }
    static void RecreateFont(CFont& font, BOOL useFace, LPCSTR face, BOOL installed);
};
