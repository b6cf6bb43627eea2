#include "shell/project/CProjTreeView.h"

#include "platform/CCmdUI.h"
#include "platform/MessageBox.h"
#include "platform/StringCopies.h"
#include "project/CPlcWorkspace.h"
#include "project/CProjTreeNode.h"
#include "res/resource.h"
#include "shell/project/PouNames.h"
#include "shell/project/ProjectShell.h"

IMPLEMENT_DYNCREATE(CProjTreeView, CTreeView)

BEGIN_MESSAGE_MAP(CProjTreeView, CTreeView)
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_NOTIFY_REFLECT(TVN_BEGINLABELEDITA, OnBeginLabelEdit)
    ON_NOTIFY_REFLECT(TVN_ENDLABELEDITA, OnEndLabelEdit)
    ON_NOTIFY_REFLECT(TVN_KEYDOWN, OnTreeKeyDown)
    ON_COMMAND(ID_TREE_OPEN, OnOpenCurrent)
    ON_COMMAND(ID_TREE_OPEN_GLOBAL_VARS, OnOpenCurrent)
    ON_COMMAND(ID_TREE_OPEN_COMM, OnOpenCurrent)
    ON_COMMAND(ID_TREE_OPEN_INIT_DATA, OnOpenCurrent)
    ON_COMMAND(ID_TREE_OPEN_HARDWARE, OnOpenHardware)
    ON_COMMAND(ID_TREE_OPEN_STATUS_TABLE, OnOpenStatusTable)
    ON_COMMAND(ID_TREE_DELETE, OnDeletePou)
    ON_COMMAND(ID_TREE_RENAME, OnRenamePou)
    ON_COMMAND(ID_TREE_PROPERTIES, OnPouProperties)
    ON_COMMAND(ID_TREE_NEW_SUBROUTINE, OnNewSubroutine)
    ON_COMMAND(ID_TREE_NEW_INTERRUPT, OnNewInterrupt)
    ON_UPDATE_COMMAND_UI(ID_TREE_DELETE, OnUpdatePouCommand)
    ON_UPDATE_COMMAND_UI(ID_TREE_RENAME, OnUpdatePouCommand)
    ON_UPDATE_COMMAND_UI(ID_TREE_PROPERTIES, OnUpdatePouCommand)
END_MESSAGE_MAP()

namespace {

// Images of the tree's bitmap.
enum Image { ImgProject = 0, ImgPrograms = 1, ImgLdProgram = 2, ImgStatusTable = 3, ImgHardware = 4,
             ImgConfiguration = 5, ImgResources = 6, ImgGlobalVars = 7, ImgComm = 8, ImgMain = 9,
             ImgIlProgram = 10, ImgInitData = 11 };

const int CommLockProbeMs = 1500;

// The context menu of each kind of item.
UINT MenuOfKind(int kind) {
    switch (kind) {
    case CProjTreeView::KindProject: return IDR_MENU_TREE_PROJECT;
    case CProjTreeView::KindPrograms: return IDR_MENU_TREE_PROGRAMS;
    case PouMain: return IDR_MENU_TREE_MAIN;
    case PouSubroutine:
    case PouInterrupt: return IDR_MENU_TREE_POU;
    case CProjTreeView::KindInitData: return IDR_MENU_TREE_INIT_DATA;
    case CProjTreeView::KindGlobalVars: return IDR_MENU_TREE_GLOBAL_VARS;
    case CProjTreeView::KindStatusTable: return IDR_MENU_TREE_STATUS_TABLE;
    case CProjTreeView::KindHardware: return IDR_MENU_TREE_HARDWARE;
    case CProjTreeView::KindComm: return IDR_MENU_TREE_COMM;
    default: return 0;
    }
}

int CompareLabelBytes(const CString& a, const CString& b) {
    const auto* x = reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(a));
    const auto* y = reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(b));
    while (*x != 0 && *x == *y)
        ++x, ++y;
    return static_cast<int>(*x) - static_cast<int>(*y);
}

}  // namespace

int CALLBACK CompareProgramItems(LPARAM first, LPARAM second, LPARAM) {
    const auto* a = reinterpret_cast<const CProjTreeNode*>(first);
    const auto* b = reinterpret_cast<const CProjTreeNode*>(second);
    for (int kind : {int(CProjTreeView::KindInitData), int(PouMain)}) {
        if (a->kind == kind)
            return -1;
        if (b->kind == kind)
            return 1;
    }
    return CompareLabelBytes(a->label, b->label);
}

CProjTreeView::CProjTreeView() = default;
CProjTreeView::~CProjTreeView() = default;

CQLXProject& CProjTreeView::Project() const { return theWorkspace->project; }

