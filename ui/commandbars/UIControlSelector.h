#pragma once

#include "ui/commandbars/UIControl.h"

// A grid of cells from which the user picks a number of columns and rows by pointing;
// pulling past its right or bottom edge with the button held grows it up to the
// maximum. Releasing the button over a selection executes the control; the owner reads
// the chosen size. Every change of the selection is announced to the bar's site.
class CUIControlSelector : public CUIControl {
    DECLARE_SERIAL(CUIControlSelector)

public:
    // The code of a selection change in the execute record sent to the site.
    static const int SelectionChangeCode = 0x1006;

    void OnCalcDynamicSize(DWORD mode) override;
    CSize GetSize(CDC* dc) override;
    void Draw(CDC* dc) override;
    void OnMouseMove(CPoint point) override;
    BOOL OnSetSelected(int state) override;
    void OnLButtonUp(CPoint point) override;
    void Copy(CUIControl* source, BOOL recursive) override;
    CUIControl* Clone(BOOL recursive) override;
    void Serialize(CArchive& ar) override;

    // Draws a cell's content after its background; the selector itself draws none.
    virtual void DrawItem(CDC* dc, CRect cell, COLORREF textColor) {}
    // Selects the columns and rows; unchanged and not forced, nothing happens.
    void SetSelection(int columns, int rows, BOOL force);

    CSize GetSelectedSize() const { return m_selected; }
    CSize GetChosenSize() const { return m_chosen; }
    CSize GetVisibleSize() const { return m_visible; }

    CSize m_defaultSize = CSize(5, 4);
    CSize m_maximumSize = CSize(12, 12);
    CSize m_cellSize = CSize(28, 28);

private:
    CRect CellRect(int column, int row) const;
    // Grows the visible size towards the cursor held past the right or bottom edge.
    BOOL GrowTowards(CPoint cursor);

    CSize m_selected = CSize(0, 0);
    CSize m_chosen = CSize(0, 0);
    CSize m_visible = CSize(5, 4);
    BOOL m_resizing = FALSE;
};
