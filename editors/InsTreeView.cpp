#include "editors/InsTreeView.h"

#include "editors/POUEditorDoc.h"
#include "language/InstrDesc.h"
#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CWinThread.h"
#include "project/CPlcWorkspace.h"
#include "res/resource.h"

namespace {
constexpr DWORD TreeStyles = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES |
                             TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_TRACKSELECT;
constexpr int ImageSize = 16;
constexpr int TipLength = 39;
const char* const SubroutineGroupText = "子程序";

enum Image { LadderGroupImage, LadderItemImage, ILItemImage, ILGroupImage };

// The groups in tree order with the number of records each takes from the language's
// table (which lists them in the same order, hidden records included).
struct TreeGroup {
    const char* text;
    int ladderRecords;
    int ilRecords;
};

enum { ClockGroup = 9, InterruptGroup = 8, TimerGroup = 12, PidGroup = 13 };

const TreeGroup Groups[] = {
    {"位指令", 18, 28},  {"赋值指令", 4, 4},  {"比较指令", 6, 6},   {"逻辑运算", 6, 6},
    {"移位指令", 6, 6},  {"类型转换", 13, 13}, {"数学运算", 14, 14}, {"程序控制", 12, 12},
    {"中断指令", 4, 4},  {"实时时钟", 2, 2},   {"通讯指令", 2, 2},   {"计数器", 6, 6},
    {"定时器", 3, 3},    {"PID回路", 1, 1},
};
constexpr int GroupCount = sizeof(Groups) / sizeof(Groups[0]);

const InstrDesc* Records(BOOL ladder) { return ladder ? LadderInstrCatalogue : ILInstrTreeTable; }

int FirstRecord(int group, BOOL ladder) {
    int first = 0;
    for (int i = 0; i < group; ++i) first += ladder ? Groups[i].ladderRecords : Groups[i].ilRecords;
    return first;
}

// The active view of the active child frame, when that frame edits a POU.
CWnd* ActiveEditorView() {
    auto* mainFrame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    CFrameWnd* active = mainFrame ? mainFrame->GetActiveFrame() : nullptr;
    if (!active || active == mainFrame) return nullptr;
    CView* view = active->GetActiveView();
    CDocument* document = view ? view->GetDocument() : nullptr;
    return dynamic_cast<CPOUEditorDoc*>(document) ? view : nullptr;
}
}  // namespace

IMPLEMENT_DYNCREATE(CInsTreeView, CTreeView)

BEGIN_MESSAGE_MAP(CInsTreeView, CTipTreeView)
    ON_WM_CREATE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CInsTreeView::CInsTreeView() : CTipTreeView(TipLength) {}

BOOL CInsTreeView::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= TreeStyles;
    return CTreeView::PreCreateWindow(cs);
}

int CInsTreeView::OnCreate(LPCREATESTRUCT) {
    if (Default() == -1) return -1;
    CreateTip();
    return 0;
}

void CInsTreeView::FillTree(BOOL ladder) {
    CTreeCtrl& tree = GetTreeCtrl();
    if (!m_images.m_hImageList && m_images.Create(IDB_INSTRUCTION_TREE, ImageSize, 0, RGB(255, 255, 255)))
        tree.SetImageList(&m_images, TVSIL_NORMAL);
    m_bLadder = ladder;
    m_bFilled = TRUE;
    HTREEITEM last = TVI_LAST;
    for (int group = 0; group < GroupCount; ++group) {
        last = InsertGroup(group, last);
        if (group == ClockGroup) m_clockGroup = last;
        if (group == InterruptGroup) m_interruptGroup = last;
        if (group == TimerGroup) m_timerGroup = last;
        if (group == PidGroup) m_pidGroup = last;
    }
    int image = ladder ? LadderGroupImage : ILGroupImage;
    m_subroutineGroup = tree.InsertItem(SubroutineGroupText, image, image);
}

