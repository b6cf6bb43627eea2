#include "editors/BranchTracker.h"

#include <cstdlib>

#include "platform/CDC.h"
#include "platform/CGdiObject.h"

namespace {

const int kSameRowTolerance = 5;
const int kBoundaryMargin = 5;  // keeps a cell column off a boundary's rounding

CPoint Unset() { return CPoint(-1, -1); }

}  // namespace

void CBranchTracker::Reset() {
    m_step = 0;
    m_start = m_second = m_third = m_fourth = Unset();
}

int CBranchTracker::OnClick(int x, int y, CPoint& startCell, CPoint& endCell) {
    switch (m_step) {
    case 0:
        m_start = CPoint(x, y);
        m_step = 1;
        startCell = CPoint((x + kBoundaryMargin) / kGridWidth, y / kGridHeight);
        return kStarted;
    case 1:
        m_second = CPoint(m_start.x, y);
        m_step = 2;
        return kSecondPoint;
    case 2:
        if (std::abs(y - m_start.y) >= kSameRowTolerance) {
            m_third = CPoint(x, m_second.y);
            m_step = 3;
            return kThirdPoint;
        }
        // Back on the start row: the run closes the branch at once.
        m_third = CPoint(x, m_start.y);
        return Finish(y, startCell, endCell);
    default:
        return Finish(y, startCell, endCell);
    }
}

int CBranchTracker::Finish(int y, CPoint& startCell, CPoint& endCell) {
    m_fourth = CPoint(m_third.x, y);
    startCell = CPoint((m_start.x + kBoundaryMargin) / kGridWidth, m_start.y / kGridHeight);
    endCell = CPoint((m_fourth.x - kBoundaryMargin) / kGridWidth, m_start.y / kGridHeight);
    Reset();
    return kFinished;
}

void CBranchTracker::DrawContactGlyph(CDC* dc, int x, int y) {
    dc->MoveTo(x, y);
    dc->LineTo(x + 40, y);
    dc->MoveTo(x + 40, y - 10);
    dc->LineTo(x + 40, y + 10);
    dc->MoveTo(x + 60, y - 10);
    dc->LineTo(x + 60, y + 10);
    dc->MoveTo(x + 60, y);
    dc->LineTo(x + kGridWidth, y);
}

void CBranchTracker::Draw(CDC* dc, int scrollX, int scrollY) {
    if (m_start.x < 0)
        return;
    if (m_fourth.x >= 0) {
        Reset();
        return;
    }
    CPoint offset(-scrollX, -scrollY);
    CPoint start = m_start + offset;
    CPoint mouse = m_mouse + offset;
    CPen red(PS_SOLID, 1, RGB(250, 0, 0));
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc->SelectObject(&red);
    if (m_second.x < 0) {
        dc->MoveTo(start);
        dc->LineTo(start.x, mouse.y);
        DrawContactGlyph(dc, start.x, mouse.y);
    } else {
        CPoint second = m_second + offset;
        dc->SelectObject(&black);
        dc->MoveTo(start);
        dc->LineTo(second);
        DrawContactGlyph(dc, second.x, second.y);
        if (m_third.x < 0) {
            dc->SelectObject(&red);
            dc->MoveTo(second.x + kGridWidth, second.y);
            dc->LineTo(mouse.x, second.y);
            dc->LineTo(mouse.x, mouse.y);
        } else {
            CPoint third = m_third + offset;
            dc->MoveTo(second.x + kGridWidth, second.y);
            dc->LineTo(third);
            dc->SelectObject(&red);
            dc->LineTo(third.x, mouse.y);
        }
    }
    dc->SelectObject(oldPen);
}
