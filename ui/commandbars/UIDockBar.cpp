#include "ui/commandbars/UIDockBar.h"

#include "ui/commandbars/UIBarDragTracker.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIDockRowLayout.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIToolBar.h"
#include "ui/commandbars/UIToolbarLayout.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"

#include "platform/CControlBar.h"
#include "platform/CDC.h"
#include "platform/CFrameWnd.h"

#include <algorithm>

namespace {

const DWORD kKeptStyle = 0x40FFFF;
const int kStretchedLength = 32767;

CRect Transposed(const CRect& rect) { return CRect(rect.top, rect.left, rect.bottom, rect.right); }

}  // namespace

BEGIN_MESSAGE_MAP(CUIDockBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

BOOL CUIDockBar::Create(CWnd* parent, DWORD style, UINT id) {
    m_dockStyle = style & kKeptStyle;
    LPCSTR windowClass = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
    return CreateEx(0, windowClass, "", (style & ~kKeptStyle) | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                    CRect(0, 0, 0, 0), parent, id);
}

int CUIDockBar::GetDockPosition() const {
    if (m_dockStyle & (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM))
        return uiBarTop;
    if (m_dockStyle & (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP))
        return uiBarBottom;
    if (m_dockStyle & (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT))
        return uiBarLeft;
    return uiBarRight;
}

BOOL CUIDockBar::IsHorizontal() const { return (m_dockStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0; }

CUIToolBar* CUIDockBar::GetAt(int index) const {
    return index >= 0 && index < GetCount() ? m_bars[static_cast<size_t>(index)] : nullptr;
}

int CUIDockBar::FindBar(const void* bar, int exceptIndex) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (i != exceptIndex && m_bars[static_cast<size_t>(i)] == bar)
            return i;
    }
    return -1;
}

void CUIDockBar::InsertEntry(int index, CUIToolBar* bar) {
    if (index < 0)
        return;
    if (index > GetCount())
        m_bars.resize(static_cast<size_t>(index), nullptr);
    m_bars.insert(m_bars.begin() + index, bar);
}

void CUIDockBar::RemoveBar(CUIToolBar* bar, int exceptIndex) {
    const int index = FindBar(bar, exceptIndex);
    if (index < 0)
        return;
    m_bars.erase(m_bars.begin() + index);
    // Two row ends in a row (or one at the start) leave an empty row: it goes.
    if (index < GetCount() && m_bars[static_cast<size_t>(index)] == nullptr &&
        (index == 0 || m_bars[static_cast<size_t>(index) - 1] == nullptr) && GetCount() > 1)
        m_bars.erase(m_bars.begin() + index);
    if (CFrameWnd* frame = dynamic_cast<CFrameWnd*>(GetParent()))
        frame->DelayRecalcLayout();
}

void CUIDockBar::DockBar(CUIToolBar* bar, const RECT* screenRect) {
    const int existing = FindBar(bar);
    if (existing >= 0) {
        CRect window;
        bar->GetWindowRect(&window);
        if (screenRect == nullptr || window == *screenRect)
            return;
    }
    int inserted;
    if (screenRect) {
        CRect rect(*screenRect);
        ScreenToClient(&rect);
        const CPoint centre = rect.CenterPoint();
        inserted = InsertBar(bar, IsHorizontal() ? centre.y : centre.x);
        SetLastDockPlace(bar, rect);
    } else {
        m_bars.push_back(bar);
        m_bars.push_back(nullptr);
        inserted = GetCount() - 2;
        SetLastDockPlace(bar, CRect());
    }
    if (bar->GetParent() != this)
        bar->SetParent(this);
    if (existing >= 0)
        RemoveBar(bar, inserted);  // its old entry
    else if (bar->m_dockBar && bar->m_dockBar != this)
        bar->m_dockBar->RemoveBar(bar);
    bar->m_dockBar = this;
    IsolateStretchedBars();
    if (CFrameWnd* frame = dynamic_cast<CFrameWnd*>(GetParent()))
        frame->DelayRecalcLayout();
}

void CUIDockBar::SetLastDockPlace(CUIToolBar* bar, const CRect& rect) const {
    if (CUIBarDragTracker* tracker = bar->GetDragTracker()) {
        tracker->m_mruDockPosition = GetDockPosition();
        tracker->m_mruDockRect = rect;
    }
}

