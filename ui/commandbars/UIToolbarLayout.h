#pragma once

#include "platform/CRect.h"

#include <vector>

// Layout mode bits: the framework's dynamic-layout flags and the toolkit's two.
enum UILayoutMode : unsigned long {
    uiLayoutStretch = 0x01,
    uiLayoutHorizontal = 0x02,
    uiLayoutLengthIsLimit = 0x04,
    uiLayoutHorizontalDock = 0x08,
    uiLayoutVerticalDock = 0x10,
    uiLayoutLengthIsHeight = 0x20,
    uiLayoutCommit = 0x40,
    uiLayoutOneRow = 0x80,
    uiLayoutWrapAtLimit = 0x100,
};

// One control during a layout.
struct UILayoutRecord {
    CSize size;
    BOOL visible = TRUE;
    BOOL beginGroup = FALSE;
    BOOL rightAlign = FALSE;
    BOOL startsRow = FALSE;
    BOOL overflow = FALSE;
    CRect rect;
    CRect rowRect;
};

// The toolbar layout: places records in rows (columns for vertical docking),
// breaking rows at group starts, leaving a gap before each group, and either
// wrapping or, in one-row mode, marking what does not fit as overflowing. Knows
// nothing of windows; the control collection feeds it sizes and applies the result.
class CUIToolbarLayout {
public:
    static const int GroupGap = 6;
    // The size of a bar with nothing to show, borders not counted.
    static const int EmptyWidth = 23;
    static const int EmptyHeight = 22;

    CUIToolbarLayout(std::vector<UILayoutRecord>& records, int widthLimit) : m_records(records), m_widthLimit(widthLimit) {}

    // The bar's size with borders for the length and mode (see UILayoutMode).
    CSize Calculate(int length, DWORD mode, CRect borders, int minimumThickness);

    // Breaks the records into rows no longer than width; the number of rows.
    int WrapRows(int width, DWORD& mode);
    // Places the records from (0, 0); the content size.
    CSize CalcRowSize(BOOL vertical);

private:
    void FindWrapLength(int length, DWORD mode);
    void AdjustRows(CSize& size, CRect borders, BOOL vertical);
    void AlignRightItems(CSize size, CRect borders, BOOL vertical);
    int RowLength(const UILayoutRecord& record, BOOL vertical) const;

    std::vector<UILayoutRecord>& m_records;
    int m_widthLimit;
};
