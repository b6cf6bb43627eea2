#include "ui/docking/UIDockingPaneSplitContainer.h"

#include <algorithm>

#include "platform/CFrameWnd.h"
#include "ui/docking/UIDockingPaneHostWnd.h"
#include "ui/docking/UIDockingPaneLayoutState.h"
#include "ui/docking/UIDockingPaneSplitterWnd.h"

CUIDockingPaneSplitContainer::CUIDockingPaneSplitContainer(CUIDockingPaneBase* first, BOOL horizontal,
                                                           CFrameWnd* frame, CUIDockingPaneLayoutState* layout)
    : CUIDockingPaneBase(DockingPaneKindSplit, layout), m_horizontal(horizontal) {
    m_frame = frame;
    if (first) {
        AddChild(first, nullptr, TRUE);
        CopySizeFrom(first);
    }
}

CUIDockingPaneSplitContainer::~CUIDockingPaneSplitContainer() { DeleteSplitters(); }

void CUIDockingPaneSplitContainer::AddChild(CUIDockingPaneBase* element, CUIDockingPaneBase* reference, BOOL after) {
    auto found = std::find(m_children.begin(), m_children.end(), reference);
    if (!reference || found == m_children.end())
        m_children.insert(after ? m_children.end() : m_children.begin(), element);
    else
        m_children.insert(after ? found + 1 : found, element);
    element->SetParentContainer(this);
    element->SetParentFrame(m_frame);
    DelayFrameLayout();
    RebuildSplitters();
    if (m_holder)
        m_holder->OnChildContainerChanged(this);
    element->OnParentContainerChanged(this);
}

void CUIDockingPaneSplitContainer::ReplaceChild(CUIDockingPaneBase* oldChild, CUIDockingPaneBase* newElement) {
    auto found = std::find(m_children.begin(), m_children.end(), oldChild);
    if (found == m_children.end())
        return;
    *found = newElement;
    newElement->SetParentContainer(this);
    RebuildSplitters();
    if (m_holder)
        m_holder->OnChildContainerChanged(this);
}

void CUIDockingPaneSplitContainer::DeleteSplitters() {
    for (CUIDockingPaneSplitterWnd* splitter : m_splitters)
        delete splitter;
    m_splitters.clear();
}

// The bars already made serve the new neighbours where they can: every change of the
// children comes here (several times while panes are made or restored), and a window
// destroyed and made again costs far more than a moved one.
void CUIDockingPaneSplitContainer::RebuildSplitters() {
    std::vector<CUIDockingPaneSplitterWnd*> previousBars;
    previousBars.swap(m_splitters);
    size_t next = 0;
    CUIDockingPaneBase* previous = nullptr;
    for (CUIDockingPaneBase* child : m_children) {
        if (child->IsEmpty())
            continue;
        if (previous) {
            CUIDockingPaneSplitterWnd* bar = next < previousBars.size() ? previousBars[next] : nullptr;
            if (bar && bar->Reuse(previous, child))
                previousBars[next++] = nullptr;
            else
                bar = new CUIDockingPaneSplitterWnd(this, previous, child);
            m_splitters.push_back(bar);
        }
        previous = child;
    }
    for (CUIDockingPaneSplitterWnd* bar : previousBars)
        delete bar;
}

BOOL CUIDockingPaneSplitContainer::IsChildBefore(const CUIDockingPaneBase* child, int position) const {
    auto found = std::find(m_children.begin(), m_children.end(), child);
    return found != m_children.end() && found - m_children.begin() < position;
}

CUIDockingPaneBase* CUIDockingPaneSplitContainer::FindClientBranch(const CUIDockingPaneList& visible) const {
    CUIDockingPaneBase* client = m_layout->m_client;
    BOOL hideClient = GetManager() && GetManager()->m_hideClient;
    for (CUIDockingPaneBase* child : visible) {
        if (!child->ContainsPane(client))
            continue;
        if (!hideClient || (child->m_cx == 0 && child->m_cy == 0))
            return child;
        return nullptr;
    }
    return nullptr;
}

void CUIDockingPaneSplitContainer::OnSizeParent(CFrameWnd* parent, CRect rect, AFX_SIZEPARENTPARAMS* params) {
    m_frame = parent;
    m_rect = rect;
    CUIDockingPaneList visible;
    for (CUIDockingPaneBase* child : m_children)
        if (!child->IsEmpty())
            visible.push_back(child);
    if (visible.empty())
        return;
    BOOL hideClient = GetManager() && GetManager()->m_hideClient;
    if (hideClient && ContainsPane(m_layout->m_client))
        m_layout->m_client->OnSizeParent(parent, CRect(0, 0, 0, 0), params);
    if (visible.size() == 1)
        visible.front()->OnSizeParent(parent, rect, params);
    else
        PlaceChildren(parent, rect, params, visible);
}