int CUIDockBar::InsertBar(CUIToolBar* bar, int centre) {
    int rowStart = 0;
    int previousEdge = 0;
    for (int i = 0; i < GetCount(); ++i) {
        if (m_bars[static_cast<size_t>(i)] != nullptr)
            continue;
        // The row runs from rowStart to the row end at i; its far edge is the largest
        // bottom (right) of its visible bars.
        int farEdge = 0;
        for (int j = rowStart; j < i; ++j) {
            CUIToolBar* member = m_bars[static_cast<size_t>(j)];
            if (!member->IsVisible() || member->m_hWnd == nullptr)
                continue;
            CRect rect;
            member->GetWindowRect(&rect);
            ScreenToClient(&rect);
            farEdge = std::max<int>(farEdge, IsHorizontal() ? rect.bottom : rect.right);
        }
        if (rowStart < i && farEdge > centre) {
            if (centre == previousEdge)
                m_bars.insert(m_bars.begin() + rowStart, {bar, nullptr});  // a new row before it
            else
                m_bars.insert(m_bars.begin() + rowStart, bar);  // first in the row
            return rowStart;
        }
        if (rowStart < i)
            previousEdge = farEdge;
        rowStart = i + 1;
    }
    m_bars.push_back(bar);
    m_bars.push_back(nullptr);
    return GetCount() - 2;
}

void CUIDockBar::IsolateStretchedBars() {
    for (size_t i = 0; i < m_bars.size(); ++i) {
        CUIToolBar* bar = m_bars[i];
        if (bar == nullptr || !(bar->m_dockingFlags & CUIToolBar::Stretch))
            continue;
        if (i > 0 && m_bars[i - 1] != nullptr) {
            m_bars.insert(m_bars.begin() + static_cast<std::ptrdiff_t>(i), nullptr);
            ++i;
        }
        if (i + 1 < m_bars.size() && m_bars[i + 1] != nullptr)
            m_bars.insert(m_bars.begin() + static_cast<std::ptrdiff_t>(i) + 1, nullptr);
    }
}

void CUIDockBar::GetRowBars(int index, std::vector<CUIToolBar*>* bars) const {
    bars->clear();
    int start = index, end = index;
    while (start > 0 && m_bars[static_cast<size_t>(start) - 1] != nullptr)
        --start;
    while (end < GetCount() && m_bars[static_cast<size_t>(end)] != nullptr)
        ++end;
    for (int i = start; i < end; ++i) {
        CUIToolBar* bar = m_bars[static_cast<size_t>(i)];
        if (bar->IsVisible() && bar->GetType() == uiBarTypeToolBar)
            bars->push_back(bar);
    }
    const BOOL horizontal = IsHorizontal();
    std::stable_sort(bars->begin(), bars->end(), [horizontal](CUIToolBar* a, CUIToolBar* b) {
        CRect ra, rb;
        a->GetWindowRect(&ra);
        b->GetWindowRect(&rb);
        return horizontal ? ra.left < rb.left : ra.top < rb.top;
    });
}

DWORD CUIDockBar::GetBarMode(const CUIToolBar* bar) const {
    DWORD mode = IsHorizontal() ? (uiLayoutHorizontalDock | uiLayoutHorizontal) : uiLayoutVerticalDock;
    if (bar->m_dockingFlags & CUIToolBar::Stretch)
        mode |= uiLayoutStretch;
    if ((bar->m_dockingFlags & CUIToolBar::HideOverflow) && !(m_commandBars && m_commandBars->IsCustomizeMode()))
        mode |= uiLayoutOneRow;
    return mode;
}

int CUIDockBar::LayoutRows(const std::vector<CUIToolBar*>& row, int offset, int length, HDWP* batch) {
    const BOOL horizontal = IsHorizontal();
    std::vector<UIDockRowBar> bars;
    for (CUIToolBar* bar : row) {
        UIDockRowBar item;
        item.index = FindBar(bar);
        const CRect last = bar->GetDragTracker() ? bar->GetDragTracker()->m_mruDockRect : CRect();
        item.preferredLeft = horizontal ? last.left : last.top;
        const DWORD mode = GetBarMode(bar);
        item.hidesOverflow = (mode & uiLayoutOneRow) != 0;
        item.size = [bar, mode, horizontal](int along) {
            const CSize size = bar->CalcDockedLayout(along, mode, 0);
            return horizontal ? size : CSize(size.cy, size.cx);
        };
        bars.push_back(item);
    }
    std::vector<UIDockRowPlace> places;
    const int thickness = LayoutDockRows(bars, offset, length, &places);
    for (size_t i = 0; batch && i < row.size(); ++i) {
        CUIToolBar* bar = row[i];
        const UIDockRowPlace& place = places[i];
        const CSize size = bar->CalcDockedLayout(place.length, GetBarMode(bar) | uiLayoutCommit, place.thickness);
        const CSize along = horizontal ? size : CSize(size.cy, size.cx);
        const CRect rowRect(place.left, place.offset, place.left + along.cx, place.offset + along.cy);
        const CRect rect = horizontal ? rowRect : Transposed(rowRect);
        if (CUIBarDragTracker* tracker = bar->GetDragTracker())
            tracker->m_mruDockPosition = GetDockPosition();
        AFX_SIZEPARENTPARAMS own = {*batch, {}, {}, FALSE};
        AfxRepositionWindow(&own, bar->m_hWnd, &rect);
        *batch = own.hDWP;
        bar->Invalidate(FALSE);
    }
    return thickness;
}

