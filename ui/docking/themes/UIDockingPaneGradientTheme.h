#pragma once

#include "ui/docking/themes/UIDockingPaneFlatTheme.h"

// Theme 5: a caption at least 20 pixels high filled with a vertical gradient, with
// gripper dots, its colours taken from the visual style's colour scheme when one of
// the three known schemes is active.
class CUIDockingPaneGradientTheme : public CUIDockingPaneFlatTheme {
public:
    using SchemeQuery = int (*)();

    CUIDockingPaneGradientTheme();

    void DrawCaption(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) override;
    void RefreshMetrics() override;
    // Fills a caption button for its state; the palette index of its glyph (0: black).
    int DrawButtonBackground(CDC* dc, const CRect& rect, const CUIDockingPaneCaptionButton& button);

    // Where the active colour scheme (0 none, 1-3) is read; tests give their own.
    static void SetSchemeQuery(SchemeQuery query);

    COLORREF m_captionGradientTop = 0;
    COLORREF m_captionGradientBottom = 0;
    BOOL m_schemeApplied = FALSE;
};
