#pragma once
#include "editors/BranchTracker.h"
#include "editors/LadderGrid.h"
#include "platform/CRect.h"

class CLadderModel;

// The armed state of the parallel-branch tool: it confines the mouse to the view while
// the clicks are taken, hands the finished start and end cells to the ladder model and
// frees the mouse whenever it ends, however it ends.
class CBranchTool {
public:
    explicit CBranchTool(CLadderModel* model) : m_pModel(model) {}
    virtual ~CBranchTool();

    // Arms the tool and keeps the mouse inside viewOnScreen.
    void Arm(const CRect& viewOnScreen);
    // A click in document pixels (scroll position added); snapped to the grid. Returns
    // the tracker's result, 0 when the tool is not armed. On kFinished the branch is in
    // the model and the tool is disarmed.
    int OnClick(CPoint point);
    void OnMouseMove(CPoint point) { m_tracker.SetMousePos(point.x, point.y); }
    // Escape or the context menu: the program stays as it was.
    void Cancel();
    // Focus loss, WM_CANCELMODE and deactivation end the tool so the mouse is never
    // left confined; returns whether the message cancelled it.
    BOOL CancelOnMessage(UINT message, WPARAM wParam);

    BOOL IsArmed() const { return m_armed; }
    BOOL IsMouseConfined() const { return m_confined; }
    CBranchTracker& GetTracker() { return m_tracker; }

protected:
    // The model's branch building, by cells.
    virtual void HitBranchStart(CPoint cell);
    virtual void InsertBranch(CPoint startCell, CPoint endCell);
    virtual void ClearBranchRange();

private:
    void Disarm();

    CLadderModel* m_pModel;
    CBranchTracker m_tracker;
    CLadderGrid m_grid;
    BOOL m_armed = FALSE;
    BOOL m_confined = FALSE;
};