CSize CUIDockBar::CalcFixedLayout(int length, DWORD mode, AFX_SIZEPARENTPARAMS* layout) {
    const BOOL horizontal = IsHorizontal();
    const BOOL stretch = (mode & uiLayoutStretch) != 0;
    CSize size = stretch ? (horizontal ? CSize(kStretchedLength, 0) : CSize(0, kStretchedLength)) : CSize(0, 0);
    HDWP batch = layout && layout->hDWP ? ::BeginDeferWindowPos(GetCount()) : nullptr;
    int offset = 0;
    std::vector<CUIToolBar*> row;
    for (CUIToolBar* bar : m_bars) {
        if (bar != nullptr) {
            if (bar->IsVisible())
                row.push_back(bar);
            continue;
        }
        if (!row.empty())
            offset += LayoutRows(row, offset, length, batch ? &batch : nullptr);
        row.clear();
        if (horizontal)
            size.cy = std::max<int>(size.cy, offset);
        else
            size.cx = std::max<int>(size.cx, offset);
    }
    if (batch)
        ::EndDeferWindowPos(batch);
    return size;
}

LRESULT CUIDockBar::OnSizeParent(WPARAM, LPARAM lParam) {
    AFX_SIZEPARENTPARAMS* layout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    // The window's own visibility: a frame lays its bars out before it is first shown.
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CRect remaining(layout->rect);
    const BOOL horizontal = IsHorizontal();
    DWORD mode = layout->bStretch ? static_cast<DWORD>(uiLayoutStretch) : 0;
    mode |= horizontal ? (uiLayoutHorizontal | uiLayoutHorizontalDock) : uiLayoutVerticalDock;
    CSize size = CalcFixedLayout(horizontal ? remaining.Width() : remaining.Height(), mode, layout);
    size.cx = std::min<int>(size.cx, remaining.Width());
    size.cy = std::min<int>(size.cy, remaining.Height());
    CRect rect = remaining;
    switch (GetDockPosition()) {
    case uiBarTop:
        rect.bottom = rect.top + size.cy;
        layout->rect.top += size.cy;
        break;
    case uiBarBottom:
        rect.top = rect.bottom - size.cy;
        layout->rect.bottom -= size.cy;
        break;
    case uiBarLeft:
        rect.right = rect.left + size.cx;
        layout->rect.left += size.cx;
        break;
    default:
        rect.left = rect.right - size.cx;
        layout->rect.right -= size.cx;
        break;
    }
    if (horizontal) {
        layout->sizeTotal.cy += size.cy;
        layout->sizeTotal.cx = std::max<int>(layout->sizeTotal.cx, size.cx);
    } else {
        layout->sizeTotal.cx += size.cx;
        layout->sizeTotal.cy = std::max<int>(layout->sizeTotal.cy, size.cy);
    }
    if (layout->hDWP)
        AfxRepositionWindow(layout, m_hWnd, &rect);
    Invalidate(FALSE);
    return 0;
}

void CUIDockBar::Paint(CDC* dc) {
    CUICommandBarsTheme* paintManager = m_commandBars ? m_commandBars->GetPaintManager() : GetGlobalTheme();
    if (paintManager)
        paintManager->FillDockBarBackground(dc, this);
}

void CUIDockBar::OnPaint() {
    CPaintDC paint(this);
    Paint(&paint);
}

LRESULT CUIDockBar::OnPrintClient(WPARAM wParam, LPARAM) {
    Paint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

void CUIDockBar::OnRButtonDown(UINT, CPoint point) {
    ClientToScreen(&point);
    if (m_commandBars)
        m_commandBars->ContextMenu(point.x, point.y);
}
