#pragma once
#include <windows.h>

#include "platform/Arrays.h"

class CDC;
class CLadderCanvas;
class CLadderElement;
class CLadderModel;
struct LadderPass;

// A ladder POU's networks on the editor's cell grid: lays them out top to bottom, paints
// them into a device context, paints their live values while monitoring and finds the
// element under a point of the view. Every network starts in column 1 (column 0 stays
// empty) with its header, its rung below it and one empty row before the next network.
// The view's scroll position is the grid cell at its top left (firstCol, firstRow).
class CLadderSheet {
public:
    explicit CLadderSheet(CLadderModel& model);

    // Places every network and refills the model's cell map.
    void LayOut();
    // Places every network and paints those the context's clip box shows, then, unless
    // the caller draws its own cursor, the focus frame of the model's current element.
    // inverse asks for the selected look.
    void Draw(CDC* dc, int firstCol, int firstRow, BOOL inverse = FALSE, BOOL focusFrame = TRUE);
    // Paints the live state of the networks the clip box shows over the last drawing.
    // The monitor worker writes the values meanwhile: a paint waits at most lockWaitMs
    // for them and leaves them out (FALSE) when it does not get them.
    BOOL DrawOnline(CDC* dc, int firstCol, int firstRow, DWORD lockWaitMs = INFINITE);
    // The element whose cell holds a point of the view; null over an empty cell.
    CLadderElement* HitTest(POINT point, int firstCol, int firstRow) const;
    // The row of each network's header at the last layout.
    const CDWordArray& GetNetworkStartRows() const { return m_startRows; }

private:
    // The grid rows a drawing shows, first to last.
    struct VisibleRows {
        int first = 0;
        int last = -1;
        BOOL Reaches(int row, int count) const { return row <= last && row + count > first; }
    };

    LadderPass MakePass(int firstCol, int firstRow) const;
    VisibleRows VisibleRowsOf(CDC* dc, int firstRow) const;
    // Places the items in order; with a canvas, paints each one that reaches into the
    // visible rows.
    void PlaceAll(LadderPass& pass, CLadderCanvas* canvas, const VisibleRows& rows);
    // Places one item from the row (and paints it when visible); gives its height.
    int PlaceItem(int index, int row, LadderPass& pass, CLadderCanvas* canvas,
                  const VisibleRows& rows);
    int StartRow(int network) const { return static_cast<int>(m_startRows[network]); }

    CLadderModel& m_model;
    CDWordArray m_startRows;
};
