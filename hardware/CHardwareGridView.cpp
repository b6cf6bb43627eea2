#include "hardware/CHardwareGridView.h"

#include "hardware/CHWInfoView.h"
#include "hardware/HardwareShell.h"
#include "platform/CCmdUI.h"
#include "project/CQLXProject.h"
#include "project/CQLX_R2_PLC.h"
#include "res/resource.h"

#include <algorithm>

namespace {

constexpr UINT CenteredCell = 0x8025;   // centred, single line, vertically centred, end ellipsis
constexpr UINT LeftCell = 0x8024;
constexpr int FixedColumnWidth = 50;
constexpr int HardwareGridStyle = 7;

struct SlotColumn {
    int width;
    const char* title;
    UINT format;
};

const SlotColumn Columns[] = {
    {80, "模块名称", CenteredCell},
    {80, "输入区地址", CenteredCell},
    {80, "输出区地址", CenteredCell},
    {320, "备 注", LeftCell},
};
constexpr int ColumnCount = static_cast<int>(sizeof(Columns) / sizeof(Columns[0]));
constexpr int RemarkColumn = 3;

}  // namespace

IMPLEMENT_DYNCREATE(CHardwareGridView, CCPGridView)

BEGIN_MESSAGE_MAP(CHardwareGridView, CCPGridView)
    ON_WM_CREATE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_COMMAND(ID_DELETE_MODULES, DeleteModules)
    ON_UPDATE_COMMAND_UI(ID_DELETE_MODULES, OnUpdateDeleteModules)
END_MESSAGE_MAP()

CHardwareGridView::CHardwareGridView() = default;
CHardwareGridView::~CHardwareGridView() = default;

void CHardwareGridView::Attach(CQLXProject* project, HardwareShell* shell) {
    m_project = project;
    m_shell = shell;
    HardwareSlotPanes& panes = *this;
    m_slots = std::make_unique<HardwareSlots>(*project, panes, *shell);
}

int CHardwareGridView::OnCreate(LPCREATESTRUCT cs) {
    if (CCPGridView::OnCreate(cs) == -1)
        return -1;
    for (int col = 0; col < ColumnCount; ++col) {
        AddCol(Columns[col].width, Columns[col].title, Columns[col].format, CenteredCell);
        DefineColCtrl(col, CPCtrlNone, WS_CHILD, static_cast<UINT>(col));
    }
    SetFixedColCount(1);
    SetFixedColWidth(FixedColumnWidth);
    SetFocusCell(1, 1);
    SetGridStyle(HardwareGridStyle);
    return 0;
}

void CHardwareGridView::OnInitialUpdate() {
    CCPGridView::OnInitialUpdate();
    if (m_slots != nullptr)
        m_slots->InitialUpdate();
}

void CHardwareGridView::GetCellText(int col, int row, CString& text, int& mark) {
    const CObArray& modules = m_project->modules;
    const auto* module = row < modules.GetSize() ? static_cast<const CQLX_R2_PLC*>(modules[row]) : nullptr;
    text = SlotCellText(module, col);
    mark = col == RemarkColumn ? CPMarkComment : CPMarkPlain;
}

// The grid's focus and selection follow the slot rules' focus cell: its whole row.
void CHardwareGridView::ShowSlotSelection() {
    const int row = m_slots->FocusRow();
    SetFocusCell(m_slots->FocusColumn() + 1, row);
    SetSelectRange(0, ColumnCount - 1, row - 1, row - 1);
    RedrawGrid();
}

void CHardwareGridView::SelectSlotCell(int row, int column) {
    m_slots->SelectSlotCell(row, column);
    ShowSlotSelection();
}

void CHardwareGridView::InsertModule(const ModuleSpec* spec) {
    m_slots->InsertModule(spec);
}

void CHardwareGridView::DeleteModules() {
    int firstCol = 0, lastCol = 0, firstRow = 0, lastRow = 0;
    GetSelectRange(firstCol, lastCol, firstRow, lastRow);
    m_slots->DeleteModules(firstRow + 1, lastRow + 1);
}

void CHardwareGridView::OnUpdateDeleteModules(CCmdUI* cmdUI) {
    cmdUI->Enable(m_slots != nullptr && m_slots->CanDeleteModules());
}

