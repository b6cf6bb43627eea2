#include "ui/docking/UIDockingPaneMiniWnd.h"

#include "platform/MessageMap.h"
#include "ui/docking/UIDockingDragContext.h"
#include "ui/docking/UIDockingPaneHostWnd.h"
#include "ui/docking/UIDockingPaneItem.h"
#include "ui/docking/UIDockingPaneSplitContainer.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"

IMPLEMENT_DYNAMIC(CUIDockingPaneMiniWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CUIDockingPaneMiniWnd, CMiniFrameWnd)
    ON_WM_CLOSE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
// The system menu's Close item takes this string's text when the program has one.
const UINT CloseItemText = 0xF011;
}  // namespace

CUIDockingPaneMiniWnd::CUIDockingPaneMiniWnd(CUIDockingPaneLayoutState* layout)
    : CUIDockingPaneBase(DockingPaneKindFloating, layout) {
    m_frame = this;
}

CUIDockingPaneMiniWnd::CUIDockingPaneMiniWnd(CUIDockingPaneBase* element, CRect screenRect,
                                             CUIDockingPaneLayoutState* layout)
    : CUIDockingPaneBase(DockingPaneKindFloating, layout) {
    m_frame = this;
    CreateFrameWindow(screenRect);
    if (element->GetKind() == DockingPaneKindPane)
        element = new CUIDockingPaneTabbedContainer(static_cast<CUIDockingPaneItem*>(element), this, layout);
    SetTop(new CUIDockingPaneSplitContainer(element, TRUE, this, GetManager()->GetLayoutState()));
    UpdateCaption();
    DelayRecalcLayout(TRUE);
}

CUIDockingPaneMiniWnd::~CUIDockingPaneMiniWnd() {
    if (m_hWnd)
        DestroyWindow();
}

void CUIDockingPaneMiniWnd::SetTop(CUIDockingPaneSplitContainer* top) {
    m_top = top;
    top->SetParentContainer(this);
    top->SetParentFrame(this);
}

BOOL CUIDockingPaneMiniWnd::CreateFrameWindow(CRect screenRect) {
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | MFS_SYNCACTIVE | MFS_BLOCKSYSMENU;
    if (!CreateEx(0, AFX_WNDMINIFRAME, "", style, screenRect, GetManager()->GetFrame(), 0))
        return FALSE;
    HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
    ::DeleteMenu(menu, SC_MINIMIZE, MF_BYCOMMAND);
    ::DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    ::DeleteMenu(menu, SC_RESTORE, MF_BYCOMMAND);
    CString close;
    if (close.LoadString(CloseItemText)) {
        ::DeleteMenu(menu, SC_CLOSE, MF_BYCOMMAND);
        ::AppendMenuA(menu, MF_STRING, SC_CLOSE, close);
    }
    m_closeEnabled = TRUE;
    return TRUE;
}

