#include "shell/frames/CChFrmInitData.h"

#include "comm/CStatusTblView.h"
#include "project/CPlcWorkspace.h"
#include "shell/tables/CInitDataView.h"

IMPLEMENT_DYNAMIC(CChFrmInitData, CGridChildFrame)
IMPLEMENT_DYNAMIC(CChildFrmStatus, CGridChildFrame)

namespace {
CCPGridView* MakeStatusTable() { return new CStatusTblView; }

CChildFrmStatus::ViewFactory statusViewFactory = MakeStatusTable;
}  // namespace

CChFrmInitData* CChFrmInitData::Open() {
    CChFrmInitData* frame = new CChFrmInitData;
    return frame->CreateCommandFrame("MFC_INITDATA_FRAME", "初始化数据表") ? frame : nullptr;
}

CCPGridView* CChFrmInitData::MakeGridView() { return new CInitDataView; }

int CChFrmInitData::ProjectRowCount() const { return static_cast<int>(theWorkspace->project.initDataRows.GetSize()); }

void CChFrmInitData::SetViewRows(int rows) { static_cast<CInitDataView*>(GetGridView())->SetRowCount(rows); }

void CChildFrmStatus::SetViewFactory(ViewFactory factory) {
    statusViewFactory = factory ? factory : MakeStatusTable;
}

CChildFrmStatus* CChildFrmStatus::Open() {
    CChildFrmStatus* frame = new CChildFrmStatus;
    return frame->CreateCommandFrame("MFC_STATUS_FRAME", "变量状态表") ? frame : nullptr;
}

CCPGridView* CChildFrmStatus::MakeGridView() { return statusViewFactory(); }

int CChildFrmStatus::ProjectRowCount() const { return static_cast<int>(theWorkspace->project.statusRows.GetSize()); }

void CChildFrmStatus::SetViewRows(int rows) {
    if (auto* table = dynamic_cast<CStatusTblView*>(GetGridView()))
        table->SetRowCount(rows);
    else
        GetGridView()->SetGridRowCount(rows);
}
