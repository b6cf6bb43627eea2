#include "shell/project/CUsedVarRefView.h"

#include "compiler/AddressUsageMap.h"
#include "compiler/CompileVariables.h"
#include "editors/POUEditorDoc.h"
#include "platform/CCmdUI.h"
#include "project/CPlcWorkspace.h"
#include "project/CProjTreeNode.h"
#include "project/CQLXSymbol.h"
#include "res/resource.h"
#include "shell/project/PouNames.h"
#include "shell/project/ProjectShell.h"

#include <cstdlib>
#include <vector>
#include <windowsx.h>

IMPLEMENT_DYNCREATE(CUsedVarRefView, CListView)

BEGIN_MESSAGE_MAP(CUsedVarRefView, CListView)
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDoubleClick)
    ON_NOTIFY_REFLECT(NM_RCLICK, OnRightClick)
    ON_NOTIFY_REFLECT(LVN_KEYDOWN, OnListKeyDown)
    ON_COMMAND(ID_CROSS_REFERENCE_REFRESH, OnRefresh)
    ON_COMMAND(ID_CROSS_REFERENCE_LOCATE, OnLocate)
    ON_UPDATE_COMMAND_UI(ID_CROSS_REFERENCE_LOCATE, OnUpdateLocate)
END_MESSAGE_MAP()

namespace {

enum Column { ColNumber, ColAddress, ColGlobal, ColPou, ColPlace, ColAccess };

// Every area the compiler records, bit uses and every width included.
const OperandDescriptor EveryUse = OD_AREA_AI | OD_AREA_AQ | OD_AREA_I | OD_AREA_M | OD_AREA_Q | OD_AREA_SM |
                                   OD_AREA_V | OD_AREA_HC | OD_AREA_T | OD_AREA_C | OD_AREA_RS | OD_AREA_SR | 0x0F;

// Every recorded use; the list grows past the first capacity when the compile recorded
// more, so that no use is hidden.
std::vector<AddressUseRecord> CollectEveryUse(int capacity) {
    std::vector<AddressUseRecord> rows;
    for (int size = capacity; size > 0; size *= 2) {
        rows.assign(size, AddressUseRecord());
        int count = size;
        if (CollectAddressUsage(EveryUse, count, rows.data())) {
            rows.resize(count);
            return rows;
        }
    }
    return {};
}

}  // namespace

int CUsedVarRefView::CapacityOfCpuClass(int cpuClass) {
    switch (cpuClass) {
    case 0: return 1200;
    case 1: return 2200;
    case 2: return 8200;
    default: return 0;
    }
}

CString CrossReferencePouText(const CString& programName) {
    const CQLXProject& project = theWorkspace->project;
    CString name;
    if (programName == "MAIN")
        name = project.mainPou.name;
    else if (programName.Left(3) == "SBR")
        project.TranslateSubroutineName(programName, name, FALSE);
    else if (programName.Left(3) == "INT")
        project.TranslateInterruptName(programName, name, FALSE);
    return name;
}

CString CrossReferencePlaceText(int numberingMode, int position) {
    CString text;
    if (numberingMode == kNumberByLine)
        text.Format("%s%3d%s", "第 ", position, " 行");
    else
        text.Format("%s%3d", "Network ", position);
    return text;
}

CString CrossReferenceAccessText(unsigned access) {
    if ((access & kAccessReadWrite) == kAccessReadWrite)
        return "读写";
    if (access & kAccessRead)
        return "读";
    return access & kAccessWrite ? "写" : "";
}

// The whole number after the prefix: a line past 999 has four digits after the blank.
int CrossReferencePlaceNumber(const CString& place) {
    if (place.Left(2) == "第")
        return std::atoi(place.Mid(2));
    if (place.Left(7) == "Network")
        return std::atoi(place.Mid(7));
    return 0;
}

// ---- The view ----------------------------------------------------------------------------

BOOL CUsedVarRefView::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL;
    return CListView::PreCreateWindow(cs);
}

void CUsedVarRefView::OnInitialUpdate() {
    CListView::OnInitialUpdate();
    if (!m_columnsAdded) {
        AddColumns();
        m_columnsAdded = true;
    }
    Refresh();
}

