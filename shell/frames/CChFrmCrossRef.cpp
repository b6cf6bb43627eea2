#include "shell/frames/CChFrmCrossRef.h"

#include "res/resource.h"
#include "shell/frames/StandInView.h"
#include "ui/docking/tabs/UIFlatTabCtrl.h"

IMPLEMENT_DYNAMIC(CChFrmCrossRef, CTabbedChildFrame)

BEGIN_MESSAGE_MAP(CChFrmCrossRef, CTabbedChildFrame)
    ON_WM_CREATE()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

namespace {
const UINT kTabStripId = 32901;

CWnd* MakeStandInList(CWnd* parent, UINT id) {
    CStandInView* view = new CStandInView;
    return view->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 0, 0), parent, id, nullptr) ? view : nullptr;
}

CChFrmCrossRef::ListFactory listFactory = MakeStandInList;
}  // namespace

void CChFrmCrossRef::SetListFactory(ListFactory factory) { listFactory = factory ? factory : MakeStandInList; }

CChFrmCrossRef* CChFrmCrossRef::Open() {
    CChFrmCrossRef* frame = new CChFrmCrossRef;
    return frame->CreateCommandFrame("QLX_CROSSREF_FRMAME", "交叉索引表") ? frame : nullptr;
}

int CChFrmCrossRef::OnCreate(LPCREATESTRUCT cs) {
    if (CTabbedChildFrame::OnCreate(cs) == -1 || !CreateTabStrip(kTabStripId)) return -1;
    m_list = listFactory(GetTabStrip(), IDC_CROSS_REFERENCE_LIST);
    if (!m_list) return -1;
    GetTabStrip()->InsertItem(0, IDC_CROSS_REFERENCE_LIST, m_list);
    GetTabStrip()->SetCurSel(0);
    return 0;
}

void CChFrmCrossRef::OnClose() {
    DeleteTabStrip();
    m_list = nullptr;
    CTabbedChildFrame::OnClose();
}
