#include "platform/CSplitterWnd.h"

#include "platform/CView.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

BOOL CSplitterWnd::CreateStatic(CWnd* parent, int rows, int columns, DWORD style, UINT id) {
    if (rows < 1 || columns < 1 || rows > 16 || columns > 16)
        return FALSE;
    m_rows.assign(static_cast<size_t>(rows), Track());
    m_columns.assign(static_cast<size_t>(columns), Track());
    LPCSTR className = AfxRegisterWndClass(CS_DBLCLKS, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(0, className, nullptr, style | WS_CHILD | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), parent, id);
}

BOOL CSplitterWnd::CreateView(int row, int column, CRuntimeClass* viewClass, SIZE initialSize,
                              CCreateContext* context) {
    if (row < 0 || row >= GetRowCount() || column < 0 || column >= GetColumnCount() || GetPane(row, column))
        return FALSE;
    CCreateContext paneContext;
    if (context)
        paneContext = *context;
    paneContext.m_pNewViewClass = viewClass;
    if (!AfxCreateView(this, &paneContext, static_cast<UINT>(IdFromRowCol(row, column))))
        return FALSE;
    m_rows[static_cast<size_t>(row)].ideal = initialSize.cy;
    m_columns[static_cast<size_t>(column)].ideal = initialSize.cx;
    RecalcLayout();
    return TRUE;
}

CWnd* CSplitterWnd::GetPane(int row, int column) const {
    HWND pane = ::GetDlgItem(m_hWnd, IdFromRowCol(row, column));
    return pane ? FromHandle(pane) : nullptr;
}

void CSplitterWnd::SetActivePane(int row, int column) {
    CWnd* pane = GetPane(row, column);
    if (!pane)
        return;
    CFrameWnd* frame = GetParentFrame();
    if (frame && pane->IsKindOf(RUNTIME_CLASS(CView)))
        frame->SetActiveView(static_cast<CView*>(pane));
    else
        pane->SetFocus();
}

// The tracks before the last keep their sizes as far as the length allows, a bar
// after each; the last takes the rest.
void CSplitterWnd::Layout(std::vector<Track>& tracks, int length) {
    int position = 0;
    for (size_t i = 0; i < tracks.size(); ++i) {
        Track& track = tracks[i];
        track.start = position;
        int room = std::max(0, length - position);
        bool last = i + 1 == tracks.size();
        track.size = last ? room : std::min(track.ideal, std::max(0, room - kBarWidth));
        position += track.size + kBarWidth;
    }
}

void CSplitterWnd::RecalcLayout() {
    CRect client;
    GetClientRect(&client);
    Layout(m_rows, client.Height());
    Layout(m_columns, client.Width());
    for (size_t row = 0; row < m_rows.size(); ++row) {
        for (size_t column = 0; column < m_columns.size(); ++column) {
            CWnd* pane = GetPane(static_cast<int>(row), static_cast<int>(column));
            if (pane)
                pane->MoveWindow(m_columns[column].start, m_rows[row].start, m_columns[column].size,
                                 m_rows[row].size);
        }
    }
    Invalidate();
}

void CSplitterWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    RecalcLayout();
}

void CSplitterWnd::OnPaint() {
    CPaintDC dc(this);
    DrawBars(&dc);
}

LRESULT CSplitterWnd::OnPrintClient(WPARAM wParam, LPARAM) {
    DrawBars(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

// Only the bars show between the panes: raised strips of the button face.
void CSplitterWnd::DrawBars(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    for (size_t i = 0; i + 1 < m_rows.size(); ++i) {
        CRect bar(client.left, m_rows[i].start + m_rows[i].size, client.right, m_rows[i + 1].start);
        ::DrawEdge(dc->m_hDC, &bar, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
    for (size_t i = 0; i + 1 < m_columns.size(); ++i) {
        CRect bar(m_columns[i].start + m_columns[i].size, client.top, m_columns[i + 1].start, client.bottom);
        ::DrawEdge(dc->m_hDC, &bar, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    }
}

int CSplitterWnd::BarAt(const std::vector<Track>& tracks, int position) {
    for (size_t i = 0; i + 1 < tracks.size(); ++i) {
        int end = tracks[i].start + tracks[i].size;
        if (position >= end && position < tracks[i + 1].start)
            return static_cast<int>(i);
    }
    return -1;
}

CSplitterWnd::Bar CSplitterWnd::BarAt(CPoint point) const {
    Bar bar;
    bar.index = BarAt(m_rows, point.y);
    if (bar.index < 0) {
        bar.rows = false;
        bar.index = BarAt(m_columns, point.x);
    }
    return bar;
}

BOOL CSplitterWnd::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    Bar bar = BarAt(point);
    if (wnd != this || hitTest != HTCLIENT || bar.index < 0)
        return CWnd::OnSetCursor(wnd, hitTest, message);
    ::SetCursor(::LoadCursorA(nullptr, bar.rows ? IDC_SIZENS : IDC_SIZEWE));
    return TRUE;
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point) {
    m_drag = BarAt(point);
    if (m_drag.index < 0)
        return;
    const Track& before = (m_drag.rows ? m_rows : m_columns)[static_cast<size_t>(m_drag.index)];
    m_grabOffset = (m_drag.rows ? point.y : point.x) - (before.start + before.size);
    SetCapture();
}

void CSplitterWnd::OnMouseMove(UINT, CPoint point) {
    if (m_drag.index >= 0)
        DragTo(point);
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint point) {
    if (m_drag.index < 0)
        return;
    DragTo(point);
    m_drag.index = -1;
    ::ReleaseCapture();
}

void CSplitterWnd::OnCaptureChanged(CWnd*) { m_drag.index = -1; }

// The bar follows the pointer between the two tracks it divides: the track before it
// takes the new size and the one after it gives or takes the difference.
void CSplitterWnd::DragTo(CPoint point) {
    std::vector<Track>& tracks = m_drag.rows ? m_rows : m_columns;
    Track& before = tracks[static_cast<size_t>(m_drag.index)];
    Track& after = tracks[static_cast<size_t>(m_drag.index) + 1];
    int position = (m_drag.rows ? point.y : point.x) - m_grabOffset;
    int size = std::clamp(position - before.start, 0, before.size + after.size);
    after.ideal = std::max(0, after.size - (size - before.size));
    before.ideal = size;
    RecalcLayout();
}
