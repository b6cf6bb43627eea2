// The ladder editor's cursor, keys, mouse, context menus and network selection.
#include <algorithm>

#include "editors/BranchTool.h"
#include "editors/LadderEditor.h"
#include "editors/POUEditorView.h"
#include "ladder/Coil.h"
#include "ladder/LadderModel.h"
#include "res/resource.h"

namespace {
const int kCellEditExtraHeight = 5;

BOOL ShiftHeld() { return (::GetKeyState(VK_SHIFT) & 0x8000) != 0; }

BOOL OpensDialogOnEnter(const CString& symbol) {
    for (const char* name : {"-(NUL)", "-(RET)", "-(RETC)", "-(RETCN)", "-(DISI)", "-(ENI)"})
        if (symbol == name) return TRUE;
    return FALSE;
}

BOOL Inside(const CRect& rect, CPoint point) {
    return point.x >= rect.left && point.x <= rect.right && point.y >= rect.top && point.y <= rect.bottom;
}
}  // namespace

BOOL CLadderEditor::IsBranchToolArmed() const { return m_pBranchTool && m_pBranchTool->IsArmed(); }

void CLadderEditor::ClickAt(int x, int y, BOOL addScroll, BOOL noEdit) {
    m_nCurrentItem = NetworkItemAtPoint(x, y, addScroll);
    m_cursorCell = CPoint(std::max(0, x) / m_grid.m_cellWidth, std::max(0, y) / m_grid.m_cellHeight);
    if (addScroll) {
        m_cursorCell += ScrollCell();
        CPoint scroll = GetScrollPosition();
        x += scroll.x;
        y += scroll.y;
    }
    m_pModel->m_bHasCurrent = FALSE;
    if (m_bCellEdit) {
        if (Inside(m_cellEdit.m_rect, CPoint(x, y))) {
            m_cellEdit.ClickAt(x, y);
            RequestRepaint();
            return;
        }
        CommitCellEdit();
    }
    CLadderElement* element = nullptr;
    if (!m_pModel->LookupCell(m_cursorCell.x, m_cursorCell.y, element) || !element) {
        m_pModel->ClearCurrentElement();
        m_pModel->m_bHasCurrent = FALSE;
        SetCursorToCell(m_cursorCell);
        m_bCellEdit = FALSE;
        HideCaret();
        RequestRepaint();
        return;
    }
    m_pModel->m_bHasCurrent = TRUE;
    m_pModel->SetCurrentElement(element);
    CCellRect cell = element->GetCellRect();
    m_cursorRect = CRect(cell.m_nColumn * m_grid.m_cellWidth, cell.m_nRow * m_grid.m_cellHeight,
                         (cell.m_nColumn + element->m_nWidth) * m_grid.m_cellWidth,
                         (cell.m_nRow + element->m_nHeight) * m_grid.m_cellHeight);
    POINT hit = {x, y};
    CString text;
    CPoint scrollCell = ScrollCell();
    if (!noEdit && !IsOnline() &&
        element->HitTestOperand(&hit, text, scrollCell.x, scrollCell.y, m_grid.m_cellWidth, m_grid.m_cellHeight, TRUE)) {
        m_cellEdit.m_rect = CRect(hit.x, hit.y, hit.x + m_grid.m_cellWidth,
                                  hit.y + m_cellEdit.m_lineHeight + kCellEditExtraHeight);
        m_cellEdit.SetText(text);
        m_bCellEdit = TRUE;
        m_cellEdit.SetSel(-1, -1);
        m_cellEdit.SetDragEnabled(FALSE);
        CreateCaret();
    } else {
        m_bCellEdit = FALSE;
        HideCaret();
    }
    RequestRepaint();
}

