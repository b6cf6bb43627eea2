#include "ui/docking/UIDockingPaneHostWnd.h"

#include "platform/CFrameWnd.h"
#include "platform/MessageMap.h"
#include "ui/commandbars/UIImageStore.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/docking/UIDockingFrames.h"
#include "ui/docking/UIDockingPaneAutoHideStrip.h"
#include "ui/docking/UIDockingPaneItem.h"
#include "ui/docking/UIDockingPaneMiniWnd.h"
#include "ui/docking/UIDockingPaneSplitContainer.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"
#include "ui/docking/themes/UIDockingPaneTheme.h"
#include "ui/docking/themes/UIDockingPaneThemes.h"

BEGIN_MESSAGE_MAP(CUIDockingPaneHostWnd, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

CUIDockingPaneHostWnd::CUIDockingPaneHostWnd() : m_theme(CreateDockingPaneTheme(0)), m_images(new CUIImageStore) {}

CUIDockingPaneHostWnd::~CUIDockingPaneHostWnd() {
    delete m_layout;
    delete m_theme;
    m_images->RemoveAll();
    m_images->InternalRelease();
}

void CUIDockingPaneHostWnd::InstallDockingPanes(CFrameWnd* frame) {
    if (m_frame)
        return;
    m_frame = frame;
    CreateEx(0, "STATIC", "", WS_CHILD, CRect(0, 0, 0, 0), frame, 0);
    m_layout = new CUIDockingPaneLayoutState(this);
    m_layout->m_windowless = FALSE;
}

CUIDockingPaneItem* CUIDockingPaneHostWnd::CreatePane(UINT id, CRect rect, DockingDirection direction,
                                                      CUIDockingPaneBase* neighbour) {
    auto* pane = new CUIDockingPaneItem(m_layout, id);
    pane->m_rect = rect;
    pane->m_cx = rect.Width();
    pane->m_cy = rect.Height();
    DockingPaneInfo info;
    info.pane = pane;
    m_layout->m_panes.push_back(info);
    DockElement(pane, direction, neighbour);
    UpdateHolders();
    return pane;
}

CUIDockingPaneBase* CUIDockingPaneHostWnd::WrapPane(CUIDockingPaneBase* element, CFrameWnd* frame) {
    if (element->GetKind() != DockingPaneKindPane)
        return element;
    return new CUIDockingPaneTabbedContainer(static_cast<CUIDockingPaneItem*>(element), frame, m_layout);
}

void CUIDockingPaneHostWnd::DockElement(CUIDockingPaneBase* element, DockingDirection direction,
                                        CUIDockingPaneBase* neighbour) {
    CUIDockingPaneSplitContainer* top = m_layout->m_top;
    if (!neighbour)
        neighbour = top;
    if (neighbour->GetHolder() && neighbour->GetHolder()->GetKind() == DockingPaneKindTabbed)
        neighbour = neighbour->GetHolder();
    CFrameWnd* frame = neighbour->GetFrame();
    BOOL horizontal = direction == DockLeft || direction == DockRight;
    BOOL after = direction == DockRight || direction == DockBottom;
    element = WrapPane(element, frame);
    CUIDockingPaneBase* holder = neighbour->GetHolder();
    if (neighbour == top || !holder || holder->GetKind() != DockingPaneKindSplit) {
        DockBesideTop(element, horizontal, after);
    } else {
        auto* split = static_cast<CUIDockingPaneSplitContainer*>(holder);
        if (split->IsHorizontal() == horizontal) {
            split->AddChild(element, neighbour, after);
        } else {
            auto* wrapper = new CUIDockingPaneSplitContainer(neighbour, horizontal, frame, m_layout);
            wrapper->AddChild(element, neighbour, after);
            split->ReplaceChild(neighbour, wrapper);
        }
    }
    if (frame)
        frame->DelayRecalcLayout(TRUE);
}

void CUIDockingPaneHostWnd::DockBesideTop(CUIDockingPaneBase* element, BOOL horizontal, BOOL after) {
    CUIDockingPaneSplitContainer* top = m_layout->m_top;
    if (top->IsHorizontal() == horizontal) {
        top->AddChild(element, nullptr, after);
        return;
    }
    auto* newTop = new CUIDockingPaneSplitContainer(top, horizontal, top->GetFrame(), m_layout);
    newTop->AddChild(element, top, after);
    m_layout->m_top = newTop;
}

CUIDockingPaneBase* CUIDockingPaneHostWnd::TakeOut(CUIDockingPaneBase* element) {
    if (element->GetKind() != DockingPaneKindPane)
        return element->Clone(m_layout, nullptr, 0);
    if (CUIDockingPaneBase* holder = element->GetHolder())
        holder->RemovePane(element);
    return element;
}

void CUIDockingPaneHostWnd::DockPane(CUIDockingPaneBase* element, DockingDirection direction,
                                     CUIDockingPaneBase* neighbour) {
    DockElement(TakeOut(element), direction, neighbour);
}

void CUIDockingPaneHostWnd::AttachPane(CUIDockingPaneBase* element, CUIDockingPaneBase* target) {
    AttachElement(element, target);
    UpdateHolders();
}

void CUIDockingPaneHostWnd::AttachElement(CUIDockingPaneBase* element, CUIDockingPaneBase* target) {
    if (target->GetKind() == DockingPaneKindPane)
        target = target->GetHolder();
    if (!target || target->GetKind() != DockingPaneKindTabbed)
        return;
    auto* container = static_cast<CUIDockingPaneTabbedContainer*>(target);
    CUIDockingPaneList panes;
    element->FindPanes(DockingPaneKindPane, panes);
    for (CUIDockingPaneBase* pane : panes) {
        if (pane->GetHolder())
            pane->GetHolder()->RemovePane(pane);
        container->AddPane(static_cast<CUIDockingPaneItem*>(pane));
    }
}

void CUIDockingPaneHostWnd::ShowPane(CUIDockingPaneItem* pane) {
    if (!pane)
        return;
    if (CUIDockingPaneBase* holder = pane->GetHolder()) {
        auto* container = static_cast<CUIDockingPaneTabbedContainer*>(holder);
        container->SelectPane(pane, TRUE);
        container->ShowAutoHidePane();
    } else {
        for (DockingPaneInfo& info : m_layout->m_panes)
            if (info.pane == pane && info.lastHolder && info.lastHolder->GetKind() == DockingPaneKindTabbed)
                static_cast<CUIDockingPaneTabbedContainer*>(info.lastHolder)->AddPane(pane);
    }
    pane->SetFocus();
}

void CUIDockingPaneHostWnd::ClosePane(CUIDockingPaneItem* pane) {
    if (!pane)
        return;
    LRESULT answer = m_frame->SendMessage(DockingPaneNotify, DockingPaneNotifyClosePane,
                                          reinterpret_cast<LPARAM>(pane));
    if (answer != -1 && pane->GetHolder())
        pane->GetHolder()->RemovePane(pane);
}

void CUIDockingPaneHostWnd::CloseAllPanes() {
    DockingPaneInfoList panes = m_layout->m_panes;
    for (DockingPaneInfo& info : panes)
        info.pane->Close();
}

BOOL CUIDockingPaneHostWnd::MovePaneToHolder(CUIDockingPaneItem* pane, CUIDockingPaneBase* holder) {
    // The holder's frame: the pane's own follows it only at the next layout.
    CFrameWnd* frame = pane->GetHolder() ? pane->GetParentFrame() : pane->GetFrame();
    BOOL floating = DockingFrameKindOf(frame) != DockingFrameMain;
    if (!floating && (pane->GetOptions() & PaneOptionNoFloat))
        return FALSE;
    if (NotifyAction(floating ? ActionDocking : ActionFloating, pane, holder, 0))
        return FALSE;
    if (holder) {
        m_attaching = TRUE;
        AttachPane(pane, holder);
        m_attaching = FALSE;
    } else {
        FloatPane(pane, pane->GetHolder() ? pane->GetHolder()->GetScreenRect() : pane->GetScreenRect());
    }
    NotifyAction(floating ? ActionDocked : ActionFloated, pane, nullptr, 0);
    return TRUE;
}

CUIDockingPaneBase* CUIDockingPaneHostWnd::DestinationOf(CUIDockingPaneItem* pane, BOOL floating) {
    DockingPaneInfo* info = m_layout->FindPaneInfo(pane);
    if (!info)
        return nullptr;
    return floating ? info->dockingHolder : info->floatingHolder;
}

void CUIDockingPaneHostWnd::ToggleDocking(CUIDockingPaneBase* element) {
    BOOL floating = DockingFrameKindOf(element->GetFrame()) != DockingFrameMain;
    if (element->GetKind() == DockingPaneKindPane) {
        auto* pane = static_cast<CUIDockingPaneItem*>(element);
        MovePaneToHolder(pane, DestinationOf(pane, floating));
        return;
    }
    if (element->GetKind() == DockingPaneKindTabbed || element->GetKind() == DockingPaneKindSplit)
        ToggleContainer(element, floating);
}

void CUIDockingPaneHostWnd::ToggleContainer(CUIDockingPaneBase* container, BOOL floating) {
    UINT selectedId = 0;
    if (container->GetKind() == DockingPaneKindTabbed)
        if (CUIDockingPaneItem* selected = static_cast<CUIDockingPaneTabbedContainer*>(container)->GetSelected())
            selectedId = selected->GetId();
    CUIDockingPaneList panes;
    container->FindPanes(DockingPaneKindPane, panes);
    for (CUIDockingPaneBase* element : panes)
        if (static_cast<CUIDockingPaneItem*>(element)->IsFocusInWindow())
            selectedId = static_cast<CUIDockingPaneItem*>(element)->GetId();
    CUIDockingPaneBase* previousOwn = nullptr;
    for (CUIDockingPaneBase* element : panes) {
        auto* pane = static_cast<CUIDockingPaneItem*>(element);
        CUIDockingPaneBase* own = DestinationOf(pane, floating);
        CUIDockingPaneBase* destination = own ? own : previousOwn;
        previousOwn = own;
        if (!MovePaneToHolder(pane, destination) && pane->GetId() == selectedId)
            selectedId = 0;
    }
    if (selectedId > 0)
        ShowPaneById(selectedId);
}

void CUIDockingPaneHostWnd::ToggleAutoHide(CUIDockingPaneBase* element) {
    if (!element)
        return;
    CUIDockingPaneBase* container = element->GetKind() == DockingPaneKindPane ? element->GetHolder() : element;
    if (!container || container->GetKind() != DockingPaneKindTabbed || !container->GetHolder())
        return;
    CUIDockingPaneBase* holder = container->GetHolder();
    if (holder->GetKind() == DockingPaneKindAutoHide) {
        static_cast<CUIDockingPaneAutoHideStrip*>(holder)->CloseSlidingWindow(FALSE);
        return;
    }
    m_layout->AutoHideElement(container);
    if (m_frame)
        m_frame->DelayRecalcLayout(TRUE);
}

void CUIDockingPaneHostWnd::SetTheme(int index) {
    if (m_theme->m_themeIndex == index)
        return;
    CUIDockingPaneTheme* theme = CreateDockingPaneTheme(index);
    if (!theme)
        return;
    delete m_theme;
    m_theme = theme;
    DelayLayoutPanes();
}

void CUIDockingPaneHostWnd::FloatPane(CUIDockingPaneBase* element, CRect screenRect) {
    new CUIDockingPaneMiniWnd(TakeOut(element), screenRect, m_layout);
}

void CUIDockingPaneHostWnd::GetLayout(CUIDockingPaneLayoutState* layout) { layout->CopyFrom(m_layout); }

int CUIDockingPaneHostWnd::NotifyAction(int action, CUIDockingPaneItem* pane, CUIDockingPaneBase* target,
                                        int direction) {
    DockingPaneActionRecord record = {action, 0, pane, target, direction};
    if (m_frame && m_frame->m_hWnd)
        m_frame->SendMessage(DockingPaneNotify, DockingPaneNotifyAction, reinterpret_cast<LPARAM>(&record));
    return record.cancel;
}

CUIDockingPaneItem* CUIDockingPaneHostWnd::FindPaneById(UINT id) const {
    if (!m_layout)
        return nullptr;
    for (const DockingPaneInfo& info : m_layout->m_panes)
        if (info.pane->GetId() == id)
            return info.pane;
    return nullptr;
}

void CUIDockingPaneHostWnd::ShowPaneById(UINT id) { ShowPane(FindPaneById(id)); }

void CUIDockingPaneHostWnd::UpdateHolders() {
    for (DockingPaneInfo& info : m_layout->m_panes) {
        CUIDockingPaneBase* holder = info.pane->GetHolder();
        // A container on its way to a new place (not yet in a tree) is remembered once it arrives.
        if (!holder || !holder->GetFrame() || !holder->GetHolder())
            continue;
        if (holder->GetHolder()->GetKind() == DockingPaneKindAutoHide)
            continue;
        if (DockingFrameKindOf(holder->GetFrame()) == DockingFrameMain)
            info.dockingHolder = holder;
        else
            info.floatingHolder = holder;
        info.lastHolder = holder;
    }
}

void CUIDockingPaneHostWnd::DelayLayoutPanes() {
    if (!m_hWnd || !m_layout)
        return;
    for (DockingPaneInfo& info : m_layout->m_panes)
        if (CUIDockingPaneBase* holder = info.pane->GetHolder())
            holder->DelayFrameLayout();
}

void CUIDockingPaneHostWnd::UpdatePanesFocus() {
    if (!m_layout)
        return;
    for (DockingPaneInfo& info : m_layout->m_panes)
        info.pane->OnFocusChanged();
}

CUIImageIconSet* CUIDockingPaneHostWnd::GetPaneImage(UINT iconId) { return m_images->GetImage(iconId, 16); }

LRESULT CUIDockingPaneHostWnd::OnSizeParent(WPARAM, LPARAM lParam) {
    if (m_layout && m_layout->m_top) {
        auto* params = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
        m_layout->RepositionPanes(m_frame, params->rect, params);
        UpdateHolders();
    }
    return 0;
}

LRESULT CUIDockingPaneHostWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
    UpdatePanesFocus();
    return 0;
}

void CUIDockingPaneHostWnd::OnSysColorChange() {
    GetUISystemPalette().RefreshColors(FALSE);
    DelayLayoutPanes();
}

void CUIDockingPaneHostWnd::OnSettingChange(UINT, LPCSTR) {
    m_theme->RefreshMetrics();
    DelayLayoutPanes();
}