BOOL CProjTreeView::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS |
                TVS_SHOWSELALWAYS | TVS_TRACKSELECT;
    return CTreeView::PreCreateWindow(cs);
}

void CProjTreeView::OnInitialUpdate() {
    CTreeView::OnInitialUpdate();
    if (m_images.m_hImageList == nullptr && m_images.Create(IDB_PROJECT_TREE, 16, 0, RGB(255, 255, 255)))
        GetTreeCtrl().SetImageList(&m_images, TVSIL_NORMAL);
}

// ---- Building --------------------------------------------------------------------------

CProjTreeNode* CProjTreeView::GetItemRecord(HTREEITEM item) const {
    return item != nullptr ? reinterpret_cast<CProjTreeNode*>(GetTreeCtrl().GetItemData(item)) : nullptr;
}

HTREEITEM CProjTreeView::AddItem(LPCSTR text, int image, CProjTreeNode* record, HTREEITEM parent, HTREEITEM after) {
    HTREEITEM item = GetTreeCtrl().InsertItem(text, image, image, parent, after);
    GetTreeCtrl().SetItemData(item, reinterpret_cast<DWORD_PTR>(record));
    return item;
}

HTREEITEM CProjTreeView::AddFixedItem(LPCSTR text, int image, int kind, HTREEITEM parent, HTREEITEM after) {
    auto record = std::make_unique<CProjTreeNode>();
    record->kind = kind;
    record->label = text;
    m_fixedRecords.push_back(std::move(record));
    return AddItem(text, image, m_fixedRecords.back().get(), parent, after);
}

void CProjTreeView::BuildProjectTree() {
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM project = AddFixedItem("工程 : " + Project().name, ImgProject, KindProject, TVI_ROOT);
    m_programs = AddFixedItem("程序", ImgPrograms, KindPrograms, project);
    m_initData = AddFixedItem("初始化数据表", ImgInitData, KindInitData, m_programs, TVI_FIRST);
    HTREEITEM configuration = AddItem("配置", ImgConfiguration, nullptr, project);
    HTREEITEM resources = AddItem("资源", ImgResources, nullptr, configuration);
    AddFixedItem("PLC硬件配置", ImgHardware, KindHardware, resources);
    AddFixedItem("全局变量表", ImgGlobalVars, KindGlobalVars, resources);
    tree.Expand(resources, TVE_EXPAND);
    m_statusTable = AddFixedItem("变量状态表", ImgStatusTable, KindStatusTable, project);
    AddFixedItem("PC机通讯设置", ImgComm, KindComm, project);
    tree.Expand(configuration, TVE_EXPAND);
    tree.Expand(project, TVE_EXPAND);
    tree.Expand(m_programs, TVE_EXPAND);
}

HTREEITEM CProjTreeView::AddPouItem(CProjTreeNode* node) {
    int image = node->kind == PouMain ? ImgMain : node->language == 1 ? ImgIlProgram : ImgLdProgram;
    return AddItem(node->label, image, node, m_programs);
}

void CProjTreeView::RefreshProjectTree() {
    // One repaint for the whole tree rather than one per item.
    SetRedraw(FALSE);
    BuildProjectTree();
    CQLXProject& project = Project();
    if (project.hasMain)
        AddPouItem(&project.mainPou);
    for (CMapStringToOb* map : {&project.sbrByName, &project.intByName}) {
        for (POSITION at = map->GetStartPosition(); at != nullptr;) {
            CString name;
            CObject* node = nullptr;
            map->GetNextAssoc(at, name, node);
            AddPouItem(static_cast<CProjTreeNode*>(node));
        }
    }
    GetTreeCtrl().Expand(m_programs, TVE_EXPAND);
    SortPrograms();
    SetRedraw(TRUE);
    Invalidate();
}

void CProjTreeView::SortPrograms() {
    TVSORTCB sort = {m_programs, CompareProgramItems, 0};
    GetTreeCtrl().SortChildrenCB(&sort);
}

void CProjTreeView::ClearProjectTree() {
    GetTreeCtrl().DeleteAllItems();
    m_fixedRecords.clear();
    m_programs = m_initData = m_statusTable = m_current = nullptr;
}

void CProjTreeView::UpdateProjectLabel() {
    if (HTREEITEM project = GetTreeCtrl().GetRootItem())
        GetTreeCtrl().SetItemText(project, "工程 : " + Project().name);
}

HTREEITEM CProjTreeView::FindPouItem(const CProjTreeNode* node) const {
    if (m_programs == nullptr)
        return nullptr;
    for (HTREEITEM item = GetTreeCtrl().GetChildItem(m_programs); item != nullptr;
         item = GetTreeCtrl().GetNextSiblingItem(item)) {
        if (GetItemRecord(item) == node)
            return item;
    }
    return nullptr;
}

// ---- Opening ---------------------------------------------------------------------------