void CUIDockingPaneSplitContainer::PlaceChildren(CFrameWnd* parent, const CRect& rect,
                                                 AFX_SIZEPARENTPARAMS* params, const CUIDockingPaneList& visible) {
    CUIDockingPaneBase* clientBranch = FindClientBranch(visible);
    if (clientBranch)
        clientBranch->m_cx = clientBranch->m_cy = 0;
    int count = static_cast<int>(visible.size());
    int total = SplitterSize * (count - 1);
    for (CUIDockingPaneBase* child : visible)
        total += SizeOf(child);
    int avail = m_horizontal ? rect.Width() : rect.Height();
    if (clientBranch && total < avail) {
        SizeOf(clientBranch) = avail - total;
        total = avail;
    }
    double ratio = total > 0 ? static_cast<double>(avail) / total : 1.0;
    int pos = m_horizontal ? rect.left : rect.top;
    for (int i = 0; i < count; ++i) {
        bool last = i == count - 1;
        int size = SizeOf(visible[i]) + (last ? 0 : SplitterSize);
        int end = last ? (m_horizontal ? rect.right : rect.bottom)
                       : static_cast<int>(size * ratio) + pos - SplitterSize;
        CRect place = m_horizontal ? CRect(pos, rect.top, end, rect.bottom) : CRect(rect.left, pos, rect.right, end);
        visible[i]->OnSizeParent(parent, place, params);
        CRect gap = m_horizontal ? CRect(end, rect.top, end + SplitterSize, rect.bottom)
                                 : CRect(rect.left, end, rect.right, end + SplitterSize);
        pos = end + SplitterSize;
        if (last || !params || !params->hDWP || i >= GetSplitterCount())
            continue;
        CUIDockingPaneSplitterWnd* splitter = m_splitters[i];
        if (!splitter->m_hWnd)
            continue;
        gap.IntersectRect(gap, rect);
        splitter->SetWindowPos(&CWnd::wndBottom, gap.left, gap.top, gap.Width(), gap.Height(), SWP_NOACTIVATE);
        splitter->Invalidate(FALSE);
    }
}

int CUIDockingPaneSplitContainer::ContainsPane(const CUIDockingPaneBase* element) const {
    for (size_t i = 0; i < m_children.size(); ++i)
        if (m_children[i]->ContainsPane(element))
            return static_cast<int>(i) + 1;
    return 0;
}

void CUIDockingPaneSplitContainer::OnChildContainerChanged(CUIDockingPaneBase* child) {
    if (m_holder)
        m_holder->OnChildContainerChanged(child);
    RebuildSplitters();
    DelayFrameLayout();
}

void CUIDockingPaneSplitContainer::OnParentContainerChanged(CUIDockingPaneBase* container) {
    m_frame = container->GetFrame();
    RebuildSplitters();
    for (CUIDockingPaneBase* child : m_children)
        child->OnParentContainerChanged(container);
}

void CUIDockingPaneSplitContainer::SaveToRegistry(CUIDockingPaneLayoutState* layout) {
    SaveCommonValues(layout);
    CString section = DockingPaneSection(m_number);
    layout->WriteInt(section, "Horiz", m_horizontal ? 1 : 0);
    for (size_t i = 0; i < m_children.size(); ++i)
        layout->WriteInt(section, DockingPaneSection(static_cast<int>(i) + 1), m_children[i]->m_number);
    layout->WriteInt(section, "Panes", static_cast<int>(m_children.size()));
}

BOOL CUIDockingPaneSplitContainer::LoadFromRegistry(CUIDockingPaneLayoutState* layout,
                                                    const CUIDockingPaneNumberMap& numbers) {
    LoadCommonValues(layout);
    CString section = DockingPaneSection(m_number);
    m_horizontal = layout->ReadInt(section, "Horiz", 0) != 0;
    int count = layout->ReadInt(section, "Panes", 0);
    for (int i = 1; i <= count; ++i) {
        auto found = numbers.find(layout->ReadInt(section, DockingPaneSection(i), 0));
        if (found == numbers.end())
            return FALSE;
        AddChild(found->second, nullptr, TRUE);
    }
    return TRUE;
}

CUIDockingPaneBase* CUIDockingPaneSplitContainer::Clone(CUIDockingPaneLayoutState* layout,
                                                        CUIDockingPaneCloneMap* map, unsigned) {
    auto* copy = new CUIDockingPaneSplitContainer(nullptr, m_horizontal, GetManager()->GetFrame(), layout);
    CUIDockingPaneList children = m_children;
    for (CUIDockingPaneBase* child : children)
        if (map || !child->IsEmpty())
            copy->AddChild(child->Clone(layout, map, 0), nullptr, TRUE);
    copy->CopySizeFrom(this);
    if (map)
        (*map)[this] = copy;
    return copy;
}

void CUIDockingPaneSplitContainer::RemovePane(CUIDockingPaneBase* child) {
    auto found = std::find(m_children.begin(), m_children.end(), child);
    if (found == m_children.end())
        return;
    m_children.erase(found);
    RebuildSplitters();
    DelayFrameLayout();
    if (m_holder)
        m_holder->OnChildContainerChanged(this);
    if (m_children.empty() && m_holder)
        m_holder->RemovePane(this);
    child->SetParentContainer(nullptr);
}

void CUIDockingPaneSplitContainer::FindPanes(int kind, CUIDockingPaneList& list) {
    for (CUIDockingPaneBase* child : m_children) {
        if (child->IsEmpty())
            continue;
        if (child->GetKind() == kind)
            list.push_back(child);
        else
            child->FindPanes(kind, list);
    }
}

BOOL CUIDockingPaneSplitContainer::IsEmpty() const {
    return std::all_of(m_children.begin(), m_children.end(),
                       [](const CUIDockingPaneBase* child) { return child->IsEmpty(); });
}