void CLadderEditor::MoveCursor(UINT key) {
    const CRect& r = m_cursorRect;
    int columns = m_pModel->GetExtent().cx;
    switch (key) {
    case VK_LEFT:
        if (r.left / m_grid.m_cellWidth > 0) ClickAt(r.left - 50, r.top + 20, FALSE, FALSE);
        break;
    case VK_RIGHT:
        if (r.right / m_grid.m_cellWidth < columns - 1) ClickAt(r.right + 50, r.top + 20, FALSE, FALSE);
        break;
    case VK_DOWN:
        if (r.bottom < m_documentSize.cy)
            ClickAt(r.left + 50, r.bottom + 20, FALSE, FALSE);
        break;
    case VK_UP:
        if (r.top > 0) ClickAt(r.left + 50, r.top - 20, FALSE, FALSE);
        break;
    default:
        break;
    }
}

void CLadderEditor::PostScroll(UINT message, UINT code, int times) {
    for (int k = 0; k < times; ++k) {
        if (m_pView && m_pView->GetSafeHwnd())
            m_pView->PostMessage(message, code);
        else if (message == WM_VSCROLL)
            OnVScroll(code, 0, nullptr);
        else
            OnHScroll(code, 0, nullptr);
    }
}

void CLadderEditor::AutoScrollForKey(UINT key) {
    const CRect& r = m_cursorRect;
    CPoint scroll = GetScrollPosition();
    CSize client = ClientSize();
    int columns = m_pModel->GetExtent().cx;
    int maxY = m_documentSize.cy;
    switch (key) {
    case VK_LEFT:
        if (r.left >= 0 && r.left <= scroll.x) PostScroll(WM_HSCROLL, SB_LINELEFT, 2);
        break;
    case VK_UP:
        if (r.top > 0 && r.top <= scroll.y) PostScroll(WM_VSCROLL, SB_LINEUP, 2);
        break;
    case VK_RIGHT:
        if (r.right < columns * m_grid.m_cellWidth && r.right + 100 >= scroll.x + client.cx)
            PostScroll(WM_HSCROLL, SB_LINERIGHT, 2);
        break;
    case VK_DOWN:
        if (r.bottom < maxY && r.bottom >= scroll.y + client.cy) PostScroll(WM_VSCROLL, SB_LINEDOWN, 2);
        break;
    default:
        break;
    }
}

void CLadderEditor::OnKeyDown(UINT key, UINT, UINT) {
    if (!GetDocument()) return;
    if (m_bCellEdit) {
        m_cellEdit.OnKeyDown(key);
        RequestRepaint();
        return;
    }
    BOOL extend = ShiftHeld() && !IsOnline();
    switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
        if (extend) ExtendSelectionVertical(key == VK_PRIOR ? VK_UP : VK_DOWN);
        PostScroll(WM_VSCROLL, key == VK_PRIOR ? SB_PAGEUP : SB_PAGEDOWN, 1);
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (extend) {
            ExtendSelectionHorizontal(key);
            break;
        }
        m_bNetworkSelection = FALSE;
        AutoScrollForKey(key);
        MoveCursor(key);
        break;
    case VK_UP:
    case VK_DOWN:
        if (extend) {
            ExtendSelectionVertical(key);
            break;
        }
        m_bNetworkSelection = FALSE;
        AutoScrollForKey(key);
        MoveCursor(key);
        break;
    case VK_DELETE:
        if (m_bNetworkSelection)
            DeleteSelectedNetworks();
        else
            DeleteCurrentElement(kDeleteKey);
        MarkModified();
        break;
    default:
        break;
    }
}

