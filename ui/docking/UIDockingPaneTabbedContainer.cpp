#include "ui/docking/UIDockingPaneTabbedContainer.h"

#include <algorithm>

#include "platform/CFrameWnd.h"
#include "platform/MessageMap.h"
#include "res/resource.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIImageIconSet.h"
#include "ui/docking/UIDockingDragContext.h"
#include "ui/docking/UIDockingPaneAutoHideStrip.h"
#include "ui/docking/UIDockingFrames.h"
#include "ui/docking/UIDockingPaneHostWnd.h"
#include "ui/docking/UIDockingPaneItem.h"
#include "ui/docking/UIDockingPaneLayoutState.h"
#include "ui/docking/themes/UIDockingPaneTheme.h"

BEGIN_MESSAGE_MAP(CUIDockingPaneTabbedContainer, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

CUIDockingPaneTabbedContainer::CUIDockingPaneTabbedContainer(CUIDockingPaneLayoutState* layout)
    : CUIDockingPaneBase(DockingPaneKindTabbed, layout) {}

CUIDockingPaneTabbedContainer::CUIDockingPaneTabbedContainer(CUIDockingPaneItem* pane, CFrameWnd* frame,
                                                             CUIDockingPaneLayoutState* layout)
    : CUIDockingPaneBase(DockingPaneKindTabbed, layout) {
    m_frame = frame;
    CopySizeFrom(pane);
    AddPane(pane);
    SelectPane(pane, TRUE);
}

CUIDockingPaneTabbedContainer::~CUIDockingPaneTabbedContainer() {
    if (m_hWnd)
        DestroyWindow();
    delete m_tooltips;
}

void CUIDockingPaneTabbedContainer::CreateContainerWindow() {
    LPCSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
    CreateEx(0, windowClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CRect(0, 0, 0, 0),
             m_frame, 0);
}

void CUIDockingPaneTabbedContainer::AddPane(CUIDockingPaneItem* pane) {
    if (!m_hWnd && !m_layout->m_windowless)
        CreateContainerWindow();
    m_panes.push_back(pane);
    pane->SetParentContainer(this);
    pane->SetParentFrame(m_frame);
    DelayFrameLayout();
    SelectPane(pane, TRUE);
    UpdateTabs();
    if (m_holder)
        m_holder->OnChildContainerChanged(this);
}

void CUIDockingPaneTabbedContainer::SelectPane(CUIDockingPaneItem* pane, BOOL focus) {
    m_selected = pane;
    UpdateTabs();
    DelayFrameLayout();
    if (m_holder)
        m_holder->OnChildContainerChanged(this);
    if (focus && pane)
        pane->SetFocus();
}

void CUIDockingPaneTabbedContainer::RemovePane(CUIDockingPaneBase* element) {
    auto* pane = static_cast<CUIDockingPaneItem*>(element);
    auto found = std::find(m_panes.begin(), m_panes.end(), pane);
    if (found == m_panes.end())
        return;
    m_panes.erase(found);
    UpdateTabs();
    pane->SetParentContainer(nullptr);
    if (m_holder)
        m_holder->OnChildContainerChanged(this);
    if (m_panes.empty() && m_hWnd)
        DestroyWindow();
    DelayFrameLayout();
    if (pane == m_selected)
        SelectPane(m_panes.empty() ? nullptr : m_panes.back(), TRUE);
}

void CUIDockingPaneTabbedContainer::UpdateTabs() {
    if (!m_hWnd)
        return;
    ++m_updating;
    DeleteAllItems();
    for (CUIDockingPaneItem* pane : m_panes) {
        CUITabStripItem* item = AppendPaneTab(this, pane);
        if (pane == m_selected)
            SetSelectedItem(item);
    }
    m_closeButton.CheckHot(CPoint(-1, -1));
    m_autoHideButton.CheckHot(CPoint(-1, -1));
    --m_updating;
}

void CUIDockingPaneTabbedContainer::SwapPanes(CUIDockingPaneItem* first, CUIDockingPaneItem* second) {
    auto a = std::find(m_panes.begin(), m_panes.end(), first);
    auto b = std::find(m_panes.begin(), m_panes.end(), second);
    if (a != m_panes.end() && b != m_panes.end())
        std::iter_swap(a, b);
}

int CUIDockingPaneTabbedContainer::HitTest(CPoint point) const {
    CRect client;
    GetClientRect(&client);
    if (m_showCaption && client.PtInRect(point)) {
        CRect area = client;
        GetTheme()->AdjustCaptionRect(const_cast<CUIDockingPaneTabbedContainer*>(this), area);
        if (!area.PtInRect(point))
            return -2;
    }
    if (m_showTabs)
        if (CUITabStripItem* item = CUITabStripBase::HitTest(point.x, point.y))
            return item->GetIndex();
    return -1;
}

CUIDockingPaneItem* CUIDockingPaneTabbedContainer::PaneOfItem(const CUITabStripItem* item) {
    return reinterpret_cast<CUIDockingPaneItem*>(item->GetHandle());
}

CUITabStripItem* CUIDockingPaneTabbedContainer::AppendPaneTab(CUITabStripBase* strip, CUIDockingPaneItem* pane) {
    CUITabStripItem* item = strip->InsertItem(strip->GetItemCount());
    item->SetHandle(reinterpret_cast<DWORD_PTR>(pane));
    item->caption = pane->GetTabTitle();
    item->color = TabColorPresetFirst + pane->GetId() % 8;
    return item;
}

BOOL CUIDockingPaneTabbedContainer::DrawPaneIcon(CUITabTheme* paintManager, CDC* dc, CPoint point,
                                                 CUITabStripItem* item, BOOL draw) {
    if (!item)
        return TRUE;
    CUIImageIconSet* icon = paintManager->tabIcons ? PaneOfItem(item)->GetIcon() : nullptr;
    if (!icon)
        return FALSE;
    if (draw)
        icon->Draw(dc, point, icon->GetIcon());
    return TRUE;
}

void CUIDockingPaneTabbedContainer::Reposition() {
    if (!m_updating && GetManager())
        GetManager()->DelayLayoutPanes();
}

CUITabTheme* CUIDockingPaneTabbedContainer::GetPaintManager() const { return &GetTheme()->m_paneTabs; }

void CUIDockingPaneTabbedContainer::RedrawControl() {
    if (!m_updating && m_hWnd)
        Invalidate(FALSE);
}

BOOL CUIDockingPaneTabbedContainer::DrawItemIcon(CDC* dc, CPoint point, CUITabStripItem* item, BOOL draw,
                                                 CSize*) {
    return DrawPaneIcon(GetPaintManager(), dc, point, item, draw);
}

BOOL CUIDockingPaneTabbedContainer::IsCaptionDropTarget(CRect& screenRect, CPoint point) const {
    BOOL hit = FALSE;
    CUIDockingPaneTheme* theme = GetTheme();
    if (m_showCaption) {
        CRect band(screenRect.left, screenRect.top, screenRect.right,
                   screenRect.top + theme->m_captionTextHeight + 3);
        hit = band.PtInRect(point);
        screenRect.top = band.bottom;
    } else if (m_frame && m_frame->m_hWnd) {
        CRect window;
        m_frame->GetWindowRect(&window);
        hit = CRect(screenRect.left, window.top, screenRect.right, screenRect.top).PtInRect(point);
    }
    if (m_showTabs) {
        CRect band(screenRect.left, screenRect.bottom - theme->m_tabBandHeight, screenRect.right,
                   screenRect.bottom);
        hit = hit || band.PtInRect(point);
        screenRect.bottom = band.top;
    }
    return hit;
}

BOOL CUIDockingPaneTabbedContainer::IsInAutoHideWindow() const {
    return m_hWnd && DockingFrameKindOf(GetParentFrame()) == DockingFrameAutoHide;
}

void CUIDockingPaneTabbedContainer::ShowAutoHidePane() {
    if (m_selected && m_holder && m_holder->GetKind() == DockingPaneKindAutoHide)
        static_cast<CUIDockingPaneAutoHideStrip*>(m_holder)->SlideOut(m_selected, TRUE);
}

BOOL CUIDockingPaneTabbedContainer::IsFocusInside() const { return IsWindowOrDescendant(m_hWnd, ::GetFocus()); }

void CUIDockingPaneTabbedContainer::SetShowCaption(BOOL show) {
    m_showCaption = show;
    DelayFrameLayout();
}

CString CUIDockingPaneTabbedContainer::GetSelectedCaption() const {
    return m_selected ? m_selected->GetCaptionTitle() : CString();
}

void CUIDockingPaneTabbedContainer::SetButtonTooltip(CUIDockingPaneCaptionButton* button) {
    if (!m_hWnd)
        return;
    if (!m_tooltips) {
        m_tooltips = new CToolTipCtrl;
        m_tooltips->Create(this);
    }
    UINT id = button->GetTooltipId();
    m_tooltips->DelTool(this, id);
    if (!button->GetRect().IsRectEmpty())
        m_tooltips->AddTool(this, id, &button->GetRect(), id);
    m_tooltips->Activate(TRUE);
}

CRect CUIDockingPaneTabbedContainer::GetPaneArea() const {
    CRect area;
    GetClientRect(&area);
    GetTheme()->AdjustClientRect(const_cast<CUIDockingPaneTabbedContainer*>(this), area);
    return area;
}

void CUIDockingPaneTabbedContainer::OnSizeParent(CFrameWnd* parent, CRect rect, AFX_SIZEPARENTPARAMS* params) {
    SetParentFrame(parent);
    m_rect = rect;
    if (!params || !params->hDWP)
        return;
    if (m_hWnd) {
        SetWindowPos(&wndBottom, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOACTIVATE);
        Invalidate(FALSE);
    }
    ++m_updating;
    UpdateTabs();
    int frameKind = DockingFrameKindOf(m_hWnd ? GetParentFrame() : parent);
    m_showTabs = GetItemCount() > 1 && frameKind != DockingFrameAutoHide;
    m_placement = frameKind == DockingFrameAutoHide ? 3 : frameKind == DockingFrameFloating ? 0 : 1;
    GetTheme()->AdjustClientRect(this, rect);
    --m_updating;
    for (CUIDockingPaneItem* pane : m_panes) {
        pane->ShowWindow(pane == m_selected);
        pane->OnSizeParent(parent, rect, params);
    }
}

void CUIDockingPaneTabbedContainer::OnFocusChanged() {
    if (!m_hWnd)
        return;
    BOOL active = IsFocusInside();
    if (active != m_active) {
        m_active = active;
        Invalidate(FALSE);
    }
    if (m_selected && m_selected->GetHwnd())
        ::SendMessageA(m_selected->GetHwnd(), WM_IDLEUPDATECMDUI, 0, 0);
}

void CUIDockingPaneTabbedContainer::SetParentFrame(CFrameWnd* frame) {
    m_frame = frame;
    if (m_hWnd && frame && ::GetParent(m_hWnd) != frame->m_hWnd)
        SetParent(frame);
}

void CUIDockingPaneTabbedContainer::OnParentContainerChanged(CUIDockingPaneBase* container) {
    m_frame = container->GetFrame();
    m_showCaption = TRUE;
    if (container->GetKind() == DockingPaneKindAutoHide && m_hWnd)
        ShowWindow(SW_HIDE);
}

void CUIDockingPaneTabbedContainer::FindPanes(int kind, CUIDockingPaneList& list) {
    for (CUIDockingPaneItem* pane : m_panes)
        if (pane->GetKind() == kind)
            list.push_back(pane);
}

void CUIDockingPaneTabbedContainer::SaveToRegistry(CUIDockingPaneLayoutState* layout) {
    SaveCommonValues(layout);
    CString section = DockingPaneSection(m_number);
    layout->WriteInt(section, "Selected", m_selected ? m_selected->m_number : 0);
    layout->WriteInt(section, "Panes", GetPaneCount());
    for (int i = 0; i < GetPaneCount(); ++i)
        layout->WriteInt(section, DockingPaneSection(i + 1), m_panes[i]->m_number);
}

BOOL CUIDockingPaneTabbedContainer::LoadFromRegistry(CUIDockingPaneLayoutState* layout,
                                                     const CUIDockingPaneNumberMap& numbers) {
    LoadCommonValues(layout);
    CString section = DockingPaneSection(m_number);
    int selected = layout->ReadInt(section, "Selected", 0);
    int count = layout->ReadInt(section, "Panes", 0);
    CUIDockingPaneItem* selectedPane = nullptr;
    for (int i = 1; i <= count; ++i) {
        int number = layout->ReadInt(section, DockingPaneSection(i), 0);
        auto found = numbers.find(number);
        if (found == numbers.end() || found->second->GetKind() != DockingPaneKindPane)
            return FALSE;
        auto* pane = static_cast<CUIDockingPaneItem*>(found->second);
        AddPane(pane);
        if (number == selected)
            selectedPane = pane;
    }
    if (selectedPane)
        SelectPane(selectedPane, TRUE);
    return TRUE;
}

CUIDockingPaneBase* CUIDockingPaneTabbedContainer::Clone(CUIDockingPaneLayoutState* layout,
                                                         CUIDockingPaneCloneMap* map, unsigned flags) {
    auto* copy = new CUIDockingPaneTabbedContainer(layout);
    copy->m_frame = GetManager()->GetFrame();
    copy->CopySizeFrom(this);
    if (map) {
        for (CUIDockingPaneItem* pane : m_panes)
            copy->AddPane(static_cast<CUIDockingPaneItem*>(pane->Clone(layout, map, 0)));
        if (m_selected)
            copy->SelectPane(static_cast<CUIDockingPaneItem*>((*map)[m_selected]), FALSE);
        (*map)[this] = copy;
        return copy;
    }
    CUIDockingPaneItem* selected = m_selected;
    CUIDockingPaneItem* movedSelected = nullptr;
    std::vector<CUIDockingPaneItem*> panes = m_panes;
    for (CUIDockingPaneItem* pane : panes) {
        if (pane->GetOptions() & flags)
            continue;
        RemovePane(pane);
        copy->AddPane(pane);
        if (pane == selected && !movedSelected)
            movedSelected = pane;
    }
    if (movedSelected)
        copy->SelectPane(movedSelected, FALSE);
    return copy;
}

// ---- Window -----------------------------------------------------------------------------

LRESULT CUIDockingPaneTabbedContainer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_tooltips && m_tooltips->m_hWnd &&
        (message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE || message == WM_LBUTTONDOWN ||
         message == WM_LBUTTONUP || message == WM_RBUTTONUP)) {
        MSG msg = {m_hWnd, message, wParam, lParam, 0, {}};
        m_tooltips->RelayEvent(&msg);
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CUIDockingPaneTabbedContainer::OnPaint() {
    CPaintDC paint(this);
    Paint(&paint);
}

LRESULT CUIDockingPaneTabbedContainer::OnPrintClient(WPARAM wParam, LPARAM) {
    Paint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

void CUIDockingPaneTabbedContainer::Paint(CDC* target) {
    CRect client;
    GetClientRect(&client);
    CUIBufferDC dc(target->m_hDC, client);
    GetTheme()->DrawPane(&dc, this, client);
}

void CUIDockingPaneTabbedContainer::FocusSelected() {
    if (m_selected && m_selected->GetHwnd())
        ::SetFocus(m_selected->GetHwnd());
    else
        SetFocus();
    GetManager()->UpdatePanesFocus();
}

BOOL CUIDockingPaneTabbedContainer::ClickedButton(CUIDockingPaneCaptionButton& button, CPoint point) {
    return button.Track(this, point) && m_selected;
}

void CUIDockingPaneTabbedContainer::CloseSelected() {
    CUIDockingPaneItem* pane = m_selected;
    CUIDockingPaneHostWnd* manager = GetManager();
    if (manager->NotifyAction(ActionClosing, pane, nullptr, 0))
        return;
    pane->Close();
    manager->NotifyAction(ActionClosed, pane, nullptr, 0);
}

// Inside the sliding window the pin sends the panes back to their docked places
// without asking; elsewhere the frame may refuse the auto-hide.
void CUIDockingPaneTabbedContainer::ToggleAutoHideSelected() {
    CUIDockingPaneHostWnd* manager = GetManager();
    if (IsInAutoHideWindow()) {
        manager->ToggleDocking(this);
        return;
    }
    CUIDockingPaneItem* pane = m_selected;
    if (manager->NotifyAction(ActionAutoHiding, pane, nullptr, 0))
        return;
    pane->ToggleAutoHide();
    manager->NotifyAction(ActionAutoHidden, pane, nullptr, 0);
}

void CUIDockingPaneTabbedContainer::OnLButtonDown(UINT flags, CPoint point) {
    FocusSelected();
    if (m_closeButton.GetRect().PtInRect(point)) {
        if (ClickedButton(m_closeButton, point))
            CloseSelected();
        return;
    }
    if (m_autoHideButton.GetRect().PtInRect(point)) {
        if (ClickedButton(m_autoHideButton, point))
            ToggleAutoHideSelected();
        return;
    }
    if (m_showTabs && PerformClick(this, point.x, point.y, TRUE))
        return;
    int hit = HitTest(point);
    if (hit == -2 && !IsInAutoHideWindow()) {
        CPoint screen = point;
        ClientToScreen(&screen);
        StartDrag(screen);
    } else if (hit >= 0) {
        BeginTabDrag(PaneOfItem(GetItem(hit)));
        PerformMouseMove(this, point.x, point.y);
        SetCapture();
        Invalidate(FALSE);
    }
    Default();
}

void CUIDockingPaneTabbedContainer::BeginTabDrag(CUIDockingPaneItem* pane) {
    m_tabRects.clear();
    for (int i = 0; i < GetItemCount(); ++i)
        m_tabRects.push_back(GetItem(i)->GetRect());
    m_draggedPane = pane;
    SelectPane(pane, TRUE);
    pane->SetFocus();
    RecalcFrameLayout();
}

void CUIDockingPaneTabbedContainer::RecalcFrameLayout() {
    if (m_frame)
        m_frame->RecalcLayout(TRUE);
}

void CUIDockingPaneTabbedContainer::StartDrag(CPoint point) {
    FocusSelected();
    CUIDockingDragContext().SetManager(GetManager())->Drag(this, point);
}

CUIDockingPaneItem* CUIDockingPaneTabbedContainer::SelectTabAt(CPoint point) {
    CUITabStripItem* item = m_showTabs ? CUITabStripBase::HitTest(point.x, point.y) : nullptr;
    if (!item)
        return nullptr;
    SelectPane(PaneOfItem(item), TRUE);
    RecalcFrameLayout();
    return PaneOfItem(item);
}

void CUIDockingPaneTabbedContainer::OnRButtonDown(UINT, CPoint point) {
    SelectTabAt(point);
    FocusSelected();
    if (CFrameWnd* frame = GetManager()->GetFrame())
        frame->SendMessage(DockingPaneNotify, DockingPaneNotifyRightClick,
                           reinterpret_cast<LPARAM>(static_cast<CUIDockingPaneBase*>(this)));
}

void CUIDockingPaneTabbedContainer::OnMouseMove(UINT, CPoint point) {
    PerformMouseMove(this, point.x, point.y);
    if (m_draggedPane) {
        DragTab(point);
    } else {
        m_closeButton.CheckHot(point);
        m_autoHideButton.CheckHot(point);
    }
    Default();
}

void CUIDockingPaneTabbedContainer::DragTab(CPoint point) {
    for (size_t i = 0; i < m_tabRects.size(); ++i) {
        if (!m_tabRects[i].PtInRect(point))
            continue;
        if (i < m_panes.size() && m_panes[i] != m_draggedPane) {
            SwapPanes(m_panes[i], m_draggedPane);
            RecalcFrameLayout();
        }
        return;
    }
    CUIDockingPaneItem* pane = m_selected;
    EndTabDrag();
    CPoint screen = point;
    ClientToScreen(&screen);
    if (pane)
        CUIDockingDragContext().SetManager(GetManager())->Drag(pane, screen);
}

LRESULT CUIDockingPaneTabbedContainer::OnMouseLeave(WPARAM, LPARAM) {
    PerformMouseMove(this, -1, -1);
    m_closeButton.CheckHot(CPoint(-1, -1));
    m_autoHideButton.CheckHot(CPoint(-1, -1));
    return 0;
}

void CUIDockingPaneTabbedContainer::OnLButtonUp(UINT, CPoint) {
    EndTabDrag();
    Default();
}

void CUIDockingPaneTabbedContainer::OnCaptureChanged(CWnd*) {
    EndTabDrag();
    Default();
}

void CUIDockingPaneTabbedContainer::EndTabDrag() {
    if (!m_draggedPane)
        return;
    m_draggedPane = nullptr;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CUIDockingPaneTabbedContainer::OnLButtonDblClk(UINT, CPoint point) {
    if (m_showTabs && PerformClick(this, point.x, point.y, TRUE))
        return;
    if (m_closeButton.GetRect().PtInRect(point) || m_autoHideButton.GetRect().PtInRect(point))
        return;
    int hit = HitTest(point);
    if (hit >= 0) {
        GetManager()->ToggleDocking(PaneOfItem(GetItem(hit)));
        return;
    }
    if (hit != -2)
        return;
    if (IsInAutoHideWindow() && m_selected && (m_selected->GetOptions() & PaneOptionNoAutoHide))
        return;
    GetManager()->ToggleDocking(this);
}
