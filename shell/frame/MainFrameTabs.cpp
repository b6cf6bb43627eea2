#include "shell/frame/CMainFrame.h"

// The tabbed document area: one tab per document window, its strip at the top or the
// bottom, and the context menu of a tab.

void CMainFrame::AttachTabClient() {}

void CMainFrame::DetachTabClient() {}

void CMainFrame::UpdateTabs() {}

void CMainFrame::RefreshTabs() {}

void CMainFrame::ApplyTabPosition() {}

void CMainFrame::ShowDocumentTabs(BOOL) {}

LRESULT CMainFrame::OnTabWorkspaceMouseNotify(WPARAM message, LPARAM) { return message == WM_RBUTTONDOWN ? 1 : 0; }