void CHardwareGridView::OnLButtonDown(UINT flags, CPoint point) {
    const int col = XToCol(point.x);
    const int row = YToRow(point.y);
    if (col >= 1 && row >= 1) {
        SetFocus();
        SelectSlotCell(row, col - 1);
        return;
    }
    CCPGridView::OnLButtonDown(flags, point);
    if (row == 0 && col >= 1)
        SetSelectRange(0, ColumnCount - 1, GetFocusRow() - 1, GetFocusRow() - 1);
    else
        SelectSlotCell(GetFocusRow(), GetFocusCol() - 1);
    RedrawGrid();
}

void CHardwareGridView::OnRButtonDown(UINT flags, CPoint point) {
    const int col = XToCol(point.x);
    const int row = YToRow(point.y);
    if (col < 1 || row < 1)
        return;
    int firstCol = 0, lastCol = 0, firstRow = 0, lastRow = 0;
    GetSelectRange(firstCol, lastCol, firstRow, lastRow);
    const bool insideRows = firstRow != lastRow && row - 1 >= firstRow && row - 1 <= lastRow;
    if (insideRows) {
        SetFocusCell(col, row);
        RedrawGrid();
    } else {
        SelectSlotCell(row, col - 1);
    }
    CPoint screen = point;
    ClientToScreen(&screen);
    m_shell->TrackContextMenu(IDR_MENU_SLOT_GRID, screen, this);
}

// Up and Down wrap around; with Shift the end of the selection moves instead.
void CHardwareGridView::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    const int rows = m_slots->RowCount();
    const int page = std::max(GetVisibleRowCount() - 1, 1);
    switch (key) {
    case VK_UP:
        if (shift)
            MoveSelectionEnd(-1);
        else
            MoveFocusRow(m_slots->FocusRow() == 1 ? rows : m_slots->FocusRow() - 1);
        break;
    case VK_DOWN:
        if (shift)
            MoveSelectionEnd(1);
        else
            MoveFocusRow(m_slots->FocusRow() == rows ? 1 : m_slots->FocusRow() + 1);
        break;
    case VK_PRIOR:
        if (shift)
            MoveSelectionEnd(-page);
        else
            MoveFocusRow(std::max(m_slots->FocusRow() - page, 1));
        break;
    case VK_NEXT:
        if (shift)
            MoveSelectionEnd(page);
        else
            MoveFocusRow(std::min(m_slots->FocusRow() + page, rows));
        break;
    case VK_DELETE:
        DeleteModules();
        break;
    case VK_SHIFT:
    case VK_CONTROL:
        CCPGridView::OnKeyDown(key, repeat, flags);
        break;
    default:
        break;
    }
}

void CHardwareGridView::MoveFocusRow(int row) {
    SelectSlotCell(row, m_slots->FocusColumn());
}

void CHardwareGridView::MoveSelectionEnd(int rows) {
    const int row = std::min(std::max(GetFocusRow() + rows, 1), m_slots->RowCount());
    MoveFocusTo(GetFocusCol(), row, true);
    int firstCol = 0, lastCol = 0, firstRow = 0, lastRow = 0;
    GetSelectRange(firstCol, lastCol, firstRow, lastRow);
    SetSelectRange(0, ColumnCount - 1, firstRow, lastRow);
    RedrawGrid();
}

int CHardwareGridView::TabCount() {
    return m_info != nullptr ? m_info->TabCount() : 1;
}

void CHardwareGridView::ShowTab(int tab) {
    if (m_info != nullptr)
        m_info->ShowTab(tab);
}

void CHardwareGridView::ShowModulePage(int position, CQLX_R2_PLC* module) {
    if (m_info != nullptr)
        m_info->ShowModulePage(position, module);
}

void CHardwareGridView::RemoveTab(int tab) {
    if (m_info != nullptr)
        m_info->RemoveTab(tab);
}

void CHardwareGridView::PutHowToTab(int tab) {
    if (m_info != nullptr)
        m_info->PutHowToTab(tab);
}

void CHardwareGridView::RefreshGrid() {
    if (m_hWnd == nullptr)
        return;
    if (GetGridRowCount() != m_slots->RowCount())
        SetGridRowCount(m_slots->RowCount());
    ShowSlotSelection();
}
