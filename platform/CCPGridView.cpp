#include "platform/CCPGridView.h"

#include "platform/CCPCellCtrl.h"
#include "platform/CCPGridPainter.h"
#include "platform/CDC.h"
#include "platform/FrameworkIds.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CCPGridView, CView)

BEGIN_MESSAGE_MAP(CCPGridView, CView)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_GETDLGCODE()
    ON_WM_ERASEBKGND()
    ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
END_MESSAGE_MAP()

namespace {

const int WheelRows = 3;
const int ScrollStepX = 20;

}  // namespace

CCPGridView::CCPGridView() = default;

CCPGridView::~CCPGridView() = default;

int CCPGridView::OnCreate(LPCREATESTRUCT cs) {
    if (CView::OnCreate(cs) == -1)
        return -1;
    m_font.CreateFont(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体");
    return 0;
}

// The controls go with the window; nothing may be committed while it is torn down.
void CCPGridView::OnDestroy() {
    m_editCol = m_editRow = -1;
    m_ctrls.clear();
    CView::OnDestroy();
}

BOOL CCPGridView::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= WS_CLIPCHILDREN;
    return CView::PreCreateWindow(cs);
}

// ---- Drawing and scrolling ---------------------------------------------------------

void CCPGridView::OnGridDraw(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    CCPGridPainter(*this, *dc, &m_font).Paint(client);
}

BOOL CCPGridView::OnEraseBkgnd(CDC*) { return TRUE; }  // the grid paints every pixel

void CCPGridView::RedrawGrid() {
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

void CCPGridView::OnSize(UINT type, int cx, int cy) {
    SetViewSize(cx, cy);
    if (!m_updatingBars)
        m_barState[0] = m_barState[1] = ScrollBarState();
    UpdateScrollBars();
    PlaceEditor();
}

// Only changes are sent, without drawing the bars at once: the frame is marked for
// the next paint instead, so a burst of moves draws the bars once.
void CCPGridView::UpdateScrollBars() {
    if (m_hWnd == nullptr || m_updatingBars)
        return;
    m_updatingBars = true;
    ScrollBarState state[2] = {
        {std::max(0, GetGridRowCount() - 1), GetVisibleRowCount(), GetTopRow()},
        {std::max(0, static_cast<int>(GetScrollSize().cx) - GetFixedColWidth() - 1),
         std::max(1, static_cast<int>(GetViewSize().cx) - GetFixedColWidth()), GetScrollX()},
    };
    const int bars[2] = {SB_VERT, SB_HORZ};
    for (int i = 0; i < 2; ++i) {
        if (state[i] == m_barState[i])
            continue;
        m_barState[i] = state[i];
        SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, state[i].max,
                           static_cast<UINT>(state[i].page), state[i].pos, 0};
        SetScrollInfo(bars[i], &info, FALSE);
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
    }
    m_updatingBars = false;
}

void CCPGridView::ScrollTo(int topRow, int scrollX) {
    SetTopRow(topRow);
    SetScrollX(scrollX);
    UpdateScrollBars();
    PlaceEditor();
    RedrawGrid();
}

