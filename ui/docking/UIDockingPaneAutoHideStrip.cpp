#include "ui/docking/UIDockingPaneAutoHideStrip.h"

#include <algorithm>

#include "platform/CFrameWnd.h"
#include "platform/MessageMap.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIGradientHelper.h"
#include "ui/docking/UIDockingPaneAutoHideWnd.h"
#include "ui/docking/UIDockingPaneHostWnd.h"
#include "ui/docking/UIDockingPaneItem.h"
#include "ui/docking/UIDockingPaneLayoutState.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"
#include "ui/docking/tabs/UITabAppearance.h"
#include "ui/docking/tabs/UITabColorSet.h"
#include "ui/docking/themes/UIDockingPaneTheme.h"

// ---- Tab strip ---------------------------------------------------------------------------

CUIDockingPaneAutoHideTabStrip::CUIDockingPaneAutoHideTabStrip(CUIDockingPaneAutoHideStrip* panel)
    : m_panel(panel) {
    FindNavigateButton(NavigateButtonLeft)->SetMode(NavigateButtonHidden);
    FindNavigateButton(NavigateButtonRight)->SetMode(NavigateButtonHidden);
}

CUITabTheme* CUIDockingPaneAutoHideTabStrip::GetPaintManager() const { return m_panel->GetPanelTabs(); }

void CUIDockingPaneAutoHideTabStrip::RedrawControl() {
    if (m_panel->m_hWnd)
        m_panel->Invalidate(FALSE);
}

BOOL CUIDockingPaneAutoHideTabStrip::DrawItemIcon(CDC* dc, CPoint point, CUITabStripItem* item, BOOL draw,
                                                  CSize*) {
    return CUIDockingPaneTabbedContainer::DrawPaneIcon(GetPaintManager(), dc, point, item, draw);
}

int CUIDockingPaneAutoHideTabStrip::GetPosition() const {
    switch (m_panel->GetSide()) {
    case DockLeft:
        return TabPositionRight;
    case DockRight:
        return TabPositionLeft;
    case DockTop:
        return TabPositionBottom;
    default:
        return TabPositionTop;
    }
}

// ---- Panel -------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CUIDockingPaneAutoHideStrip, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_MESSAGE(WM_MOUSEHOVER, OnMouseHover)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CUIDockingPaneAutoHideStrip::CUIDockingPaneAutoHideStrip(CUIDockingPaneLayoutState* layout, DockingDirection side)
    : CUIDockingPaneBase(DockingPaneKindAutoHide, layout), m_side(side) {}

CUIDockingPaneAutoHideStrip::~CUIDockingPaneAutoHideStrip() {
    if (m_current) {
        m_current->Detach();
        CloseSlidingWindow(FALSE);
    }
    if (m_hWnd)
        DestroyWindow();
    DeleteStrips();
}

CUITabTheme* CUIDockingPaneAutoHideStrip::GetPanelTabs() const { return &GetTheme()->m_panelTabs; }

void CUIDockingPaneAutoHideStrip::DeleteStrips() {
    for (CUIDockingPaneAutoHideTabStrip* strip : m_strips)
        delete strip;
    m_strips.clear();
}

void CUIDockingPaneAutoHideStrip::AddContainer(CUIDockingPaneBase* container) {
    m_containers.push_back(container);
    container->SetParentContainer(this);
    container->SetParentFrame(m_frame);
    DelayFrameLayout();
    container->OnParentContainerChanged(this);
    // The hidden container must not keep the focus.
    CFrameWnd* frame = GetManager()->GetFrame();
    if (frame && IsWindowOrDescendant(DockingContainerWindow(container), ::GetFocus()))
        frame->SetFocus();
    if (m_hWnd)
        Invalidate(FALSE);
}

void CUIDockingPaneAutoHideStrip::RemovePane(CUIDockingPaneBase* child) {
    auto found = std::find(m_containers.begin(), m_containers.end(), child);
    if (found == m_containers.end())
        return;
    m_containers.erase(found);
    if (m_hWnd)
        Invalidate(FALSE);
    DelayFrameLayout();
    if (m_containers.empty() && m_hWnd)
        DestroyWindow();
    child->SetParentContainer(nullptr);
}

BOOL CUIDockingPaneAutoHideStrip::IsEmpty() const {
    return std::all_of(m_containers.begin(), m_containers.end(),
                       [](const CUIDockingPaneBase* container) { return container->IsEmpty(); });
}

void CUIDockingPaneAutoHideStrip::OnChildContainerChanged(CUIDockingPaneBase*) {
    // The manager may be moving the container elsewhere: the window then leaves it alone.
    CloseSlidingWindow(GetManager()->m_attaching);
}

void CUIDockingPaneAutoHideStrip::ForgetSlidingWindow(CUIDockingPaneAutoHideWnd* window) {
    if (m_current == window)
        m_current = nullptr;
}

