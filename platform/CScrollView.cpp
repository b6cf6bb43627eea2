#include "platform/CScrollView.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

const SIZE CScrollView::sizeDefault = {0, 0};

namespace {

// A size in the mapping mode's units as pixels of the screen.
CSize ToDevice(int mapMode, SIZE size) {
    CWindowDC dc(nullptr);
    dc.SetMapMode(mapMode);
    CSize device = size;
    dc.LPtoDP(&device);
    return CSize(abs(device.cx), abs(device.cy));
}

}  // namespace

void CScrollView::SetScrollSizes(int mapMode, SIZE total, const SIZE& page, const SIZE& line) {
    m_nMapMode = mapMode;
    m_totalLog = total;
    m_totalDev = ToDevice(mapMode, total);
    m_pageDev = ToDevice(mapMode, page);
    m_lineDev = ToDevice(mapMode, line);
    if (m_pageDev.cx == 0)
        m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0)
        m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0)
        m_lineDev.cx = m_pageDev.cx / 10;
    if (m_lineDev.cy == 0)
        m_lineDev.cy = m_pageDev.cy / 10;
    if (m_hWnd) {
        UpdateBars();
        Invalidate(TRUE);
    }
}

void CScrollView::GetDeviceScrollSizes(int& mapMode, SIZE& total, SIZE& page, SIZE& line) const {
    mapMode = m_nMapMode;
    total = m_totalDev;
    page = m_pageDev;
    line = m_lineDev;
}

CPoint CScrollView::GetDeviceScrollPosition() const {
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

CPoint CScrollView::GetScrollPosition() const {
    CPoint position = GetDeviceScrollPosition();
    if (m_nMapMode != MM_TEXT) {
        CWindowDC dc(nullptr);
        dc.SetMapMode(m_nMapMode);
        dc.DPtoLP(&position);
    }
    return position;
}

void CScrollView::ScrollToPosition(POINT logical) {
    CPoint device = logical;
    if (m_nMapMode != MM_TEXT) {
        CWindowDC dc(nullptr);
        dc.SetMapMode(m_nMapMode);
        dc.LPtoDP(&device);
    }
    ScrollToDevicePosition(device);
}

void CScrollView::ScrollToDevicePosition(POINT device) {
    int x = std::clamp(static_cast<int>(device.x), 0, ScrollLimit(SB_HORZ));
    int y = std::clamp(static_cast<int>(device.y), 0, ScrollLimit(SB_VERT));
    CPoint old = GetDeviceScrollPosition();
    SetScrollPos(SB_HORZ, x);
    SetScrollPos(SB_VERT, y);
    ScrollWindow(old.x - x, old.y - y);
}

// The farthest position: the total less what the window shows (0 without a bar).
int CScrollView::ScrollLimit(int bar) const {
    CRect client;
    GetClientRect(&client);
    int total = bar == SB_HORZ ? m_totalDev.cx : m_totalDev.cy;
    int shown = bar == SB_HORZ ? client.Width() : client.Height();
    return std::max(0, total - shown);
}

void CScrollView::OnPrepareDC(CDC* dc, CPrintInfo* info) {
    dc->SetMapMode(m_nMapMode);
    if (!dc->IsPrinting()) {
        CPoint position = GetDeviceScrollPosition();
        dc->SetViewportOrg(-position.x, -position.y);
    }
    CView::OnPrepareDC(dc, info);
}

// Each bar shows while its total exceeds the client size; showing one bar narrows the
// client, so the sizes are settled twice.
void CScrollView::UpdateBars() {
    if (m_bInsideUpdate)
        return;
    m_bInsideUpdate = TRUE;
    for (int pass = 0; pass < 2; ++pass) {
        CRect client;
        GetClientRect(&client);
        for (int bar : {SB_HORZ, SB_VERT}) {
            int total = bar == SB_HORZ ? m_totalDev.cx : m_totalDev.cy;
            int shown = bar == SB_HORZ ? client.Width() : client.Height();
            SCROLLINFO info = {};
            info.fMask = SIF_PAGE | SIF_RANGE | SIF_DISABLENOSCROLL;
            info.nMin = 0;
            info.nMax = total > shown ? total - 1 : 0;
            info.nPage = total > shown ? static_cast<UINT>(shown) : 0;
            SetScrollInfo(bar, &info, TRUE);
            ShowScrollBar(bar, total > shown);
        }
    }
    m_bInsideUpdate = FALSE;
    ScrollToDevicePosition(GetDeviceScrollPosition());
}

void CScrollView::OnSize(UINT type, int cx, int cy) {
    CView::OnSize(type, cx, cy);
    UpdateBars();
}

void CScrollView::OnHScroll(UINT code, UINT position, CScrollBar* scrollBar) {
    if (scrollBar)
        CView::OnHScroll(code, position, scrollBar);
    else
        OnScroll(MAKEWORD(code, 0xFF), position);
}

void CScrollView::OnVScroll(UINT code, UINT position, CScrollBar* scrollBar) {
    if (scrollBar)
        CView::OnVScroll(code, position, scrollBar);
    else
        OnScroll(MAKEWORD(0xFF, code), position);
}

BOOL CScrollView::OnMouseWheel(UINT, short delta, CPoint) {
    int lines = -delta / WHEEL_DELTA * 3;
    return OnScrollBy(CSize(0, lines * m_lineDev.cy));
}

namespace {

// The new position on one axis for a scroll-bar code.
int Scrolled(BYTE code, int position, int thumb, int line, int page, int limit) {
    switch (code) {
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return limit;
    case SB_LINEUP:
        return position - line;
    case SB_LINEDOWN:
        return position + line;
    case SB_PAGEUP:
        return position - page;
    case SB_PAGEDOWN:
        return position + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return thumb;
    default:
        return position;
    }
}

}  // namespace

BOOL CScrollView::OnScroll(UINT scrollCode, UINT position, BOOL doScroll) {
    CPoint now = GetDeviceScrollPosition();
    int x = Scrolled(LOBYTE(scrollCode), now.x, static_cast<int>(position), m_lineDev.cx, m_pageDev.cx,
                     ScrollLimit(SB_HORZ));
    int y = Scrolled(HIBYTE(scrollCode), now.y, static_cast<int>(position), m_lineDev.cy, m_pageDev.cy,
                     ScrollLimit(SB_VERT));
    return OnScrollBy(CSize(x - now.x, y - now.y), doScroll);
}

BOOL CScrollView::OnScrollBy(CSize scroll, BOOL doScroll) {
    CPoint now = GetDeviceScrollPosition();
    CPoint target(std::clamp(static_cast<int>(now.x + scroll.cx), 0, ScrollLimit(SB_HORZ)),
                  std::clamp(static_cast<int>(now.y + scroll.cy), 0, ScrollLimit(SB_VERT)));
    if (target == now)
        return FALSE;
    if (doScroll)
        ScrollToDevicePosition(target);
    return TRUE;
}
