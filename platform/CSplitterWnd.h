#pragma once

#include "platform/CFrameWnd.h"

#include <vector>

// A window split into a fixed grid of panes (a static splitter), usually the views of
// one frame. Each row and column keeps the size it was given (CreateView) or dragged
// to while there is room; the last row and the last column take what is left. The
// user drags the bars between the panes to resize them. Pane (row, column) has the id
// IdFromRowCol, so the first pane's is AFX_IDW_PANE_FIRST like a frame's only view.
class CSplitterWnd : public CWnd {
    DECLARE_DYNAMIC(CSplitterWnd)

public:
    BOOL CreateStatic(CWnd* parent, int rows, int columns, DWORD style = WS_CHILD | WS_VISIBLE,
                      UINT id = AFX_IDW_PANE_FIRST);
    // The pane's view, of viewClass, with the document and frame of context.
    virtual BOOL CreateView(int row, int column, CRuntimeClass* viewClass, SIZE initialSize, CCreateContext* context);

    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    int GetColumnCount() const { return static_cast<int>(m_columns.size()); }
    CWnd* GetPane(int row, int column) const;
    static int IdFromRowCol(int row, int column) { return AFX_IDW_PANE_FIRST + row * 16 + column; }
    // A view pane becomes its frame's active view; another window gets the focus.
    void SetActivePane(int row, int column);

    virtual void RecalcLayout();

    static const int kBarWidth = 6;

protected:
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnCaptureChanged(CWnd* wnd);

private:
    // One row or column: the size it keeps while there is room, and where the last
    // layout put it.
    struct Track {
        int ideal = 0;
        int start = 0;
        int size = 0;
    };
    // A bar between two tracks: vertical for rows, horizontal for columns.
    struct Bar {
        bool rows = true;
        int index = -1;  // the bar after this track
    };

    static void Layout(std::vector<Track>& tracks, int length);
    void DrawBars(CDC* dc);
    static int BarAt(const std::vector<Track>& tracks, int position);
    Bar BarAt(CPoint point) const;
    void DragTo(CPoint point);

    std::vector<Track> m_rows;
    std::vector<Track> m_columns;
    Bar m_drag;
    int m_grabOffset = 0;  // where in the bar the drag took hold

    DECLARE_MESSAGE_MAP()
};