void CLadderEditor::OnChar(UINT ch, UINT, UINT) {
    if (ch == VK_ESCAPE) {
        if (m_bCellEdit) {
            CloseCellEdit();
            RequestRepaint();
        }
        CancelBranchTool();
        return;
    }
    if (ch == VK_RETURN) {
        if (IsOnline()) return;
        CLadderElement* current = Current();
        if (!current) {
            OnKeyDown(VK_RIGHT, 1, 0);
            RequestRepaint();
            return;
        }
        if (current->GetKind() == LADDER_COIL && OpensDialogOnEnter(current->GetSymbol())) {
            EditElement();
            return;
        }
        POINT point = {0, 0};
        if (current->GetEditCaretPoint(&point, m_grid.m_cellWidth, m_grid.m_cellHeight)) {
            ClickAt(point.x, point.y + 4, FALSE, FALSE);
            ScrollToCurrent(0, 0);
        } else {
            CloseCellEdit();
            m_pModel->SelectRightNeighbour(current);
            RequestRepaint();
            ScrollToCurrent(50, 0);
        }
        return;
    }
    if (m_bCellEdit) {
        m_cellEdit.OnChar(ch);
        RequestRepaint();
        return;
    }
    if (ch == VK_BACK) {
        if (m_bNetworkSelection)
            DeleteSelectedNetworks();
        else
            DeleteCurrentElement(kBackspaceKey);
        MarkModified();
        return;
    }
    if (ch == 0 || ch > 31) m_bNetworkSelection = FALSE;
}

// ---- mouse ----

void CLadderEditor::OnLButtonDown(UINT, int x, int y) {
    if (IsBranchToolArmed()) {
        CPoint scroll = GetScrollPosition();
        int result = BranchTool().OnClick(CPoint(x + scroll.x, y + scroll.y));
        if (result == CBranchTracker::kFinished || !BranchTool().IsArmed()) MarkModified();
        RequestRepaint();
        return;
    }
    ClickAt(x, y, TRUE, FALSE);
    PointToCell(std::max(0, x), std::max(0, y), m_anchorCell, TRUE);
    m_bButtonDown = TRUE;
    m_bNetworkSelection = FALSE;
    if (m_pView && m_pView->GetSafeHwnd()) m_pView->SetCapture();
}

void CLadderEditor::OnMouseMove(UINT, int x, int y) {
    CSize client = ClientSize();
    CPoint scroll = GetScrollPosition();
    if (IsBranchToolArmed()) {
        if (y >= client.cy - 5) PostScroll(WM_VSCROLL, SB_LINEDOWN, 1);
        if (y <= 0) PostScroll(WM_VSCROLL, SB_LINEUP, 1);
        if (x <= 0) PostScroll(WM_HSCROLL, SB_LINELEFT, 1);
        if (x >= client.cx - 5) PostScroll(WM_HSCROLL, SB_LINERIGHT, 1);
        BranchTool().OnMouseMove(CPoint(x + scroll.x, y + scroll.y));
        RequestRepaint();
        return;
    }
    if (!m_bButtonDown) return;
    if (m_bCellEdit) {
        m_cellEdit.DragTo(x + scroll.x, y + scroll.y, TRUE);
        RequestRepaint();
        return;
    }
    CPoint cell;
    if (!PointToCell(std::max(0, x), std::max(0, y), cell, TRUE) || cell == m_anchorCell) return;
    ClickAt(x, y, TRUE, TRUE);
    m_nSelEndItem = NetworkIndexOfRow(cell.y);
    if (y > client.cy - 40) PostScroll(WM_VSCROLL, SB_LINEDOWN, 1);
    if (y < 40) PostScroll(WM_VSCROLL, SB_LINEUP, 1);
    if (x < 100) PostScroll(WM_HSCROLL, SB_LINELEFT, 1);
    if (x > client.cx - 100) PostScroll(WM_HSCROLL, SB_LINERIGHT, 1);
    if (!IsOnline()) SelectNetworksByRows(m_anchorCell.x, m_anchorCell.y, cell.x, cell.y);
}

void CLadderEditor::OnLButtonUp(UINT, int, int) {
    m_bButtonDown = FALSE;
    if (m_pView && m_pView->GetSafeHwnd() && ::GetCapture() == m_pView->GetSafeHwnd()) ::ReleaseCapture();
}

void CLadderEditor::OnLButtonDblClk(UINT, int x, int y) {
    if (!m_bCellEdit) {
        EditElement();
    } else {
        CPoint scroll = GetScrollPosition();
        if (Inside(m_cellEdit.m_rect, CPoint(x + scroll.x, y + scroll.y)))
            m_cellEdit.SetSel(-1, -1);
        else
            CloseCellEdit();
    }
    RequestRepaint();
}