// ---- Layout ------------------------------------------------------------------------------

void CUIDockingPaneAutoHideStrip::CreatePanelWindow(CFrameWnd* parent) {
    LPCSTR windowClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW));
    CreateEx(0, windowClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CRect(0, 0, 0, 0),
             parent, 0);
}

int CUIDockingPaneAutoHideStrip::GetThickness() const {
    CUITabAppearance* appearance = GetPanelTabs()->GetAppearance();
    RECT margin;
    appearance->GetHeaderMargin(&margin);
    return appearance->GetTabHeight(nullptr) + margin.top + margin.bottom;
}

void CUIDockingPaneAutoHideStrip::RepositionPanel(CFrameWnd* parent, CRect& rect, AFX_SIZEPARENTPARAMS* params) {
    if (IsEmpty()) {
        if (m_hWnd)
            DestroyWindow();
        return;
    }
    if (!m_hWnd)
        CreatePanelWindow(parent);
    CloseSlidingWindow(FALSE);
    int thickness = GetThickness();
    CRect band = rect;
    switch (m_side) {
    case DockLeft:
        band.right = rect.left += thickness;
        break;
    case DockRight:
        band.left = rect.right -= thickness;
        break;
    case DockTop:
        band.bottom = rect.top += thickness;
        break;
    default:
        band.top = rect.bottom -= thickness;
        break;
    }
    {
        CClientDC dc(this);
        LayoutTabs(&dc, CRect(0, 0, band.Width(), band.Height()));
    }
    if (params && params->hDWP) {
        MoveWindow(band, TRUE);
        Invalidate(FALSE);
    }
}

void CUIDockingPaneAutoHideStrip::LayoutTabs(CDC* dc, CRect rect) {
    BOOL vertical = m_side == DockTop || m_side == DockBottom;
    if (!vertical) {
        // The top panel's band runs over the whole width: the side panels' tabs start below it.
        CUIDockingPaneAutoHideStrip* top = m_layout->GetPanel(DockTop);
        if (top && !top->IsEmpty())
            rect.top += top->GetThickness();
    }
    DeleteStrips();
    CUITabTheme* paintManager = GetPanelTabs();
    RECT margin;
    paintManager->GetAppearance()->GetHeaderMargin(&margin);
    for (CUIDockingPaneBase* element : m_containers) {
        if (element->IsEmpty())
            continue;
        auto* container = static_cast<CUIDockingPaneTabbedContainer*>(element);
        auto* strip = new CUIDockingPaneAutoHideTabStrip(this);
        m_strips.push_back(strip);
        for (CUIDockingPaneItem* pane : container->GetPanes()) {
            CUITabStripItem* item = CUIDockingPaneTabbedContainer::AppendPaneTab(strip, pane);
            if (pane == container->GetSelected())
                strip->SetSelectedItem(item);
        }
        paintManager->RepositionTabControl(strip, dc, rect);
        strip->m_rect = rect;
        int advance = strip->GetItemsLength() + margin.left + margin.right + 8;
        if (vertical)
            rect.left += advance;
        else
            rect.top += advance;
    }
}

CUIDockingPaneItem* CUIDockingPaneAutoHideStrip::HitTestPane(CPoint point) const {
    for (CUIDockingPaneAutoHideTabStrip* strip : m_strips)
        if (CUITabStripItem* item = strip->HitTest(point.x, point.y))
            return CUIDockingPaneTabbedContainer::PaneOfItem(item);
    return nullptr;
}

// ---- Sliding -----------------------------------------------------------------------------

void CUIDockingPaneAutoHideStrip::SlideOut(CUIDockingPaneItem* pane, BOOL activate) {
    // A window already out would otherwise stay behind the new one, still bound to its container.
    CloseSlidingWindow(FALSE);
    auto* container = static_cast<CUIDockingPaneTabbedContainer*>(pane->GetHolder());
    container->SelectPane(pane, activate);
    if (m_hWnd)
        Invalidate(FALSE);
    auto* window = new CUIDockingPaneAutoHideWnd(this, container);
    if (activate)
        pane->SetFocus();
    if (m_frame)
        m_frame->RecalcLayout(TRUE);
    // Only now: the layout pass above closes whatever window is current.
    m_current = window;
}

void CUIDockingPaneAutoHideStrip::CloseSlidingWindow(BOOL delayed) {
    CUIDockingPaneAutoHideWnd* window = m_current;
    if (!window)
        return;
    m_current = nullptr;
    if (delayed)
        window->CloseLater();
    else
        window->Close();
}

BOOL CUIDockingPaneAutoHideStrip::IsOtherPaneOut(CUIDockingPaneItem* pane) const {
    if (!m_current)
        return TRUE;
    CUIDockingPaneTabbedContainer* container = m_current->GetContainer();
    return !container || container->GetSelected() != pane;
}

