#include "shell/frame/CMainFrame.h"

#include "platform/CMenu.h"
#include "res/resource.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/docking/tabs/UITabStrip.h"
#include "ui/docking/tabs/UITabTheme.h"

// The tabbed document area: one tab per document window, its strip at the top or the
// bottom, and the context menu of a tab.

namespace {
const int kNoCloseButton = 2;
}

void CMainFrame::AttachTabClient() {
    m_tabClient.AttachToMDIFrame(this, FALSE);
    m_tabClient.GetPaintManager()->tabIcons = FALSE;
    m_tabClient.SetFlags(kNoCloseButton);
}

void CMainFrame::DetachTabClient() { m_tabClient.DetachFromMDIFrame(); }

void CMainFrame::UpdateTabs() {
    if (m_tabClient.GetSafeHwnd())
        m_tabClient.UpdateTabs();
}

void CMainFrame::RefreshTabs() {
    if (m_tabClient.GetSafeHwnd())
        m_tabClient.Refresh(TRUE);
}

int CMainFrame::GetTabPosition() const { return m_tabClient.GetPaintManager()->GetPosition(); }

void CMainFrame::OnSwitchTabPosition() {
    CUITabTheme* theme = m_tabClient.GetPaintManager();
    theme->SetPosition(theme->GetPosition() == TabPositionTop ? TabPositionBottom : TabPositionTop);
    RefreshTabs();
}

void CMainFrame::ShowDocumentTabs(BOOL show) {
    if (m_tabClient.GetSafeHwnd())
        m_tabClient.ShowTabs(show);
}

// A right press on a tab makes its window active and offers menu 161; the empty strip
// offers nothing.
LRESULT CMainFrame::OnTabWorkspaceMouseNotify(WPARAM message, LPARAM lParam) {
    if (message != WM_RBUTTONDOWN)
        return 0;
    CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    if (CUITabStripItem* item = m_tabClient.HitTestTab(point)) {
        m_pTabMenuWindow = CWnd::FromHandle(reinterpret_cast<HWND>(item->GetHandle()));
        m_tabClient.MDIActivate(m_pTabMenuWindow->GetSafeHwnd());
        m_tabClient.Refresh(FALSE);
        ShowTabMenu(point);
    }
    m_tabClient.Refresh(FALSE);
    return 1;
}

void CMainFrame::ShowTabMenu(CPoint clientPoint) {
    CMenu menu;
    if (m_pCommandBars == nullptr || !menu.LoadMenu(IDR_MENU_DOCUMENT_TAB))
        return;
    m_tabClient.TabPointToScreen(clientPoint);
    if (CMenu* popup = menu.GetSubMenu(0))
        m_pCommandBars->TrackContextMenu(popup, 0, clientPoint.x, clientPoint.y, this, nullptr, this);
    menu.DestroyMenu();
}