void CLadderEditor::OnRButtonDown(UINT, int x, int y) {
    CPoint scroll = GetScrollPosition();
    if (m_bCellEdit && Inside(m_cellEdit.m_rect, CPoint(x + scroll.x, y + scroll.y))) return;
    CommitCellEdit();
    ClickAt(x, y, TRUE, TRUE);
    m_nCurrentItem = NetworkItemAtPoint(x, y, TRUE);
    CPoint cell;
    if (PointToCell(std::max(0, x), std::max(0, y), cell, TRUE)) m_cursorCell = cell;
    int top = m_cursorCell.y * m_grid.m_cellHeight;
    if (m_bNetworkSelection && (top < m_nSelTop || top >= m_nSelBottom)) m_bNetworkSelection = FALSE;
}

BOOL CLadderEditor::OnSetCursor(CWnd*, UINT, UINT, int x, int y) {
    if (m_pModel->m_bLoaded) {
        ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
        return TRUE;
    }
    CPoint scroll = GetScrollPosition();
    if (m_bCellEdit && Inside(m_cellEdit.m_rect, CPoint(x + scroll.x, y + scroll.y))) {
        ::SetCursor(::LoadCursor(nullptr, IDC_IBEAM));
        return TRUE;
    }
    if (IsBranchToolArmed()) {
        ::SetCursor(::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_CURSOR_BRANCH_TOOL)));
        return TRUE;
    }
    return FALSE;
}

int CLadderEditor::GetContextMenuId(CPoint& point) {
    if (IsBranchToolArmed()) {
        CancelBranchTool();
        return kNoMenu;
    }
    BOOL hasWindow = m_pView && m_pView->GetSafeHwnd();
    CPoint client = point;
    if (point.x == -1 && point.y == -1) {
        CPoint scroll = GetScrollPosition();
        client = CPoint(m_cursorRect.CenterPoint().x - scroll.x, m_cursorRect.CenterPoint().y - scroll.y);
        point = client;
        if (hasWindow) m_pView->ClientToScreen(&point);
    } else if (hasWindow) {
        // The view gives client points from a right click.
        point = client;
    }
    CSize size = ClientSize();
    if (client.x >= size.cx || client.y >= size.cy) return kNoMenu;
    CPoint scroll = GetScrollPosition();
    CPoint document(client.x + scroll.x, client.y + scroll.y);
    if (m_bCellEdit && Inside(m_cellEdit.m_rect, document)) return kCellEditMenu;
    if (Current()) m_contextPoint = document;
    return IsOnline() ? static_cast<int>(kOnlineMenu) : static_cast<int>(kOfflineMenu);
}

void CLadderEditor::SelectAll() {
    if (IsOnline()) return;
    if (m_bCellEdit) {
        m_cellEdit.SetSel(-1, -1);
    } else if (m_pModel->GetNetworkCount() > 0 && m_rows.GetSize() >= 2) {
        m_bNetworkSelection = TRUE;
        m_nSelFirst = 0;
        m_nSelLast = m_pModel->GetNetworkCount() - 1;
        m_nSelTop = m_rows.GetRow(0) * m_grid.m_cellHeight;
        m_nSelBottom = m_rows.TotalRows() * m_grid.m_cellHeight;
    }
    RequestRepaint();
}

// ---- network selection ----

void CLadderEditor::SelectNetworksByRows(int, int r1, int, int r2) {
    int lo = std::min(r1, r2);
    int hi = std::max(r1, r2);
    if (hi <= 0 || m_rows.TotalRows() < lo) {
        m_bNetworkSelection = FALSE;
        return;
    }
    if (m_rows.GetSize() < 2) return;
    int prev = -1;
    int first = -1;
    for (int i = 0; i < m_rows.GetSize(); ++i) {
        int entry = m_rows.GetRow(i);
        if (entry < lo) {
            prev = entry;
            continue;
        }
        if (first < 0) {
            if (entry == lo || i == 0) {
                first = i;
                m_nSelTop = entry * m_grid.m_cellHeight;
            } else if (prev >= 0) {
                first = i - 1;
                m_nSelTop = prev * m_grid.m_cellHeight;
            }
        }
        if (entry > hi) {
            if (first < 0) {
                first = i - 1;
                m_nSelTop = prev * m_grid.m_cellHeight;
            }
            m_nSelFirst = first;
            m_nSelLast = i - 1;
            m_nSelBottom = (entry - 1) * m_grid.m_cellHeight;
            m_bNetworkSelection = TRUE;
            return;
        }
        prev = entry;
    }
    m_bNetworkSelection = FALSE;
}

