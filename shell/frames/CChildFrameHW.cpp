#include "shell/frames/CChildFrameHW.h"

#include "shell/frames/StandInView.h"

IMPLEMENT_DYNAMIC(CChildFrameHW, CCommandChildFrame)

BEGIN_MESSAGE_MAP(CChildFrameHW, CCommandChildFrame)
    ON_WM_MDIACTIVATE()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

namespace {
CChildFrameHW::Panes& InstalledPanes() {
    static CChildFrameHW::Panes panes = {RUNTIME_CLASS(CStandInView), RUNTIME_CLASS(CStandInView), nullptr};
    return panes;
}
}  // namespace

void CChildFrameHW::SetPanes(const Panes& panes) { InstalledPanes() = panes; }

CChildFrameHW* CChildFrameHW::Open() {
    CChildFrameHW* frame = new CChildFrameHW;
    return frame->CreateCommandFrame("MFC_HW_FRAME", "硬件配置") ? frame : nullptr;
}

BOOL CChildFrameHW::OnCreateClient(LPCREATESTRUCT, CCreateContext* context) {
    const Panes& panes = InstalledPanes();
    if (!m_splitter.CreateStatic(this, 2, 1, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST) ||
        !m_splitter.CreateView(0, 0, panes.grid, CSize(100, kGridRowHeight), context) ||
        !m_splitter.CreateView(1, 0, panes.info, CSize(200, kInfoRowHeight), context))
        return FALSE;
    if (panes.attach)
        panes.attach(*this);
    return TRUE;
}

void CChildFrameHW::OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated) {
    CCommandChildFrame::OnMDIActivate(activate, activated, deactivated);
    if (activate && m_splitter.GetSafeHwnd())
        if (CWnd* grid = m_splitter.GetPane(0, 0)) grid->SetFocus();
    if (IChildFrameHost* host = GetChildFrameHost()) host->ShowHardwarePanes(activate);
}

BOOL CChildFrameHW::CheckConfiguration() {
    const Panes& panes = InstalledPanes();
    return panes.canClose == nullptr || panes.canClose(m_splitter);
}

void CChildFrameHW::OnClose() {
    if (CheckConfiguration())
        CCommandChildFrame::OnClose();
}
