#pragma once

#include "tests/ui/commandbars/ToolBarFrame.h"

#include "ui/commandbars/UIToolBar.h"

#include <vector>

class CFrameWnd;
class CUICommandBars;

// A frame built as the program builds its own: the menu bar in the first row and
// the four toolbars side by side in the second. A customizable frame handles the
// customize command, as the program's frame does not.
struct BarFrame {
    explicit BarFrame(BOOL customizable = FALSE);
    ~BarFrame();
    BarFrame(const BarFrame&) = delete;
    BarFrame& operator=(const BarFrame&) = delete;

    void Layout();
    CUIToolBar* Bar(UINT id) const;
    // The rectangle of the bar's window in the top dock bar's client area.
    CRect InDockBar(CUIToolBar* bar) const;
    // The bar ids of the top dock bar's entries, 0 for a row end.
    std::vector<UINT> TopEntries() const;

    CFrameWnd* frame = nullptr;
    CUICommandBars* bars = nullptr;
    std::vector<CUIToolBar*> toolBars;
};