BOOL CLadderEditor::ExtendSelectionVertical(UINT key) {
    int itemCount = static_cast<int>(m_pModel->GetNetworks().GetSize());
    if (itemCount == 0) return FALSE;
    CPoint scroll = GetScrollPosition();
    if (!m_bNetworkSelection) {
        m_bNetworkSelection = TRUE;
        CPoint cell((m_cursorRect.left + 50) / m_grid.m_cellWidth, (m_cursorRect.top + 20) / m_grid.m_cellHeight);
        if (cell.y <= 0) {
            cell.y = 1;
            ClickAt(m_cursorRect.left + 50, m_cursorRect.top + m_grid.m_cellHeight + 20, FALSE, FALSE);
        }
        m_nSelEndItem = NetworkIndexOfRow(cell.y);
        m_anchorCell = cell;
        SelectNetworksByRows(m_anchorCell.x, m_anchorCell.y, cell.x + 1, cell.y);
    } else {
        if ((key == VK_DOWN || key == VK_NEXT) && m_nSelEndItem < itemCount - 2) m_nSelEndItem += 2;
        if ((key == VK_UP || key == VK_PRIOR) && m_nSelEndItem >= 2) m_nSelEndItem -= 2;
        if (m_nSelEndItem < 0 || m_nSelEndItem >= itemCount) return FALSE;
        int row = m_rows.GetRow(m_nSelEndItem / 2);
        ClickAt(m_grid.m_cellWidth + 50, row * m_grid.m_cellHeight + 20, FALSE, TRUE);
        m_bNetworkSelection = TRUE;
        RequestRepaint();
        ScrollToCurrent(0, 0);
        SelectNetworksByRows(m_anchorCell.x, m_anchorCell.y, 1, row);
        CSize client = ClientSize();
        scroll = GetScrollPosition();
        if ((key == VK_DOWN || key == VK_NEXT) && m_cursorRect.bottom >= client.cy + scroll.y - 40)
            ScrollTo(scroll.x, m_cursorRect.top - 120);
        if ((key == VK_UP || key == VK_PRIOR) && scroll.y >= m_cursorRect.top)
            ScrollTo(scroll.x, m_cursorRect.bottom - client.cy);
    }
    RequestRepaint();
    return TRUE;
}

void CLadderEditor::ExtendSelectionHorizontal(UINT key) {
    auto cellBelowCursor = [this]() {
        return CPoint((m_cursorRect.left + 50) / m_grid.m_cellWidth, (m_cursorRect.bottom + 20) / m_grid.m_cellHeight);
    };
    if (!m_bNetworkSelection) {
        m_bNetworkSelection = TRUE;
        m_anchorCell = cellBelowCursor();
    }
    AutoScrollForKey(key);
    MoveCursor(key);
    CPoint cell = cellBelowCursor();
    m_nSelEndItem = NetworkIndexOfRow(cell.y);
    SelectNetworksByRows(m_anchorCell.x, m_anchorCell.y, cell.x, cell.y);
}

// ---- branch tool ----

void CLadderEditor::CancelBranchTool() {
    if (!IsBranchToolArmed()) return;
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    BranchTool().Cancel();
    RequestRepaint();
}

BOOL CLadderEditor::CancelBranchToolOnMessage(UINT message, WPARAM wParam) {
    if (!m_pBranchTool || !m_pBranchTool->CancelOnMessage(message, wParam)) return FALSE;
    RequestRepaint();
    return TRUE;
}