HTREEITEM CInsTreeView::InsertGroup(int group, HTREEITEM after) {
    CTreeCtrl& tree = GetTreeCtrl();
    int groupImage = m_bLadder ? LadderGroupImage : ILGroupImage;
    int itemImage = m_bLadder ? LadderItemImage : ILItemImage;
    HTREEITEM groupItem = tree.InsertItem(Groups[group].text, groupImage, groupImage, TVI_ROOT, after);
    const InstrDesc* records = Records(m_bLadder);
    int first = FirstRecord(group, m_bLadder);
    int count = m_bLadder ? Groups[group].ladderRecords : Groups[group].ilRecords;
    for (int i = first; i < first + count; ++i) {
        // PID is offered although its record is not shown elsewhere.
        if (!records[i].shown && group != PidGroup) continue;
        HTREEITEM item = tree.InsertItem(records[i].name, itemImage, itemImage, groupItem);
        tree.SetItemData(item, reinterpret_cast<DWORD_PTR>(&records[i]));
    }
    return groupItem;
}

void CInsTreeView::UpdateCpuGroups(BOOL ladder) {
    CTreeCtrl& tree = GetTreeCtrl();
    m_bLadder = ladder;
    if (theWorkspace->CpuKindMask() == 1) {
        if (m_clockGroup) tree.DeleteItem(m_clockGroup);
        if (m_pidGroup) tree.DeleteItem(m_pidGroup);
        m_clockGroup = m_pidGroup = nullptr;
        return;
    }
    if (!m_clockGroup && m_interruptGroup) m_clockGroup = InsertGroup(ClockGroup, m_interruptGroup);
    if (!m_pidGroup && m_timerGroup) m_pidGroup = InsertGroup(PidGroup, m_timerGroup);
}

void CInsTreeView::AddSubroutine(CQLXFunc* subroutine, const CString& name, HTREEITEM after) {
    if (!m_subroutineGroup) return;
    HTREEITEM item = GetTreeCtrl().InsertItem(name, ILItemImage, ILItemImage, m_subroutineGroup, after);
    GetTreeCtrl().SetItemData(item, reinterpret_cast<DWORD_PTR>(subroutine));
}

BOOL CInsTreeView::IsInstruction(HTREEITEM item) const {
    const CTreeCtrl& tree = GetTreeCtrl();
    if (!item || tree.ItemHasChildren(item) || tree.GetItemText(item) == SubroutineGroupText)
        return FALSE;
    HTREEITEM parent = tree.GetParentItem(item);
    return parent && parent != m_subroutineGroup;
}

BOOL CInsTreeView::InsertRequestFor(HTREEITEM item, WPARAM& wParam, LPARAM& lParam) const {
    const CTreeCtrl& tree = GetTreeCtrl();
    if (!m_bFilled || !item || tree.ItemHasChildren(item) ||
        tree.GetItemText(item) == SubroutineGroupText || !tree.GetParentItem(item))
        return FALSE;
    wParam = (tree.GetParentItem(item) == m_subroutineGroup ? 1 : 0) | (m_bLadder ? 2 : 0);
    lParam = static_cast<LPARAM>(tree.GetItemData(item));
    return TRUE;
}

const char* CInsTreeView::DescriptionOf(HTREEITEM item) const {
    if (!IsInstruction(item)) return nullptr;
    return reinterpret_cast<const InstrDesc*>(GetTreeCtrl().GetItemData(item))->description;
}

void CInsTreeView::OnLButtonDblClk(UINT flags, CPoint point) {
    CTreeView::OnLButtonDblClk(flags, point);
    if (theWorkspace && theWorkspace->onlineMonitoring) return;
    CWnd* view = ActiveEditorView();
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    if (view && InsertRequestFor(GetTreeCtrl().HitTest(point), wParam, lParam))
        view->PostMessage(WM_INSERT_INSTRUCTION, wParam, lParam);
}

void CInsTreeView::OnRButtonDown(UINT flags, CPoint point) {
    HTREEITEM item = GetTreeCtrl().HitTest(point);
    if (item) {
        GetTreeCtrl().SelectItem(item);
        return;
    }
    CTreeView::OnRButtonDown(flags, point);
}
