#pragma once

#include "platform/CWnd.h"

class CUIDockingPaneBase;
class CUIDockingPaneSplitContainer;

// The 4-pixel bar between two neighbours of a split container; dragging it shares
// their space anew.
class CUIDockingPaneSplitterWnd : public CWnd {
public:
    CUIDockingPaneSplitterWnd(CUIDockingPaneSplitContainer* container, CUIDockingPaneBase* before,
                              CUIDockingPaneBase* after);
    ~CUIDockingPaneSplitterWnd() override;

    // Serves between two other neighbours when its window is still the one such a bar
    // would get (same frame, same pointer); FALSE leaves it as it was.
    BOOL Reuse(CUIDockingPaneBase* before, CUIDockingPaneBase* after);

    // Re-proportions the neighbours so that the bar's centre divides them; the bar and
    // bounds (the union of both neighbours) in screen coordinates.
    void ApplyPosition(const CRect& splitter, const CRect& bounds);

    CUIDockingPaneBase* GetBefore() const { return m_before; }
    CUIDockingPaneBase* GetAfter() const { return m_after; }

protected:
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnLButtonDown(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    void Paint(CDC* dc);

    CUIDockingPaneSplitContainer* m_container;
    CUIDockingPaneBase* m_before;
    CUIDockingPaneBase* m_after;
    UINT m_cursorId = 0;  // the resource of its pointer, 0 for the arrow
};

// The weight of the element before a splitter: the share of total that lies before
// the bar's centre, within 0..total; -1 when the bounds have no width to share.
int SplitWeightBefore(int splitterStart, int boundsStart, int boundsEnd, int total);