// ---- Window ------------------------------------------------------------------------------

void CUIDockingPaneAutoHideStrip::OnPaint() {
    CPaintDC paint(this);
    Paint(&paint);
}

LRESULT CUIDockingPaneAutoHideStrip::OnPrintClient(WPARAM wParam, LPARAM) {
    Paint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

void CUIDockingPaneAutoHideStrip::Paint(CDC* target) {
    CRect client;
    GetClientRect(&client);
    CUIBufferDC dc(target->m_hDC, client);
    CUITabTheme* paintManager = GetPanelTabs();
    const CUIColorPair& face = paintManager->GetColorSet()->autoHideFaceColour;
    if (m_side == DockRight || face.first == face.second) {
        dc.FillSolidRect(client, face.second);
    } else {
        // As wide as half the screen at least, so that the panels of one frame match.
        int width = std::max(client.Width(), ::GetSystemMetrics(SM_CXSCREEN) / 2);
        CRect fill(client.left, client.top, client.left + width, client.bottom);
        GetUIGradientHelper().FillGradientPair(&dc, fill, face, TRUE);
    }
    for (CUIDockingPaneAutoHideTabStrip* strip : m_strips)
        paintManager->DrawTabControl(strip, &dc, strip->m_rect);
}

void CUIDockingPaneAutoHideStrip::OnMouseMove(UINT, CPoint point) {
    for (CUIDockingPaneAutoHideTabStrip* strip : m_strips)
        strip->PerformMouseMove(this, point.x, point.y);
    if (HitTestPane(point)) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_HOVER | TME_LEAVE, m_hWnd, HOVER_DEFAULT};
        ::TrackMouseEvent(&track);
    }
    Default();
}

LRESULT CUIDockingPaneAutoHideStrip::OnMouseLeave(WPARAM, LPARAM) {
    for (CUIDockingPaneAutoHideTabStrip* strip : m_strips)
        strip->PerformMouseMove(this, -1, -1);
    return 0;
}

LRESULT CUIDockingPaneAutoHideStrip::OnMouseHover(WPARAM, LPARAM lParam) {
    CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
    CUIDockingPaneItem* pane = HitTestPane(point);
    if (pane && IsTopParentActive() && IsOtherPaneOut(pane)) {
        CloseSlidingWindow(FALSE);
        SlideOut(pane, FALSE);
    }
    return 1;
}

void CUIDockingPaneAutoHideStrip::OnLButtonDown(UINT, CPoint point) {
    CUIDockingPaneItem* pane = HitTestPane(point);
    if (!pane)
        return;
    if (!IsOtherPaneOut(pane)) {
        pane->SetFocus();
        return;
    }
    CloseSlidingWindow(FALSE);
    SlideOut(pane, TRUE);
}

// ---- Copies and the registry ---------------------------------------------------------------

CUIDockingPaneBase* CUIDockingPaneAutoHideStrip::Clone(CUIDockingPaneLayoutState* layout,
                                                       CUIDockingPaneCloneMap* map, unsigned) {
    auto* copy = new CUIDockingPaneAutoHideStrip(layout, m_side);
    copy->m_frame = layout->m_manager ? layout->m_manager->GetFrame() : nullptr;
    copy->CopySizeFrom(this);
    for (CUIDockingPaneBase* container : m_containers)
        if (map || !container->IsEmpty())
            copy->AddContainer(container->Clone(layout, map, 0));
    if (map)
        (*map)[this] = copy;
    return copy;
}

void CUIDockingPaneAutoHideStrip::SaveToRegistry(CUIDockingPaneLayoutState* layout) {
    SaveCommonValues(layout);
    CString section = DockingPaneSection(m_number);
    layout->WriteInt(section, "Direction", m_side);
    int count = static_cast<int>(m_containers.size());
    for (int i = 0; i < count; ++i)
        layout->WriteInt(section, DockingPaneSection(i + 1), m_containers[i]->m_number);
    layout->WriteInt(section, "Panes", count);
}

BOOL CUIDockingPaneAutoHideStrip::LoadFromRegistry(CUIDockingPaneLayoutState* layout,
                                                   const CUIDockingPaneNumberMap& numbers) {
    LoadCommonValues(layout);
    CString section = DockingPaneSection(m_number);
    int side = layout->ReadInt(section, "Direction", m_side);
    if (side < DockLeft || side > DockBottom)
        return FALSE;
    m_side = static_cast<DockingDirection>(side);
    int count = layout->ReadInt(section, "Panes", 0);
    for (int i = 1; i <= count; ++i) {
        auto found = numbers.find(layout->ReadInt(section, DockingPaneSection(i), 0));
        if (found == numbers.end())
            return FALSE;
        AddContainer(found->second);
    }
    layout->SetPanel(m_side, this);
    return TRUE;
}
