#include "ui/docking/tabs/UITabClientWnd.h"

#include "platform/CDocument.h"
#include "platform/CImageList.h"
#include "platform/CMDIChildWnd.h"
#include "platform/CMDIFrameWnd.h"
#include "res/resource.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIImageStore.h"
#include "ui/docking/tabs/UITabTheme.h"

namespace {
const UINT CursorIds[4] = {IDC_CURSOR_SPLIT_HORIZONTAL, IDC_CURSOR_SPLIT_VERTICAL, IDC_CURSOR_DROP_ALLOWED,
                           IDC_CURSOR_DROP_REFUSED};

void RegisterGroupImages() {
    static const UINT ids[2] = {ID_TAB_GROUP_NEW_HORIZONTAL, ID_TAB_GROUP_NEW_VERTICAL};
    CImageList list;
    if (list.Create(ID_TAB_GROUP_NEW_HORIZONTAL, 16, 1, RGB(0, 255, 0)))
        GetImageManager()->SetIcons(list, ids, 2, 16, 16, 0);
}
}  // namespace

CUITabClientWnd::CUITabClientWnd() : m_paintManager(new CUITabTheme) {
    m_paintManager->boldSelectedCaption = TRUE;
    for (int i = 0; i < 4; ++i)
        m_cursors[i] = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(CursorIds[i]));
    RegisterGroupImages();
}

CUITabClientWnd::~CUITabClientWnd() {
    for (CUITabWorkspace* workspace : m_workspaces) delete workspace;
    m_workspaces.clear();
    m_paintManager->InternalRelease();
}

void CUITabClientWnd::Reposition() { RecalcFrameLayout(); }

void CUITabClientWnd::RecalcFrameLayout() const {
    if (m_frame && m_frame->GetSafeHwnd()) m_frame->RecalcLayout(TRUE);
}

BOOL CUITabClientWnd::AttachToMDIFrame(CMDIFrameWnd* frame, BOOL groupsEnabled) {
    m_groupsEnabled = groupsEnabled;
    if (m_frame || !frame || !frame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))) return FALSE;
    if (!SubclassWindow(frame->m_hWndMDIClient)) return FALSE;
    m_frame = frame;
    // The groups place the documents themselves: the client never scrolls.
    if (groupsEnabled) ModifyStyle(WS_HSCROLL | WS_VSCROLL, 0, SWP_FRAMECHANGED);
    UpdateTheme();
    m_paintManager->RefreshMetrics();
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
    RecalcFrameLayout();
    UpdateTabs();
    return TRUE;
}

BOOL CUITabClientWnd::DetachFromMDIFrame() {
    if (!m_frame) return FALSE;
    for (CUITabWorkspace* workspace : m_workspaces) delete workspace;
    m_workspaces.clear();
    m_activeWorkspace = nullptr;
    if (m_hWnd) UnsubclassWindow();
    RecalcFrameLayout();
    m_frame = nullptr;
    return TRUE;
}

void CUITabClientWnd::ShowTabs(BOOL show) {
    if (m_groupsEnabled) return;
    m_tabsShown = show;
    RecalcFrameLayout();
}

void CUITabClientWnd::SetFlags(int flags) {
    m_flags = flags;
    for (CUITabWorkspace* workspace : m_workspaces) workspace->ApplyNavigateFlags(flags);
    RecalcFrameLayout();
}

CUITabWorkspace* CUITabClientWnd::GetWorkspace(int index) const {
    return index >= 0 && index < GetWorkspaceCount() ? m_workspaces[index] : nullptr;
}

int CUITabClientWnd::FindWorkspaceIndex(const CUITabWorkspace* workspace) const {
    for (int i = 0; i < GetWorkspaceCount(); ++i)
        if (m_workspaces[i] == workspace) return i;
    return -1;
}

CUITabStripItem* CUITabClientWnd::FindItem(HWND child) const {
    for (CUITabWorkspace* workspace : m_workspaces)
        for (int i = 0; i < workspace->GetItemCount(); ++i)
            if (CUITabWorkspace::ChildOf(workspace->GetItem(i)) == child) return workspace->GetItem(i);
    return nullptr;
}