void CUIDockingPaneMiniWnd::UpdateCaption() {
    if (!m_hWnd)
        return;
    CUIDockingPaneList containers;
    if (m_top)
        m_top->FindPanes(DockingPaneKindTabbed, containers);
    size_t count = containers.size();
    for (CUIDockingPaneBase* container : containers)
        static_cast<CUIDockingPaneTabbedContainer*>(container)->SetShowCaption(count != 1);
    SetWindowText(count == 1 ? static_cast<CUIDockingPaneTabbedContainer*>(containers[0])->GetSelectedCaption()
                             : CString());
    if (count == 0)
        return;
    if (!IsWindowVisible())
        ShowWindow(SW_SHOWNA);
    CUIDockingPaneList panes;
    m_top->FindPanes(DockingPaneKindPane, panes);
    BOOL closable = FALSE;
    for (CUIDockingPaneBase* pane : panes)
        if (!(static_cast<CUIDockingPaneItem*>(pane)->GetOptions() & PaneOptionNoClose))
            closable = TRUE;
    if (!closable || !m_closeEnabled) {
        ::EnableMenuItem(::GetSystemMenu(m_hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND | (closable ? MF_ENABLED : MF_GRAYED));
        m_closeEnabled = closable;
    }
}

void CUIDockingPaneMiniWnd::RecalcLayout(BOOL) {
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    if (m_top && m_hWnd) {
        if (m_top->IsEmpty()) {
            ShowWindow(SW_HIDE);
        } else {
            AFX_SIZEPARENTPARAMS params = {};
            GetClientRect(&params.rect);
            params.bStretch = TRUE;
            params.hDWP = ::BeginDeferWindowPos(8);
            m_top->OnSizeParent(this, params.rect, &params);
            ::EndDeferWindowPos(params.hDWP);
            CRect window;
            GetWindowRect(&window);
            ScreenToClient(&window);
            m_top->m_rect = window;
        }
    }
    GetManager()->UpdateHolders();
}

void CUIDockingPaneMiniWnd::OnClose() {
    if (!m_top)
        return;
    CUIDockingPaneHostWnd* manager = GetManager();
    CUIDockingPaneList panes;
    m_top->FindPanes(DockingPaneKindPane, panes);
    for (CUIDockingPaneBase* element : panes) {
        auto* pane = static_cast<CUIDockingPaneItem*>(element);
        if ((pane->GetOptions() & PaneOptionNoClose) || manager->NotifyAction(ActionClosing, pane))
            continue;
        pane->Close();
        manager->NotifyAction(ActionClosed, pane);
    }
}

void CUIDockingPaneMiniWnd::OnNcLButtonDown(UINT hitTest, CPoint point) {
    if (hitTest != HTCAPTION || !m_top) {
        Default();
        return;
    }
    if (CWnd* topLevel = GetManager()->GetFrame()->GetTopLevelParent())
        topLevel->SetActiveWindow();
    BringWindowToTop();
    CUIDockingDragContext().SetManager(GetManager())->Drag(m_top, point);
}

void CUIDockingPaneMiniWnd::OnNcLButtonDblClk(UINT hitTest, CPoint) {
    if (hitTest == HTCAPTION && m_top)
        GetManager()->ToggleDocking(m_top);
}

void CUIDockingPaneMiniWnd::OnDestroy() {
    GetWindowRect(&m_rect);
    Default();
}

void CUIDockingPaneMiniWnd::RemovePane(CUIDockingPaneBase* child) {
    child->SetParentContainer(nullptr);
    m_top = nullptr;
    if (m_hWnd)
        ShowWindow(SW_HIDE);
}

void CUIDockingPaneMiniWnd::SaveToRegistry(CUIDockingPaneLayoutState* layout) {
    SaveCommonValues(layout);
    CString section = DockingPaneSection(m_number);
    layout->WriteInt(section, "TopContaner", m_top ? m_top->m_number : 0);
    layout->WriteInt(section, "WindowRectTopPos", m_rect.top);
    layout->WriteInt(section, "WindowRectBottomPos", m_rect.bottom);
    layout->WriteInt(section, "WindowRectLeftPos", m_rect.left);
    layout->WriteInt(section, "WindowRectRightPos", m_rect.right);
}

BOOL CUIDockingPaneMiniWnd::LoadFromRegistry(CUIDockingPaneLayoutState* layout,
                                             const CUIDockingPaneNumberMap& numbers) {
    LoadCommonValues(layout);
    CString section = DockingPaneSection(m_number);
    m_rect.top = layout->ReadInt(section, "WindowRectTopPos", 0);
    m_rect.bottom = layout->ReadInt(section, "WindowRectBottomPos", 0);
    m_rect.left = layout->ReadInt(section, "WindowRectLeftPos", 0);
    m_rect.right = layout->ReadInt(section, "WindowRectRightPos", 0);
    auto found = numbers.find(layout->ReadInt(section, "TopContaner", 0));
    if (found == numbers.end() || found->second->GetKind() != DockingPaneKindSplit)
        return FALSE;
    SetTop(static_cast<CUIDockingPaneSplitContainer*>(found->second));
    return TRUE;
}

CUIDockingPaneBase* CUIDockingPaneMiniWnd::Clone(CUIDockingPaneLayoutState* layout, CUIDockingPaneCloneMap* map,
                                                 unsigned) {
    auto* copy = new CUIDockingPaneMiniWnd(layout);
    copy->m_rect = m_rect;
    if (m_hWnd)
        GetWindowRect(&copy->m_rect);
    if (m_top)
        copy->SetTop(static_cast<CUIDockingPaneSplitContainer*>(m_top->Clone(layout, map, 0)));
    if (!layout->m_windowless) {
        copy->CreateFrameWindow(copy->m_rect);
        if (copy->m_top)
            copy->m_top->OnParentContainerChanged(copy);
        copy->UpdateCaption();
    }
    if (map)
        (*map)[this] = copy;
    return copy;
}
