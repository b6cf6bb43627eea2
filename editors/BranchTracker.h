#pragma once
#include "platform/CPoint.h"

class CDC;

// Counts the clicks of the parallel-branch tool and draws its rubber band: a drop from
// the rung to the branch row, a run along it and the rise back. Points are in document
// pixels, already snapped to the cell grid.
class CBranchTracker {
public:
    enum Result { kStarted = 1, kSecondPoint = 2, kThirdPoint = 3, kFinished = 4 };

    CBranchTracker() { Reset(); }
    virtual ~CBranchTracker() = default;

    // Takes one snapped click. The start cell is set on kStarted and kFinished, the end
    // cell on kFinished, when the tracker is reset for the next branch.
    int OnClick(int x, int y, CPoint& startCell, CPoint& endCell);
    void SetMousePos(int x, int y) { m_mouse = CPoint(x, y); }
    void Draw(CDC* dc, int scrollX, int scrollY);
    static void DrawContactGlyph(CDC* dc, int x, int y);
    // Forgets the points; the mouse position stays.
    void Reset();

    int GetStep() const { return m_step; }
    CPoint GetStart() const { return m_start; }
    CPoint GetSecond() const { return m_second; }
    CPoint GetThird() const { return m_third; }

    static const int kGridWidth = 100;
    static const int kGridHeight = 40;

private:
    int Finish(int y, CPoint& startCell, CPoint& endCell);

    CPoint m_mouse{-1, -1};
    CPoint m_start;
    CPoint m_second;
    CPoint m_third;
    CPoint m_fourth;
    int m_step = 0;
};