void CUITabClientWnd::MDIActivate(HWND child) const {
    if (child && m_frame) ::SendMessageA(m_frame->m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
}

HWND CUITabClientWnd::GetActiveChild() const {
    CMDIChildWnd* active = m_frame ? m_frame->MDIGetActive() : nullptr;
    return active ? active->m_hWnd : nullptr;
}

void CUITabClientWnd::SetActiveWorkspace(CUITabWorkspace* workspace) {
    if (workspace == m_activeWorkspace) return;
    if (m_activeWorkspace) m_activeWorkspace->SetActive(FALSE);
    if (workspace) workspace->SetActive(TRUE);
    m_activeWorkspace = workspace;
}

CUITabWorkspace* CUITabClientWnd::AddWorkspace(int index) {
    CUITabWorkspace* workspace;
    if (m_groupsEnabled) {
        workspace = new CUITabWorkspace(this);
    } else {
        auto* carrier = new CUITabWorkspaceWnd(this);
        carrier->CreateCarrier(m_frame, toolTips);
        workspace = carrier;
    }
    if (index < 0 || index > GetWorkspaceCount()) index = GetWorkspaceCount();
    m_workspaces.insert(m_workspaces.begin() + index, workspace);
    workspace->SetActive(FALSE);
    workspace->SetItemMetrics(70, 18, 0, 0, 220, 0);
    workspace->ApplyNavigateFlags(m_flags);
    m_layoutDirty = TRUE;
    return workspace;
}

CUITabStripItem* CUITabClientWnd::AddTab(HWND child) {
    if (!(::GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_MDICHILD)) return nullptr;
    if (m_workspaces.empty()) AddWorkspace(-1);
    CUITabWorkspace* target = m_activeWorkspace ? m_activeWorkspace : m_workspaces.back();
    CUITabStripItem* item = target->InsertItem(target->GetItemCount());
    item->SetCaption(GetItemText(child));
    item->SetHandle(reinterpret_cast<DWORD_PTR>(child));
    target->SetSelectedItem(item);
    return item;
}

void CUITabClientWnd::UpdateTabs() {
    if (!m_hWnd || !IsWindowVisible() || !m_tabsShown || m_busy) return;
    UpdateTheme();
    if (!m_frame) return;
    m_locked = TRUE;
    const HWND active = GetActiveChild();
    CUITabStripItem* activeItem = nullptr;
    CUITabStripItem* added = nullptr;
    for (CUITabWorkspace* workspace : m_workspaces)
        for (int i = 0; i < workspace->GetItemCount(); ++i) workspace->GetItem(i)->data = 0;
    for (HWND window = active ? ::GetWindow(active, GW_HWNDFIRST) : nullptr; window;
         window = ::GetWindow(window, GW_HWNDNEXT)) {
        const BOOL visible = (::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
        CUITabStripItem* item = FindItem(window);
        if (item && visible) {
            item->SetCaption(GetItemText(window));
            item->data = 1;
        } else if (item) {
            item->Remove();
            item = nullptr;
        } else if (visible) {
            item = AddTab(window);
            if (item) item->data = 1;
            added = item ? item : added;
        }
        if (window == active) activeItem = item;
    }
    RemoveEmptyWorkspaces();
    if (activeItem) {
        auto* workspace = static_cast<CUITabWorkspace*>(activeItem->GetStrip());
        if (workspace->GetSelectedItem() != activeItem) workspace->SetSelectedItem(activeItem);
        SetActiveWorkspace(workspace);
    }
    m_locked = FALSE;
    if (m_layoutDirty) {
        RecalcFrameLayout();
        if (added && added->GetStrip()) added->GetStrip()->EnsureVisible(added);
        m_layoutDirty = FALSE;
    }
}

// Unseen tabs go; a group left empty goes too and gives its share to a neighbour.
void CUITabClientWnd::RemoveEmptyWorkspaces() {
    for (int w = GetWorkspaceCount() - 1; w >= 0; --w) {
        CUITabWorkspace* workspace = m_workspaces[w];
        for (int i = workspace->GetItemCount() - 1; i >= 0; --i)
            if (!workspace->GetItem(i)->data) workspace->DeleteItem(i);
        if (workspace->GetItemCount() > 0) continue;
        if (m_activeWorkspace == workspace) m_activeWorkspace = nullptr;
        if (w > 0)
            m_workspaces[w - 1]->share += workspace->share;
        else if (GetWorkspaceCount() > 1)
            m_workspaces[1]->share += workspace->share;
        m_workspaces.erase(m_workspaces.begin() + w);
        delete workspace;
        m_layoutDirty = TRUE;
    }
}

void CUITabClientWnd::Refresh(BOOL recalcLayout) {
    if (!m_frame || m_refreshing) return;
    m_refreshing = TRUE;
    UpdateTabs();
    if (!m_workspaces.empty()) {
        CPoint point;
        ::GetCursorPos(&point);
        TabPointToClient(point);
        if (m_groupsEnabled)
            HotTrackGroups(point);
        else if (CWnd* carrier = m_workspaces.front()->GetCarrier())
            m_workspaces.front()->PerformMouseMove(carrier, point.x, point.y);
    }
    if (recalcLayout) {
        if (m_groupsEnabled) SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
        if (CUICommandBars* bars = GetCommandBars()) bars->RecalcFrameLayout(FALSE);
    }
    m_refreshing = FALSE;
}
