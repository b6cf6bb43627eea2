#include "ui/docking/UIDockingPaneLayoutState.h"

#include <algorithm>

#include "ui/docking/UIDockingPaneAutoHideStrip.h"
#include "ui/docking/UIDockingPaneHostWnd.h"
#include "ui/docking/UIDockingPaneItem.h"
#include "ui/docking/UIDockingPaneSplitContainer.h"

CUIDockingPaneLayoutState::CUIDockingPaneLayoutState(CUIDockingPaneHostWnd* manager) : m_manager(manager) {
    m_client = new CUIDockingPaneBase(DockingPaneKindClient, this);
    m_top = new CUIDockingPaneSplitContainer(m_client, TRUE, manager ? manager->GetFrame() : nullptr, this);
}

CUIDockingPaneLayoutState::~CUIDockingPaneLayoutState() { Clear(); }

void CUIDockingPaneLayoutState::DestroyElement(CUIDockingPaneBase* element) {
    if (element->GetKind() == DockingPaneKindPane)
        static_cast<CUIDockingPaneItem*>(element)->InternalRelease();
    else
        delete element;
}

void CUIDockingPaneLayoutState::Clear() {
    while (!m_elements.empty()) {
        CUIDockingPaneBase* element = m_elements.back();
        m_elements.pop_back();
        DestroyElement(element);
    }
    m_panes.clear();
    std::fill(std::begin(m_panels), std::end(m_panels), nullptr);
    m_top = nullptr;
    m_client = nullptr;
}

void CUIDockingPaneLayoutState::CopyFrom(CUIDockingPaneLayoutState* source) {
    Clear();
    CUIDockingPaneCloneMap map;
    CUIDockingPaneList roots;
    for (CUIDockingPaneBase* element : source->m_elements)
        if (!element->GetHolder())
            roots.push_back(element);
    for (CUIDockingPaneBase* root : roots)
        root->Clone(this, &map, 0);
    auto copyOf = [&map](CUIDockingPaneBase* element) -> CUIDockingPaneBase* {
        auto found = map.find(element);
        return found == map.end() ? nullptr : found->second;
    };
    m_client = copyOf(source->m_client);
    m_top = static_cast<CUIDockingPaneSplitContainer*>(copyOf(source->m_top));
    for (int side = DockLeft; side <= DockBottom; ++side)
        m_panels[side] = static_cast<CUIDockingPaneAutoHideStrip*>(copyOf(source->m_panels[side]));
    for (const DockingPaneInfo& info : source->m_panes) {
        DockingPaneInfo copy;
        copy.pane = static_cast<CUIDockingPaneItem*>(copyOf(info.pane));
        copy.floatingHolder = copyOf(info.floatingHolder);
        copy.dockingHolder = copyOf(info.dockingHolder);
        copy.lastHolder = copyOf(info.lastHolder);
        m_panes.push_back(copy);
    }
}

// The side panels first, so that they take the full height and the top and bottom
// panels lie between them.
void CUIDockingPaneLayoutState::RepositionPanes(CFrameWnd* frame, CRect rect, AFX_SIZEPARENTPARAMS* params) {
    for (CUIDockingPaneAutoHideStrip* panel : m_panels)
        if (panel)
            panel->RepositionPanel(frame, rect, params);
    m_client->OnSizeParent(frame, rect, params);
    m_top->OnSizeParent(frame, rect, params);
}

// The element's panes that may be auto-hidden move into a new container in the panel
// of its side; the element keeps its place in the tree for them to come back to.
void CUIDockingPaneLayoutState::AutoHideElement(CUIDockingPaneBase* element) {
    DockingDirection side = GetAutoHideSide(element);
    if (!m_panels[side])
        m_panels[side] = new CUIDockingPaneAutoHideStrip(this, side);
    CUIDockingPaneBase* copy = element->Clone(this, nullptr, DockingCloneAutoHide);
    m_panels[side]->AddContainer(copy);
}

DockingDirection CUIDockingPaneLayoutState::GetAutoHideSide(CUIDockingPaneBase* element) const {
    CUIDockingPaneBase* branch = element;
    for (CUIDockingPaneBase* holder = element->GetHolder(); holder; holder = holder->GetHolder()) {
        int clientPosition = holder->ContainsPane(m_client);
        if (clientPosition && holder->GetKind() == DockingPaneKindSplit) {
            auto* split = static_cast<CUIDockingPaneSplitContainer*>(holder);
            BOOL before = split->IsChildBefore(branch, clientPosition - 1);
            if (split->IsHorizontal())
                return before ? DockLeft : DockRight;
            return before ? DockTop : DockBottom;
        }
        branch = holder;
    }
    return DockLeft;
}

DockingPaneInfo* CUIDockingPaneLayoutState::FindPaneInfo(const CUIDockingPaneItem* pane) {
    for (DockingPaneInfo& info : m_panes)
        if (info.pane == pane)
            return &info;
    return nullptr;
}
