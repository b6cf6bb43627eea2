#pragma once

#include <memory>

#include "ui/docking/themes/UIDockingPaneFlatTheme.h"

// What theme 6 asks of the visual styles: whether the application is themed, and
// drawing parts of the "WINDOW" class. Tests give a recording one.
class IDockingVisualStyle {
public:
    virtual ~IDockingVisualStyle() = default;
    virtual void Open() = 0;
    virtual BOOL IsAppThemed() = 0;
    virtual void DrawPart(HDC dc, int part, int state, const RECT& rect) = 0;
};

// Theme 6: the caption and close button drawn by the visual style (small caption,
// small close button); without visual styles it draws as theme 1.
class CUIDockingPaneVisualStyleTheme : public CUIDockingPaneFlatTheme {
public:
    // Without a style object the platform's visual styles are used.
    explicit CUIDockingPaneVisualStyleTheme(IDockingVisualStyle* style = nullptr);
    ~CUIDockingPaneVisualStyleTheme() override;

    void DrawCaption(CDC* dc, CUIDockingPaneTabbedContainer* container, CRect rect) override;
    void RefreshMetrics() override;

private:
    std::unique_ptr<IDockingVisualStyle> m_style;
};
