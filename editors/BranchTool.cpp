#include "editors/BranchTool.h"

#include "ladder/LadderModel.h"

CBranchTool::~CBranchTool() {
    if (m_confined)
        ::ClipCursor(nullptr);
}

void CBranchTool::Arm(const CRect& viewOnScreen) {
    m_tracker.Reset();
    m_armed = TRUE;
    m_confined = ::ClipCursor(&viewOnScreen) != FALSE;
}

int CBranchTool::OnClick(CPoint point) {
    if (!m_armed)
        return 0;
    CPoint snapped = m_grid.SnapToCell(point);
    CPoint startCell, endCell;
    int result = m_tracker.OnClick(snapped.x, snapped.y, startCell, endCell);
    if (result == CBranchTracker::kStarted)
        HitBranchStart(startCell);
    if (result == CBranchTracker::kFinished) {
        InsertBranch(startCell, endCell);
        ClearBranchRange();
        Disarm();
    }
    return result;
}

void CBranchTool::Cancel() {
    if (!m_armed)
        return;
    m_tracker.Reset();
    ClearBranchRange();
    Disarm();
}

BOOL CBranchTool::CancelOnMessage(UINT message, WPARAM wParam) {
    BOOL ends = message == WM_KILLFOCUS || message == WM_CANCELMODE ||
                (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) ||
                (message == WM_ACTIVATEAPP && !wParam);
    if (!ends || !m_armed)
        return FALSE;
    Cancel();
    return TRUE;
}

void CBranchTool::Disarm() {
    m_armed = FALSE;
    if (m_confined)
        ::ClipCursor(nullptr);
    m_confined = FALSE;
}

void CBranchTool::HitBranchStart(CPoint cell) {
    if (m_pModel)
        m_pModel->HitBranchStart(cell.x, cell.y);
}

void CBranchTool::InsertBranch(CPoint startCell, CPoint endCell) {
    if (!m_pModel)
        return;
    m_pModel->HitBranchEnd(startCell.x, startCell.y, endCell.x);
    m_pModel->InsertBranch();
}

void CBranchTool::ClearBranchRange() {
    if (m_pModel)
        m_pModel->ClearBranchRange();
}