void CProjTreeView::OpenTreeItem(HTREEITEM item) {
    if (item == nullptr)
        return;
    GetTreeCtrl().SelectItem(item);
    CProjTreeNode* node = GetItemRecord(item);
    if (node == nullptr)
        return;
    switch (node->kind) {
    case PouMain:
    case PouSubroutine:
    case PouInterrupt: OpenPou(item, node); break;
    case KindInitData:
    case KindGlobalVars:
    case KindStatusTable:
    case KindHardware: GetProjectShell().OpenTableWindow(node->kind); break;
    case KindComm: OpenCommSettings(); break;
    default: break;
    }
}

void CProjTreeView::OpenPou(HTREEITEM item, CProjTreeNode* node) {
    ProjectShell& shell = GetProjectShell();
    CString path = PouProgramPath(Project().folder, *node);
    // A file another program holds open still exists: only a missing one costs the POU.
    if (::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) {
        shell.OpenDocumentFile(path);
    } else {
        AfxShowMessageBox(GetSafeHwnd(), "此节点无对应的程序，将删除!", "提示", MB_OK | MB_ICONINFORMATION);
        Project().DeletePou(node->name, node->kind);
        if (m_current == item)
            m_current = nullptr;
        GetTreeCtrl().DeleteItem(item);
        shell.SetProjectModified(TRUE);
    }
    shell.UpdateTabs();
}

void CProjTreeView::OpenCommSettings() {
    if (theWorkspace->onlineMonitoring || theWorkspace->monitorPause.IsPaused())
        return;
    if (!theWorkspace->commLock.Lock(CommLockProbeMs))
        return;
    theWorkspace->commLock.Unlock();  // only a probe: the dialog takes the line itself
    GetProjectShell().RunCommSettingsDialog();
}

void CProjTreeView::OnOpenCurrent() { OpenTreeItem(m_current); }
void CProjTreeView::OnOpenHardware() { GetProjectShell().OpenTableWindow(KindHardware); }
void CProjTreeView::OnOpenStatusTable() { GetProjectShell().OpenTableWindow(KindStatusTable); }

// ---- Mouse and keys --------------------------------------------------------------------

void CProjTreeView::TakeClickedItem(CPoint point) {
    m_current = GetTreeCtrl().HitTest(point);
    if (m_current != nullptr)
        GetTreeCtrl().SelectItem(m_current);
}

void CProjTreeView::OnLButtonDown(UINT, CPoint point) {
    Default();
    TakeClickedItem(point);
}

void CProjTreeView::OnRButtonDown(UINT flags, CPoint point) {
    OnLButtonDown(flags, point);
    ShowContextMenu(point);
}

void CProjTreeView::ShowContextMenu(CPoint point) {
    const CProjTreeNode* node = GetItemRecord(m_current);
    if (node == nullptr || theWorkspace->onlineMonitoring)
        return;
    UINT menu = MenuOfKind(node->kind);
    if (menu == 0)
        return;
    ProjectShell& shell = GetProjectShell();
    ClientToScreen(&point);
    shell.TrackContextMenu(menu, point, node->kind == KindProject ? shell.GetMainWindow() : this);
}

void CProjTreeView::OnLButtonDblClk(UINT, CPoint point) {
    Default();
    m_current = GetTreeCtrl().HitTest(point);
    OpenTreeItem(m_current);
}

void CProjTreeView::OnTreeKeyDown(NMHDR* header, LRESULT* result) {
    const auto* key = reinterpret_cast<const NMTVKEYDOWN*>(header);
    HTREEITEM selected = GetTreeCtrl().GetSelectedItem();
    if (key->wVKey == VK_RETURN) {
        m_current = selected;
        OpenTreeItem(m_current);
    } else if (key->wVKey == VK_DELETE) {
        const CProjTreeNode* node = GetItemRecord(selected);
        if (node != nullptr && (node->kind == PouSubroutine || node->kind == PouInterrupt) && !IsPouOpen(node))
            DeletePouItem(selected);
    }
    *result = 0;
}

// ---- Open documents --------------------------------------------------------------------

BOOL CProjTreeView::IsPouOpen(const CProjTreeNode* node) const {
    if (node == nullptr)
        return FALSE;
    CStringArray titles;
    GetProjectShell().GetDocumentTitles(titles);
    for (INT_PTR i = 0; i < titles.GetSize(); ++i) {
        CString title = titles[i];
        if (title.Find('*') >= 0)
            title = Trimmed(title.Left(title.GetLength() - 1));
        if (title == node->name)
            return TRUE;
    }
    return FALSE;
}

void CProjTreeView::OnUpdatePouCommand(CCmdUI* cmdUI) { cmdUI->Enable(!IsPouOpen(GetItemRecord(m_current))); }
