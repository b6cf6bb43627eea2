#include "shell/frames/CGridChildFrame.h"

#include "platform/CCPGridView.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGridChildFrame, CCommandChildFrame)

BEGIN_MESSAGE_MAP(CGridChildFrame, CCommandChildFrame)
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

BOOL CGridChildFrame::OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context) {
    if (!m_grid) {
        CRect client;
        GetClientRect(&client);
        CCPGridView* grid = MakeGridView();
        if (!grid->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_TABSTOP, client, this, m_viewId, nullptr))
            return FALSE;
        m_grid = grid;
        m_rows = std::max(6, ProjectRowCount());
        SetViewRows(m_rows);
        if (FocusOnCreation()) m_grid->SetFocus();
    }
    return CCommandChildFrame::OnCreateClient(cs, context);
}

void CGridChildFrame::OnSize(UINT type, int cx, int cy) {
    CCommandChildFrame::OnSize(type, cx, cy);
    if (!m_grid || !m_grid->GetSafeHwnd()) return;
    CRect client;
    GetClientRect(&client);
    m_grid->MoveWindow(&client, TRUE);
    m_grid->SetFocus();
}

void CGridChildFrame::OnSetFocus(CWnd*) {
    if (m_grid && m_grid->GetSafeHwnd()) m_grid->SetFocus();
}