void CUsedVarRefView::AddColumns() {
    CRect frame;
    (GetParent() != nullptr ? GetParent() : this)->GetClientRect(&frame);
    const int w = frame.Width();
    CListCtrl& list = GetListCtrl();
    list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_TRACKSELECT | LVS_EX_FULLROWSELECT);
    list.InsertColumn(ColNumber, "序 号", LVCFMT_LEFT, w / 8);
    list.InsertColumn(ColAddress, "地 址", LVCFMT_LEFT, w / 5);
    list.InsertColumn(ColGlobal, "全局变量名", LVCFMT_LEFT, w / 5);
    list.InsertColumn(ColPou, "POU", LVCFMT_LEFT, w / 5);
    list.InsertColumn(ColPlace, "位 置", LVCFMT_LEFT, w / 5);
    list.InsertColumn(ColAccess, "读/写", LVCFMT_LEFT, w / 6);
}

void CUsedVarRefView::Refresh() {
    CListCtrl& list = GetListCtrl();
    const int selected = GetSelectedRow();
    list.DeleteAllItems();
    const int capacity = CapacityOfCpuClass(theWorkspace->project.cpuClass);
    if (capacity == 0)
        return;
    const std::vector<AddressUseRecord> uses = CollectEveryUse(capacity);
    // Thousands of rows: the list draws once at the end, not after every row.
    list.SendMessage(WM_SETREDRAW, FALSE);
    for (size_t i = 0; i < uses.size(); ++i)
        AddRow(static_cast<int>(i), uses[i]);
    list.SendMessage(WM_SETREDRAW, TRUE);
    list.Invalidate();
    if (selected >= 0 && selected < list.GetItemCount()) {
        list.SetItemState(selected, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        list.SetSelectionMark(selected);
    }
}

void CUsedVarRefView::AddRow(int index, const AddressUseRecord& use) {
    CListCtrl& list = GetListCtrl();
    CString number;
    number.Format("%4d", index);
    list.InsertItem(index, number);
    list.SetItemText(index, ColAddress, use.operand);
    CQLXSymbol* symbol = nullptr;
    if (theWorkspace->FindGlobalSymbol(use.operand, symbol) && symbol != nullptr)
        list.SetItemText(index, ColGlobal, symbol->name);
    list.SetItemText(index, ColPou, CrossReferencePouText(use.programName));
    list.SetItemText(index, ColPlace, CrossReferencePlaceText(use.numberingMode, use.position));
    list.SetItemText(index, ColAccess, CrossReferenceAccessText(use.access));
}

int CUsedVarRefView::GetSelectedRow() const { return GetListCtrl().GetNextItem(-1, LVNI_SELECTED); }

void CUsedVarRefView::LocateSelected() {
    const int row = GetSelectedRow();
    if (row < 0)
        return;
    CListCtrl& list = GetListCtrl();
    const CString path = ProgramPathOfPouName(theWorkspace->project, list.GetItemText(row, ColPou));
    if (path.IsEmpty())
        return;
    const int place = CrossReferencePlaceNumber(list.GetItemText(row, ColPlace));
    if (auto* document = dynamic_cast<CPOUEditorDoc*>(GetProjectShell().OpenDocumentFile(path)))
        document->GoToNetwork(place);
}

void CUsedVarRefView::OnUpdateLocate(CCmdUI* cmdUI) { cmdUI->Enable(GetSelectedRow() >= 0); }

void CUsedVarRefView::OnDoubleClick(NMHDR*, LRESULT* result) {
    LocateSelected();
    *result = 0;
}

void CUsedVarRefView::OnListKeyDown(NMHDR* header, LRESULT* result) {
    if (reinterpret_cast<const NMLVKEYDOWN*>(header)->wVKey == VK_RETURN)
        LocateSelected();
    *result = 0;
}

void CUsedVarRefView::OnRightClick(NMHDR* header, LRESULT* result) {
    const auto* click = reinterpret_cast<const NMITEMACTIVATE*>(header);
    if (click->iItem >= 0)
        GetListCtrl().SetItemState(click->iItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    const DWORD position = ::GetMessagePos();
    const CPoint point(GET_X_LPARAM(position), GET_Y_LPARAM(position));
    GetProjectShell().TrackContextMenu(IDR_MENU_CROSS_REFERENCE, point, this);
    *result = 0;
}
