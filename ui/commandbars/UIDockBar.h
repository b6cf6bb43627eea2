#pragma once

#include "platform/CWnd.h"

#include <vector>

class CUICommandBars;
class CUIToolBar;

// The window along one edge of the frame's client area that holds docked toolbars
// (and the menu bar) in rows. It takes its thickness in the frame's layout, lays its
// rows out so that each bar keeps its last place as far as the row allows, and
// accepts bars docked at a screen rectangle.
class CUIDockBar : public CWnd {
public:
    explicit CUIDockBar(CUICommandBars* commandBars) : m_commandBars(commandBars) {}

    BOOL Create(CWnd* parent, DWORD style, UINT id);
    // Puts the bar in at a screen rectangle (the row under its centre, or a new row),
    // or into a new last row without one.
    void DockBar(CUIToolBar* bar, const RECT* screenRect);
    // Takes out the bar's entry at an index other than exceptIndex; an emptied row goes.
    void RemoveBar(CUIToolBar* bar, int exceptIndex = -1);
    int FindBar(const void* bar, int exceptIndex = -1) const;
    // Puts an entry (null: a row end) in at the index, row ends filling any gap.
    void InsertEntry(int index, CUIToolBar* bar);
    // The entry at an index: null ends a row.
    CUIToolBar* GetAt(int index) const;
    int GetCount() const { return static_cast<int>(m_bars.size()); }
    // 0 top, 1 bottom, 2 left, 3 right.
    int GetDockPosition() const;
    BOOL IsHorizontal() const;
    // The CBRS_ bits it was created with (kept apart from the window style).
    DWORD GetDockStyle() const { return m_dockStyle; }
    // The visible toolbars (not the menu bar) of the row holding the index, by their
    // left edge (top edge in a vertical dock bar).
    void GetRowBars(int index, std::vector<CUIToolBar*>* bars) const;
    // The dock bar's size; the bars are placed when the layout carries a batch.
    CSize CalcFixedLayout(int length, DWORD mode, AFX_SIZEPARENTPARAMS* layout);
    // The layout mode a bar gets in this dock bar.
    DWORD GetBarMode(const CUIToolBar* bar) const;

protected:
    LRESULT OnSizeParent(WPARAM, LPARAM lParam);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM);
    void OnRButtonDown(UINT flags, CPoint point);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void PostNcDestroy() override { delete this; }

private:
    int LayoutRows(const std::vector<CUIToolBar*>& row, int offset, int length, HDWP* batch);
    // The index the bar was put at.
    int InsertBar(CUIToolBar* bar, int centre);
    void IsolateStretchedBars();
    void SetLastDockPlace(CUIToolBar* bar, const CRect& rect) const;
    void Paint(CDC* dc);

    CUICommandBars* m_commandBars;
    DWORD m_dockStyle = 0;
    std::vector<CUIToolBar*> m_bars = {nullptr};

    DECLARE_MESSAGE_MAP()
};
