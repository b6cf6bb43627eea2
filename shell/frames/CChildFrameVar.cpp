#include "shell/frames/CChildFrameVar.h"

#include "project/CPlcWorkspace.h"
#include "shell/tables/CGlobalFBIView.h"
#include "shell/tables/CGlobalVarView.h"
#include "ui/docking/tabs/UIFlatTabCtrl.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CChildFrameVar, CTabbedChildFrame)

BEGIN_MESSAGE_MAP(CChildFrameVar, CTabbedChildFrame)
    ON_WM_CREATE()
    ON_WM_MDIACTIVATE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

namespace {
const UINT kTabStripId = 32900;
const UINT kGlobalVarViewId = 32902;
const UINT kInstanceViewId = 32903;

int Count(const CObArray& items, int least) { return std::max(least, static_cast<int>(items.GetSize())); }
}  // namespace

CChildFrameVar* CChildFrameVar::Open() {
    CChildFrameVar* frame = new CChildFrameVar;
    return frame->CreateCommandFrame("QLX_SYMBO_FRMAME", "VAR_GLOBAL") ? frame : nullptr;
}

int CChildFrameVar::OnCreate(LPCREATESTRUCT cs) {
    if (CTabbedChildFrame::OnCreate(cs) == -1 || !CreateTabStrip(kTabStripId)) return -1;
    CUIFlatTabCtrl* tabs = GetTabStrip();
    const CRect none(0, 0, 0, 0);
    m_globals = new CGlobalVarView;
    if (!m_globals->Create(nullptr, nullptr, WS_CHILD, none, tabs, kGlobalVarViewId, nullptr)) return -1;
    m_globals->SetRowCount(Count(theWorkspace->project.symbolList, 6));
    m_instances = new CGlobalFBIView;
    if (!m_instances->Create(nullptr, nullptr, WS_CHILD, none, tabs, kInstanceViewId, nullptr)) return -1;
    CountInstanceRows();
    tabs->InsertItem(0, "全局变量", m_globals);
    tabs->InsertItem(1, "功能块实例", m_instances);
    tabs->SetCurSel(0);
    return 0;
}

void CChildFrameVar::CountInstanceRows() {
    if (m_instances) m_instances->SetRowCount(Count(theWorkspace->project.fbInstances, 1));
}

void CChildFrameVar::OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated) {
    CTabbedChildFrame::OnMDIActivate(activate, activated, deactivated);
    if (activate) CountInstanceRows();
}

void CChildFrameVar::OnSetFocus(CWnd*) {
    CUIFlatTabCtrl* tabs = GetTabStrip();
    CWnd* view = tabs && tabs->GetCurSel() == 0 ? static_cast<CWnd*>(m_globals) : static_cast<CWnd*>(m_instances);
    if (view && view->GetSafeHwnd()) view->SetFocus();
}
