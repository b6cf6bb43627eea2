#include "shell/frames/CTabbedChildFrame.h"

#include "ui/docking/tabs/UIFlatTabCtrl.h"

IMPLEMENT_DYNAMIC(CTabbedChildFrame, CCommandChildFrame)

BEGIN_MESSAGE_MAP(CTabbedChildFrame, CCommandChildFrame)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CTabbedChildFrame::CTabbedChildFrame(ChildWindow window) : CCommandChildFrame(window) {}

CTabbedChildFrame::~CTabbedChildFrame() = default;

BOOL CTabbedChildFrame::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= WS_CLIPCHILDREN | WS_BORDER;
    return CCommandChildFrame::PreCreateWindow(cs);
}

BOOL CTabbedChildFrame::CreateTabStrip(UINT id) {
    m_tabs = std::make_unique<CUIFlatTabCtrl>();
    CRect client;
    GetClientRect(&client);
    if (!m_tabs->Create(WS_CHILD | WS_VISIBLE | FlatTabBottom | FlatTabArrows, client, this, id)) return FALSE;
    m_tabs->ModifyStyleEx(0, WS_EX_STATICEDGE);
    return TRUE;
}

void CTabbedChildFrame::DeleteTabStrip() {
    if (m_tabs && m_tabs->GetSafeHwnd()) m_tabs->DestroyWindow();
    m_tabs.reset();
}

void CTabbedChildFrame::OnSize(UINT type, int cx, int cy) {
    CCommandChildFrame::OnSize(type, cx, cy);
    if (m_tabs && m_tabs->GetSafeHwnd()) {
        CRect client;
        GetClientRect(&client);
        m_tabs->MoveWindow(&client);
    }
}
