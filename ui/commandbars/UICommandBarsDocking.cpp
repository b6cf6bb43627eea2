// The dock bars of the command bars and the moves of toolbars between them and their
// floating windows.
#include "ui/commandbars/UICommandBars.h"

#include "ui/commandbars/UIBarDragTracker.h"
#include "ui/commandbars/UIDockBar.h"
#include "ui/commandbars/UIToolBar.h"

#include "platform/CControlBar.h"
#include "platform/CException.h"
#include "platform/CFrameWnd.h"

namespace {

struct DockBarKind {
    int position;
    UINT id;
    DWORD style;
};
const DockBarKind kDockBars[] = {
    {uiBarTop, 59419, CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM},
    {uiBarBottom, 59422, CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP},
    {uiBarLeft, 59420, CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT},
    {uiBarRight, 59421, CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT},
};

}  // namespace

void CUICommandBars::EnableDockingOf(CUICommandBar* bar, DWORD flags) {
    if (CUIToolBar* toolBar = dynamic_cast<CUIToolBar*>(bar))
        toolBar->EnableDocking(flags);
    else
        bar->m_dockingFlags = flags;
}

void CUICommandBars::EnableDockingBars() {
    for (const DockBarKind& kind : kDockBars) {
        if (m_dockBars[kind.position] != nullptr)
            continue;
        CUIDockBar* dockBar = new CUIDockBar(this);
        if (!dockBar->Create(m_site, kind.style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, kind.id)) {
            delete dockBar;
            AfxThrowResourceException();
        }
        m_dockBars[kind.position] = dockBar;
    }
}

CUIDockBar* CUICommandBars::GetDockBar(int position) const {
    return position >= uiBarTop && position <= uiBarRight ? m_dockBars[position] : nullptr;
}

BOOL CUICommandBars::DockCommandBar(CUIToolBar* bar, LPCRECT rect, CUIDockBar* dockBar) {
    if (dockBar == nullptr || !bar->SetFloatingMode(m_site, FALSE))
        return FALSE;
    dockBar->DockBar(bar, rect);
    bar->SetPosition(dockBar->GetDockPosition());
    return TRUE;
}

BOOL CUICommandBars::DockCommandBarTo(CUIToolBar* bar, int position) {
    return DockCommandBar(bar, nullptr, GetDockBar(position));
}

BOOL CUICommandBars::FloatCommandBar(CUIToolBar* bar) {
    if (!bar->SetFloatingMode(m_site, TRUE))
        return FALSE;
    if (bar->m_dockBar) {
        bar->m_dockBar->RemoveBar(bar);
        bar->m_dockBar = nullptr;
    }
    bar->SetPosition(uiBarFloating);
    return TRUE;
}

CUIDockBar* CUICommandBars::CanDock(CPoint point, CUIDockBar* current) const {
    const int distance = CUIBarDragTracker::DockDistance;
    CUIDockBar* candidates[] = {current, m_dockBars[uiBarTop], m_dockBars[uiBarBottom], m_dockBars[uiBarLeft],
                                m_dockBars[uiBarRight]};
    for (CUIDockBar* dockBar : candidates) {
        if (dockBar == nullptr || dockBar->GetSafeHwnd() == nullptr)
            continue;
        CRect rect;
        dockBar->GetWindowRect(&rect);
        rect.InflateRect(distance, distance);
        if (rect.PtInRect(point))
            return dockBar;
    }
    return nullptr;
}
