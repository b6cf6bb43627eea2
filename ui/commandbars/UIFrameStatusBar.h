#pragma once

#include "platform/CStatusBar.h"

class CUICommandBars;
class CUICommandBarsTheme;

// The frame's status bar, drawn wholly by the command bars' paint manager so that it
// matches the bars of the selected theme. Panes, texts and layout stay the base
// status bar's; only painting, erasing and the repaint after a size change are its own.
class CUIFrameStatusBar : public CStatusBar {
public:
    // Minimum height of the drawing area the indicators ask for.
    static const int MinHeight = 20;

    CUIFrameStatusBar();

    // Sets the shared status font first, so that the panes are measured with it.
    BOOL SetIndicators(const UINT* ids, int count);
    // The linked command bars' paint manager, else the global one.
    CUICommandBarsTheme* GetPaintManager() const;
    void SetCommandBars(CUICommandBars* commandBars) { m_commandBars = commandBars; }
    // The rectangle a pane is drawn in: the last pane reaches to the size grip when it
    // stretches, else it is three edges wider than its width; others keep their item
    // rectangle.
    CRect GetPaneDrawRect(int index, const CRect& client) const;

protected:
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnSize(UINT type, int cx, int cy);

private:
    void Paint(CDC* dc);
    BOOL ShowsGripper() const;

    CUICommandBars* m_commandBars = nullptr;

    DECLARE_MESSAGE_MAP()
};