void CCPGridView::OnVScroll(UINT code, UINT position, CScrollBar*) {
    int top = GetTopRow();
    int page = GetVisibleRowCount();
    switch (code) {
    case SB_LINEUP: --top; break;
    case SB_LINEDOWN: ++top; break;
    case SB_PAGEUP: top -= page; break;
    case SB_PAGEDOWN: top += page; break;
    case SB_TOP: top = 0; break;
    case SB_BOTTOM: top = GetMaxTopRow(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: top = static_cast<int>(position); break;
    default: return;
    }
    ScrollTo(top, GetScrollX());
}

void CCPGridView::OnHScroll(UINT code, UINT position, CScrollBar*) {
    int x = GetScrollX();
    int page = std::max(ScrollStepX, static_cast<int>(GetViewSize().cx) - GetFixedColWidth());
    switch (code) {
    case SB_LINELEFT: x -= ScrollStepX; break;
    case SB_LINERIGHT: x += ScrollStepX; break;
    case SB_PAGELEFT: x -= page; break;
    case SB_PAGERIGHT: x += page; break;
    case SB_LEFT: x = 0; break;
    case SB_RIGHT: x = GetMaxScrollX(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: x = static_cast<int>(position); break;
    default: return;
    }
    ScrollTo(GetTopRow(), x);
}

BOOL CCPGridView::OnMouseWheel(UINT, short delta, CPoint) {
    ScrollTo(GetTopRow() - delta / WHEEL_DELTA * WheelRows, GetScrollX());
    return TRUE;
}

// ---- Focus and selection by keys and mouse ----------------------------------------

void CCPGridView::AfterFocusMove() {
    UpdateScrollBars();
    PlaceEditor();
    RedrawGrid();
}

UINT CCPGridView::OnGetDlgCode() { return DLGC_WANTALLKEYS; }

void CCPGridView::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    bool shift = ::GetKeyState(VK_SHIFT) < 0;
    bool control = ::GetKeyState(VK_CONTROL) < 0;
    int col = GetFocusCol();
    int row = GetFocusRow();
    int page = GetVisibleRowCount();
    switch (key) {
    case VK_LEFT: --col; break;
    case VK_RIGHT: ++col; break;
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_PRIOR: row -= page; break;
    case VK_NEXT: row += page; break;
    case VK_HOME: col = 1; if (control) row = 1; break;
    case VK_END: col = GetGridColCount(); if (control) row = GetGridRowCount(); break;
    case VK_RETURN: ++row; break;
    case VK_TAB:
        // Tab runs along the row and on to the start of the next one.
        if (++col > GetGridColCount() && row < GetGridRowCount()) {
            col = 1;
            ++row;
        }
        shift = false;
        break;
    case VK_F2: OpenEditor(col - 1, row - 1); return;
    case VK_DELETE: OnEditGridClear(); return;
    default: return;
    }
    MoveFocusTo(col, row, shift);
    AfterFocusMove();
}

void CCPGridView::OnChar(UINT ch, UINT repeat, UINT flags) {
    if (!IsEditing()) {
        if (ch < 0x20 || ch == 0x7F)
            return;
        OpenEditor(GetFocusCol() - 1, GetFocusRow() - 1);
        if (!IsEditing())
            return;
        if (GetCol(m_editCol).ctrlKind == CPCtrlEdit)
            GetCellCtrl(m_editCol)->SetWindowText("");  // typing replaces the cell's text
    }
    // Characters that arrive while the control opens go on to it.
    GetCellCtrl(m_editCol)->SendMessage(WM_CHAR, ch, 0);
}

void CCPGridView::OnLButtonDown(UINT flags, CPoint point) {
    SaveModifyed(0);
    SetFocus();
    int col = XToCol(point.x);
    int row = YToRow(point.y);
    if (col < 0 || row < 0)
        return;
    bool shift = (flags & MK_SHIFT) != 0;
    if (row == 0) {
        if (col == 0)
            SelectAll();
        else
            OnFixedRowDown(col - 1);
    } else if (col == 0) {
        SelectRows(row - 1, row - 1, shift);
        StartDrag(true);
    } else {
        bool onFocusCell = col == GetFocusCol() && row == GetFocusRow() && IsCellSelected(col - 1, row - 1);
        MoveFocusTo(col, row, shift);
        if (onFocusCell && !shift)
            OpenEditor(col - 1, row - 1);
        else
            StartDrag(false);
    }
    AfterFocusMove();
}

void CCPGridView::StartDrag(bool wholeRows) {
    m_dragging = true;
    m_dragRows = wholeRows;
    SetCapture();
}

void CCPGridView::OnMouseMove(UINT, CPoint point) {
    if (!m_dragging)
        return;
    CRect cells = GetCellRect(GetGridColCount(), GetTopRow() + GetVisibleRowCount());
    int col = XToCol(std::max<int>(GetFixedColWidth(), std::min<int>(point.x, cells.right - 1)));
    int row = YToRow(std::max(GetRowHeight(), std::min<int>(point.y, cells.bottom - 1)));
    if (col < 1 || row < 1)
        return;
    if (m_dragRows)
        SelectRows(0, row - 1, true);
    else
        MoveFocusTo(col, row, true);
    AfterFocusMove();
}

void CCPGridView::OnLButtonUp(UINT, CPoint) {
    if (!m_dragging)
        return;
    m_dragging = false;
    ::ReleaseCapture();
}

void CCPGridView::OnFixedRowDown(int col) {
    MoveFocusTo(col + 1, 1, false);
    SetSelectRange(col, col, 0, GetGridRowCount() - 1);
}

void CCPGridView::OnEditSelectAll() {
    SaveModifyed(0);
    SelectAll();
    RedrawGrid();
}

// ---- Rows ------------------------------------------------------------------------

void CCPGridView::SetGridRowCount(int rows) {
    if (IsEditing() && m_editRow >= rows)
        CancelEdit();
    CCPGridHost::SetGridRowCount(rows);
    AfterFocusMove();
}

void CCPGridView::InsertRows(int first, int count) {
    if (count <= 0 || first < 0 || first > GetGridRowCount())
        return;
    if (IsEditing() && m_editRow >= first)
        m_editRow += count;
    CCPGridHost::InsertRows(first, count);
    AfterFocusMove();
}

void CCPGridView::RemoveRows(int first, int count) {
    if (count <= 0 || first < 0 || first >= GetGridRowCount())
        return;
    if (IsEditing() && m_editRow >= first) {
        if (m_editRow < first + count)
            CancelEdit();  // its row is gone
        else
            m_editRow -= count;
    }
    CCPGridHost::RemoveRows(first, count);
    AfterFocusMove();
}
