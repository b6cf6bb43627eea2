#include "shell/tables/CGlobalFBIView.h"

#include "project/CPlcWorkspace.h"
#include "project/CQLXFB.h"
#include "shell/tables/TableViewShell.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CGlobalFBIView, CCPGridView)

namespace {

const int FBInstanceTableKind = 3;

}  // namespace

CGlobalFBIView::CGlobalFBIView() : CGlobalFBIView(theWorkspace->project) {}

CGlobalFBIView::CGlobalFBIView(CQLXProject& project) : m_project(project) {
    AddCol(140, "FB实例名称", 0x8804, 0x8024);
    AddCol(140, "FB类型", 0x8804, 0x8024);
    AddCol(160, "FB实例定义位置", 0x8804, 0x8024);
    SetFixedColCount(1);
    SetFixedColWidth(50);
    SetGridStyle(FBInstanceTableKind);
}

int CGlobalFBIView::GetInitialRowCount() const {
    return std::max(1, static_cast<int>(m_project.fbInstances.GetSize()));
}

void CGlobalFBIView::GetCellText(int col, int row, CString& text, int& mark) {
    text.Empty();
    mark = CPMarkPlain;
    if (row < 0 || row >= m_project.fbInstances.GetSize() || m_project.fbInstances[row] == nullptr)
        return;
    const auto* instance = static_cast<const CQLXFB*>(m_project.fbInstances[row]);
    text = col == 0 ? instance->instanceName : col == 1 ? instance->typeName : instance->ownerPou;
}

void CGlobalFBIView::OnDraw(CDC* dc) {
    OnGridDraw(dc);
    ShowGridFocusInStatusBar(*this);
}

void CGlobalFBIView::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (key != VK_RETURN && key != VK_DELETE)
        CCPGridView::OnKeyDown(key, repeat, flags);
}
