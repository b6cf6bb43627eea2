#include "shell/frames/CChFrmInitData.h"

#include "project/CPlcWorkspace.h"
#include "shell/tables/CInitDataView.h"

IMPLEMENT_DYNAMIC(CChFrmInitData, CGridChildFrame)
IMPLEMENT_DYNAMIC(CChildFrmStatus, CGridChildFrame)

namespace {
// An empty grid in place of the status table until that view is built.
class CStandInGridView : public CCPGridView {
public:
    void GetCellText(int, int, CString& text, int& mark) override {
        text.Empty();
        mark = 0;
    }
};

CCPGridView* MakeStandInGrid() { return new CStandInGridView; }

CChildFrmStatus::ViewFactory statusViewFactory = MakeStandInGrid;
}  // namespace

CChFrmInitData* CChFrmInitData::Open() {
    CChFrmInitData* frame = new CChFrmInitData;
    return frame->CreateCommandFrame("MFC_INITDATA_FRAME", "初始化数据表") ? frame : nullptr;
}

CCPGridView* CChFrmInitData::MakeGridView() { return new CInitDataView; }

int CChFrmInitData::ProjectRowCount() const { return static_cast<int>(theWorkspace->project.initDataRows.GetSize()); }

void CChFrmInitData::SetViewRows(int rows) { static_cast<CInitDataView*>(GetGridView())->SetRowCount(rows); }

void CChildFrmStatus::SetViewFactory(ViewFactory factory) {
    statusViewFactory = factory ? factory : MakeStandInGrid;
}

CChildFrmStatus* CChildFrmStatus::Open() {
    CChildFrmStatus* frame = new CChildFrmStatus;
    return frame->CreateCommandFrame("MFC_STATUS_FRAME", "变量状态表") ? frame : nullptr;
}

CCPGridView* CChildFrmStatus::MakeGridView() { return statusViewFactory(); }

int CChildFrmStatus::ProjectRowCount() const { return static_cast<int>(theWorkspace->project.statusRows.GetSize()); }

void CChildFrmStatus::SetViewRows(int rows) { GetGridView()->SetGridRowCount(rows); }
